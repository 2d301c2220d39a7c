// Checks the committed samples/demo.fob and samples/demo.flf: that
// tools/makesamples still writes them byte for byte, that the object file has
// the index layout readers expect, and that both hold the cases that
// samples/README.md promises. The file checks read the bytes column by column
// on their own and share nothing with the generator; the layout functions of
// the generator are tried separately at the end.

#include "fobentry.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace {

const QByteArray CRLF = "\r\n";

QString SamplePath(const char *name) {
    return QDir(QStringLiteral(SAMPLES_DIR)).filePath(QString::fromLatin1(name));
}

QByteArray ReadFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString FirstDifference(const QByteArray &expected, const QByteArray &actual) {
    const qsizetype common = std::min(expected.size(), actual.size());
    for (qsizetype i = 0; i < common; ++i) {
        if (expected.at(i) != actual.at(i))
            return QStringLiteral("first difference at byte %1").arg(i);
    }
    return QStringLiteral("sizes %1 and %2").arg(expected.size()).arg(actual.size());
}

// One entry of the index. Columns are counted from 1.
struct TEntry {
    qsizetype Offset = 0;
    bool TableData = false;
    QByteArray Bytes;

    QByteArray Column(int first, int last) const { return Bytes.mid(first - 1, last - first + 1); }
    QByteArray Tag() const { return Column(1, 10); }
    QByteArray IDField() const { return Column(11, 20); }
    QByteArray NameField() const { return Column(22, 51); }
    QByteArray DateField() const { return Column(52, 63); }
    QByteArray TimeField() const { return Column(65, 78); }
    QByteArray SizeField() const { return Column(82, 101); }
    QByteArray VersionField() const { return Column(103, 159); }

    int32_t ID() const { return IDField().trimmed().toInt(); }
    QByteArray Name() const { return NameField().trimmed(); }
    QByteArray Date() const { return DateField().trimmed(); }
    QByteArray Time() const { return TimeField().trimmed(); }
    // "Type ID Name" with the name's ASCII letters folded, as readers compare keys.
    QByteArray Key() const {
        return Tag().trimmed() + ' ' + QByteArray::number(ID()) + ' ' + Name().toLower();
    }
};

struct TIndex {
    QList<TEntry> Entries;
    qsizetype End = -1; // the offset of the byte after the last entry
    QString Error;

    QList<TEntry> Objects() const {
        QList<TEntry> objects;
        for (const TEntry &entry : Entries) {
            if (!entry.TableData)
                objects.append(entry);
        }
        return objects;
    }
};

// Walks the index as readers do: an entry that begins with "TableData " is
// 108 bytes long, any other 161; a 0x1A where an entry would begin ends it.
TIndex ReadIndex(const QByteArray &file) {
    TIndex index;
    qsizetype pos = 0;
    while (pos < file.size() && file.at(pos) != '\x1A') {
        TEntry entry;
        entry.Offset = pos;
        entry.TableData = file.mid(pos, 10) == "TableData ";
        const qsizetype size = entry.TableData ? 108 : 161;
        if (pos + size > file.size()) {
            index.Error = QStringLiteral("the entry at byte %1 runs past the end").arg(pos);
            return index;
        }
        entry.Bytes = file.mid(pos, size);
        index.Entries.append(entry);
        pos += size;
    }
    index.End = pos;
    return index;
}

bool HasControlByte(const QByteArray &text) {
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            return true;
    }
    return false;
}

// A right-aligned decimal number that fits 32 bits: blanks, then digits.
bool IsRightAlignedInteger(const QByteArray &field, bool mayBeNegative) {
    static const QRegularExpression signedNumber(QStringLiteral("^ *-?[0-9]+$"));
    static const QRegularExpression unsignedNumber(QStringLiteral("^ *[0-9]+$"));
    const auto &pattern = mayBeNegative ? signedNumber : unsignedNumber;
    if (!pattern.match(QString::fromLatin1(field)).hasMatch())
        return false;
    bool ok = false;
    const qlonglong value = field.trimmed().toLongLong(&ok);
    return ok && value >= std::numeric_limits<int32_t>::min() &&
           value <= std::numeric_limits<int32_t>::max();
}

