// USES_SOUND_SERVER
// The record wizard end to end on the real engine and the private sound
// server: what the wizard sets up is what ends in the file.

#include "media/MediaPlayerWidget.h"
#include "engine/WavAudioFile.h"
#include "support/CaptureHarness.h"
#include "support/Correlation.h"
#include "support/SoundTest.h"
#include "support/WavReadBack.h"
#include "wizard/frmWizard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cmath>

using namespace SoundTest;
using namespace readback;

namespace {

constexpr int Rate = 48000;
constexpr int FrameBytes = 4;   // stereo, 16 bits


// A WAV file written by the program's own writer.
bool writeMedia(const QString &path, const QByteArray &pcm)
{
    WavAudioFile file;
    file.SetWaveFormat({Rate, 2, 16});
    file.CreateWaveFile(path, 0);
    if (file.OpenStatus() < 0)
        return false;
    file.WriteBlock(pcm);
    file.CloseFile();
    return true;
}

// What a finished recording holds, checked to be a valid 48 kHz stereo WAV file.
QByteArray recordedPcm(const QString &path)
{
    const SndfileResult file = readWithSndfile(path);
    if (!file.opened || file.sampleRate != Rate || file.channels != 2)
        return {};
    const PythonWaveResult py = readWithPythonWave(path);
    if (!py.ok || py.frames != file.frames)
        return {};
    return QByteArray(reinterpret_cast<const char *>(file.samples.constData()), file.samples.size() * 2);
}

// The media's sound at -6 dB is in the recording: two probes, one from the
// first second and one two seconds on, each found with a high correlation
// and as far apart as in the media.
void checkHoldsTheMedia(const QByteArray &recorded, const QByteArray &media)
{
    using namespace Correlation;
    const QVector<double> got = leftChannel(recorded);
    const QVector<double> source = leftChannel(media);
    const qsizetype probeFrames = 2048;
    const qsizetype early = Rate / 4;
    const qsizetype later = early + 2 * Rate;
    const Match first = bestMatch(got, source.mid(early, probeFrames));
    QVERIFY2(first.correlation > 0.9, qPrintable(QString::number(first.correlation)));
    const Match second = bestMatch(got, source.mid(later, probeFrames));
    QVERIFY2(second.correlation > 0.9, qPrintable(QString::number(second.correlation)));
    // A short hiccup of a busy machine's player is no fault of the recording.
    QVERIFY2(qAbs((second.at - first.at) - (later - early)) <= Rate / 20,
             qPrintable(QStringLiteral("%1 frames apart").arg(second.at - first.at)));
}

} // namespace

