// Dropping dust: dark dots of dust, grain or noise too small to be a line or a dot drawn.
#include "pagemaker/core/page_steps.h"

namespace {

// Ink regions of fewer pixels are specks; a dot drawn as an eye has a few dozen.
const int SPECK_PIXELS = 8;

} // namespace

int RemoveSpecks(GreyImage* lpInk) {
    std::vector<int> labels, sizes;
    LabelComponents(*lpInk, 1, 8, &labels, &sizes);
    int nRemoved = 0;
    for (size_t i = 1; i < sizes.size(); i++)
        if (sizes[i] < SPECK_PIXELS)
            nRemoved++;
    if (nRemoved == 0)
        return 0;
    for (size_t i = 0; i < labels.size(); i++)
        if (labels[i] && sizes[labels[i]] < SPECK_PIXELS)
            lpInk->lpPixels[i] = 0;
    return nRemoved;
}
