// The program's texts and Qt's own (its standard dialogs and buttons) in
// the user's language, where a translation of it is there. Without one the
// program shows its texts as written, in English.
#pragma once

#include <QLocale>

// Installs the translations for the locale's languages into the
// application, in place of those installed before; returns whether the
// program's own translation was found.
bool InstallTranslations(const QLocale &locale = QLocale());

// The language whose translation of Qt's own dialogs is loaded for the
// locale: itself, or a near one where Qt has no translation of its own.
QLocale QtDialogsLocale(const QLocale &locale);
