#pragma once

#include <QLocale>
#include <QStringList>

class QCoreApplication;

// The program's texts in the user's language: our own translations (built
// into the program) and Qt's for the texts Qt itself shows (its dialogs'
// buttons, the file dialog), both for the language the locale asks for.
namespace Translations {

// The languages our texts are translated into, besides English.
QStringList languages();

// Installs the translators for `locale` on the application (they live as
// long as it does). Returns the language chosen, or an empty string when the
// texts stay English.
QString install(QCoreApplication &app, const QLocale &locale = QLocale());

} // namespace Translations
