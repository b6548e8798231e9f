// What a child hears from the real program: the song as the MIDI device receives it (the test
// driver's log), and the sound effects as the PulseAudio sink plays them, recorded from its
// monitor and held against the program's own WAVE sounds by waveform and loudness.
#include "audio/midi_log.h"
#include "e2e/driver.h"
#include "native/midi_builder.h"
#include "support/page_builder.h"

#include <math.h>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>

namespace {

const int nRate = 22050; // the sounds' own rate; the recordings are made at it, mono
const int nLoopSound = 35;

// Replaces a file in one step, so that the program never reads half of it.
int ReplaceFile(const std::string& strPath, const Bytes& bytes) {
    std::ofstream(strPath + ".new", std::ios::binary)
        .write((const char*)bytes.data(), bytes.size());
    return MoveFileExA((strPath + ".new").c_str(), strPath.c_str(), MOVEFILE_REPLACE_EXISTING);
}

// A song of under half a second in two tracks that speeds up half-way: a restart that kept the
// tempo would play its first half twice as fast.
Bytes ShortSong(uint8_t nNote) {
    return SongOf({Cat({{0x00, 0x90, nNote, 0x40},
                        {0x30, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90}, // 250000 us a quarter note
                        {0x00, 0x80, nNote, 0x00},
                        {0x30, 0x90, (uint8_t)(nNote + 2), 0x40},
                        {0x18, 0x80, (uint8_t)(nNote + 2), 0x00},
                        kEndOfTrack}),
                   Cat({{0x18, 0xC1, 0x05},
                        {0x00, 0x91, (uint8_t)(nNote + 4), 0x50},
                        {0x30, 0x81, (uint8_t)(nNote + 4), 0x00},
                        kEndOfTrack})});
}

// The samples of 16-bit mono PCM from byte nFrom on, as -1..1.
std::vector<float> Samples(const std::vector<uint8_t>& bytes, size_t nFrom) {
    std::vector<float> samples;
    for (size_t i = nFrom; i + 1 < bytes.size(); i += 2)
        samples.push_back((int16_t)(bytes[i] | bytes[i + 1] << 8) / 32768.0f);
    return samples;
}

// The sound effect n as the program carries it (16-bit mono PCM at nRate), for n = 1..38.
const std::vector<float>& Effect(int idSound) {
    static std::vector<float> effects[39];
    if (effects[idSound].empty()) {
        Bytes file =
            ReadFileBytes(PathIn(TW_ASSETS_DIR, "wave" + std::to_string(idSound) + ".wav"));
        size_t nData = std::string(file.begin(), file.end()).find("data");
        effects[idSound] = Samples(file, nData == std::string::npos ? file.size() : nData + 8);
    }
    return effects[idSound];
}

// The first and one past the last 5 ms step of [dFrom, dTo) seconds louder than the noise floor
// (about -54 dB); empty when all of it is silent.
struct Span {
    size_t nBegin = 0, nEnd = 0;
    double Seconds() const { return (double)(nEnd - nBegin) / nRate; }
};
Span Heard(const std::vector<float>& rec, double dFrom = 0, double dTo = 1e9) {
    Span span;
    const size_t nStep = nRate / 200, nTo = std::min(rec.size(), (size_t)(dTo * nRate));
    for (size_t i = (size_t)std::max(0.0, dFrom * nRate); i + nStep <= nTo; i += nStep) {
        double dSum = 0;
        for (size_t j = i; j < i + nStep; j++)
            dSum += rec[j] * rec[j];
        if (sqrt(dSum / nStep) <= 0.002)
            continue;
        span.nBegin = span.nEnd == 0 ? i : span.nBegin;
        span.nEnd = i + nStep;
    }
    return span;
}

// The effect that the recording around nAt carries best over nCount samples: the best
// normalised cross-correlation of the waveforms over small lags (the loop at any phase), and
// the loudness of the recording over the sound's there.
struct Match {
    int idSound = 0;
    double dCorrelation = 0, dGain = 0;
};
Match BestSound(const std::vector<float>& rec, size_t nAt, size_t nCount) {
    Match best;
    for (int id = 1; id <= 38; id++) {
        const std::vector<float>& sound = Effect(id);
        size_t n = std::min(nCount, sound.size());
        double dSound = 0;
        for (size_t i = 0; i < n; i++)
            dSound += sound[i] * sound[i];
        long nMaxLag = id == nLoopSound ? (long)sound.size() : 220;
        for (long nStart = (long)nAt - nMaxLag; nStart <= (long)nAt + nMaxLag; nStart++) {
            if (nStart < 0 || (size_t)nStart + n > rec.size())
                continue;
            double dDot = 0, dRec = 0;
            for (size_t i = 0; i < n; i++) {
                dDot += rec[nStart + i] * sound[i];
                dRec += rec[nStart + i] * rec[nStart + i];
            }
            double dCorrelation = dRec > 0 && dSound > 0 ? dDot / sqrt(dRec * dSound) : 0;
            if (dCorrelation > best.dCorrelation)
                best = {id, dCorrelation, sqrt(dRec / dSound)};
        }
    }
    return best;
}

// What the PulseAudio sink plays, recorded by parec from its monitor (for a minute at most).
const std::string strRaw = std::string(TW_AUDIO_TMP_UNIX) + "/effects.raw";
// Returns once samples arrive: the tick count of the recording's start, or 0.
DWORD StartRecording() {
    DeleteFileA(WinePath(strRaw).c_str());
    RunUnix("timeout -s INT 60 parec --device=tw_null.monitor --raw --format=s16le --rate=22050 "
            "--channels=1 --latency-msec=10 > " +
                strRaw + " & echo $! > " + strRaw + ".pid",
            5000);
    for (DWORD dwStart = GetTickCount(); GetTickCount() - dwStart < 5000; Sleep(2))
        if (!ReadFileBytes(WinePath(strRaw)).empty())
            return GetTickCount();
    return 0;
}
std::vector<float> StopRecording() {
    std::vector<float> samples = Samples(ReadFileBytes(WinePath(strRaw)), 0);
    RunUnix("kill -INT $(cat " + strRaw + ".pid)", 5000);
    return samples;
}

// The page for the effects: a thick outline, a small box right of it, and the large area left of
// it. In a 1-bit page file a set bit is blank.
uint8_t EffectsPage(int x, int y) {
    return (x >= 598 && x <= 602) || (x > 602 && (y == 100 || y == 110)) ? 0 : 1;
}

class Audio : public testing::Test {
  protected:
    void SetUp() override {
        // The music goes to the log, so that only the effects reach the sink.
        strLog = UseMidiLogDriver(testing::UnitTest::GetInstance()->current_test_info()->name());
        ASSERT_NE(strLog, "");
        strDir = MakeWorkDir();
    }
    void TearDown() override { UseDefaultDrivers(); }

