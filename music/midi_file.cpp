// The MIDI file loader: reads the header and track chunks and validates every byte of every track,
// so that the sequencer can decode the tracks while it plays.
#include "music/midi_file.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

char szTrackMsg[80]; // per-track messages
char szFileMsg[256]; // "Error encountered in file: %s"

const char* const lpszHeaderRead = "Error encountered when reading the MIDI file header.";
const char* const lpszHeaderChunk = "Error encountered when reading the MIDI header chunk.";
const char* const lpszSmpte =
    "The SMPTE time codes used in this file are not supported by this program.";
const char* const lpszInconsistent = "Error due to inconsistent information in MIDI header chunk.";
const char* const lpszFormat2 = "The format of this MIDI file is not supported by this program.";
const char* const lpszNoMemory = "Error encountered when allocating memory for this file.";
const char* const lpszTrackRead = "Error encountered when reading track chunk.";

uint32_t BigEndian32(const uint8_t* lp) {
    return (uint32_t)lp[0] << 24 | (uint32_t)lp[1] << 16 | (uint32_t)lp[2] << 8 | lp[3];
}

uint16_t BigEndian16(const uint8_t* lp) {
    return (uint16_t)(lp[0] << 8 | lp[1]);
}

// Formats a per-track message with the track index and the cursor's offset into its data.
const char* TrackError(const char* lpszFormat, int nTrack, const uint8_t* lpCur,
                       const uint8_t* lpStart) {
    snprintf(szTrackMsg, sizeof(szTrackMsg), lpszFormat, nTrack, (int)(lpCur - lpStart));
    return szTrackMsg;
}

// Moves the cursor over n bytes; at too few, it stops at the end and reports false.
int SkipBytes(const uint8_t*& lpCur, const uint8_t* lpEnd, uint32_t n) {
    if ((size_t)(lpEnd - lpCur) < n) {
        lpCur = lpEnd;
        return 0;
    }
    lpCur += n;
    return 1;
}

// Reads from a whole file held in memory.
class MemoryReader : public MidiReader {
  public:
    MemoryReader(const uint8_t* lpBytes, size_t cbBytes)
        : lpPos(lpBytes), lpEnd(lpBytes + cbBytes) {}
    int Read(void* lpBuf, uint32_t cb) override {
        if ((size_t)(lpEnd - lpPos) < cb) {
            lpPos = lpEnd;
            return 0;
        }
        memcpy(lpBuf, lpPos, cb);
        lpPos += cb;
        return 1;
    }
    uint64_t Left() override { return (uint64_t)(lpEnd - lpPos); }

  private:
    const uint8_t* lpPos;
    const uint8_t* lpEnd;
};

// Reads and validates the track chunks that the header counts; null or a message.
const char* LoadTracks(MidiReader* lpReader, MidiSong* lpSong) {
    for (int i = 0; i < lpSong->nTracks; i++) {
        MidiTrack* lpTrack = &lpSong->pTracks[i];
        uint8_t abChunk[8];
        if (!lpReader->Read(abChunk, sizeof(abChunk)) || memcmp(abChunk, "MTrk", 4) != 0)
            return lpszTrackRead;
        lpTrack->cbData = BigEndian32(abChunk + 4);
        // A length beyond the end of the file could only end in a short read: say so
        // before allocating for it.
        if (lpTrack->cbData > lpReader->Left())
            return lpszTrackRead;
        lpTrack->lpData = (uint8_t*)calloc(lpTrack->cbData ? lpTrack->cbData : 1, 1);
        if (!lpTrack->lpData)
            return lpszNoMemory;
        if (!lpReader->Read(lpTrack->lpData, lpTrack->cbData))
            return lpszTrackRead;
        if (const char* lpszMsg = ParseTrack(lpTrack, i)) {
            snprintf(szFileMsg, sizeof(szFileMsg), "Error encountered in file: %s", lpszMsg);
            return szFileMsg;
        }
    }
    return nullptr;
}

} // namespace

int ReadByte(const uint8_t*& lpCur, const uint8_t* lpEnd) {
    if (lpCur >= lpEnd)
        return -1;
    return *lpCur++;
}

int32_t ReadVarLen(const uint8_t*& lpCur, const uint8_t* lpEnd) {
    int32_t nValue = 0;
    for (;;) {
        if (nValue >= 0x800000)
            return -1;
        int b = ReadByte(lpCur, lpEnd);
        if (b < 0)
            return -1;
        nValue = nValue << 7 | (b & 0x7F);
        if (!(b & 0x80))
            return nValue;
    }
}

