// quintarel-cli end to end on the demo samples.
#include "core/reading/codepage.h"
#include "plainorder.h"
#include "programrun.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Lister = QStringLiteral(QUINTAREL_CLI);
const QString Samples = QStringLiteral(QUINTAREL_SAMPLES);

QByteArray Column(const QByteArray &line, int column)
{
    return line.split('\t').value(column);
}

// Listed texts (UTF-8) compared as the model compares them, in code page 850.
int PlainListedTexts(const QByteArray &listedA, const QByteArray &listedB)
{
    return PlainTexts(EncodeText(QString::fromUtf8(listedA)),
                      EncodeText(QString::fromUtf8(listedB)));
}

// The number of the listed type name: types the ERP reader doesn't know
// ("Page", "Query") are 0 and come first.
int TypeNumber(const QByteArray &name)
{
    const QList<QByteArray> types{"Table",    "Form",    "Report",   "Dataport",
                                  "Codeunit", "XMLport", "MenuSuite"};
    return int(types.indexOf(name)) + 1;
}

// Seconds since 1 January 2000 of a listed date-time, "M/d/yy h:mm:ss AP" or
// "M/d/yy" at midnight; -1 for none, which is the earliest. The demo file's
// years lie from 2000 on.
qint64 ListedSeconds(const QByteArray &text)
{
    if (text.isEmpty())
        return -1;
    const QList<QByteArray> parts = text.split(' ');
    const QList<QByteArray> date = parts[0].split('/');
    const QDate day(2000 + date.value(2).toInt(), date.value(0).toInt(), date.value(1).toInt());
    qint64 seconds = QDate(2000, 1, 1).daysTo(day) * 86400;
    if (parts.size() == 3) {
        const QList<QByteArray> time = parts[1].split(':');
        const int hour = time.value(0).toInt() % 12 + (parts[2] == "PM" ? 12 : 0);
        seconds += hour * 3600 + time.value(1).toInt() * 60 + time.value(2).toInt();
    }
    return seconds;
}

// Negative when the listed line a belongs before b under the key: its column,
// then Type then ID for Type, ID then Type for ID, Type alone for Name, Type
// then ID for the others; direction 1 reverses it all.
int PlainOrder(const QByteArray &a, const QByteArray &b, int key, bool descending)
{
    const int type = PlainIntegers(TypeNumber(Column(a, 0)), TypeNumber(Column(b, 0)));
    const int id = PlainIntegers(Column(a, 1).toInt(), Column(b, 1).toInt());
    int order = 0;
    switch (key) {
    case 0:
        order = type ? type : id;
        break;
    case 1:
        order = id ? id : type;
        break;
    case 2:
        order = PlainListedTexts(Column(a, 2), Column(b, 2));
        order = order ? order : type;
        break;
    default:
        if (key == 3)
            order = PlainIntegers(ListedSeconds(Column(a, 3)), ListedSeconds(Column(b, 3)));
        else if (key == 4)
            order = PlainIntegers(Column(a, 4).toInt(), Column(b, 4).toInt());
        else
            order = PlainListedTexts(Column(a, key), Column(b, key));
        order = order ? order : (type ? type : id);
        break;
    }
    return descending ? -order : order;
}

} // namespace

class TestLister : public QObject {
    Q_OBJECT

private slots:
    void listsTheDemoFile();
    void sortsByEveryKey_data();
    void sortsByEveryKey();
    void hidesSystemObjects();
    void looksUpAnotherLicence();
    void exports();
    void failures_data();
    void failures();
    void withoutTheLibrary();
    void licenceLoads_data();
    void licenceLoads();
    void startLicence_data();
    void startLicence();
};

