// What libcfront.so shows of a licence file: permission lookups, the
// information lines, switching licences and the licence read at start, and
// the single line a broken file gives.
#include "cfrontlibrary.h"
#include "core/errors.h"
#include "core/model/licensefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <thread>

namespace {

constexpr int32_t Int32Min = std::numeric_limits<int32_t>::min();
constexpr int32_t Int32Max = std::numeric_limits<int32_t>::max();

// Type numbers as the program knows them.
constexpr int32_t TableData = 0, Table = 1, Form = 2, Report = 3, Dataport = 4, Codeunit = 5,
                  XMLport = 6, MenuSuite = 7;

// The line the library adds to the text of a licence file written by the ERP.
const QByteArray ErpNote =
    "The permissions of this licence file, written by the ERP, can't be read here. To use them, "
    "write them in the text format: [Permissions], then one line per range, such as \"Table "
    "50000..99999 RIMDX\" (lower-case letters for indirect rights).";

QList<QByteArray> Lines(std::initializer_list<const char *> lines)
{
    QList<QByteArray> result;
    for (const char *line : lines)
        result.append(line);
    return result;
}

// A permission line of a generated licence.
struct TRangeLine {
    int32_t Type;
    int32_t From;
    int32_t To;
};

// Each of the 3^5 = 243 ways to write RIMDX (each letter absent, upper or
// lower case) once: line i of a generated licence grants the i-th, so the
// rights a lookup reads tell which line it found.
constexpr int MostGeneratedLines = 243;
QByteArray LettersOfLine(int line)
{
    QByteArray letters;
    for (const char letter : QByteArrayLiteral("RIMDX")) {
        if (line % 3 == 1)
            letters += letter;
        else if (line % 3 == 2)
            letters += char(letter + 32);
        line /= 3;
    }
    return letters.isEmpty() ? QByteArray("-") : letters;
}

// The plain answer: the first line in file order of the type that holds the
// number.
std::optional<int> FirstLineHolding(const QList<TRangeLine> &lines, int32_t type, int32_t number)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].Type == type && lines[i].From <= number && number <= lines[i].To)
            return int(i);
    }
    return std::nullopt;
}

int32_t Clamped(int64_t number)
{
    return int32_t(std::clamp<int64_t>(number, Int32Min, Int32Max));
}

// Lines of a few types over [low, high], overlapping and nesting, some of a
// single number, some over the whole window or the whole 32-bit range.
QList<TRangeLine> GenerateLines(QRandomGenerator &random, int count, int64_t low, int64_t high)
{
    QList<TRangeLine> lines;
    for (int i = 0; i < count; ++i) {
        // Most lines on three types, so that they overlap.
        const int32_t type = random.bounded(5) ? 1 + random.bounded(3) : random.bounded(8);
        const int64_t from = low + random.bounded(int(high - low + 1));
        int64_t to = from;
        switch (random.bounded(8)) {
        case 0:
            break; // a single number
        case 1:
            to = high;
            break;
        case 2:
            lines.append({type, Clamped(low), Clamped(high)});
            continue;
        case 3:
            if (random.bounded(4) == 0) {
                lines.append({type, Int32Min, Int32Max});
                continue;
            }
            Q_FALLTHROUGH();
        default:
            to = std::min(high, from + random.bounded(12));
        }
        lines.append({type, Clamped(from), Clamped(to)});
    }
    return lines;
}

QByteArray LicenceText(const QList<TRangeLine> &lines)
{
    QByteArray text = "[Permissions]\n";
    for (qsizetype i = 0; i < lines.size(); ++i)
        text += QByteArray::number(lines[i].Type) + ' ' + QByteArray::number(lines[i].From) + ".." +
                QByteArray::number(lines[i].To) + ' ' + LettersOfLine(int(i)) + '\n';
    return text;
}

} // namespace

class TestCFrontLicence : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void lookup_data();
    void lookup();
    void typeNames_data();
    void typeNames();
    void lookupThenNextWalksOnInFileOrder();
    void lookupsAnswerAsAScan_data();
    void lookupsAnswerAsAScan();
    void permissionWalk();

    void informationLines_data();
    void informationLines();
    void codePage850_data();
    void codePage850();
    void informationByLineNumber_data();
    void informationByLineNumber();

    void switchingKeepsHandlesOpen();
    void callsFromAnotherThreadAreRefused();
    void brokenFile_data();
    void brokenFile();
    void unreadableFile_data();
    void unreadableFile();

    void licenceBesideTheLibrary_data();
    void licenceBesideTheLibrary();
    void demoLicenceReadsCleanly();
    void erpWrittenFiles_data();
    void erpWrittenFiles();
    void licenceReport();
    void hostileFilesThroughTheProgram_data();
    void hostileFilesThroughTheProgram();
    void hostileFilesAreNoLicenceFiles_data();
    void hostileFilesAreNoLicenceFiles();

private:
    QString WriteFile(const QString &name, const QByteArray &content);
    // A session of the built library with the licence made the active one.
    std::unique_ptr<TCFrontSession> SessionWith(const QByteArray &licence);

    std::unique_ptr<TCFrontLibrary> Library;
    QTemporaryDir Folder;
};

void TestCFrontLicence::initTestCase()
{
    QVERIFY(Folder.isValid());
    Library = std::make_unique<TCFrontLibrary>(BuiltLibraryPath());
    QVERIFY2(Library->Error().isEmpty(), qPrintable(Library->Error()));
}

