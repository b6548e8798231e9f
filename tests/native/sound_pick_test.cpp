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

class SoundPick : public testing::Test {
  protected:
    void SetUp() override {
        lpfnRngClock = FakeClock;
        std::memset(SoundUsed, 0, sizeof(SoundUsed));
    }
    void TearDown() override { SetUp(); }
    void Seed(uint32_t dwSeed) {
        dwClock = dwSeed;
        Rng.Reseed();
        nClockCalls = 0;
    }
    // The sounds the generator draws next from this seed.
    std::vector<int> Draws(uint32_t dwSeed, int n) {
        Seed(dwSeed);
        std::vector<int> v;
        while (n--)
            v.push_back(Rng.Next(IDW_FILL_FIRST, IDW_FILL_LAST));
        Seed(dwSeed);
        return v;
    }
};

TEST_F(SoundPick, GeneratorDrawsItsSequenceAndReseedsFromTheClockAfter1000Draws) {
    Seed(1);
    EXPECT_EQ(Rng.Next(0, 32766), 41);
    EXPECT_EQ(Rng.Next(0, 32766), 18467);
    Seed(1); // from 32767 up, two draws: the first gives the high bits
    EXPECT_EQ(Rng.Next(0, (1 << 30) - 1), 41 << 15 | 18467);
    EXPECT_EQ(Rng.Next(5, 4), 5);

    const std::vector<int> first = Draws(777, 1);
    Seed(12345);
    for (int i = 0; i < 1000; i++)
        Rng.Next(1, 34);
    EXPECT_EQ(nClockCalls, 0);
    dwClock = 777;
    EXPECT_EQ(Rng.Next(1, 34), first[0]);
    EXPECT_EQ(nClockCalls, 1);
    std::set<int> seen;
    for (int i = 0; i < 5000; i++)
        seen.insert(Rng.Next(1, 34));
    EXPECT_EQ(seen.size(), 34u);
    EXPECT_EQ(*seen.begin(), 1);
    EXPECT_EQ(*seen.rbegin(), 34);
}

TEST_F(SoundPick, EachSoundPlaysOnceACycleAndATakenPickMovesUpWrapping) {
    for (uint32_t dwSeed : {0u, 99u, 4000000000u}) {
        std::memset(SoundUsed, 0, sizeof(SoundUsed));
        Seed(dwSeed);
        std::set<int> played;
        for (int i = 0; i < 34; i++)
            played.insert(PickFillSound(-5, 1000)); // ids beyond the table are never picked
        EXPECT_EQ(played.size(), 34u);
        EXPECT_EQ(*played.begin(), 1);
        EXPECT_EQ(*played.rbegin(), 34);
    }
    uint32_t dwSeed = 0;
    while (Draws(dwSeed, 1)[0] != 33)
        dwSeed++;
    std::memset(SoundUsed, 0, sizeof(SoundUsed));
    SoundUsed[33] = SoundUsed[34] = SoundUsed[1] = 1;
    EXPECT_EQ(PickFillSound(1, 34), 2);
    for (int k = 1; k <= 34; k++)
        EXPECT_EQ(SoundUsed[k], k <= 2 || k >= 33) << k;
}

TEST_F(SoundPick, ANewCycleNeverOpensWithTheSoundThatClosedTheLast) {
    int nRedraws = 0;
    for (uint32_t dwSeed = 0; dwSeed < 400; dwSeed++) {
        const std::vector<int> draws = Draws(dwSeed, 8);
        size_t i = 1;
        while (draws[i] == draws[0])
            i++;
        nRedraws += i > 1;
        for (int k = 1; k <= 34; k++)
            SoundUsed[k] = 1;
        ASSERT_EQ(PickFillSound(1, 34), draws[i]) << dwSeed;
        for (int k = 1; k <= 34; k++)
            ASSERT_EQ(SoundUsed[k], k == draws[i]);
    }
    EXPECT_GT(nRedraws, 0); // some seeds did draw the same sound twice
}

} // namespace
