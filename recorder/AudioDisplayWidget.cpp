#include "recorder/AudioDisplayWidget.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

using LevelMath::kSilenceDb;

namespace {

// One palette for every style.
const QColor kBackground(0x0e, 0x12, 0x16);
const QColor kPanel(0x15, 0x1a, 0x20);
const QColor kGrid(0x23, 0x2b, 0x34);
const QColor kGridStrong(0x33, 0x3e, 0x4a);
const QColor kText(0x84, 0x91, 0x9e);
const QColor kTextBright(0xd8, 0xdf, 0xe6);
const QColor kLeft(0x3f, 0xd0, 0xb4);     // teal
const QColor kRight(0xf2, 0xa6, 0x48);    // amber
const QColor kGreen(0x3c, 0xc7, 0x5c);
const QColor kYellow(0xe8, 0xc5, 0x35);
const QColor kRed(0xea, 0x4a, 0x4f);
const QColor kSpectrumLine(0x62, 0xc8, 0xf4);

// Meter colour zones: green below -12 dBFS, yellow to -3, red above.
constexpr double kYellowFromDb = -12.0;
constexpr double kRedFromDb = -3.0;

constexpr int kSpectrumCells = 512;
constexpr qreal kSpectrogramColumn = 2.0;   // logical pixels per ShowSamples
constexpr int kHistoryCapacity = 1024;      // about 25 s at 40 calls a second

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t),
                            float(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor zoneColour(double db)
{
    return db >= kRedFromDb ? kRed : db >= kYellowFromDb ? kYellow : kGreen;
}

QString frequencyLabel(double hz)
{
    return hz >= 1000.0 ? QString::number(hz / 1000.0) + QLatin1Char('k') : QString::number(hz);
}

// A 1-pixel line at x sits on a pixel centre.
qreal crisp(qreal v)
{
    return std::floor(v) + 0.5;
}

// Places axis labels so that none overlap, taking them in order of
// importance; returns which ones fit. Each label is a centre and an extent
// along the axis.
struct AxisLabel
{
    qreal centre;
    qreal extent;
    QString text;
};
std::vector<const AxisLabel *> placeLabels(const std::vector<AxisLabel> &byPriority, qreal lo, qreal hi,
                                           qreal gap)
{
    std::vector<const AxisLabel *> placed;
    for (const AxisLabel &l : byPriority) {
        const qreal a = l.centre - l.extent / 2, b = l.centre + l.extent / 2;
        if (a < lo - 0.5 || b > hi + 0.5)
            continue;
        bool free = true;
        for (const AxisLabel *o : placed) {
            if (a < o->centre + o->extent / 2 + gap && b > o->centre - o->extent / 2 - gap) {
                free = false;
                break;
            }
        }
        if (free)
            placed.push_back(&l);
    }
    return placed;
}

} // namespace

// ---------------------------------------------------------------------------
// SpectrumAnalyser

struct SpectrumAnalyser::Plan
{
    int size = 0;
    float *in = nullptr;
    fftwf_complex *out = nullptr;
    fftwf_plan plan = nullptr;
    std::vector<float> window;   // Hann, with the mono mix and 16-bit scaling folded in
    float gain = 0;              // |X|^2 to squared amplitude

    ~Plan()
    {
        if (plan)
            fftwf_destroy_plan(plan);
        fftwf_free(in);
        fftwf_free(out);
    }
};

SpectrumAnalyser::SpectrumAnalyser()
{
    m_db.reserve(kMaxSize / 2 + 1);
}

SpectrumAnalyser::~SpectrumAnalyser() = default;

SpectrumAnalyser::Plan *SpectrumAnalyser::planFor(int size)
{
    for (auto &p : m_plans)
        if (p->size == size)
            return p.get();
    auto p = std::make_unique<Plan>();
    p->size = size;
    p->in = fftwf_alloc_real(size_t(size));
    p->out = fftwf_alloc_complex(size_t(size / 2 + 1));
    p->plan = fftwf_plan_dft_r2c_1d(size, p->in, p->out, FFTW_ESTIMATE);
    p->window.resize(size_t(size));
    double sum = 0;
    for (int i = 0; i < size; ++i) {
        const double w = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * i / size);
        sum += w;
        // (L + R) / 2, scaled so that full scale is 1.0
        p->window[size_t(i)] = float(w * 0.5 / LevelMath::kFullScale);
    }
    // A sine of amplitude A gives |X| = A * sum(w) / 2 at its bin.
    const double g = 2.0 / sum;
    p->gain = float(g * g);
    m_plans.push_back(std::move(p));
    return m_plans.back().get();
}

