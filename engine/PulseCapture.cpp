#include "engine/PulseCapture.h"

#include "engine/PulseServer.h"
#include "engine/Resampler.h"
#include "engine/SampleCodec.h"

#include <QCoreApplication>

#include <pulse/error.h>
#include <pulse/timeval.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// How often, at most, the server is asked where it stands (see StallMeter):
// as often as this while a stall is being settled, so that a loss is told
// within a second or so of the server running again.
constexpr auto FastestTiming = std::chrono::milliseconds(250);

qint64 microseconds(std::chrono::steady_clock::time_point t)
{
    return std::chrono::duration_cast<std::chrono::microseconds>(t.time_since_epoch()).count();
}

} // namespace

PulseCapture::PulseCapture(PulseServer &server) : m_server(server), m_display(2 * DisplayFrames, 0) {}

PulseCapture::~PulseCapture()
{
    stop();
}

bool PulseCapture::start(const QString &sourceName, const WaveFormat &format, QString *error, int timeoutMs,
                         quint32 monitorStream)
{
    stop();
    {
        std::lock_guard g(m_mutex);
        m_format = format;
        m_streamState = PA_STREAM_UNCONNECTED;
        m_stopping = false;
        m_convertedFrom = 0;
        m_pending.clear();
        m_pending.reserve(format.bytesPerSecond());
        m_peakLeft = m_peakRight = 0;
        m_framesReceived = m_keptFrames = m_holeFrames = m_droppedFrames = 0;
        m_streamBytesRead = 0;
        m_stalls = StallMeter(format.sampleRate);
        m_lossAt = -1;
        m_clockFrame = -1;
        m_failed = false;
        m_deviceRemoved = false;
        m_error.clear();
        std::fill(m_display.begin(), m_display.end(), 0);
        m_displayPos = m_displayFilled = 0;
    }

    {
        PulseServer::Lock lock(m_server);
        m_resampler.reset();
        pa_context *context = m_server.context();
        if (!context || pa_context_get_state(context) != PA_CONTEXT_READY) {
            *error = QCoreApplication::translate("PulseCapture", "There is no connection to the sound server.");
            return false;
        }
        pa_sample_spec sampleSpec;
        sampleSpec.format = format.bitsPerSample == 8    ? PA_SAMPLE_U8
                            : format.bitsPerSample == 24 ? PA_SAMPLE_S24LE
                            : format.bitsPerSample == 32 ? PA_SAMPLE_FLOAT32LE
                                                         : PA_SAMPLE_S16LE;
        sampleSpec.rate = uint32_t(format.sampleRate);
        sampleSpec.channels = uint8_t(format.channels);
        m_stream = pa_stream_new(context, "Recording", &sampleSpec, nullptr);
        if (!m_stream) {
            *error = QString::fromUtf8(pa_strerror(pa_context_errno(context)));
            return false;
        }
        pa_stream_set_read_callback(m_stream, &PulseCapture::onRead, this);
        pa_stream_set_state_callback(m_stream, &PulseCapture::onState, this);

        // Ask for small fragments: the server's default is about two seconds.
        // The server-side queue stays at its default (4 MiB) as a second cushion.
        pa_buffer_attr attr;
        attr.maxlength = uint32_t(-1);
        attr.fragsize = uint32_t(format.bytesPerFrame() * (format.sampleRate * FragmentMs / 1000));
        attr.tlength = attr.prebuf = attr.minreq = uint32_t(-1);
        if (monitorStream != PA_INVALID_INDEX && pa_stream_set_monitor_stream(m_stream, monitorStream) < 0) {
            *error = QString::fromUtf8(pa_strerror(pa_context_errno(context)));
            closeStream();
            return false;
        }
        // A capture that loses its device must end, not wander off to another
        // one; one of a single stream must end with that stream (without the
        // flag, PipeWire moves it to the default source and records whatever
        // plays there). The stream takes the rate the source really runs at
        // (on PipeWire the graph's, which the rate it reports for the source
        // may hide); startConversion() reads it back.
        const auto flags = pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY | PA_STREAM_DONT_MOVE | PA_STREAM_FIX_RATE);
        if (pa_stream_connect_record(m_stream, sourceName.toUtf8().constData(), &attr, flags) < 0) {
            *error = QString::fromUtf8(pa_strerror(pa_context_errno(context)));
            closeStream();
            return false;
        }
    }

    std::unique_lock g(m_mutex);
    const bool settled = m_stateCond.wait_for(g, std::chrono::milliseconds(timeoutMs), [this] {
        return m_streamState == PA_STREAM_READY || m_streamState == PA_STREAM_FAILED
               || m_streamState == PA_STREAM_TERMINATED;
    });
    if (settled && m_streamState == PA_STREAM_READY)
        return true;
    *error = settled ? (m_error.isEmpty() ? QCoreApplication::translate("PulseCapture", "The sound server refused to record from %1.").arg(sourceName)
                                          : m_error)
                     : QCoreApplication::translate("PulseCapture", "The sound server did not start recording in time.");
    g.unlock();
    PulseServer::Lock lock(m_server);
    closeStream();
    return false;
}

