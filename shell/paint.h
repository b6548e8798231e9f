// Screen composition: the intro screen and the colouring screen, built off-screen.
#pragma once
#include <windows.h>

// An off-screen drawing buffer compatible with a reference device context; lives for one paint.
class COffscreen {
  public:
    COffscreen(HDC hdcRef, int cxBuffer, int cyBuffer);
    virtual ~COffscreen();
    HDC Hdc() const { return hdc; }
    void BlitTo(HDC hdcDest, int x, int y) const;

    HDC hdc;
    HBITMAP hbm;
    int cx, cy;

  private:
    HGDIOBJ hbmOld;
};

LRESULT OnPaint(HWND hWnd);
void DrawBorder(HDC hdc);
void DrawIntroScreen(HDC hdc);
int DrawBitmapAt(HDC hdc, const char* lpszName, int x, int y);
void DrawButtonBitmap(const DRAWITEMSTRUCT* lpDrawItem, const char* lpszDownName,
                      const char* lpszUpName);
