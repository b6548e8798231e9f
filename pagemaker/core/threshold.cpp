// Finding the lines: each pixel against the paper level around it, so that light falling
// unevenly and shadows move the paper level and not the lines.
#include "pagemaker/core/page_steps.h"

#include <algorithm>

namespace {

// Side of the blocks whose brightest pixel gives the paper level: wider than any line the
// page keeps, so that nearly every block shows some paper.
const int BLOCK = 16;
// A block darker than this share of the page's paper (in 1/256) shows no paper at all (a
// solid black part): its level comes from the blocks around it.
const int NO_PAPER_SHARE = 96;
// A pixel is a line when darker than this share of the paper level (in 1/256), by setting.
const int INK_SHARE_LIGHTER = 144, INK_SHARE_NORMAL = 176, INK_SHARE_DARKER = 208;
// ... and darker by at least this much, so that noise on dim paper makes no lines.
const int MIN_CONTRAST = 32;
// Between the share above and this one a pixel is neither paper nor ink: photographs have
// many such, line drawings few.
const int MIDDLE_SHARE = 224;
// The paper of the whole page: this share of the blocks (in 1/256) are darker.
const int PAPER_RANK = 230;

// Lines up to four times this wide are filled in when finding the paper close by (the
// closing works at half size).
const int CLOSE_RADIUS = 3;

struct BlockGrid {
    int nx, ny;
    std::vector<int> level; // -1 where unknown
    int& At(int x, int y) { return level[size_t(y) * nx + x]; }
};

// The brightest pixel of every block of the picture's rectangle.
BlockGrid BlockMaxima(const GreyImage& grey, const PageRect& rect) {
    BlockGrid g;
    g.nx = (rect.cx + BLOCK - 1) / BLOCK;
    g.ny = (rect.cy + BLOCK - 1) / BLOCK;
    g.level.assign(size_t(g.nx) * g.ny, 0);
    for (int y = 0; y < rect.cy; y++) {
        const uint8_t* lp = grey.Row(rect.y + y) + rect.x;
        int* lpRow = &g.At(0, y / BLOCK);
        for (int x = 0; x < rect.cx; x++)
            lpRow[x / BLOCK] = std::max(lpRow[x / BLOCK], int(lp[x]));
    }
    return g;
}

// Blocks without paper take the mean of their known neighbours, ring by ring.
void FillUnknownBlocks(BlockGrid* lpGrid, int nPaper) {
    BlockGrid& g = *lpGrid;
    int nUnknown = 0;
    for (int& v : g.level)
        if (v * 256 < nPaper * NO_PAPER_SHARE) {
            v = -1;
            nUnknown++;
        }
    if (nUnknown == int(g.level.size())) {
        std::fill(g.level.begin(), g.level.end(), nPaper);
        return;
    }
    std::vector<int> next;
    while (nUnknown > 0) {
        next = g.level;
        for (int y = 0; y < g.ny; y++)
            for (int x = 0; x < g.nx; x++) {
                if (g.At(x, y) >= 0)
                    continue;
                int nSum = 0, n = 0;
                for (int dy = -1; dy <= 1; dy++)
                    for (int dx = -1; dx <= 1; dx++) {
                        int X = x + dx, Y = y + dy;
                        if (X >= 0 && Y >= 0 && X < g.nx && Y < g.ny && g.At(X, Y) >= 0) {
                            nSum += g.At(X, Y);
                            n++;
                        }
                    }
                if (n > 0) {
                    next[size_t(y) * g.nx + x] = nSum / n;
                    nUnknown--;
                }
            }
        g.level.swap(next);
    }
}

// Each block's level becomes the mean of it and its neighbours, for a level that changes
// smoothly yet follows the edge of a shadow.
void SmoothBlocks(BlockGrid* lpGrid) {
    BlockGrid& g = *lpGrid;
    std::vector<int> smooth(g.level.size());
    for (int y = 0; y < g.ny; y++)
        for (int x = 0; x < g.nx; x++) {
            int nSum = 0, n = 0;
            for (int dy = -1; dy <= 1; dy++)
                for (int dx = -1; dx <= 1; dx++) {
                    const int X = x + dx, Y = y + dy;
                    if (X >= 0 && Y >= 0 && X < g.nx && Y < g.ny) {
                        nSum += g.At(X, Y);
                        n++;
                    }
                }
            smooth[size_t(y) * g.nx + x] = nSum / n;
        }
    g.level.swap(smooth);
}

// The paper level at a pixel: bilinear between the block centres, in whole grey steps.
struct PaperLevel {
    const BlockGrid& g;
    // Block coordinate of a pixel offset, in 1/BLOCK steps, clamped to the centres.
    static void Locate(int p, int n, int* lpi, int* lpf) {
        int q = p - BLOCK / 2;
        if (q < 0)
            q = 0;
        int i = q / BLOCK, f = q % BLOCK;
        if (i >= n - 1) {
            i = n - 1;
            f = 0;
        }
        *lpi = i;
        *lpf = f;
    }
    int At(int x, int y) const {
        int ix, fx, iy, fy;
        Locate(x, g.nx, &ix, &fx);
        Locate(y, g.ny, &iy, &fy);
        const int ix1 = ix + 1 < g.nx ? ix + 1 : ix, iy1 = iy + 1 < g.ny ? iy + 1 : iy;
        const BlockGrid& b = g;
        const int top =
            b.level[size_t(iy) * b.nx + ix] * (BLOCK - fx) + b.level[size_t(iy) * b.nx + ix1] * fx;
        const int bottom = b.level[size_t(iy1) * b.nx + ix] * (BLOCK - fx) +
                           b.level[size_t(iy1) * b.nx + ix1] * fx;
        return (top * (BLOCK - fy) + bottom * fy + BLOCK * BLOCK / 2) / (BLOCK * BLOCK);
    }
};

// The brightest (or darkest, as Pick says) of the 2r + 1 values around each value of an
// image of w x h, along rows (nAlong 1) or down columns (nAlong w), the window clamped to the
// picture: running extremes over blocks of 2r + 1 from both ends, whatever r is. Columns are
// worked a row at a time, all columns at once, so that the memory is read in order.
template <class Pick>
void RunningExtreme(const std::vector<int>& in, int w, int h, int nAlong, Pick pick,
                    std::vector<int>* lpOut) {
    const int r = CLOSE_RADIUS, k = 2 * r + 1;
    const int n = nAlong == 1 ? w : h, nLines = nAlong == 1 ? h : w;
    const int nAcross = nAlong == 1 ? w : 1; // from one line to the next
    std::vector<int> ahead(in.size()), behind(in.size());
    std::vector<int>& out = *lpOut;
    out.resize(in.size());
    // Position i along line j is at index j * nAcross + i * nAlong; for columns every step in
    // i moves a whole row, done for all columns in one inner loop.
    auto Line = [&](auto fnEach) {
        if (nAlong == 1) {
            for (int j = 0; j < nLines; j++)
                fnEach(size_t(j) * nAcross, size_t(j) * nAcross + 1);
        } else {
            fnEach(0, size_t(w));
        }
    };
    Line([&](size_t nFrom, size_t nTo) {
        for (int i = 0, c = 0; i < n; i++, c = c + 1 == k ? 0 : c + 1) {
            const int bStart = c == 0;
            for (size_t j = nFrom; j < nTo; j++) {
                const size_t at = j + size_t(i) * nAlong;
                ahead[at] = bStart ? in[at] : pick(ahead[at - nAlong], in[at]);
            }
        }
        for (int i = n - 1; i >= 0; i--) {
            const int bEnd = i % k == k - 1 || i == n - 1;
            for (size_t j = nFrom; j < nTo; j++) {
                const size_t at = j + size_t(i) * nAlong;
                behind[at] = bEnd ? in[at] : pick(behind[at + nAlong], in[at]);
            }
        }
        for (int i = 0; i < n; i++) {
            const int lo = std::max(0, i - r), hi = std::min(n - 1, i + r);
            const int bOneBlock = lo / k == hi / k;
            for (size_t j = nFrom; j < nTo; j++) {
                const size_t at = j + size_t(i) * nAlong;
                if (bOneBlock) { // the window lies in one block
                    int v = in[j + size_t(lo) * nAlong];
                    for (int t = lo + 1; t <= hi; t++)
                        v = pick(v, in[j + size_t(t) * nAlong]);
                    out[at] = v;
                } else {
                    out[at] = pick(behind[j + size_t(lo) * nAlong], ahead[j + size_t(hi) * nAlong]);
                }
            }
        }
    });
}

// The paper close by: the picture with every dark line narrower than the closing window
// filled in from beside it (the brightest around, then the darkest of those), so that the
// level follows the sharp edge of a shadow, which keeps its place. Worked at half size, each
// pixel the brightest of four, which is close enough for a shadow and four times quicker.
std::vector<int> CloseLines(const GreyImage& grey, const PageRect& rect) {
    const int w = (rect.cx + 1) / 2, h = (rect.cy + 1) / 2;
    std::vector<int> a(size_t(w) * h, 0), b;
    for (int y = 0; y < rect.cy; y++)
        for (int x = 0; x < rect.cx; x++) {
            int& v = a[size_t(y / 2) * w + x / 2];
            v = std::max(v, int(grey.At(rect.x + x, rect.y + y)));
        }
    auto Max = [](int p, int q) { return p > q ? p : q; };
    auto Min = [](int p, int q) { return p < q ? p : q; };
    RunningExtreme(a, w, h, 1, Max, &b);
    RunningExtreme(b, w, h, w, Max, &a);
    RunningExtreme(a, w, h, 1, Min, &b);
    RunningExtreme(b, w, h, w, Min, &a);
    std::vector<int> closed(size_t(rect.cx) * rect.cy);
    for (int y = 0; y < rect.cy; y++)
        for (int x = 0; x < rect.cx; x++)
            closed[size_t(y) * rect.cx + x] = a[size_t(y / 2) * w + x / 2];
    return closed;
}

int InkShare(int nLines) {
    if (nLines < 0)
        return INK_SHARE_LIGHTER;
    return nLines > 0 ? INK_SHARE_DARKER : INK_SHARE_NORMAL;
}

} // namespace

