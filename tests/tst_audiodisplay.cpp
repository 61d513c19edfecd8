#include "recorder/AudioDisplayWidget.h"
#include "recorder/display/CurveRaster.h"
#include "engine/LevelMath.h"

#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QtTest>

#include <climits>
#include <cmath>
#include <functional>
#include <numbers>
#include <random>

namespace {

constexpr int kRate = 44100;

// Interleaved stereo from a function of (frame, channel) in full-scale units.
QVector<qint16> stereo(int frames, const std::function<double(int, int)> &f)
{
    QVector<qint16> v(frames * 2);
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < 2; ++c)
            v[2 * i + c] = qint16(std::clamp(std::lround(f(i, c) * 32768.0), -32768L, 32767L));
    return v;
}

double sine(double hz, int frame, int rate = kRate)
{
    return std::sin(2 * std::numbers::pi * hz * frame / rate);
}

QVector<qint16> tone(double hz, double amplitude, int frames = 2048, int rate = kRate)
{
    return stereo(frames, [=](int i, int) { return amplitude * sine(hz, i, rate); });
}

// 440 Hz left-heavy, 3 kHz right-heavy, a little noise: different channels.
QVector<qint16> mixed(int frames = 2048, unsigned seed = 1)
{
    std::mt19937 rng(seed);
    std::normal_distribution<double> noise(0, 0.01);
    return stereo(frames, [&](int i, int c) {
        return (c ? 0.3 : 0.5) * sine(440, i) + (c ? 0.25 : 0.1) * sine(3000, i) + noise(rng);
    });
}

QVector<qint16> silence(int frames = 2048)
{
    return QVector<qint16>(frames * 2, 0);
}

// Feeds the same block a number of times, 40 ms apart, from time t; returns
// the time after the last one.
qint64 feed(AudioDisplayWidget &w, const QVector<qint16> &s, int times, qint64 t = 0)
{
    for (int i = 0; i < times; ++i, t += 40)
        w.showSamplesAt(s, t);
    return t;
}

QImage shot(AudioDisplayWidget &w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The highest point inside area where b differs from a (x -1 when none).
QPoint highestChange(const QImage &a, const QImage &b, const QRect &area)
{
    QPoint best(-1, INT_MAX);
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                if (y < best.y())
                    best = {x, y};
                break;
            }
        }
    }
    return best;
}

} // namespace

class TestAudioDisplay : public QObject
{
    Q_OBJECT
private slots:
    void levelMath();
    void meterScale();
    void spectrumAnalyser_data();
    void spectrumAnalyser();
    void spectrumNeedsEnoughFrames();
    void stylesLookDifferent();
    void silenceLooksLikeSilence_data();
    void silenceLooksLikeSilence();
    void outOfRangeStyles_data();
    void outOfRangeStyles();
    void emptyAndOddInput();
    void meterBallistics();
    void clipIsPerChannelAndClickResets();
    void meterBarEndsAtLevel();
    void metersRepaintOnlyWhenTheyMove();
    void framesDrawnInPart_showWhatAWholePaintShows();
    void spectrumPeakAtTone_data();
    void spectrumPeakAtTone();
    void spectrumFollowsWaveFormat_data();
    void spectrumFollowsWaveFormat();
    void spectrogramPutsHighNotesHigher();
    void historyScrolls();
    void curvesAsQPainterDrawsThem_data();
    void curvesAsQPainterDrawsThem();
    void curvesWithPointsOfNoNumber_drawNothingOutsideTheirPlot();
    void screenshots();
};

