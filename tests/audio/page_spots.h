// Places on a page to click for fills of a given size, found with the end-to-end driver's own
// reference fill.
#pragma once
#include <windows.h>
#include <stddef.h>
#include <stdint.h>
#include <vector>

// The largest blank area that a coarse grid over the page meets; x is -1 for a page without one.
POINT LargestBlankArea(const std::vector<uint8_t>& page, size_t* lpnPixels = NULL);
// A pixel well inside the first blank area from the top with nMin..nMax - 1 pixels.
POINT SmallBlankArea(const std::vector<uint8_t>& page, size_t nMin, size_t nMax);
// The first outline pixel from the top whose eight neighbours are outline too, so that a click
// a pixel off still lands on the outline.
POINT OutlinePixel(const std::vector<uint8_t>& page);
