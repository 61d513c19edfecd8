#pragma once

#include "engine/WaveFormat.h"

#include <QString>
#include <QStringList>

#include <optional>

// The kind of file a take is written as. WAV is the default and the only one
// written by our own writer; the others are encoded through libsndfile.
enum class FileType { Wav, Flac, OggOpus, OggVorbis, Mp3 };

// How hard a lossy type squeezes: a few named steps rather than encoder
// numbers. Lossless types ignore it.
enum class Quality { Speech, Music, Best };

namespace fileTypes {

// Every type, in the order they are offered.
constexpr FileType All[] = {FileType::Wav, FileType::Flac, FileType::OggOpus, FileType::OggVorbis, FileType::Mp3};

// "wav", "flac", "opus", "ogg", "mp3": the extension a file of the type gets.
QString extension(FileType type);
// The type a file name's extension stands for ("talk.FLAC": Flac); none for
// an unknown or missing extension.
std::optional<FileType> fromFileName(const QString &name);
// The type a short name stands for ("wav", "flac", "opus", "vorbis", "mp3");
// what --type and the settings take.
std::optional<FileType> fromName(const QString &name);
QString name(FileType type);
// "WAV", "FLAC", "Ogg Opus", "Ogg Vorbis", "MP3": as the user reads it.
QString displayName(FileType type);
bool isLossy(FileType type);
// The depth a window records a type's file at when `bits` were chosen: WAV
// keeps every depth, FLAC holds 16 or 24 bits (a float take goes to 24),
// the lossy types are made from 16-bit sound.
qint32 bitsFor(FileType type, qint32 bits);

// Whether a file of the type can hold sound in this format: empty when it
// can, otherwise why not, for the user ("Ogg Opus holds 8, 12, 16, 24 or
// 48 kHz"). Never a file that would play at the wrong speed.
QString whyNot(FileType type, const WaveFormat &format);
// The offered rates (WaveFormat::OfferedRates) the type holds.
QList<qint32> ratesHeld(FileType type);
// The offered rate nearest to `rate` that the type holds.
qint32 nearestRate(FileType type, qint32 rate);

std::optional<Quality> qualityFromName(const QString &name);   // "speech", "music", "best"
QString qualityName(Quality quality);

} // namespace fileTypes
