#pragma once

#include "engine/FileType.h"

#include <QString>

// Where a take is to be recorded, as the window and tarvell-rec both see it
// before the take starts.

// A recording's name ends in ".wav" in any case: "take" and "take.mp3"
// become "take.wav" and "take.mp3.wav".
QString withWavExtension(const QString &name);
// A name that ends in the extension of a type it can be written as
// ("talk.flac", "talk.OPUS") stays as it is; any other gets the extension of
// `type`: "take" becomes "take.flac" for FLAC, "take.mp3x" "take.mp3x.wav" for WAV.
QString withTypeExtension(const QString &name, FileType type);
// The type a take into `name` is written as: `asked` when given, otherwise
// the one its extension names, otherwise WAV.
FileType takeFileType(const QString &name, std::optional<FileType> asked);

// What is at a name now. A take into a folder cannot start, and one into a
// file with something in it replaces what is there: both faces ask first.
enum class TakeTarget { Free, Folder, NonEmptyFile };
// A name ending in "/" is a folder's, whether or not there is one.
TakeTarget takeTarget(const QString &name);

// The first of "1.wav", "2.wav", ... (in the given extension) that names
// nothing yet in folder (which ends in "/"): what a new take is proposed to
// be called, so that a habitual Yes never replaces yesterday's take.
QString nextFreeTakeName(const QString &folder, const QString &extension = QStringLiteral("wav"));
