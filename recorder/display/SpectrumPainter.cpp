#include "recorder/display/SpectrumPainter.h"
#include "recorder/display/CurveRaster.h"
#include "recorder/display/SpectrumAnalyser.h"
#include "engine/LevelMath.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

using namespace LevelDisplay;
using LevelMath::kSilenceDb;

SpectrumPainter::SpectrumPainter()
{
    m_cells.assign(kCells, float(kSilenceDb));
    m_newCells.assign(kCells, float(kSilenceDb));
    m_polygon.reserve(kCells + 2);
}

void SpectrumPainter::add(const SpectrumAnalyser &analyser, int sampleRate, double seconds)
{
    analyser.mapToLogAxis(sampleRate, kLowestHz, highestHz(sampleRate), m_newCells.data(), kCells);
    const float fall = float(kSpectrumFallDbPerSecond * seconds);
    for (int i = 0; i < kCells; ++i)
        m_cells[size_t(i)] = std::max(m_newCells[size_t(i)], std::max(float(kSilenceDb), m_cells[size_t(i)] - fall));
}

void SpectrumPainter::clear()
{
    std::fill(m_cells.begin(), m_cells.end(), float(kSilenceDb));
}

double SpectrumPainter::frequencyToX(const QRectF &r, int sampleRate, double hz)
{
    const double hi = highestHz(sampleRate);
    return r.left() + r.width() * std::log(std::max(hz, 1.0) / kLowestHz) / std::log(hi / kLowestHz);
}

double SpectrumPainter::dbToY(const QRectF &r, double db)
{
    const double t = std::clamp(db, kSpectrumFloorDb, 0.0) / kSpectrumFloorDb;
    return r.top() + r.height() * t;
}

void SpectrumPainter::paintBackground(QPainter &p, const Layout &l, int sampleRate) const
{
    const QFontMetricsF fm(l.labelFont);
    const QRectF &r = l.spectrum;
    p.fillRect(r, kPanel);
    for (int db = 0; db >= int(kSpectrumFloorDb); db -= 10) {
        const qreal y = dbToY(r, db);
        if (db % 20 == 0) {
            hLine(p, r, y, db == 0 ? kGridStrong : kGrid);
            p.setPen(kText);
            p.drawText(QRectF(0, y - fm.height() / 2, r.left() - 4, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                       QString::number(db));
        }
    }
    std::vector<AxisLabel> labels;
    const double hi = highestHz(sampleRate);
    for (double decade = 10; decade <= 10000; decade *= 10) {
        for (int k = 1; k < 10; ++k) {
            const double hz = decade * k;
            if (hz <= kLowestHz || hz > hi)
                continue;
            vLine(p, r, frequencyToX(r, sampleRate, hz), k == 1 ? kGridStrong : kGrid);
        }
    }
    for (double hz : {100.0, 1000.0, 10000.0, 500.0, 5000.0, 50.0, 200.0, 2000.0, 20000.0, 20.0})
        if (hz >= kLowestHz && hz <= hi)
            labels.push_back(
                {frequencyToX(r, sampleRate, hz), fm.horizontalAdvance(frequencyLabel(hz)), frequencyLabel(hz)});
    p.setPen(kText);
    drawLabelsBelow(p, placeLabels(labels, r.left() - 12, l.size.width() - 2, 6), r, fm.height());
}

void SpectrumPainter::paint(QImage &frame, const Layout &l)
{
    const QRectF &r = l.spectrum;
    const qreal s = l.dpr;
    const QRect clip = CurveRaster::deviceRect(r, s);
    if (clip != m_fillClip || s != m_fillDpr) {
        QLinearGradient fill(0, r.top(), 0, r.bottom());
        QColor c = kSpectrumLine;
        c.setAlpha(150);
        fill.setColorAt(0, c);
        c.setAlpha(25);
        fill.setColorAt(1, c);
        m_fillRows = CurveRaster::rowColours(fill, clip, s);
        m_fillClip = clip;
        m_fillDpr = s;
    }
    m_polygon.resize(0);
    m_polygon << QPointF(r.left(), r.bottom()) * s;
    for (int i = 0; i < kCells; ++i)
        m_polygon << QPointF(r.left() + r.width() * (i + 0.5) / kCells, dbToY(r, m_cells[size_t(i)])) * s;
    m_polygon << QPointF(r.right(), r.bottom()) * s;

    CurveRaster raster(frame, clip);
    raster.fill(m_polygon.constData(), m_polygon.size());
    raster.paint(m_fillRows);
    raster.stroke(m_polygon.constData() + 1, kCells, 1.25 * s);
    raster.paint(qPremultiply(kSpectrumLine.rgba()));
}