    // The log once it holds nResets resets (or the time is up), this thread's windows served.
    std::vector<LogEntry> WaitForResets(size_t nResets, DWORD dwTimeoutMs = 5000) {
        for (DWORD dwStart = GetTickCount();; Sleep(10)) {
            MSG msg;
            while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
                DispatchMessageA(&msg);
            std::vector<LogEntry> log = ReadMidiLog(strLog);
            auto isReset = [](const LogEntry& e) { return e.nKind == LOG_RESET; };
            if ((size_t)std::count_if(log.begin(), log.end(), isReset) >= nResets ||
                GetTickCount() - dwStart > dwTimeoutMs)
                return log;
        }
    }

    std::string strLog, strDir;
    CProgram program;
};

TEST_F(Audio, TheSongGoesOutAsWrittenStartsOverFromItsFileAndFollowsActivation) {
    std::string strSong = PathIn(strDir, "twell3.mid");
    Song shipped = ReadSong(ReadFileBytes(strSong)), first = ReadSong(ShortSong(0x3C)),
         second = ReadSong(ShortSong(0x48));
    ASSERT_FALSE(shipped.events.empty() || first.events.empty() || second.events.empty());
    ASSERT_TRUE(program.StartColouring(strDir));
    Sleep(700);
    // Read at the next start of the song, which the return of the activation makes.
    ASSERT_TRUE(ReplaceFile(strSong, ShortSong(0x3C)));
    // A window of this process takes the activation away; the music stops, and stays stopped.
    size_t nBefore = WaitForResets(0).size();
    HWND hWndOther = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 99,
                                     99, NULL, NULL, GetModuleHandleA(NULL), NULL);
    SetForegroundWindow(hWndOther);
    WaitForResets(2);
    std::vector<LogEntry> away = WaitForResets(3, 300);
    DestroyWindow(hWndOther);
    // A click on the frame's corner, where it does nothing else, brings the program back.
    SetForegroundWindow(program.Window());
    Click(4, 4);
    // Two passes (the third has been read already), then the new file plays twice.
    WaitForResets(4);
    ASSERT_TRUE(ReplaceFile(strSong, ShortSong(0x48)));
    WaitForResets(7);
    PressKey('Q');
    DWORD dwCode = 1234;
    ASSERT_TRUE(program.WaitExit(10000, &dwCode));
    std::vector<LogEntry> log = WaitForResets(0);

