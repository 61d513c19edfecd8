#include "engine/WavAudioFile.h"

#include "engine/AudioFailure.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
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

}  // namespace

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
                           QStringLiteral("Unsupported recording format: %1 Hz, %2 channel(s), %3 bits.")
                               .arg(f.sampleRate)
                               .arg(f.channels)
                               .arg(f.bitsPerSample));
    m_format = f;
}

qint32 WavAudioFile::OpenStatus() const { return m_fd >= 0 ? 0 : -1; }

void WavAudioFile::CreateWaveFile(const QString &path, qint32 reserved)
{
    if (reserved != 0)
        throw AudioFailure(AudioFailure::InvalidArgument,
                           QStringLiteral("The second argument of CreateWaveFile must be 0, not %1.").arg(reserved));
    CloseFile();

    ignoreFileSizeSignal();
    m_path = path;
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        throwSystem(errno, QStringLiteral("Cannot create"));

    m_fd = fd;
    m_fileFormat = m_format;
    m_dataBytes = 0;
    if (const int error = writeHeader(0)) {
        ::close(m_fd);
        m_fd = -1;
        throwSystem(error, QStringLiteral("Cannot write the header of"));
    }
}

void WavAudioFile::WriteBlock(const QByteArray &block)
{
    if (m_fd < 0)
        throw AudioFailure(AudioFailure::FileNotOpen, QStringLiteral("No file is open to write the recording to."));
    if (block.isEmpty())
        return;

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
        throwSystem(error, QStringLiteral("Cannot write to"));
    }

    m_dataBytes += size;
    if (const int error = writeHeader(0))
        throwSystem(error, QStringLiteral("Cannot update the header of"));
}

void WavAudioFile::AppendSparseZeros(quint64 bytes)
{
    if (m_fd < 0)
        throw AudioFailure(AudioFailure::FileNotOpen, QStringLiteral("No file is open to extend."));
    if (bytes % quint64(m_fileFormat.bytesPerFrame()) != 0)
        throw AudioFailure(AudioFailure::InvalidArgument,
                           QStringLiteral("%1 bytes is not a whole number of frames.").arg(bytes));
    if (bytes == 0)
        return;
    if (::ftruncate(m_fd, off_t(HeaderSize + m_dataBytes + bytes)) != 0)
        throwSystem(errno, QStringLiteral("Cannot extend"));
    m_dataBytes += bytes;
    if (const int error = writeHeader(0))
        throwSystem(error, QStringLiteral("Cannot update the header of"));
}

void WavAudioFile::CloseFile()
{
    if (m_fd < 0)
        return;

    int error = 0;
    QString what;
    // A chunk of odd size is followed by a pad byte, which the data size leaves out and the
    // RIFF size counts. Without it (no room left) the file is still readable, so go on.
    quint64 pad = 0;
    if (m_dataBytes % 2 != 0) {
        const char zero = 0;
        if (writeAt(m_fd, &zero, 1, HeaderSize + m_dataBytes) == 1) {
            pad = 1;
        } else {
            error = errno;
            what = QStringLiteral("Cannot complete");
        }
    }
    if (const int e = writeHeader(pad); e != 0 && error == 0) {
        error = e;
        what = QStringLiteral("Cannot update the header of");
    }
    // Linux releases the descriptor even when close() fails, so never retry it.
    if (::close(m_fd) != 0 && error == 0) {
        error = errno;
        what = QStringLiteral("Cannot close");
    }
    m_fd = -1;
    m_dataBytes = 0;
    if (error != 0)
        throwSystem(error, what);
}

int WavAudioFile::writeHeader(quint64 padBytes)
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
    if (rf64) {
        put64(h + 20, riffSize);
        put64(h + 28, m_dataBytes);
        put64(h + 36, m_dataBytes / quint64(f.bytesPerFrame()));
        put32(h + 44, 0);  // no table of other chunk sizes
    }

    putId(h + 48, "fmt ");
    put32(h + 52, quint32(FmtBodySize));
    put16(h + 56, 1);  // WAVE_FORMAT_PCM
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
