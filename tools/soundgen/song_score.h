// The background song as written: its sections, chords and tunes in a small text notation.
#pragma once

// One section of the song. Chords: one or two chord names a bar ("C", "Am", "G7", "Dm G"),
// bars divided by '|'. Tunes: notes such as "F#5q." (name, octave, w/h/q/e/s, '.' dotted) and
// rests such as "rh", bars divided by '|'; an empty tune is silent. Every bar holds four beats.
struct SongSection {
    const char* lpszName;
    const char* lpszChords;
    const char* lpszFlute;   // lead tune
    const char* lpszBells;   // glockenspiel
    const char* lpszMarimba; // marimba tune; when empty the marimba plays soft broken chords
    int bArpeggio;           // marimba broken chords under the tune
    int bPad;                // held string chords
    int nDrums;              // 0 hats only, 1 light groove, 2 fuller groove, 3 shakers
};

extern const SongSection SONG_SECTIONS[];
extern const int SONG_SECTION_COUNT;