QString TestCFrontLicence::WriteFile(const QString &name, const QByteArray &content)
{
    const QString path = Folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

std::unique_ptr<TCFrontSession> TestCFrontLicence::SessionWith(const QByteArray &licence)
{
    auto session = std::make_unique<TCFrontSession>(*Library);
    const bool ok = session->SetLicenceFile(WriteFile("licence.flf", licence));
    QTest::qVerify(ok, "SetLicenceFile", "the licence reads without error", __FILE__, __LINE__);
    return session;
}

// --- permissions ---------------------------------------------------------

void TestCFrontLicence::lookup_data()
{
    QTest::addColumn<int32_t>("objectType");
    QTest::addColumn<int32_t>("number");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("rights");

    QTest::newRow("first of two matching lines wins") << Table << 5 << true << QByteArray("RIMD");
    QTest::newRow("range start") << Table << 1 << true << QByteArray("RIMD");
    QTest::newRow("range end") << Table << 10 << true << QByteArray("RIMD");
    QTest::newRow("type given as number") << Table << 11 << true << QByteArray("R");
    QTest::newRow("end of the later range") << Table << 20 << true << QByteArray("R");
    QTest::newRow("past every range") << Table << 21 << false << QByteArray();
    QTest::newRow("below every range") << Table << 0 << false << QByteArray();
    QTest::newRow("same number, other type") << Form << 5 << true << QByteArray("RX");
    QTest::newRow("type without that number") << Form << 6 << false << QByteArray();
    QTest::newRow("negative range start") << Codeunit << -100 << true << QByteArray("IX");
    QTest::newRow("negative range end") << Codeunit << -1 << true << QByteArray("IX");
    QTest::newRow("just above a negative range") << Codeunit << 0 << false << QByteArray();
    QTest::newRow("just below a negative range") << Codeunit << -101 << false << QByteArray();
    QTest::newRow("smallest 32-bit number") << Report << Int32Min << true << QByteArray("R");
    QTest::newRow("largest 32-bit number") << Report << Int32Max << true << QByteArray("M");
    QTest::newRow("between the two") << Report << 0 << false << QByteArray();
    QTest::newRow("whole range, low end") << XMLport << Int32Min << true << QByteArray("D");
    QTest::newRow("whole range, high end") << XMLport << Int32Max << true << QByteArray("D");
    QTest::newRow("whole range, middle") << XMLport << 0 << true << QByteArray("D");
    QTest::newRow("type 0") << TableData << 1 << true << QByteArray("X");
    QTest::newRow("type 0, other number") << TableData << 2 << false << QByteArray();
    QTest::newRow("line granting nothing is found") << MenuSuite << 1 << true << QByteArray();
    QTest::newRow("letters in any order") << Dataport << 100 << true << QByteArray("MIR");
    // Lower-case letters grant indirectly: field value 2.
    QTest::newRow("indirect letters") << Dataport << 101 << true << QByteArray("rimdx");
    QTest::newRow("direct and indirect mixed") << Dataport << 102 << true << QByteArray("Rm");
    QTest::newRow("type 8") << 8 << 1 << false << QByteArray();
    QTest::newRow("type -1") << -1 << 1 << false << QByteArray();
}

void TestCFrontLicence::lookup()
{
    QFETCH(int32_t, objectType);
    QFETCH(int32_t, number);
    QFETCH(bool, found);
    QFETCH(QByteArray, rights);

    const auto session = SessionWith("[Permissions]\n"
                                     "Table 1..10 RIMD\n"
                                     "table 5 X\n"
                                     "Form 5 RX\n"
                                     "1 11..20 R\n"
                                     "CODEUNIT -100..-1 IX\n"
                                     "Report -2147483648 R\n"
                                     "Report +2147483647 M\n"
                                     "XMLport -2147483648..2147483647 D\n"
                                     "0 1 X\n"
                                     "MenuSuite 1 -\n"
                                     "Dataport 100 MIR\n"
                                     "Dataport 101 rimdx\n"
                                     "Dataport 102 mR\n");
    const auto granted = session->Lookup(objectType, number);
    QCOMPARE(granted.has_value(), found);
    if (found)
        QCOMPARE(*granted, RightsOf(rights));
}

void TestCFrontLicence::typeNames_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int32_t>("objectType");

    QTest::newRow("Table") << QByteArray("Table") << Table;
    QTest::newRow("FORM") << QByteArray("FORM") << Form;
    QTest::newRow("report") << QByteArray("report") << Report;
    QTest::newRow("DataPort") << QByteArray("DataPort") << Dataport;
    QTest::newRow("codeunit") << QByteArray("codeunit") << Codeunit;
    QTest::newRow("XMLPORT") << QByteArray("XMLPORT") << XMLport;
    QTest::newRow("menuSuite") << QByteArray("menuSuite") << MenuSuite;
    for (int32_t type = TableData; type <= MenuSuite; ++type)
        QTest::addRow("number %d", type) << QByteArray::number(type) << type;
}

void TestCFrontLicence::typeNames()
{
    QFETCH(QByteArray, name);
    QFETCH(int32_t, objectType);

    const auto session = SessionWith("[Permissions]\n" + name + " 42 RD\n");
    for (int32_t type = TableData; type <= MenuSuite; ++type) {
        const auto granted = session->Lookup(type, 42);
        QCOMPARE(granted.has_value(), type == objectType);
        if (granted)
            QCOMPARE(*granted, RightsOf("RD"));
    }
}

void TestCFrontLicence::lookupThenNextWalksOnInFileOrder()
{
    const auto session = SessionWith("[Permissions]\n"
                                     "Form 1..9 R\n"
                                     "Table 1..9 I\n"
                                     "Form 5 M\n");
    QCOMPARE(session->Lookup(Table, 3), RightsOf("I"));
    QCOMPARE(session->ReadInteger(session->PermissionTable, session->PermissionRecord, NumberField),
             3);
    QVERIFY(session->Api.NextRecord(session->PermissionTable, session->PermissionRecord, 1));
    QCOMPARE(session->ReadInteger(session->PermissionTable, session->PermissionRecord, TypeField),
             Form);
    QCOMPARE(session->ReadInteger(session->PermissionTable, session->PermissionRecord, NumberField),
             5);
    QCOMPARE(session->ReadRights(session->PermissionRecord), RightsOf("M"));
}

void TestCFrontLicence::lookupsAnswerAsAScan_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<qint64>("low");
    QTest::addColumn<qint64>("high");

    QTest::newRow("dense overlaps") << 1u << 60 << qint64(-20) << qint64(40);
    QTest::newRow("every rights pattern") << 2u << MostGeneratedLines << qint64(0) << qint64(300);
    QTest::newRow("few sparse lines") << 3u << 8 << qint64(-1000) << qint64(1000);
    QTest::newRow("lowest numbers") << 4u << 40 << qint64(Int32Min) << qint64(Int32Min) + 30;
    QTest::newRow("highest numbers") << 5u << 40 << qint64(Int32Max) - 30 << qint64(Int32Max);
}

