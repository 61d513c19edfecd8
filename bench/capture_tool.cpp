// A headless recording on the core library, the way the program records:
// WavAudioFile hands its format to PulseAudioRecord, every EndArrayRecord
// block goes straight into the file, and at the end the recorder is stopped
// and drained before the file is closed.
//
//   capture_tool --line "Stereo Mix (Fake_Card_1)" --seconds 60 --rate 48000 --channels 2 --bits 16 --out take.wav
//   capture_tool --list
//
// On success it prints one line for scripts, e.g.
//   frames=2879040 seconds=60.000 expected_frames=2880000 lost_frames=0 hole_frames=0 blocks=60 status=0
// where frames are the frames in the file, seconds the time from the start
// of capture to the stop, expected_frames that time at the sample rate, and
// lost/hole frames what the recorder itself counted.
// SIGINT or SIGTERM stops the recording early, as if the time were up.
// Exit status: 0 recorded, 1 capture or file failure, 2 bad arguments.

#include "engine/AudioFailure.h"
#include "engine/PulseAudioRecord.h"
#include "engine/StopSignals.h"
#include "engine/WavAudioFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>

#include <unistd.h>

namespace {

void printErr(const QString &text)
{
    std::fprintf(stderr, "capture_tool: %s\n", qPrintable(text));
}

// Selects the line whose name is `name` on whichever device has it.
bool selectLine(PulseAudioRecord &rec, const QString &name)
{
    for (qint32 d = 0; d < rec.DeviceCount(); ++d) {
        rec.setDeviceIndex(d);
        for (qint32 l = 0; l < rec.SourceCount(); ++l) {
            rec.setSourceIndex(l);
            if (rec.SourceName() == name) {
                rec.setSourceSelected(true);
                return true;
            }
        }
    }
    return false;
}

void listLines(PulseAudioRecord &rec)
{
    for (qint32 d = 0; d < rec.DeviceCount(); ++d) {
        rec.setDeviceIndex(d);
        std::printf("%s\n", qPrintable(rec.DeviceName()));
        for (qint32 l = 0; l < rec.SourceCount(); ++l) {
            rec.setSourceIndex(l);
            std::printf("    %s\n", qPrintable(rec.SourceName()));
        }
    }
}

// Parses a whole positive number option; nullopt (after saying why) if it is not one.
std::optional<qint32> positiveInt(const QCommandLineParser &args, const QString &option)
{
    bool ok = false;
    const qint32 v = args.value(option).toInt(&ok);
    if (!ok || v <= 0) {
        printErr(QStringLiteral("--%1 needs a positive whole number, not \"%2\"").arg(option, args.value(option)));
        return std::nullopt;
    }
    return v;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);

    QCommandLineParser args;
    args.setApplicationDescription(QStringLiteral("Records one line into a WAV file without a window."));
    args.addHelpOption();
    args.addOptions({
        {QStringLiteral("line"), QStringLiteral("Line to record, as the program lists it."), QStringLiteral("name")},
        {QStringLiteral("seconds"), QStringLiteral("How long to record (may be fractional)."), QStringLiteral("s"),
         QStringLiteral("60")},
        {QStringLiteral("rate"), QStringLiteral("Sample rate in Hz."), QStringLiteral("hz"), QStringLiteral("48000")},
        {QStringLiteral("channels"), QStringLiteral("1 or 2."), QStringLiteral("n"), QStringLiteral("2")},
        {QStringLiteral("bits"), QStringLiteral("8 or 16."), QStringLiteral("n"), QStringLiteral("16")},
        {QStringLiteral("out"), QStringLiteral("WAV file to write."), QStringLiteral("file")},
        {QStringLiteral("list"), QStringLiteral("List the devices and their lines, then quit.")},
    });
    args.process(app);

    PulseAudioRecord rec;
    if (rec.DeviceCount() == 0) {
        printErr(QStringLiteral("no capture devices (is the sound server running, XDG_RUNTIME_DIR set?)"));
        return 1;
    }
    if (args.isSet(QStringLiteral("list"))) {
        listLines(rec);
        return 0;
    }

