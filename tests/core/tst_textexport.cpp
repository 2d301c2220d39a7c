// Text exports and folders of them read into the model.
#include "core/errors.h"
#include "core/reading/conversions.h"
#include "fobentry.h"
#include "modelfixture.h"

#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

QString IsoText(const TNavisionObject &object)
{
    if (!object.HasDateTime())
        return QString();
    const auto [date, time] = DecodeDateTime(object.DateTime());
    return date.toString(Qt::ISODate) + u'T' + time.toString(QStringLiteral("HH:mm:ss"));
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestTextExport : public QObject {
    Q_OBJECT

private slots:
    void readsOneObject_data();
    void readsOneObject();
    void failsWithTheLine_data();
    void failsWithTheLine();
    void severalObjectsKeepTheirPlaces();
    void folderReadsInOneOrder();
    void folderKeepsGoodFilesAndNamesBadOnes();
    void folderListsAnObjectOfTwoFilesOnce();
    void folderSurvivesALinkLoop();
    void longLineEndsClearly();
    void nulBytes_data();
    void nulBytes();
    void folderOfManyEmptyFiles();
};

void TestTextExport::readsOneObject_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("dateTime");
    QTest::addColumn<QString>("versionList");
    QTest::addColumn<bool>("modified");

    const struct {
        const char *name;
        QByteArray text;
        QString key, dateTime, versionList;
        bool modified;
    } rows[] = {
        {"dotted, modified, CR LF",
         LayOutObjectText("OBJECT Codeunit 10637 Import CAMT054",
                          {"Date=23.05.17;", "Time=15:18:31;", "Modified=Yes;",
                           "Version List=NAVW110.00.00.15140,NAVNO10.00.00.15140,INCBF1.0;"},
                          "\r\n"),
         "Codeunit 10637 Import CAMT054", "2017-05-23T15:18:31",
         "NAVW110.00.00.15140,NAVNO10.00.00.15140,INCBF1.0", true},
        {"dashes, dotted time",
         LayOutObjectText("OBJECT Table 27 Item", {"Date=24-03-17;", "Time=17.56.36;"}),
         "Table 27 Item", "2017-03-24T17:56:36", "", false},
        {"slashes, AM",
         LayOutObjectText("OBJECT Page 21 Customer Card", {"Date=09/15/15;", "Time=4:48:59 AM;"}),
         "Page 21 Customer Card", "2015-09-15T04:48:59", "", false},
        {"bracketed time",
         LayOutObjectText("OBJECT Report 6 Trial Balance",
                          {"Date=13-9-17;", "Time=[ 9:43:12 PM];"}),
         "Report 6 Trial Balance", "2017-09-13T21:43:12", "", false},
        {"not modified",
         LayOutObjectText("OBJECT XMLport 1 X",
                          {"Date=23.05.17;", "Time=12:00:00;", "Modified=No;"}),
         "XMLport 1 X", "2017-05-23T12:00:00", "", false},
        {"blank lines in the block",
         LayOutObjectText("OBJECT Query 7 Q", {"", "Date=23.05.17;", "", "Time=12:00:00;"}),
         "Query 7 Q", "2017-05-23T12:00:00", "", false},
        {"block without date and time",
         LayOutObjectText("OBJECT MenuSuite 1010 Dept", {"Version List=NAVW17.00;"}),
         "MenuSuite 1010 Dept", "", "NAVW17.00", false},
        {"no block", "OBJECT Form 5 Old\n{\n  PROPERTIES\n  {\n    Date=1.1.01;\n  }\n}\n",
         "Form 5 Old", "", "", false},
        {"code page 850",
         LayOutObjectText("OBJECT Dataport 9 K\x9B"
                          "b",
                          {"Version List=\x9B;"}),
         QStringLiteral("Dataport 9 Køb"), "", QStringLiteral("ø"), false},
        {"UTF-8 with byte-order mark",
         "\xEF\xBB\xBF" + LayOutObjectText("OBJECT Table 3 K\xC3\xB8"
                                           "b",
                                           {"Version List=\xC3\xB8;"}),
         QStringLiteral("Table 3 Køb"), "", QStringLiteral("ø"), false},
        {"blank lines first", "\n\r\n" + LayOutObjectText("OBJECT Table 4 A", {}), "Table 4 A", "",
         "", false},
    };
    for (const auto &row : rows) {
        for (const auto &[settingsName, settings] :
             {std::pair{"US", UsSettings()}, {"dotted", DottedSettings()}}) {
            Q_UNUSED(settings);
            QTest::addRow("%s, %s", row.name, settingsName)
                << row.text << row.key << row.dateTime << row.versionList << row.modified;
        }
    }
}

