// The program in the user's language: under English the texts stay as
// written; under German the program's own translation and Qt's (qtbase)
// are loaded, for the windows' captions and for the messages alike. Every
// shipped translation is complete: no entry unfinished or left over, every
// placeholder and accelerator of the English text kept.

#include "core/errors.h"
#include "core/reading/dateorder.h"
#include "ui/common/translations.h"
#include "ui/common/uistrings.h"
#include "ui/compare/comparemodel.h"
#include "ui/license/licensestatus.h"
#include "uitestsupport.h"

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// The languages built into the program's resources.
QStringList ShippedLanguages()
{
    QStringList languages;
    const QStringList files = QDir(QStringLiteral(":/translations"))
                                  .entryList({QStringLiteral("quintarel_*.qm")}, QDir::Files);
    for (const QString &file : files)
        languages << file.section(QLatin1Char('_'), 1).section(QLatin1Char('.'), 0, 0);
    return languages;
}

struct TEntry {
    QString Context;
    QString Source;
    QString Kind;             // the translation's type: empty when finished
    QStringList Translations; // one, or one per plural form
};

QList<TEntry> ReadEntries(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<TEntry> entries;
    QString context;
    bool numerus = false;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message")) {
            entries.append({context, {}, {}, {}});
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        }
        else if (xml.name() == QLatin1String("source") && !entries.isEmpty())
            entries.back().Source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation") && !entries.isEmpty()) {
            entries.back().Kind = xml.attributes().value(QLatin1String("type")).toString();
            if (numerus)
                continue; // its plural forms follow, each a text of its own
            const QString text = xml.readElementText();
            if (!text.isEmpty())
                entries.back().Translations << text;
        } else if (xml.name() == QLatin1String("numerusform") && !entries.isEmpty())
            entries.back().Translations << xml.readElementText();
    }
    return entries;
}

// The placeholders of a text (%1 ... %99, %n), sorted.
QStringList Placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+|n)"));
    QStringList found;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

bool HasAccelerator(const QString &text)
{
    static const QRegularExpression accelerator(QStringLiteral("(^|[^&])(&&)*&[^&\\s]"));
    return accelerator.match(text).hasMatch();
}

} // namespace

class TTranslationTest : public QObject {
    Q_OBJECT

private slots:
    void englishKeepsTheTextsAsWritten_data();
    void englishKeepsTheTextsAsWritten();
    void germanTranslatesCaptionsAndMessages();
    void everyLanguageIsComplete_data();
    void everyLanguageIsComplete();
    void everyLanguageIsLoaded_data();
    void everyLanguageIsLoaded();
};

void TTranslationTest::englishKeepsTheTextsAsWritten_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("en_US") << "en_US";
    QTest::newRow("en_GB") << "en_GB";
}

void TTranslationTest::englishKeepsTheTextsAsWritten()
{
    QFETCH(QString, locale);
    QVERIFY(!InstallTranslations(QLocale(locale)));
    const auto window = CreateMainWindow();
    QCOMPARE(window->mnuFile->title(), QStringLiteral("&File"));
    QCOMPARE(window->stbMain->SimpleText(), QStringLiteral("0 object(s)"));
    QCOMPARE(window->ListModel().headerData(6, Qt::Horizontal).toString(),
             QStringLiteral("License Permissions"));
}

