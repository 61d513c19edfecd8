#include "cli/Session.h"

#include "engine/AudioFailure.h"
#include "engine/AudioFile.h"
#include "engine/AudioRecord.h"
#include "engine/LevelMath.h"
#include "engine/WavAudioFile.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include <sys/ioctl.h>
#include <unistd.h>

namespace cli {

namespace {

constexpr int MeterWidth = 10;
// How long past --duration a recording may wait for sound that does not come.
constexpr int OverdueMs = 5000;

void writeErr(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

// "0:01:23.4"
QString clockText(double seconds)
{
    const qint64 tenths = qint64(seconds * 10);
    return QString::asprintf("%lld:%02lld:%02lld.%lld", tenths / 36000, tenths / 600 % 60, tenths / 10 % 60,
                             tenths % 10);
}

// "940 KB", "12.3 MB", in units of 1024 as the window counts.
QString sizeText(qint64 bytes)
{
    const double kb = double(bytes) / 1024.0;
    return kb < 1024 ? QString::asprintf("%.0f KB", kb) : QString::asprintf("%.1f MB", kb / 1024.0);
}

// "L [######----] -12.3"; the peak is 0 .. 32767.
QString meter(char label, int peak)
{
    const double db = LevelMath::peakDbfs(peak);
    const int filled = int(LevelMath::meterFraction(db) * MeterWidth + 0.5);
    const QString value = peak > 0 ? QString::asprintf("%5.1f", db) : QStringLiteral(" -inf");
    return QStringLiteral("%1 [%2%3] %4")
        .arg(QLatin1Char(label))
        .arg(QString(filled, QLatin1Char('#')), QString(MeterWidth - filled, QLatin1Char('-')), value);
}

int terminalWidth()
{
    winsize ws{};
    return ::ioctl(STDERR_FILENO, TIOCGWINSZ, &ws) == 0 && ws.ws_col > 0 ? ws.ws_col : 80;
}

} // namespace

void say(const QString &text)
{
    writeErr("tarvell-rec: " + text.toUtf8() + '\n');
}

Session::Session(AudioRecord &rec, WavAudioFile &file, const QString &path, const Options &options, bool showProgress)
    : m_rec(rec), m_file(file), m_path(path), m_options(options), m_showProgress(showProgress)
{
    m_overdue.setSingleShot(true);
    connect(&m_overdue, &QTimer::timeout, this, [this] { finish(Recorded, QString()); });
}

int Session::start()
{
    const WaveFormat &format = m_options.format;
    m_bytesPerFrame = format.bytesPerFrame();
    if (m_options.durationMs)
        m_targetBytes = *m_options.durationMs * format.sampleRate / 1000 * m_bytesPerFrame;
    try {
        m_deviceName = m_rec.DeviceName();
        m_file.SetWaveFormat(format);
        m_rec.SetFormat(m_file.FormatDescriptor(), m_file.FormatUnit());
        m_rec.setBlockLength(m_rec.DurationToLength(1000));
        m_rec.StartCapture();
    } catch (const AudioFailure &e) {
        say(e.description());
        return CaptureFailed;
    }
    if (m_rec.CaptureStatus() < 0) {
        const bool server = m_rec.ServerConnected();
        say(QStringLiteral("cannot record from %1: %2").arg(m_deviceName, m_rec.lastError()));
        return server ? CaptureFailed : NoServer;
    }

    // Capture runs: now the file. Nothing is lost meanwhile; the first Timer
    // event writes all captured since.
    try {
        m_file.CreateWaveFile(m_path, 0);
        m_watch.restart(format);
    } catch (const AudioFailure &e) {
        m_rec.StopCapture();
        while (!m_rec.GetBlock().isEmpty()) {
        }
        say(e.description());
        return CannotCreate;
    }

    connect(&m_rec, &AudioRecord::Timer, this, &Session::onTimer);
    connect(&m_rec, &AudioRecord::EndArrayRecord, this, &Session::onBlock);
    connect(&m_rec, &AudioRecord::CaptureError, this, &Session::onCaptureError);
    if (m_options.durationMs)
        m_overdue.start(int(std::min<qint64>(*m_options.durationMs + OverdueMs, std::numeric_limits<int>::max())));
    m_sinceDrawn.start();
    drawProgress(true);
    return Recorded;
}

void Session::stop()
{
    finish(Recorded, QString());
}

void Session::onTimer(qint32, qint32 left, qint32 right)
{
    if (m_finished)
        return;
    m_peakLeft = std::max(m_peakLeft, left);
    m_peakRight = std::max(m_peakRight, right);
    if (!write(m_rec.GetPartialBlock()))
        return;
    noteLosses();
    noteWaiting();
    noteWarnings();
    if (reachedEnd())
        finish(Recorded, QString());
    else
        drawProgress(false);
}

void Session::onBlock(qint32)
{
    if (m_finished)
        return;
    if (write(m_rec.GetBlock()) && reachedEnd())
        finish(Recorded, QString());
}

void Session::onCaptureError(qint32 number, const QString &description)
{
    if (number == AudioFailure::DeviceRemoved)
        finish(DeviceRemoved, QStringLiteral("the device %1 was removed while recording").arg(m_deviceName));
    else if (number == AudioFailure::NotConnected)
        finish(ServerLost, QStringLiteral("the sound server went away while recording (%1)").arg(description));
    else
        finish(CaptureFailed, QStringLiteral("the capture stopped: %1").arg(description));
}

bool Session::write(QByteArray data)
{
    if (m_writeFailed)
        return false;
    if (m_targetBytes >= 0)
        data.truncate(std::max<qint64>(0, m_targetBytes - m_written));
    if (data.isEmpty())
        return true;
    try {
        m_file.WriteBlock(data);
        m_written += data.size();
        m_watch.feed(data);
        return true;
    } catch (const AudioFailure &e) {
        // The disk is full or the file too large: the writer has kept the
        // whole frames that fitted, and the header says so.
        m_writeFailed = true;
        finish(CannotWrite, e.description());
        return false;
    }
}

void Session::finish(int exitCode, const QString &reason)
{
    if (exitCode != Recorded && m_exit == Recorded) {
        m_exit = exitCode;
        m_reason = reason;
    }
    if (m_finished)
        return;
    m_finished = true;
    m_overdue.stop();

    // Everything captured up to the stop, block by block, until the
    // recorder hands out an empty one.
    try {
        m_rec.StopCapture();
        for (QByteArray block = m_rec.GetBlock(); !block.isEmpty(); block = m_rec.GetBlock())
            write(block);
    } catch (const AudioFailure &e) {
        finish(CaptureFailed, e.description());
    }
    noteLosses();
    noteWarnings();
    // A write that failed may have left part of its block: the whole frames
    // of it stay in the file.
    m_written = qint64(m_file.dataBytes());
    try {
        m_file.CloseFile();
    } catch (const AudioFailure &e) {
        m_writeFailed = true;
        finish(CannotWrite, e.description());
    }

    clearProgress();
    const QString recorded = recordedText();
    if (m_exit != Recorded) {
        // The writer's reasons name the file already; the others do not.
        const QString where = m_reason.contains(m_path) ? QString() : m_path + QStringLiteral(": ");
        say(QStringLiteral("%1%2; the file holds the %3 recorded until then").arg(where, m_reason, recorded));
    } else if (m_showProgress) {
        writeErr(QStringLiteral("Recorded %1 into %2 (%3)\n")
                     .arg(recorded, m_path, sizeText(WavAudioFile::HeaderSize + m_written))
                     .toUtf8());
    }
    const qint64 lost = m_lostSeen + m_holesSeen;
    if (lost > 0 && !m_showProgress)
        say(QStringLiteral("%1: %2 s of sound was lost while recording")
                .arg(m_path, QString::number(double(lost) / m_options.format.sampleRate, 'f', 3)));
    if (const SignalWatch::Summary s = m_watch.summary(); s.any()) {
        QStringList what;
        if (s.noSoundStretches > 0)
            what << QStringLiteral("no sound for %1 s").arg(double(s.noSoundMs) / 1000, 0, 'f', 1)
                        + (s.noSoundStretches > 1 ? QStringLiteral(" in all") : QString());
        if (s.clips > 0)
            what << (s.clips == 1 ? QStringLiteral("clipped once") : QStringLiteral("clipped %1 times").arg(s.clips));
        say(QStringLiteral("%1: %2").arg(m_path, what.join(QStringLiteral(", "))));
    }
    emit finished(m_exit);
}

QString Session::recordedText() const
{
    const double seconds = double(m_written / m_bytesPerFrame) / m_options.format.sampleRate;
    return QString::number(seconds, 'f', 3) + QStringLiteral(" s");
}

void Session::noteLosses()
{
    const qint64 lost = m_rec.lostFrames(), holes = m_rec.holeFrames();
    if (lost <= m_lostSeen && holes <= m_holesSeen)
        return;
    const double rate = m_options.format.sampleRate;
    if (m_showProgress) {
        QStringList what;
        if (lost > m_lostSeen)
            what << QStringLiteral("%1 s not read in time").arg(double(lost - m_lostSeen) / rate, 0, 'f', 3);
        if (holes > m_holesSeen)
            what << QStringLiteral("%1 s the server left out (silence in its place)")
                        .arg(double(holes - m_holesSeen) / rate, 0, 'f', 3);
        clearProgress();
        say(QStringLiteral("sound lost at %1: %2").arg(recordedText(), what.join(QStringLiteral(", "))));
    }
    m_lostSeen = std::max(m_lostSeen, lost);
    m_holesSeen = std::max(m_holesSeen, holes);
}

// An application's sound that stopped: the recording waits for its next.
void Session::noteWaiting()
{
    const QString waiting = m_rec.WaitingFor();
    if (waiting == m_waitingFor)
        return;
    m_waitingFor = waiting;
    if (!m_showProgress && !waiting.isEmpty())
        say(QStringLiteral("%1: %2 stopped playing at %3; waiting for its next sound").arg(m_path, waiting, recordedText()));
    drawProgress(true);
}

void Session::noteWarnings()
{
    const SignalWatch::Summary s = m_watch.summary();
    if (s.noSoundStretches > m_noSoundSaid) {
        m_noSoundSaid = s.noSoundStretches;
        sayWarning(QStringLiteral("no sound at %1: everything below %2 dBFS for %3 s; check the line and its volume")
                       .arg(recordedText())
                       .arg(SignalWatch::NoSoundBelowDbfs)
                       .arg(SignalWatch::NoSoundAfterMs / 1000));
        m_quiet = true;
    }
    if (m_quiet && !m_watch.noSound()) {
        m_quiet = false;
        sayWarning(QStringLiteral("sound again at %1").arg(recordedText()));
    }
    const bool clipping = m_watch.recentClips() > 0;
    if (clipping && !m_clipping)
        sayWarning(QStringLiteral("clipping at %1: samples at full scale; lower the line's volume").arg(recordedText()));
    m_clipping = clipping;
}

// A line of its own; the progress line comes back at its next turn.
void Session::sayWarning(const QString &text)
{
    clearProgress();
    say(text);
}

void Session::drawProgress(bool now)
{
    if (!m_showProgress || (!now && m_sinceDrawn.elapsed() < TickMs - TickMs / 4))
        return;
    m_sinceDrawn.restart();
    QString line = QStringLiteral("REC %1  %2  ").arg(clockText(double(m_written / m_bytesPerFrame)
                                                                / m_options.format.sampleRate),
                                                      sizeText(WavAudioFile::HeaderSize + m_written));
    // The warnings before the meters: a narrow terminal cuts the end of the line.
    if (m_watch.noSound())
        line += QStringLiteral("NO SOUND %1 s  ").arg(m_watch.quietMs() / 1000);
    if (const int clips = m_watch.recentClips(); clips > 0)
        line += QStringLiteral("CLIPPING %1 in %2 s  ").arg(clips).arg(SignalWatch::ClipWindowMs / 1000);
    if (m_options.format.channels == 2)
        line += meter('L', m_peakLeft) + QStringLiteral("  ") + meter('R', m_peakRight);
    else
        line += meter('M', m_peakLeft);
    line += QStringLiteral(" dBFS");
    if (!m_waitingFor.isEmpty())
        line += QStringLiteral("  waiting for %1").arg(m_waitingFor);
    if (const qint64 lost = m_lostSeen + m_holesSeen; lost > 0)
        line += QStringLiteral("  lost %1 s").arg(double(lost) / m_options.format.sampleRate, 0, 'f', 3);
    line.truncate(terminalWidth() - 1);
    writeErr("\r" + line.toUtf8() + "\033[K");
    m_progressShown = true;
    m_peakLeft = m_peakRight = 0;
}

void Session::clearProgress()
{
    if (m_progressShown)
        writeErr("\r\033[K");
    m_progressShown = false;
}

} // namespace cli
