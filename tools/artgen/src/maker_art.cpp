// The Page Maker's window in the book's look: the dotted sky, the mat round the page, cream
// plates for its words and list, its buttons and the title box. The pictures hold no words: the
// window writes them from its string table, in the parent's language.
#include "art.h"
#include "icons.h"
#include "pagemaker/maker_layout.h"
#include <cmath>
#include <functional>

namespace {

using Painter = std::function<void(cairo_t*, double w, double h)>;

void Plate(cairo_t* cr, double x, double y, double w, double h, double r) {
    RoundRectPath(cr, x + 0.5, y + 0.5, w - 1, h - 1, r);
    FillStroke(cr, Theme::Cream, Theme::Ink, 3);
}

Picture DrawMakerBack() {
    CCanvas c(MAKER_WIDTH, MAKER_HEIGHT);
    cairo_t* cr = c.Cr();
    SetColour(cr, Theme::Sky);
    cairo_paint(cr);
    SetColour(cr, Theme::SkyDot);
    for (int row = 0; row * 17 < MAKER_HEIGHT + 17; ++row)
        for (int col = 0; col * 20 < MAKER_WIDTH + 20; ++col) {
            cairo_arc(cr, col * 20 + (row % 2) * 10 + 3, row * 17 + 4, 3.2, 0, 2 * M_PI);
            cairo_fill(cr);
        }
    // The mat round the page, as in the book: a cream band between two ink lines.
    const int px = MAKER_PAGE_X, py = MAKER_PAGE_Y;
    RoundRectPath(cr, px - 9.5, py - 9.5, 679, 479, 9);
    FillStroke(cr, Theme::Cream, Theme::Ink, 3);
    cairo_rectangle(cr, px - 3, py - 3, 666, 466);
    SetColour(cr, Theme::Ink);
    cairo_fill(cr);
    cairo_rectangle(cr, px, py, 660, 460);
    SetColour(cr, Theme::White);
    cairo_fill(cr);
    // A faint picture frame in the empty page, until a picture is opened.
    RoundRectPath(cr, px + 250, py + 150, 160, 130, 10);
    SetColour(cr, Mix(Theme::White, Theme::Ink, 0.18));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_move_to(cr, px + 262, py + 262);
    cairo_line_to(cr, px + 305, py + 205);
    cairo_line_to(cr, px + 335, py + 240);
    cairo_line_to(cr, px + 355, py + 220);
    cairo_line_to(cr, px + 398, py + 262);
    cairo_stroke(cr);
    cairo_arc(cr, px + 372, py + 185, 13, 0, 2 * M_PI);
    cairo_stroke(cr);
    // Plates for the count of areas, the settings, the words, and the parent's pages.
    Plate(cr, MakerAreas.x, MakerAreas.y, MakerAreas.cx, MakerAreas.cy, 12);
    Plate(cr, 14, 550, 680, 56, 12);
    Plate(cr, 14, 608, 680, 46, 12);
    Plate(cr, 710, 60, 262, 594, 14);
    return c.Snapshot();
}

Picture DrawMakerButton(const Picture& under, bool bDown, const Painter& paint) {
    CCanvas c(under);
    cairo_t* cr = c.Cr();
    ButtonFace(cr, under.nWidth, under.nHeight, bDown,
               bDown ? Mix(Theme::Cream, Theme::Ink, 0.1) : Theme::Cream);
    cairo_save(cr);
    cairo_translate(cr, 0, bDown ? 2 : 0);
    paint(cr, under.nWidth, under.nHeight);
    cairo_restore(cr);
    return c.Snapshot();
}

void Ink(cairo_t* cr, double w) {
    SetColour(cr, Theme::Ink);
    cairo_set_line_width(cr, w);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

// A small picture at the left, as the book's wide buttons have; the window writes the words
// beside it in the parent's language.
Painter Worded(const std::function<void(cairo_t*, double cy)>& picture) {
    return [picture](cairo_t* cr, double, double h) { picture(cr, h / 2 - 1); };
}

void PictureFolder(cairo_t* cr, double cy) {
    cairo_move_to(cr, 12, cy - 10);
    cairo_line_to(cr, 22, cy - 10);
    cairo_line_to(cr, 25, cy - 7);
    cairo_line_to(cr, 38, cy - 7);
    cairo_line_to(cr, 38, cy + 11);
    cairo_line_to(cr, 12, cy + 11);
    cairo_close_path(cr);
    FillStroke(cr, Theme::Sun, Theme::Ink, 2.2);
    cairo_move_to(cr, 12, cy + 11);
    cairo_line_to(cr, 17, cy - 2);
    cairo_line_to(cr, 42, cy - 2);
    cairo_line_to(cr, 38, cy + 11);
    cairo_close_path(cr);
    FillStroke(cr, Theme::SunDeep, Theme::Ink, 2.2);
}

void PictureBook(cairo_t* cr, double cy) {
    cairo_move_to(cr, 26, cy - 8);
    cairo_curve_to(cr, 20, cy - 13, 14, cy - 13, 10, cy - 11);
    cairo_line_to(cr, 10, cy + 11);
    cairo_curve_to(cr, 14, cy + 9, 20, cy + 9, 26, cy + 13);
    cairo_curve_to(cr, 32, cy + 9, 38, cy + 9, 42, cy + 11);
    cairo_line_to(cr, 42, cy - 11);
    cairo_curve_to(cr, 38, cy - 13, 32, cy - 13, 26, cy - 8);
    cairo_close_path(cr);
    FillStroke(cr, Theme::White, Theme::Ink, 2.2);
    cairo_move_to(cr, 26, cy - 8);
    cairo_line_to(cr, 26, cy + 13);
    Ink(cr, 1.6);
    PictureStar(cr, 38, cy - 12, 8, 3.6);
    FillStroke(cr, Theme::Sun, Theme::Ink, 1.6);
}

void PictureBin(cairo_t* cr, double cy) {
    cairo_move_to(cr, 15, cy - 6);
    cairo_line_to(cr, 18, cy + 13);
    cairo_line_to(cr, 34, cy + 13);
    cairo_line_to(cr, 37, cy - 6);
    cairo_close_path(cr);
    FillStroke(cr, Theme::Green, Theme::Ink, 2.2);
    RoundRectPath(cr, 12, cy - 11, 28, 5, 2);
    FillStroke(cr, Theme::Green, Theme::Ink, 2.2);
    for (double x : {21.0, 26.0, 31.0}) {
        cairo_move_to(cr, x, cy - 1);
        cairo_line_to(cr, x, cy + 9);
    }
    Ink(cr, 1.6);
}

void PictureMark(cairo_t* cr, double cy, bool bCheck) {
    if (bCheck) {
        PictureCheck(cr, 28, cy, 24);
        return;
    }
    cairo_move_to(cr, 19, cy - 9);
    cairo_line_to(cr, 37, cy + 9);
    cairo_move_to(cr, 37, cy - 9);
    cairo_line_to(cr, 19, cy + 9);
    SetColour(cr, Theme::Ink);
    cairo_set_line_width(cr, 7);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
    SetColour(cr, Theme::Red);
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
}

// A minus or plus sign, for one pixel less or more of gap.
Painter Sign(bool bPlus) {
    return [bPlus](cairo_t* cr, double w, double h) {
        const double cx = w / 2, cy = h / 2 - 1;
        cairo_move_to(cr, cx - 10, cy);
        cairo_line_to(cr, cx + 10, cy);
        if (bPlus) {
            cairo_move_to(cr, cx, cy - 10);
            cairo_line_to(cr, cx, cy + 10);
        }
        Ink(cr, 5);
    };
}

// A stroke of a pencil, thin for lighter lines and thick for darker.
Painter Stroke(bool bThick) {
    return [bThick](cairo_t* cr, double w, double h) {
        const double cy = h / 2 - 1;
        cairo_move_to(cr, 11, cy + 7);
        cairo_curve_to(cr, 18, cy - 12, 26, cy + 14, w - 11, cy - 7);
        Ink(cr, bThick ? 6.5 : 1.6);
    };
}

// An arrow up or down, for moving a page earlier or later in the book.
Painter Arrow(bool bUp) {
    return [bUp](cairo_t* cr, double w, double h) {
        const double cx = w / 2, cy = h / 2 - 1, s = bUp ? -1 : 1;
        cairo_move_to(cr, cx - 6, cy - 10 * s);
        cairo_line_to(cr, cx + 6, cy - 10 * s);
        cairo_line_to(cr, cx + 6, cy);
        cairo_line_to(cr, cx + 12, cy);
        cairo_line_to(cr, cx, cy + 12 * s);
        cairo_line_to(cr, cx - 12, cy);
        cairo_line_to(cr, cx - 6, cy);
        cairo_close_path(cr);
        FillStroke(cr, Theme::Green, Theme::Ink, 2.2);
    };
}

Picture DrawTitleBack() {
    CCanvas c(MAKER_TITLE_WIDTH, MAKER_TITLE_HEIGHT);
    cairo_t* cr = c.Cr();
    SetColour(cr, Theme::Sun);
    cairo_paint(cr);
    SetColour(cr, Theme::SunDeep);
    for (int x = 6; x < MAKER_TITLE_WIDTH; x += 12) {
        for (int y : {4, MAKER_TITLE_HEIGHT - 4}) {
            cairo_arc(cr, x, y, 1.8, 0, 2 * M_PI);
            cairo_fill(cr);
        }
    }
    RoundRectPath(cr, 8.5, 8.5, MAKER_TITLE_WIDTH - 17, MAKER_TITLE_HEIGHT - 17, 10);
    FillStroke(cr, Theme::Cream, Theme::Ink, 2.5);
    cairo_rectangle(cr, 0.5, 0.5, MAKER_TITLE_WIDTH - 1, MAKER_TITLE_HEIGHT - 1);
    SetColour(cr, Theme::Ink);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // The field sits on white, with room for its own border.
    const MakerPlace& e = MakerTitleEdit;
    RoundRectPath(cr, e.x - 4.5, e.y - 4.5, e.cx + 9, e.cy + 9, 6);
    FillStroke(cr, Theme::White, Theme::Ink, 2);
    return c.Snapshot();
}

void AddPair(FileSet& files, const std::string& strName, const Picture& back,
             const MakerPlace& place, const Painter& paint) {
    Picture under = back.Crop(place.x, place.y, place.cx, place.cy);
    files[strName + ".bmp"] = EncodeBmp8(DrawMakerButton(under, false, paint));
    files[strName + "Dn.bmp"] = EncodeBmp8(DrawMakerButton(under, true, paint));
}

} // namespace

void AddMakerArt(FileSet& files) {
    const Picture back = DrawMakerBack();
    files["MakerBack.bmp"] = EncodeBmp8(back);
    const char* const Names[MAKER_BUTTONS] = {"MakerOpen",    "MakerGapLess", "MakerGapMore",
                                              "MakerLighter", "MakerDarker",  "MakerAdd",
                                              "MakerUp",      "MakerDown",    "MakerRemove"};
    const Painter Paint[MAKER_BUTTONS] = {
        Worded(PictureFolder), Sign(false), Sign(true),   Stroke(false),      Stroke(true),
        Worded(PictureBook),   Arrow(true), Arrow(false), Worded(PictureBin),
    };
    for (int i = 0; i < MAKER_BUTTONS; ++i)
        AddPair(files, Names[i], back, MakerButtons[i], Paint[i]);
    const Picture title = DrawTitleBack();
    files["MakerTitleBack.bmp"] = EncodeBmp8(title);
    AddPair(files, "MakerTitleOk", title, MakerTitleOk,
            Worded([](cairo_t* cr, double cy) { PictureMark(cr, cy, true); }));
    AddPair(files, "MakerTitleCancel", title, MakerTitleCancel,
            Worded([](cairo_t* cr, double cy) { PictureMark(cr, cy, false); }));
}
