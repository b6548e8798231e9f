// The busy flag, the cursor shapes and the input thrown away after work.
#include "shell/base/busy.h"

#include "shell/base/app_state.h"

int bBusy = 0;
HCURSOR hArrowCursor = NULL, hEditCursor = NULL, hWaitCursor = NULL, hCurCursor = NULL;
POINT ptMouse = {0, 0};

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
}

void BeginBusyWork(HWND hWnd, int bWaitCursor) {
    if (bWaitCursor)
        ShowCursorShape(hWaitCursor);
    EnableWindow(hWnd, FALSE);
}

void EndBusyWork(HWND hWnd) {
    EnableWindow(hWnd, TRUE);
    PurgeInput(hWnd);
}

void RefreshCursor(HWND hWnd) {
    GetCursorPos(&ptMouse);
    PostMessageA(hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(ptMouse.x, ptMouse.y));
}
