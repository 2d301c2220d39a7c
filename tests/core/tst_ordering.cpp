// The order of the visible list under each sort key and direction.
#include "core/fast/radixsort.h"
#include "core/reading/conversions.h"
#include "entries.h"
#include "modelfixture.h"
#include "plainorder.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

QByteArray Object(const QByteArray &tag, const QByteArray &id, const QByteArray &name,
                  const QByteArray &date = "01-02-03", const QByteArray &time = "10:00:00",
                  const QByteArray &size = "100", const QByteArray &versionList = "")
{
    TEntryFields f;
    f.Tag = tag;
    f.ID = id;
    f.Name = name;
    f.Date = date;
    f.Time = time;
    f.Size = size;
    f.VersionList = versionList;
    return Entry(f);
}

const QByteArray Table("Table     "), Form("Form      "), Codeunit("Codeunit  "),
    Page("Page      "), MenuSuite("MenuSuite ");

// Equal when less than a millisecond apart.
int PlainDateTimes(double a, double b)
{
    const long double millisecond = 1.0L / 86400000.0L;
    if (std::fabs(static_cast<long double>(a) - static_cast<long double>(b)) < millisecond)
        return 0;
    return a < b ? -1 : 1;
}

// R, I, M, D, X of the granted permissions, in this order.
QByteArray PlainPermissionLetters(TPermissionFlags flags)
{
    if (flags & pfNoRecord)
        return {};
    QByteArray letters;
    const std::pair<TPermissionFlags, char> grants[] = {
        {pfRead, 'R'}, {pfInsert, 'I'}, {pfModify, 'M'}, {pfDelete, 'D'}, {pfExecute, 'X'}};
    for (const auto &[flag, letter] : grants) {
        if (flags & flag)
            letters += letter;
    }
    return letters;
}

// Negative when a belongs before b: the key's field, then its tie-breaks
// (Type then ID; ID then Type; Name then Type only; the others then Type and
// ID), all reversed by direction 1.
int PlainOrder(const TNavisionObject &a, const TNavisionObject &b, int key, int direction)
{
    const int type = PlainIntegers(a.ObjectType(), b.ObjectType());
    const int id = PlainIntegers(a.ID(), b.ID());
    int order = 0;
    switch (key) {
    case skType:
        order = type ? type : id;
        break;
    case skID:
        order = id ? id : type;
        break;
    case skName:
        order = PlainTexts(a.Name(), b.Name());
        order = order ? order : type;
        break;
    case skDateTime:
    case skSize:
    case skVersionList:
    case skLicensePermissions:
        if (key == skDateTime)
            order = PlainDateTimes(a.DateTime(), b.DateTime());
        else if (key == skSize)
            order = PlainIntegers(a.Size(), b.Size());
        else if (key == skVersionList)
            order = PlainTexts(a.VersionList(), b.VersionList());
        else
            order = PlainTexts(PlainPermissionLetters(a.Permissions()),
                               PlainPermissionLetters(b.Permissions()));
        order = order ? order : (type ? type : id);
        break;
    default: // a key outside 0 to 6 finds every pair equal
        break;
    }
    return direction == 1 ? -order : order;
}

// The plain order of the entries at two places of a list, under the current
// key and direction.
int PlainOrderAt(const TObjectList &list, int positionA, int positionB)
{
    return PlainOrder(list.Object(positionA), list.Object(positionB), CurrentSortKey(),
                      CurrentSortDirection());
}

// The quicksort as the order rules state it, pivot in the middle, comparing
// entries in the list itself by the plain rules and exchanging them in place.
void ReferenceQuickSort(TObjectList &list, int left, int right)
{
    int i = left, j = right, pivot = (left + right) / 2;
    do {
        while (PlainOrderAt(list, i, pivot) < 0)
            ++i;
        while (PlainOrderAt(list, j, pivot) > 0)
            --j;
        if (i <= j) {
            if (i != j)
                std::swap(list.Object(i), list.Object(j));
            if (pivot == i)
                pivot = j;
            else if (pivot == j)
                pivot = i;
            ++i;
            --j;
        }
    } while (i <= j);
    if (left < j)
        ReferenceQuickSort(list, left, j);
    if (i < right)
        ReferenceQuickSort(list, i, right);
}

