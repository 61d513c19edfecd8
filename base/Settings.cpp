#include "base/Settings.h"

#include "base/DataFolders.h"
#include "base/Dialogs.h"
#include "base/FileChoice.h"
#include "base/PublicDim.h"
#include "base/Shell.h"
#include "base/SkipOnError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr qint32 DefaultFreq = 44100;
constexpr qint16 DefaultChannel = 2;
constexpr qint32 DefaultBit = 16;
constexpr qint32 DefaultPreviewIndex = 2;   // the peak/RMS meters

// The file is five short lines; whatever else a damaged or foreign file holds
// past the first MiB is not looked at.
constexpr qint64 MaxBytesRead = 1 << 20;

// The update question comes back when the last one is more than this old.
constexpr qint64 DaysBetweenUpdateChecks = 10;

const QString FileName = QStringLiteral("setting.ini");

QDate todayOverride;
std::optional<QString> updateAddressOverride;

QDate today()
{
    return todayOverride.isValid() ? todayOverride : QDate::currentDate();
}

QString configFolderSettingsPath()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty())
        return {};
    return config + QStringLiteral("/tarvell-recorder/") + FileName;
}

// A stored number as a person would type it: blanks around it, a sign, a
// fraction (rounded half to even) and an exponent are accepted; anything else
// ("44100abc", "", "0x10", "1,000") is not a number. Out of range for the
// variable it goes into is not a number either.
std::optional<qint64> readWhole(const QString &value, qint64 min, qint64 max)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    const QString text = value.trimmed();
    if (text.isEmpty() || text.size() > 64 || !number.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double parsed = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(parsed))
        return std::nullopt;
    const double whole = std::nearbyint(parsed);
    if (whole < double(min) || whole > double(max))
        return std::nullopt;
    return qint64(whole);
}

template<typename T>
void assignWhenNumber(T &target, const QString &value)
{
    if (const auto v = readWhole(value, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()))
        target = T(*v);
}

// The recording format as the file states it; 0 where it says nothing usable.
struct StoredFormat
{
    qint32 freq = 0;
    qint16 channel = 0;
    qint32 bit = 0;
    std::optional<FileType> type;
    std::optional<Quality> quality;
};

void readLine(const QString &line, StoredFormat &format)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0)
        return;
    // The key is compared as it stands: "wavfreq =" is not "wavfreq". The value
    // is everything after the first "=", blanks and further "=" included.
    const QString key = line.left(equals).toLower();
    const QString value = line.mid(equals + 1);
    if (key == QLatin1String("wavfreq"))
        assignWhenNumber(format.freq, value);
    else if (key == QLatin1String("wavchannel"))
        assignWhenNumber(format.channel, value);
    else if (key == QLatin1String("wavbit"))
        assignWhenNumber(format.bit, value);
    else if (key == QLatin1String("filetype"))
        format.type = fileTypes::fromName(value.trimmed());
    else if (key == QLatin1String("quality"))
        format.quality = fileTypes::qualityFromName(value.trimmed());
    else if (key == QLatin1String("sourcedevice"))
        PublicDim::SourceDevice = value;
    else if (key == QLatin1String("sourceline"))
        PublicDim::SourceLine = value;
    else if (key == QLatin1String("previewindex"))
        assignWhenNumber(PublicDim::PreviewIndex, value);
    else if (key == QLatin1String("lastcheckupdate"))
        PublicDim::LastCheckUpdate = value.trimmed();
}

// Lines end in CR LF, LF or a lone CR.
void readSettingsFile(const QString &path, StoredFormat &format)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray data = file.read(MaxBytesRead);
    file.close();

    const qsizetype size = data.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && data[end] != '\n' && data[end] != '\r')
            ++end;
        readLine(QString::fromLocal8Bit(data.constData() + start, end - start), format);
        if (end + 1 < size && data[end] == '\r' && data[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
}

bool usableRate(qint32 hz)
{
    return hz >= 1000 && hz <= 192000;
}

// A short date as that language writes it.
QDate readShortDate(const QLocale &locale, const QString &text, QDate now)
{
    QDate date;
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    date = locale.toDate(text, shortFormat);
    if (date.isValid() && shortFormat.contains(QLatin1String("yy")) && !shortFormat.contains(QLatin1String("yyyy"))) {
        // A two-digit year comes back as 19yy; "3/7/24" written today means
        // 2024. Put it in the hundred years that end twenty years from now.
        while (date.year() <= now.year() - 80)
            date = date.addYears(100);
        return date;
    }
    if (date.isValid())
        return date;

    QString fourDigitYear = shortFormat;
    fourDigitYear.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    return locale.toDate(text, fourDigitYear);
}

// The date of the last update question, in the forms this file has held:
// "2005-1-1" (the first-run value, and what is written now) and, from earlier
// versions, a short date in the language of the day it was written, also with
// a four-digit year. That language need not be today's: the system's is tried
// first, then the others a short date is commonly written in, and a date that
// lies in the future is no answer.
QDate readCheckDate(const QString &text, QDate now)
{
    QDate date = QDate::fromString(text, QStringLiteral("yyyy-M-d"));
    if (date.isValid())
        return date;
    for (const QLocale &locale : {QLocale::system(), QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::English, QLocale::UnitedKingdom), QLocale(QLocale::German),
                                  QLocale(QLocale::French), QLocale(QLocale::Spanish), QLocale(QLocale::Japanese)}) {
        date = readShortDate(locale, text, now);
        if (date.isValid() && date <= now)
            return date;
    }
    return QDate();
}

