#pragma once

#include "engine/WaveFormat.h"

#include <QVector>
#include <QtGlobal>

// The level display under the recording controls.
class AudioDisplay
{
public:
    virtual ~AudioDisplay() = default;

    // Draws the latest samples in the current style. The samples are signed
    // 16-bit, interleaved left/right (a mono source arrives duplicated into
    // both channels), oldest first; see AudioRecord::GetDisplayData.
    virtual void ShowSamples(const QVector<qint16> &samples) = 0;

    // The format of the capture the samples come from: its rate places the
    // frequency axes, its channel count tells mono from stereo. Told at every
    // capture start, before the first samples of that capture.
    virtual void SetWaveFormat(const WaveFormat &format) = 0;

    // 0 oscilloscope, 1 spectrum analyser, 2 peak/RMS level meters (the
    // program's default), 3 spectrogram, 4 level history. Any other number
    // is kept as given and drawn as style 2.
    virtual qint32 DisplayStyle() const = 0;
    virtual void setDisplayStyle(qint32 style) = 0;
};