// Many ties under every key: shared names and version lists (also past their
// eighth byte, in other letter case, with NUL and code page 850 bytes), equal
// date-times and within a millisecond, repeated IDs across types.
QByteArray TieRichIndex(TFakeCFront &library)
{
    const QByteArray tags[] = {Table, Form, Codeunit, Page, MenuSuite};
    const QByteArray names[] = {"Sales Header Archive",
                                "SALES HEADER ARCHIVE B",
                                "Sales",
                                QByteArray("Sales\0Header", 12),
                                "Sales Header \x8e",
                                "",
                                "a",
                                "Sales Header Archive b"};
    const QByteArray versions[] = {"NAVW17.00",
                                   "navw17.00",
                                   "NAVW17.00,NAVNO7.00,NAVDK7.00,PROJ1.00,FIX1",
                                   "",
                                   "NAVW1",
                                   "NAVW17.00,NAVNO7.00,NAVDK7.00,PROJ1.00,fix1",
                                   "NAVW17.00,NAVNO7.00,NAVDK7.00,PROJ1.00,FIX1,X",
                                   "NAVW17.00,NAVNO7.00,NAVDK7.00,PROJ",
                                   QByteArray("NAVW17.00,NAVNO7.00,NAVDK7.00,PROJ\0", 35)};
    QByteArray index;
    for (int i = 0; i < 400; ++i) {
        const int id = i % 37 == 0 ? -i : i % 23;
        index +=
            Object(tags[i % 5], QByteArray::number(id), names[i % 8],
                   QByteArray::number(1 + i % 3) + "-02-03", "10:00:0" + QByteArray::number(i % 2),
                   QByteArray::number(i % 7 * 100), versions[i % 9]);
        if (i % 3)
            library.SetRights(otTable, id, {{i % 2, 0, i % 4 / 2, 0, 1}});
    }
    return index;
}

// How the date-times of a random list lie: in pairs a millisecond apart
// (which may or may not compare equal, but never chain), or every millisecond
// of a few in a row (where equal within a millisecond can chain).
enum class TMilliseconds { Pairs, InARow };

