// Painting, the colour buttons and the dialogs leave no GDI objects behind, however often they
// run.
#include "pages/page.h"
#include "shell/base/seams.h"
#include "support/gdi_count.h"
#include "support/main_window.h"
#include "ui/controlbar.h"
#include "ui/dialog.h"
#include <string>

namespace {

void PaintBothScreens(int) {
    for (int nMode : {MODE_COLORING, MODE_INTRO}) {
        nScreenMode = nMode;
        InvalidateRect(hWndMain, NULL, FALSE);
        UpdateWindow(hWndMain);
        MainWindowTest::Pump();
    }
}

void ChooseColours(int nRound) {
    SendMessageA(hWndMain, WM_COMMAND, IDC_PALETTE_FIRST + nRound % 8, 0);
    SendMessageA(hWndMain, WM_COMMAND, IDC_SWATCH_FIRST + nRound % 28, 0);
    MainWindowTest::Pump();
}

// Info, About over it, back, Printing Options over it, back, done: on each tick of a thread timer
// the dialog on top (the one no other disables) is painted and its next button pressed.
const int DialogButtons[] = {IDC_ABOUT, IDOK, IDC_PRINTOPTIONS, IDCANCEL, IDOK};
int nPressed = 0;
BOOL CALLBACK PressTopDialog(HWND hWnd, LPARAM) {
    char szClass[8];
    GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (lstrcmpA(szClass, "#32770") != 0 || !IsWindowVisible(hWnd) || !IsWindowEnabled(hWnd))
        return TRUE;
    UpdateWindow(hWnd);
    if (nPressed < 5)
        PostMessageA(hWnd, WM_COMMAND, DialogButtons[nPressed++], 0);
    else
        EndDialog(hWnd, -1); // a button that did not do its part
    return FALSE;
}
void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), PressTopDialog, 0);
}
void OpenEveryDialog(int) {
    nPressed = 0;
    UINT_PTR idTimer = SetTimer(NULL, 0, 10, OnTick);
    EXPECT_EQ(RunDialog(hWndMain, DLG_INFO, InfoDlgProc, 0), IDOK);
    KillTimer(NULL, idTimer);
}

HRESULT WINAPI NoDirectDraw(GUID*, LPDIRECTDRAW*, IUnknown*) {
    return DDERR_GENERIC;
}

// Paints of both screens, colour choices and dialog openings: a round, how many, and the slack.
// The system keeps caches of its own for painting windows that it fills as dialogs paint and
// trims on a timer; a leak of ours adds at least one object a round, more than the slack.
const std::tuple<void (*)(int), int, int> Rounds[] = {
    {PaintBothScreens, 10, 0}, {ChooseColours, 10, 0}, {OpenEveryDialog, 10, 5}};

// The program started as usual, on the colouring screen with the bat page and the control bar.
class Repeated : public testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        Seam_DirectDrawCreate = NoDirectDraw;
        nScreenMode = MODE_COLORING;
        bBusy = 0;
        ASSERT_TRUE(InitInstance(hInst, SW_SHOWNA));
        ASSERT_TRUE(LoadPage((std::string(TW_ASSETS_DIR) + "\\BAT.TW3").c_str()));
        CreateControlBar(hWndMain);
        MainWindowTest::Pump();
    }
    void TearDown() override {
        DestroyWindow(hWndMain);
        MainWindowTest::Drain();
        Seam_DirectDrawCreate = ::DirectDrawCreate;
    }
};

TEST_P(Repeated, ManyRounds) {
    auto [lpfnRound, nRounds, nSlack] = Rounds[GetParam()];
    for (int i = 0; i < 3; i++)
        lpfnRound(i); // anything made once, on first use, is made now
    int nObjects = CountGdiObjects();
    ASSERT_GE(nObjects, 0) << "no count of GDI objects here: run these on the 64-bit image";
    for (int i = 0; i < nRounds; i++)
        lpfnRound(i);
    EXPECT_LE(CountGdiObjects() - nObjects, nSlack);
}
INSTANTIATE_TEST_SUITE_P(LeaveNoGdiObjectsBehind, Repeated, testing::Values(0, 1, 2));

} // namespace
