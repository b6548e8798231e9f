// The MIDI log and the comparison of a playback with its song.
#include "audio/midi_log.h"

#include <math.h>
#include <algorithm>
#include <stdio.h>
#include <stdlib.h>

#include "support/song_walk.h"

Song ReadSong(const std::vector<uint8_t>& file) {
    Song song;
    SongWalk walk;
    std::string strError;
    if (!WalkSong(file, &walk, &strError))
        return song;
    std::vector<WalkedMessage> messages = walk.messages;
    std::stable_sort(messages.begin(), messages.end(),
                     [](const WalkedMessage& a, const WalkedMessage& b) {
                         return a.dwTick != b.dwTick ? a.dwTick < b.dwTick : a.nTrack < b.nTrack;
                     });
    for (const WalkedMessage& m : messages)
        song.events.push_back({SongUsAt(walk, m.dwTick), m.nTrack, m.dwMsg});
    uint32_t dwEnd = 0;
    for (const WalkedTrack& track : walk.tracks)
        dwEnd = std::max(dwEnd, track.dwEndTick);
    song.dUsLength = SongUsAt(walk, dwEnd);
    song.bOk = 1;
    return song;
}

std::vector<LogEntry> ParseMidiLog(const std::string& strText) {
    std::vector<LogEntry> log;
    size_t at = 0;
    while (at < strText.size()) {
        size_t nEol = strText.find('\n', at);
        if (nEol == std::string::npos)
            break;
        std::string strLine = strText.substr(at, nEol - at);
        at = nEol + 1;
        char* lpEnd = NULL;
        LogEntry e = {};
        e.nUs = strtoll(strLine.c_str(), &lpEnd, 10);
        if (lpEnd == strLine.c_str() || *lpEnd != ' ')
            break;
        std::string strWhat = lpEnd + 1;
        if (strWhat == "open") {
            e.nKind = LOG_OPEN;
        } else if (strWhat == "reset") {
            e.nKind = LOG_RESET;
        } else if (strWhat == "close") {
            e.nKind = LOG_CLOSE;
        } else if (strWhat.size() == 8 &&
                   strWhat.find_first_not_of("0123456789abcdef") == std::string::npos) {
            e.nKind = LOG_MSG;
            e.dwMsg = (uint32_t)strtoul(strWhat.c_str(), NULL, 16);
        } else {
            break;
        }
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

size_t CountDueBy(const Song& song, double dUs) {
    size_t n = 0;
    for (const SongEvent& e : song.events)
        n += e.dUs <= dUs;
    return n;
}

Playback ComparePlayback(const std::vector<LogEntry>& sent, const Song& song) {
    Playback result;
    // Each channel's messages come from one place in the file and keep their order exactly;
    // between channels only the times say what comes first.
    std::vector<size_t> nNext(16, 0);
    std::vector<std::vector<const SongEvent*>> byChannel(16);
    for (const SongEvent& e : song.events)
        byChannel[e.dwMsg & 15].push_back(&e);
    double dPrevIdeal = -1e18, dFirstIdeal = 0;
    for (size_t i = 0; i < sent.size(); i++) {
        int nChannel = sent[i].dwMsg & 15;
        const std::vector<const SongEvent*>& list = byChannel[nChannel];
        if (nNext[nChannel] >= list.size() || list[nNext[nChannel]]->dwMsg != sent[i].dwMsg) {
            char sz[160];
            if (nNext[nChannel] < list.size())
                snprintf(sz, sizeof(sz),
                         "message %zu: sent %06x, the song's next on channel %d is %06x", i,
                         (unsigned)sent[i].dwMsg, nChannel, (unsigned)list[nNext[nChannel]]->dwMsg);
            else
                snprintf(sz, sizeof(sz),
                         "message %zu: sent %06x, the song has no more on channel %d", i,
                         (unsigned)sent[i].dwMsg, nChannel);
            result.strFirstDifference = sz;
            return result;
        }
        const SongEvent* lpEvent = list[nNext[nChannel]++];
        if (i == 0)
            dFirstIdeal = lpEvent->dUs;
        if (lpEvent->dUs < dPrevIdeal - 2000)
            result.nOutOfOrder++;
        dPrevIdeal = lpEvent->dUs;
        double dOffMs =
            ((double)(sent[i].nUs - sent[0].nUs) - (lpEvent->dUs - dFirstIdeal)) / 1000.0;
        result.offsetsMs.push_back(dOffMs);
        if (fabs(dOffMs) > result.dMaxOffMs)
            result.dMaxOffMs = fabs(dOffMs);
        result.dIdealEndUs = lpEvent->dUs;
        result.nMatched++;
    }
    return result;
}

double MedianOffMs(const Playback& play) {
    std::vector<double> off;
    for (double d : play.offsetsMs)
        off.push_back(fabs(d));
    if (off.empty())
        return 0;
    std::nth_element(off.begin(), off.begin() + off.size() / 2, off.end());
    return off[off.size() / 2];
}
