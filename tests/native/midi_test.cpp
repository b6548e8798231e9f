// The music: the MIDI loader's refusals and what it keeps, the sequencer's clock, and the path
// the song is loaded from.
#include "music/sequencer.h"
#include "music/song_entry.h"
#include "native/midi_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

const char kHeaderRead[] = "Error encountered when reading the MIDI file header.";
const char kHeaderChunk[] = "Error encountered when reading the MIDI header chunk.";
const char kInconsistent[] = "Error due to inconsistent information in MIDI header chunk.";
const char kTrackRead[] = "Error encountered when reading track chunk.";
const uint32_t kMaxDelta = (1u << 30) - 1;

TEST(MidiLoader, RefusesEachFaultWithItsMessageAndKeepsNothing) {
    const Bytes good = SongOf({kEndOfTrack});
    const Bytes header = MidiBuilder().Header(1, 1, 96).bytes;
    const struct {
        Bytes file;
        std::string strMessage; // a track's fault: the text after "Error encountered in file: "
    } cases[] = {
        {{}, kHeaderRead},
        {Bytes(good.begin(), good.begin() + 13), kHeaderRead},
        {MidiBuilder().Raw(MidiBuilder().Raw(good).Riff()).Riff(), kHeaderChunk},
        {MidiBuilder().Chunk("MThx", Bytes(6, 0), 6).bytes, kHeaderChunk},
        {MidiBuilder().Header(3, 1, 0x8000).bytes,
         "The SMPTE time codes used in this file are not supported by this program."},
        {MidiBuilder().Header(0, 2, 96).bytes, kInconsistent},
        {MidiBuilder().Header(2, 1, 96).Track(kEndOfTrack).bytes,
         "The format of this MIDI file is not supported by this program."},
        {MidiBuilder().Header(1, 0x8000, 96).bytes,
         "Error encountered when allocating memory for this file."},
        {Cat({header, MidiBuilder().Chunk("XFIR", {}, 0).Track(kEndOfTrack).bytes}), kTrackRead},
        {MidiBuilder().Header(1, 2, 96).Track(kEndOfTrack).bytes, kTrackRead},
        {Cat({header, MidiBuilder().Chunk("MTrk", kEndOfTrack, 0xFFFFFFFF).bytes}), kTrackRead},
        {SongOf({kEndOfTrack, {0x00, 0x90}}), "Track 1 Offset 2: Message first data byte problem."},
        {SongOf({Bytes{}}), "Track 0 Offset 0: Delta-time problem."},
        {SongOf({{0x84, 0x80, 0x80, 0x80, 0x00}}), "Track 0 Offset 4: Delta-time problem."},
        {SongOf({Cat({VarLen(kMaxDelta),
                      {0x90, 0x40, 0x40},
                      VarLen(kMaxDelta),
                      {0x40, 0x00},
                      VarLen(2),
                      {0xFF, 0x2F, 0x00}})}),
         "Track 0 Offset 16: Total ticks can't fit in integer."},
        {SongOf({{0x00}}), "Track 0 Offset 1: First byte problem."},
        {SongOf({{0x00, 0xFF}}), "Track 0 Offset 2: Second byte problem on meta-event."},
        {SongOf({{0x00, 0xFF, 0x7F, 0x81}}),
         "Track 0 Offset 4: Variable-length problem on meta-event."},
        {SongOf({{0x00, 0xFF, 0x01, 0x05, 'a'}}),
         "Track 0 Offset 5: Variable-length data on meta-event."},
        {SongOf({{0x00, 0xFF, 0x01, 0x01, 'a'}}), "Track 0 Offset 5: Delta-time problem."},
        {SongOf({{0x00, 0xFF, 0x51}}), "Track 0 Offset 3: Length problem on meta-event."},
        {SongOf({{0x00, 0xFF, 0x51, 0x03, 0x07}}), "Track 0 Offset 5: Data problem on meta-event."},
        {SongOf({{0x00, 0xF0}}), "Track 0 Offset 2: Variable-length problem on SysEx message."},
        {SongOf({{0x00, 0xF7, 0x05, 0x01}}),
         "Track 0 Offset 4 Variable-Length data on SysEx message."},
        {SongOf({{0x00, 0xF1}}), "Track 0 Offset 2: Incorrect first byte."},
        {SongOf({{0x00, 0x90, 0x80}}), "Track 0 Offset 3: Message first data byte problem."},
        {SongOf({{0x00, 0xB0, 0x07, 0x80}}), "Track 0 Offset 4: Message second data byte problem."},
        // A program change takes one data byte: the 0x06 is the next delta time.
        {SongOf({{0x00, 0xC0, 0x05, 0x06}}), "Track 0 Offset 4: First byte problem."},
        // Data before any status byte is taken as a message with two data bytes.
        {SongOf({{0x00, 0x40, 0xFF, 0x2F}}), "Track 0 Offset 3: Message second data byte problem."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.strMessage);
        LoadedSong s(c.file);
        const bool bInTrack = c.strMessage.compare(0, 6, "Track ") == 0;
        EXPECT_EQ(s.Error(), (bInTrack ? "Error encountered in file: " : "") + c.strMessage);
        EXPECT_EQ(s.song.pTracks, nullptr);
    }
}

