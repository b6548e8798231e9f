// The font sets: made before the program's entry code runs and deleted at exit.
#include "ui/fontset.h"

#include "shell/base/language.h"

#include <new>

ScaledFont::ScaledFont(const int32_t* lpHeightTable, int nPoints, const char* lpszFace)
    : lpHeights(lpHeightTable), hFont(NULL) {
    // The character set of the book's language, so that its letters are in the font chosen.
    hFont = CreateFontA(lpHeights[nPoints], 0, 0, 0, 0, FALSE, FALSE, FALSE, LanguageCharSet(), 0,
                        0, 0, 0, lpszFace);
}

ScaledFont::~ScaledFont() {
    if (hFont != NULL)
        DeleteObject(hFont);
    hFont = NULL;
}

FontSet::FontSet(const char* lpszFaceName) : lpszFace(lpszFaceName) {
    for (int nSlot = 0; nSlot < FONT_SLOTS; nSlot++)
        lpFonts[nSlot] =
            new (std::nothrow) ScaledFont(FontHeights, FontPointSizes[nSlot], lpszFace);
}

FontSet::~FontSet() {
    for (int nSlot = 0; nSlot < FONT_SLOTS; nSlot++) {
        delete lpFonts[nSlot];
        lpFonts[nSlot] = NULL;
    }
}

HFONT FontSet::GetFont(int nSlot) const {
    if (nSlot < 0 || nSlot >= FONT_SLOTS || lpFonts[nSlot] == NULL)
        return NULL;
    return lpFonts[nSlot]->Handle();
}

FontSet fsArial("arial");
FontSet fsArialBold("arial bold");
