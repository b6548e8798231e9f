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

// Throws away the keyboard and mouse messages queued for hWnd (input made while it was busy).
void PurgeInput(HWND hWnd);