void TestLister::listsTheDemoFile()
{
    // No licence is active by default: the rights come from the demo licence.
    const TRun run = RunLister({"--license", Samples + "/demo.flf", Samples + "/demo.fob"});
    QCOMPARE(run.ExitCode, 0);
    QCOMPARE(run.Err, QByteArray());
    const QList<QByteArray> lines = run.Lines();
    QVERIFY(lines.size() > 50);
    for (const QByteArray &line : lines)
        QCOMPARE(line.count('\t'), 6);

    QVERIFY(lines.contains(
        "Table\t18\tCustomer\t7/10/10 12:00:00 PM\t45710\tNAVW16.00.01,NAVNO6.00.01\tRIMD"));
    QVERIFY(lines.contains("Page\t21\tCustomer Card\t2/1/12 8:45:10 AM\t73560\tNAVW17.00\tRX"));
    QVERIFY(lines.contains("Query\t21\tCustomer Card\t2/1/12 8:45:10 AM\t4096\tNAVW17.00\tRX"));
    QVERIFY(lines.contains(
        QStringLiteral("Table\t50001\tBudsjettoppfølging\t5/3/11 2:22:31 PM\t7166\tDEMO1.00\tRIMDX")
            .toUtf8()));
    // An entry with blank date and time, and one with a blank time.
    QVERIFY(lines.contains(
        QStringLiteral("Form\t50001\tKundeoversikt Ålesund\t\t11873\tDEMO1.01\tRIMDX").toUtf8()));
    QVERIFY(
        lines.contains("Report\t50000\tDemo Customer Statement\t9/12/10\t35512\tDEMO1.00\tRIMDX"));
    // Duplicates are listed once: the first read wins.
    QCOMPARE(std::count_if(lines.begin(), lines.end(),
                           [](const QByteArray &l) { return l.startsWith("Table\t18\t"); }),
             1);
    QCOMPARE(std::count_if(lines.begin(), lines.end(),
                           [](const QByteArray &l) { return l.startsWith("Codeunit\t80\t"); }),
             1);
    QVERIFY(lines.contains("Codeunit\t-1\tNegative ID test\t9/12/10 11:59:59 AM\t1024\t\t"));
}

void TestLister::sortsByEveryKey_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("column");
    const char *names[] = {"type", "id", "name", "datetime", "size", "version", "permissions"};
    for (int key = 0; key < 7; ++key) {
        QTest::addRow("%s", names[key]) << QString(names[key]) << key;
        QTest::addRow("%d", key) << QString::number(key) << key;
    }
}

// Each listed line stands in order against the next by the plain rules, tie-breaks
// included, with the key given by name and by number, in both directions.
void TestLister::sortsByEveryKey()
{
    QFETCH(QString, key);
    QFETCH(int, column);
    for (const bool descending : {false, true}) {
        // With the demo licence, so that the permission letters differ.
        QStringList arguments{"--license", Samples + "/demo.flf", "--sort", key,
                              Samples + "/demo.fob"};
        if (descending)
            arguments.prepend("--descending");
        const TRun run = RunLister(arguments);
        QCOMPARE(run.ExitCode, 0);
        const QList<QByteArray> lines = run.Lines();
        QVERIFY(lines.size() > 50);
        int ordered = 0; // pairs that the key's own column sets apart
        for (int i = 0; i + 1 < lines.size(); ++i) {
            QVERIFY2(PlainOrder(lines[i], lines[i + 1], column, descending) <= 0,
                     (lines[i] + " before " + lines[i + 1]).constData());
            if (Column(lines[i], column) != Column(lines[i + 1], column))
                ++ordered;
        }
        QVERIFY2(ordered > 2, "the key's column hardly differs in the demo file");
        if (column == 0) {
            QVERIFY(lines.first().startsWith(descending ? "MenuSuite\t" : "Page\t"));
            QVERIFY(lines.last().startsWith(descending ? "Query\t" : "MenuSuite\t"));
        }
    }
}

void TestLister::hidesSystemObjects()
{
    const QList<QByteArray> all = RunLister({Samples + "/demo.fob"}).Lines();
    const QList<QByteArray> shown = RunLister({"--hide-system", Samples + "/demo.fob"}).Lines();
    QList<QByteArray> expected;
    for (const QByteArray &line : all) {
        if (quint32(Column(line, 1).toInt()) < 2000000000u)
            expected << line;
    }
    QVERIFY(expected.size() < all.size());
    // Page 21 and Query 21 are equal under the type key: their order is open.
    std::sort(expected.begin(), expected.end());
    QList<QByteArray> sortedShown = shown;
    std::sort(sortedShown.begin(), sortedShown.end());
    QCOMPARE(sortedShown, expected);
}

