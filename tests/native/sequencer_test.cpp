// The sequencer's clock, driven one timer period at a time by the test, with a recording output.
#include "music/sequencer.h"
#include "native/midi_builder.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

uint32_t Msg(uint8_t bStatus, uint8_t bData1, uint8_t bData2 = 0) {
    return bStatus | (uint32_t)bData1 << 8 | (uint32_t)bData2 << 16;
}

// Records what playback sends; a restart reloads the song from its file as the player does.
class RecordingOutput : public MidiOutput {
  public:
    void ShortMsg(uint32_t dwMsg) override { sent.push_back(dwMsg); }
    void Restart() override {
        nRestarts++;
        if (!lpSong)
            return;
        MidiSong fresh{};
        ASSERT_EQ(LoadMidiFile(file.data(), file.size(), &fresh), nullptr);
        fresh.uPeriod = lpSong->uPeriod;
        FreeSong(lpSong);
        *lpSong = fresh;
        Rewind(lpSong);
    }

    std::vector<uint32_t> sent;
    int nRestarts = 0;
    MidiSong* lpSong = nullptr; // set to reload on restart
    Bytes file;
};

// A loaded song at its start, with the timer period in milliseconds.
struct Playback {
    explicit Playback(const Bytes& file, uint32_t uPeriod = 1) : loaded(file) {
        EXPECT_EQ(loaded.Error(), "");
        loaded.song.uPeriod = uPeriod;
        Rewind(&loaded.song);
        out.file = file;
    }
    void Tick(int n = 1) {
        for (int i = 0; i < n; i++)
            SequencerTick(&loaded.song, &out);
    }
    MidiSong& Song() { return loaded.song; }

    LoadedSong loaded;
    RecordingOutput out;
};

const uint32_t kNoteOn = Msg(0x90, 0x3C, 0x40);

TEST(Sequencer, FirstCallReadsDeltasAndSendsEventsAtTickZero) {
    Playback p(SongOf({Cat({{0x00, 0x90, 0x3C, 0x40, 0x01, 0x80, 0x3C, 0x00}, kEndOfTrack}),
                       Cat({{0x00, 0xC1, 0x05, 0x00, 0xE1, 0x00, 0x40}, kEndOfTrack})},
                      480));
    p.Tick();
    EXPECT_EQ(p.out.sent, (std::vector<uint32_t>{kNoteOn, Msg(0xC1, 0x05), Msg(0xE1, 0x00, 0x40)}));
    EXPECT_EQ(p.out.nRestarts, 0);
}

TEST(Sequencer, StepFollowsPeriodDivisionAndTempoAndLateEventsDoNotDelayLaterOnes) {
    // 1 ms at 480 ticks and 500000 us per quarter: 0.96 ticks a call.
    Playback p(SongOf(
        {Cat({{0x00, 0x90, 0x3C, 0x40, 0x01, 0x3D, 0x40, 0x01, 0x3E, 0x40}, kEndOfTrack})}, 480));
    EXPECT_DOUBLE_EQ(StepTicks(&p.Song()), 0.96);
    std::vector<size_t> counts;
    for (int i = 0; i < 4; i++) {
        p.Tick();
        counts.push_back(p.out.sent.size());
    }
    // Countdowns: 0 | 1 - 0.96 | 0.04 - 0.96 = -0.92, due | -0.92 + 1 - 0.96 = -0.88, due.
    EXPECT_EQ(counts, (std::vector<size_t>{1, 1, 2, 3}));

    Playback slow(SongOf({kEndOfTrack}, 480), 10);
    slow.Song().dwTempo = 1000000;
    EXPECT_DOUBLE_EQ(StepTicks(&slow.Song()), 4.8);
}

