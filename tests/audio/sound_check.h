// Hearing the program: recordings of the PulseAudio sink's monitor, and comparisons of what they
// hold with the program's WAVE sounds by waveform and by loudness, never by exact bytes.
#pragma once
#include <stddef.h>
#include <stdint.h>
#include <string>
#include <vector>

// Every recording and every sound is compared at the sounds' own rate, mono.
const int nSampleRate = 22050;

// The samples of a PCM mono WAVE file at nSampleRate, 8 or 16 bits, as -1..1; empty otherwise.
std::vector<float> ReadWave(const std::vector<uint8_t>& file);
// The generated sound effect wave<n>.wav of the assets folder.
std::vector<float> LoadEffect(int idSound);

// The stretch of a recording that is not silent: first and one past the last sample whose
// 5 ms loudness is above the noise floor; nBegin == nEnd when all of it is silent.
struct Span {
    size_t nBegin = 0, nEnd = 0;
    double Seconds() const { return (double)(nEnd - nBegin) / nSampleRate; }
};
Span HeardSpan(const std::vector<float>& samples, size_t nFrom = 0, size_t nTo = (size_t)-1);

// Every stretch of sound, split where at least dGapSeconds of silence lie between.
std::vector<Span> HeardSpans(const std::vector<float>& samples, double dGapSeconds = 0.05);
// The spans as text, for failure messages.
std::string Describe(const std::vector<Span>& spans);

// How well the recording, from around nAt, carries the sound: the best normalised
// cross-correlation of the waveforms over lags of up to nMaxLag samples either way, taken over
// nCount samples of the sound (all of it when 0), and the loudness of the recording over the
// sound's.
struct Match {
    double dCorrelation = 0;
    long nLag = 0;
    double dGain = 0;
};
Match MatchSound(const std::vector<float>& recording, size_t nAt, const std::vector<float>& sound,
                 size_t nCount = 0, long nMaxLag = 441);

// Root-mean-square level of samples [nFrom, nTo).
double Level(const std::vector<float>& samples, size_t nFrom, size_t nTo);

// What the PulseAudio sink plays, recorded by parec from its monitor while the object lives.
class CRecorder {
  public:
    CRecorder() {}
    virtual ~CRecorder();
    // Starts recording and returns once samples arrive; false (with strError) when they do not.
    int Start(const std::string& strName);
    // Stops and returns what was recorded.
    std::vector<float> Stop();
    std::string strError;

  private:
    std::string strName;
    int bRunning = 0;
};
