// Converting rates: flat, nothing folded back, silence silent, the length exact.

#include "engine/Resampler.h"
#include "support/ToneLevel.h"

#include <QTest>

class TestResampler : public QObject
{
    Q_OBJECT

private slots:
    void from48000To44100_flatTo20kHz_nothingFoldedBack_silenceSilent_lengthExact()
    {
        // Half a second of hole, then two seconds of 20 kHz on the left and
        // 23 kHz on the right at half scale (-6.02 dB), in uneven pieces.
        const int frames = 96007;
        std::vector<qint16> pcm(2 * frames);
        for (int i = 0; i < 2 * frames; ++i)
            pcm[i] = qint16(std::lrint(16384 * std::sin(std::numbers::pi * (i % 2 ? 23000 : 20000) * (i / 2) / 24000)));
        Resampler r(48000, 44100, 2, 16);
        QByteArray got;
        r.convert(nullptr, 24000, got);
        for (int at = 0, piece = 997; at < frames; at += piece, piece = piece * 7 % 2011 + 1)
            r.convert(reinterpret_cast<const char *>(&pcm[2 * at]), std::min(piece, frames - at), got);
        r.finish(got);
        QCOMPARE(got.size(), (qint64(frames + 24000) * 44100 + 24000) / 48000 * 4);
        const auto *s = reinterpret_cast<const qint16 *>(got.constData()), *steady = s + 2 * 44100;   // 1 s to 2 s
        QVERIFY(std::all_of(s, s + 44100 / 2, [](qint16 v) { return v == 0; }));   // the first quarter second
        QVERIFY(std::abs(levelDb(steady, 44100, 2, 0, 44100, 20000) + 6.02) < 0.5);
        QVERIFY(levelDb(steady, 44100, 2, 1, 44100) < -6.02 - 90);
        Resampler eightBit(48000, 11025, 1, 8);
        got.clear();
        eightBit.convert(QByteArray(48001, char(0x80)).constData(), 48001, got);
        eightBit.finish(got);
        QCOMPARE(got, QByteArray(11025, char(0x80)));
    }
};

QTEST_APPLESS_MAIN(TestResampler)
#include "tst_resampler.moc"
