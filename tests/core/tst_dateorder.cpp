// Object files written in every region's date order, read under every
// user's settings; the choice of order; where an entry's error says it is.
#include "core/errors.h"
#include "core/reading/conversions.h"
#include "entries.h"
#include "modelfixture.h"
#include "settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

using TDates = QList<QPair<QByteArray, QByteArray>>; // date and time field of each entry

// One table entry for each date and time, IDs from 1, then the end byte.
QByteArray IndexOf(const TDates &dates)
{
    QByteArray index;
    int id = 0;
    for (const auto &[date, time] : dates) {
        TEntryFields fields;
        fields.ID = QByteArray::number(++id);
        fields.Date = date;
        fields.Time = time;
        index += Entry(fields);
    }
    return index + '\x1A';
}

QString WriteFile(const QTemporaryDir &folder, const QString &name, const QByteArray &contents)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        return QString();
    return path;
}

// The error the loading ended with; empty when it ended without one.
QString LoadError(TModelFixture &fixture, const QByteArray &index)
{
    try {
        fixture.Load(index);
    } catch (const TError &error) {
        return error.message();
    }
    return QString();
}

// A text of the given bytes, NULs included.
template <size_t N> QString Whole(const char (&text)[N])
{
    return QString::fromLatin1(text, N - 1);
}

// The first ambiguous, the second telling the order: written in each region.
const TDates DayFirstDotted = {{"02.03.04", "12.00.00"}, {"24.03.17", "16.05.00"}};
const TDates DayFirstDashed = {{"02-03-04", "12:00:00"}, {"24-03-17", "16:05:00"}};
const TDates MonthFirst = {{"02/03/04", "12:00:00 PM"}, {"09/15/15", "4:48:59 AM"}};
const TDates YearFirst = {{"02-03-04", "12:00:00"}, {"98-12-31", "16:05:00"}};
// Day first in one entry, month first in another: no order reads both.
const TDates Mixed = {{"24.03.17", "12:00:00"}, {"09/15/15", "12:00:00"}};

} // namespace

Q_DECLARE_METATYPE(TDateOrder)
Q_DECLARE_METATYPE(TDateOrderChoice)

class TestDateOrder : public QObject {
    Q_OBJECT

private slots:
    void readsEveryRegionsFiles_data();
    void readsEveryRegionsFiles();
    void noOrderReadsTheFile_data();
    void noOrderReadsTheFile();
    void otherFailuresTryNoOtherOrder_data();
    void otherFailuresTryNoOtherOrder();
    void choiceOfOrder_data();
    void choiceOfOrder();
    void hiddenObjectsAreReadOnce();
    void showsAndExportsTheUsersWay();
    void clearForgetsTheOrder();
    void borrowingModelStartsWithTheUsersOrder_data();
    void borrowingModelStartsWithTheUsersOrder();
    void entryErrorsSayWhere_data();
    void entryErrorsSayWhere();
    void messagesShowControlBytes_data();
    void messagesShowControlBytes();
};

void TestDateOrder::readsEveryRegionsFiles_data()
{
    QTest::addColumn<TDates>("dates");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<TDateOrder>("order");
    QTest::addColumn<QDateTime>("first"); // the first object's date and time

    const QDateTime march2(QDate(2004, 3, 2), QTime(12, 0));
    const QDateTime february3(QDate(2004, 2, 3), QTime(12, 0));
    const QDateTime year2002(QDate(2002, 3, 4), QTime(12, 0));
    const struct {
        const char *Name;
        TDates Dates;
        TDateOrder Order;
        QDateTime First;
    } files[] = {{"24.03.17", DayFirstDotted, TDateOrder::DMY, march2},
                 {"24-03-17", DayFirstDashed, TDateOrder::DMY, march2},
                 {"09/15/15 4:48:59 AM", MonthFirst, TDateOrder::MDY, february3},
                 {"98-12-31", YearFirst, TDateOrder::YMD, year2002}};
    for (const auto &file : files) {
        for (const char *locale : {"en_US", "en_GB", "de_DE", "da_DK", "nb_NO"}) {
            QTest::addRow("%s under %s", file.Name, locale)
                << file.Dates << QString(locale) << file.Order << file.First;
        }
    }
    // A file that reads in the user's order is read that way, however it was written.
    for (const auto &[locale, first] :
         {std::pair{"en_US", february3}, {"en_GB", march2}, {"de_DE", march2}}) {
        QTest::addRow("ambiguous 02/03/04 under %s", locale)
            << TDates{{"02/03/04", "12:00:00"}} << QString(locale)
            << LocaleSettings(locale).FormatDateOrder() << first;
    }
}

