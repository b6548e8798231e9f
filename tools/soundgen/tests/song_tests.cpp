// The background song: a file the program's loader accepts, long enough, and looping cleanly,
// read back with the program's own loader and sequencer.
#include "midi_writer.h"
#include "song.h"
#include "support/song_walk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

namespace {

struct TrackSummary {
    uint32_t dwEndTick = 0;   // tick of the end-of-track event
    int nNotesOn = 0;         // notes started
    int nHangingNotes = 0;    // notes still sounding at the end of the track
    int nProgramsAtStart = 0; // program changes at tick 0
    std::vector<int> vChannels;
    int nLongMeta = 0;
};

struct Note {
    int nTrack;
    int nChannel;
    int nKey;
    uint32_t dwOn; // ticks
    uint32_t dwOff;
};

struct Summary {
    int nFormat = 0;
    int nDivision = 0;
    std::vector<WalkedTempo> vTempos;
    std::vector<TrackSummary> vTracks;
    std::vector<Note> vNotes; // every finished note, track by track
};

// Pairs up each track's notes; false with a reason for a note-off without its note.
bool Summarise(const SongWalk& walk, Summary& summary, std::string& strError) {
    summary.nFormat = walk.nFormat;
    summary.nDivision = walk.nDivision;
    summary.vTempos = walk.tempos;
    for (size_t t = 0; t < walk.tracks.size(); t++) {
        TrackSummary track;
        track.dwEndTick = walk.tracks[t].dwEndTick;
        track.nLongMeta = walk.tracks[t].nLongMeta;
        std::multimap<int, uint32_t> mSounding; // channel * 128 + note -> start tick
        std::set<int> sChannels;
        for (const WalkedMessage& m : walk.messages) {
            if (m.nTrack != static_cast<int>(t))
                continue;
            const int nKind = m.dwMsg & 0xF0, nChannel = m.dwMsg & 0x0F;
            const int nData1 = (m.dwMsg >> 8) & 0x7F, nData2 = (m.dwMsg >> 16) & 0x7F;
            sChannels.insert(nChannel);
            if (nKind == 0xC0 && m.dwTick == 0)
                track.nProgramsAtStart++;
            const int nKey = nChannel * 128 + nData1;
            if (nKind == 0x90 && nData2 > 0) {
                mSounding.insert({nKey, m.dwTick});
                track.nNotesOn++;
            } else if (nKind == 0x80 || nKind == 0x90) {
                auto it = mSounding.find(nKey);
                if (it == mSounding.end())
                    return strError = "track " + std::to_string(t) + ": note-off without its note",
                           false;
                summary.vNotes.push_back({m.nTrack, nChannel, nData1, it->second, m.dwTick});
                mSounding.erase(it);
            }
        }
        track.nHangingNotes = static_cast<int>(mSounding.size());
        track.vChannels.assign(sChannels.begin(), sChannels.end());
        summary.vTracks.push_back(track);
    }
    return true;
}

struct CheckedSong {
    std::vector<uint8_t> vFile;
    SongWalk walk;
    Summary summary;
    std::string strError;
    bool bValid = false;
};

const CheckedSong& Song() {
    static CheckedSong song = [] {
        CheckedSong s;
        std::string strBuild;
        s.vFile = BuildSong(strBuild);
        EXPECT_TRUE(strBuild.empty()) << strBuild;
        s.bValid =
            WalkSong(s.vFile, &s.walk, &s.strError) && Summarise(s.walk, s.summary, s.strError);
        return s;
    }();
    return song;
}

// Playing time up to the last end-of-track, by the song's tempo map.
double Seconds(const CheckedSong& song) {
    uint32_t dwEnd = 0;
    for (const WalkedTrack& track : song.walk.tracks)
        dwEnd = std::max(dwEnd, track.dwEndTick);
    return SongUsAt(song.walk, dwEnd) / 1e6;
}

} // namespace

TEST(Song, FileFollowsTheLoaderRules) {
    ASSERT_TRUE(Song().bValid) << Song().strError;
    EXPECT_EQ(Song().summary.nFormat, 1);
    EXPECT_EQ(Song().summary.nDivision, SONG_DIVISION);
    EXPECT_GE(Song().summary.vTracks.size(), 4u);
    ASSERT_FALSE(Song().summary.vTempos.empty());
    EXPECT_EQ(Song().summary.vTempos[0].dwTick, 0u);
    for (const TrackSummary& track : Song().summary.vTracks)
        EXPECT_EQ(track.nLongMeta, 0); // such lengths are read differently by other readers
}

TEST(Song, LastsMoreThanAMinute) {
    ASSERT_TRUE(Song().bValid) << Song().strError;
    const double dSeconds = Seconds(Song());
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
        const TrackSummary& track = Song().summary.vTracks[i];
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
    const std::vector<Note>& v = Song().summary.vNotes;
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
