#pragma once

#include <QtGlobal>

#include <algorithm>
#include <array>

// The PCM format of a recording, and the two numbers the file writer hands
// to the recorder to describe it:
//
//   FormatUnit       = bytes per frame (1 to 8: 8, 16, 24 bits or 32-bit
//                      float, mono or stereo).
//   FormatDescriptor = rate | (channels << 20) | (bitsPerSample << 24),
//                      e.g. 48000 Hz stereo 16-bit = 0x10 2 0BB80.
//
// Both are plain numbers so the windows can pass them along unchanged.
struct WaveFormat
{
    qint32 sampleRate = 44100;
    qint16 channels = 2;
    qint32 bitsPerSample = 16;

    qint32 bytesPerSample() const { return bitsPerSample / 8; }
    qint32 bytesPerFrame() const { return bytesPerSample() * channels; }
    qint32 bytesPerSecond() const { return bytesPerFrame() * sampleRate; }

    qint32 descriptor() const { return sampleRate | (qint32(channels) << 20) | (bitsPerSample << 24); }
    static WaveFormat fromDescriptor(qint32 descriptor)
    {
        WaveFormat f;
        f.sampleRate = descriptor & 0xFFFFF;
        f.channels = qint16((descriptor >> 20) & 0xF);
        f.bitsPerSample = (descriptor >> 24) & 0x7F;
        return f;
    }

    // 32 bits per sample are IEEE floats (full scale at ±1.0); 8 bits are
    // unsigned, 16 and 24 signed integers, all little-endian.
    bool isFloat() const { return bitsPerSample == 32; }

    // What the file writer and the recorder accept: 8, 16 or 24-bit PCM or
    // 32-bit float, mono or stereo, 1 kHz to 192 kHz.
    bool isValid() const
    {
        return sampleRate >= 1000 && sampleRate <= 192000 && (channels == 1 || channels == 2)
               && (bitsPerSample == 8 || bitsPerSample == 16 || bitsPerSample == 24 || bitsPerSample == 32);
    }

    // The formats offered to the user, in the window's format dialog and by
    // tarvell-rec alike: these rates, mono or stereo, every depth above.
    static constexpr std::array<qint32, 8> OfferedRates{8000, 11025, 16000, 22050, 24000, 32000, 44100, 48000};
    bool isOffered() const { return isValid() && std::ranges::find(OfferedRates, sampleRate) != OfferedRates.end(); }

    bool operator==(const WaveFormat &) const = default;
};
