#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <vector>

struct soxr;

// Converts interleaved PCM as the sound server delivers it (unsigned 8-bit or
// signed 16-bit little-endian) from one rate to another, in the same sample
// format, with libsoxr's high-quality filter: flat to 91 % of the lower rate's
// Nyquist frequency, and what lies above the output's Nyquist frequency is
// stopped (better than 100 dB down), never folded back.
//
// The filter's delay is taken out: output frame n lines up with input time
// n / outRate. After finish(), round(inputFrames * outRate / inRate) frames
// have come out in all, to the frame.
//
// One thread at a time.
class Resampler
{
public:
    Resampler(int inRate, int outRate, int channels, int bitsPerSample);
    ~Resampler();
    Resampler(const Resampler &) = delete;
    Resampler &operator=(const Resampler &) = delete;

    // Empty when the converter is ready; otherwise why it is not (and it
    // converts nothing).
    QString error() const { return m_error; }

    // Converts frames of input; data == nullptr stands for that many frames
    // of silence. What comes out is appended to out.
    void convert(const char *data, qint64 frames, QByteArray &out);
    // The input has ended: appends what is still inside the filter.
    void finish(QByteArray &out);

    // The output frames that correspond to so many input frames.
    qint64 outputFrames(qint64 inputFrames) const;

private:
    void run(const float *in, size_t frames, QByteArray &out);   // in == nullptr: flush
    void store(const float *samples, size_t frames, QByteArray &out);

    soxr *m_soxr = nullptr;
    int m_inRate;
    int m_outRate;
    int m_channels;
    int m_bits;
    QString m_error;
    qint64 m_framesIn = 0;
    qint64 m_framesOut = 0;
    std::vector<float> m_in;
    std::vector<float> m_out;
};
