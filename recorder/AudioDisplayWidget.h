#pragma once

#include "recorder/AudioDisplay.h"
#include "recorder/display/DisplayCommon.h"
#include "recorder/display/HistoryPainter.h"
#include "recorder/display/MeterPainter.h"
#include "recorder/display/OscilloscopePainter.h"
#include "recorder/display/SpectrogramPainter.h"
#include "recorder/display/SpectrumAnalyser.h"
#include "recorder/display/SpectrumPainter.h"
#include "engine/LevelMath.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QRectF>
#include <QVector>
#include <QWidget>

#include <array>
#include <optional>

// The level display: oscilloscope, spectrum, level meters, spectrogram or
// level history of the latest samples, drawn on a dark panel.
//
// All state is brought up to date in ShowSamples, using the time of each
// call for the meters' fall-back, peak hold and clip indicator; painting
// only draws that state, so several ShowSamples between two frames cost
// one paint. An empty sample array counts as a moment of silence, which
// lets everything fall back when the caller has nothing new. Each style has
// a painter of its own (recorder/display/) that draws it from this state;
// the axes and labels of the current style are drawn once and kept.
class AudioDisplayWidget : public QWidget, public AudioDisplay
{
    Q_OBJECT
public:
    enum Style { Oscilloscope = 0, Spectrum = 1, Meters = 2, Spectrogram = 3, History = 4 };

    // Meter and spectrum behaviour.
    static constexpr double kFallDbPerSecond = 20.0;      // meter bars
    static constexpr double kSpectrumFallDbPerSecond = LevelDisplay::kSpectrumFallDbPerSecond;
    static constexpr qint64 kPeakHoldMs = 1500;           // then falls like the bars
    static constexpr qint64 kClipHoldMs = 3000;
    static constexpr qint64 kHistoryMs = LevelDisplay::kHistoryMs;  // width of the level history
    static constexpr double kSpectrumFloorDb = LevelDisplay::kSpectrumFloorDb;
    static constexpr double kSpectrogramFloorDb = LevelDisplay::kSpectrogramFloorDb;
    static constexpr double kLowestHz = LevelDisplay::kLowestHz;
    static constexpr double kHighestHz = LevelDisplay::kHighestHz;

    explicit AudioDisplayWidget(QWidget *parent = nullptr);
    ~AudioDisplayWidget() override;

    void ShowSamples(const QVector<qint16> &samples) override;
    qint32 DisplayStyle() const override { return m_style; }
    void setDisplayStyle(qint32 style) override;
    // The rate sets the frequency axes; one channel means the source is mono
    // whatever the samples look like.
    void SetWaveFormat(const WaveFormat &format) override;

    // The same as ShowSamples with the time of the call given in
    // milliseconds of a monotonic clock; ShowSamples uses its own clock.
    void showSamplesAt(const QVector<qint16> &samples, qint64 msecs);

    // The display cannot know the capture rate from the samples; it sets the
    // frequency axes. 44100 until told otherwise.
    int sampleRate() const { return m_sampleRate; }
    void setSampleRate(int hz);

    // Forgets peak hold and clip indicators (also done by a click).
    void resetPeaks();

    // What the meters show, per channel (0 left, 1 right), in dBFS.
    double peakDb(int channel) const { return m_meter[channel & 1].peakDb; }
    double rmsDb(int channel) const { return m_meter[channel & 1].rmsDb; }
    double peakHoldDb(int channel) const { return m_meter[channel & 1].holdDb; }
    bool clipLit(int channel) const;
    // Whether the oscilloscope shows one lane: the source is mono (see
    // SetWaveFormat) or the last samples had identical channels.
    bool isMono() const { return m_mono; }
    const SpectrumAnalyser &spectrum() const { return m_analyser; }

    // Geometry of the style being drawn, in widget coordinates, as laid out
    // at the last paint or ShowSamples.
    QRectF plotRect() const;
    double frequencyToX(double hz) const;  // spectrum analyser
    double meterX(double db) const;        // level meters
    QRectF meterBarRect(int channel) const;

    QSize sizeHint() const override { return {427, 115}; }
    QSize minimumSizeHint() const override { return {160, 60}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    struct MeterState
    {
        double peakDb = LevelMath::kSilenceDb;
        double rmsDb = LevelMath::kSilenceDb;
        double holdDb = LevelMath::kSilenceDb;
        qint64 holdSince = 0;
        qint64 clipUntil = -1;   // lit while the latest time is before this
    };

    // What a channel's meter shows: where its bar's edges and the hold's
    // mark fall (thousandths of a device pixel), its readout, its clip light.
    struct MeterLook
    {
        std::array<qint64, 3> bar{};
        QString readout;
        bool clip = false;
    };

    int effectiveStyle() const;
    // Tells a screen reader which style is shown.
    void describeStyle();
    std::array<MeterLook, 2> meterLook() const;
    void ensureLayout();
    QRect changingRect() const;
    void ensureBackground();
    // Puts the background back into m_frame.
    void restoreFrame();

    qint32 m_style = Meters;
    int m_sampleRate = 44100;
    bool m_sourceMono = false;     // told by SetWaveFormat
    QElapsedTimer m_clock;
    qint64 m_now = -1;             // time of the latest ShowSamples

    QVector<qint16> m_samples;     // shared with the caller, not copied
    qsizetype m_frames = 0;
    bool m_mono = true;

    std::array<MeterState, 2> m_meter;
    SpectrumAnalyser m_analyser;

    LevelDisplay::Layout m_layout;
    OscilloscopePainter m_scopePainter;
    SpectrumPainter m_spectrumPainter;
    MeterPainter m_meterPainter;
    SpectrogramPainter m_spectrogramPainter;
    HistoryPainter m_historyPainter;

    std::optional<std::array<MeterLook, 2>> m_paintedLook;   // what the meters showed when last painted
    QPixmap m_background;          // the current style's axes and labels
    QImage m_backgroundImage;      // the same, as an image to draw into
    qint64 m_backgroundImageFrom = 0;   // the cache key of the pixmap it was made from
    QImage m_frame;                // the background and the curves of this frame
    int m_backgroundStyle = -1;
    bool m_backgroundMono = false;
};
