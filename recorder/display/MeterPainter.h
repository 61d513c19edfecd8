#pragma once

#include "recorder/display/DisplayCommon.h"

#include <QBrush>
#include <QPixmap>

#include <array>

// What one channel's meter shows, in dBFS.
struct MeterReading
{
    double peakDb;
    double rmsDb;
    double holdDb;
    bool clipLit;
};

// The peak/RMS level meters: a bar per channel on the IEC scale, coloured by
// zone, with the held peak as a readout and a clip light.
class MeterPainter
{
public:
    // Builds the bars' colours for the layout's bar length.
    void relayout(const LevelDisplay::Layout &l);

    void paintBackground(QPainter &p, const LevelDisplay::Layout &l) const;
    // `background` is what paint draws on (paintBackground's picture).
    void paint(QPainter &p, const LevelDisplay::Layout &l, const std::array<MeterReading, 2> &channels,
               const QPixmap &background) const;

    static double dbToX(const LevelDisplay::Layout &l, double db);
    // The held peak's readout: "-inf", or dB with one decimal.
    static QString readoutText(double holdDb);

private:
    // A piece of the panel as last drawn, on its own background: the texts
    // change far less often than the bars, and laying out a text costs more
    // than all the bars together.
    struct Piece
    {
        QString key;
        QPixmap pixmap;
    };
    // Draws into `area` what `draw` paints there, from the piece kept for
    // `key` when there is one.
    template<typename Draw>
    void drawPiece(QPainter &p, Piece &piece, const QString &key, const QRectF &area, const QPixmap &background,
                   Draw draw) const;

    QBrush m_rmsBrush;                  // colours along the bar
    QBrush m_peakBrush;
    mutable std::array<Piece, 4> m_pieces;   // each channel's readout and clip light
};
