#pragma once

#include "engine/FileType.h"
#include "engine/WaveFormat.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The recording's file writer: WAV, or one of the compressed types (see
// FileType). It owns at most one open file.
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
    // Creates the file at path in the current format, replacing a file of that
    // name only once the new one is made: a creation that fails leaves an
    // existing file as it was. The second argument is reserved and must be 0.
    // On failure OpenStatus() is negative and an AudioFailure carries the
    // system's reason.
    virtual void CreateWaveFile(const QString &path, qint32 reserved) = 0;
    // Appends one block and brings the header on disk up to date, so the file
    // stays a valid WAV holding every block written even if the process dies
    // (a compressed file: every frame or page the encoder has made so far).
    virtual void WriteBlock(const QByteArray &block) = 0;
    // Sets the format for the next file; an invalid one (WaveFormat::isValid)
    // is refused and the format stays as it was.
    virtual void SetWaveFormat(const WaveFormat &format) = 0;
    // The format last set.
    virtual WaveFormat waveFormat() const = 0;
    // The type of the next file and, for a lossy type, how hard it squeezes.
    // WAV until told otherwise. A type that cannot hold the format (see
    // fileTypes::whyNot) is refused with an AudioFailure and nothing changes.
    virtual void SetFileType(FileType type, Quality quality) = 0;
    virtual FileType fileType() const = 0;
    virtual Quality quality() const = 0;
    // 0 while a file is open, negative otherwise.
    virtual qint32 OpenStatus() const = 0;
    // Bytes of sample data in the open file (0 when none is open); after a
    // write that failed, what of it reached the file.
    virtual quint64 dataBytes() const = 0;
    // The open file's size as it stands after the last block: header and
    // sound (a compressed file: what the encoder has written). 0 when no
    // file is open.
    virtual quint64 fileBytes() const = 0;
    // A recording that was never closed (the program was killed, the computer
    // lost power) is found again here, at the next start: its header is put
    // right for every whole frame on disk. Each is reported once; files that
    // are not the writer's own, or were changed since, are left alone.
    struct Recovered
    {
        QString path;
        WaveFormat format;
        qint64 frames = 0;
    };
    virtual QList<Recovered> RecoverInterrupted() = 0;

    // The format as the two numbers the recorder's SetFormat takes (see
    // WaveFormat.h).
    qint32 FormatUnit() const { return waveFormat().bytesPerFrame(); }
    qint32 FormatDescriptor() const { return waveFormat().descriptor(); }
};
