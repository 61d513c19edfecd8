#include "recorder/display/SpectrogramPainter.h"
#include "recorder/display/SpectrumAnalyser.h"
#include "engine/LevelMath.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cstring>

using namespace LevelDisplay;
using LevelMath::kSilenceDb;

SpectrogramPainter::SpectrogramPainter()
{
    // From the panel through blue, purple and red to a pale yellow for the
    // loudest.
    const std::array<std::pair<double, QColor>, 6> stops{{
        {0.00, kPanel},
        {0.38, QColor(0x1a, 0x26, 0x66)},
        {0.60, QColor(0x76, 0x28, 0x8a)},
        {0.76, QColor(0xd8, 0x43, 0x2e)},
        {0.90, QColor(0xf7, 0xa5, 0x24)},
        {1.00, QColor(0xff, 0xf6, 0xbe)},
    }};
    for (int i = 0; i < 256; ++i) {
        const double t = i / 255.0;
        size_t s = 1;
        while (s < stops.size() - 1 && t > stops[s].first)
            ++s;
        const double u = (t - stops[s - 1].first) / (stops[s].first - stops[s - 1].first);
        m_palette[size_t(i)] = mix(stops[s - 1].second, stops[s].second, std::clamp(u, 0.0, 1.0)).rgb();
    }
}

void SpectrogramPainter::relayout(const Layout &l)
{
    const QRectF &r = l.spectrogram;
    const int cols = std::max(1, int(std::ceil(r.width() / kColumnWidth)));
    const int rows = std::max(1, int(std::lround(r.height() * l.dpr)));
    if (m_image.width() == cols && m_image.height() == rows)
        return;
    if (m_image.isNull()) {
        m_image = QImage(cols, rows, QImage::Format_RGB32);
        m_image.fill(m_palette[0]);
    } else {
        m_image = m_image.scaled(cols, rows, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                      .convertToFormat(QImage::Format_RGB32);
    }
    m_column.assign(size_t(rows), float(kSilenceDb));
}

void SpectrogramPainter::addColumn(const SpectrumAnalyser &analyser, int sampleRate)
{
    const int cols = m_image.width(), rows = m_image.height();
    if (cols <= 0 || rows <= 0)
        return;
    analyser.mapToLogAxis(sampleRate, kLowestHz, highestHz(sampleRate), m_column.data(), rows);
    const double scale = 255.0 / -kSpectrogramFloorDb;
    for (int y = 0; y < rows; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(m_image.scanLine(y));
        std::memmove(line, line + 1, size_t(cols - 1) * sizeof(QRgb));
        // Row 0 is the highest frequency.
        const double db = m_column[size_t(rows - 1 - y)];
        const int i = int(std::clamp((db - kSpectrogramFloorDb) * scale, 0.0, 255.0));
        line[cols - 1] = m_palette[size_t(i)];
    }
}

void SpectrogramPainter::clear()
{
    if (!m_image.isNull())
        m_image.fill(m_palette[0]);
}

void SpectrogramPainter::paintBackground(QPainter &p, const Layout &l, int sampleRate) const
{
    const QFontMetricsF fm(l.labelFont);
    const QRectF &r = l.spectrogram;
    p.fillRect(r, kPanel);
    const double hi = highestHz(sampleRate);
    auto yOf = [&](double hz) { return r.bottom() - r.height() * std::log(hz / kLowestHz) / std::log(hi / kLowestHz); };
    std::vector<AxisLabel> labels;
    for (double hz : {100.0, 1000.0, 10000.0, 500.0, 5000.0, 50.0, 200.0, 2000.0})
        if (hz <= hi)
            labels.push_back({yOf(hz), fm.height(), frequencyLabel(hz)});
    p.setPen(kText);
    for (const AxisLabel *a : placeLabels(labels, 0, l.size.height(), 1)) {
        p.drawText(QRectF(0, a->centre - fm.height() / 2, r.left() - 5, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                   a->text);
        p.setPen(kGridStrong);
        p.drawLine(QPointF(r.left() - 3, crisp(a->centre)), QPointF(r.left(), crisp(a->centre)));
        p.setPen(kText);
    }
}

void SpectrogramPainter::paint(QPainter &p, const Layout &l) const
{
    const QRectF &r = l.spectrogram;
    const qreal w = m_image.width() * kColumnWidth;
    p.save();
    p.setClipRect(r);
    p.drawImage(QRectF(r.right() - w, r.top(), w, r.height()), m_image);
    p.restore();
}
