// The three dialogs of the program: Info, Printing Options and About, in table units.
#include "ui/dialog_template.h"

#include "shell/base/ids.h"

namespace {

const uint32_t BUTTON_STYLE = STYLE_VISIBLE | STYLE_OWNERDRAW;
const uint32_t RADIO_STYLE = STYLE_VISIBLE | STYLE_RADIOBUTTON;

const DlgItem InfoItems[] = {
    {39, 124, 104, 23, IDC_DLGOK, BUTTON_STYLE, u"BUTTON", u"&Done", IDS_DLG_DONE},
    {39, 35, 104, 23, IDC_ABOUT, BUTTON_STYLE, u"BUTTON", u"&About", IDS_DLG_ABOUT},
    {39, 68, 104, 23, IDC_PRINTOPTIONS, BUTTON_STYLE, u"BUTTON", u"&Printing Options",
     IDS_DLG_PRINTOPTIONS},
    {0, 0, 0, 0, 0, 0, nullptr, nullptr, 0},
};

// The radio buttons carry no text: their labels are part of the dialog's background art.
const DlgItem PrintOptionsItems[] = {
    {39, 53, 105, 12, IDC_PRINTDEFAULT, RADIO_STYLE, u"BUTTON", u"", 0},
    {39, 70, 105, 12, IDC_PRINTALTERNATE1, RADIO_STYLE, u"BUTTON", u"", 0},
    {39, 87, 105, 12, IDC_PRINTALTERNATE2, RADIO_STYLE, u"BUTTON", u"", 0},
    {64, 150, 48, 23, IDC_DLGOK, BUTTON_STYLE, u"BUTTON", u"&OK", IDS_DLG_OK},
    {0, 0, 0, 0, 0, 0, nullptr, nullptr, 0},
};

const DlgItem AboutItems[] = {
    {82, 22, 16, 16, IDC_ABOUTICON, STYLE_VISIBLE | STYLE_ICON, u"STATIC", u"TWLIcon", 0},
    {0, 48, 180, 9, IDC_ABOUTTITLE, STYLE_VISIBLE | STYLE_CENTER, u"STATIC", u"Tintwell 3: Animals",
     IDS_ABOUT_TITLE},
    {0, 58, 180, 9, IDC_ABOUTVERSION, STYLE_VISIBLE | STYLE_CENTER, u"STATIC", u"Version 4.21",
     IDS_ABOUT_VERSION},
    {64, 150, 48, 23, IDC_DLGOK, BUTTON_STYLE, u"BUTTON", u"&OK", IDS_DLG_OK},
    {0, 0, 0, 0, 0, 0, nullptr, nullptr, 0},
};

} // namespace

// Borderless popups without caption or font of their own; the skin paints everything.
const DlgHeader DialogHeaders[DLG_COUNT] = {
    {STYLE_POPUP, 0, 0, 180, 180, u"", u"", u"", 0, nullptr},
    {STYLE_POPUP, 0, 0, 180, 180, u"", u"", u"", 0, nullptr},
    {STYLE_POPUP, 0, 0, 180, 180, u"", u"", u"", 0, nullptr},
};

const DlgItem* DialogItems[DLG_COUNT] = {};

void InitDialogTables() {
    DialogItems[DLG_INFO] = InfoItems;
    DialogItems[DLG_PRINTOPTIONS] = PrintOptionsItems;
    DialogItems[DLG_ABOUT] = AboutItems;
}
