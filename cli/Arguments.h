#pragma once

#include "engine/FileType.h"
#include "engine/WaveFormat.h"

#include <QStringList>

#include <optional>

// The command line of tarvell-rec: what it may ask for, and how the values
// are read. Nothing here touches the sound server or the disk.
namespace cli {

// What the program ends with; --help and the manual page list the same.
enum Exit : int {
    Recorded = 0,        // recorded (or listed) as asked; also after Ctrl+C, SIGTERM and SIGHUP
    Usage = 1,           // unknown or repeated option, no file or more than one
    BadValue = 2,        // a value that is not one of those offered
    NoServer = 3,        // no sound server answers
    NoSuchDevice = 4,    // no device or line of that name or number
    FileExists = 5,      // the file exists and is not empty, and --force was not given
    CannotCreate = 6,    // the file cannot be made there (folder, permissions, no such folder)
    CannotWrite = 7,     // writing failed on the way: disk full, file too large (the file keeps what fitted)
    DeviceRemoved = 8,   // the device went away while recording (the file keeps everything until then)
    ServerLost = 9,      // the sound server went away while recording (likewise)
    CaptureFailed = 10,  // the server refused to start the capture, or dropped it for another reason
};

// A length of time in milliseconds: "90" and "90s" (seconds, decimals
// allowed), "1:30" (minutes and seconds), "1:02:03" (hours too), "2m", "1h",
// and "1h30m", "2m30s"... More than 0, less than 10000 hours; nullopt else.
std::optional<qint64> parseDuration(const QString &text);

struct Options
{
    bool help = false;
    bool version = false;
    bool list = false;
    bool json = false;
    bool quiet = false;
    bool force = false;
    bool listFormats = false;
    QString device;            // name or number; empty: the server's default source's device
    QString line;              // name or number; empty: that device's line as the window would pick it
    QString app;               // an application's name or stream number; empty: none
    QString also;              // a second source: a line's name or number, or "app:NAME"; empty: none
    bool mixed = false;        // the two sources mixed together rather than each in a channel
    WaveFormat format;         // 44100 Hz, stereo, 16 bits unless asked otherwise (48000 Hz for Opus)
    FileType type = FileType::Wav;      // --type, else the file name's extension, else WAV
    Quality quality = Quality::Music;   // of a lossy type
    std::optional<qint64> durationMs;   // none: until stopped
    QString file;              // as given (the type's extension not yet added)
};

struct Parsed
{
    Options options;
    int exit = Recorded;       // not Recorded: refuse with `error`
    QString error;
};

// Reads the arguments (argv[0] first, as QCoreApplication::arguments gives them).
Parsed parseArguments(const QStringList &arguments);

} // namespace cli
