// Connected regions of a mask: one pass giving each pixel a provisional label from the pixels
// above and to the left, with the labels that meet merged, then a pass giving each region its
// final label in the order its first pixel comes.
#include "pagemaker/core/page_steps.h"

namespace {

int Root(std::vector<int>& parent, int i) {
    while (parent[i] != i) {
        parent[i] = parent[parent[i]];
        i = parent[i];
    }
    return i;
}

// Joins two provisional labels, keeping the smaller as the root so that final labels keep
// the order of first pixels.
void Merge(std::vector<int>& parent, int a, int b) {
    a = Root(parent, a);
    b = Root(parent, b);
    if (a < b)
        parent[b] = a;
    else if (b < a)
        parent[a] = b;
}

} // namespace

int LabelComponents(const GreyImage& image, uint8_t bValue, int nConnect,
                    std::vector<int>* lpLabels, std::vector<int>* lpSizes) {
    const int w = image.nWidth, h = image.nHeight;
    std::vector<int>& labels = *lpLabels;
    labels.assign(size_t(w) * h, 0);
    std::vector<int> parent(1, 0);
    const uint8_t* lp = image.lpPixels.data();
    for (int y = 0; y < h; y++) {
        const int row = y * w;
        for (int x = 0; x < w; x++) {
            const int i = row + x;
            if (lp[i] != bValue)
                continue;
            int nLabel = 0;
            auto Take = [&](int j) {
                if (!labels[j])
                    return;
                if (!nLabel)
                    nLabel = labels[j];
                else
                    Merge(parent, nLabel, labels[j]);
            };
            if (x > 0)
                Take(i - 1);
            if (y > 0) {
                Take(i - w);
                if (nConnect == 8) {
                    if (x > 0)
                        Take(i - w - 1);
                    if (x + 1 < w)
                        Take(i - w + 1);
                }
            }
            if (!nLabel) {
                nLabel = int(parent.size());
                parent.push_back(nLabel);
            }
            labels[i] = nLabel;
        }
    }
    std::vector<int> final(parent.size(), 0);
    int nRegions = 0;
    lpSizes->assign(1, 0);
    for (size_t i = 0; i < labels.size(); i++) {
        if (!labels[i])
            continue;
        const int r = Root(parent, labels[i]);
        if (!final[r]) {
            final[r] = ++nRegions;
            lpSizes->push_back(0);
        }
        labels[i] = final[r];
        (*lpSizes)[final[r]]++;
    }
    return nRegions;
}
