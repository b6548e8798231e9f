// Test-side checker of Standard MIDI Files by the rules the program's loader applies,
// written apart from the generator, plus a summary of what the file plays.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct SmfTempo {
    uint32_t dwTick;
    uint32_t dwTempo; // microseconds per quarter note
};

struct SmfTrackSummary {
    uint32_t dwEndTick = 0;   // tick of the end-of-track event
    int nNotesOn = 0;         // notes started
    int nHangingNotes = 0;    // notes still sounding at the end of the track
    int nProgramsAtStart = 0; // program changes at tick 0
    std::vector<int> vChannels;
    int nLongMeta = 0; // meta events of types 0x07..0x7E with a length of 128 or more
};

struct SmfNote {
    int nTrack;
    int nChannel;
    int nKey;
    uint32_t dwOn; // ticks
    uint32_t dwOff;
};

struct SmfSummary {
    int nFormat = 0;
    int nDivision = 0;
    std::vector<SmfTempo> vTempos; // tempo events of track 0
    std::vector<SmfTrackSummary> vTracks;
    std::vector<SmfNote> vNotes; // every finished note, track by track
};

// Checks every byte; false with a reason on the first fault.
bool CheckSmf(const std::vector<uint8_t>& vFile, SmfSummary& summary, std::string& strError);

// Playing time in seconds up to the last end-of-track, by the tempo map of track 0.
double SmfSeconds(const SmfSummary& summary);
