// Drawing test pictures with integers only: strokes stamped as discs along their path, a
// sine table for curves and wobble, fixed-point turning and seeded grain.
#include "support/drawn_pictures.h"

namespace drawn {

namespace {

// sin(2 pi k / 64) x 1024.
const int SINE[64] = {0,    100,  200,   297,   392,   483,   569,   650,  724,  792,  851,
                      903,  946,  980,   1004,  1019,  1024,  1019,  1004, 980,  946,  903,
                      851,  792,  724,   650,   569,   483,   392,   297,  200,  100,  0,
                      -100, -200, -297,  -392,  -483,  -569,  -650,  -724, -792, -851, -903,
                      -946, -980, -1004, -1019, -1024, -1019, -1004, -980, -946, -903, -851,
                      -792, -724, -650,  -569,  -483,  -392,  -297,  -200, -100};
inline int Sin(int k) {
    return SINE[((k % 64) + 64) % 64];
}
inline int Cos(int k) {
    return Sin(k + 16);
}

// cos and sin of 1.5 degrees, x 65536.
const int64_t TURN_COS = 65514, TURN_SIN = 1716;

int64_t ISqrt(int64_t n) {
    int64_t r = 0;
    while ((r + 1) * (r + 1) <= n)
        r++;
    return r;
}

void StampDisc(Ink* lpInk, int x16, int y16, int r16) {
    for (int y = (y16 - r16) / 16 - 1; y <= (y16 + r16) / 16 + 1; y++)
        for (int x = (x16 - r16) / 16 - 1; x <= (x16 + r16) / 16 + 1; x++) {
            const int dx = x * 16 + 8 - x16, dy = y * 16 + 8 - y16;
            if (x >= 0 && y >= 0 && x < lpInk->w && y < lpInk->h && dx * dx + dy * dy <= r16 * r16)
                lpInk->At(x, y) = 1;
        }
}

} // namespace

void Stroke(Ink* lpInk, std::vector<int> xy, int nWidth16, int nWobble16, bool bClosed) {
    if (bClosed) {
        xy.push_back(xy[0]);
        xy.push_back(xy[1]);
    }
    int nPhase = 0;
    for (size_t i = 0; i + 3 < xy.size(); i += 2) {
        const int x0 = xy[i], y0 = xy[i + 1], dx = xy[i + 2] - x0, dy = xy[i + 3] - y0;
        const int nLen = int(ISqrt(int64_t(dx) * dx + int64_t(dy) * dy));
        for (int s = 0; s <= nLen; s += 8, nPhase++) {
            // The hand drifts sideways along a slow wave.
            const int nOff = nLen ? nWobble16 * Sin(nPhase / 5) / 1024 : 0;
            const int x = x0 + (nLen ? dx * s / nLen : 0) - (nLen ? dy * nOff / nLen : 0);
            const int y = y0 + (nLen ? dy * s / nLen : 0) + (nLen ? dx * nOff / nLen : 0);
            StampDisc(lpInk, x, y, nWidth16 / 2);
        }
    }
}

void Ellipse(Ink* lpInk, int cx, int cy, int rx, int ry, int nWidth16, int nWobble16) {
    std::vector<int> xy;
    for (int k = 0; k < 64; k++) {
        xy.push_back(cx * 16 + rx * 16 * Cos(k) / 1024);
        xy.push_back(cy * 16 + ry * 16 * Sin(k) / 1024);
    }
    Stroke(lpInk, xy, nWidth16, nWobble16, true);
}

void Dot(Ink* lpInk, int cx, int cy, int r) {
    StampDisc(lpInk, cx * 16 + 8, cy * 16 + 8, r * 16);
}

Ink HouseScene() {
    Ink ink(660, 460);
    const int W = 56, WOB = 24; // 3.5-pixel lines
    auto Poly = [&](std::vector<int> pts, bool bClosed) {
        for (int& v : pts)
            v *= 16;
        Stroke(&ink, pts, W, WOB, bClosed);
    };
    Poly({-20, 360, 160, 330, 330, 350, 500, 320, 680, 345}, false); // the hill
    Poly({200, 200, 380, 200, 380, 340, 200, 340}, true);            // the house
    Poly({185, 205, 290, 110, 395, 205}, true);                      // its roof
    Poly({300, 340, 300, 260, 345, 260, 345, 340}, false);           // the door
    Poly({220, 225, 280, 225, 280, 280, 220, 280}, true);            // a window
    Poly({250, 225, 250, 280}, false);
    Poly({220, 252, 280, 252}, false);
    Ellipse(&ink, 560, 90, 48, 48, W, WOB); // the sun
    for (int k = 0; k < 64; k += 8) {
        Poly({560 + 62 * Cos(k) / 1024, 90 + 62 * Sin(k) / 1024, 560 + 85 * Cos(k) / 1024,
              90 + 85 * Sin(k) / 1024},
             false);
    }
    for (int f = 0; f < 3; f++) { // flowers
        const int fx = 470 + 60 * f, fy = 395;
        Ellipse(&ink, fx, fy, 11, 11, W, 6);
        for (int k = 0; k < 64; k += 16)
            Ellipse(&ink, fx + 22 * Cos(k) / 1024, fy + 22 * Sin(k) / 1024, 11, 11, W, 6);
    }
    Ellipse(&ink, 90, 120, 70, 45, W, 24);  // a cloud
    Ellipse(&ink, 120, 420, 60, 25, W, 16); // a pond
    return ink;
}

Ink CreatureScene() {
    Ink ink(660, 460);
    Ellipse(&ink, 330, 280, 200, 130, 112, 20); // body in a 7-pixel marker
    Ellipse(&ink, 330, 290, 110, 70, 40, 12);   // belly
    Ellipse(&ink, 330, 110, 80, 70, 32, 10);    // head in a 2-pixel pen
    Dot(&ink, 300, 100, 9);                     // eyes
    Dot(&ink, 360, 100, 9);
    for (int y = 24; y < 52; y++) // a solid hat
        for (int x = 280 - (52 - y); x < 380 + (52 - y); x++)
            ink.At(x, y) = 1;
    Ellipse(&ink, 330, 140, 20, 10, 32, 4); // mouth
    for (int b = 0; b < 4; b++)             // hairline bubbles
        Ellipse(&ink, 70 + 45 * b, 60 + 30 * (b % 2), 18, 18, 16, 2);
    Ellipse(&ink, 560, 80, 60, 40, 48, 16);
    return ink;
}

void CutGap(Ink* lpInk, int x, int y, int tx, int ty, int g) {
    const int64_t t2 = int64_t(tx) * tx + int64_t(ty) * ty, t = ISqrt(t2 * 256); // |t| x 16
    for (int dy = -14; dy <= 14; dy++)
        for (int dx = -14; dx <= 14; dx++) {
            // Along the line, in 1/16 pixels: the pixels whose centre lies within g/2.
            const int64_t along = (int64_t(dx) * tx + int64_t(dy) * ty) * 256 / t;
            const int64_t across = (int64_t(dx) * ty - int64_t(dy) * tx) * 256 / t;
            if (2 * along >= -g * 16 && 2 * along < g * 16 && across >= -10 * 16 &&
                across <= 10 * 16 && x + dx >= 0 && y + dy >= 0 && x + dx < lpInk->w &&
                y + dy < lpInk->h)
                lpInk->At(x + dx, y + dy) = 0;
        }
}

void PhotoToDrawing(const Ink& ink, int x, int y, int* lpX, int* lpY) {
    const int64_t cx = ink.w / 2, cy = ink.h / 2, dx = x - cx, dy = y - cy;
    *lpX = int(cx + (dx * TURN_COS + dy * TURN_SIN + 32768) / 65536);
    *lpY = int(cy + (-dx * TURN_SIN + dy * TURN_COS + 32768) / 65536);
}

Photo PhotoLike(const Ink& ink, int nWidth) {
    Photo photo;
    photo.w = nWidth ? nWidth : ink.w * 3 / 2;
    photo.h = int(int64_t(photo.w) * ink.h / ink.w);
    const int w = photo.w, h = photo.h;
    std::vector<int> grey(size_t(w) * h);
    // Ink coverage of the turned drawing, bilinear in 1/256 pixels.
    for (int Y = 0; Y < h; Y++)
        for (int X = 0; X < w; X++) {
            const int64_t dx = int64_t(2 * X + 1 - w) * 128 * ink.w / w;
            const int64_t dy = int64_t(2 * Y + 1 - h) * 128 * ink.w / w;
            const int64_t sx = ink.w * 128 + (dx * TURN_COS + dy * TURN_SIN) / 65536 - 128;
            const int64_t sy = ink.h * 128 + (-dx * TURN_SIN + dy * TURN_COS) / 65536 - 128;
            const int x0 = int(sx >> 8), y0 = int(sy >> 8), fx = int(sx & 255), fy = int(sy & 255);
            // Round the turned sheet lies the table, as dark as the ink.
            auto I = [&](int x, int y) {
                return x >= 0 && y >= 0 && x < ink.w && y < ink.h ? ink.At(x, y) : 1;
            };
            const int top = I(x0, y0) * (256 - fx) + I(x0 + 1, y0) * fx;
            const int bottom = I(x0, y0 + 1) * (256 - fx) + I(x0 + 1, y0 + 1) * fx;
            grey[size_t(Y) * w + X] = (top * (256 - fy) + bottom * fy) >> 8; // 0..256
        }
    // Paper and ink under the light, the shadow, a blur of the lens, grain, then blocks.
    const int PAPER[3] = {238, 232, 220}, INK[3] = {40, 38, 48};
    photo.rgb.assign(size_t(w) * h * 3, 0);
    uint32_t nSeed = 12345;
    std::vector<int> plane(size_t(w) * h), blurred(size_t(w) * h);
    for (int c = 0; c < 3; c++) {
        for (int Y = 0; Y < h; Y++)
            for (int X = 0; X < w; X++) {
                const int nCover = grey[size_t(Y) * w + X];
                int v = (PAPER[c] * (256 - nCover) + INK[c] * nCover) >> 8;
                v = v * (256 - 80 * (X + Y) / (w + h)) >> 8;         // light falls off by a third
                const int nEdge = 3 * X + 2 * Y - 3 * w * 3 / 4 - h; // shadow over a corner
                const int nShade = nEdge <= 0 ? 0 : nEdge >= 120 ? 100 : nEdge * 100 / 120;
                plane[size_t(Y) * w + X] = v * (256 - nShade) >> 8;
            }
        for (int Y = 0; Y < h; Y++)
            for (int X = 0; X < w; X++) {
                int nSum = 0, n = 0;
                for (int dy = -1; dy <= 1; dy++)
                    for (int dx = -1; dx <= 1; dx++)
                        if (X + dx >= 0 && Y + dy >= 0 && X + dx < w && Y + dy < h) {
                            nSum += plane[size_t(Y + dy) * w + X + dx];
                            n++;
                        }
                nSeed = nSeed * 1664525u + 1013904223u; // grain of -9 .. 9
                blurred[size_t(Y) * w + X] = nSum / n + int((nSeed >> 8) % 19u) - 9;
            }
        for (int by = 0; by < h; by += 8)
            for (int bx = 0; bx < w; bx += 8) {
                int nSum = 0, n = 0;
                for (int Y = by; Y < by + 8 && Y < h; Y++)
                    for (int X = bx; X < bx + 8 && X < w; X++, n++)
                        nSum += blurred[size_t(Y) * w + X];
                const int nMean = nSum / n;
                for (int Y = by; Y < by + 8 && Y < h; Y++)
                    for (int X = bx; X < bx + 8 && X < w; X++) {
                        const int d = blurred[size_t(Y) * w + X] - nMean;
                        int v = nMean + (d >= 0 ? (d + 6) / 12 : -((6 - d) / 12)) * 12;
                        photo.rgb[(size_t(Y) * w + X) * 3 + c] = uint8_t(v < 0     ? 0
                                                                         : v > 255 ? 255
                                                                                   : v);
                    }
            }
    }
    return photo;
}

std::vector<uint8_t> GreyPixels(const Ink& ink) {
    std::vector<uint8_t> grey(ink.px.size());
    for (size_t i = 0; i < grey.size(); i++)
        grey[i] = ink.px[i] ? 0 : 255;
    return grey;
}

} // namespace drawn
