#include "cli/Arguments.h"

#include <QCommandLineParser>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace cli {

namespace {

const QString HelpText = QStringLiteral(R"(Usage: tarvell-rec [OPTIONS] FILE[.wav]
       tarvell-rec --list [--json]

Records a device's line of the sound server (PulseAudio, or PipeWire's pulse
server) into a PCM WAV file, the way Tarvell Recorder does, without a window.
".wav" is added to FILE when its name does not end in it.

Options:
  -d, --device DEVICE   the device, by its name or number as --list shows it
                        (default: the device of the server's default source)
  -l, --line LINE       its line, by name or number; a line name alone finds
                        its device (default: the server's default source, or
                        the device's own line when only --device is given)
  -a, --app APP         only what one application plays: its name (or its
                        line's name) or its stream number as --list shows
                        them; when its sound stops, the recording waits for
                        its next sound and goes on in the same file
  -r, --rate HZ         8000 11025 16000 22050 24000 32000 44100 48000
                        (default 44100)
  -c, --channels N      1 or 2, also "mono" or "stereo" (default 2)
  -b, --bits N          8 or 16 (default 16)
  -t, --duration TIME   stop after this long: 90, 90s, 1.5, 1:30, 1:02:03, 2m,
                        1h, 1h30m (default: until Ctrl+C, SIGTERM or SIGHUP)
      --force           replace FILE if it exists and is not empty
  -q, --quiet           no progress line on a terminal (sound lost is then
                        reported in one line at the end)
      --list            list the devices and their lines, then quit
      --json            with --list: as JSON
  -h, --help            this text
      --version         the version

On a terminal one line on standard error shows the time recorded, the file
size, a peak meter per channel in dBFS, and sound lost as it happens. Off a
terminal only failures are written, and sound lost in one line at the end.
Either way a line says when there has been no sound (all below -60 dBFS) for
10 s, when it comes back, and when the sound clips (samples at full scale);
a last line sums these warnings up. They do not change the exit status.
A recording is written while it is open too (the journal of the writer is
kept in $XDG_STATE_HOME/tarvell-recorder/), so Tarvell Recorder repairs the
header of one that was killed at its next start.
Ctrl+C, SIGTERM, SIGHUP and the end of --duration finish the file with every
sample captured; the file is written as the sound comes in, so a recording
cut short by a crash or power loss loses at most the last moments.

--list writes one line per line of a device, five columns separated by tabs:
  DEVICE-NUMBER  LINE-NUMBER  DEFAULT  DEVICE  LINE
where DEFAULT is "*" for the server's default source and empty otherwise; an
application playing on an output is a line of that output's device, named
"APPLICATION: WHAT IT PLAYS", with a sixth column "stream NUMBER".

Exit status:
  0  recorded (also when stopped by Ctrl+C, SIGTERM or SIGHUP), or listed
  1  usage: unknown or repeated option, no FILE or more than one
  2  a value that is not offered (format, duration, empty file name)
  3  no sound server answers
  4  no such device, line or application
  5  FILE exists and is not empty, and --force was not given
  6  FILE cannot be created (a folder, no permission, no such folder)
  7  writing FILE failed: disk full or file too large (it keeps what fitted)
  8  the device was removed while recording (FILE keeps what was recorded)
  9  the sound server went away while recording (likewise)
 10  the server refused or dropped the capture for another reason
)");

// "12", "1.5", ".5"; nothing else (no sign, no exponent, no blanks).
const QString Number = QStringLiteral("(\\d+(?:\\.\\d*)?|\\.\\d+)");

} // namespace

QString offeredFormatsText()
{
    QStringList rates;
    for (qint32 r : OfferedRates)
        rates << QString::number(r);
    return QStringLiteral("rates %1 Hz, 1 or 2 channels (mono, stereo), 8 or 16 bits").arg(rates.join(QLatin1Char(' ')));
}

std::optional<qint64> parseDuration(const QString &text)
{
    static const QRegularExpression clock(QStringLiteral("^(?:(\\d+):)?(\\d+):%1$").arg(Number));
    static const QRegularExpression units(
        QStringLiteral("^(?:%1h)?(?:%1m)?(?:%1(s?))?$").arg(Number));

    double seconds = -1;
    if (const auto m = clock.match(text); m.hasMatch()) {
        const bool hasHours = m.capturedLength(1) > 0;
        const double h = m.captured(1).toDouble(), min = m.captured(2).toDouble(), s = m.captured(3).toDouble();
        if (s >= 60 || (hasHours && min >= 60))
            return std::nullopt;
        seconds = h * 3600 + min * 60 + s;
    } else if (const auto u = units.match(text); u.hasMatch() && !text.isEmpty()) {
        const bool hasH = u.capturedLength(1) > 0, hasM = u.capturedLength(2) > 0, hasS = u.capturedLength(3) > 0;
        // A bare number after hours alone would be ambiguous ("1h30"): minutes or seconds?
        if (hasS && u.capturedLength(4) == 0 && hasH && !hasM)
            return std::nullopt;
        seconds = u.captured(1).toDouble() * 3600 + u.captured(2).toDouble() * 60 + u.captured(3).toDouble();
    } else {
        return std::nullopt;
    }
    const double ms = std::round(seconds * 1000.0);
    if (!(ms >= 1) || ms >= 10000.0 * 3600 * 1000)
        return std::nullopt;
    return qint64(ms);
}

std::optional<WaveFormat> parseFormat(const QString &rate, const QString &channels, const QString &bits,
                                      QString *error)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,6}$"));
    WaveFormat f;
    auto refuse = [&](const char *option, const QString &value) {
        *error = QStringLiteral("%1 \"%2\" is not offered; the formats are %3")
                     .arg(QLatin1String(option), value, offeredFormatsText());
        return std::nullopt;
    };
    if (!rate.isEmpty()) {
        const bool known = digits.match(rate).hasMatch()
                           && std::find(OfferedRates.begin(), OfferedRates.end(), rate.toInt()) != OfferedRates.end();
        if (!known)
            return refuse("--rate", rate);
        f.sampleRate = rate.toInt();
    }
    if (!channels.isEmpty()) {
        if (channels == QLatin1String("1") || channels == QLatin1String("mono"))
            f.channels = 1;
        else if (channels == QLatin1String("2") || channels == QLatin1String("stereo"))
            f.channels = 2;
        else
            return refuse("--channels", channels);
    }
    if (!bits.isEmpty()) {
        if (bits != QLatin1String("8") && bits != QLatin1String("16"))
            return refuse("--bits", bits);
        f.bitsPerSample = bits.toInt();
    }
    return f;
}

