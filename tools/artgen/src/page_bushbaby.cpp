// The bushbaby page: a big-eyed bushbaby on a branch in the moonlit forest.
#include "art.h"
#include "scenes.h"
#include <cmath>

namespace {
Rgb P(int nPage, int nPos) {
    return PageColour(28 * nPage + nPos);
}

void Leaf(CInk& ink, double x, double y, double len, double angle) {
    cairo_t* cr = ink.cr;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    ink.Blob({0, 0, len * 0.5, -len * 0.22, len, 0, len * 0.5, len * 0.22});
    cairo_restore(cr);
    ink.Shape(P(6, 12));
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_move_to(cr, len * 0.12, 0);
    cairo_line_to(cr, len * 0.75, 0);
    cairo_restore(cr);
    ink.Detail();
}

} // namespace

namespace {

// Tail hanging below the branch (the scene draws the branch over its root).
void BushbabyTail(CInk& ink) {
    ink.Blob(
        {350, 300, 395, 330, 420, 380, 412, 430, 392, 452, 372, 440, 380, 400, 362, 350, 335, 320});
    ink.Shape(P(3, 18));
    ink.Blob({400, 420, 412, 440, 398, 454, 380, 446, 386, 428});
    ink.Shape(P(3, 23));
}

void BushbabyFront(CInk& ink) {
    // Back legs, body and tummy.
    ink.Ellipse(287, 300, 30, 24, 0.3);
    ink.Shape(P(3, 18));
    ink.Ellipse(373, 300, 30, 24, -0.3);
    ink.Shape(P(3, 18));
    ink.Ellipse(330, 265, 50, 58);
    ink.Shape(P(3, 18));
    ink.Ellipse(330, 280, 30, 38);
    ink.Shape(P(3, 25));
    // Feet and hands gripping the branch.
    ink.Ellipse(272, 326, 18, 11);
    ink.Shape(P(3, 24));
    ink.Ellipse(388, 326, 18, 11);
    ink.Shape(P(3, 24));
    ink.Blob({300, 240, 312, 270, 314, 312, 300, 320, 292, 300, 292, 260});
    ink.Shape(P(3, 18));
    ink.Blob({360, 240, 368, 260, 368, 300, 360, 320, 346, 312, 348, 270});
    ink.Shape(P(3, 18));
    // Ears, big and round.
    for (int side = -1; side <= 1; side += 2) {
        ink.Ellipse(330 + side * 58, 112, 30, 34, side * 0.35);
        ink.Shape(P(3, 18));
        ink.Ellipse(330 + side * 58, 114, 18, 22, side * 0.35);
        ink.Shape(P(2, 15));
    }
    // Head and the pale mask around the eyes.
    ink.Blob({330, 110, 378, 122, 396, 160, 384, 200, 330, 218, 276, 200, 264, 160, 282, 122});
    ink.Shape(P(3, 18));
    ink.Blob({330, 140, 356, 134, 384, 150, 380, 184, 350, 206,
              330, 210, 310, 206, 280, 184, 276, 150, 304, 134});
    ink.Shape(P(3, 25));
    // Huge eyes with amber rings.
    for (int side = -1; side <= 1; side += 2) {
        double cx = 330 + side * 26;
        ink.Circle(cx, 163, 22);
        ink.Shape(P(7, 10));
        ink.Circle(cx, 164, 12);
        ink.Solid();
        ink.Circle(cx - 5, 158, 4.5);
        ink.Shape(P(1, 28));
    }
    ink.Blob({324, 192, 336, 192, 330, 200});
    ink.Solid();
    ink.Curve({318, 204, 324, 208, 330, 203, 336, 208, 342, 204});
    ink.Detail();
}

} // namespace

void AnimalBushbaby(CInk& ink) {
    BushbabyTail(ink);
    BushbabyFront(ink);
}

void SceneBushbaby(CInk& ink) {
    cairo_t* cr = ink.cr;
    cairo_rectangle(cr, -10, -10, 680, 480);
    ink.Shape(P(5, 3));
    ink.Circle(110, 95, 58);
    ink.Shape(P(2, 24));
    ink.Circle(90, 80, 10);
    ink.Shape(P(2, 18));
    ink.Circle(128, 115, 13);
    ink.Shape(P(2, 18));
    // Far trees.
    ink.Blob({-30, 470, -20, 330, 40, 260, 110, 300, 170, 250, 230, 330, 240, 470});
    ink.Shape(P(6, 1));
    ink.Blob({430, 470, 440, 300, 500, 250, 560, 280, 600, 230, 700, 260, 700, 470});
    ink.Shape(P(6, 1));
    // Tree trunk on the right.
    ink.Blob({560, -20, 600, 150, 590, 300, 610, 470, 680, 470, 680, -20});
    ink.Shape(P(3, 10));
    ink.Curve({630, 60, 640, 120, 632, 180});
    ink.Detail();
    ink.Curve({650, 260, 645, 330, 655, 400});
    ink.Detail();
    BushbabyTail(ink);
    // The branch the bushbaby sits on.
    ink.Blob({-30, 355, 150, 336, 330, 332, 480, 318, 620, 282,
              640, 320, 490, 350, 330, 362, 150, 372, -30, 392});
    ink.Shape(P(3, 11));
    ink.Blob({150, 340, 120, 300, 100, 262, 116, 258, 140, 295, 172, 338});
    ink.Shape(P(3, 11));
    Leaf(ink, 100, 262, 70, -2.2);
    Leaf(ink, 110, 276, 64, -0.5);
    Leaf(ink, 470, 322, 72, -1.2);
    Leaf(ink, 500, 318, 66, -0.2);
    Leaf(ink, 60, 370, 66, 0.6);
    BushbabyFront(ink);
}