TEST(MidiLoader, KeepsEveryEventKindTheTrackBytesAndTheirTicks) {
    Bytes track = Cat({
        {0x00, 0x40, 0x40}, // data before any status byte
        {0x00, 0xC0, 0x05, 0x0A, 0x00, 0x00, 0xFF, 0x01,
         0x00}, // program change, then running status
        {0x00, 0xF0, 0x01, 0xF7, 0x00, 0xF0, 0x00, 0x14, 0x41}, // SysEx; running status survives it
        {0x00, 0xFF, 0x7F},
        VarLen(200),
        Bytes(200, 0x55), // a two-byte variable length
        {0x00, 0xFF, 0x07, 0x81},
        Bytes(129, 'x'), // other meta: a single length byte
        {0x00, 0xFF, 0x01},
        VarLen(70000),
        Bytes(70000, 't'), // a track over 65,535 bytes: every byte of its length counts
        VarLen(kMaxDelta),
        {0xFF, 0x2F}, // no length byte, bytes behind it
        {0xF5, 0xF5},
    });
    Bytes bare = SongOf({kEndOfTrack, track});
    for (const Bytes& file : {bare, MidiBuilder().Raw(bare).Riff()}) {
        LoadedSong s(file);
        ASSERT_EQ(s.Error(), "");
        EXPECT_EQ(s.song.nTracks, 2);
        EXPECT_EQ(s.song.wDivision, 96);
        EXPECT_EQ(s.song.dwTempo, 500000u);
        const MidiTrack& t = s.song.pTracks[1];
        EXPECT_EQ(t.nTotalTicks, int32_t(0x0A + 0x14 + kMaxDelta));
        EXPECT_EQ(Bytes(t.lpData, t.lpData + t.cbData), track);
    }
    LoadedSong none(
        MidiBuilder().Header(0, 1, 480).Track(kEndOfTrack).Raw({'j', 'u', 'n', 'k'}).bytes);
    EXPECT_EQ(none.Error(), "") << "whatever follows the last counted track is not read";
}

#if defined(__GLIBC__)
TEST(MidiLoader, FreeingASongGivesBackEveryTrack) {
    // Tracks big enough to be mapped on their own, so that the mapped total tells a leak.
    mallopt(M_MMAP_THRESHOLD, 64 * 1024);
    const Bytes big = Cat({{0x00, 0xFF, 0x01}, VarLen(200000), Bytes(200000, 'a'), kEndOfTrack});
    const size_t cbBefore = mallinfo2().hblkhd;
    for (int i = 0; i < 3; i++) {
        LoadedSong s(SongOf({big, big, big}));
        EXPECT_EQ(s.Error(), "");
    }
    EXPECT_EQ(mallinfo2().hblkhd, cbBefore);
}
#endif

