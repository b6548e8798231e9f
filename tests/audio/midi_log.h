// What the program sent to the MIDI device (the test driver's log), what a song file says should
// be sent, and the comparison of the two.
#pragma once
#include <stddef.h>
#include <stdint.h>
#include <string>
#include <vector>

// One line of the driver's log.
enum { LOG_OPEN, LOG_RESET, LOG_CLOSE, LOG_MSG };
struct LogEntry {
    int64_t nUs;    // QueryPerformanceCounter time in microseconds
    int nKind;      // LOG_*
    uint32_t dwMsg; // the short message, for LOG_MSG
};
// The log's lines; a line that does not parse ends the list (a line still being written).
std::vector<LogEntry> ParseMidiLog(const std::string& strText);

// A channel message of a song at its ideal time from the start of the song.
struct SongEvent {
    double dUs;
    int nTrack;
    uint32_t dwMsg; // packed as for midiOutShortMsg
};
struct Song {
    int bOk = 0;
    double dUsLength = 0;          // ideal time of the last end of track
    std::vector<SongEvent> events; // by time, then by track, then in file order
};
// Reads a Standard MIDI File with the program's own loader and sequencer, with the tempo map of
// all its tracks and the default tempo of 500000 us per quarter note.
Song ReadSong(const std::vector<uint8_t>& file);

// The program's messages held against the song, aligned on the first message.
struct Playback {
    size_t nMatched = 0;            // messages that are the song's next message on their channel
    std::string strFirstDifference; // empty when every message matched
    size_t nOutOfOrder = 0;         // neighbours sent in an order 2 ms or more away from the song's
    double dMaxOffMs = 0;           // largest distance of a send from its ideal time
    double dIdealEndUs = 0;         // ideal time of the last message matched
    std::vector<double> offsetsMs;  // each matched message's send time less its ideal time
};
Playback ComparePlayback(const std::vector<LogEntry>& sent, const Song& song);

// The median distance of the sends from their ideal times: a wrong tempo moves most messages,
// a busy machine only some.
double MedianOffMs(const Playback& play);

// How many of the song's messages are due up to the ideal time dUs.
size_t CountDueBy(const Song& song, double dUs);

// The short messages of a stretch of the log.
std::vector<LogEntry> MessagesOf(const std::vector<LogEntry>& log, size_t nFrom, size_t nTo);
