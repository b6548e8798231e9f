// Fuzzes the MIDI loader and the sequencer together: a refused file keeps nothing, an accepted
// one plays to its end and starts again exactly once, and any bytes played as a track nobody
// validated stay inside it. The sanitizers catch reads outside a buffer and leaks.
#include "music/sequencer.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct CountingOutput : MidiOutput {
    void ShortMsg(uint32_t) override {}
    void Restart() override { nRestarts++; }
    int nRestarts = 0;
};

// Plays the song with the longest timer period, so that even 2^31 ticks pass in a few thousand
// periods; with a division of 0 the clock stops after tick 0.
int PlayToEnd(MidiSong* lpSong) {
    Rewind(lpSong);
    lpSong->uPeriod = 0xFFFFFFFF;
    CountingOutput out;
    for (int n = 0; n < 9000 && !out.nRestarts; n++)
        SequencerTick(lpSong, &out);
    return out.nRestarts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* lpData, size_t cb) {
    MidiSong song{};
    if (LoadMidiFile(lpData, cb, &song)) {
        if (song.pTracks != nullptr)
            abort();
    } else {
        int32_t nTicks = 0;
        for (int i = 0; i < song.nTracks; i++)
            nTicks |= song.pTracks[i].nTotalTicks;
        if (PlayToEnd(&song) != (song.wDivision || !nTicks ? 1 : 0))
            abort();
        FreeSong(&song);
    }
    std::unique_ptr<uint8_t[]> data(new uint8_t[cb ? cb : 1]); // exactly the input's size
    memcpy(data.get(), lpData, cb);
    MidiTrack track{};
    track.cbData = (uint32_t)cb;
    track.lpData = data.get();
    MidiSong raw{};
    raw.nTracks = 1;
    raw.pTracks = &track;
    raw.wDivision = 0x7FFF;
    if (PlayToEnd(&raw) != 1 || track.lpCur > track.lpData + cb)
        abort();
    return 0;
}