// The library may index its lines and remember what it found last; every
// answer must still be that of a plain scan: lookups at random, along runs
// of numbers, at the edges of lines, across licences switched through
// ordinal 89 and across a switch it refuses.
void TestCFrontLicence::lookupsAnswerAsAScan()
{
    QFETCH(quint32, seed);
    QFETCH(int, lineCount);
    QFETCH(qint64, low);
    QFETCH(qint64, high);

    QRandomGenerator random(seed);
    TCFrontSession session(*Library);
    const QString refused = WriteFile("refused.flf", "[Permissions]\nTable 5..1 R\n");
    int32_t type = Table, number = 0;
    std::pair<int32_t, int32_t> lastFound = {type, number};
    for (int licence = 0; licence < 4; ++licence) {
        const QList<TRangeLine> lines = GenerateLines(random, lineCount, low, high);
        QVERIFY(session.SetLicenceFile(WriteFile("generated.flf", LicenceText(lines))));
        if (licence == 2)
            QVERIFY(!session.SetLicenceFile(refused)); // the generated licence stays active
        // The first lookup asks again what the previous licence found last.
        std::tie(type, number) = lastFound;
        for (int lookup = 0; lookup < 1500; ++lookup) {
            if (lookup > 0) {
                const int way = random.bounded(10);
                if (way < 4) {
                    type = random.bounded(-1, 9);
                    number = Clamped(low - 3 + random.bounded(int(high - low + 7)));
                } else if (way < 6) {
                    const TRangeLine &line = lines[random.bounded(int(lines.size()))];
                    type = line.Type;
                    const int64_t edges[] = {int64_t(line.From) - 1, line.From, line.To,
                                             int64_t(line.To) + 1};
                    number = Clamped(edges[random.bounded(4)]);
                } else if (way < 9) {
                    number = Clamped(int64_t(number) + 1); // on along a run
                } else {
                    number = random.bounded(2) ? Int32Min : Int32Max;
                }
            }
            const std::optional<int> expected = FirstLineHolding(lines, type, number);
            const std::optional<TRights> found = session.Lookup(type, number);
            const QByteArray where = "licence " + QByteArray::number(licence) + ", type " +
                                     QByteArray::number(type) + ", number " +
                                     QByteArray::number(number);
            QVERIFY2(found.has_value() == expected.has_value(), where.constData());
            if (!expected)
                continue;
            lastFound = {type, number};
            QVERIFY2(*found == RightsOf(LettersOfLine(*expected)), where.constData());
            // Walking on from the line found reaches the next line in file order.
            if (random.bounded(8) == 0) {
                const bool next = session.Api.NextRecord(session.PermissionTable,
                                                         session.PermissionRecord, 1) != 0;
                QVERIFY2(next == (*expected + 1 < lines.size()), where.constData());
                if (next) {
                    QVERIFY2(session.ReadRights(session.PermissionRecord) ==
                                 RightsOf(LettersOfLine(*expected + 1)),
                             where.constData());
                }
            }
        }
    }
}

void TestCFrontLicence::permissionWalk()
{
    const auto session = SessionWith("[Permissions]\n"
                                     "Report 50..60 RX\n"
                                     "0 -7 -\n"
                                     "MenuSuite 2147483647 IMD\n");
    struct TRow {
        int32_t Type;
        int32_t From;
        QByteArray Rights;
    };
    const QList<TRow> expected = {
        {Report, 50, "RX"}, {TableData, -7, ""}, {MenuSuite, Int32Max, "IMD"}};
    const CFHandle table = session->PermissionTable;
    const CFHandle record = session->PermissionRecord;

    QVERIFY(session->Find(table, record, "-"));
    for (qsizetype i = 0; i < expected.size(); ++i) {
        if (i > 0)
            QCOMPARE(session->Api.NextRecord(table, record, 1), int16_t(1));
        QCOMPARE(session->ReadInteger(table, record, TypeField), expected[i].Type);
        QCOMPARE(session->ReadInteger(table, record, NumberField), expected[i].From);
        QCOMPARE(session->ReadRights(record), RightsOf(expected[i].Rights));
    }
    QCOMPARE(session->Api.NextRecord(table, record, 1), int16_t(0));
    // The end leaves the record on the last line.
    QCOMPARE(session->ReadInteger(table, record, NumberField), Int32Max);
}

// --- information lines ---------------------------------------------------

void TestCFrontLicence::informationLines_data()
{
    QTest::addColumn<QByteArray>("licence");
    QTest::addColumn<QList<QByteArray>>("lines");

    QTest::newRow("file order, blank and comment lines skipped")
        << QByteArray("[Information]\nFirst\n\n   \n; a note\n  ; an indented note\nSecond\n")
        << Lines({"First", "Second"});
    QTest::newRow("leading blanks and tabs kept")
        << QByteArray("[Information]\n  Indented\tand tabbed\n")
        << Lines({"  Indented\tand tabbed"});
    QTest::newRow("repeated sections, names in any case")
        << QByteArray("[information]\nA\n[PERMISSIONS]\nTable 1 R\n[Information]\nB\n")
        << Lines({"A", "B"});
    QTest::newRow("CR LF and byte order mark")
        << QByteArray("\xEF\xBB\xBF[Information]\r\nA\r\nB\r\n") << Lines({"A", "B"});
    QTest::newRow("no line end after the last line")
        << QByteArray("[Information]\nA\nB") << Lines({"A", "B"});
    QTest::newRow("header with blanks") << QByteArray(" [ Information ] \nA\n") << Lines({"A"});
    QTest::newRow("no information section")
        << QByteArray("[Permissions]\nTable 1 R\n") << QList<QByteArray>();
    QTest::newRow("empty file") << QByteArray() << QList<QByteArray>();

    const QByteArray cut(250, 'a');
    QTest::newRow("250 bytes kept whole") << "[Information]\n" + cut << QList<QByteArray>{cut};
    QTest::newRow("251 bytes cut to 250")
        << "[Information]\n" + cut + "b\nnext" << QList<QByteArray>{cut, "next"};
    QTest::newRow("300 bytes cut to 250")
        << "[Information]\n" + QByteArray(300, 'a') << QList<QByteArray>{cut};
    QTest::newRow("cut after conversion, not in UTF-8 bytes")
        << "[Information]\n" + QString(300, QChar(0xF8)).toUtf8()
        << QList<QByteArray>{QByteArray(250, '\x9B')};
}

