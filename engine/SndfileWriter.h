#pragma once

#include "engine/FileType.h"
#include "engine/VorbisWriter.h"
#include "engine/WaveFormat.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

struct sf_private_tag;

// Encodes a take as FLAC, Ogg Opus or MP3 through libsndfile, or as Ogg
// Vorbis through VorbisWriter (libvorbisenc and libogg), into a file the
// caller made and keeps (WavAudioFile: the temporary name, the rename, the
// journal, the syncs). It takes the blocks WriteBlock takes.
//
// FLAC is written 16-bit, from 8-bit blocks too, sample for sample. The lossy
// types are fed floats: libsndfile's MP3 writer damages 16-bit input.
//
// What a killed recorder leaves: FLAC and MP3 frames reach the file as the
// encoder makes them (a few hundred milliseconds), Opus and Vorbis pages at
// least every half second of sound (OpusPageMs, VorbisWriter::PageMs).
// libsndfile makes Vorbis pages by size only (about 4 KB: many seconds of
// silence), hence a writer of our own for it.
class SndfileWriter
{
public:
    static constexpr double OpusPageMs = 500;

    SndfileWriter() = default;
    ~SndfileWriter();
    SndfileWriter(const SndfileWriter &) = delete;
    SndfileWriter &operator=(const SndfileWriter &) = delete;

    // Starts encoding into fd (open for reading and writing, empty); the
    // descriptor stays the caller's. Empty, or the encoder's reason.
    QString open(int fd, FileType type, Quality quality, const WaveFormat &format);
    bool isOpen() const { return m_file != nullptr || m_vorbis != nullptr; }
    // Encodes one block. False when the file could not take it, with the
    // system's error in errno (EIO when there is none).
    bool write(const QByteArray &block);
    // Writes out what the encoder still holds and finishes the file's
    // headers. Empty, or the encoder's reason.
    QString close();

    // The encoder's own number for a quality, 0 (smallest) .. 1 (best), as
    // libsndfile's SFC_SET_VBR_ENCODING_QUALITY takes it. For Vorbis that is
    // the base quality of vorbis_encode_init_vbr, which libsndfile passes on
    // unchanged and VorbisWriter takes.
    static double encoderQuality(FileType type, Quality quality);

private:
    sf_private_tag *m_file = nullptr;
    std::unique_ptr<VorbisWriter> m_vorbis;   // open for Ogg Vorbis, in place of m_file
    FileType m_type = FileType::Flac;
    WaveFormat m_format;
    QByteArray m_partial;   // the start of a frame the next block completes
    std::vector<short> m_shorts;
    std::vector<int> m_ints;
    std::vector<float> m_floats;
};