    // Open, reset, then program 0 on every channel, 10 ms apart, before the song.
    ASSERT_GE(log.size(), 20u);
    EXPECT_EQ(log[0].nKind, LOG_OPEN);
    EXPECT_EQ(log[1].nKind, LOG_RESET);
    for (int nChannel = 0; nChannel < 16; nChannel++) {
        EXPECT_EQ(log[2 + nChannel].dwMsg, 0xC0u | nChannel);
        EXPECT_GE(log[2 + nChannel].nUs - log[1 + nChannel].nUs, nChannel > 0 ? 9000 : 0);
    }
    EXPECT_EQ(log.back().nKind, LOG_CLOSE);
    // The song until the activation went, at the reset that the window's return found last.
    ASSERT_GT(away.size(), nBefore);
    EXPECT_EQ(away.back().nKind, LOG_RESET);
    // Then passes of the songs, each ended by the reset of the next start (the last by the quit).
    std::vector<std::vector<LogEntry>> parts;
    for (size_t i = 18, nFrom = 18; i < log.size(); i++)
        if (log[i].nKind == LOG_RESET) {
            parts.push_back(MessagesOf(log, nFrom, i));
            nFrom = i + 1;
        }
    ASSERT_GE(parts.size(), 6u);
    int nSeen[2] = {};
    double dLastStartUs = 0;
    for (size_t i = 0; i + 1 < parts.size(); i++) {
        SCOPED_TRACE("part " + std::to_string(i));
        ASSERT_GT(parts[i].size(), i == 0 ? 20u : 0u);
        int bSecond = (parts[i][0].dwMsg & 0xFF00) == 0x4800;
        const Song& song = i == 0 ? shipped : bSecond ? second : first;
        Playback play = ComparePlayback(parts[i], song);
        double dGapMs = (play.dStartUs - dLastStartUs - song.dUsLength) / 1000;
        dLastStartUs = play.dStartUs;
        EXPECT_EQ(play.strFirstDifference, "");
        // Most messages on time (a wrong tempo moves most, a busy machine only some), none far off.
        EXPECT_LT(2 * std::count_if(play.offsetsMs.begin(), play.offsetsMs.end(),
                                    [](double d) { return fabs(d) > 15; }),
                  (long)play.offsetsMs.size());
        EXPECT_LT(play.dMaxOffMs, 250.0);
        if (i == 0)
            continue;
        EXPECT_EQ(play.offsetsMs.size(), song.events.size());
        EXPECT_FALSE(bSecond ? nSeen[0] < 2 : nSeen[1] > 0) << "the songs came out of turn";
        nSeen[bSecond]++;
        // Each pass starts again as soon as the last track has ended.
        EXPECT_TRUE(i == 1 || (dGapMs > -5 && dGapMs < 80)) << dGapMs;
    }
    EXPECT_GE(nSeen[1], 2);
}

