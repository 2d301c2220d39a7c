// The number and date-time conversions of index fields, the display of a
// date-time, and the regional settings taken from a locale.
#include "core/fast/trimming.h"
#include "core/reading/codepage.h"
#include "core/reading/conversions.h"
#include "core/reading/datetimetext.h"
#include "settings.h"

#include <QTest>

#include <cmath>

class TestConversions : public QObject {
    Q_OBJECT

private slots:
    void parseInteger_data();
    void parseInteger();
    void generatedNumberFields();
    void parseDateTime_data();
    void parseDateTime();
    void bytesReadAsTheirCharacters_data();
    void bytesReadAsTheirCharacters();
    void dayCountsAroundDayZero_data();
    void dayCountsAroundDayZero();
    void dayCountsAgreeWithCalendar();
    void trimmingAgreesWithByteByByte();
    void displayText_data();
    void displayText();
    void settingsFromLocale_data();
    void settingsFromLocale();
    void writerMatchesDisplayText_data();
    void writerMatchesDisplayText();
};

void TestConversions::parseInteger_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    QTest::newRow("right-aligned") << QByteArray("        18") << true << 18;
    QTest::newRow("left-aligned") << QByteArray("18        ") << false << 0;
    QTest::newRow("blank") << QByteArray("          ") << false << 0;
    QTest::newRow("empty") << QByteArray() << false << 0;
    QTest::newRow("negative") << QByteArray("        -5") << true << -5;
    QTest::newRow("plus sign") << QByteArray("       +18") << true << 18;
    QTest::newRow("two signs") << QByteArray("      +-18") << false << 0;
    QTest::newRow("blank after sign") << QByteArray("      - 18") << false << 0;
    QTest::newRow("leading tab") << QByteArray("\t       18") << false << 0;
    QTest::newRow("dollar hex") << QByteArray("       $1A") << true << 26;
    QTest::newRow("x hex") << QByteArray("       x1A") << true << 26;
    QTest::newRow("0x hex") << QByteArray("      0x1A") << true << 26;
    QTest::newRow("lower-case hex digits") << QByteArray("      0xff") << true << 255;
    QTest::newRow("hex pattern of -1") << QByteArray(" $FFFFFFFF") << true << -1;
    QTest::newRow("negated hex") << QByteArray("       -$1") << true << -1;
    QTest::newRow("hex leading zeros") << QByteArray("$000000001") << true << 1;
    QTest::newRow("hex over 32 bits") << QByteArray("$100000000") << false << 0;
    QTest::newRow("prefix without digits") << QByteArray("        0x") << false << 0;
    QTest::newRow("dollar alone") << QByteArray("         $") << false << 0;
    QTest::newRow("zero") << QByteArray("         0") << true << 0;
    QTest::newRow("largest") << QByteArray("2147483647") << true << 2147483647;
    QTest::newRow("one above largest") << QByteArray("2147483648") << false << 0;
    QTest::newRow("smallest") << QByteArray("-2147483648") << true << int(-2147483648LL);
    QTest::newRow("one below smallest") << QByteArray("-2147483649") << false << 0;
    QTest::newRow("size above 32 bits") << QByteArray("          4294967296") << false << 0;
    QTest::newRow("NUL ends the number") << QByteArray("      18\0xy", 11) << true << 18;
    QTest::newRow("NUL first") << QByteArray("\0        1", 10) << false << 0;
    QTest::newRow("letter after digits") << QByteArray("       18a") << false << 0;
    QTest::newRow("hex digit in decimal") << QByteArray("       1A") << false << 0;
}

void TestConversions::parseInteger()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const auto result = ParseInteger(text);
    QCOMPARE(result.has_value(), valid);
    if (valid)
        QCOMPARE(*result, value);
}

