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

QString marks(const CaptureView &v)
{
    return QString::number(v.Menu_PR->isChecked()) + QString::number(v.Menu_Record->isChecked())
           + QString::number(v.Menu_Play->isChecked());
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

    void optionsItems_toggleTheirFlags()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.loadPastWizard());
        frmCapture &w = *h.window;
        const CaptureView v(w);
        QVERIFY(PublicDim::AutoStartRecord && v.Menu_StartR->isChecked());
        v.Menu_StartR->trigger();
        QVERIFY(!PublicDim::AutoStartRecord);
        QVERIFY(!v.Menu_StartR->isChecked());
        runHandler(w, "Menu_StartR_Click");   // the handler alone, without the action's own toggle
        QVERIFY(PublicDim::AutoStartRecord && v.Menu_StartR->isChecked());
        v.Menu_StopR->trigger();
        v.Menu_StopR->trigger();
        QVERIFY(PublicDim::AutoStopRecord && v.Menu_StopR->isChecked());
    }
};

QTEST_MAIN(TestWindowModes)
#include "tst_windowmodes.moc"
