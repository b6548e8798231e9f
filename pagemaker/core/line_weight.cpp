// Line weight: a hairline (what a fine pen becomes after shrinking a large picture) is
// thickened to a line a child sees; lines already that thick, and solid parts, stay.
#include "pagemaker/core/page_steps.h"

namespace {

// Ink that no all-ink square of this side covers is too thin, and grows by one pixel on
// each side: a 1-pixel line becomes 3; a 2-pixel line already shows.
const int THICK_SIDE = 2;

// Whether the THICK_SIDE square with its top left corner at (x, y) is all ink.
int SquareIsInk(const GreyImage& ink, int x, int y) {
    for (int dy = 0; dy < THICK_SIDE; dy++)
        for (int dx = 0; dx < THICK_SIDE; dx++)
            if (!ink.Inside(x + dx, y + dy) || !ink.At(x + dx, y + dy))
                return 0;
    return 1;
}

} // namespace

void NormaliseLineWeight(GreyImage* lpInk) {
    GreyImage& ink = *lpInk;
    const int w = ink.nWidth, h = ink.nHeight;
    GreyImage covered(w, h, 0);
    for (int y = 0; y + THICK_SIDE <= h; y++)
        for (int x = 0; x + THICK_SIDE <= w; x++)
            if (ink.At(x, y) && SquareIsInk(ink, x, y))
                for (int dy = 0; dy < THICK_SIDE; dy++)
                    for (int dx = 0; dx < THICK_SIDE; dx++)
                        covered.At(x + dx, y + dy) = 1;
    GreyImage grown = ink;
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            if (!ink.At(x, y) || covered.At(x, y))
                continue;
            if (x > 0)
                grown.At(x - 1, y) = 1;
            if (x + 1 < w)
                grown.At(x + 1, y) = 1;
            if (y > 0)
                grown.At(x, y - 1) = 1;
            if (y + 1 < h)
                grown.At(x, y + 1) = 1;
        }
    ink.lpPixels.swap(grown.lpPixels);
}
