#pragma once

// Reading a WAV file back the way other programs see it: libsndfile, sox's
// soxi, Python's wave module, and a plain walk over the RIFF chunks.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVector>

namespace readback {

struct SndfileResult
{
    bool opened = false;
    QString error;  // sf_strerror when not opened
    int sampleRate = 0;
    int channels = 0;
    int format = 0;  // SF_FORMAT_* (major | subtype)
    qint64 frames = 0;
    QVector<short> samples;  // interleaved, as libsndfile converts them to 16 bits
};
// Opens with libsndfile and reads up to maxFrames frames from startFrame (-1: to the end).
SndfileResult readWithSndfile(const QString &path, qint64 startFrame = 0, qint64 maxFrames = -1);

struct SoxiResult
{
    bool ok = false;
    QString error;
    int sampleRate = 0;
    int channels = 0;
    int bits = 0;
    qint64 samples = 0;  // per channel, i.e. frames
};
SoxiResult readWithSoxi(const QString &path);

struct PythonWaveResult
{
    bool ok = false;
    QString error;  // Python's message when wave refused the file
    int sampleRate = 0;
    int channels = 0;
    int sampleWidth = 0;  // bytes
    qint64 frames = 0;
    QByteArray data;  // readframes() from startFrame, raw
};
PythonWaveResult readWithPythonWave(const QString &path, qint64 startFrame = 0, qint64 maxFrames = -1);

struct Chunk
{
    QByteArray id;
    quint32 size = 0;
    qint64 bodyOffset = 0;
    QByteArray body;  // at most the first 64 bytes
};
struct RiffLayout
{
    QByteArray form;  // "RIFF" or "RF64"
    quint32 formSize = 0;
    QByteArray type;  // "WAVE"
    QList<Chunk> chunks;  // up to and including "data"
    const Chunk *find(const char *id) const;
};
RiffLayout readRiffLayout(const QString &path);

// What libsndfile's sf_read_short yields for raw PCM (unsigned 8 or signed 16-bit LE).
QVector<short> pcmToShorts(const QByteArray &pcm, int bitsPerSample);

quint16 le16(const QByteArray &bytes, int at);
quint32 le32(const QByteArray &bytes, int at);
quint64 le64(const QByteArray &bytes, int at);

}  // namespace readback
