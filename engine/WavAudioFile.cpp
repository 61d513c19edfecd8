#include "engine/WavAudioFile.h"

#include "engine/AudioFailure.h"
#include "engine/StreamRepair.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

static_assert(sizeof(off_t) == 8, "WAV files past 2 GiB need a 64-bit off_t");

namespace {

constexpr quint64 FmtBodySize = 16;
constexpr quint64 Ds64BodySize = 28;  // RIFF size, data size, frame count (8 each), table length (4)
// Everything the RIFF size counts besides the data and its pad byte: "WAVE" and the headers of
// the JUNK/ds64, fmt and data chunks with their bodies.
constexpr quint64 RiffOverhead = WavAudioFile::HeaderSize - 8;
constexpr quint64 Max32 = 0xFFFFFFFFu;

void put16(char *at, quint16 v) { qToLittleEndian(v, at); }
void put32(char *at, quint32 v) { qToLittleEndian(v, at); }
void put64(char *at, quint64 v) { qToLittleEndian(v, at); }
void putId(char *at, const char *id) { std::memcpy(at, id, 4); }

// Writes all of [data, data + size) at offset. Returns the bytes that reached the file;
// fewer than size means it failed, with the reason in errno.
size_t writeAt(int fd, const char *data, size_t size, quint64 offset)
{
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pwrite(fd, data + done, size - done, off_t(offset + done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return done;
        }
        if (n == 0) {  // not expected for a regular file, but never spin on it
            errno = EIO;
            return done;
        }
        done += size_t(n);
    }
    return done;
}

// A write past RLIMIT_FSIZE raises SIGXFSZ, whose default action kills the process before
// write() can return EFBIG. Ignore it unless the program handles it itself.
void ignoreFileSizeSignal()
{
    struct sigaction current {};
    if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && !(current.sa_flags & SA_SIGINFO)
        && current.sa_handler == SIG_DFL)
        ::signal(SIGXFSZ, SIG_IGN);
}

constexpr qint64 SyncIntervalMs = 1000;

qint64 nowMs()
{
    return QDateTime::currentMSecsSinceEpoch();
}

quint16 get16(const char *at) { return qFromLittleEndian<quint16>(at); }
quint32 get32(const char *at) { return qFromLittleEndian<quint32>(at); }
quint64 get64(const char *at) { return qFromLittleEndian<quint64>(at); }

// While a file is being written its JUNK chunk (which every reader skips)
// says so; the header written at the close clears it. So the file itself
// tells a recording cut off from a finished one, whatever came after.
constexpr char OpenMark[] = "tarvell: recording";
static_assert(sizeof(OpenMark) <= 28);

// WAVE_FORMAT_IEEE_FLOAT for floats, WAVE_FORMAT_PCM for the rest.
quint16 formatTag(const WaveFormat &f) { return f.isFloat() ? 3 : 1; }

// The format of a header this writer wrote, or an invalid one when the first
// bytes are anything else.
WaveFormat ownHeaderFormat(const char *h)
{
    const bool riff = std::memcmp(h, "RIFF", 4) == 0 && std::memcmp(h + 12, "JUNK", 4) == 0;
    const bool rf64 = std::memcmp(h, "RF64", 4) == 0 && std::memcmp(h + 12, "ds64", 4) == 0;
    if (!(riff || rf64) || std::memcmp(h + 8, "WAVE", 4) != 0 || get32(h + 16) != Ds64BodySize
        || std::memcmp(h + 48, "fmt ", 4) != 0 || get32(h + 52) != FmtBodySize || std::memcmp(h + 72, "data", 4) != 0)
        return {0, 0, 0};
    WaveFormat f;
    f.channels = qint16(get16(h + 58));
    f.sampleRate = qint32(get32(h + 60));
    f.bitsPerSample = get16(h + 70);
    if (!f.isValid() || get16(h + 56) != formatTag(f) || get16(h + 68) != f.bytesPerFrame() || get32(h + 64) != quint32(f.bytesPerSecond()))
        return {0, 0, 0};
    return f;
}

}  // namespace

