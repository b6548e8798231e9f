// The colour fill and the clearing wave: breadth-first over a page buffer, paced by the tick
// count, with their sounds, all through FillHost.
#include "pages/fill_engine.h"

#include <climits>
#include <cstring>

#include "pages/pixels.h"
#include "pages/pointqueue.h"
#include "pages/sound.h"

namespace {

int IsValidPage(const PageBits& page) {
    // The row arithmetic below is done in int: keep the whole page addressable by it.
    return page.lpBits != nullptr && page.nWidth > 0 && page.nHeight > 0 &&
           page.nWidth <= 0x7fffffff / page.nHeight;
}

int IsOnPage(const PageBits& page, int x, int y) {
    return x >= 0 && y >= 0 && x < page.nWidth && y < page.nHeight;
}

// One queue entry of the colour fill: each edge neighbour, above, below, left, right, that
// is neither outline nor the colour yet is queued and coloured. A neighbour that gets no
// queue node is left as it was for another neighbour to reach once nodes come free: short of
// memory, the front narrows instead of the fill failing.
struct ColourStep {
    uint8_t* lpBits;
    int nWidth, nHeight;
    uint8_t bColour;

    template <class Push> void operator()(int x, int y, Push& push) const {
        // The rows are stored bottom-up while y counts from the top.
        uint8_t* lpPixel = lpBits + x + nWidth * (nHeight - 1 - y);
        if (y > 0)
            Visit(push, lpPixel + nWidth, x, y - 1);
        if (y < nHeight - 1)
            Visit(push, lpPixel - nWidth, x, y + 1);
        if (x > 0)
            Visit(push, lpPixel - 1, x - 1, y);
        if (x < nWidth - 1)
            Visit(push, lpPixel + 1, x + 1, y);
    }
    template <class Push> void Visit(Push& push, uint8_t* lpPixel, int x, int y) const {
        uint8_t b = *lpPixel;
        if (b != PIXEL_OUTLINE && b != bColour && push(x, y))
            *lpPixel = bColour;
    }
};

// One queue entry of the clearing wave: each neighbour not yet visited is marked, queued and,
// unless it is outline, blanked. Without a queue node it stays unvisited, as above.
struct ClearStep {
    const PageBits& page;
    uint8_t* lpMarks;
    int& xCur;
    int& yCur;

    template <class Push> void operator()(int x, int y, Push& push) const {
        xCur = x;
        yCur = y;
        if (y > 0)
            Visit(push, x, y - 1);
        if (y < page.nHeight - 1)
            Visit(push, x, y + 1);
        if (x > 0)
            Visit(push, x - 1, y);
        if (x < page.nWidth - 1)
            Visit(push, x + 1, y);
    }
    template <class Push> void Visit(Push& push, int x, int y) const {
        const int nAt = x + page.nWidth * (page.nHeight - 1 - y);
        if (lpMarks[nAt] == PIXEL_BLANK || !push(x, y))
            return;
        lpMarks[nAt] = PIXEL_BLANK;
        if (page.lpBits[nAt] != PIXEL_OUTLINE)
            page.lpBits[nAt] = PIXEL_BLANK;
    }
};

// The frame clock and the looping sound shared by both fills.
class FramePacer {
  public:
    explicit FramePacer(FillHost& host) : host(host) {
        dwFrameTick = host.TickCount();
        dwLoopSoundAt = dwFrameTick + FILL_LOOP_DELAY;
    }

    // Waits for the tick count to move on, starts the looping sound once its time has
    // come, and shows the page.
    void Frame(int idLoopSound) {
        uint32_t dwNow = host.TickCount();
        while (dwNow - dwFrameTick < 1) {
            host.RestAMoment();
            dwNow = host.TickCount();
        }
        dwFrameTick = dwNow;
        if (!bLoopSound && dwNow > dwLoopSoundAt) {
            host.PlaySoundLoop(idLoopSound);
            bLoopSound = 1;
        }
        host.DrawPage();
    }

