// The shell: start-up failures, input gates, colour selection, cursor, assertions and strings.
#include "shell/app.h"
#include "shell/base/diag.h"
#include "shell/base/busy.h"
#include "shell/mainwnd.h"
#include "shell/oneinstance.h"
#include "ui/controlbar.h"
#include "shell/base/seams.h"
#include "support/msgbox_observer.h"
#include <gtest/gtest.h>
#include <stdio.h>
#include <string>

namespace {

// A hidden main window of the program's class, as the tests' stand-in for the running program.
class MainWindow : public testing::Test {
  protected:
    void SetUp() override {
        hWndMain = CreateWindowExA(0, "TWELLWIN3", "Tintwell 3", WS_POPUP, 0, 0, 800, 600, NULL,
                                   NULL, hInst, NULL);
        ASSERT_NE(hWndMain, (HWND)NULL);
        nScreenMode = MODE_COLORING;
        bBusy = 0;
        idCurPalettePage = 2001;
        nPaletteBase = 28;
        idCurSwatch = 2008;
        nCurColour = 29;
    }
    void TearDown() override {
        if (IsWindow(hWndMain))
            DestroyWindow(hWndMain);
        hWndMain = NULL;
        DrainQueue();
    }
    // Takes every queued message without dispatching it; returns the commands that were posted.
    std::vector<int> DrainQueue() {
        std::vector<int> commands;
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            if (msg.message == WM_COMMAND)
                commands.push_back(LOWORD(msg.wParam));
        return commands;
    }
    int QuitPosted(WPARAM* lpwExit) {
        MSG msg;
        if (!PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE))
            return FALSE;
        *lpwExit = msg.wParam;
        return TRUE;
    }
    void Command(int id) { SendMessageA(hWndMain, WM_COMMAND, id, 0); }
};

TEST_F(MainWindow, ColourSelectionFollowsPalettePageAndSwatch) {
    Command(2000);
    Command(2008);
    EXPECT_EQ(nCurColour, 1);
    Command(2007);
    Command(2035);
    EXPECT_EQ(nCurColour, 224);
    EXPECT_EQ(nPaletteBase, 196);

    Command(2001);
    Command(2010);
    EXPECT_EQ(nCurColour, 31);
    Command(2003); // the same position on the new page
    EXPECT_EQ(nCurColour, 87);
    EXPECT_EQ(idCurSwatch, 2010);
    EXPECT_EQ(idCurPalettePage, 2003);
    Command(2003); // choosing the selected page again changes nothing
    Command(2010);
    EXPECT_EQ(nCurColour, 87);
}

TEST_F(MainWindow, BusyIgnoresCommandsCharsClicksAndMouseMoves) {
    bBusy = 1;
    hCurCursor = hArrowCursor;
    Command(2000);
    EXPECT_EQ(nCurColour, 29);
    SendMessageA(hWndMain, WM_CHAR, 'q', 0);
    SendMessageA(hWndMain, WM_MOUSEMOVE, 0, MAKELPARAM(300, 300));
    EXPECT_EQ(hCurCursor, hArrowCursor);
    EXPECT_TRUE(DrainQueue().empty());
    bBusy = 0;
    SendMessageA(hWndMain, WM_MOUSEMOVE, 0, MAKELPARAM(300, 300));
    EXPECT_EQ(hCurCursor, hEditCursor);
}

TEST_F(MainWindow, LetterShortcutsWorkOnlyOnTheColouringScreen) {
    nScreenMode = MODE_INTRO;
    for (char ch : std::string("cCiIpPqQ"))
        SendMessageA(hWndMain, WM_CHAR, ch, 0);
    EXPECT_TRUE(DrainQueue().empty());

    nScreenMode = MODE_COLORING;
    for (char ch : std::string("cIpQx"))
        SendMessageA(hWndMain, WM_CHAR, ch, 0);
    EXPECT_EQ(DrainQueue(), (std::vector<int>{IDC_CLEAR, IDC_INFO, IDC_PRINT, IDC_QUIT}));
}

TEST_F(MainWindow, PageKeysOnColouringScreenEnterAndSpaceOnIntro) {
    for (WPARAM vk : {VK_NEXT, VK_DOWN, VK_PRIOR, VK_UP, VK_RETURN, VK_SPACE})
        SendMessageA(hWndMain, WM_KEYDOWN, vk, 0);
    EXPECT_EQ(DrainQueue(), (std::vector<int>{IDC_DOWN, IDC_DOWN, IDC_UP, IDC_UP}));

    nScreenMode = MODE_INTRO;
    for (WPARAM vk : {VK_NEXT, VK_UP, VK_RETURN, VK_SPACE})
        SendMessageA(hWndMain, WM_KEYDOWN, vk, 0);
    EXPECT_EQ(DrainQueue(), (std::vector<int>{IDC_INTROOK, IDC_INTROOK}));
}

