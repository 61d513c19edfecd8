#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <pulse/channelmap.h>
#include <pulse/def.h>
#include <pulse/volume.h>

// What the sound server has, as far as choosing a capture device and line goes.
// Filled from the server by PulseServer; made up by hand in tests.
struct ServerCard
{
    quint32 index = 0;
    QString name;
    QString description;
};

struct ServerPort
{
    QString name;
    QString description;
};

struct ServerSink
{
    quint32 index = 0;
    QString name;
    QString description;
    quint32 card = PA_INVALID_INDEX;   // PA_INVALID_INDEX: belongs to no card
    QString monitorSource;             // name of the source that records what it plays
};

struct ServerSource
{
    quint32 index = 0;
    QString name;
    QString description;
    quint32 card = PA_INVALID_INDEX;
    quint32 monitorOfSink = PA_INVALID_INDEX;   // set for a sink's monitor
    QList<ServerPort> ports;
    QString activePort;
    quint32 rate = 0;                    // the rate the device runs at
    pa_cvolume volume{};
    pa_channel_map channelMap{};
};

struct ServerState
{
    QList<ServerCard> cards;
    QList<ServerSink> sinks;
    QList<ServerSource> sources;
    QString defaultSource;

    const ServerSource *source(const QString &name) const;
};

// One line a device can record from.
struct SourceLine
{
    enum Kind { Input, PlaybackMix };
    Kind kind = Input;
    QString name;         // what the user sees; unique within its device
    QString sourceName;   // the server's source that carries it
    QString portName;     // the port to make active, for a source with several ports
};

struct CaptureDevice
{
    QString name;
    QList<SourceLine> lines;
};

// Devices and their lines, in a stable order: sound cards by index, then each
// sink and each capture source that belongs to no card as a device of its own.
// A device's lines are its inputs (one per port where a source has several)
// and then, for each of its outputs, the line that records what it plays.
QList<CaptureDevice> mapDevices(const ServerState &state);

struct LinePosition
{
    int device = -1;
    int line = -1;
};

// Where the server's default source sits among the devices (for a source with
// several ports: the line of its active port); {-1, -1} if nowhere.
LinePosition findDefaultLine(const QList<CaptureDevice> &devices, const ServerState &state);

// The line of a device that is its recording input when nothing chose one yet:
// the default source if the device holds it, else the line of the active port
// of its first input, else its first line.
int initialLine(const QList<CaptureDevice> &devices, int device, const ServerState &state);

// The name users know the playback-mix line by.
QString playbackMixName(const QString &outputDescription);
