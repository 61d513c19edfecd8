// The device and source lists, the line's volume and balance, and following
// the live sound system.

#include "recorder/SourceLists.h"

#include "base/SkipOnError.h"
#include "engine/AudioRecord.h"
#include "engine/DeviceSnapshot.h"
#include "engine/Take.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

#include <algorithm>

namespace {

// Device changes are followed this long after the last one of a burst, but
// never later than the cap after the first: a device that flaps many times a
// second costs a refill now and then, not one per change.
constexpr int FollowQuietMs = 300;
constexpr int FollowCapMs = 1500;

} // namespace

SourceLists::SourceLists(const Controls &controls, QWidget *owner)
    : QObject(owner), m_controls(controls)
{
    m_followTimer = new QTimer(this);
    m_followTimer->setSingleShot(true);
    connect(m_followTimer, &QTimer::timeout, this, &SourceLists::followSoundSystem);
    connect(m_controls.volume, &QSlider::valueChanged, this, &SourceLists::slVolume_Scroll);
    connect(m_controls.balance, &QSlider::valueChanged, this, &SourceLists::slBalance_Scroll);
    // activated: the user's choice only; choices made from code go through
    // selectRow(). The user's choice is also what the lists come back to
    // when its device returns after going away.
    connect(m_controls.device, &QComboBox::activated, this, [this] {
        DeviceCombo_Click();
        rememberChoice();
    });
    connect(m_controls.source, &QComboBox::activated, this, [this] {
        ComboSource_Click();
        rememberChoice();
    });
}

void SourceLists::attach(AudioRecord &recorder, const Take &take)
{
    m_rec = &recorder;
    m_take = &take;
}

void SourceLists::halt()
{
    m_halted = true;
    m_followTimer->stop();
}

bool SourceLists::recording() const
{
    return m_take && m_take->isOpen();
}

void SourceLists::rememberChoice()
{
    m_wantedDevice = m_controls.device->currentText();
    m_wantedLine = m_controls.source->currentText();
}

void SourceLists::selectRow(QComboBox *list, int row)
{
    {
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(row);
    }
    if (list == m_controls.device)
        DeviceCombo_Click();
    else
        ComboSource_Click();
}

bool SourceLists::FillDeviceList()
{
    const qint32 n = valueOrSkip<qint32>([&] { return m_rec->DeviceCount(); }, 0);
    if (n < 1)
        return true;   // no capture device: both lists stay empty, nothing is said
    qint32 start = valueOrSkip<qint32>([&] { return m_rec->DeviceIndex(); }, 0);

    // Every index up to the count is asked; only valid devices get a row, so
    // rows and device numbers can differ. The row keeps its device number.
    for (qint32 i = 0; i <= n; ++i) {
        skipOnError([&] { m_rec->setDeviceIndex(i); });
        if (valueOrSkip<bool>([&] { return m_rec->DeviceValid(); }, true))
            skipOnError([&] { m_controls.device->addItem(m_rec->DeviceName(), i); });
    }
    const int lastRow = m_controls.device->count() - 1;
    if (start > lastRow)
        start = lastRow;
    skipOnError([&] { m_rec->setDeviceIndex(start); });
    skipOnError([&] { selectRow(m_controls.device, start); });

    skipOnError([&] { CountSrc = qint16(m_rec->SourceCount()); });
    if (CountSrc > 0)
        skipOnError([&] { DeviceCombo_Click(); });
    return CountSrc > 0;
}

void SourceLists::DeviceCombo_Click()
{
    skipOnError([&] { m_rec->setDeviceIndex(m_controls.device->currentData().toInt()); });
    skipOnError([&] { CountSrc = qint16(m_rec->SourceCount()); });
    skipOnError([&] { FillSourceList(); });
    // The device's recording input stays what it is (the list shows it
    // selected): choosing a device, or starting the program, must not switch
    // the card's input for every other program. Only a device that names
    // none starts on its first line.
    if (m_controls.source->count() >= 1)
        skipOnError([&] { selectRow(m_controls.source, std::max(m_controls.source->currentIndex(), 0)); });
}

void SourceLists::FillSourceList()
{
    m_controls.source->clear();
    for (qint32 i = 0; i <= CountSrc; ++i) {
        skipOnError([&] { m_rec->setSourceIndex(i); });
        skipOnError([&] { m_controls.source->addItem(m_rec->SourceName()); });
        if (valueOrSkip<bool>([&] { return m_rec->SourceSelected(); }, true))
            skipOnError([&] { selectRow(m_controls.source, m_controls.source->count() - 1); });
    }
}

void SourceLists::ComboSource_Click()
{
    SelectSource();
}