TEST_F(MainWindow, KeyEchoHoldsTheButtonDownBeforeTheCommand) {
    DWORD dwStart = GetTickCount();
    SendMessageA(hWndMain, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_GE(GetTickCount() - dwStart, 125u);
    dwStart = GetTickCount();
    SendMessageA(hWndMain, WM_CHAR, 'q', 0); // Quit waits a second time
    EXPECT_GE(GetTickCount() - dwStart, 250u);
}

TEST_F(MainWindow, IntroOkLeavesTheIntroWithTheWindowDisabled) {
    nScreenMode = MODE_INTRO;
    bBusy = 0;
    Command(IDC_INTROOK);
    EXPECT_EQ(nScreenMode, MODE_INTRO_CLOSING);
    EXPECT_FALSE(IsWindowEnabled(hWndMain));
}

TEST_F(MainWindow, CursorIsTheCrayonExactlyOverThePage) {
    struct {
        int x, y;
        bool bOverPage;
    } const cases[] = {{729, 300, true}, {730, 300, false}, {70, 70, true},   {69, 300, false},
                       {300, 69, false}, {300, 529, true},  {300, 530, false}};
    for (const auto& c : cases) {
        UpdateCursor(MAKELPARAM(c.x, c.y));
        EXPECT_EQ(hCurCursor, c.bOverPage ? hEditCursor : hArrowCursor) << c.x << "," << c.y;
        EXPECT_EQ(ptMouse.x, c.x);
    }
    nScreenMode = MODE_INTRO;
    hCurCursor = hArrowCursor;
    UpdateCursor(MAKELPARAM(300, 300));
    EXPECT_EQ(hCurCursor, hArrowCursor);
}

TEST_F(MainWindow, AssertionTextIsExactAndOkGoesOn) {
    CMsgBoxObserver observer;
    AssertFail("DeleteObject ( HBMSave )", "Drawbrdr", 97);
    ASSERT_EQ(observer.Boxes().size(), 1u);
    const MsgBoxRecord& box = observer.Boxes()[0];
    EXPECT_EQ(box.strText,
              "at line 97 in file Drawbrdr: \"DeleteObject ( HBMSave )\": OK to continue.");
    EXPECT_EQ(box.strCaption, "ASSERTION FAILURE");
    EXPECT_EQ(box.nIcon, ICON_HAND);
    EXPECT_EQ(box.buttons, (std::vector<int>{IDOK, IDCANCEL}));
    EXPECT_TRUE(IsWindow(hWndMain));
    WPARAM wExit;
    EXPECT_FALSE(QuitPosted(&wExit));
}

TEST_F(MainWindow, AssertionCancelEndsTheProgramThroughShutdown) {
    CMsgBoxObserver observer;
    observer.QueueAnswer(IDCANCEL);
    std::string strLong(300, 'x'); // the text is never cut short
    AssertFail(strLong.c_str(), "Gmem", 20);
    ASSERT_EQ(observer.Boxes().size(), 1u);
    EXPECT_EQ(observer.Boxes()[0].strText,
              "at line 20 in file Gmem: \"" + strLong + "\": OK to continue.");
    EXPECT_FALSE(IsWindow(hWndMain));
    WPARAM wExit = 99;
    EXPECT_TRUE(QuitPosted(&wExit));
    EXPECT_EQ(wExit, 0u);
}

TEST_F(MainWindow, LowMemoryHandlerAsksRetryOrCancel) {
    CMsgBoxObserver observer;
    observer.QueueAnswer(IDRETRY);
    observer.QueueAnswer(IDCANCEL);
    EXPECT_TRUE(LowMemoryHandler(303600));
    EXPECT_FALSE(LowMemoryHandler(303600));
    ASSERT_EQ(observer.Boxes().size(), 2u);
    const MsgBoxRecord& box = observer.Boxes()[0];
    EXPECT_EQ(box.strText, "There is not enough memory to play this game.");
    EXPECT_EQ(box.strCaption, "Error");
    EXPECT_EQ(box.nIcon, ICON_NONE);
    EXPECT_EQ(box.buttons, (std::vector<int>{IDRETRY, IDCANCEL}));
    EXPECT_EQ(box.hOwner, hWndMain);
}

// Start-up with a timer that cannot be created.
class TimerFailure : public MainWindow {
  protected:
    static UINT_PTR WINAPI NoTimer(HWND, UINT_PTR, UINT, TIMERPROC) { return 0; }
    void SetUp() override {
        Seam_SetTimer = NoTimer;
        hWndMain = NULL;
    }
    void TearDown() override {
        Seam_SetTimer = ::SetTimer;
        MainWindow::TearDown();
    }
};

TEST_F(TimerFailure, ShowsOneBoxRestoresTheDisplayAndEndsWithZero) {
    CMsgBoxObserver observer;
    EXPECT_FALSE(InitInstance(hInst, SW_HIDE));
    ASSERT_EQ(observer.Boxes().size(), 1u);
    const MsgBoxRecord& box = observer.Boxes()[0];
    EXPECT_EQ(box.strText, "Could not start timer.");
    EXPECT_EQ(box.strCaption, "Start Up");
    EXPECT_EQ(box.nIcon, ICON_EXCLAMATION);
    EXPECT_EQ(box.buttons, (std::vector<int>{IDOK}));
    EXPECT_EQ(lpDD, (IDirectDraw*)NULL); // the display mode was given back
    EXPECT_FALSE(IsWindowVisible(hWndMain));
    WPARAM wExit = 99;
    EXPECT_TRUE(QuitPosted(&wExit));
    EXPECT_EQ(wExit, 0u);
}

// Start-up when the page buffers cannot be had.
class NoMemory : public MainWindow {
  protected:
    static HGLOBAL WINAPI NoGlobalMemory(UINT, SIZE_T) {
        nAllocations++;
        return NULL;
    }
    void SetUp() override {
        Seam_GlobalAlloc = NoGlobalMemory;
        nAllocations = 0;
        hWndMain = NULL;
    }
    void TearDown() override {
        Seam_GlobalAlloc = ::GlobalAlloc;
        LeaveFullScreen();
        MainWindow::TearDown();
    }
    static int nAllocations;
};
int NoMemory::nAllocations = 0;

TEST_F(NoMemory, RetryTriesAgainAndCancelEndsStartUpWithoutShowingTheWindow) {
    CMsgBoxObserver observer;
    observer.QueueAnswer(IDRETRY);
    observer.QueueAnswer(IDRETRY);
    observer.QueueAnswer(IDCANCEL);
    observer.QueueAnswer(IDOK); // the assertion box that names the buffer
    EXPECT_FALSE(InitInstance(hInst, SW_SHOW));
    EXPECT_EQ(nAllocations, 3); // the first try and one for each Retry
    ASSERT_EQ(observer.Boxes().size(), 4u);
    EXPECT_EQ(observer.Boxes()[2].strText, "There is not enough memory to play this game.");
    EXPECT_EQ(observer.Boxes()[3].strText, "at line 20 in file Gmem: \"lpDib\": OK to continue.");
    EXPECT_FALSE(IsWindowVisible(hWndMain));
}

TEST(Strings, TheWholeTableLoads) {
    EXPECT_STREQ(LoadResString(1, 0), "Start Up");
    EXPECT_STREQ(LoadResString(2, 1), "Could not start timer.");
    EXPECT_STREQ(LoadResString(5, 0), "Tintwell");
    EXPECT_STREQ(LoadResString(7, 0), "This is not a coloring book page.");
    EXPECT_STREQ(LoadResString(8, 0), "The file %s is missing.");
    EXPECT_STREQ(LoadResString(9, 1),
                 "All of the coloring book pages are missing or damaged. The program is unusable.");
    // The two slots hold two texts at once, as a box's text and caption.
    char* lpszText = LoadResString(7, 0);
    char* lpszCaption = LoadResString(5, 1);
    EXPECT_STREQ(lpszText, "This is not a coloring book page.");
    EXPECT_STREQ(lpszCaption, "Tintwell");
}

HANDLE WINAPI NoMutex(LPSECURITY_ATTRIBUTES, BOOL, LPCSTR) {
    SetLastError(ERROR_ACCESS_DENIED);
    return NULL;
}

TEST(SingleInstance, WithoutAMutexTheProgramRunsUnguarded) {
    Seam_CreateMutexA = NoMutex;
    COneInstance guard;
    EXPECT_TRUE(guard.IsFirst("TWELLWIN3S-test-no-mutex"));
    EXPECT_EQ(guard.hMutexOneInstance, (HANDLE)NULL);
    Seam_CreateMutexA = ::CreateMutexA;
}

TEST(SingleInstance, MutexNameIsTheClassNameWithTheFixedSuffix) {
    char szName[64];
    BuildMutexName(szName, sizeof(szName));
    EXPECT_STREQ(szName, "TWELLWIN3S-0b0f3aac-dfa8-11d9-947a-00e08161165f");
    EXPECT_EQ(strlen(szName), 47u);
}

TEST(Trace, IsOffAndWritesNothingThenWritesStampedLinesWhenOn) {
    DeleteFileA("log.txt");
    EXPECT_EQ(DebugLog("hOther %i  hGlobal %i", 5, 5), 1);
    EXPECT_EQ(GetFileAttributesA("log.txt"), INVALID_FILE_ATTRIBUTES);

    bLogOn = 1;
    EXPECT_EQ(DebugLog("hOther %i  hGlobal %i", 5, 5), 1);
    bLogOn = 0;
    FILE* fp = fopen("log.txt", "r");
    ASSERT_NE(fp, (FILE*)NULL);
    char szLine[128] = "";
    fgets(szLine, sizeof(szLine), fp);
    fclose(fp);
    DeleteFileA("log.txt");
    int nStamp = -1, nChars = 0;
    ASSERT_EQ(sscanf(szLine, "%i:  %n", &nStamp, &nChars), 1);
    EXPECT_STREQ(szLine + nChars, "hOther 5  hGlobal 5\n");
    EXPECT_NEAR(nStamp, (int)(timeGetTime() / 100), 5);
}

} // namespace
