#pragma once

#include "engine/WaveFormat.h"

#include <QString>

#include <memory>

// Encodes Ogg Vorbis with libvorbisenc and libogg into a file descriptor the
// caller keeps, from its start. SndfileWriter uses it for Ogg Vorbis in place
// of libsndfile, which closes a Vorbis page only when it is full (about 4 KB):
// in silence or slow mono speech that is many seconds, all lost when the
// recorder is killed.
//
// Here no page holds more than PageMs of sound: before a packet would take
// the page being filled past that, the page is closed. Every page is written
// to the descriptor as soon as it is made, so a killed recorder leaves a
// stream that plays to within PageMs plus the encoder's delay (about one
// block) of what it was given.
class VorbisWriter
{
public:
    static constexpr double PageMs = 500;

    VorbisWriter();
    ~VorbisWriter();
    VorbisWriter(const VorbisWriter &) = delete;
    VorbisWriter &operator=(const VorbisWriter &) = delete;

    // Writes the stream's headers into fd (empty, open for writing), for
    // variable bit rate at quality -0.1 (smallest) .. 1 (best). Empty, or why
    // not, for the user; errno says more when the headers could not be
    // written.
    QString open(int fd, double quality, const WaveFormat &format);
    bool isOpen() const { return m_state != nullptr; }
    // Encodes frames of interleaved samples, full scale at ±1.0, one a
    // channel. False when a page could not be written, with the system's
    // error in errno; the file then ends in what was written of it, and every
    // later write fails the same.
    bool write(const float *samples, qint64 frames);
    // Encodes what the encoder still holds and writes the last page, marked
    // as the end of the stream. Empty, or why not (errno: the system's error).
    QString close();

private:
    struct State;   // libvorbis's and libogg's, and where the file is
    std::unique_ptr<State> m_state;
};