// Empty when the date reads as a date in day-month-year, month-day-year and
// year-month-day order alike (two-digit years read as 20yy); else why not.
QString CheckDate(const QByteArray &field) {
    static const QRegularExpression pattern(
        QStringLiteral("^ *([0-9]{2})([-./])([0-9]{2})\\2([0-9]{2})$"));
    const auto match = pattern.match(QString::fromLatin1(field));
    if (!match.hasMatch())
        return QStringLiteral("is no right-aligned dd-dd-dd date");
    const int a = match.captured(1).toInt();
    const int b = match.captured(3).toInt();
    const int c = match.captured(4).toInt();
    if (!QDate(2000 + c, b, a).isValid())
        return QStringLiteral("is no date in day-month-year order");
    if (!QDate(2000 + c, a, b).isValid())
        return QStringLiteral("is no date in month-day-year order");
    if (!QDate(2000 + a, b, c).isValid())
        return QStringLiteral("is no date in year-month-day order");
    return {};
}

QString CheckTime(const QByteArray &field) {
    static const QRegularExpression pattern(
        QStringLiteral("^ *([0-9]{2})([:.])([0-9]{2})\\2([0-9]{2})( (AM|PM))?$"));
    const auto match = pattern.match(QString::fromLatin1(field));
    if (!match.hasMatch())
        return QStringLiteral("is no right-aligned hh:mm:ss time");
    const int hour = match.captured(1).toInt();
    const bool twelveHour = match.hasCaptured(5);
    const bool hourOk = twelveHour ? hour >= 1 && hour <= 12 : hour <= 23;
    if (!hourOk || match.captured(3).toInt() > 59 || match.captured(4).toInt() > 59)
        return QStringLiteral("is no time of day");
    return {};
}

// The licence as the stand-in library reads it.
struct TPermissionLine {
    int Type = -1;
    qint64 From = 0;
    qint64 To = 0;
    QString Rights; // letters of R, I, M, D, X, or "-"
};

struct TLicence {
    QStringList Information;
    QList<TPermissionLine> Permissions;
    QStringList Errors;
};

int LicenceTypeNumber(const QString &word) {
    static const QStringList names = {QStringLiteral("table"),    QStringLiteral("form"),
                                      QStringLiteral("report"),   QStringLiteral("dataport"),
                                      QStringLiteral("codeunit"), QStringLiteral("xmlport"),
                                      QStringLiteral("menusuite")};
    const qsizetype named = names.indexOf(word.toLower());
    if (named >= 0)
        return int(named) + 1;
    bool ok = false;
    const int number = word.toInt(&ok);
    return ok && number >= 0 && number <= 7 ? number : -1;
}

TLicence ReadLicence(const QString &text) {
    static const QRegularExpression permission(
        QStringLiteral("^(\\S+) +(-?[0-9]+)(?:\\.\\.(-?[0-9]+))? +([RIMDX]+|-)$"));
    TLicence licence;
    QString section;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString where = QStringLiteral("line %1 \"%2\"").arg(i + 1).arg(line);
        if (line.trimmed().isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            section = line;
            if (section != u"[Information]" && section != u"[Permissions]")
                licence.Errors.append(where + QStringLiteral(": unknown section"));
            continue;
        }
        if (section == u"[Information]") {
            licence.Information.append(line);
            continue;
        }
        if (section != u"[Permissions]") {
            licence.Errors.append(where + QStringLiteral(": outside any section"));
            continue;
        }
        const auto match = permission.match(line);
        if (!match.hasMatch()) {
            licence.Errors.append(where + QStringLiteral(": no permission line"));
            continue;
        }
        TPermissionLine record;
        record.Type = LicenceTypeNumber(match.captured(1));
        record.From = match.captured(2).toLongLong();
        record.To = match.hasCaptured(3) ? match.captured(3).toLongLong() : record.From;
        record.Rights = match.captured(4);
        const auto fits = [](qint64 n) {
            return n >= std::numeric_limits<int32_t>::min() &&
                   n <= std::numeric_limits<int32_t>::max();
        };
        if (record.Type < 0)
            licence.Errors.append(where + QStringLiteral(": unknown type"));
        else if (!fits(record.From) || !fits(record.To) || record.From > record.To)
            licence.Errors.append(where + QStringLiteral(": bad range"));
        else if (QSet<QChar>(record.Rights.begin(), record.Rights.end()).size() !=
                 record.Rights.size())
            licence.Errors.append(where + QStringLiteral(": a right given twice"));
        else
            licence.Permissions.append(record);
    }
    return licence;
}