// A random list for the differential tests: every type and a tag of no
// recognised type, IDs and sizes of both signs, names with letter case
// variants, underscores, brackets, digits and code page 850 bytes, date-times
// before and after 30 December 1899, version lists that share long prefixes,
// and random permissions.
QByteArray RandomIndex(QRandomGenerator &random, TFakeCFront &library, TMilliseconds milliseconds)
{
    const QByteArray tags[] = {Table,    Form,         "Report    ", "Dataport  ",
                               Codeunit, "XMLport   ", MenuSuite,    Page};
    const char nameBytes[] = {'a', 'A', 'b', 'B', 'z',    'Z',    '_',    '[',
                              '`', '9', '1', ' ', '\x82', '\x90', '\xe9', '\xff'};
    const QByteArray versions[] = {"",
                                   "NAVW17.00",
                                   "navw17.00",
                                   "NAVW17.00,NAVNO7.00,NAVDK7.00,PROJ1.00,FIX1",
                                   "NAVW17.00,NAVNO7.00,NAVDK7.00,PROJ1.00,fix1",
                                   "NAVW17.00,NAVNO7.00,NAVDK7.00,PROJ1.00,FIX1_",
                                   "NAVW17.00,NAVNO7.00,NAVDK7.00,PROJ1.00,FIX\x90",
                                   "NAVW17.00,NAVNO7.00,NAVDK7.00,PROJ1.00,FIX"};
    // Day first, as DottedSettings reads them.
    const QByteArray dates[] = {"29.12.1899", "30.12.1899", "31.12.1899", "01.01.1800",
                                "03.02.04",   "04.02.04",   "15.07.2023"};
    QByteArray index;
    const int count = 2 + int(random.bounded(300));
    for (int i = 0; i < count; ++i) {
        TEntryFields f;
        const int tag = int(random.bounded(8));
        f.Tag = tags[tag];
        // Now and then a large ID, of both signs, within the ten columns of
        // the field: down to -196,000,000 and up to 1,960,000,000.
        const int small = int(random.bounded(-50, 50));
        const int id = small * (random.bounded(10) == 0 ? (small < 0 ? 4000000 : 40000000) : 1);
        f.ID = QByteArray::number(id);
        f.Name.clear();
        const int nameLength = int(random.bounded(9));
        for (int c = 0; c < nameLength; ++c)
            f.Name += nameBytes[random.bounded(int(sizeof nameBytes))];
        // Days on which whole milliseconds in a row chain (before and after
        // 30 December 1899), and one on which they don't.
        const QByteArray chainingDays[] = {"01.01.1700", "01.01.1901", "03.02.04"};
        f.Date = milliseconds == TMilliseconds::Pairs ? dates[random.bounded(7)]
                                                      : chainingDays[random.bounded(3)];
        const int millisecond = milliseconds == TMilliseconds::Pairs
                                    ? int(random.bounded(4)) * 10 + int(random.bounded(2))
                                    : int(random.bounded(6));
        // After a comma (the decimal separator), not a full stop, the
        // milliseconds count.
        f.Time = "10:00:0" + QByteArray::number(random.bounded(2)) + ',' +
                 QByteArray::number(millisecond).rightJustified(3, '0');
        f.Size = QByteArray::number(int(random.bounded(-3, 4)) * 1000);
        f.VersionList = versions[random.bounded(8)];
        index += Entry(f);
        if (tag < 7 && random.bounded(3))
            library.SetRights(
                tag + 1, id,
                {{int(random.bounded(2)), int(random.bounded(2)), int(random.bounded(2)),
                  int(random.bounded(2)), int(random.bounded(2))}});
    }
    return index;
}

// Whether some date-times of the list are each equal to a third within a
// millisecond but not to each other.
bool DateTimesChain(const TObjectList &list)
{
    for (int a = 0; a < list.Count(); ++a) {
        for (int b = 0; b < list.Count(); ++b) {
            if (CompareDateTimes(list.Object(a).DateTime(), list.Object(b).DateTime()) == 0)
                continue;
            for (int c = 0; c < list.Count(); ++c) {
                if (CompareDateTimes(list.Object(a).DateTime(), list.Object(c).DateTime()) == 0 &&
                    CompareDateTimes(list.Object(c).DateTime(), list.Object(b).DateTime()) == 0)
                    return true;
            }
        }
    }
    return false;
}

// The plain order of the object at positionA of the first list against the
// object at positionB of the second.
int PlainOrderAcross(const TObjectList &a, int positionA, const TObjectList &b, int positionB)
{
    return PlainOrder(a.Object(positionA), b.Object(positionB), CurrentSortKey(),
                      CurrentSortDirection());
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

} // namespace

class TestOrdering : public QObject {
    Q_OBJECT

private slots:
    void sortsByKey_data();
    void sortsByKey();
    void descendingIsTheExactReverse_data();
    void descendingIsTheExactReverse();
    void textComparison_data();
    void textComparison();
    void dateTimeComparison_data();
    void dateTimeComparison();
    void permissionsOrder();
    void tiedEntriesStayTogether_data();
    void tiedEntriesStayTogether();
    void randomListsInOrder_data();
    void randomListsInOrder();
    void chainedDateTimesAsTheQuicksortOverEntries();
    void radixSortOrdersByEveryBit();
    void keyOutsideTheRangeKeepsEveryEntry();
    void directionOtherThanOneIsAscending();
    void keyAndDirectionOutliveTheModel();
};

