// Comparing two object files: pairing by identity, the kinds and changed
// fields, the order of the rows and the lines that the lister prints and the
// comparison window saves.
#include "comparisonrows.h"
#include "core/compare/compare.h"
#include "core/errors.h"
#include "core/model/ordering.h"
#include "core/reading/codepage.h"
#include "entries.h"
#include "fakecfront.h"
#include "settings.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <numeric>
#include <tuple>

namespace {

using TEntries = QList<QByteArray>;

TEntryFields Fields(const QByteArray &tag, const QByteArray &id, const QByteArray &name)
{
    TEntryFields fields;
    fields.Tag = tag;
    fields.ID = id;
    fields.Name = name;
    return fields;
}

// The same object with one field replaced.
QByteArray With(TEntryFields fields, QByteArray TEntryFields::*field, const QByteArray &value)
{
    fields.*field = value;
    return Entry(fields);
}

// Two models read from files, the second borrowing the first's licence
// reader as the window and the lister do.
struct TTwoFiles {
    QTemporaryDir Folder;
    TFakeCFront Library;
    TNavisionBinaryFile Old;
    TNavisionBinaryFile New;

    explicit TTwoFiles(const TRegionalSettings &settings = UsSettings())
        : Old(Library.EntryPoints(), settings), New(Old.LicenseFile(), settings)
    {
    }

    void Load(TNavisionBinaryFile &model, const QString &name, const TEntries &entries)
    {
        const QString path = Folder.filePath(name);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(entries.join() + '\x1A');
        file.close();
        model.LoadFromFile(path);
    }
    void Load(const TEntries &oldEntries, const TEntries &newEntries)
    {
        Load(Old, QStringLiteral("old.fob"), oldEntries);
        Load(New, QStringLiteral("new.fob"), newEntries);
    }
};

} // namespace

class TestCompare : public QObject {
    Q_OBJECT

private slots:
    void pairsObjects_data();
    void pairsObjects();
    void countsEachKind();
    void secondModelBorrowsTheLicence();
    void leavesHiddenSystemObjectsOut();
    void sortsByEveryColumn_data();
    void sortsByEveryColumn();
    void everyOrderAgreesWithTheComparison();
    void sortsAsAStableSortWould_data();
    void sortsAsAStableSortWould();
    void writesLines();
    void savesWithHeaderInRowOrder();
    void saveFailsOnShortWrite();
};

