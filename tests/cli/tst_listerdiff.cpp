// quintarel-cli --compare OLD NEW --diff: the unified differences of the
// objects' texts, applied with patch to a copy of the old file.
#include "programrun.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// An object as the ERP exports it: properties, then the lines of its code.
QByteArray ObjectText(const QByteArray &objectLine, const QByteArray &date,
                      const QByteArrayList &code, const QByteArray &eol = "\n")
{
    QByteArray text = objectLine + eol + "{" + eol + "  OBJECT-PROPERTIES" + eol + "  {" + eol +
                      "    Date=" + date + ";" + eol + "    Time=12:00:00;" + eol + "  }" + eol +
                      "  CODE" + eol + "  {" + eol;
    for (const QByteArray &line : code)
        text += "    " + line + eol;
    return text + "  }" + eol + "}" + eol + eol;
}

const QByteArrayList Code{"a;", "b;", "c;", "d;", "e;", "f;", "g;", "h;"};

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestListerDiff : public QObject {
    Q_OBJECT

private slots:
    void patchesTheOldFile_data();
    void patchesTheOldFile();
    void binarySideWritesTheFields();
    void goesOnlyWithCompare();
};

void TestListerDiff::patchesTheOldFile_data()
{
    QTest::addColumn<QByteArray>("oldText");
    QTest::addColumn<QByteArray>("newText");
    QTest::addColumn<QByteArray>("diff"); // the hunks, after the headers
    QTest::addColumn<QByteArray>("patched");

    const QByteArray table = ObjectText("OBJECT Table 27 Item", "23.05.17", Code);
    const QByteArray report = ObjectText("OBJECT Report 6 R", "23.05.17", Code);
    QByteArrayList changed = Code;
    changed[4] = "E;";
    QTest::newRow("code changed")
        << table << ObjectText("OBJECT Table 27 Item", "23.05.17", changed)
        << QByteArray("@@ -11,7 +11,7 @@\n     b;\n     c;\n     d;\n-    e;\n+    E;\n     f;\n"
                      "     g;\n     h;\n")
        << QByteArray();
    QTest::newRow("only saved again: no difference")
        << table << ObjectText("OBJECT Table 27 Item", "24.05.17", Code) << QByteArray()
        << QByteArray();
    QTest::newRow("a line added at the start of the code")
        << table << ObjectText("OBJECT Table 27 Item", "23.05.17", QByteArrayList{"z;"} + Code)
        << QByteArray("@@ -7,6 +7,7 @@\n   }\n   CODE\n   {\n+    z;\n     a;\n     b;\n     c;\n")
        << QByteArray();
    QTest::newRow("a line added at the end of the second object")
        << table + report
        << table + ObjectText("OBJECT Report 6 R", "23.05.17", Code + QByteArrayList{"i;"})
        << QByteArray("@@ -35,6 +35,7 @@\n     f;\n     g;\n     h;\n+    i;\n   }\n }\n \n")
        << QByteArray();
    QTest::newRow("CR LF files")
        << ObjectText("OBJECT Table 27 Item", "23.05.17", Code, "\r\n")
        << ObjectText("OBJECT Table 27 Item", "24.05.17", changed, "\r\n")
        << QByteArray("@@ -2,7 +2,7 @@\n {\r\n   OBJECT-PROPERTIES\r\n   {\r\n"
                      "-    Date=23.05.17;\r\n+    Date=24.05.17;\r\n     Time=12:00:00;\r\n"
                      "   }\r\n   CODE\r\n@@ -11,7 +11,7 @@\n     b;\r\n     c;\r\n     d;\r\n"
                      "-    e;\r\n+    E;\r\n     f;\r\n     g;\r\n     h;\r\n")
        << QByteArray();
    QTest::newRow("an object added")
        << table << table + report
        << "@@ -0,0 +21,20 @@\n" + QByteArray("+" + report).replace("\n", "\n+").chopped(1)
        // An added object goes before the old file's first line.
        << report + table;
}

void TestListerDiff::patchesTheOldFile()
{
    QFETCH(QByteArray, oldText);
    QFETCH(QByteArray, newText);
    QFETCH(QByteArray, diff);
    QFETCH(QByteArray, patched);
    const QString patch = QStandardPaths::findExecutable(QStringLiteral("patch"));
    if (patch.isEmpty())
        QSKIP("patch is not installed");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    WriteFile(dir.filePath("old.txt"), oldText);
    WriteFile(dir.filePath("new.txt"), newText);
    const TRun run = RunLister({"--date-order", "dmy", "--compare", "--diff",
                                dir.filePath("old.txt"), dir.filePath("new.txt")});
    QCOMPARE(run.Err, QByteArray());
    QCOMPARE(run.ExitCode, oldText == newText ? 0 : 3);
    if (diff.isEmpty()) {
        QCOMPARE(run.Out, QByteArray());
        return;
    }
    const qsizetype hunks = run.Out.indexOf("@@");
    QVERIFY(hunks > 0);
    QCOMPARE(run.Out.sliced(hunks), diff);
    QVERIFY(run.Out.startsWith("--- " + QFile::encodeName(dir.filePath("old.txt")) + "\t("));
    // patch turns the old file into the new one.
    WriteFile(dir.filePath("patched.txt"), oldText);
    WriteFile(dir.filePath("d.patch"), run.Out);
    const TRun patching = RunProgram(
        patch, {"--batch", "--silent", "-i", dir.filePath("d.patch"), dir.filePath("patched.txt")});
    QCOMPARE(patching.ExitCode, 0);
    QCOMPARE(ReadFile(dir.filePath("patched.txt")), patched.isEmpty() ? newText : patched);
}

void TestListerDiff::binarySideWritesTheFields()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    WriteFile(dir.filePath("new.txt"), ObjectText("OBJECT Table 27 Item", "23.05.17", Code));
    const TRun run =
        RunLister({"--date-order", "dmy", "--compare", "--diff",
                   QStringLiteral(QUINTAREL_SAMPLES "/demo.fob"), dir.filePath("new.txt")});
    QCOMPARE(run.ExitCode, 3);
    QCOMPARE(run.Err.count("is a binary object file"), 1);
    QVERIFY(run.Out.contains("\tTable\t27\tItem\t"));
    QVERIFY(!run.Out.contains("@@"));
}

void TestListerDiff::goesOnlyWithCompare()
{
    for (const QStringList &arguments :
         {QStringList{"--diff", "a.txt"},
          QStringList{"--date-order", "dmy", "--compare", "--diff", "--all", "a", "b"}}) {
        const TRun run = RunLister(arguments);
        QCOMPARE(run.ExitCode, 2);
        QVERIFY(run.Err.contains("--diff") || run.Err.contains("--all"));
    }
}

QTEST_GUILESS_MAIN(TestListerDiff)
#include "tst_listerdiff.moc"
