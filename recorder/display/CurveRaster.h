#pragma once

#include <QBrush>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRectF>

#include <vector>

// Antialiased drawing of a curve whose x only grows (a spectrum, a level
// history) straight into an image, for the styles that draw one every frame.
//
// QPainter draws such a curve through its general stroker and rasteriser: an
// angle and an intersection for every join, a path built element by element,
// and a sorted list of cells walked for every edge. For the spectrum's 512
// points that took about a millisecond a frame. This draws the same shapes
// the same way, and nothing else:
//   - the pen's outline is what QPainter's stroker makes of a polyline with
//     square caps and bevel joins: a band around each segment, overlapping
//     its neighbours at the inside of a join, and a triangle closing the gap
//     at the outside (wound the other way);
//   - coverage is each pixel's area inside the outline, counted once for
//     every time the outline winds around it and held to a whole pixel, as
//     the rasteriser counts it, from corners placed on its 1/64-pixel grid;
//   - colours are blended with Qt's own arithmetic for an antialiased fill.
// What comes out matches QPainter's drawing to within a few levels in the
// pixels along the curve's edge, and exactly elsewhere.
//
// All coordinates are the image's device pixels.
class CurveRaster
{
public:
    // Draws within clip (device pixels) of image, which must be
    // Format_RGB32 or Format_ARGB32_Premultiplied.
    CurveRaster(QImage &image, const QRect &clip);

    // The device pixels QPainter's clip to a rectangle keeps, at a pixel ratio.
    static QRect deviceRect(const QRectF &logical, qreal dpr);
    // The premultiplied colour of each row of clip in a fill with brush (a
    // vertical gradient), as QPainter would draw it at that pixel ratio.
    static std::vector<QRgb> rowColours(const QBrush &brush, const QRect &clip, qreal dpr);

    // Covers the polygon points[0..count): for the area under a curve, a
    // point on the base line, the curve, a point on the base line.
    void fill(const QPointF *points, qsizetype count);
    // Covers the polyline points[0..count) drawn with a pen `width` wide
    // (QPen's default square caps and bevel joins).
    void stroke(const QPointF *points, qsizetype count, qreal width);

    // Blends a premultiplied colour over what is covered, as QPainter blends
    // an antialiased fill, and starts a new coverage. rowColours: a colour
    // for each row of the clip (a vertical gradient).
    void paint(QRgb premultiplied);
    void paint(const std::vector<QRgb> &rowColours);

private:
    // An edge in the image's coordinates, put on the rasteriser's grid.
    void edge(QPointF from, QPointF to);
    void addEdge(QPointF from, QPointF to);
    void addLine(double x0, double y0, double x1, double y1);
    template<typename ColourOfRow>
    void blend(ColourOfRow colourOfRow);

    QImage &m_image;
    QRect m_clip;
    int m_width = 0;
    // For each row of the clip, how much each edge changes the winding
    // area from one pixel to the next (summed along the row, the pixels'
    // coverage), and the columns an edge reached.
    std::vector<float> m_delta;
    std::vector<int> m_firstColumn, m_lastColumn;
    std::vector<QPointF> m_points;
};
