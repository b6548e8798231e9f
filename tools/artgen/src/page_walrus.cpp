// The walrus page: a walrus resting on the ice by the sea.
#include "art.h"
#include "scenes.h"
#include <cmath>

namespace {
Rgb P(int nPage, int nPos) {
    return PageColour(28 * nPage + nPos);
}
} // namespace

void AnimalWalrus(CInk& ink) {
    // Tail flippers, body, front flippers.
    ink.Blob({150, 340, 110, 320, 96, 350, 130, 360});
    ink.Shape(P(3, 16));
    ink.Blob({150, 352, 108, 372, 118, 392, 160, 370});
    ink.Shape(P(3, 16));
    ink.Blob({140, 350, 180, 280, 260, 230, 350, 200, 420, 190,
              470, 230, 480, 300, 450, 360, 300, 376, 180, 372});
    ink.Shape(P(3, 18));
    ink.Blob({360, 350, 400, 330, 440, 366, 420, 384, 370, 378});
    ink.Shape(P(3, 16));
    ink.Curve({392, 360, 404, 376});
    ink.Detail();
    ink.Curve({410, 352, 422, 370});
    ink.Detail();
    // Wrinkles on the neck.
    ink.Curve({392, 240, 402, 262, 398, 290});
    ink.Detail();
    ink.Curve({372, 250, 380, 275, 376, 300});
    ink.Detail();
    // Head.
    ink.Blob({380, 170, 420, 130, 480, 122, 530, 150, 540, 200, 510, 240, 450, 246, 400, 225});
    ink.Shape(P(3, 18));
    // Tusks below the whisker pads.
    ink.Blob({460, 226, 472, 226, 470, 290, 462, 300, 456, 290});
    ink.Shape(P(1, 28));
    ink.Blob({496, 226, 508, 226, 510, 292, 502, 302, 494, 290});
    ink.Shape(P(1, 28));
    ink.Ellipse(466, 210, 24, 18);
    ink.Shape(P(3, 25));
    ink.Ellipse(502, 210, 24, 18);
    ink.Shape(P(3, 25));
    const double Dots[][2] = {{456, 206}, {466, 214}, {476, 204},
                              {494, 204}, {504, 214}, {514, 206}};
    for (auto& d : Dots) {
        ink.Circle(d[0], d[1], 2.5);
        ink.Solid();
    }
    ink.Ellipse(484, 188, 9, 6);
    ink.Solid();
    ink.Circle(452, 160, 7);
    ink.Solid();
    ink.Circle(512, 160, 7);
    ink.Solid();
}

void SceneWalrus(CInk& ink) {
    cairo_t* cr = ink.cr;
    cairo_rectangle(cr, -10, -10, 680, 480);
    ink.Shape(P(5, 12));
    for (int i = 0; i < 9; ++i) {
        double a = i * 2 * M_PI / 9 + 0.3;
        ink.Poly({110 + 58 * std::cos(a - 0.15), 110 + 58 * std::sin(a - 0.15),
                  110 + 82 * std::cos(a), 110 + 82 * std::sin(a), 110 + 58 * std::cos(a + 0.15),
                  110 + 58 * std::sin(a + 0.15)});
        ink.Shape(P(7, 10));
    }
    ink.Circle(110, 110, 50);
    ink.Shape(P(7, 14));
    ink.Blob({190, 80, 220, 50, 260, 58, 290, 40, 330, 55, 350, 85, 310, 100, 220, 100});
    ink.Shape(P(1, 28));
    // Icebergs far away.
    ink.Poly({470, 250, 520, 120, 560, 160, 600, 90, 680, 250});
    ink.Shape(P(5, 11));
    ink.Poly({-20, 260, 30, 200, 80, 230, 120, 260});
    ink.Shape(P(5, 11));
    // The sea, with bands of waves.
    ink.Blob({-40, 250, 160, 246, 330, 256, 500, 244, 700, 252, 700, 500, -40, 500});
    ink.Shape(P(5, 9));
    ink.Curve({-20, 300, 40, 290, 100, 300, 160, 290, 220, 300});
    ink.Detail();
    ink.Curve({480, 292, 540, 282, 600, 292, 660, 282, 690, 290});
    ink.Detail();
    // A fish jumping.
    ink.Blob({560, 330, 590, 310, 620, 318, 640, 340, 612, 352, 584, 350});
    ink.Shape(P(7, 9));
    ink.Poly({560, 330, 540, 312, 544, 350});
    ink.Shape(P(7, 9));
    ink.Circle(618, 330, 4);
    ink.Solid();
    // The ice floe.
    ink.Poly({40, 360, 120, 320, 520, 316, 600, 380, 560, 430, 80, 430});
    ink.Shape(P(5, 12));
    ink.Poly({80, 430, 560, 430, 600, 380, 620, 420, 580, 460, 60, 460, 40, 360});
    ink.Shape(P(5, 11));
    // Cracks in the ice.
    ink.Curve({120, 320, 100, 360, 110, 400, 80, 430});
    ink.Detail();
    ink.Curve({520, 316, 540, 360, 530, 400, 560, 430});
    ink.Detail();
    // Snowflakes.
    const double Flakes[][2] = {{420, 60}, {560, 40}, {380, 140}, {620, 150}};
    for (auto& f : Flakes) {
        cairo_new_sub_path(ink.cr);
        for (int i = 0; i < 12; ++i) {
            double a = i * M_PI / 6, r = i % 2 ? 8 : 18;
            cairo_line_to(ink.cr, f[0] + r * std::cos(a), f[1] + r * std::sin(a));
        }
        cairo_close_path(ink.cr);
        ink.Shape(P(1, 28));
    }
    AnimalWalrus(ink);
}
