#include "support/WavReadBack.h"

#include "engine/SampleCodec.h"

#include <QFile>
#include <QProcess>
#include <QtEndian>

#include <sndfile.h>

namespace readback {

namespace {

// Runs a program to completion; returns its standard output, or an error in *error.
QByteArray run(const QString &program, const QStringList &arguments, QString *error)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        *error = QStringLiteral("%1 failed: %2 %3")
                     .arg(program, p.errorString(), QString::fromLocal8Bit(p.readAllStandardError()).trimmed());
        return {};
    }
    return p.readAllStandardOutput();
}

}  // namespace

SndfileResult readWithSndfile(const QString &path, qint64 startFrame, qint64 maxFrames)
{
    SndfileResult r;
    SF_INFO info{};
    SNDFILE *f = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!f) {
        r.error = QString::fromLocal8Bit(sf_strerror(nullptr));
        return r;
    }
    r.opened = true;
    r.sampleRate = info.samplerate;
    r.channels = info.channels;
    r.format = info.format;
    r.frames = info.frames;
    sf_command(f, SFC_SET_SCALE_FLOAT_INT_READ, nullptr, SF_TRUE);   // a float file's ±1.0 as ±32767
    qint64 count = std::max<qint64>(0, info.frames - startFrame);
    if (maxFrames >= 0)
        count = std::min(count, maxFrames);
    if (count > 0 && sf_seek(f, startFrame, SEEK_SET) == startFrame) {
        r.samples.resize(count * info.channels);
        r.samples.resize(sf_readf_short(f, r.samples.data(), count) * info.channels);
    }
    sf_close(f);
    return r;
}

SoxiResult readWithSoxi(const QString &path)
{
    SoxiResult r;
    auto field = [&](const char *option) {
        return run(QStringLiteral("soxi"), {QString::fromLatin1(option), path}, &r.error).trimmed().toLongLong();
    };
    r.sampleRate = int(field("-r"));
    r.channels = int(field("-c"));
    r.bits = int(field("-b"));
    r.samples = field("-s");
    r.ok = r.error.isEmpty();
    return r;
}

PythonWaveResult readWithPythonWave(const QString &path, qint64 startFrame, qint64 maxFrames)
{
    static const char script[] = R"(
import sys, wave
with wave.open(sys.argv[1], 'rb') as w:
    start, count = int(sys.argv[2]), int(sys.argv[3])
    n = w.getnframes()
    print(w.getframerate(), w.getnchannels(), w.getsampwidth(), n)
    w.setpos(min(start, n))
    print(w.readframes(n if count < 0 else count).hex())
)";
    PythonWaveResult r;
    const QByteArray out = run(QStringLiteral("python3"),
                               {QStringLiteral("-c"), QString::fromLatin1(script), path,
                                QString::number(startFrame), QString::number(maxFrames)},
                               &r.error);
    const QList<QByteArray> lines = out.split('\n');
    if (!r.error.isEmpty() || lines.size() < 2)
        return r;
    const QList<QByteArray> numbers = lines[0].split(' ');
    if (numbers.size() != 4) {
        r.error = QStringLiteral("unexpected output: %1").arg(QString::fromLatin1(lines[0]));
        return r;
    }
    r.sampleRate = numbers[0].toInt();
    r.channels = numbers[1].toInt();
    r.sampleWidth = numbers[2].toInt();
    r.frames = numbers[3].toLongLong();
    r.data = QByteArray::fromHex(lines[1]);
    r.ok = true;
    return r;
}

const Chunk *RiffLayout::find(const char *id) const
{
    for (const Chunk &c : chunks)
        if (c.id == id)
            return &c;
    return nullptr;
}

RiffLayout readRiffLayout(const QString &path)
{
    RiffLayout layout;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return layout;
    const QByteArray head = file.read(12);
    if (head.size() < 12)
        return layout;
    layout.form = head.left(4);
    layout.formSize = le32(head, 4);
    layout.type = head.mid(8, 4);
    qint64 at = 12;
    while (file.seek(at)) {
        const QByteArray h = file.read(8);
        if (h.size() < 8)
            break;
        Chunk c;
        c.id = h.left(4);
        c.size = le32(h, 4);
        c.bodyOffset = at + 8;
        c.body = file.read(std::min<qint64>(c.size, 64));
        layout.chunks.append(c);
        if (c.id == "data")
            break;
        at = c.bodyOffset + c.size + (c.size & 1);
    }
    return layout;
}

QVector<short> pcmToShorts(const QByteArray &pcm, int bitsPerSample)
{
    QVector<short> out;
    if (bitsPerSample == 8) {
        for (char c : pcm)
            out.append(short((int(quint8(c)) - 128) * 256));
    } else if (bitsPerSample > 16) {
        for (qsizetype i = 0; i + bitsPerSample / 8 <= pcm.size(); i += bitsPerSample / 8)
            out.append(short(sampleCodec::to16(pcm.constData() + i, bitsPerSample)));
    } else {
        for (int i = 0; i + 1 < pcm.size(); i += 2)
            out.append(short(le16(pcm, i)));
    }
    return out;
}

quint16 le16(const QByteArray &bytes, int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); }
quint32 le32(const QByteArray &bytes, int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); }
quint64 le64(const QByteArray &bytes, int at) { return qFromLittleEndian<quint64>(bytes.constData() + at); }

}  // namespace readback
