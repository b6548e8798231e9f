// Drawing the page and its title: where they land and in which colours.
#include "pages/page.h"
#include "shell/app.h"
#include "support/page_builder.h"
#include <gtest/gtest.h>

using namespace pagebuild;

namespace {

const COLORREF MARK = RGB(1, 2, 3);

// An 800 x 600 32-bit surface standing in for the window, filled with MARK.
class DrawTarget : public testing::Test {
  protected:
    HDC hdc = NULL;
    HBITMAP hbm = NULL;
    HGDIOBJ hbmOld = NULL;
    DWORD* lpBits = NULL;

    void SetUp() override {
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
        bmi.bmiHeader.biWidth = 800;
        bmi.bmiHeader.biHeight = -600;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        void* lpv = NULL;
        hdc = CreateCompatibleDC(NULL);
        hbm = CreateDIBSection(hdc, &bmi, DIB_RGB_COLORS, &lpv, NULL, 0);
        ASSERT_NE(hbm, (HBITMAP)NULL);
        lpBits = static_cast<DWORD*>(lpv);
        hbmOld = SelectObject(hdc, hbm);
        for (int i = 0; i < 800 * 600; i++)
            lpBits[i] = 0x010203;
        ASSERT_TRUE(AllocPageBuffers());
        bmfhPage = {};
        bmiPage = {};
        BuildPalette();
    }
    void TearDown() override {
        FreePageBuffers();
        SelectObject(hdc, hbmOld);
        DeleteObject(hbm);
        DeleteDC(hdc);
    }
    COLORREF At(int x, int y) {
        GdiFlush();
        DWORD dw = lpBits[y * 800 + x];
        return RGB(dw >> 16 & 0xFF, dw >> 8 & 0xFF, dw & 0xFF);
    }
    void Load(const std::vector<uint8_t>& file) {
        std::vector<uint8_t> data(file);
        MemoryPageFile mem = {data.data(), data.size(), 0};
        ASSERT_EQ(ReadPage(MemoryPageReader(&mem), &bmfhPage, &bmiPage, lpDib, PAGE_BYTES, logPal),
                  1);
    }
};

COLORREF TableColour(int i) {
    const PageRgbQuad& q = bmiPage.bmiColors[i];
    return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
}

TEST_F(DrawTarget, NothingIsDrawnBeforeAPageIsLoaded) {
    EXPECT_EQ(DrawPage(hdc), 1);
    EXPECT_EQ(At(70, 70), MARK);
    EXPECT_EQ(At(400, 300), MARK);
    FreePageBuffers();
    EXPECT_EQ(DrawPage(hdc), 0);
}

TEST_F(DrawTarget, PageCornersLandAt70And729By529) {
    Load(MonoPageFile(OutlinePicture));
    lpDib[PixelIndex(PAGE_WIDTH - 1, PAGE_HEIGHT - 1)] = 17;
    EXPECT_EQ(DrawPage(hdc), 1);
    EXPECT_EQ(At(70, 70), RGB(0, 0, 0));       // outline at the top-left
    EXPECT_EQ(At(71, 71), RGB(0, 0, 0));       // the diagonal
    EXPECT_EQ(At(72, 71), RGB(239, 239, 239)); // blank
    EXPECT_EQ(At(729, 529), TableColour(17));
    EXPECT_EQ(At(69, 70), MARK);
    EXPECT_EQ(At(70, 69), MARK);
    EXPECT_EQ(At(730, 529), MARK);
    EXPECT_EQ(At(729, 530), MARK);
}

TEST_F(DrawTarget, EightBitPageShowsItsOwnColours) {
    Load(ColourPageFile(ColourPicture));
    DrawPage(hdc);
    for (int x : {0, 1, 100, 659})
        for (int y : {0, 5, 459}) {
            int i = ColourPicture(x, y); // the file's colour i has red 3 i
            EXPECT_EQ(GetRValue(At(70 + x, 70 + y)), i * 3 % 256) << x << "," << y;
            EXPECT_EQ(At(70 + x, 70 + y), TableColour(i)) << x << "," << y;
        }
}

TEST_F(DrawTarget, TitleIsTheCurrentPagesStrip) {
    // A Titles bitmap whose strip n is filled with grey level n.
    HBITMAP hbmSaved = hbmTitles;
    hbmTitles = CreateCompatibleBitmap(hdc, 140, 510);
    HDC hdcTitles = CreateCompatibleDC(hdc);
    HGDIOBJ hbmOldTitles = SelectObject(hdcTitles, hbmTitles);
    for (int n = 0; n < 51; n++) {
        HBRUSH hbr = CreateSolidBrush(RGB(n, n, n));
        RECT rc = {0, 10 * n, 140, 10 * n + 10};
        FillRect(hdcTitles, &rc, hbr);
        DeleteObject(hbr);
    }
    SelectObject(hdcTitles, hbmOldTitles);
    DeleteDC(hdcTitles);

    int nSavedPage = nCurPage;
    nCurPage = 0;
    DrawPageTitle(hdc);
    EXPECT_EQ(At(330, 561), RGB(3, 3, 3));
    EXPECT_EQ(At(469, 570), RGB(3, 3, 3));
    EXPECT_EQ(At(470, 570), MARK);
    EXPECT_EQ(At(330, 571), MARK);
    nCurPage = 4;
    DrawPageTitle(hdc);
    EXPECT_EQ(At(400, 565), RGB(48, 48, 48));

    nCurPage = nSavedPage;
    DeleteObject(hbmTitles);
    hbmTitles = hbmSaved;
}

} // namespace
