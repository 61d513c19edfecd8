#pragma once

#include <QtGlobal>

#include <memory>
#include <vector>

// Magnitude spectrum of the mono mix of interleaved stereo 16-bit samples,
// Hann windowed, in dBFS (a full-scale sine reads about 0 dB at its bin).
// FFTW plans and buffers are made once per transform size and kept.
class SpectrumAnalyser
{
public:
    static constexpr int kMinSize = 64;
    static constexpr int kMaxSize = 4096;

    SpectrumAnalyser();
    ~SpectrumAnalyser();
    SpectrumAnalyser(const SpectrumAnalyser &) = delete;
    SpectrumAnalyser &operator=(const SpectrumAnalyser &) = delete;

    // Analyses the newest frames: the transform size is the largest power of
    // two not above the frame count (64 .. 4096). Fewer than 64 frames leave
    // an empty spectrum (binCount() 0). Returns binCount().
    int analyse(const qint16 *interleaved, qsizetype frames);

    int fftSize() const { return m_size; }
    int binCount() const { return m_size ? m_size / 2 + 1 : 0; }
    const float *binsDb() const { return m_db.data(); }
    // Bin with the largest magnitude, ignoring DC; -1 without a spectrum.
    int peakBin() const;

    // Resamples the spectrum onto n cells spread evenly over a logarithmic
    // frequency axis from loHz to hiHz (cell i covers [i/n, (i+1)/n] of the
    // axis). A cell wider than a bin takes the loudest bin inside it; a
    // narrower one interpolates between neighbouring bins. Without a
    // spectrum every cell is LevelMath::kSilenceDb.
    void mapToLogAxis(double sampleRate, double loHz, double hiHz, float *out, int n) const;

private:
    struct Plan;
    Plan *planFor(int size);

    std::vector<std::unique_ptr<Plan>> m_plans;
    std::vector<float> m_db;
    int m_size = 0;
};
