#include "base/DataFolders.h"

#include <QDir>
#include <QFileInfo>

// The share folder as seen from the folder of the installed executable; the
// build sets it from its install directories.
#ifndef TARVELL_DATA_FROM_BIN
#define TARVELL_DATA_FROM_BIN "../share/tarvell-recorder"
#endif

namespace DataFolders {

namespace {

QString withSlash(QString folder)
{
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace

QStringList candidates(const QString &programFolder)
{
    if (programFolder.isEmpty())
        return {};
    const QString beside = withSlash(programFolder);
    const QString fromBin = QStringLiteral(TARVELL_DATA_FROM_BIN);
    const QString share = QDir::isAbsolutePath(fromBin) ? fromBin : beside + fromBin;
    return {beside, withSlash(QDir::cleanPath(share))};
}

QString locate(const QString &relative, const QString &programFolder)
{
    for (const QString &folder : candidates(programFolder)) {
        const QFileInfo found(folder + relative);
        if (found.isDir())
            return withSlash(found.absoluteFilePath());
        if (found.isFile())
            return found.absoluteFilePath();
    }
    return {};
}

QString locateOrBeside(const QString &relative, const QString &programFolder)
{
    const QString found = locate(relative, programFolder);
    if (!found.isEmpty() || programFolder.isEmpty())
        return found;
    return withSlash(programFolder) + relative;
}

// The program's data is its help folder and its skin.
bool isInstalled(const QString &programFolder)
{
    const QStringList folders = DataFolders::candidates(programFolder);
    const auto holdsData = [](const QString &folder) {
        return QFileInfo(folder + QStringLiteral("help")).isDir()
               || QFileInfo(folder + QStringLiteral("skin.cjstyles")).isFile();
    };
    return folders.size() == 2 && !holdsData(folders[0]) && holdsData(folders[1]);
}

} // namespace DataFolders
