#include "recorder/AudioDisplayWidget.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cstring>

using LevelMath::kSilenceDb;

AudioDisplayWidget::AudioDisplayWidget(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    // A picture of the sound, not a control: a screen reader hears what it is.
    setAccessibleName(tr("Level display"));
    describeStyle();
    m_clock.start();
}

AudioDisplayWidget::~AudioDisplayWidget() = default;

int AudioDisplayWidget::effectiveStyle() const
{
    return m_style >= Oscilloscope && m_style <= History ? m_style : Meters;
}

void AudioDisplayWidget::describeStyle()
{
    static const char *const names[] = {QT_TR_NOOP("Oscilloscope"), QT_TR_NOOP("Spectrum"), QT_TR_NOOP("Level meters"),
                                        QT_TR_NOOP("Spectrogram"), QT_TR_NOOP("Level history")};
    setAccessibleDescription(tr(names[effectiveStyle()]));
}

void AudioDisplayWidget::setDisplayStyle(qint32 style)
{
    if (style == m_style)
        return;
    m_style = style;
    describeStyle();
    // What the analysis styles show was not kept up while another one was.
    m_spectrumPainter.clear();
    m_spectrogramPainter.clear();
    update();
}

void AudioDisplayWidget::SetWaveFormat(const WaveFormat &format)
{
    setSampleRate(format.sampleRate);
    m_sourceMono = format.channels == 1;
}