    const auto rate = positiveInt(args, QStringLiteral("rate"));
    const auto channels = positiveInt(args, QStringLiteral("channels"));
    const auto bits = positiveInt(args, QStringLiteral("bits"));
    bool secondsOk = false;
    const double seconds = args.value(QStringLiteral("seconds")).toDouble(&secondsOk);
    if (!rate || !channels || !bits)
        return 2;
    if (!secondsOk || !(seconds > 0) || seconds > 24 * 3600) {
        printErr(QStringLiteral("--seconds needs a duration above 0 and at most a day"));
        return 2;
    }
    const QString line = args.value(QStringLiteral("line"));
    const QString out = args.value(QStringLiteral("out"));
    if (line.isEmpty() || out.isEmpty()) {
        printErr(QStringLiteral("--line and --out are required (--list shows the lines)"));
        return 2;
    }

    WavAudioFile file;
    qint32 blocks = 0;
    qint64 bytesWritten = 0;  // what WriteBlock accepted; dataBytes() is gone once the file is closed
    QString failure;          // first failure; ends the recording
    QElapsedTimer clock;
    qint64 capturedNs = 0;

    try {
        if (!selectLine(rec, line)) {
            printErr(QStringLiteral("no line named \"%1\"; these exist:").arg(line));
            listLines(rec);
            return 2;
        }
        file.SetWaveFormat({*rate, qint16(*channels), *bits});
        file.CreateWaveFile(out, 0);
        rec.SetFormat(file.FormatDescriptor(), file.FormatUnit());
        rec.setBlockLength(rec.DurationToLength(1000));
    } catch (const AudioFailure &e) {
        printErr(e.description());
        return e.number() == AudioFailure::InvalidArgument ? 2 : 1;
    }

    auto finish = [&] {
        if (!clock.isValid() || capturedNs)
            return;   // never started, or already finished
        capturedNs = clock.nsecsElapsed();
        try {
            rec.StopCapture();
            for (QByteArray b = rec.GetBlock(); !b.isEmpty(); b = rec.GetBlock()) {
                file.WriteBlock(b);
                bytesWritten += b.size();
                ++blocks;
            }
        } catch (const AudioFailure &e) {
            if (failure.isEmpty())
                failure = e.description();
        }
        app.quit();
    };

    QObject::connect(&rec, &AudioRecord::EndArrayRecord, &app, [&](qint32) {
        try {
            const QByteArray b = rec.GetBlock();
            file.WriteBlock(b);
            bytesWritten += b.size();
            ++blocks;
        } catch (const AudioFailure &e) {
            failure = e.description();
            finish();
        }
    });
    QObject::connect(&rec, &AudioRecord::CaptureError, &app, [&](qint32, const QString &description) {
        if (failure.isEmpty())
            failure = description;
        finish();
    });

    // SIGINT and SIGTERM stop early; waiting for them costs no wake-ups of
    // its own (this tool is measured for CPU time).
    const StopSignals stopSignals{SIGINT, SIGTERM};
    if (!stopSignals.error().isEmpty()) {
        printErr(QStringLiteral("signals: %1").arg(stopSignals.error()));
        return 1;
    }
    QObject::connect(&stopSignals, &StopSignals::caught, &app, finish);

    try {
        rec.StartCapture();
    } catch (const AudioFailure &e) {
        printErr(e.description());
        return 1;
    }
    clock.start();
    QTimer::singleShot(qint64(seconds * 1000.0 + 0.5), Qt::PreciseTimer, &app, finish);

    app.exec();

    try {
        file.CloseFile();
    } catch (const AudioFailure &e) {
        if (failure.isEmpty())
            failure = e.description();
    }

    const WaveFormat fmt = file.format();
    const double captured = double(capturedNs) / 1e9;
    const qint64 fileFrames = bytesWritten / fmt.bytesPerFrame();
    std::printf("frames=%lld seconds=%.3f expected_frames=%lld lost_frames=%lld hole_frames=%lld blocks=%d "
                "status=%d\n",
                static_cast<long long>(fileFrames), captured,
                static_cast<long long>(captured * fmt.sampleRate + 0.5), static_cast<long long>(rec.lostFrames()),
                static_cast<long long>(rec.holeFrames()), blocks, rec.CaptureStatus());
    std::fflush(stdout);
    if (!failure.isEmpty()) {
        printErr(failure);
        return 1;
    }
    return 0;
}
