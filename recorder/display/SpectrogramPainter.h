#pragma once

#include "recorder/display/DisplayCommon.h"

#include <QImage>

#include <array>
#include <vector>

class SpectrumAnalyser;

// The spectrogram: one column per spectrum taken in, newest at the right,
// the lowest frequency at the bottom, on the same logarithmic axis as the
// spectrum.
class SpectrogramPainter
{
public:
    static constexpr qreal kColumnWidth = 2.0;   // logical pixels per column

    SpectrogramPainter();

    // Fits the picture to the layout, stretching what is there.
    void relayout(const LevelDisplay::Layout &l);
    // Scrolls left by a column and draws the analyser's newest spectrum.
    void addColumn(const SpectrumAnalyser &analyser, int sampleRate);
    // Forgets the picture (its frequency axis changed).
    void clear();

    void paintBackground(QPainter &p, const LevelDisplay::Layout &l, int sampleRate) const;
    void paint(QPainter &p, const LevelDisplay::Layout &l) const;

private:
    QImage m_image;
    std::vector<float> m_column;
    std::array<QRgb, 256> m_palette;
};