void TestOrdering::sortsByKey_data()
{
    QTest::addColumn<QByteArray>("index");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QStringList>("order");

    const QByteArray mixed = Object(Codeunit, "80", "Post") + Object(Table, "18", "Customer") +
                             Object(Page, "21", "Card") + Object(Table, "3", "Demo") +
                             Object(MenuSuite, "1", "Menu") + Object(Form, "21", "Card") +
                             Object(Table, "-5", "Negative");
    QTest::newRow("type ascending")
        << mixed << int(skType) << 0
        << QStringList{"Page 21 Card", "Table -5 Negative", "Table 3 Demo",    "Table 18 Customer",
                       "Form 21 Card", "Codeunit 80 Post",  "MenuSuite 1 Menu"};
    QTest::newRow("type descending")
        << mixed << int(skType) << 1
        << QStringList{"MenuSuite 1 Menu", "Codeunit 80 Post",  "Form 21 Card", "Table 18 Customer",
                       "Table 3 Demo",     "Table -5 Negative", "Page 21 Card"};
    QTest::newRow("ID, same ID by type")
        << (Object(Form, "21", "Card") + Object(Page, "21", "Card") + Object(Table, "21", "T") +
            Object(Table, "-1", "Neg"))
        << int(skID) << 0
        << QStringList{"Table -1 Neg", "Page 21 Card", "Table 21 T", "Form 21 Card"};
    QTest::newRow("name, ASCII case ignored, then type")
        << (Object(Form, "9", "ALPHA") + Object(Table, "1", "alpha") + Object(Table, "2", "Beta"))
        << int(skName) << 0 << QStringList{"Table 1 alpha", "Form 9 ALPHA", "Table 2 Beta"};
    QTest::newRow("name, digits as characters")
        << (Object(Table, "1", "Name9") + Object(Table, "2", "Name10") + Object(Table, "3", "Name"))
        << int(skName) << 0 << QStringList{"Table 3 Name", "Table 2 Name10", "Table 1 Name9"};
    QTest::newRow("name, underscore after letters")
        << (Object(Table, "1", "A_B") + Object(Table, "2", "AZB") + Object(Table, "3", "A B"))
        << int(skName) << 0 << QStringList{"Table 3 A B", "Table 2 AZB", "Table 1 A_B"};
    QTest::newRow("date-time, then type and ID")
        << (Object(Table, "2", "B", "01-02-03", "10:00:01") +
            Object(Form, "1", "C", "01-02-03", "10:00:00") +
            Object(Table, "1", "A", "01-02-03", "10:00:00") +
            Object(Table, "3", "D", "12-31-02", "23:00:00"))
        << int(skDateTime) << 0 << QStringList{"Table 3 D", "Table 1 A", "Form 1 C", "Table 2 B"};
    QTest::newRow("date-time before 30 December 1899")
        << (Object(Table, "1", "Morning", "01-01-1800", "06:00:00") +
            Object(Table, "2", "Evening", "01-01-1800", "18:00:00") +
            Object(Table, "3", "Day before", "12-31-1799", "12:00:00"))
        << int(skDateTime) << 0
        << QStringList{"Table 3 Day before", "Table 2 Evening", "Table 1 Morning"};
    QTest::newRow("size, then type and ID")
        << (Object(Form, "1", "A", "1-1-1", "", "50") + Object(Table, "2", "B", "1-1-1", "", "50") +
            Object(Table, "1", "C", "1-1-1", "", "50") + Object(Table, "9", "D", "1-1-1", "", "-3"))
        << int(skSize) << 0 << QStringList{"Table 9 D", "Table 1 C", "Table 2 B", "Form 1 A"};
    QTest::newRow("version list, empty first")
        << (Object(Table, "1", "A", "1-1-1", "", "1", "NAVW17.00") + Object(Table, "2", "B") +
            Object(Table, "3", "C", "1-1-1", "", "1", "NAVW14.00"))
        << int(skVersionList) << 0 << QStringList{"Table 2 B", "Table 3 C", "Table 1 A"};
    QTest::newRow("version list descending, empty last")
        << (Object(Table, "1", "A", "1-1-1", "", "1", "NAVW17.00") + Object(Table, "2", "B") +
            Object(Table, "3", "C", "1-1-1", "", "1", "NAVW14.00"))
        << int(skVersionList) << 1 << QStringList{"Table 1 A", "Table 3 C", "Table 2 B"};
}

