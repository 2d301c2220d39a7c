// The lister's formats read back by independent readers (CSV by the csv
// module of Debian's python3, JSON by QJsonDocument) and compared field by
// field with the TSV list; several files, standard input and the export to
// standard output.
#include "fobentry.h"
#include "programrun.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Demo = QStringLiteral(QUINTAREL_SAMPLES "/demo.fob");

using TRows = QList<QStringList>;

TRows TsvRows(const QByteArray &text)
{
    TRows rows;
    for (const QByteArray &line : text.split('\n')) {
        if (!line.isEmpty())
            rows << QString::fromUtf8(line).split(u'\t');
    }
    return rows;
}

// The records as Python's csv module reads them, in strict mode.
TRows CsvRows(const QByteArray &text)
{
    const TRun run =
        RunProgram(QStringLiteral("/usr/bin/python3"), // Debian's, not a shim on the path

                   {"-c", "import csv, io, json, sys\n"
                          "text = io.TextIOWrapper(sys.stdin.buffer, encoding='utf-8', "
                          "newline='')\n"
                          "print(json.dumps(list(csv.reader(text, strict=True))))"},
                   QStringLiteral("en_US.UTF-8"), text);
    if (run.ExitCode != 0)
        qWarning("python3 csv: %s", run.Err.constData());
    TRows rows;
    for (const QJsonValue &row : QJsonDocument::fromJson(run.Out).array()) {
        QStringList fields;
        for (const QJsonValue &field : row.toArray())
            fields << field.toString();
        rows << fields;
    }
    return rows;
}

const QStringList Header{"typeName", "id",          "name",       "dateTime",
                         "size",     "versionList", "permissions"};
// What CSV adds to each record: the object's mark, file and line.
const QStringList OriginHeader{"modified", "file", "line"};

// The CSV rows with the origin's fields split off, checked to name the file
// and to leave mark and line empty, as for every binary file's object.
TRows WithoutBinaryOrigin(TRows rows, const QString &file)
{
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (rows[i].size() != Header.size() + OriginHeader.size()) {
            qWarning("record %lld has %lld fields", i, rows[i].size());
            return {};
        }
        const QStringList origin = rows[i].mid(Header.size());
        if (origin != (i == 0 ? OriginHeader : QStringList{QString(), file, QString()})) {
            qWarning("record %lld: %s", i, qPrintable(origin.join(u'|')));
            return {};
        }
        rows[i].resize(Header.size());
    }
    return rows;
}

// A small object file with the texts that need quoting or escaping.
QByteArray AwkwardFile()
{
    QByteArray file;
    file += LayOutObjectEntry(
        {"Table", 7, "Say \"Hi\", then go", "07/10/10", "12:00:00 PM", 100, "A,B"});
    file += LayOutObjectEntry({"Form", 8,
                               "Kundeoversikt \x8f"
                               "lesund",
                               "", "", 200, ""});
    file += LayOutObjectEntry({"Report", 9, "Back\\slash", "12/31/99", "", 300, "X\"Y"});
    return file + IndexEndByte;
}

} // namespace

class TestListerFormats : public QObject {
    Q_OBJECT

private slots:
    void formatsAgree_data();
    void formatsAgree();
    void isoDates();
    void severalFilesWithOneFailing();
    void standardInput();
    void exportToStandardOutput();
    void namesSurviveEveryOutput_data();
    void namesSurviveEveryOutput();
};

void TestListerFormats::formatsAgree_data()
{
    QTest::addColumn<QByteArray>("fileBytes");
    QFile demo(Demo);
    QVERIFY(demo.open(QIODevice::ReadOnly));
    QTest::newRow("demo file") << demo.readAll();
    QTest::newRow("quotes, commas, backslashes, blanks") << AwkwardFile();
}

