#include "engine/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translations {

namespace {

const QString Prefix = QStringLiteral(":/i18n");

} // namespace

QStringList languages()
{
    QStringList out;
    for (const QString &name : QDir(Prefix).entryList({QStringLiteral("tarvell_*.qm")}, QDir::Files, QDir::Name))
        out << name.mid(8, name.size() - 8 - 3);
    return out;
}

QString install(QCoreApplication &app, const QLocale &locale)
{
    // QTranslator::load walks the locale's UI languages in order ("de-AT",
    // "de", ...), so a regional locale finds its language.
    auto *ours = new QTranslator(&app);
    if (!ours->load(locale, QStringLiteral("tarvell"), QStringLiteral("_"), Prefix)) {
        delete ours;
        return QString();
    }
    QCoreApplication::installTranslator(ours);
    // Qt's own texts: the buttons of message boxes, the file dialog. Debian
    // ships them in qt6-translations-l10n; without it they stay English.
    auto *qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return ours->language();
}

} // namespace Translations
