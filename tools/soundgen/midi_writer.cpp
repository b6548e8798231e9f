// Writing Standard MIDI Files.
#include "midi_writer.h"

#include <algorithm>

namespace {

enum { RANK_META, RANK_OFF, RANK_CONTROL, RANK_ON };

// The longest delta time written: one 4/4 bar at 480 ticks a quarter note. The player counts
// each delta down in single precision, a millisecond at a time, and over a rest of ten bars
// the rounding adds up to 2 ms; so a longer rest is cut into bars by empty marker events.
const uint32_t dwMaxDelta = 1920;

// Writes a delta time, with the markers a long one needs; true when any marker was written.
bool PutDelta(std::vector<uint8_t>& v, uint32_t dwDelta) {
    bool bMarker = false;
    while (dwDelta > dwMaxDelta) {
        PutVarLen(v, dwMaxDelta);
        v.insert(v.end(), {0xFF, 0x06, 0x00});
        dwDelta -= dwMaxDelta;
        bMarker = true;
    }
    PutVarLen(v, dwDelta);
    return bMarker;
}

void PutBe(std::vector<uint8_t>& v, uint32_t dwValue, int nBytes) {
    for (int i = nBytes - 1; i >= 0; i--)
        v.push_back(static_cast<uint8_t>(dwValue >> (8 * i)));
}

void PutTag(std::vector<uint8_t>& v, const char* lpszTag) {
    // Byte by byte: g++ 12 wrongly warns of an overflow for a range insert into an empty vector.
    for (int i = 0; i < 4; i++)
        v.push_back(static_cast<uint8_t>(lpszTag[i]));
}

} // namespace

void PutVarLen(std::vector<uint8_t>& v, uint32_t dwValue) {
    uint8_t ab[5];
    int n = 0;
    do {
        ab[n++] = static_cast<uint8_t>(dwValue & 0x7F);
        dwValue >>= 7;
    } while (dwValue != 0 && n < 5);
    while (n > 1)
        v.push_back(static_cast<uint8_t>(ab[--n] | 0x80));
    v.push_back(ab[0]);
}

void CTrackBuilder::Add(uint32_t dwTick, int nRank, std::vector<uint8_t> vBytes) {
    vEvents.push_back({dwTick, nRank, static_cast<int>(vEvents.size()), std::move(vBytes)});
}

void CTrackBuilder::Meta(uint32_t dwTick, uint8_t bType, const std::vector<uint8_t>& vData) {
    std::vector<uint8_t> v = {0xFF, bType};
    PutVarLen(v, static_cast<uint32_t>(vData.size()));
    v.insert(v.end(), vData.begin(), vData.end());
    Add(dwTick, RANK_META, std::move(v));
}

void CTrackBuilder::Short(uint32_t dwTick, uint8_t bStatus, uint8_t bData1) {
    Add(dwTick, RANK_CONTROL, {bStatus, static_cast<uint8_t>(bData1 & 0x7F)});
}

void CTrackBuilder::Short(uint32_t dwTick, uint8_t bStatus, uint8_t bData1, uint8_t bData2) {
    Add(dwTick, RANK_CONTROL,
        {bStatus, static_cast<uint8_t>(bData1 & 0x7F), static_cast<uint8_t>(bData2 & 0x7F)});
}

void CTrackBuilder::Note(uint32_t dwTick, uint32_t dwLength, int nChannel, int nNote,
                         int nVelocity) {
    const uint8_t bStatus = static_cast<uint8_t>(0x90 | (nChannel & 0x0F));
    const uint8_t bNote = static_cast<uint8_t>(std::clamp(nNote, 0, 127));
    const uint8_t bVel = static_cast<uint8_t>(std::clamp(nVelocity, 1, 127));
    Add(dwTick, RANK_ON, {bStatus, bNote, bVel});
    Add(dwTick + dwLength, RANK_OFF, {bStatus, bNote, 0}); // note-on at velocity 0 is a note-off
}

std::vector<uint8_t> CTrackBuilder::Encode(uint32_t dwEndTick) const {
    std::vector<Event> vSorted = vEvents;
    std::sort(vSorted.begin(), vSorted.end(), [](const Event& a, const Event& b) {
        if (a.dwTick != b.dwTick)
            return a.dwTick < b.dwTick;
        if (a.nRank != b.nRank)
            return a.nRank < b.nRank;
        return a.nSeq < b.nSeq;
    });
    std::vector<uint8_t> v;
    uint32_t dwNow = 0;
    uint8_t bRunning = 0;
    for (const Event& ev : vSorted) {
        if (PutDelta(v, ev.dwTick - dwNow))
            bRunning = 0; // restarted after the markers, as after any meta event
        dwNow = ev.dwTick;
        const uint8_t bStatus = ev.vBytes[0];
        if (bStatus >= 0x80 && bStatus < 0xF0 && bStatus == bRunning) {
            v.insert(v.end(), ev.vBytes.begin() + 1, ev.vBytes.end());
        } else {
            v.insert(v.end(), ev.vBytes.begin(), ev.vBytes.end());
            // Other readers may cancel running status at a meta event, so restart it there.
            bRunning = bStatus < 0xF0 ? bStatus : 0;
        }
    }
    PutDelta(v, dwEndTick > dwNow ? dwEndTick - dwNow : 0);
    v.push_back(0xFF);
    v.push_back(0x2F);
    v.push_back(0x00);
    return v;
}

std::vector<uint8_t> BuildMidiFile(uint16_t wDivision,
                                   const std::vector<std::vector<uint8_t>>& vTracks) {
    std::vector<uint8_t> v;
    PutTag(v, "MThd");
    PutBe(v, 6, 4);
    PutBe(v, 1, 2);
    PutBe(v, static_cast<uint32_t>(vTracks.size()), 2);
    PutBe(v, wDivision & 0x7FFFu, 2);
    for (const std::vector<uint8_t>& vTrack : vTracks) {
        PutTag(v, "MTrk");
        PutBe(v, static_cast<uint32_t>(vTrack.size()), 4);
        v.insert(v.end(), vTrack.begin(), vTrack.end());
    }
    return v;
}
