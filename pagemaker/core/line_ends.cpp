// Finding line ends on the skeleton and tracing straight paths across gaps.
#include "pagemaker/core/line_ends.h"

#include <cstdlib>

namespace {

// How far back along the stroke its heading is measured.
const int HEADING_STEPS = 12;
// A branch shorter than this ending in a fork is a spur of thinning, a sharp corner or a line
// drawn a little past the one it meets, not a line that stops short.
const int SPUR_STEPS = 18;
// A stroke shorter than this has no heading worth following.
const int MIN_STROKE_STEPS = 3;
// The widest stroke measured at an end; wider ink is solid, not a line.
const int MAX_HALF_WIDTH = 4;

// The skeleton's neighbours of (x, y) not in the walk so far, at most 8, into lpNext.
int NextPixels(const GreyImage& s, int x, int y, const std::vector<int>& walked, int* lpNext) {
    int n = 0;
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++) {
            const int X = x + dx, Y = y + dy;
            if ((dx == 0 && dy == 0) || !s.Inside(X, Y) || !s.At(X, Y))
                continue;
            const int i = Y * s.nWidth + X;
            int bWalked = 0;
            for (int j : walked)
                bWalked |= j == i;
            if (!bWalked)
                lpNext[n++] = i;
        }
    return n;
}

// One step along a stroke: the only way on, or of two touching ones the side neighbour
// (a stair step of the middle line), unless the other one leads away on a branch of its own
// (a sharp fork). Returns -1 at a fork, -2 at the stroke's end.
int StepOn(const GreyImage& s, const std::vector<int>& walked, const int* lpNext, int n, int x,
           int y) {
    const int w = s.nWidth;
    if (n == 0)
        return -2;
    if (n == 1)
        return lpNext[0];
    if (n > 2)
        return -1;
    const int ax = lpNext[0] % w, ay = lpNext[0] / w, bx = lpNext[1] % w, by = lpNext[1] / w;
    if (std::abs(ax - bx) > 1 || std::abs(ay - by) > 1)
        return -1;
    const int bFirst = ax == x || ay == y;
    const int nTo = bFirst ? lpNext[0] : lpNext[1], nOther = bFirst ? lpNext[1] : lpNext[0];
    const int tx = nTo % w, ty = nTo / w;
    int further[8];
    const int nFurther = NextPixels(s, nOther % w, nOther / w, walked, further);
    for (int k = 0; k < nFurther; k++) {
        const int fx = further[k] % w, fy = further[k] / w;
        if (further[k] != nTo && (std::abs(fx - tx) > 1 || std::abs(fy - ty) > 1))
            return -1;
    }
    return nTo;
}

// The stroke's width around a middle line pixel: the widest odd square of ink centred there.
int StrokeWidth(const GreyImage& ink, int x, int y) {
    int r = 0;
    while (r < MAX_HALF_WIDTH) {
        const int R = r + 1;
        for (int dy = -R; dy <= R; dy++)
            for (int dx = -R; dx <= R; dx++)
                if (!ink.Inside(x + dx, y + dy) || !ink.At(x + dx, y + dy))
                    return r == 0 ? 2 : 2 * r + 1;
        r = R;
    }
    return 2 * r + 1;
}

} // namespace

std::vector<LineEnd> FindLineEnds(const GreyImage& ink, const GreyImage& skeleton) {
    std::vector<LineEnd> ends;
    const GreyImage& s = skeleton;
    const int w = s.nWidth;
    std::vector<int> walked;
    int next[8];
    for (int y = 0; y < s.nHeight; y++)
        for (int x = 0; x < w; x++) {
            if (!s.At(x, y))
                continue;
            walked.assign(1, y * w + x);
            int n = NextPixels(s, x, y, walked, next);
            int i = StepOn(s, walked, next, n, x, y);
            if (i < 0 || n == 0)
                continue; // a lone dot, or not an end
            // An end has its neighbours on one side only.
            int cx = x, cy = y, nSteps = 0, bFork = 0, xMid = x, yMid = y;
            int hx = x, hy = y;
            while (nSteps < SPUR_STEPS) {
                n = NextPixels(s, cx, cy, walked, next);
                i = StepOn(s, walked, next, n, cx, cy);
                if (i < 0) {
                    bFork = i == -1;
                    break;
                }
                walked.insert(walked.end(), next, next + n);
                cx = i % w;
                cy = i / w;
                nSteps++;
                if (nSteps == HEADING_STEPS / 2) {
                    xMid = cx;
                    yMid = cy;
                }
                if (nSteps == HEADING_STEPS) {
                    hx = cx;
                    hy = cy;
                }
            }
            if (nSteps == 1 && bFork)
                continue; // the middle of a stroke, seen from one side
            const int nWidth = StrokeWidth(ink, xMid, yMid);
            if (nSteps < MIN_STROKE_STEPS || (bFork && nSteps < SPUR_STEPS))
                continue;
            if (nSteps < HEADING_STEPS) {
                hx = cx;
                hy = cy;
            }
            ends.push_back({x, y, x - hx, y - hy, nWidth});
        }
    return ends;
}

void StraightPath(int x0, int y0, int x1, int y1, std::vector<int>* lpXy) {
    lpXy->clear();
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        lpXy->push_back(x0);
        lpXy->push_back(y0);
        if (x0 == x1 && y0 == y1)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

int TraceGap(const GreyImage& ink, const LineEnd& end, int tx, int ty, GapPath* lpPath) {
    static thread_local std::vector<int> xy;
    StraightPath(end.x, end.y, tx, ty, &xy);
    int bPaper = 0, xExit = end.x, yExit = end.y;
    for (size_t i = 0; i < xy.size(); i += 2) {
        const int x = xy[i], y = xy[i + 1];
        if (!ink.At(x, y)) {
            bPaper = 1;
            continue;
        }
        if (!bPaper) {
            xExit = x;
            yExit = y;
            continue;
        }
        if (x != tx || y != ty)
            return 0;
        *lpPath = {xExit, yExit, tx, ty};
        return 1;
    }
    return 0;
}
