// A child does not wait: clicks, keys, a repaint or a close request that come while a fill, a
// clear or the print dialog is under way must not interleave with it.
#include "e2e/driver.h"
#include <gtest/gtest.h>
#include <stdio.h>

#include "support/page_builder.h"

namespace {

const int W = 660, H = 460;
const uint32_t rgbBlank = 0xEFEFEF;
const uint8_t nDefaultColour = 29;
const uint32_t rgbDefaultColour = 0x202022;

enum Work { FILL, CLEAR };
const char* const szWork[] = {"Fill", "Clear"};

// Two blank areas split by an outline at x = 600: the left one so large that filling it keeps
// the program busy for a good while.
uint8_t TwoAreas(int x, int) {
    return x == 600 ? 0 : 225;
}

class BusyProgram : public testing::Test {
  protected:
    void SetUp() override {
        strDir = MakeWorkDir();
        std::vector<uint8_t> file = pagebuild::MonoPageFile(TwoAreas);
        FILE* fp = fopen(PathIn(strDir, "BAT.TW3").c_str(), "wb");
        ASSERT_NE(fp, (FILE*)NULL);
        fwrite(file.data(), 1, file.size(), fp);
        fclose(fp);
        page = PageIndexes(PathIn(strDir, "BAT.TW3"));
        ASSERT_EQ(page.size(), static_cast<size_t>(W * H));
        big = FilledArea(page, W, 0, 0, PIXEL_OUTLINE);
        ASSERT_TRUE(program.StartColouring(strDir));
        Settle(500);
    }

    // The xdotool actions that start the long work. A clear needs colour on the page, so the
    // small area is coloured first; Clear starts after its button's 125 ms echo.
    std::string StartWork(Work work) {
        if (work == FILL)
            return XClickAt(75, 75);
        Click(70 + ptSmall.x, 70 + ptSmall.y);
        EXPECT_TRUE(WaitForPixel(70 + ptSmall.x, 70 + ptSmall.y, rgbDefaultColour));
        Settle(500);
        return "key --delay 0 c sleep 0.15 ";
    }

    // What the page must hold once the work is over: the large area coloured, or all blank.
    uint8_t Expected(Work work, size_t i) const {
        return work == FILL && big[i] ? nDefaultColour : page[i];
    }

    int CountScreenMismatches(Work work) const {
        CScreen screen;
        if (!screen.Grab())
            return -1;
        int nWrong = 0;
        for (int y = 0; y < H; y++)
            for (int x = 0; x < W; x++) {
                uint8_t v = Expected(work, static_cast<size_t>(y) * W + x);
                uint32_t rgb = v == 0 ? 0 : v == 225 ? rgbBlank : rgbDefaultColour;
                nWrong += screen.At(70 + x, 70 + y) != rgb;
            }
        return nWrong;
    }

    int IsRunning() { return WaitForSingleObject(program.hProcess, 0) == WAIT_TIMEOUT; }

    // Quits with Q and counts the pixels of the saved page that are not as expected.
    int QuitAndCountFileMismatches(Work work) {
        PressKey('Q');
        DWORD dwCode = 1234;
        EXPECT_TRUE(program.WaitExit(10000, &dwCode));
        EXPECT_EQ(dwCode, 0u);
        std::vector<uint8_t> after = PageIndexes(PathIn(strDir, "BAT.TW3"));
        if (after.size() != page.size())
            return -1;
        int nWrong = 0;
        for (size_t i = 0; i < after.size(); i++)
            nWrong += after[i] != Expected(work, i);
        return nWrong;
    }

