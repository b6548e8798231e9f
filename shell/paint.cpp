// WM_PAINT: the intro screen or the whole colouring screen, composed off-screen and shown at once.
#include "shell/paint.h"

#include "shell/app.h"
#include "shell/base/bitmaps.h"
#include "pages/page.h"

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

void DrawColouringScreen(HDC hdcScreen) {
    COffscreen offscreen(hdcScreen, 800, 600);
    DrawBorder(offscreen.Hdc());
    DrawPage(offscreen.Hdc());
    DrawPageTitle(offscreen.Hdc());
    offscreen.BlitTo(hdcScreen, 0, 0);
}

void OnPaint(HWND hWnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    if (nScreenMode == MODE_COLORING)
        DrawColouringScreen(hdc);
    else
        DrawIntroScreen(hdc);
    EndPaint(hWnd, &ps);
}