void TestTextExport::readsOneObject()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, key);
    QFETCH(QString, dateTime);
    QFETCH(QString, versionList);
    QFETCH(bool, modified);
    const bool dotted = QString(QTest::currentDataTag()).endsWith(u"dotted");
    TModelFixture fixture(dotted ? DottedSettings() : UsSettings());
    fixture.Load(text);
    QCOMPARE(fixture.VisibleKeys(), QStringList{key});
    const TNavisionObject &object = fixture.Model.GetObject(0);
    QCOMPARE(IsoText(object), dateTime);
    QCOMPARE(DecodeText(object.VersionList()), versionList);
    QCOMPARE(fixture.Model.IsModified(object), std::optional<bool>(modified));
    QVERIFY(!object.HasSize());
    QCOMPARE(fixture.Model.TextPlace(object)->Line, text.startsWith("\n") ? 3 : 1);
}

void TestTextExport::failsWithTheLine_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("listed");
    QTest::newRow("bad date") << LayOutObjectText("OBJECT Table 1 A",
                                                  {"Date=32.13.17;", "Time=12:00:00;"})
                              << "'32.13.17 12:00:00' is not a valid date and time. Line 5." << 0;
    QTest::newRow("cut short in the block")
        << LayOutObjectText("OBJECT Table 1 A", {}) +
               "OBJECT Table 2 B\n{\n  OBJECT-PROPERTIES\n  {\n"
               "    Date=23.05.17;\n"
        << "The object \"Table 2 B\" ends within its OBJECT-PROPERTIES. Line 14." << 0;
    QTest::newRow("ID of 10,000 digits")
        << "OBJECT Table " + QByteArray(10000, '7') + " A\n"
        << "'7777777777777777777777777777777777777777...' is not a valid integer value. Line 1."
        << 0;
    QTest::newRow("name too long")
        << QByteArray("OBJECT Table 1 " + QByteArray(31, 'N') + "\n")
        << "The name '" + QString(31, u'N') + "' is longer than 30 characters. Line 1." << 0;
}

void TestTextExport::failsWithTheLine()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    QFETCH(int, listed);
    TModelFixture fixture(DottedSettings());
    try {
        fixture.Load(text);
        QFAIL("no error");
    } catch (const TError &error) {
        QCOMPARE(error.message(), message);
    }
    QCOMPARE(fixture.Model.GetCount(), listed);
}

void TestTextExport::severalObjectsKeepTheirPlaces()
{
    // Object lines without braces, a repeated key, and code between them.
    const QByteArray first = LayOutObjectText("OBJECT Table 1 A", {"Date=23.05.17;"});
    const QByteArray text = first + "OBJECT Table 2 B\nOBJECT Table 1 a\nOBJECT Page 1 A\n";
    TModelFixture fixture(DottedSettings());
    fixture.Load(text);
    QCOMPARE(fixture.VisibleKeys(), (QStringList{"Table 1 A", "Table 2 B", "Page 1 A"}));
    const TTextPlace *place = fixture.Model.TextPlace(fixture.Model.GetObject(1));
    QCOMPARE(place->Begin, first.size());
    QCOMPARE(place->End, first.size() + 17);
    QCOMPARE(place->Line, first.count('\n') + 1);
}

