// The frame around the page, the intro background tiles and the page title strips.
#include "art.h"
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Polka dots over the sky; kept off the title plate so that the title sits on plain colour.
void SkyDots(cairo_t* cr) {
    SetColour(cr, Theme::SkyDot);
    for (int row = 0; row * 17 < 600 + 17; ++row)
        for (int col = 0; col * 20 < 800 + 20; ++col) {
            double x = col * 20 + (row % 2) * 10 + 3, y = row * 17 + 4;
            cairo_arc(cr, x, y, 3.2, 0, 2 * M_PI);
            cairo_fill(cr);
        }
}

} // namespace

Picture DrawFrameScreen() {
    CCanvas c(800, 600);
    cairo_t* cr = c.Cr();
    SetColour(cr, Theme::Sky);
    cairo_paint(cr);
    SkyDots(cr);
    // Mat around the page: a cream band between two ink lines.
    RoundRectPath(cr, 60.5, 60.5, 679, 479, 9);
    FillStroke(cr, Theme::Cream, Theme::Ink, 3);
    cairo_rectangle(cr, 67, 67, 666, 466);
    SetColour(cr, Theme::Ink);
    cairo_fill(cr);
    // Name plate under the page for the title strip.
    RoundRectPath(cr, 324.5, 549.5, 151, 33, 13);
    FillStroke(cr, Theme::Cream, Theme::Ink, 3);
    cairo_rectangle(cr, 70, 70, 660, 460);
    SetColour(cr, Theme::White);
    cairo_fill(cr);
    return c.Snapshot();
}

Picture DrawDotTile(bool bShadow) {
    CCanvas c(8, 8);
    cairo_t* cr = c.Cr();
    SetColour(cr, bShadow ? Mix(Theme::Sky, Theme::Ink, 0.45) : Theme::Sky);
    cairo_paint(cr);
    SetColour(cr, bShadow ? Mix(Theme::SkyDot, Theme::Ink, 0.45) : Theme::SkyDot);
    cairo_arc(cr, 4, 4, 2.0, 0, 2 * M_PI);
    cairo_fill(cr);
    return c.Snapshot();
}

Picture DrawIntroScreenBack() {
    Picture tile = DrawDotTile(false), shadow = DrawDotTile(true);
    Picture screen(800, 600);
    for (int y = 0; y < 600; y += 8)
        for (int x = 0; x < 800; x += 8)
            screen.Paste(tile, x, y);
    for (int y = 128; y <= 480; y += 8)
        screen.Paste(shadow, 576, y);
    for (int x = 224; x <= 568; x += 8)
        screen.Paste(shadow, x, 480);
    return screen;
}

namespace {

// The letters of a UTF-8 word, one code point each.
std::vector<std::string> Letters(const std::string& s) {
    std::vector<std::string> letters;
    for (size_t i = 0; i < s.size(); ++i)
        if ((uint8_t(s[i]) & 0xC0) != 0x80 || letters.empty())
            letters.push_back(s.substr(i, 1));
        else
            letters.back() += s[i];
    return letters;
}

const double TITLE_LINE = 0.45;      // the letters' outline, as DrawTitleLetter strokes it
const double TITLE_FOOT_SLACK = 0.6; // the tail of a Q
const double TITLE_MIN_SQUEEZE = 0.86;

// Lays out a title's letters, the title letters' at dScale times their size, with one pixel
// between them, centred on the strip, as a path.
void TitlePath(cairo_t* cr, const std::vector<std::string>& letters, double dScale, double y) {
    double w = 1.0 * double(letters.size() - 1);
    for (const std::string& l : letters)
        w += TitleTextWidth(cr, l) * dScale;
    double x = std::floor((TITLE_W - w) / 2);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 0, y);
    cairo_scale(cr, dScale, dScale);
    for (const std::string& l : letters) {
        const double dAdvance = TitleTextWidth(cr, l); // sets the title letters' font
        cairo_move_to(cr, x / dScale, 0);
        cairo_text_path(cr, l.c_str());
        x += dAdvance * dScale + 1.0;
    }
    cairo_restore(cr);
}

struct InkBox {
    double x0, y0, x1, y1;
};

InkBox TitleInk(cairo_t* cr, const std::vector<std::string>& letters, double dScale, double y) {
    TitlePath(cr, letters, dScale, y);
    cairo_set_line_width(cr, TITLE_LINE);
    InkBox box;
    cairo_stroke_extents(cr, &box.x0, &box.y0, &box.x1, &box.y1);
    cairo_new_path(cr);
    return box;
}

} // namespace