void TestAudioDisplay::levelMath()
{
    using namespace LevelMath;
    QVERIFY(std::abs(peakDbfs(32767)) < 0.001);
    QCOMPARE(peakDbfs(32768), 0.0);
    QVERIFY(std::abs(peakDbfs(16384) + 6.0206) < 0.001);
    QCOMPARE(peakDbfs(0), kSilenceDb);
    QCOMPARE(amplitudeToDb(std::nan("")), kSilenceDb);
    QCOMPARE(amplitudeToDb(-1.0), kSilenceDb);

    // Full-scale sine: peak 0 dBFS, RMS -3 dBFS, only where it was put.
    const QVector<qint16> s = stereo(4800, [](int i, int c) { return c ? 0.0 : 32767.0 / 32768 * sine(1000, i, 48000); });
    const ChannelLevel left = measureChannel(s.constData(), 4800, 2, 0);
    const ChannelLevel right = measureChannel(s.constData(), 4800, 2, 1);
    QVERIFY(std::abs(left.rmsDb() + 3.0103) < 0.01);
    QVERIFY(std::abs(left.peakDb()) < 0.001);
    QVERIFY(left.clipped);
    QCOMPARE(right.peak, 0);
    QCOMPARE(right.rmsDb(), kSilenceDb);
    QVERIFY(!right.clipped);

    // A square wave's RMS equals its peak.
    const QVector<qint16> sq = stereo(1000, [](int i, int) { return (i / 50) % 2 ? 0.5 : -0.5; });
    const ChannelLevel square = measureChannel(sq.constData(), 1000, 2, 1);
    QVERIFY(std::abs(square.rmsDb() - square.peakDb()) < 0.001);
    QVERIFY(!square.clipped);

    // Either rail clips, one step inside does not.
    QVERIFY(isClipSample(32767));
    QVERIFY(isClipSample(-32768));
    QVERIFY(!isClipSample(32766));
    QCOMPARE(measureChannel(nullptr, 10, 2, 0).rmsDb(), kSilenceDb);
}

void TestAudioDisplay::meterScale()
{
    using LevelMath::meterFraction;
    QCOMPARE(meterFraction(-60), 0.0);
    QCOMPARE(meterFraction(-200), 0.0);
    QCOMPARE(meterFraction(LevelMath::kSilenceDb), 0.0);
    QCOMPARE(meterFraction(0), 1.0);
    QCOMPARE(meterFraction(3), 1.0);
    QCOMPARE(meterFraction(std::nan("")), 0.0);
    // Continuous and rising across every segment, with the top 20 dB taking
    // about half the length.
    double last = 0;
    for (double db = -59.9; db <= 0; db += 0.1) {
        const double f = meterFraction(db);
        QVERIFY2(f > last && f - last < 0.01, qPrintable(QString::number(db)));
        last = f;
    }
    QVERIFY(meterFraction(-20) > 0.45 && meterFraction(-20) < 0.55);
}

void TestAudioDisplay::spectrumAnalyser_data()
{
    QTest::addColumn<double>("hz");
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("expectedSize");
    QTest::newRow("1 kHz, 2048 frames") << 1000.0 << 2048 << 44100 << 2048;
    QTest::newRow("1 kHz, 1500 frames") << 1000.0 << 1500 << 44100 << 1024;
    QTest::newRow("440 Hz, 4096 frames") << 440.0 << 4096 << 48000 << 4096;
    QTest::newRow("5 kHz, capped size") << 5000.0 << 10000 << 48000 << 4096;
    QTest::newRow("120 Hz, 512 frames") << 120.0 << 512 << 8000 << 512;
}

void TestAudioDisplay::spectrumAnalyser()
{
    QFETCH(double, hz);
    QFETCH(int, frames);
    QFETCH(int, rate);
    QFETCH(int, expectedSize);
    SpectrumAnalyser a;
    const QVector<qint16> s = tone(hz, 0.5, frames, rate);
    QCOMPARE(a.analyse(s.constData(), frames), expectedSize / 2 + 1);
    QCOMPARE(a.fftSize(), expectedSize);
    const double binHz = double(rate) / expectedSize;
    const int peak = a.peakBin();
    QVERIFY2(std::abs(peak * binHz - hz) <= binHz, qPrintable(QString::number(peak * binHz)));
    // Half scale reads about -6 dB (Hann scalloping costs at most 1.5 dB).
    QVERIFY2(a.binsDb()[peak] > -7.6 && a.binsDb()[peak] < -5.5, qPrintable(QString::number(a.binsDb()[peak])));
    // Far from the tone the window keeps leakage down where a plain
    // rectangular cut would leave it near -60 dB.
    const int far = std::min(a.binCount() - 1, int(std::lround(hz * 8 / binHz)));
    if (far < a.binCount() - 1 && far > peak + 40)
        QVERIFY2(a.binsDb()[far] < -90, qPrintable(QString::number(a.binsDb()[far])));

    // On the log axis the loudest cell is where the tone's frequency falls.
    std::vector<float> cells(200);
    const double hi = std::min(20000.0, rate / 2.0);
    a.mapToLogAxis(rate, 20, hi, cells.data(), int(cells.size()));
    const int loudest = int(std::max_element(cells.begin(), cells.end()) - cells.begin());
    // Within a bin of the tone, or a cell where cells are wider than bins.
    const double cellHz = 20 * std::pow(hi / 20, (loudest + 0.5) / cells.size());
    const double cellWidth = cellHz * (std::pow(hi / 20, 1.0 / cells.size()) - 1);
    QVERIFY2(std::abs(cellHz - hz) <= std::max(binHz, 1.5 * cellWidth), qPrintable(QString::number(cellHz)));
    for (float c : cells)
        QVERIFY(std::isfinite(c));
}