TEST_F(Audio, EffectsAreTheProgramsOwnSoundsPlayedWholeAndTheFillLoopEndsWithTheFill) {
    ASSERT_TRUE(ReplaceFile(PathIn(strDir, "BAT.TW3"), pagebuild::MonoPageFile(EffectsPage)));
    double dLongest = 0;
    for (int id = 1; id < nLoopSound; id++)
        dLongest = std::max(dLongest, Heard(Effect(id)).Seconds());
    ASSERT_TRUE(program.StartColouring(strDir));
    DWORD dwStart = StartRecording();
    ASSERT_NE(dwStart, 0u) << "no sound server: tools/pulse.sh";
    auto seconds = [&] { return (GetTickCount() - dwStart) / 1000.0; };
    // Clicks on the outline (which changes nothing), a swatch, a palette page and the small box,
    // each heard in the time after it, then a long fill of the large area.
    const struct {
        int x, y;
        double dSeconds;
    } clicks[] = {{670, 370, 0.3}, {34, 208, 0.4}, {187, 34, 0.4}, {700, 175, dLongest + 0.15}};
    double dAt[5];
    for (int i = 0; i < 4; i++) {
        dAt[i] = seconds();
        Click(clicks[i].x, clicks[i].y);
        Sleep((DWORD)(clicks[i].dSeconds * 1000));
    }
    dAt[4] = seconds();
    // The large area: about 110 frames of the clock's 15.625 ms steps, long enough to loop.
    HWND hWnd = program.Window();
    Click(370, 300);
    EXPECT_TRUE(WaitForBusy(hWnd, 5000));
    DWORD dwBusy = GetTickCount();
    while (!IsWindowEnabled(hWnd) && GetTickCount() - dwBusy < 20000)
        Sleep(5);
    double dFillEnd = seconds(), dFillSeconds = (GetTickCount() - dwBusy) / 1000.0;
    Sleep(500);
    std::vector<float> rec = StopRecording();

    // Each sound where it belongs, played whole; the long fill's from its start to its end.
    ASSERT_GT(dFillSeconds, 1.2) << "the fill was too short to loop";
    Span heard;
    for (int i = 0; i < 5; i++) {
        SCOPED_TRACE("click " + std::to_string(i));
        heard = Heard(rec, dAt[i] - 0.05, i < 4 ? dAt[i + 1] - 0.05 : 1e9);
        Match m = BestSound(rec, heard.nBegin, nRate / 10);
        EXPECT_EQ(heard.nEnd > 0, i > 0);
        if (i == 0)
            continue;
        EXPECT_TRUE(m.idSound >= (i < 3 ? 38 : 1) && m.idSound <= (i < 3 ? 38 : nLoopSound - 1) &&
                    m.dCorrelation > 0.75 && m.dGain > 0.3 && m.dGain < 2.0)
            << m.idSound << " " << m.dCorrelation << " " << m.dGain;
        EXPECT_NEAR(heard.Seconds(), i < 4 ? Heard(Effect(m.idSound)).Seconds() : dFillSeconds,
                    i < 4 ? 0.03 : 0.3);
    }
    // The loop over and over to the end of the fill, then silence.
    EXPECT_NEAR((double)heard.nEnd / nRate, dFillEnd, 0.3);
    EXPECT_GT(rec.size() - heard.nEnd, (size_t)nRate * 2 / 5);
    int nLoops = 0;
    for (int i = 1; i <= 5; i++) {
        Match loop = BestSound(rec, heard.nEnd - (size_t)(0.1 * i * nRate), nRate / 20);
        EXPECT_TRUE(loop.dCorrelation < 0.75 || loop.idSound == nLoopSound) << loop.idSound;
        nLoops += loop.dCorrelation > 0.75 && loop.idSound == nLoopSound;
    }
    EXPECT_GE(nLoops, 3);
}

} // namespace
