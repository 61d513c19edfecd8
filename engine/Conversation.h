#pragma once

#include "engine/AudioRecord.h"
#include "engine/SignalWatch.h"
#include "engine/StreamAligner.h"
#include "engine/Take.h"
#include "engine/WaveFormat.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVector>

#include <memory>
#include <vector>

// A take of two sources at once: the take's own line (usually the
// microphone) and a second recorder's (an application, or an output's
// "Stereo Mix"), in step whatever each stream's latency, and held in step
// when the two run on two devices' clocks (see StreamAligner).
//
// Split: the first source, mixed to mono, in the left channel and the second
// in the right. Mixed: the second, mixed to mono, added to each channel of
// the first, both at half their level, so that the sum clips only where one
// of them already did.
//
// The second's capture starts with the take and stops with it. Its losses are
// its own; an application it waits for leaves its half silent meanwhile, and
// a second source that goes away leaves it silent until the end. Each
// source's sound alone is watched for silence and clipping, so that a
// warning says which one it is about.
class Conversation : public QObject, public TakeFilter
{
    Q_OBJECT
public:
    enum class Layout { Split, Mixed };
    enum Source { First, Second };

    // second: its cursor on the line to record. Not owned.
    Conversation(AudioRecord &first, AudioRecord &second, Layout layout, QObject *parent = nullptr);
    ~Conversation() override;

    Layout layout() const { return m_layout; }

    bool open(const WaveFormat &format, QString *why) override;
    QByteArray pass(const QByteArray &captured) override;
    QByteArray skip(qint64 frames) override;
    QByteArray close() override;

    // The line each source records, as it was at the start.
    QString sourceName(Source source) const { return m_names[source]; }
    // Of the running or last take: each source's sound alone.
    const SignalWatch &watch(Source source) const { return m_watch[source]; }
    // The second's sound lost (not read in time, or left out by the server).
    qint64 secondLostFrames() const { return m_secondLost; }
    // The application the second waits for; empty otherwise.
    QString secondWaitingFor() const { return m_secondWaiting; }
    // The latest count samples of what went into the file, as 16-bit stereo
    // (interleaved, mono doubled), oldest first: in split, the left channel
    // is the first source and the right the second.
    QVector<qint16> displayData(int count) const;
    // Why the second's capture ended before the take; empty if it did not.
    QString secondFailure() const { return m_secondFailure; }

signals:
    void secondWaitingChanged(const QString &application);
    void secondFailed(const QString &reason);
    // No sound from one source for SignalWatch::NoSoundAfterMs.
    void noSoundBegan(Conversation::Source source);

private:
    void takeSecond(const QByteArray &pcm);
    void noteClocks();
    QByteArray aligned(bool atEnd);
    void noteSecondState();

    AudioRecord &m_first;
    AudioRecord &m_second;
    Layout m_layout;
    bool m_open = false;
    WaveFormat m_format;
    std::unique_ptr<StreamAligner> m_aligner;
    AudioRecord::CaptureClock m_firstClock, m_secondClock;   // as last noted
    QByteArray m_held;          // the first's frames not yet matched
    qint64 m_firstFrames = 0;   // received (or left out) so far
    std::vector<float> m_mono;
    std::vector<float> m_secondOut;
    QString m_names[2];
    std::vector<qint16> m_display;   // ring of stereo frames
    size_t m_displayAt = 0;
    size_t m_displayFilled = 0;
    SignalWatch m_watch[2];
    int m_noSoundTold[2] = {0, 0};
    qint64 m_secondLost = 0;
    QString m_secondWaiting;
    QString m_secondFailure;
    QList<QMetaObject::Connection> m_connections;
};
