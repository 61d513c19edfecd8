#include "recorder/display/DisplayCommon.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace LevelDisplay {

Layout layoutFor(QSize size, qreal dpr, const QFont &font)
{
    Layout l;
    l.size = size;
    l.dpr = dpr;
    const qreal w = size.width(), h = size.height();

    l.labelFont = font;
    l.labelFont.setPixelSize(std::clamp(int(std::lround(h / 11.0)), 9, 13));
    const QFontMetricsF fm(l.labelFont);
    const qreal m = 5;

    // Oscilloscope: everything but a margin.
    l.scope = QRectF(m, m, w - 2 * m, h - 2 * m);
    const qreal laneGap = 4;
    const QRectF &sp = l.scope;
    l.scopeLane[0] = QRectF(sp.left(), sp.top(), sp.width(), (sp.height() - laneGap) / 2);
    l.scopeLane[1] = QRectF(sp.left(), sp.top() + (sp.height() + laneGap) / 2, sp.width(),
                            (sp.height() - laneGap) / 2);

    // Spectrum: dB labels on the left, frequencies underneath.
    const qreal dbLabelW = fm.horizontalAdvance(QStringLiteral("-80")) + 6;
    const qreal bottomLabelH = fm.height() + 2;
    const qreal topPad = std::ceil(fm.height() / 2);
    l.spectrum = QRectF(QPointF(m + dbLabelW, topPad),
                        QPointF(w - m - fm.horizontalAdvance(QStringLiteral("20k")) / 2, h - m - bottomLabelH));

    // Spectrogram: frequencies on the left, full height.
    const qreal hzLabelW = fm.horizontalAdvance(QStringLiteral("10k")) + 6;
    l.spectrogram = QRectF(QPointF(m + hzLabelW, m), QPointF(w - m, h - m));

    // History: the meter's dB scale on the left, seconds underneath.
    l.history = QRectF(QPointF(m + dbLabelW, topPad),
                       QPointF(w - m - fm.horizontalAdvance(QStringLiteral("0 s")) / 2, h - m - bottomLabelH));

    // Meters: two bars with the scale between them, a readout and a clip
    // light at the right of each.
    const qreal sideW = fm.horizontalAdvance(QStringLiteral("dB")) + 8;
    const qreal clipW = fm.horizontalAdvance(QStringLiteral("CLIP")) + 12;
    const qreal tick = 4;
    const qreal scaleH = fm.height() + 2 * tick + 2;
    qreal barH = std::floor((h - 2 * m - scaleH) / 2);
    barH = std::clamp(barH, 4.0, 64.0);
    l.readoutFont = font;
    l.readoutFont.setPixelSize(std::clamp(int(barH * 0.42), 9, 22));
    l.readoutFont.setBold(true);
    const qreal readW = QFontMetricsF(l.readoutFont).horizontalAdvance(QStringLiteral("-88.8")) + 10;
    const qreal top = std::floor((h - 2 * barH - scaleH) / 2);
    const qreal x0 = m + sideW;
    const qreal x1 = w - m - clipW - readW;
    l.meterBar[0] = QRectF(x0, top, x1 - x0, barH);
    l.meterScale = QRectF(x0, top + barH, x1 - x0, scaleH);
    l.meterBar[1] = QRectF(x0, top + barH + scaleH, x1 - x0, barH);
    for (int c = 0; c < 2; ++c) {
        const QRectF &b = l.meterBar[c];
        l.meterReadout[c] = QRectF(x1, b.top(), readW - 6, barH);
        const qreal inset = std::max(2.0, barH * 0.12);
        l.meterClip[c] = QRectF(w - m - clipW, b.top() + inset, clipW, barH - 2 * inset);
    }
    l.meters = l.meterBar[0].united(l.meterBar[1]);
    return l;
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor zoneColour(double db)
{
    return db >= kRedFromDb ? kRed : db >= kYellowFromDb ? kYellow : kGreen;
}

QString frequencyLabel(double hz)
{
    return hz >= 1000.0 ? QString::number(hz / 1000.0) + QLatin1Char('k') : QString::number(hz);
}

void hLine(QPainter &p, const QRectF &r, qreal y, const QColor &c)
{
    p.setPen(QPen(c, 1));
    p.drawLine(QPointF(r.left(), crisp(y)), QPointF(r.right(), crisp(y)));
}

void vLine(QPainter &p, const QRectF &r, qreal x, const QColor &c)
{
    p.setPen(QPen(c, 1));
    p.drawLine(QPointF(crisp(x), r.top()), QPointF(crisp(x), r.bottom()));
}

std::vector<const AxisLabel *> placeLabels(const std::vector<AxisLabel> &byPriority, qreal lo, qreal hi,
                                           qreal gap)
{
    std::vector<const AxisLabel *> placed;
    for (const AxisLabel &l : byPriority) {
        const qreal a = l.centre - l.extent / 2, b = l.centre + l.extent / 2;
        if (a < lo - 0.5 || b > hi + 0.5)
            continue;
        bool free = true;
        for (const AxisLabel *o : placed) {
            if (a < o->centre + o->extent / 2 + gap && b > o->centre - o->extent / 2 - gap) {
                free = false;
                break;
            }
        }
        if (free)
            placed.push_back(&l);
    }
    return placed;
}

void drawLabelsBelow(QPainter &p, const std::vector<const AxisLabel *> &labels, const QRectF &plot,
                     qreal lineHeight)
{
    for (const AxisLabel *a : labels)
        p.drawText(QRectF(a->centre - a->extent / 2 - 1, plot.bottom() + 2, a->extent + 2, lineHeight),
                   Qt::AlignCenter, a->text);
}

} // namespace LevelDisplay
