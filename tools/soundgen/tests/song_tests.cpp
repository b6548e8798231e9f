// The background song: a file the program's loader accepts, long enough, and looping cleanly.
#include "midi_writer.h"
#include "smf_checker.h"
#include "song.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

struct CheckedSong {
    std::vector<uint8_t> vFile;
    SmfSummary summary;
    std::string strError;
    bool bValid = false;
};

const CheckedSong& Song() {
    static CheckedSong song = [] {
        CheckedSong s;
        std::string strBuild;
        s.vFile = BuildSong(strBuild);
        EXPECT_TRUE(strBuild.empty()) << strBuild;
        s.bValid = CheckSmf(s.vFile, s.summary, s.strError);
        return s;
    }();
    return song;
}

} // namespace

TEST(Song, FileFollowsTheLoaderRules) {
    ASSERT_TRUE(Song().bValid) << Song().strError;
    EXPECT_EQ(Song().summary.nFormat, 1);
    EXPECT_EQ(Song().summary.nDivision, SONG_DIVISION);
    EXPECT_GE(Song().summary.vTracks.size(), 4u);
    ASSERT_FALSE(Song().summary.vTempos.empty());
    EXPECT_EQ(Song().summary.vTempos[0].dwTick, 0u);
    for (const SmfTrackSummary& track : Song().summary.vTracks)
        EXPECT_EQ(track.nLongMeta, 0); // such lengths are read differently by other readers
}

TEST(Song, LastsMoreThanAMinute) {
    ASSERT_TRUE(Song().bValid) << Song().strError;
    const double dSeconds = SmfSeconds(Song().summary);
    EXPECT_GE(dSeconds, 60.0);
    EXPECT_LE(dSeconds, 240.0);
}

TEST(Song, EndsCleanlyForTheLoop) {
    ASSERT_TRUE(Song().bValid) << Song().strError;
    const uint32_t dwBar = SONG_BEATS_PER_BAR * SONG_DIVISION;
    const uint32_t dwEnd = Song().summary.vTracks[0].dwEndTick;
    EXPECT_EQ(dwEnd % dwBar, 0u);
    for (size_t i = 0; i < Song().summary.vTracks.size(); i++) {
        SCOPED_TRACE("track " + std::to_string(i));
        EXPECT_EQ(Song().summary.vTracks[i].dwEndTick, dwEnd); // one length, so no gap or cut
        EXPECT_EQ(Song().summary.vTracks[i].nHangingNotes, 0);
    }
}

TEST(Song, EveryInstrumentIsChosenAndDrumsUseChannel10) {
    ASSERT_TRUE(Song().bValid) << Song().strError;
    bool bDrums = false;
    for (size_t i = 1; i < Song().summary.vTracks.size(); i++) {
        SCOPED_TRACE("track " + std::to_string(i));
        const SmfTrackSummary& track = Song().summary.vTracks[i];
        EXPECT_GT(track.nNotesOn, 0);
        ASSERT_EQ(track.vChannels.size(), 1u); // one instrument per track
        if (track.vChannels[0] == 9)
            bDrums = true;
        else
            EXPECT_EQ(track.nProgramsAtStart, 1);
    }
    EXPECT_TRUE(bDrums);
}

TEST(Song, InstrumentsNeverRubASemitoneApartForLong) {
    ASSERT_TRUE(Song().bValid) << Song().strError;
    // Passing notes may brush against a chord; a held clash means a wrong note or chord.
    const uint32_t dwLong = SONG_DIVISION * 3 / 4;
    const std::vector<SmfNote>& v = Song().summary.vNotes;
    int nClashes = 0;
    for (size_t a = 0; a < v.size(); a++) {
        for (size_t b = a + 1; b < v.size(); b++) {
            if (v[a].nChannel == 9 || v[b].nChannel == 9 || v[a].nTrack == v[b].nTrack)
                continue;
            const uint32_t dwFrom = std::max(v[a].dwOn, v[b].dwOn);
            const uint32_t dwTo = std::min(v[a].dwOff, v[b].dwOff);
            const int nInterval = std::abs(v[a].nKey - v[b].nKey) % 12;
            if (dwTo > dwFrom && dwTo - dwFrom >= dwLong && (nInterval == 1 || nInterval == 11)) {
                ADD_FAILURE() << "keys " << v[a].nKey << " and " << v[b].nKey << " at tick "
                              << dwFrom;
                if (++nClashes > 10)
                    return;
            }
        }
    }
}

