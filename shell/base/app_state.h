// What the whole program shares: its instance, its one window and the screen that window shows.
// Set by start-up and by the main window's handlers; everything else only reads them.
#pragma once
#include <windows.h>

extern HINSTANCE hInst; // the program's module instance, set once by start-up
extern HWND hWndMain;   // the one main window, 800 x 600 at (0, 0); set once by start-up

enum {
    MODE_COLORING = 0,
    MODE_INTRO_CLOSING = 1,
    MODE_INTRO = 2,
    MODE_INTRO_FIRST = 3,
};

// Controls of the main window.
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

// Private messages the main window posts to itself.
enum {
    UM_CREATECONTROLS = WM_USER + 1000,
    UM_CREATEINTROOK = WM_USER + 1002,
};

// Which screen the main window shows; changed only by the main window's handlers.
extern int nScreenMode;

// The page title strips, loaded by start-up and drawn under the page.
extern HBITMAP hbmTitles;

// The hollow brush that lets skin show through text; the stock object, set by start-up.
extern HBRUSH hHollowBrush;

// Called by the page allocator when memory runs out: nonzero asks for another try.
typedef int (*LOWMEMHANDLER)(DWORD dwSize);

LOWMEMHANDLER SetLowMemoryHandler(LOWMEMHANDLER lpfnHandler);
LOWMEMHANDLER GetLowMemoryHandler();