void SourceLists::SelectSource()
{
    // Unlike the other procedures, this one stops at its first failing step;
    // the steps before it stay done.
    try {
        if (m_controls.source->count() == 0)
            return;
        qint32 i = 0;
        for (; i <= CountSrc; ++i) {
            m_rec->setSourceIndex(i);
            if (m_rec->SourceName() == m_controls.source->currentText())
                break;
        }
        SrcIndex = i;
        m_rec->setSourceIndex(i);

        const QSignalBlocker quietVolume(m_controls.volume);
        const QSignalBlocker quietBalance(m_controls.balance);
        if (m_rec->HasVolume()) {
            m_controls.volume->setEnabled(true);
            m_controls.volume->setValue(65535 - m_rec->Volume());
        } else {
            m_controls.volume->setEnabled(false);
            m_controls.volume->setValue(m_rec->Volume());
        }
        if (m_rec->HasBalance()) {
            m_controls.balance->setEnabled(true);
            m_controls.balance->setValue(m_rec->Balance());
        } else {
            m_controls.balance->setEnabled(false);
            m_controls.balance->setValue(50);
        }
        m_rec->setSourceIndex(SrcIndex);
        m_rec->setSourceSelected(true);
        emit sourceApplied();
    } catch (...) {
        lastStepFailure() = describeFailure(std::current_exception());
    }
}

void SourceLists::showLevels()
{
    // Only the values: whether the sliders may be moved is the recording's
    // to say. Nothing is written back, so a value the user did not set never
    // reaches the mixer.
    skipOnError([&] {
        m_rec->setSourceIndex(SrcIndex);
        const QSignalBlocker quietVolume(m_controls.volume);
        const QSignalBlocker quietBalance(m_controls.balance);
        if (m_rec->HasVolume())
            m_controls.volume->setValue(65535 - m_rec->Volume());
        if (m_rec->HasBalance())
            m_controls.balance->setValue(m_rec->Balance());
    });
}

void SourceLists::slVolume_Scroll()
{
    skipOnError([&] { m_rec->setSourceIndex(SrcIndex); });
    skipOnError([&] { m_rec->setVolume(65535 - m_controls.volume->value()); });
}

void SourceLists::slBalance_Scroll()
{
    skipOnError([&] { m_rec->setSourceIndex(SrcIndex); });
    skipOnError([&] { m_rec->setBalance(qint16(m_controls.balance->value())); });
    // The slider always shows what the recorder holds.
    skipOnError([&] {
        const QSignalBlocker quiet(m_controls.balance);
        m_controls.balance->setValue(m_rec->Balance());
    });
}

void SourceLists::devicesChanged()
{
    if (!m_followTimer->isActive())
        m_followPending.start();
    if (m_followPending.elapsed() < FollowCapMs)
        m_followTimer->start(FollowQuietMs);
}

