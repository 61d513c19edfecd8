// USES_SOUND_SERVER
// Recording through the main window on the real engine and the private sound
// server: what reaches the file is what was played, minus the paused stretch.

#include "engine/AudioRecord.h"
#include "support/CaptureHarness.h"
#include "support/SoundTest.h"
#include "support/WavReadBack.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

using namespace SoundTest;
using namespace readback;

namespace {


QByteArray pcmOf(const SndfileResult &r)
{
    return QByteArray(reinterpret_cast<const char *>(r.samples.constData()), r.samples.size() * 2);
}

} // namespace

class TestRecordingConsole : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        REQUIRE_SOUND_SERVER();
        for (const char *s : {"card1.monitor", "mic1"})
            pactl({QStringLiteral("set-source-volume"), QString::fromLatin1(s), QStringLiteral("65536")});
    }

    void recordPauseResumeStop_fileHoldsTheSignalWithoutThePause_cutAtThePresses()
    {
        RealWindow r;
        QVERIFY(r.load());
        frmCapture &w = *r.w;
        const CaptureView v(w);
        QCOMPARE(v.ComboSource->currentText(), QStringLiteral("Stereo Mix (Fake_Card_1)"));
        const QString path = r.h.documents() + QStringLiteral("take");
        v.TextWavFile->setText(path);

        const QByteArray signal = noise(48000 * 9, 2, 16, 4242);
        v.CmdStart->click();
        QVERIFY(w.recordingState() != RecordingState::NotRecording);
        auto player = play(QStringLiteral("card1"), signal, 48000, 2, 16);
        QVERIFY(player);

        QTest::qWait(2500);
        const QString elapsedBefore = w.panelText(2);
        QVERIFY2(elapsedBefore.startsWith(QStringLiteral("Elapsed: 00:00:0")), qPrintable(elapsedBefore));
        QVERIFY(w.panelText(3).endsWith(QStringLiteral(" KB")));
        QElapsedTimer paused;
        v.CmdPause->click();
        paused.start();
        QTest::qWait(2500);
        QCOMPARE(w.panelText(2), elapsedBefore);   // stands still while paused
        const qint64 pausedMs = paused.elapsed();
        v.CmdStart->click();
        QVERIFY(waitFor([&] { return player->state() == QProcess::NotRunning; }, 20000));
        QTest::qWait(300);
        v.CmdStop->click();
        QCOMPARE(w.panelText(1), QStringLiteral("Ready to record"));
        QVERIFY(w.panelText(3).endsWith(QStringLiteral(" KB")));

        const SndfileResult file = readWithSndfile(path + QStringLiteral(".wav"));
        QVERIFY2(file.opened, qPrintable(file.error));
        QCOMPARE(file.sampleRate, 48000);
        QCOMPARE(file.channels, 2);
        const QByteArray got = pcmOf(file);
        const int frame = 4;
        const qint64 start = findExact(got, signal, frame);
        QVERIFY2(start >= 0, "the played signal is not in the recording");

        // The recording follows the signal up to the pause...
        qint64 k = 0;
        while (start + k < got.size() && k < signal.size() && got[start + k] == signal[k])
            ++k;
        k -= k % frame;
        QVERIFY(k > 0 && k < signal.size());
        // ...then picks it up again further on, as far on as the pause lasted
        // (within one capture fragment: what was captured before Pause is
        // in, what came while paused is not), and follows it to its end.
        const QByteArray rest = got.mid(start + k);
        const qint64 again = findExact(signal, rest, frame, 1024);
        QVERIFY2(again > k, "the signal does not go on after the pause");
        const qint64 skippedFrames = (again - k) / frame;
        const qint64 errorMs = skippedFrames * 1000 / 48000 - pausedMs;
        qInfo("pause of %lld ms left out %lld frames: %+lld ms", pausedMs, skippedFrames, errorMs);
        QVERIFY2(qAbs(errorMs) <= 50,
                 qPrintable(QStringLiteral("%1 frames skipped for a %2 ms pause").arg(skippedFrames).arg(pausedMs)));
        const qint64 tail = signal.size() - again;
        QVERIFY(rest.size() >= tail);
        QVERIFY(rest.left(tail) == signal.mid(again));   // nothing lost, nothing doubled

        // Monitoring runs again.
        QSignalSpy timer(r.record(), &AudioRecord::Timer);
        QVERIFY(waitFor([&] { return timer.size() >= 3; }, 2000));
    }

    void killedWhileRecording_losesUnderATenthOfASecond_andTheNextStartRepairsAndTells()
    {
        QTemporaryDir dir;
        qputenv("XDG_STATE_HOME", (dir.path() + QStringLiteral("/state")).toLocal8Bit());
        CaptureHarness h;   // the folders of both runs
        h.writeSettings();
        const QString path = dir.path() + QStringLiteral("/crash take.wav");

        QProcess child;
        child.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        child.start(QStringLiteral(TARVELL_RECORDING_CHILD), {h.appFolder(), path});
        QVERIFY(child.waitForReadyRead(10000));
        QCOMPARE(child.readLine().trimmed(), QByteArray("recording"));
        QElapsedTimer recorded;
        recorded.start();
        QTest::qWait(3000);
        const qint64 killedAfterMs = recorded.elapsed();
        ::kill(pid_t(child.processId()), SIGKILL);
        QVERIFY(child.waitForFinished(5000));

        // What was on disk at the kill: a valid file, at most ~0.1 s short
        // (plus the moment capture takes to deliver its first sound).
        const SndfileResult killed = readWithSndfile(path);
        QVERIFY2(killed.opened, qPrintable(killed.error));
        const qint64 keptMs = killed.frames * 1000 / 48000;
        qInfo("killed after %lld ms of recording, %lld ms in the file", killedAfterMs, keptMs);
        QVERIFY2(keptMs >= killedAfterMs - 200, qPrintable(QString::number(keptMs)));

        // The next start repairs it (a torn frame on top shows it did) and
        // says so, once.
        QFile torn(path);
        QVERIFY(torn.open(QIODevice::Append));
        torn.write("xyz");
        torn.close();
        {
            RealWindow r;
            QVERIFY(r.loadPastWizard());
            QCOMPARE(r.h.dialogs.count(QStringLiteral("message")), 1);
            const QString said = r.h.dialogs.asked.first().text;
            QVERIFY2(said.contains(path) && said.contains(QStringLiteral("interrupted")), qPrintable(said));
        }
        const SndfileResult repaired = readWithSndfile(path);
        QVERIFY(repaired.opened);
        QCOMPARE(repaired.frames, killed.frames);
        QCOMPARE(QFileInfo(path).size(), 80 + killed.frames * 4);
        {
            RealWindow again;
            QVERIFY(again.loadPastWizard());
            QCOMPARE(again.h.dialogs.count(QStringLiteral("message")), 0);
        }
        qunsetenv("XDG_STATE_HOME");
    }

    void newFormat_isUsedByTheNextRecording()
    {
        RealWindow r;
        QVERIFY(r.load());
        frmCapture &w = *r.w;
        const CaptureView v(w);
        // As the format dialog's Ok does: the file writer gets the new format at once,
        // the running monitoring keeps its own until the next start.
        PublicDim::WavFormat = {8000, 1, 8};
        r.file()->SetWaveFormat({8000, 1, 8});
        w.DisplayFormatStr();
        QCOMPARE(v.LabelFomartStr->text(), QStringLiteral("WAV 8,000 Hz; Mono; 8 bit"));
        QCOMPARE(r.record()->SamplesToMilliseconds(48000), 1000);   // monitoring: still 48 kHz

        v.TextWavFile->setText(r.h.documents() + QStringLiteral("small.wav"));
        v.CmdStart->click();
        QTest::qWait(1500);
        v.CmdStop->click();
        const SoxiResult soxi = readWithSoxi(r.h.documents() + QStringLiteral("small.wav"));
        QVERIFY2(soxi.ok, qPrintable(soxi.error));
        QCOMPARE(soxi.sampleRate, 8000);
        QCOMPARE(soxi.channels, 1);
        QCOMPARE(soxi.bits, 8);
        QVERIFY(qAbs(soxi.samples - 12000) < 3000);
    }

    void diskFull_endsTheRecordingWithAValidFileAndAMessage()
    {
        RealWindow r;
        QVERIFY(r.load());
        frmCapture &w = *r.w;
        const CaptureView v(w);
        const QString path = r.h.documents() + QStringLiteral("full.wav");
        v.TextWavFile->setText(path);

        // Room for one second and a half of 48 kHz stereo, then "file too large".
        rlimit before{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &before), 0);
        rlimit small = before;
        small.rlim_cur = 80 + 48000 * 4 * 3 / 2;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        auto restore = qScopeGuard([&] { setrlimit(RLIMIT_FSIZE, &before); });

        v.CmdStart->click();
        QVERIFY(w.recordingState() != RecordingState::NotRecording);
        QVERIFY(waitFor([&] { return w.recordingState() == RecordingState::NotRecording; }, 5000));
        restore.dismiss();
        setrlimit(RLIMIT_FSIZE, &before);

        QVERIFY(waitFor([&] { return r.h.dialogs.count(QStringLiteral("message")) >= 1; }, 2000));
        QCOMPARE(r.h.dialogs.asked.last().title, QStringLiteral("Error"));
        QVERIFY2(r.h.dialogs.asked.last().text.contains(QStringLiteral("large"), Qt::CaseInsensitive),
                 qPrintable(r.h.dialogs.asked.last().text));
        QCOMPARE(w.panelText(1), QStringLiteral("Ready to record"));
        QVERIFY(v.CmdStart->isEnabled());

        const SndfileResult file = readWithSndfile(path);
        QVERIFY2(file.opened, qPrintable(file.error));
        QCOMPARE(file.frames, qint64(48000 * 3 / 2));   // every whole frame that fitted
        const PythonWaveResult py = readWithPythonWave(path);
        QVERIFY2(py.ok, qPrintable(py.error));
        QCOMPARE(py.frames, file.frames);
    }

    void startFailure_inAnUnwritablePlace_showsErrorAndRestoresTheWindow()
    {
        RealWindow r;
        QVERIFY(r.load());
        frmCapture &w = *r.w;
        const CaptureView v(w);
        QFile plain(r.h.documents() + QStringLiteral("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        v.TextWavFile->setText(r.h.documents() + QStringLiteral("plain/take.wav"));   // a folder that is a file
        v.CmdStart->click();
        QCOMPARE(r.h.dialogs.count(QStringLiteral("message")), 1);
        QCOMPARE(r.h.dialogs.asked[0].title, QStringLiteral("Error"));
        QVERIFY(!r.h.dialogs.asked[0].text.isEmpty());
        QCOMPARE(w.recordingState(), RecordingState::NotRecording);
        QVERIFY(v.CmdStart->isEnabled() && !v.CmdStop->isEnabled() && v.TextWavFile->isEnabled());
        QCOMPARE(w.panelText(1), QStringLiteral("Ready to record"));
        QVERIFY(r.record()->CaptureStatus() >= 0);   // monitoring again
    }

    void volumeAndBalanceSliders_changeTheServer()
    {
        RealWindow r;
        QVERIFY(r.load());
        frmCapture &w = *r.w;
        const CaptureView v(w);
        QVERIFY(v.slVolume->isEnabled() && v.slBalance->isEnabled());
        QCOMPARE(v.slVolume->value(), 0);   // 100 % sits at the top
        v.slVolume->setValue(32767);        // as a user's drag does
        QVERIFY(pactl({QStringLiteral("get-source-volume"), QStringLiteral("card1.monitor")})
                    .contains(QStringLiteral("32769 /")));
        v.slBalance->setValue(25);
        QCOMPARE(v.slBalance->value(), 25);
        QCOMPARE(r.record()->Balance(), 25);
        QVERIFY(pactl({QStringLiteral("get-source-volume"), QStringLiteral("card1.monitor")})
                    .contains(QStringLiteral("balance -0.50")));
    }
};

QTEST_MAIN(TestRecordingConsole)
#include "tst_recordingconsole.moc"
