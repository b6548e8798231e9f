// The background song, arranged for General MIDI and written as a Standard MIDI File.
#include "song.h"

#include "midi_writer.h"
#include "song_score.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

namespace {

const uint32_t BEAT = SONG_DIVISION;
const uint32_t BAR = SONG_BEATS_PER_BAR * BEAT;

// Channels and their General MIDI programs (numbered from 0).
enum { CH_FLUTE, CH_BELLS, CH_MARIMBA, CH_GUITAR, CH_BASS, CH_STRINGS, CH_DRUMS = 9 };

// Drum keys on channel 10.
enum {
    DR_KICK = 36,
    DR_STICK = 37,
    DR_HAT = 42,
    DR_LOW_TOM = 45,
    DR_MID_TOM = 47,
    DR_HIGH_TOM = 48,
    DR_TAMBOURINE = 54,
    DR_MARACAS = 70
};

// A chord sounding over part of a bar.
struct Chord {
    uint32_t dwTick; // from the start of the section
    uint32_t dwLength;
    int nRoot; // pitch class 0..11
    int bMinor;
    int bSeventh;
};

int PitchClass(char c) {
    static const int anClass[] = {9, 11, 0, 2, 4, 5, 7}; // A..G
    return anClass[c - 'A'];
}

// Reads "F#", "Bb", "C"... at lpsz; returns the pitch class or -1, and moves lpsz on.
int ReadNoteName(const char*& lpsz) {
    if (*lpsz < 'A' || *lpsz > 'G')
        return -1;
    int n = PitchClass(*lpsz++);
    if (*lpsz == '#') {
        n++;
        lpsz++;
    } else if (*lpsz == 'b') {
        n--;
        lpsz++;
    }
    return (n + 12) % 12;
}

int ParseChords(const char* lpsz, std::vector<Chord>& vChords, std::string& strError) {
    uint32_t dwBar = 0;
    std::vector<Chord> vBar;
    for (;;) {
        while (*lpsz == ' ')
            lpsz++;
        if (*lpsz == '|' || *lpsz == '\0') {
            if (vBar.empty() || vBar.size() > 2) {
                strError = "each bar needs one or two chords";
                return 0;
            }
            const uint32_t dwPart = BAR / static_cast<uint32_t>(vBar.size());
            for (size_t i = 0; i < vBar.size(); i++) {
                vBar[i].dwTick = dwBar + static_cast<uint32_t>(i) * dwPart;
                vBar[i].dwLength = dwPart;
                vChords.push_back(vBar[i]);
            }
            vBar.clear();
            dwBar += BAR;
            if (*lpsz == '\0')
                return 1;
            lpsz++;
            continue;
        }
        Chord chord = {0, 0, ReadNoteName(lpsz), 0, 0};
        if (chord.nRoot < 0) {
            strError = std::string("bad chord at ") + lpsz;
            return 0;
        }
        if (*lpsz == 'm') {
            chord.bMinor = 1;
            lpsz++;
        }
        if (*lpsz == '7') {
            chord.bSeventh = 1;
            lpsz++;
        }
        vBar.push_back(chord);
    }
}

// The chord's tones as pitch classes: root, third, fifth and perhaps the seventh.
std::vector<int> ChordTones(const Chord& chord) {
    std::vector<int> v = {chord.nRoot, (chord.nRoot + (chord.bMinor ? 3 : 4)) % 12,
                          (chord.nRoot + 7) % 12};
    if (chord.bSeventh)
        v.push_back((chord.nRoot + 10) % 12);
    return v;
}

// The lowest note of pitch class nClass at or above nFloor.
int NoteAbove(int nClass, int nFloor) {
    return nFloor + ((nClass - nFloor) % 12 + 12) % 12;
}

// Louder on the first beat of a bar, a little on the third, softer off the beat.
int Accent(uint32_t dwTick, int nVelocity) {
    if (dwTick % BAR == 0)
        return nVelocity + 8;
    if (dwTick % (2 * BEAT) == 0)
        return nVelocity + 3;
    if (dwTick % BEAT != 0)
        return nVelocity - 6;
    return nVelocity;
}

void AddTune(CTrackBuilder& track, uint32_t dwStart, const std::vector<ScoreNote>& vNotes,
             int nChannel, int nVelocity, double dLegato, int nShift) {
    for (const ScoreNote& note : vNotes) {
        if (note.nNote < 0)
            continue;
        const uint32_t dwLength = static_cast<uint32_t>(note.dwLength * dLegato);
        track.Note(dwStart + note.dwTick, dwLength, nChannel, note.nNote + nShift,
                   Accent(note.dwTick, nVelocity));
    }
}

// Guitar strums: a 3+3+2 bounce on whole-bar chords, two strums on half-bar chords.
void AddStrums(CTrackBuilder& track, uint32_t dwStart, const std::vector<Chord>& vChords) {
    for (const Chord& chord : vChords) {
        static const uint32_t adwWhole[][2] = {{0, 650}, {720, 650}, {1440, 400}};
        static const uint32_t adwHalf[][2] = {{0, 400}, {480, 400}};
        const bool bWhole = chord.dwLength == BAR;
        const int nHits = bWhole ? 3 : 2;
        for (int i = 0; i < nHits; i++) {
            const uint32_t dwAt = bWhole ? adwWhole[i][0] : adwHalf[i][0];
            const uint32_t dwLen = bWhole ? adwWhole[i][1] : adwHalf[i][1];
            int nStrum = 0;
            for (int nClass : ChordTones(chord)) {
                // Close voicing between G3 and F#4, rolled slightly like a real strum.
                track.Note(dwStart + chord.dwTick + dwAt + nStrum * 12, dwLen, CH_GUITAR,
                           NoteAbove(nClass, 55), i == 0 ? 58 : 48);
                nStrum++;
            }
        }
    }
}

// Bass: root and fifth; a whole bar walks on its last beats toward the next chord's root, so
// the line leads on instead of jumping.
void AddBass(CTrackBuilder& track, uint32_t dwStart, const std::vector<Chord>& vChords,
             int nNextRoot) {
    for (size_t i = 0; i < vChords.size(); i++) {
        const Chord& chord = vChords[i];
        const int nRoot = NoteAbove(chord.nRoot, 40);
        const uint32_t t = dwStart + chord.dwTick;
        if (chord.dwLength != BAR) {
            track.Note(t, 420, CH_BASS, nRoot, 92);
            track.Note(t + 480, 420, CH_BASS, nRoot + 7, 78);
            continue;
        }
        const int nTarget =
            NoteAbove(i + 1 < vChords.size() ? vChords[i + 1].nRoot : nNextRoot, 40);
        // The fifth above or below, whichever is nearer the next root but not on it...
        int nFifth =
            std::abs(nRoot + 7 - nTarget) <= std::abs(nRoot - 5 - nTarget) ? nRoot + 7 : nRoot - 5;
        if (nFifth == nTarget)
            nFifth = nFifth == nRoot + 7 ? nRoot - 5 : nRoot + 7;
        // ...then the chord tone near it that is nearest the next root.
        int nLead = nFifth;
        for (int nOctave : {-12, 0, 12}) {
            for (int nTone : {nRoot, nRoot + (chord.bMinor ? 3 : 4), nRoot + 7}) {
                nTone += nOctave;
                if (nTone != nTarget && nTone != nFifth && std::abs(nTone - nFifth) <= 5 &&
                    std::abs(nTone - nTarget) < std::abs(nLead - nTarget))
                    nLead = nTone;
            }
        }
        track.Note(t, 420, CH_BASS, nRoot, 92);
        track.Note(t + 720, 200, CH_BASS, nRoot, 70);
        track.Note(t + 960, 420, CH_BASS, nFifth, 82);
        track.Note(t + 1440, 420, CH_BASS, nLead, 76);
    }
}

// Marimba broken chords in eighth notes, up and back down.
void AddBrokenChords(CTrackBuilder& track, uint32_t dwStart, const std::vector<Chord>& vChords) {
    for (const Chord& chord : vChords) {
        std::vector<int> vTones = ChordTones(chord);
        const int n1 = NoteAbove(vTones[0], 60), n3 = NoteAbove(vTones[1], n1),
                  n5 = NoteAbove(vTones[2], n3);
        const int anPattern[] = {n1, n3, n5, n1 + 12, n5, n3, n5, n1 + 12};
        const int nSteps = static_cast<int>(chord.dwLength / (BEAT / 2));
        for (int i = 0; i < nSteps; i++)
            track.Note(dwStart + chord.dwTick + i * (BEAT / 2), 200, CH_MARIMBA, anPattern[i % 8],
                       i % 2 ? 34 : 42);
    }
}

void AddPad(CTrackBuilder& track, uint32_t dwStart, const std::vector<Chord>& vChords) {
    for (const Chord& chord : vChords) {
        std::vector<int> vTones = ChordTones(chord);
        for (size_t i = 0; i < 3; i++)
            track.Note(dwStart + chord.dwTick, chord.dwLength - 30, CH_STRINGS,
                       NoteAbove(vTones[i], 60), 44);
    }
}

void AddDrums(CTrackBuilder& track, uint32_t dwStart, int nBars, int nStyle, bool bFill) {
    for (int nBar = 0; nBar < nBars; nBar++) {
        const uint32_t t = dwStart + static_cast<uint32_t>(nBar) * BAR;
        const bool bLast = bFill && nBar == nBars - 1;
        for (int i = 0; i < 8; i++) {
            const uint32_t dwAt = t + static_cast<uint32_t>(i) * (BEAT / 2);
            if (bLast && i >= 6)
                continue; // room for the fill
            if (nStyle == 3)
                track.Note(dwAt, 60, CH_DRUMS, DR_MARACAS, i % 2 ? 30 : 42);
            else
                track.Note(dwAt, 60, CH_DRUMS, DR_HAT, i % 2 ? 26 : 38);
        }
        if (nStyle >= 1) {
            track.Note(t, 100, CH_DRUMS, DR_KICK, 62);
            track.Note(t + 2 * BEAT, 100, CH_DRUMS, DR_KICK, 56);
        }
        if (nStyle == 2 || nStyle == 3) {
            track.Note(t + BEAT, 80, CH_DRUMS, DR_STICK, 44);
            track.Note(t + 3 * BEAT, 80, CH_DRUMS, nStyle == 2 ? DR_TAMBOURINE : DR_STICK, 36);
        }
        if (bLast) {
            track.Note(t + 3 * BEAT, 100, CH_DRUMS, DR_HIGH_TOM, 48);
            track.Note(t + 3 * BEAT + BEAT / 2, 100, CH_DRUMS, DR_MID_TOM, 50);
            track.Note(t + 3 * BEAT + 3 * BEAT / 4, 100, CH_DRUMS, DR_LOW_TOM, 52);
        }
    }
}

// Program, volume, pan, reverb and chorus for one channel at the start.
void SetupChannel(CTrackBuilder& track, int nChannel, int nProgram, int nVolume, int nPan) {
    const uint8_t bCc = static_cast<uint8_t>(0xB0 | nChannel);
    if (nProgram >= 0)
        track.Short(0, static_cast<uint8_t>(0xC0 | nChannel), static_cast<uint8_t>(nProgram));
    track.Short(0, bCc, 7, static_cast<uint8_t>(nVolume));
    track.Short(0, bCc, 10, static_cast<uint8_t>(nPan));
    track.Short(0, bCc, 91, 40);
    track.Short(0, bCc, 93, 8);
}

void NameTrack(CTrackBuilder& track, const char* lpszName) {
    track.Meta(0, 0x03, std::vector<uint8_t>(lpszName, lpszName + std::strlen(lpszName)));
}

} // namespace

