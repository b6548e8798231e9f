// The main window procedure: screen state, input gates, colour selection and command routing.
#pragma once
#include <windows.h>

enum {
    MODE_COLORING = 0,
    MODE_INTRO_CLOSING = 1,
    MODE_INTRO = 2,
    MODE_INTRO_FIRST = 3,
};

enum {
    IDC_QUIT = 1001,
    IDC_PRINT = 1002,
    IDC_CLEAR = 1003,
    IDC_INFO = 1004,
    IDC_UP = 1005,
    IDC_DOWN = 1006,
    IDC_INTROOK = 1007,
    IDC_PALETTE_FIRST = 2000,
    IDC_PALETTE_LAST = 2007,
    IDC_SWATCH_FIRST = 2008,
    IDC_SWATCH_LAST = 2035,
};

enum {
    UM_CREATECONTROLS = WM_USER + 1000,
    UM_CREATEINTROOK = WM_USER + 1002,
};

extern int nScreenMode;
extern int bBusy;
// Set while a fill, a clear or a print job runs on the window thread (BeginWork, EndWork).
extern int bWorking;
extern int idCurPalettePage;
extern int nPaletteBase;
extern int idCurSwatch;
extern int nCurColour;
extern HCURSOR hArrowCursor, hEditCursor, hWaitCursor, hCurCursor;
extern HBRUSH hHollowBrush;
extern POINT ptMouse;

LRESULT CALLBACK MainWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT OnCommand(HWND hWnd, WPARAM wParam, LPARAM lParam);
LRESULT OnKeyDown(HWND hWnd, WPARAM wParam);
LRESULT OnChar(HWND hWnd, WPARAM wParam);
LRESULT UpdateCursor(LPARAM lParam);

// Spins, without handling messages, until GetTickCount has moved on by nMs.
void WaitMs(DWORD nMs);

// Throws away the keyboard and mouse messages queued for hWnd (input made while it was busy);
// what was made before now and arrives later is thrown away too (IsStaleInput).
void PurgeInput(HWND hWnd);

// Keyboard and mouse input that must never be acted on: all of it while the program works, and
// afterwards whatever was made before the last purge. Every message loop of the program asks.
int IsStaleInput(const MSG& msg);

// Brackets a fill, a clear or a print job: while it runs, input is dropped as it comes, a paint
// leaves the window disabled, and a close request waits. EndWork enables the window, purges
// the input and makes the close asked for meanwhile.
void BeginWork();
void EndWork(HWND hWnd);
