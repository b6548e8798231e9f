// The Printing Options dialog and the file that remembers its choice.
#include "ui/printopt.h"

#include "shell/base/seams.h"
#include "ui/dialog.h"

int nPrintMode = 0;

static const char szPrintFile[] = "printer.dta";

// Open for reading and writing, keeping other writers out; created when missing.
static HFILE OpenPrintFile(int* lpbCreated) {
    *lpbCreated = FALSE;
    HFILE hf = _lopen(szPrintFile, OF_READWRITE | OF_SHARE_DENY_WRITE);
    if (hf == HFILE_ERROR) {
        hf = _lcreat(szPrintFile, 0);
        *lpbCreated = hf != HFILE_ERROR;
    }
    return hf;
}

static void WriteMode(HFILE hf) {
    BYTE bytes[PRINTOPT_FILE_BYTES];
    EncodePrintMode(nPrintMode, bytes);
    TW_PLATFORM(_lwrite)(hf, reinterpret_cast<LPCCH>(bytes), sizeof(bytes));
}

void LoadPrintMode() {
    nPrintMode = 0;
    int bCreated;
    HFILE hf = OpenPrintFile(&bCreated);
    if (hf == HFILE_ERROR)
        return;
    if (bCreated)
        WriteMode(hf);
    BYTE bytes[PRINTOPT_FILE_BYTES];
    _llseek(hf, 0, FILE_BEGIN);
    UINT cbRead = _lread(hf, bytes, sizeof(bytes));
    if (cbRead != static_cast<UINT>(HFILE_ERROR))
        nPrintMode = DecodePrintMode(bytes, cbRead);
    _lclose(hf);
}

void SavePrintMode() {
    int bCreated;
    HFILE hf = OpenPrintFile(&bCreated);
    if (hf == HFILE_ERROR)
        return;
    WriteMode(hf);
    _lclose(hf);
}

static const SkinBitmap PrintOptionsBackground[] = {
    {"IntroBackGrd", 0, 0}, {"AboutTextFrame", 18, 20}, {"PrintOptions", 54, 82}};
static const SkinButton PrintOptionsButtons[] = {{IDC_DLGOK, "OKButtonUp", "OKButtonDown"}};
static const DlgSkin PrintOptionsSkin = {PrintOptionsBackground, 3, PrintOptionsButtons, 1};

static INT_PTR OnPrintOptionsInit(HWND hDlg) {
    CenterDialog(hDlg, DLG_PRINTOPTIONS, 0);
    if (nPrintMode >= 0 && nPrintMode <= 2)
        CheckRadioButton(hDlg, IDC_PRINTDEFAULT, IDC_PRINTALTERNATE2,
                         IDC_PRINTDEFAULT + nPrintMode);
    return TRUE;
}

// The checked radio button becomes the mode; with none checked the mode stays as it was.
static void TakeCheckedMode(HWND hDlg) {
    for (int id = IDC_PRINTDEFAULT; id <= IDC_PRINTALTERNATE2; id++) {
        if (SendDlgItemMessageA(hDlg, id, BM_GETCHECK, 0, 0) == BST_CHECKED) {
            nPrintMode = id - IDC_PRINTDEFAULT;
            return;
        }
    }
}

static INT_PTR OnPrintOptionsCommand(HWND hDlg, WPARAM wParam) {
    switch (wParam) {
    case IDC_PRINTDEFAULT:
    case IDC_PRINTALTERNATE1:
    case IDC_PRINTALTERNATE2:
        CheckRadioButton(hDlg, IDC_PRINTDEFAULT, IDC_PRINTALTERNATE2, static_cast<int>(wParam));
        return TRUE;
    case IDC_DLGOK:
        TakeCheckedMode(hDlg);
        SavePrintMode();
        EndDialog(hDlg, IDOK);
        return TRUE;
    case IDC_DLGCANCEL:
        EndDialog(hDlg, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK PrintOptionsDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_INITDIALOG:
        return OnPrintOptionsInit(hDlg);
    case WM_COMMAND:
        return OnPrintOptionsCommand(hDlg, wParam);
    }
    return SkinDlgMessage(PrintOptionsSkin, uMsg, wParam, lParam);
}
