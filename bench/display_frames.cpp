// The level display alone, offscreen: every style fed the same swelling
// pink-like noise at 25 frames a second of simulated time. Prints the CPU
// time per frame of each style (feeding and painting), and with a folder
// given saves frames 10, 60 and 200 of each as PNG, so that two builds can
// be compared pixel for pixel. STYLE=spectrum (or another style's name)
// runs that style alone, for a profiler.
//
//   QT_QPA_PLATFORM=offscreen display_frames [FRAMES] [FOLDER]

#include "recorder/AudioDisplayWidget.h"

#include <QApplication>
#include <QImage>
#include <QRandomGenerator>
#include <QWindow>

#include <cmath>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// 40 ms of stereo at 44.1 kHz: filtered noise whose level swells and fades
// every two seconds, different in the two channels; the same on every run.
QVector<qint16> block(int frame, QRandomGenerator &random, double state[2])
{
    constexpr int Frames = 1764;
    QVector<qint16> out(Frames * 2);
    for (int i = 0; i < Frames; ++i) {
        const double t = (frame * Frames + i) / 44100.0;
        const double swell = 0.5 + 0.45 * std::sin(2 * M_PI * t / 2.0);
        for (int c = 0; c < 2; ++c) {
            const double white = random.generateDouble() * 2 - 1;
            state[c] = 0.97 * state[c] + 0.03 * white * 8;
            out[2 * i + c] = qint16(std::clamp(state[c] * swell * (c ? 0.7 : 1.0), -1.0, 1.0) * 32767);
        }
    }
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int frames = argc > 1 ? std::max(210, atoi(argv[1])) : 500;
    const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const QString only = qEnvironmentVariable("STYLE");
    const char *names[] = {"oscilloscope", "spectrum", "meters", "spectrogram", "history"};
    // The sound is made before the clock starts: only the display is timed.
    std::vector<QVector<qint16>> blocks;
    {
        QRandomGenerator random(7);
        double state[2] = {0, 0};
        for (int f = 0; f < frames; ++f)
            blocks.push_back(block(f, random, state));
    }
    std::printf("%-14s %12s\n", "style", "ms per frame");
    for (int style = 0; style < 5; ++style) {
        if (!only.isEmpty() && only != QLatin1String(names[style]))
            continue;
        AudioDisplayWidget display;
        display.resize(427, 115);
        display.setDisplayStyle(style);
        display.show();
        // repaint() paints nothing until the window is on the screen.
        while (!display.windowHandle() || !display.windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        const double start = cpuSeconds();
        for (int f = 0; f < frames; ++f) {
            display.showSamplesAt(blocks[size_t(f)], qint64(f) * 40);
            display.repaint();
            if (!folder.isEmpty() && (f == 10 || f == 60 || f == 200))
                display.grab().toImage().save(QStringLiteral("%1/%2-%3.png").arg(folder).arg(names[style]).arg(f));
        }
        std::printf("%-14s %12.3f\n", names[style], (cpuSeconds() - start) * 1000 / frames);
    }
    return 0;
}
