#include "engine/Take.h"

#include "engine/AudioFailure.h"
#include "engine/AudioFile.h"
#include "engine/AudioRecord.h"

#include <QFileInfo>

#include <algorithm>
#include <limits>
#include <utility>

Take::Take(AudioRecord &recorder, AudioFile &file, QObject *parent) : QObject(parent), m_rec(recorder), m_file(file)
{
    m_overdue.setSingleShot(true);
    connect(&m_overdue, &QTimer::timeout, this, [this] { endTake(End::DurationReached, QString()); });
}

Take::~Take()
{
    if (isOpen())
        endTake(End::Stopped, QString());
}

bool Take::start(const QString &path)
{
    if (isOpen())
        return false;
    m_startFailure = StartFailure::None;
    m_failureReason.clear();
    m_path = path;
    m_bytesWritten = 0;
    m_losses.clear();
    m_notReadSeen = m_leftOutSeen = 0;
    m_waitingFor.clear();
    m_writeFailed = false;
    m_end = End::Stopped;
    m_endReason.clear();

    try {
        m_format = m_file.waveFormat();
        m_frameBytes = std::max(m_format.bytesPerFrame(), 1);
        m_rec.SetFormat(m_file.FormatDescriptor(), m_file.FormatUnit());
        m_rec.setBlockLength(m_rec.DurationToLength(1000));
        m_rec.StartCapture();
    } catch (...) {
        failStart(StartFailure::CaptureRefused, AudioFailure::from(std::current_exception()).description());
        return false;
    }
    bool running = false;
    try {
        running = m_rec.CaptureStatus() >= 0;
    } catch (...) {
    }
    if (!running) {
        QString why;
        bool server = true;
        try {
            why = m_rec.lastError();
            server = m_rec.ServerConnected();
        } catch (...) {
        }
        failStart(server ? StartFailure::CaptureRefused : StartFailure::NoServer, why);
        return false;
    }

    QString why;
    if (m_filter && !m_filter->open(m_format, &why)) {
        failStart(StartFailure::CaptureRefused, why);
        return false;
    }
    // Capture runs: now the file. Nothing is lost meanwhile; the first Timer
    // event writes all captured since.
    try {
        m_file.CreateWaveFile(path, 0);
    } catch (...) {
        why = AudioFailure::from(std::current_exception()).description();
    }
    if (m_file.OpenStatus() < 0) {
        failStart(StartFailure::CannotCreate, why);
        return false;
    }

    m_watch.restart(m_format);
    m_sinceWritten.invalidate();
    m_noSoundTold = 0;
    m_quietTold = m_clippingTold = false;
    m_limitBytes = m_durationMs > 0 ? m_durationMs * m_format.sampleRate / 1000 * m_frameBytes : -1;
    m_state = State::Recording;
    m_connections = {connect(&m_rec, &AudioRecord::Timer, this, &Take::onTimer),
                     connect(&m_rec, &AudioRecord::EndArrayRecord, this, &Take::onBlock),
                     connect(&m_rec, &AudioRecord::CaptureError, this, &Take::onCaptureError)};
    if (m_durationMs > 0)
        m_overdue.start(int(std::min<qint64>(m_durationMs + OverdueMs, std::numeric_limits<int>::max())));
    return true;
}

void Take::failStart(StartFailure failure, const QString &reason)
{
    m_startFailure = failure;
    m_failureReason = reason;
    // What capture took in was never going to be in a file.
    try {
        m_rec.StopCapture();
    } catch (...) {
    }
    dropCaptured();
    if (m_filter)
        m_filter->close();
}

void Take::dropCaptured()
{
    for (;;) {
        try {
            if (m_rec.GetBlock().isEmpty())
                return;
        } catch (...) {
            return;
        }
    }
}

void Take::pause()
{
    if (m_state != State::Recording)
        return;
    // Everything captured up to the call goes into the file.
    writeCapturedNow();
    if (m_state == State::Recording)
        m_state = State::Paused;
}

void Take::resume()
{
    if (m_state != State::Paused)
        return;
    // Capture never stopped. What it took in while paused, and any sound
    // lost meanwhile, was never going to be in the file.
    try {
        const QByteArray left = m_rec.GetPartialBlock();
        if (m_filter)
            writeRaw(m_filter->skip(left.size() / m_frameBytes));
        m_notReadSeen = std::max(m_notReadSeen, m_rec.lostFrames());
        m_leftOutSeen = std::max(m_leftOutSeen, m_rec.holeFrames());
    } catch (...) {
    }
    m_state = State::Recording;
}

void Take::stop()
{
    if (isOpen())
        endTake(End::Stopped, QString());
}

void Take::writeCapturedNow()
{
    if (m_state != State::Recording)
        return;
    writeFetched(&AudioRecord::GetPartialBlock);
}

void Take::onTimer()
{
    if (m_state != State::Recording)
        return;
    // Timer's own jitter must not put a write off to the event after: it is
    // due an eighth of the interval early.
    if (m_writeIntervalMs > 0 && m_sinceWritten.isValid()
        && m_sinceWritten.elapsed() < m_writeIntervalMs - m_writeIntervalMs / 8)
        return;
    m_sinceWritten.start();
    writeCapturedNow();
    if (m_state != State::Recording)
        return;
    noteLosses();
    noteWaiting();
    noteSoundEdges();
    emit progressed();
}

void Take::onBlock()
{
    // A block not fetched while paused is dropped by the recorder; a filter
    // hears of it.
    if (m_state == State::Paused && m_filter) {
        try {
            writeRaw(m_filter->skip(m_rec.GetBlock().size() / m_frameBytes));
        } catch (...) {
        }
    }
    if (m_state != State::Recording)
        return;
    writeFetched(&AudioRecord::GetBlock);
}

