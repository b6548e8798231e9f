// Fuzzes the page loader with any bytes, over an empty page and over a page already in memory:
// a refused file changes nothing, and a page it takes can be drawn, saved and loaded back the
// same. The sanitizers catch any access outside the buffers.
#include "pages/page_file.h"
#include "pages/palette.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct Page {
    PageFileHeader bmfh;
    PageInfo bmi;
    std::vector<uint8_t> pixels;
    int Load(const uint8_t* lpData, size_t cbData, const PageRgb* lpPalette) {
        MemoryPageFile mem = {lpData, cbData, 0};
        return ReadPage(MemoryPageReader(&mem), &bmfh, &bmi, pixels.data(), pixels.size(),
                        lpPalette);
    }
    std::vector<uint8_t> Save() const {
        uint32_t cbImage = 0;
        if (!GetPageImageBytes(bmi, pixels.size(), &cbImage))
            abort();
        std::vector<uint8_t> file(PAGE_HEADERS_BYTES);
        EncodePageHeaders(bmfh, bmi, file.data());
        file.insert(file.end(), pixels.begin(), pixels.begin() + cbImage);
        return file;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* lpData, size_t cbData) {
    static PageRgb palette[PAGE_COLOURS];
    static Page empty, loaded, page, again;
    if (loaded.pixels.empty()) { // an 8-bit page of its own colours, kept from run to run
        BuildPaletteColours(palette);
        empty.pixels.assign(PAGE_BYTES, 0);
        loaded = {{PAGE_MAGIC, 0, 0, 0, PAGE_HEADERS_BYTES},
                  {{PAGE_INFO_HEADER_BYTES, PAGE_WIDTH, PAGE_HEIGHT, 1, 8, 0, PAGE_BYTES}, {}},
                  std::vector<uint8_t>(PAGE_BYTES, 0x33)};
        memset(loaded.bmi.bmiColors, 0x77, sizeof(loaded.bmi.bmiColors));
    }
    for (Page* lpStart : {&empty, &loaded}) {
        page = *lpStart;
        if (!page.Load(lpData, cbData, palette)) {
            if (memcmp(&page.bmfh, &lpStart->bmfh, sizeof(page.bmfh)) ||
                memcmp(&page.bmi, &lpStart->bmi, sizeof(page.bmi)) ||
                page.pixels != lpStart->pixels)
                abort();
            continue;
        }
        if (!IsSafeToDraw(page.bmi, page.pixels.size()))
            abort();
        const std::vector<uint8_t> saved = page.Save();
        again = empty;
        if (!again.Load(saved.data(), saved.size(), palette))
            abort();
        // The save puts the pixels right behind the headers: only such a page reads back the same.
        if (page.bmfh.bfOffBits == PAGE_HEADERS_BYTES &&
            page.bmi.bmiHeader.biSizeImage == PAGE_BYTES &&
            (again.pixels != page.pixels || again.Save() != saved))
            abort();
    }
    return 0;
}