const char* ParseTrack(MidiTrack* lpTrack, int nTrack) {
    const uint8_t* const lpStart = lpTrack->lpData;
    const uint8_t* const lpEnd = lpStart + lpTrack->cbData;
    const uint8_t* lpCur = lpStart;
    int bRunning = 0;
    uint32_t nTicks = 0;
    lpTrack->nTotalTicks = 0;
    for (;;) {
        int32_t nDelta = ReadVarLen(lpCur, lpEnd);
        if (nDelta < 0)
            return TrackError("Track %i Offset %i: Delta-time problem.", nTrack, lpCur, lpStart);
        nTicks += (uint32_t)nDelta; // both below 2^31: no wrap
        if (nTicks > 0x7FFFFFFF)
            return TrackError("Track %i Offset %i: Total ticks can't fit in integer.", nTrack,
                              lpCur, lpStart);
        lpTrack->nTotalTicks = (int32_t)nTicks;

        int b = ReadByte(lpCur, lpEnd);
        if (b < 0)
            return TrackError("Track %i Offset %i: First byte problem.", nTrack, lpCur, lpStart);
        if (b == 0xFF) {
            int nType = ReadByte(lpCur, lpEnd);
            if (nType < 0)
                return TrackError("Track %i Offset %i: Second byte problem on meta-event.", nTrack,
                                  lpCur, lpStart);
            if (nType == 0x2F)
                return nullptr;
            if (IsVarLenMeta(nType)) {
                int32_t nLen = ReadVarLen(lpCur, lpEnd);
                if (nLen < 0)
                    return TrackError("Track %i Offset %i: Variable-length problem on meta-event.",
                                      nTrack, lpCur, lpStart);
                if (!SkipBytes(lpCur, lpEnd, (uint32_t)nLen))
                    return TrackError("Track %i Offset %i: Variable-length data on meta-event.",
                                      nTrack, lpCur, lpStart);
            } else {
                int nLen = ReadByte(lpCur, lpEnd);
                if (nLen < 0)
                    return TrackError("Track %i Offset %i: Length problem on meta-event.", nTrack,
                                      lpCur, lpStart);
                if (!SkipBytes(lpCur, lpEnd, (uint32_t)nLen))
                    return TrackError("Track %i Offset %i: Data problem on meta-event.", nTrack,
                                      lpCur, lpStart);
            }
            continue;
        }
        if (b == 0xF0 || b == 0xF7) {
            int32_t nLen = ReadVarLen(lpCur, lpEnd);
            if (nLen < 0)
                return TrackError("Track %i Offset %i: Variable-length problem on SysEx message.",
                                  nTrack, lpCur, lpStart);
            if (!SkipBytes(lpCur, lpEnd, (uint32_t)nLen))
                return TrackError("Track %i Offset %i Variable-Length data on SysEx message.",
                                  nTrack, lpCur, lpStart);
            continue;
        }
        if (b >= 0xF0)
            return TrackError("Track %i Offset %i: Incorrect first byte.", nTrack, lpCur, lpStart);
        if (b >= 0x80) {
            bRunning = b;
            b = ReadByte(lpCur, lpEnd);
            if (b < 0 || b >= 0x80)
                return TrackError("Track %i Offset %i: Message first data byte problem.", nTrack,
                                  lpCur, lpStart);
        }
        int nKind = bRunning & 0xF0;
        if (nKind == 0xC0 || nKind == 0xD0)
            continue;
        b = ReadByte(lpCur, lpEnd);
        if (b < 0 || b >= 0x80)
            return TrackError("Track %i Offset %i: Message second data byte problem.", nTrack,
                              lpCur, lpStart);
    }
}

void FreeSong(MidiSong* lpSong) {
    if (!lpSong->pTracks)
        return;
    for (int i = 0; i < lpSong->nTracks; i++) {
        free(lpSong->pTracks[i].lpData);
        lpSong->pTracks[i].lpData = nullptr;
    }
    free(lpSong->pTracks);
    lpSong->pTracks = nullptr;
}

const char* LoadMidiFrom(MidiReader* lpReader, MidiSong* lpSong) {
    uint8_t abHeader[14];
    if (!lpReader->Read(abHeader, sizeof(abHeader)))
        return lpszHeaderRead;
    if (memcmp(abHeader, "RIFF", 4) == 0) {
        // The MThd chunk of a RIFF-wrapped file stands at byte 20.
        uint8_t abSkip[6];
        if (!lpReader->Read(abSkip, sizeof(abSkip)) || !lpReader->Read(abHeader, sizeof(abHeader)))
            return lpszHeaderRead;
    }
    if (memcmp(abHeader, "MThd", 4) != 0 || BigEndian32(abHeader + 4) != 6)
        return lpszHeaderChunk;
    lpSong->wFormat = (int16_t)BigEndian16(abHeader + 8);
    lpSong->nTracks = (int16_t)BigEndian16(abHeader + 10);
    lpSong->wDivision = BigEndian16(abHeader + 12);
    if (lpSong->wDivision & 0x8000)
        return lpszSmpte;
    lpSong->dwTempo = 500000;
    if (lpSong->wFormat < 0 || lpSong->wFormat > 2 ||
        (lpSong->wFormat == 0 && lpSong->nTracks != 1))
        return lpszInconsistent;
    if (lpSong->wFormat == 2)
        return lpszFormat2;

    if (lpSong->nTracks < 0) // a count of 0x8000 or more cannot be allocated
        return lpszNoMemory;
    if (lpSong->nTracks > 0) {
        lpSong->pTracks = (MidiTrack*)calloc((size_t)lpSong->nTracks, sizeof(MidiTrack));
        if (!lpSong->pTracks)
            return lpszNoMemory;
    }
    if (const char* lpszMsg = LoadTracks(lpReader, lpSong)) {
        FreeSong(lpSong);
        return lpszMsg;
    }
    return nullptr;
}

const char* LoadMidiFile(const uint8_t* lpBytes, size_t cbBytes, MidiSong* lpSong) {
    MemoryReader reader(lpBytes, cbBytes);
    return LoadMidiFrom(&reader, lpSong);
}
