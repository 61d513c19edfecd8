#pragma once

#include <QString>
#include <QStringList>

// Where the program's own data files (help pages, skin) are found. A program
// unpacked into a folder of its own, and the build tree, keep them beside the
// executable; an installed program keeps them in its share folder,
// <prefix>/share/tarvell-recorder/, reached from <prefix>/bin/.
namespace DataFolders {

// The folders looked in, in order, each ending in "/": the program's folder,
// then the share folder relative to it. programFolder ends in "/" or not.
QStringList candidates(const QString &programFolder);

// The first existing file or folder named `relative` under one of the
// candidates (a folder is returned with a trailing "/"); empty when none has it.
QString locate(const QString &relative, const QString &programFolder);

// Like locate(), but when nothing is found, the path it would have beside
// the program, so that whoever opens it gets a sensible "not found".
QString locateOrBeside(const QString &relative, const QString &programFolder);

// Whether the program in programFolder is an installed one: its help and skin
// are not beside it but in its share folder.
bool isInstalled(const QString &programFolder);

} // namespace DataFolders
