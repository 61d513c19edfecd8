#include "recorder/display/CurveRaster.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// A colour's channels times a / 255, rounded, two channels at a time (the
// arithmetic of Qt's own blending, so that the results agree).
inline QRgb byteMul(QRgb x, uint a)
{
    uint t = (x & 0xff00ffu) * a;
    t = ((t + ((t >> 8) & 0xff00ffu) + 0x800080u) >> 8) & 0xff00ffu;
    x = ((x >> 8) & 0xff00ffu) * a;
    x = (x + ((x >> 8) & 0xff00ffu) + 0x800080u) & 0xff00ff00u;
    return x | t;
}

// The integral of clamp(u, 0, 1) from 0.
inline double rampIntegral(double u)
{
    return u <= 0 ? 0.0 : u >= 1 ? u - 0.5 : 0.5 * u * u;
}

// The rasteriser takes corners on a grid of 1/64 pixel.
inline QPointF onGrid(QPointF p)
{
    return {qRound(p.x() * 64) / 64.0, qRound(p.y() * 64) / 64.0};
}

inline int floorOf(double v)
{
    const int i = int(v);
    return i - (v < i);
}

inline int ceilOf(double v)
{
    const int i = int(v);
    return i + (v > i);
}

} // namespace

CurveRaster::CurveRaster(QImage &image, const QRect &clip)
    : m_image(image)
    , m_clip(clip & image.rect())
{
    Q_ASSERT(image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32_Premultiplied);
    if (m_clip.isEmpty())
        m_clip = QRect();
    m_width = m_clip.width();
    // Two spare columns: an edge on the right border adds to the column
    // beyond it.
    m_delta.assign(size_t(m_width + 2) * size_t(m_clip.height()), 0.0f);
    m_firstColumn.assign(size_t(m_clip.height()), m_width);
    m_lastColumn.assign(size_t(m_clip.height()), -1);
}

QRect CurveRaster::deviceRect(const QRectF &logical, qreal dpr)
{
    return QRect(QPoint(qRound(logical.left() * dpr), qRound(logical.top() * dpr)),
                 QPoint(qRound(logical.right() * dpr) - 1, qRound(logical.bottom() * dpr) - 1));
}

std::vector<QRgb> CurveRaster::rowColours(const QBrush &brush, const QRect &clip, qreal dpr)
{
    // One column filled on nothing: what is left is the brush itself.
    QImage column(1, clip.bottom() + 1, QImage::Format_ARGB32_Premultiplied);
    column.fill(Qt::transparent);
    column.setDevicePixelRatio(dpr);
    {
        QPainter p(&column);
        p.fillRect(QRectF(0, 0, 1 / dpr, column.height() / dpr), brush);
    }
    std::vector<QRgb> rows;
    for (int y = clip.top(); y <= clip.bottom(); ++y)
        rows.push_back(y >= 0 ? *reinterpret_cast<const QRgb *>(column.constScanLine(y)) : 0);
    return rows;
}


void CurveRaster::stroke(const QPointF *points, qsizetype count, qreal width)
{
    if (m_clip.isEmpty())
        return;
    // The stroker passes over a point that repeats the one before it.
    m_points.clear();
    for (qsizetype i = 0; i < count; ++i)
        if (m_points.empty() || points[i] != m_points.back())
            m_points.push_back(points[i]);
    const size_t n = m_points.size();
    if (n < 2)
        return;
    const double half = width / 2;
    auto sideOf = [&](size_t i) {
        const QPointF d = m_points[i + 1] - m_points[i];
        const double length = std::hypot(d.x(), d.y());
        return QPointF(-d.y(), d.x()) * (half / length);
    };
    // Each segment's band is the segment moved half the pen's width to
    // either side; the first and last are lengthened by as much for the
    // caps. Where two bands meet, their ends and the bevel at the outside of
    // the turn are written as the edges that remain once those which run
    // both ways along the same line cancel: from the one band's inner
    // corner to the point and on to the other's, and the bevel's own edge.
    QPointF side = sideOf(0);
    const QPointF start = m_points[0] - QPointF(side.y(), -side.x());
    edge(start - side, start + side);
    for (size_t i = 0; i + 1 < n; ++i) {
        const QPointF &a = m_points[i], &b = m_points[i + 1];
        const QPointF from = i == 0 ? start : a;
        if (i + 2 == n) {
            const QPointF end = b + QPointF(side.y(), -side.x());
            edge(from + side, end + side);
            edge(end - side, from - side);
            edge(end + side, end - side);
            break;
        }
        edge(from + side, b + side);
        edge(b - side, from - side);
        const QPointF next = sideOf(i + 1);
        const QPointF d = b - a, e = m_points[i + 2] - b;
        const double turn = d.x() * e.y() - d.y() * e.x();
        if (turn > 0) {
            edge(b + side, b);
            edge(b, b + next);
            edge(b - next, b - side);
        } else if (turn < 0) {
            edge(b, b - side);
            edge(b - next, b);
            edge(b + side, b + next);
        } else {
            edge(b + side, b - side);
            edge(b - next, b + next);
        }
        side = next;
    }
}

void CurveRaster::fill(const QPointF *points, qsizetype count)
{
    if (m_clip.isEmpty())
        return;
    for (qsizetype i = 0; i < count; ++i)
        edge(points[i], points[(i + 1) % count]);
}

void CurveRaster::edge(QPointF from, QPointF to)
{
    // A point that is no number, or lies absurdly far off, takes its edges
    // with it; QPainter too draws nothing sensible of them.
    constexpr double Far = 1 << 20;
    for (const QPointF &p : {from, to})
        if (!(std::abs(p.x()) < Far && std::abs(p.y()) < Far))
            return;
    const QPointF origin = m_clip.topLeft();
    addEdge(onGrid(from - origin), onGrid(to - origin));
}

