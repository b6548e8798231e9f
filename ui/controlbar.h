// The owner-drawn buttons of the main window (intro OK, tools, palette pages and swatches) and
// the colour choice they show.
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

// The colour the child has chosen: the palette page's button, the first colour of that page, the
// swatch's button, and the palette index they give (1..224). Changed only by the two handlers
// below.
extern int idCurPalettePage;
extern int nPaletteBase;
extern int idCurSwatch;
extern int nCurColour;

// A palette-page button or a swatch was pressed: click sound, new colour, buttons redrawn.
LRESULT OnPalettePage(int id);
LRESULT OnSwatch(int id);

LRESULT CreateIntroButtons(HWND hWndParent);
void DestroyIntroButtons();
LRESULT CreateControlBar(HWND hWndParent);
LRESULT OnDrawItem(const DRAWITEMSTRUCT* lpDrawItem);

// Deletes every bitmap the control bar loaded (tools up, tools down, swatches, palette pages).
void DeleteControlBarBitmaps();
