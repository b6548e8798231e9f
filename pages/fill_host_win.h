// The fills' view of the system in the program: the tick count, a fine clock, the main
// window and the message queue.
#pragma once
#include <windows.h>

#include "pages/fill_engine.h"

// Steps of the system clock cut from QueryPerformanceCounter for the frames, the counter for the
// cheap clock, DrawPage into the main window, one PeekMessageA per pump.
class WindowFillHost : public FillHost {
  public:
    WindowFillHost();
    uint32_t TickCount() override;
    uint32_t Microseconds() override;
    void RestAMoment() override;
    void DrawPage() override;
    int PumpMessage() override;
    void PlaySoundOnce(int idSound) override;
    void PlaySoundLoop(int idSound) override;
    void StopSound() override;

  private:
    LONGLONG nCountsPerSecond = 1000; // stands in when the counter is missing
    int bCounter = 0;                 // the system has a performance counter
};

// lpDib as the engine takes it; a page of no size, or larger than the buffer, yields a null
// buffer.
PageBits CurrentPageBits();
