#include "shell/ConsoleKeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>

namespace {

class ConsoleKeys : public QObject
{
public:
    explicit ConsoleKeys(QWidget &window) : QObject(&window), m_window(window) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool override = event->type() == QEvent::ShortcutOverride;
        if (!override && event->type() != QEvent::KeyPress)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || widget->window() != &m_window)
            return false;   // other windows, dialogs and open menus keep their keys
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;

        if (key->key() == Qt::Key_F10 && modifiers == Qt::NoModifier) {
            if (!override)
                openFirstMenu();
            return !override;
        }
        if (modifiers != Qt::AltModifier)
            return false;
        const char *name = key->key() == Qt::Key_R ? "CmdStart" : key->key() == Qt::Key_T ? "CmdSet" : nullptr;
        auto *button = name ? m_window.findChild<QPushButton *>(QLatin1String(name)) : nullptr;
        if (!button)
            return false;
        if (override) {
            // Taken from the shortcut map, so that it comes here as a key press.
            event->accept();
            return true;
        }
        if (button->isEnabled() && button->isVisible() && !key->isAutoRepeat())
            button->click();
        return true;
    }

private:
    void openFirstMenu()
    {
        auto *bar = m_window.findChild<QMenuBar *>(QString(), Qt::FindDirectChildrenOnly);
        if (!bar)
            return;
        for (QAction *menu : bar->actions()) {
            if (menu->isEnabled() && menu->isVisible() && !menu->isSeparator()) {
                bar->setActiveAction(menu);
                return;
            }
        }
    }

    QWidget &m_window;
};

} // namespace

void installConsoleKeys(QWidget &window)
{
    new ConsoleKeys(window);
}
