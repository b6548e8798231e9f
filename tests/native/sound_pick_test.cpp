// The random generator and the choice of a fill's start sound without repeats.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "pages/rng.h"
#include "pages/sound.h"

namespace {

uint32_t dwClock;
int nClockCalls;
uint32_t FakeClock() {
    nClockCalls++;
    return dwClock;
}

// The generator written out on its own: state x 214013 + 2531011, bits 16..30.
struct RefGen {
    uint32_t dwState;
    int Raw() { return ((dwState = dwState * 214013u + 2531011u) >> 16) & 0x7fff; }
    int Sound() { return Raw() % 34 + 1; }
};

class SoundPick : public testing::Test {
  protected:
    void SetUp() override {
        lpfnSaved = lpfnRngClock;
        lpfnRngClock = FakeClock;
        std::memset(SoundUsed, 0, sizeof(SoundUsed));
    }
    void TearDown() override {
        lpfnRngClock = lpfnSaved;
        Rng.Reseed();
        std::memset(SoundUsed, 0, sizeof(SoundUsed));
    }
    void Seed(uint32_t dwSeed) {
        dwClock = dwSeed;
        Rng.Reseed();
    }
    uint32_t (*lpfnSaved)();
};

TEST_F(SoundPick, GeneratorDrawsItsSequenceAndReseedsFromTheClockAfter1000Draws) {
    Seed(1);
    EXPECT_EQ(Rng.Next(0, 32766), 41);
    EXPECT_EQ(Rng.Next(0, 32766), 18467);
    Seed(1); // from 32767 up, two draws: the first gives the high bits
    EXPECT_EQ(Rng.Next(0, (1 << 30) - 1), 41 << 15 | 18467);

    Seed(12345);
    RefGen ref = {12345};
    nClockCalls = 0;
    for (int i = 0; i < 1000; i++)
        ASSERT_EQ(Rng.Next(1, 34), ref.Sound());
    EXPECT_EQ(nClockCalls, 0);
    dwClock = 777;
    EXPECT_EQ(Rng.Next(1, 34), RefGen{777}.Sound());
    EXPECT_EQ(nClockCalls, 1);
    for (int i = 0; i < 5000; i++) {
        int n = Rng.Next(1, 34);
        ASSERT_TRUE(n >= 1 && n <= 34) << n;
    }
}

TEST_F(SoundPick, EachSoundPlaysOnceACycleAndTheNextCycleStartsFresh) {
    for (uint32_t dwSeed : {0u, 99u, 4000000000u}) {
        std::memset(SoundUsed, 0, sizeof(SoundUsed));
        Seed(dwSeed);
        std::set<int> played;
        for (int i = 0; i < 34; i++)
            played.insert(PickFillSound(1, 34));
        EXPECT_EQ(played.size(), 34u);
        EXPECT_EQ(*played.begin(), 1);
        EXPECT_EQ(*played.rbegin(), 34);
        int n = PickFillSound(1, 34);
        for (int k = 1; k <= 34; k++)
            EXPECT_EQ(SoundUsed[k], k == n) << k;
    }
    for (int i = 0; i < 100; i++) { // ids beyond the table are never flagged or returned
        int n = PickFillSound(-5, 1000);
        ASSERT_TRUE(n >= 1 && n <= 34);
    }
}

TEST_F(SoundPick, ATakenPickMovesUpWrappingAndANewCycleAvoidsTheClosingDraw) {
    uint32_t dwSeed = 0;
    while (RefGen{dwSeed}.Sound() != 33)
        dwSeed++;
    SoundUsed[33] = SoundUsed[34] = SoundUsed[1] = 1;
    Seed(dwSeed);
    EXPECT_EQ(PickFillSound(1, 34), 2);

    int nRedraws = 0;
    for (dwSeed = 0; dwSeed < 400; dwSeed++) {
        for (int k = 1; k <= 34; k++)
            SoundUsed[k] = 1;
        RefGen ref = {dwSeed};
        int nFirst = ref.Sound(), nExpected;
        while ((nExpected = ref.Sound()) == nFirst)
            nRedraws++;
        Seed(dwSeed);
        ASSERT_EQ(PickFillSound(1, 34), nExpected) << dwSeed;
        for (int k = 1; k <= 34; k++)
            ASSERT_EQ(SoundUsed[k], k == nExpected);
    }
    EXPECT_GT(nRedraws, 0); // some seeds did draw the same sound twice
}

} // namespace
