// The record wizard on doubles: its pages and checks, Cancel, and what the
// main window makes of a finished wizard.

#include "recorder/FormWAV.h"
#include "support/CaptureHarness.h"
#include "wizard/frmWizard.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// The main window loaded on doubles, and the wizard its start-up shows.
struct Wizard
{
    CaptureHarness h;
    QTemporaryDir media;
    QPointer<frmWizard> z;

    Wizard()
    {
        h.writeSettings();
        if (h.load())
            z = h.window->wizardWindow();
        h.player->log.clear();
    }
    frmCapture &w() { return *h.window; }
    void pick(const QString &option) { z->findChild<QRadioButton *>(option)->setChecked(true); }
    QString makeFile(const QString &name)
    {
        QFile f(media.path() + QLatin1Char('/') + name);
        f.open(QIODevice::WriteOnly);
        return f.fileName();
    }
    // What the window shows, e.g. "Pic4 < F -check": the page, Back, Next's
    // caption, and on the output page whether "Record now." shows.
    QString state() const
    {
        QString s;
        for (QFrame *p : {z->Pic1, z->Pic2, z->Pic3, z->Pic4, z->Pic5})
            if (p->isVisible())
                s += p->objectName();
        s += z->CmdBack->isVisible() ? QStringLiteral(" <") : QString();
        s += z->CmdNext->text() == QStringLiteral("&Next >") ? QStringLiteral(" N") : QStringLiteral(" F");
        if (z->Pic4->isVisible())
            s += z->Check1->isVisible() ? QStringLiteral(" +check") : QStringLiteral(" -check");
        return s;
    }
    // Every dialog asked, e.g. "message:Please input the URL:1 open".
    QString asked() const
    {
        QStringList out;
        for (const auto &a : h.dialogs.asked)
            out << (a.kind == QStringLiteral("message") ? a.kind + ':' + a.text + ':' + QString::number(int(a.icon))
                                                         : a.kind);
        return out.join(' ');
    }
};

QString wizardVariables()
{
    using namespace PublicDim;
    return QStringList{QString::number(WizardAccepted), QString::number(WizardSource), WizardMediaFile, WizardWavFile,
                       WizardURL, QString::number(WizardMediaAction), QString::number(WizardRecordNow)}
        .join('|');
}

QString mode(const CaptureView &v)
{
    return v.Menu_PR->isChecked()       ? QStringLiteral("PR")
           : v.Menu_Record->isChecked() ? QStringLiteral("R")
                                        : QStringLiteral("P");
}

} // namespace

