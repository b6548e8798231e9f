// The background song read back with the program's own loader and sequencer: a whole file that
// plays for one to four minutes on every track and loops without a gap or a hanging note.
#include "song.h"
#include "support/song_walk.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

TEST(Song, IsAWholeFileThatLoopsCleanlyWithEveryInstrumentChosen) {
    std::string strError;
    const std::vector<uint8_t> file = BuildSong(strError);
    ASSERT_EQ(strError, "");
    SongWalk walk;
    ASSERT_TRUE(WalkSong(file, &walk, &strError)) << strError;
    EXPECT_EQ(walk.nFormat, 1);
    EXPECT_EQ(walk.nDivision, SONG_DIVISION);
    ASSERT_GE(walk.tracks.size(), 4u);
    ASSERT_FALSE(walk.tempos.empty());
    EXPECT_EQ(walk.tempos[0].dwTick, 0u);
    const uint32_t dwEnd = walk.tracks[0].dwEndTick;
    EXPECT_EQ(dwEnd % (SONG_BEATS_PER_BAR * SONG_DIVISION), 0u);
    EXPECT_GE(SongUsAt(walk, dwEnd), 60e6);
    EXPECT_LE(SongUsAt(walk, dwEnd), 240e6);
    std::vector<std::set<int>> channels(walk.tracks.size());
    std::vector<int> notes(walk.tracks.size()), programs(walk.tracks.size());
    std::multiset<std::pair<size_t, int>> sounding; // track, channel x 128 + key
    for (const WalkedMessage& m : walk.messages) {
        const int nKind = m.dwMsg & 0xF0, nKey = (m.dwMsg & 0x0F) * 128 + (m.dwMsg >> 8 & 0x7F);
        channels[m.nTrack].insert(m.dwMsg & 0x0F);
        programs[m.nTrack] += nKind == 0xC0 && m.dwTick == 0;
        if (nKind == 0x90 && m.dwMsg >> 16) {
            notes[m.nTrack]++;
            sounding.insert({m.nTrack, nKey});
        } else if (nKind == 0x80 || nKind == 0x90) {
            auto it = sounding.find({m.nTrack, nKey});
            ASSERT_NE(it, sounding.end()) << "a note-off without its note in track " << m.nTrack;
            sounding.erase(it);
        }
    }
    EXPECT_TRUE(sounding.empty()) << "notes still sounding at the end";
    bool bDrums = false;
    for (size_t i = 0; i < walk.tracks.size(); i++) {
        SCOPED_TRACE("track " + std::to_string(i));
        EXPECT_EQ(walk.tracks[i].dwEndTick, dwEnd); // one length, so no gap or cut
        EXPECT_EQ(walk.tracks[i].nLongMeta, 0);     // such lengths other readers read otherwise
        if (i == 0)
            continue;
        EXPECT_GT(notes[i], 0);
        ASSERT_EQ(channels[i].size(), 1u); // one instrument per track
        bDrums = bDrums || *channels[i].begin() == 9;
        EXPECT_EQ(programs[i], *channels[i].begin() == 9 ? 0 : 1);
    }
    EXPECT_TRUE(bDrums);
}
