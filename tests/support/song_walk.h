// What a song file plays, as the program itself reads it: its loader takes the file and its
// sequencer decodes every event of every track, listed here with the tick it falls on.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct WalkedMessage {
    uint32_t dwTick;
    int nTrack;
    uint32_t dwMsg; // packed as the sequencer hands it to the device
};
struct WalkedTempo {
    uint32_t dwTick;
    uint32_t dwTempo; // microseconds per quarter note
};
struct WalkedTrack {
    uint32_t dwEndTick = 0; // the end-of-track event's tick, as the loader counted it
    int nLongMeta = 0;      // meta events with a one-byte length of 128 or more, which readers that
                            // take every meta length as a variable-length quantity read otherwise
};
struct SongWalk {
    int nFormat = 0;
    int nDivision = 0; // ticks per quarter note
    std::vector<WalkedTrack> tracks;
    std::vector<WalkedMessage> messages; // track by track, each in file order
    std::vector<WalkedTempo> tempos;     // by tick, then track by track
};

// Walks the file; FALSE with the reason when the loader refuses it or it is not whole: bytes
// after the last track, an end of track with a length or bytes after it, a tick count of zero
// per quarter note, or data before a track's first status byte (the sequencer passes over it).
int WalkSong(const std::vector<uint8_t>& file, SongWalk* lpWalk, std::string* lpstrError);

// Microseconds from the start of the song to dwTick along its tempo map, at 500000 per quarter
// note before the first tempo.
double SongUsAt(const SongWalk& walk, uint32_t dwTick);
