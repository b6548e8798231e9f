// Screen composition: the intro screen and the colouring screen, built off-screen.
#pragma once
#include <windows.h>

// BeginPaint, the screen nScreenMode shows, EndPaint. Changes nothing else.
void OnPaint(HWND hWnd);
void DrawBorder(HDC hdc);
void DrawIntroScreen(HDC hdc);
void DrawColouringScreen(HDC hdc);