void TTranslationTest::germanTranslatesCaptionsAndMessages()
{
    QVERIFY(InstallTranslations(QLocale(QStringLiteral("de_DE"))));
    TErrorRecorder errors;
    const auto window = CreateMainWindow();
    QCOMPARE(window->mnuFile->title(), QStringLiteral("&Datei"));
    QCOMPARE(window->actViewHideSysObjects->text(), QStringLiteral("&Systemobjekte ausblenden"));
    QCOMPARE(window->ListModel().headerData(6, Qt::Horizontal).toString(),
             QStringLiteral("Lizenzberechtigungen"));
    QCOMPARE(window->stbMain->SimpleText(), QStringLiteral("0 Objekte"));

    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("missing.fob"));
    RunCommand([&] { window->FilesDropped({missing}); });
    QCOMPARE(errors.Boxes.size(), 1);
    QVERIFY2(errors.Boxes[0].Text.startsWith(QStringLiteral("Die Datei „%1“ kann nicht geöffnet "
                                                            "werden. ")
                                                 .arg(missing)),
             qPrintable(errors.Boxes[0].Text));

    // The date order, the comparison and where reading stopped, in German too.
    const auto *readDatesAs = window->findChild<QMenu *>(QStringLiteral("mnuViewReadDatesAs"));
    QVERIFY(readDatesAs);
    QCOMPARE(readDatesAs->title(), QStringLiteral("Datumsangaben &lesen als"));
    QCOMPARE(DateOrderText(TDateOrder::DMY), QStringLiteral("Tag/Monat/Jahr"));
    QCOMPARE(window->actFileCompareWith->text(), QStringLiteral("&Vergleichen mit..."));
    QCOMPARE(TComparisonModel().headerData(4, Qt::Horizontal).toString(),
             QStringLiteral("Datum/Zeit alt"));
    TError error(QStringLiteral("Kaputt"));
    error.SetPlace({3, 322, true});
    error.SetFileName(QStringLiteral("/tmp/a.fob"));
    QCOMPARE(error.message(), QStringLiteral("Kaputt. Eintrag 3 bei Byte 322 in „/tmp/a.fob“."));

    // The status bar's licence section.
    TLicenseStatus status;
    status.Show({TActiveLicense::TState::None, {}, {}});
    QCOMPARE(status.Text(), QStringLiteral("Keine Lizenz"));

    // Qt's own texts, as its standard dialogs show them.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

void TTranslationTest::everyLanguageIsComplete_data()
{
    QTest::addColumn<QString>("language");
    const QStringList languages = ShippedLanguages();
    QVERIFY(languages.size() >= 5);
    for (const QString &language : languages)
        QTest::newRow(qPrintable(language)) << language;
}

void TTranslationTest::everyLanguageIsComplete()
{
    QFETCH(QString, language);
    const QList<TEntry> entries =
        ReadEntries(QStringLiteral(QUINTAREL_TRANSLATIONS_DIR "/quintarel_%1.ts").arg(language));
    QVERIFY(!entries.isEmpty());
    QStringList problems;
    for (const TEntry &entry : entries) {
        const QString where =
            entry.Context + QStringLiteral(": \"") + entry.Source + QStringLiteral("\"");
        if (!entry.Kind.isEmpty()) {
            problems << where + QStringLiteral(" is ") + entry.Kind;
            continue;
        }
        if (entry.Translations.isEmpty())
            problems << where + QStringLiteral(" has no translation");
        for (const QString &translation : entry.Translations) {
            if (Placeholders(translation) != Placeholders(entry.Source))
                problems << where + QStringLiteral(" loses or adds a placeholder: ") + translation;
            if (HasAccelerator(entry.Source) != HasAccelerator(translation))
                problems << where + QStringLiteral(" loses or adds an accelerator: ") + translation;
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TTranslationTest::everyLanguageIsLoaded_data()
{
    // The File menu's caption and Qt's own Cancel in each language; for
    // Norwegian Bokmål Qt's dialogs speak Nynorsk, the nearest Qt ships.
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("fileMenu");
    QTest::addColumn<QLocale::Language>("qtDialogs");
    QTest::newRow("da") << "da_DK"
                        << "&Filer" << QLocale::Danish;
    QTest::newRow("de") << "de_DE"
                        << "&Datei" << QLocale::German;
    QTest::newRow("fr") << "fr_FR"
                        << "&Fichier" << QLocale::French;
    QTest::newRow("nb") << "nb_NO"
                        << "&Fil" << QLocale::NorwegianNynorsk;
    QTest::newRow("nl") << "nl_NL"
                        << "&Bestand" << QLocale::Dutch;
}

void TTranslationTest::everyLanguageIsLoaded()
{
    QFETCH(QString, language);
    QFETCH(QString, fileMenu);
    QFETCH(QLocale::Language, qtDialogs);
    const QLocale locale(language);
    QVERIFY(InstallTranslations(locale));
    const auto window = CreateMainWindow();
    QCOMPARE(window->mnuFile->title(), fileMenu);
    QCOMPARE(QtDialogsLocale(locale).language(), qtDialogs);
    QVERIFY(QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                          QStringLiteral("/qtbase_%1.qm").arg(QLocale(qtDialogs).name().left(2))));
    QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"));
    // The next language takes the place of this one.
    InstallTranslations(QLocale(QStringLiteral("en_US")));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

QTEST_MAIN(TTranslationTest)
#include "tst_translation.moc"
