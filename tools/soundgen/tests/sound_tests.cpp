// The sound effects as the program will play them: the file format, levels that are heard but
// never clip, and one-shots that start and end in silence.
#include "effects.h"
#include "synth.h"
#include "wave_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

uint32_t Le(const std::vector<uint8_t>& b, size_t i, int cb) {
    uint32_t dw = 0;
    while (cb--)
        dw = dw << 8 | b[i + cb];
    return dw;
}

int Peak(std::vector<int16_t>::const_iterator first, std::vector<int16_t>::const_iterator last) {
    int nPeak = 0;
    for (; first != last; ++first)
        nPeak = std::max(nPeak, std::abs(int(*first)));
    return nPeak;
}

TEST(SoundEffects, AreMono16BitFilesHeardButNeverClippedThatEndInSilence) {
    for (int n = 1; n <= SOUND_COUNT; n++) {
        SCOPED_TRACE("sound " + std::to_string(n));
        const std::vector<int16_t> v = MakeSound(n);
        const std::vector<uint8_t> file = BuildWaveFile(v, SOUND_RATE);
        ASSERT_EQ(file.size(), 44 + 2 * v.size());
        EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "RIFF");
        EXPECT_EQ(std::string(file.begin() + 8, file.begin() + 16), "WAVEfmt ");
        EXPECT_EQ(std::string(file.begin() + 36, file.begin() + 40), "data");
        EXPECT_EQ(Le(file, 4, 4), file.size() - 8);
        const std::vector<uint32_t> fmt = {Le(file, 16, 4), Le(file, 20, 2), Le(file, 22, 2),
                                           Le(file, 24, 4), Le(file, 28, 4), Le(file, 32, 2),
                                           Le(file, 34, 2), Le(file, 40, 4)};
        EXPECT_EQ(fmt,
                  (std::vector<uint32_t>{16, 1, 1, 22050, 44100, 2, 16, 2 * uint32_t(v.size())}));
        EXPECT_EQ(std::memcmp(file.data() + 44, v.data(), 2 * v.size()), 0);
        EXPECT_LT(Peak(v.begin(), v.end()), 29000); // at least 1 dB of headroom
        EXPECT_GT(Peak(v.begin(), v.end()), 6000);
        if (n == FILL_LOOP_SOUND || n == CLEAR_LOOP_SOUND) {
            int nMaxStep = 0; // the seam is no steeper than the loop itself
            for (size_t i = 0; i + 1 < v.size(); i++)
                nMaxStep = std::max(nMaxStep, std::abs(v[i + 1] - v[i]));
            EXPECT_LE(std::abs(v.front() - v.back()), nMaxStep);
            continue;
        }
        EXPECT_LE(std::abs(v.front()), 30);
        EXPECT_LT(Peak(v.end() - 44, v.end()), 600); // faded out over the last 2 ms
    }
    EXPECT_TRUE(MakeSound(0).empty());
    EXPECT_TRUE(MakeSound(SOUND_COUNT + 1).empty());
}

// A child hears a different note for each fill, none much louder than the rest, each over before
// the fill's loop would take over (450 ms).
TEST(SoundEffects, FillSoundsAreDistinctEvenlyLoudAndOverBeforeTheLoop) {
    std::vector<double> vRms;
    for (int a = FIRST_FILL_SOUND; a <= LAST_FILL_SOUND; a++) {
        const std::vector<int16_t> va = MakeSound(a);
        EXPECT_LE(va.size(), SOUND_RATE * 470u / 1000) << "sound " << a;
        double dAA = 0;
        for (int16_t s : va)
            dAA += double(s) * s;
        vRms.push_back(std::sqrt(dAA / va.size()));
        for (int b = a + 1; b <= LAST_FILL_SOUND; b++) {
            const std::vector<int16_t> vb = MakeSound(b);
            double dAB = 0, dA2 = 0, dB2 = 0;
            for (size_t i = 0; i < std::min(va.size(), vb.size()); i++)
                dAB += double(va[i]) * vb[i], dA2 += double(va[i]) * va[i],
                    dB2 += double(vb[i]) * vb[i];
            EXPECT_LT(dAB / std::sqrt(dA2 * dB2), 0.9) << "sounds " << a << " and " << b;
        }
    }
    std::vector<double> vSorted = vRms;
    std::sort(vSorted.begin(), vSorted.end());
    for (double d : vRms)
        EXPECT_TRUE(d > vSorted[vSorted.size() / 2] / 2.5 && d < vSorted[vSorted.size() / 2] * 2.5);
}

} // namespace
