// Test-side reader of RIFF WAVE images, written apart from the generator's writer.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct WaveInfo {
    int nFormat = 0;
    int nChannels = 0;
    int nRate = 0;
    int nByteRate = 0;
    int nBlockAlign = 0;
    int nBits = 0;
    std::vector<int16_t> vSamples;
};

// Walks the RIFF chunks; false with a reason when the image is not a well-formed 16-bit WAVE.
bool ReadWave(const std::vector<uint8_t>& vFile, WaveInfo& info, std::string& strError);