int ObjectTypeNumber(const QByteArray &tag) {
    static const QList<QByteArray> tags = {"Table     ", "Form      ", "Report    ", "Dataport  ",
                                           "Codeunit  ", "XMLport   ", "MenuSuite "};
    return int(tags.indexOf(tag)) + 1; // 0 for the tags of other types
}

const QString NoRecord = QStringLiteral("(no record)");

// The rights of the first line that holds the object, and those of every
// later one that holds it too.
QStringList MatchingRights(const TLicence &licence, const TEntry &object) {
    QStringList rights;
    const int type = ObjectTypeNumber(object.Tag());
    for (const TPermissionLine &line : licence.Permissions) {
        if (line.Type == type && line.From <= object.ID() && object.ID() <= line.To)
            rights.append(line.Rights);
    }
    return rights;
}

TObjectEntryFields SomeFields() {
    TObjectEntryFields fields;
    fields.TypeName = "Codeunit";
    fields.ID = -1;
    fields.Name = "Negative ID test";
    fields.Date = "09/12/10";
    fields.Time = "11:59:59 AM";
    fields.Size = 1024;
    fields.VersionList = "DEMO1.00";
    return fields;
}

} // namespace

class TestSampleFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void generatorWritesTheCommittedSamples();
    void generatorRefusesWrongArguments();

    void indexEntriesHaveTheirLayout();
    void indexFieldsConvert();
    void objectFileHoldsTheSpecialCases();

    void licenceIsWellFormed();
    void licenceGrantsAVarietyOnTheObjectFile();

    void objectEntryPutsFieldsInTheirColumns();
    void objectEntryTakesFieldsThatFillTheirColumns();
    void objectEntryRefusesWhatWouldNotReadBack_data();
    void objectEntryRefusesWhatWouldNotReadBack();
    void tableDataEntryLayout();

private:
    QByteArray Fob;
    QByteArray Flf;
    TIndex Index;
};

void TestSampleFiles::initTestCase() {
    Fob = ReadFile(SamplePath("demo.fob"));
    Flf = ReadFile(SamplePath("demo.flf"));
    QVERIFY2(!Fob.isEmpty(), "samples/demo.fob missing or empty");
    QVERIFY2(!Flf.isEmpty(), "samples/demo.flf missing or empty");
    Index = ReadIndex(Fob);
    QVERIFY2(Index.Error.isEmpty(), qPrintable(Index.Error));
}

void TestSampleFiles::generatorWritesTheCommittedSamples() {
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    // A folder that doesn't exist yet: the generator makes it.
    const QString outDir = temp.filePath(QStringLiteral("new/samples"));
    QProcess process;
    process.start(QStringLiteral(MAKESAMPLES_PATH), {outDir});
    QVERIFY2(process.waitForFinished(30000), qPrintable(process.errorString()));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());

    for (const char *name : {"demo.fob", "demo-update.fob", "demo.flf"}) {
        const QByteArray generated = ReadFile(QDir(outDir).filePath(QString::fromLatin1(name)));
        const QByteArray committed = ReadFile(SamplePath(name));
        QVERIFY2(!committed.isEmpty(), name);
        QVERIFY2(
            generated == committed,
            qPrintable(QStringLiteral("%1 differs from what makesamples writes (%2); "
                                      "run makesamples samples/ and commit the result")
                           .arg(QString::fromLatin1(name), FirstDifference(committed, generated))));
    }
}

void TestSampleFiles::generatorRefusesWrongArguments() {
    const QList<QStringList> wrong = {{}, {QStringLiteral("a"), QStringLiteral("b")}};
    for (const QStringList &arguments : wrong) {
        QProcess process;
        process.start(QStringLiteral(MAKESAMPLES_PATH), arguments);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QVERIFY(process.exitCode() != 0);
        QVERIFY(process.readAllStandardError().contains("usage"));
    }
}