void PulseCapture::stop()
{
    PulseServer::Lock lock(m_server);
    if (!m_stream)
        return;
    {
        std::lock_guard g(m_mutex);
        m_stopping = true;
    }
    // Whatever the server has already handed over is part of the recording,
    // and so is what is still inside the converter.
    if (pa_stream_get_state(m_stream) == PA_STREAM_READY)
        readAvailable();
    if (m_resampler) {
        m_converted.clear();
        m_resampler->finish(m_converted);
        store(m_converted.constData(), size_t(m_converted.size()), false);
        m_resampler.reset();
    }
    closeStream();
}

void PulseCapture::closeStream()
{
    if (!m_stream)
        return;
    pa_stream_set_read_callback(m_stream, nullptr, nullptr);
    pa_stream_set_state_callback(m_stream, nullptr, nullptr);
    if (m_timingAsked) {
        pa_operation_cancel(m_timingAsked);
        pa_operation_unref(m_timingAsked);
        m_timingAsked = nullptr;
    }
    if (pa_stream_get_state(m_stream) == PA_STREAM_READY || pa_stream_get_state(m_stream) == PA_STREAM_CREATING)
        pa_stream_disconnect(m_stream);
    pa_stream_unref(m_stream);
    m_stream = nullptr;
}

void PulseCapture::onState(pa_stream *s, void *userdata)
{
    auto *self = static_cast<PulseCapture *>(userdata);
    const pa_stream_state_t state = pa_stream_get_state(s);
    std::lock_guard g(self->m_mutex);
    self->m_streamState = state;
    if (state == PA_STREAM_READY)
        self->startConversion(s);
    if ((state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED) && !self->m_stopping) {
        self->m_failed = true;
        const int err = pa_context_errno(pa_stream_get_context(s));
        // The server kills the streams of a source it removes ("Entity killed").
        self->m_deviceRemoved = state == PA_STREAM_TERMINATED || err == PA_OK || err == PA_ERR_KILLED;
        self->m_error = self->m_deviceRemoved ? QCoreApplication::translate("PulseCapture", "The recording device was removed.")
                                              : QString::fromUtf8(pa_strerror(err));
    }
    self->m_stateCond.notify_all();
}

// Before the first data: the rate the server delivers at is known now.
void PulseCapture::startConversion(pa_stream *s)
{
    const pa_sample_spec *streamFormat = pa_stream_get_sample_spec(s);
    if (!streamFormat || int(streamFormat->rate) == m_format.sampleRate)
        return;   // bit for bit what the device delivers
    m_resampler = std::make_unique<Resampler>(int(streamFormat->rate), m_format.sampleRate, m_format.channels,
                                              m_format.bitsPerSample);
    if (!m_resampler->error().isEmpty()) {
        m_failed = true;
        m_error = m_resampler->error();
        m_resampler.reset();
        return;
    }
    m_convertedFrom = qint32(streamFormat->rate);
}

void PulseCapture::onRead(pa_stream *, size_t, void *userdata)
{
    static_cast<PulseCapture *>(userdata)->readAvailable();
}

void PulseCapture::readAvailable()
{
    for (;;) {
        const void *data = nullptr;
        size_t bytes = 0;
        if (pa_stream_peek(m_stream, &data, &bytes) < 0 || bytes == 0) {
            askForTiming();
            return;
        }
        // A hole (data == nullptr) is filled with silence and counted; it
        // must be dropped like real data.
        convertArrived(static_cast<const char *>(data), bytes, data == nullptr);
        pa_stream_drop(m_stream);
        m_streamBytesRead += qint64(bytes);
    }
}

