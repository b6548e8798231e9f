// What the main window takes from the child while the program works: the busy flag, the cursor
// shapes and the input made meanwhile. This module alone writes bBusy, hCurCursor and ptMouse.
#pragma once
#include <windows.h>

extern int bBusy; // set while a dialog or a print keeps the window's commands and clicks out
extern HCURSOR hArrowCursor, hEditCursor, hWaitCursor, hCurCursor;
extern POINT ptMouse; // where the mouse was last seen over the window

void SetBusy(int bNewBusy);

// Loads the arrow, the page cursor and the wait cursor; the arrow is shown first.
void LoadCursors(HINSTANCE hInstance);
// Destroys the page cursor, the only one the program loaded itself.
void DestroyEditCursor();

// Makes hCursor the window's cursor from now on, and shows it.
void ShowCursorShape(HCURSOR hCursor);

// WM_MOUSEMOVE on the colouring screen: the page cursor over the page, the arrow elsewhere.
LRESULT UpdateCursor(LPARAM lParam);

// Throws away the keyboard and mouse messages queued for hWnd (input made while it was busy);
// input made before now that arrives later is thrown away too (IsStaleInput).
void PurgeInput(HWND hWnd);

// Keyboard and mouse input that must never be acted on: all of it while work runs, and
// afterwards whatever was made before the last purge. Every message loop of the program asks.
int IsStaleInput(const MSG& msg);

// The bracket around work the child must wait for (a fill, a clear, a print job, drawing the
// colouring screen): the wait cursor (when bWaitCursor is set) and the window disabled;
// afterwards the window enabled again and the input made meanwhile thrown away. Brackets nest:
// only the outermost end enables the window, and it returns TRUE.
void BeginBusyWork(HWND hWnd, int bWaitCursor);
int EndBusyWork(HWND hWnd);

// A close request while work runs would free the page under it: it is kept, and the outermost
// end of the work posts it again. TRUE when the request was kept.
int DeferCloseWhileWorking();

// Posts a mouse move at the cursor's position, so that the cursor shape is chosen again.
void RefreshCursor(HWND hWnd);