void TestOrdering::sortsByKey()
{
    QFETCH(QByteArray, index);
    QFETCH(int, key);
    QFETCH(int, direction);
    QFETCH(QStringList, order);
    TModelFixture fixture;
    fixture.Load(index);
    fixture.Model.SetSortDirection(direction);
    fixture.Model.SetSortKey(key);
    QCOMPARE(fixture.VisibleKeys(), order);
    QCOMPARE(fixture.Model.GetSortKey(), key);
    QCOMPARE(fixture.Model.GetSortDirection(), direction);
}

void TestOrdering::descendingIsTheExactReverse_data()
{
    QTest::addColumn<int>("key");
    for (int key = 0; key < SortKeyCount; ++key)
        QTest::addRow("key %d", key) << key;
}

// With distinct values under every key, descending reverses ascending
// tie-breaks included.
void TestOrdering::descendingIsTheExactReverse()
{
    QFETCH(int, key);
    TModelFixture fixture;
    QByteArray index;
    for (int i = 0; i < 40; ++i) {
        const QByteArray tag = QList<QByteArray>{Table, Form, Codeunit}[i % 3];
        index += Object(tag, QByteArray::number((i * 7) % 11), "N" + QByteArray::number(i % 4),
                        "0" + QByteArray::number(1 + i % 5) + "-01-05",
                        "10:00:0" + QByteArray::number(i % 2), QByteArray::number(i % 6),
                        "V" + QByteArray::number(i % 3));
    }
    fixture.Load(index);
    fixture.Model.SetSortKey(key);
    for (int i = 0; i + 1 < fixture.Model.GetCount(); ++i)
        QVERIFY2(PlainOrderAt(fixture.Model.Objects(), i, i + 1) <= 0, "ascending order broken");
    const QStringList ascending = fixture.VisibleKeys();

    fixture.Model.SetSortDirection(1);
    for (int i = 0; i + 1 < fixture.Model.GetCount(); ++i)
        QVERIFY2(PlainOrderAt(fixture.Model.Objects(), i, i + 1) <= 0, "descending order broken");
    // Where neighbours differ, descending stands them the other way round.
    StoreSortDirection(0);
    for (int i = 0; i + 1 < fixture.Model.GetCount(); ++i)
        QVERIFY(PlainOrderAt(fixture.Model.Objects(), i, i + 1) >= 0);
    QCOMPARE(fixture.Model.GetCount(), ascending.size());
}

void TestOrdering::textComparison_data()
{
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<int>("sign");

    QTest::newRow("equal") << QByteArray("Demo") << QByteArray("Demo") << 0;
    QTest::newRow("ASCII case ignored") << QByteArray("demo") << QByteArray("DEMO") << 0;
    QTest::newRow("empty first") << QByteArray() << QByteArray("A") << -1;
    QTest::newRow("prefix first") << QByteArray("Sales") << QByteArray("Sales Header") << -1;
    QTest::newRow("underscore after letters") << QByteArray("_") << QByteArray("z") << 1;
    QTest::newRow("bracket after upper-case letters") << QByteArray("[") << QByteArray("Z") << 1;
    QTest::newRow("digits as characters") << QByteArray("10") << QByteArray("9") << -1;
    QTest::newRow("high bytes by code") << QByteArray("\x82") << QByteArray("z") << 1;
    QTest::newRow("no case folding above 0x7F") << QByteArray("\x82") << QByteArray("\x90") << -1;
    QTest::newRow("bytes compare unsigned") << QByteArray("\xff") << QByteArray("\x01") << 1;
}

