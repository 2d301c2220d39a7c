// The program's texts and Qt's own (its standard dialogs and buttons) in
// the user's language, where a translation of it is there. Without one the
// program shows its texts as written, in English.
#pragma once

#include <QLocale>

// Installs the translations for the locale's languages into the
// application; returns whether the program's own translation was found.
bool InstallTranslations(const QLocale &locale = QLocale());