// TSV with ISO dates, CSV and JSON hold the same fields for every object.
void TestListerFormats::formatsAgree()
{
    QFETCH(QByteArray, fileBytes);
    QTemporaryDir dir;
    const QString path = dir.filePath("objects.fob");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(fileBytes);
    file.close();

    const TRun tsv = RunLister({"--header", "--iso-dates", "--sort", "id", path});
    const TRun csv = RunLister({"--format", "csv", "--sort", "id", path});
    const TRun json = RunLister({"--format=json", "--sort", "id", path});
    for (const TRun *run : {&tsv, &csv, &json}) {
        QCOMPARE(run->ExitCode, 0);
        QCOMPARE(run->Err, QByteArray());
    }
    const TRows expected = TsvRows(tsv.Out);
    QVERIFY(expected.size() > 1);
    QCOMPARE(expected.first(), Header);

    // CSV: records end with CR LF; read back, the same rows as the TSV.
    QVERIFY(csv.Out.endsWith("\r\n"));
    QCOMPARE(csv.Out.count('\n'), csv.Out.count("\r\n"));
    QCOMPARE(WithoutBinaryOrigin(CsvRows(csv.Out), path), expected);

    // JSON: one array, one object per row with every member.
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json.Out, &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    QVERIFY(document.isArray());
    const QJsonArray objects = document.array();
    QCOMPARE(objects.size(), expected.size() - 1);
    for (qsizetype i = 0; i < objects.size(); ++i) {
        const QJsonObject object = objects[i].toObject();
        const QStringList &row = expected[i + 1];
        QCOMPARE(object.size(), 11);
        QCOMPARE(object["file"].toString(), path);
        QVERIFY(object["modified"].isNull()); // known only for text exports
        QVERIFY(object["line"].isNull());
        QCOMPARE(object["typeName"].toString(), row[0]);
        QVERIFY(object["id"].isDouble());
        QCOMPARE(QString::number(object["id"].toInteger()), row[1]);
        QCOMPARE(object["name"].toString(), row[2]);
        QCOMPARE(object["dateTime"].toString(), row[3]);
        QVERIFY(object["size"].isDouble());
        QCOMPARE(QString::number(object["size"].toInteger()), row[4]);
        QCOMPARE(object["versionList"].toString(), row[5]);
        QCOMPARE(object["permissions"].toString(), row[6]);
        // The type's number: the list's types from 1, 0 for those it doesn't know.
        const QStringList known{"Table",    "Form",    "Report",   "Dataport",
                                "Codeunit", "XMLport", "MenuSuite"};
        QCOMPARE(object["type"].toInt(), int(known.indexOf(row[0]) + 1));
    }
}

// ISO 8601 whatever the locale shows; blank stays blank; the locale's text
// is what TSV gives without --iso-dates.
void TestListerFormats::isoDates()
{
    const TRows local = TsvRows(RunLister({"--sort", "id", Demo}).Out);
    const TRows iso = TsvRows(RunLister({"--iso-dates", "--sort", "id", Demo}).Out);
    QCOMPARE(iso.size(), local.size());
    const QRegularExpression isoForm(
        QStringLiteral("^(\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d)?$"));
    QHash<QString, QString> isoByLocal;
    for (qsizetype i = 0; i < iso.size(); ++i) {
        QStringList withoutDate = local[i];
        withoutDate[3] = iso[i][3];
        QCOMPARE(iso[i], withoutDate);
        QVERIFY2(isoForm.match(iso[i][3]).hasMatch(), qPrintable(iso[i][3]));
        QCOMPARE(iso[i][3].isEmpty(), local[i][3].isEmpty());
        isoByLocal.insert(local[i][3], iso[i][3]);
    }
    QCOMPARE(isoByLocal.value("7/10/10 12:00:00 PM"), "2010-07-10T12:00:00");
    QCOMPARE(isoByLocal.value("2/1/12 8:45:10 AM"), "2012-02-01T08:45:10");
    QCOMPARE(isoByLocal.value("9/12/10"), "2010-09-12T00:00:00");
}

