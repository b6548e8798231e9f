// The sound effects as the program will load them: format, lengths, levels, ends and loops.
#include "effects.h"
#include "synth.h"
#include "wave_file.h"
#include "wave_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Every sound read back through the test's own WAVE reader, index = sound number.
const std::vector<WaveInfo>& AllSounds() {
    static std::vector<WaveInfo> vSounds = [] {
        std::vector<WaveInfo> v(SOUND_COUNT + 1);
        for (int n = 1; n <= SOUND_COUNT; n++) {
            std::string strError;
            EXPECT_TRUE(ReadWave(BuildWaveFile(MakeSound(n), SOUND_RATE), v[n], strError))
                << "sound " << n << ": " << strError;
        }
        return v;
    }();
    return vSounds;
}

double Seconds(const WaveInfo& info) {
    return static_cast<double>(info.vSamples.size()) / info.nRate;
}

int Peak(const std::vector<int16_t>& v) {
    int nPeak = 0;
    for (int16_t s : v)
        nPeak = std::max(nPeak, std::abs(static_cast<int>(s)));
    return nPeak;
}

double Rms(const std::vector<int16_t>& v, size_t nCount) {
    nCount = std::min(nCount, v.size());
    double d = 0;
    for (size_t i = 0; i < nCount; i++)
        d += static_cast<double>(v[i]) * v[i];
    return std::sqrt(d / static_cast<double>(nCount));
}

bool IsLoop(int n) {
    return n == FILL_LOOP_SOUND || n == CLEAR_LOOP_SOUND;
}

} // namespace

TEST(SoundEffects, EveryFileIsMono16BitPcmAt22050) {
    for (int n = 1; n <= SOUND_COUNT; n++) {
        SCOPED_TRACE("sound " + std::to_string(n));
        const WaveInfo& info = AllSounds()[n];
        EXPECT_EQ(info.nFormat, 1);
        EXPECT_EQ(info.nChannels, 1);
        EXPECT_EQ(info.nRate, 22050);
        EXPECT_EQ(info.nBits, 16);
        EXPECT_EQ(info.nBlockAlign, 2);
        EXPECT_EQ(info.nByteRate, 44100);
    }
    EXPECT_TRUE(MakeSound(0).empty());
    EXPECT_TRUE(MakeSound(SOUND_COUNT + 1).empty());
}

TEST(SoundEffects, LengthsSuitTheirUse) {
    for (int n = FIRST_FILL_SOUND; n <= LAST_FILL_SOUND; n++) {
        SCOPED_TRACE("sound " + std::to_string(n));
        EXPECT_GE(Seconds(AllSounds()[n]), 0.42);
        EXPECT_LE(Seconds(AllSounds()[n]), 0.47);
    }
    EXPECT_NEAR(Seconds(AllSounds()[FILL_LOOP_SOUND]), 0.05, 0.001);
    EXPECT_NEAR(Seconds(AllSounds()[CLEAR_LOOP_SOUND]), 0.05, 0.001);
    EXPECT_NEAR(Seconds(AllSounds()[CLEAR_SOUND]), 0.41, 0.002);
    EXPECT_NEAR(Seconds(AllSounds()[CLICK_SOUND]), 0.10, 0.002);
}

TEST(SoundEffects, LevelsStayClearOfFullScaleAndAreHeard) {
    for (int n = 1; n <= SOUND_COUNT; n++) {
        SCOPED_TRACE("sound " + std::to_string(n));
        const int nPeak = Peak(AllSounds()[n].vSamples);
        EXPECT_LT(nPeak, 29000); // at least 1 dB of headroom
        EXPECT_GT(nPeak, 6000);
    }
}

TEST(SoundEffects, OneShotsStartAndEndInSilence) {
    for (int n = 1; n <= SOUND_COUNT; n++) {
        if (IsLoop(n))
            continue;
        SCOPED_TRACE("sound " + std::to_string(n));
        const std::vector<int16_t>& v = AllSounds()[n].vSamples;
        EXPECT_LE(std::abs(v.front()), 30);
        EXPECT_LE(std::abs(v.back()), 30);
        // The last 2 ms are already nearly faded out: no cut-off tail.
        EXPECT_LT(Peak(std::vector<int16_t>(v.end() - 44, v.end())), 600);
    }
}

TEST(SoundEffects, LoopsJoinWithoutAJump) {
    for (int n : {FILL_LOOP_SOUND, CLEAR_LOOP_SOUND}) {
        SCOPED_TRACE("sound " + std::to_string(n));
        std::vector<int> v(AllSounds()[n].vSamples.begin(), AllSounds()[n].vSamples.end());
        const size_t L = v.size();
        ASSERT_GT(L, 3u);
        // The largest step and bend inside the loop bound those across the seam.
        int nMaxStep = 0, nMaxBend = 0;
        for (size_t i = 0; i + 1 < L; i++) {
            nMaxStep = std::max(nMaxStep, std::abs(v[i + 1] - v[i]));
            if (i > 0)
                nMaxBend = std::max(nMaxBend, std::abs(v[i + 1] - 2 * v[i] + v[i - 1]));
        }
        EXPECT_LE(std::abs(v[0] - v[L - 1]), nMaxStep);
        EXPECT_LE(std::abs(v[0] - 2 * v[L - 1] + v[L - 2]), nMaxBend + 2);
        EXPECT_LE(std::abs(v[1] - 2 * v[0] + v[L - 1]), nMaxBend + 2);
        EXPECT_LE(std::abs(v[0]), 600); // starts near the middle, so the first play has no pop
    }
}

TEST(SoundEffects, FillSoundsAreDistinctAndEvenlyLoud) {
    std::vector<double> vRms;
    for (int a = FIRST_FILL_SOUND; a <= LAST_FILL_SOUND; a++) {
        const std::vector<int16_t>& va = AllSounds()[a].vSamples;
        vRms.push_back(Rms(va, 4410));
        for (int b = a + 1; b <= LAST_FILL_SOUND; b++) {
            const std::vector<int16_t>& vb = AllSounds()[b].vSamples;
            double dAB = 0, dAA = 0, dBB = 0;
            for (size_t i = 0; i < std::min(va.size(), vb.size()); i++) {
                dAB += static_cast<double>(va[i]) * vb[i];
                dAA += static_cast<double>(va[i]) * va[i];
                dBB += static_cast<double>(vb[i]) * vb[i];
            }
            EXPECT_LT(dAB / std::sqrt(dAA * dBB), 0.9) << "sounds " << a << " and " << b;
        }
    }
    std::vector<double> vSorted = vRms;
    std::sort(vSorted.begin(), vSorted.end());
    const double dMedian = vSorted[vSorted.size() / 2];
    for (size_t i = 0; i < vRms.size(); i++) {
        EXPECT_GT(vRms[i], dMedian / 2.5) << "sound " << i + 1 << " is much quieter than the rest";
        EXPECT_LT(vRms[i], dMedian * 2.5) << "sound " << i + 1 << " is much louder than the rest";
    }
}
