// The program's dialogs as tables, and the in-memory dialog templates built from them.
// Plain C++ over a byte buffer, so that the layout can be checked without a window.
#pragma once
#include <cstddef>
#include <cstdint>

// The window and control styles the tables use, with the values the system gives them.
enum : uint32_t {
    STYLE_POPUP = 0x80000000u,
    STYLE_CHILD = 0x40000000u,
    STYLE_VISIBLE = 0x10000000u,
    STYLE_SETFONT = 0x00000040u,     // dialog: a point size and face name follow the caption
    STYLE_CENTER = 0x00000001u,      // static: centred text
    STYLE_ICON = 0x00000003u,        // static: an icon named by its text
    STYLE_RADIOBUTTON = 0x00000004u, // button: a radio button that does not check itself
    STYLE_OWNERDRAW = 0x0000000Bu,   // button: drawn by its dialog
};

enum { DLG_INFO = 0, DLG_PRINTOPTIONS = 1, DLG_ABOUT = 2, DLG_COUNT = 3 };

enum { DLG_TEMPLATE_BYTES = 4096 };

// Control ids of the dialogs. 1 and 2 are the ids Enter and Escape send.
enum {
    IDC_DLGOK = 1,
    IDC_DLGCANCEL = 2,
    IDC_ABOUT = 110,
    IDC_PRINTOPTIONS = 111,
    IDC_PRINTDEFAULT = 112,
    IDC_PRINTALTERNATE1 = 113,
    IDC_PRINTALTERNATE2 = 114,
    IDC_ABOUTICON = 2500,
    IDC_ABOUTTITLE = 2501,
    IDC_ABOUTVERSION = 2502,
};

// One dialog: sizes are table units, which the template turns into two pixels each.
struct DlgHeader {
    uint32_t dwStyle;
    int16_t x, y;
    int16_t cx, cy;
    const char16_t* lpszMenu;
    const char16_t* lpszClass;
    const char16_t* lpszCaption;
    int16_t nPointSize;       // only with STYLE_SETFONT
    const char16_t* lpszFace; // only with STYLE_SETFONT
};

// One control; a list of them ends at the first row whose class is null.
struct DlgItem {
    int32_t x, y, cx, cy;
    int32_t id;
    uint32_t dwStyle; // the child style is added when the template is built
    const char16_t* lpszClass;
    const char16_t* lpszText;
    int32_t idsText; // the string that replaces the text in the book's language; 0 for none
};

extern const DlgHeader DialogHeaders[DLG_COUNT];
// Each dialog's control list; null until InitDialogTables has run.
extern const DlgItem* DialogItems[DLG_COUNT];

// Fills DialogItems; run once at start-up, before any dialog can open.
void InitDialogTables();

// Writes the template of one dialog into lpBuf, which the caller has zero-filled, with the
// system's dialog base units bx and by. Returns the bytes used, or 0 when the template would
// not fit in cbBuf or the base units are not positive; nothing is written past cbBuf.
size_t WriteDialogTemplate(uint8_t* lpBuf, size_t cbBuf, const DlgHeader& header,
                           const DlgItem* lpItems, int bx, int by);
