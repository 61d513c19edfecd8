#include "recorder/display/MeterPainter.h"
#include "engine/LevelMath.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

using namespace LevelDisplay;

void MeterPainter::relayout(const Layout &l)
{
    // Hard edges between the zones. The bars end where the readouts begin.
    const qreal x0 = l.meterBar[0].left(), x1 = l.meterReadout[0].left();
    const double fy = LevelMath::meterFraction(kYellowFromDb), fr = LevelMath::meterFraction(kRedFromDb);
    auto zones = [&](double brightness) {
        QLinearGradient g(x0, 0, x1, 0);
        const QColor gr = mix(kPanel, kGreen, brightness), ye = mix(kPanel, kYellow, brightness),
                     re = mix(kPanel, kRed, brightness);
        g.setColorAt(0, gr.darker(125));
        g.setColorAt(fy - 1e-4, gr);
        g.setColorAt(fy, ye);
        g.setColorAt(fr - 1e-4, ye);
        g.setColorAt(fr, re);
        g.setColorAt(1, re);
        return QBrush(g);
    };
    m_rmsBrush = zones(1.0);
    m_peakBrush = zones(0.6);
}

double MeterPainter::dbToX(const Layout &l, double db)
{
    const QRectF &r = l.meterBar[0];
    return r.left() + r.width() * LevelMath::meterFraction(db);
}

void MeterPainter::paintBackground(QPainter &p, const Layout &l) const
{
    const QFontMetricsF fm(l.labelFont);
    // Unlit bars: the colour zones, faint.
    for (int c = 0; c < 2; ++c) {
        const QRectF &b = l.meterBar[c];
        p.fillRect(b, kPanel);
        p.setOpacity(0.12);
        p.fillRect(b, m_rmsBrush);
        p.setOpacity(1);
        p.setPen(c == 0 ? kLeft : kRight);
        p.drawText(QRectF(0, b.top(), b.left() - 2, b.height()), Qt::AlignCenter,
                   c == 0 ? QStringLiteral("L") : QStringLiteral("R"));
    }
    const QRectF &s = l.meterScale;
    const qreal tick = 4;
    for (int db : {-50, -45, -35, -25, -18, -15, -9, -1, -2, -4, -5, -7, -8, -10, -16, -14}) {
        const qreal x = crisp(dbToX(l, db));
        p.setPen(kGrid);
        p.drawLine(QPointF(x, s.top()), QPointF(x, s.top() + tick / 2));
        p.drawLine(QPointF(x, s.bottom() - tick / 2), QPointF(x, s.bottom()));
    }
    std::vector<AxisLabel> labels;
    for (int db : {0, -20, -6, -40, -12, -60, -3, -30, -50, -10})
        labels.push_back({dbToX(l, db), fm.horizontalAdvance(QString::number(db)), QString::number(db)});
    for (const AxisLabel *a : placeLabels(labels, s.left() - 14, s.right() + 6, 5)) {
        const qreal x = crisp(a->centre);
        p.setPen(kGridStrong);
        p.drawLine(QPointF(x, s.top()), QPointF(x, s.top() + tick));
        p.drawLine(QPointF(x, s.bottom() - tick), QPointF(x, s.bottom()));
        p.setPen(kText);
        p.drawText(QRectF(a->centre - a->extent / 2 - 1, s.top(), a->extent + 2, s.height()), Qt::AlignCenter,
                   a->text);
    }
    const QRectF unit(l.meterReadout[0].left(), s.top(), l.meterReadout[0].width(), s.height());
    p.drawText(unit, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("dBFS"));
}

QString MeterPainter::readoutText(double holdDb)
{
    return holdDb <= LevelMath::kSilenceDb ? QStringLiteral("-inf")
           : holdDb > -0.05                ? QStringLiteral("0.0")
                                           : QString::number(holdDb, 'f', 1);
}

void MeterPainter::paint(QPainter &p, const Layout &l, const std::array<MeterReading, 2> &channels,
                         const QPixmap &background) const
{
    // The texts first: a piece is a whole-pixel rectangle, which may take in
    // the last pixel of a bar drawn after it.
    for (int c = 0; c < 2; ++c) {
        const MeterReading &m = channels[size_t(c)];
        const bool clip = m.clipLit;
        const QString text = readoutText(m.holdDb);
        drawPiece(p, m_pieces[size_t(2 * c)], text + QLatin1Char(clip ? '!' : ' '), l.meterReadout[c], background,
                  [&](QPainter &q) {
                      q.setFont(l.readoutFont);
                      q.setPen(clip ? kRed : kTextBright);
                      q.drawText(l.meterReadout[c], Qt::AlignRight | Qt::AlignVCenter, text);
                  });
        const QRectF &led = l.meterClip[c];
        drawPiece(p, m_pieces[size_t(2 * c + 1)], QLatin1String(clip ? "lit" : "unlit"), led, background,
                  [&](QPainter &q) {
                      q.setRenderHint(QPainter::Antialiasing);
                      q.setPen(QPen(clip ? kRed : mix(kPanel, kRed, 0.35), 1));
                      q.setBrush(clip ? kRed : mix(kBackground, kRed, 0.12));
                      q.drawRoundedRect(led.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
                      q.setRenderHint(QPainter::Antialiasing, false);
                      q.setFont(l.labelFont);
                      q.setPen(clip ? QColor(Qt::white) : mix(kPanel, kRed, 0.55));
                      q.drawText(led, Qt::AlignCenter, QStringLiteral("CLIP"));
                  });
    }
    const qreal x0 = l.meterBar[0].left();
    for (int c = 0; c < 2; ++c) {
        const MeterReading &m = channels[size_t(c)];
        const QRectF &b = l.meterBar[c];
        const qreal peakX = dbToX(l, m.peakDb), rmsX = dbToX(l, m.rmsDb);
        if (peakX > x0)
            p.fillRect(QRectF(x0, b.top(), peakX - x0, b.height()), m_peakBrush);
        if (rmsX > x0)
            p.fillRect(QRectF(x0, b.top(), rmsX - x0, b.height()), m_rmsBrush);
        if (m.holdDb > LevelMath::kMeterFloorDb) {
            const qreal x = std::min(dbToX(l, m.holdDb), b.right() - 1.5);
            p.fillRect(QRectF(x - 1.5, b.top(), 3, b.height()), zoneColour(m.holdDb).lighter(125));
        }
    }
}

template<typename Draw>
void MeterPainter::drawPiece(QPainter &p, Piece &piece, const QString &key, const QRectF &area,
                             const QPixmap &background, Draw draw) const
{
    // Whole pixels, so that the piece is drawn exactly as it would be in place.
    const QRect at = area.toAlignedRect().adjusted(-1, -1, 1, 1);   // with what smoothing spills
    const qreal dpr = background.devicePixelRatio();
    const QString fullKey = key + QLatin1Char('/') + QString::number(background.cacheKey());
    if (piece.key != fullKey || piece.pixmap.isNull()) {
        piece.pixmap = background.copy(QRectF(at.topLeft() * dpr, at.size() * dpr).toAlignedRect());
        piece.pixmap.setDevicePixelRatio(dpr);
        QPainter q(&piece.pixmap);
        q.translate(-at.topLeft());
        draw(q);
        piece.key = fullKey;
    }
    p.drawPixmap(at.topLeft(), piece.pixmap);
}
