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
    const int nShare = InkShare(nLines);
    int64_t nInk = 0, nMiddle = 0;
    for (int y = 0; y < rect.cy; y++) {
        const uint8_t* lp = grey.Row(rect.y + y) + rect.x;
        uint8_t* lpInk = &ink.At(rect.x, rect.y + y);
        for (int x = 0; x < rect.cx; x++) {
            const int v = lp[x], p = paper.At(x, y);
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
