// The print geometry of the three methods and the turned images they print.
#include "ui/print_layout.h"

#include <cstring>

#include "pages/pixels.h"

namespace {

// Three quarters of the printable height, the quarter rounded down first.
int PrintHeight(int16_t yPage) {
    return (yPage >> 2) * 3;
}

} // namespace

PrintRect DefaultPlacement(int16_t xPage, int16_t yPage, int nWidth, int nHeight) {
    int D = PrintHeight(yPage);
    int wD = (nHeight + 2 * PRINT_FRAME) * D / (nWidth + 2 * PRINT_FRAME);
    return {(xPage - wD) / 2, (yPage - D) >> 1, wD, D};
}

HalvesPlacement HalvesPlace(int16_t xPage, int16_t yPage, int nWidth, int nHeight) {
    int D = PrintHeight(yPage);
    int Y = (yPage - D) >> 1;
    int wD = (nHeight + 2 * HALF_FRAME) * D / (nWidth + 2 * HALF_FRAME);
    int xL = (xPage - wD) / 2;
    return {{xL, Y, wD, D / 2}, {xL, Y + D / 2, wD, D / 2}};
}

TilesPlacement TilesPlace(int16_t xPage, int16_t yPage, int nWidth, int nHeight) {
    int32_t s = (9 * yPage / 10) / (nWidth + 2 * HALF_FRAME);
    if (s < TILE_SCALE_MIN)
        s = TILE_SCALE_MIN;
    if (s > TILE_SCALE_MAX)
        s = TILE_SCALE_MAX;
    int32_t x = (xPage - s * (nHeight + 2 * HALF_FRAME)) >> 1;
    int32_t y = (yPage - s * (nWidth + 2 * HALF_FRAME)) >> 1;
    return {s, x, y};
}

PrintRect TilePlace(const TilesPlacement& tiles, int nWidth, int nHalf, int nRow, int nColumn) {
    int nSide = TILE_SIDE * tiles.s;
    int yHalf = nHalf == 0 ? 0 : FramedHalfHeight(nWidth) * tiles.s;
    return {tiles.x + nColumn * nSide, tiles.y + yHalf + nRow * nSide, nSide, nSide};
}

int HalfBitmapWidth(int nHeight) {
    return nHeight + HALF_EXTRA_CX;
}
int HalfBitmapHeight(int nWidth) {
    return (nWidth + HALF_EXTRA_CY) / 2;
}
int FramedHalfWidth(int nHeight) {
    return nHeight + 2 * HALF_FRAME;
}
int FramedHalfHeight(int nWidth) {
    return (nWidth + 2 * HALF_FRAME) / 2;
}

void TurnPage(const uint8_t* lpPage, int nWidth, int nHeight, uint8_t* lpTurned) {
    for (int y = 0; y < nHeight; y++) {
        const uint8_t* lpRow = lpPage + static_cast<size_t>(y) * nWidth;
        for (int x = 0; x < nWidth; x++) {
            uint8_t v = lpRow[x];
            lpTurned[static_cast<size_t>(x) * nHeight + (nHeight - 1 - y)] =
                v == PIXEL_BLANK ? static_cast<uint8_t>(PIXEL_WHITE) : v;
        }
    }
}

void FrameTurnedPage(const uint8_t* lpTurned, int nWidth, int nHeight, uint8_t* lpFramed) {
    size_t cbFramedRow = static_cast<size_t>(nHeight) + 2 * PRINT_FRAME;
    for (int i = 0; i < nWidth; i++)
        memcpy(lpFramed + (i + PRINT_FRAME) * cbFramedRow + PRINT_FRAME,
               lpTurned + static_cast<size_t>(i) * nHeight, nHeight);
}
