#include "engine/Resampler.h"

#include "engine/SampleCodec.h"

#include <QCoreApplication>

#include <soxr.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr size_t OutputChunkFrames = 4096;

} // namespace

Resampler::Resampler(int inRate, int outRate, int channels, int bitsPerSample)
    : m_inRate(inRate), m_outRate(outRate), m_channels(channels), m_bits(bitsPerSample)
{
    // Floats inside, our own rounding outside: soxr's dither would turn digital
    // silence into noise, and silence must stay silence.
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    soxr_error_t err = nullptr;
    if (inRate > 0 && outRate > 0 && channels > 0 && (bitsPerSample == 8 || bitsPerSample == 16 || bitsPerSample == 24 || bitsPerSample == 32))
        m_soxr = soxr_create(inRate, outRate, unsigned(channels), &err, &io, &quality, nullptr);
    if (!m_soxr)
        m_error = QCoreApplication::translate("Resampler", "Cannot convert %1 Hz to %2 Hz: %3")
                      .arg(inRate)
                      .arg(outRate)
                      .arg(err ? QString::fromUtf8(err) : QCoreApplication::translate("Resampler", "invalid format"));
    m_out.resize(OutputChunkFrames * size_t(std::max(channels, 1)));
}

Resampler::~Resampler()
{
    if (m_soxr)
        soxr_delete(m_soxr);
}

qint64 Resampler::outputFrames(qint64 inputFrames) const
{
    return (inputFrames * m_outRate + m_inRate / 2) / m_inRate;
}

void Resampler::convert(const char *data, qint64 frames, QByteArray &out)
{
    if (!m_soxr || frames <= 0)
        return;
    m_framesIn += frames;
    const size_t samples = size_t(frames) * size_t(m_channels);
    m_in.resize(samples);
    if (!data) {
        std::fill(m_in.begin(), m_in.end(), 0.0f);
    } else {
        const int bytes = m_bits / 8;
        for (size_t i = 0; i < samples; ++i)
            m_in[i] = sampleCodec::toFloat(data + bytes * qsizetype(i), m_bits);
    }
    run(m_in.data(), size_t(frames), out);
}

void Resampler::finish(QByteArray &out)
{
    if (!m_soxr)
        return;
    const qsizetype before = out.size();
    run(nullptr, 0, out);
    // soxr ends within a frame or two of the exact length; make it exact, so
    // that a take's length follows from its duration alone.
    const qint64 wanted = outputFrames(m_framesIn);
    const qint64 frameBytes = qint64(m_channels) * (m_bits / 8);
    if (m_framesOut > wanted) {
        const qint64 extra = std::min(m_framesOut - wanted, (out.size() - before) / frameBytes);
        out.chop(qsizetype(extra * frameBytes));
        m_framesOut -= extra;
    }
    if (m_framesOut < wanted) {
        const qint64 missing = wanted - m_framesOut;
        out.append(qsizetype(missing * frameBytes), sampleCodec::silenceByte(m_bits));
        m_framesOut = wanted;
    }
}

// Feeds frames in (or, with in == nullptr, tells soxr the input has ended)
// and takes out everything it has ready.
void Resampler::run(const float *in, size_t frames, QByteArray &out)
{
    size_t consumed = 0;
    for (;;) {
        size_t used = 0;
        size_t made = 0;
        const float *from = in ? in + consumed * size_t(m_channels) : nullptr;
        if (soxr_process(m_soxr, from, in ? frames - consumed : 0, &used, m_out.data(), OutputChunkFrames, &made))
            return;
        consumed += used;
        store(m_out.data(), made, out);
        // Done when all input is in and soxr had less than a full chunk to
        // give; at the end, when it has nothing more at all.
        if (in ? (consumed >= frames && made < OutputChunkFrames) || (used == 0 && made == 0) : made == 0)
            return;
    }
}

void Resampler::store(const float *samples, size_t frames, QByteArray &out)
{
    const size_t count = frames * size_t(m_channels);
    const qsizetype at = out.size();
    out.resize(at + qsizetype(count) * (m_bits / 8));
    char *p = out.data() + at;
    const int bytes = m_bits / 8;
    for (size_t i = 0; i < count; ++i)
        sampleCodec::fromFloat(samples[i], p + bytes * qsizetype(i), m_bits);
    m_framesOut += qint64(frames);
}
