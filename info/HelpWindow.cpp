#include "info/HelpWindow.h"

#include "base/PublicDim.h"
#include "base/Settings.h"
#include "base/Shell.h"
#include "base/SkipOnError.h"
#include "base/DataFolders.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>

#include <algorithm>

namespace Help {

QString installedFolder(const QString &programFolder)
{
    const QString found = DataFolders::locate(QStringLiteral("help/"), programFolder);
    // A folder without its contents page is no help.
    return QFileInfo(found + QLatin1String(DefaultTopic)).isFile() ? found : QString();
}

QString topicPath(const QString &page, const QString &programFolder)
{
    const QString help = installedFolder(programFolder);
    if (!help.isEmpty())
        return help + page;
    return DataFolders::locateOrBeside(QStringLiteral("help/") + page, programFolder);
}

} // namespace Help

QString UpdatePageUrl()
{
    return Help::topicPath(QLatin1String(Help::UpdateTopic), PublicDim::AppFolder);
}

namespace {

QString windowTitleText()
{
    return QCoreApplication::translate("HelpWindow", "Tarvell Recorder Help");
}

QString missingHelpNotice()
{
    return QCoreApplication::translate("HelpWindow", "<h2>The help pages are missing</h2>"
        "<p>Tarvell Recorder could not find its help pages. They belong in the folder "
        "<b>help</b> beside the program, or, for an installed program, in "
        "<b>share/tarvell-recorder/help</b> of the folder it was installed into.</p>"
        "<p>Installing the program again puts them back. Everything else works without them.</p>");
}

bool isHelpPage(const QUrl &url)
{
    if (!url.isLocalFile())
        return false;
    const QString path = url.toLocalFile();
    return path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive)
           || path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive);
}

} // namespace

HelpWindow::HelpWindow(const QString &helpFolder, QWidget *owner)
    : QMainWindow(owner, Qt::Window), m_folder(helpFolder)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(windowTitleText());
    PublicDim::SetFormIcon(this);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    // Every link goes through followLink: pages of the help stay here,
    // anything else goes to the desktop.
    m_browser->setOpenLinks(false);
    m_browser->setFrameShape(QFrame::NoFrame);
    if (!m_folder.isEmpty())
        m_browser->setSearchPaths({m_folder});
    setCentralWidget(m_browser);

    auto *tools = addToolBar(tr("Navigation"));
    tools->setObjectName(QStringLiteral("HelpTools"));
    tools->setMovable(false);
    tools->setFloatable(false);
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // The desktop's icons where it has a theme; the arrows of the style
    // otherwise, and no picture for Contents rather than a folder.
    const QIcon back = QIcon::fromTheme(QStringLiteral("go-previous"), style()->standardIcon(QStyle::SP_ArrowBack));
    const QIcon forward = QIcon::fromTheme(QStringLiteral("go-next"), style()->standardIcon(QStyle::SP_ArrowForward));
    BackAction = tools->addAction(back, tr("&Back"), m_browser, &QTextBrowser::backward);
    BackAction->setShortcut(QKeySequence::Back);
    ForwardAction = tools->addAction(forward, tr("&Forward"), m_browser, &QTextBrowser::forward);
    ForwardAction->setShortcut(QKeySequence::Forward);
    HomeAction = tools->addAction(QIcon::fromTheme(QStringLiteral("go-home")), tr("&Contents"), this,
                                  &HelpWindow::goHome);
    HomeAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
    BackAction->setEnabled(false);
    ForwardAction->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, BackAction, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, ForwardAction, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::showTitle);
    HomeAction->setEnabled(!m_folder.isEmpty());

    resize(760, 560);
    goHome();
}

HelpWindow *HelpWindow::openFor(const QWidget *owner)
{
    if (!owner)
        return nullptr;
    // A closed window is hidden at once and deleted a moment later.
    for (HelpWindow *w : owner->findChildren<HelpWindow *>(QString(), Qt::FindDirectChildrenOnly))
        if (!w->isHidden())
            return w;
    return nullptr;
}

HelpWindow *HelpWindow::showContents(QWidget *owner, const QString &programFolder)
{
    HelpWindow *window = openFor(owner);
    if (window) {
        window->goHome();
    } else {
        window = new HelpWindow(Help::installedFolder(programFolder), owner);
        // Over the middle of the owner, inside its screen.
        if (owner) {
            QRect frame = window->frameGeometry();
            frame.moveCenter(owner->frameGeometry().center());
            if (const QScreen *screen = owner->screen()) {
                const QRect area = screen->availableGeometry();
                const int right = std::max(area.left(), area.right() - frame.width());
                const int bottom = std::max(area.top(), area.bottom() - frame.height());
                frame.moveLeft(std::clamp(frame.left(), area.left(), right));
                frame.moveTop(std::clamp(frame.top(), area.top(), bottom));
            }
            window->move(frame.topLeft());
        }
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void HelpWindow::goHome()
{
    if (m_folder.isEmpty()) {
        m_browser->setHtml(missingHelpNotice());
        showTitle();
        return;
    }
    m_browser->setSource(QUrl::fromLocalFile(m_folder + QLatin1String(Help::DefaultTopic)));
}

QUrl HelpWindow::currentTopic() const
{
    return m_browser->source();
}

void HelpWindow::followLink(const QUrl &link)
{
    const QUrl target = m_browser->source().resolved(link);
    if (isHelpPage(target)) {
        m_browser->setSource(target);
        return;
    }
    // Web pages, mail addresses, files of other kinds: the desktop opens them.
    skipOnError([&] { Shell::instance().open(target.isLocalFile() ? target.toLocalFile() : target.toString()); });
}

void HelpWindow::showTitle()
{
    const QString page = m_browser->documentTitle();
    setWindowTitle(page.isEmpty() ? windowTitleText() : page + QStringLiteral(" - ") + windowTitleText());
}
