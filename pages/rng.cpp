// The generator: one process-wide state, state x 214013 + 2531011, bits 16..30 drawn.
#include "pages/rng.h"

#include <chrono>

namespace {

uint32_t dwRandState;

uint32_t SteadyMilliseconds() {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// One raw draw, 0..32767.
int32_t RawDraw() {
    dwRandState = dwRandState * 214013u + 2531011u;
    return static_cast<int32_t>((dwRandState >> 16) & 0x7fff);
}

} // namespace

// Constant-initialised, so it is in place before Rng below is constructed.
uint32_t (*lpfnRngClock)() = SteadyMilliseconds;

RandomGen Rng;

void RandomGen::Reseed() {
    dwRandState = lpfnRngClock();
    nDraws = 0;
}

int RandomGen::Next(int lo, int hi) {
    if (++nDraws > 1000)
        Reseed();
    int32_t r;
    if (hi >= 32767) {
        int32_t nHigh = RawDraw(); // the first draw gives the high bits
        r = (nHigh << 15) | RawDraw();
    } else {
        r = RawDraw();
    }
    int64_t nRange = static_cast<int64_t>(hi) - lo + 1;
    if (nRange <= 0)
        return lo;
    return static_cast<int>(r % nRange + lo);
}
