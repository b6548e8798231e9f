// The background song as written: a bouncy tune in C major that returns to its start.
#include "song_score.h"

namespace {

#define TUNE_A_START                                                                               \
    "G4e C5e E5e G5e E5q C5q | A5q. G5e F5q A5q | G5e F5e E5e D5e B4q D5q | E5q. D5e C5h | "

const char CHORDS_A[] = "C | F | G7 | C | Am | F | D7 | G";
const char TUNE_A[] =
    TUNE_A_START "A4e C5e E5e A5e G5q E5q | F5q. E5e D5q C5q | D5e E5e F#5e A5e C6q A5q | G5h rh";

const char CHORDS_A2[] = "C | F | G7 | C | Am | F | G7 | C";
const char TUNE_A2[] = TUNE_A_START
    "A4e C5e E5e A5e G5q E5q | F5e A5e C6e A5e G5q F5q | D5e F5e G5e B5e D6q B5q | C6h. rq";

// The last bar turns round to G7 and leads back to the opening C.
const char CHORDS_END[] = "C | F | G7 | C | Am | F | G7 | C G7";
const char TUNE_END[] =
    TUNE_A_START "A4e C5e E5e A5e G5q E5q | F5e A5e C6e A5e G5q F5q | D5e F5e G5e B5e D6q B5q | "
                 "C6q G5q F5e D5e B4e G4e";

const char CHORDS_B[] = "F | C | Dm | G | F | C | Dm G | C";
const char TUNE_B[] = "A5q A5e G5e F5q C5q | E5q E5e D5e C5h | D5e F5e A5e D6e C6q A5q | "
                      "B5q. A5e G5h | A5e Bb5e C6e A5e F5q A5q | G5e A5e G5e E5e C5q E5q | "
                      "F5q A5q G5q B5q | C6q G5e E5e C5h";

const char CHORDS_C[] = "Am | Em | F | C | Dm | Am | F | G7";
const char TUNE_C_MARIMBA[] = "A5e E5e C5e E5e A5e E5e C5e E5e | G5e E5e B4e E5e G5e E5e B4e E5e | "
                              "A5e F5e C5e F5e A5e C6e A5e F5e | G5e E5e C5e E5e G5q C6q | "
                              "F5e D5e A4e D5e F5e A5e F5e D5e | E5e C5e A4e C5e E5e A5e E5e C5e | "
                              "F5q A5q C6q A5q | B5e A5e G5e F5e E5e D5e C5e B4e";
const char TUNE_C_FLUTE[] = "C5w | B4w | A4w | G4w | A4w | C5w | A4h C5h | D5h B4h";
const char BELLS_C[] = "rh E6h | rh D6h | rh C6h | rh E6h | rh D6h | rh E6h | rw | rh G6h";

const char CHORDS_INTRO[] = "C | G7";
const char BELLS_INTRO[] = "C6e G5e E5e G5e C6q rq | B5e G5e D5e G5e B5q rq";

#undef TUNE_A_START

} // namespace

const SongSection SONG_SECTIONS[] = {
    {"intro", CHORDS_INTRO, "", BELLS_INTRO, "", 0, 0, 0},
    {"tune", CHORDS_A, TUNE_A, "", "", 0, 0, 1},
    {"tune again", CHORDS_A2, TUNE_A2, "", "", 1, 0, 2},
    {"middle", CHORDS_B, TUNE_B, TUNE_B, "", 1, 1, 2},
    {"marimba", CHORDS_C, TUNE_C_FLUTE, BELLS_C, TUNE_C_MARIMBA, 0, 1, 3},
    {"tune", CHORDS_A, TUNE_A, "", "", 1, 0, 1},
    {"ending", CHORDS_END, TUNE_END, "", "", 1, 1, 2},
};

const int SONG_SECTION_COUNT = sizeof(SONG_SECTIONS) / sizeof(SONG_SECTIONS[0]);
