#pragma once

// Level arithmetic for 16-bit samples, shared by the level display and its
// tests. Everything here is pure and cheap enough to run per display frame.

#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace LevelMath {

// What we report for digital silence. A single LSB of 16-bit audio is about
// -90 dBFS, so anything real sits well above this; keeping a finite floor
// means later arithmetic (decay, mapping to pixels) never meets -inf or NaN.
inline constexpr double kSilenceDb = -120.0;

// Full scale of a signed 16-bit sample: -32768 is exactly 0 dBFS and 32767
// is a hair below it.
inline constexpr double kFullScale = 32768.0;

// A sample at either rail counts as clipped.
inline constexpr int kClipThreshold = 32767;

// Linear amplitude (1.0 = full scale) to dB, never below kSilenceDb.
inline double amplitudeToDb(double amplitude)
{
    if (!(amplitude > 0.0)) // also catches NaN
        return kSilenceDb;
    return std::max(kSilenceDb, 20.0 * std::log10(amplitude));
}

// dBFS of an absolute sample peak, 0 .. 32768.
inline double peakDbfs(int peak)
{
    return amplitudeToDb(std::abs(peak) / kFullScale);
}

inline bool isClipSample(qint16 s)
{
    return s >= kClipThreshold || s <= -kClipThreshold;
}

struct ChannelLevel
{
    int peak = 0;        // largest absolute sample, 0 .. 32768
    double rms = 0.0;    // root mean square, 1.0 = full scale
    bool clipped = false;

    double peakDb() const { return peakDbfs(peak); }
    double rmsDb() const { return amplitudeToDb(rms); }
};

// Measures one channel of interleaved frames: samples[offset + i * stride]
// for i in 0 .. frames-1.
inline ChannelLevel measureChannel(const qint16 *samples, qsizetype frames, int stride, int offset)
{
    ChannelLevel level;
    if (!samples || frames <= 0)
        return level;
    double sumSquares = 0.0;
    int peak = 0;
    bool clipped = false;
    const qint16 *p = samples + offset;
    for (qsizetype i = 0; i < frames; ++i, p += stride) {
        const int s = *p;
        const int a = s < 0 ? -s : s;
        peak = std::max(peak, a);
        clipped = clipped || a >= kClipThreshold;
        sumSquares += double(s) * double(s);
    }
    level.peak = peak;
    level.clipped = clipped;
    level.rms = std::sqrt(sumSquares / double(frames)) / kFullScale;
    return level;
}

// Where a level sits on the meter, 0 at the -60 dBFS floor and 1 at full
// scale. The curve follows the usual digital-meter scale (IEC 60268-18):
// the top 20 dB take half the length, where a recording level is judged,
// and the quiet end is compressed.
inline double meterFraction(double db)
{
    if (!(db > -60.0))
        return 0.0;
    double d; // deflection in percent of the IEC scale
    if (db < -50.0)
        d = (db + 60.0) * 0.5 + 2.5;
    else if (db < -40.0)
        d = (db + 50.0) * 0.75 + 7.5;
    else if (db < -30.0)
        d = (db + 40.0) * 1.5 + 15.0;
    else if (db < -20.0)
        d = (db + 30.0) * 2.0 + 30.0;
    else if (db < 0.0)
        d = (db + 20.0) * 2.5 + 50.0;
    else
        d = 100.0;
    // The IEC curve starts at -70 dB; ours starts at -60.
    return std::clamp((d - 2.5) / 97.5, 0.0, 1.0);
}

// Lowest level the meter can show.
inline constexpr double kMeterFloorDb = -60.0;

} // namespace LevelMath
