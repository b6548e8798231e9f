// Small synthesis kit for the sound effects: tuned-bar, bell, pluck and bubble voices,
// a short room reverb, fades and conversion to 16-bit samples.
#pragma once
#include <cstdint>
#include <vector>

constexpr int SOUND_RATE = 22050;
typedef std::vector<double> Signal;

// Frequency in Hz of a MIDI note number (69 = A 440).
double NoteFreq(double nNote);
// Number of samples in a span of seconds at SOUND_RATE, rounded.
int SecToSamples(double dSec);

// One decaying sine partial starting at dStart seconds; the attack is a short raised cosine.
void AddPartial(Signal& sig, double dStart, double dFreq, double dAmp, double dTau,
                double dAttack = 0.002);
// Tuned wooden bar (partials 1:4:10), warm and round.
void AddMarimba(Signal& sig, double dStart, double dFreq, double dAmp);
// Brighter, drier wooden bar (partials 1:3:6).
void AddXylophone(Signal& sig, double dStart, double dFreq, double dAmp);
// Small metal bar with its long-ringing fundamental.
void AddGlockenspiel(Signal& sig, double dStart, double dFreq, double dAmp);
// Soft bell from two-operator FM whose brightness fades as it rings.
void AddBell(Signal& sig, double dStart, double dFreq, double dAmp);
// Electric-piano tine (harmonic FM), used for small chords.
void AddTine(Signal& sig, double dStart, double dFreq, double dAmp);
// Thumb-piano note: round fundamental with a quick metallic tick.
void AddKalimba(Signal& sig, double dStart, double dFreq, double dAmp);
// Plucked harp string built from its harmonics.
void AddHarp(Signal& sig, double dStart, double dFreq, double dAmp);
// Water bubble: a sine whose pitch rises from dFrom to dTo while it fades.
void AddBubble(Signal& sig, double dStart, double dFrom, double dTo, double dLen, double dAmp);
// Soft whistle sliding from dFrom to dTo with a gentle vibrato.
void AddSlide(Signal& sig, double dStart, double dFrom, double dTo, double dLen, double dAmp);

// Deterministic white noise in -1..1 (a linear congruential generator).
class CNoise {
  public:
    explicit CNoise(uint32_t dwSeed) : dwState(dwSeed) {}
    double Next();

  private:
    uint32_t dwState;
};

// Adds a small room (parallel combs into all-passes) at the given wet level.
void AddReverb(Signal& sig, double dWet);
// Raised-cosine fade in and fade out over the given spans.
void ApplyFades(Signal& sig, double dIn, double dOut);
// Scales so the largest magnitude equals dPeak (full scale is 1).
void Normalise(Signal& sig, double dPeak);
// Scales so the loudest 100 ms has the RMS dRms, as the ear judges short sounds by their
// loudest moment, but never lets the peak pass dMaxPeak.
void LevelLoudest(Signal& sig, double dRms, double dMaxPeak);
// Rounds to 16-bit samples, saturating outside -1..1.
std::vector<int16_t> ToPcm16(const Signal& sig);
