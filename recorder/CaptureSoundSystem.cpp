// Following the live sound system: devices that come and go, a server that
// goes away and comes back, and sound lost on the way. What the window shows
// is always what it records from.

#include "base/PublicDim.h"
#include "base/SkipOnError.h"
#include "engine/AudioRecord.h"
#include "recorder/AudioDisplay.h"
#include "shell/frmCapture.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QTimer>

namespace {

// Device changes are followed this long after the last one of a burst, but
// never later than the cap after the first: a device that flaps many times a
// second costs a refill now and then, not one per change.
constexpr int FollowQuietMs = 300;
constexpr int FollowCapMs = 1500;

} // namespace

void frmCapture::AudioRecord_DevicesChanged()
{
    if (!m_followTimer->isActive())
        m_followPending.start();
    if (m_followPending.elapsed() < FollowCapMs)
        m_followTimer->start(FollowQuietMs);
}

void frmCapture::AudioRecord_ServerConnectionChanged(bool)
{
    if (!IsRecording())
        showIdleState();
    AudioRecord_DevicesChanged();
}

void frmCapture::captureRunningChanged()
{
    if (valueOrSkip<qint32>([&] { return m_record->CaptureStatus(); }, -1) >= 0) {
        m_silenceTimer->stop();
    } else if (!m_silenceTimer->isActive()) {
        m_silenceTimer->start();
    }
}

void frmCapture::followSoundSystem()
{
    if (m_ended || !m_record)
        return;
    if (!IsRecording())
        showIdleState();
    const qint32 engineDevice = valueOrSkip<qint32>([&] { return m_record->DeviceIndex(); }, -1);
    // A recording whose device is gone ends by itself (its capture fails);
    // the lists follow once it has.
    if (IsRecording() && engineDevice < 0)
        return;

    // The devices as the device list shows them: only valid devices get a row.
    const DeviceSnapshot snapshot = valueOrSkip<DeviceSnapshot>([&] { return m_record->devices(); }, {});
    const QList<CaptureDeviceInfo> &rows = snapshot.devices;
    auto rowOf = [&](const QString &name) {
        for (int r = 0; r < rows.size(); ++r)
            if (rows[r].name == name)
                return r;
        return -1;
    };

    const QString shownDevice = DeviceCombo->currentText();
    const QString shownLine = ComboSource->currentText();
    QString device = shownDevice;
    QString line = shownLine;
    if (IsRecording()) {
        if (rowOf(shownDevice) < 0)
            return;
    } else if (!m_wantedDevice.isEmpty() && rowOf(m_wantedDevice) >= 0) {
        device = m_wantedDevice;   // the user's choice is back (or still here)
        line = m_wantedLine;
    } else if (rowOf(shownDevice) < 0) {
        // Gone: the server's default source takes its place.
        device.clear();
        line.clear();
        if (const CaptureDeviceInfo *def = snapshot.deviceNumbered(snapshot.defaultDevice)) {
            device = def->name;
            if (const SourceLineInfo *defLine = snapshot.lineAt({snapshot.defaultDevice, snapshot.defaultLine}))
                line = defLine->name;
        } else if (!rows.isEmpty()) {
            device = rows.first().name;
        }
    }
    const bool sameChoice = device == shownDevice && line == shownLine;
    const int row = rowOf(device);

    // The lines of a device that stays, looked at before anything is shown.
    QStringList lines;
    if (sameChoice && row >= 0) {
        int heldLine = -1;   // the line the recorder holds on to, whatever its name now
        for (int i = 0; i < rows[row].lines.size(); ++i) {
            lines << rows[row].lines[i].name;
            if (rows[row].lines[i].selected)
                heldLine = i;
        }
        // An application's line is named after what it plays, so its name
        // changes with each track: the recorder knows it by the application.
        if (!lines.contains(line) && heldLine >= 0 && rows[row].lines[heldLine].stream >= 0)
            line = lines[heldLine];
        // A recording whose line is gone ends by itself, as above (an
        // application's waits for the application's next sound).
        if (IsRecording() && !lines.contains(line))
            return;
    }

    {
        const QSignalBlocker quiet(DeviceCombo);
        DeviceCombo->clear();
        for (const CaptureDeviceInfo &r : rows)
            DeviceCombo->addItem(r.name, r.index);
        DeviceCombo->setCurrentIndex(row);
    }
    if (row < 0) {
        // Nothing to record from (no server, no devices).
        const QSignalBlocker quiet(ComboSource);
        ComboSource->clear();
        CountSrc = 0;
        return;
    }

    if (sameChoice) {
        // The choice stands: only the lists are brought up to date, and the
        // recorder is left on the device and line they show. Capture running
        // from them is not touched.
        CountSrc = qint16(lines.size());
        const QSignalBlocker quiet(ComboSource);
        ComboSource->clear();
        ComboSource->addItems(lines);
        ComboSource->setCurrentIndex(std::max<int>(int(lines.indexOf(line)), 0));
        SrcIndex = ComboSource->currentIndex();
        skipOnError([&] { m_record->setDeviceIndex(rows[row].index); });
        skipOnError([&] { m_record->setSourceIndex(SrcIndex); });
    } else {
        // Another device: chosen as a user's choice would be (a recording
        // never gets here), then monitoring restarts on it.
        selectRow(DeviceCombo, row);
        const int lineRow = ComboSource->findText(line);
        if (lineRow >= 0 && lineRow != ComboSource->currentIndex())
            selectRow(ComboSource, lineRow);
    }

    if (!IsRecording() && (!sameChoice || valueOrSkip<qint32>([&] { return m_record->CaptureStatus(); }, -1) < 0))
        skipOnError([&] { CheckPreview_Click(); });
}

namespace {
struct ApplicationLine
{
    qint32 device;
    QString deviceName;
    QString line;
};

// The lines of the applications playing now, device by device.
QList<ApplicationLine> applicationLines(const AudioRecord &rec)
{
    QList<ApplicationLine> found;
    const DeviceSnapshot snapshot = valueOrSkip<DeviceSnapshot>([&] { return rec.devices(); }, {});
    for (const CaptureDeviceInfo &device : snapshot.devices)
        for (const SourceLineInfo &line : device.lines)
            if (line.stream >= 0)
                found.append({device.index, device.name, line.name});
    return found;
}
} // namespace

QStringList frmCapture::wizardApplications()
{
    QStringList names;
    if (m_record)
        for (const ApplicationLine &a : applicationLines(*m_record))
            names << a.line;
    return names;
}

bool frmCapture::chooseApplicationLine(const QString &line)
{
    if (!m_record)
        return false;
    for (const ApplicationLine &a : applicationLines(*m_record)) {
        if (a.line != line)
            continue;
        // As the user would choose it: the device, then its line, in lists
        // brought up to date first (the application may have only just begun).
        if (ComboSource->findText(line) < 0)
            followSoundSystem();
        const int deviceRow = DeviceCombo->findText(a.deviceName);
        if (deviceRow < 0)
            return false;
        if (deviceRow != DeviceCombo->currentIndex())
            selectRow(DeviceCombo, deviceRow);
        const int lineRow = ComboSource->findText(line);
        if (lineRow < 0)
            return false;
        if (lineRow != ComboSource->currentIndex())
            selectRow(ComboSource, lineRow);
        return true;
    }
    return false;
}
