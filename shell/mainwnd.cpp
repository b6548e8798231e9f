// The main window procedure: one line per message, each handled by a small function.
#include "shell/mainwnd.h"
#include "shell/app.h"
#include "shell/paint.h"
#include "music/music.h"
#include "pages/interaction.h"
#include "pages/page.h"
#include "pages/sound.h"
#include "ui/controlbar.h"
#include "ui/dialog.h"
#include "ui/print.h"
#include "ui/printopt.h"

int nScreenMode = MODE_INTRO_FIRST;
int bBusy = 0;
int bWorking = 0;
static int bCloseAsked = 0;
static DWORD dwPurgedAt = 0;
int idCurPalettePage = 2001;
int nPaletteBase = 28;
int idCurSwatch = 2008;
int nCurColour = 29;
HCURSOR hArrowCursor = NULL, hEditCursor = NULL, hWaitCursor = NULL, hCurCursor = NULL;
HBRUSH hHollowBrush = NULL;
POINT ptMouse = {0, 0};

static const DWORD nEchoMs = 125;

// Runs inside CreateWindowEx, before hWndMain is set.
static LRESULT OnCreate() {
    BuildPalette();
    hArrowCursor = LoadCursorA(NULL, IDC_ARROW);
    hEditCursor = LoadCursorA(hInst, "EditCursor");
    hWaitCursor = LoadCursorA(NULL, IDC_WAIT);
    hCurCursor = hArrowCursor;
    hHollowBrush = (HBRUSH)GetStockObject(NULL_BRUSH);
    return 0;
}

// Closing in the middle of a fill or a clear would free the page under it: the close waits
// until the work is done (EndWork).
static LRESULT OnClose(HWND hWnd) {
    if (bWorking)
        bCloseAsked = 1;
    else
        DestroyWindow(hWnd);
    return 0;
}

LRESULT CALLBACK MainWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_CREATE:
        return OnCreate();
    case WM_DESTROY:
        return ShutdownApp(hWndMain);
    case WM_SETFOCUS:
        SetCursor(hCurCursor);
        return 0;
    case WM_KILLFOCUS:
        return 0;
    case WM_PAINT:
        return OnPaint(hWnd);
    case WM_CLOSE:
        return OnClose(hWnd);
    case WM_ACTIVATEAPP:
        MusicCtl.OnActivateApp(wParam);
        return 0;
    case WM_SETCURSOR:
        SetCursor(hCurCursor);
        SetFocus(hWnd);
        return 0;
    case WM_DRAWITEM:
        return OnDrawItem((LPDRAWITEMSTRUCT)lParam);
    case WM_KEYDOWN:
        return OnKeyDown(hWnd, wParam);
    case WM_CHAR:
        return bBusy ? 0 : OnChar(hWnd, wParam);
    case WM_COMMAND:
        return bBusy ? 0 : OnCommand(hWnd, wParam, lParam);
    case WM_TIMER:
        return 0;
    case WM_MOUSEMOVE:
        if (bBusy)
            return 0;
        if (GetFocus() != hWnd)
            SetFocus(hWnd);
        return UpdateCursor(lParam);
    case WM_LBUTTONDOWN:
        return bBusy ? 0 : OnPageClick(hWnd, wParam, lParam);
    case UM_CREATECONTROLS:
        return CreateControlBar(hWnd);
    case UM_CREATEINTROOK:
        return CreateIntroButtons(hWnd);
    }
    return DefWindowProcA(hWnd, uMsg, wParam, lParam);
}

void WaitMs(DWORD nMs) {
    DWORD dwStart = GetTickCount();
    while (GetTickCount() - dwStart < nMs)
        Sleep(1);
}

// Shows the button pressed for a moment, then posts its command, as a click would.
static void PressButton(HWND hWnd, HWND hButton, int idCommand) {
    SendMessageA(hButton, BM_SETSTATE, TRUE, 0);
    WaitMs(nEchoMs);
    SendMessageA(hButton, BM_SETSTATE, FALSE, 0);
    if (idCommand == IDC_QUIT)
        WaitMs(nEchoMs);
    PostMessageA(hWnd, WM_COMMAND, idCommand, 0);
}

LRESULT OnChar(HWND hWnd, WPARAM wParam) {
    if (nScreenMode == MODE_COLORING) {
        switch (wParam) {
        case 'C':
        case 'c':
            PressButton(hWnd, ToolButtons[IDC_CLEAR - IDC_QUIT].hWnd, IDC_CLEAR);
            break;
        case 'I':
        case 'i':
            PressButton(hWnd, ToolButtons[IDC_INFO - IDC_QUIT].hWnd, IDC_INFO);
            break;
        case 'P':
        case 'p':
            PressButton(hWnd, ToolButtons[IDC_PRINT - IDC_QUIT].hWnd, IDC_PRINT);
            break;
        case 'Q':
        case 'q':
            PressButton(hWnd, ToolButtons[IDC_QUIT - IDC_QUIT].hWnd, IDC_QUIT);
            break;
        }
    }
    SetFocus(hWnd);
    return 0;
}

