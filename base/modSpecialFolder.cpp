#include "base/modSpecialFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <optional>

namespace {

std::optional<QStandardPaths::StandardLocation> locationOf(int csidl)
{
    switch (csidl) {
    case 0x00:   // CSIDL_DESKTOP
    case 0x10:   // CSIDL_DESKTOPDIRECTORY
        return QStandardPaths::DesktopLocation;
    case 0x05:   // CSIDL_PERSONAL
        return QStandardPaths::DocumentsLocation;
    case 0x0d:   // CSIDL_MYMUSIC
        return QStandardPaths::MusicLocation;
    case 0x0e:   // CSIDL_MYVIDEO
        return QStandardPaths::MoviesLocation;
    case 0x27:   // CSIDL_MYPICTURES
        return QStandardPaths::PicturesLocation;
    case 0x28:   // CSIDL_PROFILE
        return QStandardPaths::HomeLocation;
    default:
        return std::nullopt;
    }
}

// Makes the folder with its parents when it is missing; true when it is then
// a folder that can be written in.
bool madeWritable(const QString &folder)
{
    QDir().mkpath(folder);
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

} // namespace

QString GetSpecialFolder(int csidl)
{
    const auto location = locationOf(csidl);
    if (!location)
        return {};
    const QString folder = QStandardPaths::writableLocation(*location);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return {};
    return folder + QLatin1Char('/');
}

QString GetDocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (QDir::isAbsolutePath(documents) && madeWritable(documents))
        return QDir::cleanPath(documents) + QLatin1Char('/');
    const QString recordings = QDir::cleanPath(QDir::homePath() + QStringLiteral("/Recordings"));
    madeWritable(recordings);
    return recordings + QLatin1Char('/');
}
