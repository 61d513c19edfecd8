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
    quint32 graphNode = PA_INVALID_INDEX;       // a monitor's sink in PipeWire's graph (its object.id)
    QList<ServerPort> ports;
    QString activePort;
    quint32 rate = 0;                    // the rate the device runs at
    pa_cvolume volume{};
    pa_channel_map channelMap{};
};

// A stream an application plays (the server's sink input).
struct ServerStream
{
    quint32 index = 0;
    quint32 sink = PA_INVALID_INDEX;   // where it plays
    QString application;               // application.name, else the stream's own name
    QString binary;                    // application.process.binary
    QString media;                     // media.name, when it says more than the application
    bool pulseClient = false;          // on PipeWire: played by a client of its pulse server
};

struct ServerState
{
    QList<ServerCard> cards;
    QList<ServerSink> sinks;
    QList<ServerSource> sources;
    QList<ServerStream> streams;
    QString defaultSource;
    QString defaultSink;               // where the server plays by default

    const ServerSource *source(const QString &name) const;
};

// One line a device can record from.
struct SourceLine
{
    enum Kind { Input, PlaybackMix, Application };
    Kind kind = Input;
    QString name;         // what the user sees; unique within its device
    QString sourceName;   // the server's source that carries it
    QString portName;     // the port to make active, for a source with several ports
    // An application's line records one of its streams only, from the monitor
    // of the output it plays on (sourceName).
    quint32 stream = PA_INVALID_INDEX;
    QString application;   // the application as the server names it
    QString binary;        // and the program that plays it

    // What a choice of this line holds on to: an application's line is the
    // application, whichever of its streams plays now and whatever it plays;
    // any other line is its name.
    QString identity() const { return kind == Application ? applicationIdentity(application, binary) : name; }
    static QString applicationIdentity(const QString &application, const QString &binary)
    {
        return QStringLiteral("application:") + application + QLatin1Char('\n') + binary;
    }
};

struct CaptureDevice
{
    QString name;
    QList<SourceLine> lines;
};

// Devices and their lines, in a stable order: sound cards by index, then each
// sink and each capture source that belongs to no card as a device of its own.
// A device's lines are its inputs (one per port where a source has several)
// and then, for each of its outputs, the line that records what it plays,
// followed by one line for each application playing there now (its first
// stream, when it has several).
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

// "Application: what it plays", or the application alone.
QString applicationLineName(const ServerStream &stream);
