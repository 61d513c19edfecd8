// USES_SOUND_SERVER
// tarvell-rec, run as a user runs it, against the private sound server: what
// it records (sample for sample), its formats, its stops by signal, a full
// disk, a device that goes away, and what it refuses.

#include "cli/Arguments.h"
#include "engine/PulseAudioRecord.h"
#include "support/Correlation.h"
#include "support/SoundTest.h"
#include "support/WavReadBack.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <csignal>
#include <sndfile.h>

using namespace SoundTest;

namespace {

const QString Program = QStringLiteral(TARVELL_CLI);
const QString Card1Mix = QStringLiteral("Stereo Mix (Fake_Card_1)");

struct Result { int exit = -1; QString err; QByteArray out; };

// Whether a 16-bit stereo take is one unbroken stretch of the played signal
// (after the silence PipeWire may put before the first sound).
bool isPieceOf(const QByteArray &signal, const readback::SndfileResult &take)
{
    QByteArray pcm(reinterpret_cast<const char *>(take.samples.constData()), take.samples.size() * 2);
    pcm.remove(0, leadingSilence(pcm, 4));
    const qint64 at = findExact(signal, pcm, 4);
    return pcm.size() > 4 * 4800 && at >= 0 && signal.mid(at, pcm.size()) == pcm;
}

// Plays noise into a sink, and gives the player a moment to start.
std::unique_ptr<QProcess> playNoise(const QString &sink, const QByteArray &signal)
{
    auto player = play(sink, signal, 48000, 2, 16);
    QTest::qWait(300);
    return player;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_state;   // the writer's journals

    QString path(const QString &name) const { return m_dir.filePath(name); }
    // Closed, not abandoned: no journal left for the window to repair.
    bool noJournal() const { return QDir(m_state + QStringLiteral("/tarvell-recorder")).isEmpty(); }

    std::unique_ptr<QProcess> start(const QStringList &args, const QString &shellLimit = QString(),
                                    const QString &runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR"))
    {
        auto p = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_STATE_HOME"), m_state);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
        p->setProcessEnvironment(env);
        p->setWorkingDirectory(m_dir.path());
        if (shellLimit.isEmpty())
            p->start(Program, args);
        else
            p->start("sh", QStringList{"-c", shellLimit + QStringLiteral("; exec \"$0\" \"$@\""), Program} + args);
        return p;
    }

    Result finish(QProcess &p, int timeoutMs = 15000)
    {
        if (!p.waitForFinished(timeoutMs))
            p.kill();   // and the exit reads -1
        p.waitForFinished();
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                QString::fromUtf8(p.readAllStandardError()), p.readAllStandardOutput()};
    }

    Result run(const QStringList &args) { return finish(*start(args)); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_state = m_dir.filePath(QStringLiteral("state"));
        QVERIFY(QFileInfo(Program).isExecutable());
    }

    void init()
    {
        REQUIRE_SOUND_SERVER();
        resetDefaultCard();
    }

    void durations_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("ms");   // -1: refused
        const QList<QPair<const char *, qint64>> rows{
            {"90", 90000},    {"90s", 90000},   {"1.5", 1500},     {"1:30", 90000},  {"1:02:03", 3723000},
            {"90:00", 5400000}, {"2m", 120000}, {"1h", 3600000},   {"1h30m", 5400000}, {"2m30s", 150000},
            {"0", -1},        {"0:00", -1},     {"-5", -1},        {"soon", -1},     {"", -1},
            {"1:60", -1},     {"1:60:00", -1},  {"1h30", -1},      {"1:2:3:4", -1},  {"1e3", -1},
            {" 5", -1},       {"10000h", -1},
        };
        for (const auto &[text, ms] : rows)
            QTest::newRow(*text ? text : "(empty)") << QString::fromLatin1(text) << ms;
    }

    void durations()
    {
        QFETCH(QString, text);
        QFETCH(qint64, ms);
        QCOMPARE(cli::parseDuration(text).value_or(-1), ms);
    }

