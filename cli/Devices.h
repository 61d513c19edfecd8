#pragma once

#include "engine/DeviceSnapshot.h"

#include <QByteArray>
#include <QString>

class AudioRecord;

// The devices and lines of the recorder, as the window names them, for the
// command line: listed, and chosen by name or number.
namespace cli {

// One line per line of a device: DEVICE-NUMBER, LINE-NUMBER, "*" for the
// server's default source or nothing, DEVICE, LINE; separated by tabs.
QByteArray listText(const DeviceSnapshot &snapshot);
// {"devices": [{"number", "name", "default", "lines": [{"number", "name", "default", "rate"}]}]}
QByteArray listJson(const DeviceSnapshot &snapshot);

// Makes the asked-for line the recorder's input (see --help for the rules
// when either is empty). On failure returns false with *error saying what
// was not found and listing what there is.
bool chooseLine(AudioRecord &rec, const QString &device, const QString &line, QString *error);

// Makes the line of the application playing now the recorder's input: by its
// stream number, its line's name, or its name ("Game" for "Game: Level 1").
// Names are compared without regard to case.
bool chooseApplication(AudioRecord &rec, const QString &app, QString *error);

} // namespace cli
