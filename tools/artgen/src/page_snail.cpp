// The snail page: a snail in the garden among mushrooms and flowers.
#include "art.h"
#include "scenes.h"
#include <cmath>
using std::cos;
using std::sin;

namespace {
Rgb P(int nPage, int nPos) {
    return PageColour(28 * nPage + nPos);
}

void Flower(CInk& ink, double x, double y, double r, Rgb petal, double stem) {
    ink.Poly({x - 3, y, x + 3, y, x + 3, y + stem, x - 3, y + stem});
    ink.Shape(P(6, 10));
    ink.Ellipse(x + 16, y + stem * 0.6, 16, 7, -0.5);
    ink.Shape(P(6, 12));
    for (int i = 0; i < 6; ++i) {
        double a = i * M_PI / 3;
        ink.Ellipse(x + r * 0.9 * cos(a), y + r * 0.9 * sin(a), r * 0.62, r * 0.42, a);
        ink.Shape(petal);
    }
    ink.Circle(x, y, r * 0.5);
    ink.Shape(P(7, 13));
}

void Mushroom(CInk& ink, double x, double y, double s) {
    ink.Blob(
        {x - 0.22 * s, y, x - 0.18 * s, y - 0.5 * s, x + 0.18 * s, y - 0.5 * s, x + 0.22 * s, y});
    ink.Shape(P(0, 28));
    ink.Blob({x - 0.6 * s, y - 0.45 * s, x - 0.4 * s, y - 0.85 * s, x, y - s, x + 0.4 * s,
              y - 0.85 * s, x + 0.6 * s, y - 0.45 * s});
    ink.Shape(P(4, 5));
    ink.Circle(x - 0.25 * s, y - 0.7 * s, 0.1 * s);
    ink.Shape(P(0, 28));
    ink.Circle(x + 0.15 * s, y - 0.8 * s, 0.08 * s);
    ink.Shape(P(0, 28));
    ink.Circle(x + 0.33 * s, y - 0.58 * s, 0.08 * s);
    ink.Shape(P(0, 28));
}

} // namespace

void AnimalSnail(CInk& ink) {
    // Body gliding along with its head raised.
    ink.Blob({170, 392, 240, 372, 380, 366, 440, 350, 462, 300, 488, 268,
              520, 272, 532, 300, 520, 350, 500, 392, 440, 404, 300, 406});
    ink.Shape(P(6, 22));
    // Eye stalks.
    ink.Curve({492, 276, 480, 230, 470, 206});
    ink.Detail();
    ink.Curve({512, 278, 522, 232, 532, 210});
    ink.Detail();
    ink.Circle(470, 200, 11);
    ink.Shape(P(6, 22));
    ink.Circle(532, 204, 11);
    ink.Shape(P(6, 22));
    ink.Circle(472, 201, 5);
    ink.Solid();
    ink.Circle(534, 205, 5);
    ink.Solid();
    ink.Curve({500, 312, 512, 322, 524, 310});
    ink.Detail();
    // The shell: a fat spiral.
    ink.Circle(330, 280, 100);
    ink.Shape(P(7, 9));
    cairo_t* cr = ink.cr;
    cairo_new_sub_path(cr);
    for (int i = 0; i <= 200; ++i) {
        double t = i / 200.0 * 2.6 * 2 * M_PI;
        double r = 8 + 82 * t / (2.6 * 2 * M_PI);
        cairo_line_to(cr, 330 + r * cos(t + M_PI), 280 + r * sin(t + M_PI));
    }
    ink.Detail();
    // Stripes across the spiral give it more patches to colour.
    cairo_move_to(cr, 330, 180);
    cairo_line_to(cr, 330, 240);
    ink.Detail();
    cairo_move_to(cr, 430, 280);
    cairo_line_to(cr, 370, 280);
    ink.Detail();
    cairo_move_to(cr, 330, 380);
    cairo_line_to(cr, 330, 320);
    ink.Detail();
}

void SceneSnail(CInk& ink) {
    cairo_t* cr = ink.cr;
    cairo_rectangle(cr, -10, -10, 680, 480);
    ink.Shape(P(5, 12));
    for (int i = 0; i < 8; ++i) {
        double a = i * M_PI / 4 + 0.3;
        double x = 80, y = 70;
        ink.Poly({x + 50 * cos(a - 0.18), y + 50 * sin(a - 0.18), x + 76 * cos(a), y + 76 * sin(a),
                  x + 50 * cos(a + 0.18), y + 50 * sin(a + 0.18)});
        ink.Shape(P(7, 10));
    }
    ink.Circle(80, 70, 40);
    ink.Shape(P(7, 13));
    ink.Blob({380, 80, 410, 50, 450, 58, 480, 40, 520, 55, 540, 85, 500, 100, 410, 100});
    ink.Shape(P(1, 28));
    ink.Blob({-40, 330, 150, 300, 330, 320, 520, 296, 700, 320, 700, 500, -40, 500});
    ink.Shape(P(6, 13));
    Flower(ink, 90, 250, 26, P(4, 15), 140);
    Flower(ink, 600, 230, 24, P(5, 7), 160);
    Mushroom(ink, 170, 400, 80);
    Mushroom(ink, 585, 420, 70);
    ink.Blob({-40, 420, 200, 410, 400, 420, 700, 410, 700, 500, -40, 500});
    ink.Shape(P(3, 20));
    AnimalSnail(ink);
}
