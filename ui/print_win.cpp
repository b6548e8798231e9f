// The Print command: printer choice, the print job around one page, and the abort procedure.
#include "ui/print.h"

#include "shell/base/busy.h"
#include "shell/base/diag.h"
#include "shell/base/language.h"
#include "ui/print_seams.h"
#include "ui/printopt.h"

// Where the print's one assertion says it is.
static const char szModule[] = "Print";
static const unsigned nLinePageSize = 49;

// Reset at every print: no printer choice or setup is remembered from one print to the next.
static PRINTDLGA pd;
static DOCINFOW di;

// The size the 32-bit system expects.
static_assert(sizeof(void*) != 4 || sizeof(PRINTDLGA) == 66, "PRINTDLGA layout");

HDC GetPrinterDC(HWND hWnd) {
    ZeroMemory(&pd, sizeof(pd));
    pd.lStructSize = sizeof(pd);
    pd.hwndOwner = hWnd;
    pd.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE;
    pd.nCopies = 1;
    BOOL bOk = TW_PLATFORM(PrintDlgA)(&pd);
    // The printer's set-up blocks the dialog hands back are not used.
    if (pd.hDevMode != NULL)
        GlobalFree(pd.hDevMode);
    if (pd.hDevNames != NULL)
        GlobalFree(pd.hDevNames);
    pd.hDevMode = pd.hDevNames = NULL;
    return bOk ? pd.hDC : NULL;
}

BOOL CALLBACK PrintAbortProc(HDC, int) {
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (IsStaleInput(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return TRUE;
}

// One page of one document; a job that cannot start draws nothing but is still ended.
static void PrintJob(HDC hdcPrn, short xPage, short yPage) {
    ZeroMemory(&di, sizeof(di));
    di.cbSize = sizeof(di);
    di.lpszDocName = LoadResStringW(IDS_PRINT_DOCUMENT, 0);
    if (TW_PLATFORM(StartDocW)(hdcPrn, &di) > 0 && TW_PLATFORM(StartPage)(hdcPrn) > 0) {
        if (nPrintMode != 0)
            PrintAlternate(hdcPrn, xPage, yPage);
        else
            PrintDefault(hdcPrn, xPage, yPage);
    }
    if (TW_PLATFORM(EndPage)(hdcPrn) > 0)
        TW_PLATFORM(EndDoc)(hdcPrn);
}

void PrintPage(HWND hWnd) {
    SetBusy(1);
    HDC hdcPrn = GetPrinterDC(hWnd);
    if (hdcPrn == NULL) {
        // Clicks that reached the window behind the dialog do nothing afterwards.
        PurgeInput(hWnd);
        SetBusy(0);
        return;
    }
    short xPage = static_cast<short>(TW_PLATFORM(GetDeviceCaps)(hdcPrn, HORZRES));
    short yPage = static_cast<short>(TW_PLATFORM(GetDeviceCaps)(hdcPrn, VERTRES));
    ASSERT_AT(xPage || yPage, szModule, nLinePageSize, "xPage || yPage");

    BeginBusyWork(hWnd, TRUE);
    TW_PLATFORM(SetAbortProc)(hdcPrn, PrintAbortProc);
    PrintJob(hdcPrn, xPage, yPage);
    // Keys and clicks made while printing do nothing; the mouse move sets the cursor again.
    EndBusyWork(hWnd);
    RefreshCursor(hWnd);
    DeleteDC(hdcPrn);
    SetBusy(0);
}
