// The random numbers behind the fill sounds.
#pragma once
#include <cstdint>

// Milliseconds since some fixed moment; the seed of the generator. The Win32 layer points it
// at the multimedia clock, tests at their own.
extern uint32_t (*lpfnRngClock)();

// A linear congruential generator, seeded from the clock and again after every 1000 draws.
class RandomGen {
  public:
    RandomGen() { Reseed(); }
    virtual ~RandomGen() {}

    // A number in lo..hi (lo when the range is empty).
    int Next(int lo, int hi);
    // Seeds the generator from lpfnRngClock and starts counting draws again.
    void Reseed();

    int32_t nDraws = 0; // draws since the last seeding
};

extern RandomGen Rng;
