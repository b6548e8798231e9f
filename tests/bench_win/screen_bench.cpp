// Times under Wine what the child waits for: one paint of each screen, a full-page colour fill
// and a full clear, against the pure frame pacing. Run by tools/bench-wine.sh; prints numbers.
#include "pages/fill.h"
#include "pages/page.h"
#include "shell/app.h"
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

    // A full page of one area: every pixel blank, no outlines.
    memset(lpDib, PIXEL_BLANK, PAGE_BYTES);
    double t0 = Now();
    DWORD dwTick0 = GetTickCount();
    ColourFill(330, 230, 29);
    double dFill = (Now() - t0) * 1000.0;
    // Pacing alone would be one tick (1 ms) per frame.
    int nFillFrames = (PAGE_BYTES + 2500) / 2501;
    printf("full-page fill:   %.0f ms (tick count moved %lu), %d frames, %.2f ms a frame, "
           "ratio to pacing %.2f\n",
           dFill, GetTickCount() - dwTick0, nFillFrames, dFill / nFillFrames, dFill / nFillFrames);

    t0 = Now();
    ClearFill();
    double dClear = (Now() - t0) * 1000.0;
    int nClearFrames = (1118 - 560) / 6; // the diamond from the centre to the far corner
    printf("full clear:       %.0f ms, about %d frames, %.2f ms a frame, ratio to pacing %.2f\n",
           dClear, nClearFrames, dClear / nClearFrames, dClear / nClearFrames);
    DestroyWindow(hWndMain);
    return 0;
}
