#include "engine/Conversation.h"

#include "engine/AudioFailure.h"
#include "engine/SampleCodec.h"

#include <algorithm>

namespace {

constexpr size_t DisplayFrames = 16384;

} // namespace

Conversation::Conversation(AudioRecord &first, AudioRecord &second, Layout layout, QObject *parent)
    : QObject(parent), m_first(first), m_second(second), m_layout(layout)
{
}

Conversation::~Conversation()
{
    close();
}

bool Conversation::open(const WaveFormat &format, QString *why)
{
    close();
    if (m_layout == Layout::Split && format.channels != 2) {
        *why = tr("A conversation with each source in a channel of its own is recorded in stereo.");
        return false;
    }
    m_format = format;
    try {
        m_second.SetFormat(format.descriptor(), format.bytesPerFrame());
        m_second.setBlockLength(m_second.DurationToLength(1000));
        m_second.StartCapture();
        if (m_second.CaptureStatus() < 0) {
            *why = tr("The second source cannot be recorded: %1").arg(m_second.lastError());
            return false;
        }
    } catch (...) {
        *why = tr("The second source cannot be recorded: %1").arg(AudioFailure::from(std::current_exception()).description());
        return false;
    }
    m_open = true;
    const AudioRecord *recorders[] = {&m_first, &m_second};
    for (int s : {First, Second}) {
        try {
            m_names[s] = recorders[s]->SourceName();
        } catch (...) {
            m_names[s].clear();
        }
    }
    m_aligner = std::make_unique<StreamAligner>(format.sampleRate);
    m_firstClock = m_secondClock = {};
    m_held.clear();
    m_firstFrames = 0;
    const WaveFormat mono{format.sampleRate, 1, format.bitsPerSample};
    for (int s : {First, Second}) {
        m_watch[s] = SignalWatch();
        m_watch[s].restart(mono);
        m_noSoundTold[s] = 0;
    }
    m_secondLost = 0;
    m_displayAt = m_displayFilled = 0;
    m_secondWaiting.clear();
    m_secondFailure.clear();
    // Every block of the second is taken as it comes: one not fetched in its
    // event would be dropped.
    m_connections = {connect(&m_second, &AudioRecord::EndArrayRecord, this, [this] { takeSecond(m_second.GetBlock()); }),
                     connect(&m_second, &AudioRecord::CaptureError, this, [this](qint32, const QString &description) {
                         m_secondFailure = description;
                         emit secondFailed(description);
                     })};
    return true;
}

QByteArray Conversation::pass(const QByteArray &captured)
{
    if (!m_open)
        return captured;
    m_held += captured;
    m_firstFrames += captured.size() / m_format.bytesPerFrame();
    try {
        takeSecond(m_second.GetPartialBlock());
    } catch (...) {
    }
    noteSecondState();
    return aligned(false);
}

QByteArray Conversation::skip(qint64 frames)
{
    if (!m_open)
        return {};
    // What was held from before the pause goes in now, with the second's
    // sound that came in by then.
    try {
        takeSecond(m_second.GetPartialBlock());
    } catch (...) {
    }
    const QByteArray before = aligned(true);
    m_aligner->skipFirst(frames);
    m_firstFrames += frames;
    return before;
}

