// Works the program's modal dialogs from inside their own message loops: each step runs on a
// timer tick of this thread and is handed the dialog on top, the last one opened and not yet
// closed.
#pragma once
#include <windows.h>
#include <deque>
#include <functional>
#include <vector>

class CDialogScript {
  public:
    typedef std::function<void(HWND hDlgTop)> Step;

    // Steps left after dwTimeoutMs are dropped and every dialog still open is ended with -1.
    explicit CDialogScript(DWORD dwTimeoutMs = 10000);
    virtual ~CDialogScript();

    CDialogScript& Then(Step step) {
        steps.push_back(step);
        return *this;
    }
    // Every step ran before the time was up.
    bool Finished() const { return steps.empty() && !bTimedOut; }
    // Every dialog seen, in the order they opened.
    const std::vector<HWND>& Opened() const { return opened; }

  private:
    static LRESULT CALLBACK HookProc(int nCode, WPARAM wParam, LPARAM lParam);
    static void CALLBACK TimerProc(HWND hWnd, UINT uMsg, UINT_PTR idEvent, DWORD dwTime);
    void OnTick();

    HHOOK hHook;
    UINT_PTR idTimer;
    DWORD dwDeadline;
    bool bInStep = false;
    bool bTimedOut = false;
    CDialogScript* lpPrevious;
    std::deque<Step> steps;
    std::vector<HWND> open, opened;
};

// What a button of the dialog sends when it is clicked, and a key pressed in the dialog.
void PressDialogButton(HWND hDlg, int id);
void PressDialogKey(HWND hDlg, WORD vk);