TEST(Sequencer, TempoInTrackZeroChangesTrackOnesStepInTheSameCall) {
    // 500 ticks a quarter, 1 ms: step 1 at the default tempo, 2 after the change to 250000.
    Bytes tempoTrack =
        Cat({{0x02, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90}, {0x64}, {0xFF, 0x2F, 0x00}});
    Bytes noteTrack = Cat({{0x05, 0x90, 0x3C, 0x40}, kEndOfTrack});
    Playback p(SongOf({tempoTrack, noteTrack}, 500));
    p.Tick(3); // track 0 takes the tempo in call 3; track 1 is lowered by 2 in that same call
    EXPECT_EQ(p.Song().dwTempo, 250000u);
    EXPECT_FLOAT_EQ(p.Song().pTracks[1].fCountdown, 2.0f);
    EXPECT_TRUE(p.out.sent.empty());
    p.Tick();
    EXPECT_EQ(p.out.sent, std::vector<uint32_t>{kNoteOn});
}

TEST(Sequencer, SongWithoutTracksRestartsEveryCall) {
    Playback p(MidiBuilder().Header(1, 0, 96).bytes);
    p.Tick(3);
    EXPECT_EQ(p.out.nRestarts, 3);
}

TEST(Sequencer, DivisionZeroStallsAfterTickZeroAndNeverRestarts) {
    Playback p(SongOf({Cat({{0x00, 0x90, 0x3C, 0x40, 0x01, 0x80, 0x3C, 0x00}, kEndOfTrack})}, 0));
    p.Tick(1000);
    EXPECT_EQ(p.out.sent, std::vector<uint32_t>{kNoteOn});
    EXPECT_EQ(p.out.nRestarts, 0);
}

TEST(Sequencer, RunningStatusCarriesOverMetaAndSysEx) {
    Playback p(SongOf({Cat({{0x00, 0x90, 0x3C, 0x40},
                            {0x00, 0xFF, 0x01, 0x01, 'a'},
                            {0x00, 0xF0, 0x02, 0x7E, 0xF7},
                            {0x00, 0x3E, 0x41},
                            {0x00, 0xD2, 0x30, 0x00, 0x31},
                            kEndOfTrack})}));
    p.Tick();
    EXPECT_EQ(p.out.sent, (std::vector<uint32_t>{kNoteOn, Msg(0x90, 0x3E, 0x41), Msg(0xD2, 0x30),
                                                 Msg(0xD2, 0x31)}));
}

TEST(Sequencer, LastEndOfTrackReloadsTheSongInTheSameCall) {
    Bytes shortTrack = Cat({{0x00, 0x90, 0x3C, 0x40, 0x01}, {0xFF, 0x2F, 0x00}});
    Bytes longTrack = Cat({{0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40}, {0x03, 0xFF, 0x2F, 0x00}});
    // 100 ticks a quarter at 1000000 us with a 10 ms period: one tick a call.
    Playback p(SongOf({shortTrack, longTrack}, 100), 10);
    p.out.lpSong = &p.Song();
    p.Tick(2); // call 2: track 0 ends, track 1 still runs
    EXPECT_TRUE(p.Song().pTracks[0].bEnded);
    EXPECT_EQ(p.out.nRestarts, 0);
    EXPECT_EQ(p.Song().dwTempo, 1000000u);
    p.Tick(); // call 3: track 1 has a tick left
    EXPECT_EQ(p.out.nRestarts, 0);
    p.Tick(); // call 4: track 1 ends
    EXPECT_EQ(p.out.nRestarts, 1);
    EXPECT_EQ(p.Song().dwTempo, 500000u);
    for (int i = 0; i < 2; i++) {
        EXPECT_FALSE(p.Song().pTracks[i].bStarted);
        EXPECT_FALSE(p.Song().pTracks[i].bEnded);
    }
    p.Tick();
    EXPECT_EQ(p.out.sent, (std::vector<uint32_t>{kNoteOn, kNoteOn})) << "plays from the start";
}

