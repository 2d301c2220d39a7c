// quintarel-cli on text exports and folders of them: the origin fields of
// JSON and CSV, and comparisons between binary files, text files and
// folders with their exit statuses. Fixtures are written per test.
#include "fobentry.h"
#include "programrun.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The two objects every comparison starts from, as text and as index entries.
const QByteArray Customer = LayOutObjectText(
    "OBJECT Table 18 Customer", {"Date=23.05.17;", "Time=15:18:31;", "Version List=NAVW17.00;"});
const QByteArray Posting = LayOutObjectText(
    "OBJECT Codeunit 80 Sales-Post",
    {"Date=02.01.17;", "Time=[ 9:43:12 PM];", "Modified=Yes;", "Version List=NAVW17.00,X1;"},
    "\r\n");

QByteArray BinaryFile(int customerSize = 4000)
{
    return LayOutObjectEntry(
               {"Table", 18, "Customer", "23.05.17", "15:18:31", customerSize, "NAVW17.00"}) +
           LayOutObjectEntry(
               {"Codeunit", 80, "Sales-Post", "02.01.17", "9:43:12 PM", 700, "NAVW17.00,X1"}) +
           IndexEndByte;
}

// Writes the files (path relative to the folder => contents), subfolders made.
QString WriteFiles(const QTemporaryDir &dir, const QMap<QString, QByteArray> &files)
{
    for (auto it = files.cbegin(); it != files.cend(); ++it) {
        const QString path = dir.filePath(it.key());
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size())
            qFatal("Cannot write %s", qPrintable(path));
    }
    return dir.path();
}

using TFiles = QMap<QString, QByteArray>;

} // namespace

class TestListerText : public QObject {
    Q_OBJECT

private slots:
    void originFields_data();
    void originFields();
    void compares_data();
    void compares();
    void folderWithABadFile();
    void comparedSizesOfText_data();
    void comparedSizesOfText();
    void folderDateOrders_data();
    void folderDateOrders();
};

void TestListerText::originFields_data()
{
    QTest::addColumn<TFiles>("files");
    QTest::addColumn<QString>("argument");
    // Per object in the order of IDs: file (relative to the folder), line, modified.
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("one file of two objects") << TFiles{{"COD.TXT", Customer + Posting}} << "COD.TXT"
                                             << QStringList{"COD.TXT|1|false", "COD.TXT|17|true"};
    QTest::newRow("a folder, one object per file")
        << TFiles{{"src/TAB18.TXT", Customer}, {"src/cu/COD80.txt", "\n\n" + Posting}} << "src"
        << QStringList{"src/TAB18.TXT|1|false", "src/cu/COD80.txt|3|true"};
    QTest::newRow("a binary file: no line, no mark")
        << TFiles{{"objects.fob", BinaryFile()}} << "objects.fob"
        << QStringList{"objects.fob||", "objects.fob||"};
}

// JSON and CSV name each object's own file (the path as given, joined with
// its path inside a folder), its OBJECT line and its mark; no size for text.
void TestListerText::originFields()
{
    QFETCH(TFiles, files);
    QFETCH(QString, argument);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    WriteFiles(dir, files);
    const QString given = dir.filePath(argument);
    const bool text = !argument.endsWith(".fob");

    const TRun json = RunLister({"--format", "json", "--sort", "id", given});
    QCOMPARE(json.ExitCode, 0);
    // Dotted dates under US settings: read day first, and said so.
    QVERIFY2(json.Err.startsWith("quintarel-cli: note: dates in") && json.Err.count('\n') == 1,
             json.Err.constData());
    const QJsonArray objects = QJsonDocument::fromJson(json.Out).array();
    QStringList jsonRows;
    for (const QJsonValue &value : objects) {
        const QJsonObject object = value.toObject();
        QCOMPARE(object["size"].isNull(), text);
        QCOMPARE(object["modified"].isNull(), !text);
        QCOMPARE(object["line"].isNull(), !text);
        jsonRows << QDir(dir.path()).relativeFilePath(object["file"].toString()) + u'|' +
                        (object["line"].isNull() ? QString()
                                                 : QString::number(object["line"].toInteger())) +
                        u'|' +
                        (object["modified"].isNull()
                             ? QString()
                             : QString(object["modified"].toBool() ? "true" : "false"));
    }
    QCOMPARE(jsonRows, expected);
    QCOMPARE(objects[1].toObject()["dateTime"].toString(), "2017-01-02T21:43:12");
    QCOMPARE(objects[1].toObject()["versionList"].toString(), "NAVW17.00,X1");

    // CSV: the same three fields at the end of each record, after the header's names.
    const TRun csv = RunLister({"--format", "csv", "--sort", "id", given});
    QCOMPARE(csv.ExitCode, 0);
    const QList<QByteArray> records = csv.Out.split('\n');
    QVERIFY(records.first().endsWith(",permissions,modified,file,line\r"));
    QStringList csvRows;
    for (const QByteArray &record : records.mid(1, records.size() - 2)) {
        // Only the quoted version list holds a comma: the size is the fifth
        // field, and the last three are mark, file and line.
        const QStringList fields = QString::fromUtf8(record.chopped(1)).split(u',');
        QVERIFY(fields.size() >= 10);
        QCOMPARE(fields[4].isEmpty(), text);
        const QStringList origin = fields.mid(fields.size() - 3);
        csvRows << QDir(dir.path()).relativeFilePath(origin[1]) + u'|' + origin[2] + u'|' +
                       origin[0];
    }
    QCOMPARE(csvRows, expected);
}

