// The background song, arranged for General MIDI and written as a Standard MIDI File.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

constexpr uint16_t SONG_DIVISION = 480; // ticks per quarter note
constexpr uint32_t SONG_TEMPO = 483871; // microseconds per quarter note: 124 beats a minute
constexpr int SONG_BEATS_PER_BAR = 4;

// One note of a tune: start and length in ticks from the start of its section.
struct ScoreNote {
    uint32_t dwTick;
    uint32_t dwLength;
    int nNote; // MIDI note number, or -1 for a rest
};

// Reads a tune in the score notation into vNotes. False, with a reason in strError, when a
// token cannot be read or a bar does not hold four beats.
int ParseTune(const char* lpszTune, std::vector<ScoreNote>& vNotes, std::string& strError);

// The whole song as a format 1 file image; empty, with a reason in strError, if the score
// cannot be read.
std::vector<uint8_t> BuildSong(std::string& strError);