uint32_t Msg(uint8_t bStatus, uint8_t bData1, uint8_t bData2 = 0) {
    return bStatus | (uint32_t)bData1 << 8 | (uint32_t)bData2 << 16;
}
const uint32_t kNoteOn = Msg(0x90, 0x3C, 0x40);

// A loaded song played one timer period per Tick, recording what it sends.
struct Playback : MidiOutput {
    explicit Playback(const Bytes& file, uint32_t uPeriod = 1) : loaded(file) {
        EXPECT_EQ(loaded.Error(), "");
        Song().uPeriod = uPeriod;
        Rewind(&Song());
    }
    void ShortMsg(uint32_t dwMsg) override { sent.push_back(dwMsg); }
    void Restart() override {
        nRestarts++;
        Rewind(&Song());
    }
    void Tick(int n = 1) {
        for (int i = 0; i < n; i++)
            SequencerTick(&Song(), this);
    }
    MidiSong& Song() { return loaded.song; }

    LoadedSong loaded;
    std::vector<uint32_t> sent;
    int nRestarts = 0;
};

TEST(Sequencer, SendsEachEventWhenItsTicksHavePassedWithoutLosingTheRemainder) {
    // 1 ms at 480 ticks and 500000 us a quarter: 0.96 ticks a call.
    Playback p(
        SongOf({Cat({{0x00, 0x90, 0x3C, 0x40, 0x01, 0x3D, 0x40, 0x01, 0x3E, 0x40}, kEndOfTrack}),
                Cat({{0x00, 0xC1, 0x05, 0x00, 0xE1, 0x00, 0x40}, kEndOfTrack})},
               480));
    std::vector<size_t> counts;
    for (int i = 0; i < 4; i++) {
        p.Tick();
        counts.push_back(p.sent.size());
    }
    // Countdowns: 0 | 1 - 0.96 | 0.04 - 0.96 = -0.92, due | -0.92 + 1 - 0.96 = -0.88, due.
    EXPECT_EQ(counts, (std::vector<size_t>{3, 3, 4, 5}));
    EXPECT_EQ(p.sent[1], Msg(0xC1, 0x05));
    EXPECT_EQ(p.sent[2], Msg(0xE1, 0x00, 0x40));
    p.Song().uPeriod = 10;
    p.Song().dwTempo = 1000000;
    EXPECT_DOUBLE_EQ(StepTicks(&p.Song()), 4.8);
}

TEST(Sequencer, TempoInTrackZeroChangesTrackOnesStepInTheSameCall) {
    // 500 ticks a quarter, 1 ms: step 1 at the default tempo, 2 after the change to 250000.
    // Only the tempo event sets it, not other meta events of its length.
    Playback p(SongOf({{0x02, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90, 0x00, 0xFF, 0x01, 0x03, 'a', 'b',
                        'c', 0x64, 0xFF, 0x2F, 0x00},
                       Cat({{0x05, 0x90, 0x3C, 0x40}, kEndOfTrack})},
                      500));
    p.Tick(3);
    EXPECT_EQ(p.Song().dwTempo, 250000u);
    EXPECT_TRUE(p.sent.empty());
    p.Tick();
    EXPECT_EQ(p.sent, std::vector<uint32_t>{kNoteOn});
}

TEST(Sequencer, KeepsRunningStatusAndPassesOverDataBeforeTheFirstStatus) {
    // A single length byte of 0x81, read as a variable-length quantity, would lose the way.
    Playback p(SongOf({Cat({{0x00, 0xFF, 0x07, 0x81},
                            Bytes(129, 0x05),
                            {0x00, 0x40, 0x40, 0x00, 0x90, 0x3C, 0x40},
                            {0x00, 0xFF, 0x01, 0x01, 'a', 0x00, 0xF0, 0x02, 0x7E, 0xF7},
                            {0x00, 0xFF, 0x01, 0x00, 0x00, 0xF7, 0x00}, // empty meta and SysEx
                            {0x00, 0xFF, 0x00, 0x02, 0x00, 0x01},       // a meta event of type 0
                            {0x00, 0x00, 0x41, 0x00, 0xD2, 0x30, 0x00, 0x31},
                            kEndOfTrack})}));
    std::vector<uint32_t> want = {kNoteOn, Msg(0x90, 0x00, 0x41), Msg(0xD2, 0x30), Msg(0xD2, 0x31)};
    p.Tick(); // all at tick 0: it ends and starts again in the same call
    EXPECT_EQ(p.sent, want);
    p.Tick(); // no status left over from the last pass for the leading data
    const std::vector<uint32_t> once = want;
    want.insert(want.end(), once.begin(), once.end());
    EXPECT_EQ(p.sent, want);
    EXPECT_EQ(p.nRestarts, 2);
}

