// Making a page of a picture: the steps in order, the refusals, and the page file's bytes.
#include "pagemaker/core/make_page.h"
#include "pagemaker/core/page_steps.h"
#include "pages/palette.h"
#include "pages/pixels.h"

namespace {

// The widest gap closed unless a parent asks otherwise, in pixels at page size. Measured on
// the test set (the book's pages and drawn scenes, cut 1 to 12 pixels wide, drawn and as
// photos): at 8 a cut of 8 across a slanting line still leaked, at 12 every cut up to 11
// closed, and neither 12 nor 16 joined anything on the uncut pages; 12 keeps joins short.
const int DEFAULT_GAP = 12;
// Fewer line pixels than this share of the picture, in 1/10000: blank paper.
const int MIN_INK_PER10000 = 5;
// A picture with more than this share in between paper and ink tones is a photograph.
const int MAX_MIDDLE_PERMILLE = 150;
// Paper brighter than this is needed to colour anything; below it all is dark.
const int MIN_PAPER_LEVEL = 48;
// Fillable pixels needed on the page (per mille of the picture's rectangle).
const int MIN_PAPER_PERMILLE = 20;

int CountInk(const GreyImage& ink, const PageRect& rect) {
    int n = 0;
    for (int y = 0; y < rect.cy; y++)
        for (int x = 0; x < rect.cx; x++)
            n += ink.At(rect.x + x, rect.y + y);
    return n;
}

} // namespace

MakeSettings DefaultMakeSettings() {
    MakeSettings settings = {DEFAULT_GAP, MAKE_LINES_NORMAL};
    return settings;
}

MakeResult MakePage(const Picture& picture, const MakeSettings& settings, MadePage* lpPage) {
    *lpPage = MadePage();
    GreyImage grey;
    PageRect rect;
    if (!FitPicture(picture, &grey, &rect))
        return MAKE_EMPTY;
    LineStats stats;
    GreyImage ink = FindLines(grey, rect, settings.nLines, &stats);
    const int64_t nArea = int64_t(rect.cx) * rect.cy;
    if (stats.nPaperLevel < MIN_PAPER_LEVEL)
        return MAKE_ALL_BLACK;
    if (stats.nMiddlePermille > MAX_MIDDLE_PERMILLE)
        return MAKE_PHOTOGRAPH;
    const int nSpecks = RemoveSpecks(&ink);
    if (int64_t(CountInk(ink, rect)) * 10000 < nArea * MIN_INK_PER10000)
        return MAKE_NO_LINES;
    NormaliseLineWeight(&ink);
    std::vector<int> joins;
    const int nJoins = CloseGaps(&ink, settings.nGap, &joins);
    int nAreas = 0;
    const int nSlivers = RemoveSlivers(&ink, &nAreas);
    if ((nArea - CountInk(ink, rect)) * 1000 < nArea * MIN_PAPER_PERMILLE)
        return MAKE_ALL_BLACK;
    lpPage->nAreas = nAreas;
    lpPage->nGapsClosed = nJoins;
    lpPage->nSpecksRemoved = nSpecks;
    lpPage->nSliversRemoved = nSlivers;
    lpPage->lpJoins.swap(joins);
    lpPage->lpBits.resize(PAGE_BYTES);
    for (int y = 0; y < PAGE_HEIGHT; y++)
        for (int x = 0; x < PAGE_WIDTH; x++)
            lpPage->lpBits[size_t(PAGE_HEIGHT - 1 - y) * PAGE_WIDTH + x] =
                ink.At(x, y) ? PIXEL_OUTLINE : PIXEL_BLANK;
    return MAKE_OK;
}

std::vector<uint8_t> EncodeMadePage(const MadePage& page) {
    PageFileHeader bmfh = {PAGE_MAGIC, PAGE_HEADERS_BYTES + PAGE_BYTES, 0, 0, PAGE_HEADERS_BYTES};
    PageInfo bmi = {};
    bmi.bmiHeader = {
        PAGE_INFO_HEADER_BYTES, PAGE_WIDTH, PAGE_HEIGHT, 1, 8, 0, PAGE_BYTES, 0, 0, 0, 0};
    PageRgb palette[PAGE_COLOURS];
    BuildPaletteColours(palette);
    ApplyPaletteColours(palette, &bmi);
    std::vector<uint8_t> file(PAGE_HEADERS_BYTES);
    EncodePageHeaders(bmfh, bmi, file.data());
    file.insert(file.end(), page.lpBits.begin(), page.lpBits.end());
    return file;
}

const char* MakeResultText(MakeResult nResult) {
    switch (nResult) {
    case MAKE_OK:
        return "The page was made.";
    case MAKE_EMPTY:
        return "The picture has no pixels, or is larger than 65535 pixels a side or 268 "
               "megapixels.";
    case MAKE_NO_LINES:
        return "No lines were found in the picture: it is blank, or too soft to have any to "
               "colour between.";
    case MAKE_ALL_BLACK:
        return "The picture is dark all over: there is no paper left to colour.";
    case MAKE_PHOTOGRAPH:
        return "The picture looks like a photograph or a painting, not a line drawing: much of "
               "it is in between light and dark.";
    }
    return "The picture could not be made into a page.";
}
