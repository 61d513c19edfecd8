#include "engine/SignalWatch.h"

#include "engine/SampleCodec.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

void SignalWatch::restart(const WaveFormat &format)
{
    *this = SignalWatch();
    if (!format.isValid())
        return;
    m_format = format;
    m_bytesPerFrame = format.bytesPerFrame();
    // Magnitudes from the centre: 0 .. 128 in 8 bits, 0 .. 32768 in 16, and
    // 0 .. 2^23 in 24 bits and for floats (a float louder than full scale
    // counts as full scale). Full scale is reached within FullScaleSteps
    // steps of 16-bit sound in every depth above it.
    const int fullScale = format.bitsPerSample == 8 ? 128 : format.bitsPerSample == 16 ? 32768 : 1 << 23;
    m_soundFrom = int(std::ceil(fullScale * std::pow(10.0, NoSoundBelowDbfs / 20.0)));
    m_clipFrom = fullScale - FullScaleSteps * std::max(1, fullScale / 32768);
    m_noSoundFrames = NoSoundAfterMs * format.sampleRate / 1000;
    m_clipWindowFrames = ClipWindowMs * format.sampleRate / 1000;
}

void SignalWatch::feed(const char *pcm, qsizetype bytes)
{
    if (m_bytesPerFrame == 0 || bytes <= 0)
        return;
    auto *p = reinterpret_cast<const unsigned char *>(pcm);
    const unsigned char *const end = p + bytes;
    if (!m_partial.isEmpty()) {
        const qsizetype wanted = std::min<qsizetype>(m_bytesPerFrame - m_partial.size(), end - p);
        m_partial.append(reinterpret_cast<const char *>(p), wanted);
        p += wanted;
        if (m_partial.size() < m_bytesPerFrame)
            return;
        takeFrame(reinterpret_cast<const unsigned char *>(m_partial.constData()));
        m_partial.clear();
    }
    const qint64 whole = (end - p) / m_bytesPerFrame;
    if (m_format.bitsPerSample == 16) {
        take16(p, whole);
    } else {
        for (qint64 f = 0; f < whole; ++f)
            takeFrame(p + f * m_bytesPerFrame);
    }
    p += whole * m_bytesPerFrame;
    m_partial.append(reinterpret_cast<const char *>(p), end - p);
}

void SignalWatch::takeFrame(const unsigned char *frame)
{
    int loudest = 0;
    for (int c = 0; c < m_format.channels; ++c) {
        int magnitude;
        if (m_format.bitsPerSample == 8) {
            magnitude = std::abs(int(frame[c]) - 128);
        } else if (m_format.bitsPerSample == 16) {
            const int s = qint16(quint16(frame[2 * c] | (frame[2 * c + 1] << 8)));
            magnitude = std::abs(s);
        } else if (m_format.bitsPerSample == 24) {
            magnitude = std::abs(sampleCodec::read24(frame + 3 * c));
        } else {
            const float v = std::fabs(sampleCodec::toFloat(reinterpret_cast<const char *>(frame) + 4 * c, 32));
            magnitude = v < 1.0f ? int(v * float(1 << 23)) : 1 << 23;   // NaN counts as silence
        }
        loudest = std::max(loudest, magnitude);
    }
    take(loudest);
}

namespace {

// The loudest channel of each of N little-endian 16-bit frames.
template<int N, int Channels>
inline void loudness16(const unsigned char *frames, int *loudness)
{
    qint16 samples[N * Channels];
    std::memcpy(samples, frames, sizeof samples);
    for (int f = 0; f < N; ++f) {
        int loudest = 0;
        for (int c = 0; c < Channels; ++c)
            loudest = std::max(loudest, std::abs(int(samples[f * Channels + c])));
        loudness[f] = loudest;
    }
}

} // namespace

