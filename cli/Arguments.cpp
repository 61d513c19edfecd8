#include "cli/Arguments.h"

#include <QCommandLineParser>
#include <QHash>
#include <QRegularExpression>

#include <cmath>

namespace cli {

namespace {

// "12", "1.5", ".5"; nothing else (no sign, no exponent, no blanks).
const QString Number = QStringLiteral("(\\d+(?:\\.\\d*)?|\\.\\d+)");

// names: the short one (if any) first, the long one last. value: the name of
// its value; none for a switch.
QCommandLineOption option(const char *names, const char *value = nullptr)
{
    return QCommandLineOption(QString::fromLatin1(names).split(QLatin1Char(' ')), QString(),
                              QString::fromLatin1(value));
}

// The format from the three option values (empty: the default of each). On a
// value that is not offered, nullopt with *error telling which and what is.
std::optional<WaveFormat> parseFormat(const QString &rate, const QString &channels, const QString &bits,
                                      QString *error)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,6}$"));
    static const QHash<QString, int> channelWords{
        {QStringLiteral("1"), 1}, {QStringLiteral("mono"), 1}, {QStringLiteral("2"), 2}, {QStringLiteral("stereo"), 2}};
    auto refuse = [&](const char *option, const QString &value) {
        QStringList rates;
        for (qint32 r : WaveFormat::OfferedRates)
            rates << QString::number(r);
        *error = QStringLiteral("%1 \"%2\" is not offered; the formats are rates %3 Hz, 1 or 2 channels (mono, "
                                "stereo), 8 or 16 bits")
                     .arg(QLatin1String(option), value, rates.join(QLatin1Char(' ')));
        return std::nullopt;
    };
    // One value at a time, so that a format not offered is the last one's fault.
    WaveFormat f;
    if (!rate.isEmpty())
        f.sampleRate = digits.match(rate).hasMatch() ? rate.toInt() : 0;
    if (!f.isOffered())
        return refuse("--rate", rate);
    if (!channels.isEmpty())
        f.channels = qint16(channelWords.value(channels));
    if (!f.isOffered())
        return refuse("--channels", channels);
    if (!bits.isEmpty())
        f.bitsPerSample = bits == QLatin1String("8") || bits == QLatin1String("16") ? bits.toInt() : 0;
    if (!f.isOffered())
        return refuse("--bits", bits);
    return f;
}

} // namespace

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

Parsed parseArguments(const QStringList &arguments)
{
    Parsed out;
    Options &o = out.options;
    const QList<QCommandLineOption> all{
        option("d device", "DEVICE"), option("l line", "LINE"), option("a app", "APP"), option("r rate", "HZ"),
        option("c channels", "N"), option("b bits", "N"), option("t duration", "TIME"), option("force"),
        option("q quiet"), option("list"), option("json"), option("h help"), option("version")};
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.addOptions(all);
    const auto isSet = [&](const char *name) { return parser.isSet(QLatin1String(name)); };
    const auto value = [&](const char *name) { return parser.value(QLatin1String(name)); };
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

    o.help = isSet("help");
    o.version = isSet("version");
    if (o.help || o.version)
        return out;
    o.list = isSet("list");
    o.json = isSet("json");
    o.quiet = isSet("quiet");
    o.force = isSet("force");
    o.device = value("device");
    o.line = value("line");
    o.app = value("app");

    if (o.json && !o.list)
        return refuse(Usage, QStringLiteral("--json goes with --list"));
    const QStringList files = parser.positionalArguments();
    if (o.list)
        return files.isEmpty() ? out : refuse(Usage, QStringLiteral("--list takes no file"));
    if (files.isEmpty())
        return refuse(Usage, QStringLiteral("no file to record into (see --help)"));
    if (files.size() > 1)
        return refuse(Usage, QStringLiteral("one file only, not %1 (quote a name with spaces)").arg(files.size()));
    o.file = files.first();
    if (o.file.trimmed().isEmpty())
        return refuse(BadValue, QStringLiteral("the file name is empty"));

    QString error;
    const auto format = parseFormat(value("rate"), value("channels"), value("bits"), &error);
    if (!format)
        return refuse(BadValue, error);
    o.format = *format;
    if (isSet("duration")) {
        o.durationMs = parseDuration(value("duration"));
        if (!o.durationMs)
            return refuse(BadValue, QStringLiteral("--duration \"%1\" is not a length of time above 0 (such as 90, "
                                                   "1:30, 1:02:03, 90s, 2m or 1h)")
                                        .arg(value("duration")));
    }
    if ((o.device.isEmpty() && isSet("device")) || (o.line.isEmpty() && isSet("line"))
        || (o.app.isEmpty() && isSet("app")))
        return refuse(BadValue, QStringLiteral("an empty device, line or application name"));
    if (isSet("app") && (isSet("device") || isSet("line")))
        return refuse(Usage, QStringLiteral("--app chooses the line itself: not with --device or --line"));
    return out;
}

} // namespace cli