void TestCompare::pairsObjects_data()
{
    QTest::addColumn<TEntries>("oldEntries");
    QTest::addColumn<TEntries>("newEntries");
    QTest::addColumn<QStringList>("expected");

    const TEntryFields demo = Fields("Table", "3", "Demo");
    const TEntryFields customer = Fields("Table", "18", "Customer");
    const TEntryFields post = Fields("Codeunit", "80", "Post");
    const QByteArray demoEntry = Entry(demo), customerEntry = Entry(customer),
                     postEntry = Entry(post);

    QTest::addRow("both identical")
        << TEntries{demoEntry, customerEntry, postEntry}
        << TEntries{postEntry, demoEntry, customerEntry}
        << QStringList{"unchanged Table 3 Demo", "unchanged Table 18 Customer",
                       "unchanged Codeunit 80 Post"};
    QTest::addRow("added") << TEntries{demoEntry} << TEntries{demoEntry, customerEntry}
                           << QStringList{"unchanged Table 3 Demo", "added Table 18 Customer"};
    QTest::addRow("removed") << TEntries{demoEntry, postEntry} << TEntries{demoEntry}
                             << QStringList{"unchanged Table 3 Demo", "removed Codeunit 80 Post"};
    QTest::addRow("old file empty") << TEntries{} << TEntries{demoEntry, postEntry}
                                    << QStringList{"added Table 3 Demo", "added Codeunit 80 Post"};
    QTest::addRow("new file empty")
        << TEntries{demoEntry, postEntry} << TEntries{}
        << QStringList{"removed Table 3 Demo", "removed Codeunit 80 Post"};
    QTest::addRow("both empty") << TEntries{} << TEntries{} << QStringList{};

    QTest::addRow("name") << TEntries{customerEntry}
                          << TEntries{With(customer, &TEntryFields::Name, "Customers")}
                          << QStringList{"changed:name Table 18 Customers"};
    QTest::addRow("name in other letter case")
        << TEntries{customerEntry} << TEntries{With(customer, &TEntryFields::Name, "CUSTOMER")}
        << QStringList{"changed:name Table 18 CUSTOMER"};
    QTest::addRow("date") << TEntries{customerEntry}
                          << TEntries{With(customer, &TEntryFields::Date, "01-03-03")}
                          << QStringList{"changed:datetime Table 18 Customer"};
    QTest::addRow("time, one second")
        << TEntries{customerEntry} << TEntries{With(customer, &TEntryFields::Time, "10:15:31")}
        << QStringList{"changed:datetime Table 18 Customer"};
    TEntryFields blank = customer;
    blank.Date = "";
    blank.Time = "";
    QTest::addRow("date and time made blank") << TEntries{customerEntry} << TEntries{Entry(blank)}
                                              << QStringList{"changed:datetime Table 18 Customer"};
    QTest::addRow("the same date written otherwise")
        << TEntries{customerEntry} << TEntries{With(customer, &TEntryFields::Date, "1/2/2003")}
        << QStringList{"unchanged Table 18 Customer"};
    // Each file's dates read in the order that file was written in.
    TEntryFields dayFirst = customer, monthFirst = customer;
    dayFirst.Date = "31.12.08";
    monthFirst.Date = "12/31/08";
    QTest::addRow("files read in different date orders")
        << TEntries{Entry(dayFirst), Entry(Fields("Table", "3", "Demo"))}
        << TEntries{Entry(monthFirst)}
        << QStringList{"removed Table 3 Demo", "unchanged Table 18 Customer"};
    QTest::addRow("size") << TEntries{customerEntry}
                          << TEntries{With(customer, &TEntryFields::Size, "1235")}
                          << QStringList{"changed:size Table 18 Customer"};
    QTest::addRow("version list") << TEntries{customerEntry}
                                  << TEntries{With(customer, &TEntryFields::VersionList,
                                                   "NAVW17.00")}
                                  << QStringList{"changed:version Table 18 Customer"};
    TEntryFields everything = customer;
    everything.Name = "Debtor";
    everything.Time = "11:00:00";
    everything.Size = "1";
    everything.VersionList = "X";
    QTest::addRow("every field") << TEntries{customerEntry} << TEntries{Entry(everything)}
                                 << QStringList{
                                        "changed:name,datetime,size,version Table 18 Debtor"};

    QTest::addRow("type 0: tags kept apart")
        << TEntries{Entry("Page", "21", "Customer Card")}
        << TEntries{Entry("Query", "21", "Customer Card")}
        << QStringList{"removed Page 21 Customer Card", "added Query 21 Customer Card"};
    QTest::addRow("type 0: the same tag pairs")
        << TEntries{Entry("Page", "21", "Customer Card")}
        << TEntries{With(Fields("Page", "21", "Customer Card"), &TEntryFields::Size, "9")}
        << QStringList{"changed:size Page 21 Customer Card"};
    QTest::addRow("type 0: a tag of a type's name with a tab is no such type")
        << TEntries{Entry("Table\t", "18", "Customer")} << TEntries{customerEntry}
        << QStringList{"removed Table 18 Customer", "added Table 18 Customer"};
    QTest::addRow("one number, other type")
        << TEntries{Entry("Table", "80", "Post")} << TEntries{Entry("Codeunit", "80", "Post")}
        << QStringList{"removed Table 80 Post", "added Codeunit 80 Post"};

    QTest::addRow("repeated keys in one file are dropped as the loader drops them")
        << TEntries{customerEntry, With(customer, &TEntryFields::Size, "1"),
                    With(customer, &TEntryFields::Name, "CUSTOMER")}
        << TEntries{customerEntry} << QStringList{"unchanged Table 18 Customer"};
    QTest::addRow("one identity, several names: equal names pair first")
        << TEntries{Entry("Table", "18", "A"), Entry("Table", "18", "B")}
        << TEntries{Entry("Table", "18", "C"), Entry("Table", "18", "B")}
        << QStringList{"unchanged Table 18 B", "changed:name Table 18 C"};
    QTest::addRow("one identity, a name more in the new file")
        << TEntries{Entry("Table", "18", "A")}
        << TEntries{Entry("Table", "18", "B"), Entry("Table", "18", "A")}
        << QStringList{"unchanged Table 18 A", "added Table 18 B"};
    QTest::addRow("one identity, a name fewer in the new file")
        << TEntries{Entry("Table", "18", "A"), Entry("Table", "18", "B"), Entry("Table", "18", "C")}
        << TEntries{Entry("Table", "18", "C"), Entry("Table", "18", "D")}
        << QStringList{"removed Table 18 B", "unchanged Table 18 C", "changed:name Table 18 D"};
    QTest::addRow("type 0: several tags of one number, names paired within each tag")
        << TEntries{Entry("Page", "21", "A"), Entry("Query", "21", "A"), Entry("Page", "21", "B")}
        << TEntries{Entry("Query", "21", "A"), Entry("Page", "21", "C")}
        << QStringList{"removed Page 21 B", "changed:name Page 21 C", "unchanged Query 21 A"};
    // More objects of one identity than a walk over both files looks at one
    // by one: the same pairs.
    TEntries manyOld, manyNew;
    QStringList manyExpected;
    const auto numbered = [](const char *prefix, int i) {
        return prefix + QByteArray::number(i).rightJustified(2, '0');
    };
    for (int i = 0; i < 20; ++i)
        manyOld << Entry("Table", "18", numbered("N", i));
    manyNew << Entry("Table", "18", "X19");
    for (int i = 18; i >= 1; --i) {
        manyNew << Entry("Table", "18", numbered("N", i));
        manyExpected.prepend("unchanged Table 18 " + numbered("N", i));
    }
    // The name found nowhere takes the first old object left.
    manyExpected << "removed Table 18 N19"
                 << "changed:name Table 18 X19";
    QTest::addRow("one identity, twenty names") << manyOld << manyNew << manyExpected;
}