void TestDateOrder::readsEveryRegionsFiles()
{
    QFETCH(TDates, dates);
    QFETCH(QString, locale);
    QFETCH(TDateOrder, order);
    QFETCH(QDateTime, first);

    TModelFixture fixture(LocaleSettings(locale));
    QCOMPARE(LoadError(fixture, IndexOf(dates)), QString());
    QCOMPARE(fixture.Model.GetCount(), dates.size());
    QCOMPARE(fixture.Model.DateOrderUsed(), order);
    const auto [date, time] = DecodeDateTime(fixture.Model.GetObject(0).DateTime());
    QCOMPARE(QDateTime(date, time), first);
}

void TestDateOrder::noOrderReadsTheFile_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("month first user") << "en_US"
                                      << "'24/03/17 12:00:00' is not a valid date and time. "
                                         "Entry 1 at byte 0"
                                      << QStringList();
    QTest::newRow("day first user") << "de_DE"
                                    << "'09.15.15 12:00:00' is not a valid date and time. "
                                       "Entry 2 at byte 161"
                                    << QStringList{"Table 1 Demo"};
}

// The user's own order's error, and what the user's order read before it.
void TestDateOrder::noOrderReadsTheFile()
{
    QFETCH(QString, locale);
    QFETCH(QString, message);
    QFETCH(QStringList, keys);
    TModelFixture fixture(LocaleSettings(locale));
    QCOMPARE(LoadError(fixture, IndexOf(Mixed)), message);
    QCOMPARE(fixture.VisibleKeys(), keys);
    QCOMPARE(fixture.Model.DateOrderUsed(), LocaleSettings(locale).FormatDateOrder());
}

void TestDateOrder::otherFailuresTryNoOtherOrder_data()
{
    QTest::addColumn<QByteArray>("index");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("reported"); // object entries reported, all tries together
    // Month first, with a wrong ID or a cut-short entry after the ambiguous date.
    TEntryFields ambiguous;
    ambiguous.Date = "02/03/04";
    TEntryFields badId = ambiguous;
    badId.ID = "18        ";
    QTest::newRow("number") << (Entry(ambiguous) + Entry(badId) + '\x1A')
                            << "'18        ' is not a valid integer value. Entry 2 at byte 161"
                            << 1;
    QTest::newRow("cut short")
        << (Entry(ambiguous) + Entry(ambiguous).left(90))
        << "The object entry is cut short: the file ends after 90 of its 161 bytes. Entry 2 at "
           "byte 161"
        << 1;
    // A date that fails in the user's order; month first, a number fails: year
    // first is not tried, and the user's order reads the file once more.
    TEntryFields monthFirst = ambiguous;
    monthFirst.Date = "09/15/15";
    QTest::newRow("date, then number in the other order")
        << (Entry(ambiguous) + Entry(monthFirst) + Entry(badId) + '\x1A')
        << "'09/15/15 10:15:30' is not a valid date and time. Entry 2 at byte 161" << 1 + 2 + 1;
}

void TestDateOrder::otherFailuresTryNoOtherOrder()
{
    QFETCH(QByteArray, index);
    QFETCH(QString, message);
    QFETCH(int, reported);
    TModelFixture fixture(LocaleSettings("en_GB"));
    int reports = 0;
    fixture.Model.OnObjectLoaded = [&](TNavisionBinaryFile &, const TNavisionObject &) {
        ++reports;
    };
    QCOMPARE(LoadError(fixture, index), message);
    QCOMPARE(fixture.VisibleKeys(), QStringList{"Table 1 Demo"});
    // The ambiguous first entry stays read the user's way: 2 March 2004.
    QCOMPARE(DecodeDateTime(fixture.Model.GetObject(0).DateTime()).Date, QDate(2004, 3, 2));
    QCOMPARE(reports, reported);
    QCOMPARE(fixture.Library.PermissionLookups, reported);
}