// Many generated number fields, right-aligned digits with bytes changed,
// read as a plain statement of the decimal rules reads them: blanks, a sign,
// digits, then the end or a NUL, within 32 bits.
void TestConversions::generatedNumberFields()
{
    const auto decimal = [](QByteArrayView text) -> std::optional<int32_t> {
        qsizetype i = 0;
        while (i < text.size() && text[i] == ' ')
            ++i;
        const bool negative = i < text.size() && text[i] == '-';
        i += i < text.size() && (text[i] == '-' || text[i] == '+');
        const qsizetype first = i;
        int64_t value = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && value <= INT32_MAX + 1LL; ++i)
            value = value * 10 + (text[i] - '0');
        if (i == first || (i < text.size() && text[i] != '\0'))
            return std::nullopt;
        value = negative ? -value : value;
        if (value < INT32_MIN || value > INT32_MAX)
            return std::nullopt;
        return int32_t(value);
    };
    const QByteArray alphabet("0123456789 -+\0\t.", 16);
    uint32_t state = 161;
    const auto next = [&state](uint32_t bound) {
        state = state * 1103515245u + 12345u;
        return (state >> 8) % bound;
    };
    const int widths[] = {8, 9, 10, 12, 16, 20};
    int read = 0;
    for (int i = 0; i < 20000; ++i) {
        const int width = widths[next(6)];
        QByteArray text = QByteArray::number(next(10) == 0 ? next(4000000000u) : next(100000));
        text = text.left(width).rightJustified(width, ' ');
        for (uint32_t changes = next(3) == 0 ? 1 + next(2) : 0; changes > 0; --changes)
            text[next(uint32_t(width))] = alphabet[next(uint32_t(alphabet.size()))];
        const auto expected = decimal(text);
        read += expected.has_value();
        QVERIFY2(ParseInteger(text) == expected, text.constData());
    }
    // The fields reach both outcomes.
    QVERIFY2(read > 5000 && read < 19500, qPrintable(QString::number(read)));
}

void TestConversions::parseDateTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TRegionalSettings>("settings");
    QTest::addColumn<QDate>("date"); // invalid when the text is refused
    QTest::addColumn<QTime>("time");

    TRegionalSettings dayFirstSlash = UsSettings();
    dayFirstSlash.ShortDateFormat = QStringLiteral("d/M/yy");
    const QDate refused;

    QTest::newRow("month first") << "01/02/03 " << UsSettings() << QDate(2003, 1, 2) << QTime(0, 0);
    QTest::newRow("day first") << "01/02/03 " << dayFirstSlash << QDate(2003, 2, 1) << QTime(0, 0);
    QTest::newRow("year first") << "17-03-24 16:48:59" << IsoSettings() << QDate(2017, 3, 24)
                                << QTime(16, 48, 59);
    QTest::newRow("four-digit year first")
        << "2017-03-24 16:48:59" << IsoSettings() << QDate(2017, 3, 24) << QTime(16, 48, 59);
    QTest::newRow("end of a year")
        << "31.12.08 23:59:59" << DottedSettings() << QDate(2008, 12, 31) << QTime(23, 59, 59);
    QTest::newRow("no leap day") << "29.02.2009 10:00:00" << DottedSettings() << refused << QTime();
    QTest::newRow("leap day") << "29.02.2008 10:00:00" << DottedSettings() << QDate(2008, 2, 29)
                              << QTime(10, 0);
    QTest::newRow("window start") << "1/2/76 " << UsSettings() << QDate(1976, 1, 2) << QTime(0, 0);
    QTest::newRow("window end") << "1/2/75 " << UsSettings() << QDate(2075, 1, 2) << QTime(0, 0);
    QTest::newRow("window recent") << "1/2/08 " << UsSettings() << QDate(2008, 1, 2) << QTime(0, 0);
    QTest::newRow("window moves with the year")
        << "1/2/75 " << UsSettings(2125) << QDate(2075, 1, 2) << QTime(0, 0);
    QTest::newRow("three-digit year kept")
        << "1/2/875 " << UsSettings() << QDate(875, 1, 2) << QTime(0, 0);
    QTest::newRow("year 0 refused") << "1/2/0000 " << UsSettings() << refused << QTime();
    QTest::newRow("month 13") << "13/2/03 10:00:00" << UsSettings() << refused << QTime();
    QTest::newRow("month 0") << "0/2/03 10:00:00" << UsSettings() << refused << QTime();
    QTest::newRow("day 0") << "00.02.2003 10:00:00" << DottedSettings() << refused << QTime();
    QTest::newRow("day 32") << "1/32/03 10:00:00" << UsSettings() << refused << QTime();
    QTest::newRow("29 February of a common year, two digits")
        << "2/29/23 10:00:00" << UsSettings() << refused << QTime();
    QTest::newRow("29 February 1900, no leap year")
        << "29.02.1900 10:00:00" << DottedSettings() << refused << QTime();
    QTest::newRow("two numbers month first")
        << "3/4 " << UsSettings() << QDate(2026, 3, 4) << QTime(0, 0);
    QTest::newRow("two numbers day first")
        << "3.4 " << DottedSettings() << QDate(2026, 4, 3) << QTime(0, 0);
    QTest::newRow("blanks around separators")
        << " 1 / 2 / 03  10 : 15 " << UsSettings() << QDate(2003, 1, 2) << QTime(10, 15);
    QTest::newRow("trailing separator")
        << "1/2/03/ 10:00:00" << UsSettings() << QDate(2003, 1, 2) << QTime(10, 0);
    QTest::newRow("five digits") << "12345/1/1 " << UsSettings() << refused << QTime();
    QTest::newRow("hour only") << "1/2/03 10" << UsSettings() << QDate(2003, 1, 2) << QTime(10, 0);
    QTest::newRow("milliseconds") << "1/2/03 10:15:30.250" << UsSettings() << QDate(2003, 1, 2)
                                  << QTime(10, 15, 30, 250);
    QTest::newRow("noon PM") << "09/15/15 12:00:00 PM" << UsSettings() << QDate(2015, 9, 15)
                             << QTime(12, 0);
    QTest::newRow("midnight AM") << "09/15/15 12:00:00 AM" << UsSettings() << QDate(2015, 9, 15)
                                 << QTime(0, 0);
    QTest::newRow("designator first, any case")
        << "09/15/15 pm 1:30" << UsSettings() << QDate(2015, 9, 15) << QTime(13, 30);
    QTest::newRow("hour 13 with designator")
        << "1/2/03 13:00:00 PM" << UsSettings() << refused << QTime();
    QTest::newRow("hour 24") << "1/2/03 24:00:00" << UsSettings() << refused << QTime();
    QTest::newRow("minute 60") << "1/2/03 10:60:00" << UsSettings() << refused << QTime();
    QTest::newRow("text after the time ignored")
        << "1/2/03 10:00:00 xyz" << UsSettings() << QDate(2003, 1, 2) << QTime(10, 0);
    QTest::newRow("time alone") << " 12:00:00" << UsSettings() << QDate(1899, 12, 30)
                                << QTime(12, 0);
    QTest::newRow("time alone with text after")
        << " 12:00:00 xyz" << UsSettings() << refused << QTime();
    QTest::newRow("separator of another region")
        << "24.03.17 16:48:59" << UsSettings() << refused << QTime();
    QTest::newRow("single blank") << " " << UsSettings() << refused << QTime();
}

