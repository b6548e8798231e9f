// Start-up, single instance, display mode and shutdown: the program's spine.
#pragma once
#include <windows.h>

#include "shell/base/app_state.h"

// The frame and the intro screen's tiles, loaded by start-up (the titles are in app_state.h).
extern HBITMAP hbmTopBottom, hbmLeftRight, hbmDotPattern, hbmDotShadow;

// Asks the child's parent to Retry or Cancel when memory runs out; nonzero is Retry.
int LowMemoryHandler(DWORD dwSize);

void RegisterMainClass(HINSTANCE hInstance);
int InitInstance(HINSTANCE hInstance, int nCmdShow);
int EnterFullScreen();
void LeaveFullScreen();
int ShutdownApp(HWND hWnd);

// Loads the first page that can be loaded, from nCurPage on, as the intro screen closes. When
// none can, tells the child and shuts the program down, returning 0.
int LoadFirstPage();

// Runs the message loop until WM_QUIT and returns its exit code.
int RunMessageLoop();

// The DirectDraw object while the display mode is switched, else null.
struct IDirectDraw;
extern IDirectDraw* lpDD;
