// The intro's title picture and the row of animals in the About box, drawn in colour.
#include "art.h"
#include "scenes.h"
#include <cmath>

const PageDef PageDefs[5] = {
    {"BAT.TW3", SceneBat, AnimalBat, 60, 80, 600, 310},
    {"BUSHBABY.TW3", SceneBushbaby, AnimalBushbaby, 250, 75, 425, 455},
    {"KIWI.TW3", SceneKiwi, AnimalKiwi, 195, 190, 515, 410},
    {"SNAIL.TW3", SceneSnail, AnimalSnail, 165, 170, 545, 410},
    {"WALRUS.TW3", SceneWalrus, AnimalWalrus, 90, 120, 545, 395},
};

namespace {

// Draws animal n in colour so that its box fits (x, y, w, h), standing on the box's bottom.
void PlaceAnimal(cairo_t* cr, int n, double x, double y, double w, double h, double dLine) {
    const PageDef& d = PageDefs[n];
    double s = std::min(w / (d.x1 - d.x0), h / (d.y1 - d.y0));
    cairo_save(cr);
    cairo_translate(cr, x + (w - s * (d.x1 - d.x0)) / 2, y + h - s * (d.y1 - d.y0));
    cairo_scale(cr, s, s);
    cairo_translate(cr, -d.x0, -d.y0);
    CInk ink(cr, true, dLine / s);
    d.lpAnimal(ink);
    cairo_restore(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
}

} // namespace

void DrawTitleScene(cairo_t* cr, int w, int h) {
    cairo_rectangle(cr, 0, 0, w, h);
    FillGradient(cr, 0, h, {120, 196, 245}, {205, 238, 255});
    cairo_new_path(cr);
    // Sun peeping over the corner.
    for (int i = 0; i < 12; ++i) {
        double a = i * M_PI / 6;
        cairo_move_to(cr, w - 30 + 36 * std::cos(a - 0.12), 30 + 36 * std::sin(a - 0.12));
        cairo_line_to(cr, w - 30 + 52 * std::cos(a), 30 + 52 * std::sin(a));
        cairo_line_to(cr, w - 30 + 36 * std::cos(a + 0.12), 30 + 36 * std::sin(a + 0.12));
        cairo_close_path(cr);
    }
    FillStroke(cr, Theme::SunDeep, Theme::Ink, 1.5);
    cairo_arc(cr, w - 30, 30, 30, 0, 2 * M_PI);
    FillStroke(cr, Theme::Sun, Theme::Ink, 2);
    // Rolling hills.
    cairo_move_to(cr, 0, h * 0.7);
    cairo_curve_to(cr, w * 0.3, h * 0.58, w * 0.6, h * 0.8, w, h * 0.64);
    cairo_line_to(cr, w, h);
    cairo_line_to(cr, 0, h);
    cairo_close_path(cr);
    FillStroke(cr, {150, 214, 110}, Theme::Ink, 2);
    cairo_move_to(cr, 0, h * 0.86);
    cairo_curve_to(cr, w * 0.4, h * 0.78, w * 0.7, h * 0.92, w, h * 0.82);
    cairo_line_to(cr, w, h);
    cairo_line_to(cr, 0, h);
    cairo_close_path(cr);
    FillStroke(cr, {108, 190, 90}, Theme::Ink, 2);
    // The name, big and friendly.
    Caption(cr, FONT_TITLE, 46, w / 2.0 - 8, 62, "Tintwell 3", Theme::White, Theme::Ink, 7);
    // Animals along the hills.
    PlaceAnimal(cr, 0, 8, 72, 96, 52, 1.6);
    PlaceAnimal(cr, 1, 110, 70, 58, 136, 1.6);
    PlaceAnimal(cr, 2, 160, 118, 90, 70, 1.6);
    PlaceAnimal(cr, 3, 12, 142, 90, 60, 1.6);
    PlaceAnimal(cr, 4, 236, 110, 92, 96, 1.6);
}

void DrawFriendsRow(cairo_t* cr, double x, double y, double w, double h) {
    double step = w / 5;
    for (int n = 0; n < 5; ++n)
        PlaceAnimal(cr, n, x + n * step + 2, y + 2, step - 4, h - 6, 1.4);
}
