// The fillable areas: those too small or too thin for a child to hit become outline.
#include "pagemaker/core/page_steps.h"

int IsSliver(const GreyImage& ink, const std::vector<int>& pixels) {
    if (int(pixels.size()) < SLIVER_MIN_AREA)
        return 1;
    const int w = ink.nWidth;
    int nCore = 0;
    for (int i : pixels) {
        const int x = i % w, y = i / w;
        int bCore = 1;
        for (int dy = -1; dy <= 1 && bCore; dy++)
            for (int dx = -1; dx <= 1 && bCore; dx++)
                bCore = ink.Inside(x + dx, y + dy) && !ink.At(x + dx, y + dy);
        if (bCore && ++nCore >= SLIVER_MIN_CORE)
            return 0;
    }
    return 1;
}

int RemoveSlivers(GreyImage* lpInk) {
    std::vector<int> labels, sizes;
    const int nAreas = LabelComponents(*lpInk, 0, 4, &labels, &sizes);
    std::vector<std::vector<int>> members(size_t(nAreas) + 1);
    for (size_t i = 0; i < labels.size(); i++)
        if (labels[i])
            members[labels[i]].push_back(int(i));
    std::vector<int> sliver(size_t(nAreas) + 1, 0);
    int nRemoved = 0;
    for (int a = 1; a <= nAreas; a++)
        if (!members[a].empty() && IsSliver(*lpInk, members[a])) {
            sliver[a] = 1;
            nRemoved++;
        }
    for (size_t i = 0; i < labels.size(); i++)
        if (sliver[labels[i]])
            lpInk->lpPixels[i] = 1;
    return nRemoved;
}

int CountAreas(const GreyImage& ink) {
    std::vector<int> labels, sizes;
    return LabelComponents(ink, 0, 4, &labels, &sizes);
}
