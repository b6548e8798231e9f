// The shell: the display mode, the ways out of the program and the start-up failures.
#include "shell/base/diag.h"
#include "shell/base/seams.h"
#include "support/main_window.h"
#include "ui/controlbar.h"
#include <deque>
#include <string>

namespace {

// A display that records the calls that switch its mode: the only four filled in of the 23 methods
// of DirectDraw's first interface, in their places in its table.
std::vector<std::string> DisplayCalls;
struct FakeDisplay {
    static HRESULT Log(const std::string& str) { return DisplayCalls.push_back(str), DD_OK; }
    static ULONG WINAPI Release(IDirectDraw*) { return Log("Release"); }
    static HRESULT WINAPI RestoreDisplayMode(IDirectDraw*) { return Log("RestoreDisplayMode"); }
    static HRESULT WINAPI SetCooperativeLevel(IDirectDraw*, HWND, DWORD dwFlags) {
        return Log("Level " + std::to_string(dwFlags));
    }
    static HRESULT WINAPI SetDisplayMode(IDirectDraw*, DWORD cx, DWORD cy, DWORD nBits) {
        return Log(std::to_string(cx) + "x" + std::to_string(cy) + "x" + std::to_string(nBits));
    }
    static HRESULT WINAPI Create(GUID*, LPDIRECTDRAW* lplpDD, IUnknown*) {
        static void* Table[23] = {};
        static void** lpTable = Table; // where a COM object keeps its method table
        Table[2] = (void*)Release;
        Table[19] = (void*)RestoreDisplayMode;
        Table[20] = (void*)SetCooperativeLevel;
        Table[21] = (void*)SetDisplayMode;
        *lplpDD = reinterpret_cast<IDirectDraw*>(&lpTable);
        return DD_OK;
    }
};

UINT_PTR WINAPI NoTimer(HWND, UINT_PTR, UINT, TIMERPROC) {
    return 0;
}
int nAllocations = 0;
HGLOBAL WINAPI NoGlobalMemory(UINT, SIZE_T) {
    return nAllocations++, (HGLOBAL)NULL;
}

// The message boxes shown on this thread, as "caption: text", each answered with the next of
// the answers queued, else OK.
std::vector<std::string> Boxes;
std::deque<int> Answers;
LRESULT CALLBACK OnBox(int nCode, WPARAM wParam, LPARAM lParam) {
    HWND hBox = (HWND)wParam;
    char szCaption[64] = "", szText[512] = "";
    if (nCode == HCBT_ACTIVATE && GetDlgItemTextA(hBox, 0xFFFF, szText, sizeof(szText)) > 0) {
        GetWindowTextA(hBox, szCaption, sizeof(szCaption));
        Boxes.push_back(std::string(szCaption) + ": " + szText);
        int idAnswer = Answers.empty() ? IDOK : Answers.front();
        if (!Answers.empty())
            Answers.pop_front();
        PostMessageA(hBox, WM_COMMAND, idAnswer, 0);
    }
    return CallNextHookEx(NULL, nCode, wParam, lParam);
}
const std::vector<std::string> ModeAskedAndGivenBack = {
    "Level " + std::to_string(DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN), "800x600x32",
    "RestoreDisplayMode", "Release"};

// The program's window with the display switched through the fake, as at start-up, and the
// message boxes watched.
class Program : public MainWindowTest {
  protected:
    void SetUp() override {
        DisplayCalls.clear();
        Boxes.clear();
        hHook = SetWindowsHookExA(WH_CBT, OnBox, NULL, GetCurrentThreadId());
        MainWindowTest::SetUp();
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        UnhookWindowsHookEx(hHook);
    }
    HHOOK hHook = NULL;
    CSeam<decltype(Seam_DirectDrawCreate)> seam{Seam_DirectDrawCreate, FakeDisplay::Create};
};

// The buttons sent the pressed state on this thread, by their identifiers.
std::vector<int> Pressed;
LRESULT CALLBACK OnPressed(int nCode, WPARAM wParam, LPARAM lParam) {
    const CWPSTRUCT* lpMsg = (const CWPSTRUCT*)lParam;
    if (nCode == HC_ACTION && lpMsg->message == BM_SETSTATE && lpMsg->wParam)
        Pressed.push_back(GetDlgCtrlID(lpMsg->hwnd));
    return CallNextHookEx(NULL, nCode, wParam, lParam);
}

// The keys: letters only on the colouring screen, where each key's button is seen held down for a
// moment before its command; Enter and Space only leave the intro.
TEST_F(MainWindowTest, KeysGiveTheirCommandsOnTheirScreenOnly) {
    const struct {
        int nMode;
        std::vector<std::pair<UINT, WPARAM>> keys;
        std::vector<int> commands;
    } Rows[] = {
        {MODE_INTRO,
         {{WM_CHAR, 'c'},
          {WM_CHAR, 'I'},
          {WM_CHAR, 'p'},
          {WM_CHAR, 'Q'},
          {WM_KEYDOWN, VK_NEXT},
          {WM_KEYDOWN, VK_UP},
          {WM_KEYDOWN, VK_RETURN},
          {WM_KEYDOWN, VK_SPACE}},
         {IDC_INTROOK, IDC_INTROOK}},
        {MODE_COLORING,
         {{WM_CHAR, 'c'},
          {WM_CHAR, 'I'},
          {WM_CHAR, 'p'},
          {WM_CHAR, 'x'},
          {WM_KEYDOWN, VK_NEXT},
          {WM_KEYDOWN, VK_DOWN},
          {WM_KEYDOWN, VK_PRIOR},
          {WM_KEYDOWN, VK_UP},
          {WM_KEYDOWN, VK_RETURN},
          {WM_KEYDOWN, VK_SPACE}},
         {IDC_CLEAR, IDC_INFO, IDC_PRINT, IDC_DOWN, IDC_DOWN, IDC_UP, IDC_UP}},
    };
    CreateIntroButtons(hWndMain);
    CreateControlBar(hWndMain);
    HHOOK hHook = SetWindowsHookExA(WH_CALLWNDPROC, OnPressed, NULL, GetCurrentThreadId());
    for (const auto& row : Rows) {
        nScreenMode = row.nMode;
        Pressed.clear();
        DWORD dwStart = GetTickCount();
        for (auto key : row.keys)
            SendMessageA(hWndMain, key.first, key.second, 0);
        DWORD dwTook = GetTickCount() - dwStart;
        std::vector<int> commands;
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            if (msg.message == WM_COMMAND)
                commands.push_back(LOWORD(msg.wParam));
        EXPECT_EQ(commands, row.commands) << "screen " << row.nMode;
        EXPECT_EQ(Pressed, row.commands) << "the buttons held down, screen " << row.nMode;
        EXPECT_TRUE(row.nMode != MODE_COLORING || dwTook >= 125u * row.commands.size())
            << "no button held down before its command: " << dwTook << " ms";
    }
    UnhookWindowsHookEx(hHook);
    DestroyIntroButtons();
    DeleteControlBarBitmaps();
}

class WaysOut : public Program, public testing::WithParamInterface<int> {};

TEST_P(WaysOut, EndTheProgramAndGiveTheDisplayModeBack) {
    ASSERT_TRUE(EnterFullScreen());
    if (GetParam() == 'Q')
        SendMessageA(hWndMain, WM_CHAR, 'q', 0);
    if (GetParam() == VK_F4)
        PostMessageA(hWndMain, WM_SYSKEYDOWN, VK_F4, 1 | KF_ALTDOWN << 16);
    if (GetParam() == IDCANCEL) {
        AssertFail("DeleteObject ( HBMSave )", "Drawbrdr", 97); // OK goes on
        EXPECT_FALSE(Pump());
        Answers = {IDCANCEL};
        std::string strLong(300, 'x'); // the text is never cut short
        AssertFail(strLong.c_str(), "Gmem", 20);
        EXPECT_EQ(Boxes, (std::vector<std::string>{
                             "ASSERTION FAILURE: at line 97 in file Drawbrdr: \"DeleteObject ( "
                             "HBMSave )\": OK to continue.",
                             "ASSERTION FAILURE: at line 20 in file Gmem: \"" + strLong +
                                 "\": OK to continue."}));
    }
    EXPECT_TRUE(Pump());
    EXPECT_FALSE(IsWindow(hWndMain));
    EXPECT_EQ(DisplayCalls, ModeAskedAndGivenBack);
}
INSTANTIATE_TEST_SUITE_P(QAltF4AndAssertionCancel, WaysOut, testing::Values('Q', VK_F4, IDCANCEL));

TEST_F(Program, WithoutATimerStartUpSaysSoGivesTheModeBackAndEnds) {
    DestroyWindow(hWndMain); // start-up makes its own
    Drain();
    CSeam<decltype(Seam_SetTimer)> seam{Seam_SetTimer, NoTimer};
    EXPECT_FALSE(InitInstance(hInst, SW_HIDE));
    EXPECT_EQ(Boxes, std::vector<std::string>{"Start Up: Could not start timer."});
    EXPECT_EQ(DisplayCalls, ModeAskedAndGivenBack);
    EXPECT_TRUE(Pump());
}

TEST_F(Program, WithoutPageMemoryRetryTriesAgainAndCancelEndsStartUpUnshown) {
    DestroyWindow(hWndMain); // start-up makes its own
    Drain();
    CSeam<decltype(Seam_GlobalAlloc)> seam{Seam_GlobalAlloc, NoGlobalMemory};
    nAllocations = 0;
    Answers = {IDRETRY, IDRETRY, IDCANCEL};
    EXPECT_FALSE(InitInstance(hInst, SW_SHOW));
    EXPECT_EQ(nAllocations, 3); // the first try and one for each Retry
    std::string strNoMemory = "Error: There is not enough memory to play this game.";
    EXPECT_EQ(Boxes,
              (std::vector<std::string>{
                  strNoMemory, strNoMemory, strNoMemory,
                  "ASSERTION FAILURE: at line 20 in file Gmem: \"lpDib\": OK to continue."}));
    EXPECT_FALSE(IsWindowVisible(hWndMain));
    LeaveFullScreen();
}

TEST_F(Program, TheCursorIsTheCrayonExactlyOverThePageOfTheColouringScreen) {
    struct {
        int x, y, nMode;
        bool bOverPage;
    } const rows[] = {{729, 300, MODE_COLORING, true},  {730, 300, MODE_COLORING, false},
                      {70, 70, MODE_COLORING, true},    {69, 300, MODE_COLORING, false},
                      {300, 69, MODE_COLORING, false},  {300, 529, MODE_COLORING, true},
                      {300, 530, MODE_COLORING, false}, {300, 300, MODE_INTRO, false}};
    for (const auto& row : rows) {
        nScreenMode = row.nMode;
        UpdateCursor(MAKELPARAM(row.x, row.y));
        EXPECT_EQ(hCurCursor, row.bOverPage ? hEditCursor : hArrowCursor) << row.x << "," << row.y;
    }
}

} // namespace
