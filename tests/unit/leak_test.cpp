// Painting and the colour buttons leave no GDI objects or memory behind, however often they run.
#include "pages/page.h"
#include "shell/app.h"
#include "shell/base/busy.h"
#include "shell/mainwnd.h"
#include "support/gdi_count.h"
#include "ui/controlbar.h"
#include <gtest/gtest.h>
#include <psapi.h>
#include <string>

namespace {

SIZE_T PrivateBytes() {
    PROCESS_MEMORY_COUNTERS_EX pmc = {};
    pmc.cb = sizeof(pmc);
    GetProcessMemoryInfo(GetCurrentProcess(), (PROCESS_MEMORY_COUNTERS*)&pmc, sizeof(pmc));
    return pmc.PrivateUsage;
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// The main window on the colouring screen with the bat page, as after leaving the intro.
class ColouringWindow : public testing::Test {
  protected:
    void SetUp() override {
        hWndMain = CreateWindowExA(0, "TWELLWIN3", "Tintwell 3", WS_POPUP, 0, 0, 800, 600, NULL,
                                   NULL, hInst, NULL);
        ASSERT_NE(hWndMain, (HWND)NULL);
        hbmTopBottom = LoadBitmapA(hInst, "TopBottomBorder");
        hbmLeftRight = LoadBitmapA(hInst, "LeftRightBorder");
        hbmDotPattern = LoadBitmapA(hInst, "DotPattern");
        hbmDotShadow = LoadBitmapA(hInst, "DotPatternShadow");
        hbmTitles = LoadBitmapA(hInst, "Titles");
        ASSERT_TRUE(AllocPageBuffers());
        ASSERT_TRUE(LoadPage((std::string(TW_ASSETS_DIR) + "\\BAT.TW3").c_str()));
        ShowWindow(hWndMain, SW_SHOWNA);
        Pump();
    }
    void TearDown() override {
        DestroyWindow(hWndMain); // runs the shutdown, which frees what the window loaded
        hWndMain = NULL;
        for (HBITMAP* lphbm : {&hbmTopBottom, &hbmLeftRight, &hbmDotShadow, &hbmTitles}) {
            DeleteObject(*lphbm);
            *lphbm = NULL;
        }
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            ;
        nScreenMode = MODE_INTRO_FIRST;
    }
    void PaintTimes(int nMode, int nTimes) {
        for (int i = 0; i < nTimes; i++) {
            nScreenMode = nMode;
            InvalidateRect(hWndMain, NULL, FALSE);
            UpdateWindow(hWndMain);
            Pump();
        }
    }
};

TEST_F(ColouringWindow, AThousandPaintsOfEitherScreenLeaveNothingBehind) {
    for (int nMode : {MODE_COLORING, MODE_INTRO}) {
        PaintTimes(nMode, 20); // anything made once, on first use, is made now
        int nObjects = CountGdiObjects();
        ASSERT_GT(nObjects, 0);
        SIZE_T cbBefore = PrivateBytes();
        PaintTimes(nMode, 1000);
        EXPECT_EQ(CountGdiObjects(), nObjects) << "screen mode " << nMode;
        EXPECT_LT(PrivateBytes(), cbBefore + 1024 * 1024) << "screen mode " << nMode;
    }
}

TEST_F(ColouringWindow, AThousandPalettePageChangesLeaveNothingBehind) {
    nScreenMode = MODE_COLORING;
    CreateControlBar(hWndMain);
    Pump();
    for (int i = 0; i < 16; i++) {
        SendMessageA(hWndMain, WM_COMMAND, IDC_PALETTE_FIRST + i % 8, 0);
        Pump();
    }
    int nObjects = CountGdiObjects();
    ASSERT_GT(nObjects, 0);
    SIZE_T cbBefore = PrivateBytes();
    for (int i = 0; i < 1000; i++) {
        SendMessageA(hWndMain, WM_COMMAND, IDC_PALETTE_FIRST + i % 8, 0);
        SendMessageA(hWndMain, WM_COMMAND, IDC_SWATCH_FIRST + i % 28, 0);
        Pump();
    }
    EXPECT_EQ(CountGdiObjects(), nObjects);
    EXPECT_LT(PrivateBytes(), cbBefore + 1024 * 1024);
}

} // namespace