void TestConversions::parseDateTime()
{
    QFETCH(QString, text);
    QFETCH(TRegionalSettings, settings);
    QFETCH(QDate, date);
    QFETCH(QTime, time);
    const auto value = ParseDateTime(text, settings);
    QCOMPARE(value.has_value(), date.isValid());
    if (value) {
        const auto decoded = DecodeDateTime(*value);
        QCOMPARE(decoded.Date, date);
        QCOMPARE(decoded.Time, time);
    }
    // The same text as the code page 850 bytes an entry holds.
    const QByteArray bytes = EncodeText(text);
    if (DecodeText(bytes) == text)
        QCOMPARE(ParseDateTime(bytes, TDateTimeBytes(settings)), value);
}

void TestConversions::bytesReadAsTheirCharacters_data()
{
    QTest::addColumn<TRegionalSettings>("settings");
    QTest::newRow("United States") << UsSettings();
    QTest::newRow("dotted, day first") << DottedSettings();
    QTest::newRow("ISO, year first") << IsoSettings();
    TRegionalSettings accented = DottedSettings();
    // Designators with letters of code page 850 beyond ASCII, in both cases.
    accented.AmDesignator = QStringLiteral("f\u00F8r");
    accented.PmDesignator = QStringLiteral("\u00C9tt");
    accented.TimeSeparator = u'\u00B7';
    QTest::newRow("accented designators, middle dot") << accented;
    TRegionalSettings dots = DottedSettings();
    dots.TimeSeparator = u'.'; // as in Finland: the time's separator is the date's too
    QTest::newRow("dots for both separators") << dots;
}

