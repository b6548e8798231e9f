// The floor under the music's CPU cost: a 1 ms periodic multimedia timer whose callback does
// nothing but note the time, run by tests/bench/midi_timing.sh beside the real program.
//   bare_timer [seconds, default 30]
#include <windows.h>
#include <mmsystem.h>
#include <algorithm>
#include <stdio.h>
#include <stdlib.h>
#include <vector>

namespace {

LARGE_INTEGER liFreq;
std::vector<LONGLONG> calls; // counter value at each callback, reserved before the timer runs
volatile LONG nCalls = 0;

void CALLBACK OnTimer(UINT, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR) {
    LONG n = nCalls;
    if ((size_t)n < calls.size()) {
        LARGE_INTEGER li;
        QueryPerformanceCounter(&li);
        calls[n] = li.QuadPart;
        nCalls = n + 1;
    }
}

} // namespace

int main(int argc, char** argv) {
    int nSeconds = argc > 1 ? atoi(argv[1]) : 30;
    if (nSeconds < 1)
        nSeconds = 1;
    QueryPerformanceFrequency(&liFreq);
    calls.resize((size_t)nSeconds * 1100 + 100);
    UINT idTimer = timeSetEvent(1, 1, OnTimer, 0, TIME_PERIODIC);
    if (idTimer == 0) {
        fprintf(stderr, "no multimedia timer\n");
        return 1;
    }
    Sleep(1000);
    printf("#mark bare timer\n");
    fflush(stdout);
    Sleep((DWORD)nSeconds * 1000);
    printf("#mark end\n");
    fflush(stdout);
    timeKillEvent(idTimer);
    Sleep(50);

    std::vector<double> gaps;
    for (LONG i = 1; i < nCalls; i++)
        gaps.push_back((double)(calls[i] - calls[i - 1]) * 1000.0 / (double)liFreq.QuadPart);
    if (gaps.empty())
        return 1;
    double dSum = 0;
    for (double d : gaps)
        dSum += d;
    std::sort(gaps.begin(), gaps.end());
    printf("bare timer        %zu intervals: mean %.3f ms, p99 %.3f ms, max %.3f ms\n", gaps.size(),
           dSum / (double)gaps.size(), gaps[(size_t)(0.99 * (double)(gaps.size() - 1))],
           gaps.back());
    return 0;
}