void TestListerText::compares_data()
{
    QTest::addColumn<TFiles>("files");
    QTest::addColumn<QString>("oldSide");
    QTest::addColumn<QString>("newSide");
    QTest::addColumn<int>("status");
    // The first fields of each line written: what, the changed fields, type, ID.
    QTest::addColumn<QStringList>("lines");

    const QByteArray renamed =
        LayOutObjectText("OBJECT Table 18 Customers",
                         {"Date=23.05.17;", "Time=15:18:31;", "Version List=NAVW17.00;"});
    const QByteArray unmarked = QByteArray(Posting).replace("    Modified=Yes;\r\n", "");
    const QByteArray added = LayOutObjectText("OBJECT Page 21 Customer Card", {});

    QTest::newRow("binary and its text export: the same")
        << TFiles{{"a.fob", BinaryFile()}, {"ALL.TXT", Customer + Posting}} << "a.fob"
        << "ALL.TXT" << 0 << QStringList{};
    QTest::newRow("text export and binary: the same")
        << TFiles{{"a.fob", BinaryFile()}, {"ALL.TXT", Posting + Customer}} << "ALL.TXT"
        << "a.fob" << 0 << QStringList{};
    QTest::newRow("binary and a folder: the same") << TFiles{{"a.fob", BinaryFile()},
                                                             {"repo/TAB18.TXT", Customer},
                                                             {"repo/COD80.TXT", Posting}}
                                                   << "a.fob"
                                                   << "repo" << 0 << QStringList{};
    QTest::newRow("sizes of binary files count only between them")
        << TFiles{{"a.fob", BinaryFile(4000)}, {"b.fob", BinaryFile(5000)}} << "a.fob"
        << "b.fob" << 3 << QStringList{"changed\tsize\tTable\t18"};
    QTest::newRow("folder and folder: renamed, added, mark taken away")
        << TFiles{{"ORIGINAL/TAB18.TXT", Customer},
                  {"ORIGINAL/COD80.TXT", Posting},
                  {"MODIFIED/TAB18.TXT", renamed},
                  {"MODIFIED/COD80.TXT", unmarked},
                  {"MODIFIED/PAG21.TXT", added}}
        << "ORIGINAL"
        << "MODIFIED"
        << 3
        // Types known to the list in their order (Table before Codeunit),
        // after those it doesn't know (Page).
        << QStringList{"added\t\tPage\t21", "changed\tname\tTable\t18",
                       "changed\tmodified\tCodeunit\t80"};
    QTest::newRow("the mark counts only where both sides are text")
        << TFiles{{"a.fob", BinaryFile()}, {"ALL.TXT", Customer + unmarked}} << "a.fob"
        << "ALL.TXT" << 0 << QStringList{};
}

void TestListerText::compares()
{
    QFETCH(TFiles, files);
    QFETCH(QString, oldSide);
    QFETCH(QString, newSide);
    QFETCH(int, status);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    WriteFiles(dir, files);
    // Under US settings the dotted dates read only day first: both sides
    // as one set in that order.
    const TRun run = RunLister({"--compare", dir.filePath(oldSide), dir.filePath(newSide)});
    QCOMPARE(run.ExitCode, status);
    QStringList starts;
    for (const QByteArray &line : run.Lines())
        starts << QString::fromUtf8(line).section(u'\t', 0, 3);
    QCOMPARE(starts, lines);
    for (const QByteArray &line : run.Err.split('\n')) // notes only, no failure
        QVERIFY2(line.isEmpty() || line.startsWith("quintarel-cli: note: "), line.constData());
}

