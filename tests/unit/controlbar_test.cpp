// The control bar's bitmaps as compiled into the program, and its owner-draw.
#include "pages/palette.h"
#include "shell/app.h"
#include "shell/base/busy.h"
#include "shell/mainwnd.h"
#include "ui/controlbar.h"
#include <gtest/gtest.h>

namespace {

// A loaded 8-bit resource bitmap read back as 0x00RRGGBB, row 0 at the top.
struct Pixels {
    int cx = 0, cy = 0;
    std::vector<uint32_t> px;
    uint32_t At(int x, int y) const { return px[(size_t)y * cx + x]; }
};

Pixels ReadBitmap(HBITMAP hbm) {
    Pixels p;
    BITMAP bm;
    if (hbm == NULL || !GetObjectA(hbm, sizeof(bm), &bm))
        return p;
    p.cx = bm.bmWidth;
    p.cy = bm.bmHeight;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = p.cx;
    bmi.bmiHeader.biHeight = -p.cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    p.px.resize((size_t)p.cx * p.cy);
    HDC hdc = GetDC(NULL);
    GetDIBits(hdc, hbm, 0, p.cy, p.px.data(), &bmi, DIB_RGB_COLORS);
    ReleaseDC(NULL, hdc);
    for (uint32_t& v : p.px)
        v &= 0xFFFFFF;
    return p;
}

uint32_t Rgb(const PageRgb& c) {
    return (uint32_t)c.red << 16 | (uint32_t)c.green << 8 | c.blue;
}

TEST(SwatchBitmaps, EverySwatchShowsExactlyThePaletteColourItSelects) {
    for (int n = 0; n < 224; n++) {
        HBITMAP hbm = LoadBitmapA(hInst, MAKEINTRESOURCEA(101 + n));
        Pixels p = ReadBitmap(hbm);
        DeleteObject(hbm);
        ASSERT_EQ(p.cx, 46) << "bitmap " << 101 + n;
        ASSERT_EQ(p.cy, 90) << "bitmap " << 101 + n;
        uint32_t rgbWanted = Rgb(PaletteColours[n + 1]);
        // The small dot of the normal look and the large disc of the selected look, both at the
        // centre of their 45 x 45 button face.
        EXPECT_EQ(p.At(22, 22), rgbWanted) << "normal look of swatch " << n + 1;
        EXPECT_EQ(p.At(22, 45 + 22), rgbWanted) << "selected look of swatch " << n + 1;
        int nDisc = 0, nDot = 0;
        for (int y = 0; y < 45; y++)
            for (int x = 0; x < 45; x++) {
                nDot += p.At(x, y) == rgbWanted;
                nDisc += p.At(x, 45 + y) == rgbWanted;
            }
        EXPECT_GT(nDisc, 3 * nDot) << "the selected disc is larger than the dot, swatch " << n + 1;
    }
}

TEST(ToolBitmaps, EachPairIsItsButtonsSizeAndThePressedLookDiffers) {
    static const char* const szUp[] = {"QuitBtn", "PrintBtn", "ClearBtn",
                                       "InfoBtn", "UpBtn",    "DownBtn"};
    static const char* const szDown[] = {"QuitBtnDn", "PrintBtnDn", "ClearBtnDn",
                                         "InfoBtnDn", "UpBtnDn",    "DownBtnDn"};
    for (int i = 0; i < nToolButtons; i++) {
        HBITMAP hbmUp = LoadBitmapA(hInst, szUp[i]);
        HBITMAP hbmDown = LoadBitmapA(hInst, szDown[i]);
        Pixels up = ReadBitmap(hbmUp), down = ReadBitmap(hbmDown);
        DeleteObject(hbmUp);
        DeleteObject(hbmDown);
        EXPECT_EQ(up.cx, ToolButtons[i].cx) << szUp[i];
        EXPECT_EQ(up.cy, ToolButtons[i].cy) << szUp[i];
        EXPECT_EQ(down.cx, ToolButtons[i].cx) << szDown[i];
        EXPECT_NE(up.px, down.px) << szUp[i];
    }
}

TEST(PaletteBitmaps, EachPageButtonHasTwoDifferentLooks) {
    for (int p = 0; p < nPaletteButtons; p++) {
        HBITMAP hbm = LoadBitmapA(hInst, MAKEINTRESOURCEA(91 + p));
        Pixels px = ReadBitmap(hbm);
        DeleteObject(hbm);
        ASSERT_EQ(px.cx, 46);
        ASSERT_EQ(px.cy, 90);
        int nDiff = 0;
        for (int y = 0; y < 45; y++)
            for (int x = 0; x < 45; x++)
                nDiff += px.At(x, y) != px.At(x, 45 + y);
        EXPECT_GT(nDiff, 50) << "page button " << p;
    }
}

} // namespace
