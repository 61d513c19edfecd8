// The about window, the help window, Check Update, the product links and the
// skin, on the main window built from doubles.

#include "base/DataFolders.h"
#include "info/FormFlash.h"
#include "info/HelpWindow.h"
#include "info/ProductLinks.h"
#include "info/Skin.h"
#include "recorder/AudioDisplayWidget.h"
#include "base/Settings.h"
#include "support/CaptureHarness.h"

#include <QAction>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace {

const QString SourceHelp = QStringLiteral(TARVELL_SOURCE_DIR "/resources/help/");
const QString SourceSkin = QStringLiteral(TARVELL_SOURCE_DIR "/resources/skin/skin.cjstyles");

void copyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QString &name : QDir(from).entryList(QDir::Files))
        QVERIFY(QFile::copy(from + QLatin1Char('/') + name, to + QLatin1Char('/') + name));
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// What a user would notice of the main window: where it stands and what it says.
QString mainWindowState(frmCapture &w)
{
    const CaptureView v(w);
    return QStringList{w.isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"), w.panelText(1),
                       w.panelText(2), w.panelText(3), v.TextWavFile->text(), v.TextMedia->text(),
                       PublicDim::WavFileName, PublicDim::LastCheckUpdate, QString::number(PublicDim::PreviewIndex),
                       v.Menu_Hep->isEnabled() ? QStringLiteral("help on") : QStringLiteral("help off"),
                       w.hasEnded() ? QStringLiteral("ended") : QStringLiteral("running")}
        .join(QLatin1Char('|'));
}

int openAboutWindows(const QWidget *owner)
{
    int n = 0;
    for (const FormFlash *f : owner->findChildren<FormFlash *>())
        n += f->isVisible();
    return n;
}

} // namespace

