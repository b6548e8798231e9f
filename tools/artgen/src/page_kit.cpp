// Drawing, rasterising and cleaning the colouring pages.
#include <functional>
#include "scenes.h"
#include <cmath>
#include "art.h"
#include <cmath>
#include <vector>

CInk::CInk(cairo_t* crTarget, bool bInColour, double dLineWidth)
    : cr(crTarget), bColour(bInColour), dLine(dLineWidth) {
    cairo_set_antialias(cr, bColour ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void CInk::Shape(Rgb fill) {
    SetColour(cr, bColour ? fill : Theme::White);
    cairo_fill_preserve(cr);
    Detail();
}

void CInk::Detail() {
    SetColour(cr, bColour ? Theme::Ink : Rgb{0, 0, 0});
    cairo_set_line_width(cr, dLine);
    cairo_stroke(cr);
}

void CInk::Solid() {
    SetColour(cr, bColour ? Theme::Ink : Rgb{0, 0, 0});
    cairo_fill_preserve(cr);
    Detail();
}

void CInk::Circle(double cx, double cy, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_close_path(cr);
}

void CInk::Ellipse(double cx, double cy, double rx, double ry, double angle) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, angle);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void CInk::Poly(std::initializer_list<double> xy) {
    std::vector<double> v(xy);
    cairo_new_sub_path(cr);
    for (size_t i = 0; i + 1 < v.size(); i += 2)
        cairo_line_to(cr, v[i], v[i + 1]);
    cairo_close_path(cr);
}

namespace {

// Catmull-Rom through the points, as cubic Bezier segments.
void Spline(cairo_t* cr, const std::vector<double>& v, bool bClosed) {
    size_t n = v.size() / 2;
    if (n < 2)
        return;
    auto P = [&](long i, int c) {
        long k =
            bClosed ? ((i % long(n)) + long(n)) % long(n) : std::max(0L, std::min(long(n) - 1, i));
        return v[size_t(k) * 2 + size_t(c)];
    };
    cairo_new_sub_path(cr);
    cairo_move_to(cr, P(0, 0), P(0, 1));
    long nSeg = bClosed ? long(n) : long(n) - 1;
    for (long i = 0; i < nSeg; ++i) {
        double c1x = P(i, 0) + (P(i + 1, 0) - P(i - 1, 0)) / 6;
        double c1y = P(i, 1) + (P(i + 1, 1) - P(i - 1, 1)) / 6;
        double c2x = P(i + 1, 0) - (P(i + 2, 0) - P(i, 0)) / 6;
        double c2y = P(i + 1, 1) - (P(i + 2, 1) - P(i, 1)) / 6;
        cairo_curve_to(cr, c1x, c1y, c2x, c2y, P(i + 1, 0), P(i + 1, 1));
    }
    if (bClosed)
        cairo_close_path(cr);
}

} // namespace

void CInk::Blob(std::initializer_list<double> xy) {
    Spline(cr, std::vector<double>(xy), true);
}

void CInk::Curve(std::initializer_list<double> xy) {
    Spline(cr, std::vector<double>(xy), false);
}

std::vector<uint8_t> RasterisePage(AnimalFn lpScene) {
    const int w = 660, h = 460;
    CCanvas c(w, h);
    {
        CInk ink(c.Cr(), false);
        lpScene(ink);
    }
    Picture pic = c.Snapshot();
    std::vector<uint8_t> blank(size_t(w) * h);
    for (size_t i = 0; i < blank.size(); ++i)
        blank[i] = pic.px[i].r > 127 ? 1 : 0;
    CleanPage(blank, w, h, 30);
    return blank;
}

namespace {

// Closes every 2 x 2 checkerboard: two blank pixels meeting only at a corner get one of them
// inked, so that areas never touch diagonally and outlines never thin to a corner.
bool CloseCorners(std::vector<uint8_t>& b, int w, int h) {
    bool bChanged = false;
    for (int y = 0; y + 1 < h; ++y)
        for (int x = 0; x + 1 < w; ++x) {
            uint8_t a = b[size_t(y) * w + x], c = b[size_t(y) * w + x + 1];
            uint8_t d = b[size_t(y + 1) * w + x], e = b[size_t(y + 1) * w + x + 1];
            if (a == e && c == d && a != c) {
                if (a)
                    b[size_t(y) * w + x] = 0;
                else
                    b[size_t(y) * w + x + 1] = 0;
                bChanged = true;
            }
        }
    return bChanged;
}

// Inks every blank area smaller than nMinArea pixels.
bool FillSpecks(std::vector<uint8_t>& b, int w, int h, int nMinArea) {
    bool bChanged = false;
    ForEachArea(
        w, h, [&](size_t i) { return b[i] != 0; },
        [&](const std::vector<size_t>& members) {
            if (int(members.size()) < nMinArea) {
                for (size_t i : members)
                    b[i] = 0;
                bChanged = true;
            }
        });
    return bChanged;
}

} // namespace

void ForEachArea(int w, int h, const std::function<bool(size_t)>& fnOpen,
                 const std::function<void(const std::vector<size_t>&)>& fnArea) {
    std::vector<bool> seen(size_t(w) * h, false);
    std::vector<size_t> stack, members;
    for (size_t start = 0; start < seen.size(); ++start) {
        if (seen[start] || !fnOpen(start))
            continue;
        members.clear();
        stack.push_back(start);
        seen[start] = true;
        while (!stack.empty()) {
            size_t i = stack.back();
            stack.pop_back();
            members.push_back(i);
            int x = int(i % size_t(w)), y = int(i / size_t(w));
            const int Dx[4] = {1, -1, 0, 0}, Dy[4] = {0, 0, 1, -1};
            for (int k = 0; k < 4; ++k) {
                int nx = x + Dx[k], ny = y + Dy[k];
                if (nx < 0 || ny < 0 || nx >= w || ny >= h)
                    continue;
                size_t j = size_t(ny) * w + nx;
                if (!seen[j] && fnOpen(j)) {
                    seen[j] = true;
                    stack.push_back(j);
                }
            }
        }
        fnArea(members);
    }
}

void CleanPage(std::vector<uint8_t>& blank, int w, int h, int nMinArea) {
    bool bChanged = true;
    while (bChanged) {
        bChanged = CloseCorners(blank, w, h);
        bChanged = FillSpecks(blank, w, h, nMinArea) || bChanged;
    }
}

Picture PaintPage(AnimalFn lpScene) {
    CCanvas c(660, 460);
    CInk ink(c.Cr(), true);
    lpScene(ink);
    return c.Snapshot();
}
