// USES_OWN_SOUND_SERVER
// A take at 44.1 kHz from a device that runs at 48 kHz: PulseAudio's card1,
// or any device of a PipeWire whose graph runs at 48 kHz only, as a stock
// desktop's does. The recorder converts it itself, says so, and the take
// keeps the top of the audible band and nothing folded back from above it.

#include "support/SoundTest.h"
#include "support/ToneLevel.h"
#include "support/WavReadBack.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool serverScript(const QString &command, const QString &dir)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TARVELL_PIPEWIRE_RATES"), QStringLiteral("48000"));
    p.setProcessEnvironment(env);
    const QString kind = qEnvironmentVariable("TARVELL_TEST_SOUND_SERVER_KIND", QStringLiteral("pulseaudio"));
    p.start(QStringLiteral(TARVELL_SOURCE_DIR "/scripts/sound-server.sh"),
            command == QLatin1String("start") ? QStringList{command, dir, kind} : QStringList{command, dir});
    return p.waitForFinished(20000) && p.exitCode() == 0;
}

// Ten seconds at 48 kHz: 1 kHz and 19 kHz on the left, 23 kHz alone on the right.
QByteArray signal()
{
    QByteArray pcm(480000 * 4, Qt::Uninitialized);
    for (int i = 0; i < 480000; ++i) {
        const double t = i / 48000.0, pi2 = 2 * std::numbers::pi;
        const qint16 s[2] = {qint16(std::lrint(12000 * (std::sin(pi2 * 1000 * t) + std::sin(pi2 * 19000 * t)))),
                             qint16(std::lrint(29000 * std::sin(pi2 * 23000 * t)))};
        std::memcpy(pcm.data() + 4 * i, s, 4);
    }
    return pcm;
}

} // namespace

class TestConversion : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir{QStringLiteral("/tmp/tarvell-conversion-XXXXXX")};

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(serverScript(QStringLiteral("start"), m_dir.path()));
        qputenv("XDG_RUNTIME_DIR", m_dir.path().toLocal8Bit());
        qunsetenv("PULSE_SERVER");
    }

    void cleanupTestCase() { serverScript(QStringLiteral("stop"), m_dir.path()); }

    void takeAt44100_fromA48000Device_isConvertedFlat_withoutAliases_andSaysSo()
    {
        const auto player = SoundTest::play(QStringLiteral("card1"), signal(), 48000, 2, 16);
        QVERIFY(player);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("take.wav"));
        QProcess rec;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_STATE_HOME"), dir.path());
        rec.setProcessEnvironment(env);
        rec.start(QStringLiteral(TARVELL_CLI), {QStringLiteral("-r"), QStringLiteral("44100"), QStringLiteral("-t"),
                                               QStringLiteral("0:04"), file});
        QVERIFY(rec.waitForFinished(30000));
        const QString said = QString::fromUtf8(rec.readAllStandardError());
        QVERIFY2(rec.exitCode() == 0, qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral("tarvell-rec: the device runs at 48000 Hz; converting to 44100 Hz\n")),
                 qPrintable(said));

        const readback::SndfileResult take = readback::readWithSndfile(file);
        QCOMPARE(take.sampleRate, 44100);
        QCOMPARE(take.frames, 4 * 44100);
        // From half a second after the sound begins (the player's and the
        // converter's own start) to half a second before the end.
        const qint16 *samples = take.samples.constData();
        const qint64 from = SoundTest::leadingSilence(QByteArray::fromRawData(reinterpret_cast<const char *>(samples),
                                                                              take.samples.size() * 2), 4) / 4 + 22050;
        const qint64 count = take.frames - 22050 - from;
        QVERIFY(count >= 44100);
        const double oneKilohertz = toneLevelDb(samples + 2 * from, count, 2, 0, 44100, 1000);
        const double nineteen = toneLevelDb(samples + 2 * from, count, 2, 0, 44100, 19000);
        const double folded = rmsLevelDb(samples + 2 * from, count, 2, 1);
        qInfo("1 kHz %.2f dB, 19 kHz %.2f dB, what is left of 23 kHz %.1f dB", oneKilohertz, nineteen, folded);
        QVERIFY(std::abs(oneKilohertz - 20 * std::log10(12000 / 32768.0)) < 0.5);
        QVERIFY(std::abs(nineteen - oneKilohertz) < 0.5);
        QVERIFY(folded < 20 * std::log10(29000 / 32768.0) - 90);
        player->kill();
        player->waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestConversion)
#include "tst_conversion.moc"