    // The last picture; a start sound that is still playing is left to finish.
    void Finish() {
        host.DrawPage();
        if (bLoopSound)
            host.StopSound();
    }

  private:
    FillHost& host;
    uint32_t dwFrameTick;   // tick count at the last frame, at first the start time
    uint32_t dwLoopSoundAt; // start time + 450
    int bLoopSound = 0;     // the looping sound has been started
};

// One message per queue entry while messages come; once the queue is found empty, looking
// again waits about a millisecond, since each look is a trip to the system.
class IdlePump {
  public:
    void Pump(FillHost& host) {
        if (bIdle && host.Microseconds() - dwIdleSince < FILL_IDLE_PUMP_US)
            return;
        bIdle = !host.PumpMessage();
        if (bIdle)
            dwIdleSince = host.Microseconds();
    }

  private:
    int bIdle = 0;
    uint32_t dwIdleSince = 0;
};

} // namespace

uint32_t ClockStepMs(int64_t nCounts, int64_t nPerSecond) {
    if (nCounts < 0 || nPerSecond <= 0)
        return 0;
    // Split so that the multiplication cannot overflow however long the system has run.
    int64_t nSteps = nCounts / nPerSecond * CLOCK_STEPS_PER_SECOND +
                     nCounts % nPerSecond * CLOCK_STEPS_PER_SECOND / nPerSecond;
    return static_cast<uint32_t>(nSteps * 1000 / CLOCK_STEPS_PER_SECOND);
}

long FloodColour(const PageBits& page, int x, int y, int nColour) {
    if (!IsValidPage(page) || !IsOnPage(page, x, y) || nColour < 1 || nColour > 255)
        return 0;
    PointQueue queue(x, y);
    const ColourStep step = {page.lpBits, page.nWidth, page.nHeight, static_cast<uint8_t>(nColour)};
    return queue.Drain(LONG_MAX, step);
}

long ColourFillOn(FillHost& host, const PageBits& page, int x, int y, int nColour) {
    if (!IsValidPage(page) || !IsOnPage(page, x, y) || nColour < 1 || nColour > 255)
        return 0;
    host.PlaySoundOnce(PickFillSound(IDW_FILL_FIRST, IDW_FILL_LAST));
    FramePacer pacer(host);
    IdlePump pump;
    // The seed goes in uncoloured; it takes the colour when a neighbour reaches it.
    PointQueue queue(x, y);
    const ColourStep step = {page.lpBits, page.nWidth, page.nHeight, static_cast<uint8_t>(nColour)};
    long nEntries = 0;
    int nFrame = 0;
    while (queue.Drain(1, step)) {
        nEntries++;
        if (++nFrame >= FILL_FRAME_ENTRIES) {
            nFrame = 0;
            pacer.Frame(IDW_FILL_LOOP);
        }
        pump.Pump(host);
    }
    pacer.Finish();
    return nEntries;
}

long ClearFillOn(FillHost& host, const PageBits& page, uint8_t* lpMarks) {
    if (!IsValidPage(page) || lpMarks == nullptr)
        return 0;
    std::memset(lpMarks, 1, static_cast<size_t>(page.nWidth) * page.nHeight);
    host.PlaySoundOnce(IDW_CLEAR);
    FramePacer pacer(host);
    int xCur = page.nWidth / 2, yCur = page.nHeight / 2;
    int xMark = xCur, yMark = yCur;
    // The seed is not marked, so the wave comes back to it once: it is visited twice.
    PointQueue queue(xCur, yCur);
    const ClearStep step = {page, lpMarks, xCur, yCur};
    long nEntries = 0;
    while (!queue.IsEmpty()) {
        // A frame ends after the first position six diagonals beyond the last frame's end.
        while (!queue.IsEmpty() && xCur + yCur < xMark + yMark + CLEAR_FRAME_STEP)
            nEntries += queue.Drain(1, step);
        xMark = xCur;
        yMark = yCur;
        pacer.Frame(IDW_CLEAR_LOOP);
        host.PumpMessage();
    }
    pacer.Finish();
    return nEntries;
}
