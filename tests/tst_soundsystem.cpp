// The main window follows the sound system as it moves, on a recorder double
// whose devices come and go: it shows what it records from, keeps the user's
// choice by its name, and says when sound or the server is lost.

#include "support/CaptureHarness.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include <algorithm>

namespace {

FakeRecorder::Device device(const QString &name, QStringList lines, int selected = 0)
{
    FakeRecorder::Device d{name, true, {}, selected};
    for (const auto &l : lines)
        d.lines.append({l});
    return d;
}

const FakeRecorder::Device A = device(QStringLiteral("Card A"), {QStringLiteral("Mic A"), QStringLiteral("Mix A")});
const FakeRecorder::Device B = device(QStringLiteral("Card B"), {QStringLiteral("Line B"), QStringLiteral("Mix B")});
const FakeRecorder::Device C = device(QStringLiteral("USB C"), {QStringLiteral("Mic C")});

QStringList rows(const QComboBox *c)
{
    QStringList out;
    for (int i = 0; i < c->count(); ++i)
        out << c->itemText(i);
    return out;
}

// What the window shows as its choice, e.g. "Card B / Mix B".
QString shown(const CaptureView &v)
{
    return v.DeviceCombo->currentText() + QStringLiteral(" / ") + v.ComboSource->currentText();
}

// Waits for the window to follow a change (it gathers bursts for a moment).
bool followed(const std::function<bool()> &done)
{
    return QTest::qWaitFor(done, 2000);
}

// The user's choice in a list, as a click would make it.
void choose(QComboBox *list, const QString &text)
{
    list->setCurrentIndex(list->findText(text));
    emit list->activated(list->currentIndex());
}

} // namespace

class TestSoundSystem : public QObject
{
    Q_OBJECT
private slots:
    void devicesComeAndGo_theWindowKeepsItsChoiceByName()
    {
        CaptureHarness h;
        h.setUpRecorder = [](FakeRecorder &r) { r.devices = {A, B}; };
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        const CaptureView v(*h.window);
        choose(v.DeviceCombo, QStringLiteral("Card B"));
        choose(v.ComboSource, QStringLiteral("Mix B"));
        QCOMPARE(h.rec->capturedFrom, QStringLiteral("Card B"));
        const qsizetype startsBefore = h.rec->log.count(QStringLiteral("StartCapture"));

        // Another order, a new device: the same choice, monitoring untouched.
        h.rec->changeDevices({C, B, A});
        QVERIFY(followed([&] { return v.DeviceCombo->count() == 3; }));
        QCOMPARE(rows(v.DeviceCombo), (QStringList{QStringLiteral("USB C"), QStringLiteral("Card B"), QStringLiteral("Card A")}));
        QCOMPARE(shown(v), QStringLiteral("Card B / Mix B"));
        QCOMPARE(h.rec->device, 1);
        QCOMPARE(h.rec->log.count(QStringLiteral("StartCapture")), startsBefore);

        // The chosen device goes: the server's default takes its place, and
        // what is captured is what is shown.
        h.rec->defaultDevice = 1;
        h.rec->defaultLine = 1;
        h.rec->changeDevices({C, A});
        QVERIFY(followed([&] { return v.DeviceCombo->count() == 2; }));
        QCOMPARE(shown(v), QStringLiteral("Card A / Mix A"));
        QCOMPARE(h.rec->capturedFrom, QStringLiteral("Card A"));
        QVERIFY(h.rec->capturing);

        // It comes back: the user's choice with it.
        h.rec->changeDevices({C, A, B});
        QVERIFY(followed([&] { return shown(v) == QStringLiteral("Card B / Mix B"); }));
        QCOMPARE(h.rec->capturedFrom, QStringLiteral("Card B"));

        // Once the user has chosen another, a return changes nothing.
        h.rec->changeDevices({C, A});
        QVERIFY(followed([&] { return v.DeviceCombo->count() == 2; }));
        choose(v.DeviceCombo, QStringLiteral("USB C"));
        h.rec->changeDevices({C, A, B});
        QVERIFY(followed([&] { return v.DeviceCombo->count() == 3; }));
        QTest::qWait(400);
        QCOMPARE(shown(v), QStringLiteral("USB C / Mic C"));
        QCOMPARE(h.rec->capturedFrom, QStringLiteral("USB C"));
    }

