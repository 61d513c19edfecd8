#include "support/MjpegAvi.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>

#include <algorithm>

namespace {

// A RIFF chunk: id, size, body, and the pad byte that keeps chunks at even offsets.
QByteArray chunk(const char *id, const QByteArray &body)
{
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData(id, 4);
    s << quint32(body.size());
    s.writeRawData(body.constData(), int(body.size()));
    if (body.size() % 2)
        s << quint8(0);
    return out;
}

QByteArray list(const char *type, const QByteArray &body)
{
    return chunk("LIST", QByteArray(type, 4) + body);
}

// Little-endian 32-bit (or, with a 's' in the pattern, 16-bit) fields.
QByteArray fields(const char *pattern, std::initializer_list<quint32> values)
{
    Q_ASSERT(qstrlen(pattern) == values.size());
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    const quint32 *v = values.begin();
    for (const char *p = pattern; *p; ++p, ++v)
        *p == 's' ? s << quint16(*v) : s << quint32(*v);
    return out;
}

} // namespace

bool writeMjpegAvi(const QString &path, const QList<QImage> &frames, int framesPerSecond)
{
    if (frames.isEmpty() || framesPerSecond <= 0)
        return false;
    const quint32 w = quint32(frames.first().width()), h = quint32(frames.first().height());
    const quint32 count = quint32(frames.size()), fps = quint32(framesPerSecond);

    QByteArray movi("movi"), index;
    quint32 largest = 0;
    for (const QImage &frame : frames) {
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        if (!buffer.open(QIODevice::WriteOnly) || !frame.convertToFormat(QImage::Format_RGB888).save(&buffer, "JPEG", 90))
            return false;
        largest = std::max(largest, quint32(jpeg.size()));
        // Key frame, offset from the "movi" tag.
        index += "00dc" + fields("lll", {0x10, quint32(movi.size()), quint32(jpeg.size())});
        movi += chunk("00dc", jpeg);
    }

    // Main header: frame time, data rate, padding, flags (has an index), frames,
    // initial frames, streams, buffer size, size, reserved.
    const QByteArray avih = fields("llllllllllllll", {1000000 / fps, largest * fps, 0, 0x10, count, 0, 1, largest, w, h, 0, 0, 0, 0});
    // Stream header: flags, priority, language, initial frames, scale, rate,
    // start, length, buffer size, quality (default), sample size (varies), frame.
    const QByteArray strh = "vidsMJPG" + fields("lssllllllllssss", {0, 0, 0, 0, 1, fps, 0, count, largest, 0xFFFFFFFFu, 0, 0, 0, w, h});
    // Bitmap header: size, width, height, planes, bits, compression, image size, the rest zero.
    const QByteArray strf = fields("lllss", {40, w, h, 1, 24}) + "MJPG" + fields("lllll", {w * h * 3, 0, 0, 0, 0});

    const QByteArray hdrl = list("hdrl", chunk("avih", avih) + list("strl", chunk("strh", strh) + chunk("strf", strf)));
    const QByteArray riff = chunk("RIFF", "AVI " + hdrl + chunk("LIST", movi) + chunk("idx1", index));
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(riff) == riff.size();
}
