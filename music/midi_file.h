// Standard MIDI Files: the song record, the loader that validates every track, and the byte
// readers.
#pragma once
#include <cstddef>
#include <cstdint>

// One track chunk, kept as the bytes that stand in the file, with its playback state.
struct MidiTrack {
    uint32_t cbData;      // length of the chunk data
    uint8_t* lpData;      // exactly cbData bytes; owned by the song
    const uint8_t* lpCur; // playback cursor into lpData
    uint8_t bStatus;      // running status during playback
    int bStarted;         // playback has read the first delta time
    int bEnded;           // playback has met the end of the track
    float fCountdown;     // ticks left until the next event
    int32_t nTotalTicks;  // sum of the delta times up to the end-of-track event
};

// One loaded song with its playback state. The caller zero-fills it and sets hMidiOut.
struct MidiSong {
    void* hMidiOut;     // MIDI output handle of the player (HMIDIOUT)
    int16_t wFormat;    // 0 or 1
    int16_t nTracks;    // number of entries of pTracks
    uint16_t wDivision; // ticks per quarter note
    uint32_t dwTempo;   // microseconds per quarter note
    MidiTrack* pTracks; // owned by the song
    uint32_t uPeriod;   // timer period in milliseconds
    int bTimerOn;       // a periodic timer has been started and not yet stopped
    uint32_t uTimerId;  // the periodic timer
};

// Where the loader takes the file's bytes from: the music file itself, or a buffer in memory.
class MidiReader {
  public:
    virtual ~MidiReader() {}
    // Reads exactly cb bytes into lpBuf; false on a failed or short read.
    virtual int Read(void* lpBuf, uint32_t cb) = 0;
    // Bytes left between the read position and the end of the file.
    virtual uint64_t Left() = 0;
};

// Loads and validates a song; null on success, else a message saying what is wrong and where.
// The message stays valid until the next load. Not reentrant.
const char* LoadMidiFrom(MidiReader* lpReader, MidiSong* lpSong);

// The same over a whole file held in memory.
const char* LoadMidiFile(const uint8_t* lpBytes, size_t cbBytes, MidiSong* lpSong);

// The same over a file on disk (Win32 layer).
const char* LoadMidiFile(const char* lpszPath, MidiSong* lpSong);

// Validation pass over one track's bytes; null or a per-track message. Sets nTotalTicks.
const char* ParseTrack(MidiTrack* lpTrack, int nTrack);

// Releases every track buffer and the track array; harmless on a song that owns nothing.
void FreeSong(MidiSong* lpSong);

// The next byte with the cursor advanced, or -1 at the end.
int ReadByte(const uint8_t*& lpCur, const uint8_t* lpEnd);

// The next variable-length quantity (at most 2^30 - 1), or -1 when the data ends inside it
// or it grows too long.
int32_t ReadVarLen(const uint8_t*& lpCur, const uint8_t* lpEnd);

// Meta event types whose length is a variable-length quantity; all others have a length byte.
inline int IsVarLenMeta(int nType) {
    return (nType >= 0x00 && nType <= 0x06) || nType == 0x7F;
}
