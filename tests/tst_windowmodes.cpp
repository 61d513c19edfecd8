// The three window layouts, the Options check items, the titles, the main
// window's place and its keyboard, on doubles.

#include "media/FrmPlayWav.h"
#include "recorder/FormWAV.h"
#include "resources/CaptureLayout.h"
#include "shell/ProgramIdentity.h"
#include "support/CaptureHarness.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

namespace {

// The height of the client area (everything below the menu bar), in pixels.
int clientHeight(frmCapture &w)
{
    return w.centralWidget()->height() + w.statusBar()->height();
}

QString marks(const CaptureView &v)
{
    return QString::number(v.Menu_PR->isChecked()) + QString::number(v.Menu_Record->isChecked())
           + QString::number(v.Menu_Play->isChecked());
}

// The title a desktop shows: Qt adds the application's display name, when the
// program sets one, to every window title that does not end with it.
QString shownTitle(const QWidget &w)
{
    const QString title = w.windowTitle();
    const QString name = QGuiApplication::applicationDisplayName();
    if (name == QGuiApplication::applicationName() || title.endsWith(name))
        return title;
    return title.isEmpty() ? name : title + QStringLiteral(" \u2014 ") + name;
}

// The title of a message box through the program's real dialogs.
QString messageBoxTitle(QWidget *owner, const QString &title)
{
    QString shown;
    QTimer::singleShot(0, [&] {
        shown = shownTitle(*QApplication::activeModalWidget());
        QApplication::activeModalWidget()->close();
    });
    Dialogs *answering = &Dialogs::instance();
    Dialogs::setInstance(nullptr);
    Dialogs::instance().messageBox(owner, QStringLiteral("Text"), title, Dialogs::Icon::Critical, Dialogs::Buttons::Ok);
    Dialogs::setInstance(answering);
    return shown;
}

} // namespace

class TestWindowModes : public QObject
{
    Q_OBJECT

private slots:
    void modes_setHeightFramesAndMarks()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        frmCapture &w = *h.window;
        const CaptureView v(w);
        // The stored layout: both frames, client area 6660 twips high.
        QCOMPARE(marks(v), QStringLiteral("100"));
        QCOMPARE(clientHeight(w), 444);
        QCOMPARE(w.width(), 457);

        // Play, then Record: the player frame hides, the recorder moves up to 75.
        v.Menu_Play->trigger();
        QCOMPARE(marks(v), QStringLiteral("001"));
        QCOMPARE(clientHeight(w), Twips::px(3120 - 780));
        QVERIFY(v.Frame1->isVisible());
        QVERIFY(!v.Frame2->isVisible());
        QCOMPARE(v.Frame2->y(), Twips::px(1995));   // not moved
        QVERIFY(v.Frame1->geometry().bottom() < w.statusBar()->geometry().top());

        v.Menu_Record->trigger();
        QCOMPARE(marks(v), QStringLiteral("010"));
        QCOMPARE(clientHeight(w), Twips::px(5545 - 780));
        QVERIFY(!v.Frame1->isVisible());
        QVERIFY(v.Frame2->isVisible());
        QCOMPARE(v.Frame2->y(), Twips::px(75));
        QVERIFY(v.Frame2->geometry().bottom() < w.statusBar()->geometry().top() + w.centralWidget()->y());

        // Record, then Play & Record: the recorder returns below the player.
        v.Menu_PR->trigger();
        QCOMPARE(marks(v), QStringLiteral("100"));
        QCOMPARE(clientHeight(w), 444);
        QVERIFY(v.Frame1->isVisible() && v.Frame2->isVisible());
        QCOMPARE(v.Frame2->y(), Twips::px(1995));
        // Choosing the current mode again changes nothing.
        v.Menu_PR->trigger();
        QCOMPARE(marks(v), QStringLiteral("100"));
        QCOMPARE(w.width(), 457);   // the width never changes