void TestOrdering::textComparison()
{
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QFETCH(int, sign);
    QCOMPARE(Sign(CompareTexts(a, b)), sign);
    QCOMPARE(Sign(CompareTexts(b, a)), -sign);
}

void TestOrdering::dateTimeComparison_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<int>("result");

    const double day = EncodeDateTime(QDate(2008, 12, 31), QTime(10, 0));
    const double ms = 1.0 / 86400000.0;
    QTest::newRow("equal") << day << day << 0;
    QTest::newRow("half a millisecond") << day << day + 0.5 * ms << 0;
    QTest::newRow("just under a millisecond") << day << day + 0.99 * ms << 0;
    QTest::newRow("just over a millisecond") << day << day + 1.01 * ms << -1;
    QTest::newRow("one second later") << day + 1.0 / 86400 << day << 1;
    QTest::newRow("negative day counts") << -1.75 << -1.25 << -1;
}

void TestOrdering::dateTimeComparison()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(int, result);
    QCOMPARE(CompareDateTimes(a, b), result);
}

void TestOrdering::permissionsOrder()
{
    TModelFixture fixture;
    fixture.Library.SetRights(otTable, 1, {{0, 0, 0, 0, 1}}); // X
    fixture.Library.SetRights(otTable, 2, {{1, 0, 0, 0, 1}}); // RX
    fixture.Library.SetRights(otTable, 3, {{1, 1, 1, 1, 1}}); // RIMDX
    fixture.Library.SetRights(otTable, 4, {{1, 1, 1, 1, 0}}); // RIMD
    fixture.Library.SetRights(otTable, 5, {{1, 0, 0, 0, 0}}); // R
    fixture.Library.SetRights(otTable, 6, {{0, 0, 0, 0, 0}}); // a record granting nothing
    fixture.Load(Object(Table, "1", "A") + Object(Table, "2", "A") + Object(Table, "3", "A") +
                 Object(Table, "4", "A") + Object(Table, "5", "A") + Object(Table, "6", "A") +
                 Object(Table, "7", "A")); // 7: no record
    fixture.Model.SetSortKey(skLicensePermissions);
    QCOMPARE(fixture.VisibleKeys(), (QStringList{"Table 6 A", "Table 7 A", "Table 5 A", "Table 4 A",
                                                 "Table 3 A", "Table 2 A", "Table 1 A"}));
    fixture.Model.SetSortDirection(1);
    QCOMPARE(fixture.VisibleKeys().mid(5), (QStringList{"Table 7 A", "Table 6 A"}));

    // A licence change leaves the order of the old letters until the next sort.
    fixture.Library.SetRights(otTable, 7, {{1, 1, 1, 1, 1}});
    fixture.Model.RefreshPermissions();
    QCOMPARE(fixture.VisibleKeys().indexOf("Table 7 A"), 5);
    fixture.Model.Sort();
    QCOMPARE(fixture.VisibleKeys(), (QStringList{"Table 1 A", "Table 2 A", "Table 7 A", "Table 3 A",
                                                 "Table 4 A", "Table 5 A", "Table 6 A"}));
}

void TestOrdering::tiedEntriesStayTogether_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("direction");
    for (int key = 0; key < SortKeyCount; ++key) {
        for (int direction : {0, 1, 2})
            QTest::addRow("key %d, direction %d", key, direction) << key << direction;
    }
}

