// The music on Windows: the song read from disk, the player on the multimedia timer (without a
// device), and the music control's answers to activation, in a folder of their own.
#include "music/midi_player.h"
#include "music/music.h"
#include "native/midi_builder.h"
#include "shell/base/diag.h"

#include "support/temp_dir.h"
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

// A format 1 song of one track that ends after nTicks ticks at 96 ticks a quarter.
Bytes ShortSong(uint32_t nTicks, int nTracks = 1) {
    MidiBuilder b;
    b.Header(1, nTracks, 96);
    for (int i = 0; i < nTracks; i++)
        b.Track(Cat({{0x00, 0x90, 0x3C, 0x40},
                     VarLen(nTicks),
                     {0x80, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00}}));
    return b.bytes;
}

// Waits up to nMs for a condition that the timer thread brings about.
template <class F> bool WaitFor(F fnDone, DWORD nMs = 2000) {
    DWORD dwStart = GetTickCount();
    while (!fnDone()) {
        if (GetTickCount() - dwStart > nMs)
            return false;
        Sleep(5);
    }
    return true;
}

// A fresh folder as the current directory; files are written into it by name.
class MusicFolder : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.Made()); }
    void TearDown() override {
        Player.Release();
        bLogOn = 0;
    }
    std::string Path(const char* lpszName) { return folder.Path(lpszName); }
    // Writes through a second file and a rename, so that a reader never sees half a file.
    void Write(const char* lpszName, const Bytes& data) {
        std::string strTmp = Path("new.tmp");
        {
            std::ofstream out(strTmp, std::ios::binary);
            out.write((const char*)data.data(), (std::streamsize)data.size());
        }
        ASSERT_TRUE(WaitFor([&] {
            return MoveFileExA(strTmp.c_str(), Path(lpszName).c_str(), MOVEFILE_REPLACE_EXISTING) !=
                   0;
        }));
    }
    std::string Log() {
        std::ifstream in(Path("log.txt"));
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    CTempCurrentDir folder{"twmusic"};
};

TEST_F(MusicFolder, SongFileIsReadAndAlwaysClosed) {
    MidiSong song{};
    EXPECT_STREQ(LoadMidiFile(Path("none.mid").c_str(), &song),
                 "File cannot be loaded for reading.");
    EXPECT_STREQ(LoadMidiFile((const char*)NULL, &song), "File cannot be loaded for reading.");

    Write("good.mid", MidiBuilder().Raw(ShortSong(10, 2)).Riff());
    // Another reader may hold the file open meanwhile.
    HANDLE hOther = CreateFileA(Path("good.mid").c_str(), GENERIC_READ, FILE_SHARE_READ, NULL,
                                OPEN_EXISTING, 0, NULL);
    ASSERT_NE(hOther, INVALID_HANDLE_VALUE);
    EXPECT_EQ(LoadMidiFile(Path("good.mid").c_str(), &song), nullptr);
    CloseHandle(hOther);
    EXPECT_EQ(song.nTracks, 2);
    EXPECT_EQ(song.pTracks[1].nTotalTicks, 10);
    FreeSong(&song);
    EXPECT_TRUE(DeleteFileA(Path("good.mid").c_str())) << "closed after a load";

    Write("long.mid", MidiBuilder().Header(1, 1, 96).Chunk("MTrk", kEndOfTrack, 0x7FFFFFFF).bytes);
    EXPECT_STREQ(LoadMidiFile(Path("long.mid").c_str(), &song),
                 "Error encountered when reading track chunk.");
    EXPECT_EQ(song.pTracks, nullptr);
    EXPECT_TRUE(DeleteFileA(Path("long.mid").c_str())) << "closed after a refusal";
}

TEST_F(MusicFolder, PlayerLoopsThroughItsFileWithoutADevice) {
    MidiPlayer player; // never opened: every message goes nowhere
    Write("song.mid", ShortSong(0));
    std::string strPath = Path("song.mid");
    player.Play(strPath.c_str());
    ASSERT_TRUE(player.song.bTimerOn);
    EXPECT_EQ(player.lpszFile, strPath.c_str());
    EXPECT_GE(player.song.uPeriod, 1u);

    // Each end of the song reloads the file on the timer thread: a new file shows.
    Write("song.mid", ShortSong(0, 3));
    EXPECT_TRUE(WaitFor([&] { return player.song.nTracks == 3; }));

    // A file that fails to load keeps the playing song.
    player.Play(Path("none.mid").c_str());
    EXPECT_EQ(player.lpszFile, strPath.c_str());
    EXPECT_TRUE(player.song.bTimerOn);

    player.Release();
    EXPECT_FALSE(player.song.bTimerOn);
    EXPECT_EQ(player.song.pTracks, nullptr);
    EXPECT_TRUE(DeleteFileA(strPath.c_str()));
}

TEST_F(MusicFolder, PlayerRestartingOnTheTimerThreadMeetsPlayAndReleaseOnThisOne) {
    // A song without tracks restarts at every timer period, so the timer thread runs Play
    // all the time while this thread starts and releases the song.
    MidiPlayer player;
    Write("empty.mid", MidiBuilder().Header(1, 0, 96).bytes);
    std::string strPath = Path("empty.mid");
    for (int i = 0; i < 60; i++) {
        player.Play(strPath.c_str());
        Sleep(i % 3);
        if (i % 4 == 3)
            player.Release();
    }
    player.Release();
    EXPECT_FALSE(player.song.bTimerOn);
    EXPECT_TRUE(DeleteFileA(strPath.c_str()));
}

TEST_F(MusicFolder, MusicPlaysOnlyWhileTheProgramIsActive) {
    bLogOn = 1;
    Write("twell3.mid", ShortSong(96));
    MusicControl control;
    control.OnActivateApp(TRUE); // before Start: no path yet, nothing plays
    EXPECT_FALSE(Player.song.bTimerOn);
    control.Start(MusicFiles);
    ASSERT_TRUE(Player.song.bTimerOn);
    EXPECT_EQ(std::string(Player.lpszFile), Path("twell3.mid"));

    control.OnActivateApp(FALSE);
    EXPECT_FALSE(Player.song.bTimerOn);
    EXPECT_EQ(Player.song.pTracks, nullptr);
    control.OnActivateApp(TRUE);
    EXPECT_TRUE(Player.song.bTimerOn);

    // With the file gone, activations change nothing but the log.
    control.OnActivateApp(FALSE);
    ASSERT_TRUE(DeleteFileA(Path("twell3.mid").c_str()));
    control.OnActivateApp(TRUE);
    EXPECT_FALSE(Player.song.bTimerOn);
    control.Shutdown();
    EXPECT_EQ(Player.song.hMidiOut, nullptr);

    std::string strLog = Log();
    const char* lpszLines[] = {"WM_ACTIVATEAPP 0", "WM_ACTIVATEAPP 1", "WM_ACTIVATEAPP 0",
                               "WM_ACTIVATEAPP 1", "WM_ACTIVATEAPP 0"};
    size_t nPos = 0;
    for (const char* lpszLine : lpszLines) {
        nPos = strLog.find(lpszLine, nPos);
        ASSERT_NE(nPos, std::string::npos) << lpszLine << " missing from:\n" << strLog;
        nPos++;
    }
}

} // namespace
