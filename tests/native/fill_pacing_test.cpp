// How the fills unfold: frames, the tick count, the message pump and the sounds.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>

#include "fill_fake_host.h"
#include "pages/sound.h"

using namespace filltest;

namespace {

// The colour fill breadth-first with a std::deque, neighbours above, below, left, right,
// stopped after nEntries queue entries.
TestPage ReferenceAfter(TestPage page, int x, int y, uint8_t bColour, long nEntries) {
    std::deque<std::pair<int, int>> queue = {{x, y}};
    for (long n = 0; n < nEntries && !queue.empty(); n++) {
        auto [qx, qy] = queue.front();
        for (auto [nx, ny] : {std::pair{qx, qy - 1}, {qx, qy + 1}, {qx - 1, qy}, {qx + 1, qy}}) {
            if (nx < 0 || ny < 0 || nx >= page.nWidth || ny >= page.nHeight)
                continue;
            uint8_t& b = page.At(nx, ny);
            if (b != 0 && b != bColour) {
                queue.push_back({nx, ny});
                b = bColour;
            }
        }
        queue.pop_front();
    }
    return page;
}

TestPage ScatteredOutlines(int w, int h) {
    std::mt19937 gen(11);
    TestPage page(w, h);
    for (uint8_t& b : page.bits)
        b = gen() % 100 < 15 ? PIXEL_OUTLINE : PIXEL_BLANK;
    page.At(w / 2, h / 2) = PIXEL_BLANK;
    return page;
}

TEST(ColourFillPacing, ASmallFillPlaysItsStartSoundAndDrawsOnlyAtTheEnd) {
    TestPage page(40, 40); // 1601 queue entries
    FakeFillHost host;
    ColourFillOn(host, page.Bits(), 3, 3, 8);
    ASSERT_EQ(host.events.size(), 2u);
    EXPECT_EQ(host.events[0].cKind, 'O');
    EXPECT_GE(host.events[0].nArg, IDW_FILL_FIRST);
    EXPECT_LE(host.events[0].nArg, IDW_FILL_LAST);
    EXPECT_EQ(host.events[1].cKind, 'D');
}

TEST(ColourFillPacing, DrawsAFrameEvery2501EntriesInBreadthFirstOrder) {
    TestPage page = ScatteredOutlines(150, 90), start = page;
    FakeFillHost host;
    host.nCallsPerStep = 3; // the tick count moves on only now and then
    std::vector<TestPage> frames;
    host.onDraw = [&] { frames.push_back(page); };
    long nEntries = ColourFillOn(host, page.Bits(), 75, 45, 8);
    ASSERT_GT(nEntries, 4 * 2501);
    std::vector<FillEvent> draws = host.Kind('D');
    ASSERT_EQ(draws.size(), size_t(nEntries / 2501 + 1));
    for (size_t i = 0; i + 1 < draws.size(); i++) {
        // Drawn right after entry 2501 (i + 1), before that entry's pump.
        EXPECT_EQ(draws[i].nPumps, 2501 * long(i + 1) - 1);
        EXPECT_EQ(frames[i].bits, ReferenceAfter(start, 75, 45, 8, 2501 * (i + 1)).bits);
        if (i > 0) { // each frame waited for a tick of its own
            EXPECT_GT(draws[i].dwTick, draws[i - 1].dwTick);
        }
    }
    EXPECT_EQ(host.nPumps, nEntries);    // one message handled per entry while they keep coming
    EXPECT_TRUE(host.Kind('L').empty()); // one tick a frame: never past 450 ms
}

TEST(ColourFillPacing, LoopsSound35FromTheFirstFrameAfter450msAndStopsItAtTheEnd) {
    TestPage page(200, 100); // 8 frames
    FakeFillHost host;
    host.dwTickStep = 100;
    ColourFillOn(host, page.Bits(), 0, 0, 8);
    std::vector<FillEvent> loops = host.Kind('L'), draws = host.Kind('D');
    ASSERT_EQ(loops.size(), 1u);
    EXPECT_EQ(loops[0].nArg, IDW_FILL_LOOP);
    EXPECT_EQ(loops[0].dwTick, 1500u); // started at 1000; 1400 is too early, 1500 is later
    EXPECT_EQ(loops[0].nPumps, draws[4].nPumps);
    EXPECT_EQ(host.events.back().cKind, 'S');
    EXPECT_EQ(host.events[host.events.size() - 2].cKind, 'D');
}

TEST(ColourFillPacing, LooksForMessagesAtMostOnceAMillisecondWhileNoneCome) {
    TestPage page(100, 100);
    FakeFillHost host;
    host.nWaiting = 10;
    ColourFillOn(host, page.Bits(), 0, 0, 8);
    EXPECT_EQ(host.nPumps, 11); // the waiting ten, one look that found none; the clock stood

    FakeFillHost ticking;
    ticking.nWaiting = 0;
    ticking.dwMicroStep = 3;
    ColourFillOn(ticking, page.Bits(), 0, 0, 9);
    ASSERT_GT(ticking.nPumps, 2);
    for (size_t i = 1; i < ticking.pumpMicros.size(); i++)
        EXPECT_GE(ticking.pumpMicros[i] - ticking.pumpMicros[i - 1], 1000u);
}

TEST(ClearFillPacing, WidensTheWaveSixDiagonalsAFrameWithItsOwnSounds) {
    TestPage page = ScatteredOutlines(90, 70);
    std::vector<uint8_t> marks(page.bits.size());
    FakeFillHost host;
    host.dwTickStep = 100;
    std::vector<long> visitedAtFrame;
    host.onDraw = [&] {
        visitedAtFrame.push_back(std::count(marks.begin(), marks.end(), PIXEL_BLANK));
    };
    ClearFillOn(host, page.Bits(), marks.data());

    // Replay the wave: a frame ends after the first entry with x + y >= mark + 6, and
    // what it shows is every position queued so far (the seed only once it comes back).
    std::deque<std::pair<int, int>> queue = {{45, 35}};
    std::vector<char> seen(marks.size());
    std::vector<long> frameEnds;
    long nQueued = 0;
    int nMark = 45 + 35;
    while (!queue.empty()) {
        auto [x, y] = queue.front();
        for (auto [nx, ny] : {std::pair{x, y - 1}, {x, y + 1}, {x - 1, y}, {x + 1, y}}) {
            if (nx >= 0 && ny >= 0 && nx < 90 && ny < 70 && !seen[nx + 90 * ny]++) {
                queue.push_back({nx, ny});
                nQueued++;
            }
        }
        queue.pop_front();
        if (x + y >= nMark + 6 || queue.empty()) {
            frameEnds.push_back(nQueued);
            nMark = x + y;
        }
    }
    ASSERT_EQ(visitedAtFrame.size(), frameEnds.size() + 1);
    visitedAtFrame.pop_back(); // the closing picture
    EXPECT_EQ(visitedAtFrame, frameEnds);
    EXPECT_EQ(host.nPumps, long(frameEnds.size())); // one message a frame
    ASSERT_EQ(host.Kind('L').size(), 1u);
    EXPECT_EQ(host.events.front().nArg, IDW_CLEAR);
    EXPECT_EQ(host.Kind('L')[0].nArg, IDW_CLEAR_LOOP);
    EXPECT_EQ(host.Kind('L')[0].dwTick, 1500u);
    EXPECT_EQ(host.events.back().cKind, 'S');
}

} // namespace
