#include "base/Dialogs.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>

namespace {

// Qt reads a filter's patterns from the parentheses at its end, separated by
// spaces, and matches them without regard to case. A description that already
// ends in its own patterns is shown as it is; any other gets them appended.
QString filterString(const QList<Dialogs::Filter> &filters)
{
    QStringList parts;
    for (const auto &f : filters) {
        QString patterns = f.patterns;
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString ownSuffix = QStringLiteral("(%1)").arg(f.patterns);
        if (f.description.endsWith(ownSuffix, Qt::CaseInsensitive)) {
            const qsizetype at = f.description.size() - ownSuffix.size();
            QString inner = f.description.mid(at + 1, ownSuffix.size() - 2);
            inner.replace(QLatin1Char(';'), QLatin1Char(' '));
            parts << f.description.left(at) + QLatin1Char('(') + inner + QLatin1Char(')');
        } else {
            parts << QStringLiteral("%1 (%2)").arg(f.description, patterns);
        }
    }
    return parts.join(QStringLiteral(";;"));
}

// A window manager cuts a title wider than the window ("Tarvel…corder"), and
// a message box is only as wide as its text. The width a title needs: its
// text in the title bar's (usually bolder) font, and room for the window's
// buttons at the right.
int titleWidth(const QWidget &window, const QString &title)
{
    QFont font = window.font();
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 6 * metrics.height() + 24;
}

class QtDialogs : public Dialogs
{
public:
    Answer messageBox(QWidget *owner, const QString &text, const QString &title, Icon icon, Buttons buttons) override
    {
        QMessageBox box(owner);
        box.setWindowTitle(title.isEmpty() ? programTitle() : title);
        box.setText(text);
        // QMessageBox fixes its own size from its contents; a spacer in its
        // grid is the way to make it wider.
        if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
            grid->addItem(new QSpacerItem(titleWidth(box, box.windowTitle()), 0, QSizePolicy::Minimum,
                                          QSizePolicy::Fixed),
                          grid->rowCount(), 0, 1, grid->columnCount());
        switch (icon) {
        case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
        case Icon::Information: box.setIcon(QMessageBox::Information); break;
        case Icon::Question: box.setIcon(QMessageBox::Question); break;
        case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
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
        if (r.chosenFilter && !filters.isEmpty()) {
            const qsizetype row = filters.split(QStringLiteral(";;")).indexOf(dialog.selectedNameFilter());
            if (row >= 0)
                *r.chosenFilter = int(row);
        }
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