void TestSampleFiles::indexEntriesHaveTheirLayout() {
    QVERIFY(!Index.Entries.isEmpty());
    for (const TEntry &entry : Index.Entries) {
        const QString where = QStringLiteral("entry at byte %1").arg(entry.Offset);
        if (entry.TableData) {
            QVERIFY2(entry.Bytes.endsWith(CRLF), qPrintable(where));
            QVERIFY2(!HasControlByte(entry.Bytes.left(106)), qPrintable(where));
            continue;
        }
        QVERIFY2(entry.Column(80, 81) == CRLF, qPrintable(where + ": no CR LF at 80-81"));
        QVERIFY2(entry.Column(160, 161) == CRLF, qPrintable(where + ": no CR LF at 160-161"));
        QVERIFY2(!HasControlByte(entry.Column(1, 79)) && !HasControlByte(entry.Column(82, 159)),
                 qPrintable(where + ": a control byte inside a line"));
        for (int column : {21, 64, 79, 102})
            QVERIFY2(entry.Column(column, column) == " ",
                     qPrintable(where + QStringLiteral(": column %1 not blank").arg(column)));
    }

    // One to four 0x1A bytes end the index; the bodies follow.
    qsizetype pos = Index.End;
    while (pos < Fob.size() && Fob.at(pos) == '\x1A')
        ++pos;
    const qsizetype markers = pos - Index.End;
    QVERIFY2(markers >= 1 && markers <= 4, qPrintable(QString::number(markers)));
    const QByteArray bodies = Fob.mid(pos);
    QVERIFY2(!bodies.isEmpty(), "no bodies after the index");
    for (char byte : {'\x00', '\x1A', '\xFF'})
        QVERIFY2(bodies.contains(byte), qPrintable(QString::number(uchar(byte), 16)));
}

void TestSampleFiles::indexFieldsConvert() {
    static const QList<QByteArray> tags = {"Table     ", "Form      ", "Report    ",
                                           "Dataport  ", "Codeunit  ", "XMLport   ",
                                           "MenuSuite ", "Page      ", "Query     "};
    for (const TEntry &entry : Index.Objects()) {
        const QString where = QStringLiteral("entry at byte %1").arg(entry.Offset);
        QVERIFY2(tags.contains(entry.Tag()), qPrintable(where + ": tag"));
        QVERIFY2(IsRightAlignedInteger(entry.IDField(), true), qPrintable(where + ": ID"));
        QVERIFY2(IsRightAlignedInteger(entry.SizeField(), false), qPrintable(where + ": size"));
        QVERIFY2(!entry.Name().isEmpty() && !entry.NameField().startsWith(' '),
                 qPrintable(where + ": name"));
        QVERIFY2(!entry.VersionField().startsWith(' ') || entry.VersionField().trimmed().isEmpty(),
                 qPrintable(where + ": version list"));
        if (!entry.Date().isEmpty()) {
            const QString problem = CheckDate(entry.DateField());
            QVERIFY2(problem.isEmpty(), qPrintable(where + ": date " + problem));
        }
        if (!entry.Time().isEmpty()) {
            const QString problem = CheckTime(entry.TimeField());
            QVERIFY2(problem.isEmpty(), qPrintable(where + ": time " + problem));
        }
    }
}