void TestCompare::pairsObjects()
{
    QFETCH(TEntries, oldEntries);
    QFETCH(TEntries, newEntries);
    QFETCH(QStringList, expected);
    TTwoFiles files;
    files.Load(oldEntries, newEntries);
    const TObjectComparison comparison(files.Old, files.New);
    QCOMPARE(ComparisonRows(comparison), expected);
}

void TestCompare::countsEachKind()
{
    const TEntryFields customer = Fields("Table", "18", "Customer");
    {
        TTwoFiles files;
        files.Load({Entry("Table", "3", "Demo"), Entry(customer), Entry("Report", "1", "Gone"),
                    Entry("Report", "2", "Gone too")},
                   {Entry("Table", "3", "Demo"), With(customer, &TEntryFields::Size, "7"),
                    Entry("Form", "21", "New")});
        const TObjectComparison comparison(files.Old, files.New);
        QCOMPARE(comparison.Count(), 5);
        QCOMPARE(comparison.CountOf(TChangeKind::Added), 1);
        QCOMPARE(comparison.CountOf(TChangeKind::Removed), 2);
        QCOMPARE(comparison.CountOf(TChangeKind::Changed), 1);
        QCOMPARE(comparison.CountOf(TChangeKind::Unchanged), 1);
        QVERIFY(comparison.HasDifferences());
    }
    // The fake library serves one test fixture at a time.
    {
        TTwoFiles same;
        same.Load({Entry("Table", "3", "Demo")}, {Entry("Table", "3", "Demo")});
        QVERIFY(!TObjectComparison(same.Old, same.New).HasDifferences());
    }
    {
        TTwoFiles empty;
        empty.Load({}, {});
        QVERIFY(!TObjectComparison(empty.Old, empty.New).HasDifferences());
    }
}

