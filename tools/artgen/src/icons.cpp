// The small pictures on the buttons. Each is drawn in a box of its own size s around (x, y).
#include "icons.h"
#include "art.h"
#include <algorithm>
#include <cmath>

namespace {

void Line(cairo_t* cr, double w) {
    SetColour(cr, Theme::Ink);
    cairo_set_line_width(cr, w);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void Word(cairo_t* cr, double cx, double baseline, const std::string& text, double size) {
    Caption(cr, FONT_LABEL, size, cx, baseline, text, Theme::Ink, Theme::Ink, 0);
}

// A word beside a tool button's picture: at its own place and size when it fits between the
// picture's right end x0 and the face's inner edge x1, else smaller and moved to stay inside.
void WordBeside(cairo_t* cr, double cx, double baseline, double x0, double x1,
                const std::string& text, double dSize) {
    double d = FitTextSize(cr, FONT_LABEL, dSize, 0.5, 12, x1 - x0, text);
    double w = TextWidth(cr, FONT_LABEL, d, text);
    cx = std::max(x0 + w / 2, std::min(cx, x1 - w / 2));
    Word(cr, cx, baseline - (dSize - d) * 0.36, text, d);
}

// Below this size a wide button's words are set on two lines, where they can be bigger.
const double WIDE_TWO_LINES = 15;

} // namespace

void PictureStar(cairo_t* cr, double cx, double cy, double r, double rInner) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < 10; ++i) {
        double a = -M_PI / 2 + i * M_PI / 5;
        double rr = i % 2 ? rInner : r;
        cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    }
    cairo_close_path(cr);
}

void PictureDoor(cairo_t* cr, double x, double y, double s) {
    // Door frame, an open door swung towards us, and a green arrow leaving.
    cairo_rectangle(cr, x + 0.18 * s, y + 0.08 * s, 0.5 * s, 0.84 * s);
    FillStroke(cr, {70, 60, 110}, Theme::Ink, 0.06 * s);
    cairo_move_to(cr, x + 0.18 * s, y + 0.08 * s);
    cairo_line_to(cr, x + 0.46 * s, y + 0.18 * s);
    cairo_line_to(cr, x + 0.46 * s, y + 0.98 * s);
    cairo_line_to(cr, x + 0.18 * s, y + 0.92 * s);
    cairo_close_path(cr);
    FillStroke(cr, {226, 120, 70}, Theme::Ink, 0.06 * s);
    cairo_arc(cr, x + 0.4 * s, y + 0.56 * s, 0.035 * s, 0, 2 * M_PI);
    FillStroke(cr, Theme::Sun, Theme::Ink, 0.03 * s);
    cairo_move_to(cr, x + 0.52 * s, y + 0.42 * s);
    cairo_line_to(cr, x + 0.76 * s, y + 0.42 * s);
    cairo_line_to(cr, x + 0.76 * s, y + 0.3 * s);
    cairo_line_to(cr, x + 0.98 * s, y + 0.52 * s);
    cairo_line_to(cr, x + 0.76 * s, y + 0.74 * s);
    cairo_line_to(cr, x + 0.76 * s, y + 0.62 * s);
    cairo_line_to(cr, x + 0.52 * s, y + 0.62 * s);
    cairo_close_path(cr);
    FillStroke(cr, Theme::Green, Theme::Ink, 0.06 * s);
}

void PicturePrinter(cairo_t* cr, double x, double y, double s) {
    // Paper going in at the back, the printer body, and a printed picture coming out.
    cairo_rectangle(cr, x + 0.26 * s, y + 0.04 * s, 0.48 * s, 0.4 * s);
    FillStroke(cr, Theme::White, Theme::Ink, 0.06 * s);
    RoundRectPath(cr, x + 0.06 * s, y + 0.3 * s, 0.88 * s, 0.42 * s, 0.1 * s);
    FillStroke(cr, {120, 150, 220}, Theme::Ink, 0.06 * s);
    cairo_arc(cr, x + 0.8 * s, y + 0.42 * s, 0.045 * s, 0, 2 * M_PI);
    FillStroke(cr, Theme::Green, Theme::Ink, 0.03 * s);
    cairo_rectangle(cr, x + 0.22 * s, y + 0.58 * s, 0.56 * s, 0.4 * s);
    FillStroke(cr, Theme::White, Theme::Ink, 0.06 * s);
    // The picture on the printout: a small hill and a sun.
    cairo_arc(cr, x + 0.62 * s, y + 0.7 * s, 0.06 * s, 0, 2 * M_PI);
    SetColour(cr, Theme::Sun);
    cairo_fill(cr);
    cairo_move_to(cr, x + 0.28 * s, y + 0.92 * s);
    cairo_curve_to(cr, x + 0.38 * s, y + 0.72 * s, x + 0.56 * s, y + 0.76 * s, x + 0.72 * s,
                   y + 0.92 * s);
    cairo_close_path(cr);
    SetColour(cr, Theme::Green);
    cairo_fill(cr);
}