void TestDateOrder::choiceOfOrder_data()
{
    QTest::addColumn<TDateOrderChoice>("choice");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<TDates>("dates");
    QTest::addColumn<QString>("message"); // empty when the file is read
    QTest::addColumn<TDateOrder>("order");
    QTest::addColumn<QDate>("first");

    QTest::newRow("regional settings alone")
        << TDateOrderChoice::RegionalSettings << "en_GB" << MonthFirst
        << "'09/15/15 4:48:59 AM' is not a valid date and time. Entry 2 at byte 161"
        << TDateOrder::DMY << QDate(2004, 3, 2);
    QTest::newRow("regional settings, the user's file")
        << TDateOrderChoice::RegionalSettings << "en_US" << MonthFirst << QString()
        << TDateOrder::MDY << QDate(2004, 2, 3);
    QTest::newRow("month first under a day-first user")
        << TDateOrderChoice::MDY << "en_GB" << MonthFirst << QString() << TDateOrder::MDY
        << QDate(2004, 2, 3);
    // Chosen, the order is used even where the user's would read the file.
    QTest::newRow("day first for an ambiguous file")
        << TDateOrderChoice::DMY << "en_US" << TDates{{"02/03/04", "12:00:00"}} << QString()
        << TDateOrder::DMY << QDate(2004, 3, 2);
    QTest::newRow("year first") << TDateOrderChoice::YMD << "nb_NO" << YearFirst << QString()
                                << TDateOrder::YMD << QDate(2002, 3, 4);
    QTest::newRow("a chosen order that fails tries no other")
        << TDateOrderChoice::YMD << "en_US" << MonthFirst
        << "'09/15/15 4:48:59 AM' is not a valid date and time. Entry 2 at byte 161"
        << TDateOrder::MDY << QDate(2002, 3, 4);
}

void TestDateOrder::choiceOfOrder()
{
    QFETCH(TDateOrderChoice, choice);
    QFETCH(QString, locale);
    QFETCH(TDates, dates);
    QFETCH(QString, message);
    QFETCH(TDateOrder, order);
    QFETCH(QDate, first);

    TModelFixture fixture(LocaleSettings(locale));
    fixture.Model.SetDateOrderChoice(choice);
    int reported = 0;
    fixture.Model.OnObjectLoaded = [&](TNavisionBinaryFile &, const TNavisionObject &) {
        ++reported;
    };
    QCOMPARE(LoadError(fixture, IndexOf(dates)), message);
    QCOMPARE(reported, message.isEmpty() ? dates.size() : 1); // read once
    QCOMPARE(fixture.Model.DateOrderUsed(), order);
    QCOMPARE(DecodeDateTime(fixture.Model.GetObject(0).DateTime()).Date, first);
}

// Objects hidden while the first order was tried don't stay behind twice
// or with the dates of that order.
void TestDateOrder::hiddenObjectsAreReadOnce()
{
    TModelFixture fixture(LocaleSettings("en_GB"));
    fixture.Model.SetHideSystemObjects(true);
    TEntryFields system;
    system.ID = "2000000001";
    system.Date = "02/03/04";
    TEntryFields monthFirst;
    monthFirst.Date = "09/15/15";
    QCOMPARE(LoadError(fixture, Entry(system) + Entry(monthFirst) + '\x1A'), QString());
    QCOMPARE(fixture.Model.DateOrderUsed(), TDateOrder::MDY);
    QCOMPARE(fixture.HiddenKeys(), QStringList{"Table 2000000001 Demo"});
    QCOMPARE(DecodeDateTime(fixture.Model.HiddenObjects().Object(0).DateTime()).Date,
             QDate(2004, 2, 3));
    QCOMPARE(fixture.VisibleKeys(), QStringList{"Table 1 Demo"});
}

void TestDateOrder::showsAndExportsTheUsersWay()
{
    TModelFixture fixture(LocaleSettings("en_GB"));
    QCOMPARE(LoadError(fixture, IndexOf(MonthFirst)), QString());
    QCOMPARE(fixture.Model.GetObject(1).GetDateTimeText(fixture.Model.Settings()),
             QStringLiteral("15/09/2015 04:48:59"));
    QBuffer exported;
    exported.open(QIODevice::WriteOnly);
    fixture.Model.SaveListToStream(exported);
    QVERIFY(exported.data().contains("\t03/02/2004 12:00:00\t"));
    QVERIFY(exported.data().contains("\t15/09/2015 04:48:59\t"));
}

void TestDateOrder::clearForgetsTheOrder()
{
    TModelFixture fixture(LocaleSettings("en_GB"));
    QCOMPARE(LoadError(fixture, IndexOf(MonthFirst)), QString());
    QCOMPARE(fixture.Model.DateOrderUsed(), TDateOrder::MDY);
    fixture.Model.Clear();
    QCOMPARE(fixture.Model.DateOrderUsed(), TDateOrder::DMY);
    QCOMPARE(fixture.Model.DateOrderChoice(), TDateOrderChoice::Automatic);
}

