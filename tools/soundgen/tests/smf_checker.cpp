// Test-side checker of Standard MIDI Files by the loader's rules.
#include "smf_checker.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

namespace {

struct Cursor {
    const uint8_t* p;
    const uint8_t* pEnd;
    int Byte() { return p < pEnd ? *p++ : -1; }
    // A variable-length quantity; -1 when the data ends inside it or it reaches 2^30.
    long VarLen() {
        long n = 0;
        for (;;) {
            if (n >= 0x800000)
                return -1;
            const int b = Byte();
            if (b < 0)
                return -1;
            n = (n << 7) | (b & 0x7F);
            if (!(b & 0x80))
                return n;
        }
    }
    bool Skip(long n) {
        if (n < 0 || n > pEnd - p)
            return false;
        p += n;
        return true;
    }
};

uint32_t Be(const uint8_t* p, int nBytes) {
    uint32_t dw = 0;
    for (int i = 0; i < nBytes; i++)
        dw = (dw << 8) | p[i];
    return dw;
}

bool CheckTrack(const uint8_t* pData, uint32_t cbData, int nTrack, SmfSummary& summary,
                SmfTrackSummary& track, std::string& strError) {
    Cursor cur = {pData, pData + cbData};
    int nStatus = 0;
    uint32_t dwTick = 0;
    std::multimap<int, uint32_t> mSounding; // channel * 128 + note -> start tick
    std::set<int> sChannels;
    for (;;) {
        const long nDelta = cur.VarLen();
        if (nDelta < 0)
            return strError = "delta time", false;
        if (dwTick + static_cast<uint64_t>(nDelta) > 0x7FFFFFFFu)
            return strError = "total ticks overflow", false;
        dwTick += static_cast<uint32_t>(nDelta);
        const int b = cur.Byte();
        if (b < 0)
            return strError = "data ends where an event is due", false;
        if (b == 0xFF) {
            const int nType = cur.Byte();
            if (nType < 0)
                return strError = "meta type missing", false;
            if (nType == 0x2F) {
                // The loader stops here; a clean file has its zero length and nothing after.
                if (cur.Byte() != 0 || cur.p != cur.pEnd)
                    return strError = "bytes after end-of-track", false;
                track.dwEndTick = dwTick;
                track.nHangingNotes = static_cast<int>(mSounding.size());
                track.vChannels.assign(sChannels.begin(), sChannels.end());
                return true;
            }
            long nLen;
            if (nType <= 0x06 || nType == 0x7F) {
                nLen = cur.VarLen();
            } else {
                nLen = cur.Byte();
                if (nLen >= 0x80)
                    track.nLongMeta++;
            }
            if (nLen < 0)
                return strError = "meta length", false;
            if (nType == 0x51) {
                if (nLen != 3 || nTrack != 0)
                    return strError = "tempo event must be 3 bytes in track 0", false;
                if (cur.pEnd - cur.p < 3)
                    return strError = "tempo data", false;
                summary.vTempos.push_back({dwTick, Be(cur.p, 3)});
            }
            if (!cur.Skip(nLen))
                return strError = "meta data runs past the track", false;
            continue;
        }
        if (b == 0xF0 || b == 0xF7) {
            if (!cur.Skip(cur.VarLen()))
                return strError = "system exclusive", false;
            continue;
        }
        if (b > 0xF0)
            return strError = "bad first byte", false;
        int nData1;
        if (b >= 0x80) {
            nStatus = b;
            nData1 = cur.Byte();
        } else {
            if (nStatus == 0)
                return strError = "running status before any status byte", false;
            nData1 = b;
        }
        if (nData1 < 0 || nData1 >= 0x80)
            return strError = "first data byte", false;
        const int nKind = nStatus & 0xF0, nChannel = nStatus & 0x0F;
        sChannels.insert(nChannel);
        if (nKind == 0xC0 || nKind == 0xD0) {
            if (nKind == 0xC0 && dwTick == 0)
                track.nProgramsAtStart++;
            continue;
        }
        const int nData2 = cur.Byte();
        if (nData2 < 0 || nData2 >= 0x80)
            return strError = "second data byte", false;
        const int nKey = nChannel * 128 + nData1;
        if (nKind == 0x90 && nData2 > 0) {
            mSounding.insert({nKey, dwTick});
            track.nNotesOn++;
        } else if (nKind == 0x80 || nKind == 0x90) {
            auto it = mSounding.find(nKey);
            if (it == mSounding.end())
                return strError = "note-off without its note", false;
            summary.vNotes.push_back({nTrack, nChannel, nData1, it->second, dwTick});
            mSounding.erase(it);
        }
    }
}

} // namespace

bool CheckSmf(const std::vector<uint8_t>& vFile, SmfSummary& summary, std::string& strError) {
    const uint8_t* p = vFile.data();
    const size_t cb = vFile.size();
    if (cb < 14 || std::memcmp(p, "MThd", 4) != 0 || Be(p + 4, 4) != 6)
        return strError = "header chunk", false;
    summary.nFormat = static_cast<int>(Be(p + 8, 2));
    const int nTracks = static_cast<int>(Be(p + 10, 2));
    summary.nDivision = static_cast<int>(Be(p + 12, 2));
    if (summary.nFormat > 1 || (summary.nFormat == 0 && nTracks != 1))
        return strError = "format", false;
    if (summary.nDivision & 0x8000 || summary.nDivision == 0)
        return strError = "division must be ticks per quarter note", false;
    size_t nPos = 14;
    for (int i = 0; i < nTracks; i++) {
        if (cb - nPos < 8 || std::memcmp(p + nPos, "MTrk", 4) != 0)
            return strError = "track chunk " + std::to_string(i), false;
        const uint32_t cbData = Be(p + nPos + 4, 4);
        if (cbData > cb - nPos - 8)
            return strError = "track chunk " + std::to_string(i) + " runs past the file", false;
        SmfTrackSummary track;
        if (!CheckTrack(p + nPos + 8, cbData, i, summary, track, strError)) {
            strError = "track " + std::to_string(i) + ": " + strError;
            return false;
        }
        summary.vTracks.push_back(track);
        nPos += 8 + cbData;
    }
    if (nPos != cb)
        return strError = "bytes after the last track", false;
    return true;
}

double SmfSeconds(const SmfSummary& summary) {
    uint32_t dwEnd = 0;
    for (const SmfTrackSummary& track : summary.vTracks)
        dwEnd = std::max(dwEnd, track.dwEndTick);
    double dSeconds = 0;
    uint32_t dwTick = 0, dwTempo = 500000;
    for (const SmfTempo& tempo : summary.vTempos) {
        const uint32_t dwUntil = std::min(tempo.dwTick, dwEnd);
        dSeconds += (dwUntil - dwTick) * (dwTempo / 1e6) / summary.nDivision;
        dwTick = dwUntil;
        dwTempo = tempo.dwTempo;
    }
    return dSeconds + (dwEnd - dwTick) * (dwTempo / 1e6) / summary.nDivision;
}