void TestListerFormats::severalFilesWithOneFailing()
{
    const QByteArray single = RunLister({"--sort", "name", Demo}).Out;
    QVERIFY(!single.isEmpty());
    for (const QString format : {"tsv", "csv", "json"}) {
        const TRun run =
            RunLister({"--format", format, "--sort", "name", Demo, "/no/such.fob", Demo});
        QCOMPARE(run.ExitCode, 1);
        QCOMPARE(run.Err,
                 "quintarel-cli: /no/such.fob: Cannot open file \"/no/such.fob\". No such file or "
                 "directory.\n");
        if (format == "tsv") {
            // Each file's lines, behind a column naming it.
            QByteArray twice;
            for (const QByteArray &line : single.split('\n')) {
                if (!line.isEmpty())
                    twice += Demo.toUtf8() + '\t' + line + '\n';
            }
            QCOMPARE(run.Out, twice + twice);
        } else if (format == "csv") {
            // One file column, the same as for one file: the record's own.
            const TRows rows = CsvRows(run.Out);
            QCOMPARE(rows.first(), Header + OriginHeader);
            QCOMPARE(rows.size(), 1 + 2 * single.count('\n'));
            QCOMPARE(rows.last().at(Header.size() + 1), Demo);
        } else {
            const QJsonArray objects = QJsonDocument::fromJson(run.Out).array();
            QCOMPARE(objects.size(), 2 * single.count('\n'));
        }
    }
}

void TestListerFormats::standardInput()
{
    QFile demo(Demo);
    QVERIFY(demo.open(QIODevice::ReadOnly));
    const QByteArray bytes = demo.readAll();
    const TRun fromFile = RunLister({"--format", "json", Demo});
    const TRun fromInput =
        RunLister({"--format", "json", "-"}, QStringLiteral("en_US.UTF-8"), bytes);
    QCOMPARE(fromInput.ExitCode, 0);
    QCOMPARE(fromInput.Err, QByteArray());
    // The same list; the file member names standard input as "-".
    QCOMPARE(fromInput.Out, QByteArray(fromFile.Out).replace(Demo.toUtf8(), "-"));

    // A broken index on standard input fails like a file, naming its byte.
    const TRun cut = RunLister({"-"}, QStringLiteral("en_US.UTF-8"), bytes.left(161 + 100));
    QCOMPARE(cut.ExitCode, 1);
    QVERIFY2(cut.Err.startsWith("quintarel-cli: standard input: The object entry is cut short") &&
                 cut.Err.contains("Entry 2 at byte 161."),
             cut.Err.constData());
}

void TestListerFormats::exportToStandardOutput()
{
    QTemporaryDir dir;
    const QString out = dir.filePath("list.txt");
    QCOMPARE(RunLister({"--export", out, "--sort", "size", Demo}).ExitCode, 0);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray exported = file.readAll();
    QVERIFY(exported.endsWith("\r\n"));

    const TRun toOutput = RunLister({"--export", "-", "--sort", "size", Demo});
    QCOMPARE(toOutput.ExitCode, 0);
    QCOMPARE(toOutput.Out, exported);
    QVERIFY(!QFile::exists("-"));
    // Several files: their exports one after the other.
    const TRun twice = RunLister({"--export", "-", "--sort", "size", Demo, Demo});
    QCOMPARE(twice.Out, exported + exported);
}

// A name (and version list) holding what splits a line or starts a formula,
// through every output: TSV and the export write TAB, CR and LF as a blank;
// CSV keeps the text, a ' before a formula's first character unless --raw;
// JSON keeps the text. The comparison's lines the same.
void TestListerFormats::namesSurviveEveryOutput_data()
{
    QTest::addColumn<QByteArray>("name"); // code page 850
    QTest::addColumn<QString>("text");    // the name itself
    QTest::addColumn<QString>("tsv");     // its TSV field
    QTest::addColumn<QString>("csv");     // its CSV cell, as a reader gives it

    QTest::newRow("TAB") << QByteArray("Tab\there") << "Tab\there"
                         << "Tab here"
                         << "Tab\there";
    QTest::newRow("LF") << QByteArray("Line\nbreak") << "Line\nbreak"
                        << "Line break"
                        << "Line\nbreak";
    QTest::newRow("CR") << QByteArray("Carriage\rreturn") << "Carriage\rreturn"
                        << "Carriage return"
                        << "Carriage\rreturn";
    QTest::newRow("CR LF") << QByteArray("Two\r\nlines") << "Two\r\nlines"
                           << "Two  lines"
                           << "Two\r\nlines";
    QTest::newRow("=") << QByteArray("=cmd|' /C calc'!A0") << "=cmd|' /C calc'!A0"
                       << "=cmd|' /C calc'!A0"
                       << "'=cmd|' /C calc'!A0";
    QTest::newRow("+") << QByteArray("+1") << "+1"
                       << "+1"
                       << "'+1";
    QTest::newRow("-") << QByteArray("-5 test") << "-5 test"
                       << "-5 test"
                       << "'-5 test";
    QTest::newRow("@") << QByteArray("@SUM(A1)") << "@SUM(A1)"
                       << "@SUM(A1)"
                       << "'@SUM(A1)";
    QTest::newRow("= inside") << QByteArray("a=b") << "a=b"
                              << "a=b"
                              << "a=b";
    QTest::newRow("quotes and commas") << QByteArray("Say \"Hi\", then go") << "Say \"Hi\", then go"
                                       << "Say \"Hi\", then go"
                                       << "Say \"Hi\", then go";
    QTest::newRow("code page 850") << QByteArray("Kunde \x8f"
                                                 "lesund")
                                   << "Kunde \u00c5lesund"
                                   << "Kunde \u00c5lesund"
                                   << "Kunde \u00c5lesund";
}

