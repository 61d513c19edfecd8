#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// The recorder's devices and lines as values, read at one moment: a face lists
// and looks up from these without moving the recorder's device cursor, and
// moves the cursor only to choose.

// One line of a capture device, as the server has it now.
struct SourceLineInfo
{
    QString name;          // as the Source list shows it
    QString identity;      // what a choice of it holds on to (an application's line: the application)
    qint32 rate = 0;       // the rate its device runs at, Hz; 0 unknown
    qint32 stream = -1;    // an application's line: the server's stream number; -1 otherwise
    bool selected = false; // the device's own recording input (what the window starts it on)
};

struct CaptureDeviceInfo
{
    QString name;
    qint32 index = -1;     // the recorder's device number (setDeviceIndex takes it)
    QList<SourceLineInfo> lines;
};

// Where a line sits: the recorder's device number and the line on that device.
struct LinePlace
{
    qint32 device = -1;
    qint32 line = -1;
    bool found() const { return device >= 0 && line >= 0; }
    bool operator==(const LinePlace &) const = default;
};

struct DeviceSnapshot
{
    QList<CaptureDeviceInfo> devices;   // the valid devices, in the recorder's order
    qint32 defaultDevice = -1;          // device number of the server's default source; -1 none
    qint32 defaultLine = -1;            // its line on that device; -1 none
    LinePlace defaultMix;               // the Stereo Mix of the server's default output; none: {-1, -1}

    const CaptureDeviceInfo *deviceNamed(const QString &name) const;   // nullptr when none
    const CaptureDeviceInfo *deviceNumbered(qint32 index) const;       // nullptr when none
    // The line at a place; nullptr when there is none.
    const SourceLineInfo *lineAt(const LinePlace &place) const;

    // A device as a user names it: by its name first (a device may well be
    // called "1"), then by its number. nullptr when neither fits.
    const CaptureDeviceInfo *findDevice(const QString &nameOrNumber) const;
    // A line of a device the same way: its place in device.lines, -1 when none.
    static qint32 findLine(const CaptureDeviceInfo &device, const QString &nameOrNumber);
    // Every line with exactly this name, device by device.
    QList<LinePlace> linesNamed(const QString &name) const;
    // The first line of an application playing now: by the server's stream
    // number, by its line's name, or by the application's name alone ("Game"
    // for "Game: Level 1"); names without regard to case. Not found: {-1, -1}.
    LinePlace findApplication(const QString &app) const;
};
