// The title lettering: one letter as every title strip draws it, and the letters drawn once into
// a bitmap with a table, from which the program sets titles the strips do not hold.
#include "art.h"
#include <cmath>
#include <cstdio>

namespace {

const double TITLE_LETTER_SIZE = 11.6;
const int TITLE_BASELINE = 9;       // in a 10-pixel strip
const int TITLE_LETTER_PHASES = 16; // positions within a pixel each letter is drawn at

// The letters a parent's title may use; each is drawn alone, so the set can grow freely.
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

void AddTitleLetters(FileSet& files, Rgb paper) {
    struct Cell {
        char ch;
        int x, cx, nBearing;
        double dAdvance;
    };
    std::vector<Cell> cells;
    int nWidth = 0;
    {
        CCanvas measure(1, 1);
        cairo_t* cr = measure.Cr();
        for (const char* lpch = szTitleLetters; *lpch; lpch++) {
            std::string s(1, *lpch);
            Cell cell = {*lpch, nWidth, 0, 0, TitleTextWidth(cr, s)}; // sets the font
            cairo_text_extents_t ext;
            cairo_text_extents(cr, s.c_str(), &ext);
            if (ext.width > 0) {
                // Room for the outline's half width and the smoothing on both sides, and for
                // the last phase's shift.
                cell.nBearing = (int)std::floor(ext.x_bearing - 1);
                cell.cx = (int)std::ceil(ext.x_bearing + ext.width + 2) - cell.nBearing;
            }
            nWidth += cell.cx * TITLE_LETTER_PHASES;
            cells.push_back(cell);
        }
    }
    // Black letters on white: how much of each pixel is ink, as the program reads it.
    CCanvas c(nWidth, TITLE_H);
    cairo_t* cr = c.Cr();
    SetColour(cr, Theme::White);
    cairo_paint(cr);
    char szLine[128];
    std::snprintf(szLine, sizeof(szLine),
                  "Tintwell 3 title letters 1\nheight %d\nphases %d\nspacing 64\nink %d %d %d\n"
                  "paper %d %d %d\n",
                  TITLE_H, TITLE_LETTER_PHASES, Theme::TitleInk.r, Theme::TitleInk.g,
                  Theme::TitleInk.b, paper.r, paper.g, paper.b);
    std::string strTable = szLine;
    for (const Cell& cell : cells) {
        for (int p = 0; p < TITLE_LETTER_PHASES && cell.cx > 0; p++) {
            int xCell = cell.x + p * cell.cx;
            cairo_save(cr);
            cairo_rectangle(cr, xCell, 0, cell.cx, TITLE_H);
            cairo_clip(cr);
            DrawTitleLetter(cr, xCell - cell.nBearing + double(p) / TITLE_LETTER_PHASES,
                            TITLE_BASELINE, std::string(1, cell.ch), {0, 0, 0});
            cairo_restore(cr);
        }
        std::snprintf(szLine, sizeof(szLine), "letter %04X %d %d %d %ld\n",
                      (unsigned)(unsigned char)cell.ch, cell.x, cell.cx, cell.nBearing,
                      std::lround(cell.dAdvance * 64));
        strTable += szLine;
    }
    files["TitleLetters.bmp"] = EncodeBmp8(c.Snapshot());
    files["TitleLetters.txt"] = Bytes(strTable.begin(), strTable.end());
}
