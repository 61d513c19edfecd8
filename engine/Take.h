#pragma once

#include "engine/SignalWatch.h"
#include "engine/WaveFormat.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

class AudioFile;
class AudioRecord;

// Decides what of a take's captured sound goes into its file, when something
// besides the take has a say (recording exactly what the media player plays).
// Every captured piece passes through it on its way to the file.
class TakeFilter
{
public:
    virtual ~TakeFilter() = default;
    // The take starts in this format, its capture running, its file not yet
    // made. False (and why) refuses the start; close() follows.
    virtual bool open(const WaveFormat &format, QString *why)
    {
        Q_UNUSED(format);
        Q_UNUSED(why);
        return true;
    }
    // What this captured piece becomes in the file (possibly nothing yet).
    virtual QByteArray pass(const QByteArray &captured) = 0;
    // The next frames captured are left out (they came in while paused):
    // what is still held back from before them that belongs in the file.
    virtual QByteArray skip(qint64 frames)
    {
        Q_UNUSED(frames);
        return {};
    }
    // The take ends: what is still held back that belongs in the file.
    virtual QByteArray close() = 0;
};

// One recording from a recorder's current line into a file, from its start to
// its end, whoever shows it: the window and tarvell-rec are faces on it. It
// reports by signals and never shows anything.
//
// Starting: capture first, in the writer's format with one-second blocks; the
// file only once capture runs, so a start that fails leaves an existing file
// as it was (the writer makes it under a temporary name and renames it). What
// comes in is written at every Timer event, or at the first after each write
// interval, with the header brought up to date (the writer also syncs the
// data and keeps the crash journal), so a crash loses at most one interval.
// Pause and resume cut exactly where they are called: what was captured up to
// pause() is written, what comes in until resume() is not. Losses are noted
// with their place in the take, the sound written is watched for silence and
// clipping, and an application's line that waits for the application's next
// sound is told.
//
// A take ends by stop(), at its duration, or by itself: the device went away,
// the sound server went away or dropped the capture, the disk is full or the
// file too large. Every way keeps every whole frame written until then, and
// ends with ended(). Every call is made on the recorder's (the user-interface)
// thread.
class Take : public QObject
{
    Q_OBJECT
public:
    enum class State { Closed, Recording, Paused };
    enum class End { Stopped, DurationReached, DeviceRemoved, ServerLost, CaptureFailed, CannotWrite };
    enum class StartFailure { None, NoServer, CaptureRefused, CannotCreate };
    Q_ENUM(State)
    Q_ENUM(End)

    // Sound that did not reach the file, missing from atFrame frames into it.
    struct Loss
    {
        qint64 atFrame = 0;
        qint64 notReadFrames = 0;   // not read from the server in time
        qint64 leftOutFrames = 0;   // left out by the server (silence in its place)
        qint64 frames() const { return notReadFrames + leftOutFrames; }
    };

    // How long past its duration a take waits for sound that does not come.
    static constexpr int OverdueMs = 5000;

    Take(AudioRecord &recorder, AudioFile &file, QObject *parent = nullptr);
    ~Take() override;

    // nullptr: everything captured goes into the file. Not owned.
    void setFilter(TakeFilter *filter) { m_filter = filter; }
    // The next take ends by itself after this much sound; 0: when stopped.
    void setDurationMs(qint64 ms) { m_durationMs = ms; }
    // What came in is written at the first Timer event after this much time
    // (0, the default: at every Timer event), and so is progress told. A face
    // that has Timer come often for its level display need not write as
    // often; a crash loses at most this much.
    void setWriteIntervalMs(int ms) { m_writeIntervalMs = ms; }

    // Starts a take into path in the writer's format. False when it could
    // not start: startFailure() and failureReason() tell why, capture is
    // stopped again and no file was made.
    bool start(const QString &path);
    StartFailure startFailure() const { return m_startFailure; }
    QString failureReason() const { return m_failureReason; }
    void pause();
    void resume();
    // Ends the take with every sample captured up to now (none while paused).
    void stop();
    // Writes what has been captured up to this moment, now rather than at the
    // next Timer event.
    void writeCapturedNow();