void PictureCheck(cairo_t* cr, double cx, double cy, double s) {
    cairo_move_to(cr, cx - 0.42 * s, cy + 0.02 * s);
    cairo_line_to(cr, cx - 0.12 * s, cy + 0.32 * s);
    cairo_line_to(cr, cx + 0.44 * s, cy - 0.34 * s);
    SetColour(cr, Theme::Ink);
    cairo_set_line_width(cr, 0.34 * s);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    SetColour(cr, Theme::Green);
    cairo_set_line_width(cr, 0.2 * s);
    cairo_stroke(cr);
}

void IconQuit(cairo_t* cr, double w, double h, const std::string& text) {
    PictureDoor(cr, 9, 6, 30);
    WordBeside(cr, w * 0.66, h * 0.64, 40, w - 7, text, 19);
}

void IconPrint(cairo_t* cr, double w, double h) {
    PicturePrinter(cr, (w - 34) / 2, (h - 40) / 2, 34);
}

void IconClear(cairo_t* cr, double w, double h) {
    // An eraser rubbing out a scribble, with sparkles where the page comes clean.
    double x = w / 2 - 2, y = h / 2 - 2;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, -0.5);
    RoundRectPath(cr, -15, -8, 30, 16, 3);
    FillStroke(cr, Theme::Pink, Theme::Ink, 2);
    RoundRectPath(cr, 2, -8, 13, 16, 3);
    FillStroke(cr, Theme::Blue, Theme::Ink, 2);
    cairo_restore(cr);
    SetColour(cr, Theme::Sun);
    PictureStar(cr, w - 16, 12, 6, 2.5);
    FillStroke(cr, Theme::Sun, Theme::Ink, 1.3);
    PictureStar(cr, 13, h - 13, 5, 2);
    FillStroke(cr, Theme::Sun, Theme::Ink, 1.3);
}

void IconInfo(cairo_t* cr, double w, double h, const std::string& text) {
    cairo_arc(cr, 23, h / 2 - 1, 14, 0, 2 * M_PI);
    FillStroke(cr, Theme::Blue, Theme::Ink, 2.5);
    Caption(cr, FONT_LABEL, 22, 23, h / 2 + 7, "i", Theme::White, Theme::Ink, 0);
    WordBeside(cr, w * 0.66, h * 0.64, 40, w - 7, text, 19);
}

void IconArrow(cairo_t* cr, double w, double h, bool bForward) {
    cairo_save(cr);
    cairo_translate(cr, w / 2, h / 2 - 1);
    if (!bForward)
        cairo_scale(cr, -1, 1);
    cairo_move_to(cr, -15, -6);
    cairo_line_to(cr, 1, -6);
    cairo_line_to(cr, 1, -14);
    cairo_line_to(cr, 16, 0);
    cairo_line_to(cr, 1, 14);
    cairo_line_to(cr, 1, 6);
    cairo_line_to(cr, -15, 6);
    cairo_close_path(cr);
    cairo_restore(cr);
    FillStroke(cr, Theme::Green, Theme::Ink, 2.5);
}

void IconOk(cairo_t* cr, double w, double h, const std::string& text) {
    PictureCheck(cr, 26, h / 2 - 1, 24);
    WordBeside(cr, 60, h / 2 + 7, 42, w - 7, text, 21);
}

void IconWide(cairo_t* cr, double w, double h, WideIcon kind, const std::string& text) {
    double cy = h / 2 - 1;
    switch (kind) {
    case ICON_DONE:
        PictureCheck(cr, 30, cy, 24);
        break;
    case ICON_ABOUT:
        PictureStar(cr, 30, cy + 1, 15, 7);
        FillStroke(cr, Theme::Sun, Theme::Ink, 2.2);
        break;
    case ICON_PRINTOPT:
        PicturePrinter(cr, 14, cy - 16, 32);
        break;
    }
    const double cx = 55 + (w - 62) / 2;
    double dSize = 0;
    try {
        dSize = FitTextSize(cr, FONT_LABEL, 20, 0.5, 10, w - 70, text);
    } catch (const CLabelError&) {
        if (text.find(' ') == std::string::npos)
            throw;
    }
    // Words that would come out small on one line go on two, split at the middlemost space.
    size_t nSplit = std::string::npos;
    for (size_t i = text.find(' '); i != std::string::npos; i = text.find(' ', i + 1))
        if (nSplit == std::string::npos ||
            std::abs(double(i) - text.size() / 2.0) < std::abs(double(nSplit) - text.size() / 2.0))
            nSplit = i;
    if (dSize < WIDE_TWO_LINES && nSplit != std::string::npos) {
        const std::string sTop = text.substr(0, nSplit), sBottom = text.substr(nSplit + 1);
        double d2 = std::min(FitTextSize(cr, FONT_LABEL, 17, 0.5, 10, w - 70, sTop),
                             FitTextSize(cr, FONT_LABEL, 17, 0.5, 10, w - 70, sBottom));
        if (d2 > dSize) {
            Word(cr, cx, cy + d2 * 0.36 - d2 * 0.55, sTop, d2);
            Word(cr, cx, cy + d2 * 0.36 + d2 * 0.55, sBottom, d2);
            return;
        }
    }
    if (dSize == 0)
        throw CLabelError("\"" + text + "\" does not fit");
    Word(cr, cx, cy + dSize * 0.36, text, dSize);
    (void)Line;
}
