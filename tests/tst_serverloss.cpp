// The sound server dies in the middle of a capture and comes back. Runs its
// own private server, so it disturbs no other test.

#include "engine/AudioFailure.h"
#include "engine/PulseAudioRecord.h"
#include "engine/WaveFormat.h"
#include "support/SoundTest.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

bool serverScript(const QString &command, const QString &dir)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(QStringLiteral(TARVELL_SOURCE_DIR "/scripts/sound-server.sh"), {command, dir});
    return p.waitForFinished(20000) && p.exitCode() == 0;
}

} // namespace

class TestServerLoss : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir{QStringLiteral("/tmp/tarvell-loss-XXXXXX")};

private slots:
    void initTestCase()
    {
        if (QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("command -v pulseaudio >/dev/null")}) != 0)
            QSKIP("pulseaudio is not installed");
        QVERIFY(m_dir.isValid());
        QVERIFY(serverScript(QStringLiteral("start"), m_dir.path()));
        qputenv("XDG_RUNTIME_DIR", m_dir.path().toLocal8Bit());
        qunsetenv("PULSE_SERVER");
    }

    void cleanupTestCase() { serverScript(QStringLiteral("stop"), m_dir.path()); }

    void serverKilledDuringCapture_endsItCleanly_andTheDevicesComeBack()
    {
        PulseAudioRecord rec;
        QVERIFY(rec.DeviceCount() > 0);
        const WaveFormat f{48000, 2, 16};
        rec.SetFormat(f.descriptor(), f.bytesPerFrame());
        rec.setBlockLength(rec.DurationToLength(1000));
        QSignalSpy timer(&rec, &AudioRecord::Timer);
        QSignalSpy died(&rec, &AudioRecord::CaptureError);
        QSignalSpy changed(&rec, &AudioRecord::DevicesChanged);
        rec.StartCapture();
        QCOMPARE(rec.CaptureStatus(), 0);
        QVERIFY(SoundTest::waitFor([&] { return timer.size() >= 10; }, 3000));

        QFile pidFile(m_dir.path() + QStringLiteral("/pulse/pid"));
        QVERIFY(pidFile.open(QIODevice::ReadOnly));
        const pid_t pid = pid_t(pidFile.readAll().trimmed().toInt());
        QVERIFY(pid > 0);
        QCOMPARE(::kill(pid, SIGKILL), 0);

        QVERIFY(SoundTest::waitFor([&] { return !died.isEmpty(); }, 5000));
        QVERIFY(rec.CaptureStatus() < 0);
        QVERIFY(!rec.lastError().isEmpty());
        // What arrived before the server died is still there, once.
        qint64 kept = 0;
        for (QByteArray b = rec.GetBlock(); !b.isEmpty(); b = rec.GetBlock())
            kept += b.size();
        QVERIFY(kept > 0);
        QVERIFY(SoundTest::waitFor([&] { return rec.DeviceCount() == 0; }, 3000));
        // Starting now fails at once instead of hanging.
        rec.StartCapture();
        QVERIFY(rec.CaptureStatus() < 0);
        QVERIFY(!rec.lastError().isEmpty());

        changed.clear();
        QVERIFY(serverScript(QStringLiteral("start"), m_dir.path()));
        QVERIFY(SoundTest::waitFor([&] { return rec.DeviceCount() > 0; }, 5000));
        QVERIFY(!changed.isEmpty());
        QCOMPARE(rec.DeviceName(), QStringLiteral("Fake_Card_1"));

        timer.clear();
        rec.StartCapture();
        QCOMPARE(rec.CaptureStatus(), 0);
        QVERIFY(SoundTest::waitFor([&] { return timer.size() >= 5; }, 3000));
        rec.StopCapture();
    }
};

QTEST_MAIN(TestServerLoss)
#include "tst_serverloss.moc"
