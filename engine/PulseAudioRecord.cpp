#include "engine/PulseAudioRecord.h"

#include "engine/AudioFailure.h"
#include "engine/PulseVolume.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

PulseAudioRecord::PulseAudioRecord(QObject *parent) : AudioRecord(parent), m_capture(m_server)
{
    m_tick.setInterval(TimerIntervalMs);
    connect(&m_tick, &QTimer::timeout, this, &PulseAudioRecord::onTick);
    connect(&m_server, &PulseServer::stateChanged, this, &PulseAudioRecord::onServerState);
    connect(&m_server, &PulseServer::connectionLost, this, &PulseAudioRecord::onConnectionLost);
    // The windows list the devices right after creating the recorder, so wait
    // (briefly) for the server's answer; without a server we start empty and
    // the devices appear when it does.
    if (m_server.waitUntilReady(ServerTimeoutMs))
        onServerState();
}

PulseAudioRecord::~PulseAudioRecord()
{
    m_tick.stop();
    m_capture.stop();
}

void PulseAudioRecord::fail(int number, const QString &description) const
{
    throw AudioFailure(number, description);
}

// ---------------------------------------------------------------- server state

void PulseAudioRecord::onServerState()
{
    const ServerState &state = m_server.state();
    const QList<CaptureDevice> before = m_devices;
    m_devices = mapDevices(state);

    if (m_deviceName.isEmpty() && before.isEmpty()) {
        // First sight of the devices: start on the one the server records from by default.
        const LinePosition def = findDefaultLine(m_devices, state);
        m_device = def.device >= 0 ? def.device : 0;
        m_line = 0;
        if (m_device < m_devices.size())
            m_deviceName = m_devices[m_device].name;
    } else if (!m_deviceName.isEmpty()) {
        // The chosen device by its name, wherever it now stands; gone, it is
        // nowhere, and no other device takes its place unasked.
        m_device = -1;
        for (int d = 0; d < m_devices.size(); ++d)
            if (m_devices[d].name == m_deviceName)
                m_device = d;
    }

    // A volume that changed without us having written it was changed by
    // someone else (a mixer): tell the program about the recording line.
    QString watched;
    if (const CaptureDevice *dev = currentDevice()) {
        const int line = selectedLine(m_device);
        if (line >= 0)
            watched = dev->lines[line].sourceName;
    }
    // Each channel counts: a mixer that moves the balance alone changes the
    // line as much as one that moves its volume.
    QHash<QString, pa_cvolume> volumes;
    for (const auto &s : state.sources)
        volumes.insert(s.name, s.volume);
    const auto known = m_knownVolumes.constFind(watched);
    const auto now = volumes.constFind(watched);
    const bool changed = !watched.isEmpty() && known != m_knownVolumes.cend() && now != volumes.cend()
                         && !pa_cvolume_equal(&*known, &*now);
    m_knownVolumes = volumes;
    if (changed)
        emit GainChange(PulseVolume::levelOf(volumes.value(watched)));

    auto shape = [](const QList<CaptureDevice> &list) {
        QStringList names;
        for (const auto &d : list) {
            names << d.name;
            for (const auto &l : d.lines)
                names << QLatin1Char(' ') + l.name;
        }
        return names;
    };
    followApplication();
    if (shape(before) != shape(m_devices))
        emit DevicesChanged();
    if (m_server.isConnected() != m_connected) {
        m_connected = m_server.isConnected();
        emit ServerConnectionChanged(m_connected);
    }
}

void PulseAudioRecord::onConnectionLost(const QString &reason)
{
    if (m_capturing)
        failCapture(AudioFailure::NotConnected,
                    QCoreApplication::translate("PulseAudioRecord", "The connection to the sound server was lost (%1).").arg(reason));
}

// --------------------------------------------------------------------- capture

void PulseAudioRecord::SetFormat(qint32 formatDescriptor, qint32 formatUnit)
{
    const WaveFormat f = WaveFormat::fromDescriptor(formatDescriptor);
    if (!f.isValid() || formatUnit != f.bytesPerFrame())
        fail(AudioFailure::InvalidArgument, QCoreApplication::translate("PulseAudioRecord", "Unsupported recording format."));
    m_format = f;
    if (!m_capturing)
        m_captureFormat = f;
}

