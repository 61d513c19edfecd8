#include "recorder/display/OscilloscopePainter.h"
#include "engine/LevelMath.h"

#include <QPainter>

using namespace LevelDisplay;

OscilloscopePainter::OscilloscopePainter()
{
    m_polygon.reserve(4096);
}

void OscilloscopePainter::paintBackground(QPainter &p, const Layout &l, bool mono) const
{
    for (int lane = 0; lane < (mono ? 1 : 2); ++lane) {
        const QRectF r = mono ? l.scope : l.scopeLane[lane];
        p.fillRect(r, kPanel);
        for (int i = 1; i < 10; ++i)
            vLine(p, r, r.left() + r.width() * i / 10, kGrid);
        hLine(p, r, r.top() + r.height() * 0.25, kGrid);
        hLine(p, r, r.top() + r.height() * 0.75, kGrid);
        hLine(p, r, r.center().y(), kGridStrong);
        if (!mono) {
            p.setPen(lane == 0 ? kLeft : kRight);
            p.drawText(r.adjusted(4, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                       lane == 0 ? QStringLiteral("L") : QStringLiteral("R"));
        }
    }
}

void OscilloscopePainter::paint(QPainter &p, const Layout &l, const qint16 *s, qsizetype frames, bool mono)
{
    // Show half of what arrived, starting at a rising zero crossing of the
    // mix so that a steady tone stands still.
    qsizetype span = frames >= 256 ? frames / 2 : frames;
    qsizetype start = frames - span;
    bool armed = false;
    for (qsizetype i = 0; i < frames - span; ++i) {
        const int v = int(s[2 * i]) + int(s[2 * i + 1]);
        if (v < -256) {
            armed = true;
        } else if (armed && v >= 0) {
            start = i;
            break;
        }
    }
    p.setRenderHint(QPainter::Antialiasing);
    if (mono) {
        drawTrace(p, l, l.scope, s, 0, start, span, kLeft);
    } else {
        drawTrace(p, l, l.scopeLane[0], s, 0, start, span, kLeft);
        drawTrace(p, l, l.scopeLane[1], s, 1, start, span, kRight);
    }
}

void OscilloscopePainter::drawTrace(QPainter &p, const Layout &l, const QRectF &lane, const qint16 *samples,
                                    int channel, qsizetype start, qsizetype span, const QColor &colour)
{
    const qreal dpr = l.dpr;
    const int cols = std::max(2, int(lane.width() * dpr));
    const qreal cy = lane.center().y();
    const qreal k = -(lane.height() / 2 - 1) / LevelMath::kFullScale;
    const qint16 *s = samples + channel;

    p.save();
    p.setClipRect(lane);
    if (span > 3 * cols) {
        // Many samples to a pixel: each device-pixel column gets a bar from
        // its lowest to its highest sample, joined to the column before.
        p.setRenderHint(QPainter::Antialiasing, false);
        const qreal pad = 0.6;
        const qreal colW = 1.0 / dpr;
        int prev = s[2 * start];
        for (int c = 0; c < cols; ++c) {
            const qsizetype f0 = start + span * c / cols;
            const qsizetype f1 = start + span * (c + 1) / cols;
            int lo = prev, hi = prev;
            for (qsizetype f = f0; f < f1; ++f) {
                lo = std::min<int>(lo, s[2 * f]);
                hi = std::max<int>(hi, s[2 * f]);
            }
            prev = s[2 * (f1 - 1)];
            const qreal top = cy + k * hi - pad, bottom = cy + k * lo + pad;
            p.fillRect(QRectF(lane.left() + c * colW, top, colW, bottom - top), colour);
        }
    } else {
        m_polygon.resize(0);
        if (span < 2) {
            m_polygon << QPointF(lane.left(), cy) << QPointF(lane.right(), cy);
        } else {
            for (qsizetype f = 0; f < span; ++f)
                m_polygon << QPointF(lane.left() + lane.width() * f / (span - 1), cy + k * s[2 * (start + f)]);
        }
        // A one-pixel cosmetic pen keeps the rasteriser on its fast path;
        // on a dense screen a second pass one pixel over gives the trace
        // body.
        QPen pen(colour, 1);
        pen.setCosmetic(true);
        p.setPen(pen);
        p.drawPolyline(m_polygon);
        if (dpr >= 1.5) {
            p.translate(1 / dpr, 1 / dpr);
            p.drawPolyline(m_polygon);
        }
    }
    p.restore();
}
