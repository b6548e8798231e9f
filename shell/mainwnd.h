// The main window procedure: screen state, input gates and command routing.
#pragma once
#include <windows.h>

LRESULT CALLBACK MainWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
LRESULT OnCommand(HWND hWnd, WPARAM wParam, LPARAM lParam);
LRESULT OnKeyDown(HWND hWnd, WPARAM wParam);
LRESULT OnChar(HWND hWnd, WPARAM wParam);

// Spins, without handling messages, until GetTickCount has moved on by nMs.
void WaitMs(DWORD nMs);
