// WAVE files and the comparisons of recordings with them.
#include "audio/sound_check.h"

#include <math.h>
#include <stdio.h>

namespace {

uint32_t Le32(const uint8_t* p) {
    return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}
unsigned Le16(const uint8_t* p) {
    return p[0] | p[1] << 8;
}

// 5 ms steps, and the loudness below which a step counts as silent (about -54 dB).
const size_t nStep = nSampleRate / 200;
const double dNoiseFloor = 0.002;

} // namespace

std::vector<float> ReadWave(const std::vector<uint8_t>& file) {
    std::vector<float> samples;
    if (file.size() < 12 || Le32(&file[0]) != 0x46464952 || Le32(&file[8]) != 0x45564157)
        return samples;
    unsigned nBits = 0;
    int bFormat = 0;
    size_t at = 12;
    while (file.size() - at >= 8) {
        uint32_t id = Le32(&file[at]), cb = Le32(&file[at + 4]);
        at += 8;
        if (cb > file.size() - at)
            return samples;
        if (id == 0x20746D66 && cb >= 16) { // "fmt "
            bFormat = Le16(&file[at]) == 1 && Le16(&file[at + 2]) == 1 &&
                      Le32(&file[at + 4]) == (uint32_t)nSampleRate;
            nBits = Le16(&file[at + 14]);
        } else if (id == 0x61746164 && bFormat && (nBits == 8 || nBits == 16)) { // "data"
            if (nBits == 8)
                for (size_t i = 0; i < cb; i++)
                    samples.push_back((file[at + i] - 128) / 128.0f);
            else
                for (size_t i = 0; i + 1 < cb; i += 2)
                    samples.push_back((int16_t)Le16(&file[at + i]) / 32768.0f);
            return samples;
        }
        at += cb + (cb & 1);
    }
    return samples;
}

double Level(const std::vector<float>& samples, size_t nFrom, size_t nTo) {
    if (nTo > samples.size())
        nTo = samples.size();
    if (nFrom >= nTo)
        return 0;
    double dSum = 0;
    for (size_t i = nFrom; i < nTo; i++)
        dSum += (double)samples[i] * samples[i];
    return sqrt(dSum / (double)(nTo - nFrom));
}

Span HeardSpan(const std::vector<float>& samples, size_t nFrom, size_t nTo) {
    Span span;
    if (nTo > samples.size())
        nTo = samples.size();
    int bFound = 0;
    for (size_t i = nFrom; i < nTo; i += nStep) {
        if (Level(samples, i, i + nStep) <= dNoiseFloor)
            continue;
        if (!bFound)
            span.nBegin = i;
        bFound = 1;
        span.nEnd = i + nStep < nTo ? i + nStep : nTo;
    }
    if (!bFound)
        span.nBegin = span.nEnd = nFrom;
    return span;
}

Match MatchSound(const std::vector<float>& recording, size_t nAt, const std::vector<float>& sound,
                 size_t nCount, long nMaxLag) {
    Match best;
    if (nCount == 0 || nCount > sound.size())
        nCount = sound.size();
    double dSound = 0;
    for (size_t i = 0; i < nCount; i++)
        dSound += (double)sound[i] * sound[i];
    for (long nLag = -nMaxLag; nLag <= nMaxLag; nLag++) {
        long nStart = (long)nAt + nLag;
        if (nStart < 0 || (size_t)nStart + nCount > recording.size())
            continue;
        const float* lpRec = &recording[(size_t)nStart];
        double dDot = 0, dRec = 0;
        for (size_t i = 0; i < nCount; i++) {
            dDot += (double)lpRec[i] * sound[i];
            dRec += (double)lpRec[i] * lpRec[i];
        }
        if (dRec <= 0 || dSound <= 0)
            continue;
        double dCorrelation = dDot / sqrt(dRec * dSound);
        if (dCorrelation > best.dCorrelation) {
            best.dCorrelation = dCorrelation;
            best.nLag = nLag;
            best.dGain = sqrt(dRec / dSound);
        }
    }
    return best;
}

std::vector<Span> HeardSpans(const std::vector<float>& samples, double dGapSeconds) {
    std::vector<Span> spans;
    size_t nGap = (size_t)(dGapSeconds * nSampleRate);
    for (size_t i = 0; i < samples.size(); i += nStep) {
        if (Level(samples, i, i + nStep) <= dNoiseFloor)
            continue;
        size_t nEnd = i + nStep < samples.size() ? i + nStep : samples.size();
        if (!spans.empty() && i - spans.back().nEnd < nGap) {
            spans.back().nEnd = nEnd;
        } else {
            Span span;
            span.nBegin = i;
            span.nEnd = nEnd;
            spans.push_back(span);
        }
    }
    return spans;
}

std::string Describe(const std::vector<Span>& spans) {
    std::string str;
    for (const Span& span : spans) {
        char sz[64];
        snprintf(sz, sizeof(sz), " [%.3f s, %.3f s)", (double)span.nBegin / nSampleRate,
                 (double)span.nEnd / nSampleRate);
        str += sz;
    }
    return str.empty() ? " silence" : str;
}
