#pragma once

#include "engine/AudioRecord.h"
#include "engine/DeviceMap.h"
#include "engine/PipeWireGraph.h"
#include "engine/PulseCapture.h"
#include "engine/PulseServer.h"
#include "engine/WaveFormat.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QTimer>

#include <optional>

// The recorder on a PulseAudio (or PipeWire-pulse) sound server.
//
// Threads: PulseServer's loop thread talks to the server and fills
// PulseCapture's buffer; everything here runs on the user-interface thread.
// A timer takes the captured sound out of that buffer, cuts it into blocks
// and raises Timer and EndArrayRecord.
class PulseAudioRecord : public AudioRecord
{
    Q_OBJECT
public:
    static constexpr int TimerIntervalMs = 40;      // 25 Timer events a second
    static constexpr int ServerTimeoutMs = 2000;    // the longest any call waits for the server
    static constexpr int GraphWaitMs = 2500;        // for PipeWire's graph to say who drives it
    static constexpr int SilentProbeMs = 500;       // no sound this long: does the graph run?
    static constexpr int AnswerMs = 200;            // a daemon that runs answers within this

    explicit PulseAudioRecord(QObject *parent = nullptr);
    ~PulseAudioRecord() override;

    void StartCapture() override;
    void StopCapture() override;
    void SetFormat(qint32 formatDescriptor, qint32 formatUnit) override;
    QByteArray GetBlock() override;
    QByteArray GetPartialBlock() override;
    qint32 DurationToLength(qint32 milliseconds) const override;
    qint32 SamplesToMilliseconds(qint32 samples) const override;
    QVector<qint16> GetDisplayData(qint32 count) const override;
    qint32 BlockLength() const override { return m_blockLength; }
    void setBlockLength(qint32 frames) override;
    void setTimerInterval(qint32 milliseconds) override;
    void setSoundWanted(bool wanted) override;
    int timerInterval() const { return m_tick.interval(); }
    // Without a display, GetDisplayData() returns nothing and capturing
    // costs less.
    void setDisplayKept(bool kept) { m_capture.setDisplayKept(kept); }
    qint32 CaptureStatus() const override { return m_status; }

    bool ServerConnected() const override { return m_server.isConnected(); }

    qint32 DeviceCount() const override { return qint32(m_devices.size()); }
    QString DeviceName() const override;
    qint32 DeviceIndex() const override { return m_device; }
    void setDeviceIndex(qint32 index) override;
    bool DeviceValid() const override;
    qint32 DefaultDeviceIndex() const override;
    qint32 DefaultSourceIndex() const override;
    DeviceSnapshot devices() const override;

    qint32 SourceCount() const override;
    QString SourceName() const override;
    qint32 SourceIndex() const override { return m_line; }
    void setSourceIndex(qint32 index) override;
    bool HasVolume() const override;
    qint32 Volume() const override;
    void setVolume(qint32 volume) override;
    bool HasBalance() const override;
    qint32 Balance() const override;
    void setBalance(qint32 balance) override;
    bool SourceSelected() const override;
    void setSourceSelected(bool selected) override;
    qint32 SourceRate() const override;
    qint32 convertedFromRate() const override { return m_capturing && !m_waiting ? m_capture.convertedFrom() : 0; }

    qint64 holeFrames() const override { return m_holeFrames; }
    qint64 lostFrames() const override { return m_lostFrames; }
    qint64 lostFramesAgo() const override { return m_lossAt < 0 ? 0 : std::max<qint64>(0, m_frames - m_lossAt); }
    QString lastError() const override { return m_lastError; }
    qint32 SourceStream() const override;
    QString WaitingFor() const override { return m_waiting ? m_captureLine.application : QString(); }
    CaptureClock captureClock() const override;

    // The server's name of the source the current device records from.
    QString captureSourceName() const;

private:
    void onServerState();
    void onConnectionLost(const QString &reason);
    void onTick();
    void absorb(PulseCapture::Taken &&taken);
    void deliverBlocks();
    void failCapture(int number, const QString &reason);
    bool startOn(const SourceLine &line, QString *error);
    void followApplication(bool streamEnded = false);
    void finishCapture();
    [[noreturn]] void fail(int number, const QString &description) const;

    void watchGraph(bool soundCame);
    bool playedOnlyByPulseClients() const;
    const CaptureDevice *currentDevice() const;
    const SourceLine *currentLine() const;          // nullptr at "one past the end"
    const ServerSource &currentSource() const;      // throws when there is none
    int selectedLine(int device) const;
    qint64 blockBytes() const;

    PulseServer m_server;
    PulseCapture m_capture;
    QTimer m_tick;

    QList<CaptureDevice> m_devices;
    int m_device = 0;                           // -1 while the chosen device is gone
    QString m_deviceName;                       // the chosen device: followed when the list changes
    int m_line = 0;
    QHash<QString, QString> m_chosenLine;       // device name -> line the user made the input
    QHash<QString, pa_cvolume> m_knownVolumes;  // source -> last volume seen or written, per channel

    WaveFormat m_format;                        // for the next capture
    WaveFormat m_captureFormat;                 // of the running or last capture
    qint32 m_blockLength = 0;                   // frames; 0: one second

    bool m_connected = false;                   // as last told by ServerConnectionChanged
    bool m_capturing = false;
    SourceLine m_captureLine;                   // what the running capture records from
    bool m_waiting = false;                     // for the application's next stream
    bool m_soundWanted = true;                  // until the capture stops; kept when it follows an application
    qint32 m_status = 0;
    qint64 m_frames = 0;
    int m_peakLeft = 0;
    int m_peakRight = 0;
    qint64 m_holeFrames = 0;
    qint64 m_lostFrames = 0;
    qint64 m_lossAt = -1;   // in frames since the capture began
    qint64 m_streamStart = 0;   // m_frames when the running stream began (an application's next one)
    CaptureClock m_clock;
    // A sink's monitor on PipeWire is written a graph cycle late when the
    // sink drives its graph; the graph is watched for that once the clock is
    // asked for (two captures put in step), until the capture ends.
    quint32 m_monitorNode = PA_INVALID_INDEX;
    mutable std::unique_ptr<PipeWireGraph> m_graph;
    mutable bool m_graphAsked = false;
    mutable QElapsedTimer m_graphSince;
    // What a capture of a monitor or an application records on PipeWire is
    // played by the graph's own players: when no sound comes, the daemon is
    // asked whether they ran (see PipeWireGraph).
    bool m_playedOnGraph = false;
    std::unique_ptr<PipeWireGraph> m_stillProbe;
    QElapsedTimer m_silentFor;
    QString m_lastError;
    QByteArray m_assembling;                    // captured, not yet handed out
    qint64 m_blockTaken = 0;                    // bytes of the block in progress already handed out
    qint32 m_blockNumber = 0;
    std::optional<QByteArray> m_eventBlock;     // the block of the EndArrayRecord being raised
    QList<QByteArray> m_afterStop;              // what StopCapture left for GetBlock
};
