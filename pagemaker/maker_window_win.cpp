// The Page Maker's window: a picture opened, dropped or passed in, shown as the page it makes
// with its areas tinted, two settings that remake it at once, and Add to the book.
#include <objbase.h>
#include <commdlg.h>
#include <shellapi.h>

#include "pagemaker/maker_ids.h"
#include "pagemaker/maker_win.h"
#include "pages/my_pages.h"

namespace {

const wchar_t MAKER_CLASS[] = L"TWPAGEMAKER";

// The window's state: one window, so these few are named here and written only by it.
MakerState state;
HWND hWndMaker;
HWND hWndPictures, hWndAreas, hWndGap, hWndLines, hWndStatus, hWndList, hWndCount;
HFONT hFont, hFontBold, hFontButton;
HBRUSH hbrPlate;
HBITMAP hbmBack;
std::wstring strLastDone; // the status line's second half: what the parent did last

const UINT ButtonWords[MAKER_BUTTONS] = {
    IDS_MAKER_BUTTON_OPEN, 0, 0, 0, 0, IDS_MAKER_BUTTON_ADD, 0, 0, IDS_MAKER_BUTTON_REMOVE};
const char* const ButtonArt[MAKER_BUTTONS][2] = {
    {"MakerOpen", "MakerOpenDn"},       {"MakerGapLess", "MakerGapLessDn"},
    {"MakerGapMore", "MakerGapMoreDn"}, {"MakerLighter", "MakerLighterDn"},
    {"MakerDarker", "MakerDarkerDn"},   {"MakerAdd", "MakerAddDn"},
    {"MakerUp", "MakerUpDn"},           {"MakerDown", "MakerDownDn"},
    {"MakerRemove", "MakerRemoveDn"}};

const UINT HintWords[] = {IDS_MAKER_HINT_GOOD,      IDS_MAKER_HINT_NO_PICTURE,
                          IDS_MAKER_HINT_EMPTY,     IDS_MAKER_HINT_NO_LINES,
                          IDS_MAKER_HINT_ALL_BLACK, IDS_MAKER_HINT_PHOTOGRAPH,
                          IDS_MAKER_HINT_ONE_AREA,  IDS_MAKER_HINT_MANY_TINY};

HWND Control(const wchar_t* lpszClass, DWORD dwStyle, const MakerPlace& place, int id,
             HFONT hFontOf) {
    HWND hWnd = CreateWindowExW(0, lpszClass, L"", WS_CHILD | WS_VISIBLE | dwStyle, place.x,
                                place.y, place.cx, place.cy, hWndMaker, (HMENU)(INT_PTR)id,
                                GetModuleHandleW(NULL), NULL);
    SendMessageW(hWnd, WM_SETFONT, (WPARAM)hFontOf, FALSE);
    return hWnd;
}

// The words beside the page: the count of areas, the settings, the hint and the last thing done.
void ShowWords() {
    const int bPage = HasPage(state);
    const std::wstring strAreas = bPage ? WordsWith(IDS_MAKER_AREAS, state.page.nAreas) : L"";
    SetWindowTextW(hWndAreas, strAreas.c_str());
    // The count in the largest letters that fit, so that no language loses the number.
    HDC hdc = GetDC(hWndAreas);
    HFONT hFontFits = hFont;
    for (HFONT hFontTry : {hFontBold, hFontButton}) {
        HGDIOBJ hOld = SelectObject(hdc, hFontTry);
        SIZE size = {};
        GetTextExtentPoint32W(hdc, strAreas.c_str(), (int)strAreas.size(), &size);
        SelectObject(hdc, hOld);
        if (size.cx <= MakerAreas.cx - 8 && hFontFits == hFont)
            hFontFits = hFontTry;
    }
    ReleaseDC(hWndAreas, hdc);
    SendMessageW(hWndAreas, WM_SETFONT, (WPARAM)hFontFits, TRUE);
    SetWindowTextW(hWndGap, WordsWith(IDS_MAKER_GAP, state.settings.nGap).c_str());
    const UINT idLines = state.settings.nLines < 0   ? IDS_MAKER_LINES_LIGHTER
                         : state.settings.nLines > 0 ? IDS_MAKER_LINES_DARKER
                                                     : IDS_MAKER_LINES_NORMAL;
    SetWindowTextW(hWndLines, Words(idLines).c_str());
    std::wstring strHint;
    if (state.nCurrent < 0)
        strHint = Words(IDS_MAKER_HINT_NO_PICTURE);
    else if (state.nDecode != DECODE_OK)
        strHint = Words(IDS_MAKER_HINT_NOT_READ);
    else
        strHint = WordsWith(HintWords[HintFor(state.nMake, state.areas)], state.page.nGapsClosed);
    SetWindowTextW(hWndStatus, (strHint + L"\n" + strLastDone).c_str());
    for (int i = MAKER_GAP_LESS; i <= MAKER_DARKER; i++)
        EnableWindow(GetDlgItem(hWndMaker, IDC_MAKER_FIRST_BUTTON + i), state.nCurrent >= 0);
    EnableWindow(GetDlgItem(hWndMaker, IDC_MAKER_FIRST_BUTTON + MAKER_ADD), bPage);
    RECT rcPage = {MAKER_PAGE_X, MAKER_PAGE_Y, MAKER_PAGE_X + PAGE_WIDTH,
                   MAKER_PAGE_Y + PAGE_HEIGHT};
    InvalidateRect(hWndMaker, &rcPage, FALSE);
}

void Say(const std::wstring& strDone) {
    strLastDone = strDone;
    ShowWords();
}

// Reads picture nIndex of the opened ones and shows its page.
void OpenPicture(int nIndex) {
    if (nIndex < 0 || nIndex >= (int)state.pictures.size())
        return;
    HCURSOR hCurOld = SetCursor(LoadCursor(NULL, IDC_WAIT));
    DecodedPicture decoded;
    const std::wstring& strFile = state.pictures[nIndex];
    DecodeResult nDecode = DecodePictureFile(strFile, &decoded);
    ShowDecodedPicture(&state, nIndex, nDecode, &decoded);
    SetCursor(hCurOld);
    SendMessageW(hWndPictures, CB_SETCURSEL, nIndex, 0);
    Say(nDecode == DECODE_OK ? WordsWith(IDS_MAKER_OPENED, ShortName(strFile))
                             : PictureWords(nDecode, ShortName(strFile)));
}

// Takes pictures into the list of opened ones and shows the first of them.
void TakePictures(const std::vector<std::wstring>& files) {
    const size_t nBefore = state.pictures.size();
    const int nFirst = AddPictures(&state, files);
    for (size_t i = nBefore; i < state.pictures.size(); i++)
        SendMessageW(hWndPictures, CB_ADDSTRING, 0, (LPARAM)ShortName(state.pictures[i]).c_str());
    EnableWindow(hWndPictures, !state.pictures.empty());
    OpenPicture(nFirst);
}

void OnOpen() {
    std::vector<wchar_t> szFiles(32768, L'\0');
    std::wstring strFilter = Words(IDS_MAKER_OPEN_FILTER) + L"|";
    for (wchar_t& ch : strFilter)
        if (ch == L'|')
            ch = L'\0';
    std::wstring strTitle = Words(IDS_MAKER_OPEN_TITLE);
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = hWndMaker;
    ofn.lpstrFilter = strFilter.c_str();
    ofn.lpstrFile = szFiles.data();
    ofn.nMaxFile = (DWORD)szFiles.size();
    ofn.lpstrTitle = strTitle.c_str();
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT |
                OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&ofn))
        return;
    // One file: its path. Several: the folder, then each name, each ending in a null.
    std::vector<std::wstring> files;
    std::wstring strFirst = szFiles.data();
    for (const wchar_t* lpsz = szFiles.data() + strFirst.size() + 1; *lpsz;
         lpsz += wcslen(lpsz) + 1)
        files.push_back(strFirst + L"\\" + lpsz);
    if (files.empty())
        files.push_back(strFirst);
    TakePictures(files);
}