void AudioDisplayWidget::setSampleRate(int hz)
{
    if (hz <= 0 || hz == m_sampleRate)
        return;
    m_sampleRate = hz;
    // What is shown was drawn against another frequency axis.
    m_spectrumPainter.clear();
    m_spectrogramPainter.clear();
    m_background = QPixmap();
    update();
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

    // A mono source arrives duplicated into both channels; a stereo one
    // whose channels happen to match is drawn as one lane too.
    m_mono = true;
    for (qsizetype i = 0; i < m_frames && !m_sourceMono; ++i) {
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

    m_historyPainter.add(msecs, std::max(level[0].peakDb(), level[1].peakDb()),
                         std::max(level[0].rmsDb(), level[1].rmsDb()), level[0].clipped || level[1].clipped);

    // The frequency analysis is the costliest part of a frame; only the two
    // styles that show it pay for it. Either builds up again within a second
    // of being chosen.
    if (const int style = effectiveStyle(); style == Spectrum || style == Spectrogram) {
        m_analyser.analyse(s, m_frames);
        if (style == Spectrum) {
            m_spectrumPainter.add(m_analyser, m_sampleRate, dt);
        } else {
            // The spectrogram's rows follow the widget's height.
            ensureLayout();
            m_spectrogramPainter.addColumn(m_analyser, m_sampleRate);
        }
    }
    if (const QRect changed = changingRect(); !changed.isEmpty())
        update(changed);
}

// What a frame can change: in a widget already painted whole in its present
// look, only the moving parts are drawn again, and only they reach the screen.
// Steady sound and silence leave the meters where they are: then there is
// nothing to paint, and an idle window costs next to nothing.
QRect AudioDisplayWidget::changingRect() const
{
    const int style = effectiveStyle();
    const bool mono = style == Oscilloscope && m_mono;
    if (m_layout.size != size() || m_layout.dpr != devicePixelRatioF() || m_background.isNull()
        || m_backgroundStyle != style || m_backgroundMono != mono)
        return rect();
    switch (style) {
    case Meters: {   // of each channel's bar, readout and clip light, those that changed
        if (!m_paintedLook)
            return rect();
        const std::array<MeterLook, 2> look = meterLook();
        QRectF moving;
        for (int c = 0; c < 2; ++c) {
            const MeterLook &now = look[size_t(c)], &painted = (*m_paintedLook)[size_t(c)];
            if (now.bar != painted.bar)
                moving |= m_layout.meterBar[c];
            if (now.readout != painted.readout || now.clip != painted.clip)
                moving |= m_layout.meterReadout[c];
            if (now.clip != painted.clip)
                moving |= m_layout.meterClip[c];
        }
        return moving.isNull() ? QRect() : moving.toAlignedRect().adjusted(-1, -1, 1, 1);
    }
    case Oscilloscope:   // an antialiased trace may touch a pixel beyond its lane
        return m_layout.scope.toAlignedRect().adjusted(-2, -2, 2, 2);
    case Spectrogram:
        return m_layout.spectrogram.toAlignedRect();
    case Spectrum:   // the curves are clipped to their plot
        return m_layout.spectrum.toAlignedRect();
    default:
        return m_layout.history.toAlignedRect();
    }
}

// The meters as they would be painted: for each channel where its bar's
// edges and the hold's mark fall (which decides their pixels), its readout
// and its clip light.
std::array<AudioDisplayWidget::MeterLook, 2> AudioDisplayWidget::meterLook() const
{
    std::array<MeterLook, 2> look;
    const qreal dpr = m_layout.dpr;
    for (int c = 0; c < 2; ++c) {
        const MeterState &m = m_meter[size_t(c)];
        const auto x = [&](double db) { return qRound64(MeterPainter::dbToX(m_layout, db) * dpr * 1000); };
        const qint64 hold = m.holdDb > LevelMath::kMeterFloorDb
                                ? std::min(x(m.holdDb), qRound64((m_layout.meterBar[c].right() - 1.5) * dpr * 1000))
                                : -1;
        look[size_t(c)] = {{x(m.peakDb), x(m.rmsDb), hold}, MeterPainter::readoutText(m.holdDb), clipLit(c)};
    }
    return look;
}

// ---------------------------------------------------------------------------
// Geometry

void AudioDisplayWidget::ensureLayout()
{
    if (m_layout.size == size() && m_layout.dpr == devicePixelRatioF())
        return;
    m_layout = LevelDisplay::layoutFor(size(), devicePixelRatioF(), font());
    m_meterPainter.relayout(m_layout);
    m_spectrogramPainter.relayout(m_layout);
    m_background = QPixmap();
}

QRectF AudioDisplayWidget::plotRect() const
{
    switch (effectiveStyle()) {
    case Oscilloscope:
        return m_layout.scope;
    case Spectrum:
        return m_layout.spectrum;
    case Spectrogram:
        return m_layout.spectrogram;
    case History:
        return m_layout.history;
    default:
        return m_layout.meters;
    }
}

double AudioDisplayWidget::frequencyToX(double hz) const
{
    return SpectrumPainter::frequencyToX(m_layout.spectrum, m_sampleRate, hz);
}

double AudioDisplayWidget::meterX(double db) const
{
    return MeterPainter::dbToX(m_layout, db);
}

QRectF AudioDisplayWidget::meterBarRect(int channel) const
{
    return m_layout.meterBar[channel & 1];
}

void AudioDisplayWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_layout.size = QSize();
    ensureLayout();
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
// Painting

void AudioDisplayWidget::ensureBackground()
{
    const int style = effectiveStyle();
    const bool mono = style == Oscilloscope && m_mono;
    if (!m_background.isNull() && m_backgroundStyle == style && m_backgroundMono == mono)
        return;
    m_background = QPixmap(size() * m_layout.dpr);
    m_background.setDevicePixelRatio(m_layout.dpr);
    m_background.fill(LevelDisplay::kBackground);
    m_backgroundStyle = style;
    m_backgroundMono = mono;
    QPainter p(&m_background);
    p.setFont(m_layout.labelFont);
    switch (style) {
    case Oscilloscope:
        m_scopePainter.paintBackground(p, m_layout, mono);
        break;
    case Spectrum:
        m_spectrumPainter.paintBackground(p, m_layout, m_sampleRate);
        break;
    case Spectrogram:
        m_spectrogramPainter.paintBackground(p, m_layout, m_sampleRate);
        break;
    case History:
        m_historyPainter.paintBackground(p, m_layout);
        break;
    default:
        m_meterPainter.paintBackground(p, m_layout);
        break;
    }
}

// The spectrum and the history draw their curves straight into an image of
// the background (recorder/display/CurveRaster).
void AudioDisplayWidget::restoreFrame()
{
    if (m_backgroundImage.isNull() || m_backgroundImageFrom != m_background.cacheKey()) {
        m_backgroundImage = m_background.toImage();
        if (m_backgroundImage.format() != QImage::Format_RGB32
            && m_backgroundImage.format() != QImage::Format_ARGB32_Premultiplied)
            m_backgroundImage.convertTo(QImage::Format_ARGB32_Premultiplied);
        m_backgroundImageFrom = m_background.cacheKey();
        m_frame = QImage();
    }
    if (m_frame.size() != m_backgroundImage.size() || m_frame.format() != m_backgroundImage.format()) {
        m_frame = m_backgroundImage.copy();
        return;
    }
    std::memcpy(m_frame.bits(), m_backgroundImage.constBits(), size_t(m_frame.sizeInBytes()));
}

void AudioDisplayWidget::paintEvent(QPaintEvent *)
{
    ensureLayout();
    ensureBackground();
    if (effectiveStyle() == Meters)
        m_paintedLook = meterLook();
    else
        m_paintedLook.reset();
    QPainter p(this);
    if (const int style = effectiveStyle(); style == Spectrum || style == History) {
        restoreFrame();
        if (style == Spectrum)
            m_spectrumPainter.paint(m_frame, m_layout);
        else
            m_historyPainter.paint(m_frame, m_layout, m_now);
        p.drawImage(0, 0, m_frame);
        return;
    }
    p.drawPixmap(0, 0, m_background);
    switch (effectiveStyle()) {
    case Oscilloscope:
        m_scopePainter.paint(p, m_layout, m_samples.constData(), m_frames, m_mono);
        break;
    case Spectrogram:
        m_spectrogramPainter.paint(p, m_layout);
        break;
    default: {
        std::array<MeterReading, 2> readings;
        for (int c = 0; c < 2; ++c) {
            const MeterState &m = m_meter[size_t(c)];
            readings[size_t(c)] = {m.peakDb, m.rmsDb, m.holdDb, clipLit(c)};
        }
        m_meterPainter.paint(p, m_layout, readings, m_background);
        break;
    }
    }
}
