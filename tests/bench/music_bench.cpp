// How fast the song is loaded and validated, and what one timer period of playback costs.
#include "music/sequencer.h"
#include "../native/midi_builder.h"

#include <benchmark/benchmark.h>

namespace {

// 16 tracks of 2000 notes each (about 200 KB): a long song with a busy arrangement.
Bytes BigSong() {
    MidiBuilder b;
    b.Header(1, 16, 480);
    for (int t = 0; t < 16; t++) {
        Bytes track{0x00, (uint8_t)(0xC0 | t), (uint8_t)t};
        for (int n = 0; n < 2000; n++) {
            Bytes note = Cat({VarLen(n % 4 ? 0 : 120),
                              {(uint8_t)(0x90 | t), (uint8_t)(40 + n % 40), 0x50},
                              VarLen(110),
                              {(uint8_t)(40 + n % 40), 0x00}});
            track.insert(track.end(), note.begin(), note.end());
        }
        track.insert(track.end(), kEndOfTrack.begin(), kEndOfTrack.end());
        b.Track(track);
    }
    return b.bytes;
}

class NullOutput : public MidiOutput {
  public:
    void ShortMsg(uint32_t dwMsg) override { benchmark::DoNotOptimize(dwMsg); }
    void Restart() override { Rewind(lpSong); }
    MidiSong* lpSong = nullptr;
};

void BM_LoadSong(benchmark::State& state) {
    Bytes file = BigSong();
    for (auto _ : state) {
        MidiSong song{};
        if (LoadMidiFile(file.data(), file.size(), &song))
            state.SkipWithError("refused");
        FreeSong(&song);
    }
    state.SetBytesProcessed((int64_t)state.iterations() * (int64_t)file.size());
}
BENCHMARK(BM_LoadSong);

// One 1 ms period of the 16-track song, averaged over the whole song and its restarts.
void BM_TimerPeriod(benchmark::State& state) {
    Bytes file = BigSong();
    MidiSong song{};
    LoadMidiFile(file.data(), file.size(), &song);
    song.uPeriod = 1;
    Rewind(&song);
    NullOutput out;
    out.lpSong = &song;
    for (auto _ : state)
        SequencerTick(&song, &out);
    FreeSong(&song);
}
BENCHMARK(BM_TimerPeriod);

} // namespace

BENCHMARK_MAIN();
