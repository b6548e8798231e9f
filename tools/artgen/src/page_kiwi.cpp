// The kiwi page: a kiwi looking for worms below the mountains.
#include "art.h"
#include "scenes.h"
#include <cmath>
#include <vector>
using std::cos;
using std::sin;

namespace {
Rgb P(int nPage, int nPos) {
    return PaletteColours[28 * nPage + nPos];
}

void Fern(CInk& ink, double x, double y, double s, double lean) {
    // A frond with a wavy edge and a rib down its middle.
    cairo_t* cr = ink.cr;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, lean * 0.35);
    std::vector<double> v;
    const int n = 7;
    for (int i = 0; i <= n; ++i) { // up the right side
        double t = double(i) / n, wd = 0.2 * s * (1 - t) * (i % 2 ? 1.25 : 0.8);
        v.push_back(wd + 4);
        v.push_back(-t * s);
    }
    for (int i = n - 1; i >= 0; --i) { // down the left side
        double t = double(i) / n, wd = 0.2 * s * (1 - t) * (i % 2 ? 0.8 : 1.25);
        v.push_back(-wd - 4);
        v.push_back(-t * s);
    }
    cairo_new_sub_path(cr);
    for (size_t i = 0; i + 1 < v.size(); i += 2)
        cairo_line_to(cr, v[i], v[i + 1]);
    cairo_close_path(cr);
    cairo_restore(cr);
    ink.Shape(P(6, 11));
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, lean * 0.35);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 0, -0.85 * s);
    cairo_restore(cr);
    ink.Detail();
}

} // namespace

void AnimalKiwi(CInk& ink) {
    // Legs and toes.
    for (int i = 0; i < 2; ++i) {
        double x = i ? 352 : 300;
        ink.Poly({x - 7, 330, x + 7, 330, x + 8, 392, x - 6, 392});
        ink.Shape(P(7, 12));
        ink.Blob(
            {x - 30, 402, x - 4, 388, x + 6, 386, x + 36, 398, x + 8, 400, x + 2, 408, x - 6, 400});
        ink.Shape(P(7, 12));
    }
    // Body and head in one round shape.
    ink.Blob({200, 280, 230, 220, 300, 195, 370, 200, 410, 195, 445, 215,
              452, 250, 430, 290, 400, 330, 330, 350, 250, 345, 205, 320});
    ink.Shape(P(3, 18));
    // Feather tufts.
    ink.Curve({240, 260, 252, 250, 264, 260});
    ink.Detail();
    ink.Curve({275, 300, 287, 290, 299, 300});
    ink.Detail();
    ink.Curve({320, 250, 332, 240, 344, 250});
    ink.Detail();
    ink.Curve({345, 310, 357, 300, 369, 310});
    ink.Detail();
    ink.Curve({230, 300, 240, 292, 250, 300});
    ink.Detail();
    // Long beak reaching to the ground.
    ink.Blob({440, 238, 462, 246, 488, 300, 508, 372, 500, 376, 472, 308, 440, 262});
    ink.Shape(P(7, 16));
    ink.Circle(418, 228, 7);
    ink.Solid();
}

void SceneKiwi(CInk& ink) {
    cairo_t* cr = ink.cr;
    cairo_rectangle(cr, -10, -10, 680, 480);
    ink.Shape(P(5, 12));
    // Sun with separate rays.
    for (int i = 0; i < 10; ++i) {
        double a = i * M_PI / 5 + 0.2;
        double x = 570, y = 80;
        ink.Poly({x + 58 * cos(a - 0.14), y + 58 * sin(a - 0.14), x + 86 * cos(a), y + 86 * sin(a),
                  x + 58 * cos(a + 0.14), y + 58 * sin(a + 0.14)});
        ink.Shape(P(7, 10));
    }
    ink.Circle(570, 80, 46);
    ink.Shape(P(7, 13));
    ink.Blob({90, 90, 120, 60, 160, 68, 190, 50, 230, 62, 250, 92, 210, 108, 120, 110});
    ink.Shape(P(1, 28));
    // Mountains with snowy tops.
    ink.Poly({-20, 300, 130, 140, 260, 280, 360, 170, 520, 300});
    ink.Shape(P(5, 13));
    ink.Poly({130, 140, 100, 172, 118, 166, 134, 180, 150, 162, 164, 176});
    ink.Shape(P(1, 28));
    ink.Poly({360, 170, 330, 204, 348, 198, 362, 210, 380, 194, 396, 208});
    ink.Shape(P(1, 28));
    // Meadow and the ground near us.
    ink.Blob({-40, 300, 150, 262, 330, 290, 520, 262, 700, 290, 700, 500, -40, 500});
    ink.Shape(P(6, 12));
    ink.Blob({-40, 390, 160, 370, 330, 384, 500, 366, 700, 386, 700, 500, -40, 500});
    ink.Shape(P(6, 4));
    Fern(ink, 80, 430, 170, 1);
    Fern(ink, 130, 440, 130, -1);
    Fern(ink, 610, 430, 160, -1);
    // A worm peeping out.
    ink.Blob({520, 384, 530, 360, 548, 350, 560, 362, 548, 372, 536, 392});
    ink.Shape(P(4, 15));
    // Flowers in the meadow.
    const double Flowers[][2] = {{210, 424}, {590, 330}};
    for (auto& f : Flowers) {
        for (int i = 0; i < 5; ++i) {
            double a = i * 2 * M_PI / 5;
            ink.Circle(f[0] + 11 * cos(a), f[1] + 11 * sin(a), 8);
            ink.Shape(P(4, 21));
        }
        ink.Circle(f[0], f[1], 7);
        ink.Shape(P(7, 13));
    }
    AnimalKiwi(ink);
}
