// Sees every message box the code under test shows on this thread and answers it.
#pragma once
#include <windows.h>
#include <deque>
#include <string>
#include <vector>

enum MsgBoxIcon { ICON_NONE, ICON_EXCLAMATION, ICON_HAND, ICON_QUESTION, ICON_ASTERISK, ICON_OTHER };

struct MsgBoxRecord {
    HWND hOwner;
    std::string strText;
    std::string strCaption;
    std::vector<int> buttons; // control ids, e.g. IDOK, IDCANCEL, IDRETRY, in the box's order
    MsgBoxIcon nIcon;
    int idAnswer; // the button the observer pressed
};

// While it lives, a thread-local CBT hook reads each box as it is activated and presses a button:
// the next queued answer if there is one, otherwise OK (or Cancel, or the first button).
class CMsgBoxObserver {
  public:
    CMsgBoxObserver();
    virtual ~CMsgBoxObserver();

    void QueueAnswer(int idButton) { answers.push_back(idButton); }
    const std::vector<MsgBoxRecord>& Boxes() const { return boxes; }

  private:
    static LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam);
    void OnActivate(HWND hDlg);

    HHOOK hHook;
    CMsgBoxObserver* lpPrevious;
    std::deque<int> answers;
    std::vector<MsgBoxRecord> boxes;
};