void SignalWatch::take16(const unsigned char *frames, qint64 count)
{
    constexpr qint64 Block = 64;
    const int channels = m_format.channels;
    int loudness[Block];
    for (qint64 at = 0; at < count; at += Block) {
        const qint64 n = std::min(Block, count - at);
        const unsigned char *block = frames + at * 2 * channels;
        if (n == Block && channels == 2)
            loudness16<Block, 2>(block, loudness);   // the usual block: a fixed count the compiler vectorises
        else if (n == Block && channels == 1)
            loudness16<Block, 1>(block, loudness);
        else
            for (qint64 f = 0; f < n; ++f) {
                int loudest = 0;
                for (int c = 0; c < channels; ++c) {
                    const unsigned char *s = block + 2 * (f * channels + c);
                    loudest = std::max(loudest, std::abs(int(qint16(quint16(s[0] | s[1] << 8)))));
                }
                loudness[f] = loudest;
            }
        int highest = 0;
        for (qint64 f = 0; f < n; ++f)
            highest = std::max(highest, loudness[f]);
        qint64 firstLoud = -1, lastLoud = -1;
        if (highest >= m_clipFrom) {
            for (qint64 f = 0; f < n; ++f)
                take(loudness[f]);
            continue;
        }
        // Without a clip a block only moves the quiet stretch: what comes
        // before its first sound adds to it (a block is far shorter than a
        // stretch, so only that part can make one), its last sound starts it again.
        for (qint64 f = 0; f < n; ++f) {
            if (loudness[f] >= m_soundFrom) {
                lastLoud = f;
                if (firstLoud < 0)
                    firstLoud = f;
            }
        }
        const qint64 quietBefore = firstLoud < 0 ? n : firstLoud;
        if (m_quietFrames < m_noSoundFrames && m_quietFrames + quietBefore >= m_noSoundFrames) {
            ++m_noSoundStretches;
            m_noSoundReachedAt = m_frames + (m_noSoundFrames - m_quietFrames);
        }
        m_quietFrames += quietBefore;
        if (firstLoud >= 0) {
            if (m_quietFrames >= m_noSoundFrames) {
                m_noSoundDoneMs += toMs(m_quietFrames);
                m_soundReturnedAt = m_frames + firstLoud;
            }
            m_quietFrames = n - 1 - lastLoud;
        }
        m_inClip = false;
        m_frames += n;
    }
}

void SignalWatch::take(int loudest)
{
    if (loudest >= m_soundFrom) {
        if (m_quietFrames >= m_noSoundFrames) {
            m_noSoundDoneMs += toMs(m_quietFrames);
            m_soundReturnedAt = m_frames;
        }
        m_quietFrames = 0;
    } else if (++m_quietFrames == m_noSoundFrames) {
        ++m_noSoundStretches;
        m_noSoundReachedAt = m_frames + 1;
    }

    const bool atFullScale = loudest >= m_clipFrom;
    if (atFullScale && !m_inClip) {
        ++m_clips;
        if (m_lastClipAt < 0 || m_frames - m_lastClipAt >= m_clipWindowFrames)
            m_clippingBeganAt = m_frames;
        m_lastClipAt = m_frames;
        const qint64 number = slotOf(m_frames);
        Slot &slot = m_slots[size_t(number % Slots)];
        if (slot.number != number)
            slot = {number, 0};
        ++slot.clips;
    }
    m_inClip = atFullScale;
    ++m_frames;
}

int SignalWatch::recentClips() const
{
    if (m_frames == 0)
        return 0;
    const qint64 now = slotOf(m_frames - 1);
    int clips = 0;
    for (const Slot &slot : m_slots)
        if (slot.number > now - Slots && slot.number <= now)
            clips += slot.clips;
    return clips;
}

SignalWatch::Summary SignalWatch::summary() const
{
    Summary s;
    s.noSoundStretches = m_noSoundStretches;
    s.noSoundMs = m_noSoundDoneMs + (noSound() ? quietMs() : 0);
    s.clips = m_clips;
    return s;
}
