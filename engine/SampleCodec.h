#pragma once

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstring>

// One sample of a recording's PCM (see WaveFormat: 8-bit unsigned, 16 and
// 24-bit signed, 32-bit float, little-endian) to and from a float with full
// scale at ±1.0, and to 16 bits for levels and pictures.
namespace sampleCodec {

// The byte that fills silence: the centre of 8-bit sound is 0x80.
inline char silenceByte(int bits) { return bits == 8 ? char(0x80) : char(0); }

inline qint32 read24(const unsigned char *p) { return qint32(quint32(p[0]) << 8 | quint32(p[1]) << 16 | quint32(p[2]) << 24) >> 8; }

inline float toFloat(const char *at, int bits)
{
    const auto *p = reinterpret_cast<const unsigned char *>(at);
    switch (bits) {
    case 8:
        return float(int(p[0]) - 128) / 128.0f;
    case 16:
        return float(qint16(quint16(p[0] | p[1] << 8))) / 32768.0f;
    case 24:
        return float(read24(p)) / 8388608.0f;
    default: {
        float f;
        std::memcpy(&f, at, 4);
        return f;
    }
    }
}

// A float as a 24-bit sample, rounded and held within its range.
inline qint32 floatTo24(float v) { return qint32(std::clamp(std::lrint(double(v) * 8388608.0), -8388608L, 8388607L)); }

// Rounded and held within the integer types' range; a float is stored as it is.
inline void fromFloat(float v, char *at, int bits)
{
    switch (bits) {
    case 8:
        *at = char(quint8(std::clamp(std::lrint(v * 128.0f) + 128, 0L, 255L)));
        break;
    case 16: {
        const auto s = quint16(qint16(std::clamp(std::lrint(v * 32768.0f), -32768L, 32767L)));
        at[0] = char(s & 0xFF);
        at[1] = char(s >> 8);
        break;
    }
    case 24: {
        const auto s = quint32(floatTo24(v));
        at[0] = char(s & 0xFF);
        at[1] = char(s >> 8 & 0xFF);
        at[2] = char(s >> 16 & 0xFF);
        break;
    }
    default:
        std::memcpy(at, &v, 4);
    }
}

// As a 16-bit value (the top 16 bits; a float clipped to full scale).
inline int to16(const char *at, int bits)
{
    const auto *p = reinterpret_cast<const unsigned char *>(at);
    switch (bits) {
    case 8:
        return (int(p[0]) - 128) * 256;
    case 16:
        return qint16(quint16(p[0] | p[1] << 8));
    case 24:
        return read24(p) >> 8;
    default:
        return int(std::clamp(std::lrint(toFloat(at, 32) * 32768.0f), -32768L, 32767L));
    }
}

} // namespace sampleCodec
