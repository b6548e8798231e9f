// The Info dialog, the door to About and to the Printing Options, and the About dialog.
#include "ui/dialog.h"

#include "shell/base/busy.h"
#include "ui/fontset.h"
#include "ui/printopt.h"

static const SkinBitmap InfoBackground[] = {{"IntroBackGrd", 0, 0}};
static const SkinButton InfoButtons[] = {
    {IDC_DLGOK, "DoneBtnUp", "DoneBtnDown"},
    {IDC_ABOUT, "AboutUp", "AboutDown"},
    {IDC_PRINTOPTIONS, "PrintOptUp", "PrintOptDown"},
};
static const DlgSkin InfoSkin = {InfoBackground, 1, InfoButtons, 3};

static const SkinBitmap AboutBackground[] = {{"IntroBackGrd", 0, 0}, {"AboutTextFrame", 18, 20}};
static const SkinButton AboutButtons[] = {{IDC_DLGOK, "OKButtonUp", "OKButtonDown"}};
static const DlgSkin AboutSkin = {AboutBackground, 2, AboutButtons, 1};

// The Info screen keeps the main window's commands and clicks out while it is open.
static INT_PTR OnInfoInit(HWND hDlg) {
    CenterDialog(hDlg, DLG_INFO, 0);
    SetBusy(1);
    return TRUE;
}

static INT_PTR OnInfoCommand(HWND hDlg, WPARAM wParam) {
    switch (wParam) {
    case IDC_DLGOK:
    case IDC_DLGCANCEL:
        EndDialog(hDlg, static_cast<INT_PTR>(wParam));
        SetBusy(0);
        return TRUE;
    case IDC_ABOUT:
        RunDialog(hDlg, DLG_ABOUT, AboutDlgProc, 0);
        return TRUE;
    case IDC_PRINTOPTIONS:
        RunDialog(hDlg, DLG_PRINTOPTIONS, PrintOptionsDlgProc, 0);
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK InfoDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG:
        return OnInfoInit(hDlg);
    case WM_COMMAND:
        return OnInfoCommand(hDlg, wParam);
    }
    return SkinDlgMessage(InfoSkin, uMsg, wParam, lParam);
}

static INT_PTR OnAboutInit(HWND hDlg) {
    CenterDialog(hDlg, -1, 0);
    SendDlgItemMessageA(hDlg, IDC_ABOUTTITLE, WM_SETFONT,
                        reinterpret_cast<WPARAM>(fsArialBold.GetFont(1)), FALSE);
    SendDlgItemMessageA(hDlg, IDC_ABOUTVERSION, WM_SETFONT,
                        reinterpret_cast<WPARAM>(fsArial.GetFont(0)), FALSE);
    return TRUE;
}

INT_PTR CALLBACK AboutDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG:
        return OnAboutInit(hDlg);
    case WM_COMMAND:
        if (wParam == IDC_DLGOK || wParam == IDC_DLGCANCEL) {
            EndDialog(hDlg, static_cast<INT_PTR>(wParam));
            return TRUE;
        }
        return FALSE;
    }
    return SkinDlgMessage(AboutSkin, uMsg, wParam, lParam);
}
