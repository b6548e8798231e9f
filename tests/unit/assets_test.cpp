// The generated song and page files as the program reads them.
#include "music/midi_file.h"
#include "pages/page.h"
#include <gtest/gtest.h>
#include <string>

namespace {

std::string AssetPath(const char* lpszName) { return std::string(TW_ASSETS_DIR) + "\\" + lpszName; }

TEST(ShippedFiles, TheSongLoadsWithTheProgramsOwnLoader) {
    MidiSong song = {};
    const char* lpszError = LoadMidiFile(AssetPath("twell3.mid").c_str(), &song);
    EXPECT_EQ(lpszError, nullptr) << lpszError;
    EXPECT_GE(song.nTracks, 2);
    FreeSong(&song);
}

TEST(ShippedFiles, EveryPageLoadsAsA660By460Page) {
    ASSERT_TRUE(AllocPageBuffers());
    for (const char* lpszPage : PageFiles) {
        EXPECT_TRUE(LoadPage(AssetPath(lpszPage).c_str())) << lpszPage;
        EXPECT_EQ(bmiPage.bmiHeader.biWidth, 660) << lpszPage;
        EXPECT_EQ(bmiPage.bmiHeader.biHeight, 460) << lpszPage;
        int nOutline = 0, nBlank = 0;
        for (int i = 0; i < PAGE_BYTES; i++) {
            nOutline += lpDib[i] == PIXEL_OUTLINE;
            nBlank += lpDib[i] == PIXEL_BLANK;
        }
        EXPECT_EQ(nOutline + nBlank, PAGE_BYTES) << lpszPage;
        EXPECT_GT(nOutline, PAGE_BYTES / 50) << lpszPage;
    }
    FreePageBuffers();
}

} // namespace