void TestCFrontLicence::informationLines()
{
    QFETCH(QByteArray, licence);
    QFETCH(QList<QByteArray>, lines);

    QCOMPARE(SessionWith(licence)->InformationLines(), lines);
}

void TestCFrontLicence::codePage850_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    const auto row = [](const char *name, char16_t character, const char *hex) {
        QTest::newRow(name) << QString(QChar(character)) << QByteArray::fromHex(hex);
    };
    row("o slash", u'ø', "9b");
    row("a ring", u'å', "86");
    row("AE", u'Æ', "92");
    row("O slash", u'Ø', "9d");
    row("sharp s", u'ß', "e1");
    row("u umlaut", u'ü', "81");
    row("e acute", u'é', "82");
    row("pound", u'£', "9c");
    row("florin", u'ƒ', "9f");
    row("dotless i", u'ı', "d5");
    row("currency sign", u'¤', "cf");
    row("no-break space", u'\u00A0', "ff");
    row("double line", u'═', "cd");
    row("double corner", u'╚', "c8");
    row("full block", u'█', "db");
    row("light shade", u'░', "b0");
    row("double low line", u'‗', "f2");
    row("black square", u'■', "fe");
    row("tilde", u'~', "7e");
    row("euro, not in the code page", u'€', "3f");
    row("omega, not in the code page", u'Ω', "3f");
    QTest::newRow("outside the BMP, one question mark")
        << QString::fromUtf8("\xF0\x9F\x98\x80") << QByteArray("?");
    QTest::newRow("mixed") << QStringLiteral("Grüße, Ærø")
                           << QByteArray("Gr\x81\xE1"
                                         "e, \x92r\x9B");
}

void TestCFrontLicence::codePage850()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);

    const auto session = SessionWith("[Information]\n<" + text.toUtf8() + ">\n");
    QCOMPARE(session->InformationLines(), QList<QByteArray>{"<" + bytes + ">"});
}

void TestCFrontLicence::informationByLineNumber_data()
{
    QTest::addColumn<int32_t>("lineNumber");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("first") << 1 << true << QByteArray("one");
    QTest::newRow("last") << 3 << true << QByteArray("three");
    QTest::newRow("zero") << 0 << false << QByteArray();
    QTest::newRow("past the last") << 4 << false << QByteArray();
    QTest::newRow("negative") << -1 << false << QByteArray();
}

void TestCFrontLicence::informationByLineNumber()
{
    QFETCH(int32_t, lineNumber);
    QFETCH(bool, found);
    QFETCH(QByteArray, text);

    const auto session = SessionWith("[Information]\none\n; not a line\ntwo\nthree\n");
    const CFHandle table = session->InformationTable;
    const CFHandle record = session->InformationRecord;
    session->SetKey(table, record, 1, lineNumber);
    QCOMPARE(session->Find(table, record, "="), found);
    if (found) {
        QCOMPARE(session->ReadInteger(table, record, 1), lineNumber);
        QCOMPARE(session->ReadText(table, record, InformationTextField), text);
    } else {
        QCOMPARE(session->ReadText(table, record, InformationTextField), std::nullopt);
    }
}

// --- switching licences and broken files ---------------------------------

void TestCFrontLicence::switchingKeepsHandlesOpen()
{
    const QString first = WriteFile("first.flf", "[Information]\nLicence A\nSecond A\n"
                                                 "[Permissions]\nTable 1 R\n");
    const QString second = WriteFile("second.flf", "[Information]\nLicence B\n"
                                                   "[Permissions]\nTable 1 X\nForm 2 M\n");
    TCFrontSession session(*Library);
    const CFHandle table = session.InformationTable;
    const CFHandle record = session.InformationRecord;

    QVERIFY(session.SetLicenceFile(first));
    QCOMPARE(session.InformationLines(), Lines({"Licence A", "Second A"}));
    QCOMPARE(session.Lookup(Table, 1), RightsOf("R"));
    QVERIFY(session.Find(table, record, "-"));

    QVERIFY(session.SetLicenceFile(second));
    // Nothing loaded from the first licence shows through.
    QCOMPARE(session.ReadText(table, record, InformationTextField), std::nullopt);
    QCOMPARE(session.Api.NextRecord(table, record, 1), int16_t(0));
    QCOMPARE(session.ReadRights(session.PermissionRecord), std::nullopt);

    QVERIFY(session.Find(table, record, "-"));
    QCOMPARE(session.ReadText(table, record, InformationTextField), QByteArray("Licence B"));
    QCOMPARE(session.InformationLines(), Lines({"Licence B"}));
    QCOMPARE(session.Lookup(Table, 1), RightsOf("X"));
    QCOMPARE(session.Lookup(Form, 2), RightsOf("M"));

    QVERIFY(session.SetLicenceFile(first));
    QCOMPARE(session.InformationLines(), Lines({"Licence A", "Second A"}));
    QCOMPARE(session.Lookup(Form, 2), std::nullopt);
}