// Many generated texts of the characters a date-time is made of read the
// same as bytes and as characters.
void TestConversions::bytesReadAsTheirCharacters()
{
    QFETCH(TRegionalSettings, settings);
    const TDateTimeBytes classes(settings);
    const QByteArray alphabet =
        EncodeText(QStringLiteral("0123456789 /.:-,AaMmPp\u00F8\u00D8\u00E9\u00C9tT\u00B7"));
    uint32_t state = 4711;
    const auto next = [&state](uint32_t bound) {
        state = state * 1103515245u + 12345u;
        return (state >> 8) % bound;
    };
    const QByteArray dateSeparator = EncodeText(QString(settings.DateSeparator));
    const QByteArray timeSeparator = EncodeText(QString(settings.TimeSeparator));
    int accepted = 0;
    for (int i = 0; i < 20000; ++i) {
        QByteArray text;
        // Mostly the shape of an entry's date and time, with characters changed;
        // numbers with and without a leading zero, years of two and four digits.
        const auto number = [&next](uint32_t value) {
            return next(3) == 0 ? QByteArray::number(value).rightJustified(2, '0')
                                : QByteArray::number(value);
        };
        const QByteArray year =
            next(3) == 0 ? QByteArray::number(1890 + next(220)) : number(next(100));
        text = number(1 + next(31)) + dateSeparator + number(1 + next(12)) + dateSeparator + year +
               ' ' + number(next(25)) + timeSeparator + number(next(61)) + timeSeparator +
               number(next(61));
        for (uint32_t changes = next(4); changes > 0; --changes)
            text[next(uint32_t(text.size()))] = alphabet[next(uint32_t(alphabet.size()))];
        if (next(4) == 0)
            text.insert(
                next(uint32_t(text.size() + 1)),
                EncodeText(next(2) ? settings.PmDesignator : settings.AmDesignator.toUpper()));
        const QString characters = DecodeText(text);
        const auto expected = ParseDateTime(characters, settings);
        accepted += expected.has_value();
        QVERIFY2(ParseDateTime(text, classes) == expected, text.constData());
    }
    // The texts reach both outcomes.
    QVERIFY2(accepted > 1000 && accepted < 19000, qPrintable(QString::number(accepted)));
}

void TestConversions::dayCountsAroundDayZero_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::newRow("day zero noon") << "12/30/1899 12:00:00" << 0.5;
    QTest::newRow("time alone") << " 18:00:00" << 0.75;
    QTest::newRow("day one") << "12/31/1899 06:00:00" << 1.25;
    QTest::newRow("a day before, morning") << "12/29/1899 06:00:00" << -1.25;
    QTest::newRow("a day before, evening") << "12/29/1899 18:00:00" << -1.75;
    QTest::newRow("2 January 2003") << "1/2/2003 " << 37623.0;
}

// Before 30 December 1899 the day count is negative and the time is
// subtracted from it.
void TestConversions::dayCountsAroundDayZero()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const auto result = ParseDateTime(text, UsSettings());
    QVERIFY(result.has_value());
    QCOMPARE(*result, value);
}

// The day count is computed by plain arithmetic: every day of years around
// the century and leap-year rules, and at both ends of the range, counts as
// the calendar counts it; a day past a month's end is refused.
void TestConversions::dayCountsAgreeWithCalendar()
{
    const QDate dayZero(1899, 12, 30);
    const TDateTimeBytes classes(UsSettings());
    const std::pair<int, int> ranges[] = {{1, 5},       {1599, 1605}, {1896, 1905},
                                          {1999, 2001}, {2096, 2101}, {9995, 9999}};
    for (const auto &[first, last] : ranges) {
        for (QDate date(first, 1, 1); date.isValid() && date.year() <= last;
             date = date.addDays(1)) {
            const QString text = QStringLiteral("%1/%2/%3")
                                     .arg(date.month())
                                     .arg(date.day())
                                     .arg(date.year(), 4, 10, QLatin1Char('0'));
            const auto value = ParseDateTime(text, UsSettings());
            QVERIFY2(value.has_value(), qPrintable(text));
            QCOMPARE(*value, double(dayZero.daysTo(date)));
            QCOMPARE(ParseDateTime(EncodeText(text), classes), value);
            // The day after the month's last day.
            if (date.addDays(1).month() != date.month()) {
                const QString past = QStringLiteral("%1/%2/%3")
                                         .arg(date.month())
                                         .arg(date.day() + 1)
                                         .arg(date.year(), 4, 10, QLatin1Char('0'));
                QVERIFY2(!ParseDateTime(past, UsSettings()), qPrintable(past));
            }
        }
    }
}

