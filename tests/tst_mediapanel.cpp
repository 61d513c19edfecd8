// The media player frame and the "Wav Player" window, on doubles.

#include "media/FrmPlayWav.h"
#include "media/MediaFilters.h"
#include "engine/AudioFailure.h"
#include "support/CaptureHarness.h"

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
                 QStringLiteral("*.wav;*.snd;*.au;*.aif;*.aifc;*.aiff;*.wma;*.mp3;*.cda;*.mid;*.rmi;*.midi;*.mpeg;"
                                "*.mpg;*.m1v;*.mp2;*.mpa;*.mpe;*.asx;*.wax;*.m3u;*.wvx;*.wmx;*.avi;*.wmv;*.asf;*.wm"));
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

    void dialogPathCleanup()
    {
        QCOMPARE(cleanedDialogPath(QStringLiteral("  a b.wav ")), QStringLiteral("a b.wav"));
        QCOMPARE(cleanedDialogPath(QStringLiteral("x.wav") + QChar(0)), QStringLiteral("x.wav"));
        QCOMPARE(cleanedDialogPath(QString()), QString());
    }
};

QTEST_MAIN(TestMediaPanel)
#include "tst_mediapanel.moc"