WavAudioFile::WavAudioFile(const QString &journalFolder) : m_journalFolder(journalFolder)
{
    if (m_journalFolder.isEmpty()) {
        const QString state = qEnvironmentVariable("XDG_STATE_HOME");
        m_journalFolder = (state.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/state") : state)
                          + QStringLiteral("/tarvell-recorder");
    }
}

WavAudioFile::~WavAudioFile()
{
    // A destructor cannot report a failure; callers that care close explicitly first.
    try {
        CloseFile();
    } catch (const AudioFailure &) {
    }
}

void WavAudioFile::SetWaveFormat(const WaveFormat &f)
{
    if (!f.isValid())
        throw AudioFailure(AudioFailure::InvalidArgument,
                           QCoreApplication::translate("WavAudioFile", "Unsupported recording format: %1 Hz, %2 channel(s), %3 bits.")
                               .arg(f.sampleRate)
                               .arg(f.channels)
                               .arg(f.bitsPerSample));
    if (const QString why = fileTypes::whyNot(m_type, f); !why.isEmpty())
        throw AudioFailure(AudioFailure::InvalidArgument, why);
    m_format = f;
}

void WavAudioFile::SetFileType(FileType type, Quality quality)
{
    if (const QString why = fileTypes::whyNot(type, m_format); !why.isEmpty())
        throw AudioFailure(AudioFailure::InvalidArgument, why);
    m_type = type;
    m_quality = quality;
}

qint32 WavAudioFile::OpenStatus() const { return m_fd >= 0 ? 0 : -1; }

quint64 WavAudioFile::fileBytes() const
{
    if (m_fd < 0)
        return 0;
    // A WAV's header has one size whatever it holds; no need to ask the disk.
    if (m_fileType == FileType::Wav)
        return HeaderSize + m_dataBytes;
    struct stat st {};
    return ::fstat(m_fd, &st) == 0 ? quint64(st.st_size) : 0;
}

void WavAudioFile::CreateWaveFile(const QString &path, qint32 reserved)
{
    if (reserved != 0)
        throw AudioFailure(AudioFailure::InvalidArgument,
                           QCoreApplication::translate("WavAudioFile", "The second argument of CreateWaveFile must be 0, not %1.").arg(reserved));
    CloseFile();

    ignoreFileSizeSignal();
    m_path = path;
    if (path.isEmpty())
        throwSystem(ENOENT, QCoreApplication::translate("WavAudioFile", "Cannot create"));
    if (QFileInfo(path).isDir())
        throwSystem(EISDIR, QCoreApplication::translate("WavAudioFile", "Cannot create"));

    // Made beside the target under a name of its own, then renamed over it.
    const QByteArray target = QFile::encodeName(path);
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = target + ".tarvell-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        // Read too: the encoders look back at what they wrote.
        fd = ::open(temporary.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        throwSystem(errno, QCoreApplication::translate("WavAudioFile", "Cannot create"));
    // A file replaced keeps who may read it: its group where we may set it,
    // then its permission bits (a private take stays private). Done before
    // a byte is written.
    struct stat replaced {};
    if (::stat(target.constData(), &replaced) == 0 && S_ISREG(replaced.st_mode)) {
        [[maybe_unused]] const int group = ::fchown(fd, uid_t(-1), replaced.st_gid);
        ::fchmod(fd, replaced.st_mode & 07777);
    }

    m_fd = fd;
    m_fileFormat = m_format;
    m_fileType = m_type;
    m_encoderError = 0;
    m_dataBytes = 0;
    m_lastSyncMs = nowMs();
    int error = 0;
    QString encoderError;
    if (m_fileType == FileType::Wav) {
        error = writeHeader(0);
    } else {
        m_encoder = std::make_unique<SndfileWriter>();
        encoderError = m_encoder->open(m_fd, m_fileType, m_quality, m_fileFormat);
        if (!encoderError.isEmpty())
            m_encoder.reset();
    }
    if (error == 0 && encoderError.isEmpty() && ::rename(temporary.constData(), target.constData()) != 0)
        error = errno;
    if (error != 0 || !encoderError.isEmpty()) {
        if (m_encoder)
            m_encoder->close();
        m_encoder.reset();
        ::close(m_fd);
        m_fd = -1;
        ::unlink(temporary.constData());
        if (!encoderError.isEmpty())
            throw AudioFailure(AudioFailure::InvalidArgument,
                               QCoreApplication::translate("WavAudioFile", "Cannot create %1 as %2: %3")
                                   .arg(QDir::toNativeSeparators(m_path), fileTypes::displayName(m_fileType),
                                        encoderError));
        throwSystem(error, QCoreApplication::translate("WavAudioFile", "Cannot create"));
    }
    writeJournal();
}

void WavAudioFile::WriteBlock(const QByteArray &block)
{
    if (m_fd < 0)
        throw AudioFailure(AudioFailure::FileNotOpen, QCoreApplication::translate("WavAudioFile", "No file is open to write the recording to."));
    if (block.isEmpty())
        return;

    if (m_encoder) {
        writeEncoded(block);
        return;
    }

    const size_t size = size_t(block.size());
    const size_t done = writeAt(m_fd, block.constData(), size, HeaderSize + m_dataBytes);
    if (done < size) {
        const int error = errno;
        // Part of the block may be in the file (a disk that filled up, a file size limit).
        // Keep its whole frames and cut off the rest, so the header describes exactly what is
        // there. The first failure is the one reported.
        const quint64 reached = m_dataBytes + done;
        const quint64 keep = std::max(m_dataBytes, reached - reached % quint64(m_fileFormat.bytesPerFrame()));
        if (done > 0)
            trimTo(keep);
        throwSystem(error, QCoreApplication::translate("WavAudioFile", "Cannot write to"));
    }

    m_dataBytes += size;
    if (const int error = writeHeader(0))
        throwSystem(error, QCoreApplication::translate("WavAudioFile", "Cannot update the header of"));
    // Against a power loss: on the disk itself, not only in the page cache,
    // at least once a second.
    if (nowMs() - m_lastSyncMs >= SyncIntervalMs) {
        ::fdatasync(m_fd);
        m_lastSyncMs = nowMs();
    }
}

void WavAudioFile::AppendSparseZeros(quint64 bytes)
{
    if (m_fd < 0)
        throw AudioFailure(AudioFailure::FileNotOpen, QCoreApplication::translate("WavAudioFile", "No file is open to extend."));
    if (m_encoder)
        throw AudioFailure(AudioFailure::InvalidArgument, QCoreApplication::translate("WavAudioFile", "Only a WAV file can be extended."));
    if (bytes % quint64(m_fileFormat.bytesPerFrame()) != 0)
        throw AudioFailure(AudioFailure::InvalidArgument,
                           QCoreApplication::translate("WavAudioFile", "%1 bytes is not a whole number of frames.").arg(bytes));
    if (bytes == 0)
        return;
    if (::ftruncate(m_fd, off_t(HeaderSize + m_dataBytes + bytes)) != 0)
        throwSystem(errno, QCoreApplication::translate("WavAudioFile", "Cannot extend"));
    m_dataBytes += bytes;
    if (const int error = writeHeader(0))
        throwSystem(error, QCoreApplication::translate("WavAudioFile", "Cannot update the header of"));
}

void WavAudioFile::CloseFile()
{
    if (m_fd < 0)
        return;
    QString what;
    const int error = finishFile(&what);
    QFile::remove(journalPath());
    releaseJournal();
    if (error != 0)
        throwSystem(error, what);
}

void WavAudioFile::writeEncoded(const QByteArray &block)
{
    if (m_encoderError == 0 && !m_encoder->write(block))
        m_encoderError = errno;
    // The encoder's last frame or page may be torn; the close cuts it off, so
    // the file holds what fitted and stays playable. Each write after the
    // failure fails the same.
    if (m_encoderError != 0)
        throwSystem(m_encoderError, QCoreApplication::translate("WavAudioFile", "Cannot write to"));
    m_dataBytes += quint64(block.size());
    // What the encoder has written reaches the disk at least once a second.
    if (nowMs() - m_lastSyncMs >= SyncIntervalMs) {
        ::fdatasync(m_fd);
        m_lastSyncMs = nowMs();
    }
}

int WavAudioFile::finishEncoded(QString *what)
{
    int error = 0;
    const QString encoderError = m_encoder->close();
    m_encoder.reset();
    if (!encoderError.isEmpty() && m_encoderError == 0) {
        error = errno != 0 ? errno : EIO;
        *what = QCoreApplication::translate("WavAudioFile", "Cannot complete");
    }
    if (m_encoderError != 0 || error != 0)
        streamRepair::repair(m_fd, m_fileType, true);
    return syncAndClose(error, what);
}

int WavAudioFile::finishFile(QString *what)
{
    if (m_encoder)
        return finishEncoded(what);
    int error = 0;
    // A chunk of odd size is followed by a pad byte, which the data size leaves out and the
    // RIFF size counts. Without it (no room left) the file is still readable, so go on.
    quint64 pad = 0;
    if (m_dataBytes % 2 != 0) {
        const char zero = 0;
        if (writeAt(m_fd, &zero, 1, HeaderSize + m_dataBytes) == 1) {
            pad = 1;
        } else {
            error = errno;
            *what = QCoreApplication::translate("WavAudioFile", "Cannot complete");
        }
    }
    if (const int e = writeHeader(pad, true); e != 0 && error == 0) {
        error = e;
        *what = QCoreApplication::translate("WavAudioFile", "Cannot update the header of");
    }
    return syncAndClose(error, what);
}

// The last steps of finishing any file: its data to the disk, then the
// descriptor closed. The first failure is the one reported.
int WavAudioFile::syncAndClose(int error, QString *what)
{
    if (::fdatasync(m_fd) != 0 && error == 0 && errno != EINVAL) {
        error = errno;
        *what = QCoreApplication::translate("WavAudioFile", "Cannot save");
    }
    // Linux releases the descriptor even when close() fails, so never retry it.
    if (::close(m_fd) != 0 && error == 0) {
        error = errno;
        *what = QCoreApplication::translate("WavAudioFile", "Cannot close");
    }
    m_fd = -1;
    m_dataBytes = 0;
    return error;
}

QString WavAudioFile::journalPath() const
{
    return m_journalFolder + QStringLiteral("/recording-%1.journal").arg(QCoreApplication::applicationPid());
}

void WavAudioFile::writeJournal()
{
    // Best effort: a journal that cannot be written only means an interrupted
    // recording is not repaired by itself (its header is behind by at most one
    // block, and every reader still opens it).
    struct stat st {};
    if (::fstat(m_fd, &st) != 0)
        return;
    QDir().mkpath(m_journalFolder);
    QSaveFile journal(journalPath());
    if (!journal.open(QIODevice::WriteOnly))
        return;
    journal.write(QFile::encodeName(QFileInfo(m_path).absoluteFilePath()) + '\n'
                  + QByteArray::number(quint64(st.st_dev)) + ' ' + QByteArray::number(quint64(st.st_ino)) + '\n'
                  + fileTypes::name(m_fileType).toLatin1() + '\n');
    if (!journal.commit())
        return;
    // The writer is alive exactly as long as this lock is held: the system
    // drops it with the process, however the process ends.
    releaseJournal();
    m_journalLock = ::open(QFile::encodeName(journalPath()).constData(), O_RDONLY | O_CLOEXEC);
    if (m_journalLock >= 0 && ::flock(m_journalLock, LOCK_EX | LOCK_NB) != 0)
        releaseJournal();
}

void WavAudioFile::releaseJournal()
{
    if (m_journalLock >= 0)
        ::close(m_journalLock);
    m_journalLock = -1;
}

QList<AudioFile::Recovered> WavAudioFile::RecoverInterrupted()
{
    QList<Recovered> found;
    const QDir folder(m_journalFolder);
    for (const QString &name : folder.entryList({QStringLiteral("recording-*.journal")}, QDir::Files)) {
        const QString journalFile = folder.filePath(name);
        // A journal whose writer still holds its lock is a recording under
        // way (here or in another process), not ours to judge.
        const int lock = ::open(QFile::encodeName(journalFile).constData(), O_RDONLY | O_CLOEXEC);
        if (lock < 0)
            continue;
        const bool writerAlive = ::flock(lock, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
        ::close(lock);
        if (writerAlive)
            continue;

        QFile journal(journalFile);
        QList<QByteArray> lines;
        if (journal.open(QIODevice::ReadOnly) && journal.size() < 65536)
            lines = journal.readAll().split('\n');
        journal.close();
        QFile::remove(journalFile);   // told once, whatever comes of it
        if (lines.size() < 2)
            continue;
        const QByteArray path = lines[0];
        const QList<QByteArray> id = lines[1].split(' ');

        // Only the very file this writer made, untouched since: same device
        // and inode, and the header it writes.
        const int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            continue;
        struct stat st {};
        const bool same = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && id.size() == 2
                          && quint64(st.st_dev) == id[0].toULongLong() && quint64(st.st_ino) == id[1].toULongLong();
        // A journal from before the types has no third line: WAV.
        const FileType type = lines.size() > 2 ? fileTypes::fromName(QString::fromLatin1(lines[2])).value_or(FileType::Wav)
                                               : FileType::Wav;
        if (type != FileType::Wav) {
            const auto repaired = same ? streamRepair::repair(fd, type) : std::nullopt;
            if (repaired) {
                ::fdatasync(fd);
                found.append({QFile::decodeName(path), repaired->format, repaired->frames});
            }
            ::close(fd);
            continue;
        }
        char h[HeaderSize];
        WaveFormat format{0, 0, 0};
        if (same && st.st_size >= HeaderSize && ::pread(fd, h, HeaderSize, 0) == HeaderSize)
            format = ownHeaderFormat(h);
        if (!format.isValid()) {
            ::close(fd);
            continue;
        }
        // A finished file is left as it is, and not told of: its JUNK chunk
        // no longer says it is being written, and its RIFF size covers the
        // whole file (so a chunk appended by a tagger, or the pad byte of an
        // odd data size, is never taken for sound). An RF64 file has no room
        // for the mark; its sizes alone tell.
        const bool rf64 = std::memcmp(h, "RF64", 4) == 0;
        const bool marked = !rf64 && std::memcmp(h + 20, OpenMark, sizeof(OpenMark)) == 0;
        const quint64 riffSize = rf64 ? get64(h + 20) : get32(h + 4);
        if (!marked && riffSize + 8 == quint64(st.st_size)) {
            ::close(fd);
            continue;
        }

        // Every whole frame on disk is in; a torn last frame is cut off.
        const quint64 frameBytes = quint64(format.bytesPerFrame());
        const quint64 frames = (quint64(st.st_size) - HeaderSize) / frameBytes;
        WavAudioFile repair(m_journalFolder);
        repair.m_fd = fd;
        repair.m_path = QFile::decodeName(path);
        repair.m_fileFormat = format;
        repair.m_dataBytes = frames * frameBytes;
        if (::ftruncate(fd, off_t(HeaderSize + repair.m_dataBytes)) != 0) {
            ::close(fd);
            repair.m_fd = -1;
            continue;
        }
        QString what;
        if (repair.finishFile(&what) == 0)
            found.append({repair.m_path, format, qint64(frames)});
    }
    return found;
}

int WavAudioFile::writeHeader(quint64 padBytes, bool finished)
{
    const WaveFormat &f = m_fileFormat;
    const quint64 riffSize = RiffOverhead + m_dataBytes + padBytes;
    // 0xFFFFFFFF itself is RF64's "see ds64" mark, so a plain RIFF stops one byte short of it.
    const bool rf64 = riffSize >= Max32;

    char h[HeaderSize] = {};
    putId(h + 0, rf64 ? "RF64" : "RIFF");
    put32(h + 4, quint32(rf64 ? Max32 : riffSize));
    putId(h + 8, "WAVE");

    putId(h + 12, rf64 ? "ds64" : "JUNK");
    put32(h + 16, quint32(Ds64BodySize));
    if (!rf64 && !finished)
        std::memcpy(h + 20, OpenMark, sizeof(OpenMark));
    if (rf64) {
        put64(h + 20, riffSize);
        put64(h + 28, m_dataBytes);
        put64(h + 36, m_dataBytes / quint64(f.bytesPerFrame()));
        put32(h + 44, 0);  // no table of other chunk sizes
    }

    putId(h + 48, "fmt ");
    put32(h + 52, quint32(FmtBodySize));
    put16(h + 56, formatTag(f));
    put16(h + 58, quint16(f.channels));
    put32(h + 60, quint32(f.sampleRate));
    put32(h + 64, quint32(f.bytesPerSecond()));
    put16(h + 68, quint16(f.bytesPerFrame()));
    put16(h + 70, quint16(f.bitsPerSample));

    putId(h + 72, "data");
    put32(h + 76, quint32(rf64 ? Max32 : m_dataBytes));

    // The header lies within the first page of the file, so the kernel copies it in whole or
    // not at all: a process killed here leaves either the old sizes or the new ones.
    return writeAt(m_fd, h, HeaderSize, 0) == HeaderSize ? 0 : errno;
}

void WavAudioFile::trimTo(quint64 dataBytes)
{
    // Best effort: this runs while a write failure is being reported, and that failure is
    // the one the caller needs to hear about. Should the truncation fail, the stray bytes lie
    // past the data chunk the header describes, and the next block overwrites them.
    [[maybe_unused]] const int truncated = ::ftruncate(m_fd, off_t(HeaderSize + dataBytes));
    m_dataBytes = dataBytes;
    writeHeader(0);
}

void WavAudioFile::throwSystem(int error, const QString &what) const
{
    throw AudioFailure(AudioFailure::SystemBase + error,
                       QStringLiteral("%1 %2: %3").arg(what, QDir::toNativeSeparators(m_path), qt_error_string(error)));
}
