// The busy flag, the cursor shapes and the input thrown away after work.
#include "shell/base/busy.h"

#include "shell/base/app_state.h"

int bBusy = 0;
HCURSOR hArrowCursor = NULL, hEditCursor = NULL, hWaitCursor = NULL, hCurCursor = NULL;
POINT ptMouse = {0, 0};

static int nWorkDepth = 0;   // open busy brackets
static int bCloseAsked = 0;  // a close request came while they were open
static DWORD dwPurgedAt = 0; // message time of the last purge

// The keyboard messages up to WM_KEYLAST as it was before WM_UNICHAR, and the mouse messages up
// to the middle button's double click.
static const UINT uKeyLast = 0x108;
static const UINT uMouseLast = WM_MBUTTONDBLCLK;

void SetBusy(int bNewBusy) {
    bBusy = bNewBusy;
}

void LoadCursors(HINSTANCE hInstance) {
    hArrowCursor = LoadCursorA(NULL, IDC_ARROW);
    hEditCursor = LoadCursorA(hInstance, "EditCursor");
    hWaitCursor = LoadCursorA(NULL, IDC_WAIT);
    hCurCursor = hArrowCursor;
}

void DestroyEditCursor() {
    DestroyCursor(hEditCursor);
    hEditCursor = NULL;
}

void ShowCursorShape(HCURSOR hCursor) {
    hCurCursor = hCursor;
    SetCursor(hCurCursor);
}

LRESULT UpdateCursor(LPARAM lParam) {
    if (nScreenMode != MODE_COLORING)
        return 0;
    ptMouse.x = LOWORD(lParam);
    ptMouse.y = HIWORD(lParam);
    if (ptMouse.x >= 730 || ptMouse.x < 70 || ptMouse.y >= 530 || ptMouse.y < 70)
        ShowCursorShape(hArrowCursor);
    else
        ShowCursorShape(hEditCursor);
    return 0;
}

void PurgeInput(HWND hWnd) {
    MSG msg;
    while (PeekMessageA(&msg, hWnd, WM_KEYFIRST, uKeyLast, PM_REMOVE))
        ;
    while (PeekMessageA(&msg, hWnd, WM_MOUSEFIRST, uMouseLast, PM_REMOVE))
        ;
    dwPurgedAt = GetTickCount();
}

// Whatever the system does with input to a disabled window (the buttons on it, the keys that
// follow the focus, events the display delivers late), none of it reaches the program while it
// works, nor afterwards.
int IsStaleInput(const MSG& msg) {
    int bInput = (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) ||
                 (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST);
    return bInput && (nWorkDepth > 0 || static_cast<LONG>(msg.time - dwPurgedAt) < 0);
}

void BeginBusyWork(HWND hWnd, int bWaitCursor) {
    if (bWaitCursor)
        ShowCursorShape(hWaitCursor);
    EnableWindow(hWnd, FALSE);
    nWorkDepth++;
}

int EndBusyWork(HWND hWnd) {
    // A paint in the middle of a fill ends only its own bracket: the window stays disabled
    // until the fill is done.
    if (nWorkDepth > 1) {
        nWorkDepth--;
        return FALSE;
    }
    nWorkDepth = 0;
    EnableWindow(hWnd, TRUE);
    PurgeInput(hWnd);
    if (bCloseAsked) {
        bCloseAsked = 0;
        PostMessageA(hWnd, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

int DeferCloseWhileWorking() {
    if (nWorkDepth == 0)
        return FALSE;
    bCloseAsked = 1;
    return TRUE;
}

void RefreshCursor(HWND hWnd) {
    GetCursorPos(&ptMouse);
    PostMessageA(hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(ptMouse.x, ptMouse.y));
}
