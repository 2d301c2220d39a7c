// Building an object from its index entry, and the texts derived from it.
#include "core/reading/codepage.h"
#include "core/reading/conversions.h"
#include "core/reading/entryconverter.h"
#include "entries.h"
#include "core/errors.h"
#include "core/model/navisionobject.h"
#include "settings.h"

#include <QTest>

class TestNavisionObject : public QObject {
    Q_OBJECT

private slots:
    void objectType_data();
    void objectType();
    void fields();
    void trimsNameAndVersionList_data();
    void trimsNameAndVersionList();
    void dateFieldsUnderRegionalSettings_data();
    void dateFieldsUnderRegionalSettings();
    void blankDateAndTime();
    void generatedDateFieldsReadAsOneText_data();
    void generatedDateFieldsReadAsOneText();
    void conversionErrors_data();
    void conversionErrors();
    void permissionText_data();
    void permissionText();
    void keyAndListLine_data();
    void keyAndListLine();
    void versionListsShareOnePool();
    void shortEntryReadsAsBlanks();
    void controlCharactersInEveryField_data();
    void controlCharactersInEveryField();
};

void TestNavisionObject::objectType_data()
{
    QTest::addColumn<QByteArray>("tag");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("typeName");

    QTest::newRow("Table") << QByteArray("Table     ") << 1 << QByteArray("Table");
    QTest::newRow("Form") << QByteArray("Form      ") << 2 << QByteArray("Form");
    QTest::newRow("Report") << QByteArray("Report    ") << 3 << QByteArray("Report");
    QTest::newRow("Dataport") << QByteArray("Dataport  ") << 4 << QByteArray("Dataport");
    QTest::newRow("Codeunit") << QByteArray("Codeunit  ") << 5 << QByteArray("Codeunit");
    QTest::newRow("XMLport") << QByteArray("XMLport   ") << 6 << QByteArray("XMLport");
    QTest::newRow("MenuSuite") << QByteArray("MenuSuite ") << 7 << QByteArray("MenuSuite");
    QTest::newRow("capitals") << QByteArray("TABLE     ") << 0 << QByteArray("TABLE");
    QTest::newRow("tab in the tag") << QByteArray("Table\t    ") << 0 << QByteArray("Table");
    QTest::newRow("Page") << QByteArray("Page      ") << 0 << QByteArray("Page");
    QTest::newRow("Query") << QByteArray("Query     ") << 0 << QByteArray("Query");
}

void TestNavisionObject::objectType()
{
    QFETCH(QByteArray, tag);
    QFETCH(int, type);
    QFETCH(QByteArray, typeName);
    const TNavisionObject object(Entry(tag, "3", "Demo"), UsSettings());
    QCOMPARE(int(object.ObjectType()), type);
    QCOMPARE(object.GetTypeName(), typeName);
    QCOMPARE(object.GetKey(), typeName + " 3 Demo");
}

void TestNavisionObject::fields()
{
    TEntryFields f;
    f.Tag = "Codeunit  ";
    f.ID = "80";
    f.Name = "Sales-Post";
    f.Date = "31-12-08";
    f.Time = "23:59:59";
    f.Size = "123456";
    f.VersionList = "NAVW17.00,NAVNO7.00";
    const QByteArray entry = Entry(f);
    QCOMPARE(entry.size(), TNavisionObject::EntrySize);

    const TNavisionObject object(entry, DottedSettings());
    QCOMPARE(object.ObjectType(), otCodeunit);
    QCOMPARE(object.ID(), 80);
    QCOMPARE(object.Name(), QByteArray("Sales-Post"));
    QCOMPARE(object.DateTime(), EncodeDateTime(QDate(2008, 12, 31), QTime(23, 59, 59)));
    QVERIFY(object.HasDateTime());
    QCOMPARE(object.Size(), 123456);
    QCOMPARE(object.VersionList(), QByteArray("NAVW17.00,NAVNO7.00"));
    QCOMPARE(object.Permissions(), pfNoRecord);
}

void TestNavisionObject::trimsNameAndVersionList_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("expectedName");
    QTest::addColumn<QByteArray>("versionList");
    QTest::addColumn<QByteArray>("expectedVersionList");

    QTest::newRow("leading blanks")
        << QByteArray("   Demo") << QByteArray("Demo") << QByteArray("  V1") << QByteArray("V1");
    QTest::newRow("control characters")
        << QByteArray("\t\x01"
                      "Demo\0",
                      8)
        << QByteArray("Demo") << QByteArray("V1\x1f") << QByteArray("V1");
    QTest::newRow("thirty characters whole") << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234")
                                             << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZ1234")
                                             << QByteArray(57, 'v') << QByteArray(57, 'v');
    QTest::newRow("bytes above 0x7F kept")
        << QByteArray("Budsjettoppf\x9blging") << QByteArray("Budsjettoppf\x9blging")
        << QByteArray("\x86") << QByteArray("\x86");
}