    void aDeviceThatFlaps_isFollowedNowAndThen_notAtEveryChange()
    {
        CaptureHarness h;
        h.setUpRecorder = [](FakeRecorder &r) { r.devices = {A, B}; };
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        const CaptureView v(*h.window);
        const qsizetype refillsBefore = h.rec->log.count(QStringLiteral("DeviceIndex 0"));
        const qsizetype startsBefore = h.rec->log.count(QStringLiteral("StartCapture"));
        for (int i = 0; i < 30; ++i) {   // ten times a second for three seconds
            h.rec->changeDevices(i % 2 ? QList<FakeRecorder::Device>{A, B} : QList<FakeRecorder::Device>{A, B, C});
            QTest::qWait(100);
        }
        QVERIFY(followed([&] { return v.DeviceCombo->count() == 2; }));
        QTest::qWait(400);
        const qsizetype refills = h.rec->log.count(QStringLiteral("DeviceIndex 0")) - refillsBefore;
        QVERIFY2(refills >= 1 && refills <= 4, qPrintable(QString::number(refills)));
        QCOMPARE(h.rec->log.count(QStringLiteral("StartCapture")), startsBefore);   // monitoring never broken
        QCOMPARE(shown(v), QStringLiteral("Card A / Mic A"));
    }

    void fiftyDevicesWithOddNames_andOneWithoutLines_areFollowedByName()
    {
        QList<FakeRecorder::Device> many;
        for (int i = 0; i < 50; ++i)
            many << device(QStringLiteral("Gerät %1 — Mikrofon «Ü» ").arg(i) + QString(200, QChar(0x00e9)),
                           {QStringLiteral("Eingang %1").arg(i), QStringLiteral("Stereo Mix (Gerät %1)").arg(i)});
        many[7].lines.clear();   // a device with nothing to record from is not listed
        many[7].valid = false;
        CaptureHarness h;
        h.setUpRecorder = [&](FakeRecorder &r) { r.devices = many; };
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        const CaptureView v(*h.window);
        QCOMPARE(v.DeviceCombo->count(), 49);
        const QString chosen = many[30].name;
        choose(v.DeviceCombo, chosen);

        many.removeAt(3);
        std::reverse(many.begin(), many.end());
        h.rec->changeDevices(many);
        QVERIFY(followed([&] { return v.DeviceCombo->count() == 48; }));
        QCOMPARE(v.DeviceCombo->currentText(), chosen);
        QCOMPARE(h.rec->devices[h.rec->device].name, chosen);
        QCOMPARE(h.rec->capturedFrom, chosen);
    }

    void deviceRemovedWhileRecording_endsTheTake_thenTheDefaultIsShownAndUsed()
    {
        CaptureHarness h;
        h.setUpRecorder = [](FakeRecorder &r) {
            r.devices = {A, B};
            r.defaultDevice = 0;
            r.defaultLine = 0;
        };
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        const CaptureView v(*h.window);
        choose(v.DeviceCombo, QStringLiteral("Card B"));
        v.TextWavFile->setText(h.documents() + QStringLiteral("take.wav"));
        v.CmdStart->click();
        h.rec->deliver(QByteArray(400, '1'));

        // The list changes first: a recording keeps its device meanwhile.
        h.rec->changeDevices({A});
        QTest::qWait(600);
        QCOMPARE(shown(v), QStringLiteral("Card B / Line B"));
        QVERIFY(h.window->recordingState() != RecordingState::NotRecording);

        emit h.rec->CaptureError(AudioFailure::DeviceRemoved, QStringLiteral("The recording device was removed."));
        QCOMPARE(h.window->recordingState(), RecordingState::NotRecording);
        QCOMPARE(h.file->all(), QByteArray(400, '1'));
        QCOMPARE(h.file->closes, 1);
        QVERIFY(followed([&] { return !h.dialogs.asked.isEmpty(); }));
        QCOMPARE(h.dialogs.asked.last().title, QStringLiteral("Error"));
        QVERIFY(h.dialogs.asked.last().text.startsWith(QStringLiteral("The recording device was removed.")));
        QVERIFY(h.dialogs.asked.last().text.contains(h.documents() + QStringLiteral("take.wav")));
        QVERIFY(followed([&] { return shown(v) == QStringLiteral("Card A / Mic A"); }));
        QCOMPARE(h.rec->capturedFrom, QStringLiteral("Card A"));
        QVERIFY(h.rec->capturing);
    }

