// The media player frame and the "Wav Player" window, on doubles.

#include "media/FrmPlayWav.h"
#include "media/MediaFilters.h"
#include "media/MediaRecording.h"
#include "media/MediaTake.h"
#include "engine/AudioFailure.h"
#include "base/PublicDim.h"
#include "support/CaptureHarness.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// A player double that, once told to, refuses to open anything.
class RefusingPlayer : public FakePlayer
{
public:
    using FakePlayer::FakePlayer;
    bool refuse = false;
    void OpenMedia(const QString &u) override
    {
        if (refuse)
            throw AudioFailure(AudioFailure::InvalidArgument, QStringLiteral("Cannot open this address."));
        FakePlayer::OpenMedia(u);
    }
};

// Frames of 48 kHz stereo 16-bit capture: sound, or digital silence.
QByteArray sound(int frames)
{
    return QByteArray(frames * 4, '\x11');
}
QByteArray zeros(int frames)
{
    return QByteArray(frames * 4, '\0');
}
constexpr int TailFrames = MediaTake::TailMs * 48;

} // namespace

class TestMediaPanel : public QObject
{
    Q_OBJECT

private slots:
    void browse_offersTheEightFilters_andPlaysTheChosenFile()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        const CaptureView v(*h.window);
        h.player->log.clear();

        h.dialogs.texts.enqueue(QString());   // Cancel
        v.Command1->click();
        QCOMPARE(h.dialogs.count(QStringLiteral("open")), 1);
        const Dialogs::FileRequest r = h.dialogs.asked.last().request;
        QCOMPARE(r.filters.size(), 8);
        QCOMPARE(r.selectedFilter, 0);
        QVERIFY(r.title.isEmpty() && r.folder.isEmpty());
        QCOMPARE(r.filters[0].description, QStringLiteral("Media files (all types)"));
        QCOMPARE(r.filters[0].patterns,
                 QStringLiteral("*.wav;*.flac;*.opus;*.ogg;*.snd;*.au;*.aif;*.aifc;*.aiff;*.wma;*.mp3;*.cda;*.mid;*.rmi;"
                                "*.midi;*.mpeg;*.mpg;*.m1v;*.mp2;*.mpa;*.mpe;*.asx;*.wax;*.m3u;*.wvx;*.wmx;*.avi;*.wmv;*.asf;"
                                "*.wm"));
        for (FileType type : fileTypes::All)   // every type a recording is written as
            QVERIFY(r.filters[1].patterns.split(QLatin1Char(';')).contains(QStringLiteral("*.") + fileTypes::extension(type)));
        QCOMPARE(r.filters[3].description, QStringLiteral("Movie File (MPEG) (*.mpeg;*.mpg;*.m1v;*.mp2;*.mpa;*.mpe)"));
        QCOMPARE(r.filters[6].patterns, QStringLiteral("*.asx;*.wax;*.m3u;*.wvx;*.wmx"));
        QCOMPARE(r.filters[7].description, QStringLiteral("All Files (*.*)"));
        QCOMPARE(r.filters[7].patterns, QStringLiteral("*.*"));
        QVERIFY(v.TextMedia->text().isEmpty());
        QVERIFY(h.player->log.isEmpty());   // cancelling touches nothing

