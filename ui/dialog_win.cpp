// The routines every skinned dialog shares: template, modal run, centring and the skin.
#include "ui/dialog.h"

#include "shell/base/app_state.h"
#include "shell/base/diag.h"
#include "shell/base/language.h"
#include "shell/base/bitmaps.h"
#include "shell/base/seams.h"
#include "ui/fontset.h"

#include <string>
#include <vector>

static_assert(STYLE_POPUP == WS_POPUP && STYLE_CHILD == WS_CHILD && STYLE_VISIBLE == WS_VISIBLE,
              "window styles");
static_assert(STYLE_SETFONT == DS_SETFONT && STYLE_CENTER == SS_CENTER && STYLE_ICON == SS_ICON,
              "dialog and static styles");
static_assert(STYLE_RADIOBUTTON == BS_RADIOBUTTON && STYLE_OWNERDRAW == BS_OWNERDRAW,
              "button styles");
static_assert(IDC_DLGOK == IDOK && IDC_DLGCANCEL == IDCANCEL, "Enter and Escape");

// The dialog's controls with their texts in the book's language; texts holds the words.
static std::vector<DlgItem> ItemsInLanguage(const DlgItem* lpItems,
                                            std::vector<std::u16string>* lpTexts) {
    std::vector<DlgItem> items;
    for (const DlgItem* lpItem = lpItems; lpItem != NULL && lpItem->lpszClass != NULL; lpItem++)
        lpTexts->push_back(lpItem->idsText != 0 ? reinterpret_cast<const char16_t*>(
                                                      LoadResStringW(lpItem->idsText, 0))
                                                : u"");
    for (size_t i = 0; lpItems != NULL && lpItems[i].lpszClass != NULL; i++) {
        items.push_back(lpItems[i]);
        if (!(*lpTexts)[i].empty())
            items.back().lpszText = (*lpTexts)[i].c_str();
    }
    items.push_back(DlgItem{});
    return items;
}

HGLOBAL BuildDialogTemplate(int nDialog) {
    if (nDialog < 0 || nDialog >= DLG_COUNT)
        return NULL;
    std::vector<std::u16string> texts;
    std::vector<DlgItem> items = ItemsInLanguage(DialogItems[nDialog], &texts);
    LONG lUnits = GetDialogBaseUnits();
    int bx = LOWORD(lUnits), by = HIWORD(lUnits);
    HGLOBAL hTemplate = TW_PLATFORM(GlobalAlloc)(GPTR, DLG_TEMPLATE_BYTES);
    if (hTemplate == NULL)
        return NULL;
    // GPTR memory is fixed: the handle is the address.
    if (WriteDialogTemplate(static_cast<BYTE*>(hTemplate), DLG_TEMPLATE_BYTES,
                            DialogHeaders[nDialog], items.data(), bx, by) == 0) {
        GlobalFree(hTemplate);
        return NULL;
    }
    return hTemplate;
}

INT_PTR RunDialog(HWND hWndOwner, int nDialog, DLGPROC lpDialogProc, LPARAM lParam) {
    HGLOBAL hTemplate = BuildDialogTemplate(nDialog);
    if (hTemplate == NULL) {
        LangMessageBox(hWndOwner, NULL, IDS_NOMEMORY_DIALOG, IDS_APPNAME, MB_OK);
        return 0;
    }
    // The wide form, so that the texts keep letters the system's code page lacks.
    INT_PTR nResult = DialogBoxIndirectParamW(hInst, static_cast<LPCDLGTEMPLATEW>(hTemplate),
                                              hWndOwner, lpDialogProc, lParam);
    GlobalFree(hTemplate);
    return nResult;
}

void CenterDialog(HWND hDlg, int nDialog, int dy) {
    RECT rc;
    GetWindowRect(hDlg, &rc);
    int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    MoveWindow(hDlg, (800 - cx) / 2, (600 - cy) / 2 + dy, cx, cy, FALSE);
    if (nDialog < 0 || nDialog >= DLG_COUNT || DialogItems[nDialog] == NULL)
        return;
    WPARAM hFont = reinterpret_cast<WPARAM>(fsArialBold.GetFont(1));
    for (const DlgItem* lpItem = DialogItems[nDialog]; lpItem->lpszClass != NULL; lpItem++)
        SendDlgItemMessageA(hDlg, lpItem->id, WM_SETFONT, hFont, FALSE);
}

HBRUSH SetCtlColors(HDC hdc) {
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, RGB(0, 0, 0));
    return hHollowBrush;
}

static INT_PTR DrawSkinButton(const DlgSkin& skin, const DRAWITEMSTRUCT* lpDrawItem) {
    for (int i = 0; i < skin.nButtons; i++) {
        if (skin.lpButtons[i].id == static_cast<int>(lpDrawItem->CtlID)) {
            DrawButtonBitmap(lpDrawItem, skin.lpButtons[i].lpszDown, skin.lpButtons[i].lpszUp);
            return TRUE;
        }
    }
    return FALSE;
}

INT_PTR SkinDlgMessage(const DlgSkin& skin, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_ERASEBKGND:
        for (int i = 0; i < skin.nBackgrounds; i++)
            DrawBitmapAt(reinterpret_cast<HDC>(wParam), skin.lpBackgrounds[i].lpszName,
                         skin.lpBackgrounds[i].x, skin.lpBackgrounds[i].y);
        return TRUE;
    case WM_DRAWITEM:
        return DrawSkinButton(skin, reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<INT_PTR>(SetCtlColors(reinterpret_cast<HDC>(wParam)));
    }
    return FALSE;
}