void TestTextExport::folderReadsInOneOrder()
{
    // Under month-first settings the second file reads only day first; so
    // the whole folder is read day first, the first file's 01.02.17 too.
    QTemporaryDir dir;
    WriteFile(dir.filePath("A.TXT"), LayOutObjectText("OBJECT Table 1 A", {"Date=01.02.17;"}));
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    WriteFile(dir.filePath("sub/b.txt"), LayOutObjectText("OBJECT Table 2 B", {"Date=13.02.17;"}));
    WriteFile(dir.filePath("notes.md"), "not listed");
    TModelFixture fixture(UsSettings());
    fixture.Model.LoadFromFile(dir.path());
    QCOMPARE(fixture.VisibleKeys(), (QStringList{"Table 1 A", "Table 2 B"}));
    QCOMPARE(IsoText(fixture.Model.GetObject(0)), "2017-02-01T00:00:00");
    QCOMPARE(fixture.Model.ObjectRelativeFileName(fixture.Model.GetObject(1)), "sub/b.txt");
    QVERIFY(fixture.Model.ComesFromSeveralFiles());
    QVERIFY(fixture.Model.FileProblems().empty());

    // A file whose date reads in no order fails alone; the others keep
    // their one order.
    WriteFile(dir.filePath("bad.txt"), LayOutObjectText("OBJECT Table 9 Bad", {"Date=32.13.17;"}));
    fixture.Model.Clear();
    fixture.Model.LoadFromFile(dir.path());
    QCOMPARE(fixture.VisibleKeys(), (QStringList{"Table 1 A", "Table 2 B"}));
    QCOMPARE(fixture.Model.FileProblems().size(), size_t(1));
    QCOMPARE(IsoText(fixture.Model.GetObject(0)), "2017-02-01T00:00:00");
    QVERIFY(QFile::remove(dir.filePath("bad.txt")));

    // Mixed beyond any one order: each file in its own.
    WriteFile(dir.filePath("c.txt"), LayOutObjectText("OBJECT Table 3 C", {"Date=02/13/17;"}));
    fixture.Model.Clear();
    fixture.Model.LoadFromFile(dir.path());
    QCOMPARE(fixture.Model.GetCount(), 3);
    QVERIFY(fixture.Model.FileProblems().empty());
    QCOMPARE(IsoText(fixture.Model.GetObject(0)), "2017-01-02T00:00:00");
}

void TestTextExport::folderKeepsGoodFilesAndNamesBadOnes()
{
    QTemporaryDir dir;
    WriteFile(dir.filePath("a.txt"), LayOutObjectText("OBJECT Table 1 A", {}));
    WriteFile(dir.filePath("b.txt"), LayOutObjectText("OBJECT Table 2 B", {"Date=32.13.17;"}));
    WriteFile(dir.filePath("c.txt"), "README\n");
    WriteFile(dir.filePath("d.txt"), LayOutObjectText("OBJECT Table 4 D", {}));
    TModelFixture fixture(DottedSettings());
    fixture.Model.LoadFromFile(dir.path());
    QCOMPARE(fixture.VisibleKeys(), (QStringList{"Table 1 A", "Table 4 D"}));
    const auto &problems = fixture.Model.FileProblems();
    QCOMPARE(problems.size(), size_t(2));
    QCOMPARE(problems[0].File, dir.filePath("b.txt"));
    QVERIFY(problems[0].Message.contains("Line 5"));
    QCOMPARE(problems[1].File, dir.filePath("c.txt"));
    QCOMPARE(fixture.Model.FileName(), dir.path());
}

void TestTextExport::folderListsAnObjectOfTwoFilesOnce()
{
    QTemporaryDir dir;
    WriteFile(dir.filePath("b.txt"),
              LayOutObjectText("OBJECT Table 1 Second", {"Version List=B;"}));
    WriteFile(dir.filePath("a.txt"),
              LayOutObjectText("OBJECT Table 1 second", {"Version List=A;"}));
    TModelFixture fixture(DottedSettings());
    fixture.Model.LoadFromFile(dir.path());
    QCOMPARE(fixture.Model.GetCount(), 1);
    QCOMPARE(fixture.Model.GetObject(0).VersionList(), "A");
    QCOMPARE(fixture.Model.Notes().size(), 1);
    QVERIFY(fixture.Model.Notes()[0].contains(dir.filePath("a.txt")));
    QVERIFY(fixture.Model.Notes()[0].contains(dir.filePath("b.txt")));
}