// The title letters at their size on row 9 when the letters stay inside the strip (a tail may dip
// below, as Q's does). Accents over capitals and the feet of Cyrillic letters need more rows than
// that: the letters are then squeezed a little in height and, where that is not enough, made
// smaller, keeping their width as far as possible so that the word still reads. Throws CLabelError
// when even a small size does not fit.
TitleFit FitTitle(cairo_t* cr, const std::string& name) {
    std::vector<std::string> letters = Letters(name);
    TitleFit fit;
    InkBox box = TitleInk(cr, letters, fit.dScale, fit.y);
    if (box.y0 >= 0 && box.x0 >= 0 && box.x1 <= TITLE_W && box.y1 <= 10.0 + TITLE_FOOT_SLACK)
        return fit;
    for (; fit.dScale >= 0.6; fit.dScale -= 0.01) {
        box = TitleInk(cr, letters, fit.dScale, 0);
        const double h = box.y1 - box.y0;
        fit.dSqueeze = std::min(1.0, 9.8 / h);
        if (fit.dSqueeze >= TITLE_MIN_SQUEEZE && box.x0 >= 1 && box.x1 <= TITLE_W - 1) {
            fit.y = (10 - fit.dSqueeze * h) / 2 - fit.dSqueeze * box.y0;
            return fit;
        }
    }
    throw CLabelError("\"" + name + "\" does not fit");
}

bool InsideTitleStrip(cairo_t* cr, const std::string& strText, const TitleFit& fit) {
    InkBox box = TitleInk(cr, Letters(strText), fit.dScale, 0);
    return fit.y + fit.dSqueeze * box.y0 >= -0.01 &&
           fit.y + fit.dSqueeze * box.y1 <= 10.0 + TITLE_FOOT_SLACK;
}

std::vector<std::string> AnimalNames(const Words& words) {
    std::vector<std::string> names;
    for (int n = 0; n < 51; ++n) {
        char szKey[16];
        std::snprintf(szKey, sizeof szKey, "animal.%02d", n);
        names.push_back(WordFor(words, szKey));
    }
    return names;
}

Picture DrawTitles(Rgb background, const std::vector<std::string>& names) {
    CCanvas c(TITLE_W, 10 * int(names.size()));
    cairo_t* cr = c.Cr();
    SetColour(cr, background);
    cairo_paint(cr);
    for (size_t n = 0; n < names.size(); ++n) {
        TitleFit fit;
        try {
            fit = FitTitle(cr, names[n]);
        } catch (const CLabelError& e) {
            throw CLabelError("title strip " + std::to_string(n) + ": " + e.what());
        }
        std::vector<std::string> letters = Letters(names[n]);
        // Each strip is shown alone: nothing may spill into its neighbours.
        cairo_save(cr);
        cairo_rectangle(cr, 0, 10 * n, TITLE_W, 10);
        cairo_clip(cr);
        cairo_translate(cr, 0, 10.0 * n + fit.y);
        if (fit.dScale != 1 || fit.dSqueeze != 1)
            cairo_scale(cr, fit.dScale, fit.dScale * fit.dSqueeze);
        double w = 1.0 * double(letters.size() - 1);
        for (const std::string& l : letters)
            w += TitleTextWidth(cr, l) * fit.dScale;
        double x = std::floor((TITLE_W - w) / 2);
        for (const std::string& l : letters) {
            DrawTitleLetter(cr, x / fit.dScale, 0, l, Theme::TitleInk);
            x += TitleTextWidth(cr, l) * fit.dScale + 1.0;
        }
        cairo_restore(cr);
    }
    return c.Snapshot();
}

void AddFrameArt(FileSet& files) {
    Picture screen = DrawFrameScreen();
    Picture tb(800, 140), lr(140, 460);
    tb.Paste(screen.Crop(0, 0, 800, 70), 0, 0);
    tb.Paste(screen.Crop(0, 530, 800, 70), 0, 70);
    lr.Paste(screen.Crop(0, 70, 70, 460), 0, 0);
    lr.Paste(screen.Crop(730, 70, 70, 460), 70, 0);
    files["TopBottomBorder.bmp"] = EncodeBmp24(tb);
    files["LeftRightBorder.bmp"] = EncodeBmp24(lr);
    files["DotPattern.bmp"] = EncodeBmp24(DrawDotTile(false));
    files["DotPatternShadow.bmp"] = EncodeBmp24(DrawDotTile(true));
    AddTitleLetters(files, screen.At(TITLE_X, TITLE_Y));
}
