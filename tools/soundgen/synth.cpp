// Small synthesis kit for the sound effects.
#include "synth.h"

#include <algorithm>
#include <cmath>

namespace {

const double PI = 3.14159265358979323846;
const double NYQUIST_GUARD = 0.45 * SOUND_RATE;

// Raised-cosine rise over nLen samples; 1 afterwards.
double AttackGain(int i, int nLen) {
    if (i >= nLen)
        return 1.0;
    return 0.5 - 0.5 * std::cos(PI * i / nLen);
}

} // namespace

double NoteFreq(double nNote) {
    return 440.0 * std::pow(2.0, (nNote - 69.0) / 12.0);
}

int SecToSamples(double dSec) {
    return static_cast<int>(std::lround(dSec * SOUND_RATE));
}

void AddPartial(Signal& sig, double dStart, double dFreq, double dAmp, double dTau,
                double dAttack) {
    if (dFreq <= 0 || dFreq >= NYQUIST_GUARD)
        return;
    const int nStart = SecToSamples(dStart);
    const int nAttack = std::max(1, SecToSamples(dAttack));
    const int nSize = static_cast<int>(sig.size());
    const double dStep = 2 * PI * dFreq / SOUND_RATE;
    const double dDecay = std::exp(-1.0 / (dTau * SOUND_RATE));
    double dEnv = dAmp;
    for (int i = 0; nStart + i < nSize; i++) {
        if (nStart + i >= 0)
            sig[nStart + i] += dEnv * AttackGain(i, nAttack) * std::sin(dStep * i);
        dEnv *= dDecay;
        if (dEnv < 1e-6)
            break;
    }
}

void AddMarimba(Signal& sig, double dStart, double dFreq, double dAmp) {
    AddPartial(sig, dStart, dFreq, dAmp, 0.28, 0.003);
    AddPartial(sig, dStart, dFreq * 3.98, dAmp * 0.30, 0.05, 0.002);
    AddPartial(sig, dStart, dFreq * 9.9, dAmp * 0.08, 0.015, 0.001);
    AddPartial(sig, dStart, dFreq * 2.0, dAmp * 0.06, 0.10, 0.003); // resonator body
}

void AddXylophone(Signal& sig, double dStart, double dFreq, double dAmp) {
    AddPartial(sig, dStart, dFreq, dAmp, 0.16, 0.002);
    AddPartial(sig, dStart, dFreq * 3.0, dAmp * 0.35, 0.06, 0.001);
    AddPartial(sig, dStart, dFreq * 6.1, dAmp * 0.10, 0.02, 0.001);
}

void AddGlockenspiel(Signal& sig, double dStart, double dFreq, double dAmp) {
    AddPartial(sig, dStart, dFreq, dAmp, 0.45, 0.001);
    AddPartial(sig, dStart, dFreq * 2.76, dAmp * 0.22, 0.10, 0.001);
    AddPartial(sig, dStart, dFreq * 5.40, dAmp * 0.07, 0.04, 0.001);
}

void AddBell(Signal& sig, double dStart, double dFreq, double dAmp) {
    const int nStart = SecToSamples(dStart);
    const int nSize = static_cast<int>(sig.size());
    const double dRatio = 3.5; // a touch of inharmonic shimmer
    const int nAttack = SecToSamples(0.002);
    for (int i = 0; nStart + i < nSize; i++) {
        const double t = static_cast<double>(i) / SOUND_RATE;
        const double dIndex = 1.1 * std::exp(-t / 0.06);
        const double dEnv = dAmp * std::exp(-t / 0.35) * AttackGain(i, nAttack);
        const double dMod = dIndex * std::sin(2 * PI * dFreq * dRatio * t);
        if (nStart + i >= 0)
            sig[nStart + i] += dEnv * std::sin(2 * PI * dFreq * t + dMod);
    }
}

void AddTine(Signal& sig, double dStart, double dFreq, double dAmp) {
    const int nStart = SecToSamples(dStart);
    const int nSize = static_cast<int>(sig.size());
    const int nAttack = SecToSamples(0.003);
    for (int i = 0; nStart + i < nSize; i++) {
        const double t = static_cast<double>(i) / SOUND_RATE;
        const double dIndex = 1.2 * std::exp(-t / 0.12);
        const double dEnv = dAmp * std::exp(-t / 0.5) * AttackGain(i, nAttack);
        const double dMod = dIndex * std::sin(2 * PI * dFreq * t);
        if (nStart + i >= 0)
            sig[nStart + i] += dEnv * std::sin(2 * PI * dFreq * t + dMod);
    }
}

void AddKalimba(Signal& sig, double dStart, double dFreq, double dAmp) {
    AddPartial(sig, dStart, dFreq, dAmp, 0.30, 0.002);
    AddPartial(sig, dStart, dFreq * 5.95, dAmp * 0.18, 0.012, 0.0005);
    AddPartial(sig, dStart, dFreq * 2.0, dAmp * 0.05, 0.08, 0.002);
}

void AddHarp(Signal& sig, double dStart, double dFreq, double dAmp) {
    for (int k = 1; k <= 8; k++) {
        const double dPluck = std::sin(PI * k * 0.18) / (k * k); // plucked near the end
        const double dTau = 0.45 / (1.0 + 0.45 * (k - 1));
        AddPartial(sig, dStart, dFreq * k, dAmp * dPluck * 1.8, dTau, 0.0015);
    }
}