// Many entries compare equal under every key: they may stand in any order
// among themselves, but every one of them keeps its place among the others.
void TestOrdering::tiedEntriesStayTogether()
{
    QFETCH(int, key);
    QFETCH(int, direction);
    StoreSortKey(key);
    StoreSortDirection(direction);
    // The order of the quicksort over the entries, kept beyond its model (the
    // fake library serves one model at a time).
    TObjectList reference(QLocale::c());
    {
        TModelFixture fixture;
        StoreSortKey(key);
        StoreSortDirection(direction);
        fixture.Load(TieRichIndex(fixture.Library));
        auto &list = const_cast<TObjectList &>(fixture.Model.Objects());
        ReferenceQuickSort(list, 0, list.Count() - 1);
        for (int i = 0; i < list.Count(); ++i)
            reference.Append(list.Object(i));
    }

    TModelFixture fixture;
    fixture.Load(TieRichIndex(fixture.Library));
    QStringList loaded = fixture.VisibleKeys();
    fixture.Model.SetSortDirection(direction);
    fixture.Model.SetSortKey(key);
    const TObjectList &list = fixture.Model.Objects();
    QCOMPARE(list.Count(), reference.Count());
    for (int i = 0; i < list.Count(); ++i) {
        if (i + 1 < list.Count())
            QVERIFY2(PlainOrderAt(list, i, i + 1) <= 0, qPrintable(QString::number(i)));
        // The same as the quicksort's entry at this place, or tied with it.
        QVERIFY2(PlainOrderAcross(list, i, reference, i) == 0, qPrintable(QString::number(i)));
    }
    QStringList sorted = fixture.VisibleKeys();
    // Sorting a list in order again moves nothing, not even tied entries.
    fixture.Model.Sort();
    QCOMPARE(fixture.VisibleKeys(), sorted);
    loaded.sort();
    sorted.sort();
    QCOMPARE(sorted, loaded);
}

void TestOrdering::randomListsInOrder_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 1; seed <= 40; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

// Differential: random lists under every key and direction come out with each
// entry in order against the next by the plain rules, and with the same
// entries; CompareObjects gives the plain rules' answer for pairs across the
// list. Date-times in pairs a millisecond apart group without chains.
void TestOrdering::randomListsInOrder()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    TModelFixture fixture(DottedSettings());
    fixture.Load(RandomIndex(random, fixture.Library, TMilliseconds::Pairs));
    const TObjectList &list = fixture.Model.Objects();
    QVERIFY(!DateTimesChain(list));
    QStringList loaded = fixture.VisibleKeys();
    loaded.sort();
    for (int key = 0; key < SortKeyCount; ++key) {
        for (int direction : {0, 1, 2}) {
            fixture.Model.SetSortDirection(direction);
            fixture.Model.SetSortKey(key);
            for (int i = 0; i + 1 < list.Count(); ++i) {
                if (PlainOrderAt(list, i, i + 1) > 0)
                    QFAIL(qPrintable(QStringLiteral("key %1, direction %2: %3 before %4")
                                         .arg(key)
                                         .arg(direction)
                                         .arg(DecodeText(list.Object(i).GetKey()),
                                              DecodeText(list.Object(i + 1).GetKey()))));
            }
            for (int i = 0; i < list.Count(); ++i) {
                const int other = (i * 7 + 3) % list.Count();
                if (Sign(CompareObjects(list, i, other)) != Sign(PlainOrderAt(list, i, other)))
                    QFAIL(qPrintable(QStringLiteral("key %1, direction %2: %3 against %4")
                                         .arg(key)
                                         .arg(direction)
                                         .arg(DecodeText(list.Object(i).GetKey()),
                                              DecodeText(list.Object(other).GetKey()))));
            }
            QStringList sorted = fixture.VisibleKeys();
            sorted.sort();
            QCOMPARE(sorted, loaded);
        }
    }
}

