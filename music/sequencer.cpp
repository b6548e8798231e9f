// The sequencer's clock and event decoder, free of any device or timer.
#include "music/sequencer.h"

namespace {

const uint8_t* TrackEnd(const MidiTrack* lpTrack) {
    return lpTrack->lpData + lpTrack->cbData;
}

// Moves the cursor over n bytes, or to the end when fewer are left.
void Skip(const uint8_t*& lpCur, const uint8_t* lpEnd, uint32_t n) {
    lpCur = (size_t)(lpEnd - lpCur) < n ? lpEnd : lpCur + n;
}

// Reads the next delta time into nDelta; a track whose data runs out here has ended.
int NextDelta(MidiTrack* lpTrack, int32_t& nDelta) {
    nDelta = ReadVarLen(lpTrack->lpCur, TrackEnd(lpTrack));
    if (nDelta < 0) {
        lpTrack->bEnded = 1;
        return 0;
    }
    return 1;
}

// A meta event after its 0xFF byte.
void DispatchMeta(MidiSong* lpSong, MidiTrack* lpTrack) {
    const uint8_t* lpEnd = TrackEnd(lpTrack);
    int nType = ReadByte(lpTrack->lpCur, lpEnd);
    // The end of the track is taken before its length byte, which a valid file may leave out.
    if (nType < 0 || nType == 0x2F) {
        lpTrack->bEnded = 1;
        return;
    }
    // The length is read by the loader's rule (a single byte for most types), so that playback
    // walks exactly the path that the loader validated.
    int32_t nLen =
        IsVarLenMeta(nType) ? ReadVarLen(lpTrack->lpCur, lpEnd) : ReadByte(lpTrack->lpCur, lpEnd);
    if (nLen < 0) {
        lpTrack->bEnded = 1;
        return;
    }
    // A tempo takes its first three bytes; whatever else the event holds is skipped with it.
    // A tempo of 0 would make every event due at once and is ignored.
    if (nType == 0x51 && nLen >= 3 && lpEnd - lpTrack->lpCur >= 3) {
        uint32_t dwTempo = ReadTempo(lpTrack->lpCur);
        if (dwTempo)
            lpSong->dwTempo = dwTempo;
    }
    Skip(lpTrack->lpCur, lpEnd, (uint32_t)nLen);
}

} // namespace

void Rewind(MidiSong* lpSong) {
    lpSong->dwTempo = 500000;
    for (int i = 0; i < lpSong->nTracks; i++) {
        MidiTrack* lpTrack = &lpSong->pTracks[i];
        lpTrack->lpCur = lpTrack->lpData;
        lpTrack->bStatus = 0;
        lpTrack->bStarted = 0;
        lpTrack->bEnded = 0;
        lpTrack->fCountdown = 0;
    }
}

uint32_t ReadTempo(const uint8_t* lpCur) {
    return (uint32_t)lpCur[0] << 16 | (uint32_t)lpCur[1] << 8 | lpCur[2];
}

double StepTicks(const MidiSong* lpSong) {
    return 1000.0 * lpSong->uPeriod * lpSong->wDivision / lpSong->dwTempo;
}

// Every read is held to the track's data, even though the loader has validated it.
int DispatchEvent(MidiSong* lpSong, int nTrack, MidiOutput* lpOut) {
    MidiTrack* lpTrack = &lpSong->pTracks[nTrack];
    const uint8_t* lpEnd = TrackEnd(lpTrack);
    int b = ReadByte(lpTrack->lpCur, lpEnd);
    if (b < 0) {
        lpTrack->bEnded = 1;
    } else if (b == 0xFF) {
        DispatchMeta(lpSong, lpTrack);
    } else if (b >= 0xF0) {
        int32_t nLen = ReadVarLen(lpTrack->lpCur, lpEnd);
        if (nLen < 0)
            lpTrack->bEnded = 1;
        else
            Skip(lpTrack->lpCur, lpEnd, (uint32_t)nLen);
    } else {
        int nData1 = b;
        if (b >= 0x80) {
            lpTrack->bStatus = (uint8_t)b;
            nData1 = ReadByte(lpTrack->lpCur, lpEnd);
        }
        int nKind = lpTrack->bStatus & 0xF0;
        int nData2 = (nKind == 0xC0 || nKind == 0xD0) ? 0 : ReadByte(lpTrack->lpCur, lpEnd);
        if (nData1 < 0 || nData2 < 0) {
            lpTrack->bEnded = 1;
        } else if (lpTrack->bStatus) {
            // Data bytes before the track's first status byte have no message to belong to
            // and are passed over.
            lpOut->ShortMsg(lpTrack->bStatus | (uint32_t)nData1 << 8 | (uint32_t)nData2 << 16);
        }
    }
    return lpTrack->bEnded;
}

void SequencerTick(MidiSong* lpSong, MidiOutput* lpOut) {
    int nPending = 0;
    for (int i = 0; i < lpSong->nTracks; i++) {
        MidiTrack* lpTrack = &lpSong->pTracks[i];
        if (lpTrack->bEnded)
            continue;
        nPending++;
        int32_t nDelta;
        if (!lpTrack->bStarted) {
            lpTrack->bStarted = 1;
            if (!NextDelta(lpTrack, nDelta)) {
                nPending--;
                continue;
            }
            lpTrack->fCountdown = (float)nDelta;
        } else {
            lpTrack->fCountdown = (float)(lpTrack->fCountdown - StepTicks(lpSong));
        }
        while (lpTrack->fCountdown <= 0) {
            if (DispatchEvent(lpSong, i, lpOut) || !NextDelta(lpTrack, nDelta)) {
                nPending--;
                break;
            }
            // Added to what is left below zero, so that a late event does not delay the next.
            lpTrack->fCountdown = (float)(lpTrack->fCountdown + nDelta);
        }
    }
    if (nPending == 0)
        lpOut->Restart();
}
