// Test-side reader of RIFF WAVE images.
#include "wave_reader.h"

#include <cstring>

namespace {

uint32_t Le(const uint8_t* p, int nBytes) {
    uint32_t dw = 0;
    for (int i = nBytes - 1; i >= 0; i--)
        dw = (dw << 8) | p[i];
    return dw;
}

} // namespace

bool ReadWave(const std::vector<uint8_t>& vFile, WaveInfo& info, std::string& strError) {
    const uint8_t* p = vFile.data();
    const size_t cb = vFile.size();
    if (cb < 12 || std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0) {
        strError = "no RIFF WAVE header";
        return false;
    }
    if (Le(p + 4, 4) != cb - 8) {
        strError = "RIFF size does not match the file";
        return false;
    }
    bool bFmt = false, bData = false;
    size_t nPos = 12;
    while (nPos + 8 <= cb) {
        const uint32_t cbChunk = Le(p + nPos + 4, 4);
        if (cbChunk > cb - nPos - 8) {
            strError = "chunk runs past the end";
            return false;
        }
        const uint8_t* pBody = p + nPos + 8;
        if (std::memcmp(p + nPos, "fmt ", 4) == 0 && cbChunk >= 16) {
            info.nFormat = static_cast<int>(Le(pBody, 2));
            info.nChannels = static_cast<int>(Le(pBody + 2, 2));
            info.nRate = static_cast<int>(Le(pBody + 4, 4));
            info.nByteRate = static_cast<int>(Le(pBody + 8, 4));
            info.nBlockAlign = static_cast<int>(Le(pBody + 12, 2));
            info.nBits = static_cast<int>(Le(pBody + 14, 2));
            bFmt = true;
        } else if (std::memcmp(p + nPos, "data", 4) == 0 && bFmt) {
            if (info.nBits != 16 || cbChunk % 2 != 0) {
                strError = "data is not whole 16-bit samples";
                return false;
            }
            info.vSamples.resize(cbChunk / 2);
            for (size_t i = 0; i < info.vSamples.size(); i++)
                info.vSamples[i] = static_cast<int16_t>(Le(pBody + 2 * i, 2));
            bData = true;
        }
        nPos += 8 + cbChunk + (cbChunk & 1);
    }
    if (nPos != cb) {
        strError = "bytes after the last chunk";
        return false;
    }
    if (!bFmt || !bData) {
        strError = "fmt or data chunk missing";
        return false;
    }
    return true;
}
