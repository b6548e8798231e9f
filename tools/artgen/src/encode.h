// File encoders: Windows bitmaps, icons, cursors and the 1-bit page files.
#pragma once
#include "canvas.h"
#include <cstdint>
#include <vector>

using Bytes = std::vector<uint8_t>;

// A picture reduced to at most 256 colours; colours used by many pixels are kept exactly.
struct Indexed {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<Rgb> palette;    // up to 256 entries
    std::vector<uint8_t> pixels; // top-down
};

Indexed Quantize(const Picture& pic);

Bytes EncodeBmp24(const Picture& pic);
Bytes EncodeBmp8(const Picture& pic);
// A page: true = blank (set bit), false = outline; top-down, nWidth x nHeight.
Bytes EncodePage(const std::vector<uint8_t>& blank, int nWidth, int nHeight);
// Icon file with one 32-bit image per picture (square pictures, alpha from the mask).
struct IconImage {
    Picture pic;
    std::vector<uint8_t> alpha; // 0..255 per pixel
};
Bytes EncodeIcon(const std::vector<IconImage>& images);
Bytes EncodeCursor(const IconImage& image, int xHot, int yHot);
