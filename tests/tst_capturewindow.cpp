// The main window on doubles of the audio components: start-up, the recording
// states, shutdown, and what happens when the disk or the device fails.

#include "base/Settings.h"
#include "support/CaptureHarness.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <csignal>

namespace {

QByteArray block(char fill, int size = 400)
{
    return QByteArray(size, fill);
}

// Which of the controls that Record, Pause and Stop switch are enabled, in a fixed order.
QString enabledState(const CaptureView &v)
{
    QString s;
    for (QWidget *c : std::initializer_list<QWidget *>{v.CmdStart, v.CmdStop, v.CmdPause, v.CmdPlay, v.TextWavFile,
                                                      v.Command2, v.slBalance, v.slVolume, v.CmdSet, v.ComboSource,
                                                      v.DeviceCombo})
        s += c->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    for (QMenu *m : {v.Menu_File, v.Menu_Mode, v.Menu_Hep})
        s += m->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

} // namespace

class TestCaptureWindow : public QObject
{
    Q_OBJECT

private slots:
    void startUp_runsTheLoadSequenceInOrder()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        frmCapture &w = *h.window;
        const CaptureView v(w);

        QCOMPARE(PublicDim::AppFolder, h.appFolder());
        QCOMPARE(PublicDim::WavFolder, h.documents() + QStringLiteral("Wav/"));
        QVERIFY(QDir(PublicDim::WavFolder).exists());
        QCOMPARE(v.TextWavFile->text(), h.documents() + QStringLiteral("Wav/1.wav"));
        QCOMPARE(v.LabelFomartStr->text(), QStringLiteral("WAV 48,000 Hz; Stereo; 16 bit"));
        QCOMPARE(h.file->format, (WaveFormat{48000, 2, 16}));
        QCOMPARE(h.player->log, (QStringList{QStringLiteral("AutoPlay 1"), QStringLiteral("OutputVolume -600")}));
        QCOMPARE(h.display->style, 2);
        QVERIFY(!v.Menu_StartR->isChecked() && !v.Menu_StopR->isChecked());
        // The Volume slider stays clear of the level display below it.
        const QWidget *display = w.findChild<QWidget *>(QStringLiteral("AudioDisplay21"));
        QVERIFY(display && v.slVolume->geometry().bottom() < display->geometry().top());
        QVERIFY(v.Menu_Options->isEnabled());
        QCOMPARE(w.panelText(1), QStringLiteral("Ready to record"));
        QCOMPARE(w.panelText(2), QStringLiteral("Elapsed:"));
        QCOMPARE(w.panelText(3), QStringLiteral("File size:"));
        QVERIFY(h.dialogs.asked.isEmpty());   // the last update check was today

        // The line the device records from is shown and applied, and
        // monitoring started with the file's format last.
        QCOMPARE(v.ComboSource->currentText(), QStringLiteral("Stereo Mix (Card A)"));
        const QStringList tail = h.rec->log.mid(h.rec->log.size() - 3);
        QCOMPARE(tail, (QStringList{QStringLiteral("SetFormat %1 4").arg(WaveFormat{48000, 2, 16}.descriptor()),
                                    QStringLiteral("BlockLength 48000"), QStringLiteral("StartCapture")}));
        QVERIFY(h.rec->capturing);

        // The monitoring feed reaches the display, and outside a recording blocks go nowhere.
        h.rec->tick(4800);
        QCOMPARE(h.display->shown, 1);
        h.rec->deliver(block('a'));
        QVERIFY(h.file->written.isEmpty());
        QCOMPARE(w.panelText(2), QStringLiteral("Elapsed:"));
    }

    void startUp_secondStartKeepsTheWavFolder_andASecondInstanceBringsTheFirstForward()
    {
        CaptureHarness first;
        first.writeSettings();
        QVERIFY(first.loadPastWizard());
        QFile marker(PublicDim::WavFolder + QStringLiteral("keep.txt"));
        QVERIFY(marker.open(QIODevice::WriteOnly));
        marker.close();

        // Same lock file: the second instance ends before it shows anything.
        frmCapture::Components c = first.components();
        QList<int> secondEnds;
        bool recorderMade = false;
        c.endProgram = [&](int code) { secondEnds << code; };
        c.makeRecorder = [&] {
            recorderMade = true;
            return std::make_unique<FakeRecorder>();
        };
        first.window->showMinimized();
        frmCapture second(c);
        QVERIFY(!second.Form_Load());
        QTRY_VERIFY(!first.window->isMinimized());   // the running one came forward
        QCOMPARE(secondEnds, QList<int>{0});
        QVERIFY(!recorderMade);
        QVERIFY(!second.isVisible());
        QVERIFY(first.dialogs.asked.isEmpty());
        QVERIFY(first.window->isVisible());
        QVERIFY(first.rec->capturing);   // the first one is untouched
        QVERIFY(marker.exists());
    }