// The stream's data, converted to the recording's rate when it runs at
// another; a hole is converted as silence.
void PulseCapture::convertArrived(const char *data, size_t bytes, bool hole)
{
    if (!m_resampler) {
        store(data, bytes, hole);
        return;
    }
    const qint64 frames = qint64(bytes) / m_format.bytesPerFrame();
    m_converted.clear();
    m_resampler->convert(hole ? nullptr : data, frames, m_converted);
    if (hole) {
        // The one count taken from the stream's rate to the recording's.
        std::lock_guard g(m_mutex);
        m_holeFrames += m_resampler->outputFrames(frames);
    }
    store(m_converted.constData(), size_t(m_converted.size()), false);
}

void PulseCapture::store(const char *data, size_t bytes, bool hole)
{
    const int frameBytes = m_format.bytesPerFrame();
    const qint64 frames = qint64(bytes) / frameBytes;
    if (frames <= 0)
        return;
    bytes = size_t(frames * frameBytes);

    std::lock_guard g(m_mutex);
    m_stalls.noteArrival(microseconds(std::chrono::steady_clock::now()), m_keptFrames);
    m_framesReceived += frames;
    if (hole)
        m_holeFrames += frames;

    const qint64 capacity = qint64(BufferSeconds) * m_format.bytesPerSecond();
    if (m_pending.size() + qint64(bytes) > capacity) {
        m_droppedFrames += frames;
        m_lossAt = m_keptFrames;
    } else {
        if (hole)
            m_pending.append(qsizetype(bytes), sampleCodec::silenceByte(m_format.bitsPerSample));
        else
            m_pending.append(data, qsizetype(bytes));
        m_keptFrames += frames;
    }

    // Levels, and the display ring when one is kept, as 16-bit stereo.
    if (hole) {
        if (m_displayKept)
            for (qint64 f = 0; f < frames; ++f)
                storeDisplayFrame(0, 0);
    } else if (m_displayKept) {
        forEachFrame(data, frames, [this](int left, int right) { storeDisplayFrame(left, right); });
    } else if (m_format.bitsPerSample == 16) {
        // Only the peaks: one pass the compiler can keep in vector registers.
        const int step = m_format.channels;
        int left = 0, right = 0;
        for (qint64 f = 0; f < frames; ++f) {
            qint16 l, r;
            std::memcpy(&l, data + 2 * step * f, 2);
            std::memcpy(&r, data + 2 * (step * f + step - 1), 2);
            left = std::max(left, std::abs(int(l)));
            right = std::max(right, std::abs(int(r)));
        }
        notePeak(left, right);
    } else {
        forEachFrame(data, frames, [this](int left, int right) { notePeak(left, right); });
    }
    if (m_displayKept)
        m_displayFilled = std::min<size_t>(m_displayFilled + size_t(frames), DisplayFrames);
}

// Each frame as 16-bit left and right; a mono frame is both.
template<typename Fn>
void PulseCapture::forEachFrame(const char *data, qint64 frames, Fn &&fn) const
{
    const int step = m_format.channels;
    if (m_format.bitsPerSample == 8) {
        const auto *p = reinterpret_cast<const quint8 *>(data);
        for (qint64 f = 0; f < frames; ++f, p += step)
            fn((int(p[0]) - 128) * 256, (int(p[step - 1]) - 128) * 256);
    } else {
        const int bits = m_format.bitsPerSample, bytes = m_format.bytesPerSample();
        for (qint64 f = 0; f < frames; ++f, data += bytes * step)
            fn(sampleCodec::to16(data, bits), sampleCodec::to16(data + bytes * (step - 1), bits));
    }
}

// Loop thread, m_mutex held.
inline void PulseCapture::notePeak(int left, int right)
{
    m_peakLeft = std::max(m_peakLeft, std::min(std::abs(left), 32767));
    m_peakRight = std::max(m_peakRight, std::min(std::abs(right), 32767));
}

// Loop thread, m_mutex held.
inline void PulseCapture::storeDisplayFrame(int left, int right)
{
    notePeak(left, right);
    m_display[2 * m_displayPos] = qint16(left);
    m_display[2 * m_displayPos + 1] = qint16(right);
    if (++m_displayPos == DisplayFrames)
        m_displayPos = 0;
}

// Loop thread, after the stream has been emptied: asks where the server
// stands, one question at a time.
void PulseCapture::askForTiming()
{
    const auto now = std::chrono::steady_clock::now();
    if (m_timingAsked || now - m_timingAskedAt < FastestTiming)
        return;
    if (now - m_timingAskedAt < std::chrono::milliseconds(m_timingIntervalMs.load(std::memory_order_relaxed))) {
        std::lock_guard g(m_mutex);
        if (!m_stalls.settling())
            return;
    }
    if ((m_timingAsked = pa_stream_update_timing_info(m_stream, &PulseCapture::onTiming, this)))
        m_timingAskedAt = now;
}

