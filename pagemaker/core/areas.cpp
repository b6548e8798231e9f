// The fillable areas: those too small or too thin for a child to hit become outline.
#include "pagemaker/core/page_steps.h"

namespace {

// Whether the 3 x 3 square around (x, y) is all paper: a pixel a fingertip's cursor can land
// on with the area all round it.
inline int IsCore(const GreyImage& ink, int x, int y) {
    if (x < 1 || y < 1 || x + 1 >= ink.nWidth || y + 1 >= ink.nHeight)
        return 0;
    for (int dy = -1; dy <= 1; dy++) {
        const uint8_t* lp = ink.Row(y + dy) + x;
        if (lp[-1] | lp[0] | lp[1])
            return 0;
    }
    return 1;
}

} // namespace

int IsSliver(const GreyImage& ink, const std::vector<int>& pixels) {
    if (int(pixels.size()) < SLIVER_MIN_AREA)
        return 1;
    int nCore = 0;
    for (int i : pixels)
        if (IsCore(ink, i % ink.nWidth, i / ink.nWidth) && ++nCore >= SLIVER_MIN_CORE)
            return 0;
    return 1;
}

int RemoveSlivers(GreyImage* lpInk, int* lpAreas) {
    GreyImage& ink = *lpInk;
    std::vector<int> labels, sizes;
    const int nAreas = LabelComponents(ink, 0, 4, &labels, &sizes);
    std::vector<int> core(sizes.size(), 0);
    for (int y = 1; y + 1 < ink.nHeight; y++)
        for (int x = 1; x + 1 < ink.nWidth; x++) {
            const int nLabel = labels[size_t(y) * ink.nWidth + x];
            if (nLabel && core[nLabel] < SLIVER_MIN_CORE && IsCore(ink, x, y))
                core[nLabel]++;
        }
    std::vector<uint8_t> sliver(sizes.size(), 0);
    int nRemoved = 0;
    for (int a = 1; a <= nAreas; a++)
        if (sizes[a] < SLIVER_MIN_AREA || core[a] < SLIVER_MIN_CORE) {
            sliver[a] = 1;
            nRemoved++;
        }
    for (size_t i = 0; i < labels.size(); i++)
        if (sliver[labels[i]])
            ink.lpPixels[i] = 1;
    *lpAreas = nAreas - nRemoved;
    return nRemoved;
}
