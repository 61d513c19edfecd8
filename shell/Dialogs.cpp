#include "shell/Dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

// Qt reads a filter's patterns from the parentheses at its end, separated by
// spaces. A description that already ends in its own patterns keeps them there;
// any other gets them appended.
QString filterString(const QList<Dialogs::Filter> &filters)
{
    QStringList parts;
    for (const auto &f : filters) {
        QString patterns = f.patterns;
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        QString description = f.description;
        const QString ownSuffix = QStringLiteral("(%1)").arg(f.patterns);
        if (description.endsWith(ownSuffix))
            description.chop(ownSuffix.size());
        parts << QStringLiteral("%1 (%2)").arg(description.trimmed(), patterns);
    }
    return parts.join(QStringLiteral(";;"));
}

class QtDialogs : public Dialogs
{
public:
    Answer messageBox(QWidget *owner, const QString &text, const QString &title, Icon icon, Buttons buttons) override
    {
        QMessageBox box(owner);
        box.setWindowTitle(title.isEmpty() ? programTitle() : title);
        box.setText(text);
        switch (icon) {
        case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
        case Icon::Information: box.setIcon(QMessageBox::Information); break;
        case Icon::Question: box.setIcon(QMessageBox::Question); break;
        case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
        }
        if (buttons == Buttons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return Answer::Ok;
    }

    QString inputBox(QWidget *owner, const QString &prompt, const QString &title, const QString &defaultText) override
    {
        bool ok = false;
        const QString text = QInputDialog::getText(owner, title.isEmpty() ? programTitle() : title, prompt,
                                                   QLineEdit::Normal, defaultText, &ok);
        return ok ? text : QString();
    }

    QString openFileName(const FileRequest &r) override { return run(r, QFileDialog::AcceptOpen); }
    QString saveFileName(const FileRequest &r) override { return run(r, QFileDialog::AcceptSave); }

private:
    static QString run(const FileRequest &r, QFileDialog::AcceptMode mode)
    {
        QFileDialog dialog(r.owner, r.title, r.folder);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        const QString filters = filterString(r.filters);
        if (!filters.isEmpty()) {
            dialog.setNameFilter(filters);
            const QStringList list = filters.split(QStringLiteral(";;"));
            if (r.selectedFilter >= 0 && r.selectedFilter < list.size())
                dialog.selectNameFilter(list[r.selectedFilter]);
        }
        if (!r.defaultSuffix.isEmpty())
            dialog.setDefaultSuffix(r.defaultSuffix);
        if (!r.fileName.isEmpty())
            dialog.selectFile(r.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }
};

Dialogs *g_override = nullptr;

} // namespace

Dialogs &Dialogs::instance()
{
    static QtDialogs real;
    return g_override ? *g_override : real;
}

void Dialogs::setInstance(Dialogs *dialogs)
{
    g_override = dialogs;
}
