// quintarel-cli --compare OLD NEW: the lines of the differences and the
// exit status that tells "no differences", "differences", an error and a
// wrong command line apart.
#include "programrun.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "entries.h"

namespace {

const QString Samples = QStringLiteral(QUINTAREL_SAMPLES);

QString Write(const QTemporaryDir &folder, const QString &name, const QByteArray &contents)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qFatal("Cannot write %s", qPrintable(path));
    return path;
}

QByteArray Index(const QList<QByteArray> &entries)
{
    return entries.join() + '\x1A';
}

TEntryFields Object(const QByteArray &tag, const QByteArray &id, const QByteArray &name)
{
    TEntryFields fields;
    fields.Tag = tag;
    fields.ID = id;
    fields.Name = name;
    return fields;
}

} // namespace

class TestListerCompare : public QObject {
    Q_OBJECT

private slots:
    void comparesTwoFiles_data();
    void comparesTwoFiles();
    void comparesTheDemoFileWithItsUpdate();
    void failures_data();
    void failures();
};

void TestListerCompare::comparesTwoFiles_data()
{
    QTest::addColumn<QByteArray>("oldIndex");
    QTest::addColumn<QByteArray>("newIndex");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("status");
    QTest::addColumn<QList<QByteArray>>("lines");

    const TEntryFields customer = Object("Table", "18", "Customer");
    TEntryFields bigger = customer;
    bigger.Size = "2000";
    const QByteArray demo = Entry(Object("Table", "3", "Demo"));
    const QByteArray system = Entry(Object("Table", "2000000001", "Object"));

    QTest::addRow("identical: nothing printed, status 0")
        << Index({demo, Entry(customer)}) << Index({Entry(customer), demo}) << QStringList{} << 0
        << QList<QByteArray>{};
    QTest::addRow("identical, --all: every object")
        << Index({demo, Entry(customer)}) << Index({Entry(customer), demo}) << QStringList{"--all"}
        << 0
        << QList<QByteArray>{
               "unchanged\t\tTable\t3\tDemo\tDemo\t1/2/03 10:15:30 AM\t1/2/03 10:15:30 AM\t1234\t"
               "1234\t\t\tR",
               "unchanged\t\tTable\t18\tCustomer\tCustomer\t1/2/03 10:15:30 AM\t1/2/03 10:15:30 "
               "AM\t1234\t1234\t\t\tRIMD"};
    QTest::addRow("changed, added, removed: status 3, ordered by type and ID")
        << Index({Entry(customer), Entry(Object("Codeunit", "80", "Post"))})
        << Index({Entry(Object("Page", "21", "Card")), Entry(bigger)}) << QStringList{} << 3
        << QList<QByteArray>{
               "added\t\tPage\t21\t\tCard\t\t1/2/03 10:15:30 AM\t\t1234\t\t\tRX",
               "changed\tsize\tTable\t18\tCustomer\tCustomer\t1/2/03 10:15:30 AM\t1/2/03 "
               "10:15:30 AM\t1234\t2000\t\t\tRIMD",
               "removed\t\tCodeunit\t80\tPost\t\t1/2/03 10:15:30 AM\t\t1234\t\t\t\t"};
    QTest::addRow("--hide-system leaves system objects out of both")
        << Index({demo, system}) << Index({demo}) << QStringList{"--hide-system"} << 0
        << QList<QByteArray>{};
    QTest::addRow("without --hide-system a removed system object counts")
        << Index({demo, system}) << Index({demo}) << QStringList{} << 3
        << QList<QByteArray>{"removed\t\tTable\t2000000001\tObject\t\t1/2/03 10:15:30 AM\t\t1234\t"
                             "\t\t\t"};
    QTest::addRow("both empty") << Index({}) << QByteArray() << QStringList{"--all"} << 0
                                << QList<QByteArray>{};
}

