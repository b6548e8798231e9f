// What the fills leave on the page: the colour fill takes exactly its area, the clear wave
// blanks everything but outlines, and neither is thrown by a queue that runs out of memory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "fill_fake_host.h"
#include "pages/palette.h"
#include "pages/pointqueue.h"
#include "support/reference_fill.h"

using namespace filltest;

namespace {

TEST(ColourFill, ColoursExactlyTheFourConnectedAreaOfRandomPages) {
    std::mt19937 gen(7);
    std::vector<int32_t> queue;
    for (int nPage = 0; nPage < 30; nPage++) {
        TestPage page(37, 23);
        for (uint8_t& b : page.bits) // outlines near the density where areas stop joining up
            b = gen() % 100 < 42 ? uint8_t(PIXEL_OUTLINE)
                                 : (gen() % 4 ? uint8_t(PIXEL_BLANK) : uint8_t(1 + gen() % 3));
        int x = gen() % page.nWidth, y = gen() % page.nHeight;
        const uint8_t bColour = 1 + gen() % 3;
        if (page.At(x, y) == 0 || page.At(x, y) == bColour)
            continue;
        TestPage expected = page;
        ReferenceFill(expected.bits.data(), page.nWidth, page.nHeight, x, page.nHeight - 1 - y,
                      bColour, queue);
        FakeFillHost host;
        ColourFillOn(host, page.Bits(), x, y, bColour);
        EXPECT_EQ(page.bits, expected.bits) << "page " << nPage;
    }
}

TEST(ColourFill, RecoloursItsAreaWholeButStopsAtCornerOutlinesAndTheNewColour) {
    TestPage page(10, 8);
    for (int i = 0; i < 7; i++)
        page.At(i, i) = 0; // outline pixels touching only at their corners
    for (int y = 0; y < 8; y++)
        page.At(7, y) = 141;             // a stripe of the new colour
    page.At(5, 1) = page.At(6, 2) = 113; // coloured earlier
    FloodColour(page.Bits(), 6, 0, 141);
    for (int y = 0; y < 8; y++)
        for (int x = 0; x < 10; x++)
            EXPECT_EQ(page.At(x, y), x == 7           ? 141
                                     : x > 7 || x < y ? PIXEL_BLANK
                                     : x == y         ? PIXEL_OUTLINE
                                                      : 141);
}

TEST(ColourFill, LeavesALonePixelAloneButStillPlaysItsSound) {
    for (uint8_t bWall : {0, 5}) {
        TestPage page(3, 3, bWall);
        page.At(1, 1) = PIXEL_BLANK;
        const std::vector<uint8_t> before = page.bits;
        FakeFillHost host;
        ColourFillOn(host, page.Bits(), 1, 1, 5);
        EXPECT_EQ(page.bits, before);
        ASSERT_EQ(host.Kind('O').size(), 1u);
        EXPECT_EQ(host.Kind('D').size(), 1u);
    }
}

TEST(ColourFill, IgnoresSeedsOffThePageAndMissingBuffers) {
    TestPage page(4, 4);
    FakeFillHost host;
    EXPECT_EQ(ColourFillOn(host, page.Bits(), 4, 0, 3), 0);
    EXPECT_EQ(ColourFillOn(host, page.Bits(), 0, -1, 3), 0);
    EXPECT_EQ(ColourFillOn(host, {nullptr, 4, 4}, 0, 0, 3), 0);
    EXPECT_EQ(ClearFillOn(host, page.Bits(), nullptr), 0);
    EXPECT_TRUE(host.events.empty());
}

TEST(ClearFill, BlanksAllButOutlinesAndVisitsEachPixelOnceTheSeedTwice) {
    std::mt19937 gen(3);
    for (auto [w, h] : {std::pair{660, 460}, {1, 5}, {7, 2}}) {
        TestPage page(w, h), outlines(w, h);
        for (size_t i = 0; i < page.bits.size(); i++)
            page.bits[i] = gen() % 3 == 0 ? 0 : gen() % 256;
        for (size_t i = 0; i < page.bits.size(); i++)
            outlines.bits[i] = page.bits[i] == PIXEL_OUTLINE ? PIXEL_OUTLINE : PIXEL_BLANK;
        std::vector<uint8_t> marks(page.bits.size());
        FakeFillHost host;
        EXPECT_EQ(ClearFillOn(host, page.Bits(), marks.data()), long(w) * h + 1);
        EXPECT_EQ(page.bits, outlines.bits);
        EXPECT_EQ(marks, std::vector<uint8_t>(marks.size(), PIXEL_BLANK));
    }
}

int nBlocksLeft;
void* ScarceAlloc(size_t cb) {
    return nBlocksLeft-- > 0 ? std::malloc(cb) : nullptr;
}

// Restores the real allocator however the test ends.
struct ScarceMemory {
    explicit ScarceMemory(int nBlocks) {
        nBlocksLeft = nBlocks;
        lpfnQueueAlloc = ScarceAlloc;
    }
    ~ScarceMemory() { lpfnQueueAlloc = std::malloc; }
};

TEST(PointQueue, KeepsOrderAcrossBlocksAndReusesFreedNodes) {
    ScarceMemory memory(5); // 5 blocks of nodes: enough only if freed nodes come back
    PointQueue queue(-1, -2);
    for (int i = 0; i < 4000; i++)
        ASSERT_TRUE(queue.Push(i, 2 * i));
    for (int i = -1; i < 4000; i++) {
        ASSERT_FALSE(queue.IsEmpty());
        EXPECT_EQ(queue.Front().x, i);
        EXPECT_EQ(queue.Front().y, 2 * i);
        queue.Pop();
    }
    EXPECT_TRUE(queue.IsEmpty());
    queue.Pop(); // harmless on an empty queue
    for (int i = 0; i < 100000; i++) {
        ASSERT_TRUE(queue.Push(i, i));
        ASSERT_TRUE(queue.Push(i, i));
        queue.Pop();
        queue.Pop();
    }
    EXPECT_GE(nBlocksLeft, 0);
}

TEST(FillsShortOfMemory, EndNormallyAndFinishAsFreedNodesComeBack) {
    const int N = 1000; // a front far wider than the one block of nodes allowed
    TestPage page(N, N);
    FakeFillHost host;
    ScarceMemory memory(1);
    ColourFillOn(host, page.Bits(), N / 2, N / 2, 17);
    EXPECT_EQ(host.events.back().cKind, 'D');
    EXPECT_EQ(page.bits, std::vector<uint8_t>(page.bits.size(), 17));

    ScarceMemory none(0); // not even the seed: the page stays as it was
    std::vector<uint8_t> marks(page.bits.size());
    EXPECT_EQ(ClearFillOn(host, page.Bits(), marks.data()), 0);
    EXPECT_EQ(host.events.back().cKind, 'D');
    EXPECT_EQ(page.bits, std::vector<uint8_t>(page.bits.size(), 17));
}

} // namespace
