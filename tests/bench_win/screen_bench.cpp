// Times under Wine what the child waits for: one paint of each screen, and ten full-page colour
// fills and full clears in steps of the system clock. Run by tools/bench-wine.sh; prints numbers.
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

// The program's fill host, counting its frames and the looping sounds it starts.
class CountingHost : public WindowFillHost {
  public:
    int nDraws = 0; // every frame, and the last picture
    int nLoops = 0;
    void DrawPage() override { nDraws++, WindowFillHost::DrawPage(); }
    void PlaySoundLoop(int idSound) override { nLoops++, WindowFillHost::PlaySoundLoop(idSound); }
};

// Runs fnFill nRuns times and prints each run's length in steps of the system clock (15.625
// ms), its frames and whether the looping sound came, and the range of the lengths.
template <class Fill> static void TimeFills(const char* lpszName, int nRuns, Fill fnFill) {
    double dLeast = 1e9, dMost = 0;
    int nLooped = 0;
    printf("%s", lpszName);
    for (int i = 0; i < nRuns; i++) {
        CountingHost host;
        double t0 = Now();
        fnFill(host);
        double dSteps = (Now() - t0) * 1000.0 / 15.625;
        dLeast = dSteps < dLeast ? dSteps : dLeast;
        dMost = dSteps > dMost ? dSteps : dMost;
        nLooped += host.nLoops == 1;
        printf(" %.1f", dSteps);
        Pump();
    }
    printf(" steps\n    least %.1f, most %.1f steps (%.0f..%.0f ms); the loop came in %d of %d\n",
           dLeast, dMost, dLeast * 15.625, dMost * 15.625, nLooped, nRuns);
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

    // A full page of one area: every pixel blank, no outlines. Each run starts afresh.
    TimeFills("full-page fill:", 10, [](FillHost& host) {
        memset(lpDib, PIXEL_BLANK, PAGE_BYTES);
        ColourFillOn(host, CurrentPageBits(), 330, 230, 29);
    });
    TimeFills("full clear:    ", 10,
              [](FillHost& host) { ClearFillOn(host, CurrentPageBits(), lpDibClear); });
    DestroyWindow(hWndMain);
    return 0;
}