TEST(Sequencer, PlaysThePathTheLoaderValidated) {
    // A meta event with a single length byte of 0x81: read as a variable-length quantity
    // it would swallow the next byte and lose the way.
    Playback longMeta(SongOf({Cat(
        {{0x00, 0xFF, 0x07, 0x81}, Bytes(129, 0x05), {0x00, 0x90, 0x3C, 0x40}, kEndOfTrack})}));
    longMeta.Tick();
    EXPECT_EQ(longMeta.out.sent, std::vector<uint32_t>{kNoteOn});
    EXPECT_TRUE(longMeta.Song().pTracks[0].bEnded);

    // Tempo events with two and four data bytes are skipped by their length.
    Playback shortTempo(
        SongOf({Cat({{0x00, 0xFF, 0x51, 0x02, 0x07, 0xA1, 0x00, 0x90, 0x3C, 0x40}, kEndOfTrack})}));
    shortTempo.Tick();
    EXPECT_EQ(shortTempo.Song().dwTempo, 500000u);
    EXPECT_EQ(shortTempo.out.sent, std::vector<uint32_t>{kNoteOn});
    Playback longTempo(SongOf({Cat(
        {{0x00, 0xFF, 0x51, 0x04, 0x03, 0xD0, 0x90, 0x99, 0x00, 0x90, 0x3C, 0x40}, kEndOfTrack})}));
    longTempo.Tick();
    EXPECT_EQ(longTempo.Song().dwTempo, 250000u);
    EXPECT_EQ(longTempo.out.sent, std::vector<uint32_t>{kNoteOn});

    // Data bytes before the track's first status byte have nothing to go out with.
    Playback noStatus(SongOf({Cat({{0x00, 0x40, 0x40, 0x00, 0x90, 0x3C, 0x40}, kEndOfTrack})}));
    noStatus.Tick();
    EXPECT_EQ(noStatus.out.sent, std::vector<uint32_t>{kNoteOn});
    Rewind(&noStatus.Song()); // and none is left over from an earlier pass
    noStatus.Tick();
    EXPECT_EQ(noStatus.out.sent, (std::vector<uint32_t>{kNoteOn, kNoteOn}));
}

TEST(Sequencer, NeverReadsBeyondATracksDataWhateverItHolds) {
    // Hand-made tracks that the loader would refuse, each cut inside an event; held in buffers
    // of their exact size so that a sanitizer sees any read beyond them.
    const Bytes cuts[] = {{0x90, 0x3C},
                          {0x90},
                          {0x3C},
                          {0xC0},
                          {0xFF},
                          {0xFF, 0x51},
                          {0xFF, 0x51, 0x03, 0x07},
                          {0xFF, 0x01, 0x85},
                          {0xFF, 0x01, 0x05, 0x00},
                          {0xF0, 0x85},
                          {0xF7, 0x10, 0x00},
                          {0xF4},
                          {}};
    for (const Bytes& cut : cuts) {
        std::unique_ptr<uint8_t[]> data(new uint8_t[cut.size() ? cut.size() : 1]);
        std::copy(cut.begin(), cut.end(), data.get());
        MidiTrack track{};
        track.cbData = (uint32_t)cut.size();
        track.lpData = data.get();
        MidiSong song{};
        song.nTracks = 1;
        song.pTracks = &track;
        song.uPeriod = 1;
        song.wDivision = 96;
        Rewind(&song);
        RecordingOutput out;
        for (int n = 0; n < 3 && !DispatchEvent(&song, 0, &out); n++)
            EXPECT_LE(track.lpCur, track.lpData + track.cbData);
        EXPECT_TRUE(track.bEnded);
        EXPECT_TRUE(out.sent.empty());

        // The same through the clock, with a delta time in front.
        Bytes withDelta = Cat({{0x00}, cut});
        std::unique_ptr<uint8_t[]> data2(new uint8_t[withDelta.size()]);
        std::copy(withDelta.begin(), withDelta.end(), data2.get());
        track.lpData = data2.get();
        track.cbData = (uint32_t)withDelta.size();
        Rewind(&song);
        SequencerTick(&song, &out);
        EXPECT_TRUE(track.bEnded);
        EXPECT_EQ(out.nRestarts, 1);
        EXPECT_EQ(song.dwTempo, 500000u);
    }
}

} // namespace
