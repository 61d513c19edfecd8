#pragma once

#include "recorder/display/DisplayCommon.h"

#include <QBrush>

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
    void paint(QPainter &p, const LevelDisplay::Layout &l, const std::array<MeterReading, 2> &channels) const;

    static double dbToX(const LevelDisplay::Layout &l, double db);

private:
    QBrush m_rmsBrush;                  // colours along the bar
    QBrush m_peakBrush;
};