void TestAudioDisplay::spectrumNeedsEnoughFrames()
{
    SpectrumAnalyser a;
    const QVector<qint16> s = tone(1000, 0.5, 63);
    QCOMPARE(a.analyse(s.constData(), 63), 0);
    QCOMPARE(a.peakBin(), -1);
    std::vector<float> cells(50, 1.0f);
    a.mapToLogAxis(kRate, 20, 20000, cells.data(), 50);
    for (float c : cells)
        QCOMPARE(c, float(LevelMath::kSilenceDb));
    // A transform after a failed one still works, with the same size kept.
    const QVector<qint16> t = tone(1000, 0.5, 64);
    QCOMPARE(a.analyse(t.constData(), 64), 33);
}

void TestAudioDisplay::stylesLookDifferent()
{
    AudioDisplayWidget w;
    w.resize(427, 115);
    QCOMPARE(w.DisplayStyle(), 2); // the default
    feed(w, mixed(), 20);
    QImage images[5];
    for (int s = 0; s < 5; ++s) {
        w.setDisplayStyle(s);
        images[s] = shot(w);
        QCOMPARE(images[s].size(), QSize(427, 115));
    }
    for (int a = 0; a < 5; ++a)
        for (int b = a + 1; b < 5; ++b)
            QVERIFY2(images[a] != images[b], qPrintable(QStringLiteral("styles %1 and %2").arg(a).arg(b)));
}

void TestAudioDisplay::silenceLooksLikeSilence_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("sameAsUnfed");
    QTest::newRow("oscilloscope") << 0 << false;
    QTest::newRow("spectrum") << 1 << true;
    QTest::newRow("meters") << 2 << true;
    QTest::newRow("spectrogram") << 3 << true;
    QTest::newRow("history") << 4 << false;
}

void TestAudioDisplay::silenceLooksLikeSilence()
{
    QFETCH(int, style);
    QFETCH(bool, sameAsUnfed);
    AudioDisplayWidget unfed, quiet, loud;
    for (AudioDisplayWidget *w : {&unfed, &quiet, &loud}) {
        w->resize(427, 115);
        w->setDisplayStyle(style);
    }
    feed(quiet, silence(), 10);
    feed(loud, mixed(), 10);
    const QImage q = shot(quiet);
    QVERIFY(q != shot(loud));
    if (sameAsUnfed)
        QVERIFY(q == shot(unfed));
    for (int c = 0; c < 2; ++c) {
        QCOMPARE(quiet.peakDb(c), LevelMath::kSilenceDb);
        QCOMPARE(quiet.rmsDb(c), LevelMath::kSilenceDb);
        QCOMPARE(quiet.peakHoldDb(c), LevelMath::kSilenceDb);
    }
}

void TestAudioDisplay::outOfRangeStyles_data()
{
    QTest::addColumn<int>("style");
    QTest::newRow("-1") << -1;
    QTest::newRow("5") << 5;
    QTest::newRow("1000") << 1000;
    QTest::newRow("INT_MIN") << INT_MIN;
}

void TestAudioDisplay::outOfRangeStyles()
{
    QFETCH(int, style);
    AudioDisplayWidget odd, meters;
    odd.resize(427, 115);
    meters.resize(427, 115);
    odd.setDisplayStyle(style);
    meters.setDisplayStyle(0); // away and back, so both went through a change
    meters.setDisplayStyle(2);
    QCOMPARE(odd.DisplayStyle(), style);
    const QVector<qint16> s = mixed();
    feed(odd, s, 5);
    feed(meters, s, 5);
    QCOMPARE(shot(odd), shot(meters));
    QCOMPARE(odd.plotRect(), meters.plotRect());
}