class TestWizard : public QObject
{
    Q_OBJECT

private slots:
    void startUp_hidesTheMainWindow_andShowsTheWizardInItsLoadState()
    {
        PublicDim::WizardAccepted = true;   // left from an earlier wizard: loading clears it
        Wizard t;
        QVERIFY(t.z && t.z->isVisible() && !t.w().isVisible());
        frmWizard &z = *t.z;
        QCOMPARE(z.windowTitle(), QStringLiteral("Wizard - Tarvell Recorder"));
        QCOMPARE(z.size(), QSize(331, 205));   // one row taller than first drawn, for a conversation
        QCOMPARE(z.minimumSize(), z.maximumSize());
        QVERIFY(!(z.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(!PublicDim::WizardAccepted);
        for (QFrame *p : {z.Pic1, z.Pic2, z.Pic3, z.Pic4, z.Pic5})
            QVERIFY(p->pos() == QPoint(14, 10) && p->frameShape() == QFrame::NoFrame);
        QCOMPARE(t.state(), QStringLiteral("Pic1 N"));
        QVERIFY(z.Option1->isChecked() && z.Option3->isChecked() && z.Check1->isChecked());
        QVERIFY(z.TextMedia->text().isEmpty());
        QCOMPARE(z.TextURL->text(), QStringLiteral("mms:// or http://"));
        QCOMPARE(z.TextWavFile->text(), t.h.documents() + QStringLiteral("Wav/1.wav"));
        QCOMPARE(z.LabelFomartStr->text(), QStringLiteral("WAV 48,000 Hz; Stereo; 16 bit"));
        QCOMPARE(z.Line1->geometry(), QRect(7, 160, 318, 1));
        QCOMPARE(z.Line2->geometry(), QRect(7, 161, 318, 1));
        QVERIFY(t.h.rec->capturing);   // monitoring runs behind the wizard
    }

    void everyCaptionFits_andNoTwoControlsOfAPageOverlap()
    {
        Wizard t;
        frmWizard &z = *t.z;
        int n = 0;
        for (QFrame *p : {z.Pic1, z.Pic2, z.Pic3, z.Pic4, z.Pic5}) {
            z.HideAllPages();
            p->show();
            z.CmdBack->setVisible(p != z.Pic1);
            if (qEnvironmentVariableIsSet("TARVELL_WIZARD_SHOTS"))
                z.grab().save(QStringLiteral("/tmp/wizard-page-%1.png").arg(++n));
            const auto controls = p->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
            for (QWidget *c : controls) {
                const QString name = c->objectName();
                // The format text's box reaches under "&Set" in the stored layout; its text does not.
                QRect r = c->geometry();
                if (c == z.LabelFomartStr)
                    r.setWidth(c->fontMetrics().horizontalAdvance(z.LabelFomartStr->text()));
                if (qobject_cast<QLabel *>(c) || qobject_cast<QRadioButton *>(c) || qobject_cast<QCheckBox *>(c))
                    QVERIFY2(QRect(c->pos(), c->sizeHint()).intersected(p->rect()) == QRect(c->pos(), c->sizeHint())
                                 && c->sizeHint().width() <= c->width() && c->sizeHint().height() <= c->height(),
                             qPrintable(name));
                else
                    QVERIFY2(p->rect().contains(r), qPrintable(name));
                for (QWidget *other : controls)
                    QVERIFY2(other == c || other == z.LabelFomartStr || !r.intersects(other->geometry()),
                             qPrintable(name + '/' + other->objectName()));
            }
            QVERIFY(p->geometry().bottom() < z.Line1->y());
        }
    }

    void navigation_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("recordNow");
        QTest::addColumn<QStringList>("walk");   // ">" Next or "<" Back, then what shows
        QTest::addColumn<QString>("stored");     // source|action|record now
        QTest::newRow("media, play and record now") << "Option1" << "Option3" << false
            << QStringList{">Pic2 < N", ">Pic3 < N", ">Pic4 < F -check", "<Pic3 < N", "<Pic2 < N", "<Pic1 N",
                           ">Pic2 < N", ">Pic3 < N", ">Pic4 < F -check", ">"} << "1|1|0";
        QTest::newRow("media, record later") << "Option1" << "Option4" << true
                                             << QStringList{">Pic2 < N", ">Pic3 < N", ">"} << "1|2|1";
        QTest::newRow("media, play later") << "Option1" << "Option5" << true
                                           << QStringList{">Pic2 < N", ">Pic3 < N", ">"} << "1|3|1";
        QTest::newRow("another application") << "Option2" << "Option3" << false
            << QStringList{">Pic4 < F +check", "<Pic1 N", ">Pic4 < F +check", ">"} << "2|1|0";
        QTest::newRow("URL") << "Option6" << "Option3" << true
            << QStringList{">Pic5 < N", ">Pic4 < F +check", "<Pic5 < N", ">Pic4 < F +check", ">"} << "3|1|1";
    }
    void navigation()
    {
        QFETCH(QString, method);
        QFETCH(QString, action);
        QFETCH(bool, recordNow);
        QFETCH(QStringList, walk);
        QFETCH(QString, stored);
        Wizard t;
        frmWizard &z = *t.z;
        t.pick(method);
        t.pick(action);
        z.Check1->setChecked(recordNow);   // hidden on the media path, and stored all the same
        z.TextMedia->setText(t.makeFile(QStringLiteral("song.wav")));
        for (const QString &step : walk) {
            (step.startsWith('>') ? z.CmdNext : z.CmdBack)->click();
            if (step.size() > 1)
                QCOMPARE(t.state(), step.mid(1));
        }
        QVERIFY(z.isUnloaded() && t.w().isVisible() && !t.w().wizardWindow());
        QVERIFY(t.h.dialogs.asked.isEmpty());
        const QStringList s = stored.split('|');
        QCOMPARE(wizardVariables(), QStringList({"1", s[0], z.TextMedia->text(), z.TextWavFile->text(),
                                                 "mms:// or http://", s[1], s[2]})
                                        .join('|'));
        QTRY_VERIFY(t.z.isNull());
    }

    void mediaCheck_data()
    {
        QTest::addColumn<QString>("typed");   // "@" is the media folder
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty") << "   " << false;
        QTest::newRow("missing") << "@/gone.wav" << false;
        QTest::newRow("hidden") << "@/.secret.wav" << false;
        QTest::newRow("a folder") << " @ " << false;
        QTest::newRow("with blanks around") << "  @/song.wav  " << true;
    }
    void mediaCheck()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        Wizard t;
        frmWizard &z = *t.z;
        t.makeFile(QStringLiteral("song.wav"));
        t.makeFile(QStringLiteral(".secret.wav"));
        typed.replace('@', t.media.path());
        z.CmdNext->click();
        z.TextMedia->setText(typed);
        QString boxWhenAsked;
        t.h.dialogs.onAsk = [&] { boxWhenAsked = boxWhenAsked.isNull() ? z.TextMedia->text() : boxWhenAsked; };
        z.CmdNext->click();
        QCOMPARE(z.TextMedia->text(), typed.trimmed());   // trimmed in the box, before the lookup
        QCOMPARE(t.state(), accepted ? QStringLiteral("Pic3 < N") : QStringLiteral("Pic2 < N"));
        if (accepted)
            return;
        QCOMPARE(t.asked(), QStringLiteral("message:Cannot find the media file:3 open"));
        QCOMPARE(boxWhenAsked, typed.trimmed());
        QVERIFY(t.h.dialogs.asked[0].title.isEmpty());   // the program's title
        const Dialogs::FileRequest r = t.h.dialogs.asked[1].request;
        QVERIFY(r.owner == &z && r.filters.size() == 8 && r.folder.isEmpty());
        QCOMPARE(r.filters[7].description, QStringLiteral("All Files (*.*)"));

        // The dialog names a file; the check waits for the next press; nothing plays.
        t.h.dialogs.texts.enqueue(' ' + t.media.path() + QStringLiteral("/song.wav") + QChar(0));
        z.CmdNext->click();
        QCOMPARE(z.TextMedia->text(), t.media.path() + QStringLiteral("/song.wav"));
        QCOMPARE(t.state(), QStringLiteral("Pic2 < N"));
        QVERIFY(t.h.player->log.isEmpty());
        z.CmdNext->click();
        QCOMPARE(t.state(), QStringLiteral("Pic3 < N"));
    }

