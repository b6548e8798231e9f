// The background music as the MIDI device receives it from the real program: the opening, the
// song's messages against the file, the restart at its end, and the music following activation.
#include "audio/audio_driver.h"
#include "audio/midi_log.h"
#include "e2e/driver.h"
#include "native/midi_builder.h"

#include <gtest/gtest.h>

namespace {

int64_t NowUs() {
    LARGE_INTEGER li, freq;
    QueryPerformanceCounter(&li);
    QueryPerformanceFrequency(&freq);
    return li.QuadPart / freq.QuadPart * 1000000 +
           li.QuadPart % freq.QuadPart * 1000000 / freq.QuadPart;
}

// Replaces a file in one step, so that the program never reads half of it.
int ReplaceFile(const std::string& strPath, const Bytes& bytes) {
    std::string strTmp = strPath + ".new";
    FILE* fp = fopen(strTmp.c_str(), "wb");
    if (fp == NULL)
        return FALSE;
    fwrite(bytes.data(), 1, bytes.size(), fp);
    fclose(fp);
    for (int i = 0; i < 50; i++) {
        if (MoveFileExA(strTmp.c_str(), strPath.c_str(), MOVEFILE_REPLACE_EXISTING))
            return TRUE;
        Sleep(10);
    }
    return FALSE;
}

Bytes Tempo(uint32_t dwUs) {
    return {0xFF, 0x51, 0x03, (uint8_t)(dwUs >> 16), (uint8_t)(dwUs >> 8), (uint8_t)dwUs};
}

// A song of under a second in two tracks that speeds up half-way: a restart that kept the tempo
// would play its first half twice as fast.
Bytes ShortSong(uint8_t nNote) {
    return SongOf({Cat({{0x00, 0x90, nNote, 0x40},
                        {0x60},
                        Tempo(250000),
                        {0x00, 0x80, nNote, 0x00},
                        {0x60, 0x90, (uint8_t)(nNote + 2), 0x40},
                        {0x30, 0x80, (uint8_t)(nNote + 2), 0x00},
                        kEndOfTrack}),
                   Cat({{0x30, 0xC1, 0x05},
                        {0x00, 0x91, (uint8_t)(nNote + 4), 0x50},
                        {0x60, 0x81, (uint8_t)(nNote + 4), 0x00},
                        kEndOfTrack})});
}

class Music : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(UseMidiLogDriver());
        strLog = NewMidiLog(testing::UnitTest::GetInstance()->current_test_info()->name());
        strDir = MakeWorkDir();
    }
    void TearDown() override { UseDefaultDrivers(); }

    std::vector<LogEntry> Log() {
        std::vector<uint8_t> bytes = ReadFileBytes(strLog);
        return ParseMidiLog(std::string(bytes.begin(), bytes.end()));
    }
    // Quits with Q, which closes the device, and returns the whole log.
    std::vector<LogEntry> QuitAndLog() {
        PressKey('Q');
        DWORD dwCode = 1234;
        EXPECT_TRUE(program.WaitExit(10000, &dwCode));
        EXPECT_EQ(dwCode, 0u);
        return Log();
    }
    // Index of the first entry of the kind at or after nFrom, or the log's size.
    static size_t Find(const std::vector<LogEntry>& log, int nKind, size_t nFrom) {
        while (nFrom < log.size() && log[nFrom].nKind != nKind)
            nFrom++;
        return nFrom;
    }

    std::string strLog, strDir;
    CProgram program;
};