void TestAudioDisplay::emptyAndOddInput()
{
    AudioDisplayWidget w;
    w.resize(427, 115);
    const QVector<QVector<qint16>> inputs{
        {}, {1}, {1, 2, 3}, tone(1000, 0.5, 100), tone(1000, 0.5, 3), tone(1000, 0.5, 70), mixed(4096)};
    qint64 t = 0;
    for (int style : {0, 1, 2, 3, 4, 9}) {
        w.setDisplayStyle(style);
        for (const QVector<qint16> &in : inputs) {
            w.showSamplesAt(in, t += 40);
            QVector<qint16> odd = in;
            odd.append(7);
            w.showSamplesAt(odd, t += 40);
            QVERIFY(!shot(w).isNull());
        }
    }

    // The trailing half frame is not a sample: a lone clipping value there
    // must not light the clip indicator.
    AudioDisplayWidget v;
    QVector<qint16> quietThenRail = silence(256);
    quietThenRail.append(32767);
    v.showSamplesAt(quietThenRail, 0);
    QVERIFY(!v.clipLit(0) && !v.clipLit(1));
    QCOMPARE(v.peakDb(0), LevelMath::kSilenceDb);

    // Nothing new counts as silence: the meters fall back to the floor.
    v.showSamplesAt(tone(1000, 0.9), 1000);
    QVERIFY(v.peakDb(0) > -1.0);
    for (qint64 t2 = 1040; t2 <= 6000; t2 += 40)
        v.showSamplesAt({}, t2);
    QCOMPARE(v.peakDb(0), LevelMath::kSilenceDb);
    QCOMPARE(v.peakHoldDb(1), LevelMath::kSilenceDb);
}

void TestAudioDisplay::meterBallistics()
{
    AudioDisplayWidget w;
    const QVector<qint16> full = tone(1000, 1.0);
    const QVector<qint16> quiet = silence();
    w.showSamplesAt(full, 0);
    QVERIFY(std::abs(w.peakDb(0)) < 0.01);
    QVERIFY(std::abs(w.rmsDb(0) + 3.01) < 0.1);
    QVERIFY(w.clipLit(0) && w.clipLit(1));

    // Bars fall steadily, never jump, never rise on silence.
    double last = w.peakDb(0);
    for (qint64 t = 40; t <= 1000; t += 40) {
        w.showSamplesAt(quiet, t);
        QVERIFY(w.peakDb(0) < last);
        QVERIFY(last - w.peakDb(0) < 1.0);
        last = w.peakDb(0);
    }
    QVERIFY(std::abs(w.peakDb(0) + AudioDisplayWidget::kFallDbPerSecond) < 0.5);
    // The hold stays up for its time, the clip light longer.
    QVERIFY(std::abs(w.peakHoldDb(0)) < 0.01);
    QVERIFY(w.clipLit(0));
    w.showSamplesAt(quiet, 2000);
    QVERIFY(w.peakHoldDb(0) < -1 && w.peakHoldDb(0) > -60);
    QVERIFY(w.clipLit(1));
    w.showSamplesAt(quiet, 3500);
    QVERIFY(!w.clipLit(0) && !w.clipLit(1));
    w.showSamplesAt(quiet, 6000);
    QCOMPARE(w.peakHoldDb(0), LevelMath::kSilenceDb);

    // A louder peak replaces the hold at once; a quieter one does not.
    w.showSamplesAt(tone(1000, 0.25), 7000);
    const double hold = w.peakHoldDb(0);
    QVERIFY(std::abs(hold + 12.04) < 0.1);
    w.showSamplesAt(tone(1000, 0.1), 7100);
    QCOMPARE(w.peakHoldDb(0), hold);
}

