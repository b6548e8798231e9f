// What the end-to-end tests share: a fresh book in a working directory of its own, and the steps
// a child takes in it.
#pragma once
#include "e2e/driver.h"
#include <gtest/gtest.h>

// The program's palette page and swatch buttons (45 x 45), by their place in the control bar.
POINT PaletteButton(int nPage);
POINT SwatchButton(int nSwatch);
// Waits for the title strip to show the page (0 to 4); the page it shows, or -1.
int WaitForShownPage(int nPage);
// Clicks a 45 x 45 button of the control bar.
void ClickButton(POINT pt);

class Book : public testing::Test {
  protected:
    void SetUp() override {
        strDir = MakeWorkDir();
        page = PageIndexes(PathIn(strDir, "BAT.TW3"));
        ASSERT_EQ(page.size(), 660u * 460u);
    }
    // Clicks the page at pt, waits for the fill and checks its colour on the screen; page then
    // holds what the page file should.
    void ColourAt(POINT pt, int nColour) {
        ASSERT_GE(pt.x, 0) << "no area to colour";
        std::vector<bool> area = FilledArea(page, 660, pt.x, pt.y, (uint8_t)nColour);
        Click(70 + pt.x, 70 + pt.y);
        EXPECT_TRUE(WaitForPixel(70 + pt.x, 70 + pt.y, PaletteRgb(nColour)))
            << "not coloured with " << nColour;
        PollFor(30000, 20, [&] { return IsWindowEnabled(program.Window()); });
        Settle(250); // input made as a fill ends is thrown away
        for (size_t i = 0; i < area.size(); i++)
            page[i] = area[i] ? (uint8_t)nColour : page[i];
    }
    // Quits with Q and reads the page file the program saved.
    std::vector<uint8_t> QuitAndRead(WORD vkQuit = 'Q') {
        PressKey(vkQuit);
        DWORD dwCode = 1234;
        EXPECT_TRUE(program.WaitExit(10000, &dwCode));
        EXPECT_EQ(dwCode, 0u);
        return PageIndexes(PathIn(strDir, "BAT.TW3"));
    }

    std::string strDir;
    std::vector<uint8_t> page;
    CProgram program;
};
