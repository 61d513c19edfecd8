#include "engine/VorbisWriter.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <ogg/ogg.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cerrno>

#include <unistd.h>

namespace {

// The most frames handed to the encoder at once; a block is cut into these.
constexpr qint64 ChunkFrames = 1024;

QString writeFailure(int error)
{
    return QCoreApplication::translate("VorbisWriter", "Cannot write the Ogg Vorbis stream: %1").arg(qt_error_string(error));
}

} // namespace

struct VorbisWriter::State
{
    vorbis_info info{};
    vorbis_comment comment{};
    vorbis_dsp_state dsp{};
    vorbis_block block{};
    ogg_stream_state stream{};
    bool encoding = false;   // all of the above set up, not only info

    int fd = -1;
    qint64 offset = 0;       // where the next page goes
    qint64 pageSamples = 0;  // PageMs in samples
    qint64 pageEnd = 0;      // granule position of the last page written
    int error = 0;           // of the write that failed; nothing is written after it

    State() { vorbis_info_init(&info); }
    ~State()
    {
        if (encoding) {
            ogg_stream_clear(&stream);
            vorbis_block_clear(&block);
            vorbis_dsp_clear(&dsp);
            vorbis_comment_clear(&comment);
        }
        vorbis_info_clear(&info);
    }
    State(const State &) = delete;
    State &operator=(const State &) = delete;

    // All of it, through short writes and interruptions; false with errno.
    bool writeAll(const unsigned char *data, long size)
    {
        while (size > 0) {
            const ssize_t n = ::pwrite(fd, data, size_t(size), off_t(offset));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                if (n == 0)
                    errno = EIO;   // not expected for a regular file, but never spin on it
                return false;
            }
            data += n;
            size -= long(n);
            offset += n;
        }
        return true;
    }

    bool writePage(const ogg_page &page)
    {
        if (error == 0 && (!writeAll(page.header, page.header_len) || !writeAll(page.body, page.body_len)))
            error = errno;
        if (error != 0) {
            errno = error;
            return false;
        }
        if (const qint64 granule = ogg_page_granulepos(&page); granule >= 0)
            pageEnd = granule;
        return true;
    }

    // Every page the stream has ready (flush: also the one being filled).
    bool writePages(bool flush)
    {
        ogg_page page;
        while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page))
            if (!writePage(page))
                return false;
        return true;
    }

    // Encodes what the encoder can of what it was given, and writes out each
    // page as it is made.
    bool drain()
    {
        ogg_packet packet;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                // A page holds no more than PageMs: the one being filled is
                // closed before this packet would take it past that.
                if (packet.granulepos - pageEnd > pageSamples && !writePages(true))
                    return false;
                ogg_stream_packetin(&stream, &packet);
                if (!writePages(false))
                    return false;
            }
        }
        return true;
    }
};

VorbisWriter::VorbisWriter() = default;

VorbisWriter::~VorbisWriter()
{
    close();
}

QString VorbisWriter::open(int fd, double quality, const WaveFormat &format)
{
    close();
    auto state = std::make_unique<State>();
    State &s = *state;
    if (vorbis_encode_init_vbr(&s.info, format.channels, format.sampleRate, float(quality)) != 0)
        return QCoreApplication::translate("VorbisWriter", "The Vorbis encoder cannot make %1 Hz with %2 channel(s) at quality %3.")
            .arg(format.sampleRate)
            .arg(format.channels)
            .arg(quality);
    vorbis_comment_init(&s.comment);
    vorbis_analysis_init(&s.dsp, &s.info);
    vorbis_block_init(&s.dsp, &s.block);
    // A serial number of its own, so that two takes joined end to end still
    // make a valid (chained) stream.
    ogg_stream_init(&s.stream, int(QRandomGenerator::global()->generate() & 0x7FFFFFFF));
    s.encoding = true;
    s.fd = fd;
    s.pageSamples = qint64(format.sampleRate * PageMs / 1000);

    // The three headers: the first alone on the first page, the other two
    // after it, flushed so that the sound starts on a page of its own.
    ogg_packet identification, comment, codebooks;
    vorbis_analysis_headerout(&s.dsp, &s.comment, &identification, &comment, &codebooks);
    ogg_stream_packetin(&s.stream, &identification);
    ogg_stream_packetin(&s.stream, &comment);
    ogg_stream_packetin(&s.stream, &codebooks);
    if (!s.writePages(true)) {
        const int error = s.error;
        state.reset();
        errno = error;
        return writeFailure(error);
    }
    m_state = std::move(state);
    return QString();
}

bool VorbisWriter::write(const float *samples, qint64 frames)
{
    if (!m_state) {
        errno = EBADF;
        return false;
    }
    State &s = *m_state;
    if (s.error != 0) {
        errno = s.error;
        return false;
    }
    const int channels = s.info.channels;
    while (frames > 0) {
        const int n = int(std::min(frames, ChunkFrames));
        float **buffer = vorbis_analysis_buffer(&s.dsp, n);
        for (int c = 0; c < channels; ++c)
            for (int i = 0; i < n; ++i)
                buffer[c][i] = samples[i * channels + c];
        vorbis_analysis_wrote(&s.dsp, n);
        if (!s.drain())
            return false;
        samples += qint64(n) * channels;
        frames -= n;
    }
    return true;
}

QString VorbisWriter::close()
{
    if (!m_state)
        return QString();
    State &s = *m_state;
    // No samples: the end of the stream. Its last packet says how many of
    // the last block's samples are sound.
    if (s.error == 0) {
        vorbis_analysis_wrote(&s.dsp, 0);
        if (s.drain())
            s.writePages(true);
    }
    const int error = s.error;
    m_state.reset();
    errno = error;
    return error == 0 ? QString() : writeFailure(error);
}
