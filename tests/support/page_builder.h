// Builds page files in memory for the tests: 1-bit and 8-bit forms, and a way to patch
// single header fields to make damaged ones.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "pages/page_file.h"
#include "pages/palette.h"

namespace pagebuild {

// File offsets of the header fields the tests touch.
enum {
    OFF_TYPE = 0,
    OFF_SIZE = 2,
    OFF_RESERVED1 = 6,
    OFF_RESERVED2 = 8,
    OFF_OFFBITS = 10,
    OFF_WIDTH = 18,
    OFF_HEIGHT = 22,
    OFF_BITCOUNT = 28,
    OFF_SIZEIMAGE = 34,
    OFF_CLRUSED = 46,
    OFF_COLOURS = 54,
};

// The colour index at column x of row y, rows counted from the top as on screen.
using Picture = std::function<uint8_t(int x, int y)>;

// A line drawing with no symmetry, so that a flipped or shifted page shows: a frame on the
// left and top edges, a diagonal, and a box near the top right corner.
inline uint8_t OutlinePicture(int x, int y) {
    bool bLine = x == 0 || y == 0 || x == y || (x >= 600 && x < 640 && (y == 20 || y == 60));
    return bLine ? PIXEL_OUTLINE : PIXEL_BLANK;
}

// A coloured page using every index somewhere.
inline uint8_t ColourPicture(int x, int y) {
    return static_cast<uint8_t>((x * 7 + y * 3) % 256);
}

// Where the picture's pixel (x, y) lives in a bottom-up page buffer.
inline size_t PixelIndex(int x, int y) {
    return static_cast<size_t>(x) + static_cast<size_t>(PAGE_WIDTH) * (PAGE_HEIGHT - 1 - y);
}

inline void Poke16(std::vector<uint8_t>& file, size_t nOff, uint16_t w) {
    file[nOff] = static_cast<uint8_t>(w);
    file[nOff + 1] = static_cast<uint8_t>(w >> 8);
}

inline void Poke32(std::vector<uint8_t>& file, size_t nOff, uint32_t dw) {
    for (int i = 0; i < 4; i++)
        file[nOff + i] = static_cast<uint8_t>(dw >> (8 * i));
}

inline uint32_t Peek32(const std::vector<uint8_t>& file, size_t nOff) {
    return static_cast<uint32_t>(file[nOff]) | static_cast<uint32_t>(file[nOff + 1]) << 8 |
           static_cast<uint32_t>(file[nOff + 2]) << 16 |
           static_cast<uint32_t>(file[nOff + 3]) << 24;
}

// The 1078 bytes in front of the pixels, with a colour table of distinctive values.
inline std::vector<uint8_t> Headers(uint16_t nBitCount, uint32_t cbImage, uint16_t wClear) {
    std::vector<uint8_t> file(PAGE_HEADERS_BYTES, 0);
    file[0] = 'T';
    file[1] = '3';
    Poke32(file, OFF_SIZE, PAGE_HEADERS_BYTES + cbImage);
    Poke16(file, OFF_RESERVED1, wClear);
    Poke16(file, OFF_RESERVED2, 0xBEEF);
    Poke32(file, OFF_OFFBITS, PAGE_HEADERS_BYTES);
    Poke32(file, 14, PAGE_INFO_HEADER_BYTES);
    Poke32(file, OFF_WIDTH, PAGE_WIDTH);
    Poke32(file, OFF_HEIGHT, PAGE_HEIGHT);
    Poke16(file, 26, 1);
    Poke16(file, OFF_BITCOUNT, nBitCount);
    Poke32(file, OFF_SIZEIMAGE, cbImage);
    Poke32(file, 38, 2835);
    Poke32(file, 42, 2835);
    Poke32(file, OFF_CLRUSED, nBitCount == 1 ? 2 : 0);
    for (int i = 0; i < PAGE_COLOURS; i++) {
        file[OFF_COLOURS + 4 * i] = static_cast<uint8_t>(i);            // blue
        file[OFF_COLOURS + 4 * i + 1] = static_cast<uint8_t>(255 - i);  // green
        file[OFF_COLOURS + 4 * i + 2] = static_cast<uint8_t>(i * 3);    // red
        file[OFF_COLOURS + 4 * i + 3] = static_cast<uint8_t>(i ^ 0x5A); // reserved
    }
    return file;
}

// A 1-bit page: a set bit for every pixel that the picture has non-zero. The bits that pad
// each row to 32 bits are set when bPaddingSet, so that a leak into the page shows.
inline std::vector<uint8_t> MonoPageFile(const Picture& picture, uint16_t wClear = 0,
                                         bool bPaddingSet = true) {
    std::vector<uint8_t> file = Headers(1, 0, wClear);
    for (int nRow = 0; nRow < PAGE_HEIGHT; nRow++) {
        int y = PAGE_HEIGHT - 1 - nRow;
        uint8_t abRow[PAGE_MONO_ROW_BYTES] = {};
        for (int x = 0; x < PAGE_MONO_ROW_BYTES * 8; x++) {
            bool bSet = x < PAGE_WIDTH ? picture(x, y) != 0 : bPaddingSet;
            if (bSet)
                abRow[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        }
        file.insert(file.end(), abRow, abRow + sizeof(abRow));
    }
    Poke32(file, OFF_SIZE, static_cast<uint32_t>(file.size()));
    return file;
}

// An 8-bit page with its own colour table (see Headers).
inline std::vector<uint8_t> ColourPageFile(const Picture& picture, uint16_t wClear = 0) {
    std::vector<uint8_t> file = Headers(8, PAGE_BYTES, wClear);
    file.resize(PAGE_HEADERS_BYTES + PAGE_BYTES);
    for (int y = 0; y < PAGE_HEIGHT; y++)
        for (int x = 0; x < PAGE_WIDTH; x++)
            file[PAGE_HEADERS_BYTES + PixelIndex(x, y)] = picture(x, y);
    return file;
}

// The page pixels a picture should load as.
inline std::vector<uint8_t> ExpectedPixels(const Picture& picture) {
    std::vector<uint8_t> pixels(PAGE_BYTES);
    for (int y = 0; y < PAGE_HEIGHT; y++)
        for (int x = 0; x < PAGE_WIDTH; x++)
            pixels[PixelIndex(x, y)] = picture(x, y);
    return pixels;
}

} // namespace pagebuild
