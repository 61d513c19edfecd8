#include "engine/StreamRepair.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstring>

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace streamRepair {

namespace {

// The file as bytes, mapped (a long recording need not fit in memory).
class Mapped
{
public:
    explicit Mapped(int fd)
    {
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size <= 0)
            return;
        void *at = ::mmap(nullptr, size_t(st.st_size), PROT_READ, MAP_SHARED, fd, 0);
        if (at == MAP_FAILED)
            return;
        m_data = static_cast<const quint8 *>(at);
        m_size = size_t(st.st_size);
    }
    ~Mapped()
    {
        if (m_data)
            ::munmap(const_cast<quint8 *>(m_data), m_size);
    }
    Mapped(const Mapped &) = delete;
    Mapped &operator=(const Mapped &) = delete;
    const quint8 *data() const { return m_data; }
    size_t size() const { return m_size; }

private:
    const quint8 *m_data = nullptr;
    size_t m_size = 0;
};

bool writeAll(int fd, const void *data, size_t size, off_t at)
{
    return ::pwrite(fd, data, size, at) == ssize_t(size);
}

// ---- FLAC ----

quint8 crc8(const quint8 *p, size_t n)
{
    quint8 crc = 0;
    while (n--) {
        crc ^= *p++;
        for (int i = 0; i < 8; ++i)
            crc = quint8(crc & 0x80 ? (crc << 1) ^ 0x07 : crc << 1);
    }
    return crc;
}

// By table: a long recording's frames are checked at the program's start.
quint16 crc16Step(quint16 crc, quint8 byte)
{
    static const auto table = [] {
        std::array<quint16, 256> t{};
        for (int i = 0; i < 256; ++i) {
            quint16 r = quint16(i << 8);
            for (int k = 0; k < 8; ++k)
                r = quint16(r & 0x8000 ? (r << 1) ^ 0x8005 : r << 1);
            t[size_t(i)] = r;
        }
        return t;
    }();
    return quint16((crc << 8) ^ table[(crc >> 8) ^ byte]);
}

// The block size of the frame header at p (checksum included), 0 when there
// is none there.
int flacFrameHeader(const quint8 *p, size_t left)
{
    if (left < 6 || p[0] != 0xFF || (p[1] & 0xFE) != 0xF8)
        return 0;
    const int sizeCode = p[2] >> 4, rateCode = p[2] & 0x0F;
    if (sizeCode == 0 || rateCode == 0x0F || (p[3] >> 4) > 10 || (p[3] & 0x01))
        return 0;
    size_t n = 4;
    // The frame or sample number, UTF-8 style: the leading ones count the bytes.
    int extra = 0;
    for (quint8 b = p[4]; b & 0x80; b = quint8(b << 1))
        ++extra;
    if (extra == 1 || extra > 7)
        return 0;
    n += extra == 0 ? 1 : size_t(extra);
    if (left < n + 4)
        return 0;
    int blockSize = sizeCode == 1 ? 192 : sizeCode <= 5 ? 576 << (sizeCode - 2) : sizeCode >= 8 ? 256 << (sizeCode - 8) : 0;
    if (sizeCode == 6)
        blockSize = p[n++] + 1;
    else if (sizeCode == 7)
        blockSize = (p[n] << 8 | p[n + 1]) + 1, n += 2;
    n += rateCode == 12 ? 1 : rateCode >= 13 ? 2 : 0;
    if (left < n + 1 || crc8(p, n) != p[n])
        return 0;
    return blockSize;
}

std::optional<Result> repairFlac(int fd, bool evenIfFinished)
{
    off_t cut = 0;
    quint64 samples = 0;
    Result result;
    {
        const Mapped file(fd);
        const quint8 *d = file.data();
        const size_t size = file.size();
        if (!d || size < 42 || std::memcmp(d, "fLaC", 4) != 0 || (d[4] & 0x7F) != 0)
            return std::nullopt;
        // STREAMINFO: rate (20 bits), channels - 1 (3), bits - 1 (5), samples (36).
        const quint64 packed = qFromBigEndian<quint64>(d + 18);
        result.format = WaveFormat{qint32(packed >> 44), qint16(((packed >> 41) & 7) + 1), int((packed >> 36) & 31) + 1};
        if ((packed & 0xFFFFFFFFFull) != 0 && !evenIfFinished)
            return std::nullopt;   // its encoder finished it

        size_t pos = 4;
        for (bool last = false; !last;) {
            if (pos + 4 > size)
                return std::nullopt;
            last = d[pos] & 0x80;
            pos += 4 + (size_t(d[pos + 1]) << 16 | size_t(d[pos + 2]) << 8 | d[pos + 3]);
        }
        // Each frame ends in a CRC-16 of all of it, and the next begins with a
        // header whose own CRC-8 holds (or the file ends).
        while (pos < size) {
            const int blockSize = flacFrameHeader(d + pos, size - pos);
            if (blockSize == 0)
                break;
            quint16 crc = 0;
            size_t end = 0;
            for (size_t k = pos; k + 2 <= size; ++k) {
                const size_t e = k + 2;
                if (k > pos + 5 && crc == qFromBigEndian<quint16>(d + k)
                    && (e == size || flacFrameHeader(d + e, size - e) > 0)) {
                    end = e;
                    break;
                }
                crc = crc16Step(crc, d[k]);
            }
            if (end == 0)
                break;
            samples += quint64(blockSize);
            pos = end;
        }
        cut = off_t(pos);
        if (size_t(cut) == size && (packed & 0xFFFFFFFFFull) == samples)
            return std::nullopt;   // whole, and says so
    }
    if (::ftruncate(fd, cut) != 0)
        return std::nullopt;
    quint8 info[24] = {};   // the packed fields, then MD5 zeroed: not known
    std::array<quint8, 8> packed{};
    if (::pread(fd, packed.data(), 8, 18) != 8)
        return std::nullopt;
    const quint64 fields = (qFromBigEndian<quint64>(packed.data()) & ~0xFFFFFFFFFull) | (samples & 0xFFFFFFFFFull);
    qToBigEndian(fields, info);
    if (!writeAll(fd, info, sizeof info, 18))
        return std::nullopt;
    result.frames = qint64(samples);
    return result;
}

// ---- Ogg ----

quint32 oggCrc(const quint8 *p, size_t n, size_t skipAt)
{
    static const auto table = [] {
        std::array<quint32, 256> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 r = i << 24;
            for (int k = 0; k < 8; ++k)
                r = r & 0x80000000u ? (r << 1) ^ 0x04C11DB7u : r << 1;
            t[i] = r;
        }
        return t;
    }();
    quint32 crc = 0;
    for (size_t i = 0; i < n; ++i) {
        const quint8 b = i >= skipAt && i < skipAt + 4 ? 0 : p[i];   // its own checksum counts as zeros
        crc = (crc << 8) ^ table[((crc >> 24) ^ b) & 0xFF];
    }
    return crc;
}