void TestNavisionObject::trimsNameAndVersionList()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, expectedName);
    QFETCH(QByteArray, versionList);
    QFETCH(QByteArray, expectedVersionList);
    TEntryFields f;
    f.Name = name;
    f.VersionList = versionList;
    const TNavisionObject object(Entry(f), UsSettings());
    QCOMPARE(object.Name(), expectedName);
    QCOMPARE(object.VersionList(), expectedVersionList);
}

void TestNavisionObject::dateFieldsUnderRegionalSettings_data()
{
    QTest::addColumn<QByteArray>("date");
    QTest::addColumn<QByteArray>("time");
    QTest::addColumn<TRegionalSettings>("settings");
    QTest::addColumn<QDate>("expectedDate");
    QTest::addColumn<QTime>("expectedTime");

    TRegionalSettings dayFirstSlash = UsSettings();
    dayFirstSlash.ShortDateFormat = QStringLiteral("d/M/yy");

    QTest::newRow("hyphens, month first") << QByteArray("01-02-03") << QByteArray("")
                                          << UsSettings() << QDate(2003, 1, 2) << QTime(0, 0);
    QTest::newRow("hyphens, day first") << QByteArray("01-02-03") << QByteArray("") << dayFirstSlash
                                        << QDate(2003, 2, 1) << QTime(0, 0);
    QTest::newRow("dots under a slash region")
        << QByteArray("15.11.16") << QByteArray("16.20.12") << dayFirstSlash << QDate(2016, 11, 15)
        << QTime(16, 20, 12);
    QTest::newRow("slashes under a dot region")
        << QByteArray("24/03/17") << QByteArray("16:48:59") << DottedSettings()
        << QDate(2017, 3, 24) << QTime(16, 48, 59);
    QTest::newRow("AM/PM time") << QByteArray("09/15/15") << QByteArray("12:00:00 PM")
                                << UsSettings() << QDate(2015, 9, 15) << QTime(12, 0);
    QTest::newRow("fraction after a full stop ignored")
        << QByteArray("01-02-03") << QByteArray("10:15:30.250") << UsSettings() << QDate(2003, 1, 2)
        << QTime(10, 15, 30);
    QTest::newRow("blank date with a time") << QByteArray("") << QByteArray("12:00:00")
                                            << UsSettings() << QDate(1899, 12, 30) << QTime(12, 0);
}

void TestNavisionObject::dateFieldsUnderRegionalSettings()
{
    QFETCH(QByteArray, date);
    QFETCH(QByteArray, time);
    QFETCH(TRegionalSettings, settings);
    QFETCH(QDate, expectedDate);
    QFETCH(QTime, expectedTime);
    TEntryFields f;
    f.Date = date;
    f.Time = time;
    const TNavisionObject object(Entry(f), settings);
    const auto decoded = DecodeDateTime(object.DateTime());
    QCOMPARE(decoded.Date, expectedDate);
    QCOMPARE(decoded.Time, expectedTime);
}

// Add-on vendors leave both fields blank: no date-time, no error.
void TestNavisionObject::blankDateAndTime()
{
    TEntryFields f;
    f.Date = "";
    f.Time = "";
    f.Size = "42";
    const TNavisionObject object(Entry(f), UsSettings());
    QVERIFY(!object.HasDateTime());
    QCOMPARE(object.DateTime(), 0.0);
    QCOMPARE(object.GetDateTimeText(UsSettings()), QString());
    QCOMPARE(object.GetListLine(UsSettings()), QByteArray("Table\t1\tDemo\t\t42\t\r\n"));
}

void TestNavisionObject::generatedDateFieldsReadAsOneText_data()
{
    QTest::addColumn<TRegionalSettings>("settings");
    TRegionalSettings dayFirstSlash = UsSettings();
    dayFirstSlash.ShortDateFormat = QStringLiteral("d/M/yy");
    TRegionalSettings dots = DottedSettings();
    dots.TimeSeparator = u'.';
    QTest::newRow("United States") << UsSettings();
    QTest::newRow("day first, slashes") << dayFirstSlash;
    QTest::newRow("dotted, day first") << DottedSettings();
    QTest::newRow("ISO, year first") << IsoSettings();
    QTest::newRow("dots for both separators") << dots;
}