void TestDateOrder::borrowingModelStartsWithTheUsersOrder_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<TDateOrder>("order");
    QTest::newRow("month first") << "en_US" << TDateOrder::MDY;
    QTest::newRow("day first") << "en_GB" << TDateOrder::DMY;
    QTest::newRow("year first") << "sv_SE" << TDateOrder::YMD;
}

// A second model, as the comparison makes, borrows the first one's licence
// reader: before it reads a file it reports the user's order, as the first
// one does, and reads in the order it found.
void TestDateOrder::borrowingModelStartsWithTheUsersOrder()
{
    QFETCH(QString, locale);
    QFETCH(TDateOrder, order);
    TModelFixture fixture(LocaleSettings(locale));
    TNavisionBinaryFile borrowing(fixture.Model.LicenseFile(), LocaleSettings(locale));
    QCOMPARE(fixture.Model.DateOrderUsed(), order);
    QCOMPARE(borrowing.DateOrderUsed(), order);

    QBuffer buffer;
    buffer.setData(IndexOf(MonthFirst));
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    borrowing.LoadFromStream(buffer);
    QCOMPARE(borrowing.DateOrderUsed(), TDateOrder::MDY);
    borrowing.Clear();
    QCOMPARE(borrowing.DateOrderUsed(), order);
}

void TestDateOrder::entryErrorsSayWhere_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("message"); // %1 is the file's full path

    TEntryFields badDate;
    badDate.Date = "29.02.2009"; // in no order a date
    badDate.Time = "12:00:00";
    QByteArray eleven;
    for (int i = 0; i < 10; ++i)
        eleven += Entry(TEntryFields());
    QTest::newRow("date of the twelfth entry, table data counted")
        << (eleven + TableDataEntry() + Entry(badDate) + '\x1A')
        << "'29/02/2009 12:00:00' is not a valid date and time. Entry 12 at byte 1718 of "
           "\"%1\".";
    QTest::newRow("text that is no object file")
        << QByteArray("This is a letter, not an index of objects at all. ").repeated(5)
        << "'letter, no' is not a valid integer value. Entry 1 at byte 0 of \"%1\".";
    // The start of a program file, NULs and all.
    const QByteArray program("\x7F"
                             "ELF\x02\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x03\x00\x3E\x00",
                             20);
    QTest::newRow("program file")
        << (program + QByteArray(400, '\0'))
        << Whole("The file \"%1\" does not look like an object file: its first entry is not "
                 "text. '\x00\x00\x00\x00\x00\x00\x03\x00>\x00' is not a valid integer value");
    QTest::newRow("short binary file")
        << program
        << "The file \"%1\" does not look like an object file: its first entry is not text. The "
           "object entry is cut short: the file ends after 20 of its 161 bytes";
    QTest::newRow("binary after a good entry")
        << (Entry(TEntryFields()) + program + QByteArray(400, '\0'))
        << Whole("'\x00\x00\x00\x00\x00\x00\x03\x00>\x00' is not a valid integer value. Entry "
                 "2 at byte 161 of \"%1\".");
}

void TestDateOrder::entryErrorsSayWhere()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const QString path = WriteFile(folder, "Sample.fob", contents);
    QVERIFY(!path.isEmpty());
    TModelFixture fixture(LocaleSettings("en_US"));
    QString raised;
    try {
        fixture.Model.LoadFromFile(path);
    } catch (const TError &error) {
        raised = error.message();
    }
    // Built with the NULs in it: QString::fromLatin1 of the whole array.
    QCOMPARE(raised, QString(message).arg(path));
    QCOMPARE(fixture.Model.FileName(), QString());
}

void TestDateOrder::messagesShowControlBytes_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("NUL inside") << Whole("'\x00\x00>\x00' is not valid")
                                << "'\\x00\\x00>\\x00' is not valid.";
    QTest::newRow("tab, line break, delete")
        << QString::fromLatin1("a\tb\nc\x7F") << "a\\x09b\\x0ac\\x7f.";
    QTest::newRow("ends in a quote: no period") << "file \"x\""
                                                << "file \"x\"";
    QTest::newRow("ends in a period") << "Done."
                                      << "Done.";
    QTest::newRow("letters beyond Latin-1 stay") << "Ørsted ı"
                                                 << "Ørsted ı.";
}

void TestDateOrder::messagesShowControlBytes()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(MessageForDisplay(message), shown);
}

QTEST_GUILESS_MAIN(TestDateOrder)
#include "tst_dateorder.moc"