// Where equal within a millisecond is not transitive no order satisfies
// every pair; the sort then leaves the order of the quicksort over the
// entries, exactly.
void TestOrdering::chainedDateTimesAsTheQuicksortOverEntries()
{
    int chained = 0;
    for (quint32 seed = 1; seed <= 30; ++seed) {
        for (int direction : {0, 1}) {
            QRandomGenerator random(seed);
            TModelFixture fixture(DottedSettings());
            const QByteArray index = RandomIndex(random, fixture.Library, TMilliseconds::InARow);
            fixture.Load(index);
            if (!DateTimesChain(fixture.Model.Objects()))
                continue;
            ++chained;
            // Sorted once from the order of the file, as the reference is.
            StoreSortKey(skDateTime);
            StoreSortDirection(direction);
            fixture.Model.Sort();
            const QStringList sorted = fixture.VisibleKeys();
            fixture.Load(index);
            auto &list = const_cast<TObjectList &>(fixture.Model.Objects());
            ReferenceQuickSort(list, 0, list.Count() - 1);
            QCOMPARE(sorted, fixture.VisibleKeys());
        }
    }
    // The lists must have made the case at all.
    QVERIFY(chained > 10);
}

void TestOrdering::radixSortOrdersByEveryBit()
{
    QRandomGenerator random(7);
    // The last size needs a block of huge pages.
    for (const auto &[mask, size] : {std::pair{~uint64_t(0), uint32_t(random.bounded(5000))},
                                     {uint64_t(0xF00000000000000F), 4000u},
                                     {uint64_t(0x7FF), 3000u},
                                     {uint64_t(1) << 63, 2000u},
                                     {uint64_t(0), 1000u},
                                     {~uint64_t(0), 300000u}}) {
        TLargeVector<TKeyedPosition> entries(static_cast<size_t>(size));
        for (size_t i = 0; i < entries.size(); ++i)
            entries[i] = {random.generate64() & mask, uint32_t(i)};
        std::vector<TKeyedPosition> expected(entries.begin(), entries.end());
        std::stable_sort(
            expected.begin(), expected.end(),
            [](const TKeyedPosition &a, const TKeyedPosition &b) { return a.Key < b.Key; });
        RadixSort(entries);
        QCOMPARE(entries.size(), expected.size());
        for (size_t i = 0; i < entries.size(); ++i) {
            QCOMPARE(entries[i].Key, expected[i].Key);
            QCOMPARE(entries[i].Position, expected[i].Position); // stable
        }
    }
}

void TestOrdering::keyOutsideTheRangeKeepsEveryEntry()
{
    TModelFixture fixture;
    fixture.Load(Object(Table, "3", "C") + Object(Table, "1", "A") + Object(Form, "2", "B"));
    for (int key : {-1, 7, 1000}) {
        fixture.Model.SetSortKey(key);
        QCOMPARE(fixture.Model.GetSortKey(), key);
        QStringList keys = fixture.VisibleKeys();
        keys.sort();
        QCOMPARE(keys, (QStringList{"Form 2 B", "Table 1 A", "Table 3 C"}));
        QCOMPARE(CompareObjects(fixture.Model.Objects(), 0, 1), 0);
    }
}

void TestOrdering::directionOtherThanOneIsAscending()
{
    TModelFixture fixture;
    fixture.Load(Object(Table, "3", "C") + Object(Table, "1", "A") + Object(Table, "2", "B"));
    fixture.Model.SetSortKey(skID);
    fixture.Model.SetSortDirection(2);
    QCOMPARE(fixture.Model.GetSortDirection(), 2);
    QCOMPARE(fixture.VisibleKeys(), (QStringList{"Table 1 A", "Table 2 B", "Table 3 C"}));
}

// Key and direction belong to the program, not to one model: a cleared or a
// new model sorts by them.
void TestOrdering::keyAndDirectionOutliveTheModel()
{
    {
        TModelFixture fixture;
        fixture.Model.SetSortDirection(1);
        fixture.Model.SetSortKey(skName);
        fixture.Model.Clear();
        QCOMPARE(fixture.Model.GetSortKey(), int(skName));
    }
    TFakeCFront library;
    TNavisionBinaryFile model(library.EntryPoints(), UsSettings());
    QCOMPARE(model.GetSortKey(), int(skName));
    QCOMPARE(model.GetSortDirection(), 1);
    StoreSortKey(skType);
    StoreSortDirection(0);
}

QTEST_GUILESS_MAIN(TestOrdering)
#include "tst_ordering.moc"