// Many generated date and time fields, of the usual shape and with
// characters changed, give an object the value (or the refusal) of their
// text "date time" read by the characters' parser, each field's separators
// standing for the settings' ones.
void TestNavisionObject::generatedDateFieldsReadAsOneText()
{
    QFETCH(TRegionalSettings, settings);
    uint32_t state = 2026;
    const auto next = [&state](uint32_t bound) {
        state = state * 1103515245u + 12345u;
        return (state >> 8) % bound;
    };
    const auto number = [&next](uint32_t value) {
        return next(3) == 0 ? QByteArray::number(value).rightJustified(2, '0')
                            : QByteArray::number(value);
    };
    const QByteArray separators = "-./:", alphabet = "0123456789 -./:,APMapm\x9B";
    const auto changed = [&](QByteArray text, int width) {
        for (uint32_t changes = next(5) == 0 ? 1 + next(2) : 0; changes > 0; --changes)
            text[next(uint32_t(text.size()))] = alphabet[next(uint32_t(alphabet.size()))];
        if (next(8) == 0)
            text += next(2) ? " PM" : " am";
        return text.left(width);
    };
    const auto trimmed = [](QByteArray text) {
        while (!text.isEmpty() && uchar(text.back()) <= 32)
            text.chop(1);
        while (!text.isEmpty() && uchar(text.front()) <= 32)
            text.remove(0, 1);
        return text;
    };
    const auto asRead = [](const QByteArray &field, QLatin1StringView fieldSeparators,
                           QChar separator) {
        QString text = DecodeText(field);
        for (QChar &c : text) {
            if (fieldSeparators.contains(c))
                c = separator;
        }
        return text;
    };
    int read = 0;
    for (int i = 0; i < 20000; ++i) {
        const char dateSeparator = separators[next(3)], timeSeparator = next(4) ? ':' : '.';
        const QByteArray year =
            next(3) == 0 ? QByteArray::number(1890 + next(220)) : number(next(100));
        TEntryFields f;
        f.Date = next(30) == 0 ? QByteArray()
                               : changed(number(1 + next(31)) + dateSeparator +
                                             number(1 + next(12)) + dateSeparator + year,
                                         12);
        f.Time = next(30) == 0 ? QByteArray()
                               : changed(number(next(25)) + timeSeparator + number(next(61)) +
                                             timeSeparator + number(next(61)),
                                         14);
        const QByteArray date = trimmed(f.Date), time = trimmed(f.Time);
        const QString text = asRead(date, QLatin1StringView("-./"), settings.DateSeparator) + u' ' +
                             asRead(time, QLatin1StringView(":."), settings.TimeSeparator);
        const std::optional<double> expected = date.isEmpty() && time.isEmpty()
                                                   ? std::optional<double>()
                                                   : ParseDateTime(text, settings);
        const QByteArray entry = Entry(f);
        if (!date.isEmpty() || !time.isEmpty()) {
            if (!expected) {
                QVERIFY_THROWS_EXCEPTION(TDateTimeConversionError,
                                         TNavisionObject(entry, settings));
                continue;
            }
            ++read;
        }
        const TNavisionObject object(entry, settings);
        QCOMPARE(object.HasDateTime(), expected.has_value());
        QCOMPARE(object.DateTime(), expected.value_or(0));
    }
    // The fields reach both outcomes.
    QVERIFY2(read > 2000 && read < 19000, qPrintable(QString::number(read)));
}

void TestNavisionObject::conversionErrors_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QString>("message");

    TEntryFields leftAlignedId;
    QByteArray entry = Entry(leftAlignedId);
    entry.replace(10, 10, "18        ");
    QTest::newRow("left-aligned ID") << entry << "'18        ' is not a valid integer value";

    TEntryFields blankId;
    blankId.ID = "";
    QTest::newRow("blank ID") << Entry(blankId) << "'          ' is not a valid integer value";

    TEntryFields bigId;
    bigId.ID = "2147483648";
    QTest::newRow("ID too large") << Entry(bigId) << "'2147483648' is not a valid integer value";

    TEntryFields bigSize;
    bigSize.Size = "2147483648";
    QTest::newRow("size too large")
        << Entry(bigSize) << "'          2147483648' is not a valid integer value";

    TEntryFields noLeapDay;
    noLeapDay.Date = "29.02.2009";
    QTest::newRow("no such date") << Entry(noLeapDay)
                                  << "'29/02/2009 10:15:30' is not a valid date and time";

    TEntryFields badTime;
    badTime.Time = "25:00:00";
    QTest::newRow("no such hour") << Entry(badTime)
                                  << "'01/02/03 25:00:00' is not a valid date and time";

    TEntryFields badIdAndDate = noLeapDay;
    badIdAndDate.ID = "x";
    QTest::newRow("the first failure is reported")
        << Entry(badIdAndDate) << "'         x' is not a valid integer value";
}