LRESULT OnKeyDown(HWND hWnd, WPARAM wParam) {
    switch (wParam) {
    case VK_RETURN:
    case VK_SPACE:
        if (nScreenMode != MODE_COLORING)
            PressButton(hWnd, IntroButtons[0].hWnd, IDC_INTROOK);
        break;
    case VK_PRIOR:
    case VK_UP:
        if (nScreenMode == MODE_COLORING)
            PressButton(hWnd, ToolButtons[IDC_UP - IDC_QUIT].hWnd, IDC_UP);
        break;
    case VK_NEXT:
    case VK_DOWN:
        if (nScreenMode == MODE_COLORING)
            PressButton(hWnd, ToolButtons[IDC_DOWN - IDC_QUIT].hWnd, IDC_DOWN);
        break;
    }
    return 0;
}

// Makes a button draw itself again, after the selection it shows has changed.
static void RedrawButton(HWND hButton) {
    SendMessageA(hButton, BM_SETSTATE, TRUE, 0);
    SendMessageA(hButton, BM_SETSTATE, FALSE, 0);
}

static LRESULT OnPalettePage(int id) {
    int idOld = idCurPalettePage;
    PlaySoundOnce(IDW_CLICK);
    idCurPalettePage = id;
    nPaletteBase = (id - IDC_PALETTE_FIRST) * 28;
    nCurColour = idCurSwatch - 2007 + nPaletteBase;
    RedrawButton(PaletteButtons[idOld - IDC_PALETTE_FIRST].hWnd);
    for (int i = 0; i < nSwatchButtons; i++)
        RedrawButton(SwatchButtons[i].hWnd);
    return 0;
}

static LRESULT OnSwatch(int id) {
    int idOld = idCurSwatch;
    PlaySoundOnce(IDW_CLICK);
    idCurSwatch = id;
    nCurColour = id - 2007 + nPaletteBase;
    RedrawButton(SwatchButtons[idOld - IDC_SWATCH_FIRST].hWnd);
    return 0;
}

static LRESULT OnIntroOk(HWND hWnd) {
    LoadPrintMode();
    EnableWindow(hWnd, FALSE);
    bBusy = 0;
    nScreenMode = MODE_INTRO_CLOSING;
    InvalidateRect(hWnd, NULL, FALSE);
    return 0;
}

static LRESULT OnQuit(HWND hWnd) {
    MusicCtl.Shutdown();
    SavePage(PageFiles[nCurPage]);
    PostMessageA(hWnd, WM_CLOSE, 0, 0);
    return 0;
}

LRESULT OnCommand(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    int id = LOWORD(wParam);
    if (id >= IDC_PALETTE_FIRST && id <= IDC_PALETTE_LAST)
        return OnPalettePage(id);
    if (id >= IDC_SWATCH_FIRST && id <= IDC_SWATCH_LAST)
        return OnSwatch(id);
    switch (id) {
    case IDC_QUIT:
        return OnQuit(hWnd);
    case IDC_INTROOK:
        return OnIntroOk(hWnd);
    case IDC_PRINT:
        PrintPage(hInst, hWnd);
        SetFocus(hWnd);
        return 1;
    case IDC_INFO:
        RunDialog(hWnd, DLG_INFO, InfoDlgProc, 0);
        PurgeInput(hWnd);
        SetFocus(hWnd);
        return 1;
    case IDC_CLEAR:
        return OnClearPage(hWnd);
    case IDC_UP:
        return OnPrevPage(hWnd);
    case IDC_DOWN:
        return OnNextPage(hWnd);
    }
    return DefWindowProcA(hWnd, WM_COMMAND, wParam, lParam);
}

LRESULT UpdateCursor(LPARAM lParam) {
    if (nScreenMode != MODE_COLORING)
        return 0;
    ptMouse.x = LOWORD(lParam);
    ptMouse.y = HIWORD(lParam);
    if (ptMouse.x >= 730 || ptMouse.x < 70 || ptMouse.y >= 530 || ptMouse.y < 70)
        hCurCursor = hArrowCursor;
    else
        hCurCursor = hEditCursor;
    SetCursor(hCurCursor);
    return 0;
}

void PurgeInput(HWND hWnd) {
    MSG msg;
    while (PeekMessageA(&msg, hWnd, 0x100, 0x108, PM_REMOVE))
        ;
    while (PeekMessageA(&msg, hWnd, 0x200, 0x209, PM_REMOVE))
        ;
    dwPurgedAt = GetTickCount();
}

int IsStaleInput(const MSG& msg) {
    int bInput = (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) ||
                 (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST);
    // Whatever the system does with input to a disabled window, none of it reaches the program
    // while it works: the window's children and the keys that follow the focus included.
    return bInput && (bWorking || static_cast<LONG>(msg.time - dwPurgedAt) < 0);
}

void BeginWork() { bWorking = 1; }

void EndWork(HWND hWnd) {
    bWorking = 0;
    EnableWindow(hWnd, TRUE);
    PurgeInput(hWnd);
    if (bCloseAsked) {
        bCloseAsked = 0;
        PostMessageA(hWnd, WM_CLOSE, 0, 0);
    }
}
