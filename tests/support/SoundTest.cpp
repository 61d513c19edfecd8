#include "support/SoundTest.h"

#include <QRandomGenerator>
#include <QTemporaryFile>
#include <memory>

#include <algorithm>
#include <cmath>

namespace SoundTest {

bool serverRequired()
{
    return qEnvironmentVariableIntValue("TARVELL_TEST_SOUND_SERVER") == 1;
}

bool serverAnswers()
{
    bool ok = false;
    pactl({QStringLiteral("info")}, &ok);
    return ok;
}

void resetDefaultCard()
{
    pactl({QStringLiteral("set-default-sink"), QStringLiteral("card1")});
    pactl({QStringLiteral("set-sink-mute"), QStringLiteral("card1"), QStringLiteral("0")});
    pactl({QStringLiteral("set-sink-volume"), QStringLiteral("card1"), QStringLiteral("65536")});
    pactl({QStringLiteral("set-source-volume"), QStringLiteral("card1.monitor"), QStringLiteral("65536")});
}

QString pactl(const QStringList &args, bool *ok)
{
    QProcess p;
    p.start(QStringLiteral("pactl"), args);
    const bool finished = p.waitForFinished(10000);
    if (ok)
        *ok = finished && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return QString::fromUtf8(p.readAllStandardOutput());
}

qsizetype leadingSilence(const QByteArray &pcm, int frameBytes)
{
    qsizetype silence = 0;
    while (silence < pcm.size() && pcm.at(silence) == 0)
        ++silence;
    return silence - silence % frameBytes;
}

QByteArray voiceLike(int frames, quint32 seed)
{
    const QByteArray pcm = noise(frames, 2, 16, seed);
    const auto *s = reinterpret_cast<const qint16 *>(pcm.constData());
    constexpr int Taps = 63;
    double taps[Taps];   // a windowed sinc, 7 kHz at 48 kHz
    for (int i = 0; i < Taps; ++i) {
        const double x = i - Taps / 2, fc = 7000.0 / 48000;
        taps[i] = (x == 0 ? 2 * fc : std::sin(2 * M_PI * fc * x) / (M_PI * x)) * (0.54 - 0.46 * std::cos(2 * M_PI * i / (Taps - 1)));
    }
    QByteArray out(pcm.size(), Qt::Uninitialized);
    auto *o = reinterpret_cast<qint16 *>(out.data());
    for (qsizetype f = 0; f < frames; ++f)
        for (int c = 0; c < 2; ++c) {
            double v = 0;
            for (int i = 0; i < Taps && f - i >= 0; ++i)
                v += taps[i] * s[2 * (f - i) + c];
            o[2 * f + c] = qint16(std::clamp(v * 2, -32767.0, 32767.0));
        }
    return out;
}

QByteArray noise(int frames, int channels, int bits, quint32 seed, double amplitude)
{
    QRandomGenerator rng(seed);
    QByteArray out;
    out.reserve(frames * channels * bits / 8);
    for (int i = 0; i < frames * channels; ++i) {
        const double v = (rng.generateDouble() * 2.0 - 1.0) * amplitude;
        if (bits == 8) {
            out.append(char(quint8(std::lround(128 + v * 127))));
        } else {
            const qint16 s = qint16(std::lround(v * 32767));
            out.append(char(s & 0xFF));
            out.append(char((s >> 8) & 0xFF));
        }
    }
    return out;
}

std::unique_ptr<QProcess> play(const QString &sink, const QByteArray &pcm, int rate, int channels, int bits,
                               const QStringList &pacatArgs)
{
    // From a file, not a pipe: a pipe fed by this (possibly blocked) thread
    // would starve the player. A generous latency keeps a busy machine from
    // making the player underrun, which would put a gap into the signal.
    auto file = std::make_unique<QTemporaryFile>();
    if (!file->open() || file->write(pcm) != pcm.size() || !file->flush())
        return nullptr;
    auto p = std::make_unique<QProcess>();
    p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QStringList args{QStringLiteral("--playback"), QStringLiteral("--device=") + sink, QStringLiteral("--raw"),
                           QStringLiteral("--format=") + (bits == 8 ? QStringLiteral("u8") : QStringLiteral("s16le")),
                           QStringLiteral("--rate=%1").arg(rate), QStringLiteral("--channels=%1").arg(channels),
                           QStringLiteral("--latency-msec=250")};
    p->start(QStringLiteral("pacat"), args + pacatArgs + QStringList{file->fileName()});
    if (!p->waitForStarted(5000))
        return nullptr;
    file->setParent(p.get());
    file.release();
    return p;
}

qint64 findExact(const QByteArray &haystack, const QByteArray &needle, int frameBytes, int probeFrames)
{
    const qint64 probe = qint64(probeFrames) * frameBytes;
    if (needle.size() < probe)
        return -1;
    const QByteArray head = needle.left(probe);
    for (qint64 at = haystack.indexOf(head); at >= 0; at = haystack.indexOf(head, at + 1))
        if (at % frameBytes == 0)
            return at;
    return -1;
}

} // namespace SoundTest