    void startUp_noDevicesGoesOn_butADeviceWithoutLinesEndsTheProgram()
    {
        {
            CaptureHarness h;
            h.writeSettings();
            h.setUpRecorder = [](FakeRecorder &r) { r.devices.clear(); };
            QVERIFY(h.loadPastWizard());
            QCOMPARE(CaptureView(*h.window).DeviceCombo->count(), 0);
            QVERIFY(h.dialogs.asked.isEmpty());
        }
        {
            CaptureHarness h;
            h.writeSettings();
            h.setUpRecorder = [](FakeRecorder &r) { r.devices = {{QStringLiteral("Mute card"), true, {}, 0}}; };
            QVERIFY(!h.load());
            QCOMPARE(h.dialogs.count(QStringLiteral("message")), 1);
            QCOMPARE(h.dialogs.asked[0].text,
                     QStringLiteral("Can not initialize sound device. If you started other sound recorder, please "
                                    "exit it before run this application"));
            QCOMPARE(h.dialogs.asked[0].icon, Dialogs::Icon::Critical);
            QCOMPARE(h.endCodes.size(), 1);
            QVERIFY(CaptureView(*h.window).LabelFomartStr->text().isEmpty());   // ended inside the device step
            QVERIFY(!h.rec->capturing);
        }
    }

    void startUp_aFailingLoadStepIsReportedWithNumberAndDescription_thenEnds()
    {
        CaptureHarness h;
        h.writeSettings(QStringLiteral("WAVFreq=48000\r\n"));
        // The Wav folder cannot be made: a file stands where it should go.
        QFile blocker(h.documents() + QStringLiteral("Wav"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!h.load());
        QCOMPARE(h.dialogs.count(QStringLiteral("message")), 1);
        QVERIFY(h.dialogs.asked[0].text.startsWith(QStringLiteral("Run-time error '")));
        QVERIFY(h.dialogs.asked[0].text.contains(h.documents() + QStringLiteral("Wav/")));
        QCOMPARE(h.endCodes, QList<int>{1});
    }

    void recordPauseResumeStop_writesOnlyWhatWasNotPaused()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        frmCapture &w = *h.window;
        const CaptureView v(w);
        QCOMPARE(enabledState(v), QStringLiteral("10001111111111"));   // "&Play" waits for a recording

        v.TextWavFile->setText(h.documents() + QStringLiteral("take"));
        v.CmdStart->click();
        QCOMPARE(v.TextWavFile->text(), h.documents() + QStringLiteral("take.wav"));
        QCOMPARE(h.file->path, h.documents() + QStringLiteral("take.wav"));
        QCOMPARE(w.panelText(1), QStringLiteral("Recording..."));
        QCOMPARE(enabledState(v), QStringLiteral("01100000000000"));
        QVERIFY(w.recordingState() != RecordingState::NotRecording);

        h.rec->deliver(block('1'));
        // Sound that came in since is written at the next Timer event; the
        // elapsed time is the recorded time, whatever the recorder counted.
        h.rec->partial = block('+', 48000 * 4 * 3);
        h.rec->tick(48000 * 3723);
        QCOMPARE(w.panelText(2), QStringLiteral("Elapsed: 00:00:03"));
        QVERIFY(w.panelText(3).startsWith(QStringLiteral("File size: ")));
        QVERIFY(w.panelText(3).endsWith(QStringLiteral(" KB")));

        h.rec->partial = block('b');   // captured up to the press: kept
        v.CmdPause->click();
        QCOMPARE(w.panelText(1), QStringLiteral("Paused"));
        QCOMPARE(w.recordingState(), RecordingState::Paused);
        QCOMPARE(enabledState(v), QStringLiteral("11000000000000"));
        const int shownBefore = h.display->shown;
        h.rec->deliver(block('p'));   // not fetched while paused
        h.rec->tick(48000 * 5000);
        QCOMPARE(h.display->shown, shownBefore);   // the display stands still
        QCOMPARE(w.panelText(2), QStringLiteral("Elapsed: 00:00:03"));

        h.rec->partial = block('x');   // captured while paused: dropped at the resume
        v.CmdStart->click();   // resume
        QCOMPARE(w.panelText(1), QStringLiteral("Recording..."));
        QCOMPARE(enabledState(v), QStringLiteral("01100000000000"));
        h.rec->deliver(block('2'));

        // What the recorder still holds at Stop all reaches the file, the first block too.
        h.rec->pending = {block('3'), block('4', 10)};
        v.CmdStop->click();
        QCOMPARE(h.file->all(),
                 block('1') + block('+', 48000 * 4 * 3) + block('b') + block('2') + block('3') + block('4', 10));
        QCOMPARE(h.file->closes, 1);
        QCOMPARE(w.panelText(1), QStringLiteral("Ready to record"));
        QVERIFY(w.panelText(3).endsWith(QStringLiteral(" KB")));
        QCOMPARE(enabledState(v), QStringLiteral("10011111111111"));
        QCOMPARE(w.recordingState(), RecordingState::NotRecording);
        QVERIFY(h.rec->capturing);   // monitoring again
        QCOMPARE(h.rec->log.last(), QStringLiteral("StartCapture"));

        // Stop with nothing open does nothing.
        const int starts = int(h.rec->log.count(QStringLiteral("StartCapture")));
        runHandler(w, "CmdStop_Click");   // the button itself is disabled now
        QCOMPARE(int(h.rec->log.count(QStringLiteral("StartCapture"))), starts);
    }

