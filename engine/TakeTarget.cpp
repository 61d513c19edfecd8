#include "engine/TakeTarget.h"

#include <QFileInfo>

QString withWavExtension(const QString &name)
{
    return name.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive) ? name : name + QStringLiteral(".wav");
}

QString withTypeExtension(const QString &name, FileType type)
{
    return fileTypes::fromFileName(name) ? name : name + QLatin1Char('.') + fileTypes::extension(type);
}

FileType takeFileType(const QString &name, std::optional<FileType> asked)
{
    return asked.value_or(fileTypes::fromFileName(name).value_or(FileType::Wav));
}

TakeTarget takeTarget(const QString &name)
{
    const QFileInfo info(name);
    if (name.endsWith(QLatin1Char('/')) || info.isDir())
        return TakeTarget::Folder;
    return info.exists() && info.size() > 0 ? TakeTarget::NonEmptyFile : TakeTarget::Free;
}

QString nextFreeTakeName(const QString &folder, const QString &extension)
{
    for (int n = 1;; ++n) {
        const QString name = folder + QString::number(n) + QLatin1Char('.') + extension;
        if (!QFileInfo::exists(name))
            return name;
    }
}
