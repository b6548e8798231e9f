// The frame around the page, the intro background tiles and the page title strips.
#include "art.h"
#include <cmath>

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

// Animal names in alphabetical order; the five pages use strips 3, 7, 29, 44 and 48.
const char* const AnimalNames[51] = {
    "ANT",       "BABOON",   "BADGER", "BAT",     "BEAR",     "BEAVER",   "BEE",   "BUSHBABY",
    "BUTTERFLY", "CAMEL",    "CAT",    "CHEETAH", "COW",      "CRAB",     "DEER",  "DOG",
    "DOLPHIN",   "DONKEY",   "DUCK",   "EAGLE",   "ELEPHANT", "FOX",      "FROG",  "GIRAFFE",
    "GOAT",      "HEDGEHOG", "HIPPO",  "HORSE",   "KANGAROO", "KIWI",     "KOALA", "LION",
    "LLAMA",     "MONKEY",   "MOUSE",  "OSTRICH", "OTTER",    "OWL",      "PANDA", "PENGUIN",
    "PIG",       "RABBIT",   "SEAL",   "SHEEP",   "SNAIL",    "SQUIRREL", "TIGER", "TURTLE",
    "WALRUS",    "WHALE",    "ZEBRA",
};

} // namespace

Picture DrawTitles(Rgb background) {
    CCanvas c(TITLE_W, 10 * 51);
    cairo_t* cr = c.Cr();
    SetColour(cr, background);
    cairo_paint(cr);
    for (int n = 0; n < 51; ++n) {
        std::string s = AnimalNames[n];
        // Each strip is shown alone: nothing may spill into its neighbours.
        cairo_save(cr);
        cairo_rectangle(cr, 0, 10 * n, TITLE_W, 10);
        cairo_clip(cr);
        double w = TitleTextWidth(cr, s) + 1.0 * double(s.size() - 1);
        double x = std::floor((TITLE_W - w) / 2);
        for (size_t i = 0; i < s.size(); ++i) {
            DrawTitleLetter(cr, x, 10 * n + 9, s.substr(i, 1), Theme::TitleInk);
            x += TitleTextWidth(cr, s.substr(i, 1)) + 1.0;
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
    files["Titles.bmp"] = EncodeBmp8(DrawTitles(screen.At(TITLE_X, TITLE_Y)));
    AddTitleLetters(files, screen.At(TITLE_X, TITLE_Y));
}
