// USES_OWN_SOUND_SERVER
// The sound server dies in the middle of a capture and comes back; a take at
// 44.1 kHz from a 48 kHz device. Runs its own private server (PulseAudio, or a
// PipeWire whose graph runs at 48 kHz only, as a stock desktop's), so it
// disturbs no other test.

#include "engine/AudioFailure.h"
#include "engine/PulseAudioRecord.h"
#include "engine/Take.h"
#include "engine/WavAudioFile.h"
#include "engine/WaveFormat.h"
#include "support/CaptureHarness.h"
#include "support/SoundTest.h"
#include "support/ToneLevel.h"
#include "support/WavReadBack.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include <csignal>
#include <cstring>

namespace {

// Starts or stops this test's own server, of the kind the suite runs against.
bool serverScript(const QString &command, const QString &dir)
{
    QStringList args{command, dir};
    const QString kind = qEnvironmentVariable("TARVELL_TEST_SOUND_SERVER_KIND");
    if (command == QLatin1String("start") && !kind.isEmpty())
        args << kind;
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(QStringLiteral(TARVELL_SOURCE_DIR "/scripts/sound-server.sh"), args);
    return p.waitForFinished(20000) && p.exitCode() == 0;
}

// The process clients talk to: PulseAudio, or PipeWire's pulse server.
pid_t serverPid(const QString &dir)
{
    QFile pulse(dir + QStringLiteral("/pulse/pid"));
    if (pulse.open(QIODevice::ReadOnly))
        return pid_t(pulse.readAll().trimmed().toInt());
    QFile pipewire(dir + QStringLiteral("/pipewire.pids"));   // "name pid" lines
    if (pipewire.open(QIODevice::ReadOnly))
        for (const QByteArray &line : pipewire.readAll().split('\n'))
            if (line.startsWith("pipewire-pulse "))
                return pid_t(line.mid(15).trimmed().toInt());
    return 0;
}

// A frame counter (low 16 bits left, high right), 16-bit stereo; 0 would be silence.
QByteArray frameCounter(int frames)
{
    QByteArray counter(frames * 4, Qt::Uninitialized);
    for (quint32 f = 0; f < quint32(frames); ++f) {
        const quint32 n = f + 1;
        std::memcpy(counter.data() + 4 * f, &n, 4);
    }
    return counter;
}

// The frames missing from a recording of the counter (its jumps).
qint64 counterMissing(const readback::SndfileResult &back)
{
    qint64 missing = 0;
    for (qint64 f = 0, previous = 0; f < back.frames; ++f) {
        const qint64 n = quint16(back.samples[2 * f]) | qint64(quint16(back.samples[2 * f + 1])) << 16;
        if (n != 0 && previous != 0)
            missing += n - previous - 1;
        previous = n ? n : previous;   // silence where the player ran dry
    }
    return missing;
}

// Every process of the server, stopped (SIGSTOP) or let go on (SIGCONT); of
// PipeWire the graph and its pulse server, or (pulseAlone) the pulse server.
void signalServer(const QString &dir, int sig, bool pulseAlone = false)
{
    QFile pipewire(dir + QStringLiteral("/pipewire.pids"));
    if (!pipewire.open(QIODevice::ReadOnly)) {
        ::kill(serverPid(dir), sig);
        return;
    }
    for (const QByteArray &line : pipewire.readAll().split('\n'))
        if (line.startsWith(pulseAlone ? "pipewire-pulse " : "pipewire"))
            ::kill(pid_t(line.mid(line.indexOf(' ') + 1).trimmed().toInt()), sig);
}

// The counter as a WAV file (48 kHz, 16-bit stereo), for PipeWire's own player.
std::unique_ptr<QTemporaryFile> counterWav(int frames)
{
    const QByteArray pcm = frameCounter(frames);
    QByteArray wav("RIFF____WAVEfmt \x10\0\0\0\x01\0\x02\0________\x04\0\x10\0data____", 44);
    const quint32 values[] = {quint32(36 + pcm.size()), 48000, 48000 * 4, quint32(pcm.size())};
    for (auto [at, value] : {std::pair{4, values[0]}, {24, values[1]}, {28, values[2]}, {40, values[3]}})
        std::memcpy(wav.data() + at, &value, 4);
    auto file = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/counter-XXXXXX.wav"));
    if (!file->open() || file->write(wav + pcm) != wav.size() + pcm.size() || !file->flush())
        return nullptr;
    return file;
}

} // namespace

