#include "engine/DeviceSnapshot.h"

#include <QRegularExpression>

namespace {

// A number as a user types it.
bool isNumber(const QString &text, int maxDigits)
{
    const QRegularExpression number(QStringLiteral("^\\d{1,%1}$").arg(maxDigits));
    return number.match(text).hasMatch();
}

} // namespace

const CaptureDeviceInfo *DeviceSnapshot::deviceNamed(const QString &name) const
{
    for (const CaptureDeviceInfo &d : devices)
        if (d.name == name)
            return &d;
    return nullptr;
}

const CaptureDeviceInfo *DeviceSnapshot::deviceNumbered(qint32 index) const
{
    for (const CaptureDeviceInfo &d : devices)
        if (d.index == index)
            return &d;
    return nullptr;
}

const SourceLineInfo *DeviceSnapshot::lineAt(const LinePlace &place) const
{
    const CaptureDeviceInfo *d = deviceNumbered(place.device);
    return d && place.line >= 0 && place.line < d->lines.size() ? &d->lines[place.line] : nullptr;
}

const CaptureDeviceInfo *DeviceSnapshot::findDevice(const QString &nameOrNumber) const
{
    if (const CaptureDeviceInfo *d = deviceNamed(nameOrNumber))
        return d;
    return isNumber(nameOrNumber, 6) ? deviceNumbered(nameOrNumber.toInt()) : nullptr;
}

qint32 DeviceSnapshot::findLine(const CaptureDeviceInfo &device, const QString &nameOrNumber)
{
    for (qint32 l = 0; l < device.lines.size(); ++l)
        if (device.lines[l].name == nameOrNumber)
            return l;
    return isNumber(nameOrNumber, 6) && nameOrNumber.toInt() < device.lines.size() ? nameOrNumber.toInt() : -1;
}

QList<LinePlace> DeviceSnapshot::linesNamed(const QString &name) const
{
    QList<LinePlace> found;
    for (const CaptureDeviceInfo &d : devices)
        for (qint32 l = 0; l < d.lines.size(); ++l)
            if (d.lines[l].name == name)
                found.append({d.index, l});
    return found;
}

LinePlace DeviceSnapshot::findApplication(const QString &app) const
{
    const bool byNumber = isNumber(app, 9);
    for (const CaptureDeviceInfo &d : devices) {
        for (qint32 l = 0; l < d.lines.size(); ++l) {
            const SourceLineInfo &line = d.lines[l];
            if (line.stream < 0)
                continue;
            if (byNumber ? line.stream == app.toInt()
                         : line.name.compare(app, Qt::CaseInsensitive) == 0
                               || line.name.startsWith(app + QStringLiteral(": "), Qt::CaseInsensitive))
                return {d.index, l};
        }
    }
    return {};
}
