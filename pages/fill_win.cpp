// The fills on lpDib, with the system's clocks, the main window and the message queue.
#include "pages/fill.h"

#include "pages/fill_engine.h"
#include "pages/page.h"
#include "pages/sound.h"
#include "shell/app.h"

namespace {

// FillHost for the program: the tick count, QueryPerformanceCounter for the cheap clock,
// DrawPage into the main window, one PeekMessageA per pump.
class WindowFillHost : public FillHost {
  public:
    WindowFillHost() {
        LARGE_INTEGER li;
        if (QueryPerformanceFrequency(&li) && li.QuadPart > 0)
            nCountsPerSecond = li.QuadPart;
    }

    uint32_t TickCount() override { return GetTickCount(); }

    uint32_t Microseconds() override {
        LARGE_INTEGER li;
        if (!QueryPerformanceCounter(&li))
            return GetTickCount() * 1000u;
        // Split so the multiplication cannot overflow however long the system has run.
        LONGLONG nSeconds = li.QuadPart / nCountsPerSecond;
        LONGLONG nRest = li.QuadPart % nCountsPerSecond;
        return static_cast<uint32_t>(nSeconds * 1000000 + nRest * 1000000 / nCountsPerSecond);
    }

    void DrawPage() override {
        HDC hdc = GetDC(hWndMain);
        if (hdc == NULL)
            return;
        ::DrawPage(hdc);
        ReleaseDC(hWndMain, hdc);
    }

    int PumpMessage() override {
        MSG msg;
        if (!PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            return 0;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        return 1;
    }

    void PlaySoundOnce(int idSound) override { ::PlaySoundOnce(idSound); }
    void PlaySoundLoop(int idSound) override { ::PlaySoundLoop(idSound); }
    void StopSound() override { ::StopSound(); }

  private:
    LONGLONG nCountsPerSecond = 1000; // stands in when the counter is missing
};

// The page in memory as the engine takes it; a page of no size yields a null buffer.
PageBits CurrentPage() {
    PageBits page = {lpDib, bmiPage.bmiHeader.biWidth, bmiPage.bmiHeader.biHeight};
    // The engine must never step outside the allocated buffer, whatever the header says.
    if (page.nWidth <= 0 || page.nHeight <= 0 ||
        static_cast<long long>(page.nWidth) * page.nHeight > PAGE_BYTES)
        page.lpBits = NULL;
    return page;
}

} // namespace

void ColourFill(int x, int y, int nColour) {
    WindowFillHost host;
    ColourFillOn(host, CurrentPage(), x, y, nColour);
}

void ClearFill() {
    WindowFillHost host;
    ClearFillOn(host, CurrentPage(), lpDibClear);
}
