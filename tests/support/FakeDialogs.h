#pragma once

#include "base/Dialogs.h"
#include "base/Shell.h"

#include <QList>
#include <QQueue>
#include <functional>

// Answers every dialog of the program from a script and records what was
// asked. Installed for its lifetime.
class FakeDialogs : public Dialogs
{
public:
    struct Asked
    {
        QString kind;      // "message", "input", "open", "save"
        QString text;      // message text or input prompt
        QString title;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        FileRequest request;
    };

    FakeDialogs() { Dialogs::setInstance(this); }
    ~FakeDialogs() override { Dialogs::setInstance(nullptr); }

    QList<Asked> asked;
    QQueue<Answer> answers;          // for message boxes; default Ok / No
    QQueue<QString> texts;           // for input boxes and file dialogs; default "" (Cancel)
    std::function<void()> onAsk;     // runs inside each dialog, e.g. to check state

    Answer messageBox(QWidget *, const QString &text, const QString &title, Icon icon, Buttons buttons) override
    {
        asked.append({QStringLiteral("message"), text, title, icon, buttons, {}});
        if (onAsk)
            onAsk();
        if (!answers.isEmpty())
            return answers.dequeue();
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }
    QString inputBox(QWidget *, const QString &prompt, const QString &title, const QString &defaultText) override
    {
        asked.append({QStringLiteral("input"), prompt, title, Icon::None, Buttons::Ok, {}});
        asked.last().request.fileName = defaultText;
        if (onAsk)
            onAsk();
        return texts.isEmpty() ? QString() : texts.dequeue();
    }
    QString openFileName(const FileRequest &r) override { return file(QStringLiteral("open"), r); }
    QString saveFileName(const FileRequest &r) override { return file(QStringLiteral("save"), r); }

    int count(const QString &kind) const
    {
        int n = 0;
        for (const auto &a : asked)
            n += a.kind == kind;
        return n;
    }

private:
    QString file(const QString &kind, const FileRequest &r)
    {
        asked.append({kind, {}, r.title, Icon::None, Buttons::Ok, r});
        if (onAsk)
            onAsk();
        return texts.isEmpty() ? QString() : texts.dequeue();
    }
};

// Records every address handed to the desktop; answers with `result`.
class FakeShell : public Shell
{
public:
    FakeShell() { Shell::setInstance(this); }
    ~FakeShell() override { Shell::setInstance(nullptr); }
    QStringList opened;
    bool result = true;
    bool open(const QString &address) override
    {
        opened << address;
        return result;
    }
};
