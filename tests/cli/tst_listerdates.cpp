// quintarel-cli on files written in another region's date order, and on
// files that are no object files: --date-order, its note, and the errors.
#include "entries.h"
#include "programrun.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Table 18 on 15 September 2015, noon, and Table 27 on 3 February 2004, as
// a machine in the United States writes them.
QByteArray MonthFirstIndex()
{
    TEntryFields customer;
    customer.ID = "18";
    customer.Name = "Customer";
    customer.Date = "09/15/15";
    customer.Time = "12:00:00 PM";
    TEntryFields item = customer;
    item.ID = "27";
    item.Name = "Item";
    item.Date = "02/03/04";
    item.Time = "4:48:59 AM";
    return Entry(customer) + Entry(item) + '\x1A';
}

} // namespace

class TestListerDates : public QObject {
    Q_OBJECT

private slots:
    void readsInTheOrderFound_data();
    void readsInTheOrderFound();
    void binaryFileSaysWhatItIs();
};

void TestListerDates::readsInTheOrderFound_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("dates"); // of the lines listed
    QTest::addColumn<QString>("err");       // %1 is the file's name, %2 its full path

    const QStringList us{"9/15/15 12:00:00 PM", "2/3/04 4:48:59 AM"};
    const QStringList gb{"15/09/2015 12:00:00", "03/02/2004 04:48:59"};
    const QString note = "quintarel-cli: note: dates in \"%1\" read as month/day/year; the "
                         "regional settings' order is day/month/year.\n";
    QTest::newRow("the user's order") << "en_US.UTF-8" << QStringList() << 0 << us << "";
    QTest::newRow("automatic, by default") << "en_GB.UTF-8" << QStringList() << 0 << gb << note;
    QTest::newRow("automatic") << "en_GB.UTF-8" << QStringList{"--date-order", "auto"} << 0 << gb
                               << note;
    // An order the user named needs no note.
    QTest::newRow("chosen") << "en_GB.UTF-8" << QStringList{"--date-order=MDY"} << 0 << gb << "";
    QTest::newRow("chosen, the user's own")
        << "en_US.UTF-8" << QStringList{"--date-order", "mdy"} << 0 << us << "";
    QTest::newRow("the regional settings alone")
        << "en_GB.UTF-8" << QStringList{"--date-order", "locale"} << 1 << QStringList()
        << "quintarel-cli: %1: '09/15/15 12:00:00 PM' is not a valid date and time. Entry 1 at "
           "byte 0 of \"%2\".\n";
    QTest::newRow("an order that fails")
        << "de_DE.UTF-8" << QStringList{"--date-order", "ymd"} << 1 << QStringList()
        << "quintarel-cli: %1: '09.15.15 12:00:00 PM' is not a valid date and time. Entry 1 at "
           "byte 0 of \"%2\".\n";
}

void TestListerDates::readsInTheOrderFound()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QStringList, dates);
    QFETCH(QString, err);
    QTemporaryDir folder;
    const QString path = folder.filePath("us.fob");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(MonthFirstIndex());
    file.close();

    const TRun run = RunLister(options + QStringList{path}, locale);
    QCOMPARE(run.ExitCode, exitCode);
    QStringList listed;
    for (const QByteArray &line : run.Out.split('\n')) {
        if (!line.isEmpty())
            listed << QString::fromUtf8(line.split('\t').value(3));
    }
    QCOMPARE(listed, dates);
    QCOMPARE(QString::fromUtf8(run.Err), err.arg(path, path));
}

// A program's first bytes: one whole line on standard error, its NULs shown.
void TestListerDates::binaryFileSaysWhatItIs()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("program");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const char start[] = "\x7F"
                         "ELF\x02\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x03\x00\x3E\x00";
    file.write(QByteArray(start, sizeof start - 1) + QByteArray(300, '\0'));
    file.close();

    const TRun run = RunLister({path});
    QCOMPARE(run.ExitCode, 1);
    QCOMPARE(run.Out, QByteArray());
    QCOMPARE(QString::fromUtf8(run.Err),
             QStringLiteral("quintarel-cli: %1: The file \"%1\" does not look like an object file: "
                            "its first entry is "
                            "not text. '\\x00\\x00\\x00\\x00\\x00\\x00\\x03\\x00>\\x00' is not a "
                            "valid integer value.\n")
                 .arg(path));
}

QTEST_GUILESS_MAIN(TestListerDates)
#include "tst_listerdates.moc"
