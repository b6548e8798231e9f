// The Page Maker window's words: every one comes from the string table, so that each language
// has its own; and the few drawing helpers its pictures share.
#include <initializer_list>

#include "pagemaker/maker_ids.h"
#include "pagemaker/maker_win.h"
#include "shell/base/bitmaps.h"
#include "shell/base/language.h"

std::wstring Words(UINT idString) {
    return LoadResStringW(idString, 0);
}

namespace {

// The words with their %s and each %d in turn filled in; a translation that leaves one out is
// still shown.
std::wstring Format(const std::wstring& strFormat, const std::wstring* lpstrArg,
                    std::initializer_list<int> numbers) {
    std::wstring strOut;
    const int* lpn = numbers.begin();
    for (size_t i = 0; i < strFormat.size(); i++) {
        const wchar_t ch = i + 1 < strFormat.size() && strFormat[i] == L'%' ? strFormat[i + 1] : 0;
        if (ch == L's' && lpstrArg)
            strOut += *lpstrArg;
        else if (ch == L'd' && lpn != numbers.end())
            strOut += std::to_wstring(*lpn++);
        else if (ch == L'%')
            strOut += L'%';
        else {
            strOut += strFormat[i];
            continue;
        }
        i++;
    }
    return strOut;
}

} // namespace

std::wstring WordsWith(UINT idString, const std::wstring& strArg) {
    return Format(Words(idString), &strArg, {});
}
std::wstring WordsWith(UINT idString, int n) {
    return Format(Words(idString), NULL, {n});
}
std::wstring WordsWith(UINT idString, int n1, int n2) {
    return Format(Words(idString), NULL, {n1, n2});
}
std::wstring WordsWith(UINT idString, const std::wstring& strArg, int n) {
    return Format(Words(idString), &strArg, {n});
}

std::wstring TitleWords(TitleResult nTitle) {
    switch (nTitle) {
    case TITLE_OK:
        return L"";
    case TITLE_EMPTY:
        return Words(IDS_MAKER_RESULT_NO_TITLE);
    case TITLE_BAD_LETTER:
        return Words(IDS_MAKER_RESULT_BAD_LETTER);
    case TITLE_TOO_WIDE:
        break;
    }
    return Words(IDS_MAKER_RESULT_TOO_WIDE);
}

std::wstring MyPagesWords(MyPagesResult nResult, TitleResult nTitle) {
    switch (nResult) {
    case MYPAGES_OK:
        return L"";
    case MYPAGES_FULL:
        return WordsWith(IDS_MAKER_RESULT_FULL, MY_PAGES_MAX);
    case MYPAGES_BAD_TITLE:
        return TitleWords(nTitle);
    case MYPAGES_NOT_FOUND:
        return Words(IDS_MAKER_RESULT_NOT_FOUND);
    case MYPAGES_CANNOT_MOVE:
        return Words(IDS_MAKER_RESULT_CANNOT_MOVE);
    case MYPAGES_BUSY:
        return Words(IDS_MAKER_RESULT_BUSY);
    case MYPAGES_WRITE_FAILED:
        break;
    }
    return Words(IDS_MAKER_RESULT_WRITE_FAILED);
}

std::wstring PictureWords(DecodeResult nResult, const std::wstring& strName) {
    switch (nResult) {
    case DECODE_OK:
        return L"";
    case DECODE_NO_FILE:
        return WordsWith(IDS_MAKER_PICTURE_NO_FILE, strName);
    case DECODE_CANNOT_OPEN:
        return WordsWith(IDS_MAKER_PICTURE_CANNOT_OPEN, strName);
    case DECODE_NOT_PICTURE:
        return WordsWith(IDS_MAKER_PICTURE_NOT_PICTURE, strName);
    case DECODE_DAMAGED:
        return WordsWith(IDS_MAKER_PICTURE_DAMAGED, strName);
    case DECODE_UNSUPPORTED:
        return WordsWith(IDS_MAKER_PICTURE_UNSUPPORTED, strName);
    case DECODE_EMPTY:
        return WordsWith(IDS_MAKER_PICTURE_EMPTY, strName);
    case DECODE_TOO_LARGE:
        return WordsWith(IDS_MAKER_PICTURE_TOO_LARGE, strName, PICTURE_MAX_MEGAPIXELS);
    case DECODE_NO_MEMORY:
        return WordsWith(IDS_MAKER_PICTURE_NO_MEMORY, strName);
    case DECODE_NO_DECODERS:
        break;
    }
    return WordsWith(IDS_MAKER_PICTURE_NO_DECODERS, strName);
}

