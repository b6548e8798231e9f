// The middle lines of the ink, one pixel wide, by peeling its border two sides at a time
// (the classic two-step thinning), visiting only pixels next to what was just peeled.
#include "pagemaker/core/page_steps.h"

namespace {

// The eight neighbours clockwise from north: N, NE, E, SE, S, SW, W, NW.
const int DX[8] = {0, 1, 1, 1, 0, -1, -1, -1};
const int DY[8] = {-1, -1, 0, 1, 1, 1, 0, -1};

int Peelable(const GreyImage& s, int x, int y, int nStep) {
    int p[8], n = 0;
    for (int k = 0; k < 8; k++) {
        const int X = x + DX[k], Y = y + DY[k];
        p[k] = s.Inside(X, Y) ? s.At(X, Y) : 0;
        n += p[k];
    }
    if (n < 2 || n > 6)
        return 0;
    int nRises = 0;
    for (int k = 0; k < 8; k++)
        nRises += !p[k] && p[(k + 1) % 8];
    if (nRises != 1)
        return 0;
    // p[0] N, p[2] E, p[4] S, p[6] W
    if (nStep == 0)
        return !(p[0] && p[2] && p[4]) && !(p[2] && p[4] && p[6]);
    return !(p[0] && p[2] && p[6]) && !(p[0] && p[4] && p[6]);
}

} // namespace

GreyImage Skeleton(const GreyImage& ink) {
    GreyImage s = ink;
    const int w = s.nWidth, h = s.nHeight;
    std::vector<int> cand, del, next;
    std::vector<int> stamp(size_t(w) * h, 0);
    int nStamp = 1;
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            if (!s.At(x, y))
                continue;
            int bEdge = 0;
            for (int k = 0; k < 8 && !bEdge; k++)
                bEdge = !s.Inside(x + DX[k], y + DY[k]) || !s.At(x + DX[k], y + DY[k]);
            if (bEdge)
                cand.push_back(y * w + x);
        }
    int bChanged = 1;
    while (bChanged) {
        bChanged = 0;
        for (int nStep = 0; nStep < 2; nStep++) {
            del.clear();
            for (int i : cand)
                if (s.lpPixels[i] && Peelable(s, i % w, i / w, nStep))
                    del.push_back(i);
            if (del.empty())
                continue;
            bChanged = 1;
            for (int i : del)
                s.lpPixels[i] = 0;
            nStamp++;
            next.clear();
            for (int i : cand)
                if (s.lpPixels[i] && stamp[i] != nStamp) {
                    stamp[i] = nStamp;
                    next.push_back(i);
                }
            for (int i : del)
                for (int k = 0; k < 8; k++) {
                    const int X = i % w + DX[k], Y = i / w + DY[k];
                    if (!s.Inside(X, Y))
                        continue;
                    const int j = Y * w + X;
                    if (s.lpPixels[j] && stamp[j] != nStamp) {
                        stamp[j] = nStamp;
                        next.push_back(j);
                    }
                }
            cand.swap(next);
        }
    }
    return s;
}
