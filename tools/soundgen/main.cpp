// soundgen: writes the program's sound effects (wave1.wav .. wave38.wav) and its background
// song (twell3.mid) into a folder, the same bytes on every run.
#include "effects.h"
#include "song.h"
#include "synth.h"
#include "wave_file.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

int WriteFile(const std::string& strPath, const std::vector<uint8_t>& vBytes) {
    FILE* pFile = std::fopen(strPath.c_str(), "wb");
    if (!pFile)
        return 0;
    const size_t cbWritten = std::fwrite(vBytes.data(), 1, vBytes.size(), pFile);
    const int bClosed = std::fclose(pFile) == 0;
    return cbWritten == vBytes.size() && bClosed;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen <outdir>\n");
        return 2;
    }
    const std::string strDir = std::string(argv[1]) + "/";
    for (int n = 1; n <= SOUND_COUNT; n++) {
        const std::string strPath = strDir + "wave" + std::to_string(n) + ".wav";
        if (!WriteFile(strPath, BuildWaveFile(MakeSound(n), SOUND_RATE))) {
            std::fprintf(stderr, "soundgen: cannot write %s\n", strPath.c_str());
            return 1;
        }
    }
    std::string strError;
    const std::vector<uint8_t> vSong = BuildSong(strError);
    if (vSong.empty()) {
        std::fprintf(stderr, "soundgen: song: %s\n", strError.c_str());
        return 1;
    }
    if (!WriteFile(strDir + "twell3.mid", vSong)) {
        std::fprintf(stderr, "soundgen: cannot write %stwell3.mid\n", strDir.c_str());
        return 1;
    }
    return 0;
}
