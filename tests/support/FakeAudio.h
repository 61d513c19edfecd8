#pragma once

// Doubles of the audio components and the media player, for window tests.

#include "media/MediaPlayer.h"
#include "recorder/AudioDisplay.h"
#include "engine/AudioFailure.h"
#include "engine/AudioFile.h"
#include "engine/AudioRecord.h"
#include "engine/WaveFormat.h"

#include <QStringList>
#include <QWidget>

#include <optional>

// AudioRecord::devices() for FakeRecorder, whose list of made-up devices has
// that name: through an AudioRecord it answers with snapshot().
class FakeSnapshotRecorder : public AudioRecord
{
public:
    using AudioRecord::AudioRecord;
    DeviceSnapshot devices() const final { return snapshot(); }
    virtual DeviceSnapshot snapshot() const = 0;
};

// A recorder whose devices and lines are made up by the test. Every call is
// logged by name, so tests can check the order of calls (devices() moves no
// cursor and is not logged).
class FakeRecorder : public FakeSnapshotRecorder
{
public:
    struct Line
    {
        QString name;
        bool hasVolume = true;
        qint32 volume = 65535;
        bool hasBalance = true;
        qint32 balance = 50;
        qint32 stream = -1;   // an application's line: its stream number
    };
    struct Device
    {
        QString name;
        bool valid = true;
        QList<Line> lines;
        int selected = 0;
    };

    QList<Device> devices;
    CaptureClock clock;             // what captureClock() reports
    CaptureClock captureClock() const override { return clock; }
    int device = 0;
    int line = 0;
    mutable QStringList log;
    bool capturing = false;
    qint32 status = 0;
    qint32 statusOnStart = 0;       // what CaptureStatus becomes at StartCapture
    QString errorOnStart;           // lastError then
    WaveFormat format;
    qint32 blockLength = 0;
    std::optional<QByteArray> eventBlock;
    QList<QByteArray> pending;      // what StopCapture leaves for GetBlock
    QVector<qint16> display{0, 0};
    qint32 acceptBalanceUpTo = 100; // larger balances are refused
    bool connected = true;
    int defaultDevice = -1;         // where the server's default source is listed
    int defaultLine = -1;

    // The server's devices change: like the real recorder, the chosen device
    // is followed by its name (-1 while it is gone), then DevicesChanged.
    void changeDevices(const QList<Device> &now)
    {
        const QString chosen = device >= 0 && device < devices.size() ? devices[device].name : QString();
        devices = now;
        device = -1;
        for (int i = 0; i < devices.size(); ++i)
            if (devices[i].name == chosen)
                device = i;
        emit DevicesChanged();
    }
    // The server goes away (all devices with it) or comes back with these.
    void setConnected(bool on, const QList<Device> &now = {})
    {
        connected = on;
        if (!on && capturing) {
            capturing = false;
            status = -1;
            emit CaptureError(AudioFailure::NotConnected, QStringLiteral("The connection to the sound server was lost."));
        }
        changeDevices(now);
        emit ServerConnectionChanged(on);
    }

    // Raises EndArrayRecord with this block, as the real recorder does.
    void deliver(const QByteArray &block, qint32 n = 1)
    {
        eventBlock = block;
        emit EndArrayRecord(n);
        eventBlock.reset();
    }
    void tick(qint32 samples) { emit Timer(samples, 1000, 1000); }

    void StartCapture() override
    {
        log << QStringLiteral("StartCapture");
        pending.clear();
        soundWanted = true;
        status = connected && device >= 0 && device < devices.size() ? statusOnStart : -1;
        capturing = status >= 0;
        if (capturing)
            capturedFrom = devices[device].name;
    }
    QString capturedFrom;   // the device the last capture started on
    void StopCapture() override
    {
        log << QStringLiteral("StopCapture");
        capturing = false;
    }
    void SetFormat(qint32 d, qint32 u) override
    {
        log << QStringLiteral("SetFormat %1 %2").arg(d).arg(u);
        format = WaveFormat::fromDescriptor(d);
    }
    QByteArray partial;             // what GetPartialBlock hands out next
    QByteArray GetPartialBlock() override
    {
        log << QStringLiteral("GetPartialBlock");
        return capturing ? std::exchange(partial, QByteArray()) : QByteArray();
    }
    QByteArray GetBlock() override
    {
        if (eventBlock)
            return *std::exchange(eventBlock, std::nullopt);
        if (!capturing && !pending.isEmpty())
            return pending.takeFirst();
        return {};
    }
    qint32 DurationToLength(qint32 ms) const override { return qint32(qint64(ms) * format.sampleRate / 1000); }
    qint32 SamplesToMilliseconds(qint32 s) const override { return qint32(qint64(s) * 1000 / format.sampleRate); }
    QVector<qint16> GetDisplayData(qint32) const override { return display; }
    qint32 BlockLength() const override { return blockLength; }
    qint32 timerInterval = 40;
    QString waitingFor;   // the application a capture waits for
    QString WaitingFor() const override { return waitingFor; }
    qint32 SourceStream() const override { return -1; }
    void setTimerInterval(qint32 ms) override { timerInterval = ms; }
    bool soundWanted = true;
    void setSoundWanted(bool wanted) override { soundWanted = wanted; }
    void setBlockLength(qint32 f) override
    {
        log << QStringLiteral("BlockLength %1").arg(f);
        blockLength = f;
    }
    qint32 CaptureStatus() const override { return status; }

