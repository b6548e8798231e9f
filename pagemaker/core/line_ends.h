// Line ends and the straight paths between them and what they stop short of: the parts of
// closing gaps that look at the ink without changing it.
#pragma once
#include <vector>

#include "pagemaker/core/page_steps.h"

// Where a stroke stops: its middle line's last pixel, the way it heads (from a few pixels
// back to the end) and how wide it is there.
struct LineEnd {
    int x, y;
    int dx, dy;
    int nWidth;
    int bShort; // a short branch off a fork: a line's end others may meet, not a gap's start
};

// The ends of the skeleton's strokes. Short branches off a fork (the spurs that thinning
// leaves on corners, or a line cut close to where it meets another) are marked bShort.
std::vector<LineEnd> FindLineEnds(const GreyImage& ink, const GreyImage& skeleton);

// The pixels of the straight line from (x0, y0) to (x1, y1), both ends included.
void StraightPath(int x0, int y0, int x1, int y1, std::vector<int>* lpXy);

// A way across a gap: from the end through its own ink, over paper only, to the first ink it
// meets at (tx, ty). (xExit, yExit) is the last ink pixel before the paper.
struct GapPath {
    int xExit, yExit;
    int tx, ty;
};

// Whether the path from the end to (tx, ty) is such a way: ink, then paper, then ink first at
// (tx, ty). Fills lpPath on success.
int TraceGap(const GreyImage& ink, const LineEnd& end, int tx, int ty, GapPath* lpPath);

// The square of the paper distance a path crosses, between its two inks.
inline long GapSquared(const GapPath& p) {
    const long dx = p.tx - p.xExit, dy = p.ty - p.yExit;
    return dx * dx + dy * dy;
}