void offerUpdatePageWhenDue(QWidget *owner)
{
    // Without an address there is nothing to look at: no question.
    const QString address = updateAddress();
    if (address.isEmpty())
        return;
    const QDate now = today();
    const QDate last = readCheckDate(PublicDim::LastCheckUpdate, now);
    if (last.isValid()) {
        const qint64 days = last.daysTo(now);
        if (days >= 0 && days <= DaysBetweenUpdateChecks)
            return;
    }

    // A question that cannot be shown counts as No: no browser opens unasked.
    const auto answer = valueOrSkip(
        [&] {
            return Dialogs::instance().messageBox(
                owner,
                QCoreApplication::translate("Settings", "Do you want to look for a newer version of Tarvell "
                                                        "Recorder?\n\nYes opens %1 in your web browser.")
                    .arg(address),
                QString(), Dialogs::Icon::Question, Dialogs::Buttons::YesNo);
        },
        Dialogs::Answer::No);
    if (answer == Dialogs::Answer::Yes)
        skipOnError([&] { Shell::instance().open(address); });
    // One form whatever the locale: a date written under one language must
    // read back under another.
    PublicDim::LastCheckUpdate = now.toString(QStringLiteral("yyyy-M-d"));
}

} // namespace

QString updateAddress()
{
    return updateAddressOverride.value_or(QStringLiteral(TARVELL_UPDATE_URL));
}

void setUpdateAddressForTests(const QString &address)
{
    updateAddressOverride = address;
}

QString settingsFilePath()
{
    const QString &folder = PublicDim::AppFolder;
    if (!folder.isEmpty() && !DataFolders::isInstalled(folder)) {
        const QString beside = folder + FileName;
        const QFileInfo file(beside);
        const QFileInfo dir(folder);
        const bool usable = file.exists() ? file.isFile() && file.isWritable() : dir.isDir() && dir.isWritable();
        if (usable)
            return beside;
    }
    return configFolderSettingsPath();
}

void SetDefaultFormat()
{
    PublicDim::WavFormat = {DefaultFreq, DefaultChannel, DefaultBit};
}

void LoadSettings(QWidget *owner)
{
    using namespace PublicDim;
    const QString path = settingsFilePath();

    // The Options menu's automatic recording is off at every start: it is
    // never stored, and on it would change what playing a file does.
    AutoStartRecord = AutoStopRecord = false;
    PreviewIndex = DefaultPreviewIndex;
    LastCheckUpdate.clear();

    const QFileInfo info(path);
    WavFileType = FileType::Wav;
    WavQuality = Quality::Music;
    SourceDevice.clear();
    SourceLine.clear();
    if (path.isEmpty() || !info.isFile() || info.isHidden()) {
        SetDefaultFormat();
    } else {
        StoredFormat stored;
        skipOnError([&] { readSettingsFile(path, stored); });
        // Each part of the format that is missing or could not make a WAV
        // file falls back on its own; a rate off the usual list is kept.
        WavFormat.sampleRate = usableRate(stored.freq) ? stored.freq : DefaultFreq;
        WavFormat.channels = stored.channel == 1 || stored.channel == 2 ? stored.channel : DefaultChannel;
        WavFormat.bitsPerSample = WaveFormat{DefaultFreq, DefaultChannel, stored.bit}.isValid() ? stored.bit : DefaultBit;
        // A type we do not know, or none (a file from before file types), is
        // WAV. Any other records at a depth and a rate it holds.
        WavFileType = stored.type.value_or(FileType::Wav);
        WavQuality = stored.quality.value_or(Quality::Music);
        if (WavFileType != FileType::Wav) {
            WavFormat.bitsPerSample = fileTypes::bitsFor(WavFileType, WavFormat.bitsPerSample);
            if (!fileTypes::whyNot(WavFileType, WavFormat).isEmpty())
                WavFormat.sampleRate = fileTypes::nearestRate(WavFileType, WavFormat.sampleRate);
        }
        // So does a display style that is not one of the five.
        if (PreviewIndex < 0 || PreviewIndex >= PreviewStyleCount)
            PreviewIndex = DefaultPreviewIndex;
    }

    if (LastCheckUpdate.isEmpty())
        LastCheckUpdate = QStringLiteral("2005-1-1");
    offerUpdatePageWhenDue(owner);
}

void SaveSettings()
{
    using namespace PublicDim;
    const QString path = settingsFilePath();
    if (path.isEmpty())
        return;

    const QString crlf = QStringLiteral("\r\n");
    QString text = QStringLiteral("WAVFreq=") + QString::number(WavFormat.sampleRate) + crlf
                         + QStringLiteral("WAVChannel=") + QString::number(WavFormat.channels) + crlf
                         + QStringLiteral("WAVBit=") + QString::number(WavFormat.bitsPerSample) + crlf
                         + QStringLiteral("PreviewIndex=") + QString::number(PreviewIndex) + crlf
                         + QStringLiteral("LastCheckUpdate=") + LastCheckUpdate + crlf
                         + QStringLiteral("FileType=") + fileTypes::name(WavFileType) + crlf
                         + QStringLiteral("Quality=") + fileTypes::qualityName(WavQuality) + crlf;
    if (!SourceDevice.isEmpty())
        text += QStringLiteral("SourceDevice=") + SourceDevice + crlf + QStringLiteral("SourceLine=") + SourceLine + crlf;

    skipOnError([&] { QDir().mkpath(QFileInfo(path).absolutePath()); });
    skipOnError([&] {
        // Written beside the old file and renamed over it, so that a crash
        // never leaves half a file; where the folder takes no new file but the
        // file itself may be written, it is written in place.
        QSaveFile file(path);
        file.setDirectWriteFallback(true);
        if (file.open(QIODevice::WriteOnly) && file.write(text.toLocal8Bit()) >= 0)
            file.commit();
    });
}

void setTodayForTests(QDate date)
{
    todayOverride = date;
}