void TestSampleFiles::objectFileHoldsTheSpecialCases() {
    const QList<TEntry> objects = Index.Objects();

    QMap<QByteArray, int> perTag;
    for (const TEntry &entry : objects)
        ++perTag[entry.Tag().trimmed()];
    for (const char *tag : {"Table", "Form", "Report", "Codeunit"})
        QVERIFY2(perTag.value(tag) >= 3, tag);
    for (const char *tag : {"Dataport", "XMLport", "MenuSuite", "Page", "Query"})
        QVERIFY2(perTag.value(tag) >= 1, tag);

    const auto any = [&objects](auto predicate) {
        return std::any_of(objects.begin(), objects.end(), predicate);
    };
    QVERIFY2(any([&](const TEntry &page) {
                 return page.Tag() == "Page      " && any([&](const TEntry &query) {
                            return query.Tag() == "Query     " && query.ID() == page.ID() &&
                                   query.Name() == page.Name();
                        });
             }),
             "no Page and Query of one number and name");
    QVERIFY2(any([](const TEntry &e) { return e.ID() < 0; }), "no negative ID");
    for (const char *tag : {"Table     ", "Form      "})
        QVERIFY2(any([tag](const TEntry &e) { return e.Tag() == tag && e.ID() >= 2000000000; }),
                 tag);

    // Both kinds of duplicate key, each after the entry it repeats.
    bool exactDuplicate = false;
    bool caseDuplicate = false;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        for (qsizetype j = i + 1; j < objects.size(); ++j) {
            const TEntry &first = objects.at(i);
            const TEntry &second = objects.at(j);
            if (first.Key() != second.Key())
                continue;
            if (first.Name() == second.Name())
                exactDuplicate |= first.DateField() != second.DateField() &&
                                  first.SizeField() != second.SizeField();
            else
                caseDuplicate = true;
        }
    }
    QVERIFY2(exactDuplicate, "no duplicate with another date and size");
    QVERIFY2(caseDuplicate, "no duplicate differing in letter case");

    // Two table-data entries with objects between them.
    QList<qsizetype> tableData;
    for (qsizetype i = 0; i < Index.Entries.size(); ++i) {
        if (Index.Entries.at(i).TableData)
            tableData.append(i);
    }
    QVERIFY2(tableData.size() >= 2 && tableData.at(1) - tableData.at(0) > 1,
             "no two separate table-data entries");

    QVERIFY2(any([](const TEntry &e) { return !e.Date().isEmpty() && e.Time().isEmpty(); }),
             "no entry with a date and no time");
    QVERIFY2(any([](const TEntry &e) { return e.Date().isEmpty() && e.Time().isEmpty(); }),
             "no entry without date and time");
    QHash<QByteArray, QSet<QByteArray>> timesPerDate;
    for (const TEntry &entry : objects)
        timesPerDate[entry.Date()].insert(entry.Time());
    timesPerDate.remove("");
    QVERIFY2(std::any_of(timesPerDate.begin(), timesPerDate.end(),
                         [](const QSet<QByteArray> &times) { return times.size() >= 3; }),
             "no date with several times");

    QSet<char> dateSeparators;
    QSet<char> timeSeparators;
    bool twelveHourTime = false;
    for (const TEntry &entry : objects) {
        if (entry.Date().size() == 8)
            dateSeparators.insert(entry.Date().at(2));
        if (entry.Time().size() >= 8)
            timeSeparators.insert(entry.Time().at(2));
        twelveHourTime |= entry.Time().endsWith(" AM") || entry.Time().endsWith(" PM");
    }
    QCOMPARE(dateSeparators, (QSet<char>{'-', '.', '/'}));
    QCOMPARE(timeSeparators, (QSet<char>{':', '.'}));
    QVERIFY(twelveHourTime);

    // Fields that fill their columns.
    QVERIFY2(any([](const TEntry &e) { return !e.IDField().startsWith(' '); }), "ID");
    QVERIFY2(any([](const TEntry &e) { return !e.NameField().endsWith(' '); }), "name");

    // Names in code page 850: ø 9B, å 86, Å 8F, Æ 92, Ø 9D, æ 91.
    for (const QByteArray &name :
         {QByteArray("Budsjettoppf\x9Blging"), QByteArray("Betalingsmelding p\x86"),
          QByteArray("Kundeoversikt \x8F"
                     "lesund"),
          QByteArray("\x92\x9D\x8F \x91\x9B\x86 Import Test"), QByteArray("S\x91ravgift"),
          QByteArray("L\x9Bnnsfil \x9D"
                     "konomi")}) {
        QVERIFY2(any([&name](const TEntry &e) { return e.Name() == name; }),
                 name.toPercentEncoding(" /-").constData());
    }
}

