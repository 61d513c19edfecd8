// tarvell-rec: Tarvell Recorder's recording on the command line. See
// `tarvell-rec --help` and the manual page tarvell-rec(1).

#include "cli/Arguments.h"
#include "cli/Devices.h"
#include "cli/TakeConsole.h"
#include "engine/Conversation.h"
#include "engine/PulseAudioRecord.h"
#include "engine/Take.h"
#include "engine/Translations.h"
#include "engine/WavAudioFile.h"

#include <QCoreApplication>
#include <QFile>

#include <csignal>
#include <optional>

#include <unistd.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvell-rec"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TARVELL_VERSION));
    Translations::install(app);

    // Past a file-size limit (ulimit -f) a write must fail with EFBIG and be
    // reported, not kill the program; libpulse's shared memory meets the
    // limit even before the file is made.
    std::signal(SIGXFSZ, SIG_IGN);

    // Arguments are read as UTF-8: bytes that are not would come back as
    // other characters, and a file would be written under a name the user
    // never gave.
    for (int i = 1; i < argc; ++i)
        if (QString::fromLocal8Bit(argv[i]).toLocal8Bit() != QByteArray(argv[i]))
            return cli::refuse(cli::BadValue, QCoreApplication::translate("tarvell-rec", "\"%1\" is not valid UTF-8; give the name in UTF-8")
                                                  .arg(QString::fromLocal8Bit(argv[i])));

    const cli::Parsed parsed = cli::parseArguments(QCoreApplication::arguments());
    const cli::Options &o = parsed.options;
    if (parsed.exit != cli::Recorded)
        return cli::refuse(parsed.exit, parsed.error);
    if (o.help || o.version) {
        // A translation of --help is another file under the same alias with its
        // language (qt_add_resources LANG); the resource system picks the user's.
        QFile help(QStringLiteral(":/cli/tarvell-rec.help"));
        cli::write(stdout, !o.help                              ? "tarvell-rec " TARVELL_VERSION "\n"
                           : help.open(QIODevice::ReadOnly) ? help.readAll()
                                                            : "");
        return cli::Recorded;
    }
    if (o.listFormats) {
        cli::write(stdout, cli::listFormats());
        return cli::Recorded;
    }
    if (const int code = o.list ? cli::Recorded : cli::checkTarget(o); code != cli::Recorded)
        return code;

    // Nothing here is drawn 25 times a second: waking four times a second
    // (once off a terminal, unless two clocks are kept in step) keeps the
    // cost of a long recording near that of the capture itself.
    const bool showProgress = !o.quiet && ::isatty(STDERR_FILENO);
    const int tickMs = showProgress || !o.also.isEmpty() ? cli::TakeConsole::TickMs : cli::TakeConsole::UnseenTickMs;
    PulseAudioRecord rec;
    rec.setTimerInterval(tickMs);
    rec.setDisplayKept(false);
    if (!rec.ServerConnected())
        return cli::refuse(cli::NoServer, QCoreApplication::translate("tarvell-rec", "no sound server answers (is PulseAudio or PipeWire running "
                                                         "for this user, with XDG_RUNTIME_DIR set?)"));
    if (o.list) {
        cli::write(stdout, o.json ? cli::listJson(rec.devices()) : cli::listText(rec.devices()));
        return cli::Recorded;
    }
    QString error;
    if (!(o.app.isEmpty() ? cli::chooseLine(rec, o.device, o.line, &error)
                          : cli::chooseApplication(rec, o.app, &error)))
        return cli::refuse(cli::NoSuchDevice, error);

    // A conversation: the second source has a recorder (and a connection) of its own.
    std::optional<PulseAudioRecord> second;
    std::optional<Conversation> conversation;
    if (!o.also.isEmpty()) {
        second.emplace();
        second->setTimerInterval(tickMs);
        second->setDisplayKept(false);
        const QString app = o.also.startsWith(QLatin1String("app:")) ? o.also.mid(4) : QString();
        if (!(app.isEmpty() ? cli::chooseLine(*second, QString(), o.also, &error) : cli::chooseApplication(*second, app, &error)))
            return cli::refuse(cli::NoSuchDevice, error);
        conversation.emplace(rec, *second, o.mixed ? Conversation::Layout::Mixed : Conversation::Layout::Split);
    }

    WavAudioFile file;
    file.SetWaveFormat(o.format);
    file.SetFileType(o.type, o.quality);   // the arguments made sure it holds the format
    Take take(rec, file);
    if (conversation)
        take.setFilter(&*conversation);
    cli::TakeConsole console(rec, take, showProgress, conversation ? &*conversation : nullptr);
    if (const int code = console.start(o); code != cli::Recorded)
        return code;
    return app.exec();
}
