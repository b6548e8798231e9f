// Closing gaps: a line that stops a few pixels short of another line, or of another line's
// end, is joined to it, so that a fill stays in its area. A join is drawn only where it closes
// an area off (joins that close nothing would only clutter the page), never across a line,
// and never where it would cut off a sliver too small to colour.
#include "pagemaker/core/line_ends.h"
#include "pagemaker/core/page_steps.h"

#include <algorithm>
#include <cstdlib>

namespace {

// A join goes out from a line end at most this angle from the stroke's heading: cos^2 in
// 1/256 (60 degrees).
const long CONE_COS2 = 64;
// How much a target off to the side of the heading costs against one straight ahead.
const long SIDE_WEIGHT = 2;
// How far inside the ink of a line's tip the middle line may end: thinning wears thick and
// slanted tips down.
const int TIP_INSIDE = 16;
// A line's own ink counts as its own this far beyond the reach of its joins, along the line.
const int OWN_LINE_SLACK = 8;
// Two ends whose joins reach each other's tips within this much beyond the width are one gap.
const int SAME_GAP_SLACK = 3;

struct Join {
    int nEnd;
    GapPath path;
    long nScore;
    int nFrom, nTo; // ink regions joined
    int bEndToEnd;  // meets another line's end, not the side of a line
    int nMeets;     // that end
};

// Marks the ink within nSteps of the end along the ink itself: its own line, which it cannot
// stop short of.
void MarkOwnLine(const GreyImage& ink, const LineEnd& end, int nSteps, std::vector<int>* lpMark,
                 int nMark) {
    std::vector<int>& mark = *lpMark;
    std::vector<int> ring(1, end.y * ink.nWidth + end.x), next;
    mark[ring[0]] = nMark;
    for (int s = 0; s < nSteps && !ring.empty(); s++) {
        next.clear();
        for (int i : ring)
            for (int dy = -1; dy <= 1; dy++)
                for (int dx = -1; dx <= 1; dx++) {
                    const int x = i % ink.nWidth + dx, y = i / ink.nWidth + dy;
                    const int j = y * ink.nWidth + x;
                    if (ink.Inside(x, y) && ink.At(x, y) && mark[j] != nMark) {
                        mark[j] = nMark;
                        next.push_back(j);
                    }
                }
        ring.swap(next);
    }
}

// The best way across a gap from one end: the nearest, most straight-ahead ink within nGap,
// not on the end's own line close by.
int BestGap(const GreyImage& ink, const LineEnd& end, int nGap, GapPath* lpBest, long* lpScore) {
    // Thinning may have worn the middle line down inside the tip: reach past that too.
    std::vector<int> ahead;
    StraightPath(end.x, end.y, end.x + 2 * end.dx, end.y + 2 * end.dy, &ahead);
    int nTip = 0;
    while (nTip < TIP_INSIDE && size_t(2 * nTip + 1) < ahead.size() &&
           ink.Inside(ahead[2 * nTip], ahead[2 * nTip + 1]) &&
           ink.At(ahead[2 * nTip], ahead[2 * nTip + 1]))
        nTip++;
    const int r = nGap + std::max(nTip, end.nWidth) + 2;
    static thread_local std::vector<int> own;
    static thread_local int nOwn = 0;
    if (own.size() != ink.lpPixels.size()) {
        own.assign(ink.lpPixels.size(), 0);
        nOwn = 0;
    }
    MarkOwnLine(ink, end, r + OWN_LINE_SLACK, &own, ++nOwn);
    const long v2 = long(end.dx) * end.dx + long(end.dy) * end.dy;
    const long maxGap2 = long(nGap + 1) * (nGap + 1);
    int bFound = 0;
    for (int y = end.y - r; y <= end.y + r; y++)
        for (int x = end.x - r; x <= end.x + r; x++) {
            if (!ink.Inside(x, y) || !ink.At(x, y) || own[size_t(y) * ink.nWidth + x] == nOwn)
                continue;
            const long dx = x - end.x, dy = y - end.y, d2 = dx * dx + dy * dy;
            const long dot = dx * end.dx + dy * end.dy;
            if (d2 > long(r) * r || dot <= 0 || dot * dot * 256 < CONE_COS2 * d2 * v2)
                continue;
            GapPath path;
            if (!TraceGap(ink, end, x, y, &path) || GapSquared(path) > maxGap2)
                continue;
            const long cross = dx * end.dy - dy * end.dx;
            const long nScore = GapSquared(path) * v2 + SIDE_WEIGHT * cross * cross / 4;
            if (!bFound || nScore < *lpScore) {
                *lpBest = path;
                *lpScore = nScore;
                bFound = 1;
            }
        }
    return bFound;
}

int Find(std::vector<int>& parent, int i) {
    while (parent[i] != i) {
        parent[i] = parent[parent[i]];
        i = parent[i];
    }
    return i;
}

// Marks the joins that lie on no cycle of the graph of ink regions: those would only tie a
// loose line to another without closing any area. Iterative bridge search over the regions.
std::vector<int> FindBridges(const std::vector<Join>& joins, int nRegions) {
    std::vector<std::vector<std::pair<int, int>>> adj(size_t(nRegions) + 1);
    for (size_t e = 0; e < joins.size(); e++) {
        adj[joins[e].nFrom].push_back({joins[e].nTo, int(e)});
        adj[joins[e].nTo].push_back({joins[e].nFrom, int(e)});
    }
    std::vector<int> order(size_t(nRegions) + 1, 0), low(size_t(nRegions) + 1, 0);
    std::vector<int> bridge(joins.size(), 0);
    int nTime = 0;
    struct Frame {
        int node, edge, next;
    };
    std::vector<Frame> stack;
    for (int root = 1; root <= nRegions; root++) {
        if (order[root] || adj[root].empty())
            continue;
        order[root] = low[root] = ++nTime;
        stack.push_back({root, -1, 0});
        while (!stack.empty()) {
            Frame& f = stack.back();
            if (f.next < int(adj[f.node].size())) {
                const std::pair<int, int> a = adj[f.node][f.next++];
                if (a.second == f.edge)
                    continue;
                if (order[a.first]) {
                    low[f.node] = std::min(low[f.node], order[a.first]);
                } else {
                    order[a.first] = low[a.first] = ++nTime;
                    stack.push_back({a.first, a.second, 0});
                }
                continue;
            }
            const Frame done = f;
            stack.pop_back();
            if (stack.empty())
                continue;
            Frame& parent = stack.back();
            low[parent.node] = std::min(low[parent.node], low[done.node]);
            if (low[done.node] > order[parent.node])
                bridge[done.edge] = 1;
        }
    }
    return bridge;
}

// Inks a round brush of the end's width from the end to (x1, y1), noting each pixel it changes.
void DrawJoin(GreyImage* lpInk, const LineEnd& end, int x1, int y1, std::vector<int>* lpDrawn) {
    std::vector<int> xy;
    StraightPath(end.x, end.y, x1, y1, &xy);
    const int r = end.nWidth / 2 > 0 ? end.nWidth / 2 : 1;
    for (size_t i = 0; i < xy.size(); i += 2)
        for (int dy = -r; dy <= r; dy++)
            for (int dx = -r; dx <= r; dx++) {
                const int x = xy[i] + dx, y = xy[i + 1] + dy;
                if (dx * dx + dy * dy > r * r + r || !lpInk->Inside(x, y) || lpInk->At(x, y))
                    continue;
                lpInk->At(x, y) = 1;
                lpDrawn->push_back(y * lpInk->nWidth + x);
            }
}

// The first paper pixel from the middle of the join out to one side of the stroke.
int SideSeed(const GreyImage& ink, const LineEnd& end, const GapPath& path, int nSide) {
    const int mx = (path.xExit + path.tx) / 2, my = (path.yExit + path.ty) / 2;
    const int nx = -end.dy * nSide, ny = end.dx * nSide;
    const int nLen = std::max(std::abs(nx), std::abs(ny));
    if (nLen == 0)
        return -1;
    for (int k = 1; k <= 12; k++) {
        const int x = mx + (nx * k + (nx > 0 ? nLen / 2 : -nLen / 2)) / nLen;
        const int y = my + (ny * k + (ny > 0 ? nLen / 2 : -nLen / 2)) / nLen;
        if (!ink.Inside(x, y))
            return -1;
        if (!ink.At(x, y))
            return y * ink.nWidth + x;
    }
    return -1;
}

// After a join that closes a loop: grows the paper on both sides of it in step, one pixel
// each in turn, until one side runs out. Returns 1 when the join parted one area into two and
// the smaller is no sliver; that side then takes a label of its own. Returns 0 when the sides
// were apart already, or still meet (the join closed nothing), or when it cut off a sliver.
int SplitIsClean(const GreyImage& ink, const LineEnd& end, const GapPath& path,
                 std::vector<int>* lpAreas, int* lpNextArea) {
    std::vector<int>& areas = *lpAreas;
    const int a = SideSeed(ink, end, path, 1), b = SideSeed(ink, end, path, -1);
    if (a < 0 || b < 0 || a == b || areas[a] != areas[b])
        return 0;
    static thread_local std::vector<int> mark;
    static thread_local int nGen = 0;
    if (mark.size() != ink.lpPixels.size()) {
        mark.assign(ink.lpPixels.size(), 0);
        nGen = 0;
    }
    nGen += 2;
    std::vector<int> queue[2] = {{a}, {b}};
    size_t head[2] = {0, 0};
    mark[a] = nGen;
    mark[b] = nGen + 1;
    const int w = ink.nWidth;
    for (;;) {
        for (int s = 0; s < 2; s++) {
            if (head[s] == queue[s].size()) {
                if (IsSliver(ink, queue[s]))
                    return 0;
                const int nArea = (*lpNextArea)++;
                for (int i : queue[s])
                    areas[i] = nArea;
                return 1;
            }
            const int i = queue[s][head[s]++];
            const int x = i % w, y = i / w;
            const int nb[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto& p : nb) {
                if (!ink.Inside(p[0], p[1]) || ink.At(p[0], p[1]))
                    continue;
                const int j = p[1] * w + p[0];
                if (mark[j] == nGen + s)
                    continue;
                if (mark[j] == nGen + 1 - s) {
                    return 0;
                }
                mark[j] = nGen + s;
                queue[s].push_back(j);
            }
        }
    }
}

} // namespace

