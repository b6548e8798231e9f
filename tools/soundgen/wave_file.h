// RIFF WAVE images of 16-bit mono PCM sounds.
#pragma once
#include <cstdint>
#include <vector>

// Builds a complete RIFF WAVE file image (PCM, one channel, 16 bits) from samples.
std::vector<uint8_t> BuildWaveFile(const std::vector<int16_t>& vSamples, int nRate);
