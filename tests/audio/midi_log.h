// What the program sent to the MIDI device (the test driver's log), what a song file says should
// be sent, and the comparison of the two.
#pragma once
#include <stdint.h>
#include <string>
#include <vector>

// Installs the test driver (winetwmidi.drv) and selects it for the programs started from now on:
// their MIDI output device 0 then logs to a fresh file named for strName, whose path is returned
// ("" on failure), and the wave audio reaches PulseAudio. UseDefaultDrivers goes back to Wine's
// own choice.
std::string UseMidiLogDriver(const std::string& strName);
int UseDefaultDrivers();

enum { LOG_OPEN, LOG_RESET, LOG_CLOSE, LOG_MSG };
struct LogEntry {
    int64_t nUs; // QueryPerformanceCounter time in microseconds
    int nKind;   // LOG_*
    uint32_t dwMsg;
};
// The log's lines; a line that does not parse ends the list (a line still being written).
std::vector<LogEntry> ReadMidiLog(const std::string& strPath);
// The short messages of entries [nFrom, nTo).
std::vector<LogEntry> MessagesOf(const std::vector<LogEntry>& log, size_t nFrom, size_t nTo);

// A song's channel messages at their ideal times, as the program's own loader and sequencer
// read the file, with the tempo map of all its tracks.
struct SongEvent {
    double dUs;
    uint32_t dwMsg;
};
struct Song {
    double dUsLength = 0; // ideal time of the last end of track
    std::vector<SongEvent> events;
};
Song ReadSong(const std::vector<uint8_t>& file); // no events when it cannot be read

// The messages sent held against the song from its start. Each channel's messages must be the
// song's in order; between channels only the times say what comes first.
struct Playback {
    std::string strFirstDifference; // empty when every message matched
    double dMaxOffMs = 0;           // largest distance of a send from its ideal time
    std::vector<double> offsetsMs;  // of each message matched: send time less ideal time, both
                                    // from the start, less the median of them
    double dStartUs = 0;            // when the song started, going by the median message
};
Playback ComparePlayback(const std::vector<LogEntry>& sent, const Song& song);