class TestWizardFlows : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        REQUIRE_SOUND_SERVER();
        resetDefaultCard();
    }

    void anotherApplication_recordNow_recordsWhatIsPlayed()
    {
        RealWindow r;
        QVERIFY(r.load());
        frmCapture &w = *r.w;
        const CaptureView v(w);
        QVERIFY(!w.isVisible());
        frmWizard *z = r.wizard();
        QVERIFY(z && z->isVisible());

        const QString path = r.h.documents() + QStringLiteral("game.wav");
        z->Option2->setChecked(true);
        z->CmdNext->click();
        z->TextWavFile->setText(path);
        QVERIFY(z->Check1->isChecked());
        z->CmdNext->click();
        QVERIFY(w.isVisible());
        QVERIFY(w.recordingState() != RecordingState::NotRecording);

        const QByteArray signal = noise(Rate * 2, 2, 16, 777);
        auto player = play(QStringLiteral("card1"), signal, Rate, 2, 16);
        QVERIFY(player);
        QVERIFY(waitFor([&] { return player->state() == QProcess::NotRunning; }, 10000));
        QTest::qWait(300);
        v.CmdStop->click();
        QCOMPARE(w.recordingState(), RecordingState::NotRecording);

        const QByteArray got = recordedPcm(path);
        QVERIFY2(!got.isEmpty(), "not a valid 48 kHz stereo WAV file");
        const qint64 start = findExact(got, signal, FrameBytes);
        QVERIFY2(start >= 0, "the played signal is not in the recording");
        QVERIFY(got.mid(start, signal.size()) == signal);
    }

    void anotherApplication_oneChosen_recordsItAlone()
    {
        const QByteArray game = noise(Rate * 3, 2, 16, 31), chat = noise(Rate * 8, 2, 16, 32);
        auto chatPlayer = play(QStringLiteral("card1"), chat, Rate, 2, 16, {QStringLiteral("--client-name=Chat")});
        auto gamePlayer = play(QStringLiteral("card1"), game, Rate, 2, 16,
                               {QStringLiteral("--client-name=Game"), QStringLiteral("--stream-name=Level 1")});
        QVERIFY(chatPlayer && gamePlayer);
        RealWindow r;
        QVERIFY(r.load());
        frmWizard *z = r.wizard();
        QVERIFY(z);
        const QString path = r.h.documents() + QStringLiteral("game only.wav");
        z->Option2->setChecked(true);
        z->CmdNext->click();
        // "All sound" unless the user picks an application playing now.
        QVERIFY(waitFor([&] {
            z->CmdBack->click();
            z->CmdNext->click();
            // Both players start on their own; wait until the list shows each of them.
            return z->ComboApp->findText(QStringLiteral("Game: Level 1")) > 0
                && z->ComboApp->findText(QStringLiteral("Chat"), Qt::MatchStartsWith) > 0;
        }, 5000));
        QCOMPARE(z->ComboApp->itemText(0), QStringLiteral("All sound"));
        z->ComboApp->setCurrentText(QStringLiteral("Game: Level 1"));
        z->TextWavFile->setText(path);
        z->CmdNext->click();
        const CaptureView v(*r.w);
        QCOMPARE(v.DeviceCombo->currentText() + QStringLiteral(" / ") + v.ComboSource->currentText(), QStringLiteral("Fake_Card_1 / Game: Level 1"));
        QVERIFY(r.w->recordingState() == RecordingState::Recording);

        QVERIFY(waitFor([&] { return gamePlayer->state() == QProcess::NotRunning; }, 10000));
        QTest::qWait(300);
        v.CmdStop->click();
        const QByteArray got = recordedPcm(path);
        QVERIFY2(!got.isEmpty(), "not a valid 48 kHz stereo WAV file");
        QByteArray sound = got;
        sound.remove(0, leadingSilence(sound, FrameBytes));
        const qint64 at = findExact(game, sound, FrameBytes);
        QVERIFY2(at >= 0 && at < Rate * FrameBytes, "the file does not hold the game's sound");
        QCOMPARE(sound.left(game.size() - at), game.mid(at));   // all of the game's sound, unmixed
        QVERIFY(findExact(chat, sound, FrameBytes) < 0);
        chatPlayer->kill();
        chatPlayer->waitForFinished();
    }

    // Your microphone (a null sink's monitor here) and a call program: each
    // in its channel of the file, and the status bar names both.
    void conversation_recordsTheMicrophoneLeftAndTheApplicationRight_data()
    {
        QTest::addColumn<bool>("allSound");   // the other side: everything the default output plays
        QTest::newRow("the application") << false;
        QTest::newRow("all sound") << true;
    }
    void conversation_recordsTheMicrophoneLeftAndTheApplicationRight()
    {
        QFETCH(bool, allSound);
        const QByteArray mic = voiceLike(Rate * 6, 41), chat = voiceLike(Rate * 6, 42);
        auto talking = play(QStringLiteral("micfeed"), mic, Rate, 2, 16);
        auto call = play(QStringLiteral("card1"), chat, Rate, 2, 16, {QStringLiteral("--client-name=Chat")});
        QVERIFY(talking && call);
        RealWindow r;
        QVERIFY(r.load());
        frmWizard *z = r.wizard();
        QVERIFY(z);
        const QString path = r.h.documents() + QStringLiteral("call.wav");
        z->Option7->setChecked(true);
        z->CmdNext->click();
        QVERIFY(waitFor([&] {
            z->CmdBack->click();
            z->CmdNext->click();
            return z->ComboApp->findText(QStringLiteral("Chat"), Qt::MatchStartsWith) >= 0;
        }, 5000));
        QVERIFY(z->ComboInput->isVisible() && !z->CheckMixed->isChecked());
        QCOMPARE(z->ComboApp->itemText(0), QStringLiteral("All sound"));
        z->ComboApp->setCurrentIndex(allSound ? 0 : z->ComboApp->findText(QStringLiteral("Chat"), Qt::MatchStartsWith));
        z->ComboInput->setCurrentText(QStringLiteral("Fake_Mic"));
        z->TextWavFile->setText(path);
        z->CmdNext->click();
        const CaptureView v(*r.w);
        QVERIFY(r.w->recordingState() == RecordingState::Recording);
        const QString both = allSound ? QStringLiteral("Fake_Mic and all sound") : QStringLiteral("Fake_Mic and Chat");
        QVERIFY2(r.w->panelText(1).contains(both), qPrintable(r.w->panelText(1)));
        QTest::qWait(2500);
        v.CmdStop->click();
        for (QProcess *player : {talking.get(), call.get()}) {
            player->kill();
            player->waitForFinished();
        }

        // Each channel is its source's mono mix, found in it.
        const SndfileResult file = readWithSndfile(path);
        QVERIFY(file.opened && file.channels == 2 && file.frames > Rate * 2);
        const auto mono = [](const QByteArray &pcm, qsizetype from) {
            QVector<double> out;
            const auto *s = reinterpret_cast<const qint16 *>(pcm.constData());
            for (qsizetype f = from; f < pcm.size() / 4; ++f)
                out << (s[2 * f] + s[2 * f + 1]) / 2.0;
            return out;
        };
        const QByteArray sources[] = {mic, chat};
        for (int c = 0; c < 2; ++c) {
            QVector<double> probe;
            for (qsizetype f = Rate; f < Rate + 4096; ++f)
                probe << file.samples[2 * f + c];
            const auto match = Correlation::bestMatch(mono(sources[c], 0).mid(0, Rate * 4), probe);
            QVERIFY2(match.correlation >= 0.99, qPrintable(QStringLiteral("channel %1: %2").arg(c).arg(match.correlation)));
        }
    }

    void mediaFile_playAndRecordNow_recordsTheMediasSound()
    {
        RealWindow r;
        QVERIFY(r.load());
        frmCapture &w = *r.w;
        const CaptureView v(w);
        frmWizard *z = r.wizard();
        QVERIFY(z);
        const QByteArray media = noise(Rate * 3, 2, 16, 4711, 0.4);
        const QString mediaPath = r.h.documents() + QStringLiteral("noise.wav");
        QVERIFY(writeMedia(mediaPath, media));

        const QString path = r.h.documents() + QStringLiteral("from media.wav");
        z->TextMedia->setText(mediaPath);
        z->CmdNext->click();
        QVERIFY(z->Option3->isChecked());
        z->CmdNext->click();
        z->CmdNext->click();
        QVERIFY(!z->Check1->isVisible());
        z->TextWavFile->setText(path);
        z->CmdNext->click();   // "&Finish"
        QVERIFY(r.h.dialogs.asked.isEmpty());
        QVERIFY(w.isVisible());
        QVERIFY(w.recordingState() != RecordingState::NotRecording);

        auto *player = dynamic_cast<MediaPlayerWidget *>(v.MediaPlayer1);
        QVERIFY(player);
        QVERIFY2(waitFor([&] { return player->statusText() == QStringLiteral("Finished"); }, 10000),
                 qPrintable(player->statusText()));
        QTest::qWait(300);
        v.CmdStop->click();
        QCOMPARE(w.recordingState(), RecordingState::NotRecording);

        const QByteArray got = recordedPcm(path);
        QVERIFY2(!got.isEmpty(), "not a valid 48 kHz stereo WAV file");
        QVERIFY(got.size() >= media.size());
        checkHoldsTheMedia(got, media);
    }
};

QTEST_MAIN(TestWizardFlows)
#include "tst_wizardflows.moc"
