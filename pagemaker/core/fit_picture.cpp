// Fitting a decoded picture into the page: grey, scaled with its proportions, centred.
#include "pagemaker/core/page_steps.h"
#include "pages/page_file.h"

#include <algorithm>

namespace {

// The largest picture side taken, and the most pixels: a 50-megapixel photo fits well.
const int64_t MAX_SIDE = 65535;
const int64_t MAX_PIXELS = int64_t(1) << 28;

// Paper white for transparent pixels and the blank around the picture.
const int PAPER = 255;
// How far, in quarters, a shrunk pixel goes from the mean towards its darkest source pixel.
// Only when it stands for this many source pixels: a smaller shrink keeps lines whole and
// darkest pixels would only bring out the grain.
const int DARKEST_PULL = 1, PULL_FROM_PIXELS = 9;

// The grey of one pixel: luma weights in 1/256 (77, 150, 29); alpha blends onto paper.
inline int GreyOf(const uint8_t* lp, PictureFormat nFormat) {
    switch (nFormat) {
    case PICTURE_GREY:
        return lp[0];
    case PICTURE_RGB:
        return (77 * lp[0] + 150 * lp[1] + 29 * lp[2] + 128) >> 8;
    case PICTURE_RGBA: {
        int v = (77 * lp[0] + 150 * lp[1] + 29 * lp[2] + 128) >> 8;
        return (v * lp[3] + PAPER * (255 - lp[3]) + 127) / 255;
    }
    case PICTURE_BGRA: {
        int v = (77 * lp[2] + 150 * lp[1] + 29 * lp[0] + 128) >> 8;
        return (v * lp[3] + PAPER * (255 - lp[3]) + 127) / 255;
    }
    }
    return PAPER;
}

int BytesPerPixel(PictureFormat nFormat) {
    switch (nFormat) {
    case PICTURE_GREY:
        return 1;
    case PICTURE_RGB:
        return 3;
    case PICTURE_RGBA:
    case PICTURE_BGRA:
        return 4;
    }
    return 0;
}

// Grey of one source row into lpRow.
void GreyRow(const Picture& picture, int y, std::vector<int>* lpRow) {
    const int cb = BytesPerPixel(picture.nFormat);
    const uint8_t* lp = picture.lpPixels + size_t(y) * picture.nStride;
    for (int x = 0; x < picture.nWidth; x++, lp += cb)
        (*lpRow)[x] = GreyOf(lp, picture.nFormat);
}

// Shrinking: every output pixel is the mean of the source pixels that fall in it, pulled a
// quarter of the way to the darkest of them when shrinking a lot, so that a fine pen line a
// sixth of a pixel wide after shrinking still shows; in one pass over the source rows.
void Shrink(const Picture& picture, const PageRect& rect, GreyImage* lpGrey) {
    const int w = picture.nWidth, h = picture.nHeight;
    std::vector<int> colOf(w), colCount(rect.cx, 0), row(w);
    for (int x = 0; x < w; x++) {
        colOf[x] = int(int64_t(x) * rect.cx / w);
        colCount[colOf[x]]++;
    }
    std::vector<uint32_t> sums(rect.cx, 0);
    std::vector<int> darkest(rect.cx, 255);
    int nRowsIn = 0, nOut = 0;
    for (int y = 0; y < h; y++) {
        GreyRow(picture, y, &row);
        for (int x = 0; x < w; x++) {
            sums[colOf[x]] += uint32_t(row[x]);
            darkest[colOf[x]] = std::min(darkest[colOf[x]], row[x]);
        }
        nRowsIn++;
        const int nNext = y + 1 < h ? int(int64_t(y + 1) * rect.cy / h) : rect.cy;
        if (nNext == nOut)
            continue;
        uint8_t* lpOut = &lpGrey->At(rect.x, rect.y + nOut);
        for (int X = 0; X < rect.cx; X++) {
            const uint32_t n = uint32_t(colCount[X]) * uint32_t(nRowsIn);
            const int nMean = int((sums[X] + n / 2) / n);
            const int nPull = n >= PULL_FROM_PIXELS ? DARKEST_PULL : 0;
            lpOut[X] = uint8_t((nPull * darkest[X] + (4 - nPull) * nMean + 2) / 4);
            sums[X] = 0;
            darkest[X] = 255;
        }
        nRowsIn = 0;
        nOut = nNext;
    }
}

// The source position of output pixel i of n over a source side of m, in 1/256 pixels.
inline int SourcePos(int i, int n, int m) {
    int64_t p = ((2 * int64_t(i) + 1) * m * 256) / (2 * int64_t(n)) - 128;
    if (p < 0)
        p = 0;
    if (p > int64_t(m - 1) * 256)
        p = int64_t(m - 1) * 256;
    return int(p);
}

// Enlarging: bilinear between the four nearest source pixels, in 1/256 steps.
void Enlarge(const Picture& picture, const PageRect& rect, GreyImage* lpGrey) {
    const int w = picture.nWidth, h = picture.nHeight;
    std::vector<int> row0(w), row1(w), xs(rect.cx);
    for (int X = 0; X < rect.cx; X++)
        xs[X] = SourcePos(X, rect.cx, w);
    int nRow0 = -1;
    for (int Y = 0; Y < rect.cy; Y++) {
        const int sy = SourcePos(Y, rect.cy, h), y0 = sy >> 8, fy = sy & 255;
        const int y1 = y0 + 1 < h ? y0 + 1 : y0;
        if (nRow0 != y0) {
            GreyRow(picture, y0, &row0);
            GreyRow(picture, y1, &row1);
            nRow0 = y0;
        }
        uint8_t* lpOut = &lpGrey->At(rect.x, rect.y + Y);
        for (int X = 0; X < rect.cx; X++) {
            const int x0 = xs[X] >> 8, fx = xs[X] & 255, x1 = x0 + 1 < w ? x0 + 1 : x0;
            const int top = row0[x0] * (256 - fx) + row0[x1] * fx;
            const int bottom = row1[x0] * (256 - fx) + row1[x1] * fx;
            lpOut[X] = uint8_t((top * (256 - fy) + bottom * fy + 32768) >> 16);
        }
    }
}

} // namespace

int FitPicture(const Picture& picture, GreyImage* lpGrey, PageRect* lpRect) {
    const int64_t w = picture.nWidth, h = picture.nHeight;
    const int cb = BytesPerPixel(picture.nFormat);
    if (!picture.lpPixels || cb == 0 || w < 1 || h < 1 || w > MAX_SIDE || h > MAX_SIDE ||
        w * h > MAX_PIXELS || picture.nStride < size_t(w * cb))
        return 0;
    PageRect rect;
    if (w * PAGE_HEIGHT >= h * PAGE_WIDTH) {
        rect.cx = PAGE_WIDTH;
        rect.cy = int((h * PAGE_WIDTH + w / 2) / w);
    } else {
        rect.cy = PAGE_HEIGHT;
        rect.cx = int((w * PAGE_HEIGHT + h / 2) / h);
    }
    if (rect.cx < 1)
        rect.cx = 1;
    if (rect.cy < 1)
        rect.cy = 1;
    rect.x = (PAGE_WIDTH - rect.cx) / 2;
    rect.y = (PAGE_HEIGHT - rect.cy) / 2;
    *lpGrey = GreyImage(PAGE_WIDTH, PAGE_HEIGHT, PAPER);
    if (w >= rect.cx && h >= rect.cy)
        Shrink(picture, rect, lpGrey);
    else
        Enlarge(picture, rect, lpGrey);
    *lpRect = rect;
    return 1;
}
