#pragma once

#include <QtGlobal>

#include <cmath>
#include <numbers>

// The level of a sine of frequency f in one channel of interleaved 16-bit
// frames, in dB relative to a full-scale sine (a Hann-windowed projection).
inline double toneLevelDb(const qint16 *frames, qint64 count, int channels, int channel, double rate, double f)
{
    double re = 0, im = 0, weights = 0;
    for (qint64 i = 0; i < count; ++i) {
        const double w = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * double(i) / double(count));
        const double phase = 2 * std::numbers::pi * f * double(i) / rate;
        const double x = frames[i * channels + channel] / 32768.0;
        re += w * x * std::cos(phase);
        im += w * x * std::sin(phase);
        weights += w;
    }
    return 20 * std::log10(2 * std::hypot(re, im) / weights + 1e-30);
}

// The RMS level of one channel, in dB relative to a full-scale sine's.
inline double rmsLevelDb(const qint16 *frames, qint64 count, int channels, int channel)
{
    double sum = 0;
    for (qint64 i = 0; i < count; ++i)
        sum += std::pow(frames[i * channels + channel] / 32768.0, 2);
    return 10 * std::log10(2 * sum / double(std::max<qint64>(count, 1)) + 1e-30);
}
