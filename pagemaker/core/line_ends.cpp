// Finding line ends on the skeleton and tracing straight paths across gaps.
#include "pagemaker/core/line_ends.h"

#include <algorithm>
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

// Whether pixels (indexes into a w-wide picture) are all one group, none more than a pixel
// apart from the next: the steps of a middle line can leave a ring with a hole in it.
int OneGroup(const std::vector<int>& pixels, int w) {
    if (pixels.size() <= 1)
        return 1;
    std::vector<int> reached(pixels.size(), 0), stack(1, 0);
    reached[0] = 1;
    size_t nReached = 1;
    while (!stack.empty()) {
        const int i = stack.back();
        stack.pop_back();
        for (size_t k = 0; k < pixels.size(); k++)
            if (!reached[k] && std::abs(pixels[k] % w - pixels[i] % w) <= 2 &&
                std::abs(pixels[k] / w - pixels[i] / w) <= 2) {
                reached[k] = 1;
                nReached++;
                stack.push_back(int(k));
            }
    }
    return nReached == pixels.size();
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

// A line end is where the middle line, walked from it ring by ring (all pixels one step
// further each time), stays one stroke for SPUR_STEPS: a ring that falls apart into two
// groups is a fork, and an end that close to a fork is a spur or the outer edge of a doubled
// step. The heading runs from the ring HEADING_STEPS away to the end.
std::vector<LineEnd> FindLineEnds(const GreyImage& ink, const GreyImage& skeleton) {
    std::vector<LineEnd> ends;
    const GreyImage& s = skeleton;
    const int w = s.nWidth;
    std::vector<int> seen, ring, next;
    for (int y = 0; y < s.nHeight; y++)
        for (int x = 0; x < w; x++) {
            if (!s.At(x, y))
                continue;
            int nNeighbours = 0, nRises = 0, prev = 0;
            for (int k = 0; k <= 8; k++) {
                static const int DX[8] = {0, 1, 1, 1, 0, -1, -1, -1};
                static const int DY[8] = {-1, -1, 0, 1, 1, 1, 0, -1};
                const int X = x + DX[k % 8], Y = y + DY[k % 8];
                const int v = s.Inside(X, Y) && s.At(X, Y);
                if (k < 8)
                    nNeighbours += v;
                if (k > 0)
                    nRises += !prev && v;
                prev = v;
            }
            if (nNeighbours == 0 || nRises != 1)
                continue; // a lone dot, or the middle of a stroke
            seen.assign(1, y * w + x);
            ring = seen;
            int nSteps = 0, bFork = 0, hx = x, hy = y, xMid = x, yMid = y;
            while (nSteps < SPUR_STEPS && !ring.empty()) {
                next.clear();
                for (int i : ring)
                    for (int dy = -1; dy <= 1; dy++)
                        for (int dx = -1; dx <= 1; dx++) {
                            const int X = i % w + dx, Y = i / w + dy, j = Y * w + X;
                            if (!s.Inside(X, Y) || !s.At(X, Y) ||
                                std::find(seen.begin(), seen.end(), j) != seen.end())
                                continue;
                            seen.push_back(j);
                            next.push_back(j);
                        }
                if (next.empty())
                    break;
                if (!OneGroup(next, w)) {
                    bFork = 1;
                    break;
                }
                ring.swap(next);
                nSteps++;
                if (nSteps == HEADING_STEPS / 2 || nSteps == HEADING_STEPS) {
                    int sx = 0, sy = 0;
                    for (int i : ring) {
                        sx += i % w;
                        sy += i / w;
                    }
                    (nSteps == HEADING_STEPS ? hx : xMid) = sx / int(ring.size());
                    (nSteps == HEADING_STEPS ? hy : yMid) = sy / int(ring.size());
                }
            }
            if (nSteps < MIN_STROKE_STEPS)
                continue;
            if (nSteps < HEADING_STEPS) {
                hx = ring[0] % w;
                hy = ring[0] / w;
            }
            ends.push_back(
                {x, y, x - hx, y - hy, StrokeWidth(ink, xMid, yMid), bFork && nSteps < SPUR_STEPS});
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
