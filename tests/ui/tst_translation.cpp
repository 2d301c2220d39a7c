// The program in the user's language: under English the texts stay as
// written; under German the program's own translation and Qt's (qtbase)
// are loaded, for the windows' captions and for the messages alike.

#include "core/errors.h"
#include "core/reading/dateorder.h"
#include "ui/common/translations.h"
#include "ui/common/uistrings.h"
#include "ui/compare/comparemodel.h"
#include "ui/license/licensestatus.h"
#include "uitestsupport.h"

#include <QMenu>
#include <QTest>

class TTranslationTest : public QObject {
    Q_OBJECT

private slots:
    void englishKeepsTheTextsAsWritten_data();
    void englishKeepsTheTextsAsWritten();
    void germanTranslatesCaptionsAndMessages();
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

QTEST_MAIN(TTranslationTest)
#include "tst_translation.moc"
