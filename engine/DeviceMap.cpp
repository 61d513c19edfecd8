#include "engine/DeviceMap.h"

#include <QSet>

const ServerSource *ServerState::source(const QString &name) const
{
    for (const auto &s : sources)
        if (s.name == name)
            return &s;
    return nullptr;
}

QString playbackMixName(const QString &outputDescription)
{
    return QStringLiteral("Stereo Mix (%1)").arg(outputDescription);
}

QString applicationLineName(const ServerStream &stream)
{
    return stream.media.isEmpty() ? stream.application
                                  : QStringLiteral("%1: %2").arg(stream.application, stream.media);
}

namespace {

SourceLine lineOf(SourceLine::Kind kind, const QString &name, const QString &source, const QString &port = {})
{
    SourceLine line;
    line.kind = kind;
    line.name = name;
    line.sourceName = source;
    line.portName = port;
    return line;
}

QString serverName(const QString &description, const QString &name)
{
    return description.isEmpty() ? name : description;
}

void addInputLines(CaptureDevice &device, const ServerSource &source)
{
    const QString sourceName = serverName(source.description, source.name);
    if (source.ports.size() <= 1) {
        device.lines.append(lineOf(SourceLine::Input, sourceName, source.name));
        return;
    }
    for (const auto &port : source.ports)
        device.lines.append(lineOf(SourceLine::Input,
                                   QStringLiteral("%1 (%2)").arg(serverName(port.description, port.name), sourceName),
                                   source.name, port.name));
}

void addMixLine(CaptureDevice &device, const ServerSink &sink, const ServerState &state)
{
    if (sink.monitorSource.isEmpty() || !state.source(sink.monitorSource))
        return;
    device.lines.append(lineOf(SourceLine::PlaybackMix, playbackMixName(serverName(sink.description, sink.name)),
                               sink.monitorSource));
    QSet<QString> applications;
    for (const auto &stream : state.streams) {
        if (stream.sink != sink.index)
            continue;
        SourceLine line = lineOf(SourceLine::Application, applicationLineName(stream), sink.monitorSource);
        line.stream = stream.index;
        line.application = stream.application;
        line.binary = stream.binary;
        if (!applications.contains(line.identity())) {
            applications.insert(line.identity());
            device.lines.append(line);
        }
    }
}

// Lines are found by name, so two lines of one device must never share one.
void makeNamesUnique(CaptureDevice &device)
{
    QSet<QString> seen;
    for (auto &line : device.lines) {
        QString name = line.name;
        for (int n = 2; seen.contains(name); ++n)
            name = QStringLiteral("%1 %2").arg(line.name).arg(n);
        line.name = name;
        seen.insert(name);
    }
}

bool isMonitor(const ServerSource &s)
{
    return s.monitorOfSink != PA_INVALID_INDEX;
}

} // namespace

QList<CaptureDevice> mapDevices(const ServerState &state)
{
    QList<CaptureDevice> devices;

    for (const auto &card : state.cards) {
        CaptureDevice device{serverName(card.description, card.name), {}};
        for (const auto &source : state.sources)
            if (source.card == card.index && !isMonitor(source))
                addInputLines(device, source);
        for (const auto &sink : state.sinks)
            if (sink.card == card.index)
                addMixLine(device, sink, state);
        if (!device.lines.isEmpty())
            devices.append(device);
    }

    for (const auto &sink : state.sinks) {
        if (sink.card != PA_INVALID_INDEX)
            continue;
        CaptureDevice device{serverName(sink.description, sink.name), {}};
        addMixLine(device, sink, state);
        if (!device.lines.isEmpty())
            devices.append(device);
    }

    for (const auto &source : state.sources) {
        if (source.card != PA_INVALID_INDEX || isMonitor(source))
            continue;
        CaptureDevice device{serverName(source.description, source.name), {}};
        addInputLines(device, source);
        devices.append(device);
    }

    // A card's monitor source can belong to a sink we have not been told
    // about (lists arrive separately); such a monitor is simply not listed.
    for (auto &device : devices)
        makeNamesUnique(device);
    return devices;
}

LinePosition findDefaultLine(const QList<CaptureDevice> &devices, const ServerState &state)
{
    const ServerSource *def = state.source(state.defaultSource);
    if (!def)
        return {};
    LinePosition firstOfSource;
    for (int d = 0; d < devices.size(); ++d) {
        for (int l = 0; l < devices[d].lines.size(); ++l) {
            const auto &line = devices[d].lines[l];
            if (line.sourceName != def->name)
                continue;
            if (line.portName.isEmpty() || line.portName == def->activePort)
                return {d, l};
            if (firstOfSource.device < 0)
                firstOfSource = {d, l};
        }
    }
    return firstOfSource;
}

int initialLine(const QList<CaptureDevice> &devices, int device, const ServerState &state)
{
    if (device < 0 || device >= devices.size() || devices[device].lines.isEmpty())
        return -1;
    const LinePosition def = findDefaultLine(devices, state);
    if (def.device == device)
        return def.line;
    const auto &lines = devices[device].lines;
    for (int l = 0; l < lines.size(); ++l) {
        if (lines[l].kind != SourceLine::Input || lines[l].portName.isEmpty())
            continue;
        const ServerSource *s = state.source(lines[l].sourceName);
        if (s && s->activePort == lines[l].portName)
            return l;
    }
    return 0;
}
