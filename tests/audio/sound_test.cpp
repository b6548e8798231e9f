// The sound effects as they come out of the PulseAudio sink while the real program is worked:
// recorded from the sink's monitor and held against the program's WAVE sounds.
#include "audio/audio_driver.h"
#include "audio/sound_check.h"
#include "e2e/driver.h"

#include <gtest/gtest.h>

namespace {

// Waveform correlation of a sound played and recorded back: near 1 on a quiet machine, lower
// when Wine's mixing stumbles under load. The sound must also match better than any other.
const double dSameSound = 0.75;
// Loudness of a recorded sound over its own: Wine's mixing may soften it a little, but never
// leaves it out or plays it at another sample size.
const double dLeast = 0.3, dMost = 2.0;

// The sound (of idFirst..idLast) that the recording at nAt carries best, over its first nCount
// samples (all of it when 0). The loops are looked for at any phase.
struct Effect {
    int idSound = 0;
    Match match;
};
Effect BestSound(const std::vector<float>& recording, size_t nAt, size_t nCount = 0,
                 int idFirst = 1, int idLast = 38) {
    Effect best;
    for (int id = idFirst; id <= idLast; id++) {
        std::vector<float> sound = LoadEffect(id);
        Match m = MatchSound(recording, nAt, sound, nCount,
                             id == 35 || id == 36 ? (long)sound.size() : 220);
        if (m.dCorrelation > best.match.dCorrelation) {
            best.idSound = id;
            best.match = m;
        }
    }
    return best;
}

// Keeps the program's queue full of WM_NULL while it lives. A fill handles one message after
// every pixel it takes, so this stretches a fill as a slow machine would: with Wine's 1 ms tick
// no fill of a real page would otherwise last the 450 ms that start the loop.
class CMessageFlood {
  public:
    explicit CMessageFlood(HWND hWndIn) : hWnd(hWndIn) {
        // Several posters, so that the queue grows faster than the program's loop drains it.
        for (HANDLE& h : hThreads)
            h = CreateThread(NULL, 0, Run, this, 0, NULL);
    }
    virtual ~CMessageFlood() {
        bStop = TRUE;
        for (HANDLE h : hThreads) {
            WaitForSingleObject(h, 5000);
            CloseHandle(h);
        }
    }

  private:
    static DWORD WINAPI Run(LPVOID lp) {
        CMessageFlood* lpFlood = (CMessageFlood*)lp;
        while (!lpFlood->bStop)
            for (int i = 0; i < 64; i++)
                PostMessageA(lpFlood->hWnd, WM_NULL, 0, 0);
        return 0;
    }
    HWND hWnd;
    HANDLE hThreads[3];
    volatile LONG bStop = FALSE;
};

class SoundEffects : public testing::Test {
  protected:
    void SetUp() override {
        // The music goes to the log, so that only the effects reach the sink.
        ASSERT_TRUE(UseMidiLogDriver());
        NewMidiLog("sound_effects");
        for (int id = 1; id <= 38; id++)
            ASSERT_FALSE(LoadEffect(id).empty()) << "wave" << id << ".wav";
        strDir = MakeWorkDir();
        page = PageIndexes(PathIn(strDir, "BAT.TW3"));
        ASSERT_FALSE(page.empty());
        ASSERT_TRUE(program.StartColouring(strDir));
        Settle(500);
        ASSERT_TRUE(recorder.Start(testing::UnitTest::GetInstance()->current_test_info()->name()))
            << recorder.strError;
        dwRecording = GetTickCount();
        Settle(300);
    }
    void TearDown() override { UseDefaultDrivers(); }
    // Seconds since the recording began, as near as the recorder's start can be told.
    double Elapsed() const { return (GetTickCount() - dwRecording) / 1000.0; }