void TestLister::looksUpAnotherLicence()
{
    QTemporaryDir dir;
    QFile licence(dir.filePath("only-tables.flf"));
    QVERIFY(licence.open(QIODevice::WriteOnly));
    licence.write("[Information]\nTables only\n[Permissions]\nTable 1..99 RIMDX\nForm 21 -\n");
    licence.close();
    const QList<QByteArray> lines =
        RunLister({"--license", licence.fileName(), Samples + "/demo.fob"}).Lines();
    QVERIFY(lines.size() > 50);
    for (const QByteArray &line : lines) {
        const int id = Column(line, 1).toInt();
        const QByteArray expected =
            line.startsWith("Table\t") && id >= 1 && id <= 99 ? "RIMDX" : "";
        QCOMPARE(Column(line, 6), expected);
    }
}

void TestLister::exports()
{
    QTemporaryDir dir;
    const QString out = dir.filePath("list.txt");
    const TRun run = RunLister({"--export", out, "--sort", "id", Samples + "/demo.fob"});
    QCOMPARE(run.ExitCode, 0);
    QCOMPARE(run.Out, QByteArray());
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.endsWith("\r\n"));
    QVERIFY(bytes.contains(
        "Table\t50001\tBudsjettoppf\x9blging\t5/3/11 2:22:31 PM\t7166\tDEMO1.00\r\n"));
    const QList<QByteArray> listed = RunLister({"--sort", "id", Samples + "/demo.fob"}).Lines();
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast(); // after the last CR LF
    QCOMPARE(lines.size(), listed.size());
    for (int i = 0; i < lines.size(); ++i) {
        QCOMPARE(lines[i].count('\t'), 5);
        // The export line is the listed line without the permissions, in code page 850.
        const QByteArray withoutPermissions = listed[i].left(listed[i].lastIndexOf('\t'));
        QCOMPARE(lines[i], EncodeText(QString::fromUtf8(withoutPermissions)) + '\r');
    }
}

void TestLister::failures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error");

    QTest::newRow("missing file")
        << QStringList{"no-such.fob"} << 1
        << QString("quintarel-cli: no-such.fob: Cannot open file \"%1/no-such.fob\". No such file "
                   "or directory.\n")
               .arg(QDir::currentPath());
    QTest::newRow("disk full") << QStringList{"--export", "/dev/full", Samples + "/demo.fob"} << 1
                               << "quintarel-cli: /dev/full: Cannot write file \"/dev/full\". No "
                                  "space left on device.\n";
}

void TestLister::failures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, error);
    // With a licence, so that no note on its absence comes first.
    const TRun run = RunLister(QStringList{"--license", Samples + "/demo.flf"} + arguments);
    QCOMPARE(run.ExitCode, exitCode);
    QCOMPARE(run.Out, QByteArray());
    QVERIFY2(QString::fromUtf8(run.Err).startsWith(error), run.Err.constData());
}

void TestLister::withoutTheLibrary()
{
    QTemporaryDir dir;
    const QString copy = dir.filePath("quintarel-cli");
    QVERIFY(QFile::copy(Lister, copy));
    const TRun run = RunProgram(copy, {Samples + "/demo.fob"});
    QCOMPARE(run.ExitCode, 1);
    QVERIFY2(run.Err.startsWith("quintarel-cli: libcfront.so: Cannot find the database access "
                                "library \"libcfront.so\" in " +
                                dir.path().toUtf8()),
             run.Err.constData());
}

// The permission column of Table 18 Customer, the first row of its kind.
QByteArray CustomerRights(const TRun &run)
{
    for (const QByteArray &line : run.Lines()) {
        if (line.startsWith("Table\t18\t"))
            return Column(line, 6);
    }
    return "(not listed)";
}