int ParseTune(const char* lpsz, std::vector<ScoreNote>& vNotes, std::string& strError) {
    uint32_t dwTick = 0, dwBarStart = 0;
    for (;;) {
        while (*lpsz == ' ')
            lpsz++;
        if (*lpsz == '|' || *lpsz == '\0') {
            if (dwTick != dwBarStart && dwTick - dwBarStart != BAR) {
                strError = "a bar does not hold four beats before: " + std::string(lpsz);
                return 0;
            }
            dwBarStart = dwTick;
            if (*lpsz == '\0')
                return 1;
            lpsz++;
            continue;
        }
        int nNote = -1;
        if (*lpsz == 'r') {
            lpsz++;
        } else {
            const int nClass = ReadNoteName(lpsz);
            if (nClass < 0 || !std::isdigit(static_cast<unsigned char>(*lpsz))) {
                strError = std::string("bad note at ") + lpsz;
                return 0;
            }
            nNote = 12 * (*lpsz++ - '0' + 1) + nClass;
        }
        uint32_t dwLength = 0;
        switch (*lpsz++) {
        case 'w':
            dwLength = 4 * BEAT;
            break;
        case 'h':
            dwLength = 2 * BEAT;
            break;
        case 'q':
            dwLength = BEAT;
            break;
        case 'e':
            dwLength = BEAT / 2;
            break;
        case 's':
            dwLength = BEAT / 4;
            break;
        default:
            strError = "bad length in tune";
            return 0;
        }
        if (*lpsz == '.') {
            dwLength += dwLength / 2;
            lpsz++;
        }
        vNotes.push_back({dwTick, dwLength, nNote});
        dwTick += dwLength;
    }
}

