// The owner-drawn buttons of the main window: intro OK, tools, palette pages and swatches.
#pragma once
#include <windows.h>

struct ButtonDef {
    HWND hWnd; // null while the button does not exist
    int nId;
    int x, y;
    int cx, cy;
};

enum { nToolButtons = 6, nPaletteButtons = 8, nSwatchButtons = 28, nSwatchBitmaps = 224 };

extern ButtonDef IntroButtons[1];
extern ButtonDef ToolButtons[nToolButtons];
extern ButtonDef PaletteButtons[nPaletteButtons];
extern ButtonDef SwatchButtons[nSwatchButtons];

extern HBITMAP hbmToolUp[nToolButtons], hbmToolDown[nToolButtons];
extern HBITMAP hbmPalette[nPaletteButtons];
extern HBITMAP hbmSwatch[nSwatchBitmaps];

LRESULT CreateIntroButtons(HWND hWndParent);
void DestroyIntroButtons();
LRESULT CreateControlBar(HWND hWndParent);
LRESULT OnDrawItem(const DRAWITEMSTRUCT* lpDrawItem);

// Deletes every bitmap the control bar loaded (tools up, tools down, swatches, palette pages).
void DeleteControlBarBitmaps();
