// USES_SOUND_SERVER
// The program on the real engine and the private sound server.

#include "engine/AudioRecord.h"
#include "support/CaptureHarness.h"
#include "support/SoundTest.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The program as a user starts it, in a home folder of its own.
QProcessEnvironment programEnvironment(const QTemporaryDir &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
    return env;
}

} // namespace

class TestProgram : public QObject
{
    Q_OBJECT

private slots:
    void init() { REQUIRE_SOUND_SERVER(); }

    void startUp_onTheRealEngine_monitorsAndNamesTheFirstRecording()
    {
        CaptureHarness h;
        h.writeSettings();
        frmCapture w(h.realComponents());
        QVERIFY(w.Form_Load());
        const CaptureView v(w);

        QCOMPARE(v.TextWavFile->text(), h.documents() + QStringLiteral("Wav/1.wav"));
        QVERIFY(QDir(h.documents() + QStringLiteral("Wav")).exists());
        QVERIFY(v.DeviceCombo->count() >= 4);
        QCOMPARE(v.DeviceCombo->currentText(), QStringLiteral("Fake_Card_1"));
        QCOMPARE(v.ComboSource->currentText(), QStringLiteral("Stereo Mix (Fake_Card_1)"));
        QVERIFY(h.realRecord->CaptureStatus() >= 0);
        QSignalSpy timer(h.realRecord, &AudioRecord::Timer);
        QVERIFY(SoundTest::waitFor([&] { return timer.size() >= 5; }, 3000));
        QVERIFY(h.dialogs.asked.isEmpty());
    }

    void secondInstance_endsAtOnce_andLeavesTheFirstRunning()
    {
        QTemporaryDir home;
        const QProcessEnvironment env = programEnvironment(home);

        QProcess first;
        first.setProcessEnvironment(env);
        first.start(QStringLiteral(TARVELL_PROGRAM));
        QVERIFY(first.waitForStarted(5000));
        // The first instance is up once it has taken its lock and connected.
        QTest::qWait(1500);
        QCOMPARE(first.state(), QProcess::Running);

        QProcess second;
        second.setProcessEnvironment(env);
        QElapsedTimer clock;
        clock.start();
        second.start(QStringLiteral(TARVELL_PROGRAM));
        QVERIFY(second.waitForFinished(5000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        // A crashed first instance leaves its lock behind: it must not stop the next start.
        first.kill();
        QVERIFY(first.waitForFinished(5000));
        QProcess third;
        third.setProcessEnvironment(env);
        third.start(QStringLiteral(TARVELL_PROGRAM));
        QVERIFY(third.waitForStarted(5000));
        QVERIFY(!third.waitForFinished(1500));   // still running: it took over the stale lock
        third.kill();
        third.waitForFinished(5000);
    }

    void fileSizeLimit_atStart_leavesTheProgramRunning()
    {
        // libpulse sizes its shared memory past a small `ulimit -f`: the
        // signal that follows must not end the program before it shows.
        QTemporaryDir home;
        const QProcessEnvironment env = programEnvironment(home);
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("bash"), {QStringLiteral("-c"), QStringLiteral("ulimit -f 4096 && exec \"$0\""),
                                         QStringLiteral(TARVELL_PROGRAM)});
        QVERIFY(p.waitForStarted(5000));
        QVERIFY2(!p.waitForFinished(2500), qPrintable(QStringLiteral("ended with %1, status %2")
                                                          .arg(p.exitCode())
                                                          .arg(int(p.exitStatus()))));
        p.kill();
        p.waitForFinished(5000);
    }

    void noDisplay_isSaidPlainly()
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TARVELL_PROGRAM));
        QVERIFY(p.waitForFinished(5000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 2);
        QVERIFY(p.readAllStandardError().contains("no display"));
    }
};

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