    void serverGoneAndBack_saysSo_touchesNoFile_andMonitorsAgain()
    {
        CaptureHarness h;
        h.setUpRecorder = [](FakeRecorder &r) { r.devices = {A, B}; };
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        const CaptureView v(*h.window);

        h.rec->setConnected(false);
        QCOMPARE(h.window->panelText(1), QStringLiteral("No sound server"));
        // Nothing is captured: the meters fall to silence instead of freezing.
        const int shownBefore = h.display->shown;
        QVERIFY(QTest::qWaitFor([&] { return h.display->shown > shownBefore + 3; }, 1000));
        QVERIFY(followed([&] { return v.DeviceCombo->count() == 0; }));

        v.TextWavFile->setText(h.documents() + QStringLiteral("never.wav"));
        v.CmdStart->click();
        QCOMPARE(h.dialogs.asked.last().title, QStringLiteral("Error"));
        QVERIFY(h.dialogs.asked.last().text.contains(QStringLiteral("no connection to the sound server")));
        QVERIFY(h.file->path.isEmpty());   // no file was created
        QCOMPARE(h.window->recordingState(), RecordingState::NotRecording);
        QVERIFY(v.CmdStart->isEnabled() && !v.CmdStop->isEnabled());

        h.rec->setConnected(true, {B, A});
        QVERIFY(followed([&] { return h.rec->capturing; }));
        QCOMPARE(h.window->panelText(1), QStringLiteral("Ready to record"));
        QCOMPARE(rows(v.DeviceCombo), (QStringList{QStringLiteral("Card B"), QStringLiteral("Card A")}));
        QCOMPARE(h.rec->capturedFrom, v.DeviceCombo->currentText());
    }

    void startedWithoutServer_theListsFillWhenOneAppears()
    {
        CaptureHarness h;
        h.setUpRecorder = [](FakeRecorder &r) { r.connected = false; };
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        const CaptureView v(*h.window);
        QCOMPARE(h.window->panelText(1), QStringLiteral("No sound server"));
        QCOMPARE(v.DeviceCombo->count(), 0);
        QVERIFY(!h.rec->capturing);

        h.rec->defaultDevice = 1;
        h.rec->defaultLine = 1;
        h.rec->setConnected(true, {A, B});
        QVERIFY(followed([&] { return h.rec->capturing; }));
        QCOMPARE(shown(v), QStringLiteral("Card B / Mix B"));
        QCOMPARE(h.rec->capturedFrom, QStringLiteral("Card B"));
    }

    void startUp_keepsTheDevicesOwnInput()
    {
        CaptureHarness h;
        h.setUpRecorder = [](FakeRecorder &r) {
            r.devices = {device(QStringLiteral("Card"), {QStringLiteral("Front Mic"), QStringLiteral("Rear Line")}, 1)};
        };
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        QCOMPARE(shown(CaptureView(*h.window)), QStringLiteral("Card / Rear Line"));
        QCOMPARE(h.rec->devices[0].selected, 1);   // the card's input was not switched
    }

