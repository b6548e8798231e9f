// Connected regions of a mask, labelled with one scan and an explicit stack.
#include "pagemaker/core/page_steps.h"

int LabelComponents(const GreyImage& image, uint8_t bValue, int nConnect,
                    std::vector<int>* lpLabels, std::vector<int>* lpSizes) {
    const int w = image.nWidth, h = image.nHeight;
    std::vector<int>& labels = *lpLabels;
    labels.assign(size_t(w) * h, 0);
    lpSizes->assign(1, 0);
    std::vector<int> stack;
    int nLabel = 0;
    for (int start = 0; start < w * h; start++) {
        if (labels[start] || image.lpPixels[start] != bValue)
            continue;
        nLabel++;
        int nSize = 0;
        labels[start] = nLabel;
        stack.push_back(start);
        while (!stack.empty()) {
            const int i = stack.back();
            stack.pop_back();
            nSize++;
            const int x = i % w, y = i / w;
            for (int dy = -1; dy <= 1; dy++)
                for (int dx = -1; dx <= 1; dx++) {
                    if ((dx == 0 && dy == 0) || (nConnect == 4 && dx != 0 && dy != 0))
                        continue;
                    const int X = x + dx, Y = y + dy;
                    if (X < 0 || Y < 0 || X >= w || Y >= h)
                        continue;
                    const int j = Y * w + X;
                    if (!labels[j] && image.lpPixels[j] == bValue) {
                        labels[j] = nLabel;
                        stack.push_back(j);
                    }
                }
        }
        lpSizes->push_back(nSize);
    }
    return nLabel;
}