    void everyCaptureStart_usesTheWritersFormat_andTellsTheDisplay()
    {
        CaptureHarness h;
        h.writeSettings();   // 48000 Hz stereo 16 bit
        QVERIFY(h.loadPastWizard());
        const CaptureView v(*h.window);
        const WaveFormat stored{48000, 2, 16};
        const WaveFormat chosen{8000, 1, 8};
        QCOMPARE(h.display->formats, QList<WaveFormat>{stored});   // monitoring from the load step
        QCOMPARE(h.rec->format, stored);

        // As the format dialog's Ok does: the writer takes the new format at
        // once; what is captured, and drawn, changes at the next start.
        PublicDim::WavFormat = chosen;
        h.file->SetWaveFormat(chosen);
        QCOMPARE(h.display->formats.size(), 1);
        v.TextWavFile->setText(h.documents() + QStringLiteral("low.wav"));
        h.rec->convertedFrom = 44100;   // the device really runs at 44.1 kHz
        v.CmdStart->click();
        QCOMPARE(h.rec->format, chosen);
        QCOMPARE(v.LabelFomartStr->text(), QStringLiteral("WAV 8,000 Hz; Mono; 8 bit\nConverted from 44,100 Hz"));
        QVERIFY(v.LabelFomartStr->rect().contains(QRect(QPoint(), v.LabelFomartStr->sizeHint())));   // in full
        QCOMPARE(h.display->formats, (QList<WaveFormat>{stored, chosen}));
        QCOMPARE(h.rec->log.filter(QStringLiteral("SetFormat")).last(),
                 QStringLiteral("SetFormat %1 %2").arg(chosen.descriptor()).arg(chosen.bytesPerFrame()));
        v.CmdStop->click();   // monitoring restarts in the same format
        QCOMPARE(h.display->formats, (QList<WaveFormat>{stored, chosen, chosen}));

        // Only an open recording can be paused.
        runHandler(*h.window, "CmdPause_Click");
        QCOMPARE(h.window->recordingState(), RecordingState::NotRecording);
    }

    void outOfSight_monitoringWaits_theDisplayRests_andTheRecordingGoesOnFourTimesASecond()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        frmCapture &w = *h.window;
        const CaptureView v(w);
        QVERIFY(w.isVisible());
        QCOMPARE(h.rec->timerInterval, 40);
        // Monitoring out of sight wants no sound; in sight again, it does.
        QVERIFY(h.rec->soundWanted);
        w.showMinimized();
        QVERIFY(!h.rec->soundWanted);
        w.showNormal();
        QVERIFY(h.rec->soundWanted);
        v.TextWavFile->setText(h.documents() + QStringLiteral("away.wav"));
        v.CmdStart->click();

