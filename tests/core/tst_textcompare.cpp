// Text exports compared: which objects changed in their text (code, fields,
// design) and which were only saved again, line ends and encoding aside.
#include "comparisonrows.h"
#include "core/compare/compare.h"
#include "core/reading/codepage.h"
#include "modelfixture.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// An object in the form the ERP exports it.
QByteArray ObjectText(const QByteArray &objectLine, const QByteArrayList &properties,
                      const QByteArrayList &body, const QByteArray &eol = "\n")
{
    QByteArray text = objectLine + eol + "{" + eol + "  OBJECT-PROPERTIES" + eol + "  {" + eol;
    for (const QByteArray &property : properties)
        text += "    " + property + eol;
    text += "  }" + eol;
    for (const QByteArray &line : body)
        text += line + eol;
    return text + "}" + eol + eol;
}

const QByteArrayList Saved{"Date=23.05.17;", "Time=12:00:00;", "Version List=NAVW17.00;"};
const QByteArrayList SavedAgain{"Date=24.05.17;", "Time=13:30:00;", "Modified=Yes;",
                                "Version List=NAVW17.00;"};
const QByteArrayList Fields{"  FIELDS", "  {", "    { 1   ;   ;No.                 ;Code20 }",
                            "    { 2   ;   ;Description         ;Text50 }", "  }"};
const QByteArrayList Code{
    "  CODE",   "  {", "    PROCEDURE Post@1();", "    BEGIN", "      Amount := Amount + 1;",
    "    END;", "  }"};

QByteArrayList Body(const QByteArrayList &fields = Fields, const QByteArrayList &code = Code)
{
    return fields + code;
}

// Each difference as "kind[:fields] Type ID Name", ordered by type and ID.
QStringList Rows(const TNavisionBinaryFile &oldFile, const TNavisionBinaryFile &newFile)
{
    return ComparisonRows(TObjectComparison(oldFile, newFile));
}

} // namespace

class TestTextCompare : public QObject {
    Q_OBJECT

private slots:
    void comparesTexts_data();
    void comparesTexts();
};

void TestTextCompare::comparesTexts_data()
{
    QTest::addColumn<QByteArray>("oldText");
    QTest::addColumn<QByteArray>("newText");
    QTest::addColumn<QStringList>("rows");

    const QByteArray table = ObjectText("OBJECT Table 27 Item", Saved, Body());
    QByteArrayList changedCode = Code;
    changedCode[4] = "      Amount := Amount + 2;";
    QTest::newRow("code changed") << table
                                  << ObjectText("OBJECT Table 27 Item", Saved,
                                                Body(Fields, changedCode))
                                  << QStringList{"changed:text Table 27 Item"};
    QTest::newRow("only saved again")
        << table << ObjectText("OBJECT Table 27 Item", SavedAgain, Body())
        << QStringList{"changed:datetime,modified Table 27 Item"};
    QTest::newRow("version list only")
        << table
        << ObjectText("OBJECT Table 27 Item",
                      {"Date=23.05.17;", "Time=12:00:00;", "Version List=NAVW17.10;"}, Body())
        << QStringList{"changed:version Table 27 Item"};
    QTest::newRow("saved again and code changed")
        << table << ObjectText("OBJECT Table 27 Item", SavedAgain, Body(Fields, changedCode))
        << QStringList{"changed:datetime,modified,text Table 27 Item"};
    QTest::newRow("fields reordered")
        << table
        << ObjectText("OBJECT Table 27 Item", Saved,
                      Body({Fields[0], Fields[1], Fields[3], Fields[2], Fields[4]}))
        << QStringList{"changed:text Table 27 Item"};
    QTest::newRow("a line added at the end")
        << table << ObjectText("OBJECT Table 27 Item", Saved, Body() << "  ")
        << QStringList{"changed:text Table 27 Item"};
    QTest::newRow("CR LF against LF")
        << table << ObjectText("OBJECT Table 27 Item", Saved, Body(), "\r\n")
        << QStringList{"unchanged Table 27 Item"};
    QTest::newRow("blank lines after the object") << table << table + "\n\n\n"
                                                  << QStringList{"unchanged Table 27 Item"};
    QTest::newRow("last line without its line end")
        << table << table.chopped(2) << QStringList{"unchanged Table 27 Item"};
    // Ø is 0x9D in code page 850 and C3 98 in UTF-8; the UTF-8 file's
    // name is the same text too.
    QTest::newRow("code page 850 against UTF-8")
        << ObjectText("OBJECT Codeunit 5 S\x9B", Saved,
                      Body(Fields, Code + QByteArrayList{"    // Tr\x9Dndelag"}))
        << ObjectText("OBJECT Codeunit 5 S\xC3\xB8", Saved,
                      Body(Fields, Code + QByteArrayList{"    // Tr\xC3\x98ndelag"}))
        << QStringList{"unchanged Codeunit 5 S\u00F8"};
    QTest::newRow("code page 850 against other UTF-8")
        << ObjectText("OBJECT Codeunit 5 S", Saved,
                      Body(Fields, Code + QByteArrayList{"    // Tr\x9Dndelag"}))
        << ObjectText("OBJECT Codeunit 5 S", Saved,
                      Body(Fields, Code + QByteArrayList{"    // Tr\xC3\xB8ndelag"}))
        << QStringList{"changed:text Codeunit 5 S"};
    QTest::newRow("objects added and removed")
        << table + ObjectText("OBJECT Report 6 Old", Saved, Body())
        << table + ObjectText("OBJECT Page 21 New", Saved, Body())
        << QStringList{"added Page 21 New", "unchanged Table 27 Item", "removed Report 6 Old"};
    QTest::newRow("second object of several")
        << table + ObjectText("OBJECT Report 6 R", Saved, Body()) +
               ObjectText("OBJECT Codeunit 7 C", Saved, Body())
        << table + ObjectText("OBJECT Report 6 R", Saved, Body(Fields, changedCode)) +
               ObjectText("OBJECT Codeunit 7 C", Saved, Body())
        << QStringList{"unchanged Table 27 Item", "changed:text Report 6 R",
                       "unchanged Codeunit 7 C"};
}

void TestTextCompare::comparesTexts()
{
    QFETCH(QByteArray, oldText);
    QFETCH(QByteArray, newText);
    QFETCH(QStringList, rows);
    TModelFixture oldFixture(DottedSettings());
    TNavisionBinaryFile newModel(oldFixture.Model.LicenseFile(), DottedSettings());
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const auto write = [&](const QString &name, const QByteArray &bytes) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    };
    write(QStringLiteral("old.txt"), oldText);
    write(QStringLiteral("new.txt"), newText);
    TNavisionBinaryFile::LoadAsOneSet(oldFixture.Model,
                                      {folder.filePath(QStringLiteral("old.txt"))}, newModel,
                                      {folder.filePath(QStringLiteral("new.txt"))});
    QCOMPARE(Rows(oldFixture.Model, newModel), rows);
}

QTEST_GUILESS_MAIN(TestTextCompare)
#include "tst_textcompare.moc"
