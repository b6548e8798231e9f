// The program palette: what every pixel value of a page means.
#pragma once
#include "pages/page_file.h"

enum {
    PIXEL_OUTLINE = 0,      // never filled, never crossed
    PIXEL_FIRST_COLOUR = 1, // 1..224: 28 x palette page + position
    PIXEL_LAST_COLOUR = 224,
    PIXEL_BLANK = 225, // not yet coloured
    PIXEL_WHITE = 56,  // pure white: stands for blank in print images
    PALETTE_TABLE_COLOURS = 226,
};

// Outline, the 224 selectable colours and blank, red-green-blue.
extern const PageRgb PaletteColours[PALETTE_TABLE_COLOURS];

// Fills all 256 program colours: the table, then black up to 254 and white at 255.
void BuildPaletteColours(PageRgb* lpPalette);

// Copies red, green and blue of the 256 colours into a page's colour table; the fourth
// byte of each entry keeps its value.
void ApplyPaletteColours(const PageRgb* lpPalette, PageInfo* lpInfo);
