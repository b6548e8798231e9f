// Playback timing of the real program, run by hand under Wine (tests/bench/midi_timing.sh):
// every message's send time, as the test MIDI driver logged it, against its ideal time from the
// song file; the script measures the CPU time while the music plays and while it is stopped.
//   midi_timing [seconds of music, default 30] [file for "ideal ms, offset ms" lines]
#include <windows.h>
#include <algorithm>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include "audio/midi_log.h"
#include "e2e/driver.h"

namespace {

// Tells the script that runs this, which samples the CPU time of the processes from the Unix
// side (Wine reports none for another process), where a phase begins or ends.
void Mark(const char* lpszWhat) {
    printf("#mark %s\n", lpszWhat);
    fflush(stdout);
}

double Percentile(std::vector<double> v, double p) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, (size_t)(p * (double)(v.size() - 1) + 0.5))];
}

} // namespace

int main(int argc, char** argv) {
    int nSeconds = argc > 1 ? atoi(argv[1]) : 30;
    if (nSeconds < 2)
        nSeconds = 2;
    std::string strLog = UseMidiLogDriver("midi_timing");
    if (strLog.empty()) {
        fprintf(stderr, "cannot install the test MIDI driver\n");
        return 1;
    }
    std::string strDir = MakeWorkDir();
    Song song = ReadSong(ReadFileBytes(PathIn(strDir, "twell3.mid")));
    CProgram program;
    if (song.events.empty() || !program.Start(strDir) || program.WaitForWindow() == NULL) {
        fprintf(stderr, "cannot read the song or start the program\n");
        UseDefaultDrivers();
        return 1;
    }
    Sleep(1000); // past the opening and the start of the song
    Mark("playing");
    Sleep((DWORD)nSeconds * 1000);
    Mark("end");

    HWND hWndOther = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0,
                                     100, 100, NULL, NULL, GetModuleHandleA(NULL), NULL);
    SetForegroundWindow(hWndOther);
    for (int i = 0; i < 100; i++) {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(10);
    }
    Mark("stopped");
    Sleep((DWORD)nSeconds * 1000 / 3);
    Mark("end");
    UseDefaultDrivers();

    std::vector<LogEntry> log = ReadMidiLog(strLog);
    size_t nStop = 18;
    while (nStop < log.size() && log[nStop].nKind != LOG_RESET)
        nStop++;
    std::vector<LogEntry> sent = MessagesOf(log, 18, nStop);
    Playback play = ComparePlayback(sent, song);
    if (!play.strFirstDifference.empty() || play.offsetsMs.empty()) {
        fprintf(stderr, "the playback differs from the song: %s\n",
                play.strFirstDifference.c_str());
        return 1;
    }
    // Offsets are measured from the first message's send time. The song's own zero cannot be
    // seen from outside, and the first timer callback may come a little late, after which the
    // timer catches up; so the schedule is also placed at the median offset, and that is the
    // number that says how evenly the music is played.
    std::vector<double> late = play.offsetsMs;
    auto sinceFirstMs = [&](size_t i) { return (double)(sent[i].nUs - sent[0].nUs) / 1000.0; };
    if (argc > 2) {
        if (FILE* lpFile = fopen(argv[2], "w")) {
            for (size_t i = 0; i < late.size(); i++)
                fprintf(lpFile, "%.3f %.3f %06x\n", sinceFirstMs(i), late[i],
                        (unsigned)sent[i].dwMsg);
            fclose(lpFile);
        }
    }
    double dMedian = Percentile(late, 0.5);
    size_t nWithin = 0, nNear = 0, nLater = 0, nLaterNear = 0;
    double dSum = 0;
    std::vector<double> centred;
    for (size_t i = 0; i < late.size(); i++) {
        double d = late[i];
        nWithin += fabs(d) <= 2.0;
        nNear += fabs(d - dMedian) <= 2.0;
        centred.push_back(d - dMedian);
        dSum += d;
        // Wine's periodic timer wakes late the first time and then catches up, so the song's
        // opening beat goes out late against the rest: the count without it is shown apart.
        if (sinceFirstMs(i) - d > 0.5) {
            nLater++;
            nLaterNear += fabs(d - dMedian) <= 2.0;
        }
    }
    // The ideal times, from the first message, and the neighbours sent 2 ms or more out of order.
    size_t nOutOfOrder = 0;
    for (size_t i = 1; i < late.size(); i++)
        nOutOfOrder += sinceFirstMs(i) - late[i] < sinceFirstMs(i - 1) - late[i - 1] - 2.0;
    printf("messages sent     %zu over %.1f s of song\n", late.size(),
           (sinceFirstMs(late.size() - 1) - late.back()) / 1e3);
    printf("about the median  p1 %.3f  p99 %.3f  within 2 ms %.2f %%\n", Percentile(centred, 0.01),
           Percentile(centred, 0.99), 100.0 * (double)nNear / (double)late.size());
    if (nLater > 0)
        printf("  after the opening beat: within 2 ms %.2f %% of %zu\n",
               100.0 * (double)nLaterNear / (double)nLater, nLater);
    printf("from the first    mean %.3f  median %.3f  p1 %.3f  p99 %.3f  max |off| %.3f\n",
           dSum / (double)late.size(), dMedian, Percentile(late, 0.01), Percentile(late, 0.99),
           play.dMaxOffMs);
    printf("                  within 2 ms %.2f %%\n",
           100.0 * (double)nWithin / (double)late.size());
    printf("out of order      %zu neighbours by 2 ms or more\n", nOutOfOrder);
    return 0;
}
