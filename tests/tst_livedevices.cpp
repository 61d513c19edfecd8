// USES_SOUND_SERVER
// The main window on the real engine while a device of the private sound
// server goes away and comes back: the take keeps every sample captured, and
// the window always records from what it shows.

#include "engine/AudioRecord.h"
#include "recorder/AudioDisplayWidget.h"
#include "support/CaptureHarness.h"
#include "support/SoundTest.h"
#include "support/WavReadBack.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace SoundTest;

namespace {

const QString GoneSink = QStringLiteral("gone1");
const QString GoneDevice = QStringLiteral("Gone_Card");
const QString GoneLine = QStringLiteral("Stereo Mix (Gone_Card)");

// A sound card of our own on the test server, removed again at the end
// whatever happens.
struct ExtraCard
{
    QString module;
    bool add()
    {
        bool ok = false;
        module = pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                        QStringLiteral("sink_name=") + GoneSink, QStringLiteral("norewinds=1"),
                        QStringLiteral("rate=48000"), QStringLiteral("channels=2"),
                        QStringLiteral("sink_properties=device.description=") + GoneDevice},
                       &ok)
                     .trimmed();
        return ok && !module.isEmpty();
    }
    void remove()
    {
        if (!module.isEmpty())
            pactl({QStringLiteral("unload-module"), module});
        module.clear();
    }
    ~ExtraCard() { remove(); }
};

QString shown(const CaptureView &v)
{
    return v.DeviceCombo->currentText() + QStringLiteral(" / ") + v.ComboSource->currentText();
}

void choose(QComboBox *list, const QString &text)
{
    list->setCurrentIndex(list->findText(text));
    emit list->activated(list->currentIndex());
}

// Whether the meters hear noise played into sink (and only there: the other
// sink plays nothing meanwhile).
bool metersHear(const CaptureView &v, const QString &sink)
{
    auto *meters = dynamic_cast<AudioDisplayWidget *>(v.AudioDisplay21);
    if (!waitFor([&] { return meters->peakDb(0) < -40; }, 3000))
        return false;   // still showing what came before
    auto player = play(sink, noise(48000, 2, 16, 7), 48000, 2, 16);
    const bool heard = waitFor([&] { return meters->peakDb(0) > -20; }, 1500);
    player->waitForFinished(3000);
    return heard;
}

} // namespace

class TestLiveDevices : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        REQUIRE_SOUND_SERVER();
        resetDefaultCard();
    }

    void chosenDeviceRemovedAndBack_duringRecordingAndMonitoring()
    {
        ExtraCard card;
        QVERIFY(card.add());
        RealWindow r;
        QVERIFY(r.loadPastWizard());
        const CaptureView v(*r.w);
        QVERIFY(waitFor([&] { return v.DeviceCombo->findText(GoneDevice) >= 0; }, 3000));
        choose(v.DeviceCombo, GoneDevice);
        choose(v.ComboSource, GoneLine);
        QCOMPARE(shown(v), GoneDevice + QStringLiteral(" / ") + GoneLine);

        // Recording from it when it goes: the take ends with every sample
        // captured until then, and the window says which file holds them.
        const QByteArray signal = noise(48000 * 8, 2, 16, 1234);
        auto player = play(GoneSink, signal, 48000, 2, 16);
        const QString path = r.h.documents() + QStringLiteral("gone.wav");
        v.TextWavFile->setText(path);
        v.CmdStart->click();
        QVERIFY(r.w->recordingState() == RecordingState::Recording);
        QTest::qWait(2500);
        card.remove();
        // The server moves the player to another sink; it has done its part.
        player->kill();
        QVERIFY(waitFor([&] { return r.w->recordingState() == RecordingState::NotRecording; }, 3000));
        QVERIFY(waitFor([&] { return !r.h.dialogs.asked.isEmpty(); }, 2000));
        QVERIFY2(r.h.dialogs.asked.last().text.startsWith(QStringLiteral("The recording device was removed.")),
                 qPrintable(r.h.dialogs.asked.last().text));
        QVERIFY(r.h.dialogs.asked.last().text.contains(path));

        const readback::SndfileResult file = readback::readWithSndfile(path);
        QVERIFY2(file.opened, qPrintable(file.error));
        QVERIFY2(file.frames > 48000 * 2, qPrintable(QString::number(file.frames)));
        QByteArray pcm(reinterpret_cast<const char *>(file.samples.constData()), file.samples.size() * 2);
        const qsizetype silence = leadingSilence(pcm, 4);
        QVERIFY2(silence < 4 * 12000, qPrintable(QStringLiteral("%1 silent frames first").arg(silence / 4)));
        pcm.remove(0, silence);
        const qint64 at = findExact(signal, pcm, 4);
        QVERIFY(at >= 0);
        QVERIFY2(signal.mid(at, pcm.size()) == pcm, "the take is not the played signal, sample for sample");

        // Then the server's default source is shown, and it is what is heard.
        QVERIFY(waitFor([&] { return v.DeviceCombo->currentText() == QStringLiteral("Fake_Card_1"); }, 2000));
        QCOMPARE(v.ComboSource->currentText(), QStringLiteral("Stereo Mix (Fake_Card_1)"));
        QVERIFY(metersHear(v, QStringLiteral("card1")));

        // The device comes back: the user's choice with it, while monitoring.
        QElapsedTimer took;
        took.start();
        QVERIFY(card.add());
        QVERIFY(waitFor([&] { return shown(v) == GoneDevice + QStringLiteral(" / ") + GoneLine; }, 2000));
        qInfo("the returning device was chosen again after %lld ms", took.elapsed());
        QTest::qWait(300);
        QVERIFY(metersHear(v, GoneSink));

        // Gone again while only monitoring: the default, and no message.
        const qsizetype messages = r.h.dialogs.asked.size();
        took.restart();
        card.remove();
        QVERIFY(waitFor([&] { return v.DeviceCombo->currentText() == QStringLiteral("Fake_Card_1"); }, 2000));
        qInfo("the default was shown %lld ms after the device went", took.elapsed());
        QVERIFY(metersHear(v, QStringLiteral("card1")));
        QCOMPARE(r.h.dialogs.asked.size(), messages);
        QVERIFY(r.w->panelText(1) == QStringLiteral("Ready to record"));
    }
};

QTEST_MAIN(TestLiveDevices)
#include "tst_livedevices.moc"
