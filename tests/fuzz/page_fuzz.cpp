// Fuzzes the page loader with any bytes as a page file, once into an empty page and once over
// a page already in memory. A refused file changes nothing; a page it takes must be one that
// drawing and saving handle, and a page in the program's own form must load back the same. The
// sanitizers catch any access outside the buffers.
#include "pages/page_file.h"
#include "pages/palette.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void Check(bool bOk) {
    if (!bOk)
        abort();
}

struct Page {
    PageFileHeader bmfh;
    PageInfo bmi;
    std::vector<uint8_t> pixels;
};

int Load(const uint8_t* lpData, size_t cbData, Page* lpPage, const PageRgb* lpPalette) {
    MemoryPageFile mem = {lpData, cbData, 0};
    return ReadPage(MemoryPageReader(&mem), &lpPage->bmfh, &lpPage->bmi, lpPage->pixels.data(),
                    lpPage->pixels.size(), lpPalette);
}

void Save(const Page& page, std::vector<uint8_t>* lpFile) {
    uint32_t cbImage = 0;
    Check(GetPageImageBytes(page.bmi, page.pixels.size(), &cbImage));
    lpFile->resize(PAGE_HEADERS_BYTES + cbImage);
    EncodePageHeaders(page.bmfh, page.bmi, lpFile->data());
    memcpy(lpFile->data() + PAGE_HEADERS_BYTES, page.pixels.data(), cbImage);
}

// Kept from run to run: pages of 300 kB each are too slow to allocate every time.
Page before, again;
std::vector<uint8_t> saved, savedAgain;

void Run(const uint8_t* lpData, size_t cbData, Page* lpPage, const PageRgb* lpPalette) {
    before = *lpPage;
    if (!Load(lpData, cbData, lpPage, lpPalette)) {
        Check(memcmp(&before.bmfh, &lpPage->bmfh, sizeof(before.bmfh)) == 0);
        Check(memcmp(&before.bmi, &lpPage->bmi, sizeof(before.bmi)) == 0);
        Check(before.pixels == lpPage->pixels);
        return;
    }
    Check(IsSafeToDraw(lpPage->bmi, lpPage->pixels.size()));
    Save(*lpPage, &saved);
    again.bmfh = {};
    again.bmi = {};
    again.pixels.assign(PAGE_BYTES, 0);
    Check(Load(saved.data(), saved.size(), &again, lpPalette) == 1);
    // The save writes the pixels right behind the colour table and the headers as they are,
    // so only a page that says so reads back the same.
    if (lpPage->bmfh.bfOffBits == PAGE_HEADERS_BYTES &&
        lpPage->bmi.bmiHeader.biSizeImage == PAGE_BYTES) {
        Check(again.pixels == lpPage->pixels);
        Save(again, &savedAgain);
        Check(savedAgain == saved);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* lpData, size_t cbData) {
    static PageRgb palette[PAGE_COLOURS];
    static Page loaded = {}, empty, over;
    static bool bReady = false;
    if (!bReady) {
        BuildPaletteColours(palette);
        // A page in memory that a short file partly shows through: 8-bit, its own colours.
        loaded.bmfh.bfType = PAGE_MAGIC;
        loaded.bmfh.bfOffBits = PAGE_HEADERS_BYTES;
        loaded.bmi.bmiHeader.biSize = PAGE_INFO_HEADER_BYTES;
        loaded.bmi.bmiHeader.biWidth = PAGE_WIDTH;
        loaded.bmi.bmiHeader.biHeight = PAGE_HEIGHT;
        loaded.bmi.bmiHeader.biPlanes = 1;
        loaded.bmi.bmiHeader.biBitCount = 8;
        loaded.bmi.bmiHeader.biSizeImage = PAGE_BYTES;
        memset(loaded.bmi.bmiColors, 0x77, sizeof(loaded.bmi.bmiColors));
        loaded.pixels.assign(PAGE_BYTES, 0x33);
        bReady = true;
    }
    empty.bmfh = {};
    empty.bmi = {};
    empty.pixels.assign(PAGE_BYTES, 0);
    Run(lpData, cbData, &empty, palette);
    over = loaded;
    Run(lpData, cbData, &over, palette);
    return 0;
}
