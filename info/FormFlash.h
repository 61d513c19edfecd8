#pragma once

#include <QWidget>

class QLabel;
class QPainter;
class QRectF;
class QTimer;

// The about window: a borderless picture with the version and the copyright
// line, above every other window, centred on the screen. It closes itself on
// a click on the picture (not on the two labels) or after 20 seconds, and
// unloads when closed, so each opening starts afresh.
class FormFlash : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 6240;    // twips
    static constexpr int ClientHeight = 3420;
    static constexpr int DefaultTimerInterval = 20000;   // ms

    explicit FormFlash(QWidget *owner = nullptr);

    // "About": opens the owner's about window modeless, or only brings it
    // forward when it is open already.
    static FormFlash *showOver(QWidget *owner);
    // The owner's open about window, if any.
    static FormFlash *openFor(const QWidget *owner);

    // How long a new window stays open; 0 restores the 20 s (for tests).
    static void setTimerIntervalForTests(int ms);

    // The background picture, drawn for any scale.
    static void drawPicture(QPainter &painter, const QRectF &area);

    QLabel *LabelVer = nullptr;
    QLabel *LabelCopyright = nullptr;
    QTimer *Timer1 = nullptr;

    void Form_Load();
    void Form_Click();
    void Timer1_Timer();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool onPicture(const QPointF &pos) const;
    bool m_pressedOnPicture = false;
};
