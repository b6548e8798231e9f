// The message-box observer: a CBT hook that reads a box when it is activated and answers it.
#include "support/msgbox_observer.h"

static thread_local CMsgBoxObserver* lpCurrent = NULL;

CMsgBoxObserver::CMsgBoxObserver() : hHook(NULL), lpPrevious(lpCurrent) {
    lpCurrent = this;
    hHook = SetWindowsHookExA(WH_CBT, CbtProc, NULL, GetCurrentThreadId());
}

CMsgBoxObserver::~CMsgBoxObserver() {
    UnhookWindowsHookEx(hHook);
    lpCurrent = lpPrevious;
}

static std::string WindowText(HWND hWnd) {
    char sz[2048];
    GetWindowTextA(hWnd, sz, sizeof(sz));
    return sz;
}

static MsgBoxIcon IconKind(HICON hIcon) {
    if (hIcon == NULL)
        return ICON_NONE;
    if (hIcon == LoadIconA(NULL, IDI_EXCLAMATION))
        return ICON_EXCLAMATION;
    if (hIcon == LoadIconA(NULL, IDI_HAND))
        return ICON_HAND;
    if (hIcon == LoadIconA(NULL, IDI_QUESTION))
        return ICON_QUESTION;
    if (hIcon == LoadIconA(NULL, IDI_ASTERISK))
        return ICON_ASTERISK;
    return ICON_OTHER;
}

void CMsgBoxObserver::OnActivate(HWND hDlg) {
    MsgBoxRecord box = {};
    box.hOwner = GetWindow(hDlg, GW_OWNER);
    box.strCaption = WindowText(hDlg);
    box.nIcon = ICON_NONE;
    // The box is not shown yet: its children count by their own WS_VISIBLE style.
    for (HWND hChild = GetWindow(hDlg, GW_CHILD); hChild; hChild = GetWindow(hChild, GW_HWNDNEXT)) {
        char szClass[64];
        GetClassNameA(hChild, szClass, sizeof(szClass));
        LONG lStyle = GetWindowLongA(hChild, GWL_STYLE);
        if (lstrcmpiA(szClass, "Button") == 0 && (lStyle & WS_VISIBLE)) {
            box.buttons.push_back(GetDlgCtrlID(hChild));
        } else if (lstrcmpiA(szClass, "Static") == 0) {
            if ((lStyle & SS_TYPEMASK) == SS_ICON) {
                if (lStyle & WS_VISIBLE)
                    box.nIcon = IconKind((HICON)SendMessageA(hChild, STM_GETICON, 0, 0));
            } else if (box.strText.empty()) {
                box.strText = WindowText(hChild);
            }
        }
    }
    int idAnswer;
    if (!answers.empty()) {
        idAnswer = answers.front();
        answers.pop_front();
    } else {
        idAnswer = box.buttons.empty() ? IDOK : box.buttons.front();
        for (int id : box.buttons)
            if (id == IDOK)
                idAnswer = IDOK;
    }
    box.idAnswer = idAnswer;
    boxes.push_back(box);
    PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(idAnswer, BN_CLICKED),
                 (LPARAM)GetDlgItem(hDlg, idAnswer));
}

LRESULT CALLBACK CMsgBoxObserver::CbtProc(int nCode, WPARAM wParam, LPARAM lParam) {
    CMsgBoxObserver* lpSelf = lpCurrent;
    if (nCode == HCBT_ACTIVATE && lpSelf != NULL) {
        HWND hWnd = (HWND)wParam;
        char szClass[16];
        GetClassNameA(hWnd, szClass, sizeof(szClass));
        if (lstrcmpA(szClass, "#32770") == 0 && GetDlgItem(hWnd, 0xFFFF) != NULL)
            lpSelf->OnActivate(hWnd);
    }
    return CallNextHookEx(lpSelf ? lpSelf->hHook : NULL, nCode, wParam, lParam);
}