QByteArray Conversation::close()
{
    if (!m_open)
        return {};
    for (const QMetaObject::Connection &c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();
    try {
        m_second.StopCapture();
        for (QByteArray block = m_second.GetBlock(); !block.isEmpty(); block = m_second.GetBlock())
            takeSecond(block);
    } catch (...) {
    }
    noteSecondState();
    const QByteArray rest = aligned(true);
    m_open = false;
    return rest;
}

QVector<qint16> Conversation::displayData(int count) const
{
    const size_t frames = std::min<size_t>(size_t(std::max(count, 0)) / 2, m_displayFilled);
    QVector<qint16> out(qsizetype(2 * frames));
    size_t at = (m_displayAt + DisplayFrames - frames) % DisplayFrames;
    for (size_t i = 0; i < frames; ++i, at = (at + 1) % DisplayFrames) {
        out[qsizetype(2 * i)] = m_display[2 * at];
        out[qsizetype(2 * i + 1)] = m_display[2 * at + 1];
    }
    return out;
}

void Conversation::takeSecond(const QByteArray &pcm)
{
    const int frameBytes = m_format.bytesPerFrame(), bytes = m_format.bytesPerSample(), channels = m_format.channels;
    const qint64 frames = pcm.size() / frameBytes;
    if (frames <= 0 || !m_aligner)
        return;
    m_mono.resize(size_t(frames));
    for (qint64 f = 0; f < frames; ++f) {
        const char *at = pcm.constData() + f * frameBytes;
        float sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += sampleCodec::toFloat(at + c * bytes, m_format.bitsPerSample);
        m_mono[size_t(f)] = sum / float(channels);
    }
    m_aligner->pushSecond(m_mono.data(), frames);
}

void Conversation::noteClocks()
{
    // Each reading once: the aligner averages them.
    if (const AudioRecord::CaptureClock c = m_first.captureClock(); c.frame >= 0 && (c.frame != m_firstClock.frame || c.us != m_firstClock.us)) {
        m_firstClock = c;
        m_aligner->noteFirstClock(c.frame, c.us);
    }
    if (const AudioRecord::CaptureClock c = m_second.captureClock(); c.frame >= 0 && (c.frame != m_secondClock.frame || c.us != m_secondClock.us)) {
        m_secondClock = c;
        m_aligner->noteSecondClock(c.frame, c.us);
    }
}

void Conversation::noteSecondState()
{
    try {
        m_secondLost = m_second.lostFrames() + m_second.holeFrames();
        if (const QString waiting = m_second.WaitingFor(); waiting != m_secondWaiting) {
            m_secondWaiting = waiting;
            emit secondWaitingChanged(waiting);
        }
    } catch (...) {
    }
}

// The first's held frames that the second's sound is known for, joined with
// it as the layout says.
QByteArray Conversation::aligned(bool atEnd)
{
    noteClocks();
    m_secondOut.clear();
    m_aligner->align(m_firstFrames, m_secondOut, atEnd);
    const qint64 frames = qint64(m_secondOut.size());
    const int bits = m_format.bitsPerSample, bytes = m_format.bytesPerSample(), channels = m_format.channels;
    const int frameBytes = m_format.bytesPerFrame();
    // The held frames begin where the aligner stood before this call.
    QByteArray out(frames * frameBytes, Qt::Uninitialized);
    QByteArray alone[2] = {QByteArray(frames * bytes, Qt::Uninitialized), QByteArray(frames * bytes, Qt::Uninitialized)};
    for (qint64 f = 0; f < frames; ++f) {
        const char *in = m_held.constData() + f * frameBytes;
        char *to = out.data() + f * frameBytes;
        float first[2] = {0, 0}, mono = 0;
        for (int c = 0; c < channels; ++c)
            mono += (first[c] = sampleCodec::toFloat(in + c * bytes, bits));
        mono /= float(channels);
        const float second = m_secondOut[size_t(f)];
        if (m_layout == Layout::Split) {
            sampleCodec::fromFloat(mono, to, bits);
            sampleCodec::fromFloat(second, to + bytes, bits);
        } else {
            for (int c = 0; c < channels; ++c)
                sampleCodec::fromFloat(0.5f * (first[c] + second), to + c * bytes, bits);
        }
        sampleCodec::fromFloat(mono, alone[First].data() + f * bytes, bits);
        sampleCodec::fromFloat(second, alone[Second].data() + f * bytes, bits);
    }
    // The display's copy: the file's channels as 16 bits.
    m_display.resize(2 * DisplayFrames);
    for (qint64 f = 0; f < frames; ++f) {
        const char *at = out.constData() + f * frameBytes;
        m_display[2 * m_displayAt] = qint16(sampleCodec::to16(at, bits));
        m_display[2 * m_displayAt + 1] = qint16(sampleCodec::to16(at + (channels - 1) * bytes, bits));
        m_displayAt = (m_displayAt + 1) % DisplayFrames;
    }
    m_displayFilled = std::min<size_t>(DisplayFrames, m_displayFilled + size_t(frames));
    m_held.remove(0, frames * frameBytes);
    for (Source s : {First, Second}) {
        m_watch[s].feed(alone[s]);
        if (const int stretches = m_watch[s].summary().noSoundStretches; stretches > m_noSoundTold[s]) {
            m_noSoundTold[s] = stretches;
            emit noSoundBegan(s);
        }
    }
    return out;
}