void Take::writeFetched(QByteArray (AudioRecord::*fetch)())
{
    QByteArray captured;
    try {
        captured = (m_rec.*fetch)();
    } catch (...) {
        return;
    }
    if (writeCaptured(captured) && reachedEnd())
        endTake(End::DurationReached, QString());
}

void Take::onCaptureError(qint32 number, const QString &description)
{
    if (!isOpen())
        return;
    if (number == AudioFailure::DeviceRemoved)
        endTake(End::DeviceRemoved, description);
    else if (number == AudioFailure::NotConnected)
        endTake(End::ServerLost, description);
    else
        endTake(End::CaptureFailed, description);
}

bool Take::writeCaptured(const QByteArray &captured)
{
    if (m_writeFailed)
        return false;
    return writeRaw(m_filter ? m_filter->pass(captured) : captured);
}

bool Take::writeRaw(QByteArray data)
{
    if (m_writeFailed)
        return false;
    if (m_limitBytes >= 0)
        data.truncate(std::max<qint64>(0, m_limitBytes - m_bytesWritten));
    if (data.isEmpty())
        return true;
    try {
        m_file.WriteBlock(data);
        m_bytesWritten += data.size();
        m_watch.feed(data);
        return true;
    } catch (...) {
        // The disk is full or the file too large: the writer has kept the
        // whole frames that fitted, and the header says so. A take that goes
        // on writing nothing would only pretend.
        m_writeFailed = true;
        endTake(End::CannotWrite, AudioFailure::from(std::current_exception()).description());
        return false;
    }
}

qint64 Take::fileBytes() const
{
    if (isOpen())
        return qint64(m_file.fileBytes());
    const QFileInfo file(m_path);
    return file.exists() ? file.size() : 0;
}

qint64 Take::lostFrames() const
{
    qint64 frames = 0;
    for (const Loss &l : m_losses)
        frames += l.frames();
    return frames;
}

void Take::noteLosses()
{
    qint64 notRead = m_notReadSeen, leftOut = m_leftOutSeen;
    try {
        notRead = m_rec.lostFrames();
        leftOut = m_rec.holeFrames();
    } catch (...) {
    }
    if (notRead <= m_notReadSeen && leftOut <= m_leftOutSeen)
        return;
    qint64 ago = 0;
    try {
        ago = m_rec.lostFramesAgo();
    } catch (...) {
    }
    // Everything captured so far has just been written: the loss began that
    // far back in the file.
    const Loss loss{std::max<qint64>(0, framesWritten() - ago), std::max<qint64>(0, notRead - m_notReadSeen),
                    std::max<qint64>(0, leftOut - m_leftOutSeen)};
    m_notReadSeen = std::max(m_notReadSeen, notRead);
    m_leftOutSeen = std::max(m_leftOutSeen, leftOut);
    m_losses.append(loss);
    emit lossFound(loss);
}

void Take::noteWaiting()
{
    QString waiting;
    try {
        waiting = m_rec.WaitingFor();
    } catch (...) {
        return;
    }
    if (waiting == m_waitingFor)
        return;
    m_waitingFor = waiting;
    emit waitingChanged(waiting);
}

void Take::noteSoundEdges()
{
    // A stretch may begin and end between two looks: both edges are told.
    if (const int stretches = m_watch.summary().noSoundStretches; stretches > m_noSoundTold) {
        m_noSoundTold = stretches;
        m_quietTold = true;
        emit noSoundBegan();
    }
    if (m_quietTold && !m_watch.noSound()) {
        m_quietTold = false;
        emit soundReturned();
    }
    const bool clipping = m_watch.recentClips() > 0;
    if (clipping && !m_clippingTold)
        emit clippingBegan();
    m_clippingTold = clipping;
}

void Take::endTake(End end, const QString &reason)
{
    if (end != End::Stopped && m_end == End::Stopped && m_endReason.isEmpty()) {
        m_end = end;
        m_endReason = reason;
    }
    // A failure met while finishing is kept as the reason; finishing goes on.
    if (m_finishing || !isOpen())
        return;
    m_finishing = true;
    m_overdue.stop();
    for (const QMetaObject::Connection &c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();

    // Everything captured up to the stop, block by block, until the recorder
    // hands out an empty one. Stopped while paused, what it holds was
    // captured during the pause.
    try {
        m_rec.StopCapture();
    } catch (...) {
    }
    if (m_state == State::Paused) {
        dropCaptured();
    } else {
        for (;;) {
            QByteArray block;
            try {
                block = m_rec.GetBlock();
            } catch (...) {
                break;
            }
            if (block.isEmpty() || !writeCaptured(block))
                break;
        }
        dropCaptured();
    }
    // What the filter still holds and keeps.
    if (m_filter)
        writeRaw(m_filter->close());
    noteLosses();
    noteSoundEdges();
    // A write that failed may have left part of its block: its whole frames
    // stay in the file.
    if (m_writeFailed)
        m_bytesWritten = qint64(m_file.dataBytes()) / m_frameBytes * m_frameBytes;
    try {
        m_file.CloseFile();
    } catch (...) {
        if (m_end == End::Stopped && m_endReason.isEmpty()) {
            m_end = End::CannotWrite;
            m_endReason = AudioFailure::from(std::current_exception()).description();
        }
    }
    m_state = State::Closed;
    m_finishing = false;
    emit ended(m_end, m_endReason);
}
