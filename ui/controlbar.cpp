// Creation and owner-draw of the main window's buttons.
#include "ui/controlbar.h"

#include "pages/sound.h"
#include "shell/base/app_state.h"
#include "shell/base/bitmaps.h"
#include "shell/base/language.h"

int idCurPalettePage = 2001;
int nPaletteBase = 28;
int idCurSwatch = 2008;
int nCurColour = 29;

ButtonDef IntroButtons[1] = {{NULL, IDC_INTROOK, 344, 420, 96, 46}};

ButtonDef ToolButtons[nToolButtons] = {
    {NULL, IDC_QUIT, 12, 12, 96, 45},   {NULL, IDC_PRINT, 318, 12, 79, 45},
    {NULL, IDC_CLEAR, 403, 12, 79, 45}, {NULL, IDC_INFO, 692, 12, 96, 45},
    {NULL, IDC_UP, 267, 543, 53, 45},   {NULL, IDC_DOWN, 480, 543, 53, 45},
};

ButtonDef PaletteButtons[nPaletteButtons] = {
    {NULL, 2000, 114, 12, 45, 45}, {NULL, 2001, 165, 12, 45, 45}, {NULL, 2002, 216, 12, 45, 45},
    {NULL, 2003, 267, 12, 45, 45}, {NULL, 2004, 488, 12, 45, 45}, {NULL, 2005, 539, 12, 45, 45},
    {NULL, 2006, 590, 12, 45, 45}, {NULL, 2007, 641, 12, 45, 45},
};

// Anticlockwise around the page: down the left, along the bottom, up the right.
ButtonDef SwatchButtons[nSwatchButtons] = {
    {NULL, 2008, 12, 84, 45, 45},   {NULL, 2009, 12, 135, 45, 45},  {NULL, 2010, 12, 186, 45, 45},
    {NULL, 2011, 12, 237, 45, 45},  {NULL, 2012, 12, 288, 45, 45},  {NULL, 2013, 12, 339, 45, 45},
    {NULL, 2014, 12, 390, 45, 45},  {NULL, 2015, 12, 441, 45, 45},  {NULL, 2016, 12, 492, 45, 45},
    {NULL, 2017, 12, 543, 45, 45},  {NULL, 2018, 62, 543, 45, 45},  {NULL, 2019, 114, 543, 45, 45},
    {NULL, 2020, 165, 543, 45, 45}, {NULL, 2021, 216, 543, 45, 45}, {NULL, 2022, 539, 543, 45, 45},
    {NULL, 2023, 590, 543, 45, 45}, {NULL, 2024, 641, 543, 45, 45}, {NULL, 2025, 692, 543, 45, 45},
    {NULL, 2026, 743, 543, 45, 45}, {NULL, 2027, 743, 492, 45, 45}, {NULL, 2028, 743, 441, 45, 45},
    {NULL, 2029, 743, 390, 45, 45}, {NULL, 2030, 743, 339, 45, 45}, {NULL, 2031, 743, 288, 45, 45},
    {NULL, 2032, 743, 237, 45, 45}, {NULL, 2033, 743, 186, 45, 45}, {NULL, 2034, 743, 135, 45, 45},
    {NULL, 2035, 743, 84, 45, 45},
};

HBITMAP hbmToolUp[nToolButtons], hbmToolDown[nToolButtons];
HBITMAP hbmPalette[nPaletteButtons];
HBITMAP hbmSwatch[nSwatchBitmaps];

static const char* const szToolUp[nToolButtons] = {"QuitBtn", "PrintBtn", "ClearBtn",
                                                   "InfoBtn", "UpBtn",    "DownBtn"};
static const char* const szToolDown[nToolButtons] = {"QuitBtnDn", "PrintBtnDn", "ClearBtnDn",
                                                     "InfoBtnDn", "UpBtnDn",    "DownBtnDn"};

// Makes a button draw itself again, after the selection it shows has changed.
static void RedrawButton(HWND hButton) {
    SendMessageA(hButton, BM_SETSTATE, TRUE, 0);
    SendMessageA(hButton, BM_SETSTATE, FALSE, 0);
}

LRESULT OnPalettePage(int id) {
    int idOld = idCurPalettePage;
    PlaySoundOnce(IDW_CLICK);
    idCurPalettePage = id;
    nPaletteBase = (id - IDC_PALETTE_FIRST) * nSwatchButtons;
    nCurColour = idCurSwatch - (IDC_SWATCH_FIRST - 1) + nPaletteBase;
    RedrawButton(PaletteButtons[idOld - IDC_PALETTE_FIRST].hWnd);
    for (int i = 0; i < nSwatchButtons; i++)
        RedrawButton(SwatchButtons[i].hWnd);
    return 0;
}

