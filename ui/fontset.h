// The program's two font sets, one font per size slot, for the texts of the skinned dialogs.
#pragma once
#include <windows.h>

#include "ui/font_heights.h"

// One font of one point size; the font lives as long as the object.
class ScaledFont {
  public:
    ScaledFont(const int32_t* lpHeightTable, int nPoints, const char* lpszFace);
    virtual ~ScaledFont();
    HFONT Handle() const { return hFont; }

    const int32_t* lpHeights;
    HFONT hFont;
};

// A face name and its fonts at the seven point sizes of FontPointSizes.
class FontSet {
  public:
    explicit FontSet(const char* lpszFaceName);
    virtual ~FontSet();
    // The font of slot 0..6, or null when it could not be made.
    HFONT GetFont(int nSlot) const;

    const char* lpszFace;
    ScaledFont* lpFonts[FONT_SLOTS];
};

extern FontSet fsArial;     // "arial"
extern FontSet fsArialBold; // "arial bold": the face name alone makes it bold