// The library belongs to the thread that started it: another thread's calls
// answer 0 and change nothing, the owner's lookups go on as before, and
// once the owner has ended it another thread may start it.
void TestCFrontLicence::callsFromAnotherThreadAreRefused()
{
    const QString small = WriteFile("small.flf", "[Permissions]\nTable 1..100 R\n");
    const QString other = WriteFile("other.flf", "[Permissions]\nTable 1..100 X\n");
    auto session = std::make_unique<TCFrontSession>(*Library);
    QVERIFY(session->SetLicenceFile(small));
    const auto lookUp = [&] {
        session->SetKey(session->PermissionTable, session->PermissionRecord, TypeField, Table);
        session->SetKey(session->PermissionTable, session->PermissionRecord, NumberField, 50);
        if (!session->Find(session->PermissionTable, session->PermissionRecord, "="))
            return std::optional<TRights>();
        return session->ReadRights(session->PermissionRecord);
    };
    QCOMPARE(lookUp(), RightsOf("R"));

    std::vector<int32_t> answers;
    std::thread stranger([&] {
        const TCFrontEntryPoints &api = session->Api;
        answers.push_back(api.Init());
        answers.push_back(api.SetLicenseFile(QFile::encodeName(other).constData()));
        answers.push_back(api.SetSearchMode(CF_SEARCH_MODE));
        answers.push_back(api.FindRecord(session->PermissionTable, session->PermissionRecord, "="));
        answers.push_back(api.FieldType(session->PermissionTable, TypeField));
        answers.push_back(api.CloseTable(session->PermissionTable));
        answers.push_back(api.Done());
    });
    stranger.join();
    QCOMPARE(answers, std::vector<int32_t>(answers.size(), 0));
    // Nothing of the stranger's calls took effect.
    QCOMPARE(lookUp(), RightsOf("R"));

    // Ended by its owner, the library may be started by another thread.
    session.reset();
    int32_t started = 0, ended = 0;
    std::thread next([&] {
        started = Library->Init();
        ended = Library->Done();
    });
    next.join();
    QCOMPARE(started, 1);
    QCOMPARE(ended, 1);
}

void TestCFrontLicence::brokenFile_data()
{
    QTest::addColumn<QByteArray>("licence");
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray rights =
        R"(expected RIGHTS as letters of R, I, M, D, X (lower case: indirect) or "-", found )";
    const QByteArray type = "expected TYPE as Table, Form, Report, Dataport, Codeunit, XMLport, "
                            "MenuSuite or a number 0-7, found ";
    const QByteArray from =
        "expected FROM as a whole number from -2147483648 to 2147483647, found ";
    const QByteArray to = "expected TO as a whole number from -2147483648 to 2147483647, found ";

    QTest::newRow("line before any section")
        << QByteArray("Table 1 R\n") << 1
        << QByteArray(
               R"(expected a section header [Information] or [Permissions], found "Table 1 R")");
    QTest::newRow("blank and comment lines still counted")
        << QByteArray("; note\n\n[Permissions]\nTable 1..10 RIMD\nTable 5 RQ\n") << 5
        << rights + "\"RQ\"";
    QTest::newRow("unknown section")
        << QByteArray("[Information]\nA\n[Licence]\n") << 3
        << QByteArray(R"(expected section [Information] or [Permissions], found "[Licence]")");
    QTest::newRow("unknown type name")
        << QByteArray("[Permissions]\nTabel 1 R\n") << 2 << type + "\"Tabel\"";
    QTest::newRow("type number 8") << QByteArray("[Permissions]\n8 1 R\n") << 2 << type + "\"8\"";
    QTest::newRow("type number -1")
        << QByteArray("[Permissions]\n-1 1 R\n") << 2 << type + "\"-1\"";
    QTest::newRow("FROM not a number")
        << QByteArray("[Permissions]\nTable 1x R\n") << 2 << from + "\"1x\"";
    QTest::newRow("FROM hexadecimal")
        << QByteArray("[Permissions]\nTable 0x10 R\n") << 2 << from + "\"0x10\"";
    QTest::newRow("FROM above 32 bits")
        << QByteArray("[Permissions]\nTable 2147483648 R\n") << 2 << from + "\"2147483648\"";
    QTest::newRow("FROM below 32 bits")
        << QByteArray("[Permissions]\nTable -2147483649..0 R\n") << 2 << from + "\"-2147483649\"";
    QTest::newRow("FROM missing") << QByteArray("[Permissions]\nTable ..5 R\n") << 2
                                  << from + "\"\"";
    QTest::newRow("TO missing") << QByteArray("[Permissions]\nTable 5.. R\n") << 2 << to + "\"\"";
    QTest::newRow("TO above 32 bits")
        << QByteArray("[Permissions]\nTable 1..2147483648 R\n") << 2 << to + "\"2147483648\"";
    QTest::newRow("FROM greater than TO")
        << QByteArray("[Permissions]\nTable 10..5 R\n") << 2
        << QByteArray(R"(expected FROM not greater than TO, found "10..5")");
    QTest::newRow("lower-case letter that is no right")
        << QByteArray("[Permissions]\nTable 1 rq\n") << 2 << rights + "\"rq\"";
    QTest::newRow("a right both direct and indirect")
        << QByteArray("[Permissions]\nTable 1 Rr\n") << 2
        << QByteArray(R"(expected each of R, I, M, D, X at most once in RIGHTS, found "Rr")");
    QTest::newRow("dash with letters")
        << QByteArray("[Permissions]\nTable 1 -R\n") << 2 << rights + "\"-R\"";
    QTest::newRow("rights letter twice")
        << QByteArray("[Permissions]\nTable 1 RIR\n") << 2
        << QByteArray(R"(expected each of R, I, M, D, X at most once in RIGHTS, found "RIR")");
    QTest::newRow("rights missing")
        << QByteArray("[Permissions]\nTable 5\n") << 2
        << QByteArray(R"(expected RIGHTS as letters of R, I, M, D, X or "-" after the numbers, )"
                      "found the end of the line");
    QTest::newRow("range missing")
        << QByteArray("[Permissions]\nTable\n") << 2
        << QByteArray("expected FROM[..TO] after the object type, found the end of the line");
    QTest::newRow("extra field") << QByteArray("[Permissions]\nTable 5 R X\n") << 2
                                 << QByteArray(
                                        R"(expected the end of the line after RIGHTS, found "X")");
    QTest::newRow("comment after a line")
        << QByteArray("[Permissions]\nTable 5 R ; note\n") << 2
        << QByteArray(R"(expected the end of the line after RIGHTS, found ";")");
    QTest::newRow("not UTF-8") << QByteArray("[Information]\nok\nK\xF8"
                                             "benhavn\n")
                               << 3
                               << QByteArray("expected UTF-8 text, found bytes that are not UTF-8");
    QTest::newRow("lines counted with CR LF and byte order mark")
        << QByteArray("\xEF\xBB\xBF[Permissions]\r\nTable 1 R\r\nForm x R\r\n") << 3
        << from + "\"x\"";
    QTest::newRow("found text in UTF-8") << QString("[Permissions]\nTabellø 1 R\n").toUtf8() << 2
                                         << type + QString("\"Tabellø\"").toUtf8();
}