class TestServerLoss : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir{QStringLiteral("/tmp/tarvell-loss-XXXXXX")};

private slots:
    void initTestCase()
    {
        const QString kind = qEnvironmentVariable("TARVELL_TEST_SOUND_SERVER_KIND", QStringLiteral("pulseaudio"));
        const QString program = kind == QLatin1String("pipewire") ? QStringLiteral("pipewire-pulse") : kind;
        if (QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("command -v %1 >/dev/null").arg(program)}) != 0)
            QSKIP("the sound server is not installed");
        QVERIFY(m_dir.isValid());
        qputenv("TARVELL_PIPEWIRE_RATES", "48000");
        QVERIFY(serverScript(QStringLiteral("start"), m_dir.path()));
        qputenv("XDG_RUNTIME_DIR", m_dir.path().toLocal8Bit());
        qunsetenv("PULSE_SERVER");
    }

    void cleanupTestCase() { serverScript(QStringLiteral("stop"), m_dir.path()); }

    void commandLine_takeAt44100FromA48000Device_isConvertedFlat_withNothingFoldedBack_andSaysSo()
    {
        // Ten seconds: 1 kHz and 19 kHz on the left, 23 kHz alone on the right.
        QByteArray signal(480000 * 4, Qt::Uninitialized);
        const auto tone = [](int i, double hz) { return std::sin(std::numbers::pi * hz * (i / 2) / 24000); };
        for (int i = 0; i < 960000; ++i)
            reinterpret_cast<qint16 *>(signal.data())[i] = qint16(std::lrint(
                i % 2 ? 29000 * tone(i, 23000) : 12000 * (tone(i, 1000) + tone(i, 19000))));
        const auto player = SoundTest::play(QStringLiteral("card1"), signal, 48000, 2, 16);
        const QString file = m_dir.filePath(QStringLiteral("take.wav"));
        QProcess rec;
        rec.start(QStringLiteral(TARVELL_CLI), {QStringLiteral("-r"), QStringLiteral("44100"), QStringLiteral("-t"),
                                               QStringLiteral("4"), file});
        QVERIFY(rec.waitForFinished(30000));
        const QString said = QString::fromUtf8(rec.readAllStandardError());
        QVERIFY2(rec.exitCode() == 0 && said.contains(QStringLiteral("tarvell-rec: the device runs at 48000 Hz; converting to 44100 Hz\n")),
                 qPrintable(said));
        const auto take = readback::readWithSndfile(file);
        QCOMPARE(take.frames, 4 * 44100);
        // From half a second into the sound to half a second before the end.
        const qint64 from = (std::find_if(take.samples.begin(), take.samples.end(), [](short v) { return v; })
                             - take.samples.begin()) / 2;
        const qint16 *steady = take.samples.constData() + 2 * (from + 22050);
        const qint64 count = take.frames - from - 2 * 22050;
        const double reference = levelDb(steady, count, 2, 0, 44100, 1000);
        QVERIFY(count >= 44100 && std::abs(reference - 20 * std::log10(12000 / 32768.0)) < 0.2);
        QVERIFY(std::abs(levelDb(steady, count, 2, 0, 44100, 19000) - reference) < 0.5);
        QVERIFY(levelDb(steady, count, 2, 1, 44100) < 20 * std::log10(29000 / 32768.0) - 90);
    }

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

        const pid_t pid = serverPid(m_dir.path());
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
        QVERIFY(serverScript(QStringLiteral("stop"), m_dir.path()));   // what is left of it
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

    // The server stops for six seconds in the middle of a take.
    // - PulseAudio makes that good from its queue: nothing is lost, none is told.
    // - PipeWire's whole graph stops, and the player on it; or its pulse server
    //   alone, and the player, a client of it, with it: nothing is played
    //   meanwhile, so none of that time is told as lost. (What the players
    //   lose on their side of the pulse server as it stops, no recorder gets:
    //   seen 0 to 0.4 s of the counter, and over a second now and then, as
    //   much in a second recorder's file.)
    // - PipeWire's pulse server alone stops while the graph and a player of
    //   its own run on: what was played meanwhile is lost, as much as the
    //   counter misses is told, where the sound stopped.
    void serverStalled_theTakeTellsWhatItDoesNotHold_andWhere_data()
    {
        QTest::addColumn<bool>("pulseAlone");
        QTest::addColumn<bool>("nativePlayer");
        QTest::addColumn<int>("timerMs");   // how often the owner looks (the server is asked as often)
        QTest::newRow("the whole server") << false << false << 40;
        QTest::newRow("PipeWire's pulse server alone, its client playing") << true << false << 40;
        QTest::newRow("PipeWire's pulse server alone, a native player") << true << true << 40;
        QTest::newRow("the same, looked at once a second") << true << true << 1000;
    }
    void serverStalled_theTakeTellsWhatItDoesNotHold_andWhere()
    {
        QFETCH(bool, pulseAlone);
        QFETCH(bool, nativePlayer);
        QFETCH(int, timerMs);
        constexpr int Rate = 48000;
        const bool pipeWire = qEnvironmentVariable("TARVELL_TEST_SOUND_SERVER_KIND") == QLatin1String("pipewire");
        if (pulseAlone && !pipeWire)
            QSKIP("PulseAudio is one process");
        std::unique_ptr<QTemporaryFile> wav = nativePlayer ? counterWav(Rate * 30) : nullptr;
        std::unique_ptr<QProcess> player;
        if (nativePlayer) {
            QVERIFY(wav);
            player = std::make_unique<QProcess>();
            player->start(QStringLiteral("pw-play"), {QStringLiteral("--target=card1"), wav->fileName()});
            QVERIFY(player->waitForStarted(5000));
        } else {
            player = SoundTest::play(QStringLiteral("card1"), frameCounter(Rate * 30), Rate, 2, 16);
        }
        QVERIFY(player);

        PulseAudioRecord rec;
        rec.setTimerInterval(timerMs);
        const QList<LinePlace> mix = rec.devices().linesNamed(QStringLiteral("Stereo Mix (Fake_Card_1)"));
        QCOMPARE(mix.size(), 1);
        rec.setDeviceIndex(mix[0].device);
        rec.setSourceIndex(mix[0].line);
        rec.setSourceSelected(true);
        WavAudioFile file;
        file.SetWaveFormat({Rate, 2, 16});
        Take take(rec, file);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("stalled.wav"));
        QVERIFY(take.start(path));
        QElapsedTimer ran;
        ran.start();
        QTest::qWait(1500);
        signalServer(m_dir.path(), SIGSTOP, pulseAlone);
        QTest::qWait(6000);
        signalServer(m_dir.path(), SIGCONT, pulseAlone);
        QTest::qWait(3000);
        take.stop();
        const qint64 ranFrames = ran.elapsed() * Rate / 1000;
        player->kill();
        player->waitForFinished();

        const qint64 lost = take.lostFrames(), kept = take.framesWritten();
        const auto back = readback::readWithSndfile(path);
        const qint64 missing = counterMissing(back);
        const QString figures = QStringLiteral("ran %1, kept %2, lost %3, the counter misses %4").arg(ranFrames).arg(kept).arg(lost).arg(missing);
        qInfo().noquote() << figures;
        if (pipeWire && !nativePlayer) {
            QVERIFY2(lost < Rate / 20, qPrintable(figures));
            return;
        }
        // Kept and lost add up to the time the take ran, but for what is
        // still on its way at the end (one fragment).
        QVERIFY2(std::abs(kept + lost - ranFrames) <= Rate / 10, qPrintable(figures));
        QVERIFY2(std::abs(lost - missing) <= Rate / 20, qPrintable(figures));
        if (nativePlayer) {
            QVERIFY2(missing > Rate && take.losses().size() == 1, qPrintable(figures));
            const qint64 at = take.losses()[0].atFrame, stalled = Rate * 3 / 2;
            QVERIFY2(std::abs(at - stalled) < Rate / 4, qPrintable(figures));
        } else {
            // The counter runs on without a gap: silence where the player
            // ran dry, then its next frame.
            QVERIFY2(lost == 0 && missing == 0 && take.losses().isEmpty() && back.frames == kept, qPrintable(figures));
        }
    }

    // tarvell-rec stopped (Ctrl+Z, a machine swapping) for longer than the
    // server holds for it: PipeWire's pulse server then throws all but its
    // latest fragment away, and the take tells as much as the counter in the
    // file is missing. (PulseAudio keeps a stopped client's sound in its
    // memory pool, 14 s and more of this; what it then drops counts as a
    // stall, as in serverStalled.)
    void commandLine_stoppedLongerThanTheServerHolds_tellsWhatIsMissing()
    {
        if (qEnvironmentVariable("TARVELL_TEST_SOUND_SERVER_KIND") != QLatin1String("pipewire"))
            QSKIP("PulseAudio holds more than the suite can wait for");
        constexpr int Rate = 48000;
        auto player = SoundTest::play(QStringLiteral("card1"), frameCounter(Rate * 30), Rate, 2, 16);
        QVERIFY(player);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("stopped.wav"));
        QProcess rec;   // 24 bits, to fill the server's 4 MiB in 14.6 s
        rec.start(QStringLiteral(TARVELL_CLI), {QStringLiteral("-r"), QString::number(Rate), QStringLiteral("-b"),
                                                QStringLiteral("24"), QStringLiteral("-l"),
                                                QStringLiteral("Stereo Mix (Fake_Card_1)"), file});
        QVERIFY(SoundTest::waitFor([&] { return QFileInfo(file).size() > Rate * 6; }, 5000));
        const pid_t pid = pid_t(rec.processId());
        QCOMPARE(::kill(pid, SIGSTOP), 0);
        QTest::qWait(16000);
        QCOMPARE(::kill(pid, SIGCONT), 0);
        QTest::qWait(2500);
        rec.terminate();
        QVERIFY(rec.waitForFinished(5000));
        player->kill();
        player->waitForFinished();

        const QString said = QString::fromUtf8(rec.readAllStandardError());
        const QRegularExpressionMatch told =
            QRegularExpression(QStringLiteral("([0-9.]+) s of sound was lost while recording")).match(said);
        const qint64 missing = counterMissing(readback::readWithSndfile(file));
        const QString figures = said + QStringLiteral("missing: %1 s").arg(double(missing) / Rate);
        QVERIFY2(missing > Rate && told.hasMatch(), qPrintable(figures));   // the stop did cost sound
        QVERIFY2(std::abs(told.captured(1).toDouble() - double(missing) / Rate) <= 0.05, qPrintable(figures));
    }

    void commandLine_serverKilled_keepsTheFile_andExitsWithItsOwnCode()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("cut short.wav"));
        QProcess rec;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_STATE_HOME"), dir.path());
        rec.setProcessEnvironment(env);
        rec.start(QStringLiteral(TARVELL_CLI), {QStringLiteral("-r"), QStringLiteral("48000"), file});
        QVERIFY(SoundTest::waitFor([&] { return QFileInfo(file).size() > WavAudioFile::HeaderSize + 48000 * 4; }, 5000));

        const pid_t pid = serverPid(m_dir.path());
        QVERIFY(pid > 0);
        QCOMPARE(::kill(pid, SIGKILL), 0);
        QVERIFY(rec.waitForFinished(10000));
        QCOMPARE(rec.exitCode(), 9);
        const QString said = QString::fromUtf8(rec.readAllStandardError());
        QVERIFY2(said.startsWith(QStringLiteral("tarvell-rec: ") + file) && said.contains(QStringLiteral("sound server")),
                 qPrintable(said));
        // Whatever came before the loss is in the file, and the header says so.
        const auto take = readback::readWithSndfile(file);
        QVERIFY(take.frames >= 48000);
        QCOMPARE(qint64(QFileInfo(file).size()), take.frames * 4 + WavAudioFile::HeaderSize);
        QVERIFY(QDir(dir.path() + QStringLiteral("/tarvell-recorder")).isEmpty());   // closed, nothing to repair

        QVERIFY(serverScript(QStringLiteral("stop"), m_dir.path()));
        QVERIFY(serverScript(QStringLiteral("start"), m_dir.path()));
    }

    void window_startedWithoutServer_thenTheServerComesAndGoesDuringARecording()
    {
        QVERIFY(serverScript(QStringLiteral("stop"), m_dir.path()));
        RealWindow r;
        QVERIFY(r.loadPastWizard());
        const CaptureView v(*r.w);
        QCOMPARE(r.w->panelText(1), QStringLiteral("No sound server"));
        QCOMPARE(v.DeviceCombo->count(), 0);

        // Record says why not, and touches no file: an earlier take of that
        // name stays byte for byte, and no other file appears.
        const QString path = r.h.documents() + QStringLiteral("take.wav");
        const QByteArray earlier = SoundTest::noise(48000, 2, 16, 5);
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(earlier);
        }
        r.h.dialogs.answers.enqueue(Dialogs::Answer::Yes);   // "replace it?", should it be asked
        v.TextWavFile->setText(path);
        v.CmdStart->click();
        QVERIFY(r.h.dialogs.asked.last().text.contains(QStringLiteral("no connection to the sound server")));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll() == earlier);
        f.close();
        QCOMPARE(QDir(r.h.documents()).entryList(QDir::Files), QStringList{QStringLiteral("take.wav")});
        QVERIFY(v.CmdStart->isEnabled());
        r.h.dialogs.answers.clear();
        r.h.dialogs.answers.enqueue(Dialogs::Answer::Yes);   // replacing it, below

        // The server appears: the lists fill and monitoring starts by itself.
        QVERIFY(serverScript(QStringLiteral("start"), m_dir.path()));
        QVERIFY(SoundTest::waitFor([&] { return r.record()->CaptureStatus() >= 0 && v.DeviceCombo->count() > 0; },
                                   5000));
        QCOMPARE(v.ComboSource->currentText(), QStringLiteral("Stereo Mix (Fake_Card_1)"));
        QCOMPARE(r.w->panelText(1), QStringLiteral("Ready to record"));

        // It goes away during a recording: the take keeps what was captured.
        const QByteArray signal = SoundTest::noise(48000 * 8, 2, 16, 99);
        auto player = SoundTest::play(QStringLiteral("card1"), signal, 48000, 2, 16);
        QTest::qWait(500);   // the take starts inside the signal, not in the quiet before it
        v.CmdStart->click();
        QTest::qWait(2000);
        QVERIFY(serverScript(QStringLiteral("stop"), m_dir.path()));
        QVERIFY(SoundTest::waitFor([&] { return r.w->recordingState() == RecordingState::NotRecording; }, 3000));
        QVERIFY(SoundTest::waitFor([&] { return r.w->panelText(1).startsWith(QStringLiteral("No sound server")); }, 2000));
        const readback::SndfileResult file = readback::readWithSndfile(path);
        QVERIFY2(file.opened, qPrintable(file.error));
        QVERIFY(file.frames > 48000);
        QByteArray pcm(reinterpret_cast<const char *>(file.samples.constData()), file.samples.size() * 2);
        pcm.remove(0, SoundTest::leadingSilence(pcm, 4));
        const qint64 at = SoundTest::findExact(signal, pcm, 4);
        QVERIFY(at >= 0);
        QVERIFY(signal.mid(at, pcm.size()) == pcm);

        // And back: monitoring again without anyone asking.
        QVERIFY(serverScript(QStringLiteral("start"), m_dir.path()));
        QVERIFY(SoundTest::waitFor([&] { return r.record()->CaptureStatus() >= 0; }, 5000));
        QCOMPARE(r.w->panelText(1), QStringLiteral("Ready to record"));
        QCOMPARE(v.DeviceCombo->currentText(), QStringLiteral("Fake_Card_1"));
    }
};

QTEST_MAIN(TestServerLoss)
#include "tst_serverloss.moc"
