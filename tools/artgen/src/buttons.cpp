// Push buttons: the tool bar, the intro and dialog buttons, the palette-page suns and swatches.
#include "art.h"
#include "icons.h"
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

using Painter = std::function<void(cairo_t*)>;

} // namespace

// A raised cream tile with a drop shadow; pressed, it sinks onto its shadow.
void ButtonFace(cairo_t* cr, double w, double h, bool bDown, Rgb face) {
    const double r = std::min(12.0, h / 3);
    if (!bDown) {
        RoundRectPath(cr, 1.5, 3.5, w - 3, h - 5, r);
        SetColour(cr, Theme::Ink, 0.35);
        cairo_fill(cr);
    }
    double dy = bDown ? 2.5 : 0.5;
    RoundRectPath(cr, 1.5, dy + 1, w - 3, h - 5, r);
    FillGradient(cr, dy, dy + h - 4, Mix(face, Theme::White, 0.6), face);
    SetColour(cr, Theme::Ink);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
}

namespace {

// Draws one button (face and picture) over the background it will sit on.
Picture DrawButton(const Picture& under, bool bDown, Rgb face, const Painter& paint) {
    CCanvas c(under);
    cairo_t* cr = c.Cr();
    ButtonFace(cr, under.nWidth, under.nHeight, bDown, bDown ? Mix(face, Theme::Ink, 0.1) : face);
    cairo_save(cr);
    cairo_translate(cr, 0, bDown ? 2 : 0);
    paint(cr);
    cairo_restore(cr);
    return c.Snapshot();
}

// Stacks the normal look over the selected look, 46 x 90.
Picture TwoLooks(const Picture& normal, const Picture& selected) {
    Picture out(46, 90);
    out.Paste(normal, 0, 0);
    out.Paste(selected, 0, 45);
    return out;
}

void AddPair(FileSet& files, const char* lpszUp, const char* lpszDown, const Picture& under,
             Rgb face, const Painter& paint) {
    try {
        files[std::string(lpszUp) + ".bmp"] = EncodeBmp8(DrawButton(under, false, face, paint));
        files[std::string(lpszDown) + ".bmp"] = EncodeBmp8(DrawButton(under, true, face, paint));
    } catch (const CLabelError& e) {
        throw CLabelError(std::string(lpszUp) + ": " + e.what());
    }
}

// A palette-page button: a smiling sun in the colours of its palette page.
Picture DrawSunButton(const Picture& under, int nPage, bool bSelected) {
    CCanvas c(under);
    cairo_t* cr = c.Cr();
    auto Colour = [nPage](int nPos) { return PageColour(1 + 28 * nPage + nPos); };
    // Colours that say what the page holds: a few well spread positions of the page.
    static const int Picks[8] = {8, 11, 13, 9, 17, 22, 15, 19};
    cairo_arc(cr, 22.5, 22.5, 20.5, 0, 2 * M_PI);
    Rgb face = bSelected ? Rgb{255, 244, 170} : Theme::Cream;
    SetColour(cr, Theme::Ink, 0.35);
    if (!bSelected) {
        cairo_save(cr);
        cairo_translate(cr, 0, 2);
        cairo_fill_preserve(cr);
        cairo_restore(cr);
    }
    cairo_new_path(cr);
    cairo_arc(cr, 22.5, 22.5, 20.5, 0, 2 * M_PI);
    FillGradient(cr, 2, 43, Mix(face, Theme::White, 0.6), face);
    SetColour(cr, Theme::Ink);
    cairo_set_line_width(cr, bSelected ? 3.5 : 2.5);
    cairo_stroke(cr);
    const double rIn = 9.8, rOut = bSelected ? 19.5 : 18.5;
    for (int i = 0; i < 8; ++i) {
        double a = i * M_PI / 4 - M_PI / 2;
        double a0 = a - 0.38, a1 = a + 0.38;
        cairo_move_to(cr, 22.5 + rIn * std::cos(a0), 22.5 + rIn * std::sin(a0));
        cairo_line_to(cr, 22.5 + rOut * std::cos(a), 22.5 + rOut * std::sin(a));
        cairo_line_to(cr, 22.5 + rIn * std::cos(a1), 22.5 + rIn * std::sin(a1));
        cairo_close_path(cr);
        FillStroke(cr, Colour(Picks[i]), Theme::Ink, 1.2);
    }
    cairo_arc(cr, 22.5, 22.5, 10, 0, 2 * M_PI);
    FillStroke(cr, Colour(nPage == 3 ? 24 : 11), Theme::Ink, 1.5);
    // Face: two eyes and a smile.
    SetColour(cr, Theme::Ink);
    cairo_arc(cr, 19, 20.5, 1.4, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_arc(cr, 26, 20.5, 1.4, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_arc(cr, 22.5, 23, 4.2, 0.25 * M_PI, 0.75 * M_PI);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    return c.Snapshot();
}

// A colour swatch: normal, a ring holding a small dot of the colour; selected, a big disc.
Picture DrawSwatch(const Picture& under, Rgb colour, bool bSelected) {
    CCanvas c(under);
    cairo_t* cr = c.Cr();
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (!bSelected) {
        cairo_arc(cr, 22.5, 24.5, 19, 0, 2 * M_PI);
        SetColour(cr, Theme::Ink, 0.35);
        cairo_fill(cr);
        cairo_arc(cr, 22.5, 22.5, 19, 0, 2 * M_PI);
        FillGradient(cr, 3, 42, Theme::White, Theme::Cream);
        SetColour(cr, Theme::Ink);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
        cairo_arc(cr, 22.5, 22.5, 8.5, 0, 2 * M_PI);
        FillStroke(cr, colour, Theme::Ink, 2);
    } else {
        cairo_arc(cr, 22.5, 22.5, 20.5, 0, 2 * M_PI);
        SetColour(cr, Theme::White);
        cairo_fill(cr);
        cairo_arc(cr, 22.5, 22.5, 17.5, 0, 2 * M_PI);
        FillStroke(cr, colour, Theme::Ink, 3);
        cairo_arc(cr, 22.5, 22.5, 20.5, 0, 2 * M_PI);
        SetColour(cr, Theme::Ink);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        // A little shine, kept off the middle so that most of the disc is the colour itself.
        cairo_save(cr);
        cairo_translate(cr, 15, 14);
        cairo_rotate(cr, -0.7);
        cairo_scale(cr, 4.2, 2.2);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        SetColour(cr, Theme::White, 0.55);
        cairo_fill(cr);
    }
    return c.Snapshot();
}

} // namespace

void AddButtonArt(FileSet& files, const Picture& frame, const Picture& panel) {
    const Painter ToolPictures[6] = {
        nullptr,
        [](cairo_t* cr) { IconPrint(cr, 79, 45); },
        [](cairo_t* cr) { IconClear(cr, 79, 45); },
        nullptr,
        [](cairo_t* cr) { IconArrow(cr, 53, 45, false); },
        [](cairo_t* cr) { IconArrow(cr, 53, 45, true); },
    };
    for (int i = 0; i < 6; ++i) {
        const ButtonPlace& bp = ToolPlaces[i];
        if (ToolPictures[i])
            AddPair(files, bp.lpszUp, bp.lpszDown, frame.Crop(bp.x, bp.y, bp.cx, bp.cy),
                    Theme::Cream, ToolPictures[i]);
    }
    for (int p = 0; p < 8; ++p) {
        Picture under = frame.Crop(PalettePageX[p], 12, 45, 45);
        char szName[16];
        std::snprintf(szName, sizeof szName, "bmp%d.bmp", 91 + p);
        files[szName] =
            EncodeBmp8(TwoLooks(DrawSunButton(under, p, false), DrawSunButton(under, p, true)));
    }
    for (int n = 0; n < 224; ++n) {
        int k = n % 28;
        Picture under = frame.Crop(SwatchX[k], SwatchY[k], 45, 45);
        Rgb colour = PageColour(PIXEL_FIRST_COLOUR + n);
        char szName[16];
        std::snprintf(szName, sizeof szName, "bmp%d.bmp", 101 + n);
        files[szName] =
            EncodeBmp8(TwoLooks(DrawSwatch(under, colour, false), DrawSwatch(under, colour, true)));
    }
    (void)panel;
}

void AddWordedButtons(FileSet& files, const Picture& frame, const Picture& panel,
                      const Words& words) {
    auto Under = [&frame](const ButtonPlace& bp) { return frame.Crop(bp.x, bp.y, bp.cx, bp.cy); };
    const ButtonPlace &quit = ToolPlaces[0], &info = ToolPlaces[3];
    const std::string sQuit = WordFor(words, "button.quit"), sInfo = WordFor(words, "button.info");
    const std::string sOk = WordFor(words, "button.ok"), sDone = WordFor(words, "button.done");
    const std::string sAbout = WordFor(words, "button.about");
    const std::string sPrintOpt = WordFor(words, "button.printopt");
    AddPair(files, quit.lpszUp, quit.lpszDown, Under(quit), Theme::Cream,
            [&](cairo_t* cr) { IconQuit(cr, quit.cx, quit.cy, sQuit); });
    AddPair(files, info.lpszUp, info.lpszDown, Under(info), Theme::Cream,
            [&](cairo_t* cr) { IconInfo(cr, info.cx, info.cy, sInfo); });
    // The OK button sits on the intro panel, and at the same place in every dialog.
    AddPair(files, "OKButtonUp", "OKButtonDown", panel.Crop(128, 300, 96, 46), Theme::Cream,
            [&](cairo_t* cr) { IconOk(cr, 96, 46, sOk); });
    AddPair(files, "DoneBtnUp", "DoneBtnDown", panel.Crop(78, 248, 208, 46), Theme::Cream,
            [&](cairo_t* cr) { IconWide(cr, 208, 46, ICON_DONE, sDone); });
    AddPair(files, "AboutUp", "AboutDown", panel.Crop(78, 70, 208, 46), Theme::Cream,
            [&](cairo_t* cr) { IconWide(cr, 208, 46, ICON_ABOUT, sAbout); });
    AddPair(files, "PrintOptUp", "PrintOptDown", panel.Crop(78, 136, 208, 46), Theme::Cream,
            [&](cairo_t* cr) { IconWide(cr, 208, 46, ICON_PRINTOPT, sPrintOpt); });
}
