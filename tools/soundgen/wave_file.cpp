// RIFF WAVE images of 16-bit mono PCM sounds.
#include "wave_file.h"

namespace {

void PutTag(std::vector<uint8_t>& v, const char* lpszTag) {
    for (int i = 0; i < 4; i++)
        v.push_back(static_cast<uint8_t>(lpszTag[i]));
}

void PutLe(std::vector<uint8_t>& v, uint32_t dwValue, int nBytes) {
    for (int i = 0; i < nBytes; i++)
        v.push_back(static_cast<uint8_t>(dwValue >> (8 * i)));
}

} // namespace

std::vector<uint8_t> BuildWaveFile(const std::vector<int16_t>& vSamples, int nRate) {
    const uint32_t cbData = static_cast<uint32_t>(vSamples.size() * sizeof(int16_t));
    std::vector<uint8_t> v;
    v.reserve(44 + cbData);
    PutTag(v, "RIFF");
    PutLe(v, 36 + cbData, 4);
    PutTag(v, "WAVE");
    PutTag(v, "fmt ");
    PutLe(v, 16, 4);
    PutLe(v, 1, 2); // PCM
    PutLe(v, 1, 2); // mono
    PutLe(v, static_cast<uint32_t>(nRate), 4);
    PutLe(v, static_cast<uint32_t>(nRate) * 2, 4);
    PutLe(v, 2, 2);
    PutLe(v, 16, 2);
    PutTag(v, "data");
    PutLe(v, cbData, 4);
    for (int16_t s : vSamples)
        PutLe(v, static_cast<uint16_t>(s), 2);
    return v;
}
