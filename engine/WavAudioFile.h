#pragma once

#include "engine/AudioFile.h"
#include "engine/SndfileWriter.h"
#include "engine/WaveFormat.h"

#include <memory>

// Writes the recording's file: PCM WAV with plain POSIX file I/O, and the
// compressed types (FLAC, Ogg Opus, Ogg Vorbis, MP3) through SndfileWriter.
//
// Layout (the header is always 80 bytes, data starts at offset 80):
//
//    0  "RIFF" riffSize "WAVE"
//   12  "JUNK" 28 <28 bytes>           room for a ds64 chunk; zeros once the
//                                      file is finished, a mark while written
//   48  "fmt " 16 <PCM, tag 1>
//   72  "data" dataSize
//
// Below 4 GiB this is a classic WAV every reader accepts. Once the RIFF size no
// longer fits 32 bits the file turns into RF64 (EBU Tech 3306): "RIFF" becomes
// "RF64", JUNK becomes "ds64" with the 64-bit RIFF size, data size and frame
// count, and both 32-bit sizes read 0xFFFFFFFF.
//
// After every block the whole header is rewritten in place (one pwrite into the
// first page of the file), so a process killed at any moment leaves a valid file
// holding every block it wrote. The page cache outlives the process; against a
// power loss the data is also synced to the disk once a second (fdatasync), and
// at close.
//
// A new file is made under a temporary name beside the target and renamed over
// it once its header is written, so a creation that fails never harms an
// existing file. While a file is open, a small journal in the user's state
// folder ($XDG_STATE_HOME/tarvell-recorder/) names it; a clean close removes the
// journal, and RecoverInterrupted() repairs the files whose journal survived.
//
// A compressed file is made, renamed, synced and journaled the same way; the
// journal also names its type. What a killed recorder leaves of it is cut
// back to the encoder's last whole frame or page and its header told the
// length (StreamRepair), at the next RecoverInterrupted(), or at once by
// CloseFile() when a write failed (a full disk).
//
// Writing past RLIMIT_FSIZE raises SIGXFSZ, which would kill the process
// before the write could report EFBIG. Creating a file therefore sets SIGXFSZ
// to ignored, unless the program has installed a handler of its own.
class WavAudioFile : public AudioFile
{
public:
    static constexpr int HeaderSize = 80;

    // journalFolder: where the journals of open files are kept; empty for the
    // user's state folder.
    explicit WavAudioFile(const QString &journalFolder = QString());
    ~WavAudioFile() override;
    WavAudioFile(const WavAudioFile &) = delete;
    WavAudioFile &operator=(const WavAudioFile &) = delete;

    void CloseFile() override;
    void CreateWaveFile(const QString &path, qint32 reserved) override;
    void WriteBlock(const QByteArray &block) override;
    void SetWaveFormat(const WaveFormat &format) override;
    WaveFormat waveFormat() const override { return m_format; }
    void SetFileType(FileType type, Quality quality) override;
    FileType fileType() const override { return m_type; }
    Quality quality() const override { return m_quality; }
    qint32 OpenStatus() const override;
    QList<Recovered> RecoverInterrupted() override;

    WaveFormat format() const { return m_format; }
    quint64 dataBytes() const override { return m_dataBytes; }
    quint64 fileBytes() const override;

    // For tests and tools: grows the data chunk of the open file by `bytes`
    // zero bytes without writing them (a sparse hole made with ftruncate), so
    // the RF64 switch can be exercised without writing 4 GiB. `bytes` must be
    // a whole number of frames. A hole reads as 0x00, which is silence for
    // 16-bit but full negative scale for unsigned 8-bit (silence is 0x80);
    // that is fine for testing sizes, not for making real recordings.
    void AppendSparseZeros(quint64 bytes);

private:
    // Rewrites the header for the current sizes, marked as being written
    // unless finished; returns 0 or the errno of the failure.
    int writeHeader(quint64 padBytes, bool finished = false);
    // Pads, writes the final header, syncs and closes; returns 0 or the errno
    // of the first failure, with what failed in *what.
    int finishFile(QString *what);
    int finishEncoded(QString *what);
    // The last step of both: data to the disk, descriptor closed.
    int syncAndClose(int error, QString *what);
    void writeEncoded(const QByteArray &block);
    QString journalPath() const;
    void writeJournal();
    void releaseJournal();
    void trimTo(quint64 dataBytes);
    [[noreturn]] void throwSystem(int error, const QString &what) const;

    WaveFormat m_format;
    FileType m_type = FileType::Wav;
    Quality m_quality = Quality::Music;      // for the next file and the format numbers
    WaveFormat m_fileFormat;  // of the file that is open
    FileType m_fileType = FileType::Wav;   // likewise
    std::unique_ptr<SndfileWriter> m_encoder;   // open for a compressed file
    int m_encoderError = 0;   // of a write that failed: the encoder's end is not to be believed
    QString m_path;
    int m_fd = -1;
    quint64 m_dataBytes = 0;
    QString m_journalFolder;
    qint64 m_lastSyncMs = 0;
    int m_journalLock = -1;   // held while a file is open: the writer lives
};
