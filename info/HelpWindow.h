#pragma once

#include <QMainWindow>
#include <QString>
#include <QUrl>

class QAction;
class QTextBrowser;

// The program's help: HTML pages in the folder "help", found beside the
// program or in its share folder (base/DataFolders).
namespace Help {

inline constexpr char DefaultTopic[] = "index.html";
inline constexpr char UpdateTopic[] = "update.html";

// The help folder of a program in programFolder, ending in "/"; empty when
// there is none.
QString installedFolder(const QString &programFolder);

// The full path of one page, or where it would be beside the program when
// the help is missing.
QString topicPath(const QString &page, const QString &programFolder);

} // namespace Help

// The help viewer: one page at a time with Back, Forward and Contents (the
// default topic). Modeless, owned by the window it was opened from, one per
// owner; it unloads itself when closed. Links to other sites go to the
// desktop's browser.
class HelpWindow : public QMainWindow
{
    Q_OBJECT
public:
    // helpFolder as Help::installedFolder() gives it; empty shows a short notice.
    HelpWindow(const QString &helpFolder, QWidget *owner);

    // "Contents": the owner's help window at the default topic, opened or
    // brought forward.
    static HelpWindow *showContents(QWidget *owner, const QString &programFolder);
    // The owner's open help window, if any.
    static HelpWindow *openFor(const QWidget *owner);

    // Back to the default topic (or the notice when there is no help).
    void goHome();
    QUrl currentTopic() const;
    QTextBrowser *browser() const { return m_browser; }

    QAction *BackAction = nullptr;
    QAction *ForwardAction = nullptr;
    QAction *HomeAction = nullptr;

private:
    void followLink(const QUrl &link);
    void showTitle();

    QString m_folder;
    QTextBrowser *m_browser = nullptr;
};