void TestCFrontLicence::brokenFile()
{
    QFETCH(QByteArray, licence);
    QFETCH(int, line);
    QFETCH(QByteArray, expected);

    const QString path = WriteFile("broken.flf", licence);
    const auto session = SessionWith("[Information]\nGood\n[Permissions]\nTable 1 R\n");
    const QByteArray good = session->StatusText(CF_LICENCE_FILE);

    // The file is refused with its cause; the good licence stays active.
    QVERIFY(!session->SetLicenceFile(path));
    QCOMPARE(session->StatusText(CF_LICENCE_LAST_ERROR),
             "Line " + QByteArray::number(line) + ": " + expected);
    QCOMPARE(session->State(), CF_LICENCE_LOADED);
    QCOMPARE(session->StatusText(CF_LICENCE_FILE), good);
    QCOMPARE(session->InformationLines(), Lines({"Good"}));
    QCOMPARE(session->Lookup(Table, 1), RightsOf("R"));
}

void TestCFrontLicence::unreadableFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("error");

    QTest::newRow("missing file") << Folder.filePath("missing.flf") << ENOENT;
    QTest::newRow("folder") << Folder.path() << EISDIR;
    QTest::newRow("empty name") << QString() << ENOENT;
}

void TestCFrontLicence::unreadableFile()
{
    QFETCH(QString, path);
    QFETCH(int, error);

    const auto session = SessionWith("[Information]\nGood\n[Permissions]\nTable 1 R\n");
    QVERIFY(!session->SetLicenceFile(path));
    QCOMPARE(session->StatusText(CF_LICENCE_LAST_ERROR), QByteArray(std::strerror(error)));
    QCOMPARE(session->InformationLines(), Lines({"Good"}));
    QCOMPARE(session->Lookup(Table, 1), RightsOf("R"));
}

// --- the licence read at start -------------------------------------------

void TestCFrontLicence::licenceBesideTheLibrary_data()
{
    QTest::addColumn<bool>("besideTheLibrary");
    QTest::addColumn<QByteArray>("licence");
    QTest::addColumn<QList<QByteArray>>("lines");   // "%1" stands for the folder
    QTest::addColumn<QByteArray>("tableOneRights"); // null when not found
    QTest::addColumn<int32_t>("state");
    QTest::addColumn<QByteArray>("problem");

    QTest::newRow("cfront.flf beside the library")
        << true << QByteArray("[Information]\nBeside\n[Permissions]\nTable 1 RX\n")
        << Lines({"Beside"}) << QByteArray("RX") << CF_LICENCE_LOADED << QByteArray();
    QTest::newRow("nothing beside the library") << false << QByteArray() << QList<QByteArray>()
                                                << QByteArray() << CF_LICENCE_NONE << QByteArray();
    QTest::newRow("broken cfront.flf beside the library")
        << true << QByteArray("[Permissions]\nTable 1 RX\nTable 2 Q\n")
        << Lines({R"(%1/cfront.flf, line 3: expected RIGHTS as letters of R, I, M, D, X (lower )"
                  R"(case: indirect) or "-", found "Q")"})
        << QByteArray() << CF_LICENCE_BROKEN
        << QByteArray(R"(Line 3: expected RIGHTS as letters of R, I, M, D, X (lower case: )"
                      R"(indirect) or "-", found "Q")");
    QTest::newRow("cfront.flf written by the ERP")
        << true << QByteArray("Licensed to: ERP\r\n\x1a\x01\x02")
        << QList<QByteArray>{"Licensed to: ERP", ErpNote} << QByteArray()
        << CF_LICENCE_INFORMATION_ONLY << QByteArray();
}