void AddBubble(Signal& sig, double dStart, double dFrom, double dTo, double dLen, double dAmp) {
    const int nStart = SecToSamples(dStart);
    const int nSize = static_cast<int>(sig.size());
    const int nAttack = SecToSamples(0.003);
    double dPhase = 0;
    for (int i = 0; nStart + i < nSize; i++) {
        const double t = static_cast<double>(i) / SOUND_RATE;
        const double x = std::min(t / dLen, 1.0);
        const double dFreq = dFrom * std::pow(dTo / dFrom, x);
        const double dEnv = dAmp * std::exp(-t / (0.45 * dLen)) * AttackGain(i, nAttack);
        if (dEnv < 1e-6 && i > nAttack)
            break;
        if (nStart + i >= 0)
            sig[nStart + i] += dEnv * std::sin(dPhase);
        dPhase += 2 * PI * dFreq / SOUND_RATE;
    }
}

void AddSlide(Signal& sig, double dStart, double dFrom, double dTo, double dLen, double dAmp) {
    const int nStart = SecToSamples(dStart);
    const int nLen = SecToSamples(dLen);
    const int nSize = static_cast<int>(sig.size());
    double dPhase = 0;
    for (int i = 0; i < nLen && nStart + i < nSize; i++) {
        const double x = static_cast<double>(i) / nLen;
        const double t = static_cast<double>(i) / SOUND_RATE;
        const double dGlide = x * x * (3 - 2 * x); // eased so the ends settle
        const double dFreq =
            dFrom * std::pow(dTo / dFrom, dGlide) * (1 + 0.012 * std::sin(2 * PI * 6.0 * t));
        const double dEnv = dAmp * std::sin(PI * x) * std::sqrt(std::sin(PI * x));
        if (nStart + i >= 0)
            sig[nStart + i] += dEnv * (std::sin(dPhase) + 0.12 * std::sin(2 * dPhase));
        dPhase += 2 * PI * dFreq / SOUND_RATE;
    }
}

double CNoise::Next() {
    dwState = dwState * 1664525u + 1013904223u;
    return static_cast<double>(dwState >> 8) / 8388608.0 - 1.0;
}

void AddReverb(Signal& sig, double dWet) {
    static const int anComb[] = {617, 709, 797, 881};
    static const int anAll[] = {113, 37};
    const size_t n = sig.size();
    Signal wet(n, 0.0);
    for (int nDelay : anComb) {
        std::vector<double> line(static_cast<size_t>(nDelay), 0.0);
        double dLow = 0;
        for (size_t i = 0; i < n; i++) {
            const size_t j = i % line.size();
            const double dOut = line[j];
            dLow = 0.7 * dOut + 0.3 * dLow; // duller echoes, like a soft room
            line[j] = sig[i] + 0.68 * dLow;
            wet[i] += dOut * 0.25;
        }
    }
    for (int nDelay : anAll) {
        std::vector<double> line(static_cast<size_t>(nDelay), 0.0);
        for (size_t i = 0; i < n; i++) {
            const size_t j = i % line.size();
            const double dBuf = line[j];
            const double dIn = wet[i];
            line[j] = dIn + 0.5 * dBuf;
            wet[i] = dBuf - 0.5 * dIn;
        }
    }
    for (size_t i = 0; i < n; i++)
        sig[i] += dWet * wet[i];
}

void ApplyFades(Signal& sig, double dIn, double dOut) {
    const int nSize = static_cast<int>(sig.size());
    const int nIn = std::min(nSize, std::max(1, SecToSamples(dIn)));
    const int nOut = std::min(nSize, std::max(1, SecToSamples(dOut)));
    for (int i = 0; i < nIn; i++)
        sig[i] *= 0.5 - 0.5 * std::cos(PI * i / nIn);
    for (int i = 0; i < nOut; i++)
        sig[nSize - 1 - i] *= 0.5 - 0.5 * std::cos(PI * i / nOut);
}

void Normalise(Signal& sig, double dPeak) {
    double dMax = 0;
    for (double d : sig)
        dMax = std::max(dMax, std::fabs(d));
    if (dMax <= 0)
        return;
    for (double& d : sig)
        d *= dPeak / dMax;
}

void LevelLoudest(Signal& sig, double dRms, double dMaxPeak) {
    const size_t nWindow = std::min(sig.size(), static_cast<size_t>(SecToSamples(0.1)));
    double dSum = 0, dLoudest = 0, dMax = 0;
    for (size_t i = 0; i < sig.size(); i++) {
        dSum += sig[i] * sig[i];
        if (i >= nWindow)
            dSum -= sig[i - nWindow] * sig[i - nWindow];
        dLoudest = std::max(dLoudest, dSum);
        dMax = std::max(dMax, std::fabs(sig[i]));
    }
    if (nWindow == 0 || dLoudest <= 0)
        return;
    double dGain = dRms / std::sqrt(dLoudest / static_cast<double>(nWindow));
    dGain = std::min(dGain, dMaxPeak / dMax);
    for (double& d : sig)
        d *= dGain;
}

std::vector<int16_t> ToPcm16(const Signal& sig) {
    std::vector<int16_t> v(sig.size());
    for (size_t i = 0; i < sig.size(); i++) {
        const double d = std::max(-1.0, std::min(1.0, sig[i]));
        v[i] = static_cast<int16_t>(std::lround(d * 32767.0));
    }
    return v;
}