int SpectrumAnalyser::analyse(const qint16 *interleaved, qsizetype frames)
{
    if (!interleaved || frames < kMinSize) {
        m_size = 0;
        m_db.clear();
        return 0;
    }
    int n = kMinSize;
    while (n * 2 <= kMaxSize && n * 2 <= frames)
        n *= 2;
    Plan *p = planFor(n);
    const qint16 *s = interleaved + 2 * (frames - n);
    for (int i = 0; i < n; ++i)
        p->in[i] = float(int(s[2 * i]) + int(s[2 * i + 1])) * p->window[size_t(i)];
    fftwf_execute(p->plan);

    m_size = n;
    const int bins = n / 2 + 1;
    m_db.resize(size_t(bins));
    for (int k = 0; k < bins; ++k) {
        const float re = p->out[k][0], im = p->out[k][1];
        const float power = (re * re + im * im) * p->gain;
        m_db[size_t(k)] = power > 1e-12f ? std::max(float(kSilenceDb), 10.0f * std::log10(power))
                                         : float(kSilenceDb);
    }
    return bins;
}

int SpectrumAnalyser::peakBin() const
{
    const int bins = binCount();
    if (bins < 2)
        return -1;
    return int(std::max_element(m_db.begin() + 1, m_db.begin() + bins) - m_db.begin());
}

void SpectrumAnalyser::mapToLogAxis(double sampleRate, double loHz, double hiHz, float *out, int n) const
{
    if (n <= 0)
        return;
    const int bins = binCount();
    if (bins == 0 || sampleRate <= 0 || loHz <= 0 || hiHz <= loHz) {
        std::fill(out, out + n, float(kSilenceDb));
        return;
    }
    const int last = bins - 1;
    const double binHz = sampleRate / m_size;
    const double ratio = std::pow(hiHz / loHz, 1.0 / n);
    const double half = std::sqrt(ratio);
    double fLo = loHz;
    for (int i = 0; i < n; ++i) {
        const double fHi = fLo * ratio;
        const int k0 = int(std::ceil(fLo / binHz));
        const int k1 = std::min(last, int(std::floor(fHi / binHz)));
        if (k0 <= k1) {
            out[i] = *std::max_element(m_db.begin() + k0, m_db.begin() + k1 + 1);
        } else {
            const double b = fLo * half / binHz;
            const int k = int(b);
            if (k >= last) {
                out[i] = m_db[size_t(last)];
            } else {
                const float t = float(b - k);
                out[i] = m_db[size_t(k)] + t * (m_db[size_t(k + 1)] - m_db[size_t(k)]);
            }
        }
        fLo = fHi;
    }
}

// ---------------------------------------------------------------------------
// AudioDisplayWidget

