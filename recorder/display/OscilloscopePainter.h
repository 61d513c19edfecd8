#pragma once

#include "recorder/display/DisplayCommon.h"

#include <QPolygonF>

// The oscilloscope: half of the latest frames, one lane for a mono source,
// left over right for stereo.
class OscilloscopePainter
{
public:
    OscilloscopePainter();

    void paintBackground(QPainter &p, const LevelDisplay::Layout &l, bool mono) const;
    // samples: interleaved stereo frames.
    void paint(QPainter &p, const LevelDisplay::Layout &l, const qint16 *samples, qsizetype frames, bool mono);

private:
    void drawTrace(QPainter &p, const LevelDisplay::Layout &l, const QRectF &lane, const qint16 *samples,
                   int channel, qsizetype start, qsizetype span, const QColor &colour);

    QPolygonF m_polygon;
};
