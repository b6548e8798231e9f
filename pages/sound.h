// Sound effects: the WAVE resources by number, the three ways to play them, and the choice
// of a colour fill's start sound without repeats.
#pragma once

#include "shell/base/ids.h" // the sound numbers, IDW_*

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