Parsed parseArguments(const QStringList &arguments)
{
    Parsed out;
    out.helpText = HelpText;
    Options &o = out.options;

    const QCommandLineOption device({QStringLiteral("d"), QStringLiteral("device")}, QString(), QStringLiteral("DEVICE"));
    const QCommandLineOption line({QStringLiteral("l"), QStringLiteral("line")}, QString(), QStringLiteral("LINE"));
    const QCommandLineOption app({QStringLiteral("a"), QStringLiteral("app")}, QString(), QStringLiteral("APP"));
    const QCommandLineOption rate({QStringLiteral("r"), QStringLiteral("rate")}, QString(), QStringLiteral("HZ"));
    const QCommandLineOption channels({QStringLiteral("c"), QStringLiteral("channels")}, QString(), QStringLiteral("N"));
    const QCommandLineOption bits({QStringLiteral("b"), QStringLiteral("bits")}, QString(), QStringLiteral("N"));
    const QCommandLineOption duration({QStringLiteral("t"), QStringLiteral("duration")}, QString(),
                                      QStringLiteral("TIME"));
    const QCommandLineOption force(QStringLiteral("force"));
    const QCommandLineOption quiet(QStringList{QStringLiteral("q"), QStringLiteral("quiet")});
    const QCommandLineOption list(QStringLiteral("list"));
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    const QList<QCommandLineOption> all{device, line, app, rate, channels, bits, duration, force, quiet, list, json, help, version};

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.addOptions(all);
    auto refuse = [&](int exit, const QString &error) {
        out.exit = exit;
        out.error = error;
        return out;
    };
    if (!parser.parse(arguments))
        return refuse(Usage, parser.errorText() + QStringLiteral(" (see --help)"));

    // Each option once: a second -t or -d is far more likely a mistake than a wish.
    QHash<QString, QString> longName;
    for (const QCommandLineOption &opt : all)
        for (const QString &name : opt.names())
            longName.insert(name, opt.names().constLast());
    QHash<QString, int> seen;
    for (const QString &name : parser.optionNames())
        if (++seen[longName.value(name)] == 2)
            return refuse(Usage, QStringLiteral("--%1 is given more than once").arg(longName.value(name)));

    o.help = parser.isSet(help);
    o.version = parser.isSet(version);
    if (o.help || o.version)
        return out;
    o.list = parser.isSet(list);
    o.json = parser.isSet(json);
    o.quiet = parser.isSet(quiet);
    o.force = parser.isSet(force);
    o.device = parser.value(device);
    o.line = parser.value(line);
    o.app = parser.value(app);

    if (o.json && !o.list)
        return refuse(Usage, QStringLiteral("--json goes with --list"));
    const QStringList files = parser.positionalArguments();
    if (o.list) {
        if (!files.isEmpty())
            return refuse(Usage, QStringLiteral("--list takes no file"));
        return out;
    }
    if (files.isEmpty())
        return refuse(Usage, QStringLiteral("no file to record into (see --help)"));
    if (files.size() > 1)
        return refuse(Usage, QStringLiteral("one file only, not %1 (quote a name with spaces)").arg(files.size()));
    o.file = files.first();
    if (o.file.trimmed().isEmpty())
        return refuse(BadValue, QStringLiteral("the file name is empty"));

    QString error;
    const auto format = parseFormat(parser.value(rate), parser.value(channels), parser.value(bits), &error);
    if (!format)
        return refuse(BadValue, error);
    o.format = *format;
    if (parser.isSet(duration)) {
        o.durationMs = parseDuration(parser.value(duration));
        if (!o.durationMs)
            return refuse(BadValue, QStringLiteral("--duration \"%1\" is not a length of time above 0 (such as 90, "
                                                   "1:30, 1:02:03, 90s, 2m or 1h)")
                                        .arg(parser.value(duration)));
    }
    if ((o.device.isEmpty() && parser.isSet(device)) || (o.line.isEmpty() && parser.isSet(line))
        || (o.app.isEmpty() && parser.isSet(app)))
        return refuse(BadValue, QStringLiteral("an empty device, line or application name"));
    if (parser.isSet(app) && (parser.isSet(device) || parser.isSet(line)))
        return refuse(Usage, QStringLiteral("--app chooses the line itself: not with --device or --line"));
    return out;
}

} // namespace cli
