// A flood fill written apart from the program's fill engine: the tests hold the engine and the
// program's clicks against it, and the fill benchmark times it beside the engine as the plainest
// fill there is.
#pragma once
#include <cstdint>
#include <vector>

// Colours the 4-connected area around column x of buffer row nRow with bColour, breadth-first:
// each entry queues and colours its neighbours one row on, one row back, left and right that are
// neither outline nor bColour yet. As in the program, the seed goes in uncoloured and takes the
// colour when a neighbour reaches back to it, so a lone pixel stays as it is. The queue is the
// caller's, so that a timed fill allocates nothing; it is grown when too small. Returns the
// entries taken: the area and the seed once more, or 1 for a lone pixel.
long ReferenceFill(uint8_t* lpBits, int nWidth, int nHeight, int x, int nRow, uint8_t bColour,
                   std::vector<int32_t>& queue);

// The pixels that a click at (x, y) colours with bColour, flagged in the page's own layout; none
// for a click off the page, on an outline or on bColour, which the program ignores.
// PIXEL_OUTLINE as bColour gives the whole area between outlines, whatever its colours.
std::vector<bool> FilledArea(const std::vector<uint8_t>& page, int nWidth, int x, int y,
                             uint8_t bColour);
