#include "cli/Arguments.h"

#include "engine/TakeTarget.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

#include <cmath>

namespace cli {

namespace {

// "12", "1.5", ".5"; nothing else (no sign, no exponent, no blanks).
const QString Number = QStringLiteral("(\\d+(?:\\.\\d*)?|\\.\\d+)");

// Every option: its short name (if any) first, its long one last; the name of
// its value, none for a switch; and what it sets, if not the format or the duration.
const struct
{
    const char *names, *value;
    bool Options::*flag = nullptr;
    QString Options::*name = nullptr;
} Table[] = {{"d device", "DEVICE", {}, &Options::device}, {"l line", "LINE", {}, &Options::line},
             {"a app", "APP", {}, &Options::app}, {"also", "SOURCE", {}, &Options::also}, {"layout", "LAYOUT"}, {"r rate", "HZ"}, {"c channels", "N"}, {"b bits", "N"},
             {"t duration", "TIME"}, {"type", "TYPE"}, {"quality", "QUALITY"}, {"force", nullptr, &Options::force}, {"q quiet", nullptr, &Options::quiet},
             {"list", nullptr, &Options::list}, {"list-formats", nullptr, &Options::listFormats},
             {"json", nullptr, &Options::json}, {"h help", nullptr, &Options::help},
             {"version", nullptr, &Options::version}};

// The format from the values of --rate, --channels and --bits (not given:
// the default of each); the reason when it is not one of those offered.
QString readFormat(const QCommandLineParser &parser, WaveFormat &f)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,6}$"));
    // What --channels and --bits take; any other value reads as 0, not offered.
    static const QHash<QString, int> words{{QStringLiteral("1"), 1}, {QStringLiteral("mono"), 1},
                                           {QStringLiteral("2"), 2}, {QStringLiteral("stereo"), 2},
                                           {QStringLiteral("8"), 8}, {QStringLiteral("16"), 16},
                                           {QStringLiteral("24"), 24}, {QStringLiteral("32"), 32},
                                           {QStringLiteral("float"), 32}};
    const char *options[] = {"rate", "channels", "bits"};
    int parts[] = {f.sampleRate, f.channels, f.bitsPerSample};
    // One value at a time, so that a format not offered is the last one's fault.
    for (int i = 0; i < 3; ++i) {
        const QString value = parser.value(QLatin1String(options[i]));
        // Given empty, a value is as wrong as any other that is not offered.
        if (parser.isSet(QLatin1String(options[i])))
            parts[i] = i > 0 ? words.value(value) : digits.match(value).hasMatch() ? value.toInt() : 0;
        f = WaveFormat{parts[0], qint16(parts[1]), parts[2]};
        if (!f.isOffered()) {
            QStringList rates;
            for (qint32 r : WaveFormat::OfferedRates)
                rates << QString::number(r);
            return QCoreApplication::translate("tarvell-rec", "--%1 \"%2\" is not offered; the formats are rates %3 Hz, 1 or 2 channels (mono, "
                                  "stereo), 8, 16, 24 or 32 (float) bits")
                .arg(QLatin1String(options[i]), value, rates.join(QLatin1Char(' ')));
        }
    }
    return QString();
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
    auto refuse = [&](int exit, const QString &error) {
        out.exit = exit;
        out.error = error;
        return out;
    };
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    QHash<QString, QString> longName;   // of every name
    for (const auto &option : Table) {
        const QStringList all = QString::fromLatin1(option.names).split(QLatin1Char(' '));
        parser.addOption(QCommandLineOption(all, QString(), QString::fromLatin1(option.value)));
        for (const QString &name : all)
            longName.insert(name, all.last());
    }
    if (!parser.parse(arguments))
        return refuse(Usage, parser.errorText() + QCoreApplication::translate("tarvell-rec", " (see --help)"));

    // Each option once: a second -t or -d is far more likely a mistake than a wish.
    QHash<QString, int> seen;   // by long name
    for (const QString &name : parser.optionNames())
        if (++seen[longName.value(name)] == 2)
            return refuse(Usage, QCoreApplication::translate("tarvell-rec", "--%1 is given more than once").arg(longName.value(name)));
    const auto isSet = [&](const char *name) { return seen.contains(QLatin1String(name)); };
    bool emptyName = false;   // refused after the values of the format and the duration
    for (const auto &option : Table) {
        const QString name = QString::fromLatin1(option.names).section(QLatin1Char(' '), -1);
        if (option.flag)
            o.*option.flag = seen.contains(name);
        if (option.name && seen.contains(name))
            emptyName |= (o.*option.name = parser.value(name)).isEmpty();
    }
    if (o.help || o.version)
        return out;

