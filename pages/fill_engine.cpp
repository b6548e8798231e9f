// The colour fill and the clearing wave: breadth-first over a page buffer, paced by the tick
// count, with their sounds, all through FillHost.
#include "pages/fill_engine.h"

#include <cstring>

#include "pages/pointqueue.h"
#include "pages/sound.h"

namespace {

const uint8_t bOutline = 0;
const uint8_t bBlank = 225;

int IsValidPage(const PageBits& page) {
    // The row arithmetic below is done in int: keep the whole page addressable by it.
    return page.lpBits != nullptr && page.nWidth > 0 && page.nHeight > 0 &&
           page.nWidth <= 0x7fffffff / page.nHeight;
}

int IsOnPage(const PageBits& page, int x, int y) {
    return x >= 0 && y >= 0 && x < page.nWidth && y < page.nHeight;
}

// The byte of (x, y), y counted from the top while the rows are stored bottom-up.
uint8_t* PixelAt(const PageBits& page, int x, int y) {
    return page.lpBits + x + page.nWidth * (page.nHeight - 1 - y);
}

// Colours a neighbour and queues it, unless it is outline or has the colour already. A
// neighbour that gets no queue node is left as it was for another neighbour to reach once
// nodes come free: short of memory, the front narrows instead of the fill failing.
inline void ColourNeighbour(PointQueue& queue, uint8_t* lpPixel, int x, int y, uint8_t bColour) {
    uint8_t b = *lpPixel;
    if (b != bOutline && b != bColour && queue.Push(x, y))
        *lpPixel = bColour;
}

// One queue entry of the colour fill: above, below, left, right, then drop the entry.
inline void ColourStep(PointQueue& queue, const PageBits& page, uint8_t bColour) {
    const PointQueue::Node& pt = queue.Front();
    const int x = pt.x, y = pt.y, nWidth = page.nWidth;
    uint8_t* lpPixel = PixelAt(page, x, y);
    if (y > 0)
        ColourNeighbour(queue, lpPixel + nWidth, x, y - 1, bColour);
    if (y < page.nHeight - 1)
        ColourNeighbour(queue, lpPixel - nWidth, x, y + 1, bColour);
    if (x > 0)
        ColourNeighbour(queue, lpPixel - 1, x - 1, y, bColour);
    if (x < nWidth - 1)
        ColourNeighbour(queue, lpPixel + 1, x + 1, y, bColour);
    queue.Pop();
}

// Marks a neighbour visited and queues it the first time the wave reaches it, blanking it
// unless it is outline. Without a queue node it stays unvisited, like a colour neighbour.
inline void ClearNeighbour(PointQueue& queue, const PageBits& page, uint8_t* lpMarks, int x,
                           int y) {
    const int nAt = x + page.nWidth * (page.nHeight - 1 - y);
    if (lpMarks[nAt] == bBlank || !queue.Push(x, y))
        return;
    lpMarks[nAt] = bBlank;
    if (page.lpBits[nAt] != bOutline)
        page.lpBits[nAt] = bBlank;
}

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
        while (dwNow - dwFrameTick < 1)
            dwNow = host.TickCount();
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

long FloodColour(const PageBits& page, int x, int y, int nColour) {
    if (!IsValidPage(page) || !IsOnPage(page, x, y) || nColour < 1 || nColour > 255)
        return 0;
    const uint8_t bColour = static_cast<uint8_t>(nColour);
    long nEntries = 0;
    PointQueue queue(x, y);
    while (!queue.IsEmpty()) {
        ColourStep(queue, page, bColour);
        nEntries++;
    }
    return nEntries;
}

long ColourFillOn(FillHost& host, const PageBits& page, int x, int y, int nColour) {
    if (!IsValidPage(page) || !IsOnPage(page, x, y) || nColour < 1 || nColour > 255)
        return 0;
    const uint8_t bColour = static_cast<uint8_t>(nColour);
    host.PlaySoundOnce(PickFillSound(IDW_FILL_FIRST, IDW_FILL_LAST));
    FramePacer pacer(host);
    IdlePump pump;
    // The seed goes in uncoloured; it takes the colour when a neighbour reaches it.
    PointQueue queue(x, y);
    long nEntries = 0;
    int nFrame = 0;
    while (!queue.IsEmpty()) {
        ColourStep(queue, page, bColour);
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
    long nEntries = 0;
    while (!queue.IsEmpty()) {
        // A frame ends after the first position six diagonals beyond the last frame's end.
        while (!queue.IsEmpty() && xCur + yCur < xMark + yMark + CLEAR_FRAME_STEP) {
            const PointQueue::Node& pt = queue.Front();
            xCur = pt.x;
            yCur = pt.y;
            if (yCur > 0)
                ClearNeighbour(queue, page, lpMarks, xCur, yCur - 1);
            if (yCur < page.nHeight - 1)
                ClearNeighbour(queue, page, lpMarks, xCur, yCur + 1);
            if (xCur > 0)
                ClearNeighbour(queue, page, lpMarks, xCur - 1, yCur);
            if (xCur < page.nWidth - 1)
                ClearNeighbour(queue, page, lpMarks, xCur + 1, yCur);
            queue.Pop();
            nEntries++;
        }
        xMark = xCur;
        yMark = yCur;
        pacer.Frame(IDW_CLEAR_LOOP);
        host.PumpMessage();
    }
    pacer.Finish();
    return nEntries;
}
