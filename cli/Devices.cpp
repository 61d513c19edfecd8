#include "cli/Devices.h"

#include "engine/AudioRecord.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <functional>
#include <tuple>

namespace cli {

namespace {

// A tab or line break inside a name would break the columns.
QString column(QString name)
{
    static const QRegularExpression breaks(QStringLiteral("[\\t\\r\\n]"));
    return name.replace(breaks, QStringLiteral(" "));
}

bool isDefault(int device, int line, int defDevice, int defLine)
{
    return device == defDevice && line == defLine;
}

// A name first (a device may be called "1"), then a number.
int find(const QString &wanted, int count, const std::function<QString(int)> &nameOf)
{
    for (int i = 0; i < count; ++i)
        if (nameOf(i) == wanted)
            return i;
    static const QRegularExpression number(QStringLiteral("^\\d{1,6}$"));
    if (number.match(wanted).hasMatch() && wanted.toInt() < count)
        return wanted.toInt();
    return -1;
}

QString deviceName(AudioRecord &rec, int d)
{
    rec.setDeviceIndex(d);
    return rec.DeviceName();
}

QString lineName(AudioRecord &rec, int l)
{
    rec.setSourceIndex(l);
    return rec.SourceName();
}

QString choices(AudioRecord &rec)
{
    const QByteArray text = listText(rec);
    return text.isEmpty() ? QStringLiteral("there are no capture devices")
                          : QStringLiteral("the devices and their lines are:\n") + QString::fromUtf8(text).trimmed();
}

} // namespace

QByteArray listText(AudioRecord &rec)
{
    const int defDevice = rec.DefaultDeviceIndex(), defLine = rec.DefaultSourceIndex();
    QByteArray out;
    for (int d = 0; d < rec.DeviceCount(); ++d) {
        const QString device = column(deviceName(rec, d));
        for (int l = 0; l < rec.SourceCount(); ++l) {
            const char *mark = isDefault(d, l, defDevice, defLine) ? "*" : "";
            const QString name = column(lineName(rec, l));
            const qint32 stream = rec.SourceStream();
            out += QStringLiteral("%1\t%2\t%3\t%4\t%5%6\n")
                       .arg(d)
                       .arg(l)
                       .arg(QLatin1String(mark), device, name,
                            stream >= 0 ? QStringLiteral("\tstream %1").arg(stream) : QString())
                       .toUtf8();
        }
    }
    return out;
}

QByteArray listJson(AudioRecord &rec)
{
    const int defDevice = rec.DefaultDeviceIndex(), defLine = rec.DefaultSourceIndex();
    QJsonArray devices;
    for (int d = 0; d < rec.DeviceCount(); ++d) {
        const QString name = deviceName(rec, d);
        QJsonArray lines;
        for (int l = 0; l < rec.SourceCount(); ++l) {
            const QString line = lineName(rec, l);
            QJsonObject entry{{QStringLiteral("number"), l},
                              {QStringLiteral("name"), line},
                              {QStringLiteral("default"), isDefault(d, l, defDevice, defLine)},
                              {QStringLiteral("rate"), rec.SourceRate()}};
            if (const qint32 stream = rec.SourceStream(); stream >= 0)
                entry.insert(QStringLiteral("stream"), stream);
            lines.append(entry);
        }
        devices.append(QJsonObject{{QStringLiteral("number"), d},
                                   {QStringLiteral("name"), name},
                                   {QStringLiteral("default"), d == defDevice},
                                   {QStringLiteral("lines"), lines}});
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("devices"), devices}}).toJson(QJsonDocument::Indented);
}

bool chooseLine(AudioRecord &rec, const QString &device, const QString &line, QString *error)
{
    const int defDevice = rec.DefaultDeviceIndex(), defLine = rec.DefaultSourceIndex();
    if (rec.DeviceCount() == 0) {
        *error = QStringLiteral("the sound server has no capture devices");
        return false;
    }
    int d = -1, l = -1;
    if (!device.isEmpty()) {
        d = find(device, rec.DeviceCount(), [&](int i) { return deviceName(rec, i); });
        if (d < 0) {
            *error = QStringLiteral("no device \"%1\"; %2").arg(device, choices(rec));
            return false;
        }
    } else if (!line.isEmpty()) {
        // A line's name alone: on whichever device has it, if only one does.
        QList<QPair<int, int>> found;
        for (int i = 0; i < rec.DeviceCount(); ++i) {
            rec.setDeviceIndex(i);
            for (int j = 0; j < rec.SourceCount(); ++j)
                if (lineName(rec, j) == line)
                    found.append({i, j});
        }
        if (found.size() > 1) {
            *error = QStringLiteral("several devices have a line \"%1\"; choose one with --device; %2")
                         .arg(line, choices(rec));
            return false;
        }
        if (found.size() == 1)
            std::tie(d, l) = std::pair(found[0].first, found[0].second);
        else
            d = defDevice >= 0 ? defDevice : 0;   // a number: on the default device
    } else {
        d = defDevice >= 0 ? defDevice : 0;
        l = defDevice >= 0 ? defLine : -1;
    }

    rec.setDeviceIndex(d);
    if (l < 0 && !line.isEmpty()) {
        l = find(line, rec.SourceCount(), [&](int j) { return lineName(rec, j); });
        if (l < 0) {
            *error = QStringLiteral("no line \"%1\" on %2; %3").arg(line, deviceName(rec, d), choices(rec));
            return false;
        }
    }
    rec.setDeviceIndex(d);
    if (l >= 0) {
        rec.setSourceIndex(l);
        rec.setSourceSelected(true);
    }
    // Otherwise the device records from the line the window would start it on.
    if (!rec.DeviceValid()) {
        *error = QStringLiteral("the device %1 has nothing to record from").arg(deviceName(rec, d));
        return false;
    }
    return true;
}

bool chooseApplication(AudioRecord &rec, const QString &app, QString *error)
{
    static const QRegularExpression number(QStringLiteral("^\\d{1,9}$"));
    const bool byNumber = number.match(app).hasMatch();
    QStringList playing;
    for (int d = 0; d < rec.DeviceCount(); ++d) {
        rec.setDeviceIndex(d);
        for (int l = 0; l < rec.SourceCount(); ++l) {
            const QString name = lineName(rec, l);
            const qint32 stream = rec.SourceStream();
            if (stream < 0)
                continue;
            playing << QStringLiteral("%1 (stream %2)").arg(name).arg(stream);
            const bool found = byNumber ? stream == app.toInt()
                                        : name.compare(app, Qt::CaseInsensitive) == 0
                                              || name.startsWith(app + QStringLiteral(": "), Qt::CaseInsensitive);
            if (found) {
                rec.setSourceSelected(true);
                return true;
            }
        }
    }
    *error = playing.isEmpty()
                 ? QStringLiteral("no application \"%1\": no application is playing now").arg(app)
                 : QStringLiteral("no application \"%1\"; playing now: %2").arg(app, playing.join(QStringLiteral(", ")));
    return false;
}

} // namespace cli