void TestListerText::comparedSizesOfText_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("sizes"); // old and new, as the format writes them
    QTest::newRow("JSON") << "json" << QByteArray("\"newSize\":4000,\"newVersionList\"");
    QTest::newRow("CSV") << "csv" << QByteArray(",,4000,");
}

// A text export's object has no size in a comparison either: JSON null
// (no member with a number), CSV an empty cell, never 0.
void TestListerText::comparedSizesOfText()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, sizes);
    QTemporaryDir dir;
    WriteFiles(dir, {{"TAB18.TXT", Customer}, {"b.fob", BinaryFile(4000)}});
    const TRun run = RunLister({"--compare", "--all", "--format", format, dir.filePath("TAB18.TXT"),
                                dir.filePath("b.fob")});
    QVERIFY2(run.Out.contains(sizes), run.Out.constData());
    QVERIFY2(!run.Out.contains("Size\":0") && !run.Out.contains(",0,"), run.Out.constData());
}

// A file of a folder that fails is named on standard error, exit 1; the
// others are still listed, and a comparison still compares them.
void TestListerText::folderWithABadFile()
{
    QTemporaryDir dir;
    WriteFiles(dir, {{"repo/TAB18.TXT", Customer},
                     {"repo/BAD.TXT", LayOutObjectText("OBJECT Table 5 Bad", {"Date=32.13.17;"})},
                     {"repo/COD80.TXT", Posting},
                     {"a.fob", BinaryFile()}});
    const QString bad = dir.filePath("repo/BAD.TXT");

    const TRun list = RunLister({"--sort", "id", dir.filePath("repo")});
    QCOMPARE(list.ExitCode, 1);
    QCOMPARE(list.Lines().size(), 2);
    QVERIFY2(list.Err.contains(bad.toUtf8() + ": ") && list.Err.contains("Line 5"),
             list.Err.constData());

    const TRun compare = RunLister({"--compare", dir.filePath("a.fob"), dir.filePath("repo")});
    QCOMPARE(compare.ExitCode, 1);
    QCOMPARE(compare.Out, QByteArray());
    QVERIFY2(compare.Err.contains(bad.toUtf8() + ": "), compare.Err.constData());
}

void TestListerText::folderDateOrders_data()
{
    QTest::addColumn<TFiles>("files");
    QTest::addColumn<QByteArray>("note"); // empty: no note of orders

    const auto dated = [](const QByteArray &line, const QByteArray &date) {
        return LayOutObjectText(line, {"Date=" + date + ";", "Time=12:00:00;"});
    };
    QTest::newRow("one order reads all: no note")
        << TFiles{{"a.txt", dated("OBJECT Table 1 A", "23.05.17")},
                  {"b.txt", dated("OBJECT Table 2 B", "24.12.16")}}
        << QByteArray();
    QTest::newRow("each file in its own order")
        << TFiles{{"a.txt", dated("OBJECT Table 1 A", "23.05.17")},
                  {"b.txt", dated("OBJECT Table 2 B", "05/23/17")},
                  {"sub/c.txt", dated("OBJECT Table 3 C", "12/24/16")},
                  {"undated.txt", LayOutObjectText("OBJECT Table 4 D", {})}}
        << QByteArray("note: dates read file by file, in no one order: day/month/year in 1 "
                      "file (a.txt), month/day/year in 2 files (b.txt).");
}

// A folder whose files read in no one order is listed, each file in its own
// order, with a note that says which; files without dates are not counted.
void TestListerText::folderDateOrders()
{
    QFETCH(TFiles, files);
    QFETCH(QByteArray, note);
    QTemporaryDir dir;
    const TRun run = RunLister({WriteFiles(dir, files)});
    QCOMPARE(run.ExitCode, 0);
    QCOMPARE(run.Lines().size(), files.size());
    if (note.isEmpty())
        QVERIFY2(!run.Err.contains("file by file"), run.Err.constData());
    else
        QVERIFY2(run.Err.contains(dir.path().toUtf8() + ": " + note), run.Err.constData());
}

QTEST_GUILESS_MAIN(TestListerText)
#include "tst_listertext.moc"