void TestNavisionObject::conversionErrors()
{
    QFETCH(QByteArray, entry);
    QFETCH(QString, message);
    try {
        TNavisionObject object(entry, UsSettings());
        QFAIL("the entry was accepted");
    } catch (const TError &error) {
        QCOMPARE(error.message(), message);
    }
}

void TestNavisionObject::permissionText_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("all five") << 62 << QByteArray("RIMDX");
    QTest::newRow("read and execute") << 34 << QByteArray("RX");
    QTest::newRow("insert and delete") << 20 << QByteArray("ID");
    QTest::newRow("no record") << 1 << QByteArray();
    QTest::newRow("record granting nothing") << 0 << QByteArray();
}

void TestNavisionObject::permissionText()
{
    QFETCH(int, flags);
    QFETCH(QByteArray, text);
    TNavisionObject object(Entry(TEntryFields()), UsSettings());
    object.SetPermissions(TPermissionFlags(flags));
    QCOMPARE(object.Permissions(), TPermissionFlags(flags));
    QCOMPARE(object.GetPermissionText(), text);
}

void TestNavisionObject::keyAndListLine_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("line");

    TEntryFields negative;
    negative.ID = "-5";
    negative.Date = "12-31-08";
    negative.Time = "23:59:59";
    negative.Size = "-7";
    negative.VersionList = "NAVW14.00";
    QTest::newRow("negative ID and size")
        << Entry(negative) << QByteArray("Table -5 Demo")
        << QByteArray("Table\t-5\tDemo\t12/31/08 11:59:59 PM\t-7\tNAVW14.00\r\n");

    TEntryFields hex;
    hex.ID = "$1A";
    hex.Time = "";
    hex.Size = "0x10";
    QTest::newRow("hexadecimal fields, midnight")
        << Entry(hex) << QByteArray("Table 26 Demo")
        << QByteArray("Table\t26\tDemo\t1/2/03\t16\t\r\n");

    TEntryFields accented;
    accented.Name = "Betalingsmelding p\x86";
    accented.VersionList = "\x9b";
    QTest::newRow("bytes above 0x7F unchanged")
        << Entry(accented) << QByteArray("Table 1 Betalingsmelding p\x86")
        << QByteArray("Table\t1\tBetalingsmelding p\x86\t1/2/03 10:15:30 AM\t1234\t\x9b\r\n");
}

void TestNavisionObject::keyAndListLine()
{
    QFETCH(QByteArray, entry);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, line);
    const TNavisionObject object(entry, UsSettings());
    QCOMPARE(object.GetKey(), key);
    QCOMPARE(object.GetListLine(UsSettings()), line);
    QCOMPARE(line.count('\t'), 5);

    // Written into a buffer, whole or cut at any length: the same bytes.
    TKeyBuffer written{'s', 't', 'a', 'l', 'e'};
    for (qsizetype limit = 0; limit <= key.size() + 1; ++limit) {
        WriteKey(object, written, limit);
        QCOMPARE(QByteArray(written.constData(), written.size()), key.left(limit));
    }
    WriteKey(object, written);
    QCOMPARE(QByteArray(written.constData(), written.size()), key);
}

void TestNavisionObject::versionListsShareOnePool()
{
    TTextPool pool;
    const TEntryConverter converter(UsSettings(), &pool);
    TEntryFields fields;
    fields.VersionList = "NAVW17.00";
    const TNavisionObject first(Entry(fields), converter);
    fields.ID = "2";
    const TNavisionObject second(Entry(fields), converter);
    QCOMPARE(second.VersionList(), QByteArray("NAVW17.00"));
    QCOMPARE(second.VersionList().constData(), first.VersionList().constData());

    // The pool takes no more once full; the texts stay right all the same.
    for (int i = 0; i < 5000; ++i)
        QCOMPARE(pool.Shared(QByteArray::number(i)), QByteArray::number(i));
    const QByteArray late = pool.Shared("NAVW99.99");
    QCOMPARE(late, QByteArray("NAVW99.99"));
    QVERIFY(pool.Shared("NAVW99.99").constData() != late.constData());
    QVERIFY(pool.Shared("").isNull());
}