        // No layout change while a recording runs.
        v.CmdStart->click();
        QVERIFY(!v.Menu_Mode->isEnabled());
        v.CmdStop->click();
        QVERIFY(v.Menu_Mode->isEnabled());
    }

    void optionsItems_startUncheckedEveryTime_andToggle()
    {
        CaptureHarness h;
        h.writeSettings();
        for (int start = 0; start < 2; ++start) {
            QVERIFY(h.loadPastWizard());
            frmCapture &w = *h.window;
            const CaptureView v(w);
            QVERIFY(v.Menu_Options->isEnabled());
            QVERIFY(!v.Menu_StartR->isChecked() && !v.Menu_StopR->isChecked());
            QVERIFY(!PublicDim::AutoStartRecord && !PublicDim::AutoStopRecord);
            v.Menu_StartR->trigger();
            QVERIFY(PublicDim::AutoStartRecord && v.Menu_StartR->isChecked());
            runHandler(w, "Menu_StartR_Click");   // the handler alone, without the action's own toggle
            QVERIFY(!PublicDim::AutoStartRecord && !v.Menu_StartR->isChecked());
            v.Menu_StartR->trigger();
            v.Menu_StopR->trigger();
            QVERIFY(PublicDim::AutoStopRecord && v.Menu_StopR->isChecked());
            // The display's style from the keyboard: the next one, wrapping after the last.
            const int style = h.display->style;
            QVERIFY(QTest::qWaitForWindowActive(&w));
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w, Qt::Key_L,
                            Qt::ControlModifier);
            QCOMPARE(h.display->style, (style + 1) % PublicDim::PreviewStyleCount);
            w.close();   // saves the settings; the next start has both off again
            h.window.reset();
        }
        QFile ini(h.appFolder() + QStringLiteral("setting.ini"));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QStringList keys;
        for (const QByteArray &line : ini.readAll().split('\n'))
            if (line.contains('='))
                keys << QString::fromLatin1(line.left(line.indexOf('=')));
        QCOMPARE(keys, (QStringList{QStringLiteral("WAVFreq"), QStringLiteral("WAVChannel"), QStringLiteral("WAVBit"),
                                    QStringLiteral("PreviewIndex"), QStringLiteral("LastCheckUpdate"),
                                    QStringLiteral("FileType"), QStringLiteral("Quality"),
                                    QStringLiteral("SourceDevice"), QStringLiteral("SourceLine")}));
    }

    void titles_areTheWindowsOwn()
    {
        setProgramIdentity();   // as the program starts
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        frmCapture &w = *h.window;
        QCOMPARE(shownTitle(w), QStringLiteral("Tarvell Recorder"));

        QString formTitle;
        FormWAV::runHook = [&](FormWAV &d) {
            formTitle = shownTitle(d);
            return int(QDialog::Rejected);
        };
        CaptureView(w).CmdSet->click();
        FormWAV::runHook = nullptr;
        QCOMPARE(formTitle, QStringLiteral("WAV Option"));

        runHandler(w, "CmdPlay_Click");
        QCOMPARE(shownTitle(*w.playWavWindow()), QStringLiteral("Wav Player"));
        w.playWavWindow()->close();

        QCOMPARE(messageBoxTitle(&w, QStringLiteral("Error")), QStringLiteral("Error"));
        QCOMPARE(messageBoxTitle(&w, QString()), QStringLiteral("Tarvell Recorder"));
    }

    void mainWindow_opensCentredOnTheScreen()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.loadPastWizard());   // the window first shows when the wizard closes
        frmCapture &w = *h.window;
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QPoint off = w.frameGeometry().center() - w.screen()->availableGeometry().center();
        QVERIFY2(std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1,
                 qPrintable(QStringLiteral("%1, %2 off the centre").arg(off.x()).arg(off.y())));
    }

    void keys_recordAndSetGoToTheConsole_F10OpensTheMenus()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        frmCapture &w = *h.window;
        const CaptureView v(w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        int formatDialogs = 0;
        FormWAV::runHook = [&](FormWAV &) {
            ++formatDialogs;
            return int(QDialog::Rejected);
        };
        v.TextWavFile->setFocus();
        auto alt = [&](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier); };

        alt(Qt::Key_R);
        QCOMPARE(w.recordingState(), RecordingState::Recording);
        alt(Qt::Key_T);   // "Se&t" is off while recording: nothing, not "More &Tools..."
        v.CmdPause->click();
        alt(Qt::Key_R);
        QCOMPARE(w.recordingState(), RecordingState::Recording);   // resumed
        v.CmdStop->click();
        alt(Qt::Key_T);
        FormWAV::runHook = nullptr;
        QCOMPARE(formatDialogs, 1);
        QVERIFY(!QApplication::activePopupWidget());
        QCOMPARE(h.dialogs.count(QStringLiteral("open")), 0);   // the media's Browse never ran
        alt(Qt::Key_O);   // "Br&owse...": a key of its own
        QTRY_COMPARE(h.dialogs.count(QStringLiteral("open")), 1);
        QCOMPARE(w.recordingState(), RecordingState::NotRecording);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F10);
        QTRY_COMPARE(QApplication::activePopupWidget(), v.Menu_File);
        v.Menu_File->close();
    }
};

QTEST_MAIN(TestWindowModes)
#include "tst_windowmodes.moc"