// The length of the whole page at p whose checksum holds, 0 otherwise.
size_t oggPage(const quint8 *p, size_t left)
{
    if (left < 27 || std::memcmp(p, "OggS", 4) != 0 || p[4] != 0 || left < 27 + size_t(p[26]))
        return 0;
    size_t length = 27 + p[26];
    for (int i = 0; i < p[26]; ++i)
        length += p[27 + i];
    if (length > left || oggCrc(p, length, 22) != qFromLittleEndian<quint32>(p + 22))
        return 0;
    return length;
}

std::optional<Result> repairOgg(int fd, FileType type, bool evenIfFinished)
{
    size_t pos = 0, lastPage = 0;
    qint64 granule = -1;
    Result result;
    bool ended = false;
    quint64 preSkip = 0;
    {
        const Mapped file(fd);
        const quint8 *d = file.data();
        const size_t size = file.size();
        const size_t first = d ? oggPage(d, size) : 0;
        if (first == 0)
            return std::nullopt;
        const quint8 *head = d + 27 + d[26];
        const size_t headSize = first - 27 - d[26];
        if (type == FileType::OggOpus && headSize >= 19 && std::memcmp(head, "OpusHead", 8) == 0) {
            result.format = WaveFormat{qint32(qFromLittleEndian<quint32>(head + 12)), qint16(head[9]), 16};
            preSkip = qFromLittleEndian<quint16>(head + 10);
        } else if (type == FileType::OggVorbis && headSize >= 16 && std::memcmp(head, "\x01vorbis", 7) == 0) {
            result.format = WaveFormat{qint32(qFromLittleEndian<quint32>(head + 12)), qint16(head[11]), 16};
        } else {
            return std::nullopt;
        }
        while (pos < size) {
            const size_t length = oggPage(d + pos, size - pos);
            if (length == 0)
                break;
            if (const qint64 g = qFromLittleEndian<qint64>(d + pos + 6); g != -1)
                granule = g;
            ended = d[pos + 5] & 0x04;
            lastPage = pos;
            pos += length;
        }
        if (ended && pos == size && !evenIfFinished)
            return std::nullopt;   // its encoder finished it
    }
    if (::ftruncate(fd, off_t(pos)) != 0)
        return std::nullopt;
    // The last whole page becomes the end of the stream, so that a player
    // knows it is over rather than cut off.
    if (!ended) {
        QByteArray page(int(pos - lastPage), Qt::Uninitialized);
        if (::pread(fd, page.data(), size_t(page.size()), off_t(lastPage)) != page.size())
            return std::nullopt;
        auto *p = reinterpret_cast<quint8 *>(page.data());
        p[5] |= 0x04;
        qToLittleEndian(oggCrc(p, size_t(page.size()), 22), p + 22);
        if (!writeAll(fd, p, 27, off_t(lastPage)))
            return std::nullopt;
    }
    if (granule > 0) {
        // Opus counts at 48 kHz whatever it was fed, after its pre-skip.
        result.frames = type == FileType::OggOpus
                            ? qint64(std::max<qint64>(0, granule - qint64(preSkip)) * result.format.sampleRate / 48000)
                            : granule;
    }
    return result;
}

