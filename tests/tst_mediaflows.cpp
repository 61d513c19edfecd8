// USES_SOUND_SERVER
// The point of the program, end to end: play something in the main window's
// media frame and record it from the playback-mix line.

#include "media/MediaPlayerWidget.h"
#include "engine/WavAudioFile.h"
#include "support/CaptureHarness.h"
#include "support/Correlation.h"
#include "support/LocalWebServer.h"
#include "support/SoundTest.h"
#include "support/WavReadBack.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

using namespace SoundTest;

namespace {

constexpr int Rate = 48000;


MediaPlayerWidget *player(const RealWindow &r)
{
    return dynamic_cast<MediaPlayerWidget *>(CaptureView(*r.w).MediaPlayer1);
}

// Five seconds of noise as a 48 kHz stereo WAV file; returns its samples.
QByteArray writeMedia(const QString &path)
{
    const QByteArray pcm = noise(Rate * 5, 2, 16, 777, 0.4);
    WavAudioFile file;
    file.SetWaveFormat({Rate, 2, 16});
    file.CreateWaveFile(path, 0);
    file.WriteBlock(pcm);
    file.CloseFile();
    return pcm;
}

QByteArray pcmOf(const QString &wavPath)
{
    const readback::SndfileResult r = readback::readWithSndfile(wavPath);
    return QByteArray(reinterpret_cast<const char *>(r.samples.constData()), r.samples.size() * 2);
}

// Records from the main window while `start` sets the media going, until it has played.
QByteArray recordWhile(RealWindow &r, const std::function<void()> &start, const QString &out)
{
    const CaptureView v(*r.w);
    v.TextWavFile->setText(out);
    v.CmdStart->click();
    if (r.w->recordingState() == RecordingState::NotRecording)
        return {};
    start();
    QTest::qWait(6500);
    v.CmdStop->click();
    return pcmOf(out);
}

// The media's sound (played at -6 dB) is in the recording from its first
// second on: probes a quarter of a second and two seconds in are found, as far
// apart as in the media.
QString holdsTheMedia(const QByteArray &recorded, const QByteArray &media)
{
    using namespace Correlation;
    const QVector<double> got = leftChannel(recorded);
    const QVector<double> source = leftChannel(media);
    const qsizetype early = Rate / 4;
    const qsizetype later = early + 2 * Rate;
    const Match first = bestMatch(got, source.mid(early, 2048));
    const Match second = bestMatch(got, source.mid(later, 2048));
    if (first.correlation < 0.9 || second.correlation < 0.9)
        return QStringLiteral("correlation %1 / %2").arg(first.correlation).arg(second.correlation);
    if (qAbs((second.at - first.at) - (later - early)) > Rate / 20)
        return QStringLiteral("probes %1 frames apart").arg(second.at - first.at);
    return {};
}

// Frames of digital silence at the start and at the end of 16-bit stereo PCM.
qsizetype silentFramesAtStart(const QByteArray &pcm)
{
    return leadingSilence(pcm, 4) / 4;
}

qsizetype silentFramesAtEnd(const QByteArray &pcm)
{
    qsizetype at = pcm.size();
    while (at > 0 && pcm.at(at - 1) == 0)
        --at;
    return (pcm.size() - at) / 4;
}

} // namespace