std::vector<uint8_t> BuildSong(std::string& strError) {
    CTrackBuilder conductor, flute, bells, marimba, guitar, bass, strings, drums;
    NameTrack(conductor, "Tintwell 3");
    conductor.Meta(0, 0x58, {4, 2, 24, 8}); // 4/4
    conductor.Meta(0, 0x59, {0, 0});        // C major
    conductor.Meta(0, 0x51,
                   {static_cast<uint8_t>(SONG_TEMPO >> 16), static_cast<uint8_t>(SONG_TEMPO >> 8),
                    static_cast<uint8_t>(SONG_TEMPO)});
    NameTrack(flute, "Flute");
    SetupChannel(flute, CH_FLUTE, 73, 112, 64);
    NameTrack(bells, "Glockenspiel");
    SetupChannel(bells, CH_BELLS, 9, 92, 84);
    NameTrack(marimba, "Marimba");
    SetupChannel(marimba, CH_MARIMBA, 12, 96, 44);
    NameTrack(guitar, "Guitar");
    SetupChannel(guitar, CH_GUITAR, 24, 84, 82);
    NameTrack(bass, "Bass");
    SetupChannel(bass, CH_BASS, 32, 96, 64);
    NameTrack(strings, "Strings");
    SetupChannel(strings, CH_STRINGS, 48, 60, 52);
    NameTrack(drums, "Drums");
    SetupChannel(drums, CH_DRUMS, -1, 80, 64);

    // All chords first: the bass of each section leads into the next one, the last into the first.
    std::vector<std::vector<Chord>> vSectionChords(SONG_SECTION_COUNT);
    for (int i = 0; i < SONG_SECTION_COUNT; i++) {
        if (!ParseChords(SONG_SECTIONS[i].lpszChords, vSectionChords[i], strError)) {
            strError = std::string(SONG_SECTIONS[i].lpszName) + ": " + strError;
            return {};
        }
    }
    uint32_t dwStart = 0;
    for (int i = 0; i < SONG_SECTION_COUNT; i++) {
        const SongSection& sec = SONG_SECTIONS[i];
        const std::vector<Chord>& vChords = vSectionChords[i];
        std::vector<ScoreNote> vFlute, vBells, vMarimba;
        if (!ParseTune(sec.lpszFlute, vFlute, strError) ||
            !ParseTune(sec.lpszBells, vBells, strError) ||
            !ParseTune(sec.lpszMarimba, vMarimba, strError)) {
            strError = std::string(sec.lpszName) + ": " + strError;
            return {};
        }
        const int nBars = static_cast<int>(vChords.back().dwTick / BAR) + 1;
        AddTune(flute, dwStart, vFlute, CH_FLUTE, vMarimba.empty() ? 84 : 60, 0.92, 0);
        AddTune(bells, dwStart, vBells, CH_BELLS, 58, 0.5, 0);
        AddTune(marimba, dwStart, vMarimba, CH_MARIMBA, 86, 0.8, 0);
        if (sec.bArpeggio)
            AddBrokenChords(marimba, dwStart, vChords);
        AddStrums(guitar, dwStart, vChords);
        AddBass(bass, dwStart, vChords, vSectionChords[(i + 1) % SONG_SECTION_COUNT][0].nRoot);
        if (sec.bPad)
            AddPad(strings, dwStart, vChords);
        AddDrums(drums, dwStart, nBars, sec.nDrums, i > 0);
        dwStart += static_cast<uint32_t>(nBars) * BAR;
    }

    std::vector<std::vector<uint8_t>> vTracks;
    for (CTrackBuilder* pTrack :
         {&conductor, &flute, &bells, &marimba, &guitar, &bass, &strings, &drums})
        vTracks.push_back(pTrack->Encode(dwStart));
    return BuildMidiFile(SONG_DIVISION, vTracks);
}
