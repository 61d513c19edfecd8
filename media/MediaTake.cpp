#include "media/MediaTake.h"

#include "engine/SampleCodec.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

MediaTake::MediaTake(std::function<WaveFormat()> format, QObject *parent)
    : QObject(parent), m_formatSource(std::move(format))
{
}

void MediaTake::refreshFormat()
{
    if (m_formatKnown)
        return;
    const WaveFormat f = m_formatSource ? m_formatSource() : WaveFormat{0, 0, 0};
    m_frameBytes = f.isValid() ? f.bytesPerFrame() : 0;
    m_rate = f.sampleRate;
    m_silenceByte = sampleCodec::silenceByte(f.bitsPerSample);
    m_formatKnown = true;
}

qint64 MediaTake::msToFrames(qint64 ms) const
{
    return std::llround(double(ms) * m_rate / 1000.0);
}

QByteArray MediaTake::silence(qint64 count) const
{
    return count > 0 ? QByteArray(qsizetype(count * m_frameBytes), m_silenceByte) : QByteArray();
}

bool MediaTake::silentFrame(const char *frame) const
{
    for (qint32 i = 0; i < m_frameBytes; ++i)
        if (frame[i] != m_silenceByte)
            return false;
    return true;
}

void MediaTake::setHoldSilence(bool on)
{
    m_holdSilence = on;
}

void MediaTake::beginWithMedia(qint64 fromMs)
{
    refreshFormat();
    m_phase = Phase::Leading;
    m_byMedia = true;
    m_exact = true;
    m_pausedWithMedia = false;
    m_fromMs = std::max<qint64>(fromMs, 0);
    m_soundFound = false;
    m_silentBefore = 0;
    m_lead = -1;
    m_heldSound.clear();
    m_heldSilence = 0;
    m_ending = false;
}

void MediaTake::setMediaLead(qint64 frames)
{
    if (m_phase == Phase::Leading && m_lead < 0)
        m_lead = std::max<qint64>(frames, 0);
}

void MediaTake::resumeAtSound()
{
    beginWithMedia(0);
    m_lead = 0;
    m_exact = false;
}

void MediaTake::startEnd(End kind, bool atLength, qint64 target)
{
    if (m_phase == Phase::Done)
        return;
    m_ending = true;
    m_endKind = kind;
    m_endAtLength = atLength;
    m_target = target;
    m_tailLeft = msToFrames(TailMs);
}

void MediaTake::endWithMedia(bool finished, qint64 durationMs)
{
    refreshFormat();
    const bool atLength = finished && m_byMedia && m_exact && durationMs > m_fromMs;
    startEnd(End::Stop, atLength, atLength ? msToFrames(durationMs - m_fromMs) : 0);
}

void MediaTake::pauseWithMedia()
{
    refreshFormat();
    m_exact = false;
    startEnd(End::Pause, false, 0);
}

void MediaTake::cancelPause()
{
    if (ending() && m_endKind == End::Pause)
        m_ending = false;
}

void MediaTake::endNow()
{
    if (m_phase == Phase::Done)
        return;
    m_heldSilence = 0;
    m_heldSound.clear();
    m_phase = Phase::Done;
}

void MediaTake::pausedWithMedia()
{
    m_phase = Phase::Passing;
    m_ending = false;
    m_heldSilence = 0;
    m_pausedWithMedia = true;
}

QByteArray MediaTake::pass(const QByteArray &captured)
{
    // Outside a take, and with nothing held, it all goes to the file as it comes.
    if (m_phase == Phase::Passing && !m_holdSilence && !m_ending && m_heldSilence == 0 && m_carry.isEmpty())
        return captured;
    refreshFormat();
    if (m_frameBytes <= 0)
        return captured;
    QByteArray data = m_carry.isEmpty() ? captured : std::exchange(m_carry, QByteArray()) + captured;
    const qsizetype whole = data.size() - data.size() % m_frameBytes;
    if (whole < data.size()) {
        m_carry = data.mid(whole);
        data.truncate(whole);
    }
    QByteArray out;
    if (m_phase == Phase::Leading)
        data = lead(std::move(data), out);
    if (m_phase == Phase::Passing)
        follow(std::move(data), out);
    return out;
}

