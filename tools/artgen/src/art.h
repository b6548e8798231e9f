// The program's artwork: every generator and the screen layout it is drawn for.
#pragma once
#include "canvas.h"
#include "encode.h"
#include "lang_words.h"
#include "pages/palette.h"
#include <map>
#include <string>
#include <vector>

using FileSet = std::map<std::string, Bytes>;

// Entry n of the program's palette table: 0 outline, 1..224 the child's colours, 225 blank.
inline Rgb PageColour(int n) {
    const PageRgb& c = PaletteColours[n];
    return {c.red, c.green, c.blue};
}

// One consistent set of colours for frame, buttons, dialogs and intro.
namespace Theme {
const Rgb Ink = {43, 45, 92};        // every outline
const Rgb Sky = {124, 199, 241};     // frame background
const Rgb SkyDot = {150, 212, 246};  // frame polka dots
const Rgb SkyDeep = {92, 172, 224};  // frame shading
const Rgb Cream = {255, 250, 234};   // button faces, panels
const Rgb CreamDn = {244, 230, 196}; // pressed faces
const Rgb Sun = {255, 205, 64};
const Rgb SunDeep = {250, 160, 40};
const Rgb Red = {236, 84, 84};
const Rgb Green = {108, 196, 98};
const Rgb Blue = {70, 140, 230};
const Rgb Purple = {160, 110, 210};
const Rgb Pink = {250, 150, 180};
const Rgb White = {255, 255, 255};
const Rgb TitleInk = {36, 38, 80};
} // namespace Theme

struct ButtonPlace {
    const char* lpszUp;
    const char* lpszDown;
    int x, y, cx, cy;
};
extern const ButtonPlace ToolPlaces[6]; // Quit, Print, Clear, Info, Up, Down
extern const int PalettePageX[8];       // y = 12, 45 x 45
extern const int SwatchX[28], SwatchY[28];

// Where the title strip sits on the screen.
const int TITLE_X = 330, TITLE_Y = 561, TITLE_W = 140, TITLE_H = 10;

// Builders. Pictures are full size and top-down.
Picture DrawFrameScreen();     // 800 x 600 frame, page area left white
Picture DrawIntroScreenBack(); // 800 x 600 dotted background with the panel's shadow
Picture DrawDotTile(bool bShadow);
Picture DrawIntroPanel();                     // IntroBackGrd
Picture DrawIntroTitle();                     // IntroScr
Picture DrawAboutFrame(const Picture& panel); // AboutTextFrame, drawn over the panel
// PrintOptions, drawn over the about frame, in the words' language.
Picture DrawPrintOptions(const Picture& about, const Words& words);
// The 51 animal names of a language, in the strips' order.
std::vector<std::string> AnimalNames(const Words& words);
Picture DrawTitles(Rgb background, const std::vector<std::string>& names);
// One letter of the titles, left end of its baseline at (x, yBaseline), and the width of a text
// in those letters without the space between them.
void DrawTitleLetter(cairo_t* cr, double x, double yBaseline, const std::string& strLetter,
                     Rgb ink);
double TitleTextWidth(cairo_t* cr, const std::string& strText);
// How a title sits on its 10-row strip: scale of the title letters, baseline and squeeze.
struct TitleFit {
    double dScale = 1, y = 9, dSqueeze = 1;
};
// The fit of a title's letters on the strip (throws CLabelError when none is found), and whether
// the ink of a text set with a fit stays on the strip.
TitleFit FitTitle(cairo_t* cr, const std::string& name);
bool InsideTitleStrip(cairo_t* cr, const std::string& strText, const TitleFit& fit);
// The letters drawn once, with their table: TitleLetters.bmp and TitleLetters.txt.
void AddTitleLetters(FileSet& files, Rgb paper);

void AddFrameArt(FileSet& files);
void AddButtonArt(FileSet& files, const Picture& frame, const Picture& panel);
void AddWordedButtons(FileSet& files, const Picture& frame, const Picture& panel,
                      const Words& words);
void AddDialogArt(FileSet& files);
void AddIconArt(FileSet& files);
void AddPages(FileSet& files);
void AddMakerArt(FileSet& files); // the Page Maker's window

// A raised cream button tile with a drop shadow; pressed, it sinks onto its shadow.
void ButtonFace(cairo_t* cr, double w, double h, bool bDown, Rgb face);

// Everything that the program's resources and data folder take from this tool, in English.
FileSet MakeAllArt();
// The pictures that carry words, drawn in the words' language. Throws CLabelError naming the
// picture and the word when a word is missing or does not fit its place.
FileSet MakeWordedArt(const Words& words);
// The worded pictures of every other language as lang/<tag>/<name>.bmp, and lang/lang_art.rc
// that lists them under their languages with the English resource names. Throws CLabelError
// naming the language, the picture and the word.
FileSet MakeLanguageArt();
