// The kiwi page: a kiwi looking for worms below the mountains.
#include "art.h"
#include "scenes.h"
#include <cmath>
#include <vector>
using std::cos;
using std::sin;

namespace {
Rgb P(int nPage, int nPos) {
    return PageColour(28 * nPage + nPos);
}

// A round bush with a few berries.
void Bush(CInk& ink, double x, double y, double s) {
    ink.Blob({x - s, y, x - 0.95 * s, y - 0.5 * s, x - 0.5 * s, y - 0.85 * s, x, y - s,
              x + 0.55 * s, y - 0.8 * s, x + s, y - 0.4 * s, x + 0.95 * s, y});
    ink.Shape(P(6, 10));
    ink.Circle(x - 0.4 * s, y - 0.45 * s, 8);
    ink.Shape(P(4, 5));
    ink.Circle(x + 0.3 * s, y - 0.6 * s, 8);
    ink.Shape(P(4, 5));
    ink.Circle(x + 0.5 * s, y - 0.2 * s, 8);
    ink.Shape(P(4, 5));
}

// A tuft of three grass blades.
void Tuft(CInk& ink, double x, double y, double s) {
    ink.Poly({x - 0.5 * s, y, x - 0.45 * s, y - 0.7 * s, x - 0.2 * s, y - 0.25 * s, x, y - s,
              x + 0.2 * s, y - 0.25 * s, x + 0.45 * s, y - 0.7 * s, x + 0.5 * s, y});
    ink.Shape(P(6, 13));
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
    ink.Blob({446, 222, 430, 197, 402, 196, 380, 214, 330, 206, 270, 212, 218,
              245, 204, 298, 240, 344, 320, 362, 394, 338, 436, 292, 454, 250});
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
    ink.Blob({444, 230, 458, 242, 484, 300, 508, 372, 500, 376, 470, 310, 444, 256});
    ink.Shape(P(7, 16));
    ink.Circle(424, 222, 7.5);
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
    Bush(ink, 90, 400, 80);
    Bush(ink, 622, 402, 56);
    Tuft(ink, 300, 452, 40);
    Tuft(ink, 560, 452, 34);
    Tuft(ink, 170, 300, 30);
    // A worm peeping out.
    ink.Blob({520, 384, 530, 360, 548, 350, 560, 362, 548, 372, 536, 392});
    ink.Shape(P(4, 15));
    // Flowers in the meadow.
    const double Flowers[][2] = {{215, 426}, {430, 432}};
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