void TestAudioDisplay::clipIsPerChannelAndClickResets()
{
    AudioDisplayWidget w;
    w.resize(427, 115);
    w.showSamplesAt(stereo(1024, [](int i, int c) { return c ? 1.0 * sine(500, i) : 0.2 * sine(500, i); }), 0);
    QVERIFY(!w.clipLit(0));
    QVERIFY(w.clipLit(1));
    const QImage lit = shot(w);
    QTest::mouseClick(&w, Qt::LeftButton);
    QVERIFY(!w.clipLit(1));
    QVERIFY(shot(w) != lit);
    // The hold restarts from what the bar shows, not from the floor.
    QCOMPARE(w.peakHoldDb(1), w.peakDb(1));
}

void TestAudioDisplay::metersRepaintOnlyWhenTheyMove()
{
    struct PaintCounter : QObject
    {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } counter;
    AudioDisplayWidget w;
    w.resize(427, 115);
    w.installEventFilter(&counter);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const auto paintsAfter = [&](const QVector<qint16> &s, int times, qint64 &t) {
        const int before = counter.paints;
        for (int i = 0; i < times; ++i, t += 40) {
            w.showSamplesAt(s, t);
            QCoreApplication::processEvents();
        }
        return counter.paints - before;
    };

    // A steady tone: the bars rise once, then stand, and nothing is painted.
    qint64 t = 0;
    QVERIFY(paintsAfter(tone(1000, 0.5), 1, t) >= 1);
    QCOMPARE(paintsAfter(tone(1000, 0.5), 10, t), 0);
    AudioDisplayWidget fresh;
    fresh.resize(427, 115);
    fresh.showSamplesAt(tone(1000, 0.5), 0);
    QCOMPARE(shot(w), shot(fresh));   // what stands is what a new display shows
    // A louder sound shows at once; silence brings the bars down frame by frame.
    QCOMPARE(paintsAfter(tone(1000, 0.9), 1, t), 1);
    QCOMPARE(paintsAfter(silence(), 10, t), 10);
}

// A frame draws again only the parts that move; what reaches the screen is
// still what painting the whole display shows: the lanes, the bars, and the
// readouts and clip lights as the holds fall.
void TestAudioDisplay::framesDrawnInPart_showWhatAWholePaintShows()
{
    AudioDisplayWidget w;
    w.resize(427, 115);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    qint64 t = 0;
    for (int style : {AudioDisplayWidget::Oscilloscope, AudioDisplayWidget::Meters, AudioDisplayWidget::Spectrogram,
                      AudioDisplayWidget::Spectrum, AudioDisplayWidget::History}) {
        w.setDisplayStyle(style);
        for (unsigned i = 0; i < 80; ++i, t += 40) {   // past the clip light's 3 s
            w.showSamplesAt(i ? mixed(2048, i) : stereo(2048, [](int, int c) { return c ? 0.1 : 1.0; }), t);
            QCoreApplication::processEvents();
            const QImage onScreen = w.screen()->grabWindow(w.winId()).toImage().convertToFormat(QImage::Format_RGB32);
            QVERIFY2(onScreen == shot(w), qPrintable(QStringLiteral("style %1, frame %2").arg(style).arg(i)));
        }
    }
}

void TestAudioDisplay::meterBarEndsAtLevel()
{
    AudioDisplayWidget quiet, w;
    for (AudioDisplayWidget *x : {&quiet, &w})
        x->resize(427, 115);
    quiet.showSamplesAt(silence(), 0);
    // Left at half scale (-6 dBFS peak), right silent.
    w.showSamplesAt(stereo(2048, [](int i, int c) { return c ? 0.0 : 0.5 * sine(997, i); }), 0);
    const QImage a = shot(quiet), b = shot(w);
    auto rightmostChange = [&](int y) {
        for (int x = a.width() - 1; x >= 0; --x)
            if (a.pixel(x, y) != b.pixel(x, y) && x < w.meterBarRect(0).right())
                return x;
        return -1;
    };
    const int edge = rightmostChange(int(w.meterBarRect(0).center().y()));
    const double expected = w.meterX(-6.02);
    QVERIFY2(std::abs(edge - expected) <= 3, qPrintable(QStringLiteral("%1 vs %2").arg(edge).arg(expected)));
    QCOMPARE(rightmostChange(int(w.meterBarRect(1).center().y())), -1);
}

void TestAudioDisplay::spectrumPeakAtTone_data()
{
    QTest::addColumn<double>("hz");
    QTest::newRow("250 Hz") << 250.0;
    QTest::newRow("1 kHz") << 1000.0;
    QTest::newRow("6 kHz") << 6000.0;
}