    qint32 DeviceCount() const override { return qint32(devices.size()); }
    QString DeviceName() const override { return dev().name; }
    qint32 DeviceIndex() const override { return device; }
    void setDeviceIndex(qint32 i) override
    {
        log << QStringLiteral("DeviceIndex %1").arg(i);
        if (i < 0 || i > devices.size())
            throw AudioFailure(AudioFailure::NoSuchDevice, QStringLiteral("no device %1").arg(i));
        device = i;
        line = 0;
    }
    bool DeviceValid() const override { return device >= 0 && device < devices.size() && devices[device].valid; }
    qint32 DefaultDeviceIndex() const override { return defaultDevice; }
    qint32 DefaultSourceIndex() const override { return defaultLine; }
    DeviceSnapshot snapshot() const override
    {
        DeviceSnapshot out{{}, defaultDevice, defaultLine, {}};
        for (int d = 0; d < devices.size(); ++d) {
            if (!devices[d].valid)
                continue;
            CaptureDeviceInfo info{devices[d].name, d, {}};
            for (int l = 0; l < devices[d].lines.size(); ++l)
                info.lines.append({devices[d].lines[l].name, devices[d].lines[l].name, deviceRate, devices[d].lines[l].stream,
                                   devices[d].selected == l});
            out.devices.append(info);
        }
        return out;
    }
    bool ServerConnected() const override { return connected; }
    qint32 deviceRate = 0;
    qint32 convertedFrom = 0;
    qint32 SourceRate() const override { return deviceRate; }
    qint32 convertedFromRate() const override { return convertedFrom; }
    qint32 SourceCount() const override
    {
        return device >= 0 && device < devices.size() ? qint32(devices[device].lines.size()) : 0;
    }
    QString SourceName() const override { return ln().name; }
    qint32 SourceIndex() const override { return line; }
    void setSourceIndex(qint32 i) override
    {
        if (i < 0 || i > SourceCount())
            throw AudioFailure(AudioFailure::NoSuchDevice, QStringLiteral("no line %1").arg(i));
        line = i;
    }
    bool HasVolume() const override { return line < SourceCount() && ln().hasVolume; }
    qint32 Volume() const override { return ln().volume; }
    void setVolume(qint32 v) override
    {
        log << QStringLiteral("Volume %1 %2").arg(line).arg(v);
        lnMut().volume = v;
    }
    bool HasBalance() const override { return line < SourceCount() && ln().hasBalance; }
    qint32 Balance() const override { return ln().balance; }
    void setBalance(qint32 b) override
    {
        log << QStringLiteral("Balance %1 %2").arg(line).arg(b);
        if (b > acceptBalanceUpTo)
            throw AudioFailure(AudioFailure::InvalidArgument, QStringLiteral("balance refused"));
        lnMut().balance = b;
    }
    bool SourceSelected() const override { return line < SourceCount() && devices[device].selected == line; }
    void setSourceSelected(bool on) override
    {
        log << QStringLiteral("Selected %1 %2").arg(device).arg(line);
        ln();
        if (on)
            devices[device].selected = line;
        if (on && capturing)
            capturedFrom = devices[device].name;   // a running capture follows the choice
    }
    qint64 holes = 0;
    qint64 lost = 0;
    qint64 holeFrames() const override { return holes; }
    qint64 lostFrames() const override { return lost; }
    qint64 lostAgo = 0;
    qint64 lostFramesAgo() const override { return lostAgo; }
    QString lastError() const override { return status < 0 ? errorOnStart : QString(); }

    void fail(const QString &why) { emit CaptureError(AudioFailure::CaptureFailed, why); }

private:
    const Device &dev() const
    {
        if (device < 0 || device >= devices.size())
            throw AudioFailure(AudioFailure::NoSuchDevice, QStringLiteral("no device"));
        return devices[device];
    }
    const Line &ln() const
    {
        const Device &d = dev();
        if (line >= d.lines.size())
            throw AudioFailure(AudioFailure::NoSuchDevice, QStringLiteral("no line"));
        return d.lines[line];
    }
    Line &lnMut() { return const_cast<Line &>(ln()); }
};

