// The lister's command line.
#include "options.h"

#include <QTest>

class TestListerOptions : public QObject {
    Q_OBJECT

private slots:
    void parses_data();
    void parses();
    void dateOrders_data();
    void dateOrders();
    void output_data();
    void output();
    void refuses_data();
    void refuses();
};

void TestListerOptions::parses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("sortKey");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<bool>("hide");
    QTest::addColumn<QString>("license");
    QTest::addColumn<QString>("exportFile");
    QTest::addColumn<QString>("file");

    QTest::newRow("defaults") << QStringList{"a.fob"} << 0 << false << false << ""
                              << ""
                              << "a.fob";
    QTest::newRow("every option") << QStringList{"--sort",        "name",      "--descending",
                                                 "--hide-system", "--license", "l.flf",
                                                 "--export",      "out.txt",   "a.fob"}
                                  << 2 << true << true << "l.flf"
                                  << "out.txt"
                                  << "a.fob";
    QTest::newRow("values after =")
        << QStringList{"--sort=permissions", "--export=o.txt", "b.fbk"} << 6 << false << false << ""
        << "o.txt"
        << "b.fbk";
    QTest::newRow("key by number")
        << QStringList{"--sort", "3", "a.fob"} << 3 << false << false << ""
        << ""
        << "a.fob";
    QTest::newRow("key in capitals")
        << QStringList{"--sort", "DateTime", "a.fob"} << 3 << false << false << ""
        << ""
        << "a.fob";
    QTest::newRow("file after options")
        << QStringList{"a.fob", "--sort", "version"} << 5 << false << false << ""
        << ""
        << "a.fob";
    QTest::newRow("file that looks like an option")
        << QStringList{"--", "--odd.fob"} << 0 << false << false << ""
        << ""
        << "--odd.fob";
    QTest::newRow("standard input") << QStringList{"-"} << 0 << false << false << ""
                                    << ""
                                    << "-";
}

void TestListerOptions::parses()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, sortKey);
    QFETCH(bool, descending);
    QFETCH(bool, hide);
    QFETCH(QString, license);
    QFETCH(QString, exportFile);
    QFETCH(QString, file);
    const TListerCommandLine commandLine = ParseListerArguments(arguments);
    QVERIFY2(commandLine.Options.has_value(), qPrintable(commandLine.Exit.Text));
    const TListerOptions &options = *commandLine.Options;
    QCOMPARE(options.SortKey, sortKey);
    QCOMPARE(options.Descending, descending);
    QCOMPARE(options.HideSystemObjects, hide);
    QCOMPARE(options.LicenseFile, license);
    QCOMPARE(options.ExportFile, exportFile);
    QCOMPARE(options.Files, QStringList{file});
}

Q_DECLARE_METATYPE(TDateOrderChoice)

void TestListerOptions::dateOrders_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<TDateOrderChoice>("choice");
    QTest::newRow("default") << QStringList{"a.fob"} << TDateOrderChoice::Automatic;
    QTest::newRow("auto") << QStringList{"--date-order", "auto", "a.fob"}
                          << TDateOrderChoice::Automatic;
    QTest::newRow("locale") << QStringList{"--date-order=locale", "a.fob"}
                            << TDateOrderChoice::RegionalSettings;
    QTest::newRow("dmy") << QStringList{"a.fob", "--date-order", "dmy"} << TDateOrderChoice::DMY;
    QTest::newRow("MDY") << QStringList{"--date-order", "MDY", "a.fob"} << TDateOrderChoice::MDY;
    QTest::newRow("ymd") << QStringList{"--date-order", "ymd", "a.fob"} << TDateOrderChoice::YMD;
}

void TestListerOptions::dateOrders()
{
    QFETCH(QStringList, arguments);
    QFETCH(TDateOrderChoice, choice);
    const TListerCommandLine commandLine = ParseListerArguments(arguments);
    QVERIFY2(commandLine.Options.has_value(), qPrintable(commandLine.Exit.Text));
    QCOMPARE(commandLine.Options->DateOrder, choice);
}

void TestListerOptions::output_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("format");
    QTest::addColumn<bool>("header");
    QTest::addColumn<bool>("isoDates");
    QTest::addColumn<bool>("fileColumn");
    QTest::addColumn<int>("files");

    const int tsv = int(TListFormat::Tsv), csv = int(TListFormat::Csv),
              json = int(TListFormat::Json);
    QTest::newRow("tsv as before") << QStringList{"a.fob"} << tsv << false << false << false << 1;
    QTest::newRow("tsv with header and iso dates")
        << QStringList{"--header", "--iso-dates", "--format=TSV", "a.fob"} << tsv << true << true
        << false << 1;
    QTest::newRow("csv has header and iso dates")
        << QStringList{"--format", "csv", "a.fob"} << csv << true << true << false << 1;
    QTest::newRow("json has iso dates")
        << QStringList{"--format", "Json", "a.fob"} << json << false << true << false << 1;
    QTest::newRow("several files and standard input")
        << QStringList{"a.fob", "-", "b.fbk"} << tsv << false << false << true << 3;
    QTest::newRow("export of several to standard output")
        << QStringList{"--export", "-", "a.fob", "b.fbk"} << tsv << false << false << true << 2;
    // A comparison takes the formats with the same meaning, and no file column.
    QTest::newRow("comparison in csv")
        << QStringList{"--compare", "--format", "csv", "a.fob", "b.fob"} << csv << true << true
        << false << 2;
    QTest::newRow("comparison in tsv with header and iso dates")
        << QStringList{"--compare", "--header", "--iso-dates", "a.fob", "b.fob"} << tsv << true
        << true << false << 2;
}