void SourceLists::followSoundSystem()
{
    if (m_halted || !m_rec)
        return;
    if (!recording())
        emit idleStateWanted();
    const qint32 engineDevice = valueOrSkip<qint32>([&] { return m_rec->DeviceIndex(); }, -1);
    // A recording whose device is gone ends by itself (its capture fails);
    // the lists follow once it has.
    if (recording() && engineDevice < 0)
        return;

    // The devices as the device list shows them: only valid devices get a row.
    const DeviceSnapshot snapshot = valueOrSkip<DeviceSnapshot>([&] { return m_rec->devices(); }, {});
    const QList<CaptureDeviceInfo> &rows = snapshot.devices;
    auto rowOf = [&](const QString &name) {
        for (int r = 0; r < rows.size(); ++r)
            if (rows[r].name == name)
                return r;
        return -1;
    };

    const QString shownDevice = m_controls.device->currentText();
    const QString shownLine = m_controls.source->currentText();
    QString device = shownDevice;
    QString line = shownLine;
    if (recording()) {
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
        if (recording() && !lines.contains(line))
            return;
    }

    {
        const QSignalBlocker quiet(m_controls.device);
        m_controls.device->clear();
        for (const CaptureDeviceInfo &r : rows)
            m_controls.device->addItem(r.name, r.index);
        m_controls.device->setCurrentIndex(row);
    }
    if (row < 0) {
        // Nothing to record from (no server, no devices).
        const QSignalBlocker quiet(m_controls.source);
        m_controls.source->clear();
        CountSrc = 0;
        return;
    }

    if (sameChoice) {
        // The choice stands: only the lists are brought up to date, and the
        // recorder is left on the device and line they show. Capture running
        // from them is not touched.
        CountSrc = qint16(lines.size());
        const QSignalBlocker quiet(m_controls.source);
        m_controls.source->clear();
        m_controls.source->addItems(lines);
        m_controls.source->setCurrentIndex(std::max<int>(int(lines.indexOf(line)), 0));
        SrcIndex = m_controls.source->currentIndex();
        skipOnError([&] { m_rec->setDeviceIndex(rows[row].index); });
        skipOnError([&] { m_rec->setSourceIndex(SrcIndex); });
    } else {
        // Another device: chosen as a user's choice would be (a recording
        // never gets here), then monitoring restarts on it.
        selectRow(m_controls.device, row);
        const int lineRow = m_controls.source->findText(line);
        if (lineRow >= 0 && lineRow != m_controls.source->currentIndex())
            selectRow(m_controls.source, lineRow);
    }

    if (!recording() && (!sameChoice || valueOrSkip<qint32>([&] { return m_rec->CaptureStatus(); }, -1) < 0))
        emit monitoringWanted();
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

QStringList SourceLists::inputs() const
{
    QStringList names;
    if (!m_rec)
        return names;
    const DeviceSnapshot snapshot = valueOrSkip<DeviceSnapshot>([&] { return m_rec->devices(); }, {});
    for (const CaptureDeviceInfo &device : snapshot.devices) {
        // Devices with a line of their own; an application's line is no microphone.
        if (std::none_of(device.lines.begin(), device.lines.end(), [](const SourceLineInfo &l) { return l.stream < 0; }))
            continue;
        if (device.index == snapshot.defaultDevice)
            names.prepend(device.name);
        else
            names << device.name;
    }
    return names;
}

bool SourceLists::chooseDevice(const QString &name)
{
    const int row = m_controls.device->findText(name);
    if (!m_rec || row < 0)
        return false;
    if (row != m_controls.device->currentIndex())
        selectRow(m_controls.device, row);
    return true;
}

QStringList SourceLists::applications() const
{
    QStringList names;
    if (m_rec)
        for (const ApplicationLine &a : applicationLines(*m_rec))
            names << a.line;
    return names;
}

bool SourceLists::chooseApplication(const QString &line)
{
    if (!m_rec)
        return false;
    for (const ApplicationLine &a : applicationLines(*m_rec)) {
        if (a.line != line)
            continue;
        // As the user would choose it: the device, then its line, in lists
        // brought up to date first (the application may have only just begun).
        if (m_controls.source->findText(line) < 0)
            followSoundSystem();
        const int deviceRow = m_controls.device->findText(a.deviceName);
        if (deviceRow < 0)
            return false;
        if (deviceRow != m_controls.device->currentIndex())
            selectRow(m_controls.device, deviceRow);
        const int lineRow = m_controls.source->findText(line);
        if (lineRow < 0)
            return false;
        if (lineRow != m_controls.source->currentIndex())
            selectRow(m_controls.source, lineRow);
        return true;
    }
    return false;
}

QString SourceLists::shownDevice() const
{
    return m_controls.device->currentText();
}

QString SourceLists::shownLineIdentity() const
{
    QString identity;
    if (m_rec) {
        skipOnError([&] {
            const DeviceSnapshot snapshot = m_rec->devices();
            if (const SourceLineInfo *shown = snapshot.lineAt({m_rec->DeviceIndex(), SrcIndex}))
                identity = shown->identity;
        });
    }
    return identity;
}

bool SourceLists::chooseRemembered(const QString &device, const QString &lineIdentity)
{
    if (!m_rec || device.isEmpty())
        return false;
    const DeviceSnapshot snapshot = valueOrSkip<DeviceSnapshot>([&] { return m_rec->devices(); }, {});
    const CaptureDeviceInfo *d = snapshot.deviceNamed(device);
    if (!d)
        return false;
    int line = -1;
    for (int i = 0; i < d->lines.size() && line < 0; ++i)
        if (d->lines[i].identity == lineIdentity)
            line = i;
    const int deviceRow = m_controls.device->findText(d->name);
    if (line < 0 || deviceRow < 0)
        return false;
    if (deviceRow != m_controls.device->currentIndex())
        selectRow(m_controls.device, deviceRow);
    const int lineRow = m_controls.source->findText(d->lines[line].name);
    if (lineRow < 0)
        return false;
    if (lineRow != m_controls.source->currentIndex())
        selectRow(m_controls.source, lineRow);
    rememberChoice();
    return true;
}

qint32 SourceLists::shownLineRate() const
{
    qint32 rate = 0;
    if (m_rec) {
        skipOnError([&] {
            const DeviceSnapshot snapshot = m_rec->devices();
            if (const SourceLineInfo *shown = snapshot.lineAt({m_rec->DeviceIndex(), SrcIndex}))
                rate = shown->rate;
        });
    }
    return rate;
}
