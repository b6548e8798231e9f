// The middle lines of the ink, one pixel wide, by peeling its border two sides at a time
// (the classic two-step thinning), visiting only pixels next to what was just peeled. Whether
// a pixel may be peeled depends only on its eight neighbours, so it is looked up in a table.
#include "pagemaker/core/page_steps.h"

namespace {

// The eight neighbours clockwise from north: N, NE, E, SE, S, SW, W, NW; bit k for each.
const int DX[8] = {0, 1, 1, 1, 0, -1, -1, -1};
const int DY[8] = {-1, -1, 0, 1, 1, 1, 0, -1};

// Whether a pixel whose neighbours are the bits of n may be peeled in step nStep: it has 2 to
// 6 ink neighbours in one run, and lies on the step's two sides.
int Peelable(int n, int nStep) {
    int p[8], nInk = 0, nRises = 0;
    for (int k = 0; k < 8; k++) {
        p[k] = n >> k & 1;
        nInk += p[k];
    }
    for (int k = 0; k < 8; k++)
        nRises += !p[k] && p[(k + 1) % 8];
    if (nInk < 2 || nInk > 6 || nRises != 1)
        return 0;
    if (nStep == 0)
        return !(p[0] && p[2] && p[4]) && !(p[2] && p[4] && p[6]);
    return !(p[0] && p[2] && p[6]) && !(p[0] && p[4] && p[6]);
}

struct PeelTable {
    uint8_t ab[2][256];
    PeelTable() {
        for (int s = 0; s < 2; s++)
            for (int n = 0; n < 256; n++)
                ab[s][n] = uint8_t(Peelable(n, s));
    }
};

} // namespace

GreyImage Skeleton(const GreyImage& ink) {
    static const PeelTable table;
    // A border of paper round the picture spares the bounds checks.
    const int w = ink.nWidth + 2, h = ink.nHeight + 2;
    std::vector<uint8_t> s(size_t(w) * h, 0);
    for (int y = 0; y < ink.nHeight; y++)
        for (int x = 0; x < ink.nWidth; x++)
            s[size_t(y + 1) * w + x + 1] = ink.At(x, y);
    int off[8];
    for (int k = 0; k < 8; k++)
        off[k] = DY[k] * w + DX[k];
    auto Neighbours = [&](int i) {
        int n = 0;
        for (int k = 0; k < 8; k++)
            n |= s[i + off[k]] << k;
        return n;
    };
    std::vector<int> cand, del, next;
    std::vector<int> stamp(s.size(), 0);
    int nStamp = 1;
    for (int i = w; i < w * (h - 1); i++)
        if (s[i] && Neighbours(i) != 255)
            cand.push_back(i);
    int bChanged = 1;
    while (bChanged) {
        bChanged = 0;
        for (int nStep = 0; nStep < 2; nStep++) {
            del.clear();
            for (int i : cand)
                if (s[i] && table.ab[nStep][Neighbours(i)])
                    del.push_back(i);
            if (del.empty())
                continue;
            bChanged = 1;
            for (int i : del)
                s[i] = 0;
            nStamp++;
            next.clear();
            for (int i : cand)
                if (s[i] && stamp[i] != nStamp) {
                    stamp[i] = nStamp;
                    next.push_back(i);
                }
            for (int i : del)
                for (int k = 0; k < 8; k++) {
                    const int j = i + off[k];
                    if (s[j] && stamp[j] != nStamp) {
                        stamp[j] = nStamp;
                        next.push_back(j);
                    }
                }
            cand.swap(next);
        }
    }
    GreyImage out(ink.nWidth, ink.nHeight, 0);
    for (int y = 0; y < ink.nHeight; y++)
        for (int x = 0; x < ink.nWidth; x++)
            out.At(x, y) = s[size_t(y + 1) * w + x + 1];
    return out;
}
