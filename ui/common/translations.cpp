#include "ui/common/translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QList>
#include <QPointer>
#include <QTranslator>

namespace {

// Built from translations/*.ts into the program's resources.
const QString OwnTranslations = QStringLiteral(":/translations");

// What InstallTranslations put in place, taken out again when the language
// changes, so that only one language speaks at a time.
QList<QPointer<QTranslator>> &Installed()
{
    static QList<QPointer<QTranslator>> translators;
    return translators;
}

bool Install(const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(locale, name, QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    Installed().append(translator);
    return true;
}

void RemoveInstalled()
{
    for (const QPointer<QTranslator> &translator : std::as_const(Installed())) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    Installed().clear();
}

} // namespace

QLocale QtDialogsLocale(const QLocale &locale)
{
    // Debian's Qt ships no Norwegian Bokmål for its dialogs; Nynorsk is the
    // nearest written form a Bokmål reader follows without trouble.
    const QStringList languages = locale.uiLanguages();
    const QLocale first = languages.isEmpty() ? locale : QLocale(languages.front());
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (first.language() == QLocale::NorwegianBokmal &&
        !QFileInfo::exists(folder + QStringLiteral("/qtbase_nb.qm")))
        return QLocale(QLocale::NorwegianNynorsk, first.territory());
    return locale;
}

bool InstallTranslations(const QLocale &locale)
{
    RemoveInstalled();
    // The first language the user reads (LANGUAGE, then LC_MESSAGES and
    // LANG): English is the one the texts are written in, nothing to load.
    const QStringList languages = locale.uiLanguages();
    const QLocale first = languages.isEmpty() ? locale : QLocale(languages.front());
    if (first.language() == QLocale::English || first.language() == QLocale::C)
        return false;
    Install(QtDialogsLocale(locale), QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return Install(locale, QStringLiteral("quintarel"), OwnTranslations);
}
