#include "cli/Devices.h"

#include "engine/AudioRecord.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace cli {

namespace {

// A tab or line break inside a name would break the columns.
QString column(QString name)
{
    static const QRegularExpression breaks(QStringLiteral("[\\t\\r\\n]"));
    return name.replace(breaks, QStringLiteral(" "));
}

// Makes a line the recorder's input; line -1: the line the window would
// start the device on.
void choose(AudioRecord &rec, qint32 device, qint32 line)
{
    rec.setDeviceIndex(device);
    if (line >= 0) {
        rec.setSourceIndex(line);
        rec.setSourceSelected(true);
    }
}

} // namespace

QByteArray listText(const DeviceSnapshot &snapshot)
{
    QByteArray out;
    for (const CaptureDeviceInfo &device : snapshot.devices) {
        for (int l = 0; l < device.lines.size(); ++l) {
            const SourceLineInfo &line = device.lines[l];
            const bool isDefault = device.index == snapshot.defaultDevice && l == snapshot.defaultLine;
            out += QStringLiteral("%1\t%2\t%3\t%4\t%5%6\n")
                       .arg(device.index)
                       .arg(l)
                       .arg(QLatin1String(isDefault ? "*" : ""), column(device.name),
                            column(line.name),
                            line.stream >= 0 ? QStringLiteral("\tstream %1").arg(line.stream) : QString())
                       .toUtf8();
        }
    }
    return out;
}

QByteArray listJson(const DeviceSnapshot &snapshot)
{
    QJsonArray devices;
    for (const CaptureDeviceInfo &device : snapshot.devices) {
        QJsonArray lines;
        for (int l = 0; l < device.lines.size(); ++l) {
            const SourceLineInfo &line = device.lines[l];
            const bool isDefault = device.index == snapshot.defaultDevice && l == snapshot.defaultLine;
            QJsonObject entry{{QStringLiteral("number"), l},
                              {QStringLiteral("name"), line.name},
                              {QStringLiteral("default"), isDefault},
                              {QStringLiteral("rate"), line.rate}};
            if (line.stream >= 0)
                entry.insert(QStringLiteral("stream"), line.stream);
            lines.append(entry);
        }
        devices.append(QJsonObject{{QStringLiteral("number"), device.index},
                                   {QStringLiteral("name"), device.name},
                                   {QStringLiteral("default"), device.index == snapshot.defaultDevice},
                                   {QStringLiteral("lines"), lines}});
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("devices"), devices}}).toJson(QJsonDocument::Indented);
}

bool chooseLine(AudioRecord &rec, const QString &device, const QString &line, QString *error)
{
    const DeviceSnapshot snapshot = rec.devices();
    // What was not found, and what there is.
    const auto refuse = [&](const QString &what) {
        const QByteArray text = listText(snapshot);
        *error = what + (text.isEmpty() ? QCoreApplication::translate("tarvell-rec", "; there are no capture devices")
                                        : QCoreApplication::translate("tarvell-rec", "; the devices and their lines are:\n")
                                              + QString::fromUtf8(text).trimmed());
        return false;
    };
    if (snapshot.devices.isEmpty()) {
        *error = QCoreApplication::translate("tarvell-rec", "the sound server has no capture devices");
        return false;
    }
    // Without a device named (or a line that tells it), the default device and line.
    const CaptureDeviceInfo *defaultDevice = snapshot.deviceNumbered(snapshot.defaultDevice);
    const CaptureDeviceInfo *d = defaultDevice ? defaultDevice : &snapshot.devices.first();
    qint32 l = device.isEmpty() && line.isEmpty() && defaultDevice ? snapshot.defaultLine : -1;
    // A line's name alone: on whichever device has it, if only one does.
    const QList<LinePlace> found = device.isEmpty() && !line.isEmpty() ? snapshot.linesNamed(line) : QList<LinePlace>();
    if (!device.isEmpty() && !(d = snapshot.findDevice(device)))
        return refuse(QCoreApplication::translate("tarvell-rec", "no device \"%1\"").arg(device));
    if (found.size() > 1)
        return refuse(QCoreApplication::translate("tarvell-rec", "several devices have a line \"%1\"; choose one with --device").arg(line));
    if (found.size() == 1) {
        d = snapshot.deviceNumbered(found[0].device);
        l = found[0].line;
    }
    if (l < 0 && !line.isEmpty() && (l = DeviceSnapshot::findLine(*d, line)) < 0)
        return refuse(QCoreApplication::translate("tarvell-rec", "no line \"%1\" on %2").arg(line, d->name));
    choose(rec, d->index, l);
    if (!rec.DeviceValid()) {
        *error = QCoreApplication::translate("tarvell-rec", "the device %1 has nothing to record from").arg(d->name);
        return false;
    }
    return true;
}

bool chooseApplication(AudioRecord &rec, const QString &app, QString *error)
{
    const DeviceSnapshot snapshot = rec.devices();
    const LinePlace at = snapshot.findApplication(app);
    if (at.found()) {
        choose(rec, at.device, at.line);
        return true;
    }
    QStringList playing;
    for (const CaptureDeviceInfo &device : snapshot.devices)
        for (const SourceLineInfo &line : device.lines)
            if (line.stream >= 0)
                playing << QCoreApplication::translate("tarvell-rec", "%1 (stream %2)").arg(line.name).arg(line.stream);
    *error = playing.isEmpty()
                 ? QCoreApplication::translate("tarvell-rec", "no application \"%1\": no application is playing now").arg(app)
                 : QCoreApplication::translate("tarvell-rec", "no application \"%1\"; playing now: %2").arg(app, playing.join(QStringLiteral(", ")));
    return false;
}

} // namespace cli
