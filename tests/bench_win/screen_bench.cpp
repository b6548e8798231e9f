// Times under Wine what the child waits for: one paint of each screen, a full-page colour fill
// and a full clear, against the pure frame pacing. Run by tools/bench-wine.sh; prints numbers.
#include "pages/fill_host_win.h"
#include "pages/page.h"
#include "shell/app.h"
#include "shell/base/busy.h"
#include "shell/mainwnd.h"
#include <stdio.h>
#include <string.h>

static double Now() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return (double)c.QuadPart / (double)f.QuadPart;
}

static void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// The program's fill host, with the time the fills spend waiting for the tick count to move
// summed apart: back-to-back tick reads are the frame wait, everything else is the fill's own
// work (queue, drawing, pumping, sounds).
class WaitTimingHost : public WindowFillHost {
  public:
    double dWait = 0;
    int nDraws = 0; // every frame, and the last picture
    uint32_t TickCount() override {
        double t = Now();
        if (bReadingTick)
            dWait += t - tLastRead;
        bReadingTick = 1;
        tLastRead = t;
        return WindowFillHost::TickCount();
    }
    uint32_t Microseconds() override { return Other(), WindowFillHost::Microseconds(); }
    void DrawPage() override { Other(), nDraws++, WindowFillHost::DrawPage(); }
    int PumpMessage() override { return Other(), WindowFillHost::PumpMessage(); }
    void PlaySoundOnce(int idSound) override { Other(), WindowFillHost::PlaySoundOnce(idSound); }
    void PlaySoundLoop(int idSound) override { Other(), WindowFillHost::PlaySoundLoop(idSound); }
    void StopSound() override { Other(), WindowFillHost::StopSound(); }

  private:
    void Other() { bReadingTick = 0; }
    int bReadingTick = 0;
    double tLastRead = 0;
};

// How far GetTickCount moves at a time when it is read in a loop that makes no other system
// call, as the frame wait does; the most common step in milliseconds.
static int TickStepMs() {
    int anSteps[64] = {0};
    DWORD dwLast = GetTickCount();
    double t0 = Now();
    while (Now() - t0 < 1.0) {
        DWORD dw = GetTickCount();
        if (dw != dwLast) {
            anSteps[dw - dwLast < 63 ? dw - dwLast : 63]++;
            dwLast = dw;
        }
    }
    int nMost = 1;
    printf("tick steps in 1 s of reading:");
    for (int i = 1; i < 64; i++) {
        if (anSteps[i])
            printf(" %d ms x%d", i, anSteps[i]);
        if (anSteps[i] > anSteps[nMost])
            nMost = i;
    }
    printf("\n");
    return nMost;
}

// Times one fill run by fnFill through the program's host and prints it against the pacing.
template <class Fill> static void TimeFill(const char* lpszName, int nTickMs, Fill fnFill) {
    WaitTimingHost host;
    double t0 = Now();
    fnFill(host);
    int nFrames = host.nDraws > 1 ? host.nDraws - 1 : 1;
    double dMs = (Now() - t0) * 1000.0, dWaitMs = host.dWait * 1000.0;
    printf("%s %.0f ms, %d frames: %.2f ms a frame, %.2f ms of it the fill's own work; "
           "ratio to pacing (%d ms a frame) %.2f\n",
           lpszName, dMs, nFrames, dMs / nFrames, (dMs - dWaitMs) / nFrames, nTickMs,
           dMs / (nFrames * nTickMs));
}

// Mean milliseconds of one whole-window paint in the given screen mode.
static double PaintMs(int nMode, int nPaints) {
    nScreenMode = nMode;
    InvalidateRect(hWndMain, NULL, FALSE);
    UpdateWindow(hWndMain);
    double t0 = Now();
    for (int i = 0; i < nPaints; i++) {
        InvalidateRect(hWndMain, NULL, FALSE);
        UpdateWindow(hWndMain);
    }
    return (Now() - t0) * 1000.0 / nPaints;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: screen_bench <page file>\n");
        return 2;
    }
    hInst = GetModuleHandleA(NULL);
    RegisterMainClass(hInst);
    hWndMain = CreateWindowExA(0, "TWELLWIN3", "Tintwell 3", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600,
                               NULL, NULL, hInst, NULL);
    hbmTopBottom = LoadBitmapA(hInst, "TopBottomBorder");
    hbmLeftRight = LoadBitmapA(hInst, "LeftRightBorder");
    hbmDotPattern = LoadBitmapA(hInst, "DotPattern");
    hbmDotShadow = LoadBitmapA(hInst, "DotPatternShadow");
    hbmTitles = LoadBitmapA(hInst, "Titles");
    if (hWndMain == NULL || !AllocPageBuffers() || !LoadPage(argv[1]))
        return 1;
    Pump();
    printf("intro paint:      %.2f ms\n", PaintMs(MODE_INTRO, 100));
    printf("colouring paint:  %.2f ms\n", PaintMs(MODE_COLORING, 100));

    // Under Wine the tick count a busy loop reads moves only when the shared clock is
    // refreshed, which is every 16 ms unless some system call refreshes it sooner; on Windows
    // it moves every 15.6 ms. The fill's frame wait is such a loop, so that step is its pacing.
    int nTickMs = TickStepMs();
    // A full page of one area: every pixel blank, no outlines.
    memset(lpDib, PIXEL_BLANK, PAGE_BYTES);
    TimeFill("full-page fill:  ", nTickMs,
             [](FillHost& host) { ColourFillOn(host, CurrentPageBits(), 330, 230, 29); });
    TimeFill("full clear:      ", nTickMs,
             [](FillHost& host) { ClearFillOn(host, CurrentPageBits(), lpDibClear); });
    DestroyWindow(hWndMain);
    return 0;
}
