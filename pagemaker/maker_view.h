// What the Page Maker's window shows of a made page, window-free: every area tinted a soft colour
// no neighbour shares, so that a leak shows as one colour across two places, each closed gap
// ringed, and a hint when the page looks wrong.
#pragma once
#include <stdint.h>
#include <vector>

#include "pagemaker/core/make_page.h"

enum {
    VIEW_TINTS = 10,           // soft colours to tint areas with
    VIEW_RING_RADIUS = 7,      // the ring round a closed gap, in page pixels
    VIEW_TINY_AREA = 150,      // an area smaller than this is tiny
    VIEW_MANY_TINY = 120,      // more tiny areas than this look like grain, not a drawing
    VIEW_NEIGHBOUR_REACH = 12, // areas this close across a line count as neighbours
};

// The areas of a made page: the book's fill spreads to the four edge neighbours, so these are
// the 4-connected blank regions. Labels top-down, 0 on outline, 1..nAreas.
struct AreaMap {
    std::vector<int> lpLabels;
    std::vector<int> lpSizes; // [label], [0] unused
    int nAreas = 0;
};
AreaMap MapAreas(const MadePage& page);

// A tint (0..VIEW_TINTS-1) for each label, [0] unused, such that areas facing each other across
// a line differ wherever there are tints enough.
std::vector<int> TintAreas(const AreaMap& areas);

// The page as shown: PAGE_WIDTH x PAGE_HEIGHT values 0x00RRGGBB, top-down; outline black as in
// the book, each area its tint, a ring round each join.
std::vector<uint32_t> DrawPageView(const MadePage& page, const AreaMap& areas,
                                   const std::vector<int>& tints);

// What to tell a parent about a page, beside the count of areas.
enum MakerHint {
    HINT_NONE = 0,
    HINT_NO_PICTURE, // nothing opened yet
    HINT_EMPTY,      // from MakeResult
    HINT_NO_LINES,
    HINT_ALL_BLACK,
    HINT_PHOTOGRAPH,
    HINT_ONE_AREA,  // the lines close nothing off
    HINT_MANY_TINY, // grain or hatching cut the page into crumbs
};
MakerHint HintFor(MakeResult nResult, const AreaMap& areas);