void OnDropFiles(HDROP hDrop) {
    std::vector<std::wstring> files;
    const UINT nFiles = DragQueryFileW(hDrop, 0xFFFFFFFF, NULL, 0);
    for (UINT i = 0; i < nFiles; i++) {
        std::vector<wchar_t> sz(DragQueryFileW(hDrop, i, NULL, 0) + 1, L'\0');
        DragQueryFileW(hDrop, i, sz.data(), (UINT)sz.size());
        files.push_back(sz.data());
    }
    DragFinish(hDrop);
    SetForegroundWindow(hWndMaker);
    TakePictures(files);
}

void OnAdd() {
    if (!HasPage(state))
        return Say(Words(IDS_MAKER_NO_PAGE));
    if (CountMyPages() >= MY_PAGES_MAX)
        return Say(WordsWith(IDS_MAKER_FULL, MY_PAGES_MAX));
    std::string strTitle;
    const std::string strSuggested =
        TitleFromFileName(Utf8Of(ShortName(state.pictures[state.nCurrent])), 20);
    if (!AskTitle(hWndMaker, strSuggested, &strTitle))
        return;
    std::string strFile;
    MyPagesResult nResult = AddMyPage(EncodeMadePage(state.page), strTitle, &strFile);
    if (nResult != MYPAGES_OK) {
        TitleResult nTitle = nResult == MYPAGES_BAD_TITLE ? CheckMyPageTitle(strTitle) : TITLE_OK;
        return Say(WordsWith(IDS_MAKER_NOT_ADDED, MyPagesWords(nResult, nTitle)));
    }
    FillMyPagesList(hWndList, hWndCount, strFile);
    Say(WordsWith(IDS_MAKER_ADDED, Wide(strTitle), 5 + CountMyPages()));
}