GreyImage FindLines(const GreyImage& grey, const PageRect& rect, int nLines, LineStats* lpStats) {
    GreyImage ink(grey.nWidth, grey.nHeight, 0);
    BlockGrid g = BlockMaxima(grey, rect);
    std::vector<int> sorted = g.level;
    std::sort(sorted.begin(), sorted.end());
    const int nPaper = sorted[(sorted.size() - 1) * PAPER_RANK / 256];
    FillUnknownBlocks(&g, nPaper);
    SmoothBlocks(&g);
    const PaperLevel paper = {g};
    const std::vector<int> closed = CloseLines(grey, rect);
    const int nShare = InkShare(nLines);
    int64_t nInk = 0, nMiddle = 0;
    for (int y = 0; y < rect.cy; y++) {
        const uint8_t* lp = grey.Row(rect.y + y) + rect.x;
        uint8_t* lpInk = &ink.At(rect.x, rect.y + y);
        for (int x = 0; x < rect.cx; x++) {
            // Paper close by, unless that is a solid part of the drawing itself.
            const int nBlock = paper.At(x, y), nNear = closed[size_t(y) * rect.cx + x];
            const int v = lp[x], p = nNear * 256 >= nBlock * NO_PAPER_SHARE ? nNear : nBlock;
            if (v * 256 < p * nShare && p - v >= MIN_CONTRAST) {
                lpInk[x] = 1;
                nInk++;
            } else if (v * 256 < p * MIDDLE_SHARE && p - v >= MIN_CONTRAST) {
                nMiddle++;
            }
        }
    }
    const int64_t nArea = int64_t(rect.cx) * rect.cy;
    lpStats->nPaperLevel = nPaper;
    lpStats->nInkPermille = int(nInk * 1000 / nArea);
    lpStats->nMiddlePermille = int(nMiddle * 1000 / nArea);
    return ink;
}
