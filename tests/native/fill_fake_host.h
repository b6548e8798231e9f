// A FillHost that records what a fill does to the clock, the screen, the queue and the sound,
// plus small page buffers addressed the way the program addresses them.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "pages/fill_engine.h"
#include "pages/palette.h"

namespace filltest {

// One thing a fill did: 'O' play once, 'L' play looping, 'S' stop, 'D' draw.
struct FillEvent {
    char cKind;
    int nArg;        // the sound for 'O' and 'L'
    uint32_t dwTick; // the tick count the fill had last read
    long nPumps;     // pumps so far
};

class FakeFillHost : public FillHost {
  public:
    uint32_t dwTick = 1000;  // the tick count moves on by dwTickStep ...
    uint32_t dwTickStep = 1; // ... after every nCallsPerStep readings
    int nCallsPerStep = 1;
    uint32_t dwMicros = 0; // the fine clock moves on by dwMicroStep per reading
    uint32_t dwMicroStep = 0;
    long nWaiting = 1L << 30; // messages waiting in the queue
    long nPumps = 0;
    std::vector<uint32_t> pumpMicros; // the fine clock at each pump
    std::vector<FillEvent> events;
    std::function<void()> onDraw;

    uint32_t TickCount() override {
        dwLastTick = dwTick;
        if (++nTickCalls % nCallsPerStep == 0)
            dwTick += dwTickStep;
        return dwLastTick;
    }
    uint32_t Microseconds() override { return dwMicros += dwMicroStep; }
    void DrawPage() override {
        Log('D', 0);
        if (onDraw)
            onDraw();
    }
    int PumpMessage() override {
        nPumps++;
        pumpMicros.push_back(dwMicros);
        return nWaiting > 0 ? (nWaiting--, 1) : 0;
    }
    void PlaySoundOnce(int idSound) override { Log('O', idSound); }
    void PlaySoundLoop(int idSound) override { Log('L', idSound); }
    void StopSound() override { Log('S', 0); }

    std::vector<FillEvent> Kind(char cKind) const {
        std::vector<FillEvent> found;
        for (const FillEvent& e : events)
            if (e.cKind == cKind)
                found.push_back(e);
        return found;
    }

  private:
    int nTickCalls = 0;
    uint32_t dwLastTick = 0;
    void Log(char cKind, int nArg) { events.push_back({cKind, nArg, dwLastTick, nPumps}); }
};

// A page of its own size, bottom-up like the program's.
struct TestPage {
    int nWidth, nHeight;
    std::vector<uint8_t> bits;
    TestPage(int w, int h, uint8_t bFill = PIXEL_BLANK)
        : nWidth(w), nHeight(h), bits(w * h, bFill) {}
    uint8_t& At(int x, int y) { return bits[x + nWidth * (nHeight - 1 - y)]; }
    PageBits Bits() { return {bits.data(), nWidth, nHeight}; }
};

} // namespace filltest
