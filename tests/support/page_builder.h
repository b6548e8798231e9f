// Page files built in memory: the 1-bit and 8-bit forms, and a way to patch header fields.
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

// A line drawing with no symmetry, so that a flipped or shifted page shows.
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

inline void Poke32(std::vector<uint8_t>& file, size_t nOff, uint32_t dw, int cb = 4) {
    for (int i = 0; i < cb; i++)
        file[nOff + i] = static_cast<uint8_t>(dw >> (8 * i));
}

// The headers of a page with nBits bits a pixel, its clear flag, and a colour table whose
// entry i holds blue i, green 255 - i, red 3i and i ^ 0x5A in its fourth byte.
inline std::vector<uint8_t> Headers(int nBits, uint16_t wClear) {
    std::vector<uint8_t> file(PAGE_HEADERS_BYTES, 0);
    const uint32_t cbImage = nBits == 8 ? PAGE_BYTES : PAGE_MONO_ROW_BYTES * PAGE_HEIGHT;
    const uint32_t fields[][3] = {{0, 0x3354, 2},
                                  {2, PAGE_HEADERS_BYTES + cbImage, 4},
                                  {6, wClear, 2},
                                  {8, 0xBEEF, 2},
                                  {10, PAGE_HEADERS_BYTES, 4},
                                  {14, PAGE_INFO_HEADER_BYTES, 4},
                                  {18, PAGE_WIDTH, 4},
                                  {22, PAGE_HEIGHT, 4},
                                  {26, 1, 2},
                                  {28, uint32_t(nBits), 2},
                                  {34, nBits == 8 ? cbImage : 0, 4},
                                  {46, nBits == 8 ? 0u : 2u, 4}};
    for (const auto& f : fields)
        Poke32(file, f[0], f[1], f[2]);
    for (int i = 0; i < PAGE_COLOURS; i++)
        Poke32(file, OFF_COLOURS + 4 * i,
               i | (255 - i) << 8 | (i * 3 & 255) << 16 | (i ^ 0x5A) << 24);
    return file;
}

// A 1-bit page: a set bit for every pixel the picture has non-zero, and for the row padding.
inline std::vector<uint8_t> MonoPageFile(const Picture& picture, uint16_t wClear = 0) {
    std::vector<uint8_t> file = Headers(1, wClear);
    file.resize(PAGE_HEADERS_BYTES + PAGE_MONO_ROW_BYTES * PAGE_HEIGHT);
    for (int y = 0; y < PAGE_HEIGHT; y++)
        for (int x = 0; x < PAGE_MONO_ROW_BYTES * 8; x++)
            if (x >= PAGE_WIDTH || picture(x, y) != 0)
                file[PAGE_HEADERS_BYTES + PAGE_MONO_ROW_BYTES * (PAGE_HEIGHT - 1 - y) + x / 8] |=
                    0x80 >> x % 8;
    return file;
}

// An 8-bit page with its own colour table (see Headers).
inline std::vector<uint8_t> ColourPageFile(const Picture& picture, uint16_t wClear = 0) {
    std::vector<uint8_t> file = Headers(8, wClear);
    file.resize(PAGE_HEADERS_BYTES + PAGE_BYTES);
    for (int y = 0; y < PAGE_HEIGHT; y++)
        for (int x = 0; x < PAGE_WIDTH; x++)
            file[PAGE_HEADERS_BYTES + PixelIndex(x, y)] = picture(x, y);
    return file;
}

// The page pixels a picture should load as.
inline std::vector<uint8_t> ExpectedPixels(const Picture& picture) {
    std::vector<uint8_t> file = ColourPageFile(picture);
    return std::vector<uint8_t>(file.begin() + PAGE_HEADERS_BYTES, file.end());
}

} // namespace pagebuild