    void list_namesEveryLineAsTheWindowDoes()
    {
        const Result text = run({"--list"}), json = run({"--list", "--json"});
        QVERIFY2(text.exit == 0 && json.exit == 0 && text.err.isEmpty(), qPrintable(text.err));
        auto row = [](int d, int l, bool def, const QString &device, const QString &line) {
            return QStringLiteral("%1\t%2\t%3\t%4\t%5").arg(d).arg(l).arg(def ? "*" : "", device, line);
        };
        // The engine's own names, in its order, the default source marked.
        PulseAudioRecord rec;
        QStringList expected, fromJson;
        for (int d = 0; d < rec.DeviceCount(); ++d) {
            rec.setDeviceIndex(d);
            for (int l = 0; l < rec.SourceCount(); ++l) {
                rec.setSourceIndex(l);
                const bool def = d == rec.DefaultDeviceIndex() && l == rec.DefaultSourceIndex();
                expected << row(d, l, def, rec.DeviceName(), rec.SourceName());
            }
        }
        QCOMPARE(QString::fromUtf8(text.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
        QVERIFY(expected.contains(row(0, 0, true, QStringLiteral("Fake_Card_1"), Card1Mix)));
        for (const QJsonValue &dv : QJsonDocument::fromJson(json.out)["devices"].toArray())
            for (const QJsonValue &l : dv["lines"].toArray())
                fromJson << row(dv["number"].toInt(), l["number"].toInt(), l["default"].toBool(), dv["name"].toString(),
                                l["name"].toString());
        QCOMPARE(fromJson, expected);
    }

    void ending_keepsEverySampleCaptured_data()
    {
        QTest::addColumn<int>("sig");   // 0: the end of --duration
        QTest::newRow("duration") << 0;
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGTERM") << int(SIGTERM);
    }

    void ending_keepsEverySampleCaptured()
    {
        QFETCH(int, sig);
        const QByteArray signal = noise(48000 * 5, 2, 16, 99 + sig);
        auto player = playNoise(QStringLiteral("card1"), signal);
        const QString folder = path(QStringLiteral("día %1").arg(sig)), file = folder + QStringLiteral("/toma ü 1.wav");
        QVERIFY(QDir().mkpath(folder));
        QStringList args{"-l", Card1Mix, "-r", "48000", file.chopped(4)};   // ".wav" comes by itself
        if (!sig)
            args << "-t" << "1.5";
        auto rec = start(args);
        QVERIFY(waitFor([&] { return QFileInfo(file).size() > 80; }, 5000));
        QElapsedTimer since;
        since.start();
        if (sig) {
            QTest::qWait(1500);
            ::kill(pid_t(rec->processId()), sig);
        }
        const qint64 recordedMs = since.elapsed();
        const Result r = finish(*rec);
        QCOMPARE(r.exit, 0);
        QVERIFY2(r.err.isEmpty(), qPrintable(r.err));   // off a terminal: nothing but failures
        const auto take = readback::readWithSndfile(file);
        QVERIFY2(take.opened, qPrintable(take.error));
        QVERIFY2(isPieceOf(signal, take), "the take is not the played signal, sample for sample");
        if (!sig) {
            QCOMPARE(take.frames, qint64(72000));   // exactly the duration asked for
        } else {
            // Everything up to the signal: the file had its first sound when
            // it appeared, so it holds at least the time since then.
            qInfo("%lld ms in the file, %lld ms from its appearance to the signal", take.frames / 48, recordedMs);
            QVERIFY(take.frames / 48 >= recordedMs - 60);
        }
        QVERIFY(noJournal());
        player->kill();
        player->waitForFinished();
    }

    void formats_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("subtype");
        QTest::newRow("defaults") << QStringList{} << 44100 << 2 << int(SF_FORMAT_PCM_16);
        QTest::newRow("8000 mono 8") << QStringList{"-r", "8000", "-c", "1", "-b", "8"} << 8000 << 1 << int(SF_FORMAT_PCM_U8);
        QTest::newRow("11025 stereo 8") << QStringList{"--rate", "11025", "--channels", "stereo", "--bits", "8"}
                                        << 11025 << 2 << int(SF_FORMAT_PCM_U8);
        QTest::newRow("22050 mono 16") << QStringList{"-r", "22050", "-c", "mono"} << 22050 << 1 << int(SF_FORMAT_PCM_16);
        QTest::newRow("32000 stereo 16") << QStringList{"-r", "32000", "-b", "16"} << 32000 << 2 << int(SF_FORMAT_PCM_16);
    }

    void formats()
    {
        QFETCH(QStringList, options);
        QFETCH(int, rate);
        QFETCH(int, channels);
        QFETCH(int, subtype);
        const QString file = path(QStringLiteral("format.wav"));
        const Result r = run(options + QStringList{"--force", "-t", "0.4", file});
        QVERIFY2(r.exit == 0, qPrintable(r.err));
        const auto take = readback::readWithSndfile(file);
        QVERIFY2(take.opened, qPrintable(take.error));
        QCOMPARE(take.sampleRate, rate);
        QCOMPARE(take.channels, channels);
        QCOMPARE(take.format, SF_FORMAT_WAV | subtype);
        QCOMPARE(take.frames, qint64(rate) * 4 / 10);
    }

    void types_followTheNameUnlessTold_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("made");
        QTest::addColumn<int>("format");   // at 48000 Hz, Opus's own rate when none is asked for
        const int flac = SF_FORMAT_FLAC | SF_FORMAT_PCM_16, mp3 = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
        QTest::newRow("talk.flac") << QStringList{"-r", "48000", "talk.flac"} << "talk.flac" << flac;
        QTest::newRow("--type flac, 24 bits") << QStringList{"-r", "48000", "-b", "24", "--type", "flac", "talk"} << "talk.flac"
                                              << (SF_FORMAT_FLAC | SF_FORMAT_PCM_24);
        QTest::newRow("wav 24 bits") << QStringList{"-r", "48000", "-b", "24", "talk.wav"} << "talk.wav" << (SF_FORMAT_WAV | SF_FORMAT_PCM_24);
        QTest::newRow("wav float") << QStringList{"-r", "48000", "-b", "float", "talk.wav"} << "talk.wav" << (SF_FORMAT_WAV | SF_FORMAT_FLOAT);
        // Noise is the hardest sound for a lossy coder: Opus holds its shape at its best.
        QTest::newRow("opus") << QStringList{"--quality", "best", "talk.OPUS"} << "talk.OPUS" << (SF_FORMAT_OGG | SF_FORMAT_OPUS);
        QTest::newRow("vorbis") << QStringList{"-r", "48000", "talk.ogg"} << "talk.ogg" << (SF_FORMAT_OGG | SF_FORMAT_VORBIS);
        QTest::newRow("--type over the name") << QStringList{"-r", "48000", "--type", "mp3", "talk.ogg"} << "talk.ogg" << mp3;
        QTest::newRow("unknown extension") << QStringList{"-r", "48000", "talk.mp3x"} << "talk.mp3x.wav"
                                           << (SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    }

    // Every type and depth holds the played sound as another reader decodes
    // it: the lossless ones sample for sample, the lossy ones in shape.
    void types_followTheNameUnlessTold()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, made);
        QFETCH(int, format);
        const QByteArray signal = voiceLike(48000 * 4, 7);
        auto player = playNoise(QStringLiteral("card1"), signal);
        const Result r = run(QStringList{"-l", Card1Mix, "--force", "-t", "1"} + args);
        QVERIFY2(r.exit == 0, qPrintable(r.err));
        const auto take = readback::readWithSndfile(path(made));
        QVERIFY2(take.opened, qPrintable(take.error));
        QVERIFY(take.format == format && take.sampleRate == 48000 && std::abs(take.frames - 48000) <= 960);
        if ((format & SF_FORMAT_TYPEMASK) == SF_FORMAT_WAV || (format & SF_FORMAT_TYPEMASK) == SF_FORMAT_FLAC) {
            // Read as the file holds it: a 16-bit sample is exactly s / 32768
            // in every depth, and nothing else is.
            SF_INFO info{};
            SNDFILE *sf = sf_open(QFile::encodeName(path(made)).constData(), SFM_READ, &info);
            QVector<float> got(info.frames * info.channels);
            QVERIFY(sf && sf_readf_float(sf, got.data(), info.frames) == info.frames);
            sf_close(sf);
            readback::SndfileResult exact = take;
            for (qsizetype i = 0; i < got.size(); ++i) {
                const float s = got[i] * 32768.0f;
                QVERIFY2(s == std::trunc(s), qPrintable(QStringLiteral("sample %1 is %2, not one the player played").arg(i).arg(s)));
                exact.samples[i] = qint16(s);
            }
            QVERIFY2(isPieceOf(signal, exact), "the take is not the played signal, sample for sample");
        } else {
            QByteArray pcm(reinterpret_cast<const char *>(take.samples.constData()), take.samples.size() * 2);
            const auto match = Correlation::bestMatch(Correlation::leftChannel(signal),
                                                      Correlation::leftChannel(pcm).mid(take.frames / 2, 4096));
            QVERIFY2(match.correlation >= 0.95, qPrintable(QString::number(match.correlation)));
        }
        QVERIFY(noJournal());
        player->kill();
        player->waitForFinished();
    }

    void listFormats_namesEveryTypeWithItsRates()
    {
        const Result r = run({"--list-formats"});
        QCOMPARE(r.exit, 0);
        QVERIFY(r.out.startsWith("wav\twav\t8000 11025 16000 22050 24000 32000 44100 48000\tWAV\t8 16 24 32\n"));
        QVERIFY(r.out.contains("\nflac\tflac\t8000 11025 16000 22050 24000 32000 44100 48000\tFLAC\t16 24\n"));
        QVERIFY(r.out.contains("\nopus\topus\t8000 16000 24000 48000\tOgg Opus\t16\n") && r.out.count('\n') == 5);
    }

    void existingFile_replacedOnlyWithForceOrWhenEmpty_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("force");
        QTest::addColumn<int>("exit");   // 5: left as it was
        QTest::newRow("kept") << QByteArray("an earlier take") << false << 5;
        QTest::newRow("forced") << QByteArray("an earlier take") << true << 0;
        QTest::newRow("empty") << QByteArray() << false << 0;
    }

    void existingFile_replacedOnlyWithForceOrWhenEmpty()
    {
        QFETCH(QByteArray, before);
        QFETCH(bool, force);
        QFETCH(int, exit);
        const QString file = path(QStringLiteral("existing.wav"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(before) == before.size());
        f.close();
        const Result r = run(QStringList{"-t", "0.2", file} + (force ? QStringList{"--force"} : QStringList{}));
        QCOMPARE(r.exit, exit);
        QVERIFY(f.open(QIODevice::ReadOnly));
        if (exit == 5)
            QVERIFY2(f.readAll() == before && r.err.contains(file) && r.err.contains("--force"), qPrintable(r.err));
        else
            QCOMPARE(readback::readWithSndfile(file).frames, qint64(44100 / 5));
    }

    void diskFull_keepsWhatFitted()
    {
        const QByteArray signal = noise(48000 * 4, 2, 16, 321);
        auto player = playNoise(QStringLiteral("card1"), signal);
        const QString file = path(QStringLiteral("full.wav"));
        // 200 blocks of 512 bytes: some 0.5 s of 48 kHz stereo.
        const Result r = finish(*start({"-r", "48000", "-t", "5", "--force", file}, QStringLiteral("ulimit -f 200")));
        QCOMPARE(r.exit, 7);
        // (libpulse may say on its own that its shared memory met the limit too)
        QCOMPARE(r.err.count(QStringLiteral("tarvell-rec: ")), 1);
        QVERIFY2(r.err.contains(file) && r.err.contains(QStringLiteral("too large")), qPrintable(r.err));
        const auto take = readback::readWithSndfile(file);
        QVERIFY2(take.opened, qPrintable(take.error));
        QCOMPARE(take.frames, qint64((200 * 512 - 80) / 4));   // every whole frame that fitted
        QVERIFY2(isPieceOf(signal, take), "what fitted is not the played signal, sample for sample");
        player->kill();
        player->waitForFinished();
    }

    void deviceRemoved_endsWithEverythingUntilThen()
    {
        bool ok = false;
        const QString module = pactl({"load-module", "module-null-sink", "sink_name=clisink", "norewinds=1",
                                      "rate=48000", "channels=2", "sink_properties=device.description=Cli_Card"},
                                     &ok).trimmed();
        QVERIFY(ok);
        auto unload = qScopeGuard([&] { pactl({QStringLiteral("unload-module"), module}); });
        const QByteArray signal = noise(48000 * 6, 2, 16, 555);
        auto player = playNoise(QStringLiteral("clisink"), signal);
        const QString file = path(QStringLiteral("removed.wav"));
        auto rec = start({"-d", "Cli_Card", "-r", "48000", "--force", file});
        QVERIFY(waitFor([&] { return QFileInfo(file).size() > 80; }, 5000));
        QElapsedTimer since;
        since.start();
        QTest::qWait(1200);
        pactl({QStringLiteral("unload-module"), module});
        const qint64 recordedMs = since.elapsed();
        player->kill();
        const Result r = finish(*rec);
        QCOMPARE(r.exit, 8);
        QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
        QVERIFY2(r.err.contains(file) && r.err.contains(QStringLiteral("removed")), qPrintable(r.err));
        const auto take = readback::readWithSndfile(file);
        QVERIFY2(take.opened, qPrintable(take.error));
        QVERIFY2(take.frames / 48 >= recordedMs - 100, qPrintable(QString::number(take.frames)));   // to the removal
        QVERIFY2(isPieceOf(signal, take), "the take is not the played signal, sample for sample");
        player->waitForFinished();
    }

    void badInput_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("said");
        QTest::newRow("no file") << QStringList{} << 1 << "no file";
        QTest::newRow("two files") << QStringList{"a", "b"} << 1 << "one file";
        QTest::newRow("unknown option") << QStringList{"--loud", "x"} << 1 << "loud";
        QTest::newRow("duration twice") << QStringList{"-t", "1", "--duration", "2", "x"} << 1 << "more than once";
        QTest::newRow("force twice") << QStringList{"--force", "--force", "x"} << 1 << "more than once";
        QTest::newRow("json alone") << QStringList{"--json", "x"} << 1 << "--list";
        QTest::newRow("fractional rate") << QStringList{"-r", "44100.5", "x"} << 2 << "11025";
        QTest::newRow("negative rate") << QStringList{"-r", "-1", "x"} << 2 << "48000";
        QTest::newRow("rate not offered") << QStringList{"-r", "96000", "x"} << 2 << "44100";
        QTest::newRow("three channels") << QStringList{"-c", "3", "x"} << 2 << "mono";
        QTest::newRow("12 bits") << QStringList{"-b", "12", "x"} << 2 << "8, 16, 24 or 32";
        QTest::newRow("zero duration") << QStringList{"-t", "0", "x"} << 2 << "duration";
        QTest::newRow("garbage duration") << QStringList{"-t", "soon", "x"} << 2 << "duration";
        QTest::newRow("empty name") << QStringList{""} << 2 << "empty";
        QTest::newRow("empty rate") << QStringList{"-r", "", "x"} << 2 << "--rate";
        QTest::newRow("empty channels") << QStringList{"-c", "", "x"} << 2 << "--channels";
        QTest::newRow("empty bits") << QStringList{"-b", "", "x"} << 2 << "--bits";
        QTest::newRow("opus at 44100") << QStringList{"-r", "44100", "talk.opus"} << 2 << "nearest is 48000 Hz";
        QTest::newRow("unknown type") << QStringList{"--type", "aiff", "x"} << 2 << "wav, flac";
        QTest::newRow("unknown quality") << QStringList{"--quality", "loud", "x"} << 2 << "speech";
        QTest::newRow("formats with a file") << QStringList{"--list-formats", "x"} << 1 << "alone";
        QTest::newRow("name not UTF-8") << QStringList{"<take\\377.wav>"} << 2 << "UTF-8";
        QTest::newRow("unknown device") << QStringList{"-d", "No_Such_Card", "x"} << 4 << "Fake_Card_2";
        QTest::newRow("device number too big") << QStringList{"-d", "99", "x"} << 4 << "Fake_Mic";
        QTest::newRow("unknown line") << QStringList{"-l", "Line 9", "x"} << 4 << "Stereo Mix (Fake_Card_1)";
        QTest::newRow("line of another device") << QStringList{"-d", "Fake_Mic", "-l", "Stereo Mix (Fake_Card_1)", "x"}
                                                << 4 << "Fake_Mic";
        QTest::newRow("a folder") << QStringList{"."} << 6 << "folder";
        QTest::newRow("a folder with .wav") << QStringList{"folder.wav"} << 6 << "folder";
        QTest::newRow("no such folder") << QStringList{"missing/x"} << 6 << "No such file";
    }

    void badInput()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exit);
        QFETCH(QString, said);
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder.wav")));
        const QStringList before = QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        // Bytes that are not UTF-8 cannot travel in a QString: the shell makes them.
        const bool bytes = args.size() == 1 && args[0].startsWith(QLatin1Char('<'));
        const QString makeName = QStringLiteral("set -- -t 0.2 \"$(printf '%1')\"").arg(args.value(0).mid(1).chopped(1));
        const Result r = bytes ? finish(*start({}, makeName)) : run(args);
        QCOMPARE(r.exit, exit);
        QVERIFY2(r.err.startsWith(QStringLiteral("tarvell-rec: ")) && r.err.contains(said), qPrintable(r.err));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);   // nothing made
    }

    void terminal_showsOneSelfUpdatingLine_offATerminalNothing()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("script")).isEmpty())
            QSKIP("script(1) is not installed");
        const QByteArray signal = noise(48000 * 8, 2, 16, 7);
        const auto player = playNoise(QStringLiteral("card1"), signal);
        const QString file = path(QStringLiteral("shown.wav"));
        // script(1) gives it a terminal; what it draws comes back on stdout.
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_STATE_HOME"), m_state);
        env.insert(QStringLiteral("COLUMNS"), QStringLiteral("120"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("script"), {QStringLiteral("-qec"),
                                           QStringLiteral("stty cols 120; \"%1\" -l \"%2\" -t 1.5 -r 48000 \"%3\"")
                                               .arg(Program, Card1Mix, file),
                                           QStringLiteral("/dev/null")});
        QVERIFY(p.waitForFinished(15000));
        QCOMPARE(p.exitCode(), 0);
        const QString shown = QString::fromUtf8(p.readAllStandardOutput());
        // Redrawn in place ("\r", then cleared to the end of the line), with
        // the time, the size and a meter per channel that heard the signal.
        const QStringList draws = shown.split(QLatin1Char('\r'), Qt::SkipEmptyParts).filter(QStringLiteral("REC "));
        QVERIFY2(draws.size() >= 3, qPrintable(shown));
        QVERIFY2(draws.last().contains(QStringLiteral("REC 0:00:01.")), qPrintable(draws.last()));
        const QRegularExpression meters(QStringLiteral("L \\[#+-*\\] +-?[0-9.]+  R \\[#+-*\\] +-?[0-9.]+ dBFS"));
        QVERIFY2(meters.match(draws.last()).hasMatch(), qPrintable(draws.last()));
        QVERIFY2(shown.contains(QStringLiteral("Recorded 1.500 s into ") + file), qPrintable(shown));
        QCOMPARE(readback::readWithSndfile(file).frames, 72000);

        // Off a terminal: not a word when all went well (at the card's own rate).
        const Result quiet = run({QStringLiteral("-l"), Card1Mix, QStringLiteral("-t"), QStringLiteral("0.5"),
                                  QStringLiteral("-r"), QStringLiteral("48000"), path(QStringLiteral("quiet.wav"))});
        QCOMPARE(quiet.exit, 0);
        QCOMPARE(quiet.err, QString());
    }

    void oneApplication_aloneInTheFile_acrossTheEndOfItsStream()
    {
        const QStringList game{QStringLiteral("--client-name=Game")};
        const QByteArray other = noise(48000 * 10, 2, 16, 23);
        const QByteArray first = noise(48000 * 2, 2, 16, 21), second = noise(48000 * 4, 2, 16, 22);
        const auto chat = play(QStringLiteral("card1"), other, 48000, 2, 16, {QStringLiteral("--client-name=Chat")});
        auto level1 = play(QStringLiteral("card1"), first, 48000, 2, 16, game + QStringList{"--stream-name=Level 1"});
        QVERIFY(chat && level1);
        QVERIFY(waitFor([] { return pactl({"list", "short", "sink-inputs"}).count(QLatin1Char('\n')) >= 2; }, 3000));
        QTest::qWait(300);
        const QString file = path(QStringLiteral("game.wav"));
        auto rec = start({QStringLiteral("--app"), QStringLiteral("game"), QStringLiteral("-r"),
                          QStringLiteral("48000"), QStringLiteral("-t"), QStringLiteral("3"), file});
        // The game's stream ends; a while later it plays again in a new one.
        QVERIFY(level1->waitForFinished(5000));
        QTest::qWait(600);
        const auto level2 = play(QStringLiteral("card1"), second, 48000, 2, 16,
                                 game + QStringList{"--stream-name=Level 2"});
        const Result r = finish(*rec);
        QCOMPARE(r.exit, 0);
        QVERIFY2(r.err.contains(QStringLiteral("Game stopped playing")), qPrintable(r.err));

        // The file is the end of the first stream, then the start of the
        // second, sample for sample: nothing of the other application, and
        // nothing but silence where the game was silent.
        const auto take = readback::readWithSndfile(file);
        QCOMPARE(take.frames, 3 * 48000);
        QByteArray pcm(reinterpret_cast<const char *>(take.samples.constData()), take.samples.size() * 2);
        pcm.remove(0, leadingSilence(pcm, 4));
        const qint64 inFirst = findExact(first, pcm, 4);
        QVERIFY2(inFirst >= 0, "the file does not start with the game's first stream");
        const qint64 firstPart = first.size() - inFirst;
        QVERIFY(firstPart > 48000 * 4 / 2 && pcm.left(firstPart) == first.mid(inFirst));
        QByteArray rest = pcm.mid(firstPart);
        rest.remove(0, leadingSilence(rest, 4));
        const qint64 inSecond = findExact(second, rest, 4);
        QVERIFY2(inSecond >= 0 && inSecond < 48000 * 4 / 5, qPrintable(QString::number(inSecond)));
        QVERIFY(rest.size() > 48000 * 4 && rest == second.mid(inSecond, rest.size()));
        QVERIFY(findExact(other, pcm, 4) < 0 && findExact(other, rest, 4) < 0);
        for (QProcess *player : {chat.get(), level2.get()}) {
            player->kill();
            player->waitForFinished();
        }
    }

    // --also: the microphone (here a null sink's monitor) in the left channel,
    // an application in the right, in step.
    void conversation_eachSourceInItsChannel_inStep()
    {
        const auto channel = [](const readback::SndfileResult &take, int c, qint64 from, qint64 frames) {
            QVector<double> out;
            for (qint64 f = from; f < from + frames && 2 * f + 1 < take.samples.size(); ++f)
                out << take.samples[2 * f + c];
            return out;
        };
        const auto mono = [](const QByteArray &pcm) {
            QVector<double> out(pcm.size() / 4);
            const auto *s = reinterpret_cast<const qint16 *>(pcm.constData());
            for (qsizetype i = 0; i < out.size(); ++i)
                out[i] = (s[2 * i] + s[2 * i + 1]) / 2.0;
            return out;
        };
        // Voices, not white noise: nothing above 7 kHz.
        const QByteArray mic = voiceLike(48000 * 5, 31), chat = voiceLike(48000 * 5, 32);
        auto talking = play(QStringLiteral("micfeed"), mic, 48000, 2, 16);
        auto app = play(QStringLiteral("card1"), chat, 48000, 2, 16, {QStringLiteral("--client-name=Chat")});
        QVERIFY(waitFor([] { return pactl({"list", "short", "sink-inputs"}).count(QLatin1Char('\n')) >= 2; }, 3000));
        QTest::qWait(300);
        const QString split = path(QStringLiteral("call.wav")), same = path(QStringLiteral("same.wav"));
        Result r = run({"-d", "Fake_Mic", "--also", "app:chat", "-r", "48000", "-t", "2", split});
        QCOMPARE(r.exit, 0);
        // The same application in both halves (the whole output, and it alone):
        // the two channels must be one sound at the same frame.
        const Result r2 = run({"-l", Card1Mix, "--also", "app:chat", "-r", "48000", "-t", "1", same});
        QCOMPARE(r2.exit, 0);
        for (QProcess *player : {talking.get(), app.get()}) {
            player->kill();
            player->waitForFinished();
        }

        const auto take = readback::readWithSndfile(split);
        QCOMPARE(take.frames, 2 * 48000);
        // Each channel found in its own source, and the other source played at
        // that moment (give or take 100 ms) not found in it.
        const QVector<double> sources[] = {mono(mic.left(4 * 48000 * 3)), mono(chat.left(4 * 48000 * 3))};
        for (int c = 0; c < 2; ++c) {
            const QVector<double> probe = channel(take, c, 24000, 16384);
            const auto own = Correlation::bestMatch(sources[c], probe);
            const qsizetype from = std::max<qsizetype>(0, own.at - 4800);
            const double other = Correlation::bestMatch(sources[1 - c].mid(from, probe.size() + 9600), probe).correlation;
            QVERIFY2(own.correlation >= 0.99 && other <= 0.1, qPrintable(QStringLiteral("channel %1: %2 and %3").arg(c).arg(own.correlation).arg(other)));
        }
        const auto both = readback::readWithSndfile(same);
        const qint64 around = 24000, reach = 4800;
        const auto match = Correlation::bestMatch(channel(both, 0, around - reach, 1024 + 2 * reach), channel(both, 1, around, 1024));
        const double lagMs = (match.at - reach) / 48.0;
        qInfo("one sound in both halves: %.2f ms apart (correlation %.4f)", lagMs, match.correlation);
        // On PipeWire card1 drives its graph, so its monitor gets the sound a
        // cycle (42.7 ms here) after the application's own stream, and only
        // the graph says so.
        QVERIFY2(match.correlation >= 0.99, qPrintable(QString::number(match.correlation)));
        QVERIFY2(std::abs(lagMs) <= 5, qPrintable(QString::number(lagMs)));
    }

    void warnings_noSoundAfterTenSeconds_thenClipping_saidAsTheyHappen()
    {
        const QString file = path(QStringLiteral("warned.wav"));
        auto rec = start({QStringLiteral("-l"), Card1Mix, QStringLiteral("-r"), QStringLiteral("48000"), file});
        QString err;
        const auto said = [&](const char *what) {
            err += QString::fromUtf8(rec->readAllStandardError());
            return err.contains(QLatin1String(what));
        };
        QVERIFY2(waitFor([&] { return said("no sound at "); }, 15000), qPrintable(err));
        const auto at = QRegularExpression(QStringLiteral("^tarvell-rec: no sound at ([0-9.]+) s: everything below "
                                                          "-60 dBFS for 10 s")).match(err);
        QVERIFY2(at.hasMatch() && at.captured(1).toDouble() >= 10.0 && at.captured(1).toDouble() < 10.5,
                 qPrintable(err));
        QByteArray sine;   // half a second at full scale: a clip at each peak
        for (int i = 0; i < 24000; ++i) {
            const qint16 s = qint16(std::lround(32767 * std::sin(2 * M_PI * i / 48)));
            sine.append(reinterpret_cast<const char *>(&s), 2).append(reinterpret_cast<const char *>(&s), 2);
        }
        auto player = play(QStringLiteral("card1"), sine, 48000, 2, 16);
        QVERIFY2(waitFor([&] { return said("clipping at "); }, 5000), qPrintable(err));
        // Off a terminal the take looks once a second: the player may be done.
        QVERIFY(player->state() == QProcess::NotRunning || player->waitForFinished(5000));
        ::kill(pid_t(rec->processId()), SIGINT);
        const Result r = finish(*rec);
        QCOMPARE(r.exit, 0);
        const QStringList lines = (err + r.err).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY2(lines.size() == 4 && lines[1].startsWith(QStringLiteral("tarvell-rec: sound again at "))
                     && lines[2].startsWith(QStringLiteral("tarvell-rec: clipping at "))
                     && lines[3].startsWith(QStringLiteral("tarvell-rec: %1: no sound for 1").arg(file))
                     && lines[3].endsWith(QStringLiteral(" s, clipped 1000 times")),
                 qPrintable(err + r.err));
    }

    void noServer_refusedBeforeAnyFile()
    {
        QTemporaryDir empty;   // a runtime folder no server listens in
        const QString file = path(QStringLiteral("unheard.wav"));
        const Result r = finish(*start({file}, QString(), empty.path()));
        QCOMPARE(r.exit, 3);
        QVERIFY2(r.err.contains(QStringLiteral("no sound server")), qPrintable(r.err));
        QVERIFY(!QFileInfo::exists(file));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