std::wstring Wide(const std::string& strUtf8) {
    int cch = MultiByteToWideChar(CP_UTF8, 0, strUtf8.c_str(), -1, NULL, 0);
    std::wstring str(cch > 0 ? cch - 1 : 0, L'\0');
    if (cch > 1)
        MultiByteToWideChar(CP_UTF8, 0, strUtf8.c_str(), -1, &str[0], cch);
    return str;
}

std::string Utf8Of(const std::wstring& str) {
    int cb = WideCharToMultiByte(CP_UTF8, 0, str.c_str(), -1, NULL, 0, NULL, NULL);
    std::string strOut(cb > 0 ? cb - 1 : 0, '\0');
    if (cb > 1)
        WideCharToMultiByte(CP_UTF8, 0, str.c_str(), -1, &strOut[0], cb, NULL, NULL);
    return strOut;
}

HFONT MakerFont(int nHeight, int bBold) {
    return CreateFontW(-nHeight, 0, 0, 0, bBold ? FW_BOLD : FW_NORMAL, 0, 0, 0, LanguageCharSet(),
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, Words(IDS_MAKER_FONT).c_str());
}

void DrawMakerButton(const DRAWITEMSTRUCT* lpDraw, const char* lpszUp, const char* lpszDown,
                     UINT idCaption, HFONT hFont) {
    const int bDown = (lpDraw->itemState & ODS_SELECTED) != 0;
    DrawBitmapAt(lpDraw->hDC, bDown ? lpszDown : lpszUp, 0, 0);
    if (idCaption) {
        // The words beside the button's picture, as the book's wide buttons have them.
        RECT rc = lpDraw->rcItem;
        rc.left += 48;
        rc.right -= 6;
        OffsetRect(&rc, 0, bDown ? 2 : -1);
        DrawWords(lpDraw->hDC, Words(idCaption), rc, hFont, DT_CENTER);
    }
    if (lpDraw->itemState & ODS_DISABLED) {
        // A button that has nothing to do now is shown faded, not hidden.
        RECT rc = lpDraw->rcItem;
        HDC hdcFade = CreateCompatibleDC(lpDraw->hDC);
        HBITMAP hbm = CreateCompatibleBitmap(lpDraw->hDC, 1, 1);
        HGDIOBJ hOld = SelectObject(hdcFade, hbm);
        SetPixel(hdcFade, 0, 0, RGB(255, 250, 234));
        BLENDFUNCTION blend = {AC_SRC_OVER, 0, 150, 0};
        GdiAlphaBlend(lpDraw->hDC, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, hdcFade,
                      0, 0, 1, 1, blend);
        SelectObject(hdcFade, hOld);
        DeleteObject(hbm);
        DeleteDC(hdcFade);
    }
}

void DrawWords(HDC hdc, const std::wstring& strWords, const RECT& rc, HFONT hFont, UINT uAlign) {
    // Smaller letters for words that would not fit, down to a size still easy to read.
    LOGFONTW lf;
    GetObjectW(hFont, sizeof(lf), &lf);
    HFONT hFontSmaller = NULL;
    HGDIOBJ hOld = SelectObject(hdc, hFont);
    SIZE size = {};
    while (GetTextExtentPoint32W(hdc, strWords.c_str(), (int)strWords.size(), &size) &&
           size.cx > rc.right - rc.left && lf.lfHeight < -11) {
        lf.lfHeight++;
        HFONT hFontNext = CreateFontIndirectW(&lf);
        SelectObject(hdc, hFontNext);
        if (hFontSmaller)
            DeleteObject(hFontSmaller);
        hFontSmaller = hFontNext;
    }
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, RGB(43, 45, 92));
    RECT rcText = rc;
    DrawTextW(hdc, strWords.c_str(), -1, &rcText,
              uAlign | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(hdc, hOld);
    if (hFontSmaller)
        DeleteObject(hFontSmaller);
}