// ---- MP3 ----

// The length of the MPEG audio layer III frame at p, 0 when there is none;
// its rate, channels and samples through the pointers.
size_t mp3Frame(const quint8 *p, size_t left, Result *format, int *samples)
{
    static constexpr int Kbits1[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    static constexpr int Kbits2[] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
    static constexpr int Rates[] = {44100, 48000, 32000};
    if (left < 4 || p[0] != 0xFF || (p[1] & 0xE0) != 0xE0 || ((p[1] >> 1) & 3) != 1)
        return 0;
    const int version = (p[1] >> 3) & 3;   // 3: MPEG-1, 2: MPEG-2, 0: MPEG-2.5
    const int bitrateIndex = p[2] >> 4, rateIndex = (p[2] >> 2) & 3;
    if (version == 1 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3)
        return 0;
    const int rate = Rates[rateIndex] >> (version == 3 ? 0 : version == 2 ? 1 : 2);
    const int kbits = (version == 3 ? Kbits1 : Kbits2)[bitrateIndex];
    const size_t length = size_t((version == 3 ? 144 : 72) * kbits * 1000 / rate + ((p[2] >> 1) & 1));
    format->format = WaveFormat{rate, qint16((p[3] >> 6) == 3 ? 1 : 2), 16};
    *samples = version == 3 ? 1152 : 576;
    return length <= left ? length : 0;
}

// Where a tag frame's "Xing" or "Info" is, after the side information.
size_t mp3TagOffset(const quint8 *header)
{
    const bool mpeg1 = ((header[1] >> 3) & 3) == 3, mono = (header[3] >> 6) == 3;
    return 4 + (mpeg1 ? (mono ? 17 : 32) : (mono ? 9 : 17));
}

std::optional<Result> repairMp3(int fd, bool evenIfFinished)
{
    size_t pos = 0, firstFrame = 0;
    bool placeholder = false, tagged = false;
    qint64 frames = 0;
    int frameSamples = 0;
    Result result;
    {
        const Mapped file(fd);
        const quint8 *d = file.data();
        const size_t size = file.size();
        if (!d)
            return std::nullopt;
        if (size >= 10 && std::memcmp(d, "ID3", 3) == 0)
            pos = 10 + (size_t(d[6] & 0x7F) << 21 | size_t(d[7] & 0x7F) << 14 | size_t(d[8] & 0x7F) << 7 | (d[9] & 0x7F));
        firstFrame = pos;
        while (pos < size) {
            const size_t length = mp3Frame(d + pos, size - pos, &result, &frameSamples);
            if (length == 0)
                break;
            // The encoder keeps its first frame for the tag it writes at the
            // end ("Xing", "Info"); until then that frame is empty.
            if (pos == firstFrame) {
                const size_t at = mp3TagOffset(d + pos);
                placeholder = std::all_of(d + pos + 4, d + pos + length, [](quint8 b) { return b == 0; });
                tagged = at + 16 <= length
                         && (std::memcmp(d + pos + at, "Xing", 4) == 0 || std::memcmp(d + pos + at, "Info", 4) == 0);
            }
            if (pos != firstFrame || !(placeholder || tagged))
                ++frames;
            pos += length;
        }
        if (!result.format.isValid() || (!placeholder && !evenIfFinished))
            return std::nullopt;   // a finished file, or not ours
        result.frames = frames * frameSamples;
    }
    if (::ftruncate(fd, off_t(pos)) != 0)
        return std::nullopt;
    // The tag frame tells players the length: the frame and byte counts
    // after "Xing" (written afresh in an empty frame; in the encoder's own
    // tag, when it counted what never reached the disk).
    if (placeholder || tagged) {
        quint8 header[4], tag[16] = {'X', 'i', 'n', 'g', 0, 0, 0, 3};
        if (::pread(fd, header, 4, off_t(firstFrame)) != 4)
            return std::nullopt;
        const off_t at = off_t(firstFrame + mp3TagOffset(header));
        if (tagged && ::pread(fd, tag, 8, at) != 8)
            return std::nullopt;
        if ((qFromBigEndian<quint32>(tag + 4) & 3) == 3) {
            qToBigEndian<quint32>(quint32(frames), tag + 8);
            qToBigEndian<quint32>(quint32(pos - firstFrame), tag + 12);
            if (!writeAll(fd, tag, sizeof tag, at))
                return std::nullopt;
        }
    }
    return result;
}

} // namespace

std::optional<Result> repair(int fd, FileType type, bool evenIfFinished)
{
    switch (type) {
    case FileType::Flac:
        return repairFlac(fd, evenIfFinished);
    case FileType::OggOpus:
    case FileType::OggVorbis:
        return repairOgg(fd, type, evenIfFinished);
    case FileType::Mp3:
        return repairMp3(fd, evenIfFinished);
    case FileType::Wav:
        break;
    }
    return std::nullopt;
}

} // namespace streamRepair
