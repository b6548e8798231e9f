// The Info screen and its two dialogs in the real program, worked with the mouse and keys:
// nesting, the print option and its file, and what the main window does meanwhile.
#include "e2e/driver.h"
#include <gtest/gtest.h>

namespace {

typedef std::vector<uint8_t> Bytes;

// The program's own dialogs: top-level dialog windows of the process without a caption.
std::vector<HWND> ProgramDialogs(DWORD dwProcessId) {
    std::vector<HWND> found;
    for (HWND hWnd : TopLevelWindows(dwProcessId))
        if (IsWindowVisible(hWnd) && ClassOf(hWnd) == "#32770" && GetWindowTextLengthA(hWnd) == 0 &&
            GetDlgItem(hWnd, 0xFFFF) == NULL)
            found.push_back(hWnd);
    return found;
}

// The dialog that has control id open, once there is one; null on time-out.
HWND WaitForDialogWith(DWORD dwProcessId, int id, DWORD dwTimeoutMs = 5000) {
    DWORD dwStart = GetTickCount();
    do {
        for (HWND hDlg : ProgramDialogs(dwProcessId))
            if (GetDlgItem(hDlg, id) != NULL && IsWindowEnabled(hDlg))
                return hDlg;
        Sleep(50);
    } while (GetTickCount() - dwStart < dwTimeoutMs);
    return NULL;
}

int WaitForNoDialogs(DWORD dwProcessId, DWORD dwTimeoutMs = 5000) {
    DWORD dwStart = GetTickCount();
    while (!ProgramDialogs(dwProcessId).empty()) {
        if (GetTickCount() - dwStart > dwTimeoutMs)
            return FALSE;
        Sleep(50);
    }
    return TRUE;
}

RECT ControlRect(HWND hDlg, int id) {
    RECT rc = {};
    GetWindowRect(GetDlgItem(hDlg, id), &rc);
    return rc;
}

POINT Centre(const RECT& rc) {
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

void ClickControl(HWND hDlg, int id) {
    POINT pt = Centre(ControlRect(hDlg, id));
    Click(pt.x, pt.y);
    Settle(300);
}

// A radio button is clicked on its circle, at its left end.
void ClickRadio(HWND hDlg, int id) {
    RECT rc = ControlRect(hDlg, id);
    Click(rc.left + 7, (rc.top + rc.bottom) / 2);
    Settle(300);
}

// How many pixels of the button differ from the bitmap. The button may be a pixel narrower than
// its bitmap when the system's dialog base units do not divide evenly.
int ButtonDifferences(const CScreen& screen, const CImage& image, const RECT& rc) {
    int n = 0;
    for (int y = 0; y < rc.bottom - rc.top && y < image.cy; y++)
        for (int x = 0; x < rc.right - rc.left && x < image.cx; x++)
            n += screen.At(rc.left + x, rc.top + y) != image.At(x, y);
    return n;
}

int IsChecked(HWND hDlg, int id) {
    return SendDlgItemMessageA(hDlg, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string Checks(HWND hDlg) {
    std::string str;
    for (int id = 112; id <= 114; id++)
        str += IsChecked(hDlg, id) ? '1' : '0';
    return str;
}

enum { ID_ABOUT = 110, ID_OPTIONS = 111, ID_DEFAULT = 112, ID_ALT1 = 113, ID_ALT2 = 114 };

class InfoScreen : public testing::Test {
  protected:
    void SetUp() override { strDir = MakeWorkDir(); }

    void WritePrintFile(const Bytes& bytes) {
        FILE* fp = fopen(PathIn(strDir, "printer.dta").c_str(), "wb");
        ASSERT_NE(fp, (FILE*)NULL);
        fwrite(bytes.data(), 1, bytes.size(), fp);
        fclose(fp);
    }
    Bytes PrintFile() { return ReadFileBytes(PathIn(strDir, "printer.dta")); }

    void Start() {
        ASSERT_TRUE(program.StartColouring(strDir));
        Settle(500);
    }
    // The Info button; returns the Info dialog.
    HWND OpenInfo() {
        Click(692 + 48, 12 + 22);
        return WaitForDialogWith(program.dwProcessId, ID_ABOUT);
    }
    HWND OpenOptions(HWND hInfo) {
        ClickControl(hInfo, ID_OPTIONS);
        return WaitForDialogWith(program.dwProcessId, ID_DEFAULT);
    }

    std::string strDir;
    CProgram program;
};

TEST_F(InfoScreen, AboutOpensOverInfoAndOkReturnsToInfo) {
    Start();
    HWND hInfo = OpenInfo();
    ASSERT_NE(hInfo, (HWND)NULL);
    EXPECT_FALSE(IsWindowEnabled(program.Window()));
    RECT rc;
    GetWindowRect(hInfo, &rc);
    int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    EXPECT_EQ(rc.left, (800 - cx) / 2);
    EXPECT_EQ(rc.top, (600 - cy) / 2);
    EXPECT_NEAR(cx, 360, 2);
    EXPECT_NEAR(cy, 360, 4);

    // The skin: the panel art above the first button, and the buttons' own art.
    CScreen screen;
    ASSERT_TRUE(screen.Grab());
    CImage panel, about;
    ASSERT_TRUE(panel.Load(ProgramPath(), "IntroBackGrd"));
    ASSERT_TRUE(about.Load(ProgramPath(), "AboutUp"));
    int nPanelWrong = 0;
    for (int y = 0; y < 60; y++)
        for (int x = 0; x < cx; x++)
            nPanelWrong += screen.At(rc.left + x, rc.top + y) != panel.At(x, y);
    EXPECT_EQ(nPanelWrong, 0);
    RECT rcAbout = ControlRect(hInfo, ID_ABOUT);
    EXPECT_EQ(ButtonDifferences(screen, about, rcAbout), 0);

    ClickControl(hInfo, ID_ABOUT);
    HWND hAbout = WaitForDialogWith(program.dwProcessId, 2501);
    ASSERT_NE(hAbout, (HWND)NULL);
    EXPECT_EQ(GetWindow(hAbout, GW_OWNER), hInfo);
    char szTitle[64] = "";
    GetDlgItemTextA(hAbout, 2501, szTitle, sizeof(szTitle));
    EXPECT_STREQ(szTitle, "Tintwell 3: Animals");
    ASSERT_TRUE(screen.Grab());
    CImage frame;
    ASSERT_TRUE(frame.Load(ProgramPath(), "AboutTextFrame"));
    RECT rcA;
    GetWindowRect(hAbout, &rcA);
    // The frame's bottom rows, below the texts and above the OK button.
    int nFrameWrong = 0;
    for (int y = 200; y < 250; y++)
        for (int x = 0; x < frame.cx; x++)
            nFrameWrong += screen.At(rcA.left + 18 + x, rcA.top + 20 + y) != frame.At(x, y);
    EXPECT_EQ(nFrameWrong, 0);

    ClickControl(hAbout, IDOK);
    EXPECT_FALSE(IsWindow(hAbout));
    EXPECT_TRUE(IsWindowVisible(hInfo));
    EXPECT_TRUE(IsWindowEnabled(hInfo));
    ClickControl(hInfo, IDOK); // Done
    EXPECT_TRUE(WaitForNoDialogs(program.dwProcessId));
    EXPECT_TRUE(IsWindowEnabled(program.Window()));
}

TEST_F(InfoScreen, EscapeAndDoneBothCloseInfoAndLetCommandsThroughAgain) {
    Start();
    HWND hInfo = OpenInfo();
    ASSERT_NE(hInfo, (HWND)NULL);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitForNoDialogs(program.dwProcessId));
    PressKey('I'); // the shortcut works again: the Info screen left nothing busy
    hInfo = WaitForDialogWith(program.dwProcessId, ID_ABOUT);
    ASSERT_NE(hInfo, (HWND)NULL);
    ClickControl(hInfo, IDOK);
    ASSERT_TRUE(WaitForNoDialogs(program.dwProcessId));
    hInfo = OpenInfo();
    ASSERT_NE(hInfo, (HWND)NULL);
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitForNoDialogs(program.dwProcessId));
}

TEST_F(InfoScreen, AFileHolding2ChecksAlternate2AndOkWritesTheNewChoice) {
    WritePrintFile({2, 0, 0, 0});
    Start();
    HWND hInfo = OpenInfo();
    ASSERT_NE(hInfo, (HWND)NULL);
    HWND hOptions = OpenOptions(hInfo);
    ASSERT_NE(hOptions, (HWND)NULL);
    EXPECT_EQ(GetWindow(hOptions, GW_OWNER), hInfo);
    EXPECT_EQ(Checks(hOptions), "001");
    ClickRadio(hOptions, ID_ALT1);
    EXPECT_EQ(Checks(hOptions), "010");
    EXPECT_EQ(PrintFile(), (Bytes{2, 0, 0, 0})); // nothing is written before OK
    ClickControl(hOptions, IDOK);
    EXPECT_FALSE(IsWindow(hOptions));
    EXPECT_EQ(PrintFile(), (Bytes{1, 0, 0, 0}));
    // Opened again, the dialog shows the choice the program now holds.
    hOptions = OpenOptions(hInfo);
    ASSERT_NE(hOptions, (HWND)NULL);
    EXPECT_EQ(Checks(hOptions), "010");
    PressKey(VK_ESCAPE);
    Settle(300);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitForNoDialogs(program.dwProcessId));
}

TEST_F(InfoScreen, EscapeLeavesThePrintOptionAndItsFileAlone) {
    WritePrintFile({0, 0, 0, 0, 9});
    Start();
    HWND hInfo = OpenInfo();
    ASSERT_NE(hInfo, (HWND)NULL);
    HWND hOptions = OpenOptions(hInfo);
    ASSERT_NE(hOptions, (HWND)NULL);
    ClickRadio(hOptions, ID_ALT2);
    EXPECT_EQ(Checks(hOptions), "001");
    PressKey(VK_ESCAPE);
    Settle(300);
    EXPECT_FALSE(IsWindow(hOptions));
    EXPECT_EQ(PrintFile(), (Bytes{0, 0, 0, 0, 9}));
    hOptions = OpenOptions(hInfo);
    ASSERT_NE(hOptions, (HWND)NULL);
    EXPECT_EQ(Checks(hOptions), "100");
    PressKey(VK_ESCAPE);
    Settle(300);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitForNoDialogs(program.dwProcessId));
}

