#include "ui/common/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// Built from translations/*.ts into the program's resources.
const QString OwnTranslations = QStringLiteral(":/translations");

bool Install(const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(locale, name, QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace

bool InstallTranslations(const QLocale &locale)
{
    // The first language the user reads (LANGUAGE, then LC_MESSAGES and
    // LANG): English is the one the texts are written in, nothing to load.
    const QStringList languages = locale.uiLanguages();
    const QLocale first = languages.isEmpty() ? locale : QLocale(languages.front());
    if (first.language() == QLocale::English || first.language() == QLocale::C)
        return false;
    Install(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return Install(locale, QStringLiteral("quintarel"), OwnTranslations);
}
