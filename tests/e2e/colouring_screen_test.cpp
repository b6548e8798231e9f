// Leaving the intro: the colouring screen with frame, page and title, and the missing-page paths.
#include "e2e/driver.h"
#include <gtest/gtest.h>

namespace {

// How many page pixels on the screen differ from the page file's.
int PageDifferences(const CScreen& screen, const std::vector<uint32_t>& expected) {
    int nDiff = 0;
    for (int y = 0; y < 460; y++)
        for (int x = 0; x < 660; x++)
            if (screen.At(70 + x, 70 + y) != expected[(size_t)y * 660 + x])
                nDiff++;
    return nDiff;
}

TEST(ColouringScreen, EnterShowsFramePageAndTitle) {
    std::string strDir = MakeWorkDir();
    CProgram program;
    ASSERT_TRUE(program.StartColouring(strDir));
    Settle(700);
    CScreen screen;
    ASSERT_TRUE(screen.Grab());

    std::vector<uint32_t> page = ExpectedPagePixels(PathIn(strDir, "BAT.TW3"));
    ASSERT_EQ(page.size(), 660u * 460u);
    EXPECT_EQ(PageDifferences(screen, page), 0);
    EXPECT_EQ(screen.At(70, 70), page[0]);
    EXPECT_EQ(screen.At(729, 529), page.back());

    CImage titles, topBottom, leftRight;
    ASSERT_TRUE(titles.Load(ProgramPath(), "Titles"));
    ASSERT_TRUE(topBottom.Load(ProgramPath(), "TopBottomBorder"));
    ASSERT_TRUE(leftRight.Load(ProgramPath(), "LeftRightBorder"));
    int nTitle = 0, nFrame = 0;
    for (int y = 0; y < 10; y++)
        for (int x = 0; x < 140; x++)
            nTitle += screen.At(330 + x, 561 + y) != titles.At(x, 30 + y); // strip 3
    // Frame rows and columns where no button sits: the outer six pixels all round.
    for (int x = 0; x < 800; x++)
        for (int y = 0; y < 6; y++) {
            nFrame += screen.At(x, y) != topBottom.At(x, y);
            nFrame += screen.At(x, 594 + y) != topBottom.At(x, 70 + 64 + y);
        }
    for (int y = 70; y < 530; y++)
        for (int x = 0; x < 6; x++) {
            nFrame += screen.At(x, y) != leftRight.At(x, y - 70);
            nFrame += screen.At(794 + x, y) != leftRight.At(134 + x, y - 70);
        }
    EXPECT_EQ(nTitle, 0);
    EXPECT_EQ(nFrame, 0);
}

TEST(ColouringScreen, SpaceLeavesTheIntroToo) {
    std::string strDir = MakeWorkDir();
    CProgram program;
    ASSERT_TRUE(program.Start(strDir));
    ASSERT_NE(program.WaitForWindow(), (HWND)NULL);
    Settle(500);
    PressKey(VK_SPACE);
    Settle(1200);
    CScreen screen;
    ASSERT_TRUE(screen.Grab());
    EXPECT_EQ(PageDifferences(screen, ExpectedPagePixels(PathIn(strDir, "BAT.TW3"))), 0);
}

TEST(ColouringScreen, AMissingFirstPageIsReportedAndTheSecondShown) {
    std::string strDir = MakeWorkDir({"BAT.TW3"});
    CProgram program;
    ASSERT_TRUE(program.Start(strDir));
    ASSERT_NE(program.WaitForWindow(), (HWND)NULL);
    Settle(500);
    PressKey(VK_RETURN);
    ShownBox box = WaitForMessageBox(program.dwProcessId);
    ASSERT_NE(box.hDlg, (HWND)NULL);
    EXPECT_EQ(box.strText, "The file BAT.TW3 is missing.");
    EXPECT_EQ(box.strCaption, "Tintwell");
    AnswerMessageBox(box, IDOK);
    Settle(1200);
    EXPECT_EQ(WaitForMessageBox(program.dwProcessId, 300).hDlg, (HWND)NULL);
    CScreen screen;
    ASSERT_TRUE(screen.Grab());
    EXPECT_EQ(PageDifferences(screen, ExpectedPagePixels(PathIn(strDir, "BUSHBABY.TW3"))), 0);
    CImage titles;
    ASSERT_TRUE(titles.Load(ProgramPath(), "Titles"));
    EXPECT_EQ(screen.At(330 + 70, 561 + 5), titles.At(70, 70 + 5)); // strip 7
}

TEST(ColouringScreen, NoPagesAtAllEndsTheProgramAfterFiveBoxesAndTheLastWord) {
    std::string strDir =
        MakeWorkDir({"BAT.TW3", "BUSHBABY.TW3", "KIWI.TW3", "SNAIL.TW3", "WALRUS.TW3"});
    CProgram program;
    ASSERT_TRUE(program.Start(strDir));
    ASSERT_NE(program.WaitForWindow(), (HWND)NULL);
    Settle(500);
    PressKey(VK_RETURN);
    for (const char* lpszName : {"BAT", "BUSHBABY", "KIWI", "SNAIL", "WALRUS"}) {
        ShownBox box = WaitForMessageBox(program.dwProcessId);
        ASSERT_NE(box.hDlg, (HWND)NULL) << lpszName;
        EXPECT_EQ(box.strText, std::string("The file ") + lpszName + ".TW3 is missing.");
        AnswerMessageBox(box, IDOK);
    }
    ShownBox last = WaitForMessageBox(program.dwProcessId);
    ASSERT_NE(last.hDlg, (HWND)NULL);
    EXPECT_EQ(last.strText,
              "All of the coloring book pages are missing or damaged. The program is unusable.");
    EXPECT_EQ(last.strCaption, "Tintwell");
    AnswerMessageBox(last, IDOK);
    DWORD dwCode = 1234;
    ASSERT_TRUE(program.WaitExit(5000, &dwCode));
    EXPECT_EQ(dwCode, 0u);
}

} // namespace
