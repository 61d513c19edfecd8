#include "engine/FileType.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cstdlib>

namespace fileTypes {

namespace {

struct Entry
{
    FileType type;
    const char *name;
    const char *extension;
    const char *display;
    bool lossy;
};

constexpr Entry Entries[] = {
    {FileType::Wav, "wav", "wav", "WAV", false},
    {FileType::Flac, "flac", "flac", "FLAC", false},
    {FileType::OggOpus, "opus", "opus", "Ogg Opus", true},
    {FileType::OggVorbis, "vorbis", "ogg", "Ogg Vorbis", true},
    {FileType::Mp3, "mp3", "mp3", "MP3", true},
};

const Entry &entry(FileType type)
{
    for (const Entry &e : Entries)
        if (e.type == type)
            return e;
    return Entries[0];
}

constexpr const char *QualityNames[] = {"speech", "music", "best"};

} // namespace

QString extension(FileType type)
{
    return QLatin1String(entry(type).extension);
}

std::optional<FileType> fromFileName(const QString &name)
{
    const QString suffix = QFileInfo(name).suffix().toLower();
    for (const Entry &e : Entries)
        if (suffix == QLatin1String(e.extension))
            return e.type;
    return std::nullopt;
}

std::optional<FileType> fromName(const QString &name)
{
    for (const Entry &e : Entries)
        if (name.compare(QLatin1String(e.name), Qt::CaseInsensitive) == 0)
            return e.type;
    return std::nullopt;
}

QString name(FileType type)
{
    return QLatin1String(entry(type).name);
}

QString displayName(FileType type)
{
    return QLatin1String(entry(type).display);
}

bool isLossy(FileType type)
{
    return entry(type).lossy;
}

qint32 bitsFor(FileType type, qint32 bits)
{
    if (type == FileType::Wav)
        return bits;
    return type == FileType::Flac && bits > 16 ? 24 : 16;
}

namespace {

bool holdsRate(FileType type, qint32 rate)
{
    if (type != FileType::OggOpus)
        return true;
    constexpr qint32 OpusRates[] = {8000, 12000, 16000, 24000, 48000};
    return std::ranges::find(OpusRates, rate) != std::end(OpusRates);
}

} // namespace

QString whyNot(FileType type, const WaveFormat &format)
{
    if (!holdsRate(type, format.sampleRate))
        return QCoreApplication::translate("FileType", "%1 holds 8, 12, 16, 24 or 48 kHz only").arg(displayName(type));
    return QString();
}

QList<qint32> ratesHeld(FileType type)
{
    QList<qint32> rates;
    for (qint32 offered : WaveFormat::OfferedRates)
        if (holdsRate(type, offered))
            rates << offered;
    return rates;
}

qint32 nearestRate(FileType type, qint32 rate)
{
    qint32 best = rate;
    qint64 distance = -1;
    for (qint32 offered : WaveFormat::OfferedRates) {
        if (!holdsRate(type, offered))
            continue;
        const qint64 d = std::abs(qint64(offered) - rate);
        if (distance < 0 || d < distance || (d == distance && offered > best))
            best = offered, distance = d;
    }
    return best;
}

std::optional<Quality> qualityFromName(const QString &name)
{
    for (int i = 0; i < 3; ++i)
        if (name.compare(QLatin1String(QualityNames[i]), Qt::CaseInsensitive) == 0)
            return Quality(i);
    return std::nullopt;
}

QString qualityName(Quality quality)
{
    return QLatin1String(QualityNames[int(quality)]);
}

} // namespace fileTypes
