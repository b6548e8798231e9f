// An independent reader of Standard MIDI Files: every channel message with its ideal time.
#include "audio/midi_log.h"

#include <algorithm>
#include <map>

namespace {

struct Cursor {
    const uint8_t* p;
    const uint8_t* lpEnd;
    int bBad = 0;
    int Byte() {
        if (p >= lpEnd) {
            bBad = 1;
            return 0;
        }
        return *p++;
    }
    uint32_t VarLen() {
        uint32_t v = 0;
        for (int i = 0; i < 4; i++) {
            int b = Byte();
            v = v << 7 | (b & 0x7F);
            if (!(b & 0x80))
                return v;
        }
        bBad = 1;
        return 0;
    }
    void Skip(uint32_t n) {
        if ((size_t)(lpEnd - p) < n)
            bBad = 1;
        else
            p += n;
    }
};

uint32_t Be32(const uint8_t* p) {
    return (uint32_t)p[0] << 24 | (uint32_t)p[1] << 16 | (uint32_t)p[2] << 8 | p[3];
}

struct TickEvent {
    uint64_t nTick;
    int nTrack;
    size_t nOrder;
    uint32_t dwMsg;
};

} // namespace

Song ReadSong(const std::vector<uint8_t>& file) {
    Song song;
    if (file.size() < 14 || Be32(&file[0]) != 0x4D546864)
        return song;
    unsigned nTracks = file[10] << 8 | file[11];
    unsigned nDivision = file[12] << 8 | file[13];
    if (nDivision == 0 || (nDivision & 0x8000))
        return song;
    std::vector<TickEvent> events;
    std::map<uint64_t, uint32_t> tempos; // tick -> microseconds per quarter note
    uint64_t nEndTick = 0;
    size_t at = 8 + Be32(&file[4]);
    for (unsigned t = 0; t < nTracks; t++) {
        if (at > file.size() || file.size() - at < 8 || Be32(&file[at]) != 0x4D54726B)
            return song;
        uint32_t cb = Be32(&file[at + 4]);
        if (cb > file.size() - at - 8)
            return song;
        Cursor c = {&file[at + 8], &file[at + 8] + cb};
        at += 8 + cb;
        uint64_t nTick = 0;
        int nStatus = 0;
        for (;;) {
            nTick += c.VarLen();
            int b = c.Byte();
            if (c.bBad)
                return song;
            if (b == 0xFF) {
                int nType = c.Byte();
                uint32_t nLen = c.VarLen();
                if (nType == 0x2F)
                    break;
                if (nType == 0x51 && nLen == 3 && c.lpEnd - c.p >= 3)
                    tempos[nTick] = (uint32_t)c.p[0] << 16 | c.p[1] << 8 | c.p[2];
                c.Skip(nLen);
            } else if (b == 0xF0 || b == 0xF7) {
                c.Skip(c.VarLen());
            } else {
                int nData1 = b;
                if (b >= 0x80) {
                    nStatus = b;
                    nData1 = c.Byte();
                }
                int nKind = nStatus & 0xF0;
                int nData2 = (nKind == 0xC0 || nKind == 0xD0) ? 0 : c.Byte();
                if (nStatus == 0)
                    return song;
                events.push_back(
                    {nTick, (int)t, events.size(),
                     (uint32_t)nStatus | (uint32_t)nData1 << 8 | (uint32_t)nData2 << 16});
            }
            if (c.bBad)
                return song;
        }
        nEndTick = std::max(nEndTick, nTick);
    }
    // Ticks to microseconds along the tempo map.
    auto ToUs = [&](uint64_t nTick) {
        double dUs = 0;
        uint64_t nFrom = 0;
        uint32_t dwTempo = 500000;
        for (const auto& change : tempos) {
            if (change.first >= nTick)
                break;
            dUs += (double)(change.first - nFrom) * dwTempo / nDivision;
            nFrom = change.first;
            dwTempo = change.second;
        }
        return dUs + (double)(nTick - nFrom) * dwTempo / nDivision;
    };
    std::stable_sort(events.begin(), events.end(), [](const TickEvent& a, const TickEvent& b) {
        return a.nTick != b.nTick ? a.nTick < b.nTick : a.nTrack < b.nTrack;
    });
    for (const TickEvent& e : events)
        song.events.push_back({ToUs(e.nTick), e.nTrack, e.dwMsg});
    song.dUsLength = ToUs(nEndTick);
    song.bOk = 1;
    return song;
}