void TestListerFormats::namesSurviveEveryOutput()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, text);
    QFETCH(QString, tsv);
    QFETCH(QString, csv);
    QTemporaryDir dir;
    const QString path = dir.filePath("names.fob");
    const QString empty = dir.filePath("empty.fob");
    for (const auto &[file, bytes] :
         {std::pair{path,
                    LayOutEntryTexts({"Table", "1", name, "07/10/10", "12:00:00 PM", "100", name}) +
                        IndexEndByte},
          std::pair{empty, QByteArray(1, IndexEndByte)}}) {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    const auto run = [](const QStringList &arguments) {
        const TRun result = RunLister(arguments);
        if (result.ExitCode != 0 && result.ExitCode != 3)
            qWarning("%s", result.Err.constData());
        return result;
    };

    // TSV, its ISO variant and the comparison: one line, every field in place.
    for (const QStringList &options : {QStringList{}, QStringList{"--iso-dates"}}) {
        const QList<QByteArray> lines = run(options + QStringList{path}).Lines();
        QCOMPARE(lines.size(), 1);
        const QStringList fields = QString::fromUtf8(lines[0]).split(u'\t');
        QCOMPARE(fields.size(), 7);
        QCOMPARE(fields[2], tsv);
        QCOMPARE(fields[5], tsv);
    }
    const QList<QByteArray> compared = run({"--compare", empty, path}).Lines();
    QCOMPARE(compared.size(), 1);
    const QStringList differences = QString::fromUtf8(compared[0]).split(u'\t');
    QCOMPARE(differences.size(), 13);
    QCOMPARE(differences[5], tsv);
    QCOMPARE(differences[11], tsv);

    // The export: one line of six fields ended by CR LF, in code page 850.
    const QByteArray exported = run({"--export", "-", path}).Out;
    QVERIFY(exported.endsWith("\r\n"));
    QCOMPARE(exported.count('\n'), 1);
    const QList<QByteArray> exportFields = exported.chopped(2).split('\t');
    QCOMPARE(exportFields.size(), 6);
    QByteArray blanked = name;
    for (char &c : blanked)
        c = (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
    QCOMPARE(exportFields[2], blanked);

    // CSV, read back by Python's csv module; the comparison's too.
    const TRows rows = CsvRows(run({"--format", "csv", path}).Out);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[1][2], csv);
    QCOMPARE(rows[1][5], csv);
    QCOMPARE(CsvRows(run({"--format", "csv", "--raw", path}).Out).value(1).value(2), text);
    const TRows comparedRows = CsvRows(run({"--format", "csv", "--compare", empty, path}).Out);
    QCOMPARE(comparedRows.size(), 2);
    QCOMPARE(comparedRows[1][5], csv);
    QCOMPARE(comparedRows[1][11], csv);

    // JSON: the exact text.
    const QJsonArray objects = QJsonDocument::fromJson(run({"--format", "json", path}).Out).array();
    QCOMPARE(objects.size(), 1);
    QCOMPARE(objects[0]["name"].toString(), text);
    QCOMPARE(objects[0]["versionList"].toString(), text);
    const QJsonArray changes =
        QJsonDocument::fromJson(run({"--format", "json", "--compare", empty, path}).Out).array();
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes[0]["newName"].toString(), text);
}

QTEST_GUILESS_MAIN(TestListerFormats)
#include "tst_listerformats.moc"