    State state() const { return m_state; }
    bool isOpen() const { return m_state != State::Closed; }
    bool isPaused() const { return m_state == State::Paused; }
    QString path() const { return m_path; }
    WaveFormat format() const { return m_format; }
    // Of the open or the last take.
    qint64 framesWritten() const { return m_frameBytes > 0 ? m_bytesWritten / m_frameBytes : 0; }
    qint64 bytesWritten() const { return m_bytesWritten; }
    // The file's size in bytes: as the writer knows it while the take runs,
    // from the disk once it has ended; 0 when it cannot be read.
    qint64 fileBytes() const;
    qint64 recordedMs() const { return framesToMs(framesWritten()); }
    qint64 framesToMs(qint64 frames) const { return m_format.sampleRate > 0 ? frames * 1000 / m_format.sampleRate : 0; }
    const QList<Loss> &losses() const { return m_losses; }
    qint64 lostFrames() const;
    const SignalWatch &watch() const { return m_watch; }
    // The application an application's line waits for; empty otherwise.
    QString waitingFor() const { return m_waitingFor; }
    End howEnded() const { return m_end; }
    // The engine's words for what ended the take, empty after stop().
    QString endReason() const { return m_endReason; }

signals:
    // What came in was written (at every Timer event while recording, or at
    // the first after each write interval).
    void progressed();
    void lossFound(const Take::Loss &loss);
    void waitingChanged(const QString &application);
    // The edges of what the watch warns about, each once as it happens: no
    // sound has lasted SignalWatch::NoSoundAfterMs, sound came back after
    // such a stretch, clipping began (none in the watch's window before).
    // Seen at every Timer event and in what the end drains.
    void noSoundBegan();
    void soundReturned();
    void clippingBegan();
    // The take has ended and its file is closed.
    void ended(Take::End end, const QString &reason);

private:
    void onTimer();
    void onBlock();
    void onCaptureError(qint32 number, const QString &description);
    // Fetches what the recorder holds (a block, or what came in so far),
    // writes it, and ends the take when its duration is full.
    void writeFetched(QByteArray (AudioRecord::*fetch)());
    // Appends what fits before the take's end; false once writing failed.
    bool writeCaptured(const QByteArray &captured);
    bool writeRaw(QByteArray data);
    bool reachedEnd() const { return m_limitBytes >= 0 && m_bytesWritten >= m_limitBytes; }
    void noteLosses();
    void noteWaiting();
    void noteSoundEdges();
    // Stops capture, drains it into the file (unless paused), closes it.
    void endTake(End end, const QString &reason);
    void failStart(StartFailure failure, const QString &reason);
    void dropCaptured();

    AudioRecord &m_rec;
    AudioFile &m_file;
    TakeFilter *m_filter = nullptr;
    qint64 m_durationMs = 0;
    int m_writeIntervalMs = 0;
    QElapsedTimer m_sinceWritten;   // since the latest timed write

    State m_state = State::Closed;
    StartFailure m_startFailure = StartFailure::None;
    QString m_failureReason;
    QString m_path;
    WaveFormat m_format;
    qint64 m_frameBytes = 0;
    qint64 m_bytesWritten = 0;
    qint64 m_limitBytes = -1;     // from the duration; -1: none
    bool m_writeFailed = false;
    bool m_finishing = false;
    End m_end = End::Stopped;
    QString m_endReason;
    QList<Loss> m_losses;
    qint64 m_notReadSeen = 0;     // the recorder's counts already noted
    qint64 m_leftOutSeen = 0;
    QString m_waitingFor;
    SignalWatch m_watch;
    int m_noSoundTold = 0;        // the watch's stretches without sound told so far
    bool m_quietTold = false;     // the latest of them lasts, as told
    bool m_clippingTold = false;  // clips in the watch's window, as told
    QTimer m_overdue;             // ends a duration the sound never filled
    QList<QMetaObject::Connection> m_connections;
};