// Remove, Move up and Move down on the chosen page of the list.
void OnListCommand(int nButton) {
    const std::string strFile = ChosenMyPage(hWndList);
    if (strFile.empty())
        return Say(Words(IDS_MAKER_CHOOSE_PAGE));
    std::wstring strTitle;
    int nPlace = 0;
    std::vector<MyPage> pages = ListMyPages();
    for (size_t i = 0; i < pages.size(); i++)
        if (pages[i].strFile == strFile)
            strTitle = Wide(pages[i].strTitle);
    MyPagesResult nResult = nButton == MAKER_REMOVE
                                ? RemoveMyPage(strFile)
                                : MoveMyPage(strFile, nButton == MAKER_UP ? -1 : 1);
    FillMyPagesList(hWndList, hWndCount, nButton == MAKER_REMOVE ? "" : strFile);
    pages = ListMyPages();
    for (size_t i = 0; i < pages.size(); i++)
        if (pages[i].strFile == strFile)
            nPlace = 6 + (int)i;
    if (nButton == MAKER_REMOVE)
        Say(nResult == MYPAGES_OK ? WordsWith(IDS_MAKER_REMOVED, strTitle)
                                  : WordsWith(IDS_MAKER_NOT_REMOVED, MyPagesWords(nResult)));
    else
        Say(nResult == MYPAGES_OK ? WordsWith(IDS_MAKER_MOVED, strTitle, nPlace)
                                  : WordsWith(IDS_MAKER_NOT_MOVED, MyPagesWords(nResult)));
}

void OnCommand(int id, int nCode) {
    if (id == IDC_MAKER_PICTURES && nCode == CBN_SELCHANGE)
        return OpenPicture((int)SendMessageW(hWndPictures, CB_GETCURSEL, 0, 0));
    switch (id - IDC_MAKER_FIRST_BUTTON) {
    case MAKER_OPEN:
        return OnOpen();
    case MAKER_GAP_LESS:
    case MAKER_GAP_MORE:
        StepGap(&state, id - IDC_MAKER_FIRST_BUTTON == MAKER_GAP_MORE ? 1 : -1);
        return ShowWords();
    case MAKER_LIGHTER:
    case MAKER_DARKER:
        StepLines(&state, id - IDC_MAKER_FIRST_BUTTON == MAKER_DARKER ? 1 : -1);
        return ShowWords();
    case MAKER_ADD:
        return OnAdd();
    case MAKER_UP:
    case MAKER_DOWN:
    case MAKER_REMOVE:
        return OnListCommand(id - IDC_MAKER_FIRST_BUTTON);
    }
}

