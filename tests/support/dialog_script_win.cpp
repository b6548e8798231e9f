// The dialog script: a hook that follows the dialogs this thread opens and closes, and a
// thread timer that runs one step per tick inside whichever modal loop is running.
#include "support/dialog_script.h"

#include <algorithm>

static thread_local CDialogScript* lpCurrent = NULL;

CDialogScript::CDialogScript(DWORD dwTimeoutMs) : lpPrevious(lpCurrent) {
    lpCurrent = this;
    dwDeadline = GetTickCount() + dwTimeoutMs;
    hHook = SetWindowsHookExA(WH_CALLWNDPROCRET, HookProc, NULL, GetCurrentThreadId());
    idTimer = SetTimer(NULL, 0, 20, TimerProc);
}

CDialogScript::~CDialogScript() {
    KillTimer(NULL, idTimer);
    UnhookWindowsHookEx(hHook);
    lpCurrent = lpPrevious;
}

// A dialog of the program: the dialog class, and not a message box (those have text 0xFFFF).
static bool IsProgramDialog(HWND hWnd) {
    char szClass[16];
    GetClassNameA(hWnd, szClass, sizeof(szClass));
    return lstrcmpA(szClass, "#32770") == 0 && GetDlgItem(hWnd, 0xFFFF) == NULL;
}

LRESULT CALLBACK CDialogScript::HookProc(int nCode, WPARAM wParam, LPARAM lParam) {
    CDialogScript* lpSelf = lpCurrent;
    if (nCode == HC_ACTION && lpSelf != NULL) {
        const CWPRETSTRUCT* lpMsg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (lpMsg->message == WM_INITDIALOG && IsProgramDialog(lpMsg->hwnd)) {
            lpSelf->open.push_back(lpMsg->hwnd);
            lpSelf->opened.push_back(lpMsg->hwnd);
        } else if (lpMsg->message == WM_NCDESTROY) {
            auto& v = lpSelf->open;
            v.erase(std::remove(v.begin(), v.end(), lpMsg->hwnd), v.end());
        }
    }
    return CallNextHookEx(NULL, nCode, wParam, lParam);
}

void CALLBACK CDialogScript::TimerProc(HWND, UINT, UINT_PTR, DWORD) {
    if (lpCurrent != NULL)
        lpCurrent->OnTick();
}

void CDialogScript::OnTick() {
    // A step that opens a nested dialog returns only when it closes; its loop ticks on.
    if (bInStep)
        return;
    if (static_cast<LONG>(GetTickCount() - dwDeadline) > 0) {
        if (!steps.empty() || !open.empty())
            bTimedOut = true;
        steps.clear();
        for (auto it = open.rbegin(); it != open.rend(); ++it)
            EndDialog(*it, -1);
        return;
    }
    if (steps.empty() || open.empty())
        return;
    Step step = steps.front();
    steps.pop_front();
    bInStep = true;
    step(open.back());
    bInStep = false;
}

void PressDialogButton(HWND hDlg, int id) {
    PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(hDlg, id)));
}

void PressDialogKey(HWND hDlg, WORD vk) {
    PostMessageA(hDlg, WM_KEYDOWN, vk, 1);
    PostMessageA(hDlg, WM_KEYUP, vk, 0xC0000001);
}
