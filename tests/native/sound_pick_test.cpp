// The random generator and the choice of a fill's start sound without repeats.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "pages/rng.h"
#include "pages/sound.h"

namespace {

uint32_t dwClock;
int nClockCalls;

class SoundPick : public testing::Test {
  protected:
    void SetUp() override {
        lpfnRngClock = [] { return nClockCalls++, dwClock; };
        std::memset(SoundUsed, 0, sizeof(SoundUsed));
    }
    void TearDown() override { lpfnRngClock = lpfnSaved; }
    uint32_t (*lpfnSaved)() = lpfnRngClock;
    // Seeds the generator with dwSeed and returns the sounds it will draw next from it.
    std::vector<int> Seed(uint32_t dwSeed, int nDraws = 0) {
        std::vector<int> draws;
        for (int nPass = 0; nPass < 2; nPass++, nClockCalls = 0) {
            dwClock = dwSeed;
            Rng.Reseed();
            for (int i = 0; i < nDraws && nPass == 0; i++)
                draws.push_back(Rng.Next(IDW_FILL_FIRST, IDW_FILL_LAST));
        }
        return draws;
    }
};

TEST_F(SoundPick, GeneratorDrawsItsSequenceAndReseedsFromTheClockAfter1000Draws) {
    Seed(1);
    EXPECT_EQ(Rng.Next(0, 32766), 41);
    EXPECT_EQ(Rng.Next(0, 32766), 18467);
    Seed(1); // from 32767 up, two draws: the first gives the high bits
    EXPECT_EQ(Rng.Next(0, (1 << 30) - 1), 41 << 15 | 18467);
    Seed(1);
    EXPECT_EQ(Rng.Next(0, 32767), 18467);
    EXPECT_EQ(Rng.Next(5, 4), 5);
    const int nFirst = Seed(777, 1)[0];
    std::set<int> seen;
    for (int i = 0; i < 1000; i++)
        seen.insert(Rng.Next(1, 34));
    EXPECT_EQ(seen.size(), 34u);
    EXPECT_EQ(*seen.begin() + *seen.rbegin(), 35);
    EXPECT_EQ(nClockCalls, 0);
    EXPECT_EQ(Rng.Next(1, 34), nFirst); // the clock still says 777
    EXPECT_EQ(nClockCalls, 1);
}

TEST_F(SoundPick, EachSoundPlaysOnceACycleAndATakenPickMovesUpWrapping) {
    for (uint32_t dwSeed : {0u, 99u, 4000000000u}) {
        std::memset(SoundUsed, 0, sizeof(SoundUsed));
        Seed(dwSeed);
        std::set<int> played;
        for (int i = 0; i < 34; i++)
            played.insert(PickFillSound(-5, 1000)); // ids beyond the table are never picked
        EXPECT_EQ(played.size(), 34u);
        EXPECT_EQ(*played.begin() + *played.rbegin(), 35);
    }
    uint32_t dwSeed = 0;
    while (Seed(dwSeed, 1)[0] != 33)
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
        const std::vector<int> draws = Seed(dwSeed, 8);
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
