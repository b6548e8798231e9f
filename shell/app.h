// Start-up, single instance, display mode and shutdown: the program's spine.
#pragma once
#include <windows.h>

extern HINSTANCE hInst; // the program's module instance
extern HWND hWndMain;   // the one main window, 800 x 600 at (0, 0)

extern HBITMAP hbmTopBottom, hbmLeftRight, hbmDotPattern, hbmDotShadow, hbmTitles;

// Called by the page allocator when memory runs out: nonzero asks for another try.
typedef int (*LOWMEMHANDLER)(DWORD dwSize);

LOWMEMHANDLER SetLowMemoryHandler(LOWMEMHANDLER lpfnHandler);
LOWMEMHANDLER GetLowMemoryHandler();
int LowMemoryHandler(DWORD dwSize);

void RegisterMainClass(HINSTANCE hInstance);
int InitInstance(HINSTANCE hInstance, int nCmdShow);
int EnterFullScreen();
void LeaveFullScreen();
int ShutdownApp(HWND hWnd);

// Runs the message loop until WM_QUIT and returns its exit code.
int RunMessageLoop();

// The DirectDraw object while the display mode is switched, else null.
struct IDirectDraw;
extern IDirectDraw* lpDD;
