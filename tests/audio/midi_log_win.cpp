// The MIDI log driver's selection, its log, and the comparison of a playback with its song.
#include "audio/midi_log.h"

#include <windows.h>
#include <math.h>
#include <stdio.h>
#include <algorithm>

#include "support/file_bytes.h"
#include "support/song_walk.h"

std::string UseMidiLogDriver(const std::string& strName) {
    char szTarget[MAX_PATH];
    UINT cch = GetSystemDirectoryA(szTarget, MAX_PATH - 20);
    lstrcatA(szTarget, "\\winetwmidi.drv");
    std::string strLog = std::string(TW_AUDIO_TMP_WIN) + "\\" + strName + ".midilog";
    DeleteFileA(strLog.c_str());
    SetEnvironmentVariableA("TW_MIDI_LOG", strLog.c_str());
    // mmdevapi loads "wine<name>.drv" for the name in this key.
    int bOk = cch > 0 && CopyFileA(TW_DRIVER_WIN, szTarget, FALSE) &&
              RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Wine\\Drivers", "Audio", REG_SZ,
                              "twmidi", 7) == ERROR_SUCCESS;
    return bOk ? strLog : "";
}

int UseDefaultDrivers() {
    LONG lErr = RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\Wine\\Drivers", "Audio");
    return lErr == ERROR_SUCCESS || lErr == ERROR_FILE_NOT_FOUND;
}

std::vector<LogEntry> ReadMidiLog(const std::string& strPath) {
    std::vector<uint8_t> bytes = ReadFileBytes(strPath);
    std::string strText(bytes.begin(), bytes.end());
    std::vector<LogEntry> log;
    LogEntry e;
    for (size_t at = 0, nEol; (nEol = strText.find('\n', at)) != std::string::npos; at = nEol + 1) {
        if (sscanf(&strText[at], "%lld %d %x", &e.nUs, &e.nKind, &e.dwMsg) != 3)
            break;
        log.push_back(e);
    }
    return log;
}

std::vector<LogEntry> MessagesOf(const std::vector<LogEntry>& log, size_t nFrom, size_t nTo) {
    std::vector<LogEntry> msgs;
    for (size_t i = nFrom; i < nTo && i < log.size(); i++)
        if (log[i].nKind == LOG_MSG)
            msgs.push_back(log[i]);
    return msgs;
}

Song ReadSong(const std::vector<uint8_t>& file) {
    Song song;
    SongWalk walk;
    std::string strError;
    if (!WalkSong(file, &walk, &strError))
        return song;
    for (const WalkedMessage& m : walk.messages)
        song.events.push_back({SongUsAt(walk, m.dwTick), m.dwMsg});
    // By time; each channel's messages keep their order in the file.
    std::stable_sort(song.events.begin(), song.events.end(),
                     [](const SongEvent& a, const SongEvent& b) { return a.dUs < b.dUs; });
    for (const WalkedTrack& track : walk.tracks)
        song.dUsLength = std::max(song.dUsLength, SongUsAt(walk, track.dwEndTick));
    return song;
}

Playback ComparePlayback(const std::vector<LogEntry>& sent, const Song& song) {
    Playback play;
    std::vector<const SongEvent*> byChannel[16];
    for (const SongEvent& e : song.events)
        byChannel[e.dwMsg & 15].push_back(&e);
    size_t nNext[16] = {};
    double dFirstUs = 0;
    for (size_t i = 0; i < sent.size(); i++) {
        const std::vector<const SongEvent*>& list = byChannel[sent[i].dwMsg & 15];
        size_t& n = nNext[sent[i].dwMsg & 15];
        if (n >= list.size() || list[n]->dwMsg != sent[i].dwMsg) {
            play.strFirstDifference = "message " + std::to_string(i) + " is not the song's next";
            return play;
        }
        const SongEvent* lpEvent = list[n++];
        if (i == 0)
            dFirstUs = lpEvent->dUs;
        play.offsetsMs.push_back(((double)(sent[i].nUs - sent[0].nUs) - (lpEvent->dUs - dFirstUs)) /
                                 1000);
    }
    // Measured from the median send rather than the first, which one late timer tick can move.
    std::vector<double> sorted = play.offsetsMs;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    double dMedianMs = sorted.empty() ? 0 : sorted[sorted.size() / 2];
    for (double& dOffMs : play.offsetsMs) {
        dOffMs -= dMedianMs;
        play.dMaxOffMs = std::max(play.dMaxOffMs, fabs(dOffMs));
    }
    play.dStartUs = sent.empty() ? 0 : (double)sent[0].nUs + dMedianMs * 1000;
    return play;
}