TEST_F(InfoScreen, AFileHolding7ChecksNothingAndOkWritesItBack) {
    WritePrintFile({7, 0, 0, 0});
    Start();
    // The program has read the file; OK must create it anew.
    ASSERT_TRUE(DeleteFileA(PathIn(strDir, "printer.dta").c_str()));
    HWND hInfo = OpenInfo();
    ASSERT_NE(hInfo, (HWND)NULL);
    HWND hOptions = OpenOptions(hInfo);
    ASSERT_NE(hOptions, (HWND)NULL);
    EXPECT_EQ(Checks(hOptions), "000");
    ClickControl(hOptions, IDOK);
    EXPECT_EQ(PrintFile(), (Bytes{7, 0, 0, 0}));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitForNoDialogs(program.dwProcessId));
}

TEST_F(InfoScreen, TheFirstRunCreatesTheFileHoldingDefault) {
    ASSERT_FALSE(FileExists(PathIn(strDir, "printer.dta")));
    ASSERT_TRUE(program.Start(strDir));
    ASSERT_NE(program.WaitForWindow(), (HWND)NULL);
    Settle(500);
    EXPECT_FALSE(FileExists(PathIn(strDir, "printer.dta"))); // read when the intro is left
    PressKey(VK_RETURN);
    Settle(1000);
    EXPECT_EQ(PrintFile(), (Bytes{0, 0, 0, 0}));
    HWND hInfo = OpenInfo();
    ASSERT_NE(hInfo, (HWND)NULL);
    HWND hOptions = OpenOptions(hInfo);
    ASSERT_NE(hOptions, (HWND)NULL);
    EXPECT_EQ(Checks(hOptions), "100");
    PressKey(VK_ESCAPE);
    Settle(300);
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitForNoDialogs(program.dwProcessId));
}