// The library is started and stopped once, by the model that owns the
// licence reader; the borrowing model looks its objects up in it.
void TestCompare::secondModelBorrowsTheLicence()
{
    TFakeCFront library;
    library.SetRights(otTable, 3, {{1, 0, 0, 0, 0}});
    {
        TNavisionBinaryFile owner(library.EntryPoints(), UsSettings());
        {
            TNavisionBinaryFile borrower(owner.LicenseFile(), UsSettings());
            QBuffer buffer;
            buffer.setData(Entry("Table", "3", "Demo") + '\x1A');
            buffer.open(QIODevice::ReadOnly);
            borrower.LoadFromStream(buffer);
            QCOMPARE(borrower.GetObject(0).GetPermissionText(), QByteArray("R"));
        }
        QCOMPARE(library.Calls.count("3"), 1);
        QCOMPARE(library.Calls.count("4"), 0);
    }
    QCOMPARE(library.Calls.count("4"), 1);
}

// Only the listed objects are compared: with system objects hidden while
// both files are read, they are neither added nor removed.
void TestCompare::leavesHiddenSystemObjectsOut()
{
    TTwoFiles files;
    files.Old.SetHideSystemObjects(true);
    files.New.SetHideSystemObjects(true);
    files.Load({Entry("Table", "3", "Demo"), Entry("Table", "2000000001", "Object")},
               {Entry("Table", "3", "Demo"), Entry("Codeunit", "-1", "Negative")});
    QCOMPARE(ComparisonRows(TObjectComparison(files.Old, files.New)),
             QStringList{"unchanged Table 3 Demo"});
}

void TestCompare::sortsByEveryColumn_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("ascending");
    // Rows: added Form 21, removed Report 1 (no new side), changed Table 18
    // (size 1234 -> 7), unchanged Table 3 (version list V1).
    QTest::addRow("Change") << int(TComparisonColumn::Change)
                            << QStringList{"Form 21", "Report 1", "Table 18", "Table 3"};
    QTest::addRow("Type") << int(TComparisonColumn::Type)
                          << QStringList{"Table 3", "Table 18", "Form 21", "Report 1"};
    QTest::addRow("ID") << int(TComparisonColumn::ID)
                        << QStringList{"Report 1", "Table 3", "Table 18", "Form 21"};
    QTest::addRow("Name") << int(TComparisonColumn::Name)
                          << QStringList{"Table 18", "Table 3", "Report 1", "Form 21"};
    QTest::addRow("Old Size: no old side first")
        << int(TComparisonColumn::OldSize)
        << QStringList{"Form 21", "Table 3", "Table 18", "Report 1"};
    QTest::addRow("New Size") << int(TComparisonColumn::NewSize)
                              << QStringList{"Report 1", "Table 18", "Table 3", "Form 21"};
    QTest::addRow("New Version List") << int(TComparisonColumn::NewVersionList)
                                      << QStringList{"Report 1", "Table 18", "Form 21", "Table 3"};
    QTest::addRow("Permissions") << int(TComparisonColumn::Permissions)
                                 << QStringList{"Report 1", "Form 21", "Table 18", "Table 3"};
}

void TestCompare::sortsByEveryColumn()
{
    QFETCH(int, column);
    QFETCH(QStringList, ascending);
    TTwoFiles files;
    files.Library.SetRights(otTable, 3, {{1, 0, 0, 0, 1}});  // RX
    files.Library.SetRights(otTable, 18, {{1, 1, 1, 1, 1}}); // RIMDX
    files.Library.SetRights(otForm, 21, {{1, 0, 0, 0, 0}});  // R
    TEntryFields demo = Fields("Table", "3", "Demo");
    demo.VersionList = "V1";
    const TEntryFields customer = Fields("Table", "18", "Customer");
    TEntryFields report = Fields("Report", "1", "Gone");
    report.Size = "99999";
    TEntryFields form = Fields("Form", "21", "New");
    form.Size = "50000";
    form.VersionList = "A";
    files.Load({Entry(demo), Entry(customer), Entry(report)},
               {Entry(demo), With(customer, &TEntryFields::Size, "7"), Entry(form)});
    const TObjectComparison comparison(files.Old, files.New);

    for (const bool descending : {false, true}) {
        std::vector<int> rows(size_t(comparison.Count()));
        std::iota(rows.begin(), rows.end(), 0);
        SortDifferences(rows, comparison, TComparisonColumn(column), descending);
        QStringList order;
        for (const int row : rows) {
            const TNavisionObject &object = comparison.Difference(row).Object();
            order
                << QStringLiteral("%1 %2").arg(DecodeText(object.TypeNameView())).arg(object.ID());
        }
        QStringList expected = ascending;
        if (descending)
            std::reverse(expected.begin(), expected.end());
        QCOMPARE(order, expected);
    }
}

