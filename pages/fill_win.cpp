// The fills on lpDib, with the system's clocks, the main window and the message queue.
#include "pages/fill.h"

#include "pages/fill_host_win.h"
#include "pages/page.h"
#include "pages/sound.h"
#include "shell/base/app_state.h"
#include "shell/base/busy.h"

WindowFillHost::WindowFillHost() {
    LARGE_INTEGER li;
    if (QueryPerformanceFrequency(&li) && li.QuadPart > 0) {
        nCountsPerSecond = li.QuadPart;
        bCounter = 1;
    }
}

// Not GetTickCount: under Wine it moves whenever the process talks to the system, so the
// fills would run at whatever pace the rest of the machine set.
uint32_t WindowFillHost::TickCount() {
    LARGE_INTEGER li;
    if (!bCounter || !QueryPerformanceCounter(&li))
        return GetTickCount();
    return ClockStepMs(li.QuadPart, nCountsPerSecond);
}

uint32_t WindowFillHost::Microseconds() {
    LARGE_INTEGER li;
    if (!QueryPerformanceCounter(&li))
        return GetTickCount() * 1000u;
    // Split so the multiplication cannot overflow however long the system has run.
    LONGLONG nSeconds = li.QuadPart / nCountsPerSecond;
    LONGLONG nRest = li.QuadPart % nCountsPerSecond;
    return static_cast<uint32_t>(nSeconds * 1000000 + nRest * 1000000 / nCountsPerSecond);
}

// A frame's wait sleeps rather than spins, leaving the processor to the sounds it starts. On
// Windows a sleep ends at the next clock step, the very moment the frame waits for.
void WindowFillHost::RestAMoment() {
    Sleep(1);
}

void WindowFillHost::DrawPage() {
    HDC hdc = GetDC(hWndMain);
    if (hdc == NULL)
        return;
    ::DrawPage(hdc);
    ReleaseDC(hWndMain, hdc);
}

int WindowFillHost::PumpMessage() {
    MSG msg;
    if (!PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        return 0;
    // Input is taken off the queue and dropped: a click or a key must not start anything in the
    // middle of a fill, even when the system hands it to the disabled window.
    if (!IsStaleInput(msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 1;
}

void WindowFillHost::PlaySoundOnce(int idSound) {
    ::PlaySoundOnce(idSound);
}

void WindowFillHost::PlaySoundLoop(int idSound) {
    ::PlaySoundLoop(idSound);
}

void WindowFillHost::StopSound() {
    ::StopSound();
}

PageBits CurrentPageBits() {
    PageBits page = {lpDib, bmiPage.bmiHeader.biWidth, bmiPage.bmiHeader.biHeight};
    // The engine must never step outside the allocated buffer, whatever the header says.
    if (page.nWidth <= 0 || page.nHeight <= 0 ||
        static_cast<long long>(page.nWidth) * page.nHeight > PAGE_BYTES)
        page.lpBits = NULL;
    return page;
}

void ColourFill(int x, int y, int nColour) {
    WindowFillHost host;
    ColourFillOn(host, CurrentPageBits(), x, y, nColour);
}

void ClearFill() {
    WindowFillHost host;
    ClearFillOn(host, CurrentPageBits(), lpDibClear);
}
