#pragma once

#include "recorder/AudioDisplay.h"
#include "engine/LevelMath.h"

#include <QBrush>
#include <QColor>
#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QPolygonF>
#include <QRectF>
#include <QVector>
#include <QWidget>

#include <array>
#include <memory>
#include <vector>

// Magnitude spectrum of the mono mix of interleaved stereo 16-bit samples,
// Hann windowed, in dBFS (a full-scale sine reads about 0 dB at its bin).
// FFTW plans and buffers are made once per transform size and kept.
class SpectrumAnalyser
{
public:
    static constexpr int kMinSize = 64;
    static constexpr int kMaxSize = 4096;

    SpectrumAnalyser();
    ~SpectrumAnalyser();
    SpectrumAnalyser(const SpectrumAnalyser &) = delete;
    SpectrumAnalyser &operator=(const SpectrumAnalyser &) = delete;

    // Analyses the newest frames: the transform size is the largest power of
    // two not above the frame count (64 .. 4096). Fewer than 64 frames leave
    // an empty spectrum (binCount() 0). Returns binCount().
    int analyse(const qint16 *interleaved, qsizetype frames);

    int fftSize() const { return m_size; }
    int binCount() const { return m_size ? m_size / 2 + 1 : 0; }
    const float *binsDb() const { return m_db.data(); }
    // Bin with the largest magnitude, ignoring DC; -1 without a spectrum.
    int peakBin() const;

    // Resamples the spectrum onto n cells spread evenly over a logarithmic
    // frequency axis from loHz to hiHz (cell i covers [i/n, (i+1)/n] of the
    // axis). A cell wider than a bin takes the loudest bin inside it; a
    // narrower one interpolates between neighbouring bins. Without a
    // spectrum every cell is LevelMath::kSilenceDb.
    void mapToLogAxis(double sampleRate, double loHz, double hiHz, float *out, int n) const;

private:
    struct Plan;
    Plan *planFor(int size);

    std::vector<std::unique_ptr<Plan>> m_plans;
    std::vector<float> m_db;
    int m_size = 0;
};

// The level display: oscilloscope, spectrum, level meters, spectrogram or
// level history of the latest samples, drawn on a dark panel.
//
// All state is brought up to date in ShowSamples, using the time of each
// call for the meters' fall-back, peak hold and clip indicator; painting
// only draws that state, so several ShowSamples between two frames cost
// one paint. An empty sample array counts as a moment of silence, which
// lets everything fall back when the caller has nothing new.
class AudioDisplayWidget : public QWidget, public AudioDisplay
{
    Q_OBJECT
public:
    enum Style { Oscilloscope = 0, Spectrum = 1, Meters = 2, Spectrogram = 3, History = 4 };

    // Meter and spectrum behaviour.
    static constexpr double kFallDbPerSecond = 20.0;      // meter bars
    static constexpr double kSpectrumFallDbPerSecond = 45.0;
    static constexpr qint64 kPeakHoldMs = 1500;           // then falls like the bars
    static constexpr qint64 kClipHoldMs = 3000;
    static constexpr qint64 kHistoryMs = 10000;           // width of the level history
    static constexpr double kSpectrumFloorDb = -90.0;
    static constexpr double kSpectrogramFloorDb = -100.0;
    static constexpr double kLowestHz = 20.0;
    static constexpr double kHighestHz = 20000.0;

    explicit AudioDisplayWidget(QWidget *parent = nullptr);
    ~AudioDisplayWidget() override;

    void ShowSamples(const QVector<qint16> &samples) override;
    qint32 DisplayStyle() const override { return m_style; }
    void setDisplayStyle(qint32 style) override;

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
    // Whether the last samples had identical channels.
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
    struct HistoryEntry
    {
        qint64 t = 0;
        float peakDb = float(LevelMath::kSilenceDb);
        float rmsDb = float(LevelMath::kSilenceDb);
        bool clipped = false;
    };
    struct Layout
    {
        QSize size;
        qreal dpr = 0;
        QRectF plot[5];           // data area per style
        QRectF meterBar[2];
        QRectF meterScale;        // the band between the bars
        QRectF meterReadout[2];
        QRectF meterClip[2];
        QRectF scopeLane[2];      // stereo lanes; the mono lane is plot[0]
    };

    int effectiveStyle() const;
    void updateLayout();
    void ensureBackground();
    void paintBackground(QPainter &p, int style);
    void rebuildSpectrogram();
    void addSpectrogramColumn();

    void drawOscilloscope(QPainter &p);
    void drawTrace(QPainter &p, const QRectF &lane, int channel, qsizetype start, qsizetype span,
                   const QColor &colour);
    void drawSpectrum(QPainter &p);
    void drawMeters(QPainter &p);
    void drawSpectrogram(QPainter &p);
    void drawHistory(QPainter &p);

    double spectrumY(double db) const;
    double historyY(double db) const;
    double spectrumHighHz() const;

    qint32 m_style = Meters;
    int m_sampleRate = 44100;
    QElapsedTimer m_clock;
    qint64 m_now = -1;             // time of the latest ShowSamples

    QVector<qint16> m_samples;     // shared with the caller, not copied
    qsizetype m_frames = 0;
    bool m_mono = true;

    std::array<MeterState, 2> m_meter;

    SpectrumAnalyser m_analyser;
    std::vector<float> m_spectrum;      // smoothed, on the log axis
    std::vector<float> m_spectrumNew;
    QPolygonF m_polygon;                // reused for every trace and area

    QImage m_spectrogram;               // one column per ShowSamples, newest at the right
    std::vector<float> m_column;
    std::array<QRgb, 256> m_palette;

    std::vector<HistoryEntry> m_history; // ring
    qsizetype m_historyHead = 0;         // next slot to write
    qsizetype m_historyCount = 0;

    Layout m_layout;
    QFont m_labelFont;
    QFont m_readoutFont;
    QBrush m_rmsBrush;                  // meter colours along the bar
    QBrush m_peakBrush;
    QBrush m_spectrumFill;
    QPixmap m_background;
    int m_backgroundStyle = -1;
    bool m_backgroundMono = false;
    int m_backgroundRate = 0;
};
