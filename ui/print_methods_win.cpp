// The three print methods: the turned page stretched whole, in two halves, or tile by tile.
#include "ui/print.h"

#include "pages/page.h"
#include "ui/print_layout.h"
#include "ui/print_seams.h"
#include "ui/printopt.h"

// The page as the print methods take it: loaded, and of the size the print buffers hold.
static BOOL HavePrintablePage() {
    return lpDib != NULL && lpDibClear != NULL && lpDibPrint != NULL &&
           bmiPage.bmiHeader.biWidth == PAGE_WIDTH && bmiPage.bmiHeader.biHeight == PAGE_HEIGHT;
}

BOOL PrintDefault(HDC hdcPrn, short xPage, short yPage) {
    if (!HavePrintablePage())
        return FALSE;
    const int W = bmiPage.bmiHeader.biWidth, H = bmiPage.bmiHeader.biHeight;
    PrintRect rc = DefaultPlacement(xPage, yPage, W, H);
    TurnPage(lpDib, W, H, lpDibClear);
    FrameTurnedPage(lpDibClear, W, H, lpDibPrint);
    PageInfo bmiFramed = bmiPage;
    bmiFramed.bmiHeader.biWidth = H + 2 * PRINT_FRAME;
    bmiFramed.bmiHeader.biHeight = W + 2 * PRINT_FRAME;
    bmiFramed.bmiHeader.biSizeImage = 0;
    StretchDIBits(hdcPrn, rc.x, rc.y, rc.cx, rc.cy, 0, 0, H + 2 * PRINT_FRAME, W + 2 * PRINT_FRAME,
                  lpDibPrint, PageBitmapInfo(&bmiFramed), DIB_RGB_COLORS, SRCCOPY);
    return TRUE;
}

// A memory DC with a bitmap of its own, both compatible with the screen.
struct MemoryBitmap {
    HDC hdc;
    HBITMAP hbm;
    HGDIOBJ hbmOld;
};

static void CreateMemoryBitmap(MemoryBitmap* lpMem, HDC hdcScreen, int cx, int cy) {
    lpMem->hdc = CreateCompatibleDC(hdcScreen);
    lpMem->hbm = CreateCompatibleBitmap(hdcScreen, cx, cy);
    lpMem->hbmOld = SelectObject(lpMem->hdc, lpMem->hbm);
}

static void DeleteMemoryBitmap(MemoryBitmap* lpMem) {
    SelectObject(lpMem->hdc, lpMem->hbmOld);
    DeleteDC(lpMem->hdc);
    DeleteObject(lpMem->hbm);
}

// One half of the turned page, in a black frame 3 pixels wide on white: the upper half framed
// left, top and right, the lower half left, right and bottom.
static void DrawHalf(HDC hdc, int nHalf, int W, int H, const PageInfo& bmiTurned) {
    PatBlt(hdc, 0, 0, HalfBitmapWidth(H), HalfBitmapHeight(W), WHITENESS);
    POINT pts[4] = {{0, 0},
                    {FramedHalfWidth(H) - 1, 0},
                    {FramedHalfWidth(H) - 1, FramedHalfHeight(W) - 1},
                    {0, FramedHalfHeight(W) - 1}};
    Polygon(hdc, pts, 4);
    if (nHalf == 0)
        SetDIBitsToDevice(hdc, HALF_FRAME, HALF_FRAME, H, W / 2, 0, W / 2, 0, W, lpDibClear,
                          PageBitmapInfo(&bmiTurned), DIB_RGB_COLORS);
    else
        SetDIBitsToDevice(hdc, HALF_FRAME, 0, H, W / 2, 0, 0, 0, W / 2, lpDibClear,
                          PageBitmapInfo(&bmiTurned), DIB_RGB_COLORS);
}

// Each 20 x 20 square of a half is enlarged in memory, then copied to the printer as it is.
static void PrintTiles(HDC hdcPrn, const TilesPlacement& tiles, int W, int nHalf, HDC hdcHalf,
                       HDC hdcTile) {
    int nSide = TILE_SIDE * tiles.s;
    for (int r = 0; r < TILE_ROWS; r++) {
        for (int k = 0; k < TILE_COLUMNS; k++) {
            TW_PLATFORM(StretchBlt)
            (hdcTile, 0, 0, nSide, nSide, hdcHalf, TILE_SIDE * k, TILE_SIDE * r, TILE_SIDE,
             TILE_SIDE, SRCCOPY);
            PrintRect rc = TilePlace(tiles, W, nHalf, r, k);
            TW_PLATFORM(BitBlt)(hdcPrn, rc.x, rc.y, rc.cx, rc.cy, hdcTile, 0, 0, SRCCOPY);
        }
    }
}

BOOL PrintAlternate(HDC hdcPrn, short xPage, short yPage) {
    if (!HavePrintablePage())
        return FALSE;
    const int W = bmiPage.bmiHeader.biWidth, H = bmiPage.bmiHeader.biHeight;
    TurnPage(lpDib, W, H, lpDibClear);

    HDC hdcScreen = GetDC(NULL);
    MemoryBitmap half[2], tile[2];
    for (int i = 0; i < 2; i++) {
        CreateMemoryBitmap(&half[i], hdcScreen, HalfBitmapWidth(H), HalfBitmapHeight(W));
        CreateMemoryBitmap(&tile[i], hdcScreen, HalfBitmapWidth(H), HalfBitmapHeight(W));
    }
    // The turned image is H wide and W high.
    PageInfo bmiTurned = bmiPage;
    bmiTurned.bmiHeader.biWidth = H;
    bmiTurned.bmiHeader.biHeight = W;
    HGDIOBJ hPenOld[2], hBrushOld[2];
    for (int i = 0; i < 2; i++) {
        hPenOld[i] = SelectObject(half[i].hdc, GetStockObject(BLACK_PEN));
        hBrushOld[i] = SelectObject(half[i].hdc, GetStockObject(BLACK_BRUSH));
        DrawHalf(half[i].hdc, i, W, H, bmiTurned);
    }

    if (nPrintMode == 2) {
        TilesPlacement tiles = TilesPlace(xPage, yPage, W, H);
        for (int i = 0; i < 2; i++)
            PrintTiles(hdcPrn, tiles, W, i, half[i].hdc, tile[i].hdc);
    } else {
        HalvesPlacement halves = HalvesPlace(xPage, yPage, W, H);
        const PrintRect* lprc[2] = {&halves.rcUpper, &halves.rcLower};
        for (int i = 0; i < 2; i++)
            TW_PLATFORM(StretchBlt)
            (hdcPrn, lprc[i]->x, lprc[i]->y, lprc[i]->cx, lprc[i]->cy, half[i].hdc, 0, 0,
             FramedHalfWidth(H), FramedHalfHeight(W), SRCCOPY);
    }

    for (int i = 0; i < 2; i++) {
        SelectObject(half[i].hdc, hPenOld[i]);
        SelectObject(half[i].hdc, hBrushOld[i]);
    }
    ReleaseDC(NULL, hdcScreen);
    for (int i = 0; i < 2; i++) {
        DeleteMemoryBitmap(&half[i]);
        DeleteMemoryBitmap(&tile[i]);
    }
    return TRUE;
}