TEST_F(InfoScreen, AClickOnThePageWhileInfoIsUpDoesNothing) {
    Start();
    std::vector<uint8_t> page = PageIndexes(PathIn(strDir, "BAT.TW3"));
    ASSERT_EQ(page.size(), 660u * 460u);
    // A blank page pixel left of the dialog, whose area a click would fill.
    POINT pt = {-1, -1};
    for (int y = 20; y < 440 && pt.x < 0; y += 7)
        for (int x = 10; x < 140 && pt.x < 0; x += 7)
            if (page[(size_t)y * 660 + x] == PIXEL_BLANK)
                pt = {x, y};
    ASSERT_GE(pt.x, 0);
    CScreen before;
    ASSERT_TRUE(before.Grab());

    HWND hInfo = OpenInfo();
    ASSERT_NE(hInfo, (HWND)NULL);
    Click(70 + pt.x, 70 + pt.y);
    Settle(800);
    EXPECT_TRUE(IsWindow(hInfo));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitForNoDialogs(program.dwProcessId));
    Settle(800);
    CScreen after;
    ASSERT_TRUE(after.Grab());
    int nChanged = 0;
    for (int y = 70; y < 530; y++)
        for (int x = 70; x < 730; x++)
            nChanged += before.At(x, y) != after.At(x, y);
    EXPECT_EQ(nChanged, 0);
}

TEST_F(InfoScreen, PressingAButtonAndReleasingOffItSendsNoCommand) {
    Start();
    HWND hInfo = OpenInfo();
    ASSERT_NE(hInfo, (HWND)NULL);
    RECT rcAbout = ControlRect(hInfo, ID_ABOUT);
    POINT pt = Centre(rcAbout);
    CImage up, down;
    ASSERT_TRUE(up.Load(ProgramPath(), "AboutUp"));
    ASSERT_TRUE(down.Load(ProgramPath(), "AboutDown"));
    MouseDown(pt.x, pt.y);
    Settle(300);
    CScreen screen;
    ASSERT_TRUE(screen.Grab());
    EXPECT_EQ(ButtonDifferences(screen, down, rcAbout), 0);
    MoveMouse(pt.x, rcAbout.bottom + 8); // off the button, still on the dialog
    Settle(300);
    MouseUp(pt.x, rcAbout.bottom + 8);
    Settle(800);
    ASSERT_TRUE(screen.Grab());
    EXPECT_EQ(ButtonDifferences(screen, up, rcAbout), 0);
    EXPECT_EQ(ProgramDialogs(program.dwProcessId).size(), 1u); // no About dialog came
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitForNoDialogs(program.dwProcessId));
}

} // namespace