// Trimming looks at eight bytes at a time: generated texts of every length
// up to 64, of bytes just below, at and above 32 and beyond 127, trim as a
// byte-by-byte loop trims them.
void TestConversions::trimmingAgreesWithByteByByte()
{
    const char alphabet[] = {'\0', '\t', ' ', '!', 'a', '\x7F', '\x80', '\xA0', '\xFF'};
    uint32_t state = 99;
    const auto next = [&state](uint32_t bound) {
        state = state * 1103515245u + 12345u;
        return (state >> 8) % bound;
    };
    const auto isTrimmed = [](char c) { return static_cast<uchar>(c) <= 32; };
    for (int i = 0; i < 20000; ++i) {
        QByteArray text(int(next(65)), ' ');
        for (char &c : text)
            c = next(3) == 0 ? alphabet[next(sizeof alphabet)] : ' ';
        qsizetype begin = 0, end = text.size();
        while (end > 0 && isTrimmed(text[end - 1]))
            --end;
        while (begin < end && isTrimmed(text[begin]))
            ++begin;
        QCOMPARE(TrimmedRight(text), QByteArrayView(text).first(end));
        QCOMPARE(Trimmed(text), QByteArrayView(text).sliced(begin, end - begin));
    }
}

void TestConversions::displayText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<TRegionalSettings>("settings");
    QTest::addColumn<QString>("text");

    const double lastSecond2008 = EncodeDateTime(QDate(2008, 12, 31), QTime(23, 59, 59));
    const double midnight = EncodeDateTime(QDate(2008, 12, 31), QTime(0, 0));
    TRegionalSettings cLocale = TRegionalSettings::FromLocale(QLocale::c(), 2026);

    QTest::newRow("date and time") << lastSecond2008 << UsSettings() << "12/31/08 11:59:59 PM";
    QTest::newRow("24-hour day first")
        << lastSecond2008 << DottedSettings() << "31.12.2008 23:59:59";
    QTest::newRow("midnight shows the date alone") << midnight << UsSettings() << "12/31/08";
    QTest::newRow("milliseconds don't count")
        << EncodeDateTime(QDate(2008, 12, 31), QTime(0, 0, 0, 400)) << UsSettings() << "12/31/08";
    QTest::newRow("one second after midnight")
        << EncodeDateTime(QDate(2008, 12, 31), QTime(0, 0, 1)) << UsSettings()
        << "12/31/08 12:00:01 AM";
    QTest::newRow("before day zero") << -1.25 << DottedSettings() << "29.12.1899 06:00:00";
    QTest::newRow("month names of the C locale")
        << lastSecond2008 << cLocale << "31 Dec 2008 23:59:59";
    QTest::newRow("rounds up to the next day")
        << (midnight - 1e-10) << DottedSettings() << "31.12.2008";
    // No field holds such a count; shown as day zero rather than converted
    // out of range.
    QTest::newRow("not a number") << std::nan("") << DottedSettings() << "30.12.1899";
    QTest::newRow("beyond any date") << 3.5e30 << DottedSettings() << "30.12.1899";
    QTest::newRow("before any date") << -1e300 << DottedSettings() << "30.12.1899";
}

void TestConversions::displayText()
{
    QFETCH(double, value);
    QFETCH(TRegionalSettings, settings);
    QFETCH(QString, text);
    QCOMPARE(DateTimeDisplayText(value, settings), text);
}

void TestConversions::settingsFromLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("longTimeFormat");
    QTest::addColumn<QChar>("dateSeparator");
    QTest::addColumn<QChar>("timeSeparator");
    QTest::addColumn<QChar>("decimalSeparator");

    QTest::newRow("United States") << "en_US"
                                   << "h:mm:ss AP" << QChar(u'/') << QChar(u':') << QChar(u'.');
    QTest::newRow("Germany") << "de_DE"
                             << "HH:mm:ss" << QChar(u'.') << QChar(u':') << QChar(u',');
    QTest::newRow("Denmark") << "da_DK"
                             << "HH.mm.ss" << QChar(u'.') << QChar(u'.') << QChar(u',');
    QTest::newRow("C, no separator in the date")
        << "C"
        << "HH:mm:ss" << QChar(u'/') << QChar(u':') << QChar(u'.');
}