// Whatever way a column is sorted, neighbours stand in the order that
// CompareDifferences gives them: tags of unrecognised types in any case,
// one identity under several names, absent sides, equal values.
void TestCompare::everyOrderAgreesWithTheComparison()
{
    TTwoFiles files;
    TEntries oldEntries, newEntries;
    const QList<QByteArray> tags = {"Page", "PAGE", "Query", "Table", "Codeunit", "page", "Form"};
    for (int i = 0; i < 60; ++i) {
        TEntryFields f = Fields(tags[i % tags.size()], QByteArray::number(i % 9),
                                "Name " + QByteArray::number(i % 5));
        f.Size = QByteArray::number(i % 4);
        f.VersionList = i % 3 ? "V" + QByteArray::number(i % 2) : "";
        if (i % 4 != 1)
            oldEntries << Entry(f);
        f.Time = i % 5 ? "10:15:30" : "11:00:00";
        if (i % 4 != 2)
            newEntries << Entry(f);
    }
    files.Load(oldEntries, newEntries);
    const TObjectComparison comparison(files.Old, files.New);
    QVERIFY(comparison.CountOf(TChangeKind::Added) > 0);
    QVERIFY(comparison.CountOf(TChangeKind::Removed) > 0);
    for (int column = 0; column < ComparisonColumnCount; ++column) {
        for (const bool descending : {false, true}) {
            std::vector<int> rows(size_t(comparison.Count()));
            std::iota(rows.begin(), rows.end(), 0);
            SortDifferences(rows, comparison, TComparisonColumn(column), descending);
            for (size_t i = 0; i + 1 < rows.size(); ++i) {
                int order = CompareDifferences(comparison.Difference(rows[i]),
                                               comparison.Difference(rows[i + 1]),
                                               TComparisonColumn(column));
                if (descending)
                    order = -order;
                QVERIFY2(order <= 0, qPrintable(QStringLiteral("column %1%2, rows %3 and %4")
                                                    .arg(column)
                                                    .arg(descending ? " descending" : "")
                                                    .arg(i)
                                                    .arg(i + 1)));
            }
        }
    }
}

void TestCompare::sortsAsAStableSortWould_data()
{
    QTest::addColumn<bool>("inTypeOrder");
    QTest::addRow("files in no order") << false;
    // The new file's rows, then the removed ones: two ordered runs.
    QTest::addRow("files in type order") << true;
}

