// The three window layouts and the Options check items, on doubles.

#include "resources/CaptureLayout.h"
#include "support/CaptureHarness.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

namespace {

// The height of the client area (everything below the menu bar), in pixels.
int clientHeight(frmCapture &w)
{
    return w.centralWidget()->height() + w.statusBar()->height();
}

QString marks(frmCapture &w)
{
    return QString::number(w.Menu_PR->isChecked()) + QString::number(w.Menu_Record->isChecked())
           + QString::number(w.Menu_Play->isChecked());
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
        // The stored layout: both frames, client area 6660 twips high.
        QCOMPARE(marks(w), QStringLiteral("100"));
        QCOMPARE(clientHeight(w), 444);
        QCOMPARE(w.width(), 457);

        // Play, then Record: the player frame hides, the recorder moves up to 75.
        w.Menu_Play->trigger();
        QCOMPARE(marks(w), QStringLiteral("001"));
        QCOMPARE(clientHeight(w), Twips::px(3120 - 780));
        QVERIFY(w.Frame1->isVisible());
        QVERIFY(!w.Frame2->isVisible());
        QCOMPARE(w.Frame2->y(), Twips::px(1995));   // not moved
        QVERIFY(w.Frame1->geometry().bottom() < w.statusBar()->geometry().top());

        w.Menu_Record->trigger();
        QCOMPARE(marks(w), QStringLiteral("010"));
        QCOMPARE(clientHeight(w), Twips::px(5545 - 780));
        QVERIFY(!w.Frame1->isVisible());
        QVERIFY(w.Frame2->isVisible());
        QCOMPARE(w.Frame2->y(), Twips::px(75));
        QVERIFY(w.Frame2->geometry().bottom() < w.statusBar()->geometry().top() + w.centralWidget()->y());

        // Record, then Play & Record: the recorder returns below the player.
        w.Menu_PR->trigger();
        QCOMPARE(marks(w), QStringLiteral("100"));
        QCOMPARE(clientHeight(w), 444);
        QVERIFY(w.Frame1->isVisible() && w.Frame2->isVisible());
        QCOMPARE(w.Frame2->y(), Twips::px(1995));
        // Choosing the current mode again changes nothing.
        w.Menu_PR->trigger();
        QCOMPARE(marks(w), QStringLiteral("100"));
        QCOMPARE(w.width(), 457);   // the width never changes

        // No layout change while a recording runs.
        w.CmdStart->click();
        QVERIFY(!w.Menu_Mode->isEnabled());
        w.CmdStop->click();
        QVERIFY(w.Menu_Mode->isEnabled());
    }

    void optionsItems_toggleTheirFlags()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        frmCapture &w = *h.window;
        QVERIFY(PublicDim::AutoStartRecord && w.Menu_StartR->isChecked());
        w.Menu_StartR->trigger();
        QVERIFY(!PublicDim::AutoStartRecord);
        QVERIFY(!w.Menu_StartR->isChecked());
        w.Menu_StartR_Click();
        QVERIFY(PublicDim::AutoStartRecord && w.Menu_StartR->isChecked());
        w.Menu_StopR->trigger();
        w.Menu_StopR->trigger();
        QVERIFY(PublicDim::AutoStopRecord && w.Menu_StopR->isChecked());
    }
};

QTEST_MAIN(TestWindowModes)
#include "tst_windowmodes.moc"
