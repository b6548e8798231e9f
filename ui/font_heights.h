// Font heights for the program's font sets: points to pixels at 96 pixels per inch.
#pragma once
#include <cstdint>

enum { FONT_MAX_POINTS = 72, FONT_SLOTS = 7 };

// Entry n is the character height of an n-point font, negative as the font call takes it:
// -floor(n x 4 / 3 + 1/2).
extern const int32_t FontHeights[FONT_MAX_POINTS + 1];

// The point size of each slot of a font set: 8, 10, 11, 12, 18, 24, 36.
extern const int FontPointSizes[FONT_SLOTS];
