// The bat page: a bat flying past the moon over sleepy hills.
#include "art.h"
#include "scenes.h"
#include <cmath>
using std::cos;
using std::sin;

namespace {
Rgb P(int nPage, int nPos) {
    return PageColour(28 * nPage + nPos);
}
} // namespace

void AnimalBat(CInk& ink) {
    // Wings first, so that the body covers their roots: an arm up to the wrist, three long
    // fingers, and the skin between them hanging in scallops.
    for (int side = -1; side <= 1; side += 2) {
        auto X = [side](double dx) { return 330 + side * dx; };
        cairo_t* cr = ink.cr;
        cairo_new_sub_path(cr);
        cairo_move_to(cr, X(22), 200);
        cairo_curve_to(cr, X(60), 150, X(110), 110, X(150), 96);   // arm
        cairo_curve_to(cr, X(200), 84, X(245), 96, X(272), 128);   // outer finger
        cairo_curve_to(cr, X(250), 150, X(240), 180, X(246), 214); // scallop
        cairo_curve_to(cr, X(218), 200, X(196), 214, X(186), 252); // scallop
        cairo_curve_to(cr, X(150), 228, X(110), 236, X(96), 262);  // scallop
        cairo_curve_to(cr, X(70), 244, X(40), 246, X(24), 262);    // to the body
        cairo_close_path(cr);
        ink.Shape(P(0, 8));
        cairo_move_to(cr, X(150), 96);
        cairo_curve_to(cr, X(190), 140, X(230), 180, X(246), 214);
        ink.Detail();
        cairo_move_to(cr, X(150), 96);
        cairo_curve_to(cr, X(160), 160, X(176), 210, X(186), 252);
        ink.Detail();
        cairo_move_to(cr, X(150), 96);
        cairo_curve_to(cr, X(130), 160, X(110), 210, X(96), 262);
        ink.Detail();
        // Thumb claw at the wrist.
        ink.Poly({X(146), 98, X(138), 80, X(158), 92});
        ink.Solid();
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
    // Nose and a happy open mouth.
    ink.Ellipse(330, 180, 5, 3.5);
    ink.Solid();
    cairo_t* cr = ink.cr;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, 314, 189);
    cairo_curve_to(cr, 320, 187, 340, 187, 346, 189);
    cairo_curve_to(cr, 344, 206, 316, 206, 314, 189);
    cairo_close_path(cr);
    ink.Shape(P(4, 7));
}

void SceneBat(CInk& ink) {
    cairo_t* cr = ink.cr;
    cairo_rectangle(cr, -10, -10, 680, 480);
    ink.Shape(P(5, 2));
    // Moon with craters.
    ink.Circle(560, 92, 62);
    ink.Shape(P(2, 18));
    ink.Circle(540, 70, 12);
    ink.Shape(P(2, 24));
    ink.Circle(582, 112, 15);
    ink.Shape(P(2, 24));
    ink.Circle(590, 62, 8);
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
