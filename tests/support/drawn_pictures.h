// Pictures the page maker's tests draw in code: wobbly hand-drawn strokes and scenes, gaps cut
// into their lines, and the same made photo-like. Integer arithmetic throughout, so that every
// build draws the same pixels.
#pragma once
#include <cstdint>
#include <vector>

#include "pagemaker/core/make_page.h"

namespace drawn {

// A line drawing: one byte a pixel, top-down, 1 ink and 0 paper.
struct Ink {
    int w = 0, h = 0;
    std::vector<uint8_t> px;
    Ink(int nWidth, int nHeight) : w(nWidth), h(nHeight), px(size_t(nWidth) * nHeight, 0) {}
    uint8_t& At(int x, int y) { return px[size_t(y) * w + x]; }
    uint8_t At(int x, int y) const { return px[size_t(y) * w + x]; }
};

// A stroke through points given in 1/16 pixels, nWidth16 wide, its sides wobbling by up to
// nWobble16 like a hand's; closed strokes come back to their start.
void Stroke(Ink* lpInk, std::vector<int> xy, int nWidth16, int nWobble16, bool bClosed);
// An ellipse (centre and radii in pixels) drawn as a wobbly closed stroke.
void Ellipse(Ink* lpInk, int cx, int cy, int rx, int ry, int nWidth16, int nWobble16);
// A solid dot, as an eye is drawn.
void Dot(Ink* lpInk, int cx, int cy, int r);

// Two page-sized scenes of closed shapes: a house, a sun and flowers in 3.5-pixel lines; a
// creature with a marker-thick body, hairline bubbles and solid black eyes and hat.
Ink HouseScene();
Ink CreatureScene();

// Erases a gap g pixels long across the line through (x, y) that runs along (tx, ty).
void CutGap(Ink* lpInk, int x, int y, int tx, int ty, int g);

// A picture as a photo of the drawing printed on paper, nWidth wide (3/2 the drawing's width
// unless given) and turned by 1.5 degrees on a dark table: warm paper in light that falls off
// across the page, a soft shadow over one corner, a blurred lens, grain and 8 x 8 blocks like
// a compressed file. RGB, top-down.
struct Photo {
    int w = 0, h = 0;
    std::vector<uint8_t> rgb;
    Picture AsPicture() const { return {rgb.data(), w, h, size_t(w) * 3, PICTURE_RGB}; }
};
Photo PhotoLike(const Ink& ink, int nWidth = 0);
// Where a pixel of the page made from PhotoLike(ink) was on the drawing (the turn undone).
void PhotoToDrawing(const Ink& ink, int x, int y, int* lpX, int* lpY);

// The drawing as a grey picture (ink 0, paper 255).
std::vector<uint8_t> GreyPixels(const Ink& ink);

} // namespace drawn
