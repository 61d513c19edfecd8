#include "recorder/display/HistoryPainter.h"
#include "recorder/display/CurveRaster.h"
#include "engine/LevelMath.h"

#include <QFontMetricsF>
#include <QPainter>

using namespace LevelDisplay;

HistoryPainter::HistoryPainter()
{
    m_ring.resize(kCapacity);
    m_polygon.reserve(kCapacity + 2);
}

void HistoryPainter::add(qint64 msecs, double peakDb, double rmsDb, bool clipped)
{
    Entry &e = m_ring[size_t(m_head)];
    e.t = msecs;
    e.peakDb = float(peakDb);
    e.rmsDb = float(rmsDb);
    e.clipped = clipped;
    m_head = (m_head + 1) % kCapacity;
    m_count = std::min(m_count + 1, kCapacity);
}

double HistoryPainter::dbToY(const QRectF &r, double db)
{
    return r.bottom() - r.height() * LevelMath::meterFraction(db);
}

void HistoryPainter::paintBackground(QPainter &p, const Layout &l) const
{
    const QFontMetricsF fm(l.labelFont);
    const QRectF &r = l.history;
    p.fillRect(r, kPanel);
    for (int s = 1; s < int(kHistoryMs / 1000); ++s)
        vLine(p, r, r.right() - r.width() * s * 1000.0 / kHistoryMs, s % 5 == 0 ? kGridStrong : kGrid);
    std::vector<AxisLabel> yLabels;
    for (int db : {0, -20, -60, -6, -12, -30, -40, -3, -50})
        yLabels.push_back({dbToY(r, db), fm.height(), QString::number(db)});
    for (const AxisLabel *a : placeLabels(yLabels, 0, l.size.height(), 0)) {
        hLine(p, r, a->centre, a->text == QLatin1String("0") ? kGridStrong : kGrid);
        p.setPen(kText);
        p.drawText(QRectF(0, a->centre - fm.height() / 2, r.left() - 4, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                   a->text);
    }
    std::vector<AxisLabel> xLabels;
    for (int s : {0, 5, 10, 2, 4, 6, 8, 1, 3, 7, 9}) {
        const QString text = s == 0 ? QStringLiteral("0 s") : QStringLiteral("-%1").arg(s);
        xLabels.push_back({r.right() - r.width() * s * 1000.0 / kHistoryMs, fm.horizontalAdvance(text), text});
    }
    p.setPen(kText);
    drawLabelsBelow(p, placeLabels(xLabels, r.left() - 12, l.size.width(), 8), r, fm.height());
}

void HistoryPainter::paint(QImage &frame, const Layout &l, qint64 now)
{
    const QRectF &r = l.history;
    if (m_count == 0)
        return;
    // i counts back from the newest: 0 is the newest.
    auto at = [&](qsizetype i) -> const Entry & {
        return m_ring[size_t((m_head - 1 - i + 2 * kCapacity) % kCapacity)];
    };
    // Oldest entry still (partly) in view.
    qsizetype first = m_count - 1;
    for (qsizetype i = 0; i < m_count; ++i) {
        if (now - at(i).t > kHistoryMs) {
            first = i;
            break;
        }
    }
    const qreal pxPerMs = r.width() / kHistoryMs;
    auto xOf = [&](const Entry &e) { return r.right() - (now - e.t) * pxPerMs; };
    const qreal s = l.dpr;

    CurveRaster raster(frame, CurveRaster::deviceRect(r, s));
    auto area = [&](bool peak, const QColor &colour) {
        m_polygon.resize(0);
        m_polygon << QPointF(xOf(at(first)), r.bottom()) * s;
        for (qsizetype i = first; i >= 0; --i)
            m_polygon << QPointF(xOf(at(i)), dbToY(r, peak ? at(i).peakDb : at(i).rmsDb)) * s;
        m_polygon << QPointF(r.right(), r.bottom()) * s;
        raster.fill(m_polygon.constData(), m_polygon.size());
        raster.paint(qPremultiply(colour.rgba()));
    };
    QColor peakFill = kSpectrumLine;
    peakFill.setAlpha(70);
    area(true, peakFill);
    // The peak outline, then the loudness body in front of it.
    raster.stroke(m_polygon.constData() + 1, m_polygon.size() - 2, 1.25 * s);
    raster.paint(qPremultiply(kSpectrumLine.rgba()));
    QColor rmsFill = kGreen;
    rmsFill.setAlpha(200);
    area(false, rmsFill);

    // Clipping marks along the top.
    QPainter p;
    for (qsizetype i = first; i >= 0; --i) {
        if (!at(i).clipped)
            continue;
        if (!p.isActive()) {
            p.begin(&frame);
            p.setClipRect(r);
        }
        p.fillRect(QRectF(xOf(at(i)) - 1.5, r.top(), 3, 4), kRed);
    }
}
