// What each print method puts where: the turned page images and their places on the
// printable area, in device pixels. Plain C++, shared by the printing code and its tests.
#pragma once
#include <cstdint>

enum {
    PRINT_FRAME = 4,     // the Default method's frame around the turned page, in image pixels
    HALF_FRAME = 3,      // the alternates' frame around each half, in bitmap pixels
    HALF_EXTRA_CX = 40,  // each half bitmap is H + 40 wide ...
    HALF_EXTRA_CY = 140, // ... and (W + 140) / 2 high
    TILE_SIDE = 20,      // the enlargement works in squares of 20 x 20 bitmap pixels
    TILE_COLUMNS = 25,   // which cover a 500 x 400 half bitmap
    TILE_ROWS = 20,
    TILE_SCALE_MIN = 3,
    TILE_SCALE_MAX = 20,
};

struct PrintRect {
    int x, y, cx, cy;
};

// Method 0: the framed image, (H + 8) x (W + 8) pixels, stretched to three quarters of the
// printable height and centred across; W x H is the page's size before it is turned.
PrintRect DefaultPlacement(int16_t xPage, int16_t yPage, int nWidth, int nHeight);

// Method 1: the framed halves, each (H + 6) x ((W + 6) / 2) bitmap pixels, one under the other.
struct HalvesPlacement {
    PrintRect rcUpper, rcLower;
};
HalvesPlacement HalvesPlace(int16_t xPage, int16_t yPage, int nWidth, int nHeight);

// Method 2: every bitmap pixel becomes s x s device pixels; (x, y) is where the framed page's
// top-left corner lands.
struct TilesPlacement {
    int s;
    int x, y;
};
TilesPlacement TilesPlace(int16_t xPage, int16_t yPage, int nWidth, int nHeight);

// Where tile (nRow, nColumn) of half nHalf (0 upper, 1 lower) lands on the printer: the
// 20 x 20 square at (20 x nColumn, 20 x nRow) of its half bitmap, enlarged s times.
PrintRect TilePlace(const TilesPlacement& tiles, int nWidth, int nHalf, int nRow, int nColumn);

// The size of each half bitmap of the alternates, and of the framed half drawn into it.
int HalfBitmapWidth(int nHeight);
int HalfBitmapHeight(int nWidth);
int FramedHalfWidth(int nHeight);
int FramedHalfHeight(int nWidth);

// Turns a W x H bottom-up page a quarter turn anticlockwise into an H x W bottom-up image,
// printing blank pixels white: the page's top edge becomes the image's left edge.
void TurnPage(const uint8_t* lpPage, int nWidth, int nHeight, uint8_t* lpTurned);

// Copies the turned image into an (H + 8) x (W + 8) image 4 pixels in from every side. The
// margin is not written: the buffer's zeros make the frame, in the outline colour.
void FrameTurnedPage(const uint8_t* lpTurned, int nWidth, int nHeight, uint8_t* lpFramed);