void TestConversions::settingsFromLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, longTimeFormat);
    QFETCH(QChar, dateSeparator);
    QFETCH(QChar, timeSeparator);
    QFETCH(QChar, decimalSeparator);

    const QLocale qlocale(locale);
    const TRegionalSettings settings = TRegionalSettings::FromLocale(qlocale, 2030);
    QCOMPARE(settings.ShortDateFormat, qlocale.dateFormat(QLocale::ShortFormat));
    QCOMPARE(settings.LongTimeFormat, longTimeFormat);
    QCOMPARE(settings.DateSeparator, dateSeparator);
    QCOMPARE(settings.TimeSeparator, timeSeparator);
    QCOMPARE(settings.DecimalSeparator, decimalSeparator);
    QCOMPARE(settings.AmDesignator, qlocale.amText());
    QCOMPARE(settings.ThousandSeparator, qlocale.groupSeparator());
    QCOMPARE(settings.CurrentYear, 2030);
}

void TestConversions::writerMatchesDisplayText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("dateFormat"); // empty: the locale's own
    QTest::addColumn<QString>("timeFormat");
    QTest::addColumn<bool>("direct"); // whether the writer works without QLocale

    // The usual formats are written directly; names, quoted text, zones and
    // digits other than ASCII go through QLocale.
    QTest::newRow("C, month names") << "C" << QString() << QString() << false;
    QTest::newRow("en_US") << "en_US" << QString() << QString() << true;
    QTest::newRow("nb_NO") << "nb_NO" << QString() << QString() << true;
    QTest::newRow("de_DE") << "de_DE" << QString() << QString() << true;
    QTest::newRow("en_GB") << "en_GB" << QString() << QString() << true;
    // Literal characters that code page 850 lacks come out as '?' either way.
    QTest::newRow("ja_JP, literals beyond the code page")
        << "ja_JP" << QString() << QString() << true;
    QTest::newRow("ar_EG, Arabic digits") << "ar_EG" << QString() << QString() << false;
    QTest::newRow("fa_IR, Persian digits") << "fa_IR" << QString() << QString() << false;
    QTest::newRow("lower-case designator") << "en_US"
                                           << "yyyy-MM-dd"
                                           << "hh:mm ap" << true;
    QTest::newRow("24 hours beside a designator") << "en_US"
                                                  << "d/M/yy"
                                                  << "H:m:s A" << true;
    QTest::newRow("month names") << "en_US"
                                 << "d MMM yyyy"
                                 << "HH:mm:ss" << false;
    QTest::newRow("quoted text") << "nb_NO"
                                 << "dd.MM.yyyy"
                                 << "'kl'. HH:mm" << false;
    QTest::newRow("milliseconds") << "en_US"
                                  << "M/d/yy"
                                  << "h:mm:ss.zzz" << false;
    QTest::newRow("one-letter year") << "en_US"
                                     << "M/d/y"
                                     << "h:mm" << false;
}

void TestConversions::writerMatchesDisplayText()
{
    QFETCH(QString, locale);
    QFETCH(QString, dateFormat);
    QFETCH(QString, timeFormat);
    QFETCH(bool, direct);
    TRegionalSettings settings = LocaleSettings(locale);
    if (!dateFormat.isEmpty())
        settings.ShortDateFormat = dateFormat;
    if (!timeFormat.isEmpty())
        settings.LongTimeFormat = timeFormat;
    const TDateTimeTextWriter writer(settings);
    QCOMPARE(writer.WritesDirectly(), direct);

    // Every hour, minute and second somewhere, days across the years the
    // index can hold (short years and midnight included).
    QList<double> values;
    for (int i = 0; i < 3000; ++i) {
        const QDate date = QDate(1, 1, 1).addDays(qint64(i) * 1217 % 3652059);
        values << EncodeDateTime(date, QTime(i % 24, i * 7 % 60, i * 13 % 60, i % 3 ? 0 : 500));
    }
    values << 0 << EncodeDateTime({2003, 2, 1}, {12, 0, 0}) << EncodeDateTime({99, 1, 2}, {0, 0, 0})
           << EncodeDateTime({2026, 12, 9}, {0, 0, 0, 999});
    for (const double value : values) {
        QByteArray line = "before\t";
        writer.Append(line, value);
        QCOMPARE(line, "before\t" + EncodeText(DateTimeDisplayText(value, settings)));
    }
}

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
