// Fuzzes the MIDI loader and the sequencer together. Every file the loader accepts is walked
// event by event and then played to its end by the clock; every input is also played as raw
// track bytes that nobody validated. The sanitizers catch any read outside a track buffer.
#include "music/sequencer.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

void Check(bool bOk) {
    if (!bOk)
        abort();
}

// Counts what playback sends and checks that each message of a validated song is well formed.
class CountingOutput : public MidiOutput {
  public:
    explicit CountingOutput(bool bValidated = true) : bCheckForm(bValidated) {}
    void ShortMsg(uint32_t dwMsg) override {
        if (bCheckForm)
            Check((dwMsg & 0x80) && (dwMsg & 0xF0) != 0xF0 && !(dwMsg & 0xFF808000));
        nSent++;
    }
    void Restart() override { nRestarts++; }

    bool bCheckForm;
    long nSent = 0;
    int nRestarts = 0;
};

// Walks each track of a validated song without the clock: the sequencer must meet the very
// end-of-track event that the loader found, after the same number of ticks.
long WalkTracks(MidiSong* lpSong) {
    CountingOutput out;
    Rewind(lpSong);
    for (int i = 0; i < lpSong->nTracks; i++) {
        MidiTrack* lpTrack = &lpSong->pTracks[i];
        const uint8_t* lpEnd = lpTrack->lpData + lpTrack->cbData;
        int64_t nTicks = 0;
        for (;;) {
            int32_t nDelta = ReadVarLen(lpTrack->lpCur, lpEnd);
            Check(nDelta >= 0);
            nTicks += nDelta;
            if (DispatchEvent(lpSong, i, &out))
                break;
        }
        Check(lpTrack->lpCur <= lpEnd && lpTrack->lpCur - lpTrack->lpData >= 2);
        Check(lpTrack->lpCur[-2] == 0xFF && lpTrack->lpCur[-1] == 0x2F);
        Check(nTicks == lpTrack->nTotalTicks);
    }
    return out.nSent;
}

// Plays a validated song on the clock with a long timer period, so that even 2^31 ticks pass
// in a few thousand periods, and checks that it restarts exactly when it should.
void PlayToEnd(MidiSong* lpSong, long nWalked) {
    Rewind(lpSong);
    lpSong->uPeriod = 0xFFFFFFFF;
    CountingOutput out;
    // At least 1000 * (2^32 - 1) / (2^24 - 1) ticks a period, against at most 2^31 - 1 ticks.
    const int nMaxCalls = 9000;
    int nCalls = 0;
    while (!out.nRestarts && nCalls < nMaxCalls) {
        SequencerTick(lpSong, &out);
        nCalls++;
    }
    if (lpSong->wDivision) {
        Check(out.nRestarts == 1);
        Check(out.nSent == nWalked);
        return;
    }
    // A division of 0 stops the clock after tick 0.
    bool bAllAtZero = true;
    for (int i = 0; i < lpSong->nTracks; i++)
        bAllAtZero = bAllAtZero && lpSong->pTracks[i].nTotalTicks == 0;
    Check(out.nRestarts == (bAllAtZero ? 1 : 0));
    Check(bAllAtZero ? nCalls == 1 : nCalls == nMaxCalls);
}

// Plays bytes that nobody validated as one track, in a buffer of their exact size.
void PlayRawTrack(const uint8_t* lpBytes, size_t cb) {
    std::unique_ptr<uint8_t[]> data(new uint8_t[cb ? cb : 1]);
    memcpy(data.get(), lpBytes, cb);
    MidiTrack track{};
    track.cbData = (uint32_t)cb;
    track.lpData = data.get();
    MidiSong song{};
    song.nTracks = 1;
    song.pTracks = &track;
    song.wDivision = 0x7FFF;
    song.uPeriod = 0xFFFFFFFF;
    Rewind(&song);
    CountingOutput out(false);
    // The step outruns any delta time at any tempo: the second period plays the whole track.
    for (int n = 0; n < 2 && !out.nRestarts; n++) {
        SequencerTick(&song, &out);
        Check(track.lpCur >= track.lpData && track.lpCur <= track.lpData + track.cbData);
    }
    Check(out.nRestarts == 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* lpData, size_t cb) {
    MidiSong song{};
    if (!LoadMidiFile(lpData, cb, &song)) {
        long nWalked = WalkTracks(&song);
        PlayToEnd(&song, nWalked);
        FreeSong(&song);
    } else {
        Check(song.pTracks == nullptr);
    }
    PlayRawTrack(lpData, cb);
    return 0;
}