LRESULT OnSwatch(int id) {
    int idOld = idCurSwatch;
    PlaySoundOnce(IDW_CLICK);
    idCurSwatch = id;
    nCurColour = id - (IDC_SWATCH_FIRST - 1) + nPaletteBase;
    RedrawButton(SwatchButtons[idOld - IDC_SWATCH_FIRST].hWnd);
    return 0;
}

static void CreateButtons(HWND hWndParent, ButtonDef* lpButtons, int nButtons) {
    for (int i = 0; i < nButtons; i++) {
        ButtonDef& b = lpButtons[i];
        b.hWnd = CreateWindowExA(0, "button", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, b.x, b.y,
                                 b.cx, b.cy, hWndParent, (HMENU)(INT_PTR)b.nId, hInst, NULL);
    }
}

LRESULT CreateIntroButtons(HWND hWndParent) {
    CreateButtons(hWndParent, IntroButtons, 1);
    return 0;
}

void DestroyIntroButtons() {
    if (IntroButtons[0].hWnd != NULL) {
        DestroyWindow(IntroButtons[0].hWnd);
        IntroButtons[0].hWnd = NULL;
    }
}

static void CreatePaletteButtons(HWND hWndParent) {
    CreateButtons(hWndParent, PaletteButtons, nPaletteButtons);
    for (int p = 0; p < nPaletteButtons; p++)
        hbmPalette[p] = LoadBitmapA(hInst, MAKEINTRESOURCEA(IDB_PALETTE_FIRST + p));
}

static void CreateSwatchButtons(HWND hWndParent) {
    CreateButtons(hWndParent, SwatchButtons, nSwatchButtons);
    for (int n = 0; n < nSwatchBitmaps; n++)
        hbmSwatch[n] = LoadBitmapA(hInst, MAKEINTRESOURCEA(IDB_SWATCH_FIRST + n));
}

LRESULT CreateControlBar(HWND hWndParent) {
    CreateButtons(hWndParent, ToolButtons, nToolButtons);
    for (int i = 0; i < nToolButtons; i++) {
        hbmToolUp[i] = LoadLangBitmap(szToolUp[i]);
        hbmToolDown[i] = LoadLangBitmap(szToolDown[i]);
    }
    CreatePaletteButtons(hWndParent);
    CreateSwatchButtons(hWndParent);
    InvalidateRect(hWndParent, NULL, FALSE);
    return 0;
}

LRESULT OnDrawItem(const DRAWITEMSTRUCT* lpDrawItem) {
    int id = (int)lpDrawItem->CtlID;
    if (id == IDC_INTROOK) {
        DrawButtonBitmap(lpDrawItem, "OKButtonDown", "OKButtonUp");
        return TRUE;
    }
    const RECT& rc = lpDrawItem->rcItem;
    int bSelected = (lpDrawItem->itemState & ODS_SELECTED) != 0;
    int bFocus = (lpDrawItem->itemState & ODS_FOCUS) != 0;
    HBITMAP hbm = NULL;
    int ySource = 0;
    if (id >= IDC_QUIT && id <= IDC_DOWN) {
        hbm = bSelected ? hbmToolDown[id - IDC_QUIT] : hbmToolUp[id - IDC_QUIT];
    } else if (id >= IDC_PALETTE_FIRST && id <= IDC_PALETTE_LAST) {
        hbm = hbmPalette[id - IDC_PALETTE_FIRST];
        if (id == idCurPalettePage || bFocus)
            ySource = rc.bottom;
    } else if (id >= IDC_SWATCH_FIRST && id <= IDC_SWATCH_LAST) {
        hbm = hbmSwatch[id - IDC_SWATCH_FIRST + nPaletteBase];
        if (id == idCurSwatch || bFocus)
            ySource = rc.bottom;
    }
    HDC hdcMem = CreateCompatibleDC(lpDrawItem->hDC);
    HGDIOBJ hbmOld = hbm != NULL ? SelectObject(hdcMem, hbm) : NULL;
    BitBlt(lpDrawItem->hDC, rc.left, rc.top, rc.right, rc.bottom, hdcMem, 0, ySource, SRCCOPY);
    if (hbmOld != NULL)
        SelectObject(hdcMem, hbmOld);
    DeleteDC(hdcMem);
    return TRUE;
}

static void DeleteBitmaps(HBITMAP* lpBitmaps, int nBitmaps) {
    for (int i = 0; i < nBitmaps; i++) {
        if (lpBitmaps[i] != NULL)
            DeleteObject(lpBitmaps[i]);
        lpBitmaps[i] = NULL;
    }
}

void DeleteControlBarBitmaps() {
    DeleteBitmaps(hbmToolUp, nToolButtons);
    DeleteBitmaps(hbmToolDown, nToolButtons);
    DeleteBitmaps(hbmSwatch, nSwatchBitmaps);
    DeleteBitmaps(hbmPalette, nPaletteButtons);
}
