// The intro panel and title picture, and the dialog backgrounds drawn over that panel.
#include "art.h"
#include "icons.h"
#include "scenes.h"
#include <algorithm>
#include <cmath>

Picture DrawIntroPanel() {
    CCanvas c(360, 360);
    cairo_t* cr = c.Cr();
    SetColour(cr, Theme::Ink);
    cairo_paint(cr);
    // A sunny border with white dots, then the cream card.
    cairo_rectangle(cr, 3, 3, 354, 354);
    SetColour(cr, Theme::Sun);
    cairo_fill(cr);
    SetColour(cr, Mix(Theme::Sun, Theme::White, 0.55));
    for (int i = 0; i < 36; ++i) {
        double t = 8 + i * 10;
        double Spots[4][2] = {{t, 7.5}, {t, 352.5}, {7.5, t}, {352.5, t}};
        for (auto& s : Spots) {
            cairo_arc(cr, s[0], s[1], 1.8, 0, 2 * M_PI);
            cairo_fill(cr);
        }
    }
    cairo_rectangle(cr, 11.5, 11.5, 337, 337);
    SetColour(cr, Theme::Cream);
    cairo_fill_preserve(cr);
    SetColour(cr, Theme::Ink);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // Faint confetti over the card; the buttons and pictures cover parts of it.
    const Rgb Confetti[4] = {Theme::Pink, Theme::Sun, Theme::Blue, Theme::Green};
    uint32_t nSeed = 12345; // a fixed scatter, the same on every run
    for (int i = 0; i < 90; ++i) {
        nSeed = nSeed * 1103515245u + 12345u;
        double x = 20 + (nSeed >> 8) % 320;
        nSeed = nSeed * 1103515245u + 12345u;
        double y = 20 + (nSeed >> 8) % 320;
        SetColour(cr, Mix(Confetti[i % 4], Theme::Cream, 0.55));
        cairo_arc(cr, x, y, 2.2 + (i % 3) * 0.8, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    // Two crayons lying beside the OK button.
    const Rgb Crayons[2][2] = {{Theme::Red, Theme::Blue}, {Theme::Green, Theme::Sun}};
    for (int side = 0; side < 2; ++side)
        for (int k = 0; k < 2; ++k) {
            cairo_save(cr);
            cairo_translate(cr, side ? 250 + 14 * k : 30 + 14 * k, 318 + 12 * k);
            cairo_rotate(cr, side ? -0.18 : 0.18);
            double len = 72, th = 11;
            cairo_move_to(cr, side ? len + 12 : -12, 0);
            cairo_line_to(cr, side ? len : 0, -th / 2);
            cairo_line_to(cr, side ? 0 : len, -th / 2);
            cairo_line_to(cr, side ? 0 : len, th / 2);
            cairo_line_to(cr, side ? len : 0, th / 2);
            cairo_close_path(cr);
            FillStroke(cr, Crayons[side][k], Theme::Ink, 2);
            cairo_rectangle(cr, 22, -th / 2, 22, th);
            FillStroke(cr, Theme::White, Theme::Ink, 1.6);
            cairo_restore(cr);
        }
    return c.Snapshot();
}

Picture DrawIntroTitle() {
    CCanvas c(332, 212);
    cairo_t* cr = c.Cr();
    DrawTitleScene(cr, 332, 212);
    return c.Snapshot();
}

Picture DrawAboutFrame(const Picture& panel) {
    CCanvas c(panel.Crop(18, 20, 324, 265));
    cairo_t* cr = c.Cr();
    RoundRectPath(cr, 1.5, 1.5, 321, 262, 18);
    FillGradient(cr, 0, 265, Theme::White, Theme::Cream);
    SetColour(cr, Theme::Ink);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // A rainbow between the two lines of text and the animals.
    const Rgb Bands[5] = {Theme::Red, Theme::SunDeep, Theme::Sun, Theme::Green, Theme::Blue};
    for (int i = 0; i < 5; ++i) {
        cairo_new_path(cr);
        cairo_arc(cr, 162, 200, 74 - 7 * i, M_PI, 2 * M_PI);
        SetColour(cr, Bands[i]);
        cairo_set_line_width(cr, 7);
        cairo_stroke(cr);
    }
    cairo_arc(cr, 162, 200, 77.5, M_PI, 2 * M_PI);
    cairo_arc_negative(cr, 162, 200, 37.5, 2 * M_PI, M_PI);
    cairo_close_path(cr);
    SetColour(cr, Theme::Ink);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // A row of friends along the bottom, below the texts and the options box.
    cairo_save(cr);
    cairo_rectangle(cr, 4, 198, 316, 63);
    cairo_clip(cr);
    DrawFriendsRow(cr, 12, 200, 300, 60);
    cairo_restore(cr);
    // Little stars in the upper corners, clear of the icon and the two lines of text.
    PictureStar(cr, 40, 38, 14, 6);
    FillStroke(cr, Theme::Sun, Theme::Ink, 2);
    PictureStar(cr, 284, 38, 14, 6);
    FillStroke(cr, Theme::Sun, Theme::Ink, 2);
    return c.Snapshot();
}

Picture DrawPrintOptions(const Picture& about, const Words& words) {
    CCanvas c(about.Crop(36, 62, 248, 133));
    cairo_t* cr = c.Cr();
    RoundRectPath(cr, 4, 12, 240, 117, 10);
    SetColour(cr, Theme::White);
    cairo_fill_preserve(cr);
    SetColour(cr, Theme::Ink);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // The title sits on a tab that breaks the top line of the group frame.
    const std::string sTitle = WordFor(words, "printopt.title");
    const double dTitle = FitTextSize(cr, FONT_LABEL, 15, 0.5, 11, 212, sTitle);
    double wTitle = TextWidth(cr, FONT_LABEL, dTitle, sTitle);
    RoundRectPath(cr, 124 - wTitle / 2 - 10, 1, wTitle + 20, 22, 11);
    FillStroke(cr, Theme::Sun, Theme::Ink, 2);
    Caption(cr, FONT_LABEL, dTitle, 124, 17 - (15 - dTitle) * 0.35, sTitle, Theme::Ink, Theme::Ink,
            0);
    // Labels on the rows of the three radio buttons, to the right of their circles.
    const std::string Labels[3] = {WordFor(words, "printopt.default"),
                                   WordFor(words, "printopt.alternate1"),
                                   WordFor(words, "printopt.alternate2")};
    // One size for the three, the largest at which the longest fits beside its circle.
    double dSize = 13.5;
    for (const std::string& s : Labels)
        dSize = std::min(dSize, FitTextSize(cr, FONT_LABEL, 13.5, 0.25, 9, 196, s));
    for (int i = 0; i < 3; ++i) {
        cairo_new_path(cr);
        TextPath(cr, FONT_LABEL, dSize, 43, 24 + 34 * i + 12 + dSize * 0.35, Labels[i]);
        SetColour(cr, Theme::Ink);
        cairo_fill(cr);
    }
    return c.Snapshot();
}

void AddDialogArt(FileSet& files) {
    Picture panel = DrawIntroPanel();
    Picture about = DrawAboutFrame(panel);
    Picture withAbout = panel;
    withAbout.Paste(about, 18, 20);
    files["IntroBackGrd.bmp"] = EncodeBmp8(panel);
    files["IntroScr.bmp"] = EncodeBmp8(DrawIntroTitle());
    files["AboutTextFrame.bmp"] = EncodeBmp8(about);
}
