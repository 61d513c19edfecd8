#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QSize>
#include <QString>

#include <algorithm>
#include <cmath>
#include <vector>

class QPainter;

// What the level display's painters share: one palette, the scales, where
// everything sits, and the placing of axis labels.
namespace LevelDisplay {

// One palette for every style.
inline constexpr QColor kBackground(0x0e, 0x12, 0x16);
inline constexpr QColor kPanel(0x15, 0x1a, 0x20);
inline constexpr QColor kGrid(0x23, 0x2b, 0x34);
inline constexpr QColor kGridStrong(0x33, 0x3e, 0x4a);
inline constexpr QColor kText(0x84, 0x91, 0x9e);
inline constexpr QColor kTextBright(0xd8, 0xdf, 0xe6);
inline constexpr QColor kLeft(0x3f, 0xd0, 0xb4);     // teal
inline constexpr QColor kRight(0xf2, 0xa6, 0x48);    // amber
inline constexpr QColor kGreen(0x3c, 0xc7, 0x5c);
inline constexpr QColor kYellow(0xe8, 0xc5, 0x35);
inline constexpr QColor kRed(0xea, 0x4a, 0x4f);
inline constexpr QColor kSpectrumLine(0x62, 0xc8, 0xf4);

// Meter colour zones: green below -12 dBFS, yellow to -3, red above.
inline constexpr double kYellowFromDb = -12.0;
inline constexpr double kRedFromDb = -3.0;

// The scales (AudioDisplayWidget publishes them as its own constants).
inline constexpr double kSpectrumFallDbPerSecond = 45.0;
inline constexpr qint64 kHistoryMs = 10000;           // width of the level history
inline constexpr double kSpectrumFloorDb = -90.0;
inline constexpr double kSpectrogramFloorDb = -100.0;
inline constexpr double kLowestHz = 20.0;
inline constexpr double kHighestHz = 20000.0;

// The top of the frequency axes: 20 kHz, or less where the rate cannot
// carry it.
inline double highestHz(int sampleRate)
{
    return std::min(kHighestHz, sampleRate / 2.0);
}

// Where everything sits, for one widget size, pixel ratio and font.
struct Layout
{
    QSize size;
    qreal dpr = 0;
    QFont labelFont;
    QFont readoutFont;            // the meters' level readouts
    QRectF scope;                 // oscilloscope, also the mono lane
    QRectF scopeLane[2];          // stereo lanes
    QRectF spectrum;
    QRectF spectrogram;
    QRectF history;
    QRectF meters;                // both bars
    QRectF meterBar[2];
    QRectF meterScale;            // the band between the bars
    QRectF meterReadout[2];
    QRectF meterClip[2];
};
Layout layoutFor(QSize size, qreal dpr, const QFont &font);

QColor mix(const QColor &a, const QColor &b, double t);
QColor zoneColour(double db);
QString frequencyLabel(double hz);

// A 1-pixel line at v sits on a pixel centre.
inline qreal crisp(qreal v)
{
    return std::floor(v) + 0.5;
}

// Grid lines across the whole of r.
void hLine(QPainter &p, const QRectF &r, qreal y, const QColor &c);
void vLine(QPainter &p, const QRectF &r, qreal x, const QColor &c);

// Places axis labels so that none overlap, taking them in order of
// importance; returns which ones fit between lo and hi. Each label is a
// centre and an extent along the axis.
struct AxisLabel
{
    qreal centre;
    qreal extent;
    QString text;
};
std::vector<const AxisLabel *> placeLabels(const std::vector<AxisLabel> &byPriority, qreal lo, qreal hi,
                                           qreal gap);
// Draws labels placed along x in a row under plot, lineHeight high, in the
// pen set.
void drawLabelsBelow(QPainter &p, const std::vector<const AxisLabel *> &labels, const QRectF &plot,
                     qreal lineHeight);

} // namespace LevelDisplay
