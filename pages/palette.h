// The program palette: what every pixel value of a page means.
#pragma once
#include "pages/page_file.h"
#include "pages/pixels.h"

enum { PALETTE_TABLE_COLOURS = 226 };

// Outline, the 224 selectable colours and blank, red-green-blue.
extern const PageRgb PaletteColours[PALETTE_TABLE_COLOURS];

// Fills all 256 program colours: the table, then black up to 254 and white at 255.
void BuildPaletteColours(PageRgb* lpPalette);
