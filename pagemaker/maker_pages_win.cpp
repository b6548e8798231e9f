// The parent's pages in the Page Maker's window: a list in the book's order, each page with its
// title and a small picture of it read from its file.
#include "pagemaker/maker_ids.h"
#include "pagemaker/maker_win.h"
#include "pages/my_pages.h"
#include "pages/page_file.h"
#include "pages/palette.h"

namespace {

// One page of the list as drawn: its title and its pixels, read once when the list is filled.
struct ListedPage {
    std::string strFile;
    std::wstring strTitle;
    PageInfo bmi;
    std::vector<uint8_t> lpPixels; // empty when the file could not be read
};
std::vector<ListedPage> listed;

std::vector<uint8_t> ReadWholeFile(const std::string& strPath) {
    std::vector<uint8_t> bytes;
    HANDLE hFile = CreateFileW(Wide(strPath).c_str(), GENERIC_READ, FILE_SHARE_READ, NULL,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return bytes;
    DWORD cbHigh = 0, cb = GetFileSize(hFile, &cbHigh);
    if (cbHigh == 0 && cb <= PAGE_HEADERS_BYTES + 2 * PAGE_BYTES) {
        bytes.resize(cb);
        DWORD cbRead = 0;
        if (!ReadFile(hFile, bytes.data(), cb, &cbRead, NULL) || cbRead != cb)
            bytes.clear();
    }
    CloseHandle(hFile);
    return bytes;
}

ListedPage ReadListedPage(const MyPage& page) {
    ListedPage item;
    item.strFile = page.strFile;
    item.strTitle = Wide(page.strTitle);
    std::vector<uint8_t> file = ReadWholeFile(MyPagePath(page.strFile));
    MemoryPageFile memory = {file.data(), file.size(), 0};
    PageFileHeader bmfh;
    PageRgb palette[PAGE_COLOURS];
    BuildPaletteColours(palette);
    item.lpPixels.assign(PAGE_BYTES, PIXEL_BLANK);
    if (file.empty() ||
        !ReadPage(MemoryPageReader(&memory), &bmfh, &item.bmi, item.lpPixels.data(), PAGE_BYTES,
                  palette) ||
        !IsSafeToDraw(item.bmi, PAGE_BYTES))
        item.lpPixels.clear();
    return item;
}

} // namespace

HWND CreateMyPagesList(HWND hWndParent, HFONT hFont) {
    HWND hWnd = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY |
                                    LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                                MakerList.x, MakerList.y, MakerList.cx, MakerList.cy, hWndParent,
                                (HMENU)(INT_PTR)IDC_MAKER_LIST, GetModuleHandleW(NULL), NULL);
    SendMessageW(hWnd, WM_SETFONT, (WPARAM)hFont, FALSE);
    SendMessageW(hWnd, LB_SETITEMHEIGHT, 0, MAKER_LIST_ITEM_HEIGHT);
    return hWnd;
}

void FillMyPagesList(HWND hWndList, HWND hWndCount, const std::string& strSelect) {
    listed.clear();
    SendMessageW(hWndList, LB_RESETCONTENT, 0, 0);
    for (const MyPage& page : ListMyPages()) {
        listed.push_back(ReadListedPage(page));
        const int nItem =
            (int)SendMessageW(hWndList, LB_ADDSTRING, 0, (LPARAM)listed.back().strTitle.c_str());
        if (page.strFile == strSelect)
            SendMessageW(hWndList, LB_SETCURSEL, nItem, 0);
    }
    SetWindowTextW(hWndCount,
                   WordsWith(IDS_MAKER_PAGE_COUNT, (int)listed.size(), MY_PAGES_MAX).c_str());
}

void DrawMyPageItem(const DRAWITEMSTRUCT* lpDraw, HFONT hFont) {
    if (lpDraw->itemID == (UINT)-1 || lpDraw->itemID >= listed.size())
        return;
    const ListedPage& item = listed[lpDraw->itemID];
    HDC hdc = lpDraw->hDC;
    RECT rc = lpDraw->rcItem;
    const int bChosen = (lpDraw->itemState & ODS_SELECTED) != 0;
    HBRUSH hbr = CreateSolidBrush(bChosen ? RGB(255, 222, 120) : RGB(255, 250, 234));
    FillRect(hdc, &rc, hbr);
    DeleteObject(hbr);
    const int x = rc.left + 4, y = rc.top + (MAKER_LIST_ITEM_HEIGHT - MAKER_THUMB_HEIGHT) / 2;
    if (!item.lpPixels.empty()) {
        SetStretchBltMode(hdc, HALFTONE);
        SetBrushOrgEx(hdc, 0, 0, NULL);
        StretchDIBits(hdc, x, y, MAKER_THUMB_WIDTH, MAKER_THUMB_HEIGHT, 0, 0, PAGE_WIDTH,
                      PAGE_HEIGHT, item.lpPixels.data(), (const BITMAPINFO*)&item.bmi,
                      DIB_RGB_COLORS, SRCCOPY);
    }
    HGDIOBJ hOldPen = SelectObject(hdc, CreatePen(PS_SOLID, 1, RGB(43, 45, 92)));
    HGDIOBJ hOldBrush = SelectObject(hdc, GetStockObject(NULL_BRUSH));
    Rectangle(hdc, x - 1, y - 1, x + MAKER_THUMB_WIDTH + 1, y + MAKER_THUMB_HEIGHT + 1);
    DeleteObject(SelectObject(hdc, hOldPen));
    SelectObject(hdc, hOldBrush);
    HGDIOBJ hOldFont = SelectObject(hdc, hFont);
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, RGB(43, 45, 92));
    RECT rcText = {x + MAKER_THUMB_WIDTH + 10, rc.top, rc.right - 4, rc.bottom};
    std::wstring strLine = std::to_wstring(6 + lpDraw->itemID) + L"  " + item.strTitle;
    DrawTextW(hdc, strLine.c_str(), -1, &rcText,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(hdc, hOldFont);
}

std::string ChosenMyPage(HWND hWndList) {
    const LRESULT nItem = SendMessageW(hWndList, LB_GETCURSEL, 0, 0);
    return nItem >= 0 && (size_t)nItem < listed.size() ? listed[nItem].strFile : "";
}

int CountMyPages() {
    return (int)ListMyPages().size();
}