int OnCreate(HWND hWnd) {
    hWndMaker = hWnd;
    hFont = MakerFont(15, FALSE);
    hFontBold = MakerFont(19, TRUE);
    hFontButton = MakerFont(17, TRUE);
    hbrPlate = CreateSolidBrush(RGB(255, 250, 234));
    hbmBack = (HBITMAP)LoadImageW(GetModuleHandleW(NULL), L"MakerBack", IMAGE_BITMAP, 0, 0, 0);
    for (int i = 0; i < MAKER_BUTTONS; i++)
        Control(L"BUTTON", BS_OWNERDRAW | WS_TABSTOP, MakerButtons[i], IDC_MAKER_FIRST_BUTTON + i,
                hFont);
    hWndPictures = Control(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, MakerPictures,
                           IDC_MAKER_PICTURES, hFont);
    EnableWindow(hWndPictures, FALSE);
    hWndAreas =
        Control(L"STATIC", SS_CENTER | SS_CENTERIMAGE, MakerAreas, IDC_MAKER_AREAS, hFontBold);
    hWndGap = Control(L"STATIC", SS_CENTER | SS_CENTERIMAGE, MakerGap, IDC_MAKER_GAP, hFontBold);
    hWndLines =
        Control(L"STATIC", SS_CENTER | SS_CENTERIMAGE, MakerLines, IDC_MAKER_LINES, hFontBold);
    hWndStatus = Control(L"STATIC", SS_LEFT | SS_NOPREFIX, MakerStatus, IDC_MAKER_STATUS, hFont);
    hWndCount = Control(L"STATIC", SS_CENTER, MakerPageCount, IDC_MAKER_PAGE_COUNT, hFont);
    hWndList = CreateMyPagesList(hWnd, hFont);
    int bDamaged = FALSE;
    ListMyPages(&bDamaged);
    FillMyPagesList(hWndList, hWndCount, "");
    DragAcceptFiles(hWnd, TRUE);
    Say(bDamaged ? Words(IDS_MAKER_DAMAGED_LIST) : L"");
    return 0;
}

void PaintMaker(HDC hdc) {
    HDC hdcBack = CreateCompatibleDC(hdc);
    HGDIOBJ hOld = SelectObject(hdcBack, hbmBack);
    BitBlt(hdc, 0, 0, MAKER_WIDTH, MAKER_HEIGHT, hdcBack, 0, 0, SRCCOPY);
    SelectObject(hdcBack, hOld);
    DeleteDC(hdcBack);
    const struct {
        const MakerPlace* lpPlace;
        UINT idWords;
    } Labels[] = {{&MakerLabelGap, IDS_MAKER_LABEL_GAPS},
                  {&MakerLabelLines, IDS_MAKER_LABEL_LINES},
                  {&MakerLabelMine, IDS_MAKER_LABEL_MINE}};
    for (const auto& label : Labels) {
        const MakerPlace& place = *label.lpPlace;
        RECT rc = {place.x, place.y, place.x + place.cx, place.y + place.cy};
        DrawWords(hdc, Words(label.idWords), rc, hFontBold, DT_CENTER);
    }
    if (state.view.size() != PAGE_BYTES)
        return; // the background's blank page
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = PAGE_WIDTH;
    bmi.bmiHeader.biHeight = -PAGE_HEIGHT; // top-down, as the view is
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(hdc, MAKER_PAGE_X, MAKER_PAGE_Y, PAGE_WIDTH, PAGE_HEIGHT, 0, 0, 0,
                      PAGE_HEIGHT, state.view.data(), &bmi, DIB_RGB_COLORS);
}

void OnPaint(HWND hWnd) {
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    PaintMaker(hdc);
    EndPaint(hWnd, &ps);
}