void TestCFrontLicence::licenceBesideTheLibrary()
{
    QFETCH(bool, besideTheLibrary);
    QFETCH(QByteArray, licence);
    QFETCH(QList<QByteArray>, lines);
    QFETCH(QByteArray, tableOneRights);
    QFETCH(int32_t, state);
    QFETCH(QByteArray, problem);

    // A copy of the library in a folder of its own is loaded apart from the
    // built one and looks for its licence there.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString copy = folder.filePath("libcfront.so");
    QVERIFY(QFile::copy(BuiltLibraryPath(), copy));
    if (besideTheLibrary) {
        QFile file(folder.filePath("cfront.flf"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(licence), licence.size());
    }
    for (QByteArray &line : lines)
        line.replace("%1", folder.path().toUtf8());

    TCFrontLibrary library(copy);
    QVERIFY2(library.Error().isEmpty(), qPrintable(library.Error()));
    TCFrontSession session(library);
    QCOMPARE(session.InformationLines(), lines);
    const auto granted = session.Lookup(Table, 1);
    QCOMPARE(granted.has_value(), !tableOneRights.isNull());
    if (granted)
        QCOMPARE(*granted, RightsOf(tableOneRights));
    QCOMPARE(session.State(), state);
    QCOMPARE(session.StatusText(CF_LICENCE_FILE),
             besideTheLibrary ? folder.filePath("cfront.flf").toUtf8() : QByteArray());
    QCOMPARE(session.StatusText(CF_LICENCE_PROBLEM), problem);
    QCOMPARE(session.StatusText(CF_LICENCE_LAST_ERROR), QByteArray());
}

void TestCFrontLicence::demoLicenceReadsCleanly()
{
    TCFrontSession session(*Library);
    QVERIFY(session.SetLicenceFile(QStringLiteral(QUINTAREL_SAMPLES_DIR "/demo.flf")));
    QCOMPARE(session.InformationLines().value(0), QByteArray("Licensed to: Demo Company AS"));
    QVERIFY(session.Find(session.PermissionTable, session.PermissionRecord, "-"));
}

// --- licence files written by the ERP --------------------------------------

void TestCFrontLicence::erpWrittenFiles_data()
{
    QTest::addColumn<QByteArray>("licence");
    QTest::addColumn<QList<QByteArray>>("lines"); // empty: refused
    QTest::addColumn<int32_t>("state");

    const QByteArray note = ErpNote;
    const QByteArray data("\x00\x01\xff\x1a\r\n[Permissions]\r\nTable 1 R\r\n", 30);
    QTest::newRow("text, 0x1A, data")
        << "Licensed to: Cronus\r\nProduct: Navision\r\n\r\nGranule  Quantity\r\n\x1a" + data
        << QList<QByteArray>{"Licensed to: Cronus", "Product: Navision", "", "Granule  Quantity",
                             note}
        << CF_LICENCE_INFORMATION_ONLY;
    QTest::newRow("code page 850 text kept as it is")
        << QByteArray("Bj\x9brn\tAS\r\n\x1a") + data << QList<QByteArray>{"Bj\x9brn\tAS", note}
        << CF_LICENCE_INFORMATION_ONLY;
    QTest::newRow("line 251 bytes long, cut by the table")
        << QByteArray(251, 'L') + "\r\n\x1a" + data << QList<QByteArray>{QByteArray(250, 'L'), note}
        << CF_LICENCE_INFORMATION_ONLY;
    // Not in that shape: read as the text format, which refuses them.
    QTest::newRow("lines ended by LF alone")
        << "Licensed to: Cronus\n\x1a" + data << QList<QByteArray>() << 0;
    QTest::newRow("last line without CR LF")
        << "Licensed to: Cronus\x1a" + data << QList<QByteArray>() << 0;
    QTest::newRow("control byte in the text")
        << "Licensed\x01 to\r\n\x1a" + data << QList<QByteArray>() << 0;
    QTest::newRow("0x1A first") << "\x1a" + data << QList<QByteArray>() << 0;
    // A text licence that ends in a DOS end-of-file mark is read as text.
    QTest::newRow("text format with a closing 0x1A")
        << QByteArray("[Information]\r\nText\r\n[Permissions]\r\nTable 1 R\r\n\x1a")
        << Lines({"Text"}) << CF_LICENCE_LOADED;
}

void TestCFrontLicence::erpWrittenFiles()
{
    QFETCH(QByteArray, licence);
    QFETCH(QList<QByteArray>, lines);
    QFETCH(int32_t, state);

    const auto session = SessionWith("[Information]\nGood\n[Permissions]\nTable 1 X\n");
    const QString path = WriteFile("erp.flf", licence);
    QCOMPARE(session->SetLicenceFile(path), !lines.isEmpty());
    if (lines.isEmpty()) {
        QVERIFY(!session->StatusText(CF_LICENCE_LAST_ERROR).isEmpty());
        QCOMPARE(session->InformationLines(), Lines({"Good"}));
        return;
    }
    QCOMPARE(session->State(), state);
    QCOMPARE(session->StatusText(CF_LICENCE_FILE), path.toUtf8());
    QCOMPARE(session->InformationLines(), lines);
    // Whatever follows the 0x1A grants nothing.
    QCOMPARE(session->Lookup(Table, 1).has_value(), state == CF_LICENCE_LOADED);
}

// --- the report on the licence ---------------------------------------------

void TestCFrontLicence::licenceReport()
{
    const QString first = WriteFile("first.flf", "[Information]\nFirst\n");
    TCFrontSession session(*Library);
    // A relative name is reported as the full path.
    const QString current = QDir::currentPath();
    QVERIFY(QDir::setCurrent(Folder.path()));
    const bool loaded = session.SetLicenceFile("./first.flf");
    QVERIFY(QDir::setCurrent(current));
    QVERIFY(loaded);
    QCOMPARE(session.State(), CF_LICENCE_LOADED);
    QCOMPARE(session.StatusText(CF_LICENCE_FILE), first.toUtf8());

    // A failed change tells why; the next good one forgets it.
    QVERIFY(!session.SetLicenceFile(Folder.filePath("missing.flf")));
    QCOMPARE(session.StatusText(CF_LICENCE_LAST_ERROR), QByteArray(std::strerror(ENOENT)));
    QCOMPARE(session.StatusText(CF_LICENCE_FILE), first.toUtf8());
    QVERIFY(session.SetLicenceFile(first));
    QCOMPARE(session.StatusText(CF_LICENCE_LAST_ERROR), QByteArray());

    // Buffers: the full length is answered, the text cut to fit with its NUL.
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    QCOMPARE(Library->LicenseStatus(CF_LICENCE_FILE, buffer, 5), int32_t(first.toUtf8().size()));
    QCOMPARE(QByteArray(buffer, 6), first.toUtf8().left(4) + '\0' + 'x');
    QCOMPARE(Library->LicenseStatus(CF_LICENCE_FILE, nullptr, 0), int32_t(first.toUtf8().size()));
    QCOMPARE(Library->LicenseStatus(CF_LICENCE_FILE, buffer, 0), int32_t(first.toUtf8().size()));
    QCOMPARE(buffer[0], first.toUtf8().at(0));
    QCOMPARE(Library->LicenseStatus(4, buffer, sizeof buffer), -1);
    QCOMPARE(Library->LicenseStatus(-1, buffer, sizeof buffer), -1);
}

// --- files a user may pick as a licence ----------------------------------

// Licence files read by the program's own licence reader over the built
// library: the information lines it shows, what one lookup answers, and the
// error of a file it refuses, after which the good licence before it stays.
void TestCFrontLicence::hostileFilesThroughTheProgram_data()
{
    QTest::addColumn<QByteArray>("licence");
    QTest::addColumn<QString>("cause"); // empty when the file loads
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::addColumn<int32_t>("objectType");
    QTest::addColumn<int32_t>("number");
    QTest::addColumn<int>("flags"); // 1: no record

    const QByteArray megabyte(1 << 20, 'M');
    QByteArray manyRanges = "[Permissions]\n";
    for (int32_t i = 0; i < 100000; ++i)
        manyRanges += "Table " + QByteArray::number(i * 10) + ".." +
                      QByteArray::number(i * 10 + 4) + (i % 2 ? " R\n" : " X\n");
    const QList<QByteArray> good{"Good"};

    QTest::newRow("empty file") << QByteArray() << QString() << QList<QByteArray>() << Table << 1
                                << 1;
    QTest::newRow("binary garbage")
        << QByteArray("\x7f"
                      "ELF\x02\x01\x01\0\0\0\xff\xfe\n\0\x1a",
                      16)
        << "Line 1: expected UTF-8 text, found bytes that are not UTF-8" << good << Table << 1 << 2;
    QTest::newRow("NUL bytes in a line")
        << QByteArray("[Permissions]\nTable 1\0 R\n", 24)
        // The library's text ends at the NUL.
        << "Line 2: expected FROM as a whole number from -2147483648 to 2147483647, found \"1"
        << good << Table << 1 << 2;
    // The library's text field holds 250 bytes; the line is cut there.
    QTest::newRow("information line of a megabyte")
        << "[Information]\n" + megabyte + "\n[Permissions]\nTable 7 RI\n"
        << QString() << QList<QByteArray>{megabyte.left(250)} << Table << 7 << (2 | 4);
    // The message quotes the start of a long token only.
    QTest::newRow("permission token of a megabyte")
        << "[Permissions]\nTable 1 R\nTable " + megabyte + " R\n"
        << "Line 3: expected FROM as a whole number from -2147483648 to 2147483647, found \"" +
               QString(40, u'M') + "...\""
        << good << Table << 1 << 2;
    QTest::newRow("100,000 ranges, the last one")
        << manyRanges << QString() << QList<QByteArray>() << Table << 999994 << 2;
    QTest::newRow("100,000 ranges, between two")
        << manyRanges << QString() << QList<QByteArray>() << Table << 999995 << 1;
    QTest::newRow("100,000 ranges, one in the middle")
        << manyRanges << QString() << QList<QByteArray>() << Table << 500002 << 32;
    QTest::newRow("overlapping ranges: the first line in the file wins")
        << QByteArray("[Permissions]\nTable 1..100 R\nTable 50..60 RIMDX\nTable 55 -\n")
        << QString() << QList<QByteArray>() << Table << 55 << 2;
    QTest::newRow("a range inside an earlier one that grants nothing")
        << QByteArray("[Permissions]\nTable 50 -\nTable 1..100 RIMDX\n") << QString()
        << QList<QByteArray>() << Table << 50 << 0;
    QTest::newRow("indirect rights count as granted")
        << QByteArray("[Permissions]\nTable 50 rX\n") << QString() << QList<QByteArray>() << Table
        << 50 << (2 | 32);
    QTest::newRow("number above 32 bits")
        << QByteArray("[Permissions]\nTable 1..4294967296 R\n")
        << "Line 2: expected TO as a whole number from -2147483648 to 2147483647, found "
           "\"4294967296\""
        << good << Table << 1 << 2;
    QTest::newRow("unknown type name")
        << QByteArray("[Permissions]\nPage 21 R\n")
        << "Line 2: expected TYPE as Table, Form, Report, Dataport, Codeunit, XMLport, "
           "MenuSuite or a number 0-7, found \"Page\""
        << good << Table << 1 << 2;
}

void TestCFrontLicence::hostileFilesThroughTheProgram()
{
    QFETCH(QByteArray, licence);
    QFETCH(QString, cause);
    QFETCH(QList<QByteArray>, lines);
    QFETCH(int32_t, objectType);
    QFETCH(int32_t, number);
    QFETCH(int, flags);

    const QString path = WriteFile("hostile.flf", licence);
    TNavisionLicenseFile reader(*Library);
    reader.ChangeLicenseFile(
        WriteFile("good.flf", "[Information]\nGood\n[Permissions]\nTable 1 R\n"));
    QString error;
    try {
        reader.ChangeLicenseFile(path);
    } catch (const TError &failure) {
        error = failure.message();
    }
    QCOMPARE(error, cause.isEmpty()
                        ? QString()
                        : QStringLiteral("Cannot load licence file \"%1\". %2").arg(path, cause));
    QList<QByteArray> shown;
    for (int i = 0; i < reader.GetInfoLineCount(); ++i)
        shown << reader.GetInfoLine(i);
    QCOMPARE(shown, lines);
    QCOMPARE(int(reader.GetPermissions(objectType, number)), flags);
    QCOMPARE(reader.ActiveLicense().FileName,
             QFileInfo(cause.isEmpty() ? path : Folder.filePath("good.flf")).absoluteFilePath());
}

// Paths that hold no licence file: the library refuses them with the cause,
// at once, without waiting on a FIFO or reading /dev/zero without end, and
// keeps the licence it had.
void TestCFrontLicence::hostileFilesAreNoLicenceFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("cause");
    QTest::newRow("FIFO without a writer") << "fifo" << QByteArray("It is not a regular file");
    QTest::newRow("endless device") << "/dev/zero" << QByteArray("It is not a regular file");
    QTest::newRow("missing file") << "missing" << QByteArray(std::strerror(ENOENT));
}

void TestCFrontLicence::hostileFilesAreNoLicenceFiles()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, cause);
    // Only what this test made in its own folder is removed again, never a device.
    const QString ownPath = Folder.filePath("not-a-licence.flf");
    QString path = ownPath;
    if (kind == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(ownPath).constData(), 0600), 0);
    else if (kind.startsWith('/'))
        path = kind;

    const auto session = SessionWith("[Information]\nGood\n[Permissions]\nTable 1 R\n");
    QVERIFY(!session->SetLicenceFile(path));
    QCOMPARE(session->StatusText(CF_LICENCE_LAST_ERROR), cause);
    QCOMPARE(session->InformationLines(), Lines({"Good"}));
    QCOMPARE(session->Lookup(Table, 1), RightsOf("R"));
    if (kind == "fifo")
        QVERIFY(QFile::remove(ownPath));
}

QTEST_GUILESS_MAIN(TestCFrontLicence)
#include "tst_cfrontlicence.moc"
