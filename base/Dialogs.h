#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every modal dialog of the program goes through this one seam: message
// boxes, the one-line input box and the open/save file dialogs. The program
// uses Dialogs::instance(); tests install an answering double with
// Dialogs::setInstance() so that no test ever waits on a real dialog.
class Dialogs
{
public:
    enum class Icon { None, Information, Question, Critical, Warning };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    // One row of a file dialog's filter list, e.g. {"Wav Files (*.wav)", "*.wav"}.
    struct Filter
    {
        QString description;
        QString patterns;   // ";"-separated, e.g. "*.wav;*.mp3"
    };

    struct FileRequest
    {
        QWidget *owner = nullptr;
        QString title;            // empty: the system's default title
        QString folder;           // empty: the system's default starting folder
        QString fileName;         // proposed name
        QList<Filter> filters;
        int selectedFilter = 0;
        // When set, receives the row of `filters` selected when the user
        // answered (a Save dialog whose name was typed without an extension).
        int *chosenFilter = nullptr;
        QString defaultSuffix;    // added when the user types none, e.g. "wav"
    };

    virtual ~Dialogs() = default;

    // title empty: the program's title "Tarvell Recorder".
    virtual Answer messageBox(QWidget *owner, const QString &text, const QString &title, Icon icon,
                              Buttons buttons) = 0;
    // Returns the text entered, or an empty string on Cancel.
    virtual QString inputBox(QWidget *owner, const QString &prompt, const QString &title,
                             const QString &defaultText) = 0;
    // Return the chosen path, or an empty string on Cancel.
    virtual QString openFileName(const FileRequest &request) = 0;
    // Asks nothing about existing files: overwriting is the caller's business.
    virtual QString saveFileName(const FileRequest &request) = 0;

    static Dialogs &instance();
    // Installs a replacement (not owned); nullptr restores the real dialogs.
    static void setInstance(Dialogs *dialogs);

    static QString programTitle() { return QStringLiteral("Tarvell Recorder"); }
};