class TestInfo : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        FormFlash::setTimerIntervalForTests(0);
        // Windows closed in a test are deleted before the next one starts.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // ------------------------------------------------------------ about

    void about_isOneFramelessTopmostWindowOverTheMainWindow()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.load());
        frmCapture &w = *h.window;
        const CaptureView v(w);

        v.Menu_About->trigger();
        FormFlash *flash = FormFlash::openFor(&w);
        QVERIFY(flash);
        QVERIFY(flash->isVisible());
        QVERIFY(flash->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(flash->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(flash->isWindow());
        QCOMPARE(flash->parentWidget(), &w);   // owned by the main window
        QVERIFY(!flash->isModal());
        QCOMPARE(flash->size(), QSize(416, 228));
        QCOMPARE(flash->windowTitle(), QStringLiteral("Tarvell Recorder"));
        QVERIFY(!flash->windowIcon().isNull());
        QCOMPARE(flash->geometry().center(), flash->screen()->availableGeometry().center());

        // The two white bold labels at the bottom left, whole and inside the picture.
        QCOMPARE(flash->LabelVer->text(), QStringLiteral("Version 5.0"));
        QVERIFY(flash->LabelCopyright->text().startsWith(QStringLiteral("Copyright")));
        for (QLabel *label : {flash->LabelVer, flash->LabelCopyright}) {
            label->ensurePolished();
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
            QVERIFY(label->font().bold());
            QCOMPARE(label->font().pointSizeF(), 8.25);
            QVERIFY(label->width() >= label->sizeHint().width());
            QVERIFY(flash->rect().contains(label->geometry()));
            QVERIFY(label->geometry().left() < flash->width() / 4);
            QVERIFY(label->geometry().top() > flash->height() * 3 / 4);
        }
        QVERIFY(!flash->LabelVer->geometry().intersects(flash->LabelCopyright->geometry()));

        // A second "About" only brings the same window forward.
        v.Menu_About->trigger();
        QCOMPARE(FormFlash::openFor(&w), flash);
        QCOMPARE(openAboutWindows(&w), 1);

        // Closed, the next "About" loads a new window with a new 20 s.
        QPointer<FormFlash> first = flash;
        flash->close();
        QVERIFY(!FormFlash::openFor(&w));
        v.Menu_About->trigger();
        FormFlash *second = FormFlash::openFor(&w);
        QVERIFY(second && second != first.data());
        QCOMPARE(openAboutWindows(&w), 1);
        QCOMPARE(second->Timer1->interval(), FormFlash::DefaultTimerInterval);
        QVERIFY(second->Timer1->isActive());
        QTRY_VERIFY(first.isNull());
        second->close();
    }

    void about_closesItselfAfterItsInterval()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.load());
        FormFlash::setTimerIntervalForTests(300);

        CaptureView(*h.window).Menu_About->trigger();
        QPointer<FormFlash> flash = FormFlash::openFor(h.window.get());
        QVERIFY(flash);
        QCOMPARE(flash->Timer1->interval(), 300);
        QTest::qWait(100);
        QVERIFY(flash && flash->isVisible());   // not before its time
        QTRY_VERIFY_WITH_TIMEOUT(flash.isNull(), 3000);   // closed and unloaded
        QVERIFY(!FormFlash::openFor(h.window.get()));
        QCOMPARE(mainWindowState(*h.window).contains(QStringLiteral("running")), true);
    }

    void about_closesOnAClickOnThePicture_notOnTheLabels()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.load());
        CaptureView(*h.window).Menu_About->trigger();
        QPointer<FormFlash> flash = FormFlash::openFor(h.window.get());
        QVERIFY(flash);

        QTest::mouseClick(flash->LabelVer, Qt::LeftButton);
        QTest::mouseClick(flash->LabelCopyright, Qt::LeftButton, {}, QPoint(5, 5));
        // The same spot given to the window itself is still a label's.
        QTest::mouseClick(flash, Qt::LeftButton, {}, flash->LabelCopyright->geometry().center());
        QVERIFY(flash && flash->isVisible());
        // A right click is no click.
        QTest::mouseClick(flash, Qt::RightButton, {}, QPoint(200, 40));
        QVERIFY(flash && flash->isVisible());
        // Pressed on a label and released on the picture: no click either.
        QTest::mousePress(flash->LabelVer, Qt::LeftButton);
        QTest::mouseRelease(flash, Qt::LeftButton, {}, QPoint(200, 40));
        QVERIFY(flash && flash->isVisible());

        QTest::mouseClick(flash, Qt::LeftButton, {}, QPoint(400, 10));
        QVERIFY(flash.isNull() || !flash->isVisible());
        QVERIFY(!FormFlash::openFor(h.window.get()));
        QTRY_VERIFY(flash.isNull());
    }

    void about_pictureLeavesTheLabelsOnDarkGround()
    {
        // White text needs a dark picture under it.
        QImage picture(416, 228, QImage::Format_ARGB32);
        QPainter p(&picture);
        FormFlash::drawPicture(p, QRectF(0, 0, 416, 228));
        p.end();
        FormFlash flash;
        for (QLabel *label : {flash.LabelVer, flash.LabelCopyright}) {
            const QRect r = label->geometry() & picture.rect();
            for (int y = r.top(); y <= r.bottom(); y += 2)
                for (int x = r.left(); x <= r.right(); x += 2)
                    QVERIFY2(qGray(picture.pixel(x, y)) < 110, qPrintable(label->objectName()));
        }
    }

    // ------------------------------------------------------------ links

    void links_eachItemAndCheckUpdateOpenTheirAddress()
    {
        CaptureHarness h;
        h.writeSettings();
        copyFolder(SourceHelp, h.appFolder() + QStringLiteral("help"));
        QVERIFY(h.load());
        frmCapture &w = *h.window;
        const CaptureView v(w);

        QCOMPARE(v.Menu_MoreItems.size(), int(ProductLinks.size()));
        QStringList expected;
        QSet<QString> seen;
        for (int i = 0; i < v.Menu_MoreItems.size(); ++i) {
            const QString address = QString::fromUtf8(ProductLinks[size_t(i)].address);
            QCOMPARE(v.Menu_MoreItems[i]->text(), QString::fromUtf8(ProductLinks[size_t(i)].caption));
            QVERIFY2(address.startsWith(QStringLiteral("https://")), qPrintable(address));
            QVERIFY2(!seen.contains(address), qPrintable(address));
            seen << address;
            v.Menu_MoreItems[i]->trigger();
            expected << address;
            QCOMPARE(h.shell.opened, expected);
        }

        // Check Update opens the help's page about newer versions, a real
        // local file, and does not touch the date of the last question.
        const QString lastCheck = PublicDim::LastCheckUpdate;
        v.Menu_CheckUpdate->trigger();
        QCOMPARE(h.shell.opened.size(), expected.size() + 1);
        const QString update = h.shell.opened.last();
        QCOMPARE(update, h.appFolder() + QStringLiteral("help/update.html"));
        QCOMPARE(update, UpdatePageUrl());
        QVERIFY(QFileInfo(update).isFile());
        QCOMPARE(PublicDim::LastCheckUpdate, lastCheck);
        QVERIFY(h.dialogs.asked.isEmpty());
    }

    void links_aFailingOpenChangesNothing()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.load());
        frmCapture &w = *h.window;
        const CaptureView v(w);
        h.shell.result = false;
        const QString before = mainWindowState(w);

        for (QAction *item : v.Menu_MoreItems)
            item->trigger();
        v.Menu_CheckUpdate->trigger();

        QCOMPARE(h.shell.opened.size(), v.Menu_MoreItems.size() + 1);
        QCOMPARE(mainWindowState(w), before);
        QVERIFY(h.dialogs.asked.isEmpty());
        QVERIFY(h.endCodes.isEmpty());
    }

    // ------------------------------------------------------------ data folders

    void dataFolders_besideTheProgramFirst_thenTheShareFolder()
    {
        QTemporaryDir prefix;
        const QString bin = prefix.path() + QStringLiteral("/bin");
        const QString share = prefix.path() + QStringLiteral("/share/tarvell-recorder/");
        QDir().mkpath(bin);
        QCOMPARE(DataFolders::candidates(bin), (QStringList{bin + QStringLiteral("/"), share}));
        QCOMPARE(DataFolders::candidates(bin + QStringLiteral("/")), (QStringList{bin + QStringLiteral("/"), share}));
        QVERIFY(DataFolders::candidates(QString()).isEmpty());

        QCOMPARE(DataFolders::locate(QStringLiteral("skin.cjstyles"), bin), QString());
        QCOMPARE(DataFolders::locateOrBeside(QStringLiteral("skin.cjstyles"), bin),
                 bin + QStringLiteral("/skin.cjstyles"));
        writeFile(share + QStringLiteral("skin.cjstyles"), "QPushButton { color: red; }");
        QCOMPARE(DataFolders::locate(QStringLiteral("skin.cjstyles"), bin), share + QStringLiteral("skin.cjstyles"));
        writeFile(bin + QStringLiteral("/skin.cjstyles"), "QPushButton { color: blue; }");
        QCOMPARE(DataFolders::locate(QStringLiteral("skin.cjstyles"), bin), bin + QStringLiteral("/skin.cjstyles"));

        // A folder is found as a folder, a file of the same name is not one.
        QDir().mkpath(share + QStringLiteral("help"));
        QCOMPARE(DataFolders::locate(QStringLiteral("help/"), bin), share + QStringLiteral("help/"));
        QCOMPARE(Help::installedFolder(bin), QString());   // no contents page: no help
        writeFile(share + QStringLiteral("help/index.html"), "<html><title>x</title></html>");
        QCOMPARE(Help::installedFolder(bin), share + QStringLiteral("help/"));

        // Without any help the update page is named beside the program, for
        // the browser to say it is missing.
        QTemporaryDir bare;
        PublicDim::AppFolder = bare.path() + QStringLiteral("/");
        QCOMPARE(UpdatePageUrl(), bare.path() + QStringLiteral("/help/update.html"));
        PublicDim::AppFolder.clear();
    }

    // ------------------------------------------------------------ help

    void contents_opensTheHelpWindowAtTheDefaultTopic()
    {
        CaptureHarness h;
        h.writeSettings();
        copyFolder(SourceHelp, h.appFolder() + QStringLiteral("help"));
        QVERIFY(h.load());
        frmCapture &w = *h.window;
        const CaptureView v(w);

        v.Menu_Contents->trigger();
        HelpWindow *help = HelpWindow::openFor(&w);
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QVERIFY(!help->isModal());
        QCOMPARE(help->parentWidget(), &w);
        const QUrl home = QUrl::fromLocalFile(h.appFolder() + QStringLiteral("help/index.html"));
        QCOMPARE(help->currentTopic(), home);
        QCOMPARE(help->browser()->documentTitle(), QStringLiteral("Contents"));
        QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("Your first recording")));
        QVERIFY(help->windowTitle().contains(QStringLiteral("Tarvell Recorder Help")));
        QVERIFY(!help->BackAction->isEnabled());

        // A link to another page stays in the window; Back returns.
        emit help->browser()->anchorClicked(QUrl(QStringLiteral("formats.html")));
        QCOMPARE(help->currentTopic().fileName(), QStringLiteral("formats.html"));
        QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("10.09")));
        QVERIFY(help->BackAction->isEnabled());
        help->BackAction->trigger();
        QCOMPARE(help->currentTopic(), home);
        QVERIFY(help->ForwardAction->isEnabled());

        // A web address goes to the desktop's browser; the page stays.
        emit help->browser()->anchorClicked(QUrl(QStringLiteral("https://www.audacityteam.org/")));
        QCOMPARE(h.shell.opened, QStringList{QStringLiteral("https://www.audacityteam.org/")});
        QCOMPARE(help->currentTopic(), home);

        // "Contents" again: the same window, back at the default topic.
        emit help->browser()->anchorClicked(QUrl(QStringLiteral("troubleshooting.html")));
        v.Menu_Contents->trigger();
        QCOMPARE(HelpWindow::openFor(&w), help);
        QCOMPARE(w.findChildren<HelpWindow *>().size(), 1);
        QCOMPARE(help->currentTopic(), home);

        // Closed, it unloads; the next "Contents" opens a new one.
        QPointer<HelpWindow> closed = help;
        help->close();
        QVERIFY(!HelpWindow::openFor(&w));
        QTRY_VERIFY(closed.isNull());
        v.Menu_Contents->trigger();
        QVERIFY(HelpWindow::openFor(&w));
        QCOMPARE(HelpWindow::openFor(&w)->currentTopic(), home);
        QVERIFY(h.dialogs.asked.isEmpty());
        HelpWindow::openFor(&w)->close();
    }

    void contents_withoutTheHelpFolder_theProgramGoesOn()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(h.load());
        frmCapture &w = *h.window;
        const CaptureView v(w);
        const QString before = mainWindowState(w);

        v.Menu_Contents->trigger();
        HelpWindow *help = HelpWindow::openFor(&w);
        QVERIFY(help);
        QVERIFY(help->currentTopic().isEmpty());
        QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("missing")));
        QVERIFY(!help->HomeAction->isEnabled());
        QCOMPARE(mainWindowState(w), before);
        QVERIFY(h.dialogs.asked.isEmpty());
        QVERIFY(h.shell.opened.isEmpty());
        QVERIFY(h.endCodes.isEmpty());

        // A help folder without its contents page counts as missing too.
        help->close();
        writeFile(h.appFolder() + QStringLiteral("help/formats.html"), "<html></html>");
        v.Menu_Contents->trigger();
        QVERIFY(HelpWindow::openFor(&w)->currentTopic().isEmpty());
        QCOMPARE(mainWindowState(w), before);
        HelpWindow::openFor(&w)->close();
    }

    void helpPages_linkOnlyToPagesThatExist()
    {
        // Every page is reachable from the contents, and no link or anchor
        // of the help leads nowhere.
        const QDir dir(SourceHelp);
        const QStringList pages = dir.entryList({QStringLiteral("*.html")});
        QVERIFY(pages.contains(QLatin1String(Help::DefaultTopic)));
        QVERIFY(pages.contains(QLatin1String(Help::UpdateTopic)));
        QVERIFY(pages.size() >= 8);

        static const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
        static const QRegularExpression title(QStringLiteral("<title>([^<]+)</title>"));
        QSet<QString> linkedFromContents;
        for (const QString &page : pages) {
            QFile f(dir.filePath(page));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(f.readAll());
            QVERIFY2(title.match(html).hasMatch(), qPrintable(page));
            for (auto it = href.globalMatch(html); it.hasNext();) {
                const QString target = it.next().captured(1);
                if (target.startsWith(QStringLiteral("http")))
                    continue;
                const QString file = target.section(QLatin1Char('#'), 0, 0);
                const QString anchor = target.section(QLatin1Char('#'), 1);
                QVERIFY2(dir.exists(file), qPrintable(page + QStringLiteral(" -> ") + target));
                if (!anchor.isEmpty()) {
                    QFile t(dir.filePath(file));
                    QVERIFY(t.open(QIODevice::ReadOnly));
                    QVERIFY2(t.readAll().contains(QStringLiteral("name=\"%1\"").arg(anchor).toUtf8()),
                             qPrintable(page + QStringLiteral(" -> ") + target));
                }
                if (page == QLatin1String(Help::DefaultTopic))
                    linkedFromContents << file;
            }
        }
        for (const QString &page : pages)
            if (page != QLatin1String(Help::DefaultTopic))
                QVERIFY2(linkedFromContents.contains(page), qPrintable(page));
    }

    // ------------------------------------------------------------ skin

    void skin_changesTheMainWindowsLook()
    {
        CaptureHarness h;
        h.writeSettings();
        QVERIFY(QFile::copy(SourceSkin, h.appFolder() + QStringLiteral("skin.cjstyles")));
        QVERIFY(h.load());
        frmCapture &w = *h.window;
        const CaptureView v(w);
        w.setStyleSheet(QString());   // the look before the skin step
        const QImage plain = v.CmdStart->grab().toImage();

        SkinMainWindow(&w);
        QVERIFY(!w.styleSheet().isEmpty());
        QVERIFY(w.styleSheet().contains(QStringLiteral("QPushButton")));
        QVERIFY(v.CmdStart->grab().toImage() != plain);

        // Its images are looked for beside the skin file.
        QVERIFY(w.styleSheet().contains(QStringLiteral("url(\"%1skin-images/down-arrow.png\")").arg(h.appFolder())));

        // The fixed layout keeps every caption whole in the skinned buttons.
        for (QPushButton *b : w.findChildren<QPushButton *>()) {
            QVERIFY2(b->sizeHint().width() <= b->width(), qPrintable(b->objectName()));
            QVERIFY2(b->sizeHint().height() <= b->height() + 1, qPrintable(b->objectName()));
        }
    }

    void skin_leavesTheLevelDisplayItsOwnLook()
    {
        QWidget window;
        window.resize(440, 140);
        auto *display = new AudioDisplayWidget(&window);
        display->setGeometry(10, 10, 427, 115);
        window.show();
        const QImage before = display->grab().toImage();
        Skin skin;
        QVERIFY(skin.load(SourceSkin));
        QVERIFY(skin.apply(&window));
        QCOMPARE(display->grab().toImage(), before);
    }

    void skin_missingOrBroken_leavesTheNormalLook_data()
    {
        QTest::addColumn<QByteArray>("content");   // empty name: no file at all
        QTest::addColumn<bool>("present");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("only a comment") << QByteArray("/* nothing */\n") << true;
        QByteArray garbage(4096, '\0');
        for (int i = 0; i < garbage.size(); ++i)
            garbage[i] = char((i * 7919 + 13) % 256);
        QTest::newRow("binary garbage") << garbage << true;
        QTest::newRow("unbalanced braces") << QByteArray("QPushButton { color: red; \nQLabel { color: blue; }") << true;
        QTest::newRow("closing brace first") << QByteArray("} QPushButton { color: red; }") << true;
        QTest::newRow("unterminated comment") << QByteArray("QPushButton { color: red; } /* ...") << true;
        QTest::newRow("unterminated string") << QByteArray("QPushButton { font-family: \"Tahoma; }") << true;
        QTest::newRow("no rule at all") << QByteArray("<html><body>skin</body></html>") << true;
        QTest::newRow("a rule Qt cannot parse") << QByteArray("QPushButton { color: red; ] }") << true;
        QTest::newRow("not UTF-8") << QByteArray("QPushButton { color: red; } /* \xff\xfe */") << true;
    }

    void skin_missingOrBroken_leavesTheNormalLook()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, present);
        CaptureHarness h;
        h.writeSettings();
        if (present)
            writeFile(h.appFolder() + QStringLiteral("skin.cjstyles"), content);
        QVERIFY(h.load());
        frmCapture &w = *h.window;
        const CaptureView v(w);
        w.setStyleSheet(QString());
        const QImage plain = v.CmdStart->grab().toImage();
        const QString before = mainWindowState(w);

        SkinMainWindow(&w);
        QVERIFY(w.styleSheet().isEmpty());
        QCOMPARE(v.CmdStart->grab().toImage(), plain);
        QCOMPARE(mainWindowState(w), before);

        Skin skin;
        QVERIFY(!skin.load(h.appFolder() + QStringLiteral("skin.cjstyles")));
        QVERIFY(!skin.isLoaded());
        QVERIFY(!skin.apply(&w));
        QVERIFY(w.styleSheet().isEmpty());
    }

    void skin_shippedSheetParses()
    {
        QFile f(SourceSkin);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QString sheet = QString::fromUtf8(f.readAll());
        QVERIFY(Skin::isStyleSheet(sheet));
        sheet.remove(QRegularExpression(QStringLiteral("/\\*.*?\\*/"), QRegularExpression::DotMatchesEverythingOption));
        // No rule for plain QWidget: the level display and the video keep their looks.
        static const QRegularExpression plainWidget(QStringLiteral("(^|[\\s,}])QWidget\\s*[{,:]"));
        QVERIFY(!plainWidget.match(sheet).hasMatch());
        // The layout is made for an 8 pt font: the skin sets no font size.
        QVERIFY(!sheet.contains(QStringLiteral("font-size")));
        QVERIFY(!sheet.contains(QStringLiteral("font:")));
    }
};

QTEST_MAIN(TestInfo)
#include "tst_info.moc"
