// The bat page: a bat flying past the moon over sleepy hills.
#include "art.h"
#include "scenes.h"
#include <cmath>
using std::cos;
using std::sin;

namespace {
Rgb P(int nPage, int nPos) {
    return PaletteColours[28 * nPage + nPos];
}
} // namespace

void AnimalBat(CInk& ink) {
    // Wings first, so that the body covers their roots. Each wing has three panels.
    for (int side = -1; side <= 1; side += 2) {
        auto X = [side](double dx) { return 330 + side * dx; };
        ink.Blob({X(20),  215, X(70),  165, X(150), 120, X(215), 95,  X(262), 158, X(250), 185,
                  X(215), 205, X(175), 218, X(140), 218, X(100), 238, X(60),  248, X(25),  262});
        ink.Shape(P(0, 8));
        ink.Curve({X(150), 122, X(178), 172, X(215), 205});
        ink.Detail();
        ink.Curve({X(150), 122, X(132), 178, X(140), 218});
        ink.Detail();
        ink.Curve({X(150), 122, X(95), 190, X(60), 248});
        ink.Detail();
    }
    // Ears with pink insides.
    for (int side = -1; side <= 1; side += 2) {
        auto X = [side](double dx) { return 330 + side * dx; };
        ink.Blob({X(14), 150, X(22), 110, X(40), 84, X(52), 112, X(46), 150});
        ink.Shape(P(0, 19));
        ink.Blob({X(26), 140, X(31), 112, X(40), 99, X(44), 120, X(40), 142});
        ink.Shape(P(2, 15));
    }
    // Body, tummy and feet.
    ink.Ellipse(330, 240, 40, 52);
    ink.Shape(P(0, 19));
    ink.Ellipse(330, 252, 24, 34);
    ink.Shape(P(0, 13));
    ink.Ellipse(314, 296, 11, 8, 0.3);
    ink.Shape(P(0, 19));
    ink.Ellipse(346, 296, 11, 8, -0.3);
    ink.Shape(P(0, 19));
    // Head.
    ink.Blob({330, 128, 366, 138, 378, 170, 366, 200, 330, 210, 294, 200, 282, 170, 294, 138});
    ink.Shape(P(0, 19));
    ink.Ellipse(330, 186, 20, 14);
    ink.Shape(P(2, 8));
    // Eyes: big whites, dark pupils with a shine.
    for (int side = -1; side <= 1; side += 2) {
        ink.Ellipse(330 + side * 19, 164, 13, 15);
        ink.Shape(P(1, 28));
        ink.Circle(330 + side * 16, 167, 8);
        ink.Solid();
        ink.Circle(330 + side * 16 - 3, 163, 3.5);
        ink.Shape(P(1, 28));
    }
    // Nose and a smile with two little fangs.
    ink.Ellipse(330, 180, 5, 3.5);
    ink.Solid();
    ink.Curve({316, 190, 330, 199, 344, 190});
    ink.Detail();
    ink.Poly({320, 194, 324, 205, 328, 197});
    ink.Shape(P(1, 28));
    ink.Poly({332, 197, 336, 205, 340, 194});
    ink.Shape(P(1, 28));
}

void SceneBat(CInk& ink) {
    cairo_t* cr = ink.cr;
    cairo_rectangle(cr, -10, -10, 680, 480);
    ink.Shape(P(5, 2));
    // Moon with craters.
    ink.Circle(535, 105, 72);
    ink.Shape(P(2, 18));
    ink.Circle(510, 80, 14);
    ink.Shape(P(2, 24));
    ink.Circle(560, 130, 18);
    ink.Shape(P(2, 24));
    ink.Circle(565, 70, 9);
    ink.Shape(P(2, 24));
    // Stars.
    const double Stars[][3] = {{60, 60, 18},   {180, 40, 14}, {420, 45, 15},
                               {610, 220, 14}, {50, 200, 13}, {455, 210, 12}};
    for (auto& s : Stars) {
        cairo_new_sub_path(cr);
        for (int i = 0; i < 10; ++i) {
            double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? s[2] * 0.48 : s[2];
            cairo_line_to(cr, s[0] + r * cos(a), s[1] + r * sin(a));
        }
        cairo_close_path(cr);
        ink.Shape(P(7, 14));
    }
    // A cloud drifting past the moon.
    ink.Blob({440, 165, 470, 140, 505, 150, 530, 135, 565, 150, 590, 175, 560, 192, 470, 192});
    ink.Shape(P(5, 11));
    // Hills, a house with a lit window, and a tree.
    ink.Blob({-40, 360, 120, 300, 260, 330, 420, 310, 560, 290, 700, 330, 700, 500, -40, 500});
    ink.Shape(P(6, 4));
    ink.Poly({470, 300, 470, 250, 500, 222, 530, 250, 530, 300});
    ink.Shape(P(3, 18));
    ink.Poly({460, 254, 500, 212, 540, 254});
    ink.Shape(P(4, 1));
    cairo_rectangle(cr, 488, 258, 22, 22);
    ink.Shape(P(7, 13));
    ink.Blob({-40, 420, 150, 380, 330, 400, 500, 370, 700, 400, 700, 500, -40, 500});
    ink.Shape(P(6, 1));
    cairo_rectangle(cr, 88, 280, 26, 110);
    ink.Shape(P(3, 10));
    ink.Blob({40, 240, 60, 190, 105, 170, 150, 195, 165, 245, 130, 285, 70, 285});
    ink.Shape(P(6, 3));
    AnimalBat(ink);
}
