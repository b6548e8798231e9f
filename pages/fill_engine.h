// The two fill animations over a page buffer, with every platform effect behind FillHost.
#pragma once
#include <cstdint>

// What a fill needs from the system: clocks, drawing, the message pump and sounds.
class FillHost {
  public:
    virtual ~FillHost() {}
    virtual uint32_t TickCount() = 0;    // milliseconds, as coarse as the system's tick
    virtual uint32_t Microseconds() = 0; // a cheap fine clock that rate-limits idle pumping
    virtual void RestAMoment() {}        // lets other threads run while a frame waits its turn
    virtual void DrawPage() = 0;         // shows the page buffer as it is now
    virtual int PumpMessage() = 0;       // handles one waiting message; 0 when none was waiting
    virtual void PlaySoundOnce(int idSound) = 0;
    virtual void PlaySoundLoop(int idSound) = 0;
    virtual void StopSound() = 0;
};

enum {
    FILL_FRAME_ENTRIES = 2501,   // queue entries per frame of a colour fill
    FILL_LOOP_DELAY = 450,       // ms before the looping sound may take over
    FILL_IDLE_PUMP_US = 1000,    // after an empty pump, wait this long before looking again
    CLEAR_FRAME_STEP = 6,        // a clear frame ends once x + y has moved on this far
    CLOCK_STEPS_PER_SECOND = 64, // the system clock's step on Windows: 15.625 ms
};

// The tick count the fills pace themselves by, from a steady counter of nPerSecond counts a
// second: the millisecond at which the clock step holding nCounts began. It moves in steps of
// 15.625 ms, as the tick count does on Windows, whatever else the machine is doing.
uint32_t ClockStepMs(int64_t nCounts, int64_t nPerSecond);

// A page buffer: one byte per pixel, nWidth x nHeight, bottom-up rows without padding.
struct PageBits {
    uint8_t* lpBits;
    int nWidth;
    int nHeight;
};

// Floods the area around (x, y) (top-down page coordinates) with nColour, animated through
// lpHost. Returns the number of queue entries processed (0 when the seed is off the page).
long ColourFillOn(FillHost& host, const PageBits& page, int x, int y, int nColour);

// Wipes every non-outline pixel back to blank in a wave from the page centre; lpMarks is
// scratch of the page's size. Returns the number of queue entries processed.
long ClearFillOn(FillHost& host, const PageBits& page, uint8_t* lpMarks);

// The colour fill's breadth-first core alone, without sounds, frames or pumping.
long FloodColour(const PageBits& page, int x, int y, int nColour);
