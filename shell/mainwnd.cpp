// The main window procedure: one line per message, each handled by a small function. The only
// code that changes which screen the window shows.
#include "shell/mainwnd.h"

#include "shell/app.h"
#include "shell/base/busy.h"
#include "shell/paint.h"
#include "music/music.h"
#include "pages/interaction.h"
#include "pages/page.h"
#include "ui/controlbar.h"
#include "ui/dialog.h"
#include "ui/print.h"
#include "ui/printopt.h"

static const DWORD nEchoMs = 125;

// Runs inside CreateWindowEx, before hWndMain is set.
static LRESULT OnCreate() {
    BuildPalette();
    LoadCursors(hInst);
    hHollowBrush = (HBRUSH)GetStockObject(NULL_BRUSH);
    return 0;
}

// The first paint brings the intro's OK button; the paint after OK leaves the intro for the
// first page. The colouring screen is drawn with the window disabled, and the input made while
// it was drawn is thrown away.
static LRESULT OnPaintMessage(HWND hWnd) {
    if (nScreenMode == MODE_COLORING) {
        DestroyIntroButtons();
        // A paint while a dialog or a print is up leaves the window as they keep it.
        if (bBusy) {
            OnPaint(hWnd);
            return 0;
        }
        BeginBusyWork(hWndMain, FALSE);
        OnPaint(hWnd);
        if (EndBusyWork(hWndMain))
            SetFocus(hWnd);
        return 0;
    }
    if (nScreenMode == MODE_INTRO_FIRST) {
        nScreenMode = MODE_INTRO;
        PostMessageA(hWndMain, UM_CREATEINTROOK, 0, 0);
    }
    OnPaint(hWnd);
    if (nScreenMode == MODE_INTRO_CLOSING) {
        nScreenMode = MODE_COLORING;
        PostMessageA(hWndMain, UM_CREATECONTROLS, 0, 0);
        LoadFirstPage();
    }
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
        return OnPaintMessage(hWnd);
    case WM_CLOSE:
        if (!DeferCloseWhileWorking())
            DestroyWindow(hWnd);
        return 0;
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
        return bBusy ? 0 : OnPageClick(hWnd, lParam, nCurColour);
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

static LRESULT OnIntroOk(HWND hWnd) {
    LoadPrintMode();
    EnableWindow(hWnd, FALSE);
    SetBusy(0);
    nScreenMode = MODE_INTRO_CLOSING;
    InvalidateRect(hWnd, NULL, FALSE);
    return 0;
}

static LRESULT OnQuit(HWND hWnd) {
    MusicCtl.Shutdown();
    SaveCurrentPage();
    PostMessageA(hWnd, WM_CLOSE, 0, 0);
    return 0;
}

LRESULT OnCommand(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    int id = LOWORD(wParam);
    // A clicked colour button keeps the keyboard focus, where it would swallow the shortcuts
    // (and take Space for a click) until the mouse moved: the window takes it back.
    if (id >= IDC_PALETTE_FIRST && id <= IDC_PALETTE_LAST) {
        OnPalettePage(id);
        SetFocus(hWnd);
        return 0;
    }
    if (id >= IDC_SWATCH_FIRST && id <= IDC_SWATCH_LAST) {
        OnSwatch(id);
        SetFocus(hWnd);
        return 0;
    }
    switch (id) {
    case IDC_QUIT:
        return OnQuit(hWnd);
    case IDC_INTROOK:
        return OnIntroOk(hWnd);
    case IDC_PRINT:
        PrintPage(hWnd);
        SetFocus(hWnd);
        return 1;
    case IDC_INFO:
        RunDialog(hWnd, DLG_INFO, InfoDlgProc, 0);
        PurgeInput(hWnd); // what reached the window behind the dialog does nothing afterwards
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