LRESULT OnDrawItem(const DRAWITEMSTRUCT* lpDraw) {
    if (lpDraw->CtlID == IDC_MAKER_LIST) {
        DrawMyPageItem(lpDraw, hFont);
        return TRUE;
    }
    const int nButton = (int)lpDraw->CtlID - IDC_MAKER_FIRST_BUTTON;
    if (nButton >= 0 && nButton < MAKER_BUTTONS)
        DrawMakerButton(lpDraw, ButtonArt[nButton][0], ButtonArt[nButton][1], ButtonWords[nButton],
                        hFontButton);
    return TRUE;
}

LRESULT OnCtlColorStatic(HDC hdc) {
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, RGB(43, 45, 92));
    return (LRESULT)hbrPlate;
}

void OnDestroy() {
    for (HGDIOBJ h : {(HGDIOBJ)hFont, (HGDIOBJ)hFontBold, (HGDIOBJ)hFontButton, (HGDIOBJ)hbrPlate,
                      (HGDIOBJ)hbmBack})
        DeleteObject(h);
    PostQuitMessage(0);
}

LRESULT CALLBACK MakerWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_CREATE:
        return OnCreate(hWnd);
    case WM_PAINT:
        return OnPaint(hWnd), 0;
    case WM_ERASEBKGND:
        return TRUE; // the paint covers every pixel
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam)), 0;
    case WM_DRAWITEM:
        return OnDrawItem((const DRAWITEMSTRUCT*)lParam);
    case WM_CTLCOLORSTATIC:
        return OnCtlColorStatic((HDC)wParam);
    case WM_DROPFILES:
        return OnDropFiles((HDROP)wParam), 0;
    case WM_ACTIVATEAPP: // pages added from the command line meanwhile come into the list
        if (wParam)
            FillMyPagesList(hWndList, hWndCount, ChosenMyPage(hWndList));
        return 0;
    case WM_DESTROY:
        return OnDestroy(), 0;
    }
    return DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

} // namespace

void GoToBookFolder() {
    if (GetFileAttributesW(L"BAT.TW3") != INVALID_FILE_ATTRIBUTES)
        return;
    wchar_t szExe[MAX_PATH];
    DWORD cch = GetModuleFileNameW(NULL, szExe, MAX_PATH);
    if (cch == 0 || cch >= MAX_PATH)
        return;
    std::wstring strFolder = szExe;
    strFolder.resize(strFolder.find_last_of(L"\\/") + 1);
    if (GetFileAttributesW((strFolder + L"BAT.TW3").c_str()) != INVALID_FILE_ATTRIBUTES)
        SetCurrentDirectoryW(strFolder.c_str());
}

int RunMakerWindow(const std::vector<std::wstring>& pictures) {
    if (FAILED(CoInitializeEx(NULL, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)))
        return 1;
    HINSTANCE hInst = GetModuleHandleW(NULL);
    WNDCLASSW wc = {};
    wc.lpfnWndProc = MakerWndProc;
    wc.hInstance = hInst;
    wc.hIcon = LoadIconW(hInst, L"TWLIcon");
    wc.hCursor = LoadCursor(NULL, IDC_ARROW);
    wc.lpszClassName = MAKER_CLASS;
    RegisterClassW(&wc);
    const DWORD dwStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT rc = {0, 0, MAKER_WIDTH, MAKER_HEIGHT};
    AdjustWindowRectEx(&rc, dwStyle, FALSE, WS_EX_ACCEPTFILES);
    HWND hWnd = CreateWindowExW(WS_EX_ACCEPTFILES, MAKER_CLASS, Words(IDS_MAKER_CAPTION).c_str(),
                                dwStyle, CW_USEDEFAULT, CW_USEDEFAULT, rc.right - rc.left,
                                rc.bottom - rc.top, NULL, NULL, hInst, NULL);
    if (!hWnd) {
        CoUninitialize();
        return 1;
    }
    ShowWindow(hWnd, SW_SHOWNORMAL);
    UpdateWindow(hWnd);
    if (!pictures.empty())
        TakePictures(pictures);
    MSG msg;
    while (GetMessageW(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    CoUninitialize();
    return 0;
}