    // The source chosen last comes back at the next start; when it is not
    // there, the default takes its place and the status bar says so.
    void startUp_comesBackToTheSourceChosenLast()
    {
        QString stored;
        {
            CaptureHarness h;
            h.setUpRecorder = [](FakeRecorder &r) { r.devices = {A, B}; };
            h.writeSettings();
            QVERIFY(h.loadPastWizard());
            const CaptureView v(*h.window);
            choose(v.DeviceCombo, QStringLiteral("Card B"));
            choose(v.ComboSource, QStringLiteral("Mix B"));
            QVERIFY(QMetaObject::invokeMethod(&*h.window, "Form_Unload"));
            QFile ini(h.appFolder() + QStringLiteral("setting.ini"));
            QVERIFY(ini.open(QIODevice::ReadOnly));
            stored = QString::fromUtf8(ini.readAll());
            QVERIFY2(stored.contains(QStringLiteral("SourceDevice=Card B\r\nSourceLine=Mix B\r\n")), qPrintable(stored));
        }
        for (const bool here : {true, false}) {
            CaptureHarness h;
            h.setUpRecorder = [here](FakeRecorder &r) { r.devices = here ? QList{A, B} : QList{A}; };
            h.writeSettings(stored.left(stored.indexOf(QStringLiteral("PreviewIndex")))
                            + stored.mid(stored.indexOf(QStringLiteral("FileType"))));
            QVERIFY(h.loadPastWizard());
            QCOMPARE(shown(CaptureView(*h.window)), here ? QStringLiteral("Card B / Mix B") : QStringLiteral("Card A / Mic A"));
            QCOMPARE(h.window->statusBar()->currentMessage().startsWith(QStringLiteral("Card B is not here now")), !here);
        }
    }

    void formatText_saysWhenTheDevicesRateIsConverted()
    {
        CaptureHarness h;
        h.setUpRecorder = [](FakeRecorder &r) {
            r.devices = {A};
            r.deviceRate = 48000;
        };
        h.writeSettings(QStringLiteral("WAVFreq=44100\r\nWAVChannel=2\r\nWAVBit=16\r\n"));
        QVERIFY(h.loadPastWizard());
        const CaptureView v(*h.window);
        QCOMPARE(v.LabelFomartStr->toolTip(), QStringLiteral("This device runs at 48,000 Hz; the recorder converts "
                                                             "its sound to the recording's 44,100 Hz."));
        PublicDim::WavFormat.sampleRate = 48000;
        h.window->DisplayFormatStr();
        QVERIFY(v.LabelFomartStr->toolTip().isEmpty());
    }

    void lostSound_isShownAsItHappens_andSummedUpAtStop()
    {
        CaptureHarness h;
        h.writeSettings();   // 48 kHz
        QVERIFY(h.loadPastWizard());
        const CaptureView v(*h.window);
        v.TextWavFile->setText(h.documents() + QStringLiteral("take.wav"));
        v.CmdStart->click();
        h.rec->partial = QByteArray(48000 * 4 * 5, 0);
        h.rec->tick(48000 * 5);
        QCOMPARE(h.window->panelText(1), QStringLiteral("Recording..."));
        h.rec->lost = 57600;   // 1.2 s the recorder could not keep
        h.rec->partial = QByteArray(48000 * 4, 0);
        h.rec->tick(48000 * 6);
        QCOMPARE(h.window->panelText(1), QStringLiteral("1.2 s lost at 00:00:06"));
        h.rec->holes = 24000;  // and half a second the server left out
        h.rec->partial = QByteArray(48000 * 4 * 69, 0);
        h.rec->tick(48000 * 75);
        v.CmdStop->click();
        QVERIFY(followed([&] { return !h.dialogs.asked.isEmpty(); }));
        const auto &said = h.dialogs.asked.last();
        QCOMPARE(said.icon, Dialogs::Icon::Warning);
        QVERIFY2(said.text.startsWith(QStringLiteral("Sound was lost during this recording: 1.2 s at 00:00:06, "
                                                     "0.5 s at 00:01:15 (1.7 s in all).")),
                 qPrintable(said.text));
        QVERIFY(said.text.contains(h.documents() + QStringLiteral("take.wav")));
    }
};

QTEST_MAIN(TestSoundSystem)
#include "tst_soundsystem.moc"