// The part of an edge left of the clip still changes the winding of every
// pixel to its right: it runs down the clip's left border instead. The part
// right of it changes nothing inside.
void CurveRaster::addEdge(QPointF from, QPointF to)
{
    const double right = m_width;
    if (from.x() >= 0 && from.x() <= right && to.x() >= 0 && to.x() <= right) {
        addLine(from.x(), from.y(), to.x(), to.y());
        return;
    }
    double cut[2] = {-1, -1};
    if (from.x() != to.x()) {
        const double atLeft = -from.x() / (to.x() - from.x());
        const double atRight = (right - from.x()) / (to.x() - from.x());
        cut[0] = atLeft > 0 && atLeft < 1 ? atLeft : -1;
        cut[1] = atRight > 0 && atRight < 1 ? atRight : -1;
        if (cut[0] > cut[1])
            std::swap(cut[0], cut[1]);
    }
    QPointF start = from;
    auto piece = [&](QPointF end) {
        addLine(std::clamp(start.x(), 0.0, right), start.y(), std::clamp(end.x(), 0.0, right), end.y());
        start = end;
    };
    for (double t : cut)
        if (t > 0)
            piece(from + (to - from) * t);
    piece(to);
}

// Adds one straight edge (within the clip's columns) to the rows it crosses.
// In each row, a pixel's coverage from the edge is the edge's height there
// times the share of the pixel that lies right of it, on average over that
// height; the deltas from one pixel to the next are stored.
void CurveRaster::addLine(double x0, double y0, double x1, double y1)
{
    if (y0 == y1)
        return;
    double direction = 1;
    if (y0 > y1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
        direction = -1;
    }
    const double dxdy = (x1 - x0) / (y1 - y0);
    const int firstRow = std::max(0, floorOf(y0));
    const int endRow = std::min(m_clip.height(), ceilOf(y1));
    const size_t stride = size_t(m_width + 2);
    for (int y = firstRow; y < endRow; ++y) {
        const double top = std::max(double(y), y0), bottom = std::min(double(y + 1), y1);
        if (bottom <= top)
            continue;
        const double xa = x0 + (top - y0) * dxdy, xb = x0 + (bottom - y0) * dxdy;
        const double lo = std::min(xa, xb), hi = std::max(xa, xb);
        const double height = (bottom - top) * direction;
        float *row = m_delta.data() + size_t(y) * stride;
        const int first = floorOf(lo);
        const int last = std::max(first + 1, ceilOf(hi));
        if (last == first + 1) {
            // Within one pixel (most edges, in most rows): the share of it
            // right of the edge is the share right of its middle.
            const double right = first + 1 - 0.5 * (lo + hi);
            row[first] += float(height * right);
            row[last] += float(height * (1 - right));
        } else {
            // The share of pixel i right of the edge.
            const double across = hi - lo;
            double before = 0;
            for (int i = first; i < last; ++i) {
                const double share = (rampIntegral(i + 1 - lo) - rampIntegral(i + 1 - hi)) / across;
                row[i] += float(height * (share - before));
                before = share;
            }
            row[last] += float(height * (1 - before));
        }
        m_firstColumn[size_t(y)] = std::min(m_firstColumn[size_t(y)], first);
        m_lastColumn[size_t(y)] = std::max(m_lastColumn[size_t(y)], last);
    }
}

template<typename ColourOfRow>
void CurveRaster::blend(ColourOfRow colourOfRow)
{
    const size_t stride = size_t(m_width + 2);
    for (int y = 0; y < m_clip.height(); ++y) {
        const int first = m_firstColumn[size_t(y)];
        const int end = std::min(m_lastColumn[size_t(y)], m_width);
        if (first > end)
            continue;
        float *row = m_delta.data() + size_t(y) * stride;
        QRgb *pixel = reinterpret_cast<QRgb *>(m_image.scanLine(m_clip.top() + y)) + m_clip.left();
        const QRgb colour = colourOfRow(y);
        // A whole pixel over the same background gives the same colour:
        // along a row of the plot, that is nearly every whole pixel.
        QRgb wholeOver = 0, wholeGives = colour;
        float winding = 0;
        for (int x = first; x < end; ++x) {
            winding += row[x];
            row[x] = 0;
            // Each time the outline winds around a pixel counts, up to a
            // whole pixel; in 256ths, a whole pixel being 255.
            const uint coverage = uint(std::min(255.0f, std::abs(winding) * 256.0f));
            if (coverage == 0)
                continue;
            if (coverage == 255) {
                if (pixel[x] != wholeOver) {
                    wholeOver = pixel[x];
                    wholeGives = colour + byteMul(wholeOver, qAlpha(~colour));
                }
                pixel[x] = wholeGives;
                continue;
            }
            const QRgb s = byteMul(colour, coverage);
            pixel[x] = s + byteMul(pixel[x], qAlpha(~s));
        }
        for (int x = end; x <= m_lastColumn[size_t(y)] && x < m_width + 2; ++x)
            row[x] = 0;
        m_firstColumn[size_t(y)] = m_width;
        m_lastColumn[size_t(y)] = -1;
    }
}

void CurveRaster::paint(QRgb premultiplied)
{
    blend([premultiplied](int) { return premultiplied; });
}

void CurveRaster::paint(const std::vector<QRgb> &rowColours)
{
    blend([&rowColours](int row) { return rowColours[size_t(row)]; });
}
