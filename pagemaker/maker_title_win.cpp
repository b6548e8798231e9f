// The title box of Add to the book: one line for the page's title in capitals, digits and
// spaces, no wider than the title plate, checked as it is typed.
#include "pagemaker/maker_ids.h"
#include "pagemaker/maker_win.h"
#include "pages/my_pages.h"

namespace {

struct TitleBox {
    std::string strTitle; // in: the suggestion; out: the title chosen
    std::wstring strGood; // the field's last text that fits
    HFONT hFontAsk, hFontEdit, hFontWhy;
    HBRUSH hbrPlate;
    HBITMAP hbmBack;
    int bChanging;
};

// The characters a title takes: capitals (also those of the book's other languages), digits and
// spaces. Lower case comes in as capitals, as the system makes them; anything else is left out.
std::wstring TitleLetters(const std::wstring& str) {
    std::wstring strOut;
    for (wchar_t ch : str) {
        wchar_t sz[2] = {ch, 0};
        CharUpperBuffW(sz, 1);
        if (sz[0] == L' ' || CheckTitleLetters(Utf8Of(sz)) == TITLE_OK)
            strOut += sz[0];
    }
    return strOut;
}

HWND BoxControl(HWND hDlg, const wchar_t* lpszClass, DWORD dwStyle, const MakerPlace& place, int id,
                HFONT hFont) {
    HWND hWnd =
        CreateWindowExW(0, lpszClass, L"", WS_CHILD | WS_VISIBLE | dwStyle, place.x, place.y,
                        place.cx, place.cy, hDlg, (HMENU)(INT_PTR)id, GetModuleHandleW(NULL), NULL);
    SendMessageW(hWnd, WM_SETFONT, (WPARAM)hFont, FALSE);
    return hWnd;
}

void OnInitBox(HWND hDlg, TitleBox* lpBox) {
    SetWindowLongPtrW(hDlg, DWLP_USER, (LONG_PTR)lpBox);
    lpBox->hFontAsk = MakerFont(18, TRUE);
    lpBox->hFontEdit = MakerFont(24, TRUE);
    lpBox->hFontWhy = MakerFont(14, FALSE);
    lpBox->hbrPlate = CreateSolidBrush(RGB(255, 250, 234));
    lpBox->hbmBack =
        (HBITMAP)LoadImageW(GetModuleHandleW(NULL), L"MakerTitleBack", IMAGE_BITMAP, 0, 0, 0);
    HWND hWndAsk = BoxControl(hDlg, L"STATIC", SS_CENTER, MakerTitleAsk, -1, lpBox->hFontAsk);
    SetWindowTextW(hWndAsk, Words(IDS_MAKER_TITLE_ASK).c_str());
    HWND hWndWhy =
        BoxControl(hDlg, L"STATIC", SS_CENTER, MakerTitleWhy, IDC_MAKER_TITLE_WHY, lpBox->hFontWhy);
    SetWindowTextW(hWndWhy, Words(IDS_MAKER_TITLE_RULES).c_str());
    BoxControl(hDlg, L"BUTTON", BS_OWNERDRAW | WS_TABSTOP, MakerTitleOk, IDOK, lpBox->hFontAsk);
    BoxControl(hDlg, L"BUTTON", BS_OWNERDRAW | WS_TABSTOP, MakerTitleCancel, IDCANCEL,
               lpBox->hFontAsk);
    // Made last so that it is the one the typing goes to.
    HWND hWndEdit = BoxControl(hDlg, L"EDIT",
                               ES_UPPERCASE | ES_AUTOHSCROLL | ES_CENTER | WS_BORDER | WS_TABSTOP,
                               MakerTitleEdit, IDC_MAKER_TITLE_EDIT, lpBox->hFontEdit);
    lpBox->bChanging = TRUE;
    lpBox->strGood = TitleLetters(Wide(lpBox->strTitle));
    if (CheckMyPageTitle(Utf8Of(lpBox->strGood)) != TITLE_OK)
        lpBox->strGood.clear();
    SetWindowTextW(hWndEdit, lpBox->strGood.c_str());
    lpBox->bChanging = FALSE;
    SendMessageW(hWndEdit, EM_SETSEL, 0, -1);
    SetFocus(hWndEdit);
    // In the middle of the window it belongs to.
    RECT rcOwner;
    GetWindowRect(GetWindow(hDlg, GW_OWNER), &rcOwner);
    SetWindowPos(hDlg, NULL, (rcOwner.left + rcOwner.right - MAKER_TITLE_WIDTH) / 2,
                 (rcOwner.top + rcOwner.bottom - MAKER_TITLE_HEIGHT) / 2, MAKER_TITLE_WIDTH,
                 MAKER_TITLE_HEIGHT, SWP_NOZORDER);
}

// Keeps the field to the letters a title takes and to the plate's width, saying why when a
// letter was not taken.
void OnEditChange(HWND hDlg, TitleBox* lpBox) {
    if (lpBox->bChanging)
        return;
    HWND hWndEdit = GetDlgItem(hDlg, IDC_MAKER_TITLE_EDIT);
    wchar_t sz[MY_TITLE_MAX_BYTES * 2] = L"";
    GetWindowTextW(hWndEdit, sz, MY_TITLE_MAX_BYTES * 2);
    std::wstring strTyped = sz, strLetters = TitleLetters(strTyped);
    const int bTooWide = CheckMyPageTitle(TidyTitle(Utf8Of(strLetters))) == TITLE_TOO_WIDE ||
                         strLetters.size() >= MY_TITLE_MAX_BYTES;
    const std::wstring strKeep = bTooWide ? lpBox->strGood : strLetters;
    if (strKeep != strTyped) {
        DWORD dwStart = 0;
        SendMessageW(hWndEdit, EM_GETSEL, (WPARAM)&dwStart, 0);
        const int nCut = (int)strTyped.size() - (int)strKeep.size();
        lpBox->bChanging = TRUE;
        SetWindowTextW(hWndEdit, strKeep.c_str());
        lpBox->bChanging = FALSE;
        const int nCaret = (int)dwStart - nCut < 0 ? 0 : (int)dwStart - nCut;
        SendMessageW(hWndEdit, EM_SETSEL, nCaret, nCaret);
        MessageBeep(MB_OK);
    }
    lpBox->strGood = strKeep;
    SetDlgItemTextW(hDlg, IDC_MAKER_TITLE_WHY,
                    Words(bTooWide ? IDS_MAKER_TITLE_TOO_WIDE : IDS_MAKER_TITLE_RULES).c_str());
}

void OnOk(HWND hDlg, TitleBox* lpBox) {
    const std::string strTitle = TidyTitle(Utf8Of(lpBox->strGood));
    const TitleResult nCheck = CheckMyPageTitle(strTitle);
    if (nCheck != TITLE_OK) {
        SetDlgItemTextW(hDlg, IDC_MAKER_TITLE_WHY, TitleWords(nCheck).c_str());
        SetFocus(GetDlgItem(hDlg, IDC_MAKER_TITLE_EDIT));
        return;
    }
    lpBox->strTitle = strTitle;
    EndDialog(hDlg, IDOK);
}

void OnDestroyBox(TitleBox* lpBox) {
    for (HGDIOBJ h : {(HGDIOBJ)lpBox->hFontAsk, (HGDIOBJ)lpBox->hFontEdit, (HGDIOBJ)lpBox->hFontWhy,
                      (HGDIOBJ)lpBox->hbrPlate, (HGDIOBJ)lpBox->hbmBack})
        DeleteObject(h);
}

INT_PTR CALLBACK TitleBoxProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    TitleBox* lpBox = (TitleBox*)GetWindowLongPtrW(hDlg, DWLP_USER);
    switch (uMsg) {
    case WM_INITDIALOG:
        OnInitBox(hDlg, (TitleBox*)lParam);
        return FALSE; // the focus is set
    case WM_ERASEBKGND:
        if (lpBox) {
            HDC hdcBack = CreateCompatibleDC((HDC)wParam);
            HGDIOBJ hOld = SelectObject(hdcBack, lpBox->hbmBack);
            BitBlt((HDC)wParam, 0, 0, MAKER_TITLE_WIDTH, MAKER_TITLE_HEIGHT, hdcBack, 0, 0,
                   SRCCOPY);
            SelectObject(hdcBack, hOld);
            DeleteDC(hdcBack);
        }
        return TRUE;
    case WM_CTLCOLORSTATIC:
        SetBkMode((HDC)wParam, TRANSPARENT);
        SetTextColor((HDC)wParam, RGB(43, 45, 92));
        return lpBox ? (INT_PTR)lpBox->hbrPlate : 0;
    case WM_DRAWITEM: {
        const DRAWITEMSTRUCT* lpDraw = (const DRAWITEMSTRUCT*)lParam;
        if (lpDraw->CtlID == IDOK)
            DrawMakerButton(lpDraw, "MakerTitleOk", "MakerTitleOkDn", IDS_MAKER_BUTTON_ADD_TITLE,
                            lpBox->hFontAsk);
        else
            DrawMakerButton(lpDraw, "MakerTitleCancel", "MakerTitleCancelDn",
                            IDS_MAKER_BUTTON_CANCEL, lpBox->hFontAsk);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_MAKER_TITLE_EDIT && HIWORD(wParam) == EN_CHANGE)
            OnEditChange(hDlg, lpBox);
        else if (LOWORD(wParam) == IDOK)
            OnOk(hDlg, lpBox);
        else if (LOWORD(wParam) == IDCANCEL)
            EndDialog(hDlg, IDCANCEL);
        return TRUE;
    case WM_DESTROY:
        if (lpBox)
            OnDestroyBox(lpBox);
        return FALSE;
    }
    return FALSE;
}

} // namespace

int AskTitle(HWND hWndOwner, const std::string& strSuggested, std::string* lpstrTitle) {
    // A box with no caption and no controls of its own: they are made as it opens.
    struct {
        DLGTEMPLATE dlg;
        WORD wMenu, wClass, wTitle, wPad;
    } box = {};
    box.dlg.style = WS_POPUP; // the picture has its own border
    box.dlg.cx = 100;
    box.dlg.cy = 50;
    TitleBox title = {};
    title.strTitle = strSuggested;
    INT_PTR nChosen = DialogBoxIndirectParamW(GetModuleHandleW(NULL), &box.dlg, hWndOwner,
                                              TitleBoxProc, (LPARAM)&title);
    if (nChosen != IDOK)
        return false;
    *lpstrTitle = title.strTitle;
    return true;
}
