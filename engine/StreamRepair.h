#pragma once

#include "engine/FileType.h"
#include "engine/WaveFormat.h"

#include <optional>

// Puts right a FLAC, Ogg (Opus, Vorbis) or MP3 file whose encoder never
// finished it: the process was killed, or the disk filled up in the middle
// of a frame. What the encoder wrote last may be torn; everything before it
// is whole and stays.
//
// - FLAC: cut after the last frame whose checksum holds, and STREAMINFO told
//   the number of samples (its MD5 stays zero: "not known").
// - Ogg: cut after the last page whose checksum holds, and that page marked
//   as the end of the stream.
// - MP3: cut after the last whole frame.
//
// A file its encoder did finish (FLAC with its sample count, Ogg ending in
// an end-of-stream page) is left exactly as it is.
namespace streamRepair {

struct Result
{
    WaveFormat format;     // as the file says (16 bits for the compressed types)
    qint64 frames = 0;     // of sound it holds now
};

// fd is open for reading and writing. nullopt: not a file of the type, or one
// that needs nothing; the file is then untouched. evenIfFinished: the encoder
// closed the file after a write had failed (a full disk), so what it says of
// itself is not to be believed.
std::optional<Result> repair(int fd, FileType type, bool evenIfFinished = false);

} // namespace streamRepair