TEST(Sequencer, RestartsOnlyWhenTheLastTrackEnds) {
    // 100 ticks a quarter at the default tempo with a 5 ms period: one tick a call.
    Playback p(
        SongOf({Cat({{0x00, 0x90, 0x3C, 0x40, 0x01, 0xFF, 0x2F, 0x00}}), {0x03, 0xFF, 0x2F, 0x00}},
               100),
        5);
    p.Tick(3);
    EXPECT_EQ(p.nRestarts, 0);
    p.Tick();
    EXPECT_EQ(p.nRestarts, 1);
    p.Tick();
    EXPECT_EQ(p.sent, (std::vector<uint32_t>{kNoteOn, kNoteOn})) << "plays from the start";

    Playback none(MidiBuilder().Header(1, 0, 96).bytes);
    none.Tick(2);
    EXPECT_EQ(none.nRestarts, 2);
    Playback stalled(
        SongOf({Cat({{0x00, 0x90, 0x3C, 0x40, 0x01, 0x80, 0x3C, 0x00}, kEndOfTrack})}, 0));
    stalled.Tick(100);
    EXPECT_EQ(stalled.sent, std::vector<uint32_t>{kNoteOn}) << "division 0 stops after tick 0";
    EXPECT_EQ(stalled.nRestarts, 0);

    // Tracks cut short in memory, as the loader would refuse them: each ends where its data runs
    // out, in the same call, without a half message; nothing after an end-of-track is played.
    const Bytes track = {0x00, 0x90, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00, 0x00, 0x90, 0x3D, 0x40};
    for (uint32_t cb : {0u, 1u, 2u, 3u, 4u, 6u, 12u}) {
        Playback cut(SongOf({track, track}));
        cut.Song().pTracks[0].cbData = cb;
        cut.Tick();
        const std::vector<uint32_t> want(cb < 4 ? 1 : 2, kNoteOn);
        EXPECT_EQ(cut.sent, want) << cb << " bytes";
        EXPECT_EQ(cut.nRestarts, 1) << cb << " bytes";
    }
    // A length too long for a variable-length quantity, written over a loaded track, ends the
    // track there, in a SysEx message as in a meta event.
    for (const Bytes& spoilt : {Bytes{0x00, 0xF0, 0x04, 'a', 'b', 'c', 'd'},
                                Bytes{0x00, 0xFF, 0x01, 0x04, 'a', 'b', 'c', 'd'}}) {
        Playback p(SongOf({Cat({spoilt, {0x00, 0x90, 0x3C, 0x40}, kEndOfTrack})}));
        std::fill_n(p.Song().pTracks[0].lpData + spoilt.size() - 5, 4, 0xFF);
        p.Tick();
        EXPECT_TRUE(p.sent.empty());
        EXPECT_EQ(p.nRestarts, 1);
    }
}

TEST(SongPath, JoinsDirectoryAndNameAndRefusesWhatDoesNotFit) {
    SongEntry entry;
    std::string dir(248, 'd'); // 248 + 1 + 10 characters and the NUL fill the path
    EXPECT_TRUE(entry.SetFile("twell3.mid", dir.c_str()));
    EXPECT_EQ(std::string(entry.szPath), dir + "\\twell3.mid");
    const std::string tooLong = dir + 'd';
    for (const char* lpszDir : {(const char*)nullptr, tooLong.c_str()}) {
        EXPECT_FALSE(entry.SetFile("twell3.mid", lpszDir));
        EXPECT_STREQ(entry.szPath, "");
    }
}

} // namespace
