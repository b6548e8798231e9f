// WM_PAINT: the intro screen or the whole colouring screen, composed off-screen and shown at once.
#include "shell/paint.h"
#include "shell/app.h"
#include "shell/mainwnd.h"
#include "pages/page.h"
#include "ui/controlbar.h"

int DrawBitmapAt(HDC hdc, const char* lpszName, int x, int y) {
    HBITMAP hbm = LoadBitmapA(hInst, lpszName);
    if (hbm == NULL)
        return TRUE;
    BITMAP bm;
    GetObjectA(hbm, sizeof(bm), &bm);
    HDC hdcMem = CreateCompatibleDC(hdc);
    HGDIOBJ hbmOld = SelectObject(hdcMem, hbm);
    BitBlt(hdc, x, y, bm.bmWidth, bm.bmHeight, hdcMem, 0, 0, SRCCOPY);
    SelectObject(hdcMem, hbmOld);
    DeleteDC(hdcMem);
    DeleteObject(hbm);
    return TRUE;
}

void DrawButtonBitmap(const DRAWITEMSTRUCT* lpDrawItem, const char* lpszDownName,
                      const char* lpszUpName) {
    const char* lpszName = (lpDrawItem->itemState & ODS_SELECTED) ? lpszDownName : lpszUpName;
    DrawBitmapAt(lpDrawItem->hDC, lpszName, 0, 0);
}

// Copies an 8 x 8 tile over a run of places, stepping by dx, dy.
static void TileRun(HDC hdcDest, HDC hdcTile, int x, int y, int dx, int dy, int nTiles) {
    for (int i = 0; i < nTiles; i++)
        BitBlt(hdcDest, x + i * dx, y + i * dy, 8, 8, hdcTile, 0, 0, SRCCOPY);
}

void DrawIntroScreen(HDC hdc) {
    COffscreen offscreen(hdc, 800, 600);
    HDC hdcTile = CreateCompatibleDC(offscreen.Hdc());
    HGDIOBJ hbmOld = SelectObject(hdcTile, hbmDotPattern);
    if (hbmDotPattern != NULL) {
        for (int y = 0; y < 600; y += 8)
            TileRun(offscreen.Hdc(), hdcTile, 0, y, 8, 0, 100);
    }
    if (hbmDotShadow != NULL) {
        SelectObject(hdcTile, hbmDotShadow);
        TileRun(offscreen.Hdc(), hdcTile, 576, 128, 0, 8, 45); // right edge of the panel
        TileRun(offscreen.Hdc(), hdcTile, 224, 480, 8, 0, 44); // bottom edge
    }
    DrawBitmapAt(offscreen.Hdc(), "IntroBackGrd", 216, 120);
    DrawBitmapAt(offscreen.Hdc(), "IntroScr", 216 + 14, 120 + 14);
    offscreen.BlitTo(hdc, 0, 0);
    SelectObject(hdcTile, hbmOld);
    DeleteDC(hdcTile);
}

static void DrawColouringScreen(HWND hWnd, HDC hdcScreen) {
    DestroyIntroButtons();
    EnableWindow(hWndMain, FALSE);
    {
        COffscreen offscreen(hdcScreen, 800, 600);
        DrawBorder(offscreen.Hdc());
        DrawPage(offscreen.Hdc());
        DrawPageTitle(offscreen.Hdc());
        offscreen.BlitTo(hdcScreen, 0, 0);
        // A paint in the middle of a fill, a print or a dialog leaves the window disabled:
        // whatever runs enables it when it is done.
        if (!bWorking && !bBusy) {
            EnableWindow(hWndMain, TRUE);
            PurgeInput(hWndMain);
            SetFocus(hWnd);
        }
    }
}

LRESULT OnPaint(HWND hWnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    if (nScreenMode == MODE_COLORING)
        DrawColouringScreen(hWnd, hdc);
    if (nScreenMode == MODE_INTRO_FIRST) {
        nScreenMode = MODE_INTRO;
        PostMessageA(hWndMain, UM_CREATEINTROOK, 0, 0);
    }
    if (nScreenMode != MODE_COLORING)
        DrawIntroScreen(hdc);
    EndPaint(hWnd, &ps);

    if (nScreenMode == MODE_INTRO_CLOSING) {
        nScreenMode = MODE_COLORING;
        PostMessageA(hWndMain, UM_CREATECONTROLS, 0, 0);
        LoadFirstPage();
    }
    return 0;
}
