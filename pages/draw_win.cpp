// Drawing the page and its title into the window or the off-screen frame.
#include "pages/page.h"

#include "pages/title_letters.h"
#include "shell/base/app_state.h"

#include <string>

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

// A parent's page's title, set in the title letters; the last strip set is kept for repaints.
static void DrawMyPageTitle(HDC hdc, const char* lpszTitle) {
    static std::string strSet;
    static uint8_t abStrip[TITLE_STRIP_WIDTH * TITLE_STRIP_HEIGHT * 4];
    const TitleLetters* lpLetters = GetTitleLetters();
    if (lpLetters == nullptr)
        return;
    if (strSet != lpszTitle) {
        ComposeTitleStrip(*lpLetters, lpszTitle, abStrip);
        strSet = lpszTitle;
    }
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = TITLE_STRIP_WIDTH;
    bmi.bmiHeader.biHeight = -TITLE_STRIP_HEIGHT; // top-down
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(hdc, 330, 561, TITLE_STRIP_WIDTH, TITLE_STRIP_HEIGHT, 0, 0, 0,
                      TITLE_STRIP_HEIGHT, abStrip, &bmi, DIB_RGB_COLORS);
}

void DrawPageTitle(HDC hdc) {
    if (const char* lpszTitle = GetMyPageTitle(nCurPage)) {
        DrawMyPageTitle(hdc, lpszTitle);
        return;
    }
    if (hbmTitles == NULL || nCurPage < 0 || nCurPage >= PAGE_COUNT)
        return;
    HDC hdcTitles = CreateCompatibleDC(hdc);
    HGDIOBJ hbmOld = SelectObject(hdcTitles, hbmTitles);
    BitBlt(hdc, 330, 561, 140, 10, hdcTitles, 0, 10 * PageTitles[nCurPage], SRCCOPY);
    SelectObject(hdcTitles, hbmOld);
    DeleteDC(hdcTitles);
}
