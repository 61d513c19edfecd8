#include "resources/Artwork.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

namespace Artwork {

namespace {

// A pixmap of logical size w x h at the screen's scale, transparent.
QPixmap canvas(int w, int h)
{
    const qreal dpr = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pm(QSize(qCeil(w * dpr), qCeil(h * dpr)));
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    return pm;
}

} // namespace

QPixmap styleButton(bool highlighted)
{
    QPixmap pm = canvas(13, 12);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor face = highlighted ? QColor(0x3d, 0xa5, 0xff) : QColor(0x50, 0x5a, 0x66);
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawRoundedRect(QRectF(0.5, 0.5, 12, 11), 2, 2);
    // three bars of a little meter: "change the display"
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 6, 1.6, 3.5));
    p.drawRect(QRectF(5.7, 3.5, 1.6, 6));
    p.drawRect(QRectF(8.4, 5, 1.6, 4.5));
    return pm;
}

QCursor pointingHand()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath hand;
    // index finger pointing up from (5, 0), then the fist below it
    hand.moveTo(3.5, 2);
    hand.quadTo(5, -0.5, 6.5, 2);
    hand.lineTo(6.5, 10);
    hand.lineTo(14, 10.5);
    hand.quadTo(16, 11, 16, 13);
    hand.lineTo(15.5, 19);
    hand.quadTo(15, 22, 12, 22);
    hand.lineTo(6, 22);
    hand.quadTo(3, 22, 2, 19);
    hand.lineTo(0.5, 14);
    hand.quadTo(0.5, 12, 2.5, 12.5);
    hand.lineTo(3.5, 14);
    hand.closeSubpath();
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    p.drawLine(QPointF(9, 10.5), QPointF(9, 14));
    p.drawLine(QPointF(11.5, 10.7), QPointF(11.5, 14));
    p.end();
    return QCursor(pm, 5, 0);
}

QPixmap speaker(bool facingRight)
{
    QPixmap pm = canvas(16, 16);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (!facingRight) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    const QColor ink(0x40, 0x48, 0x52);
    QPainterPath body;
    body.moveTo(2, 6);
    body.lineTo(5, 6);
    body.lineTo(9, 2.5);
    body.lineTo(9, 13.5);
    body.lineTo(5, 10);
    body.lineTo(2, 10);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(body);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(7.5, 5, 4, 6), -50 * 16, 100 * 16);
    p.drawArc(QRectF(7, 2.5, 7, 11), -50 * 16, 100 * 16);
    return pm;
}

QPixmap balanceScale()
{
    QPixmap pm = canvas(42, 5);
    QPainter p(&pm);
    p.setPen(QColor(0x70, 0x78, 0x80));
    for (int x : {1, 11, 21, 31, 40})
        p.drawLine(x, x == 21 ? 0 : 2, x, 4);
    return pm;
}

QPixmap volumeWedge()
{
    QPixmap pm = canvas(13, 68);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath wedge;
    wedge.moveTo(1, 1);
    wedge.lineTo(12, 1);
    wedge.lineTo(6.5, 67);
    wedge.closeSubpath();
    QLinearGradient g(0, 0, 0, 68);
    g.setColorAt(0, QColor(0x3d, 0xa5, 0x5c));
    g.setColorAt(1, QColor(0xc8, 0xd0, 0xd8));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(wedge);
    return pm;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 64.0, size / 64.0);
        // a round red record button on a dark disc, with a level arc
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x23, 0x2a, 0x33));
        p.drawEllipse(QRectF(2, 2, 60, 60));
        p.setBrush(QColor(0xe5, 0x39, 0x35));
        p.drawEllipse(QRectF(18, 18, 28, 28));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x3d, 0xd6, 0x8c), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(9, 9, 46, 46), 30 * 16, 120 * 16);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace Artwork
