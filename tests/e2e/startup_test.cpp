// Starting, guarding and ending the real program.
#include "e2e/driver.h"
#include <gtest/gtest.h>
#include <string>

TEST(Startup, TheWindowIsAnUndecoratedPopupCoveringTheScreen) {
    CProgram program;
    ASSERT_TRUE(program.Start(MakeWorkDir()));
    HWND hWnd = program.WaitForWindow();
    ASSERT_NE(hWnd, (HWND)NULL);

    char szTitle[64];
    GetWindowTextA(hWnd, szTitle, sizeof(szTitle));
    EXPECT_STREQ(szTitle, "Tintwell 3");
    RECT rc;
    GetWindowRect(hWnd, &rc);
    EXPECT_EQ(rc.left, 0);
    EXPECT_EQ(rc.top, 0);
    EXPECT_EQ(rc.right - rc.left, 800);
    EXPECT_EQ(rc.bottom - rc.top, 600);
    LONG lStyle = GetWindowLongA(hWnd, GWL_STYLE);
    EXPECT_TRUE(lStyle & WS_POPUP);
    EXPECT_FALSE(lStyle & (WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_CHILD));
}

TEST(Startup, ASecondStartBringsBackTheFirstAndEndsWithoutAWindow) {
    std::string strDir = MakeWorkDir();
    CProgram first;
    ASSERT_TRUE(first.Start(strDir));
    HWND hWnd = first.WaitForWindow();
    ASSERT_NE(hWnd, (HWND)NULL);
    Settle(500);
    ShowWindow(hWnd, SW_MINIMIZE);
    EnableWindow(hWnd, FALSE);
    Settle(300);
    ASSERT_TRUE(IsIconic(hWnd));

    CProgram second;
    ASSERT_TRUE(second.Start(strDir));
    DWORD dwCode = 1234;
    ASSERT_TRUE(second.WaitExit(5000, &dwCode));
    EXPECT_EQ(dwCode, 0u);
    Settle(300);
    EXPECT_FALSE(IsIconic(hWnd));
    EXPECT_TRUE(IsWindowEnabled(hWnd));
    EXPECT_EQ(GetForegroundWindow(), hWnd);
    EXPECT_EQ(FindProgramWindows().size(), 1u);
}

TEST(Startup, AltF4EndsTheProgramWithCodeZeroAndWritesNoLog) {
    std::string strDir = MakeWorkDir();
    CProgram program;
    ASSERT_TRUE(program.StartColouring(strDir));
    PressKeyWith(VK_MENU, VK_F4);
    DWORD dwCode = 1234;
    ASSERT_TRUE(program.WaitExit(5000, &dwCode));
    EXPECT_EQ(dwCode, 0u);
    EXPECT_FALSE(FileExists(PathIn(strDir, "log.txt")));
    EXPECT_TRUE(FindProgramWindows().empty());
}

TEST(Startup, TheTraceBuildLogsTheFirstWindowOnASecondStart) {
    std::string strDir = MakeWorkDir();
    CProgram first;
    ASSERT_TRUE(first.Start(strDir, TraceProgramPath()));
    HWND hWnd = first.WaitForWindow();
    ASSERT_NE(hWnd, (HWND)NULL);
    Settle(300);

    CProgram second;
    ASSERT_TRUE(second.Start(strDir, TraceProgramPath()));
    DWORD dwCode = 1234;
    ASSERT_TRUE(second.WaitExit(5000, &dwCode));
    EXPECT_EQ(dwCode, 0u);

    std::vector<uint8_t> log = ReadFileBytes(PathIn(strDir, "log.txt"));
    std::string strLog(log.begin(), log.end());
    int nHandle = (int)HandleToLong(hWnd);
    std::string strExpected = "hOther " + std::to_string(nHandle) + "  hGlobal " +
                              std::to_string(nHandle);
    size_t nAt = strLog.find(strExpected);
    ASSERT_NE(nAt, std::string::npos) << strExpected << " not in\n" << strLog;
    EXPECT_TRUE(strLog.compare(nAt + strExpected.size(), 1, "\r") == 0 ||
                strLog.compare(nAt + strExpected.size(), 1, "\n") == 0); // the line ends there
}

TEST(Startup, AnotherProgramTakingTheFocusLeavesTheScreenAsItIs) {
    CProgram program;
    ASSERT_TRUE(program.StartColouring(MakeWorkDir()));
    HWND hOther = CreateWindowExA(0, "STATIC", "another program", WS_POPUP | WS_VISIBLE, 300, 300,
                                  100, 100, NULL, NULL, NULL, NULL);
    SetForegroundWindow(hOther);
    DWORD dwStart = GetTickCount();
    while (GetTickCount() - dwStart < 1000) {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(20);
    }
    EXPECT_NE(GetForegroundWindow(), program.Window());
    EXPECT_FALSE(IsIconic(program.Window()));
    EXPECT_TRUE(IsWindowVisible(program.Window()));
    DestroyWindow(hOther);
}
