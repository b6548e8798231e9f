// The fills: what they leave on the page, how they unfold frame by frame with their sounds and
// the message pump, and the queue behind them when memory runs short.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <random>

#include "pages/fill_engine.h"
#include "pages/palette.h"
#include "pages/pointqueue.h"
#include "pages/sound.h"
#include "support/reference_fill.h"

namespace {

// Records what a fill does: 'O' play once, 'L' play looping, 'S' stop, 'D' draw.
struct FakeHost : FillHost {
    struct Event {
        char cKind;
        int nArg;
        uint32_t dwTick; // the tick count last read
        long nPumps;     // pumps so far
    };
    uint32_t dwTick = 1000, dwTickStep = 1, dwLastTick = 0, dwMicros = 0, dwMicroStep = 0;
    uint32_t dwLastPump = 0, dwPumpGap = ~0u; // the fine clock at the last pump, the least gap
    int nCallsPerStep = 1, nTickCalls = 0;    // the tick count moves on after this many readings
    long nWaiting = 1L << 30, nPumps = 0;
    std::vector<Event> events;
    std::function<void()> onDraw = [] {};

    uint32_t TickCount() override {
        dwLastTick = dwTick;
        dwTick += ++nTickCalls % nCallsPerStep ? 0 : dwTickStep;
        return dwLastTick;
    }
    uint32_t Microseconds() override { return dwMicros += dwMicroStep; }
    void DrawPage() override { Log('D', 0), onDraw(); }
    int PumpMessage() override {
        dwPumpGap = nPumps++ ? std::min(dwPumpGap, dwMicros - dwLastPump) : dwPumpGap;
        dwLastPump = dwMicros;
        return nWaiting > 0 ? (nWaiting--, 1) : 0;
    }
    void PlaySoundOnce(int idSound) override { Log('O', idSound); }
    void PlaySoundLoop(int idSound) override { Log('L', idSound); }
    void StopSound() override { Log('S', 0); }
    void Log(char cKind, int nArg) { events.push_back({cKind, nArg, dwLastTick, nPumps}); }
    std::vector<Event> Kind(char cKind) const {
        std::vector<Event> found;
        std::copy_if(events.begin(), events.end(), std::back_inserter(found),
                     [&](const Event& e) { return e.cKind == cKind; });
        return found;
    }
};

// Page buffers are bottom-up: (x, y) from the top left is at Index.
size_t Index(int w, int h, int x, int y) {
    return x + size_t(w) * (h - 1 - y);
}

TEST(ColourFill, ColoursExactlyTheFourConnectedAreaOfRandomPages) {
    std::mt19937 gen(7);
    std::vector<int32_t> queue;
    for (int nPage = 0; nPage < 40; nPage++) {
        std::vector<uint8_t> page(37 * 23); // outlines near the density where areas stop joining
        for (uint8_t& b : page)
            b = gen() % 100 < 42 ? 0 : gen() % 4 ? uint8_t(PIXEL_BLANK) : uint8_t(1 + gen() % 3);
        const int x = gen() % 37, y = gen() % 23, nColour = 1 + gen() % 3;
        if (page[Index(37, 23, x, y)] % 225 == 0 || page[Index(37, 23, x, y)] == nColour)
            continue; // the program never starts a fill there
        std::vector<uint8_t> expected = page, flooded = page;
        ReferenceFill(expected.data(), 37, 23, x, 22 - y, nColour, queue);
        FakeHost host;
        ColourFillOn(host, {page.data(), 37, 23}, x, y, nColour);
        FloodColour({flooded.data(), 37, 23}, x, y, nColour);
        EXPECT_EQ(page, expected) << "page " << nPage;
        EXPECT_EQ(flooded, expected) << "page " << nPage;
    }
}

TEST(ColourFill, DoesNothingOffThePageOrWithoutOne) {
    std::vector<uint8_t> page(16, PIXEL_BLANK);
    FakeHost host;
    for (auto [x, y] : {std::pair{4, 0}, {0, 4}, {-1, 0}, {0, -1}})
        EXPECT_EQ(ColourFillOn(host, {page.data(), 4, 4}, x, y, 3) +
                      FloodColour({page.data(), 4, 4}, x, y, 3),
                  0);
    for (PageBits bad : {PageBits{nullptr, 4, 4}, PageBits{page.data(), 4, 0}})
        EXPECT_EQ(ColourFillOn(host, bad, 0, 0, 3) + ClearFillOn(host, bad, page.data()), 0);
    EXPECT_EQ(ClearFillOn(host, {page.data(), 4, 4}, nullptr), 0);
    for (int nColour : {0, 256})
        EXPECT_EQ(ColourFillOn(host, {page.data(), 4, 4}, 0, 0, nColour) +
                      FloodColour({page.data(), 4, 4}, 0, 0, nColour),
                  0);
    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ(page, std::vector<uint8_t>(16, PIXEL_BLANK));
    EXPECT_EQ(FloodColour({page.data(), 4, 4}, 0, 0, 255), 17); // the last colour there is
    std::vector<uint8_t> fresh(16, PIXEL_BLANK);
    EXPECT_EQ(ColourFillOn(host, {fresh.data(), 4, 4}, 0, 0, 255), 17);
}

TEST(ColourFill, DrawsAFrameEvery2501EntriesWithTheLoopAfter450ms) {
    const int W = 200, H = 100, X = 60, Y = 40;
    std::vector<uint8_t> page(W * H, PIXEL_BLANK);
    FakeHost host;
    host.dwTickStep = 90;
    host.nCallsPerStep = 3;
    const long nEntries = ColourFillOn(host, {page.data(), W, H}, X, Y, 8);
    EXPECT_EQ(nEntries, W * H + 1);
    const std::vector<FakeHost::Event> draws = host.Kind('D'), loops = host.Kind('L');
    ASSERT_EQ(draws.size(), size_t(nEntries / 2501 + 1));
    for (size_t i = 0; i + 1 < draws.size(); i++) { // after entry 2501 (i + 1), before its pump
        EXPECT_EQ(draws[i].nPumps, 2501 * long(i + 1) - 1);
        EXPECT_EQ(draws[i].dwTick, 1090 + 90 * i) << "each frame waits for a tick of its own";
    }
    EXPECT_EQ(host.nPumps, nEntries); // one message handled per entry while they keep coming
    ASSERT_EQ(host.events[0].cKind, 'O');
    EXPECT_GE(host.events[0].nArg, IDW_FILL_FIRST);
    EXPECT_LE(host.events[0].nArg, IDW_FILL_LAST);
    ASSERT_EQ(loops.size(), 1u);
    EXPECT_EQ(loops[0].nArg, IDW_FILL_LOOP);
    EXPECT_EQ(loops[0].nPumps, draws[5].nPumps); // at 1540: 1450 is not yet later than 450 ms
    EXPECT_EQ(host.events.back().cKind, 'S');

    std::vector<uint8_t> lone(9, 0); // a pixel walled in stays as it is, but the fill is heard
    lone[4] = PIXEL_BLANK;
    FakeHost quick;
    ColourFillOn(quick, {lone.data(), 3, 3}, 1, 1, 9);
    EXPECT_EQ(lone[4], PIXEL_BLANK);
    EXPECT_EQ(std::string({quick.events[0].cKind, quick.events.back().cKind}), "OD");
}

TEST(ColourFill, FramesArePacedBy64StepsASecondOfASteadyCounter) {
    const int64_t nMHz10 = 10000000;
    // Each step starts at its whole millisecond: 0, 15, 31, 46, 62 ... 1000 after 64 steps.
    for (int64_t nStep : {0, 1, 2, 3, 63, 64, 29})
        for (int64_t nInto : {int64_t(0), nMHz10 / 64 - 1}) {
            int64_t nCounts = nStep * nMHz10 / 64 + nInto;
            EXPECT_EQ(ClockStepMs(nCounts, nMHz10), uint32_t(nStep * 1000 / 64)) << nCounts;
        }
    // A year's counting at 3 GHz neither overflows nor drifts: it wraps as the tick count does.
    const int64_t nGHz3 = 3000000000, nYear = 365LL * 86400;
    EXPECT_EQ(ClockStepMs(nYear * nGHz3 + nGHz3 / 2, nGHz3), uint32_t(nYear * 1000 + 500));
    EXPECT_EQ(ClockStepMs(-1, nGHz3), 0u);
    EXPECT_EQ(ClockStepMs(5, 0), 0u);
}

TEST(ColourFill, LooksForMessagesAtMostOnceAMillisecondWhileNoneCome) {
    std::vector<uint8_t> page(100 * 100, PIXEL_BLANK);
    FakeHost host;
    host.nWaiting = 10;
    ColourFillOn(host, {page.data(), 100, 100}, 0, 0, 8);
    EXPECT_EQ(host.nPumps, 11); // the waiting ten, one look that found none; the clock stood
    FakeHost ticking;
    ticking.nWaiting = 0;
    ticking.dwMicroStep = 1; // a microsecond a reading
    ColourFillOn(ticking, {page.data(), 100, 100}, 0, 0, 9);
    EXPECT_GT(ticking.nPumps, 2);
    EXPECT_EQ(ticking.dwPumpGap, 1001u); // a millisecond, and the reading that started it
}

TEST(ClearFill, BlanksAllButOutlinesInAWaveFromTheCentreWithItsOwnSounds) {
    std::mt19937 gen(3);
    for (auto [w, h] : {std::pair{90, 70}, {1, 5}, {7, 2}}) {
        std::vector<uint8_t> page(w * h), outlines(w * h), marks(w * h);
        for (size_t i = 0; i < page.size(); i++) {
            page[i] = gen() % 3 == 0 ? 0 : gen() % 256;
            outlines[i] = page[i] == 0 ? 0 : PIXEL_BLANK;
        }
        FakeHost host;
        host.dwTickStep = 100;
        std::vector<int> reach; // how far from the centre each frame has reached
        host.onDraw = [&, w = w, h = h] {
            int d = 0;
            for (int y = 0; y < h; y++)
                for (int x = 0; x < w; x++)
                    if (marks[Index(w, h, x, y)] == PIXEL_BLANK)
                        d = std::max(d, std::abs(x - w / 2) + std::abs(y - h / 2));
            reach.push_back(d);
        };
        EXPECT_EQ(ClearFillOn(host, {page.data(), w, h}, marks.data()), long(w) * h + 1);
        EXPECT_EQ(page, outlines);
        EXPECT_EQ(host.nPumps, long(reach.size() - 1)); // one message a frame
        for (size_t i = 0; i < reach.size(); i++)       // six diagonals a frame, the first one more
            EXPECT_EQ(reach[i], std::min(7 + 6 * int(i), w / 2 + h / 2)) << "frame " << i;
        EXPECT_EQ(host.events.front().nArg, IDW_CLEAR);
        if (w == 90) {
            ASSERT_EQ(host.Kind('L').size(), 1u);
            EXPECT_EQ(host.Kind('L')[0].nArg, IDW_CLEAR_LOOP);
            EXPECT_EQ(host.Kind('L')[0].dwTick, 1500u);
            EXPECT_EQ(host.events.back().cKind, 'S');
        }
    }
}

int nBlocksLeft;
struct ScarceMemory { // restores the real allocator however the test ends
    explicit ScarceMemory(int nBlocks) {
        nBlocksLeft = nBlocks;
        lpfnQueueAlloc = [](size_t cb) { return nBlocksLeft-- > 0 ? std::malloc(cb) : nullptr; };
    }
    ~ScarceMemory() { lpfnQueueAlloc = std::malloc; }
};

TEST(PointQueue, HoldsBlocksOf1024InOrderAndFillsFinishAsFreedNodesComeBack) {
    ScarceMemory memory(1);
    PointQueue queue(-1, -2);
    for (int i = 0; i < 1023; i++)
        ASSERT_TRUE(queue.Push(i, 2 * i));
    EXPECT_FALSE(queue.Push(0, 0));
    for (int i = -1; i < 1023; i++, queue.Pop())
        ASSERT_EQ(std::pair(queue.Front().x, queue.Front().y), std::pair(i, 2 * i));
    EXPECT_TRUE(queue.IsEmpty());
    queue.Pop(); // harmless on an empty queue

    const int N = 1000; // a front far wider than the one block of nodes allowed
    std::vector<uint8_t> page(N * N, PIXEL_BLANK), marks(N * N);
    FakeHost host;
    ScarceMemory one(1);
    ColourFillOn(host, {page.data(), N, N}, N / 2, N / 2, 17);
    EXPECT_EQ(page, std::vector<uint8_t>(page.size(), 17));
    ScarceMemory none(0); // not even the seed: the page stays as it was
    EXPECT_EQ(ClearFillOn(host, {page.data(), N, N}, marks.data()), 0);
    EXPECT_EQ(host.events.back().cKind, 'D');
    EXPECT_EQ(page, std::vector<uint8_t>(page.size(), 17));
}

} // namespace