TEST_F(Music, EveryChannelIsSetToProgramZeroThenTheSongGoesOutAsWritten) {
    Song song = ReadSong(ReadFileBytes(PathIn(strDir, "twell3.mid")));
    ASSERT_TRUE(song.bOk);
    ASSERT_TRUE(program.StartColouring(strDir));
    Sleep(4000);
    std::vector<LogEntry> log = QuitAndLog();

    ASSERT_GE(log.size(), 20u);
    EXPECT_EQ(log[0].nKind, LOG_OPEN);
    EXPECT_EQ(log[1].nKind, LOG_RESET);
    for (int nChannel = 0; nChannel < 16; nChannel++) {
        const LogEntry& e = log[2 + nChannel];
        EXPECT_EQ(e.nKind, LOG_MSG);
        EXPECT_EQ(e.dwMsg, 0xC0u | nChannel) << "channel " << nChannel;
        if (nChannel > 0) {
            EXPECT_GE(e.nUs - log[1 + nChannel].nUs, 9000) << "channel " << nChannel;
        }
    }
    EXPECT_LT(log[17].nUs - log[2].nUs, 1000000);

    // The song until the quit: reset and close, and nothing after.
    size_t nStop = Find(log, LOG_RESET, 18);
    ASSERT_LT(nStop + 1, log.size());
    EXPECT_EQ(log[nStop + 1].nKind, LOG_CLOSE);
    EXPECT_EQ(log.size(), nStop + 2);
    std::vector<LogEntry> sent = MessagesOf(log, 18, nStop);
    ASSERT_GT(sent.size(), 20u);
    Playback play = ComparePlayback(sent, song);
    EXPECT_EQ(play.strFirstDifference, "");
    EXPECT_EQ(play.nMatched, sent.size());
    EXPECT_LT(MedianOffMs(play), 15.0);
    EXPECT_LT(play.dMaxOffMs, 250.0);
    // Nothing due before the stop was left out.
    double dPlayedUs = (double)(log[nStop].nUs - sent[0].nUs);
    EXPECT_GE(sent.size(), CountDueBy(song, dPlayedUs - 250000));
    EXPECT_LE(sent.size(), CountDueBy(song, dPlayedUs + 250000));
}

TEST_F(Music, AtItsEndTheSongIsReadAgainFromItsFileAndStartsOverAtTheDefaultTempo) {
    Bytes first = ShortSong(0x3C), second = ShortSong(0x48);
    Song songFirst = ReadSong(first), songSecond = ReadSong(second);
    ASSERT_TRUE(songFirst.bOk && songSecond.bOk);
    ASSERT_TRUE(ReplaceFile(PathIn(strDir, "twell3.mid"), first));
    ASSERT_TRUE(program.StartColouring(strDir));
    Sleep(2600);
    ASSERT_TRUE(ReplaceFile(PathIn(strDir, "twell3.mid"), second));
    Sleep(2600);
    std::vector<LogEntry> log = QuitAndLog();

    // Passes of the song, each ended by the reset of the restart (the last by the quit's).
    std::vector<std::vector<LogEntry>> passes;
    size_t nFrom = 18;
    for (size_t nReset; (nReset = Find(log, LOG_RESET, nFrom)) < log.size(); nFrom = nReset + 1)
        passes.push_back(MessagesOf(log, nFrom, nReset));
    ASSERT_GE(passes.size(), 5u);
    passes.pop_back(); // cut short by the quit
    int nFirst = 0, nSecond = 0;
    for (size_t i = 0; i < passes.size(); i++) {
        ASSERT_FALSE(passes[i].empty()) << "pass " << i;
        int bSecond = (passes[i][0].dwMsg & 0xFF00) == 0x4800;
        const Song& song = bSecond ? songSecond : songFirst;
        Playback play = ComparePlayback(passes[i], song);
        EXPECT_EQ(play.strFirstDifference, "") << "pass " << i;
        EXPECT_EQ(play.nMatched, song.events.size()) << "pass " << i;
        EXPECT_LT(MedianOffMs(play), 15.0) << "pass " << i;
        EXPECT_LT(play.dMaxOffMs, 250.0) << "pass " << i;
        if (i > 0) {
            // The next pass begins as soon as the last track has ended.
            const Song& songBefore =
                (passes[i - 1][0].dwMsg & 0xFF00) == 0x4800 ? songSecond : songFirst;
            double dGapMs =
                (passes[i][0].nUs - passes[i - 1][0].nUs - songBefore.dUsLength) / 1000.0;
            EXPECT_GT(dGapMs, -5.0) << "pass " << i;
            EXPECT_LT(dGapMs, 80.0) << "pass " << i;
        }
        if (bSecond) {
            nSecond++;
        } else {
            EXPECT_EQ(nSecond, 0) << "pass " << i << ": the replaced song came back";
            nFirst++;
        }
    }
    EXPECT_GE(nFirst, 2);
    EXPECT_GE(nSecond, 2);
}