void TestAudioDisplay::spectrumPeakAtTone()
{
    QFETCH(double, hz);
    AudioDisplayWidget quiet, w;
    for (AudioDisplayWidget *x : {&quiet, &w}) {
        x->resize(427, 115);
        x->setDisplayStyle(1);
    }
    quiet.showSamplesAt(silence(), 0);
    w.showSamplesAt(tone(hz, 0.5), 0);
    const QImage a = shot(quiet), b = shot(w);
    const QRect r = w.plotRect().toAlignedRect();
    const auto [bestX, bestY] = highestChange(a, b, r.adjusted(1, 0, -2, -1));
    const double expected = w.frequencyToX(hz);
    QVERIFY2(std::abs(bestX - expected) <= 4, qPrintable(QStringLiteral("%1 vs %2").arg(bestX).arg(expected)));
    // -6 dB on a 0 .. -90 dB scale: near the top.
    QVERIFY(bestY < r.top() + r.height() * 0.15);
}

void TestAudioDisplay::spectrumFollowsWaveFormat_data()
{
    QTest::addColumn<int>("rate");
    QTest::newRow("8 kHz") << 8000;
    QTest::newRow("44.1 kHz") << 44100;
    QTest::newRow("48 kHz") << 48000;
}

// The capture's rate places the frequency axis: a 1 kHz tone peaks at the
// display's own 1 kHz mark at any rate, also on a display whose axes were
// already drawn for the rate it had before.
void TestAudioDisplay::spectrumFollowsWaveFormat()
{
    QFETCH(int, rate);
    AudioDisplayWidget quiet, w;
    for (AudioDisplayWidget *x : {&quiet, &w}) {
        x->resize(427, 115);
        x->setDisplayStyle(1);
        // Shown: a hidden widget is laid out afresh at every grab.
        x->show();
    }
    feed(w, silence(), 2);
    shot(w);
    for (AudioDisplayWidget *x : {&quiet, &w})
        x->SetWaveFormat({rate, 2, 16});
    std::mt19937 rng(3);
    std::normal_distribution<double> noise(0, 0.002);
    feed(quiet, silence(4096), 3);
    feed(w, stereo(4096, [&](int i, int) { return 0.5 * sine(1000, i, rate) + noise(rng); }), 3);
    const QImage a = shot(quiet), b = shot(w);

    // The peak is the highest point drawn.
    const int bestX = highestChange(a, b, w.plotRect().toAlignedRect()).x();
    const double expected = w.frequencyToX(1000);
    const double cell = w.plotRect().width() / 512;
    QVERIFY2(std::abs(bestX + 0.5 - expected) <= 2 * cell + 0.5,
             qPrintable(QStringLiteral("peak at x %1, 1 kHz at %2").arg(bestX).arg(expected)));
    // The axis ends at half the rate, or at 20 kHz.
    QVERIFY(std::abs(w.frequencyToX(std::min(20000.0, rate / 2.0)) - w.plotRect().right()) < 0.01);
}

void TestAudioDisplay::spectrogramPutsHighNotesHigher()
{
    AudioDisplayWidget w;
    w.resize(427, 115);
    w.setDisplayStyle(3);
    auto brightestRow = [&](double hz) {
        feed(w, tone(hz, 0.5), 3);
        const QImage img = shot(w);
        const QRect r = w.plotRect().toAlignedRect();
        const int x = r.right() - 1;
        int best = -1, bestLum = -1;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            const QColor c = img.pixelColor(x, y);
            const int lum = c.red() + c.green() + c.blue();
            if (lum > bestLum) {
                bestLum = lum;
                best = y;
            }
        }
        const double expected = w.plotRect().bottom()
                                - w.plotRect().height() * std::log(hz / 20) / std::log(20000.0 / 20);
        return std::pair(best, expected);
    };
    const auto [low, lowExpected] = brightestRow(300);
    const auto [high, highExpected] = brightestRow(5000);
    QVERIFY(std::abs(low - lowExpected) <= 3);
    QVERIFY(std::abs(high - highExpected) <= 3);
    QVERIFY(high < low - 20);
}