void TestNavisionObject::shortEntryReadsAsBlanks()
{
    // A caller that hands less than a whole entry gets the missing bytes as
    // blanks, never bytes from beyond the data.
    const QByteArray entry = Entry(TEntryFields()).left(90);
    try {
        TNavisionObject object(entry, UsSettings());
        QFAIL("the entry was accepted");
    } catch (const TError &error) {
        QCOMPARE(error.message(),
                 QString("'%1' is not a valid integer value").arg(QString(20, u' ')));
    }
}

// NUL bytes and other control characters inside each field: a number or a
// date-time that holds one is refused with the conversion message (a NUL
// only ends a number), texts keep them inside and lose them at the ends.
void TestNavisionObject::controlCharactersInEveryField_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QByteArray>("key");  // when the entry is taken
    QTest::addColumn<QString>("message"); // when it is refused

    const auto with = [](QByteArray TEntryFields::*field, const QByteArray &text) {
        TEntryFields f;
        f.*field = text;
        return Entry(f);
    };
    // The field as its code page 850 text (which shows 0x7F as U+001A).
    const auto notInteger = [](const QByteArray &field) {
        return QStringLiteral("'%1' is not a valid integer value").arg(DecodeText(field));
    };
    const auto notDateTime = [](const QByteArray &text) {
        return QStringLiteral("'%1' is not a valid date and time").arg(DecodeText(text));
    };
    const QByteArray nul(1, '\0');

    QTest::newRow("NUL inside the tag") << with(&TEntryFields::Tag, "Tab" + nul + "le")
                                        << QByteArray("Tab" + nul + "le 1 Demo") << QString();
    QTest::newRow("control character before the tag")
        << with(&TEntryFields::Tag, "\x01Table") << QByteArray("\x01Table 1 Demo") << QString();
    QTest::newRow("control character inside the ID") << with(&TEntryFields::ID, "1\x01"
                                                                                "8")
                                                     << QByteArray()
                                                     << notInteger("       1\x01"
                                                                   "8");
    QTest::newRow("tab inside the ID")
        << with(&TEntryFields::ID, "1\t8") << QByteArray() << notInteger("       1\t8");
    QTest::newRow("NUL ends the ID")
        << with(&TEntryFields::ID, "18" + nul + "\x01") << QByteArray("Table 18 Demo") << QString();
    QTest::newRow("NUL before the ID's digits")
        << with(&TEntryFields::ID, nul + "18") << QByteArray()
        << notInteger("       " + nul + "18");
    QTest::newRow("NUL inside the name") << with(&TEntryFields::Name, "De" + nul + "mo")
                                         << QByteArray("Table 1 De" + nul + "mo") << QString();
    QTest::newRow("escape sequence in the name")
        << with(&TEntryFields::Name, "Red\x1b[0m") << QByteArray("Table 1 Red\x1b[0m") << QString();
    QTest::newRow("NUL inside the date")
        << with(&TEntryFields::Date, "01-" + nul + "02-03") << QByteArray()
        << notDateTime("01/" + nul + "02/03 10:15:30");
    QTest::newRow("bell inside the time") << with(&TEntryFields::Time, "10:\x07"
                                                                       "15:30")
                                          << QByteArray()
                                          << notDateTime("01/02/03 10:\x07"
                                                         "15:30");
    QTest::newRow("NUL after the time")
        << with(&TEntryFields::Time, "10:15:30" + nul) << QByteArray("Table 1 Demo") << QString();
    QTest::newRow("DEL after the size") << with(&TEntryFields::Size, "12\x7f") << QByteArray()
                                        << notInteger(QByteArray(17, ' ') + "12\x7f");
    QTest::newRow("NUL inside the version list")
        << with(&TEntryFields::VersionList, "V1" + nul + "V2") << QByteArray("Table 1 Demo")
        << QString();
}

void TestNavisionObject::controlCharactersInEveryField()
{
    QFETCH(QByteArray, entry);
    QFETCH(QByteArray, key);
    QFETCH(QString, message);
    QCOMPARE(entry.size(), TNavisionObject::EntrySize);
    try {
        const TNavisionObject object(entry, UsSettings());
        QVERIFY2(message.isEmpty(), "the entry was taken");
        QCOMPARE(object.GetKey(), key);
        // Every line of the export stays one line of six fields.
        const QByteArray line = object.GetListLine(UsSettings());
        QVERIFY(line.endsWith("\r\n"));
    } catch (const TError &error) {
        QCOMPARE(error.message(), message);
    }
}

QTEST_GUILESS_MAIN(TestNavisionObject)
#include "tst_navisionobject.moc"