class TestMediaFlows : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        REQUIRE_SOUND_SERVER();
        pactl({QStringLiteral("set-source-volume"), QStringLiteral("card1.monitor"), QStringLiteral("65536")});
        pactl({QStringLiteral("set-sink-volume"), QStringLiteral("card1"), QStringLiteral("65536")});
    }

    void chosenFile_isHeardOnThePlaybackMix_data()
    {
        QTest::addColumn<bool>("vorbis");
        QTest::newRow("WAV") << false;
        QTest::newRow("Ogg Vorbis") << true;
    }

    void chosenFile_isHeardOnThePlaybackMix()
    {
        QFETCH(bool, vorbis);
        RealWindow r;
        QVERIFY(r.loadPastWizard());
        const CaptureView v(*r.w);
        QCOMPARE(v.ComboSource->currentText(), QStringLiteral("Stereo Mix (Fake_Card_1)"));
        const QString wav = r.h.home.path() + QStringLiteral("/media.wav");
        QByteArray media = writeMedia(wav);
        QString chosen = wav;
        if (vorbis) {
            // The recording must hold what the decoder makes of it.
            chosen = r.h.home.path() + QStringLiteral("/media with spaces.ogg");
            const QString decoded = r.h.home.path() + QStringLiteral("/decoded.wav");
            QCOMPARE(QProcess::execute(QStringLiteral("sox"), {wav, chosen}), 0);
            QCOMPARE(QProcess::execute(QStringLiteral("sox"), {chosen, QStringLiteral("-b"), QStringLiteral("16"), decoded}), 0);
            media = pcmOf(decoded);
        }
        const QByteArray recorded = recordWhile(
            r,
            [&] {
                r.h.dialogs.texts.enqueue(chosen);
                v.Command1->click();
            },
            r.h.home.path() + QStringLiteral("/take.wav"));
        QCOMPARE(v.TextMedia->text(), chosen);
        QVERIFY(!recorded.isEmpty());
        const QString problem = holdsTheMedia(recorded, media);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    void withBothOptions_playingAFileRecordsExactlyThatFile_data()
    {
        QTest::addColumn<bool>("vorbis");
        QTest::addColumn<int>("quietMs");   // silence of the media's own at each end
        QTest::newRow("WAV") << false << 0;
        QTest::newRow("Ogg Vorbis") << true << 0;
        QTest::newRow("WAV with silence at both ends") << false << 600;
    }

    void withBothOptions_playingAFileRecordsExactlyThatFile()
    {
        QFETCH(bool, vorbis);
        QFETCH(int, quietMs);
        RealWindow r;
        QVERIFY(r.loadPastWizard());
        const CaptureView v(*r.w);
        QCOMPARE(v.ComboSource->currentText(), QStringLiteral("Stereo Mix (Fake_Card_1)"));
        v.Menu_StartR->trigger();
        v.Menu_StopR->trigger();

        // Three seconds of sound (noise: any stretch of it is found only
        // where it belongs), between the silences.
        const qsizetype quiet = qsizetype(Rate) * quietMs / 1000;
        QByteArray media = QByteArray(quiet * 4, 0) + noise(Rate * 3, 2, 16, 4242, 0.4) + QByteArray(quiet * 4, 0);
        const QString wav = r.h.home.path() + QStringLiteral("/media.wav");
        {
            WavAudioFile file;
            file.SetWaveFormat({Rate, 2, 16});
            file.CreateWaveFile(wav, 0);
            file.WriteBlock(media);
            file.CloseFile();
        }
        QString chosen = wav;
        if (vorbis) {
            chosen = r.h.home.path() + QStringLiteral("/media.ogg");
            const QString decoded = r.h.home.path() + QStringLiteral("/decoded.wav");
            QCOMPARE(QProcess::execute(QStringLiteral("sox"), {wav, chosen}), 0);
            QCOMPARE(QProcess::execute(QStringLiteral("sox"), {chosen, QStringLiteral("-b"), QStringLiteral("16"), decoded}), 0);
            media = pcmOf(decoded);
        }

        const QString out = r.h.home.path() + QStringLiteral("/take.wav");
        v.TextWavFile->setText(out);
        r.h.dialogs.texts.enqueue(chosen);
        v.Command1->click();   // chosen and played at once
        QVERIFY(r.w->recordingState() == RecordingState::Recording);
        QVERIFY(waitFor([&] { return r.w->recordingState() == RecordingState::NotRecording; }, 15000));
        QCOMPARE(r.h.dialogs.count(QStringLiteral("message")), 0);
        const QByteArray recorded = pcmOf(out);

        const qsizetype frames = recorded.size() / 4, mediaFrames = media.size() / 4;
        const qsizetype fragment = Rate / 20;   // 50 ms
        qInfo("recorded %lld frames for %lld (%+.1f ms); silence %lld / %lld frames at the start, %lld / %lld at the end",
              qint64(frames), qint64(mediaFrames), double(frames - mediaFrames) * 1000 / Rate,
              qint64(silentFramesAtStart(recorded)), qint64(quiet), qint64(silentFramesAtEnd(recorded)), qint64(quiet));
        QVERIFY2(qAbs(frames - mediaFrames) <= fragment, "not the media's length");
        QVERIFY(qAbs(silentFramesAtStart(recorded) - quiet) <= fragment);
        QVERIFY(qAbs(silentFramesAtEnd(recorded) - quiet) <= fragment);

        // The media's sound, where it is in the media: near the start and near the end.
        using namespace Correlation;
        const QVector<double> got = leftChannel(recorded), source = leftChannel(media);
        for (const qsizetype at : {quiet + Rate / 10, mediaFrames - quiet - Rate / 10 - 2048}) {
            const Match m = bestMatch(got, source.mid(at, 2048));
            qInfo("media frame %lld found at %lld, correlation %.3f", qint64(at), qint64(m.at), m.correlation);
            QVERIFY(m.correlation > 0.9);
            QVERIFY(qAbs(m.at - at) <= fragment);
        }
    }

    void url_isHeardOnThePlaybackMix_andAnUnreachableOneIsShownNotFatal()
    {
        RealWindow r;
        QVERIFY(r.loadPastWizard());
        const CaptureView v(*r.w);
        const QString wav = r.h.home.path() + QStringLiteral("/media.wav");
        const QByteArray media = writeMedia(wav);
        QFile f(wav);
        QVERIFY(f.open(QIODevice::ReadOnly));
        LocalWebServer server(f.readAll());

        const QByteArray recorded = recordWhile(
            r,
            [&] {
                r.h.dialogs.texts.enqueue(server.url("media.wav"));
                v.CmdURL->click();
            },
            r.h.home.path() + QStringLiteral("/stream.wav"));
        QVERIFY(server.requests() >= 1);
        const QString problem = holdsTheMedia(recorded, media);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));

        // Nobody listens on port 9: the player says so in its own area.
        r.h.dialogs.texts.enqueue(QStringLiteral("http://127.0.0.1:9/none.mp3"));
        v.CmdURL->click();
        QVERIFY(waitFor([&] { return player(r)->hasError(); }, 10000));
        QVERIFY(!player(r)->statusText().isEmpty());
        QCOMPARE(r.h.dialogs.count(QStringLiteral("message")), 0);
        QVERIFY(r.h.endCodes.isEmpty());
        v.TextWavFile->setText(r.h.home.path() + QStringLiteral("/after.wav"));
        v.CmdStart->click();   // and the program goes on
        QVERIFY(r.w->recordingState() != RecordingState::NotRecording);
        v.CmdStop->click();
    }
};

QTEST_MAIN(TestMediaFlows)
#include "tst_mediaflows.moc"
