// Page clicks, Clear and the page commands, run on the window thread with the window disabled.
#include "pages/interaction.h"
#include "pages/fill.h"
#include "pages/page.h"
#include "shell/app.h"
#include "shell/mainwnd.h"

int StepPage(int nPage, int nStep) { return (nPage + nStep + PAGE_COUNT) % PAGE_COUNT; }

static void BeginLongOperation(HWND hWnd) {
    hCurCursor = hWaitCursor;
    SetCursor(hCurCursor);
    EnableWindow(hWnd, FALSE);
    BeginWork();
}

// Drops the input made meanwhile and lets the shell choose the cursor for where the mouse is now.
static void EndLongOperation(HWND hWnd) {
    EndWork(hWnd);
}

static void RefreshCursor(HWND hWnd) {
    POINT pt;
    GetCursorPos(&pt);
    PostMessageA(hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    SetFocus(hWnd);
}

LRESULT OnPageClick(HWND hWnd, WPARAM, LPARAM lParam) {
    int x = (short)LOWORD(lParam) - PAGE_LEFT;
    int y = (short)HIWORD(lParam) - PAGE_TOP;
    const PageInfoHeader& bih = bmiPage.bmiHeader;
    if (lpDib == NULL || x < 0 || y < 0 || x >= bih.biWidth || y >= bih.biHeight)
        return 0;
    BYTE nPixel = lpDib[x + bih.biWidth * (bih.biHeight - 1 - y)];
    if (nPixel == 0 || nPixel == nCurColour)
        return 0;

    BeginLongOperation(hWnd);
    ColourFill(x, y, nCurColour);
    EndLongOperation(hWnd);
    bmfhPage.bfReserved1 = 0;
    RefreshCursor(hWnd);
    return 0;
}

LRESULT OnClearPage(HWND hWnd) {
    if (bmfhPage.bfReserved1 != 0)
        return 0;
    BeginLongOperation(hWnd);
    ClearFill();
    EndLongOperation(hWnd);
    bmfhPage.bfReserved1 = 1;
    RefreshCursor(hWnd);
    return 0;
}

// Saves the page, then steps until a page loads. Every other page may fail to load; then the
// page just left is tried last, and if even that fails the page in memory stays as it is.
static LRESULT TurnPage(HWND hWnd, int nStep) {
    SavePage(PageFiles[nCurPage]);
    int nLeft = nCurPage;
    int bLoaded = FALSE;
    for (int nTries = 0; nTries < PAGE_COUNT && !bLoaded; nTries++) {
        nCurPage = StepPage(nCurPage, nStep);
        bLoaded = LoadPage(PageFiles[nCurPage]);
    }
    if (!bLoaded)
        nCurPage = nLeft;

    HDC hdc = GetDC(hWndMain);
    DrawPage(hdc);
    ReleaseDC(hWndMain, hdc);
    hdc = GetDC(hWnd);
    DrawPageTitle(hdc);
    ReleaseDC(hWnd, hdc);
    // Clicks made while the page was changing were aimed at the page that went.
    PurgeInput(hWnd);
    SetFocus(hWnd);
    return 0;
}

LRESULT OnNextPage(HWND hWnd) { return TurnPage(hWnd, +1); }
LRESULT OnPrevPage(HWND hWnd) { return TurnPage(hWnd, -1); }
