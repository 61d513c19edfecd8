// The media player frame and the "Wav Player" window, on doubles.

#include "media/FrmPlayWav.h"
#include "media/MediaFilters.h"
#include "engine/AudioFailure.h"
#include "support/CaptureHarness.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// A player double that refuses to open anything.
class RefusingPlayer : public FakePlayer
{
public:
    using FakePlayer::FakePlayer;
    void OpenMedia(const QString &) override
    {
        throw AudioFailure(AudioFailure::InvalidArgument, QStringLiteral("Cannot open this address."));
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
        frmCapture &w = *h.window;
        h.player->log.clear();

        h.dialogs.texts.enqueue(QString());   // Cancel
        w.Command1->click();
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
        QVERIFY(w.TextMedia->text().isEmpty());
        QVERIFY(h.player->log.isEmpty());   // cancelling touches nothing

        h.dialogs.texts.enqueue(QStringLiteral("  /music/my song.ogg  "));
        w.Command1->click();
        QCOMPARE(w.TextMedia->text(), QStringLiteral("/music/my song.ogg"));
        QCOMPARE(h.player->log,
                 (QStringList{QStringLiteral("MediaFileName /music/my song.ogg"), QStringLiteral("Play")}));
    }

    void url_opensWhatWasTyped_andAFailureIsReportedNotFatal()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        frmCapture &w = *h.window;
        h.player->log.clear();

        h.dialogs.texts.enqueue(QString());   // Cancel or an emptied box
        w.CmdURL->click();
        QCOMPARE(h.dialogs.asked.last().kind, QStringLiteral("input"));
        QCOMPARE(h.dialogs.asked.last().text, QStringLiteral("Please input the URL"));
        QVERIFY(h.dialogs.asked.last().title.isEmpty());   // the program's title
        QCOMPARE(h.dialogs.asked.last().request.fileName, QStringLiteral("mms:// or http://"));
        QVERIFY(h.player->log.isEmpty());

        h.dialogs.texts.enqueue(QStringLiteral("mms:// or http://"));   // OK without editing
        w.CmdURL->click();
        QCOMPARE(h.player->log.last(), QStringLiteral("OpenMedia mms:// or http://"));
        QCOMPARE(w.TextMedia->text(), QStringLiteral("mms:// or http://"));

        // A player that refuses: a message, and the program goes on.
        auto *refusing = new RefusingPlayer(w.Picture2);
        w.MediaPlayer1 = refusing;
        h.dialogs.texts.enqueue(QStringLiteral("http://127.0.0.1:9/none.mp3"));
        w.CmdURL->click();
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
        QVERIFY(w.isVisible());

        w.TextWavFile->setText(QStringLiteral("/rec/first take.wav"));
        w.CmdPlay_Click();
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
        w.TextWavFile->setText(QStringLiteral("/rec/second.wav"));
        w.CmdPlay_Click();
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