void PulseAudioRecord::setBlockLength(qint32 frames)
{
    if (frames <= 0)
        fail(AudioFailure::InvalidArgument, QCoreApplication::translate("PulseAudioRecord", "The block length must be positive."));
    m_blockLength = frames;
}

qint64 PulseAudioRecord::blockBytes() const
{
    const qint64 frames = m_blockLength > 0 ? m_blockLength : m_captureFormat.sampleRate;
    return frames * m_captureFormat.bytesPerFrame();
}

qint32 PulseAudioRecord::DurationToLength(qint32 milliseconds) const
{
    const qint64 frames = qint64(milliseconds) * m_format.sampleRate / 1000;
    return qint32(std::clamp<qint64>(frames, 0, std::numeric_limits<qint32>::max()));
}

qint32 PulseAudioRecord::SamplesToMilliseconds(qint32 samples) const
{
    const qint64 ms = qint64(samples) * 1000 / m_captureFormat.sampleRate;
    return qint32(std::clamp<qint64>(ms, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

void PulseAudioRecord::StartCapture()
{
    if (m_capturing)
        finishCapture();
    m_afterStop.clear();
    m_assembling.clear();
    m_blockTaken = 0;
    m_eventBlock.reset();
    m_frames = 0;
    m_peakLeft = m_peakRight = 0;
    m_blockNumber = 0;
    m_holeFrames = m_lostFrames = 0;
    m_lossAt = -1;
    m_clock = {};
    m_lastError.clear();
    m_status = -1;
    m_soundWanted = true;

    const CaptureDevice *dev = currentDevice();
    const int line = dev ? selectedLine(m_device) : -1;
    if (!dev || line < 0) {
        m_lastError = m_server.isConnected() ? QCoreApplication::translate("PulseAudioRecord", "This device has nothing to record from.")
                                             : QCoreApplication::translate("PulseAudioRecord", "There is no connection to the sound server.");
        return;
    }
    m_captureFormat = m_format;
    QString error;
    if (!startOn(dev->lines[line], &error)) {
        m_lastError = error;
        return;
    }
    m_status = 0;
    m_capturing = true;
    m_tick.start();
}

bool PulseAudioRecord::startOn(const SourceLine &line, QString *error)
{
    if (!m_capture.start(line.sourceName, m_captureFormat, error, ServerTimeoutMs, line.stream))
        return false;
    if (!m_soundWanted)
        m_capture.setSoundWanted(false);
    m_captureLine = line;
    m_waiting = false;
    m_streamStart = m_frames;
    const ServerSource *source = m_server.state().source(line.sourceName);
    m_monitorNode = source && line.stream == PA_INVALID_INDEX ? source->graphNode : PA_INVALID_INDEX;
    m_playedOnGraph = source && source->graphNode != PA_INVALID_INDEX;
    m_stillProbe.reset();
    m_silentFor.start();
    return true;
}

// When no sound has come for a while, PipeWire's daemon is asked whether it
// runs. When sound comes again, the players stood still if the daemon did
// not answer at once (SIGSTOP, a machine starved of time), or if it did, but
// every player was a client of its pulse server, which stood still with them:
// then the time they stood is no sound missing from the take. Otherwise what
// the graph played meanwhile is lost.
void PulseAudioRecord::watchGraph(bool soundCame)
{
    if (!m_playedOnGraph || !m_soundWanted)
        return;
    if (!soundCame) {
        if (!m_stillProbe && m_silentFor.elapsed() >= SilentProbeMs && (m_stillProbe = PipeWireGraph::connect(false)))
            m_stillProbe->askAlive();
        return;
    }
    m_silentFor.restart();
    if (m_stillProbe && (!m_stillProbe->answeredWithin(std::chrono::milliseconds(AnswerMs)) || playedOnlyByPulseClients()))
        m_capture.notePlayersStoodStill();
    m_stillProbe.reset();
}

// Every stream that plays what the capture records (into the monitored sink,
// or the application's own) is a client of the pulse server; a sink that
// nothing plays into plays silence.
bool PulseAudioRecord::playedOnlyByPulseClients() const
{
    const ServerState &state = m_server.state();
    const ServerSource *source = state.source(m_captureLine.sourceName);
    if (!source || source->monitorOfSink == PA_INVALID_INDEX)
        return false;
    for (const ServerStream &st : state.streams) {
        const bool plays = m_captureLine.stream != PA_INVALID_INDEX ? st.index == m_captureLine.stream
                                                                     : st.sink == source->monitorOfSink;
        if (plays && !st.pulseClient)
            return false;
    }
    return true;
}

AudioRecord::CaptureClock PulseAudioRecord::captureClock() const
{
    if (m_clock.frame < 0 || m_monitorNode == PA_INVALID_INDEX)
        return m_clock;
    if (!m_capturing)
        return {};   // the last reading was told while it ran
    if (!m_graphAsked) {
        m_graphAsked = true;
        m_graph = PipeWireGraph::connect();
        m_graphSince.start();
    }
    if (!m_graph)
        return m_clock;
    // Unknown until the graph has said who drives it (within about a second):
    // a clock corrected later would move the sound a cycle.
    if (!m_graph->heard())
        return m_graphSince.elapsed() < GraphWaitMs ? CaptureClock{} : m_clock;
    return {m_clock.frame, m_clock.us - m_graph->cycleUsDrivenBy(m_monitorNode)};
}

// An application's capture goes with the application: when its stream ends
// the capture waits, and the next stream of the same application (on any
// output) takes up where it stopped. What has been captured stays in order.
// streamEnded: the capture has just lost the stream, whatever the list says.
void PulseAudioRecord::followApplication(bool streamEnded)
{
    if (!m_capturing || m_captureLine.kind != SourceLine::Application)
        return;
    const ServerState &state = m_server.state();
    const auto playing = [&](const ServerStream &st) {
        return SourceLine::applicationIdentity(st.application, st.binary) == m_captureLine.identity();
    };
    if (!m_waiting) {
        for (const auto &st : state.streams)
            if (!streamEnded && st.index == m_captureLine.stream && playing(st))
                return;   // still there
        m_capture.stop();
        absorb(m_capture.take());
        m_waiting = true;
    }
    for (const auto &st : state.streams) {
        if (!playing(st))
            continue;
        for (const auto &sink : state.sinks) {
            if (sink.index != st.sink || sink.monitorSource.isEmpty())
                continue;
            SourceLine next = m_captureLine;
            next.sourceName = sink.monitorSource;
            next.stream = st.index;
            next.name = applicationLineName(st);
            QString error;
            if (startOn(next, &error))
                return;
        }
    }
}

void PulseAudioRecord::setTimerInterval(qint32 milliseconds)
{
    m_tick.setInterval(std::clamp(milliseconds, 10, 1000));
    // Nobody looks at where the server stands more often than Timer comes.
    m_capture.setTimingInterval(m_tick.interval());
}

void PulseAudioRecord::setSoundWanted(bool wanted)
{
    if (!m_capturing || wanted == m_soundWanted)
        return;
    m_soundWanted = wanted;
    m_capture.setSoundWanted(wanted);
    // Sound held back is no silence of the players.
    m_stillProbe.reset();
    m_silentFor.restart();
}

void PulseAudioRecord::StopCapture()
{
    if (m_capturing)
        finishCapture();
}

void PulseAudioRecord::finishCapture()
{
    m_tick.stop();
    m_capture.stop();
    absorb(m_capture.take());
    m_capturing = false;
    m_graph.reset();
    m_graphAsked = false;
    m_stillProbe.reset();
    m_waiting = false;
    // Whole blocks first, then the tail, in the order they were captured.
    qint64 size = blockBytes() - m_blockTaken;   // the rest of the block in progress first
    for (qint64 at = 0; at < m_assembling.size(); at += size, size = blockBytes())
        m_afterStop.append(m_assembling.mid(at, size));
    m_assembling.clear();
    m_blockTaken = 0;
}

void PulseAudioRecord::failCapture(int number, const QString &reason)
{
    finishCapture();
    m_status = -1;
    m_lastError = reason;
    emit CaptureError(number, reason);
}

void PulseAudioRecord::absorb(PulseCapture::Taken &&taken)
{
    m_frames += taken.data.size() / m_captureFormat.bytesPerFrame();
    m_assembling.append(taken.data);
    m_peakLeft = std::max(m_peakLeft, taken.peakLeft);
    m_peakRight = std::max(m_peakRight, taken.peakRight);
    m_holeFrames = taken.holeFrames;
    m_lostFrames = taken.lostFrames;
    m_lossAt = taken.lossAt;
    if (taken.clockFrame >= 0)
        m_clock = {m_streamStart + taken.clockFrame, taken.clockUs};
}

void PulseAudioRecord::onTick()
{
    PulseCapture::Taken taken = m_capture.take();
    if (m_capturing && !m_waiting)
        watchGraph(!taken.data.isEmpty());
    const bool failed = taken.failed;
    const int number = taken.deviceRemoved ? AudioFailure::DeviceRemoved : AudioFailure::CaptureFailed;
    const QString error = taken.error;
    absorb(std::move(taken));
    deliverBlocks();
    if (!m_capturing)
        return;   // a handler stopped the capture
    // An application's stream that ends is no failure: its next one is waited for.
    const bool streamEnded = failed && m_captureLine.kind == SourceLine::Application && !m_waiting
                             && number == AudioFailure::DeviceRemoved;
    if (streamEnded)
        followApplication(true);
    emit Timer(qint32(std::min<qint64>(m_frames, std::numeric_limits<qint32>::max())), m_peakLeft, m_peakRight);
    m_peakLeft = m_peakRight = 0;
    if (failed && !streamEnded && m_capturing && !m_waiting)
        failCapture(number, error);
}

void PulseAudioRecord::deliverBlocks()
{
    // Handlers may stop or restart the capture; check again after each one.
    // A block is complete when a block length has been captured since the
    // last one, however much of it was handed out early.
    while (m_capturing && m_blockTaken + m_assembling.size() >= blockBytes()) {
        const qint64 size = blockBytes() - m_blockTaken;
        m_eventBlock = m_assembling.left(size);
        m_assembling.remove(0, size);
        m_blockTaken = 0;
        emit EndArrayRecord(++m_blockNumber);
        m_eventBlock.reset();   // not fetched: dropped
    }
}

QByteArray PulseAudioRecord::GetBlock()
{
    if (m_eventBlock) {
        QByteArray block = std::move(*m_eventBlock);
        m_eventBlock.reset();
        return block;
    }
    if (!m_capturing && !m_afterStop.isEmpty())
        return m_afterStop.takeFirst();
    return {};
}

QByteArray PulseAudioRecord::GetPartialBlock()
{
    if (!m_capturing || m_eventBlock)
        return {};
    // Everything the server has delivered up to now, not only what the last
    // tick collected.
    absorb(m_capture.take());
    QByteArray part = std::exchange(m_assembling, QByteArray());
    // Block boundaries stay where they were; a boundary inside this part has
    // been passed (that block raises no EndArrayRecord), and what follows it
    // belongs to the block in progress.
    m_blockTaken = (m_blockTaken + part.size()) % std::max<qint64>(blockBytes(), 1);
    return part;
}

QVector<qint16> PulseAudioRecord::GetDisplayData(qint32 count) const
{
    // Waiting for an application, nothing is heard: the display falls silent
    // rather than hold the application's last sound.
    if (m_waiting)
        return {};
    return m_capture.displayData(count);
}

// --------------------------------------------------------------------- devices

const CaptureDevice *PulseAudioRecord::currentDevice() const
{
    return m_device >= 0 && m_device < m_devices.size() ? &m_devices[m_device] : nullptr;
}

const SourceLine *PulseAudioRecord::currentLine() const
{
    const CaptureDevice *dev = currentDevice();
    return dev && m_line >= 0 && m_line < dev->lines.size() ? &dev->lines[m_line] : nullptr;
}

const ServerSource &PulseAudioRecord::currentSource() const
{
    const SourceLine *line = currentLine();
    if (!line)
        fail(AudioFailure::NoSuchDevice, QCoreApplication::translate("PulseAudioRecord", "There is no such source line."));
    const ServerSource *source = m_server.state().source(line->sourceName);
    if (!source)
        fail(AudioFailure::NoSuchDevice, QCoreApplication::translate("PulseAudioRecord", "The source line %1 is gone.").arg(line->name));
    return *source;
}

int PulseAudioRecord::selectedLine(int device) const
{
    if (device < 0 || device >= m_devices.size())
        return -1;
    const CaptureDevice &dev = m_devices[device];
    const QString chosen = m_chosenLine.value(dev.name);
    for (int l = 0; l < dev.lines.size(); ++l)
        if (dev.lines[l].identity() == chosen)
            return l;
    return initialLine(m_devices, device, m_server.state());
}

QString PulseAudioRecord::captureSourceName() const
{
    const int line = selectedLine(m_device);
    return line >= 0 ? m_devices[m_device].lines[line].sourceName : QString();
}

QString PulseAudioRecord::DeviceName() const
{
    const CaptureDevice *dev = currentDevice();
    if (!dev)
        fail(AudioFailure::NoSuchDevice, QCoreApplication::translate("PulseAudioRecord", "There is no such device."));
    return dev->name;
}

void PulseAudioRecord::setDeviceIndex(qint32 index)
{
    if (index < 0 || index > DeviceCount())
        fail(AudioFailure::NoSuchDevice, QCoreApplication::translate("PulseAudioRecord", "There is no device %1.").arg(index));
    m_device = index;
    m_deviceName = index < m_devices.size() ? m_devices[index].name : QString();
    m_line = 0;
}

bool PulseAudioRecord::DeviceValid() const
{
    const CaptureDevice *dev = currentDevice();
    return dev && !dev->lines.isEmpty();
}

qint32 PulseAudioRecord::DefaultDeviceIndex() const
{
    return findDefaultLine(m_devices, m_server.state()).device;
}

qint32 PulseAudioRecord::DefaultSourceIndex() const
{
    return findDefaultLine(m_devices, m_server.state()).line;
}

DeviceSnapshot PulseAudioRecord::devices() const
{
    const ServerState &state = m_server.state();
    DeviceSnapshot snapshot;
    for (int d = 0; d < m_devices.size(); ++d) {
        const CaptureDevice &dev = m_devices[d];
        if (dev.lines.isEmpty())
            continue;   // not valid: nothing to record from
        CaptureDeviceInfo info{dev.name, qint32(d), {}};
        const int selected = selectedLine(d);
        for (int l = 0; l < dev.lines.size(); ++l) {
            const SourceLine &line = dev.lines[l];
            const ServerSource *source = state.source(line.sourceName);
            // What the computer plays: the Stereo Mix of the default output.
            if (line.kind == SourceLine::PlaybackMix)
                for (const ServerSink &sink : state.sinks)
                    if (sink.name == state.defaultSink && sink.monitorSource == line.sourceName)
                        snapshot.defaultMix = {qint32(d), qint32(l)};
            info.lines.append({line.name, line.identity(), source ? qint32(source->rate) : 0,
                               line.kind == SourceLine::Application ? qint32(line.stream) : -1, l == selected});
        }
        snapshot.devices.append(info);
    }
    const LinePosition def = findDefaultLine(m_devices, state);
    snapshot.defaultDevice = def.device;
    snapshot.defaultLine = def.line;
    return snapshot;
}

qint32 PulseAudioRecord::SourceCount() const
{
    const CaptureDevice *dev = currentDevice();
    return dev ? qint32(dev->lines.size()) : 0;
}

QString PulseAudioRecord::SourceName() const
{
    const SourceLine *line = currentLine();
    if (!line)
        fail(AudioFailure::NoSuchDevice, QCoreApplication::translate("PulseAudioRecord", "There is no such source line."));
    return line->name;
}

void PulseAudioRecord::setSourceIndex(qint32 index)
{
    if (index < 0 || index > SourceCount())
        fail(AudioFailure::NoSuchDevice, QCoreApplication::translate("PulseAudioRecord", "There is no source line %1.").arg(index));
    m_line = index;
}

bool PulseAudioRecord::HasVolume() const
{
    const SourceLine *line = currentLine();
    return line && m_server.state().source(line->sourceName);
}

qint32 PulseAudioRecord::Volume() const
{
    return PulseVolume::levelOf(currentSource().volume);
}

void PulseAudioRecord::setVolume(qint32 volume)
{
    if (volume < 0 || volume > PulseVolume::MaxLevel)
        fail(AudioFailure::InvalidArgument, QCoreApplication::translate("PulseAudioRecord", "The volume must be between 0 and 65535."));
    const ServerSource &source = currentSource();
    const pa_cvolume target = PulseVolume::withLevel(source.volume, volume);
    const QString name = source.name;
    QString error;
    if (!m_server.setSourceVolume(name, target, &error, ServerTimeoutMs))
        fail(AudioFailure::ServerTimeout, error);
    m_knownVolumes.insert(name, target);
}

bool PulseAudioRecord::HasBalance() const
{
    const SourceLine *line = currentLine();
    const ServerSource *source = line ? m_server.state().source(line->sourceName) : nullptr;
    return source && PulseVolume::canBalance(source->channelMap);
}

qint32 PulseAudioRecord::Balance() const
{
    const ServerSource &source = currentSource();
    return PulseVolume::balanceOf(source.volume, source.channelMap);
}

void PulseAudioRecord::setBalance(qint32 balance)
{
    if (balance < 0 || balance > 100)
        fail(AudioFailure::InvalidArgument, QCoreApplication::translate("PulseAudioRecord", "The balance must be between 0 and 100."));
    const ServerSource &source = currentSource();
    if (!PulseVolume::canBalance(source.channelMap))
        fail(AudioFailure::InvalidArgument, QCoreApplication::translate("PulseAudioRecord", "This source line has no balance."));
    const pa_cvolume target = PulseVolume::withBalance(source.volume, source.channelMap, balance);
    const QString name = source.name;
    QString error;
    if (!m_server.setSourceVolume(name, target, &error, ServerTimeoutMs))
        fail(AudioFailure::ServerTimeout, error);
    m_knownVolumes.insert(name, target);
}

bool PulseAudioRecord::SourceSelected() const
{
    return currentLine() && m_line == selectedLine(m_device);
}

void PulseAudioRecord::setSourceSelected(bool selected)
{
    const SourceLine *line = currentLine();
    if (!line)
        fail(AudioFailure::NoSuchDevice, QCoreApplication::translate("PulseAudioRecord", "There is no such source line."));
    if (!selected)
        return;   // a device always records from one of its lines; choose another instead
    // Only a change of port is asked for: choosing the line already active
    // leaves the card as it is for every other program.
    const ServerSource *source = m_server.state().source(line->sourceName);
    if (!line->portName.isEmpty() && !(source && source->activePort == line->portName)) {
        QString error;
        if (!m_server.setSourcePort(line->sourceName, line->portName, &error, ServerTimeoutMs))
            fail(AudioFailure::ServerTimeout, error);
    }
    m_chosenLine.insert(m_devices[m_device].name, line->identity());

    // A running capture follows the chosen line at once, also to another
    // device, without a break in its blocks: what is chosen is what is heard.
    const SourceLine &chosen = m_devices[m_device].lines[selectedLine(m_device)];
    if (m_capturing
        && (chosen.sourceName != m_captureLine.sourceName || chosen.identity() != m_captureLine.identity())) {
        m_capture.stop();
        absorb(m_capture.take());
        QString error;
        if (!startOn(chosen, &error))
            failCapture(AudioFailure::CaptureFailed, error);
    }
}

qint32 PulseAudioRecord::SourceStream() const
{
    const SourceLine *line = currentLine();
    return line && line->kind == SourceLine::Application ? qint32(line->stream) : -1;
}

qint32 PulseAudioRecord::SourceRate() const
{
    const SourceLine *line = currentLine();
    const ServerSource *source = line ? m_server.state().source(line->sourceName) : nullptr;
    return source ? qint32(source->rate) : 0;
}