    std::string strDir;
    std::vector<uint8_t> page;
    CProgram program;
    CRecorder recorder;
    DWORD dwRecording = 0;
};

TEST_F(SoundEffects, ClicksThatChangeNothingAreSilentAndAShortFillPlaysItsStartSoundToTheEnd) {
    POINT outline = OutlinePixel(page), small = SmallBlankArea(page, 20, 1500);
    ASSERT_GE(outline.x, 0);
    ASSERT_GE(small.x, 0) << "the page has no small area";
    Click(70 + outline.x, 70 + outline.y);
    Settle(700);
    double dFillAt = Elapsed();
    Click(70 + small.x, 70 + small.y);
    Settle(1200);
    std::vector<float> rec = recorder.Stop();

    std::vector<Span> spans = HeardSpans(rec);
    ASSERT_EQ(spans.size(), 1u) << Describe(spans);
    // The one sound is the fill's: the outline click before it was silent.
    EXPECT_GT((double)spans[0].nBegin / nSampleRate, dFillAt - 0.2) << Describe(spans);
    Effect effect = BestSound(rec, spans[0].nBegin);
    EXPECT_LE(effect.idSound, 34);
    EXPECT_GT(effect.match.dCorrelation, dSameSound) << "sound " << effect.idSound;
    EXPECT_GT(effect.match.dGain, dLeast);
    EXPECT_LT(effect.match.dGain, dMost);
    // Played whole: what was heard lasts as long as the sound itself.
    Span own = HeardSpan(LoadEffect(effect.idSound));
    EXPECT_NEAR(spans[0].Seconds(), own.Seconds(), 0.03) << "sound " << effect.idSound;
}

TEST_F(SoundEffects, AFillLongerThanAMomentSwitchesToTheLoopAndEndsInSilence) {
    size_t nPixels = 0;
    POINT pt = LargestBlankArea(page, &nPixels);
    ASSERT_GE(pt.x, 0);
    HWND hWnd = program.Window();
    // Input waits behind posted messages, so under the flood the click is posted too, and the
    // fill finds the messages posted after it waiting.
    DWORD dwBusy = 0, dwDone = 0;
    {
        CMessageFlood flood(hWnd);
        Settle(300);
        LPARAM lParam = MAKELPARAM(70 + pt.x, 70 + pt.y);
        PostMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, lParam);
        PostMessageA(hWnd, WM_LBUTTONUP, 0, lParam);
        DWORD dwStart = GetTickCount();
        while (IsWindowEnabled(hWnd) && GetTickCount() - dwStart < 10000)
            Sleep(1);
        dwBusy = GetTickCount();
        while (!IsWindowEnabled(hWnd) && GetTickCount() - dwBusy < 60000)
            Sleep(2);
        dwDone = GetTickCount();
    }
    double dFillEndAt = (dwDone - dwRecording) / 1000.0;
    double dFillSeconds = (dwDone - dwBusy) / 1000.0;
    ASSERT_GT(dFillSeconds, 1.0) << "the fill of " << nPixels << " pixels was too short to loop";
    Settle(1000);
    std::vector<float> rec = recorder.Stop();

    // Sound from the start of the fill to its end, then silence to the end of the recording.
    // Under the flood a frame takes long, so the loop may start a while after the start sound,
    // and Wine's mixing may drop a moment of it now and then.
    std::vector<Span> spans = HeardSpans(rec, 0.5);
    ASSERT_EQ(spans.size(), 1u) << Describe(spans);
    const Span& heard = spans[0];
    // The sound stops when the fill ends (the start sound may come late on a busy machine).
    EXPECT_NEAR((double)heard.nEnd / nSampleRate, dFillEndAt, 0.3)
        << "fill " << dFillSeconds << " s ending at " << dFillEndAt << " s,"
        << Describe(HeardSpans(rec));
    EXPECT_GT(rec.size() - heard.nEnd, (size_t)nSampleRate * 7 / 10) << Describe(spans);
    // A start sound first, then sound 35 over and over until the end.
    Effect start = BestSound(rec, heard.nBegin, nSampleRate / 5);
    EXPECT_LE(start.idSound, 34);
    EXPECT_GT(start.match.dCorrelation, dSameSound) << "sound " << start.idSound;
    ASSERT_GT(heard.Seconds(), 1.5) << Describe(spans);
    int nLoop = 0;
    for (int i = 1; i <= 5; i++) {
        Effect loop =
            BestSound(rec, heard.nEnd - (size_t)(0.2 * i * nSampleRate), nSampleRate / 20);
        if (loop.match.dCorrelation <= dSameSound)
            continue; // a moment that Wine dropped
        EXPECT_EQ(loop.idSound, 35) << 0.2 * i << " s before the end";
        EXPECT_GT(loop.match.dGain, dLeast) << 0.2 * i << " s before the end";
        EXPECT_LT(loop.match.dGain, dMost) << 0.2 * i << " s before the end";
        nLoop += loop.idSound == 35;
    }
    EXPECT_GE(nLoop, 3) << Describe(HeardSpans(rec));
}

TEST_F(SoundEffects, ColourButtonsClick) {
    Click(12 + 22, 186 + 22); // swatch 2010
    Settle(600);
    Click(165 + 22, 12 + 22); // palette page 2001
    Settle(600);
    std::vector<float> rec = recorder.Stop();

    Span own = HeardSpan(LoadEffect(38));
    std::vector<Span> spans = HeardSpans(rec);
    ASSERT_EQ(spans.size(), 2u) << Describe(spans);
    for (const Span& heard : spans) {
        Effect effect = BestSound(rec, heard.nBegin);
        EXPECT_EQ(effect.idSound, 38) << Describe({heard});
        EXPECT_GT(effect.match.dCorrelation, dSameSound) << Describe({heard});
        EXPECT_GT(effect.match.dGain, dLeast);
        EXPECT_LT(effect.match.dGain, dMost);
        EXPECT_NEAR(heard.Seconds(), own.Seconds(), 0.03) << Describe({heard});
    }
}

} // namespace
