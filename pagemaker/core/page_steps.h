// The steps of making a page, each a function over one small image value, in the order the
// pipeline runs them (make_page.cpp). Every step decides pixels with integers only, so the
// 32-bit build's floating point cannot make a page differ.
#pragma once
#include <cstdint>
#include <vector>

#include "pagemaker/core/picture.h"

// A grey picture or a mask, one byte a pixel, top-down rows. In a mask 1 is ink, 0 paper.
struct GreyImage {
    int nWidth = 0;
    int nHeight = 0;
    std::vector<uint8_t> lpPixels;
    GreyImage() = default;
    GreyImage(int w, int h, uint8_t bFill)
        : nWidth(w), nHeight(h), lpPixels(size_t(w) * h, bFill) {}
    uint8_t& At(int x, int y) { return lpPixels[size_t(y) * nWidth + x]; }
    uint8_t At(int x, int y) const { return lpPixels[size_t(y) * nWidth + x]; }
    const uint8_t* Row(int y) const { return lpPixels.data() + size_t(y) * nWidth; }
    int Inside(int x, int y) const { return x >= 0 && y >= 0 && x < nWidth && y < nHeight; }
};

// Where the fitted picture lies on the page; the rest is blank paper.
struct PageRect {
    int x, y, cx, cy;
};

// What the line finder saw, for telling a drawing from a photograph.
struct LineStats {
    int nPaperLevel;     // the brightest paper, 0..255
    int nInkPermille;    // share of the picture found to be lines
    int nMiddlePermille; // share in between paper and ink: high in photographs
};

// fit_picture.cpp: the picture scaled to fit the page keeping its proportions, centred on
// white; transparency counts as paper. Returns 0 for a size the core does not take.
int FitPicture(const Picture& picture, GreyImage* lpGrey, PageRect* lpRect);

// threshold.cpp: the lines, as darker than the paper around them by a share that nLines
// sets; shadows and uneven light move the paper level, not the lines.
GreyImage FindLines(const GreyImage& grey, const PageRect& rect, int nLines, LineStats* lpStats);

// dust.cpp: drops dark specks too small to be a line or a dot. Returns how many.
int RemoveSpecks(GreyImage* lpInk);

// line_weight.cpp: thickens lines too thin for a child to see; thick lines stay as they are.
void NormaliseLineWeight(GreyImage* lpInk);

// skeleton.cpp: the one-pixel middle lines of the ink.
GreyImage Skeleton(const GreyImage& ink);

// gaps.cpp: joins line ends to the outline or line end they stop short of, no farther than
// nGap paper pixels, where the join closes an area off and cuts off no sliver. Returns the
// joins drawn; each adds x0, y0, x1, y1 to lpJoins.
int CloseGaps(GreyImage* lpInk, int nGap, std::vector<int>* lpJoins);

// components.cpp: labels the connected regions of pixels equal to bValue, 4- or 8-connected,
// from 1 in the order their first pixels come; 0 elsewhere. lpSizes[label] is each one's size
// (lpSizes[0] unused). Returns the number of regions.
int LabelComponents(const GreyImage& image, uint8_t bValue, int nConnect,
                    std::vector<int>* lpLabels, std::vector<int>* lpSizes);

// areas.cpp: turns areas too small or thin to hit into outline. Returns how many, and the
// areas left in *lpAreas.
int RemoveSlivers(GreyImage* lpInk, int* lpAreas);
// Whether a paper region is too small or too thin to hit: fewer than SLIVER_MIN_AREA pixels,
// or fewer than SLIVER_MIN_CORE pixels whose 3 x 3 square is all paper.
enum { SLIVER_MIN_AREA = 40, SLIVER_MIN_CORE = 6 };
int IsSliver(const GreyImage& ink, const std::vector<int>& pixels);