void TestSampleFiles::licenceIsWellFormed() {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(Flf);
    QVERIFY2(!decoder.hasError(), "demo.flf is not UTF-8");
    QVERIFY(text.contains(u"\n[Information]\n") && text.contains(u"\n[Permissions]\n"));

    const TLicence licence = ReadLicence(text);
    QVERIFY2(licence.Errors.isEmpty(), qPrintable(licence.Errors.join(u'\n')));
    QVERIFY(licence.Information.size() >= 5);
    QVERIFY(std::any_of(licence.Information.begin(), licence.Information.end(),
                        [](const QString &line) { return line.contains(u'Å'); }));
    QVERIFY(std::any_of(licence.Information.begin(), licence.Information.end(),
                        [](const QString &line) { return line.contains(u'ø'); }));
    // Type names in other letter cases and type numbers are used too.
    QVERIFY(text.contains(u"\nFORM ") && text.contains(u"\nmenusuite "));
    QVERIFY(text.contains(u"\n0 ") && text.contains(u"\n5 "));
}

void TestSampleFiles::licenceGrantsAVarietyOnTheObjectFile() {
    const TLicence licence = ReadLicence(QString::fromUtf8(Flf));
    QVERIFY(licence.Errors.isEmpty());

    QSet<QByteArray> keys;
    QSet<QString> outcomes;
    bool earlierLineWins = false;
    for (const TEntry &object : Index.Objects()) {
        if (keys.contains(object.Key()))
            continue; // readers keep the first entry of a key
        keys.insert(object.Key());
        const QStringList rights = MatchingRights(licence, object);
        const QString outcome = rights.isEmpty() ? NoRecord : rights.first();
        outcomes.insert(outcome);
        earlierLineWins |= rights.size() > 1 && rights.at(1) != rights.at(0);
        const QString where = QString::fromLatin1(object.Key());
        if (object.ID() < 0)
            QVERIFY2(outcome == NoRecord, qPrintable(where));
        if (ObjectTypeNumber(object.Tag()) == 0)
            QVERIFY2(outcome != NoRecord, qPrintable(where));
    }
    for (const QString &expected : {NoRecord, QStringLiteral("-"), QStringLiteral("R"),
                                    QStringLiteral("X"), QStringLiteral("RIMDX")})
        QVERIFY2(outcomes.contains(expected), qPrintable(expected));
    QVERIFY2(outcomes.size() >= 7,
             qPrintable(QStringList(outcomes.begin(), outcomes.end()).join(QStringLiteral(", "))));
    QVERIFY2(earlierLineWins, "no object whose first matching line differs from a later one");
}

void TestSampleFiles::objectEntryPutsFieldsInTheirColumns() {
    TEntry entry;
    entry.Bytes = LayOutObjectEntry(SomeFields());
    QCOMPARE(entry.Bytes.size(), 161);
    QCOMPARE(entry.Tag(), QByteArray("Codeunit  "));
    QCOMPARE(entry.IDField(), QByteArray("        -1"));
    QCOMPARE(entry.NameField(), QByteArray("Negative ID test              "));
    QCOMPARE(entry.DateField(), QByteArray("    09/12/10"));
    QCOMPARE(entry.TimeField(), QByteArray("   11:59:59 AM"));
    QCOMPARE(entry.SizeField(), QByteArray("                1024"));
    QCOMPARE(entry.VersionField(), QByteArray("DEMO1.00").leftJustified(57, ' '));
    QCOMPARE(entry.Column(80, 81), CRLF);
    QCOMPARE(entry.Column(160, 161), CRLF);
    for (int column : {21, 64, 79, 102})
        QCOMPARE(entry.Column(column, column), QByteArray(" "));

    TObjectEntryFields blank = SomeFields();
    blank.Date.clear();
    blank.Time.clear();
    blank.VersionList.clear();
    entry.Bytes = LayOutObjectEntry(blank);
    QCOMPARE(entry.Column(52, 79), QByteArray(28, ' '));
    QCOMPARE(entry.Column(103, 159), QByteArray(57, ' '));
}