int CloseGaps(GreyImage* lpInk, int nGap, std::vector<int>* lpJoins) {
    if (nGap <= 0)
        return 0;
    GreyImage& ink = *lpInk;
    const std::vector<LineEnd> ends = FindLineEnds(ink, Skeleton(ink));
    std::vector<int> labels, sizes;
    // Lines that run off the page close areas against its edge: every one that touches the
    // edge counts as one drawing with it, region nRegions.
    const int nRegions = LabelComponents(ink, 1, 8, &labels, &sizes) + 1;
    std::vector<int> region(size_t(nRegions) + 1);
    for (int i = 0; i <= nRegions; i++)
        region[i] = i;
    for (int y = 0; y < ink.nHeight; y++)
        for (int x = 0; x < ink.nWidth;
             x += (y == 0 || y == ink.nHeight - 1) ? 1 : std::max(1, ink.nWidth - 1))
            if (ink.At(x, y))
                region[labels[size_t(y) * ink.nWidth + x]] = nRegions;
    std::vector<int> areas;
    int nNextArea = LabelComponents(ink, 0, 4, &areas, &sizes) + 1;
    std::vector<Join> joins;
    for (size_t i = 0; i < ends.size(); i++) {
        Join j;
        if (ends[i].bShort || !BestGap(ink, ends[i], nGap, &j.path, &j.nScore))
            continue;
        j.nEnd = int(i);
        j.nFrom = region[labels[size_t(ends[i].y) * ink.nWidth + ends[i].x]];
        j.nTo = region[labels[size_t(j.path.ty) * ink.nWidth + j.path.tx]];
        joins.push_back(j);
    }
    // Two ends facing each other find each other: one gap, one join.
    auto Near = [&](const GapPath& p, const LineEnd& e) {
        const long dx = p.tx - e.x, dy = p.ty - e.y, r = e.nWidth + SAME_GAP_SLACK;
        return dx * dx + dy * dy <= r * r;
    };
    for (Join& j : joins) {
        j.bEndToEnd = 0;
        for (size_t k = 0; k < ends.size() && !j.bEndToEnd; k++)
            if (int(k) != j.nEnd && Near(j.path, ends[k])) {
                j.bEndToEnd = 1;
                j.nMeets = int(k);
            }
    }
    std::vector<int> drop(joins.size(), 0);
    for (size_t i = 0; i < joins.size(); i++)
        for (size_t k = i + 1; k < joins.size(); k++)
            if (!drop[i] && !drop[k] && Near(joins[i].path, ends[joins[k].nEnd]) &&
                Near(joins[k].path, ends[joins[i].nEnd]))
                drop[GapSquared(joins[k].path) < GapSquared(joins[i].path) ? i : k] = 1;
    // A line that stops short of the side of another drawing is a detail drawn free of it
    // (fur, a ray around a sun) unless that drawing is its own: only joins end to end tie
    // separate drawings together.
    std::vector<int> parent(size_t(nRegions) + 1);
    for (int i = 0; i <= nRegions; i++)
        parent[i] = i;
    for (size_t i = 0; i < joins.size(); i++)
        if (!drop[i] && joins[i].bEndToEnd)
            parent[Find(parent, joins[i].nFrom)] = Find(parent, joins[i].nTo);
    std::vector<Join> kept;
    for (size_t i = 0; i < joins.size(); i++)
        if (!drop[i] &&
            (joins[i].bEndToEnd || Find(parent, joins[i].nFrom) == Find(parent, joins[i].nTo)))
            kept.push_back(joins[i]);
    const std::vector<int> bridge = FindBridges(kept, nRegions);
    std::vector<Join> order;
    for (size_t i = 0; i < kept.size(); i++)
        if (!bridge[i])
            order.push_back(kept[i]);
    std::stable_sort(order.begin(), order.end(), [](const Join& a, const Join& b) {
        return GapSquared(a.path) != GapSquared(b.path) ? GapSquared(a.path) < GapSquared(b.path)
                                                        : a.nScore < b.nScore;
    });
    for (int i = 0; i <= nRegions; i++)
        parent[i] = i;
    int nDrawn = 0;
    std::vector<int> drawn;
    for (const Join& j : order) {
        const LineEnd& end = ends[j.nEnd];
        GapPath path;
        if (!TraceGap(ink, end, j.path.tx, j.path.ty, &path))
            continue; // an earlier join crossed it or closed it
        const int a = Find(parent, j.nFrom), b = Find(parent, j.nTo);
        // A line goes on into the end it meets, middle to middle; a join to the side of a
        // line goes on into it by the brush's size, so that no corner of the gap stays open.
        int x1 = path.tx, y1 = path.ty;
        if (j.bEndToEnd) {
            x1 = ends[j.nMeets].x;
            y1 = ends[j.nMeets].y;
        } else {
            const int dx = path.tx - end.x, dy = path.ty - end.y;
            const int nLen = std::max(std::abs(dx), std::abs(dy)), r = end.nWidth / 2 + 1;
            x1 += nLen ? dx * r / nLen : 0;
            y1 += nLen ? dy * r / nLen : 0;
        }
        drawn.clear();
        DrawJoin(&ink, end, x1, y1, &drawn);
        if (a == b && !SplitIsClean(ink, end, path, &areas, &nNextArea)) {
            for (int i : drawn)
                ink.lpPixels[i] = 0;
            continue;
        }
        parent[a] = b;
        lpJoins->insert(lpJoins->end(), {path.xExit, path.yExit, path.tx, path.ty});
        nDrawn++;
    }
    return nDrawn;
}
