// The skinned dialogs: built from the dialog tables at run time and run modally.
#pragma once
#include <windows.h>

#include "ui/dialog_template.h"

// A zero-filled fixed block of 4096 bytes holding the dialog's template, or null when the
// memory cannot be had. The caller frees it with GlobalFree.
HGLOBAL BuildDialogTemplate(int nDialog);

// Runs dialog nDialog modally over hWndOwner and returns its result; when its template cannot
// be built, says so in a box owned by hWndOwner and returns 0.
INT_PTR RunDialog(HWND hWndOwner, int nDialog, DLGPROC lpDialogProc, LPARAM lParam);

// Centres the dialog on the 800 x 600 screen, dy lower; with nDialog 0 or more, also gives
// each of that dialog's controls the 10-point bold font.
void CenterDialog(HWND hDlg, int nDialog, int dy);

// Transparent black text on the skin; returns the hollow brush.
HBRUSH SetCtlColors(HDC hdc);

// A bitmap of the dialog's background, drawn at its own size.
struct SkinBitmap {
    const char* lpszName;
    int x, y;
};

// An owner-drawn button and its two looks.
struct SkinButton {
    int id;
    const char* lpszUp;
    const char* lpszDown;
};

struct DlgSkin {
    const SkinBitmap* lpBackgrounds;
    int nBackgrounds;
    const SkinButton* lpButtons;
    int nButtons;
};

// The messages every skinned dialog handles alike: background, button looks, text colours.
// Returns what the dialog procedure returns; FALSE for everything else.
INT_PTR SkinDlgMessage(const DlgSkin& skin, UINT uMsg, WPARAM wParam, LPARAM lParam);

INT_PTR CALLBACK InfoDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