TEST(SongScore, TunesReadWithDottedNotesSharpsAndRests) {
    std::vector<ScoreNote> v;
    std::string strError;
    ASSERT_TRUE(ParseTune("F#5q. Bb4e rh | C4w", v, strError)) << strError;
    ASSERT_EQ(v.size(), 4u);
    EXPECT_EQ(v[0].nNote, 78);
    EXPECT_EQ(v[0].dwLength, 720u);
    EXPECT_EQ(v[1].nNote, 70);
    EXPECT_EQ(v[1].dwTick, 720u);
    EXPECT_EQ(v[2].nNote, -1);
    EXPECT_EQ(v[3].nNote, 60);
    EXPECT_EQ(v[3].dwTick, 1920u);
}

TEST(SongScore, BadTunesAreRefused) {
    for (const char* lpsz : {"C5q C5q C5q | C5w", "C5w | C5h", "H5w", "C5x C5h.", "C5"}) {
        std::vector<ScoreNote> v;
        std::string strError;
        EXPECT_FALSE(ParseTune(lpsz, v, strError)) << lpsz;
        EXPECT_FALSE(strError.empty());
    }
}

TEST(MidiWriter, VariableLengthQuantitiesUseSevenBitGroups) {
    const struct {
        uint32_t dw;
        std::vector<uint8_t> v;
    } aCases[] = {{0, {0x00}},
                  {0x7F, {0x7F}},
                  {0x80, {0x81, 0x00}},
                  {0x3FFF, {0xFF, 0x7F}},
                  {0x4000, {0x81, 0x80, 0x00}},
                  {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}}};
    for (const auto& c : aCases) {
        std::vector<uint8_t> v;
        PutVarLen(v, c.dw);
        EXPECT_EQ(v, c.v) << c.dw;
    }
}

TEST(MidiWriter, SimultaneousEventsPutNoteOffsFirstAndReuseRunningStatus) {
    CTrackBuilder track;
    track.Note(0, 10, 0, 60, 100);
    track.Note(10, 10, 0, 62, 100);
    const std::vector<uint8_t> v = track.Encode(30);
    const std::vector<uint8_t> vExpected = {0x00, 0x90, 60,  100, // on
                                            0x0A, 60,   0,        // off, running status
                                            0x00, 62,   100,      // next on at the same tick
                                            0x0A, 62,   0,   0x0A, 0xFF, 0x2F, 0x00};
    EXPECT_EQ(v, vExpected);
}

TEST(MidiWriter, LongRestsAreCutIntoBarsByEmptyMarkers) {
    CTrackBuilder track;
    track.Note(5000, 10, 0, 60, 100);
    track.Note(5010, 10, 0, 62, 100);
    const std::vector<uint8_t> v = track.Encode(5020 + 1920 + 100);
    const std::vector<uint8_t> vExpected = {
        0x8F, 0x00, 0xFF, 0x06, 0x00,      // 1920, marker
        0x8F, 0x00, 0xFF, 0x06, 0x00,      // 3840, marker
        0x89, 0x08, 0x90, 60,   100,       // 5000: status again after the markers
        0x0A, 60,   0,    0x00, 62,   100, // running status from here on
        0x0A, 62,   0,                     // 5020
        0x8F, 0x00, 0xFF, 0x06, 0x00,      // 6940, marker
        0x64, 0xFF, 0x2F, 0x00};           // 7040, end of track
    EXPECT_EQ(v, vExpected);
}