TEST_F(Music, LosingActivationStopsTheMusicAndRegainingItStartsTheSongFromItsBeginning) {
    Song song = ReadSong(ReadFileBytes(PathIn(strDir, "twell3.mid")));
    ASSERT_TRUE(song.bOk);
    ASSERT_TRUE(program.StartColouring(strDir));
    Sleep(2000);

    // A window of this process takes the activation away from the program.
    int64_t nAwayUs = NowUs();
    HWND hWndOther = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0,
                                     100, 100, NULL, NULL, GetModuleHandleA(NULL), NULL);
    ASSERT_NE(hWndOther, (HWND)NULL);
    SetForegroundWindow(hWndOther);
    for (int i = 0; i < 150; i++) {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(10);
    }
    std::vector<LogEntry> away = Log();
    int64_t nBackUs = NowUs();
    DestroyWindow(hWndOther);
    // A click on the frame's corner, where it does nothing else, brings the program back.
    SetForegroundWindow(program.Window());
    Click(4, 4);
    Sleep(2000);
    std::vector<LogEntry> log = QuitAndLog();

    size_t nStop = Find(away, LOG_RESET, 18);
    ASSERT_LT(nStop, away.size()) << "the music did not stop";
    EXPECT_GT(away[nStop].nUs, nAwayUs);
    EXPECT_EQ(away.size(), nStop + 1) << "something was sent after the stop";
    Playback before = ComparePlayback(MessagesOf(away, 18, nStop), song);
    EXPECT_EQ(before.strFirstDifference, "");

    size_t nEnd = Find(log, LOG_RESET, nStop + 1);
    std::vector<LogEntry> again = MessagesOf(log, nStop + 1, nEnd);
    ASSERT_GT(again.size(), 10u) << "the music did not start again";
    EXPECT_GT(again[0].nUs, nBackUs);
    Playback after = ComparePlayback(again, song);
    EXPECT_EQ(after.strFirstDifference, "");
    EXPECT_LT(MedianOffMs(after), 15.0);
    EXPECT_LT(after.dMaxOffMs, 250.0);
    EXPECT_EQ(again[0].dwMsg, song.events[0].dwMsg);
}

TEST_F(Music, WithNoAudioDriverTheProgramFindsNoDeviceAndRunsSilently) {
    HKEY hKey;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\Drivers", 0, NULL, 0,
                              KEY_SET_VALUE, NULL, &hKey, NULL),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(hKey, "Audio", 0, REG_SZ, (const BYTE*)"", 1), ERROR_SUCCESS);
    RegCloseKey(hKey);

    ASSERT_TRUE(program.Start(strDir, TraceProgramPath()));
    ASSERT_NE(program.WaitForWindow(), (HWND)NULL);
    Settle(500);
    PressKey(VK_RETURN);
    Settle(1500);
    std::vector<uint8_t> page = PageIndexes(PathIn(strDir, "BAT.TW3"));
    ASSERT_FALSE(page.empty());
    POINT pt = LargestBlankArea(page);
    ASSERT_GE(pt.x, 0);
    Click(70 + pt.x, 70 + pt.y);
    EXPECT_TRUE(WaitForFillToEnd(program.Window()));
    std::vector<LogEntry> log = QuitAndLog();

    EXPECT_TRUE(log.empty());
    std::vector<uint8_t> trace = ReadFileBytes(PathIn(strDir, "log.txt"));
    std::string strTrace(trace.begin(), trace.end());
    EXPECT_NE(strTrace.find("The default MIDI output device cannot be opened at this time."),
              std::string::npos)
        << strTrace;
}

} // namespace
