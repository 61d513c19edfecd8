#pragma once

#include "recorder/display/DisplayCommon.h"

#include <QImage>
#include <QPolygonF>

#include <vector>

class SpectrumAnalyser;

// The spectrum analyser: dB over a logarithmic frequency axis from 20 Hz to
// min(20 kHz, rate / 2). Keeps the smoothed curve: new peaks show at once,
// old ones sink at kSpectrumFallDbPerSecond.
class SpectrumPainter
{
public:
    static constexpr int kCells = 512;

    SpectrumPainter();

    // Takes in the analyser's newest spectrum, seconds after the one before.
    void add(const SpectrumAnalyser &analyser, int sampleRate, double seconds);
    // Forgets the curve (its frequency axis changed).
    void clear();

    void paintBackground(QPainter &p, const LevelDisplay::Layout &l, int sampleRate) const;
    // The curve, drawn into frame, which holds the background.
    void paint(QImage &frame, const LevelDisplay::Layout &l);

    static double frequencyToX(const QRectF &plot, int sampleRate, double hz);
    static double dbToY(const QRectF &plot, double db);

private:
    std::vector<float> m_cells;        // smoothed, on the log axis
    std::vector<float> m_newCells;
    QPolygonF m_polygon;              // in device pixels
    std::vector<QRgb> m_fillRows;     // the fill's gradient, row by row
    QRect m_fillClip;
    qreal m_fillDpr = 0;
};
