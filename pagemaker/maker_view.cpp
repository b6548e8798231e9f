// The made page as the Page Maker shows it: areas labelled and tinted, joins ringed, a hint.
#include "pagemaker/maker_view.h"

#include "pages/pixels.h"

namespace {

// Soft colours a child's crayon would not be: light enough that the black lines stand out.
const uint32_t Tints[VIEW_TINTS] = {0xFFD6D6, 0xD6ECFF, 0xDDF5CF, 0xFFF1BF, 0xE8DAFF,
                                    0xFFDDEE, 0xCFF3EC, 0xFFE3C8, 0xE0E6F0, 0xF2F7C4};
const uint32_t RING_COLOUR = 0xE0106A;
const uint32_t OUTLINE_COLOUR = 0x000000;

int Blank(const MadePage& page, int x, int y) {
    return page.lpBits[size_t(PAGE_HEIGHT - 1 - y) * PAGE_WIDTH + x] != PIXEL_OUTLINE;
}

// Every outline pixel within reach handed to the nearest area, so that two areas whose shares
// touch face each other across a line.
std::vector<int> SpreadIntoLines(const AreaMap& areas) {
    std::vector<int> owner = areas.lpLabels;
    std::vector<int> front, next;
    for (int i = 0; i < PAGE_BYTES; i++)
        if (owner[i])
            front.push_back(i);
    for (int nStep = 0; nStep < VIEW_NEIGHBOUR_REACH && !front.empty(); nStep++) {
        next.clear();
        for (int i : front) {
            const int x = i % PAGE_WIDTH, y = i / PAGE_WIDTH;
            const int around[4] = {x > 0 ? i - 1 : -1, x + 1 < PAGE_WIDTH ? i + 1 : -1,
                                   y > 0 ? i - PAGE_WIDTH : -1,
                                   y + 1 < PAGE_HEIGHT ? i + PAGE_WIDTH : -1};
            for (int j : around)
                if (j >= 0 && !owner[j]) {
                    owner[j] = owner[i];
                    next.push_back(j);
                }
        }
        front.swap(next);
    }
    return owner;
}

void Ring(std::vector<uint32_t>* lpView, int cx, int cy) {
    const int r = VIEW_RING_RADIUS;
    for (int y = cy - r - 1; y <= cy + r + 1; y++)
        for (int x = cx - r - 1; x <= cx + r + 1; x++) {
            const int d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            if (x >= 0 && y >= 0 && x < PAGE_WIDTH && y < PAGE_HEIGHT && d2 >= (r - 1) * (r - 1) &&
                d2 <= (r + 1) * (r + 1))
                (*lpView)[size_t(y) * PAGE_WIDTH + x] = RING_COLOUR;
        }
}

} // namespace

AreaMap MapAreas(const MadePage& page) {
    AreaMap areas;
    if (page.lpBits.size() != PAGE_BYTES)
        return areas;
    areas.lpLabels.assign(PAGE_BYTES, 0);
    areas.lpSizes.assign(1, 0);
    std::vector<int> stack;
    for (int y0 = 0; y0 < PAGE_HEIGHT; y0++)
        for (int x0 = 0; x0 < PAGE_WIDTH; x0++) {
            if (!Blank(page, x0, y0) || areas.lpLabels[size_t(y0) * PAGE_WIDTH + x0])
                continue;
            const int nLabel = ++areas.nAreas;
            int nSize = 0;
            stack.assign(1, y0 * PAGE_WIDTH + x0);
            areas.lpLabels[stack[0]] = nLabel;
            while (!stack.empty()) {
                const int i = stack.back();
                stack.pop_back();
                nSize++;
                const int x = i % PAGE_WIDTH, y = i / PAGE_WIDTH;
                const int around[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
                for (const auto& p : around)
                    if (p[0] >= 0 && p[1] >= 0 && p[0] < PAGE_WIDTH && p[1] < PAGE_HEIGHT &&
                        !areas.lpLabels[size_t(p[1]) * PAGE_WIDTH + p[0]] &&
                        Blank(page, p[0], p[1])) {
                        areas.lpLabels[size_t(p[1]) * PAGE_WIDTH + p[0]] = nLabel;
                        stack.push_back(p[1] * PAGE_WIDTH + p[0]);
                    }
            }
            areas.lpSizes.push_back(nSize);
        }
    return areas;
}

std::vector<int> TintAreas(const AreaMap& areas) {
    std::vector<int> tints(areas.nAreas + 1, 0);
    if (areas.nAreas == 0)
        return tints;
    const std::vector<int> owner = SpreadIntoLines(areas);
    std::vector<std::vector<int>> neighbours(areas.nAreas + 1);
    auto Meet = [&](int a, int b) {
        if (a && b && a != b) {
            neighbours[a].push_back(b);
            neighbours[b].push_back(a);
        }
    };
    for (int y = 0; y < PAGE_HEIGHT; y++)
        for (int x = 0; x < PAGE_WIDTH; x++) {
            const int i = y * PAGE_WIDTH + x;
            if (x + 1 < PAGE_WIDTH)
                Meet(owner[i], owner[i + 1]);
            if (y + 1 < PAGE_HEIGHT)
                Meet(owner[i], owner[i + PAGE_WIDTH]);
        }
    // Greedy, in the order areas come from the top: the first tint no tinted neighbour has,
    // counted from a start that moves on so that the page is not mostly the first tint.
    std::vector<int> tinted(areas.nAreas + 1, 0);
    for (int a = 1; a <= areas.nAreas; a++) {
        int nUsed[VIEW_TINTS] = {};
        for (int b : neighbours[a])
            if (tinted[b])
                nUsed[tints[b]]++;
        int nBest = -1;
        for (int k = 0; k < VIEW_TINTS; k++) {
            const int t = (a + k) % VIEW_TINTS;
            if (nBest < 0 || nUsed[t] < nUsed[nBest])
                nBest = t;
            if (nUsed[t] == 0)
                break;
        }
        tints[a] = nBest;
        tinted[a] = 1;
    }
    return tints;
}

std::vector<uint32_t> DrawPageView(const MadePage& page, const AreaMap& areas,
                                   const std::vector<int>& tints) {
    std::vector<uint32_t> view(PAGE_BYTES, OUTLINE_COLOUR);
    if (areas.lpLabels.size() != PAGE_BYTES)
        return view;
    for (int i = 0; i < PAGE_BYTES; i++)
        if (areas.lpLabels[i])
            view[i] = Tints[tints[areas.lpLabels[i]]];
    for (size_t j = 0; j + 3 < page.lpJoins.size(); j += 4)
        Ring(&view, (page.lpJoins[j] + page.lpJoins[j + 2]) / 2,
             (page.lpJoins[j + 1] + page.lpJoins[j + 3]) / 2);
    return view;
}

MakerHint HintFor(MakeResult nResult, const AreaMap& areas) {
    switch (nResult) {
    case MAKE_OK:
        break;
    case MAKE_EMPTY:
        return HINT_EMPTY;
    case MAKE_NO_LINES:
        return HINT_NO_LINES;
    case MAKE_ALL_BLACK:
        return HINT_ALL_BLACK;
    case MAKE_PHOTOGRAPH:
        return HINT_PHOTOGRAPH;
    }
    if (areas.nAreas <= 1)
        return HINT_ONE_AREA;
    int nTiny = 0;
    for (int a = 1; a <= areas.nAreas; a++)
        nTiny += areas.lpSizes[a] < VIEW_TINY_AREA;
    return nTiny > VIEW_MANY_TINY ? HINT_MANY_TINY : HINT_NONE;
}