void TestListerOptions::output()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, format);
    QFETCH(bool, header);
    QFETCH(bool, isoDates);
    QFETCH(bool, fileColumn);
    QFETCH(int, files);
    const TListerCommandLine commandLine = ParseListerArguments(arguments);
    QVERIFY2(commandLine.Options.has_value(), qPrintable(commandLine.Exit.Text));
    const TListFormatOptions &output = commandLine.Options->Output;
    QCOMPARE(int(output.Format), format);
    QCOMPARE(output.Header, header);
    QCOMPARE(output.IsoDates, isoDates);
    QCOMPARE(output.FileColumn, fileColumn);
    QCOMPARE(commandLine.Options->Files.size(), files);
}

void TestListerOptions::refuses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");

    QTest::newRow("no file") << QStringList{} << "No object file given.";
    QTest::newRow("unknown format")
        << QStringList{"--format", "xml", "a.fob"} << "Unknown format \"xml\".";
    QTest::newRow("header in json") << QStringList{"--format", "json", "--header", "a.fob"}
                                    << "--header is for the tsv and csv formats.";
    QTest::newRow("export with a format")
        << QStringList{"--export", "o.txt", "--format", "csv", "a.fob"}
        << "--export writes the Export List's own format; --format, --header, --iso-dates and "
           "--raw don't apply to it.";
    QTest::newRow("export with iso dates")
        << QStringList{"--export", "-", "--iso-dates", "a.fob"}
        << "--export writes the Export List's own format; --format, --header, --iso-dates and "
           "--raw don't apply to it.";
    QTest::newRow("raw in tsv") << QStringList{"--raw", "a.fob"} << "--raw is for the csv format.";
    QTest::newRow("raw in json") << QStringList{"--format", "json", "--raw", "a.fob"}
                                 << "--raw is for the csv format.";
    QTest::newRow("comparison sorted")
        << QStringList{"--compare", "--sort", "name", "a.fob", "b.fob"}
        << "--sort does not go with --compare.";
    QTest::newRow("file name beginning with -")
        << QStringList{"-dash.fob"}
        << "Unknown option \"-dash.fob\"; put -- before file names that begin with - "
           "(quintarel-cli -- -dash.fob).";
    QTest::newRow("long option with a value")
        << QStringList{"--colour=red", "a.fob"} << "Unknown option 'colour'.";
    QTest::newRow("export file of two")
        << QStringList{"--export", "o.txt", "a.fob", "b.fob"}
        << "--export to a file takes one object file; --export - writes the exports of several "
           "one after the other.";
    QTest::newRow("standard input twice")
        << QStringList{"-", "a.fob", "-"} << "Standard input (-) can be read only once.";
    QTest::newRow("unknown key") << QStringList{"--sort", "colour", "a.fob"}
                                 << "Unknown sort key \"colour\".";
    QTest::newRow("key out of range")
        << QStringList{"--sort", "7", "a.fob"} << "Unknown sort key \"7\".";
    QTest::newRow("key missing") << QStringList{"a.fob", "--sort"}
                                 << "Missing value after '--sort'.";
    QTest::newRow("licence missing")
        << QStringList{"a.fob", "--license"} << "Missing value after '--license'.";
    QTest::newRow("empty export name")
        << QStringList{"--export=", "a.fob"} << "--export needs a file name.";
    QTest::newRow("unknown option")
        << QStringList{"--colour", "a.fob"} << "Unknown option 'colour'.";
    QTest::newRow("unknown date order")
        << QStringList{"--date-order", "dym", "a.fob"} << "Unknown date order \"dym\".";
    QTest::newRow("flag with a value")
        << QStringList{"--descending=yes", "a.fob"} << "Unexpected value after '--descending'.";
}

void TestListerOptions::refuses()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    const TListerCommandLine commandLine = ParseListerArguments(arguments);
    QVERIFY(!commandLine.Options.has_value());
    // One line naming the problem, then the hint, on standard error.
    QCOMPARE(commandLine.Exit.Status, 2);
    QVERIFY(commandLine.Exit.ToStandardError);
    QCOMPARE(commandLine.Exit.Text, "quintarel-cli: " + error + "\nTry --help\n");
}

QTEST_GUILESS_MAIN(TestListerOptions)
#include "tst_listeroptions.moc"
