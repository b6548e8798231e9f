// Colouring, clearing and turning pages in the real program, checked on the screen and in the
// page files it leaves behind.
#include "e2e/driver.h"
#include <gtest/gtest.h>

namespace {

const uint32_t rgbBlank = 0xEFEFEF;
const int nDefaultColour = 29;              // palette page 1, first swatch
const uint32_t rgbDefaultColour = 0x202022; // its palette entry (32, 32, 34)

class Colouring : public testing::Test {
  protected:
    void SetUp() override {
        strDir = MakeWorkDir();
        ASSERT_TRUE(program.StartColouring(strDir));
        Settle(500);
    }
    // Quits with Q and reads the page file the program saved.
    std::vector<uint8_t> QuitAndRead(const char* lpszPage) {
        PressKey('Q');
        DWORD dwCode = 1234;
        EXPECT_TRUE(program.WaitExit(10000, &dwCode));
        EXPECT_EQ(dwCode, 0u);
        return PageIndexes(PathIn(strDir, lpszPage));
    }
    std::string strDir;
    CProgram program;
};

TEST_F(Colouring, AClickFloodsExactlyTheAreaAndQuitKeepsIt) {
    std::vector<uint8_t> before = PageIndexes(PathIn(strDir, "BAT.TW3"));
    POINT pt = LargeBlankArea(before, 5000);
    ASSERT_GE(pt.x, 0);
    std::vector<bool> area = FilledArea(before, 660, pt.x, pt.y, nDefaultColour);

    Click(70 + pt.x, 70 + pt.y);
    EXPECT_TRUE(WaitForFillToEnd(program.Window()));
    CScreen screen;
    ASSERT_TRUE(screen.Grab());
    int nScreenWrong = 0;
    for (int y = 0; y < 460; y++)
        for (int x = 0; x < 660; x++) {
            size_t i = (size_t)y * 660 + x;
            uint32_t rgbWanted = area[i] ? rgbDefaultColour : (before[i] ? rgbBlank : 0);
            nScreenWrong += screen.At(70 + x, 70 + y) != rgbWanted;
        }
    EXPECT_EQ(nScreenWrong, 0);

    std::vector<uint8_t> after = QuitAndRead("BAT.TW3");
    ASSERT_EQ(after.size(), before.size());
    int nFileWrong = 0;
    for (size_t i = 0; i < after.size(); i++)
        nFileWrong += after[i] != (area[i] ? nDefaultColour : before[i]);
    EXPECT_EQ(nFileWrong, 0);
}

TEST_F(Colouring, ClicksOffThePageOnOutlinesOrOnTheSameColourChangeNothing) {
    std::vector<uint8_t> before = PageIndexes(PathIn(strDir, "BAT.TW3"));
    POINT pt = LargeBlankArea(before, 5000);
    ASSERT_GE(pt.x, 0);
    Click(70 + pt.x, 70 + pt.y);
    ASSERT_TRUE(WaitForFillToEnd(program.Window()));
    CScreen coloured;
    ASSERT_TRUE(coloured.Grab());

    POINT outline = {-1, -1};
    for (size_t i = 0; i < before.size() && outline.x < 0; i++)
        if (before[i] == 0)
            outline = POINT{(LONG)(i % 660), (LONG)(i / 660)};
    ASSERT_GE(outline.x, 0);
    for (POINT click : {POINT{69, 200}, POINT{730, 200}, POINT{70 + outline.x, 70 + outline.y},
                        POINT{70 + pt.x, 70 + pt.y}}) {
        Click(click.x, click.y);
        EXPECT_FALSE(WaitForFillToEnd(program.Window(), 2000)) << click.x << "," << click.y;
    }
    CScreen after;
    ASSERT_TRUE(after.Grab());
    int nChanged = 0;
    for (int y = 70; y < 530; y++)
        for (int x = 70; x < 730; x++)
            nChanged += after.At(x, y) != coloured.At(x, y);
    EXPECT_EQ(nChanged, 0);
}

TEST_F(Colouring, TheCornerPixelsOfThePageAreOnThePage) {
    std::vector<uint8_t> before = PageIndexes(PathIn(strDir, "BAT.TW3"));
    ASSERT_EQ(before[0], PIXEL_BLANK) << "the page's top-left pixel is blank";
    std::vector<bool> area = FilledArea(before, 660, 0, 0, nDefaultColour);
    Click(70, 70);
    EXPECT_TRUE(WaitForFillToEnd(program.Window()));
    std::vector<uint8_t> after = QuitAndRead("BAT.TW3");
    ASSERT_EQ(after.size(), before.size());
    int nWrong = 0;
    for (size_t i = 0; i < after.size(); i++)
        nWrong += after[i] != (area[i] ? nDefaultColour : before[i]);
    EXPECT_EQ(nWrong, 0);
}

TEST_F(Colouring, ClearWipesOnceAndAgainOnlyAfterColouring) {
    std::vector<uint8_t> before = PageIndexes(PathIn(strDir, "BAT.TW3"));
    POINT pt = LargeBlankArea(before, 5000);
    Click(70 + pt.x, 70 + pt.y);
    ASSERT_TRUE(WaitForFillToEnd(program.Window()));

    PressKey('C');
    EXPECT_TRUE(WaitForFillToEnd(program.Window()));
    CScreen screen;
    ASSERT_TRUE(screen.Grab());
    EXPECT_EQ(screen.At(70 + pt.x, 70 + pt.y), rgbBlank);
    PressKey('C'); // already clear: no wave
    EXPECT_FALSE(WaitForFillToEnd(program.Window(), 2000));

    Click(70 + pt.x, 70 + pt.y);
    ASSERT_TRUE(WaitForFillToEnd(program.Window()));
    PressKey('C');
    EXPECT_TRUE(WaitForFillToEnd(program.Window()));
    std::vector<uint8_t> after = QuitAndRead("BAT.TW3");
    EXPECT_EQ(after, before);
}

// Which page the screen shows, told by its title strip.
int ShownPage(const CImage& titles) {
    static const int nStrips[] = {3, 7, 29, 44, 48};
    CScreen screen;
    screen.Grab();
    for (int nPage = 0; nPage < 5; nPage++) {
        int nDiff = 0;
        for (int y = 0; y < 10; y++)
            for (int x = 0; x < 140; x++)
                nDiff += screen.At(330 + x, 561 + y) != titles.At(x, nStrips[nPage] * 10 + y);
        if (nDiff == 0)
            return nPage;
    }
    return -1;
}

TEST_F(Colouring, PageKeysStepThroughThePagesWithWrapAround) {
    CImage titles;
    ASSERT_TRUE(titles.Load(ProgramPath(), "Titles"));
    EXPECT_EQ(ShownPage(titles), 0);
    static const struct {
        WORD vk;
        int nPageAfter;
    } steps[] = {{VK_PRIOR, 4}, {VK_NEXT, 0}, {VK_DOWN, 1}, {VK_UP, 0}, {VK_UP, 4}, {VK_DOWN, 0}};
    for (const auto& step : steps) {
        PressKey(step.vk);
        Settle(600);
        EXPECT_EQ(ShownPage(titles), step.nPageAfter) << "after key " << step.vk;
    }
}

TEST(PageTurns, AMissingPageIsReportedAndPassedOver) {
    std::string strDir = MakeWorkDir({"BUSHBABY.TW3"});
    CProgram program;
    ASSERT_TRUE(program.StartColouring(strDir));
    Settle(500);
    PressKey(VK_NEXT);
    ShownBox box = WaitForMessageBox(program.dwProcessId);
    ASSERT_NE(box.hDlg, (HWND)NULL);
    EXPECT_EQ(box.strText, "The file BUSHBABY.TW3 is missing.");
    AnswerMessageBox(box, IDOK);
    Settle(800);
    CImage titles;
    ASSERT_TRUE(titles.Load(ProgramPath(), "Titles"));
    EXPECT_EQ(ShownPage(titles), 2);
}

TEST(PageTurns, ColoursSurvivePageTurnsAndRestartsButNotAltF4) {
    std::string strDir = MakeWorkDir();
    std::vector<uint8_t> bat = PageIndexes(PathIn(strDir, "BAT.TW3"));
    POINT pt = LargeBlankArea(bat, 5000);
    {
        CProgram program;
        ASSERT_TRUE(program.StartColouring(strDir));
        Settle(500);
        Click(70 + pt.x, 70 + pt.y);
        ASSERT_TRUE(WaitForFillToEnd(program.Window()));
        PressKey(VK_NEXT);
        Settle(600);
        PressKey(VK_PRIOR);
        Settle(600);
        CScreen screen;
        ASSERT_TRUE(screen.Grab());
        EXPECT_EQ(screen.At(70 + pt.x, 70 + pt.y), rgbDefaultColour);
        PressKey('Q');
        DWORD dwCode;
        ASSERT_TRUE(program.WaitExit(10000, &dwCode));
    }
    std::vector<uint8_t> saved = PageIndexes(PathIn(strDir, "BAT.TW3"));
    ASSERT_FALSE(saved.empty());
    EXPECT_EQ(saved[(size_t)pt.y * 660 + pt.x], nDefaultColour);
    {
        CProgram program;
        ASSERT_TRUE(program.StartColouring(strDir));
        Settle(500);
        CScreen screen;
        ASSERT_TRUE(screen.Grab());
        EXPECT_EQ(screen.At(70 + pt.x, 70 + pt.y), rgbDefaultColour);
        PressKey('C');
        ASSERT_TRUE(WaitForFillToEnd(program.Window()));
        PressKeyWith(VK_MENU, VK_F4); // closes without keeping the page
        DWORD dwCode;
        ASSERT_TRUE(program.WaitExit(10000, &dwCode));
        EXPECT_EQ(dwCode, 0u);
    }
    EXPECT_EQ(PageIndexes(PathIn(strDir, "BAT.TW3")), saved);
}

} // namespace
