// Drawing helpers every screen and dialog uses: an off-screen buffer and bitmaps by name.
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

// Draws the program's bitmap resource lpszName at its own size at (x, y); a missing one is
// simply not drawn.
int DrawBitmapAt(HDC hdc, const char* lpszName, int x, int y);

// An owner-drawn button as one of two bitmaps: the down look while it is pressed.
void DrawButtonBitmap(const DRAWITEMSTRUCT* lpDrawItem, const char* lpszDownName,
                      const char* lpszUpName);
