// A child does not wait: clicks, keys, a repaint or a close request that come while a fill, a
// clear or the print dialog is under way must not interleave with it.
#include "e2e/e2e.h"

#include "support/page_builder.h"

namespace {

const int W = 660, H = 460;
const POINT ptSmall = {630, 230};

// Two blank areas split by an outline at x = 600: the left one so large that filling it keeps
// the program busy for a good while.
class Busy : public Book {
  protected:
    void SetUp() override {
        strDir = MakeWorkDir();
        ASSERT_TRUE(WriteBytes(PathIn(strDir, "BAT.TW3"), pagebuild::MonoPageFile([](int x, int) {
                                   return x == 600 ? 0 : 225;
                               })));
        page = PageIndexes(PathIn(strDir, "BAT.TW3"));
        ASSERT_TRUE(program.StartColouring(strDir));
    }
    // The xdotool actions that start a fill of the large area or a clear. A clear needs colour
    // on the page, so the small area is coloured first; Clear starts after its key's echo.
    std::string StartWork(bool bFill) {
        if (bFill)
            return XClickAt(75, 75);
        ColourAt(ptSmall, 29);
        return "key --delay 0 c sleep 0.15 ";
    }
    // The pixels of the page on the screen that differ from what the page should hold.
    int ScreenMismatches(bool bFill) {
        std::vector<bool> big = FilledArea(page, W, 0, 0, 29);
        std::vector<uint32_t> want(page.size());
        for (size_t i = 0; i < page.size(); i++)
            want[i] = (bFill && big[i]) || page[i] == 29 ? PaletteRgb(29)
                      : page[i] == PIXEL_OUTLINE         ? 0
                                                         : 0xEFEFEF;
        return WaitForPage(want, 0);
    }
    int IsRunning() { return WaitForSingleObject(program.hProcess, 0) == WAIT_TIMEOUT; }
};

TEST_F(Busy, InputAndARepaintDuringAFillOrAClearAreDropped) {
    // During the fill a repaint, then a click on the small area and Q: the window stays
    // disabled until the whole area is on the screen, and the click and Q are gone.
    ASSERT_TRUE(XInput(StartWork(true)));
    ASSERT_TRUE(WaitForBusy(program.Window()));
    RedrawWindow(program.Window(), NULL, NULL, RDW_INVALIDATE);
    Sleep(20);
    ASSERT_TRUE(XInput(XClickAt(70 + ptSmall.x, 70 + ptSmall.y) + "key --delay 0 q"));
    PollFor(30000, 2, [&] { return IsWindowEnabled(program.Window()); });
    EXPECT_EQ(ScreenMismatches(true), 0) << "taking input before the fill was on the screen";
    Settle(500);
    ASSERT_TRUE(IsRunning()) << "Q made during the fill quit the program";
    EXPECT_EQ(ScreenMismatches(true), 0);

    // Clicks on the middle, which the wave has passed 50 ms in, and a corner, and Q.
    std::vector<uint8_t> blank = page;
    ASSERT_TRUE(XInput(StartWork(false) + "sleep 0.05 " + XClickAt(70 + W / 2, 70 + H / 2) +
                       XClickAt(75, 75) + "key --delay 0 q"));
    WaitForFillToEnd(program.Window());
    Settle(500);
    ASSERT_TRUE(IsRunning()) << "Q made during the clear quit the program";
    page = blank;
    EXPECT_EQ(ScreenMismatches(false), 0);

    // While the print dialog is up, a click on the page and Q belong to the dialog or to
    // nobody; when it goes, by Cancel or by OK, nothing of them reaches the page.
    for (int idButton : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(idButton == IDOK ? "printing" : "cancelled printing");
        ASSERT_TRUE(idButton == IDCANCEL || !Env("TW_CUPS_OUT").empty()) << "no PDF printer";
        Click(318 + 40, 12 + 22);
        HWND hDlg = WaitForPrintDialog(program.dwProcessId);
        ASSERT_NE(hDlg, (HWND)NULL);
        RECT rcDlg;
        GetWindowRect(hDlg, &rcDlg);
        POINT ptClick = {75, 75};
        ptClick.y = PtInRect(&rcDlg, ptClick) ? 520 : 75;
        ASSERT_TRUE(XInput(XClickAt(ptClick.x, ptClick.y) + "key --delay 0 q"));
        Settle(300);
        ASSERT_EQ(FindPrintDialog(program.dwProcessId), hDlg);
        PostMessageA(GetDlgItem(hDlg, idButton), BM_CLICK, 0, 0);
        PollFor(60000, 50, [&] {
            return !FindPrintDialog(program.dwProcessId) && IsWindowEnabled(program.Window());
        });
        Settle(500);
        ASSERT_TRUE(IsRunning());
        EXPECT_EQ(ScreenMismatches(false), 0);
    }
    EXPECT_TRUE(QuitAndRead() == page) << "the page file is not the page as it should be";
}

// A close request (a desktop's close button, an end-task) in the middle of a fill or a clear
// waits for it to finish; then the program ends cleanly, and, as for any close but Quit, the
// page file is left as it was.
class CloseDuringWork : public Busy, public testing::WithParamInterface<bool> {};

TEST_P(CloseDuringWork, IsHonouredOnceTheWorkIsDone) {
    std::vector<uint8_t> fileBefore = ReadFileBytes(PathIn(strDir, "BAT.TW3"));
    ASSERT_TRUE(XInput(StartWork(GetParam())));
    ASSERT_TRUE(WaitForBusy(program.Window()));
    HWND hWnd = program.Window();
    PostMessageA(hWnd, WM_CLOSE, 0, 0);
    // The work ends by enabling the window; only then may the window go.
    PollFor(30000, 1, [&] { return !IsWindow(hWnd) || IsWindowEnabled(hWnd); });
    EXPECT_TRUE(IsWindowEnabled(hWnd)) << "the window went in the middle of the work";
    DWORD dwCode = 1234;
    ASSERT_TRUE(program.WaitExit(15000, &dwCode));
    EXPECT_EQ(dwCode, 0u);
    EXPECT_TRUE(ReadFileBytes(PathIn(strDir, "BAT.TW3")) == fileBefore)
        << "the close saved the page";
}

INSTANTIATE_TEST_SUITE_P(Busy, CloseDuringWork, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Fill" : "Clear");
                         });

} // namespace
