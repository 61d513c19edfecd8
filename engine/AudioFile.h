#pragma once

#include "engine/WaveFormat.h"

#include <QByteArray>
#include <QString>

// The WAV file writer. It owns at most one open file.
//
// Blocks are the raw PCM frames as the recorder delivers them (AudioRecord::GetBlock):
// unsigned 8-bit or signed 16-bit little-endian, interleaved.
//
// Every operation that fails throws AudioFailure; nothing is swallowed inside,
// so the caller decides whether to skip a step or stop a recording.
class AudioFile
{
public:
    virtual ~AudioFile() = default;

    // Completes the file (sizes, padding) and closes it. Does nothing when no file is open.
    virtual void CloseFile() = 0;
    // Creates (or truncates) the file at path in the current format. The second
    // argument is reserved and must be 0. On failure OpenStatus() is negative
    // and an AudioFailure carries the system's reason.
    virtual void CreateWaveFile(const QString &path, qint32 reserved) = 0;
    // Appends one block and brings the header on disk up to date, so the file
    // stays a valid WAV holding every block written even if the process dies.
    virtual void WriteBlock(const QByteArray &block) = 0;
    // Sets the format for the next file and for FormatDescriptor/FormatUnit.
    virtual void SetWaveFormat(qint32 sampleRate, qint16 channels, qint32 bitsPerSample) = 0;
    // 0 while a file is open, negative otherwise.
    virtual qint32 OpenStatus() const = 0;
    // See WaveFormat.h for what these two numbers mean.
    virtual qint32 FormatUnit() const = 0;
    virtual qint32 FormatDescriptor() const = 0;
};
