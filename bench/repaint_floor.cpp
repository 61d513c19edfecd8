// What Qt itself costs for a window that repaints part of itself 25 times a
// second and does nothing else: the floor under any window with a moving
// level display. A window of the main window's size fills a rectangle of the
// level display's size with another shade in every frame, so that every
// frame reaches the X server as the display's does.
//
//   repaint_floor [WIDTH HEIGHT]      (the rectangle; default 427 115)

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class Floor : public QWidget
{
public:
    explicit Floor(const QRect &moving) : m_moving(moving)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setWindowTitle(QStringLiteral("repaint floor"));
        resize(457, 461);
    }
    void step()
    {
        ++m_frame;
        update(m_moving);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(0x15, 0x1a, 0x20));
        p.fillRect(m_moving, QColor(0x15 + m_frame % 8, 0x1a, 0x20));
        // A bar that moves, as a meter's does.
        const QRect bar(m_moving.topLeft() + QPoint(5, 12), QSize(20 + m_frame * 37 % 380, 20));
        p.fillRect(bar & m_moving, QColor(0x3c, 0xc7, 0x5c));
    }

private:
    QRect m_moving;
    int m_frame = 0;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QSize size = args.size() >= 3 ? QSize(args[1].toInt(), args[2].toInt()) : QSize(427, 115);
    Floor floor(QRect(QPoint(15, 318), size));
    floor.show();
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &floor, &Floor::step);
    tick.start(40);
    return app.exec();
}
