#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QStringList>

class AudioRecord;
class QComboBox;
class QSlider;
class QTimer;
class QWidget;
class Take;

// The capture device and source lists with the chosen line's volume and
// balance, following the live sound system: devices that come and go are
// followed by their names, a vanished device gives way to the server's
// default, the user's choice comes back with its device. What the lists show
// is what the recorder records from. It owns no control: the window builds
// them from its stored layout and lends them here.
class SourceLists : public QObject
{
    Q_OBJECT
public:
    struct Controls
    {
        QComboBox *device = nullptr;
        QComboBox *source = nullptr;
        QSlider *volume = nullptr;
        QSlider *balance = nullptr;
    };

    // owner: the window the lists stand in.
    SourceLists(const Controls &controls, QWidget *owner);

    // The recorder and the take, once the window has made them.
    void attach(AudioRecord &recorder, const Take &take);
    // The program is ending: nothing is followed any more.
    void halt();

    // Fills the device list and shows the recorder's device and its lines.
    // False when that device has no line to record from.
    bool FillDeviceList();
    // Puts the recorder on the line the source list shows, with its volume
    // and balance on the sliders.
    void SelectSource();
    // The line's volume or balance was changed elsewhere (a mixer): the
    // sliders show it.
    void showLevels();
    // The device or server changed: followed after a burst settles.
    void devicesChanged();
    // Brings the lists up to date with the sound system now.
    void followSoundSystem();
    // What the lists show now is the user's choice, to come back to.
    void rememberChoice();
    // The rate the shown line's device runs at; 0 unknown.
    qint32 shownLineRate() const;
    // The shown choice as it is kept across starts: the device's name and
    // the line's identity (an application's line: the application).
    QString shownDevice() const;
    QString shownLineIdentity() const;
    // Shows and records a choice kept from an earlier start; false (and the
    // lists as they were) when that device or line is not here now.
    bool chooseRemembered(const QString &device, const QString &lineIdentity);

    // The capture devices, the server's default source's first.
    QStringList inputs() const;
    // Shows and records that device (on its own line); false when it is not here.
    bool chooseDevice(const QString &name);
    // The lines of the applications playing now, by name.
    QStringList applications() const;
    // Shows and records the line of that name (found on any device); false
    // when it is not playing.
    bool chooseApplication(const QString &line);

signals:
    // Monitoring should start again on what the lists now show.
    void monitoringWanted();
    // Not recording: the status bar should say how things stand.
    void idleStateWanted();
    // The recorder took the shown line.
    void sourceApplied();

private:
    void DeviceCombo_Click();
    void FillSourceList();
    void ComboSource_Click();
    void slVolume_Scroll();
    void slBalance_Scroll();
    // Selects a row from code and runs the list's click handling, as a
    // user's choice would, whether or not the row changes.
    void selectRow(QComboBox *list, int row);
    bool recording() const;

    Controls m_controls;
    AudioRecord *m_rec = nullptr;
    const Take *m_take = nullptr;
    bool m_halted = false;
    qint16 CountSrc = 0;        // lines of the shown device
    qint32 SrcIndex = 0;        // the line volume and balance act on

    // The device and line the user chose (or the window started on): taken
    // again when that device comes back. Automatic changes leave them alone.
    QString m_wantedDevice;
    QString m_wantedLine;
    QTimer *m_followTimer = nullptr;    // gathers bursts of device changes
    QElapsedTimer m_followPending;      // since the first change not yet followed
};
