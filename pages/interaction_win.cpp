// Page clicks, Clear and the page commands, run on the window thread with the window disabled.
#include "pages/interaction.h"

#include "pages/fill.h"
#include "pages/page.h"
#include "shell/base/app_state.h"
#include "shell/base/busy.h"

int StepPage(int nPage, int nStep) {
    int nPages = GetPageCount();
    return (nPage + nStep % nPages + nPages) % nPages;
}

LRESULT OnPageClick(HWND hWnd, LPARAM lParam, int nColour) {
    int x = (short)LOWORD(lParam) - PAGE_LEFT;
    int y = (short)HIWORD(lParam) - PAGE_TOP;
    const PageInfoHeader& bih = bmiPage.bmiHeader;
    if (lpDib == NULL || x < 0 || y < 0 || x >= bih.biWidth || y >= bih.biHeight)
        return 0;
    BYTE nPixel = lpDib[x + bih.biWidth * (bih.biHeight - 1 - y)];
    if (nPixel == PIXEL_OUTLINE || nPixel == nColour)
        return 0;

    BeginBusyWork(hWnd, TRUE);
    ColourFill(x, y, nColour);
    EndBusyWork(hWnd);
    bmfhPage.bfReserved1 = 0;
    RefreshCursor(hWnd);
    SetFocus(hWnd);
    return 0;
}

LRESULT OnClearPage(HWND hWnd) {
    if (bmfhPage.bfReserved1 != 0)
        return 0;
    BeginBusyWork(hWnd, TRUE);
    ClearFill();
    EndBusyWork(hWnd);
    bmfhPage.bfReserved1 = 1;
    RefreshCursor(hWnd);
    SetFocus(hWnd);
    return 0;
}

// Saves the page, then steps until a page loads. Every other page may fail to load; then the
// page just left is tried last, and if even that fails the page in memory stays as it is.
static LRESULT TurnPage(HWND hWnd, int nStep) {
    SaveCurrentPage();
    int nLeft = nCurPage;
    int bLoaded = FALSE;
    for (int nTries = 0; nTries < GetPageCount() && !bLoaded; nTries++) {
        nCurPage = StepPage(nCurPage, nStep);
        bLoaded = LoadBookPage(nCurPage);
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

LRESULT OnNextPage(HWND hWnd) {
    return TurnPage(hWnd, +1);
}
LRESULT OnPrevPage(HWND hWnd) {
    return TurnPage(hWnd, -1);
}
