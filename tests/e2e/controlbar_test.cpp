// The control bar worked with the mouse: colour choice, its looks, and the tool buttons.
#include "e2e/driver.h"
#include <gtest/gtest.h>

namespace {

struct Place {
    int x, y;
};
// Top-left corners of the buttons (all palette and swatch buttons are 45 x 45).
const Place ptPalette[8] = {{114, 12}, {165, 12}, {216, 12}, {267, 12},
                            {488, 12}, {539, 12}, {590, 12}, {641, 12}};
Place SwatchPlace(int id) {
    int n = id - 2008;
    if (n < 10)
        return {12, 84 + 51 * n};
    static const int xBottom[9] = {62, 114, 165, 216, 539, 590, 641, 692, 743};
    if (n < 19)
        return {xBottom[n - 10], 543};
    return {743, 492 - 51 * (n - 19)};
}
void ClickPalette(int nPage) { Click(ptPalette[nPage].x + 22, ptPalette[nPage].y + 22); }
void ClickSwatch(int id) {
    Place p = SwatchPlace(id);
    Click(p.x + 22, p.y + 22);
}

// Pixels of a 45 x 45 button face on the screen that differ from one look of its bitmap.
int FaceDifferences(const CScreen& screen, const CImage& image, Place p, bool bSelected) {
    int nDiff = 0;
    for (int y = 0; y < 45; y++)
        for (int x = 0; x < 45; x++)
            nDiff += screen.At(p.x + x, p.y + y) != image.At(x, (bSelected ? 45 : 0) + y);
    return nDiff;
}

class ControlBar : public testing::Test {
  protected:
    void SetUp() override {
        strDir = MakeWorkDir();
        page = PageIndexes(PathIn(strDir, "BAT.TW3"));
        pt = LargeBlankArea(page, 3000);
        ASSERT_GE(pt.x, 0);
        ASSERT_TRUE(program.StartColouring(strDir));
        Settle(500);
    }
    // Colours the test's area with the current colour, quits, and returns the colour it got.
    int ColourAndQuit() {
        Click(70 + pt.x, 70 + pt.y);
        EXPECT_TRUE(WaitForFillToEnd(program.Window()));
        Click(12 + 48, 12 + 22); // Quit
        DWORD dwCode = 1234;
        EXPECT_TRUE(program.WaitExit(10000, &dwCode));
        EXPECT_EQ(dwCode, 0u);
        std::vector<uint8_t> saved = PageIndexes(PathIn(strDir, "BAT.TW3"));
        return saved.empty() ? -1 : saved[(size_t)pt.y * 660 + pt.x];
    }
    std::string strDir;
    std::vector<uint8_t> page;
    POINT pt;
    CProgram program;
};

TEST_F(ControlBar, LastPageAndLastSwatchColourWithTheLastColour) {
    ClickPalette(7);
    Settle(300);
    ClickSwatch(2035);
    Settle(300);
    EXPECT_EQ(ColourAndQuit(), 224);
}

TEST_F(ControlBar, FirstPageAndFirstSwatchColourWithTheFirstColour) {
    ClickPalette(0);
    Settle(300);
    ClickSwatch(2008);
    Settle(300);
    EXPECT_EQ(ColourAndQuit(), 1);
}

TEST_F(ControlBar, APageChangeKeepsTheSwatchPositionAndRedrawsEverySwatch) {
    ClickSwatch(2010);
    Settle(300);
    ClickPalette(3);
    Settle(600);
    CScreen screen;
    ASSERT_TRUE(screen.Grab());
    for (int id = 2008; id <= 2035; id++) {
        CImage swatch;
        ASSERT_TRUE(swatch.Load(ProgramPath(), MAKEINTRESOURCEA(101 + 84 + id - 2008)));
        EXPECT_EQ(FaceDifferences(screen, swatch, SwatchPlace(id), id == 2010), 0) << id;
    }
    for (int p = 0; p < 8; p++) {
        CImage button;
        ASSERT_TRUE(button.Load(ProgramPath(), MAKEINTRESOURCEA(91 + p)));
        EXPECT_EQ(FaceDifferences(screen, button, Place{ptPalette[p].x, ptPalette[p].y}, p == 3), 0)
            << "palette page " << p;
    }
    EXPECT_EQ(ColourAndQuit(), 87);
}

TEST_F(ControlBar, AToolButtonLooksPressedOnlyWhileHeldAndSlidingOffSendsNothing) {
    Click(70 + pt.x, 70 + pt.y);
    ASSERT_TRUE(WaitForFillToEnd(program.Window()));
    CImage up, down;
    ASSERT_TRUE(up.Load(ProgramPath(), "ClearBtn"));
    ASSERT_TRUE(down.Load(ProgramPath(), "ClearBtnDn"));
    MouseDown(403 + 40, 12 + 22);
    Settle(300);
    CScreen held;
    ASSERT_TRUE(held.Grab());
    EXPECT_EQ(CountDifferences(held, down, 403, 12), 0);
    MouseUp(400, 300); // released away from the button: no Clear
    Settle(800);
    CScreen after;
    ASSERT_TRUE(after.Grab());
    EXPECT_EQ(CountDifferences(after, up, 403, 12), 0);
    EXPECT_EQ(after.At(70 + pt.x, 70 + pt.y), held.At(70 + pt.x, 70 + pt.y));
    EXPECT_NE(after.At(70 + pt.x, 70 + pt.y), 0xEFEFEFu);
}

TEST_F(ControlBar, ColourButtonsDoNothingWhileTheInfoScreenIsUp) {
    Click(692 + 48, 12 + 22); // Info
    Settle(1000);
    ClickPalette(7);
    Settle(300);
    ClickSwatch(2035);
    Settle(300);
    PressKey(VK_ESCAPE); // closes the Info screen
    Settle(800);
    EXPECT_EQ(ColourAndQuit(), 29);
}

TEST_F(ControlBar, ToolButtonsSendTheirCommands) {
    CImage titles;
    ASSERT_TRUE(titles.Load(ProgramPath(), "Titles"));
    auto TitleIs = [&](int nStrip) {
        CScreen s;
        s.Grab();
        return s.At(330 + 70, 561 + 5) == titles.At(70, nStrip * 10 + 5) &&
               s.At(330 + 20, 561 + 3) == titles.At(20, nStrip * 10 + 3);
    };
    Click(480 + 26, 543 + 22); // Down: next page
    Settle(700);
    EXPECT_TRUE(TitleIs(7));
    Click(267 + 26, 543 + 22); // Up: back
    Settle(700);
    EXPECT_TRUE(TitleIs(3));

    Click(70 + pt.x, 70 + pt.y);
    ASSERT_TRUE(WaitForFillToEnd(program.Window()));
    Click(403 + 40, 12 + 22); // Clear
    EXPECT_TRUE(WaitForFillToEnd(program.Window()));
    CScreen cleared;
    ASSERT_TRUE(cleared.Grab());
    EXPECT_EQ(cleared.At(70 + pt.x, 70 + pt.y), 0xEFEFEFu);
    EXPECT_EQ(ColourAndQuit(), 29); // Quit, through the button
}

} // namespace