AudioDisplayWidget::AudioDisplayWidget(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_clock.start();

    m_spectrum.assign(kSpectrumCells, float(kSilenceDb));
    m_spectrumNew.assign(kSpectrumCells, float(kSilenceDb));
    m_polygon.reserve(4096);
    m_history.resize(kHistoryCapacity);

    // Spectrogram colours: from the panel through blue, purple and red to a
    // pale yellow for the loudest.
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

AudioDisplayWidget::~AudioDisplayWidget() = default;

int AudioDisplayWidget::effectiveStyle() const
{
    return m_style >= Oscilloscope && m_style <= History ? m_style : Meters;
}

void AudioDisplayWidget::setDisplayStyle(qint32 style)
{
    if (style == m_style)
        return;
    m_style = style;
    update();
}

void AudioDisplayWidget::setSampleRate(int hz)
{
    if (hz <= 0 || hz == m_sampleRate)
        return;
    m_sampleRate = hz;
    // The old picture was drawn against another frequency axis.
    std::fill(m_spectrum.begin(), m_spectrum.end(), float(kSilenceDb));
    if (!m_spectrogram.isNull())
        m_spectrogram.fill(m_palette[0]);
    update();
}

double AudioDisplayWidget::spectrumHighHz() const
{
    return std::min(kHighestHz, m_sampleRate / 2.0);
}

bool AudioDisplayWidget::clipLit(int channel) const
{
    return m_now >= 0 && m_now < m_meter[size_t(channel & 1)].clipUntil;
}

void AudioDisplayWidget::resetPeaks()
{
    for (MeterState &m : m_meter) {
        m.holdDb = m.peakDb;
        m.holdSince = std::max<qint64>(m_now, 0);
        m.clipUntil = -1;
    }
    update();
}

void AudioDisplayWidget::ShowSamples(const QVector<qint16> &samples)
{
    showSamplesAt(samples, m_clock.elapsed());
}

void AudioDisplayWidget::showSamplesAt(const QVector<qint16> &samples, qint64 msecs)
{
    if (m_now >= 0 && msecs < m_now)
        msecs = m_now;
    const double dt = m_now < 0 ? 0.0 : std::min(2.0, (msecs - m_now) / 1000.0);
    m_now = msecs;

    // An odd trailing sample is half a frame; it is left out.
    m_samples = samples;
    m_frames = samples.size() / 2;
    const qint16 *s = m_samples.constData();

    m_mono = true;
    for (qsizetype i = 0; i < m_frames; ++i) {
        if (s[2 * i] != s[2 * i + 1]) {
            m_mono = false;
            break;
        }
    }

    // Meters: bars rise at once and fall at a steady rate; the hold waits,
    // then falls the same way. Below the meter's floor nothing is visible,
    // so there they drop straight to the real level.
    const double fall = kFallDbPerSecond * dt;
    auto decay = [&](double shown, double now) {
        const double fallen = shown - fall;
        return fallen < LevelMath::kMeterFloorDb ? now : std::max(now, fallen);
    };
    LevelMath::ChannelLevel level[2];
    for (int c = 0; c < 2; ++c) {
        level[c] = LevelMath::measureChannel(s, m_frames, 2, c);
        const double peak = level[c].peakDb(), rms = level[c].rmsDb();
        MeterState &m = m_meter[size_t(c)];
        m.peakDb = decay(m.peakDb, peak);
        m.rmsDb = decay(m.rmsDb, rms);
        if (peak >= m.holdDb) {
            m.holdDb = peak;
            m.holdSince = msecs;
        } else if (msecs - m.holdSince > kPeakHoldMs) {
            m.holdDb = decay(m.holdDb, peak);
        }
        if (level[c].clipped)
            m.clipUntil = msecs + kClipHoldMs;
    }

    HistoryEntry &h = m_history[size_t(m_historyHead)];
    h.t = msecs;
    h.peakDb = float(std::max(level[0].peakDb(), level[1].peakDb()));
    h.rmsDb = float(std::max(level[0].rmsDb(), level[1].rmsDb()));
    h.clipped = level[0].clipped || level[1].clipped;
    m_historyHead = (m_historyHead + 1) % kHistoryCapacity;
    m_historyCount = std::min<qsizetype>(m_historyCount + 1, kHistoryCapacity);

    // Spectrum: new peaks show at once, old ones sink slowly.
    m_analyser.analyse(s, m_frames);
    m_analyser.mapToLogAxis(m_sampleRate, kLowestHz, spectrumHighHz(), m_spectrumNew.data(), kSpectrumCells);
    const float spectrumFall = float(kSpectrumFallDbPerSecond * dt);
    for (int i = 0; i < kSpectrumCells; ++i)
        m_spectrum[size_t(i)] = std::max(m_spectrumNew[size_t(i)],
                                         std::max(float(kSilenceDb), m_spectrum[size_t(i)] - spectrumFall));

    addSpectrogramColumn();
    update();
}

// ---------------------------------------------------------------------------
// Geometry

void AudioDisplayWidget::updateLayout()
{
    Layout &l = m_layout;
    l.size = size();
    l.dpr = devicePixelRatioF();
    const qreal w = width(), h = height();

    m_labelFont = font();
    m_labelFont.setPixelSize(std::clamp(int(std::lround(h / 11.0)), 9, 13));
    const QFontMetricsF fm(m_labelFont);
    const qreal m = 5;

    // Oscilloscope: everything but a margin.
    l.plot[Oscilloscope] = QRectF(m, m, w - 2 * m, h - 2 * m);
    const qreal laneGap = 4;
    const QRectF &sp = l.plot[Oscilloscope];
    l.scopeLane[0] = QRectF(sp.left(), sp.top(), sp.width(), (sp.height() - laneGap) / 2);
    l.scopeLane[1] = QRectF(sp.left(), sp.top() + (sp.height() + laneGap) / 2, sp.width(),
                            (sp.height() - laneGap) / 2);

    // Spectrum: dB labels on the left, frequencies underneath.
    const qreal dbLabelW = fm.horizontalAdvance(QStringLiteral("-80")) + 6;
    const qreal bottomLabelH = fm.height() + 2;
    const qreal topPad = std::ceil(fm.height() / 2);
    l.plot[Spectrum] = QRectF(QPointF(m + dbLabelW, topPad),
                              QPointF(w - m - fm.horizontalAdvance(QStringLiteral("20k")) / 2,
                                      h - m - bottomLabelH));

    // Spectrogram: frequencies on the left, full height.
    const qreal hzLabelW = fm.horizontalAdvance(QStringLiteral("10k")) + 6;
    l.plot[Spectrogram] = QRectF(QPointF(m + hzLabelW, m), QPointF(w - m, h - m));

    // History: the meter's dB scale on the left, seconds underneath.
    l.plot[History] = QRectF(QPointF(m + dbLabelW, topPad),
                             QPointF(w - m - fm.horizontalAdvance(QStringLiteral("0 s")) / 2,
                                     h - m - bottomLabelH));

    // Meters: two bars with the scale between them, a readout and a clip
    // light at the right of each.
    const qreal sideW = fm.horizontalAdvance(QStringLiteral("dB")) + 8;
    const qreal clipW = fm.horizontalAdvance(QStringLiteral("CLIP")) + 12;
    const qreal tick = 4;
    const qreal scaleH = fm.height() + 2 * tick + 2;
    qreal barH = std::floor((h - 2 * m - scaleH) / 2);
    barH = std::clamp(barH, 4.0, 64.0);
    m_readoutFont = font();
    m_readoutFont.setPixelSize(std::clamp(int(barH * 0.42), 9, 22));
    m_readoutFont.setBold(true);
    const qreal readW = QFontMetricsF(m_readoutFont).horizontalAdvance(QStringLiteral("-88.8")) + 10;
    const qreal top = std::floor((h - 2 * barH - scaleH) / 2);
    const qreal x0 = m + sideW;
    const qreal x1 = w - m - clipW - readW;
    l.meterBar[0] = QRectF(x0, top, x1 - x0, barH);
    l.meterScale = QRectF(x0, top + barH, x1 - x0, scaleH);
    l.meterBar[1] = QRectF(x0, top + barH + scaleH, x1 - x0, barH);
    for (int c = 0; c < 2; ++c) {
        const QRectF &b = l.meterBar[c];
        l.meterReadout[c] = QRectF(x1, b.top(), readW - 6, barH);
        const qreal inset = std::max(2.0, barH * 0.12);
        l.meterClip[c] = QRectF(w - m - clipW, b.top() + inset, clipW, barH - 2 * inset);
    }
    l.plot[Meters] = l.meterBar[0].united(l.meterBar[1]);

    // Meter colours along the bar, hard edges between the zones.
    const double fy = LevelMath::meterFraction(kYellowFromDb), fr = LevelMath::meterFraction(kRedFromDb);
    auto zones = [&](double brightness) {
        QLinearGradient g(x0, 0, x1, 0);
        const QColor gr = mix(kPanel, kGreen, brightness), ye = mix(kPanel, kYellow, brightness),
                     re = mix(kPanel, kRed, brightness);
        g.setColorAt(0, gr.darker(125));
        g.setColorAt(fy - 1e-4, gr);
        g.setColorAt(fy, ye);
        g.setColorAt(fr - 1e-4, ye);
        g.setColorAt(fr, re);
        g.setColorAt(1, re);
        return QBrush(g);
    };
    m_rmsBrush = zones(1.0);
    m_peakBrush = zones(0.6);

    const QRectF &plot = l.plot[Spectrum];
    QLinearGradient fill(0, plot.top(), 0, plot.bottom());
    QColor c = kSpectrumLine;
    c.setAlpha(150);
    fill.setColorAt(0, c);
    c.setAlpha(25);
    fill.setColorAt(1, c);
    m_spectrumFill = QBrush(fill);

    rebuildSpectrogram();
    m_background = QPixmap();
}

QRectF AudioDisplayWidget::plotRect() const
{
    return m_layout.plot[effectiveStyle()];
}

double AudioDisplayWidget::frequencyToX(double hz) const
{
    const QRectF &r = m_layout.plot[Spectrum];
    const double hi = spectrumHighHz();
    return r.left() + r.width() * std::log(std::max(hz, 1.0) / kLowestHz) / std::log(hi / kLowestHz);
}

double AudioDisplayWidget::meterX(double db) const
{
    const QRectF &r = m_layout.meterBar[0];
    return r.left() + r.width() * LevelMath::meterFraction(db);
}

QRectF AudioDisplayWidget::meterBarRect(int channel) const
{
    return m_layout.meterBar[channel & 1];
}

double AudioDisplayWidget::spectrumY(double db) const
{
    const QRectF &r = m_layout.plot[Spectrum];
    const double t = std::clamp(db, kSpectrumFloorDb, 0.0) / kSpectrumFloorDb;
    return r.top() + r.height() * t;
}

double AudioDisplayWidget::historyY(double db) const
{
    const QRectF &r = m_layout.plot[History];
    return r.bottom() - r.height() * LevelMath::meterFraction(db);
}

void AudioDisplayWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateLayout();
}

void AudioDisplayWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_layout.size = QSize();
}

void AudioDisplayWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        resetPeaks();
    QWidget::mousePressEvent(event);
}

// ---------------------------------------------------------------------------
// Spectrogram image

void AudioDisplayWidget::rebuildSpectrogram()
{
    const QRectF &r = m_layout.plot[Spectrogram];
    const int cols = std::max(1, int(std::ceil(r.width() / kSpectrogramColumn)));
    const int rows = std::max(1, int(std::lround(r.height() * m_layout.dpr)));
    if (m_spectrogram.width() == cols && m_spectrogram.height() == rows)
        return;
    if (m_spectrogram.isNull()) {
        m_spectrogram = QImage(cols, rows, QImage::Format_RGB32);
        m_spectrogram.fill(m_palette[0]);
    } else {
        // Keep what is there, stretched to the new size.
        m_spectrogram = m_spectrogram.scaled(cols, rows, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                .convertToFormat(QImage::Format_RGB32);
    }
    m_column.assign(size_t(rows), float(kSilenceDb));
}

void AudioDisplayWidget::addSpectrogramColumn()
{
    if (m_layout.size != size() || m_layout.dpr != devicePixelRatioF())
        updateLayout();
    const int cols = m_spectrogram.width(), rows = m_spectrogram.height();
    if (cols <= 0 || rows <= 0)
        return;
    m_analyser.mapToLogAxis(m_sampleRate, kLowestHz, spectrumHighHz(), m_column.data(), rows);
    const double scale = 255.0 / -kSpectrogramFloorDb;
    for (int y = 0; y < rows; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(m_spectrogram.scanLine(y));
        std::memmove(line, line + 1, size_t(cols - 1) * sizeof(QRgb));
        // Row 0 is the highest frequency.
        const double db = m_column[size_t(rows - 1 - y)];
        const int i = int(std::clamp((db - kSpectrogramFloorDb) * scale, 0.0, 255.0));
        line[cols - 1] = m_palette[size_t(i)];
    }
}

// ---------------------------------------------------------------------------
// Painting

void AudioDisplayWidget::ensureBackground()
{
    const int style = effectiveStyle();
    const bool mono = style == Oscilloscope && m_mono;
    if (!m_background.isNull() && m_backgroundStyle == style && m_backgroundMono == mono
        && m_backgroundRate == m_sampleRate)
        return;
    m_background = QPixmap(size() * m_layout.dpr);
    m_background.setDevicePixelRatio(m_layout.dpr);
    m_background.fill(kBackground);
    m_backgroundStyle = style;
    m_backgroundMono = mono;
    m_backgroundRate = m_sampleRate;
    QPainter p(&m_background);
    p.setFont(m_labelFont);
    paintBackground(p, style);
}

void AudioDisplayWidget::paintBackground(QPainter &p, int style)
{
    const Layout &l = m_layout;
    const QFontMetricsF fm(m_labelFont);
    auto hLine = [&](const QRectF &r, qreal y, const QColor &c) {
        p.setPen(QPen(c, 1));
        p.drawLine(QPointF(r.left(), crisp(y)), QPointF(r.right(), crisp(y)));
    };
    auto vLine = [&](const QRectF &r, qreal x, const QColor &c) {
        p.setPen(QPen(c, 1));
        p.drawLine(QPointF(crisp(x), r.top()), QPointF(crisp(x), r.bottom()));
    };

    switch (style) {
    case Oscilloscope: {
        const bool mono = m_backgroundMono;
        for (int lane = 0; lane < (mono ? 1 : 2); ++lane) {
            const QRectF r = mono ? l.plot[Oscilloscope] : l.scopeLane[lane];
            p.fillRect(r, kPanel);
            for (int i = 1; i < 10; ++i)
                vLine(r, r.left() + r.width() * i / 10, kGrid);
            hLine(r, r.top() + r.height() * 0.25, kGrid);
            hLine(r, r.top() + r.height() * 0.75, kGrid);
            hLine(r, r.center().y(), kGridStrong);
            if (!mono) {
                p.setPen(lane == 0 ? kLeft : kRight);
                p.drawText(r.adjusted(4, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                           lane == 0 ? QStringLiteral("L") : QStringLiteral("R"));
            }
        }
        break;
    }
    case Spectrum: {
        const QRectF &r = l.plot[Spectrum];
        p.fillRect(r, kPanel);
        for (int db = 0; db >= int(kSpectrumFloorDb); db -= 10) {
            const qreal y = spectrumY(db);
            if (db % 20 == 0) {
                hLine(r, y, db == 0 ? kGridStrong : kGrid);
                p.setPen(kText);
                p.drawText(QRectF(0, y - fm.height() / 2, r.left() - 4, fm.height()),
                           Qt::AlignRight | Qt::AlignVCenter, QString::number(db));
            }
        }
        std::vector<AxisLabel> labels;
        const double hi = spectrumHighHz();
        for (double decade = 10; decade <= 10000; decade *= 10) {
            for (int k = 1; k < 10; ++k) {
                const double hz = decade * k;
                if (hz <= kLowestHz || hz > hi)
                    continue;
                vLine(r, frequencyToX(hz), k == 1 ? kGridStrong : kGrid);
            }
        }
        for (double hz : {100.0, 1000.0, 10000.0, 500.0, 5000.0, 50.0, 200.0, 2000.0, 20000.0, 20.0})
            if (hz >= kLowestHz && hz <= hi)
                labels.push_back({frequencyToX(hz), fm.horizontalAdvance(frequencyLabel(hz)), frequencyLabel(hz)});
        p.setPen(kText);
        for (const AxisLabel *a : placeLabels(labels, r.left() - 12, width() - 2, 6))
            p.drawText(QRectF(a->centre - a->extent / 2 - 1, r.bottom() + 2, a->extent + 2, fm.height()),
                       Qt::AlignCenter, a->text);
        break;
    }
    case Spectrogram: {
        const QRectF &r = l.plot[Spectrogram];
        p.fillRect(r, kPanel);
        const double hi = spectrumHighHz();
        auto yOf = [&](double hz) {
            return r.bottom() - r.height() * std::log(hz / kLowestHz) / std::log(hi / kLowestHz);
        };
        std::vector<AxisLabel> labels;
        for (double hz : {100.0, 1000.0, 10000.0, 500.0, 5000.0, 50.0, 200.0, 2000.0})
            if (hz <= hi)
                labels.push_back({yOf(hz), fm.height(), frequencyLabel(hz)});
        p.setPen(kText);
        for (const AxisLabel *a : placeLabels(labels, 0, height(), 1)) {
            p.drawText(QRectF(0, a->centre - fm.height() / 2, r.left() - 5, fm.height()),
                       Qt::AlignRight | Qt::AlignVCenter, a->text);
            p.setPen(kGridStrong);
            p.drawLine(QPointF(r.left() - 3, crisp(a->centre)), QPointF(r.left(), crisp(a->centre)));
            p.setPen(kText);
        }
        break;
    }
    case History: {
        const QRectF &r = l.plot[History];
        p.fillRect(r, kPanel);
        for (int s = 1; s < int(kHistoryMs / 1000); ++s)
            vLine(r, r.right() - r.width() * s * 1000.0 / kHistoryMs, s % 5 == 0 ? kGridStrong : kGrid);
        std::vector<AxisLabel> yLabels;
        for (int db : {0, -20, -60, -6, -12, -30, -40, -3, -50})
            yLabels.push_back({historyY(db), fm.height(), QString::number(db)});
        for (const AxisLabel *a : placeLabels(yLabels, 0, height(), 0)) {
            hLine(r, a->centre, a->text == QLatin1String("0") ? kGridStrong : kGrid);
            p.setPen(kText);
            p.drawText(QRectF(0, a->centre - fm.height() / 2, r.left() - 4, fm.height()),
                       Qt::AlignRight | Qt::AlignVCenter, a->text);
        }
        std::vector<AxisLabel> xLabels;
        for (int s : {0, 5, 10, 2, 4, 6, 8, 1, 3, 7, 9}) {
            const QString text = s == 0 ? QStringLiteral("0 s") : QStringLiteral("-%1").arg(s);
            xLabels.push_back({r.right() - r.width() * s * 1000.0 / kHistoryMs, fm.horizontalAdvance(text), text});
        }
        p.setPen(kText);
        for (const AxisLabel *a : placeLabels(xLabels, r.left() - 12, width(), 8))
            p.drawText(QRectF(a->centre - a->extent / 2 - 1, r.bottom() + 2, a->extent + 2, fm.height()),
                       Qt::AlignCenter, a->text);
        break;
    }
    default: { // Meters
        // Unlit bars: the colour zones, faint.
        for (int c = 0; c < 2; ++c) {
            const QRectF &b = l.meterBar[c];
            p.fillRect(b, kPanel);
            p.setOpacity(0.12);
            p.fillRect(b, m_rmsBrush);
            p.setOpacity(1);
            p.setPen(c == 0 ? kLeft : kRight);
            p.drawText(QRectF(0, b.top(), b.left() - 2, b.height()), Qt::AlignCenter,
                       c == 0 ? QStringLiteral("L") : QStringLiteral("R"));
        }
        const QRectF &s = l.meterScale;
        const qreal tick = 4;
        for (int db : {-50, -45, -35, -25, -18, -15, -9, -1, -2, -4, -5, -7, -8, -10, -16, -14}) {
            const qreal x = crisp(meterX(db));
            p.setPen(kGrid);
            p.drawLine(QPointF(x, s.top()), QPointF(x, s.top() + tick / 2));
            p.drawLine(QPointF(x, s.bottom() - tick / 2), QPointF(x, s.bottom()));
        }
        std::vector<AxisLabel> labels;
        for (int db : {0, -20, -6, -40, -12, -60, -3, -30, -50, -10})
            labels.push_back({meterX(db), fm.horizontalAdvance(QString::number(db)), QString::number(db)});
        for (const AxisLabel *a : placeLabels(labels, s.left() - 14, s.right() + 6, 5)) {
            const qreal x = crisp(a->centre);
            p.setPen(kGridStrong);
            p.drawLine(QPointF(x, s.top()), QPointF(x, s.top() + tick));
            p.drawLine(QPointF(x, s.bottom() - tick), QPointF(x, s.bottom()));
            p.setPen(kText);
            p.drawText(QRectF(a->centre - a->extent / 2 - 1, s.top(), a->extent + 2, s.height()),
                       Qt::AlignCenter, a->text);
        }
        const QRectF unit(l.meterReadout[0].left(), s.top(), l.meterReadout[0].width(), s.height());
        p.drawText(unit, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("dBFS"));
        break;
    }
    }
}

void AudioDisplayWidget::paintEvent(QPaintEvent *)
{
    if (m_layout.size != size() || m_layout.dpr != devicePixelRatioF())
        updateLayout();
    ensureBackground();
    QPainter p(this);
    p.drawPixmap(0, 0, m_background);
    switch (effectiveStyle()) {
    case Oscilloscope:
        drawOscilloscope(p);
        break;
    case Spectrum:
        drawSpectrum(p);
        break;
    case Spectrogram:
        drawSpectrogram(p);
        break;
    case History:
        drawHistory(p);
        break;
    default:
        drawMeters(p);
        break;
    }
}

void AudioDisplayWidget::drawOscilloscope(QPainter &p)
{
    const qsizetype frames = m_frames;
    // Show half of what arrived, starting at a rising zero crossing of the
    // mix so that a steady tone stands still.
    qsizetype span = frames >= 256 ? frames / 2 : frames;
    qsizetype start = frames - span;
    const qint16 *s = m_samples.constData();
    bool armed = false;
    for (qsizetype i = 0; i < frames - span; ++i) {
        const int v = int(s[2 * i]) + int(s[2 * i + 1]);
        if (v < -256) {
            armed = true;
        } else if (armed && v >= 0) {
            start = i;
            break;
        }
    }
    p.setRenderHint(QPainter::Antialiasing);
    if (m_mono) {
        drawTrace(p, m_layout.plot[Oscilloscope], 0, start, span, kLeft);
    } else {
        drawTrace(p, m_layout.scopeLane[0], 0, start, span, kLeft);
        drawTrace(p, m_layout.scopeLane[1], 1, start, span, kRight);
    }
}

void AudioDisplayWidget::drawTrace(QPainter &p, const QRectF &lane, int channel, qsizetype start,
                                   qsizetype span, const QColor &colour)
{
    const qreal dpr = m_layout.dpr;
    const int cols = std::max(2, int(lane.width() * dpr));
    const qreal cy = lane.center().y();
    const qreal k = -(lane.height() / 2 - 1) / LevelMath::kFullScale;
    const qint16 *s = m_samples.constData() + channel;

    p.save();
    p.setClipRect(lane);
    if (span > 3 * cols) {
        // Many samples to a pixel: each device-pixel column gets a bar from
        // its lowest to its highest sample, joined to the column before.
        p.setRenderHint(QPainter::Antialiasing, false);
        const qreal pad = 0.6;
        const qreal colW = 1.0 / dpr;
        int prev = s[2 * start];
        for (int c = 0; c < cols; ++c) {
            const qsizetype f0 = start + span * c / cols;
            const qsizetype f1 = start + span * (c + 1) / cols;
            int lo = prev, hi = prev;
            for (qsizetype f = f0; f < f1; ++f) {
                lo = std::min<int>(lo, s[2 * f]);
                hi = std::max<int>(hi, s[2 * f]);
            }
            prev = s[2 * (f1 - 1)];
            const qreal top = cy + k * hi - pad, bottom = cy + k * lo + pad;
            p.fillRect(QRectF(lane.left() + c * colW, top, colW, bottom - top), colour);
        }
    } else {
        m_polygon.resize(0);
        if (span < 2) {
            m_polygon << QPointF(lane.left(), cy) << QPointF(lane.right(), cy);
        } else {
            for (qsizetype f = 0; f < span; ++f)
                m_polygon << QPointF(lane.left() + lane.width() * f / (span - 1), cy + k * s[2 * (start + f)]);
        }
        // A one-pixel cosmetic pen keeps the rasteriser on its fast path;
        // on a dense screen a second pass one pixel over gives the trace
        // body.
        QPen pen(colour, 1);
        pen.setCosmetic(true);
        p.setPen(pen);
        p.drawPolyline(m_polygon);
        if (dpr >= 1.5) {
            p.translate(1 / dpr, 1 / dpr);
            p.drawPolyline(m_polygon);
        }
    }
    p.restore();
}

void AudioDisplayWidget::drawSpectrum(QPainter &p)
{
    const QRectF &r = m_layout.plot[Spectrum];
    m_polygon.resize(0);
    m_polygon << QPointF(r.left(), r.bottom());
    for (int i = 0; i < kSpectrumCells; ++i)
        m_polygon << QPointF(r.left() + r.width() * (i + 0.5) / kSpectrumCells, spectrumY(m_spectrum[size_t(i)]));
    m_polygon << QPointF(r.right(), r.bottom());

    p.save();
    p.setClipRect(r);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(m_spectrumFill);
    p.drawPolygon(m_polygon);
    p.setPen(QPen(kSpectrumLine, 1.25));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(m_polygon.constData() + 1, kSpectrumCells);
    p.restore();
}

void AudioDisplayWidget::drawMeters(QPainter &p)
{
    const Layout &l = m_layout;
    const qreal x0 = l.meterBar[0].left();
    for (int c = 0; c < 2; ++c) {
        const MeterState &m = m_meter[size_t(c)];
        const QRectF &b = l.meterBar[c];
        const qreal peakX = meterX(m.peakDb), rmsX = meterX(m.rmsDb);
        if (peakX > x0)
            p.fillRect(QRectF(x0, b.top(), peakX - x0, b.height()), m_peakBrush);
        if (rmsX > x0)
            p.fillRect(QRectF(x0, b.top(), rmsX - x0, b.height()), m_rmsBrush);
        if (m.holdDb > LevelMath::kMeterFloorDb) {
            const qreal x = std::min(meterX(m.holdDb), b.right() - 1.5);
            p.fillRect(QRectF(x - 1.5, b.top(), 3, b.height()), zoneColour(m.holdDb).lighter(125));
        }

        const bool clip = clipLit(c);
        p.setFont(m_readoutFont);
        p.setPen(clip ? kRed : kTextBright);
        const QString text = m.holdDb <= kSilenceDb ? QStringLiteral("-inf")
                             : m.holdDb > -0.05     ? QStringLiteral("0.0")
                                                    : QString::number(m.holdDb, 'f', 1);
        p.drawText(l.meterReadout[c], Qt::AlignRight | Qt::AlignVCenter, text);

        const QRectF &led = l.meterClip[c];
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(clip ? kRed : mix(kPanel, kRed, 0.35), 1));
        p.setBrush(clip ? kRed : mix(kBackground, kRed, 0.12));
        p.drawRoundedRect(led.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setFont(m_labelFont);
        p.setPen(clip ? QColor(Qt::white) : mix(kPanel, kRed, 0.55));
        p.drawText(led, Qt::AlignCenter, QStringLiteral("CLIP"));
    }
}

void AudioDisplayWidget::drawSpectrogram(QPainter &p)
{
    const QRectF &r = m_layout.plot[Spectrogram];
    const qreal w = m_spectrogram.width() * kSpectrogramColumn;
    p.save();
    p.setClipRect(r);
    p.drawImage(QRectF(r.right() - w, r.top(), w, r.height()), m_spectrogram);
    p.restore();
}

void AudioDisplayWidget::drawHistory(QPainter &p)
{
    const QRectF &r = m_layout.plot[History];
    if (m_historyCount == 0)
        return;
    // Oldest entry still (partly) in view.
    qsizetype first = m_historyCount - 1;
    auto at = [&](qsizetype i) -> const HistoryEntry & {
        // i counts back from the newest: 0 is the newest
        return m_history[size_t((m_historyHead - 1 - i + 2 * kHistoryCapacity) % kHistoryCapacity)];
    };
    for (qsizetype i = 0; i < m_historyCount; ++i) {
        if (m_now - at(i).t > kHistoryMs) {
            first = i;
            break;
        }
    }
    const qreal pxPerMs = r.width() / kHistoryMs;
    auto xOf = [&](const HistoryEntry &e) { return r.right() - (m_now - e.t) * pxPerMs; };

    p.save();
    p.setClipRect(r);
    p.setRenderHint(QPainter::Antialiasing);
    auto area = [&](bool peak, const QBrush &brush) {
        m_polygon.resize(0);
        m_polygon << QPointF(xOf(at(first)), r.bottom());
        for (qsizetype i = first; i >= 0; --i)
            m_polygon << QPointF(xOf(at(i)), historyY(peak ? at(i).peakDb : at(i).rmsDb));
        m_polygon << QPointF(r.right(), r.bottom());
        p.setPen(Qt::NoPen);
        p.setBrush(brush);
        p.drawPolygon(m_polygon);
    };
    QColor peakFill = kSpectrumLine;
    peakFill.setAlpha(70);
    area(true, peakFill);
    // The peak outline, then the loudness body in front of it.
    p.setPen(QPen(kSpectrumLine, 1.25));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(m_polygon.constData() + 1, m_polygon.size() - 2);
    QColor rmsFill = kGreen;
    rmsFill.setAlpha(200);
    area(false, rmsFill);

    // Clipping marks along the top.
    p.setRenderHint(QPainter::Antialiasing, false);
    for (qsizetype i = first; i >= 0; --i)
        if (at(i).clipped)
            p.fillRect(QRectF(xOf(at(i)) - 1.5, r.top(), 3, 4), kRed);
    p.restore();
}
