// A song file walked event by event with the program's loader and sequencer.
#include "support/song_walk.h"

#include <algorithm>
#include <cstring>

#include "music/midi_file.h"
#include "music/sequencer.h"

namespace {

// The file from memory, telling what is left once the loader is done.
struct VectorReader : MidiReader {
    explicit VectorReader(const std::vector<uint8_t>& file) : file(file) {}
    int Read(void* lpBuf, uint32_t cb) override {
        if (file.size() - nPos < cb)
            return 0;
        if (cb)
            std::memcpy(lpBuf, file.data() + nPos, cb);
        nPos += cb;
        return 1;
    }
    uint64_t Left() override { return file.size() - nPos; }
    const std::vector<uint8_t>& file;
    size_t nPos = 0;
};

// Keeps each message with the tick and track of the event being performed.
struct Recorder : MidiOutput {
    void ShortMsg(uint32_t dwMsg) override { lpWalk->messages.push_back({dwTick, nTrack, dwMsg}); }
    void Restart() override {}
    SongWalk* lpWalk;
    uint32_t dwTick = 0;
    int nTrack = 0;
};

// Performs one track to its end; null or what is wrong with it.
const char* WalkTrack(MidiSong* lpSong, Recorder* lpOut) {
    MidiTrack* lpTrack = &lpSong->pTracks[lpOut->nTrack];
    const uint8_t* const lpEnd = lpTrack->lpData + lpTrack->cbData;
    WalkedTrack walked;
    walked.dwEndTick = static_cast<uint32_t>(lpTrack->nTotalTicks);
    for (lpOut->dwTick = 0; !lpTrack->bEnded;) {
        int32_t nDelta = ReadVarLen(lpTrack->lpCur, lpEnd);
        if (nDelta < 0)
            return "the track ends without an end-of-track event";
        lpOut->dwTick += static_cast<uint32_t>(nDelta);
        const uint8_t* lpEvent = lpTrack->lpCur;
        if (lpEvent < lpEnd && *lpEvent < 0x80 && !lpTrack->bStatus)
            return "data before the track's first status byte";
        walked.nLongMeta += lpEnd - lpEvent >= 3 && lpEvent[0] == 0xFF && lpEvent[1] != 0x2F &&
                            !IsVarLenMeta(lpEvent[1]) && lpEvent[2] >= 0x80;
        lpSong->dwTempo = 0; // a tempo event, and only one, sets it again
        DispatchEvent(lpSong, lpOut->nTrack, lpOut);
        if (lpSong->dwTempo)
            lpOut->lpWalk->tempos.push_back({lpOut->dwTick, lpSong->dwTempo});
    }
    if (lpOut->dwTick != walked.dwEndTick)
        return "the sequencer and the loader count the track's ticks differently";
    // The sequencer stops on the end-of-track type; its length byte must be the last byte.
    if (lpEnd - lpTrack->lpCur != 1 || *lpTrack->lpCur != 0)
        return "bytes after the end of the track";
    lpOut->lpWalk->tracks.push_back(walked);
    return nullptr;
}

} // namespace

int WalkSong(const std::vector<uint8_t>& file, SongWalk* lpWalk, std::string* lpstrError) {
    *lpWalk = SongWalk();
    lpstrError->clear();
    MidiSong song{};
    VectorReader reader(file);
    const char* lpszError = LoadMidiFrom(&reader, &song);
    if (!lpszError && reader.Left() != 0)
        lpszError = "bytes after the last track";
    if (!lpszError && song.wDivision == 0)
        lpszError = "no ticks per quarter note";
    lpWalk->nFormat = song.wFormat;
    lpWalk->nDivision = song.wDivision;
    if (!lpszError)
        Rewind(&song);
    Recorder out;
    out.lpWalk = lpWalk;
    for (; !lpszError && out.nTrack < song.nTracks; out.nTrack++)
        if ((lpszError = WalkTrack(&song, &out)))
            *lpstrError = "track " + std::to_string(out.nTrack) + ": ";
    std::stable_sort(
        lpWalk->tempos.begin(), lpWalk->tempos.end(),
        [](const WalkedTempo& a, const WalkedTempo& b) { return a.dwTick < b.dwTick; });
    FreeSong(&song);
    if (lpszError)
        *lpstrError += lpszError;
    return lpszError == nullptr;
}

double SongUsAt(const SongWalk& walk, uint32_t dwTick) {
    double dUs = 0;
    uint32_t dwFrom = 0, dwTempo = 500000;
    for (const WalkedTempo& change : walk.tempos) {
        if (change.dwTick >= dwTick)
            break;
        dUs += static_cast<double>(change.dwTick - dwFrom) * dwTempo / walk.nDivision;
        dwFrom = change.dwTick;
        dwTempo = change.dwTempo;
    }
    return dUs + static_cast<double>(dwTick - dwFrom) * dwTempo / walk.nDivision;
}