// Ties of type, ID and name (repeated in one file) keep the comparison's
// order, whichever way the rows are sorted.
void TestCompare::sortsAsAStableSortWould()
{
    QFETCH(bool, inTypeOrder);
    QList<TEntryFields> fields;
    // The tags in the order of their types: Page and Query have none.
    const QList<QByteArray> byType = {"Page", "Query", "Table", "Form", "Codeunit"};
    for (int i = 0; i < 48; ++i) {
        TEntryFields f = Fields(byType[(i * 3) % byType.size()], QByteArray::number(i % 7),
                                "Name " + QByteArray::number(i % 4));
        f.Size = QByteArray::number(i % 3);
        fields << f;
    }
    if (inTypeOrder)
        std::stable_sort(fields.begin(), fields.end(), [&](const auto &a, const auto &b) {
            return std::tuple(byType.indexOf(a.Tag), a.ID.toInt(), a.Name) <
                   std::tuple(byType.indexOf(b.Tag), b.ID.toInt(), b.Name);
        });
    TEntries oldEntries, newEntries;
    for (int i = 0; i < fields.size(); ++i) {
        if (i % 5 != 1)
            oldEntries << Entry(fields[i]);
        if (i % 5 != 2)
            newEntries << (i % 3 ? Entry(fields[i]) : With(fields[i], &TEntryFields::Size, "9"));
    }
    TTwoFiles files;
    files.Load(oldEntries, newEntries);
    const TObjectComparison comparison(files.Old, files.New);
    for (int column = 0; column < ComparisonColumnCount; ++column) {
        for (const bool descending : {false, true}) {
            std::vector<int> rows(size_t(comparison.Count()));
            std::iota(rows.begin(), rows.end(), 0);
            std::vector<int> expected = rows;
            std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
                const int order = CompareDifferences(
                    comparison.Difference(a), comparison.Difference(b), TComparisonColumn(column));
                return descending ? order > 0 : order < 0;
            });
            SortDifferences(rows, comparison, TComparisonColumn(column), descending);
            QVERIFY2(rows == expected, qPrintable(QStringLiteral("column %1%2")
                                                      .arg(column)
                                                      .arg(descending ? " descending" : "")));
        }
    }
}

void TestCompare::writesLines()
{
    TTwoFiles files;
    files.Library.SetRights(otTable, 18, {{1, 1, 1, 1, 0}});
    TEntryFields customer = Fields("Table", "18", "Customer");
    customer.VersionList = "NAVW16.00";
    TEntryFields renamed = customer;
    renamed.Name = EncodeText(QStringLiteral("Kundeoversikt Ålesund"));
    renamed.Time = "";
    renamed.VersionList = "NAVW17.00";
    files.Load({Entry(customer), Entry("Codeunit", "80", "Post")},
               {Entry(renamed), Entry("Page", "21", "Card")});
    const TObjectComparison comparison(files.Old, files.New);
    QList<QByteArray> lines;
    for (int i = 0; i < comparison.Count(); ++i)
        lines << ComparisonLine(comparison.Difference(i), UsSettings());
    QCOMPARE(lines, (QList<QByteArray>{
                        QStringLiteral(
                            "changed\tname,datetime,version\tTable\t18\tCustomer\tKundeoversikt "
                            "Ålesund\t1/2/03 10:15:30 AM\t1/2/03\t1234\t1234\tNAVW16.00\t"
                            "NAVW17.00\tRIMD\n")
                            .toUtf8(),
                        "added\t\tPage\t21\t\tCard\t\t1/2/03 10:15:30 AM\t\t1234\t\t\t\n",
                        "removed\t\tCodeunit\t80\tPost\t\t1/2/03 10:15:30 AM\t\t1234\t\t\t\t\n"}));
    QCOMPARE(ComparisonHeaderLine().count('\t'), lines.front().count('\t'));
}

void TestCompare::savesWithHeaderInRowOrder()
{
    TTwoFiles files;
    files.Load({Entry("Table", "3", "Demo")},
               {Entry("Table", "3", "Demo"), Entry("Form", "1", "X")});
    const TObjectComparison comparison(files.Old, files.New);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    SaveComparisonToStream(buffer, comparison, {1}, UsSettings());
    QCOMPARE(buffer.data(),
             ComparisonHeaderLine() + ComparisonLine(comparison.Difference(1), UsSettings()));
    QVERIFY(buffer.data().startsWith("Change\tChanged Fields\tType\tID\t"));
}

void TestCompare::saveFailsOnShortWrite()
{
    TTwoFiles files;
    files.Load({}, {Entry("Table", "3", "Demo")});
    const TObjectComparison comparison(files.Old, files.New);
    QBuffer readOnly;
    readOnly.open(QIODevice::ReadOnly);
    QVERIFY_THROWS_EXCEPTION(TError,
                             SaveComparisonToStream(readOnly, comparison, {0}, UsSettings()));
}

QTEST_GUILESS_MAIN(TestCompare)
#include "tst_compare.moc"
