#pragma once

#include "engine/StallMeter.h"
#include "engine/WaveFormat.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

#include <pulse/stream.h>

class PulseServer;
class Resampler;

// One record stream on the sound server. The server's thread appends what it
// captures to a buffer here; the user-interface thread takes it out with
// take(). The capture side never waits for the user-interface thread: the
// buffer holds up to BufferSeconds of sound, so a user-interface thread that
// is blocked for that long loses nothing.
//
// The stream runs at the rate the device (or PipeWire's graph) really runs at;
// when that is not the recording's rate, the sound is converted here, before
// anything else sees it, rather than by the server's plainer resampler.
class PulseCapture
{
public:
    static constexpr int BufferSeconds = 60;
    static constexpr int FragmentMs = 50;
    static constexpr int DisplayFrames = 16384;

    explicit PulseCapture(PulseServer &server);
    ~PulseCapture();
    PulseCapture(const PulseCapture &) = delete;
    PulseCapture &operator=(const PulseCapture &) = delete;

    // Connects a record stream to the source and waits (at most timeoutMs)
    // until the server has accepted it. With a stream (a sink input), only
    // what that stream plays is recorded, from the monitor it plays into.
    // User-interface thread.
    bool start(const QString &sourceName, const WaveFormat &format, QString *error, int timeoutMs,
               quint32 monitorStream = PA_INVALID_INDEX);
    // Takes in what the server has delivered so far and closes the stream.
    // User-interface thread.
    void stop();

    // What arrived since the last take. Thread-safe.
    struct Taken
    {
        QByteArray data;
        int peakLeft = 0;   // 0 .. 32767 since the last take
        int peakRight = 0;
        qint64 holeFrames = 0;   // totals since start
        qint64 lostFrames = 0;
        qint64 lossAt = -1;      // frames kept before the latest loss began
        qint64 clockFrame = -1;  // frame clockFrame was captured at clockUs (system clock); -1: not known
        qint64 clockUs = 0;
        bool failed = false;
        bool deviceRemoved = false;   // failed because the source went away
        QString error;
    };
    Taken take();

    // The players of what is recorded stood still through the stall under
    // way (see StallMeter). Thread-safe.
    void notePlayersStoodStill();
    // The rate the running or last capture is converted from: the device's
    // own, when the recording is made at another; 0 when nothing is converted.
    // Thread-safe.
    qint32 convertedFrom() const;

    // The latest count samples, interleaved left/right as 16-bit. Thread-safe.
    QVector<qint16> displayData(int count) const;
    // Whether the sound is wanted (from start(), it is). While it is not, the
    // stream is corked: the server holds the sound back, nothing arrives, and
    // nothing is missed. Wanted again, it comes as it is captured from then
    // on, and displayData() starts over with it. User-interface thread.
    void setSoundWanted(bool wanted);
    // How often the server is asked where it stands, when no stall is being
    // settled (250 ms unless set; never more often than that): an owner that
    // looks once a second needs the answer no more often. Thread-safe.
    void setTimingInterval(int milliseconds);
    // Whether the copy for displayData() is kept (it is unless turned off): a
    // recorder that shows no display does not pay for one. Before start().
    void setDisplayKept(bool kept);

private:
    static void onRead(pa_stream *s, size_t nbytes, void *self);
    static void onState(pa_stream *s, void *self);
    static void onTiming(pa_stream *s, int success, void *self);

    void readAvailable();                                 // loop thread, lock held
    void convertArrived(const char *data, size_t bytes, bool hole); // loop thread
    void store(const char *data, size_t bytes, bool hole);  // loop thread, at the recording's rate
    void startConversion(pa_stream *s);                   // loop thread, m_mutex held
    void closeStream();                                   // loop lock held
    void storeDisplayFrame(int left, int right);          // loop thread, m_mutex held
    void notePeak(int left, int right);                   // loop thread, m_mutex held
    template<typename Fn>
    void forEachFrame(const char *data, qint64 frames, Fn &&fn) const;
    void askForTiming();                                  // loop thread

    PulseServer &m_server;
    pa_stream *m_stream = nullptr;   // under the loop lock
    WaveFormat m_format;
    std::unique_ptr<Resampler> m_resampler;   // loop thread (or loop lock held); none when the rates match
    QByteArray m_converted;                   // loop thread

    // Shared between the loop thread and the user-interface thread.
    mutable std::mutex m_mutex;
    std::condition_variable m_stateCond;
    pa_stream_state_t m_streamState = PA_STREAM_UNCONNECTED;
    bool m_stopping = false;
    qint32 m_convertedFrom = 0;
    QByteArray m_pending;
    int m_peakLeft = 0;
    int m_peakRight = 0;
    qint64 m_framesReceived = 0;
    qint64 m_keptFrames = 0;      // put into m_pending (holes too): positions in the take
    qint64 m_holeFrames = 0;
    qint64 m_droppedFrames = 0;   // our own buffer was full
    StallMeter m_stalls{44100};   // what the server never delivered
    qint64 m_lossAt = -1;
    qint64 m_clockFrame = -1;
    qint64 m_clockUs = 0;
    // Loop thread only.
    // The question in flight: cancelled with its stream, so that its answer
    // never reaches a capture that stopped (or is gone).
    pa_operation *m_timingAsked = nullptr;
    qint64 m_streamBytesRead = 0;   // dropped from the stream, holes too, at its own rate
    std::chrono::steady_clock::time_point m_timingAskedAt;
    std::atomic<int> m_timingIntervalMs{250};   // set from any thread
    bool m_failed = false;
    bool m_deviceRemoved = false;
    QString m_error;
    bool m_displayKept = true;
    std::vector<qint16> m_display;   // ring of stereo frames
    size_t m_displayPos = 0;
    size_t m_displayFilled = 0;
};