    if (o.json && !o.list)
        return refuse(Usage, QCoreApplication::translate("tarvell-rec", "--json goes with --list"));
    const QStringList files = parser.positionalArguments();
    if (o.listFormats)
        return files.isEmpty() && !o.list ? out : refuse(Usage, QCoreApplication::translate("tarvell-rec", "--list-formats goes alone"));
    if (o.list)
        return files.isEmpty() ? out : refuse(Usage, QCoreApplication::translate("tarvell-rec", "--list takes no file"));
    if (files.isEmpty())
        return refuse(Usage, QCoreApplication::translate("tarvell-rec", "no file to record into (see --help)"));
    if (files.size() > 1)
        return refuse(Usage, QCoreApplication::translate("tarvell-rec", "one file only, not %1 (quote a name with spaces)").arg(files.size()));
    o.file = files.first();
    if (o.file.trimmed().isEmpty())
        return refuse(BadValue, QCoreApplication::translate("tarvell-rec", "the file name is empty"));

    const QString typeName = parser.value(QStringLiteral("type"));
    const std::optional<FileType> asked = fileTypes::fromName(typeName);
    if (isSet("type") && !asked)
        return refuse(BadValue, QCoreApplication::translate("tarvell-rec", "--type \"%1\" is not offered; the types are "
                                                                            "wav, flac, opus, vorbis and mp3")
                                    .arg(typeName));
    o.type = takeFileType(o.file, asked);
    const QString qualityName = parser.value(QStringLiteral("quality"));
    const std::optional<Quality> quality = fileTypes::qualityFromName(qualityName);
    if (quality)
        o.quality = *quality;
    else if (isSet("quality"))
        return refuse(BadValue, QCoreApplication::translate("tarvell-rec", "--quality \"%1\" is not offered; the "
                                                                            "qualities are speech, music and best")
                                    .arg(qualityName));
    // A type that holds only some rates records at the nearest of them
    // unless a rate is asked for.
    if (!isSet("rate"))
        o.format.sampleRate = fileTypes::nearestRate(o.type, o.format.sampleRate);
    if (const QString error = readFormat(parser, o.format); !error.isEmpty())
        return refuse(BadValue, error);
    if (const QString why = fileTypes::whyNot(o.type, o.format); !why.isEmpty())
        return refuse(BadValue, QCoreApplication::translate("tarvell-rec", "--rate %1: %2; the nearest is %3 Hz")
                                    .arg(o.format.sampleRate)
                                    .arg(why)
                                    .arg(fileTypes::nearestRate(o.type, o.format.sampleRate)));
    const QString duration = parser.value(QStringLiteral("duration"));
    if (isSet("duration") && !(o.durationMs = parseDuration(duration)))
        return refuse(BadValue, QCoreApplication::translate("tarvell-rec", "--duration \"%1\" is not a length of time above 0 (such as 90, 1:30, "
                                               "1:02:03, 90s, 2m or 1h)")
                                    .arg(duration));
    if (emptyName)
        return refuse(BadValue, QCoreApplication::translate("tarvell-rec", "an empty device, line or application name"));
    if (const QString layout = parser.value(QStringLiteral("layout")); isSet("layout")) {
        if (!isSet("also"))
            return refuse(Usage, QCoreApplication::translate("tarvell-rec", "--layout goes with --also"));
        if (layout != QLatin1String("split") && layout != QLatin1String("mixed"))
            return refuse(BadValue, QCoreApplication::translate("tarvell-rec", "--layout \"%1\" is not offered; the layouts are split and mixed").arg(layout));
        o.mixed = layout == QLatin1String("mixed");
    }
    // Split: each source in a channel of its own.
    if (isSet("also") && !o.mixed) {
        if (isSet("channels") && o.format.channels != 2)
            return refuse(BadValue, QCoreApplication::translate("tarvell-rec", "--also puts each source in a channel of its own: record in stereo, or give --layout mixed"));
        o.format.channels = 2;
    }
    if (isSet("app") && (isSet("device") || isSet("line")))
        return refuse(Usage, QCoreApplication::translate("tarvell-rec", "--app chooses the line itself: not with --device or --line"));
    return out;
}

} // namespace cli