void TestAudioDisplay::historyScrolls()
{
    AudioDisplayWidget quiet, w;
    for (AudioDisplayWidget *x : {&quiet, &w}) {
        x->resize(427, 115);
        x->setDisplayStyle(4);
    }
    // Three seconds loud, then three quiet.
    feed(quiet, silence(), 150);
    const qint64 t = feed(w, tone(440, 0.7), 75);
    feed(w, silence(), 75, t);
    const QImage a = shot(quiet), b = shot(w);
    const QRectF r = w.plotRect();
    auto changes = [&](double fromSecondsAgo, double toSecondsAgo) {
        int n = 0;
        const double perSecond = r.width() * 1000.0 / AudioDisplayWidget::kHistoryMs;
        for (int x = int(r.right() - fromSecondsAgo * perSecond); x < int(r.right() - toSecondsAgo * perSecond); ++x)
            for (int y = int(r.top()); y < int(r.bottom()); ++y)
                n += a.pixel(x, y) != b.pixel(x, y);
        return n;
    };
    const int loudPart = changes(5.5, 3.5);
    const int quietPart = changes(2.5, 0.5);
    QVERIFY2(loudPart > 1000 && quietPart == 0,
             qPrintable(QStringLiteral("%1 / %2").arg(loudPart).arg(quietPart)));
}

// TARVELL_DISPLAY_SHOTS=dir writes every style for a mixed signal, to look at
// (with QT_SCALE_FACTOR=2 for a dense screen).
// The spectrum's and the history's curves are drawn by CurveRaster rather
// than QPainter, and must look the same: a fill under the curve and a
// 1.25-pixel line over it, compared pixel by pixel with QPainter's.
void TestAudioDisplay::curvesAsQPainterDrawsThem_data()
{
    QTest::addColumn<QVector<double>>("heights");   // of the plot, 0 bottom, 1 top
    QTest::addColumn<double>("beyond");             // how far the curve runs past the plot on each side
    QTest::addColumn<qreal>("dpr");
    std::mt19937 rng(5);
    std::normal_distribution<double> noise(0, 0.08);
    QVector<double> jagged, spikes, flat, repeats;
    for (int i = 0; i < 512; ++i) {
        jagged << std::clamp(0.7 - 0.4 * i / 512 + noise(rng), 0.0, 1.0);
        spikes << (i % 37 < 2 ? 0.95 : 0.3 + 0.02 * (i % 5));
        flat << 0.5;
        repeats << 0.2 + 0.5 * ((i / 3) % 2);   // steps, each height three times over
    }
    QTest::newRow("noisy") << jagged << 0.0 << 1.0;
    QTest::newRow("spikes") << spikes << 0.0 << 1.0;
    QTest::newRow("flat") << flat << 0.0 << 1.0;
    QTest::newRow("repeated points") << repeats << 0.0 << 1.0;
    QTest::newRow("running past the plot") << jagged << 30.0 << 1.0;
    QTest::newRow("spikes, pixel ratio 2") << spikes << 0.0 << 2.0;
}

