// The tests' own flood fill: a plain array as the queue, in the engine's breadth-first order.
#include "support/reference_fill.h"

#include "pages/palette.h"

long ReferenceFill(uint8_t* lpBits, int nWidth, int nHeight, int x, int nRow, uint8_t bColour,
                   std::vector<int32_t>& queue) {
    // Every pixel is queued at most once, when it is coloured, and the seed once before.
    const size_t nNeed = 2 * (static_cast<size_t>(nWidth) * nHeight + 1);
    if (queue.size() < nNeed)
        queue.resize(nNeed);
    int32_t* const lpQueue = queue.data(); // held apart, so the pixel stores cannot move it
    size_t nHead = 0, nTail = 0;
    lpQueue[nTail++] = x;
    lpQueue[nTail++] = nRow;
    auto visit = [&](uint8_t* lpPixel, int32_t xTo, int32_t nRowTo) {
        if (*lpPixel != PIXEL_OUTLINE && *lpPixel != bColour) {
            lpQueue[nTail++] = xTo;
            lpQueue[nTail++] = nRowTo;
            *lpPixel = bColour;
        }
    };
    while (nHead < nTail) {
        int32_t xAt = lpQueue[nHead++], nRowAt = lpQueue[nHead++];
        uint8_t* lpPixel = lpBits + xAt + static_cast<size_t>(nWidth) * nRowAt;
        if (nRowAt < nHeight - 1)
            visit(lpPixel + nWidth, xAt, nRowAt + 1);
        if (nRowAt > 0)
            visit(lpPixel - nWidth, xAt, nRowAt - 1);
        if (xAt > 0)
            visit(lpPixel - 1, xAt - 1, nRowAt);
        if (xAt < nWidth - 1)
            visit(lpPixel + 1, xAt + 1, nRowAt);
    }
    return static_cast<long>(nHead / 2);
}

std::vector<bool> FilledArea(const std::vector<uint8_t>& page, int nWidth, int x, int y,
                             uint8_t bColour) {
    std::vector<bool> area(page.size(), false);
    const int nHeight = nWidth > 0 ? static_cast<int>(page.size() / nWidth) : 0;
    if (x < 0 || y < 0 || x >= nWidth || y >= nHeight)
        return area;
    const uint8_t bSeed = page[static_cast<size_t>(y) * nWidth + x];
    if (bSeed == PIXEL_OUTLINE || bSeed == bColour)
        return area;
    std::vector<uint8_t> filled = page;
    std::vector<int32_t> queue;
    ReferenceFill(filled.data(), nWidth, nHeight, x, y, bColour, queue);
    for (size_t i = 0; i < page.size(); i++)
        area[i] = filled[i] != page[i];
    return area;
}