    void outputCheck_data()
    {
        QTest::addColumn<QString>("method");
        QTest::newRow("media file") << "Option1";
        QTest::newRow("another application") << "Option2";
        QTest::newRow("URL") << "Option6";
    }
    void outputCheck()
    {
        QFETCH(QString, method);
        Wizard t;
        frmWizard &z = *t.z;
        t.pick(method);
        z.TextMedia->setText(t.makeFile(QStringLiteral("song.wav")));
        while (!z.Pic4->isVisible())
            z.CmdNext->click();
        const QString before = PublicDim::WavFileName;
        z.TextWavFile->setText(QStringLiteral("    "));
        z.CmdNext->click();
        QCOMPARE(t.asked(), QStringLiteral("message:Please input the filename:1 save"));
        const Dialogs::FileRequest r = t.h.dialogs.asked[1].request;
        QVERIFY(r.owner == &z && r.folder == PublicDim::WavFolder);
        QCOMPARE(r.filters[0].description + r.filters[0].patterns, QStringLiteral("Wav Files (*.wav)*.WAV"));
        QVERIFY(z.Pic4->isVisible() && !z.isUnloaded() && z.TextWavFile->text().isEmpty());

        // The dialog's answer gets its ".wav"; the shared name waits for Finish.
        t.h.dialogs.texts.enqueue(QStringLiteral("/rec/a.WaV"));
        z.Command5->click();
        QCOMPARE(z.TextWavFile->text(), QStringLiteral("/rec/a.WaV"));
        t.h.dialogs.texts.enqueue(QStringLiteral("/rec/Take.txt"));
        z.Command5->click();
        QCOMPARE(z.TextWavFile->text(), QStringLiteral("/rec/Take.txt.wav"));
        z.Command5->click();   // cancelled
        QCOMPARE(z.TextWavFile->text(), QStringLiteral("/rec/Take.txt.wav"));
        QCOMPARE(PublicDim::WavFileName, before);
        z.CmdNext->click();
        QVERIFY(z.isUnloaded());
        QCOMPARE(PublicDim::WizardWavFile, QStringLiteral("/rec/Take.txt.wav"));
    }

