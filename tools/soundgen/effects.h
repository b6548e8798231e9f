// The program's sound effects, numbered as the program plays them.
#pragma once
#include <cstdint>
#include <vector>

constexpr int FIRST_FILL_SOUND = 1;
constexpr int LAST_FILL_SOUND = 34;
constexpr int FILL_LOOP_SOUND = 35;
constexpr int CLEAR_LOOP_SOUND = 36;
constexpr int CLEAR_SOUND = 37;
constexpr int CLICK_SOUND = 38;
constexpr int SOUND_COUNT = 38;

// Samples in one repetition of the two loops: a whole number of cycles of every tone in them.
constexpr int LOOP_SAMPLES = 1102;

// The 16-bit samples (mono, SOUND_RATE) of sound nSound, 1..SOUND_COUNT; empty for other numbers.
std::vector<int16_t> MakeSound(int nSound);
