#include "base/WindowPlacement.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace {

class FirstShowCentring : public QObject
{
public:
    explicit FirstShowCentring(QWidget &window) : QObject(&window), m_window(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != &m_window)
            return false;
        if (event->type() == QEvent::Show && !m_shown.isValid()) {
            m_shown.start();
            centre();
        } else if (event->type() == QEvent::Move && m_shown.isValid()) {
            // The frame arrives with the window manager's first placement.
            if (m_shown.elapsed() > kFrameWaitMs)
                deleteLater();
            else if (frameMargins() != m_margins) {
                centre();
                deleteLater();
            }
        }
        return false;
    }

private:
    static constexpr int kFrameWaitMs = 3000;

    QSize frameMargins() const { return m_window.frameGeometry().size() - m_window.size(); }

    void centre()
    {
        m_margins = frameMargins();
        QRect frame(QPoint(), m_window.size() + m_margins);
        frame.moveCenter(m_window.screen()->availableGeometry().center());
        m_window.move(frame.topLeft());
    }

    QWidget &m_window;
    QElapsedTimer m_shown;
    QSize m_margins;
};

} // namespace

void centreWhenFirstShown(QWidget &window)
{
    window.installEventFilter(new FirstShowCentring(window));
}
