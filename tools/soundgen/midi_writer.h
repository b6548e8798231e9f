// Writing Standard MIDI Files: events gathered per track, then encoded in time order.
#pragma once
#include <cstdint>
#include <vector>

// Appends a variable-length quantity (7 bits a byte, most significant first).
void PutVarLen(std::vector<uint8_t>& v, uint32_t dwValue);

// The events of one track, in any order; Encode sorts them by time.
class CTrackBuilder {
  public:
    // A meta event of the given type (data shorter than 128 bytes).
    void Meta(uint32_t dwTick, uint8_t bType, const std::vector<uint8_t>& vData);
    // A channel message with one data byte (program change, channel pressure).
    void Short(uint32_t dwTick, uint8_t bStatus, uint8_t bData1);
    // A channel message with two data bytes.
    void Short(uint32_t dwTick, uint8_t bStatus, uint8_t bData1, uint8_t bData2);
    // A note on nChannel (0..15) from dwTick lasting dwLength ticks.
    void Note(uint32_t dwTick, uint32_t dwLength, int nChannel, int nNote, int nVelocity);
    // The track data: events in time order with running status, ending in end-of-track at
    // dwEndTick (or at the last event if that is later).
    std::vector<uint8_t> Encode(uint32_t dwEndTick) const;

  private:
    struct Event {
        uint32_t dwTick;
        int nRank; // at one instant: meta, then note-offs, then controls, then note-ons
        int nSeq;
        std::vector<uint8_t> vBytes;
    };
    void Add(uint32_t dwTick, int nRank, std::vector<uint8_t> vBytes);
    std::vector<Event> vEvents;
};

// A format 1 file: header chunk with ticks per quarter note, then one MTrk chunk per track.
std::vector<uint8_t> BuildMidiFile(uint16_t wDivision,
                                   const std::vector<std::vector<uint8_t>>& vTracks);
