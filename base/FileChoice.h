#pragma once

#include "engine/FileType.h"

#include <QString>

class AudioFile;

// The kind of file the next recording is written as, as the user chose it
// (PublicDim::WavFileType and WavQuality beside PublicDim::WavFormat), and
// what a recording's name says about it: the name's extension wins.

// The type a recording called `name` is written as: the one its extension
// stands for ("talk.flac": FLAC), otherwise `chosen`.
FileType typeOfName(const QString &name, FileType chosen);

// (A name without such an extension gets one with withTypeExtension, in
// engine/TakeTarget.h.)

// `name` with its extension changed to that of `type` when it ends in the
// extension of another type we write ("1.wav" with FLAC: "1.flac"); any other
// name, an empty one included, as it is.
QString renamedForType(const QString &name, FileType type);

// "Speech", "Music", "Best", as the user reads them.
QString qualityDisplayName(Quality quality);

// Hands the shared format, type and quality to the writer. On the way it is
// WAV for a moment, which holds any format, so the writer never sees a type
// with a format it cannot hold. Throws AudioFailure when the writer refuses;
// the writer then writes WAV in the shared format.
void applyRecordingChoice(AudioFile &file);
