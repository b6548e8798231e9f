// The skinned dialogs run for real: Info, About and Printing Options, their fonts, the busy
// flag, nesting, and what happens when a template cannot be had.
#include "shell/app.h"
#include "shell/base/busy.h"
#include "shell/mainwnd.h"
#include "shell/base/seams.h"
#include "support/dialog_script.h"
#include "support/gdi_count.h"
#include "support/msgbox_observer.h"
#include "ui/dialog.h"
#include "ui/fontset.h"
#include "ui/printopt.h"
#include <gtest/gtest.h>
#include <string>

namespace {

RECT WindowRect(HWND hWnd) {
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    return rc;
}

HFONT ControlFont(HWND hDlg, int id) {
    return reinterpret_cast<HFONT>(SendDlgItemMessageA(hDlg, id, WM_GETFONT, 0, 0));
}

std::string ControlText(HWND hDlg, int id) {
    char sz[128] = "";
    GetDlgItemTextA(hDlg, id, sz, sizeof(sz));
    return sz;
}

// A plain function, not a lambda: the seam has the system's calling convention, which on the
// 32-bit target is not the C++ one.
HGLOBAL WINAPI NoGlobalMemory(UINT, SIZE_T) {
    return NULL;
}

// The program's hidden main window owns the dialogs, as in the running program.
class Dialogs : public testing::Test {
  protected:
    void SetUp() override {
        InitDialogTables();
        hWndMain = CreateWindowExA(0, "TWELLWIN3", "Tintwell 3", WS_POPUP, 0, 0, 800, 600, NULL,
                                   NULL, hInst, NULL);
        ASSERT_NE(hWndMain, (HWND)NULL);
        bBusy = 0;
    }
    void TearDown() override {
        Seam_GlobalAlloc = ::GlobalAlloc;
        if (IsWindow(hWndMain))
            DestroyWindow(hWndMain);
        hWndMain = NULL;
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            ;
    }
    INT_PTR RunInfo() { return RunDialog(hWndMain, DLG_INFO, InfoDlgProc, 0); }
};

TEST_F(Dialogs, InfoIsCentredTwicePixelsPerUnitAndBusyWhileOpen) {
    LONG lUnits = GetDialogBaseUnits();
    int bx = LOWORD(lUnits), by = HIWORD(lUnits);
    // The template carries 180 table units as dialog units of these base units...
    HGLOBAL hTemplate = BuildDialogTemplate(DLG_INFO);
    ASSERT_NE(hTemplate, (HGLOBAL)NULL);
    const DLGTEMPLATE* lpdt = static_cast<const DLGTEMPLATE*>(hTemplate);
    EXPECT_EQ(lpdt->cx, 180 * 8 / bx);
    EXPECT_EQ(lpdt->cy, 180 * 16 / by);
    RECT rcUnits = {0, 0, lpdt->cx, lpdt->cy};
    GlobalFree(hTemplate);
    // ...which the dialog manager turns back into pixels its own way: the window has the size it
    // gives, about two pixels a unit, and is centred.
    RECT rc = {};
    int bBusyInside = 0;
    CDialogScript script;
    script.Then([&](HWND hDlg) {
        rc = WindowRect(hDlg);
        MapDialogRect(hDlg, &rcUnits);
        bBusyInside = bBusy;
        EXPECT_FALSE(IsWindowEnabled(hWndMain));
        EXPECT_EQ(GetWindow(hDlg, GW_OWNER), hWndMain);
        PressDialogButton(hDlg, IDOK);
    });
    EXPECT_EQ(RunInfo(), IDOK);
    ASSERT_TRUE(script.Finished());
    EXPECT_EQ(bBusyInside, 1);
    EXPECT_EQ(bBusy, 0);
    int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    EXPECT_EQ(cx, rcUnits.right);
    EXPECT_EQ(cy, rcUnits.bottom);
    EXPECT_NEAR(cx, 360, bx / 4 + 1);
    EXPECT_NEAR(cy, 360, by / 8 + 1);
    EXPECT_EQ(rc.left, (800 - cx) / 2);
    EXPECT_EQ(rc.top, (600 - cy) / 2);
    if (bx == 8 && by == 16) {
        EXPECT_EQ(rc.left, 220);
        EXPECT_EQ(rc.top, 120);
        EXPECT_EQ(cx, 360);
    }
}

TEST_F(Dialogs, EscapeClosesInfoAndClearsBusyLikeDone) {
    CDialogScript script;
    script.Then([](HWND hDlg) { PressDialogKey(hDlg, VK_ESCAPE); });
    EXPECT_EQ(RunInfo(), IDCANCEL);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(bBusy, 0);
    EXPECT_TRUE(IsWindowEnabled(hWndMain));
}

TEST_F(Dialogs, AboutAndPrintingOptionsOpenOverInfoAndReturnToIt) {
    HWND hInfo = NULL, hAbout = NULL, hOptions = NULL;
    int bBusyInAbout = 0;
    CDialogScript script;
    script
        .Then([&](HWND hDlg) {
            hInfo = hDlg;
            PressDialogButton(hDlg, IDC_ABOUT);
        })
        .Then([&](HWND hDlg) {
            hAbout = hDlg;
            bBusyInAbout = bBusy;
            EXPECT_EQ(GetWindow(hDlg, GW_OWNER), hInfo);
            EXPECT_FALSE(IsWindowEnabled(hInfo));
            PressDialogButton(hDlg, IDOK);
        })
        .Then([&](HWND hDlg) {
            EXPECT_EQ(hDlg, hInfo);
            EXPECT_TRUE(IsWindowEnabled(hInfo));
            PressDialogButton(hDlg, IDC_PRINTOPTIONS);
        })
        .Then([&](HWND hDlg) {
            hOptions = hDlg;
            EXPECT_EQ(GetWindow(hDlg, GW_OWNER), hInfo);
            PressDialogKey(hDlg, VK_ESCAPE);
        })
        .Then([&](HWND hDlg) {
            EXPECT_EQ(hDlg, hInfo);
            EXPECT_EQ(bBusy, 1); // the nested dialogs leave the Info screen's flag alone
            PressDialogButton(hDlg, IDOK);
        });
    EXPECT_EQ(RunInfo(), IDOK);
    ASSERT_TRUE(script.Finished());
    EXPECT_EQ(script.Opened().size(), 3u);
    EXPECT_NE(hAbout, (HWND)NULL);
    EXPECT_NE(hOptions, (HWND)NULL);
    EXPECT_EQ(bBusyInAbout, 1);
    EXPECT_EQ(bBusy, 0);
}

TEST_F(Dialogs, AboutShowsTheIconAndItsTwoTextsInTheirFonts) {
    HICON hIcon = NULL;
    HFONT hTitleFont = NULL, hVersionFont = NULL;
    std::string strTitle, strVersion;
    RECT rc = {};
    CDialogScript script;
    script.Then([&](HWND hDlg) {
        hIcon =
            reinterpret_cast<HICON>(SendDlgItemMessageA(hDlg, IDC_ABOUTICON, STM_GETICON, 0, 0));
        hTitleFont = ControlFont(hDlg, IDC_ABOUTTITLE);
        hVersionFont = ControlFont(hDlg, IDC_ABOUTVERSION);
        strTitle = ControlText(hDlg, IDC_ABOUTTITLE);
        strVersion = ControlText(hDlg, IDC_ABOUTVERSION);
        rc = WindowRect(hDlg);
        PressDialogKey(hDlg, VK_RETURN);
    });
    EXPECT_EQ(RunDialog(hWndMain, DLG_ABOUT, AboutDlgProc, 0), IDOK);
    ASSERT_TRUE(script.Finished());
    EXPECT_NE(hIcon, (HICON)NULL);
    EXPECT_EQ(strTitle, "Tintwell 3: Animals");
    EXPECT_EQ(strVersion, "Version 4.21");
    EXPECT_EQ(hTitleFont, fsArialBold.GetFont(1));
    EXPECT_EQ(hVersionFont, fsArial.GetFont(0));
    EXPECT_EQ(rc.left, (800 - (rc.right - rc.left)) / 2);
    EXPECT_EQ(bBusy, 0); // About alone leaves the flag as it found it
}

TEST_F(Dialogs, InfoAndPrintingOptionsControlsGetTheTenPointBoldFont) {
    HFONT hInfoFont = NULL, hRadioFont = NULL, hOkFont = NULL;
    CDialogScript script;
    script
        .Then([&](HWND hDlg) {
            hInfoFont = ControlFont(hDlg, IDC_PRINTOPTIONS);
            PressDialogButton(hDlg, IDC_PRINTOPTIONS);
        })
        .Then([&](HWND hDlg) {
            hRadioFont = ControlFont(hDlg, IDC_PRINTALTERNATE2);
            hOkFont = ControlFont(hDlg, IDOK);
            PressDialogKey(hDlg, VK_ESCAPE);
        })
        .Then([](HWND hDlg) { PressDialogKey(hDlg, VK_ESCAPE); });
    RunInfo();
    ASSERT_TRUE(script.Finished());
    ASSERT_NE(fsArialBold.GetFont(1), (HFONT)NULL);
    EXPECT_EQ(hInfoFont, fsArialBold.GetFont(1));
    EXPECT_EQ(hRadioFont, fsArialBold.GetFont(1));
    EXPECT_EQ(hOkFont, fsArialBold.GetFont(1));
}

TEST_F(Dialogs, FontSetsHoldSevenSizesOfTheirFace) {
    const int heights[FONT_SLOTS] = {-11, -13, -15, -16, -24, -32, -48};
    for (int nSlot = 0; nSlot < FONT_SLOTS; nSlot++) {
        LOGFONTA lf = {};
        ASSERT_NE(fsArialBold.GetFont(nSlot), (HFONT)NULL);
        ASSERT_EQ(GetObjectA(fsArialBold.GetFont(nSlot), sizeof(lf), &lf), (int)sizeof(lf));
        EXPECT_EQ(lf.lfHeight, heights[nSlot]);
        EXPECT_EQ(lf.lfWeight, 0);
        EXPECT_STREQ(lf.lfFaceName, "arial bold");
        ASSERT_EQ(GetObjectA(fsArial.GetFont(nSlot), sizeof(lf), &lf), (int)sizeof(lf));
        EXPECT_STREQ(lf.lfFaceName, "arial");
    }
    EXPECT_EQ(fsArial.GetFont(-1), (HFONT)NULL);
    EXPECT_EQ(fsArial.GetFont(FONT_SLOTS), (HFONT)NULL);
    // A set deletes its fonts with itself.
    HFONT hFont;
    {
        FontSet set("arial");
        hFont = set.GetFont(3);
        EXPECT_EQ(GetObjectType(hFont), (DWORD)OBJ_FONT);
    }
    EXPECT_EQ(GetObjectType(hFont), 0u);
}

TEST_F(Dialogs, WithoutMemoryForTheTemplateTheOwnerIsToldAndNothingOpens) {
    Seam_GlobalAlloc = NoGlobalMemory;
    CMsgBoxObserver observer;
    CDialogScript script(2000);
    EXPECT_EQ(RunInfo(), 0);
    Seam_GlobalAlloc = ::GlobalAlloc;
    ASSERT_EQ(observer.Boxes().size(), 1u);
    const MsgBoxRecord& box = observer.Boxes()[0];
    EXPECT_EQ(box.strText, "Insufficient memory.");
    EXPECT_EQ(box.strCaption, "Tintwell");
    EXPECT_EQ(box.hOwner, hWndMain);
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    EXPECT_EQ(box.nIcon, ICON_NONE);
    EXPECT_TRUE(script.Opened().empty());
    EXPECT_EQ(bBusy, 0);
}

// Opens Info, visits About and Printing Options from it and closes it again; every dialog
// paints its skin and buttons before it closes.
void OpenAllThree() {
    CDialogScript script;
    script
        .Then([](HWND hDlg) {
            UpdateWindow(hDlg);
            PressDialogButton(hDlg, IDC_ABOUT);
        })
        .Then([](HWND hDlg) {
            UpdateWindow(hDlg);
            PressDialogButton(hDlg, IDOK);
        })
        .Then([](HWND hDlg) { PressDialogButton(hDlg, IDC_PRINTOPTIONS); })
        .Then([](HWND hDlg) {
            UpdateWindow(hDlg);
            PressDialogKey(hDlg, VK_ESCAPE);
        })
        .Then([](HWND hDlg) { PressDialogButton(hDlg, IDOK); });
    RunDialog(hWndMain, DLG_INFO, InfoDlgProc, 0);
    EXPECT_TRUE(script.Finished());
}

// The system keeps caches of its own for painting windows (a few dozen DCs, bitmaps and
// brushes at most) that it fills as dialogs paint and trims on a timer, so the count moves by
// that much either way; a leak of ours would add at least one object per opening.
const int SYSTEM_CACHE_SLACK = 50;

TEST_F(Dialogs, AHundredOpeningsLeaveNoGraphicsObjectsBehind) {
    for (int i = 0; i < 3; i++)
        OpenAllThree();
    int nBefore = CountGdiObjects();
    ASSERT_GE(nBefore, 0);
    // The counter itself must see objects come and go.
    HBITMAP hbm = CreateBitmap(4, 4, 1, 32, NULL);
    EXPECT_EQ(CountGdiObjects(), nBefore + 1);
    DeleteObject(hbm);

    for (int i = 0; i < 100; i++)
        OpenAllThree();
    EXPECT_LT(CountGdiObjects() - nBefore, SYSTEM_CACHE_SLACK);
}

} // namespace