void PulseCapture::onTiming(pa_stream *s, int success, void *userdata)
{
    auto *self = static_cast<PulseCapture *>(userdata);
    if (self->m_timingAsked) {
        pa_operation_unref(self->m_timingAsked);
        self->m_timingAsked = nullptr;
    }
    const pa_timing_info *info = success ? pa_stream_get_timing_info(s) : nullptr;
    const pa_sample_spec *streamFormat = pa_stream_get_sample_spec(s);
    if (!info || !streamFormat || info->write_index_corrupt || info->write_index < 0)
        return;
    const qint64 producedUs = qint64(pa_bytes_to_usec(uint64_t(info->write_index), streamFormat) + info->source_usec);
    std::lock_guard g(self->m_mutex);
    // The frame the server last wrote into the stream was captured as long
    // before the timing was taken as the source still holds.
    const qint64 written = qint64(info->write_index) / qint64(pa_frame_size(streamFormat));
    self->m_clockFrame = self->m_resampler ? self->m_resampler->outputFrames(written) : written;
    self->m_clockUs = qint64(pa_timeval_load(&info->timestamp)) - qint64(info->source_usec);
    const qint64 lostBefore = self->m_stalls.lostFrames();
    // The server's read position counts what it sent and what it threw away;
    // libpulse has taken off what it still holds for us.
    if (!info->read_index_corrupt) {
        const qint64 skipped = (qint64(info->read_index) - self->m_streamBytesRead) / qint64(pa_frame_size(streamFormat));
        self->m_stalls.noteServerSkipped(self->m_resampler ? self->m_resampler->outputFrames(skipped) : skipped);
    }
    self->m_stalls.noteReport(qint64(pa_timeval_load(&info->timestamp)), producedUs, qint64(info->source_usec),
                              self->m_keptFrames);
    if (self->m_stalls.lostFrames() != lostBefore)
        self->m_lossAt = self->m_stalls.lossAt();
}

PulseCapture::Taken PulseCapture::take()
{
    std::lock_guard g(m_mutex);
    Taken t;
    t.data.swap(m_pending);
    // The next turn's sound goes into one block of the size this one needed,
    // not into a buffer grown (and copied) step by step.
    m_pending.reserve(t.data.size());
    t.peakLeft = m_peakLeft;
    t.peakRight = m_peakRight;
    m_peakLeft = m_peakRight = 0;
    t.holeFrames = m_holeFrames;
    t.lostFrames = m_droppedFrames + m_stalls.lostFrames();
    t.lossAt = m_lossAt;
    t.clockFrame = m_clockFrame;
    t.clockUs = m_clockUs;
    t.failed = m_failed;
    t.deviceRemoved = m_deviceRemoved;
    t.error = m_error;
    return t;
}

void PulseCapture::notePlayersStoodStill()
{
    std::lock_guard g(m_mutex);
    m_stalls.notePlayersStoodStill();
}

qint32 PulseCapture::convertedFrom() const
{
    std::lock_guard g(m_mutex);
    return m_convertedFrom;
}

void PulseCapture::setSoundWanted(bool wanted)
{
    PulseServer::Lock lock(m_server);
    if (!m_stream)
        return;
    if (wanted) {
        std::lock_guard g(m_mutex);
        m_displayFilled = 0;
    }
    if (pa_operation *o = pa_stream_cork(m_stream, wanted ? 0 : 1, nullptr, nullptr))
        pa_operation_unref(o);
}

void PulseCapture::setTimingInterval(int milliseconds)
{
    m_timingIntervalMs.store(milliseconds, std::memory_order_relaxed);
}

void PulseCapture::setDisplayKept(bool kept)
{
    std::lock_guard g(m_mutex);
    m_displayKept = kept;
}

QVector<qint16> PulseCapture::displayData(int count) const
{
    std::lock_guard g(m_mutex);
    const size_t frames = std::min<size_t>(size_t(std::max(count, 0)) / 2, m_displayFilled);
    QVector<qint16> out(qsizetype(frames * 2));
    size_t pos = (m_displayPos + DisplayFrames - frames) % DisplayFrames;
    for (size_t i = 0; i < frames; ++i) {
        out[qsizetype(2 * i)] = m_display[2 * pos];
        out[qsizetype(2 * i + 1)] = m_display[2 * pos + 1];
        pos = (pos + 1) % DisplayFrames;
    }
    return out;
}
