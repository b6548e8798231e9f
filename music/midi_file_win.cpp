// The loader's file access: the music file is read chunk by chunk with ReadFile.
#include "music/midi_file.h"

#include <windows.h>

namespace {

// Reads the music file from its current position, keeping count of what is left.
class FileReader : public MidiReader {
  public:
    explicit FileReader(HANDLE hFileIn) : hFile(hFileIn), cbLeft(UINT64_MAX) {
        LARGE_INTEGER liSize;
        if (GetFileSizeEx(hFile, &liSize))
            cbLeft = (uint64_t)liSize.QuadPart;
    }
    int Read(void* lpBuf, uint32_t cb) override {
        DWORD cbRead = 0;
        if (!ReadFile(hFile, lpBuf, cb, &cbRead, NULL) || cbRead != cb)
            return 0;
        if (cbLeft != UINT64_MAX)
            cbLeft = cbLeft > cb ? cbLeft - cb : 0;
        return 1;
    }
    // An unknown size leaves the decision to the read itself.
    uint64_t Left() override { return cbLeft; }

  private:
    HANDLE hFile;
    uint64_t cbLeft;
};

} // namespace

const char* LoadMidiFile(const char* lpszPath, MidiSong* lpSong) {
    HANDLE hFile = CreateFileA(lpszPath ? lpszPath : "", GENERIC_READ, FILE_SHARE_READ, NULL,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return "File cannot be loaded for reading.";
    FileReader reader(hFile);
    const char* lpszMsg = LoadMidiFrom(&reader, lpSong);
    CloseHandle(hFile);
    return lpszMsg;
}
