// The intro screen as the child sees it, pixel for pixel against the program's own bitmaps.
#include "e2e/driver.h"
#include <gtest/gtest.h>

namespace {

class IntroScreen : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(program.Start(MakeWorkDir()));
        ASSERT_NE(program.WaitForWindow(), (HWND)NULL);
        Settle(1200);
        ASSERT_TRUE(screen.Grab());
    }
    CImage Bitmap(const char* lpszName) {
        CImage image;
        EXPECT_TRUE(image.Load(ProgramPath(), lpszName)) << lpszName;
        return image;
    }
    CProgram program;
    CScreen screen;
};

TEST_F(IntroScreen, BackgroundTilesAndThePanelShadow) {
    CImage tile = Bitmap("DotPattern");
    CImage shadow = Bitmap("DotPatternShadow");
    ASSERT_EQ(tile.cx, 8);
    ASSERT_EQ(shadow.cx, 8);
    // Tiles in all four corners and beside the panel.
    for (POINT pt : {POINT{0, 0}, POINT{792, 0}, POINT{0, 592}, POINT{792, 592}, POINT{200, 296}})
        EXPECT_EQ(CountDifferences(screen, tile, pt.x, pt.y), 0) << pt.x << "," << pt.y;
    // The shadow: x 576..583 for y 128..487, and y 480..487 for x 224..583.
    for (int y = 128; y <= 480; y += 8)
        EXPECT_EQ(CountDifferences(screen, shadow, 576, y), 0) << "right edge at y " << y;
    for (int x = 224; x <= 568; x += 8)
        EXPECT_EQ(CountDifferences(screen, shadow, x, 480), 0) << "bottom edge at x " << x;
    // Just outside the shadow the background carries on.
    EXPECT_EQ(CountDifferences(screen, tile, 584, 128), 0);
    EXPECT_EQ(CountDifferences(screen, tile, 216, 488), 0);
}

TEST_F(IntroScreen, PanelTitlePictureAndOkButtonAreDrawn) {
    CImage panel = Bitmap("IntroBackGrd");
    CImage title = Bitmap("IntroScr");
    CImage ok = Bitmap("OKButtonUp");
    ASSERT_EQ(panel.cx, 360);
    ASSERT_EQ(title.cx, 332);
    ASSERT_EQ(ok.cx, 96);
    EXPECT_EQ(CountDifferences(screen, title, 230, 134), 0);
    EXPECT_EQ(CountDifferences(screen, ok, 344, 420), 0);
    // The panel shows wherever the picture and the button do not cover it.
    int nDiff = 0;
    for (int y = 0; y < 360; y++)
        for (int x = 0; x < 360; x++) {
            bool bTitle = x >= 14 && x < 14 + 332 && y >= 14 && y < 14 + 212;
            bool bOk = x >= 128 && x < 128 + 96 && y >= 300 && y < 300 + 46;
            if (!bTitle && !bOk && screen.At(216 + x, 120 + y) != panel.At(x, y))
                nDiff++;
        }
    EXPECT_EQ(nDiff, 0);
}

} // namespace