        h.dialogs.texts.enqueue(QStringLiteral("  /music/my song.ogg  "));
        v.Command1->click();
        QCOMPARE(v.TextMedia->text(), QStringLiteral("/music/my song.ogg"));
        QCOMPARE(h.player->log,
                 (QStringList{QStringLiteral("MediaFileName /music/my song.ogg"), QStringLiteral("Play")}));
    }

    void url_opensWhatWasTyped_andAFailureIsReportedNotFatal()
    {
        CaptureHarness h;
        h.writeSettings();
        RefusingPlayer *player = nullptr;
        h.makePlayer = [&](QWidget *parent) { return player = new RefusingPlayer(parent); };
        QVERIFY(h.loadPastWizard());
        const CaptureView v(*h.window);
        h.player->log.clear();

        h.dialogs.texts.enqueue(QString());   // Cancel or an emptied box
        v.CmdURL->click();
        QCOMPARE(h.dialogs.asked.last().kind, QStringLiteral("input"));
        QCOMPARE(h.dialogs.asked.last().text, QStringLiteral("Please input the URL"));
        QVERIFY(h.dialogs.asked.last().title.isEmpty());   // the program's title
        QCOMPARE(h.dialogs.asked.last().request.fileName, QStringLiteral("mms:// or http://"));
        QVERIFY(h.player->log.isEmpty());

        h.dialogs.texts.enqueue(QStringLiteral("mms:// or http://"));   // OK without editing
        v.CmdURL->click();
        QCOMPARE(h.player->log.last(), QStringLiteral("OpenMedia mms:// or http://"));
        QCOMPARE(v.TextMedia->text(), QStringLiteral("mms:// or http://"));

        // A player that refuses: a message, and the program goes on.
        player->refuse = true;
        h.dialogs.texts.enqueue(QStringLiteral("http://127.0.0.1:9/none.mp3"));
        v.CmdURL->click();
        QCOMPARE(h.dialogs.asked.last().kind, QStringLiteral("message"));
        QCOMPARE(h.dialogs.asked.last().text, QStringLiteral("Cannot open this address."));
        QVERIFY(h.endCodes.isEmpty());
    }

    void wavPlayer_hidesTheMainWindow_playsTheBoxPath_andGivesItBack()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        frmCapture &w = *h.window;
        const CaptureView v(w);
        QVERIFY(w.isVisible());

        v.TextWavFile->setText(QStringLiteral("/rec/first take.wav"));
        runHandler(w, "CmdPlay_Click");   // "&Play" itself waits for a recording
        FrmPlayWav *first = w.playWavWindow();
        QVERIFY(first);
        QVERIFY(!w.isVisible());
        QVERIFY(first->isVisible());
        QCOMPARE(first->windowTitle(), QStringLiteral("Wav Player"));
        QCOMPARE(first->size(), QSize(340, 123));
        QCOMPARE(first->Text1->text(), QStringLiteral("/rec/first take.wav"));
        auto *player = dynamic_cast<FakePlayer *>(first->MediaPlayer1);
        QVERIFY(player);
        QCOMPARE(player->log, (QStringList{QStringLiteral("MediaFileName /rec/first take.wav"), QStringLiteral("Play")}));
        QVERIFY(!player->autoPlay());   // its own player starts with its stored settings
        QCOMPARE(player->outputVolume(), 0);

        QPointer<FrmPlayWav> gone = first;
        first->close();
        QVERIFY(w.isVisible());
        QTRY_VERIFY(gone.isNull());   // unloaded, and its playback with it

        // A second opening plays the path now in the box, edited or not.
        v.TextWavFile->setText(QStringLiteral("/rec/second.wav"));
        runHandler(w, "CmdPlay_Click");   // "&Play" itself waits for a recording
        QVERIFY(w.playWavWindow() && w.playWavWindow() != first);
        QCOMPARE(w.playWavWindow()->Text1->text(), QStringLiteral("/rec/second.wav"));
        w.playWavWindow()->close();
        QVERIFY(w.isVisible());
    }

    void withTheOptions_theMediaStartsAndEndsARecording_asRecordAndStopDo()
    {
        using Kind = PlaybackNews::Kind;
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        frmCapture &w = *h.window;
        const CaptureView v(w);
        h.player->name = QStringLiteral("/nowhere/song.ogg");   // its own silence cannot be read: none

        // Off: playing records nothing.
        h.player->news(Kind::Starting);
        h.player->news(Kind::Finished, 1000);
        QCOMPARE(w.recordingState(), RecordingState::NotRecording);
        QVERIFY(h.file->path.isEmpty() && h.dialogs.asked.isEmpty());

        v.Menu_StartR->trigger();
        v.Menu_StopR->trigger();
        // Record's own questions: a take is not replaced unasked.
        QFile old(v.TextWavFile->text());
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        h.player->news(Kind::Starting);   // answered No
        QCOMPARE(h.dialogs.count(QStringLiteral("message")), 1);
        QVERIFY(h.dialogs.asked.last().text.contains(QStringLiteral("already exists")));
        QCOMPARE(w.recordingState(), RecordingState::NotRecording);
        QVERIFY(!h.file->open);
        h.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        h.player->news(Kind::Starting);
        QCOMPARE(w.recordingState(), RecordingState::Recording);
        QCOMPARE(h.file->path, v.TextWavFile->text());
        QVERIFY(!v.CmdStart->isEnabled() && v.CmdStop->isEnabled());
        QCoreApplication::processEvents();   // the media's own silence is looked for

        // The wait for the player's sound is not kept; trailing silence waits.
        h.rec->partial = zeros(4800) + sound(4000) + zeros(1000);
        h.rec->tick(9800);
        QCOMPARE(h.file->all(), sound(4000));
        // The media ends 100 ms after its first sample: the silence up to
        // there is its own, what follows is not.
        h.player->news(Kind::Finished, 100);
        QTRY_COMPARE(w.recordingState(), RecordingState::NotRecording);
        QCOMPARE(h.file->all(), sound(4000) + zeros(800));
        QCOMPARE(h.file->closes, 1);
        QVERIFY(v.CmdStart->isEnabled() && !v.CmdStop->isEnabled());
    }

    void withTheOptions_theWizardsPlayOrOpenForLater_recordNothing()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        frmCapture &w = *h.window;
        const CaptureView v(w);
        v.Menu_StartR->trigger();
        v.Menu_StopR->trigger();
        h.player->tellsPlayback = true;
        using namespace PublicDim;
        WizardAccepted = true;
        WizardSource = 1;
        WizardMediaFile = QStringLiteral("/nowhere/song.ogg");
        WizardWavFile = h.documents() + QStringLiteral("later.wav");
        // "Play now, record later" and "Open now, play later": the user said when.
        for (const int action : {2, 3}) {
            WizardMediaAction = action;
            w.ProcessWizard();
            QCOMPARE(w.recordingState(), RecordingState::NotRecording);
            QVERIFY(h.file->path.isEmpty());
        }
        // "Play and record now" records, once.
        WizardMediaAction = 1;
        w.ProcessWizard();
        QCOMPARE(w.recordingState(), RecordingState::Recording);
        QCOMPARE(h.file->path, WizardWavFile);
        v.CmdStop->click();
    }

    void aTakeOfTheMedia_pausesWithIt_andARecordingByHandEndsWithTheMediaAfterItsTail()
    {
        using Kind = PlaybackNews::Kind;
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        frmCapture &w = *h.window;
        const CaptureView v(w);
        v.Menu_StartR->trigger();
        v.Menu_StopR->trigger();
        h.player->news(Kind::Starting);
        QCoreApplication::processEvents();
        h.rec->partial = zeros(1000) + sound(1000);
        h.rec->tick(2000);

        // Paused with the media once its last sound before the pause is in.
        h.player->news(Kind::Paused);
        QCOMPARE(w.recordingState(), RecordingState::Recording);
        h.rec->partial = sound(500) + zeros(TailFrames);
        h.rec->tick(4000);
        QTRY_COMPARE(w.recordingState(), RecordingState::Paused);
        h.rec->partial = sound(3000);   // captured while paused: never in the file
        h.player->news(Kind::Resumed);
        QCOMPARE(w.recordingState(), RecordingState::Recording);
        h.rec->partial = zeros(300) + sound(700) + zeros(100);
        h.rec->tick(5000);
        QCOMPARE(h.file->all(), sound(2200));
        // A Stop by hand keeps all that was captured.
        v.CmdStop->click();
        QCOMPARE(h.file->all(), sound(2200) + zeros(100));

        // A recording by hand: the media's start leaves it alone, its end
        // stops it after the tail still in flight, without the silence after it.
        v.CmdStart->click();
        h.rec->partial = sound(100);
        h.player->news(Kind::Starting);
        QCOMPARE(h.dialogs.count(QStringLiteral("message")), 0);
        h.rec->partial += sound(1900) + zeros(2000);
        h.rec->tick(4000);
        h.player->news(Kind::Stopped);
        h.rec->partial = sound(1000) + zeros(TailFrames / 2);
        h.rec->tick(8000);
        QCOMPARE(w.recordingState(), RecordingState::Recording);
        h.rec->partial = zeros(TailFrames / 2);
        h.rec->tick(9000);
        QTRY_COMPARE(w.recordingState(), RecordingState::NotRecording);
        QCOMPARE(h.file->all(), sound(2000) + zeros(2000) + sound(1000));
    }

    // The part on its own: it presses the console's buttons; a playing for
    // later presses nothing, and the word before it comes back when it ends;
    // once the part is gone the player has no one to tell.
    void recordingWithTheMedia_pressesTheConsole_unlessThePlayingIsForLater()
    {
        using Kind = PlaybackNews::Kind;
        FakePlayer player;
        QStringList pressed;
        auto part = std::make_unique<MediaRecording>(
            player, [] { return WaveFormat{48000, 2, 16}; },
            MediaRecording::Console{[&] { pressed << QStringLiteral("record"); },
                                    [&] { pressed << QStringLiteral("pause"); },
                                    [&] { pressed << QStringLiteral("stop"); }});
        player.news(Kind::Starting);
        QVERIFY(pressed.isEmpty());   // the Start option is off
        part->setAutoStart(true);
        part->setAutoStop(true);
        {
            const auto later = part->playingNotForRecording();
            player.news(Kind::Starting);
            QVERIFY(pressed.isEmpty());
            {
                const auto now = part->playingNotForRecording(false);
                player.news(Kind::Starting);
                QCOMPARE(pressed, QStringList{QStringLiteral("record")});
            }
            player.news(Kind::Starting);
            QCOMPARE(pressed.size(), 1);
        }
        player.news(Kind::Starting);
        QCOMPARE(pressed.size(), 2);
        player.news(Kind::Stopped);   // no take is recording: nothing to stop
        QCOMPARE(pressed.size(), 2);

        part.reset();
        player.news(Kind::Starting);
        QCOMPARE(pressed.size(), 2);
    }

    void dialogPathCleanup()
    {
        QCOMPARE(cleanedDialogPath(QStringLiteral("  a b.wav ")), QStringLiteral("a b.wav"));
        QCOMPARE(cleanedDialogPath(QStringLiteral("x.wav") + QChar(0)), QStringLiteral("x.wav"));
        QCOMPARE(cleanedDialogPath(QString()), QString());
    }
};

QTEST_MAIN(TestMediaPanel)
#include "tst_mediapanel.moc"