    const POINT ptSmall = {630, 230};
    std::string strDir;
    std::vector<uint8_t> page;
    std::vector<bool> big;
    CProgram program;
};

class InputDuringWork : public BusyProgram, public testing::WithParamInterface<Work> {};

TEST_P(InputDuringWork, AClickAndQAreDroppedAndTheProgramCarriesOn) {
    Work work = GetParam();
    // Clicks on blank areas (the small one during a fill; during a clear, the middle, which
    // the wave has passed by then, and a corner) and Q, made 50 ms into the work, which takes
    // some 250 ms or more. One xdotool run makes all of it, so the timing holds however long
    // xdotool takes to start.
    std::string strInput = work == FILL ? XClickAt(70 + ptSmall.x, 70 + ptSmall.y)
                                        : XClickAt(70 + W / 2, 70 + H / 2) + XClickAt(75, 75);
    ASSERT_TRUE(XInput(StartWork(work) + "sleep 0.05 " + strInput + "key --delay 0 q"));
    WaitForFillToEnd(program.Window());
    Settle(1000);
    ASSERT_TRUE(IsRunning()) << "Q made during the work quit the program";
    EXPECT_EQ(CountScreenMismatches(work), 0);
    EXPECT_EQ(QuitAndCountFileMismatches(work), 0);
}

INSTANTIATE_TEST_SUITE_P(Busy, InputDuringWork, testing::Values(FILL, CLEAR),
                         [](const testing::TestParamInfo<Work>& info) {
                             return std::string(szWork[info.param]);
                         });

// While the print dialog is up, clicks on the page and keys belong to the dialog or to nobody;
// when it goes, by Cancel or by OK, nothing of them reaches the page.
class InputDuringPrintDialog : public BusyProgram, public testing::WithParamInterface<int> {};

TEST_P(InputDuringPrintDialog, NothingReachesThePageAfterwards) {
    int idButton = GetParam();
    if (idButton == IDOK && GetEnvironmentVariableA("TW_CUPS_OUT", NULL, 0) == 0)
        GTEST_FAIL() << "no PDF printer: start tools/cups.sh before the session";
    Click(318 + 40, 12 + 22); // Print
    HWND hDlg = WaitForPrintDialog(program.dwProcessId);
    ASSERT_NE(hDlg, (HWND)NULL);
    RECT rcDlg;
    GetWindowRect(hDlg, &rcDlg);
    POINT ptClick = {-1, -1}; // in the large area, beside the dialog
    for (int i = 0; i < W * H && ptClick.x < 0; i += 7) {
        POINT pt = {70 + i % W, 70 + i / W};
        if (big[i] && !PtInRect(&rcDlg, pt))
            ptClick = pt;
    }
    ASSERT_GE(ptClick.x, 0);
    ASSERT_TRUE(XInput(XClickAt(ptClick.x, ptClick.y) + "key --delay 0 q"));
    Settle(300);
    ASSERT_EQ(FindPrintDialog(program.dwProcessId), hDlg);
    PostMessageA(GetDlgItem(hDlg, idButton), BM_CLICK, 0, 0);
    DWORD dwStart = GetTickCount();
    while ((FindPrintDialog(program.dwProcessId) != NULL || !IsWindowEnabled(program.Window())) &&
           GetTickCount() - dwStart < 60000)
        Sleep(50);
    Settle(1500);
    ASSERT_TRUE(IsRunning());
    EXPECT_TRUE(IsWindowEnabled(program.Window()));
    CScreen screen;
    ASSERT_TRUE(screen.Grab());
    EXPECT_EQ(screen.At(ptClick.x, ptClick.y), rgbBlank);
    EXPECT_EQ(QuitAndCountFileMismatches(CLEAR), 0); // the page as it was
}

INSTANTIATE_TEST_SUITE_P(Busy, InputDuringPrintDialog, testing::Values(IDCANCEL, IDOK),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::string(info.param == IDOK ? "Print" : "Cancel");
                         });

// A repaint in the middle of a fill, asked for by anybody, leaves the window disabled until
// the fill is done: when it takes input again, the whole area is on the screen, and a click
// and Q made after the repaint have been dropped.
TEST_F(BusyProgram, ARepaintDuringAFillLeavesTheWindowDisabledUntilItIsDone) {
    ASSERT_TRUE(XInput(StartWork(FILL)));
    ASSERT_TRUE(WaitForBusy(program.Window()));
    RedrawWindow(program.Window(), NULL, NULL, RDW_INVALIDATE);
    Sleep(20);
    ASSERT_TRUE(XInput(XClickAt(70 + ptSmall.x, 70 + ptSmall.y) + "key --delay 0 q"));
    DWORD dwStart = GetTickCount();
    while (!IsWindowEnabled(program.Window()) && GetTickCount() - dwStart < 30000)
        Sleep(2);
    EXPECT_EQ(CountScreenMismatches(FILL), 0);
    Settle(1000);
    ASSERT_TRUE(IsRunning()) << "Q made during the fill quit the program";
    EXPECT_EQ(CountScreenMismatches(FILL), 0);
    EXPECT_EQ(QuitAndCountFileMismatches(FILL), 0);
}

// A close request (a desktop's close button, an end-task) in the middle of a fill or a clear
// waits for it to finish; then the program ends cleanly, and, as for any close but Quit, the
// page file is left as it was.
class CloseDuringWork : public BusyProgram, public testing::WithParamInterface<Work> {};

TEST_P(CloseDuringWork, IsHonouredOnceTheWorkIsDone) {
    std::vector<uint8_t> fileBefore = ReadFileBytes(PathIn(strDir, "BAT.TW3"));
    ASSERT_TRUE(XInput(StartWork(GetParam())));
    ASSERT_TRUE(WaitForBusy(program.Window()));
    HWND hWnd = program.Window();
    PostMessageA(hWnd, WM_CLOSE, 0, 0);
    // The work ends by enabling the window; only then may the window go.
    DWORD dwStart = GetTickCount();
    while (IsWindow(hWnd) && !IsWindowEnabled(hWnd) && GetTickCount() - dwStart < 30000)
        Sleep(1);
    EXPECT_TRUE(IsWindowEnabled(hWnd)) << "the window went in the middle of the work";
    DWORD dwCode = 1234;
    ASSERT_TRUE(program.WaitExit(15000, &dwCode));
    EXPECT_EQ(dwCode, 0u);
    EXPECT_EQ(ReadFileBytes(PathIn(strDir, "BAT.TW3")), fileBefore);
}

INSTANTIATE_TEST_SUITE_P(Busy, CloseDuringWork, testing::Values(FILL, CLEAR),
                         [](const testing::TestParamInfo<Work>& info) {
                             return std::string(szWork[info.param]);
                         });

} // namespace
