// What a page's pixel values mean: one byte per pixel, an index into the program palette.
#pragma once

enum {
    PIXEL_OUTLINE = 0,      // never filled, never crossed
    PIXEL_FIRST_COLOUR = 1, // 1..224: 28 x palette page + position
    PIXEL_LAST_COLOUR = 224,
    PIXEL_BLANK = 225, // not yet coloured
    PIXEL_WHITE = 56,  // pure white: stands for blank in print images
};
