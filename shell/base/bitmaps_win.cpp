// Bitmap resources drawn by name.
#include "shell/base/bitmaps.h"

#include "shell/base/language.h"

int DrawBitmapAt(HDC hdc, const char* lpszName, int x, int y) {
    HBITMAP hbm = LoadLangBitmap(lpszName);
    if (hbm == NULL)
        return TRUE;
    BITMAP bm;
    GetObjectA(hbm, sizeof(bm), &bm);
    HDC hdcMem = CreateCompatibleDC(hdc);
    HGDIOBJ hbmOld = SelectObject(hdcMem, hbm);
    BitBlt(hdc, x, y, bm.bmWidth, bm.bmHeight, hdcMem, 0, 0, SRCCOPY);
    SelectObject(hdcMem, hbmOld);
    DeleteDC(hdcMem);
    DeleteObject(hbm);
    return TRUE;
}

void DrawButtonBitmap(const DRAWITEMSTRUCT* lpDrawItem, const char* lpszDownName,
                      const char* lpszUpName) {
    const char* lpszName = (lpDrawItem->itemState & ODS_SELECTED) ? lpszDownName : lpszUpName;
    DrawBitmapAt(lpDrawItem->hDC, lpszName, 0, 0);
}
