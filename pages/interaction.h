// What the child's clicks and the page commands do to the page.
#pragma once
#include <windows.h>

// WM_LBUTTONDOWN on the main window: colours the clicked area with nColour (1..224).
LRESULT OnPageClick(HWND hWnd, LPARAM lParam, int nColour);
// The Clear command: wipes the page in a wave, unless it is already clear.
LRESULT OnClearPage(HWND hWnd);
// The page commands: keep the page in its file, then show the next or previous one that loads.
LRESULT OnNextPage(HWND hWnd);
LRESULT OnPrevPage(HWND hWnd);

// The page one step from nPage in direction nStep (+1 or -1), wrapping round the five pages.
int StepPage(int nPage, int nStep);
