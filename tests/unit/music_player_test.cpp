// The music on the multimedia timer: how the timer and its period start and stop as the program is
// activated and deactivated.
#include "music/midi_player.h"
#include "music/music.h"
#include "shell/base/seams.h"
#include "support/main_window.h"
#include "support/temp_dir.h"
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace {

// A format 1 song of nTracks empty tracks.
void WriteSong(const char* lpszFile, char nTracks) {
    std::string strSong =
        std::string("MThd\0\0\0\6\0\1\0", 11) + nTracks + std::string("\0\x60", 2);
    for (int i = 0; i < nTracks; i++)
        strSong += std::string("MTrk\0\0\0\4\0\xFF\x2F\0", 12);
    std::ofstream(lpszFile, std::ios::binary) << strSong;
}

// A timer that never fires, so the song stays at its beginning, and a log of its calls.
struct FakeTimer {
    static inline std::vector<std::string> calls;
    static inline UINT uLastId;
    static MMRESULT Log(const char* lpszCall, UINT uValue) {
        calls.push_back(lpszCall + std::to_string(uValue));
        return 0;
    }
    static MMRESULT WINAPI BeginPeriod(UINT uPeriod) { return Log("begin period ", uPeriod); }
    static MMRESULT WINAPI EndPeriod(UINT uPeriod) { return Log("end period ", uPeriod); }
    static MMRESULT WINAPI Set(UINT uMs, UINT uResolution, LPTIMECALLBACK, DWORD_PTR,
                               UINT fuEvent) {
        std::string strHow = " ms, resolution " + std::to_string(uResolution) +
                             (fuEvent & TIME_PERIODIC ? ", periodic" : ", once");
        calls.push_back("set every " + std::to_string(uMs) + strHow);
        return ++uLastId;
    }
    static MMRESULT WINAPI Kill(UINT uId) { return Log("kill ", uId); }
    static MMRESULT WINAPI Reset(HMIDIOUT) { return Log("reset ", 0); }
    static void WINAPI Wait(DWORD dwMs) { Log("wait ", dwMs); }
};

TEST(Music, EachActivationRestartsTheSongFromItsFileAndEachStopGoesInOrder) {
    CTempCurrentDir folder("twmusic");
    ASSERT_TRUE(folder.Made());
    CSeam<decltype(Seam_timeBeginPeriod)> seam1{Seam_timeBeginPeriod, FakeTimer::BeginPeriod};
    CSeam<decltype(Seam_timeEndPeriod)> seam2{Seam_timeEndPeriod, FakeTimer::EndPeriod};
    CSeam<decltype(Seam_timeSetEvent)> seam3{Seam_timeSetEvent, FakeTimer::Set};
    CSeam<decltype(Seam_timeKillEvent)> seam4{Seam_timeKillEvent, FakeTimer::Kill};
    CSeam<decltype(Seam_midiOutReset)> seam5{Seam_midiOutReset, FakeTimer::Reset};
    CSeam<decltype(Seam_Sleep)> seam6{Seam_Sleep, FakeTimer::Wait};
    FakeTimer::uLastId = 100;
    WriteSong("twell3.mid", 1);
    MusicControl control;
    control.Start(MusicFiles); // not active yet: nothing plays
    std::vector<std::vector<std::string>> calls;
    UINT uPeriod = 0;
    for (WPARAM bActive : {TRUE, FALSE, FALSE, TRUE, TRUE, FALSE}) {
        WriteSong("twell3.mid", char(calls.size() + 1));
        FakeTimer::calls.clear();
        control.OnActivateApp(bActive);
        calls.push_back(FakeTimer::calls);
        if (bActive) {
            EXPECT_EQ(Player.song.nTracks, int(calls.size())) << "the file read anew";
            uPeriod = Player.song.uPeriod;
        }
    }
    std::string strPeriod = std::to_string(uPeriod);
    std::vector<std::string> start = {"begin period " + strPeriod,
                                      "set every " + strPeriod + " ms, resolution 0, periodic"};
    std::vector<std::string> stop = {"end period " + strPeriod, "reset 0", "wait 10"};
    EXPECT_EQ(calls[0], start);
    EXPECT_EQ(calls[1], (std::vector<std::string>{"kill 101", stop[0], stop[1], stop[2]}));
    EXPECT_EQ(calls[2], std::vector<std::string>{});
    EXPECT_EQ(calls[3], start);
    EXPECT_EQ(calls[4], (std::vector<std::string>{"kill 102", stop[0], stop[1], stop[2], start[0],
                                                  start[1]}));
    EXPECT_EQ(calls[5], (std::vector<std::string>{"kill 103", stop[0], stop[1], stop[2]}));
    control.Shutdown();
}

} // namespace
