// Turning a decoded picture into a colouring page: the window-free core of the page maker.
// Plain C++ over pixel buffers, shared by the page maker's front ends and their tests.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "pagemaker/core/picture.h"
#include "pages/page_file.h"

enum {
    MAKE_LINES_LIGHTER = -1, // fewer, thinner lines: for a dark or noisy picture
    MAKE_LINES_NORMAL = 0,
    MAKE_LINES_DARKER = 1, // more, heavier lines: for a faint drawing
};

struct MakeSettings {
    int nGap;   // the widest gap closed, in pixels at page size; 0 closes none
    int nLines; // MAKE_LINES_*
};

// The settings a parent starts from.
MakeSettings DefaultMakeSettings();

// Why a picture gave no page.
enum MakeResult {
    MAKE_OK = 0,
    MAKE_EMPTY,      // no pixels, or a size the core does not take
    MAKE_NO_LINES,   // blank paper: nothing to colour between
    MAKE_ALL_BLACK,  // no paper left to colour
    MAKE_PHOTOGRAPH, // a photograph or painting, not line art
};

// A made page: lpBits holds PAGE_WIDTH x PAGE_HEIGHT bytes in the page file's own order
// (bottom-up rows), 0 outline and 225 fillable; plus what the making did.
struct MadePage {
    std::vector<uint8_t> lpBits;
    int nAreas;               // fillable areas left
    int nGapsClosed;          // joins drawn
    int nSpecksRemoved;       // dark specks dropped as noise
    int nSliversRemoved;      // areas too small or thin to hit, turned into outline
    std::vector<int> lpJoins; // x0, y0, x1, y1 (top-down page coordinates) per join drawn
};

// Makes a page of the picture. Returns MAKE_OK and fills lpPage, or why not (lpPage then
// holds no page). The same pixels and settings give the same page on every build.
MakeResult MakePage(const Picture& picture, const MakeSettings& settings, MadePage* lpPage);

// The page file's bytes for a made page: the book's 8-bit format with the program palette.
std::vector<uint8_t> EncodeMadePage(const MadePage& page);

// A sentence for a parent saying why a picture gave no page.
const char* MakeResultText(MakeResult nResult);
