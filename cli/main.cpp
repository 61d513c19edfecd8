// tarvell-rec: Tarvell Recorder's recording on the command line. See
// `tarvell-rec --help` and the manual page tarvell-rec(1).

#include "cli/Arguments.h"
#include "cli/Devices.h"
#include "cli/TakeConsole.h"
#include "engine/PulseAudioRecord.h"
#include "engine/Take.h"
#include "engine/WavAudioFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Ctrl+C, SIGTERM and SIGHUP reach the event loop through a pipe: the handler
// only writes a byte, the recording is finished by the loop.
int g_stopPipe[2] = {-1, -1};

void onStopSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_stopPipe[1], &byte, 1);
    errno = saved;
}

bool catchStopSignals()
{
    if (::pipe2(g_stopPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int sig : {SIGINT, SIGTERM, SIGHUP})
        if (::sigaction(sig, &action, nullptr) != 0)
            return false;
    return true;
}

void writeOut(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvell-rec"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVELL_VERSION));

    // Past a file-size limit (ulimit -f) a write must fail with EFBIG and be
    // reported, not kill the program; libpulse's shared memory meets the
    // limit even before the file is made.
    std::signal(SIGXFSZ, SIG_IGN);

    const cli::Parsed parsed = cli::parseArguments(QCoreApplication::arguments());
    if (parsed.exit != cli::Recorded) {
        cli::say(parsed.error);
        return parsed.exit;
    }
    const cli::Options &o = parsed.options;
    if (o.help) {
        writeOut(parsed.helpText.toUtf8());
        return cli::Recorded;
    }
    if (o.version) {
        writeOut("tarvell-rec " TARVELL_VERSION "\n");
        return cli::Recorded;
    }

    // The file first: a name that cannot be used is refused before any
    // sound is touched.
    QString path;
    if (!o.list) {
        if (o.file.endsWith(QLatin1Char('/')) || QFileInfo(o.file).isDir()) {
            cli::say(QStringLiteral("%1: is a folder; give the name of a file to record into").arg(o.file));
            return cli::CannotCreate;
        }
        path = cli::withWavExtension(o.file);
        const QFileInfo target(path);
        if (target.isDir()) {
            cli::say(QStringLiteral("%1: is a folder; give the name of a file to record into").arg(path));
            return cli::CannotCreate;
        }
        if (target.exists() && target.size() > 0 && !o.force) {
            cli::say(QStringLiteral("%1: exists; give --force to replace it").arg(path));
            return cli::FileExists;
        }
    }

    PulseAudioRecord rec;
    // Nothing here is drawn 25 times a second: waking four times a second
    // keeps the cost of a long recording near that of the capture itself.
    rec.setTimerInterval(cli::TakeConsole::TickMs);
    rec.setDisplayKept(false);
    if (!rec.ServerConnected()) {
        cli::say(QStringLiteral("no sound server answers (is PulseAudio or PipeWire running for this user, with "
                                "XDG_RUNTIME_DIR set?)"));
        return cli::NoServer;
    }
    if (o.list) {
        writeOut(o.json ? cli::listJson(rec) : cli::listText(rec));
        return cli::Recorded;
    }
    QString error;
    if (!(o.app.isEmpty() ? cli::chooseLine(rec, o.device, o.line, &error)
                          : cli::chooseApplication(rec, o.app, &error))) {
        cli::say(error);
        return cli::NoSuchDevice;
    }

    if (!catchStopSignals()) {
        cli::say(QStringLiteral("cannot catch Ctrl+C: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
        return cli::CaptureFailed;
    }
    WavAudioFile file;
    file.SetWaveFormat(o.format);
    Take take(rec, file);
    take.setDurationMs(o.durationMs.value_or(0));
    cli::TakeConsole console(rec, take, !o.quiet && ::isatty(STDERR_FILENO));
    QSocketNotifier stopNotifier(g_stopPipe[0], QSocketNotifier::Read);
    QObject::connect(&stopNotifier, &QSocketNotifier::activated, &take, [&] {
        char byte;
        while (::read(g_stopPipe[0], &byte, 1) > 0) {
        }
        take.stop();
    });
    QObject::connect(&console, &cli::TakeConsole::finished, &app, [](int code) { QCoreApplication::exit(code); });

    if (const int code = console.start(path); code != cli::Recorded)
        return code;
    return app.exec();
}
