#pragma once

#include <QtGlobal>

#include <cmath>
#include <numbers>

// One channel's level in dB relative to a full-scale sine: of the sine at f
// (Hann-windowed projection), or with f = 0 of everything (RMS).
inline double levelDb(const qint16 *frames, qint64 count, int channels, int channel, double rate, double f = 0)
{
    double re = 0, im = 0, weights = 0;
    for (qint64 i = 0; i < count; ++i) {
        const double x = frames[i * channels + channel] / 32768.0, phase = 2 * std::numbers::pi * f * double(i) / rate;
        const double w = f > 0 ? 1 - std::cos(2 * std::numbers::pi * double(i) / double(count)) : 0;
        re += f > 0 ? w * x * std::cos(phase) : x * x;
        im += w * x * std::sin(phase);
        weights += w;
    }
    return f > 0 ? 20 * std::log10(2 * std::hypot(re, im) / weights + 1e-30) : 10 * std::log10(2 * re / count + 1e-30);
}
