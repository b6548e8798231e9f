// COffscreen: a memory DC with its own bitmap, freed together.
#include "shell/base/bitmaps.h"

COffscreen::COffscreen(HDC hdcRef, int cxBuffer, int cyBuffer)
    : hdc(CreateCompatibleDC(hdcRef)), hbm(CreateCompatibleBitmap(hdcRef, cxBuffer, cyBuffer)),
      cx(cxBuffer), cy(cyBuffer), hbmOld(NULL) {
    hbmOld = SelectObject(hdc, hbm);
}

COffscreen::~COffscreen() {
    // The bitmap can go only once no context holds it.
    SelectObject(hdc, hbmOld);
    DeleteDC(hdc);
    DeleteObject(hbm);
}

void COffscreen::BlitTo(HDC hdcDest, int x, int y) const {
    BitBlt(hdcDest, x, y, cx, cy, hdc, 0, 0, SRCCOPY);
}