        // Minimised, and hidden (behind the wizard or the Wav Player): the
        // display is not fed, Timer comes four times a second, and every
        // sound still reaches the file.
        for (const auto leave : {+[](frmCapture &f) { f.showMinimized(); }, +[](frmCapture &f) { f.hide(); }}) {
            leave(w);
            QCOMPARE(h.rec->timerInterval, 250);
            QVERIFY(h.rec->soundWanted);   // a recording's sound is always wanted
            const int shownBefore = h.display->shown;
            const qsizetype before = h.file->all().size();
            h.rec->partial = block('h');
            h.rec->tick(48000);
            QCOMPARE(h.display->shown, shownBefore);
            QCOMPARE(h.file->all().size(), before + block('h').size());
            w.showNormal();
            QCOMPARE(h.rec->timerInterval, 40);
            h.rec->tick(48000);
            QCOMPARE(h.display->shown, shownBefore + 1);
        }
        // Stopped out of sight: the monitoring that follows waits.
        w.showMinimized();
        v.CmdStop->click();
        QVERIFY(h.rec->capturing);
        QVERIFY(!h.rec->soundWanted);
    }

    void applicationGoneQuiet_theStatusSaysWhoIsAwaited_andTheRecordingGoesOn()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        frmCapture &w = *h.window;
        const CaptureView v(w);
        v.TextWavFile->setText(h.documents() + QStringLiteral("game.wav"));
        v.CmdStart->click();
        h.rec->waitingFor = QStringLiteral("Game");
        h.rec->tick(48000);
        QCOMPARE(w.panelText(1), QStringLiteral("Waiting for Game..."));
        QVERIFY(w.recordingState() == RecordingState::Recording);
        h.rec->waitingFor.clear();
        h.rec->partial = block('g');
        h.rec->tick(96000);
        QCOMPARE(w.panelText(1), QStringLiteral("Recording..."));
        v.CmdStop->click();
        QCOMPARE(h.file->all(), block('g'));
    }

    void recordWhileRecording_onlyRereadsTheName()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        frmCapture &w = *h.window;
        const CaptureView v(w);
        v.TextWavFile->setText(h.documents() + QStringLiteral("a.WAV"));
        v.CmdStart->click();
        QCOMPARE(v.TextWavFile->text(), h.documents() + QStringLiteral("a.WAV"));   // .WAV counts
        v.TextWavFile->setText(h.documents() + QStringLiteral("b.mp3"));
        runHandler(w, "CmdStart_Click");   // the button is disabled while recording
        QCOMPARE(PublicDim::WavFileName, h.documents() + QStringLiteral("b.mp3"));
        QCOMPARE(h.file->path, h.documents() + QStringLiteral("a.WAV"));   // the same recording goes on
        QVERIFY(w.recordingState() != RecordingState::NotRecording);
    }

    // Yesterday's takes are never proposed again: a habitual Yes would
    // replace them.
    void proposedName_isTheNextFreeOne_atStartAndAfterEachTake()
    {
        CaptureHarness h;
        h.writeSettings();
        const QString folder = h.documents() + QStringLiteral("Wav/");
        QVERIFY(QDir().mkpath(folder));
        for (const char *name : {"1.wav", "2.wav"}) {
            QFile f(folder + QLatin1String(name));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("take") == 4);
        }
        QVERIFY(h.loadPastWizard());
        const CaptureView v(*h.window);
        QCOMPARE(v.TextWavFile->text(), folder + QStringLiteral("3.wav"));

        v.CmdStart->click();
        QFile made(folder + QStringLiteral("3.wav"));   // what the real writer leaves
        QVERIFY(made.open(QIODevice::WriteOnly) && made.write("take") == 4);
        made.close();
        v.CmdStop->click();
        QCOMPARE(h.file->path, folder + QStringLiteral("3.wav"));
        QCOMPARE(v.TextWavFile->text(), folder + QStringLiteral("4.wav"));
        QVERIFY(h.dialogs.asked.isEmpty());
    }

    void existingRecording_isReplacedOnlyOnYes()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        frmCapture &w = *h.window;
        const CaptureView v(w);
        const QString path = h.documents() + QStringLiteral("Wav/1.wav");
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an earlier recording");
        old.close();

        h.dialogs.answers.enqueue(Dialogs::Answer::No);
        v.CmdStart->click();
        QCOMPARE(h.dialogs.count(QStringLiteral("message")), 1);
        QCOMPARE(h.dialogs.asked[0].buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(h.dialogs.asked[0].icon, Dialogs::Icon::Question);
        QVERIFY(h.dialogs.asked[0].text.contains(path));
        QVERIFY(h.file->path.isEmpty());   // nothing was created or truncated
        QCOMPARE(w.recordingState(), RecordingState::NotRecording);
        QCOMPARE(w.panelText(1), QStringLiteral("Ready to record"));
        QCOMPARE(enabledState(v), QStringLiteral("10011111111111"));   // as after Stop
        QVERIFY(h.rec->capturing);   // monitoring again

        h.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        v.CmdStart->click();
        QCOMPARE(h.file->path, path);
        QVERIFY(w.recordingState() != RecordingState::NotRecording);

        // An empty file is nothing to lose: no question.
        v.CmdStop->click();
        QFile::resize(path, 0);
        const int asked = h.dialogs.count(QStringLiteral("message"));
        v.CmdStart->click();
        QCOMPARE(h.dialogs.count(QStringLiteral("message")), asked);
        QVERIFY(w.recordingState() != RecordingState::NotRecording);
    }

    void startFailure_showsWhy_andLeavesTheWindowAsAfterStop()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        frmCapture &w = *h.window;
        const CaptureView v(w);

        h.file->failCreate = true;
        v.CmdStart->click();
        QCOMPARE(h.dialogs.count(QStringLiteral("message")), 1);
        QCOMPARE(h.dialogs.asked.last().title, QStringLiteral("Error"));
        QCOMPARE(h.dialogs.asked.last().icon, Dialogs::Icon::Critical);
        QVERIFY(h.dialogs.asked.last().text.contains(QStringLiteral("No such file or directory")));
        QCOMPARE(enabledState(v), QStringLiteral("10011111111111"));
        QCOMPARE(w.panelText(1), QStringLiteral("Ready to record"));
        QCOMPARE(w.recordingState(), RecordingState::NotRecording);

        // A recorder that only says "negative": its own reason is shown, and
        // the file is never touched, since there is nothing to put in it.
        h.file->failCreate = false;
        h.file->path.clear();
        h.rec->statusOnStart = -1;
        h.rec->errorOnStart = QStringLiteral("The recording device was removed.");
        v.CmdStart->click();
        QCOMPARE(h.dialogs.asked.last().text, QStringLiteral("The recording device was removed."));
        QVERIFY(h.file->path.isEmpty());
        QCOMPARE(w.recordingState(), RecordingState::NotRecording);
        QCOMPARE(enabledState(v), QStringLiteral("10011111111111"));

        // A name of blanks only is refused as the wizard refuses it.
        h.rec->statusOnStart = 0;
        v.TextWavFile->setText(QStringLiteral("   "));
        v.CmdStart->click();
        QCOMPARE(h.dialogs.asked.last().text, QStringLiteral("Please input the filename"));
        QVERIFY(h.file->path.isEmpty());
        QCOMPARE(w.recordingState(), RecordingState::NotRecording);
        QCOMPARE(enabledState(v), QStringLiteral("10011111111111"));
    }

    void writeFailureOrLostDevice_stopsTheRecordingAndSaysSo()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        frmCapture &w = *h.window;
        const CaptureView v(w);

        v.CmdStart->click();
        h.file->failWritesAfter = 1;
        h.rec->deliver(block('1'));
        h.rec->deliver(block('2'));   // disk full
        QCOMPARE(w.recordingState(), RecordingState::NotRecording);
        QCOMPARE(h.file->written.size(), 1);
        QCOMPARE(h.file->closes, 1);
        QCOMPARE(w.panelText(1), QStringLiteral("Ready to record"));
        QVERIFY(QTest::qWaitFor([&] { return h.dialogs.count(QStringLiteral("message")) == 1; }, 1000));
        QVERIFY(h.dialogs.asked.last().text.contains(QStringLiteral("No space left on device")));
        QVERIFY(h.rec->capturing);   // and the program goes on monitoring

        h.file->failWritesAfter = -1;
        v.CmdStart->click();
        h.rec->deliver(block('3'));
        h.rec->pending = {block('4')};
        h.rec->capturing = false;
        h.rec->fail(QStringLiteral("The connection to the sound server was lost."));
        QCOMPARE(w.recordingState(), RecordingState::NotRecording);
        QCOMPARE(h.file->all(), block('3') + block('4'));
        QVERIFY(QTest::qWaitFor([&] { return h.dialogs.count(QStringLiteral("message")) == 2; }, 1000));
        QVERIFY(h.dialogs.asked.last().text.contains(QStringLiteral("sound server was lost")));
        QTest::qWait(50);
        QCOMPARE(h.dialogs.count(QStringLiteral("message")), 2);   // said once
    }

    // A conversation's warnings name the source they are about: a silent
    // microphone while the other side talks, the other side gone.
    void conversationWarnings_nameTheirSource()
    {
        CaptureHarness h;
        h.setUpRecorder = [](FakeRecorder &r) {
            r.devices = {{QStringLiteral("Card A"), true, {{QStringLiteral("Microphone")}, {QStringLiteral("Chat")}}, 0}};
            r.devices[0].lines[1].stream = 7;
        };
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        frmCapture &w = *h.window;
        const CaptureView v(w);
        FakeRecorder *mic = h.rec;
        QVERIFY(w.chooseConversation(QStringLiteral("Card A"), QStringLiteral("Chat"), false));
        FakeRecorder *chat = std::exchange(h.rec, mic);
        QVERIFY(chat != mic);
        const QLabel *panel = childNamed<QLabel>(w, "StatusPanel1");

        v.CmdStart->click();
        QVERIFY(chat->capturing);
        const QByteArray talk = QByteArray("\x00\x10\x00\x10", 4).repeated(4800);   // 0.1 s at -18 dBFS
        for (qint64 i = 1; i <= 110; ++i) {
            // Both captured at the same moment, as their clocks say.
            mic->clock = chat->clock = {i * 4800, i * 100000};
            chat->deliver(talk);
            mic->partial = QByteArray(talk.size(), 0);
            mic->tick(0);
        }
        QVERIFY2(w.panelText(1).startsWith(QStringLiteral("No sound from Microphone for 10 s")), qPrintable(w.panelText(1)));
        QVERIFY2(!panel->toolTip().contains(QStringLiteral("from Chat")), qPrintable(panel->toolTip()));

        emit chat->CaptureError(-1, QStringLiteral("the stream was killed"));
        mic->partial = QByteArray(talk.size(), 0);
        mic->tick(0);
        QCOMPARE(w.panelText(1), QStringLiteral("Chat is no longer recorded"));
        QVERIFY2(panel->toolTip().startsWith(QStringLiteral("Chat is no longer recorded (the stream was killed)")),
                 qPrintable(panel->toolTip()));
        v.CmdStop->click();
    }

    void soundWarnings_showAsTheyHappen_andTheLastTakeStaysAfterStop()
    {
        CaptureHarness h;
        h.writeSettings();   // 48 kHz stereo 16-bit
        QVERIFY(h.loadPastWizard());
        frmCapture &w = *h.window;
        const CaptureView v(w);
        const QLabel *panel = childNamed<QLabel>(w, "StatusPanel1");
        const auto silence = [](double s) { return QByteArray(qsizetype(48000 * s) * 4, 0); };
        const auto record = [&](const QByteArray &pcm) {
            h.rec->partial = pcm;
            h.rec->tick(0);
        };
        QByteArray loud = QByteArray(2, '\x10').repeated(48000 * 2);   // a second at -16 dBFS ...
        for (int i = 0; i < 14; ++i)
            loud.replace(i * 4 * 3000, 2, "\xFF\x7F");                 // ... clipped 14 times

        v.CmdStart->click();
        record(silence(6));
        v.CmdPause->click();   // the 20 s captured while paused are not in the file, nor counted
        h.rec->deliver(silence(20));
        h.rec->partial = silence(20);
        v.CmdStart->click();
        record(silence(3.9));
        QCOMPARE(w.panelText(1), QStringLiteral("Recording..."));
        record(silence(0.1));
        QCOMPARE(w.panelText(1), QStringLiteral("No sound for 10 s: check the Source"));
        QVERIFY(panel->toolTip().startsWith(QStringLiteral("No sound for 10 s, since 00:00:00")));
        QCOMPARE(w.panelText(2), QStringLiteral("00:00:10"));   // its label makes room for the warning

        record(loud);
        QCOMPARE(w.panelText(1), QStringLiteral("Clipping: 14 times in 10 s"));
        h.rec->lost = 4800;   // sound lost just now goes first; the tooltip has both
        record(QByteArray(2, '\x10').repeated(48000));
        QCOMPARE(w.panelText(1), QStringLiteral("0.1 s lost at 00:00:11"));
        QVERIFY2(panel->toolTip().startsWith(QStringLiteral("Clipping: the sound reached full scale 14 times"))
                     && panel->toolTip().contains(QStringLiteral("\nSound was lost"))
                     && !panel->toolTip().contains(QStringLiteral("No sound")),
                 qPrintable(panel->toolTip()));

        v.CmdStop->click();
        const QString last = QStringLiteral("Last take: 10 s silent, 14 clips, 0.1 s lost");
        QCOMPARE(w.panelText(1), last);
        QCOMPARE(panel->toolTip(), QStringLiteral("Last recording: no sound for 10 s, clipped 14 times, 0.1 s of "
                                                  "sound lost."));
        h.rec->changeDevices(h.rec->devices);   // the window follows the devices: it stays
        QTest::qWait(400);
        QCOMPARE(w.panelText(1), last);
        h.rec->lost = 0;   // until the next recording
        v.CmdStart->click();
        record(silence(1));
        QCOMPARE(w.panelText(1), QStringLiteral("Recording..."));
        QCOMPARE(panel->toolTip(), QString());
        QCOMPARE(w.panelText(2), QStringLiteral("Elapsed: 00:00:01"));
    }

    void close_whileRecordingIsRefused_thenTheSecondCloseSavesAndEnds()
    {
        for (const bool viaMenu : {false, true}) {
            CaptureHarness h;
            h.writeSettings();
            QVERIFY(h.loadPastWizard());
            frmCapture &w = *h.window;
            const CaptureView v(w);
            v.CmdStart->click();
            v.CmdPause->click();
            h.rec->pending = {block('x')};

            viaMenu ? v.Menu_Exit->trigger() : void(w.close());
            QVERIFY(w.isVisible());
            QCOMPARE(w.recordingState(), RecordingState::NotRecording);
            QCOMPARE(h.file->closes, 1);
            QVERIFY(h.file->all().isEmpty());   // what came in while paused is left out
            QVERIFY(h.endCodes.isEmpty());

            PublicDim::PreviewIndex = 4;
            viaMenu ? v.Menu_Exit->trigger() : void(w.close());
            QCOMPARE(h.endCodes, QList<int>{0});
            QVERIFY(h.player->log.contains(QStringLiteral("HaltPlayback")));
            QVERIFY(!h.rec->capturing);
            QFile saved(settingsFilePath());
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QVERIFY(saved.readAll().contains("PreviewIndex=4\r\n"));
        }
    }

    // Unlike a close, the system's request to end is not refused: the take
    // keeps what came in and the program ends, its settings saved.
    void systemAsksToEnd_whileRecording_finishesTheTakeAndEnds()
    {
        for (const int signal : {SIGTERM, SIGHUP}) {
            CaptureHarness h;
            h.writeSettings();
            QVERIFY(h.loadPastWizard());
            const CaptureView v(*h.window);
            v.CmdStart->click();
            h.rec->pending = {block('x')};
            PublicDim::PreviewIndex = 3;

            ::raise(signal);
            QVERIFY(QTest::qWaitFor([&] { return !h.endCodes.isEmpty(); }, 3000));
            QCOMPARE(h.endCodes, QList<int>{0});
            QCOMPARE(h.file->closes, 1);
            QCOMPARE(h.file->all(), block('x'));
            QFile saved(settingsFilePath());
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QVERIFY(saved.readAll().contains("PreviewIndex=3\r\n"));
        }
    }

    void styleButton_cyclesTheFiveStylesAndRemembersThem()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        frmCapture &w = *h.window;
        const CaptureView v(w);
        QList<int> seen;
        for (int i = 0; i < 5; ++i) {
            QTest::mouseClick(v.PicPreset1, Qt::LeftButton, {}, QPoint(5, 5));
            seen << h.display->style;
            QCOMPARE(PublicDim::PreviewIndex, h.display->style);
        }
        QCOMPARE(seen, (QList<int>{3, 4, 0, 1, 2}));
        h.display->style = 17;   // a style read from a damaged settings file
        QTest::mouseClick(v.PicPreset1, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(h.display->style, 0);
    }
};

QTEST_MAIN(TestCaptureWindow)
#include "tst_capturewindow.moc"
