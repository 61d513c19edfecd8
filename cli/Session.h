#pragma once

#include "cli/Arguments.h"
#include "engine/SignalWatch.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

class AudioRecord;
class WavAudioFile;

namespace cli {

// "tarvell-rec: TEXT" on standard error, on a line of its own.
void say(const QString &text);

// One recording from the recorder's current line into a file: capture is
// started first and the file made only once it runs (a start that fails
// leaves an existing file as it was); what comes in is written at every
// Timer event, so the header on disk always covers all but the last moments.
class Session : public QObject
{
    Q_OBJECT
public:
    // How often the recorder hands over what it captured (and the progress
    // line is redrawn).
    static constexpr int TickMs = 250;

    // showProgress: draw the self-updating line on standard error (a terminal).
    Session(AudioRecord &rec, WavAudioFile &file, const QString &path, const Options &options, bool showProgress);

    // Recorded when the recording runs (finished() follows); otherwise the
    // exit code, the reason already written.
    int start();
    // Ends the recording with every sample captured up to now (a signal).
    void stop();

signals:
    void finished(int exitCode);

private:
    void onTimer(qint32 frames, qint32 left, qint32 right);
    void onBlock(qint32 number);
    void onCaptureError(qint32 number, const QString &description);
    // Appends what fits before the end of --duration; false once writing failed.
    bool write(QByteArray data);
    bool reachedEnd() const { return m_targetBytes >= 0 && m_written >= m_targetBytes; }
    void finish(int exitCode, const QString &reason);
    void noteLosses();
    void noteWaiting();
    // No sound and clipping, said as they start (and the sound's return).
    void noteWarnings();
    void sayWarning(const QString &text);
    void drawProgress(bool now);
    void clearProgress();
    QString recordedText() const;

    AudioRecord &m_rec;
    WavAudioFile &m_file;
    QString m_path;
    Options m_options;
    bool m_showProgress;
    QString m_deviceName;
    qint64 m_bytesPerFrame = 1;
    qint64 m_targetBytes = -1;     // from --duration; -1: until stopped
    qint64 m_written = 0;          // bytes of sound in the file
    bool m_finished = false;
    bool m_writeFailed = false;
    int m_exit = Recorded;
    QString m_reason;              // the first failure
    qint64 m_lostSeen = 0;
    QString m_waitingFor;   // the application whose next sound the recording waits for
    qint64 m_holesSeen = 0;
    int m_peakLeft = 0;
    int m_peakRight = 0;
    bool m_progressShown = false;
    QElapsedTimer m_sinceDrawn;
    QTimer m_overdue;              // ends a --duration the sound never filled
    SignalWatch m_watch;           // what went into the file
    int m_noSoundSaid = 0;         // stretches without sound said so far
    bool m_quiet = false;          // one of them lasts
    bool m_clipping = false;       // clips in the watch's latest seconds, said
};

} // namespace cli