void TestTextExport::folderSurvivesALinkLoop()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    WriteFile(dir.filePath("sub/a.txt"), LayOutObjectText("OBJECT Table 1 A", {}));
    QVERIFY(QFile::link(dir.path(), dir.filePath("sub/loop")));
    WriteFile(dir.filePath("locked.txt"), LayOutObjectText("OBJECT Table 2 B", {}));
    const bool privileged = ::geteuid() == 0;
    QFile(dir.filePath("locked.txt")).setPermissions(QFileDevice::Permissions());
    TModelFixture fixture(DottedSettings());
    fixture.Model.LoadFromFile(dir.path());
    QVERIFY(fixture.VisibleKeys().contains("Table 1 A"));
    if (!privileged)
        QCOMPARE(fixture.Model.FileProblems().size(), size_t(1));
}

void TestTextExport::longLineEndsClearly()
{
    // An object whose code is one line of 1 GB (sparse): read through, not held.
    QTemporaryDir dir;
    const QString path = dir.filePath("big.txt");
    WriteFile(path, "OBJECT Table 1 A\n{\n  PROPERTIES\n  {\n    ");
    QVERIFY(QFile(path).resize(qint64(1) << 30));
    TModelFixture fixture(DottedSettings());
    fixture.Model.LoadFromFile(dir.path());
    QCOMPARE(fixture.VisibleKeys(), QStringList{"Table 1 A"});
}

void TestTextExport::nulBytes_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("key");     // of the one object listed; empty for an error
    QTest::addColumn<QString>("message"); // the error's beginning; empty for a list
    const QByteArray object = LayOutObjectText("OBJECT Table 1 A", {"Date=23.05.17;"});
    QTest::newRow("in the code") << QByteArray(object).replace("BEGIN", QByteArray("BE\0\0GIN", 7))
                                 << "Table 1 A" << QString();
    QTest::newRow("in a date") << QByteArray(object).replace("17;", QByteArray("17\0;", 4))
                               << QString() << "'23.05.17\\x00";
    QTest::newRow("in the ID") << QByteArray(object).replace("1 A", QByteArray("1\0 A", 4))
                               << QString() << "'1\\x00' is not a valid integer value. Line 1.";
    QTest::newRow("before the object line") << QByteArray(1, '\0') + object << QString()
                                            << "The index does not look like an object file";
    QTest::newRow("nothing else") << QByteArray(5000, '\0') << QString()
                                  << "The index does not look like an object file";
}

// NUL bytes are bytes like others: the code around them is skipped, a
// field holding one is refused with its line, and a file beginning with
// one is no text export.
void TestTextExport::nulBytes()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, key);
    QFETCH(QString, message);
    TModelFixture fixture(DottedSettings());
    try {
        fixture.Load(text);
        QVERIFY2(message.isEmpty(), "no error");
        QCOMPARE(fixture.VisibleKeys(), QStringList{key});
        QCOMPARE(IsoText(fixture.Model.GetObject(0)), "2017-05-23T00:00:00");
    } catch (const TError &error) {
        QVERIFY2(!message.isEmpty() && MessageForDisplay(error.message()).startsWith(message),
                 qPrintable(error.message()));
    }
}

void TestTextExport::folderOfManyEmptyFiles()
{
    // 20,000 rather than 100,000: making the files alone takes longer than
    // reading them. Files without objects hold nothing to list.
    constexpr int Count = 20000;
    QTemporaryDir dir;
    for (int i = 0; i < Count; ++i) {
        const QByteArray path = QFile::encodeName(dir.filePath(QString::asprintf("O%05d.TXT", i)));
        const int fd = ::open(path.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        QVERIFY(fd >= 0);
        ::close(fd);
    }
    WriteFile(dir.filePath("O99999.TXT"), LayOutObjectText("OBJECT Table 1 A", {"Date=02.01.17;"}));
    TModelFixture fixture(DottedSettings());
    fixture.Model.LoadFromFile(dir.path());
    QCOMPARE(fixture.VisibleKeys(), QStringList{"Table 1 A"});
    QVERIFY(fixture.Model.FileProblems().empty());
    QCOMPARE(fixture.Model.TextFiles().size(), size_t(Count + 1));
}

QTEST_GUILESS_MAIN(TestTextExport)
#include "tst_textexport.moc"
