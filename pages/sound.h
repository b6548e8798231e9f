// Sound effects: the WAVE resources by number, the three ways to play them, and the choice
// of a colour fill's start sound without repeats.
#pragma once

enum {
    IDW_FILL_FIRST = 1, // start sounds of a colour fill, one picked per fill
    IDW_FILL_LAST = 34,
    IDW_FILL_LOOP = 35,  // loops while a colour fill runs long
    IDW_CLEAR_LOOP = 36, // loops while a clear runs long
    IDW_CLEAR = 37,      // start of a clear
    IDW_CLICK = 38,      // a colour or palette-page button
    IDW_COUNT = 39,      // table size; entry 0 is never used
};

// Set flags mark the start sounds already picked in the current cycle (index = sound id).
extern int SoundUsed[IDW_FILL_LAST + 1];

// The next start sound in lo..hi: random, but each plays once before any plays again, and a
// new cycle never opens with the sound that closed the last one.
int PickFillSound(int lo, int hi);

// Plays a sound once, replacing whatever plays; an unknown or missing sound just stops it.
void PlaySoundOnce(int idSound);
// Plays a sound over and over until another sound or StopSound.
void PlaySoundLoop(int idSound);
void StopSound();