QByteArray MediaTake::lead(QByteArray data, QByteArray &out)
{
    if (!m_soundFound) {
        const char *p = data.constData();
        const qint64 n = frames(data);
        qint64 first = 0;
        while (first < n && silentFrame(p + first * m_frameBytes))
            ++first;
        m_silentBefore += first;
        if (first == n) {
            if (m_ending) {
                // The media went by without a sound reaching the capture: it
                // is silent, or plays where this line does not listen. Its
                // length of that silence is all there is to keep.
                out += silence(m_endAtLength ? std::min(m_target, m_silentBefore) : 0);
                complete(out);
            }
            return {};
        }
        m_soundFound = true;
        data.remove(0, first * m_frameBytes);
    }
    m_heldSound += data;
    if (m_lead < 0 && !m_ending && frames(m_heldSound) < msToFrames(LeadWaitMs))
        return {};
    return anchor();
}

QByteArray MediaTake::anchor()
{
    const qint64 keep = std::min(std::max<qint64>(m_lead, 0), m_silentBefore);
    QByteArray media = silence(keep) + std::exchange(m_heldSound, QByteArray());
    m_phase = Phase::Passing;
    m_mediaFrames = 0;
    m_heldSilence = 0;
    return media;
}

void MediaTake::follow(QByteArray data, QByteArray &out)
{
    qint64 n = frames(data);
    if (m_ending && m_endAtLength && m_mediaFrames + n > m_target) {
        n = std::max<qint64>(m_target - m_mediaFrames, 0);
        data.truncate(n * m_frameBytes);   // after the media's last sample
    }
    if (!m_holdSilence && !m_ending) {
        out += silence(std::exchange(m_heldSilence, 0));
        out += data;
    } else {
        qint64 end = n;   // just after the last frame of sound
        while (end > 0 && silentFrame(data.constData() + (end - 1) * m_frameBytes))
            --end;
        if (end > 0) {
            out += silence(std::exchange(m_heldSilence, 0));
            out += data.left(end * m_frameBytes);
        }
        m_heldSilence += n - end;
    }
    m_mediaFrames += n;
    if (!m_ending)
        return;
    if (m_endAtLength ? m_mediaFrames >= m_target : (m_tailLeft -= n) <= 0)
        complete(out);
}

void MediaTake::complete(QByteArray &out)
{
    // At the media's length the silence held up to it is the media's own;
    // after the tail, held silence came after the media's last sound.
    if (m_endAtLength) {
        const qint64 written = m_mediaFrames - m_heldSilence;
        out += silence(std::clamp<qint64>(m_target - written, 0, m_heldSilence));
    }
    m_heldSilence = 0;
    m_heldSound.clear();
    m_phase = Phase::Done;
    emit completed();
}

QByteArray MediaTake::close()
{
    QByteArray out;
    if (m_phase == Phase::Leading) {
        if (m_soundFound)
            follow(anchor(), out);
        else if (m_ending && m_endAtLength)
            out += silence(std::min(m_target, m_silentBefore));
    }
    if (m_phase == Phase::Passing) {
        if (!m_ending)
            out += silence(m_heldSilence);   // a Stop by hand keeps all that was captured
        else if (m_endAtLength)
            out += silence(std::clamp<qint64>(m_target - (m_mediaFrames - m_heldSilence), 0, m_heldSilence));
    }
    // Back to passing everything, for the next recording.
    m_formatKnown = false;
    m_carry.clear();
    m_phase = Phase::Passing;
    m_heldSilence = 0;
    m_heldSound.clear();
    m_byMedia = m_exact = m_pausedWithMedia = false;
    m_ending = false;
    return out;
}