void TestAudioDisplay::curvesAsQPainterDrawsThem()
{
    QFETCH(QVector<double>, heights);
    QFETCH(double, beyond);
    QFETCH(qreal, dpr);
    const QRectF plot(30.5, 6.3, 380, 88.4);
    QPolygonF polygon;   // logical pixels: base, curve, base
    polygon << QPointF(plot.left() - beyond, plot.bottom());
    for (qsizetype i = 0; i < heights.size(); ++i)
        polygon << QPointF(plot.left() - beyond + (plot.width() + 2 * beyond) * (i + 0.5) / heights.size(),
                           plot.bottom() - plot.height() * heights[i]);
    polygon << QPointF(plot.right() + beyond, plot.bottom());
    QLinearGradient gradient(0, plot.top(), 0, plot.bottom());
    gradient.setColorAt(0, QColor(0x62, 0xc8, 0xf4, 150));
    gradient.setColorAt(1, QColor(0x62, 0xc8, 0xf4, 25));
    const QColor line(0x62, 0xc8, 0xf4);

    QImage background(QSize(427, 115) * dpr, QImage::Format_RGB32);
    background.setDevicePixelRatio(dpr);
    background.fill(QColor(0x15, 0x1a, 0x20));
    {
        QPainter p(&background);   // a grid line, which the fill must show through
        p.fillRect(QRectF(200, 0, 1, 115), QColor(0x33, 0x3e, 0x4a));
    }
    QImage byPainter = background.copy();
    {
        QPainter p(&byPainter);
        p.setClipRect(plot);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(gradient);
        p.drawPolygon(polygon);
        p.setPen(QPen(line, 1.25));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(polygon.constData() + 1, int(polygon.size() - 2));
    }
    QImage byRaster = background.copy();
    {
        const QRect clip = CurveRaster::deviceRect(plot, dpr);
        QPolygonF device;
        for (const QPointF &point : polygon)
            device << point * dpr;
        CurveRaster raster(byRaster, clip);
        raster.fill(device.constData(), device.size());
        raster.paint(CurveRaster::rowColours(gradient, clip, dpr));
        raster.stroke(device.constData() + 1, device.size() - 2, 1.25 * dpr);
        raster.paint(qPremultiply(line.rgba()));
    }

    // Pixels the curve covers wholly or not at all are the same; along its
    // edges, the two may round a pixel's coverage differently.
    int worst = 0, covered = 0;
    double total = 0;
    for (int y = 0; y < byPainter.height(); ++y) {
        for (int x = 0; x < byPainter.width(); ++x) {
            const QRgb a = byPainter.pixel(x, y), b = byRaster.pixel(x, y);
            const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                    std::abs(qBlue(a) - qBlue(b))});
            worst = std::max(worst, d);
            total += d;
            covered += a != background.pixel(x, y);
        }
    }
    QVERIFY2(worst <= 4, qPrintable(QStringLiteral("a pixel differs by %1 levels").arg(worst)));
    QVERIFY(covered > 0);
    QVERIFY2(total / covered < 0.5, qPrintable(QStringLiteral("%1 levels apart on average").arg(total / covered)));
}

// A curve computed from a broken level must not write outside its plot
// (a crash, or a smear over the labels).
void TestAudioDisplay::curvesWithPointsOfNoNumber_drawNothingOutsideTheirPlot()
{
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const QPointF points[] = {{10, 90}, {50, 40}, {60, nan}, {70, -inf}, {80, 1e300}, {nan, 50}, {90, 60}, {400, 90}};
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::black);
    const QRect plot(20, 10, 100, 80);
    CurveRaster raster(image, plot);
    raster.fill(points, std::size(points));
    raster.paint(qRgb(0, 0, 255));
    raster.stroke(points, std::size(points), 1.25);
    raster.paint(qRgb(255, 255, 255));
    bool drawn = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool black = image.pixel(x, y) == qRgb(0, 0, 0);
            QVERIFY2(plot.contains(x, y) || black, qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            drawn = drawn || !black;
        }
    }
    QVERIFY(drawn);   // the good edges are drawn
}

void TestAudioDisplay::screenshots()
{
    const QString dir = qEnvironmentVariable("TARVELL_DISPLAY_SHOTS");
    if (dir.isEmpty())
        QSKIP("set TARVELL_DISPLAY_SHOTS to a folder to get pictures");
    QDir().mkpath(dir);
    AudioDisplayWidget w;
    w.resize(427, 115);
    // A few seconds of a swelling mix with one clipped moment, so the
    // history and the spectrogram have something to show.
    std::mt19937 rng(7);
    std::normal_distribution<double> noise(0, 0.01);
    qint64 t = 0;
    for (int i = 0; i < 200; ++i, t += 40) {
        // loudest at the end
        const double swell = 0.5 + 0.3 * std::cos((199 - i) / 12.0);
        QVector<qint16> s = stereo(2048, [&, i](int f, int c) {
            const int n = i * 1764 + f;
            return swell * ((c ? 0.6 : 1.0) * 0.6 * sine(440, n) + (c ? 0.5 : 0.2) * sine(3000 + 10 * i, n))
                   + noise(rng);
        });
        if (i == 190)
            s[101] = 32767;
        w.showSamplesAt(s, t);
    }
    for (int s = 0; s < 5; ++s) {
        w.setDisplayStyle(s);
        QVERIFY(w.grab().save(QStringLiteral("%1/style-%2.png").arg(dir).arg(s)));
    }
}

QTEST_MAIN(TestAudioDisplay)
#include "tst_audiodisplay.moc"
