#pragma once

#include "recorder/display/DisplayCommon.h"
#include "engine/LevelMath.h"

#include <QImage>
#include <QPolygonF>

#include <vector>

// The level history: the loudest channel's peak and RMS over the last
// kHistoryMs, newest at the right, on the meters' scale, with marks where
// it clipped. Keeps the levels in a ring.
class HistoryPainter
{
public:
    static constexpr qsizetype kCapacity = 1024;   // about 25 s at 40 levels a second

    HistoryPainter();

    void add(qint64 msecs, double peakDb, double rmsDb, bool clipped);

    void paintBackground(QPainter &p, const LevelDisplay::Layout &l) const;
    // Draws into frame, which holds the background; now: the time of the
    // latest level.
    void paint(QImage &frame, const LevelDisplay::Layout &l, qint64 now);

    static double dbToY(const QRectF &plot, double db);

private:
    struct Entry
    {
        qint64 t = 0;
        float peakDb = float(LevelMath::kSilenceDb);
        float rmsDb = float(LevelMath::kSilenceDb);
        bool clipped = false;
    };

    std::vector<Entry> m_ring;
    qsizetype m_head = 0;          // next slot to write
    qsizetype m_count = 0;
    QPolygonF m_polygon;           // in device pixels
};