// --license FILE: a licence that can't be loaded ends the run with its cause
// and status 1, listing nothing; one that loads gives the rights, silently,
// and one written by the ERP is noted, as it grants nothing.
void TestLister::licenceLoads_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("licence");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("error"); // "%1" stands for the path
    QTest::addColumn<QByteArray>("rights");

    QTest::newRow("good") << "file" << QByteArray("[Permissions]\nTable 1..99 RIMDX\n") << 0
                          << QString() << QByteArray("RIMDX");
    QTest::newRow("indirect letters") << "file" << QByteArray("[Permissions]\nTable 1..99 ri\n")
                                      << 0 << QString() << QByteArray("RI");
    QTest::newRow("written by the ERP")
        << "file" << QByteArray("Licensed to: ERP Customer\r\n\x1a\x01\x02") << 0
        << "quintarel-cli: note: the licence \"%1\" was written by the ERP: its permissions "
           "can't be read here, so no object has any.\n"
        << QByteArray();
    QTest::newRow("missing") << "missing" << QByteArray() << 1
                             << "quintarel-cli: %1: Cannot load licence file \"%1\". No such "
                                "file or directory.\n"
                             << QByteArray();
    QTest::newRow("unreadable: a folder")
        << "folder" << QByteArray() << 1
        << "quintarel-cli: %1: Cannot load licence file \"%1\". Is a directory.\n"
        << QByteArray();
    QTest::newRow("syntax error") << "file" << QByteArray("[Permissions]\nTable 1 RQ\n") << 1
                                  << "quintarel-cli: %1: Cannot load licence file \"%1\". Line 2: "
                                     "expected RIGHTS as letters of R, I, M, D, X "
                                     "(lower case: indirect) or \"-\", found \"RQ\"\n"
                                  << QByteArray();
}

void TestLister::licenceLoads()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, licence);
    QFETCH(int, exitCode);
    QFETCH(QString, error);
    QFETCH(QByteArray, rights);
    QTemporaryDir dir;
    QString path = dir.filePath("licence.flf");
    if (kind == "file") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(licence);
    } else if (kind == "folder") {
        path = dir.path();
    }
    const TRun run = RunLister({"--license", path, Samples + "/demo.fob"});
    QCOMPARE(run.ExitCode, exitCode);
    QCOMPARE(QString::fromUtf8(run.Err), error.contains("%1") ? error.arg(path) : error);
    if (exitCode == 0)
        QCOMPARE(CustomerRights(run), rights);
    else
        QCOMPARE(run.Out, QByteArray());
}

// Without --license: the licence the library starts with. One that grants
// nothing because there is none or it can't be used is noted in one line on
// standard error; the listing goes on.
void TestLister::startLicence_data()
{
    QTest::addColumn<bool>("beside");
    QTest::addColumn<QByteArray>("licence");
    QTest::addColumn<QString>("note"); // "%1" stands for cfront.flf's path
    QTest::addColumn<QByteArray>("rights");

    QTest::newRow("no cfront.flf")
        << false << QByteArray()
        << "quintarel-cli: note: no licence is active, so no object has permissions; name one "
           "with --license FILE.\n"
        << QByteArray();
    QTest::newRow("broken cfront.flf")
        << true << QByteArray("[Permissions]\nTable 1 RQ\n")
        << "quintarel-cli: note: the licence read at start can't be used, so no object has "
           "permissions: Cannot load licence file \"%1\". Line 2: expected RIGHTS as letters of "
           "R, I, M, D, X (lower case: indirect) or \"-\", found \"RQ\"\n"
        << QByteArray();
    QTest::newRow("good cfront.flf")
        << true << QByteArray("[Permissions]\nTable 18 RX\n") << QString() << QByteArray("RX");
}

void TestLister::startLicence()
{
    QFETCH(bool, beside);
    QFETCH(QByteArray, licence);
    QFETCH(QString, note);
    QFETCH(QByteArray, rights);
    // The program and the library in a folder of their own.
    QTemporaryDir dir;
    const QString copy = dir.filePath("quintarel-cli");
    QVERIFY(QFile::copy(Lister, copy));
    QVERIFY(QFile::copy(QFileInfo(Lister).dir().filePath("libcfront.so"),
                        dir.filePath("libcfront.so")));
    if (beside) {
        QFile file(dir.filePath("cfront.flf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(licence);
    }
    const TRun run = RunProgram(copy, {Samples + "/demo.fob"});
    QCOMPARE(run.ExitCode, 0);
    QCOMPARE(QString::fromUtf8(run.Err),
             note.contains("%1") ? note.arg(dir.filePath("cfront.flf")) : note);
    QVERIFY(run.Lines().size() > 50);
    QCOMPARE(CustomerRights(run), rights);
}

QTEST_GUILESS_MAIN(TestLister)
#include "tst_lister.moc"
