// The fill start sounds: tuned bars, bubbles, bells and little glissandi.
#pragma once
#include "synth.h"

// Length in seconds of fill start sound nSound.
double FillSoundLength(int nSound);
// The unscaled signal of fill start sound nSound (1..34), before fades and levelling.
Signal MakeFillSignal(int nSound);
