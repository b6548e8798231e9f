// MIDI files built in memory for the loader, sequencer and player tests.
#pragma once
#include "music/midi_file.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// A variable-length quantity in its shortest form.
inline Bytes VarLen(uint32_t n) {
    Bytes b{(uint8_t)(n & 0x7F)};
    while (n >>= 7)
        b.insert(b.begin(), (uint8_t)(0x80 | (n & 0x7F)));
    return b;
}

inline Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

inline const Bytes kEndOfTrack{0x00, 0xFF, 0x2F, 0x00};

class MidiBuilder {
  public:
    // A header chunk stating cbLength; a longer one is padded with zeros.
    MidiBuilder& Header(int nFormat, int nTracks, int nDivision, uint32_t cbLength = 6) {
        Chunk("MThd",
              {(uint8_t)(nFormat >> 8), (uint8_t)nFormat, (uint8_t)(nTracks >> 8), (uint8_t)nTracks,
               (uint8_t)(nDivision >> 8), (uint8_t)nDivision},
              cbLength);
        return Raw(Bytes(cbLength > 6 ? cbLength - 6 : 0, 0));
    }
    MidiBuilder& Track(const Bytes& data) { return Chunk("MTrk", data, (uint32_t)data.size()); }
    // A chunk whose header states cbLength, followed by data (which may be shorter).
    MidiBuilder& Chunk(const char* lpszId, const Bytes& data, uint32_t cbLength) {
        Raw(Bytes(lpszId, lpszId + 4));
        Raw({(uint8_t)(cbLength >> 24), (uint8_t)(cbLength >> 16), (uint8_t)(cbLength >> 8),
             (uint8_t)cbLength});
        return Raw(data);
    }
    MidiBuilder& Raw(const Bytes& data) {
        bytes.insert(bytes.end(), data.begin(), data.end());
        return *this;
    }
    // The file so far inside a RIFF wrapper with a data chunk.
    Bytes Riff() const {
        Bytes inner =
            Cat({{'R', 'M', 'I', 'D'}, MidiBuilder().Chunk("data", bytes, bytes.size()).bytes});
        return MidiBuilder().Chunk("RIFF", inner, (uint32_t)inner.size()).bytes;
    }

    Bytes bytes;
};

// A format 1 file with one track per entry.
inline Bytes SongOf(std::initializer_list<Bytes> tracks, int nDivision = 96) {
    MidiBuilder b;
    b.Header(1, (int)tracks.size(), nDivision);
    for (const Bytes& t : tracks)
        b.Track(t);
    return b.bytes;
}

// A song loaded from memory, freed when the test ends.
struct LoadedSong {
    explicit LoadedSong(const Bytes& file)
        : lpszError(LoadMidiFile(file.data(), file.size(), &song)) {}
    ~LoadedSong() { FreeSong(&song); }
    std::string Error() const { return lpszError ? lpszError : ""; }

    MidiSong song{};
    const char* lpszError;
};
