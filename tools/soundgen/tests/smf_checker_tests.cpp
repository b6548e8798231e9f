// The song checker itself must refuse broken files, or the song tests would prove nothing.
#include "smf_checker.h"
#include "song.h"

#include <gtest/gtest.h>

namespace {

bool Accepts(const std::vector<uint8_t>& v) {
    SmfSummary summary;
    std::string strError;
    return CheckSmf(v, summary, strError);
}

std::vector<uint8_t> RealSong() {
    std::string strError;
    return BuildSong(strError);
}

} // namespace

TEST(SmfChecker, RefusesDamagedCopiesOfTheSong) {
    const std::vector<uint8_t> vGood = RealSong();
    ASSERT_TRUE(Accepts(vGood));

    std::vector<uint8_t> v = vGood;
    v.pop_back(); // last end-of-track loses its length byte
    EXPECT_FALSE(Accepts(v));

    v = vGood;
    v.push_back(0); // a stray byte after the last track
    EXPECT_FALSE(Accepts(v));

    v = vGood;
    v[7] = 7; // header length
    EXPECT_FALSE(Accepts(v));

    v = vGood;
    v[12] |= 0x80; // SMPTE division
    EXPECT_FALSE(Accepts(v));

    v = vGood;
    v[14] = 'X'; // first track id
    EXPECT_FALSE(Accepts(v));

    v = vGood;
    v[21] += 1; // first track claims one byte more than it has
    EXPECT_FALSE(Accepts(v));
}

TEST(SmfChecker, RefusesBadEventsInsideATrack) {
    auto Track = [](std::vector<uint8_t> vData) {
        std::vector<uint8_t> v = {
            'M', 'T', 'h',  'd', 0,   0,   0,   6, 0, 1, 0,
            1,   1,   0xE0, 'M', 'T', 'r', 'k', 0, 0, 0, static_cast<uint8_t>(vData.size())};
        for (uint8_t b : vData)
            v.push_back(b);
        return v;
    };
    EXPECT_TRUE(Accepts(Track({0, 0x90, 60, 90, 10, 60, 0, 0, 0xFF, 0x2F, 0})));
    EXPECT_FALSE(Accepts(Track({0, 0x90, 60, 0, 0, 0xFF, 0x2F, 0})));            // off before on
    EXPECT_FALSE(Accepts(Track({0, 0x90, 60, 0x90, 0, 0xFF, 0x2F, 0})));         // status as data
    EXPECT_FALSE(Accepts(Track({0, 0xF4, 0, 0xFF, 0x2F, 0})));                   // undefined status
    EXPECT_FALSE(Accepts(Track({0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0x2F, 0}))); // over 2^30
    EXPECT_FALSE(Accepts(Track({0, 0xFF, 0x51, 2, 7, 0xA1, 0, 0xFF, 0x2F, 0}))); // short tempo
    EXPECT_FALSE(Accepts(Track({0, 0x90, 60, 90})));                             // no end-of-track
}
