// Choosing a colour fill's start sound so that none repeats within a cycle.
#include <cstring>

#include "pages/rng.h"
#include "pages/sound.h"

int SoundUsed[IDW_FILL_LAST + 1];

int PickFillSound(int lo, int hi) {
    // The flags cover 1..34 only.
    if (lo < IDW_FILL_FIRST)
        lo = IDW_FILL_FIRST;
    if (hi > IDW_FILL_LAST)
        hi = IDW_FILL_LAST;
    if (hi < lo)
        return lo;
    const int nFirst = Rng.Next(lo, hi);
    if (!SoundUsed[nFirst]) {
        SoundUsed[nFirst] = 1;
        return nFirst;
    }
    // Taken: move up to the next sound not yet played, round from hi to lo.
    for (int n = nFirst == hi ? lo : nFirst + 1; n != nFirst; n = n == hi ? lo : n + 1) {
        if (!SoundUsed[n]) {
            SoundUsed[n] = 1;
            return n;
        }
    }
    // Every sound has played: a new cycle, not opening with the sound just drawn.
    std::memset(SoundUsed, 0, sizeof(SoundUsed));
    int n = nFirst;
    while (n == nFirst && hi > lo)
        n = Rng.Next(lo, hi);
    SoundUsed[n] = 1;
    return n;
}