    void urlCheck_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("seven in blanks") << "   http://   " << false;
        QTest::newRow("eight in blanks") << " http://a " << true;
    }
    void urlCheck()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        Wizard t;
        frmWizard &z = *t.z;
        t.pick(QStringLiteral("Option6"));
        z.CmdNext->click();
        z.TextURL->setText(typed);
        z.CmdNext->setFocus();
        z.CmdNext->click();
        QCOMPARE(z.TextURL->text(), typed.trimmed());
        QCOMPARE(t.state(), accepted ? QStringLiteral("Pic4 < F +check") : QStringLiteral("Pic5 < N"));
        QCOMPARE(t.asked(), accepted ? QString() : QStringLiteral("message:Please input the URL:1"));
        QCOMPARE(z.focusWidget(), accepted ? static_cast<QWidget *>(z.CmdNext) : z.TextURL);
    }

    void cancelOrCloseBox_changeNothing_butAFormatSetMeanwhileStays_data()
    {
        QTest::addColumn<int>("how");   // 0 Cancel, 1 the close box, 2 Escape in a field
        QTest::newRow("Cancel") << 0;
        QTest::newRow("close box") << 1;
        QTest::newRow("Escape") << 2;
    }
    void cancelOrCloseBox_changeNothing_butAFormatSetMeanwhileStays()
    {
        QFETCH(int, how);
        Wizard t;
        frmCapture &w = t.w();
        const CaptureView v(w);
        t.z->close();
        v.Menu_Record->trigger();
        PublicDim::WizardSource = 2;
        PublicDim::WizardWavFile = QStringLiteral("/rec/old.wav");
        PublicDim::WizardURL = QStringLiteral("http://old");
        PublicDim::WizardMediaAction = 3;
        v.Menu_Wizard->trigger();
        QPointer<frmWizard> z = w.wizardWindow();
        QVERIFY(z && z != t.z && !w.isVisible());
        const QString before = wizardVariables();

        z->Option6->setChecked(true);
        z->Option5->setChecked(true);
        z->Check1->setChecked(false);
        z->CmdNext->click();
        z->CmdNext->click();
        QWidget *owner = nullptr;
        FormWAV::runHook = [&](FormWAV &d) {
            owner = d.parentWidget();
            d.M_Smallest->trigger();
            d.cmdOk->click();
            return d.result();
        };
        z->CmdSet->click();
        FormWAV::runHook = nullptr;
        QVERIFY(owner == z);
        QCOMPARE(z->LabelFomartStr->text(), QStringLiteral("WAV 8,000 Hz; Mono; 8 bit"));
        const QString box = v.TextWavFile->text();
        if (how == 2)
            QTest::keyClick(z->TextWavFile, Qt::Key_Escape);
        else
            how == 1 ? void(z->close()) : z->CmdCancel->click();

        QCOMPARE(wizardVariables(), before);
        QVERIFY(w.isVisible() && !w.wizardWindow());
        QCOMPARE(v.LabelFomartStr->text(), QStringLiteral("WAV 8,000 Hz; Mono; 8 bit"));
        QCOMPARE(t.h.file->format, (WaveFormat{8000, 1, 8}));
        QCOMPARE(mode(v), QStringLiteral("R"));
        QCOMPARE(v.TextWavFile->text(), box);
        QVERIFY(v.TextMedia->text().isEmpty() && t.h.player->log.isEmpty());
        QCOMPARE(w.recordingState(), RecordingState::NotRecording);
        QTRY_VERIFY(z.isNull());
    }

    void processWizard_data()
    {
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("wav");
        QTest::addColumn<bool>("recordNow");
        QTest::addColumn<QString>("result");   // mode|TextMedia|TextWavFile|WavFileName|player calls|recording
        const QString old = QStringLiteral("|/m/before.mp3|@|@|");
        QTest::newRow("not accepted") << false << 1 << 1 << "/r/x.wav" << true << "R" + old + "|0";
        QTest::newRow("media, action 1") << true << 1 << 1 << "/r/x.wav" << false
                                         << "PR|/m/song.mp3|/r/x.wav|/r/x.wav|MediaFileName /m/song.mp3,Play|1";
        QTest::newRow("media, action 2") << true << 1 << 2 << "/r/x.wav" << true
                                         << "PR|/m/song.mp3|/r/x.wav|@|MediaFileName /m/song.mp3,Play|0";
        QTest::newRow("media, action 2, no name") << true << 1 << 2 << "" << true
                                                  << "PR|/m/song.mp3|@|@|MediaFileName /m/song.mp3,Play|0";
        QTest::newRow("media, action 3") << true << 1 << 3 << "/r/x.wav" << true
                                         << "PR|/m/song.mp3|/r/x.wav|@|MediaFileName /m/song.mp3,HaltPlayback|0";
        QTest::newRow("application, now") << true << 2 << 1 << "/r/x.wav" << true
                                          << "R|/m/before.mp3|/r/x.wav|/r/x.wav||1";
        QTest::newRow("application, later") << true << 2 << 1 << "/r/x.wav" << false
                                            << "R|/m/before.mp3|/r/x.wav|/r/x.wav||0";
        QTest::newRow("URL, now") << true << 3 << 1 << "/r/x.wav" << true
                                  << "R|http://r/live|/r/x.wav|/r/x.wav|OpenMedia http://r/live|1";
        QTest::newRow("URL, later, no name") << true << 3 << 1 << "" << false
                                             << "R|http://r/live|||OpenMedia http://r/live|0";
    }
    void processWizard()
    {
        QFETCH(bool, accepted);
        QFETCH(int, source);
        QFETCH(int, action);
        QFETCH(QString, wav);
        QFETCH(bool, recordNow);
        QFETCH(QString, result);
        Wizard t;
        frmCapture &w = t.w();
        const CaptureView v(w);
        t.z->close();
        v.Menu_Record->trigger();
        v.TextMedia->setText(QStringLiteral("/m/before.mp3"));
        const QString before = PublicDim::WavFileName;
        PublicDim::WizardAccepted = accepted;
        PublicDim::WizardSource = source;
        PublicDim::WizardMediaFile = QStringLiteral("/m/song.mp3");
        PublicDim::WizardWavFile = wav;
        PublicDim::WizardURL = QStringLiteral("http://r/live");
        PublicDim::WizardMediaAction = action;
        PublicDim::WizardRecordNow = recordNow;
        w.ProcessWizard();
        const bool recording = w.recordingState() != RecordingState::NotRecording;
        const QString got = QStringList{mode(v), v.TextMedia->text(), v.TextWavFile->text(), PublicDim::WavFileName,
                                        t.h.player->log.join(','), QString::number(recording)}
                                .join('|');
        QCOMPARE(got, QString(result).replace('@', before));
        if (recording)
            QCOMPARE(t.h.file->path, wav);
    }

    void menuWizard_whileRecording_stopsTheRecordingFirst()
    {
        Wizard t;
        frmCapture &w = t.w();
        const CaptureView v(w);
        t.z->CmdCancel->click();
        v.TextWavFile->setText(t.h.documents() + QStringLiteral("first.wav"));
        v.CmdStart->click();
        t.h.rec->pending = {QByteArray(16, 'x')};
        runHandler(w, "Menu_Wizard_Click");   // the menu itself is disabled while recording
        QCOMPARE(w.recordingState(), RecordingState::NotRecording);   // finished,
        QVERIFY(t.h.rec->capturing);                                  // monitoring again
        QCOMPARE(t.h.file->all(), QByteArray(16, 'x'));
        QVERIFY(!w.isVisible());
        QVERIFY(w.wizardWindow() && w.wizardWindow() != t.z && w.wizardWindow()->isVisible());
        // It proposes the window's next name, not the take just made.
        QCOMPARE(w.wizardWindow()->TextWavFile->text(), v.TextWavFile->text());
        QCOMPARE(v.TextWavFile->text(), t.h.documents() + QStringLiteral("1.wav"));
    }
};

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"
