#include "engine/SndfileWriter.h"

#include "engine/SampleCodec.h"

#include <QCoreApplication>

#include <sndfile.h>

#include <array>
#include <cerrno>

namespace {

// FLAC keeps 8 and 16-bit sound in 16 bits, 24-bit and float sound in 24.
bool deepFlac(FileType type, const WaveFormat &format) { return type == FileType::Flac && format.bitsPerSample > 16; }

int sndfileFormat(FileType type, const WaveFormat &format)
{
    switch (type) {
    case FileType::Flac:
        return SF_FORMAT_FLAC | (deepFlac(type, format) ? SF_FORMAT_PCM_24 : SF_FORMAT_PCM_16);
    case FileType::OggOpus:
        return SF_FORMAT_OGG | SF_FORMAT_OPUS;
    case FileType::Mp3:
        return SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    case FileType::OggVorbis:   // VorbisWriter's
    case FileType::Wav:
        break;
    }
    return 0;
}

} // namespace

SndfileWriter::~SndfileWriter()
{
    close();
}

double SndfileWriter::encoderQuality(FileType type, Quality quality)
{
    const int q = int(quality);
    switch (type) {
    case FileType::OggOpus:
        // libsndfile spreads 0..1 evenly over 6..256 kbit/s a channel: 16,
        // 48 and 80 kbit/s a channel (32, 96, 160 for stereo).
        return std::array{0.04, 0.168, 0.296}[q];
    case FileType::OggVorbis:
        // Vorbis's own scale: about 110, 160 and 240 kbit/s for stereo music.
        return std::array{0.3, 0.5, 0.8}[q];
    case FileType::Mp3:
        // LAME's VBR levels V8, V4-5 and V1.
        return std::array{0.2, 0.55, 0.9}[q];
    case FileType::Flac:
    case FileType::Wav:
        break;
    }
    return 1.0;
}

QString SndfileWriter::open(int fd, FileType type, Quality quality, const WaveFormat &format)
{
    close();
    m_type = type;
    m_format = format;
    m_partial.clear();
    if (type == FileType::OggVorbis) {
        auto vorbis = std::make_unique<VorbisWriter>();
        const QString error = vorbis->open(fd, encoderQuality(type, quality), format);
        if (error.isEmpty())
            m_vorbis = std::move(vorbis);
        return error;
    }
    SF_INFO info{};
    info.samplerate = format.sampleRate;
    info.channels = format.channels;
    info.format = sndfileFormat(type, format);
    m_file = sf_open_fd(fd, SFM_WRITE, &info, SF_FALSE);
    if (!m_file)
        return QString::fromLocal8Bit(sf_strerror(nullptr));
    if (fileTypes::isLossy(type)) {
        double level = encoderQuality(type, quality);
        sf_command(m_file, SFC_SET_VBR_ENCODING_QUALITY, &level, sizeof level);
    }
    if (type == FileType::Mp3) {
        int mode = SF_BITRATE_MODE_VARIABLE;
        sf_command(m_file, SFC_SET_BITRATE_MODE, &mode, sizeof mode);
    }
    if (type == FileType::OggOpus) {
        // libsndfile closes a page once a second by itself; a killed
        // recorder would lose up to that much plus one block.
        double pageMs = OpusPageMs;
        sf_command(m_file, SFC_SET_OGG_PAGE_LATENCY_MS, &pageMs, sizeof pageMs);
    }
    return QString();
}

bool SndfileWriter::write(const QByteArray &block)
{
    if (!isOpen()) {
        errno = EBADF;
        return false;
    }
    // A frame split between two blocks is put together again.
    const QByteArray whole = m_partial.isEmpty() ? block : m_partial + block;
    const qsizetype frameBytes = m_format.bytesPerFrame();
    const sf_count_t frames = sf_count_t(whole.size() / frameBytes);
    m_partial = whole.mid(frames * frameBytes);
    const int bits = m_format.bitsPerSample;
    const size_t samples = size_t(frames) * size_t(m_format.channels);
    const char *data = whole.constData();
    errno = 0;
    sf_count_t written = 0;
    if (deepFlac(m_type, m_format)) {
        // libsndfile's ints are 32 bits, of which a 24-bit file keeps the top 24.
        m_ints.resize(samples);
        for (size_t i = 0; i < samples; ++i) {
            const char *at = data + qsizetype(i) * m_format.bytesPerSample();
            m_ints[i] = (bits == 24 ? sampleCodec::read24(reinterpret_cast<const unsigned char *>(at))
                                    : sampleCodec::floatTo24(sampleCodec::toFloat(at, bits)))
                        * 256;
        }
        written = sf_writef_int(m_file, m_ints.data(), frames);
    } else if (m_type == FileType::Flac) {
        const auto *from = reinterpret_cast<const short *>(data);
        if (bits == 8) {
            m_shorts.resize(samples);
            for (size_t i = 0; i < samples; ++i)
                m_shorts[i] = short(sampleCodec::to16(data + i, 8));
            from = m_shorts.data();
        }
        written = sf_writef_short(m_file, from, frames);
    } else {
        m_floats.resize(samples);
        const int bytes = m_format.bytesPerSample();
        for (size_t i = 0; i < samples; ++i)
            m_floats[i] = sampleCodec::toFloat(data + qsizetype(i) * bytes, bits);
        if (m_vorbis)
            return m_vorbis->write(m_floats.data(), frames);
        written = sf_writef_float(m_file, m_floats.data(), frames);
    }
    if (written == frames && sf_error(m_file) == SF_ERR_NO_ERROR)
        return true;
    if (errno == 0)
        errno = EIO;
    return false;
}

QString SndfileWriter::close()
{
    if (m_vorbis) {
        const QString result = m_vorbis->close();
        const int error = errno;
        m_vorbis.reset();
        errno = error;
        return result;
    }
    if (!m_file)
        return QString();
    errno = 0;
    const int result = sf_close(m_file);
    m_file = nullptr;
    return result == 0 ? QString() : QString::fromLocal8Bit(sf_error_number(result));
}