// A file writer that keeps what it is given in memory.
class FakeFile : public AudioFile
{
public:
    WaveFormat format;
    QString path;
    bool open = false;
    QList<QByteArray> written;
    int closes = 0;
    bool failCreate = false;
    int failWritesAfter = -1;   // the write after this many blocks throws

    void CloseFile() override
    {
        if (open)
            ++closes;
        open = false;
    }
    void CreateWaveFile(const QString &p, qint32) override
    {
        path = p;
        if (failCreate)
            throw AudioFailure(AudioFailure::SystemBase + 2, QStringLiteral("No such file or directory: %1").arg(p));
        open = true;
        written.clear();
    }
    void WriteBlock(const QByteArray &block) override
    {
        if (!open)
            throw AudioFailure(AudioFailure::FileNotOpen, QStringLiteral("no file"));
        if (failWritesAfter >= 0 && written.size() >= failWritesAfter)
            throw AudioFailure(AudioFailure::SystemBase + 28, QStringLiteral("No space left on device"));
        written << block;
    }
    void SetWaveFormat(const WaveFormat &f) override
    {
        if (!f.isValid())
            throw AudioFailure(AudioFailure::InvalidArgument, QStringLiteral("bad format"));
        format = f;
    }
    qint32 OpenStatus() const override { return open ? 0 : -1; }
    quint64 dataBytes() const override { return open ? quint64(all().size()) : 0; }
    quint64 fileBytes() const override { return open ? 44 + dataBytes() : 0; }
    WaveFormat waveFormat() const override { return format; }
    FileType type = FileType::Wav;
    Quality squeeze = Quality::Music;
    void SetFileType(FileType t, Quality q) override
    {
        if (const QString why = fileTypes::whyNot(t, format); !why.isEmpty())
            throw AudioFailure(AudioFailure::InvalidArgument, why);
        type = t;
        squeeze = q;
    }
    FileType fileType() const override { return type; }
    Quality quality() const override { return squeeze; }
    QList<Recovered> recovered;   // what RecoverInterrupted reports, once
    QList<Recovered> RecoverInterrupted() override { return std::exchange(recovered, {}); }
    QByteArray all() const
    {
        QByteArray out;
        for (const auto &b : written)
            out += b;
        return out;
    }
};

class FakeDisplay : public QWidget, public AudioDisplay
{
public:
    using QWidget::QWidget;
    qint32 style = 0;
    int shown = 0;
    void ShowSamples(const QVector<qint16> &) override { ++shown; }
    qint32 DisplayStyle() const override { return style; }
    void setDisplayStyle(qint32 s) override { style = s; }
    QList<WaveFormat> formats;   // every format told, in order
    void SetWaveFormat(const WaveFormat &f) override { formats << f; }
};

class FakePlayer : public QWidget, public MediaPlayer
{
public:
    using QWidget::QWidget;
    QStringList log;
    qint32 volume = 0;
    bool autoplay = false;
    QString name;
    void setOutputVolume(qint32 v) override { volume = v; log << QStringLiteral("OutputVolume %1").arg(v); }
    qint32 outputVolume() const override { return volume; }
    void setAutoPlay(bool on) override { autoplay = on; log << QStringLiteral("AutoPlay %1").arg(on); }
    bool autoPlay() const override { return autoplay; }
    bool tellsPlayback = false;   // Play (and a name with AutoPlay) tell Starting, HaltPlayback Stopped
    void setMediaFileName(const QString &n) override
    {
        name = n;
        log << QStringLiteral("MediaFileName ") + n;
        if (tellsPlayback && autoplay)
            news(PlaybackNews::Kind::Starting);
    }
    QString mediaFileName() const override { return name; }
    void Play() override
    {
        log << QStringLiteral("Play");
        if (tellsPlayback)
            news(PlaybackNews::Kind::Starting);
    }
    void OpenMedia(const QString &u) override { name = u; log << QStringLiteral("OpenMedia ") + u; }
    void HaltPlayback() override
    {
        log << QStringLiteral("HaltPlayback");
        if (tellsPlayback)
            news(PlaybackNews::Kind::Stopped);
    }
    QWidget *widget() override { return this; }
    // Tells the window about playback, as the real player does.
    void news(PlaybackNews::Kind kind, qint64 durationMs = 0) const { tell({kind, name, 0, durationMs}); }
};