void TestSampleFiles::objectEntryTakesFieldsThatFillTheirColumns() {
    TObjectEntryFields fields = SomeFields();
    fields.TypeName = "ABCDEFGHIJ";
    fields.ID = std::numeric_limits<int32_t>::max();
    fields.Name = QByteArray(30, 'N');
    fields.Date = QByteArray(12, '1');
    fields.Time = QByteArray(14, '2');
    fields.Size = std::numeric_limits<int32_t>::max();
    fields.VersionList = QByteArray(57, 'V');
    TEntry entry;
    entry.Bytes = LayOutObjectEntry(fields);
    QCOMPARE(entry.Bytes.size(), 161);
    QCOMPARE(entry.Tag(), fields.TypeName);
    QCOMPARE(entry.IDField(), QByteArray("2147483647"));
    QCOMPARE(entry.NameField(), fields.Name);
    QCOMPARE(entry.DateField(), fields.Date);
    QCOMPARE(entry.TimeField(), fields.Time);
    QCOMPARE(entry.SizeField(), QByteArray("2147483647").rightJustified(20, ' '));
    QCOMPARE(entry.VersionField(), fields.VersionList);
    QCOMPARE(entry.Column(80, 81), CRLF);
    QCOMPARE(entry.Column(160, 161), CRLF);

    fields.ID = -999999999; // ten characters with the sign
    entry.Bytes = LayOutObjectEntry(fields);
    QCOMPARE(entry.IDField(), QByteArray("-999999999"));
}

void TestSampleFiles::objectEntryRefusesWhatWouldNotReadBack_data() {
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QByteArray>("value");

    QTest::newRow("type too long") << QByteArray("type") << QByteArray(11, 'T');
    QTest::newRow("type empty") << QByteArray("type") << QByteArray();
    QTest::newRow("type of table data") << QByteArray("type") << QByteArray("TableData");
    QTest::newRow("type ending in a blank") << QByteArray("type") << QByteArray("Table ");
    QTest::newRow("ID too long") << QByteArray("id") << QByteArray("-2147483648");
    QTest::newRow("name too long") << QByteArray("name") << QByteArray(31, 'N');
    QTest::newRow("name with CR") << QByteArray("name") << QByteArray("Sales\rPost");
    QTest::newRow("name with LF") << QByteArray("name") << QByteArray("Sales\nPost");
    QTest::newRow("name with 1A") << QByteArray("name") << QByteArray("Sales\x1APost");
    QTest::newRow("name with NUL") << QByteArray("name") << QByteArray("Sales\0Post", 10);
    QTest::newRow("name beginning with a blank") << QByteArray("name") << QByteArray(" Item");
    QTest::newRow("date too long") << QByteArray("date") << QByteArray(13, '1');
    QTest::newRow("time too long") << QByteArray("time") << QByteArray(15, '2');
    QTest::newRow("size negative") << QByteArray("size") << QByteArray("-1");
    QTest::newRow("version list too long") << QByteArray("version") << QByteArray(58, 'V');
    QTest::newRow("version list with LF") << QByteArray("version") << QByteArray("A\nB");
}

void TestSampleFiles::objectEntryRefusesWhatWouldNotReadBack() {
    QFETCH(QByteArray, field);
    QFETCH(QByteArray, value);
    TObjectEntryFields fields = SomeFields();
    if (field == "type")
        fields.TypeName = value;
    else if (field == "id")
        fields.ID = int32_t(value.toLongLong());
    else if (field == "name")
        fields.Name = value;
    else if (field == "date")
        fields.Date = value;
    else if (field == "time")
        fields.Time = value;
    else if (field == "size")
        fields.Size = value.toInt();
    else
        fields.VersionList = value;
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, LayOutObjectEntry(fields));
}

void TestSampleFiles::tableDataEntryLayout() {
    TEntry entry;
    entry.Bytes = LayOutTableDataEntry(18, 25, 8192);
    QCOMPARE(entry.Bytes.size(), 108);
    QCOMPARE(entry.Column(1, 10), QByteArray("TableData "));
    QCOMPARE(entry.Column(11, 20), QByteArray("        18"));
    QCOMPARE(entry.Column(22, 41), QByteArray("25").rightJustified(20, ' '));
    QCOMPARE(entry.Column(43, 62), QByteArray("8192").rightJustified(20, ' '));
    QCOMPARE(entry.Column(63, 106), QByteArray(44, ' '));
    QCOMPARE(entry.Column(107, 108), CRLF);
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, LayOutTableDataEntry(18, -1, 0));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, LayOutTableDataEntry(18, 0, -1));
}

QTEST_GUILESS_MAIN(TestSampleFiles)
#include "samplefilestest.moc"