void TestListerCompare::comparesTwoFiles()
{
    QFETCH(QByteArray, oldIndex);
    QFETCH(QByteArray, newIndex);
    QFETCH(QStringList, options);
    QFETCH(int, status);
    QFETCH(QList<QByteArray>, lines);
    QTemporaryDir folder;
    const QString oldFile = Write(folder, "old.fob", oldIndex);
    const QString newFile = Write(folder, "new.fob", newIndex);
    const TRun run = RunLister(options + QStringList{"--compare", oldFile, newFile});
    // Only an empty file is noted.
    QByteArray notes;
    for (const auto &[file, index, side] :
         {std::tuple{oldFile, oldIndex, "old"}, std::tuple{newFile, newIndex, "new"}}) {
        if (index.startsWith('\x1a') || index.isEmpty())
            notes += QStringLiteral("quintarel-cli: %1 (%2): note: no objects.\n")
                         .arg(file, side)
                         .toUtf8();
    }
    QCOMPARE(run.Err, notes);
    QCOMPARE(run.ExitCode, status);
    QCOMPARE(run.Lines(), lines);
}

// The lister with a licence of its own: the new file's permissions.
void TestListerCompare::comparesTheDemoFileWithItsUpdate()
{
    const TRun run = RunLister({"--compare", Samples + "/demo.fob", Samples + "/demo-update.fob"});
    QCOMPARE(run.ExitCode, 3);
    QStringList kinds;
    for (const QByteArray &line : run.Lines())
        kinds << QString::fromUtf8(line.split('\t').value(0));
    QCOMPARE(kinds.count("added"), 3);
    QCOMPARE(kinds.count("removed"), 2);
    QCOMPARE(kinds.count("changed"), 4);
    QCOMPARE(kinds.size(), 9);
    QVERIFY(run.Lines().contains(
        QStringLiteral("changed\tname,datetime,size,version\tForm\t50001\tKundeoversikt "
                       "Ålesund\tKundeoversikt Ålesund/Molde\t\t2/1/12 10:12:44 AM\t11873\t"
                       "12406\tDEMO1.01\tDEMO1.10\tRIMDX")
            .toUtf8()));

    QTemporaryDir folder;
    const QString licence = Write(folder, "x.flf", "[Permissions]\n0 1..99999 X\n");
    const TRun licensed = RunLister(
        {"--license", licence, "--compare", Samples + "/demo.fob", Samples + "/demo-update.fob"});
    QCOMPARE(licensed.ExitCode, 3);
    QVERIFY(licensed.Lines().front().startsWith("added\t\tPage\t50000\t"));
    QVERIFY(licensed.Lines().front().endsWith("\tX"));
    const TRun all =
        RunLister({"--all", "--compare", Samples + "/demo.fob", Samples + "/demo-update.fob"});
    QCOMPARE(all.ExitCode, 3);
    QCOMPARE(all.Lines().size(), 9 + 54);
}

void TestListerCompare::failures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("error");
    const QString demo = Samples + "/demo.fob";
    QTest::addRow("new file missing") << QStringList{"--compare", demo, "/nonexistent/new.fob"} << 1
                                      << QByteArray("quintarel-cli: /nonexistent/new.fob (new): "
                                                    "Cannot open file \"/nonexistent/new.fob\"");
    QTest::addRow("old file missing") << QStringList{"--compare", "/nonexistent/old.fob", demo} << 1
                                      << QByteArray("quintarel-cli: /nonexistent/old.fob (old): "
                                                    "Cannot open file \"/nonexistent/old.fob\"");
    QTest::addRow("one file") << QStringList{"--compare", demo} << 2 << QByteArray("--compare");
    QTest::addRow("three files") << QStringList{"--compare", demo, demo, demo} << 2
                                 << QByteArray("--compare");
    QTest::addRow("--all without --compare")
        << QStringList{"--all", demo} << 2 << QByteArray("--all");
    QTest::addRow("--sort with --compare")
        << QStringList{"--sort", "name", "--compare", demo, demo} << 2 << QByteArray("--sort");
    QTest::addRow("--export with --compare")
        << QStringList{"--export", "/nonexistent/x.txt", "--compare", demo, demo} << 2
        << QByteArray("--export");
}

void TestListerCompare::failures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QByteArray, error);
    const TRun run = RunLister(arguments);
    QCOMPARE(run.ExitCode, status);
    QCOMPARE(run.Out, QByteArray());
    QVERIFY2(run.Err.contains(error), run.Err.constData());
}

QTEST_GUILESS_MAIN(TestListerCompare)
#include "tst_listercompare.moc"
