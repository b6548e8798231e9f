// Drawing the page and its title into the window or the off-screen frame.
#include "pages/page.h"

#include "shell/base/app_state.h"

int DrawPage(HDC hdc) {
    if (lpDib == NULL)
        return 0;
    // Before the first page is loaded the header describes no image: nothing to draw.
    if (!IsSafeToDraw(bmiPage, PAGE_BYTES))
        return 1;
    const PageInfoHeader& bih = bmiPage.bmiHeader;
    StretchDIBits(hdc, PAGE_LEFT, PAGE_TOP, bih.biWidth, bih.biHeight, 0, 0, bih.biWidth,
                  bih.biHeight, lpDib, PageBitmapInfo(&bmiPage), DIB_RGB_COLORS, SRCCOPY);
    return 1;
}

void DrawPageTitle(HDC hdc) {
    if (hbmTitles == NULL || nCurPage < 0 || nCurPage >= PAGE_COUNT)
        return;
    HDC hdcTitles = CreateCompatibleDC(hdc);
    HGDIOBJ hbmOld = SelectObject(hdcTitles, hbmTitles);
    BitBlt(hdc, 330, 561, 140, 10, hdcTitles, 0, 10 * PageTitles[nCurPage], SRCCOPY);
    SelectObject(hdcTitles, hbmOld);
    DeleteDC(hdcTitles);
}
