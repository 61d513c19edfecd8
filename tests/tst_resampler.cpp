// Converting the device's rate into the recording's: flat through the audible
// band, nothing folded back from above the new Nyquist frequency, the take's
// length exact to the frame and its timing kept.

#include "engine/Resampler.h"
#include "support/ToneLevel.h"

#include <QTest>

#include <cstring>

namespace {

// Stereo 16-bit: a tone at f on the left, 1 kHz on the right, both at half scale.
QByteArray tones(int rate, double f, int frames)
{
    QByteArray pcm(frames * 4, Qt::Uninitialized);
    for (int i = 0; i < frames; ++i) {
        const qint16 s[2] = {qint16(std::lrint(16384 * std::sin(2 * std::numbers::pi * f * i / rate))),
                             qint16(std::lrint(16384 * std::sin(2 * std::numbers::pi * 1000.0 * i / rate)))};
        std::memcpy(pcm.data() + 4 * i, s, 4);
    }
    return pcm;
}

// Fed in uneven pieces, as the server delivers them.
QByteArray convert(Resampler &r, const QByteArray &pcm, int frameBytes)
{
    QByteArray out;
    for (qsizetype at = 0, piece = 997; at < pcm.size(); at += piece * frameBytes, piece = piece * 7 % 2011 + 1)
        r.convert(pcm.constData() + at, std::min<qsizetype>(piece, (pcm.size() - at) / frameBytes), out);
    r.finish(out);
    return out;
}

} // namespace

class TestResampler : public QObject
{
    Q_OBJECT

private slots:
    void tone_isFlatToTwentyKilohertz_andWhatCannotBeCarriedLeavesNothing_data()
    {
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("out");
        QTest::addColumn<double>("f");
        QTest::addColumn<bool>("carried");   // below the output's Nyquist frequency
        QTest::newRow("48000 to 44100, 19 kHz") << 48000 << 44100 << 19000.0 << true;
        QTest::newRow("48000 to 44100, 20 kHz") << 48000 << 44100 << 20000.0 << true;
        QTest::newRow("44100 to 48000, 20 kHz") << 44100 << 48000 << 20000.0 << true;
        QTest::newRow("48000 to 8000, 3.6 kHz") << 48000 << 8000 << 3600.0 << true;
        QTest::newRow("48000 to 44100, 23 kHz") << 48000 << 44100 << 23000.0 << false;
        QTest::newRow("48000 to 22050, 12 kHz") << 48000 << 22050 << 12000.0 << false;
        QTest::newRow("44100 to 8000, 4.5 kHz") << 44100 << 8000 << 4500.0 << false;
    }
    void tone_isFlatToTwentyKilohertz_andWhatCannotBeCarriedLeavesNothing()
    {
        QFETCH(int, in);
        QFETCH(int, out);
        QFETCH(double, f);
        QFETCH(bool, carried);
        Resampler r(in, out, 2, 16);
        QVERIFY2(r.error().isEmpty(), qPrintable(r.error()));
        const QByteArray pcm = convert(r, tones(in, f, 2 * in), 4);
        QCOMPARE(pcm.size(), 2 * out * 4);
        // The steady second in the middle; the edges are where the tones start and stop.
        const auto *mid = reinterpret_cast<const qint16 *>(pcm.constData()) + out;
        const double reference = toneLevelDb(mid, out, 2, 1, out, 1000);
        QVERIFY(std::abs(reference + 6.02) < 0.1);
        if (carried)
            QVERIFY2(std::abs(toneLevelDb(mid, out, 2, 0, out, f) - reference) < 0.5, QByteArray::number(toneLevelDb(mid, out, 2, 0, out, f)));
        else
            QVERIFY2(rmsLevelDb(mid, out, 2, 0) < reference - 90, QByteArray::number(rmsLevelDb(mid, out, 2, 0)));
    }

    void length_isExactAfterFinish_silenceStaysSilent_andAClickKeepsItsTime_data()
    {
        QTest::addColumn<int>("in");
        QTest::addColumn<int>("out");
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("frames");
        QTest::newRow("48000 to 44100, 16 bit") << 48000 << 44100 << 16 << 100003;
        QTest::newRow("44100 to 48000, 16 bit") << 44100 << 48000 << 16 << 4411;
        QTest::newRow("48000 to 11025, 8 bit") << 48000 << 11025 << 8 << 48001;
        QTest::newRow("44100 to 32000, one frame") << 44100 << 32000 << 16 << 1;
    }
    void length_isExactAfterFinish_silenceStaysSilent_andAClickKeepsItsTime()
    {
        QFETCH(int, in);
        QFETCH(int, out);
        QFETCH(int, bits);
        QFETCH(int, frames);
        const char zero = bits == 8 ? char(0x80) : char(0);
        const qint64 expected = (qint64(frames) * out + in / 2) / in;
        Resampler silent(in, out, 1, bits);
        QByteArray pcm;
        silent.convert(nullptr, frames / 2, pcm);   // a hole
        pcm += convert(silent, QByteArray((frames - frames / 2) * bits / 8, zero), bits / 8);
        QCOMPARE(pcm.size(), expected * bits / 8);
        QCOMPARE(pcm.count(zero), pcm.size());

        // A click a third of the way in comes out at its own time.
        const int bytes = bits / 8;
        const auto sample = [&](qint64 i) { return bits == 8 ? int(quint8(pcm[i])) - 128 : int(pcm[2 * i + 1]); };
        QByteArray click((frames - frames / 2) * bytes, zero);
        click[qsizetype(frames / 3) * bytes + bytes - 1] = char(0x60 + (bits == 8 ? 0x80 : 0));
        Resampler r(in, out, 1, bits);
        pcm = convert(r, click, bytes);
        QCOMPARE(pcm.size(), ((frames - frames / 2) * qint64(out) + in / 2) / in * bytes);
        qint64 loudest = 0;
        for (qint64 i = 0; i < pcm.size() / bytes; ++i)
            if (std::abs(sample(i)) > std::abs(sample(loudest)))
                loudest = i;
        if (frames > 1)
            QVERIFY2(std::abs(loudest - qint64(frames / 3) * out / in) <= 1, QByteArray::number(loudest));
    }
};

QTEST_APPLESS_MAIN(TestResampler)
#include "tst_resampler.moc"
