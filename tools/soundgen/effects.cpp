// The program's sound effects: fill starts, the two running loops, the clear swoosh, the click.
#include "effects.h"

#include "effects_fill.h"
#include "synth.h"

#include <cmath>

namespace {

const double PI = 3.14159265358979323846;

// One tone of a loop: a harmonic of the loop rate with its own level and wobble.
struct LoopTone {
    int nHarmonic;  // cycles per repetition
    double dAmp;    // level
    double dWobble; // depth of the pitch wobble, which turns once per repetition
};

// A chord whose every tone completes whole cycles in LOOP_SAMPLES, with a tremolo of nTremolo
// beats per repetition, so the end runs smoothly into the start.
Signal MakeLoopSignal(const LoopTone* aTones, int nTones, int nTremolo, double dTremDepth) {
    Signal sig(LOOP_SAMPLES, 0.0);
    for (int i = 0; i < LOOP_SAMPLES; i++) {
        const double x = 2 * PI * i / LOOP_SAMPLES; // one turn per repetition
        double d = 0;
        for (int k = 0; k < nTones; k++) {
            const LoopTone& tone = aTones[k];
            d += tone.dAmp * std::sin(tone.nHarmonic * x + tone.dWobble * std::sin(x));
        }
        sig[i] = d * (1.0 - dTremDepth * 0.5 * (1.0 - std::cos(nTremolo * x)));
    }
    return sig;
}

// Soft purring major chord (about C5 E5 G5 C6) while a colour spreads.
Signal MakeFillLoop() {
    static const LoopTone aTones[] = {
        {26, 1.0, 0.5}, {33, 0.8, 0.5}, {39, 0.6, 0.5}, {52, 0.25, 0.3}, {13, 0.35, 0.0}};
    return MakeLoopSignal(aTones, 5, 1, 0.25);
}

// Airy shimmering chord (about C5 F5 A5 C6) while the page clears.
Signal MakeClearLoop() {
    static const LoopTone aTones[] = {
        {26, 0.7, 0.0}, {35, 0.9, 0.3}, {44, 0.8, 0.3}, {52, 0.4, 0.0}, {70, 0.15, 0.0}};
    return MakeLoopSignal(aTones, 5, 1, 0.3);
}

// A wind-like swoosh: noise through a band-pass that sweeps up and back, with a rising shimmer.
Signal MakeSwoosh() {
    Signal sig(static_cast<size_t>(SecToSamples(0.41)), 0.0);
    CNoise noise(20240611u);
    const int n = static_cast<int>(sig.size());
    // Two band-pass stages in a row: a rounder band, so the swoosh is airy rather than hissy.
    double dLow1 = 0, dBand1 = 0, dLow2 = 0, dBand2 = 0;
    for (int i = 0; i < n; i++) {
        const double x = static_cast<double>(i) / n;
        const double dCentre = 300.0 * std::pow(6.0, std::sin(PI * std::pow(x, 0.8)));
        const double f = 2 * std::sin(PI * dCentre / SOUND_RATE);
        const double q = 1.0; // damping: a broad band
        const double dHigh1 = noise.Next() - dLow1 - q * dBand1;
        dBand1 += f * dHigh1;
        dLow1 += f * dBand1;
        const double dHigh2 = dBand1 - dLow2 - q * dBand2;
        dBand2 += f * dHigh2;
        dLow2 += f * dBand2;
        const double dEnv = std::pow(std::sin(PI * std::pow(x, 0.7)), 1.5);
        sig[i] = dBand2 * dEnv;
    }
    Normalise(sig, 1.0);
    Signal shimmer(sig.size(), 0.0);
    AddSlide(shimmer, 0.05, 600, 1400, 0.33, 0.12);
    for (int i = 0; i < n; i++)
        sig[i] += shimmer[i];
    return sig;
}

// A soft wooden tock.
Signal MakeClick() {
    Signal sig(static_cast<size_t>(SecToSamples(0.1)), 0.0);
    AddPartial(sig, 0.0, 880, 1.0, 0.018, 0.0008);
    AddPartial(sig, 0.0, 2350, 0.25, 0.006, 0.0005);
    AddPartial(sig, 0.0, 220, 0.5, 0.012, 0.001);
    return sig;
}

} // namespace

std::vector<int16_t> MakeSound(int nSound) {
    Signal sig;
    if (nSound >= FIRST_FILL_SOUND && nSound <= LAST_FILL_SOUND) {
        sig = MakeFillSignal(nSound);
        AddReverb(sig, 0.18);
        ApplyFades(sig, 0.002, 0.05);
        LevelLoudest(sig, 0.2, 0.7);
    } else if (nSound == FILL_LOOP_SOUND) {
        sig = MakeFillLoop();
        Normalise(sig, 0.32);
    } else if (nSound == CLEAR_LOOP_SOUND) {
        sig = MakeClearLoop();
        Normalise(sig, 0.30);
    } else if (nSound == CLEAR_SOUND) {
        sig = MakeSwoosh();
        AddReverb(sig, 0.2);
        ApplyFades(sig, 0.004, 0.03);
        LevelLoudest(sig, 0.17, 0.6);
    } else if (nSound == CLICK_SOUND) {
        sig = MakeClick();
        ApplyFades(sig, 0.0005, 0.01);
        Normalise(sig, 0.4);
    }
    return ToPcm16(sig);
}
