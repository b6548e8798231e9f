// The title lettering: one letter as every title strip draws it, and the letters drawn once into
// a bitmap with a table, from which the program sets titles the strips do not hold.
#include "art.h"
#include "pages/my_pages.h"
#include "pages/title_letters.h"
#include <cmath>
#include <cstdio>

namespace {

const double TITLE_LETTER_SIZE = 11.6;
const int TITLE_BASELINE = 9;       // in a 10-pixel strip
const int TITLE_LETTER_PHASES = 16; // positions within a pixel each letter is drawn at

// The plain letters of a title, each drawn alone at full size; the other capitals follow them.
const char szTitleLetters[] = " 0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

} // namespace

void DrawTitleLetter(cairo_t* cr, double x, double yBaseline, const std::string& strLetter,
                     Rgb ink) {
    cairo_new_path(cr);
    TextPath(cr, FONT_LABEL, TITLE_LETTER_SIZE, x, yBaseline, strLetter);
    SetColour(cr, ink);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.45);
    cairo_stroke(cr);
}

double TitleTextWidth(cairo_t* cr, const std::string& strText) {
    return TextWidth(cr, FONT_LABEL, TITLE_LETTER_SIZE, strText);
}

namespace {

std::vector<std::string> Utf8Letters(const std::string& str) {
    std::vector<std::string> letters;
    for (char ch : str)
        if ((uint8_t(ch) & 0xC0) != 0x80 || letters.empty())
            letters.push_back(std::string(1, ch));
        else
            letters.back() += ch;
    return letters;
}

uint32_t CodePoint(const std::string& strLetter) {
    const uint8_t b = uint8_t(strLetter[0]);
    uint32_t n = strLetter.size() == 1 ? b : b & (0x7F >> strLetter.size());
    for (size_t i = 1; i < strLetter.size(); i++)
        n = n << 6 | (uint8_t(strLetter[i]) & 0x3F);
    return n;
}

struct Cell {
    std::string strLetter;
    uint32_t nCode;
    TitleFit fit;
    int x, cx, nBearing;
    double dAdvance;
};

} // namespace

void AddTitleLetters(FileSet& files, Rgb paper) {
    std::vector<Cell> cells;
    int nWidth = 0;
    {
        CCanvas measure(1, 1);
        cairo_t* cr = measure.Cr();
        const std::vector<std::string> plain = Utf8Letters(szTitleLetters),
                                       more = Utf8Letters(szMoreTitleCapitals);
        std::vector<std::string> all = plain;
        all.insert(all.end(), more.begin(), more.end());
        // The other languages' capitals where they fit the full size, and the letters in three
        // smaller sizes, largest first: the one the letter reaching lowest needs (feet), the one
        // the letter reaching highest needs (accents), and the one both need together; each size
        // as a title strip with those letters is fitted.
        std::string strTop = "A", strLow = "A";
        double yTop = 0, yLow = 0;
        for (const std::string& l : more) {
            TitleTextWidth(cr, l); // sets the font
            cairo_text_extents_t ext;
            cairo_text_extents(cr, l.c_str(), &ext);
            if (ext.y_bearing < yTop)
                yTop = ext.y_bearing, strTop = l;
            if (ext.y_bearing + ext.height > yLow)
                yLow = ext.y_bearing + ext.height, strLow = l;
        }
        const TitleFit fits[] = {TitleFit(), FitTitle(cr, "A" + strLow), FitTitle(cr, "A" + strTop),
                                 FitTitle(cr, strTop + strLow)};
        for (int nSet = 0; nSet < 4; nSet++)
            for (const std::string& l : all) {
                const TitleFit& fit = fits[nSet];
                // Today's capitals are always in the full size; others where they fit it.
                const bool bPlain = nSet == 0 && l.size() == 1;
                if (!bPlain && !InsideTitleStrip(cr, l, fit))
                    continue;
                const uint32_t nCode =
                    (nSet == 0 ? 0 : TITLE_LETTER_SETS + nSet * TITLE_LETTER_SET) + CodePoint(l);
                Cell cell = {l, nCode, fit, nWidth, 0, 0, TitleTextWidth(cr, l) * fit.dScale};
                cairo_text_extents_t ext;
                cairo_text_extents(cr, l.c_str(), &ext);
                if (ext.width > 0) {
                    // Room for the outline's half width and the smoothing on both sides, and for
                    // the last phase's shift.
                    cell.nBearing = (int)std::floor(fit.dScale * ext.x_bearing - 1);
                    cell.cx = (int)std::ceil(fit.dScale * (ext.x_bearing + ext.width) + 2) -
                              cell.nBearing;
                }
                nWidth += cell.cx * TITLE_LETTER_PHASES;
                cells.push_back(cell);
            }
    }
    // Black letters on white: how much of each pixel is ink, as the program reads it. Each
    // letter's cells on a canvas of their own: all of them are wider than a canvas can be.
    Picture letters(nWidth, TITLE_H);
    char szLine[128];
    std::snprintf(szLine, sizeof(szLine),
                  "Tintwell 3 title letters 1\nheight %d\nphases %d\nspacing 64\nink %d %d %d\n"
                  "paper %d %d %d\n",
                  TITLE_H, TITLE_LETTER_PHASES, Theme::TitleInk.r, Theme::TitleInk.g,
                  Theme::TitleInk.b, paper.r, paper.g, paper.b);
    std::string strTable = szLine;
    for (const Cell& cell : cells) {
        const TitleFit& fit = cell.fit;
        if (cell.cx > 0) {
            CCanvas c(cell.cx * TITLE_LETTER_PHASES, TITLE_H);
            cairo_t* cr = c.Cr();
            SetColour(cr, Theme::White);
            cairo_paint(cr);
            for (int p = 0; p < TITLE_LETTER_PHASES; p++) {
                int xCell = p * cell.cx;
                const double xPen = xCell - cell.nBearing + double(p) / TITLE_LETTER_PHASES;
                cairo_save(cr);
                cairo_rectangle(cr, xCell, 0, cell.cx, TITLE_H);
                cairo_clip(cr);
                if (fit.dScale == 1 && fit.dSqueeze == 1) {
                    DrawTitleLetter(cr, xPen, fit.y, cell.strLetter, {0, 0, 0});
                } else { // as the strips of a title that needs the fit draw it
                    cairo_translate(cr, 0, fit.y);
                    cairo_scale(cr, fit.dScale, fit.dScale * fit.dSqueeze);
                    DrawTitleLetter(cr, xPen / fit.dScale, 0, cell.strLetter, {0, 0, 0});
                }
                cairo_restore(cr);
            }
            letters.Paste(c.Snapshot(), cell.x, 0);
        }
        std::snprintf(szLine, sizeof(szLine), "letter %04X %d %d %d %ld\n", cell.nCode, cell.x,
                      cell.cx, cell.nBearing, std::lround(cell.dAdvance * 64));
        strTable += szLine;
    }
    files["TitleLetters.bmp"] = EncodeBmp8(letters);
    files["TitleLetters.txt"] = Bytes(strTable.begin(), strTable.end());
}
