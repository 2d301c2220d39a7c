// The filter over the visible list: text anywhere in name, version list or
// ID with letter case folded, ID ranges, one type, missing rights, and the
// listed positions through sorting, hiding and licence changes.
#include "core/filter/objectfilter.h"
#include "core/reading/codepage.h"
#include "entries.h"
#include "modelfixture.h"

#include <QTest>

namespace {

QByteArray Object(const char *tag, const char *id, const QString &name, const char *version)
{
    TEntryFields fields;
    fields.Tag = tag;
    fields.ID = id;
    fields.Name = EncodeText(name);
    fields.VersionList = version;
    return Entry(fields);
}

// Six objects in Type order, with rights from full to none.
void LoadSample(TModelFixture &fixture)
{
    fixture.Library.SetRights(otTable, 18, {{1, 1, 1, 1, 1}});
    fixture.Library.SetRights(otTable, 50000, {{1, 1, 0, 0, 0}});
    fixture.Library.SetRights(otForm, 21, {{1, 1, 1, 1, 0}});
    fixture.Library.SetRights(otCodeunit, 80, {{0, 0, 0, 0, 1}});
    fixture.Library.SetRights(otCodeunit, 50010, {{0, 0, 0, 0, 0}});
    // Report 50001 has no record at all.
    fixture.Load(Object("Table     ", "18", QStringLiteral("Customer"), "NAVW17.00") +
                 Object("Table     ", "50000", QStringLiteral("Sales Extra"), "MY1.0") +
                 Object("Form      ", "21", QStringLiteral("Customer Card"), "NAVW17.00") +
                 Object("Report    ", "50001", QStringLiteral("Invoice"), "") +
                 Object("Codeunit  ", "80", QStringLiteral("Sales-Post"), "NAVW17.10") +
                 Object("Codeunit  ", "50010", QStringLiteral("ÆRØ Tools"), "MY1.1") + "\x1a");
}

QStringList ListedKeys(const TModelFixture &fixture, const TListedObjects &listed)
{
    QStringList keys;
    for (int row = 0; row < listed.Count(); ++row)
        keys << DecodeText(fixture.Model.GetObject(listed.Position(row)).GetKey());
    return keys;
}

} // namespace

class TestObjectFilter : public QObject {
    Q_OBJECT

private slots:
    void rows_data();
    void rows();
    void ranges_data();
    void ranges();
    void fullRights_data();
    void fullRights();
    void listedRowsFollowSortingHidingAndLicence();
    void exportWritesOnlyTheListedPositions();
    void typesTheModelDoesNotKnow();
};

void TestObjectFilter::rows_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("missingRights");
    QTest::addColumn<QStringList>("expected");

    const QString all =
        QStringLiteral("Table 18 Customer|Table 50000 Sales Extra|Form 21 Customer Card|"
                       "Report 50001 Invoice|Codeunit 80 Sales-Post|Codeunit 50010 ÆRØ Tools");
    const auto keys = [](const char *list) { return QString::fromUtf8(list).split(u'|'); };
    QTest::newRow("no filter") << QString() << int(otNone) << false << all.split(u'|');
    QTest::newRow("blanks only") << QStringLiteral("  ") << int(otNone) << false << all.split(u'|');
    QTest::newRow("name, other case, inside")
        << QStringLiteral("sALES") << int(otNone) << false
        << keys("Table 50000 Sales Extra|Codeunit 80 Sales-Post");
    QTest::newRow("name ends") << QStringLiteral("card") << int(otNone) << false
                               << keys("Form 21 Customer Card");
    QTest::newRow("version list") << QStringLiteral("navw17") << int(otNone) << false
                                  << keys("Table 18 Customer|Form 21 Customer Card|"
                                          "Codeunit 80 Sales-Post");
    QTest::newRow("inside the ID") << QStringLiteral("500") << int(otNone) << false
                                   << keys("Table 50000 Sales Extra|Report 50001 Invoice|"
                                           "Codeunit 50010 ÆRØ Tools");
    QTest::newRow("letters beyond ASCII, other case")
        << QStringLiteral("ærø") << int(otNone) << false << keys("Codeunit 50010 ÆRØ Tools");
    QTest::newRow("a character the file can't hold")
        << QStringLiteral("€") << int(otNone) << false << QStringList();
    QTest::newRow("nothing matches")
        << QStringLiteral("zzz") << int(otNone) << false << QStringList();
    QTest::newRow("ID range") << QStringLiteral("50000..50005") << int(otNone) << false
                              << keys("Table 50000 Sales Extra|Report 50001 Invoice");
    QTest::newRow("ID range with hyphen, reversed")
        << QStringLiteral(" 50005 - 50000 ") << int(otNone) << false
        << keys("Table 50000 Sales Extra|Report 50001 Invoice");
    QTest::newRow("type") << QString() << int(otCodeunit) << false
                          << keys("Codeunit 80 Sales-Post|Codeunit 50010 ÆRØ Tools");
    QTest::newRow("missing rights") << QString() << int(otNone) << true
                                    << keys("Table 50000 Sales Extra|Form 21 Customer Card|"
                                            "Report 50001 Invoice|Codeunit 50010 ÆRØ Tools");
    QTest::newRow("text and missing rights")
        << QStringLiteral("sales") << int(otNone) << true << keys("Table 50000 Sales Extra");
    QTest::newRow("type and text in the ID")
        << QStringLiteral("500") << int(otCodeunit) << false << keys("Codeunit 50010 ÆRØ Tools");
    QTest::newRow("range and type") << QStringLiteral("1..60000") << int(otTable) << false
                                    << keys("Table 18 Customer|Table 50000 Sales Extra");
    QTest::newRow("all three") << QStringLiteral("0..99999") << int(otForm) << true
                               << keys("Form 21 Customer Card");
}

void TestObjectFilter::rows()
{
    QFETCH(QString, text);
    QFETCH(int, type);
    QFETCH(bool, missingRights);
    QFETCH(QStringList, expected);

    TModelFixture fixture;
    LoadSample(fixture);
    TListedObjects listed;
    listed.SetFilter({text, static_cast<TNavisionObjectType>(type), missingRights});
    listed.Refresh(fixture.Model);
    QCOMPARE(ListedKeys(fixture, listed), expected);
    QCOMPARE(listed.Total(), 6);

    // Typed a character at a time, the rows kept so far are narrowed down
    // to the same rows.
    TListedObjects typed;
    typed.SetFilter({text.left(1), static_cast<TNavisionObjectType>(type), false});
    typed.Refresh(fixture.Model);
    for (qsizetype length = 2; length <= text.size(); ++length)
        typed.Refilter(fixture.Model,
                       {text.left(length), static_cast<TNavisionObjectType>(type), false});
    typed.Refilter(fixture.Model, {text, static_cast<TNavisionObjectType>(type), missingRights});
    QCOMPARE(ListedKeys(fixture, typed), expected);
}

void TestObjectFilter::ranges_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isRange");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("dots") << QStringLiteral("50000..99999") << true << 50000 << 99999;
    QTest::newRow("hyphen") << QStringLiteral("50000-99999") << true << 50000 << 99999;
    QTest::newRow("negative bounds") << QStringLiteral("-5..-1") << true << -5 << -1;
    QTest::newRow("negative to positive, hyphen") << QStringLiteral("-5-3") << true << -5 << 3;
    QTest::newRow("one number") << QStringLiteral("50000") << false << 0 << 0;
    QTest::newRow("text after it") << QStringLiteral("1..5 x") << false << 0 << 0;
    QTest::newRow("beyond 32 bits") << QStringLiteral("1..99999999999") << false << 0 << 0;
    QTest::newRow("a name with a hyphen") << QStringLiteral("Sales-Post") << false << 0 << 0;
}

void TestObjectFilter::ranges()
{
    QFETCH(QString, text);
    QFETCH(bool, isRange);
    const std::optional<TIdRange> range = ParseIdRange(text);
    QCOMPARE(range.has_value(), isRange);
    if (isRange) {
        QTEST(range->From, "from");
        QTEST(range->To, "to");
    }
}

void TestObjectFilter::fullRights_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("full");
    const int rimdx = pfRead | pfInsert | pfModify | pfDelete | pfExecute;
    QTest::newRow("table RIMDX") << int(otTable) << rimdx << true;
    QTest::newRow("table RIMD") << int(otTable) << (rimdx & ~pfExecute) << false;
    QTest::newRow("table, no record") << int(otTable) << int(pfNoRecord) << false;
    QTest::newRow("codeunit X") << int(otCodeunit) << int(pfExecute) << true;
    QTest::newRow("codeunit RX") << int(otCodeunit) << int(pfRead | pfExecute) << true;
    QTest::newRow("codeunit R") << int(otCodeunit) << int(pfRead) << false;
    QTest::newRow("report, nothing granted") << int(otReport) << 0 << false;
}

void TestObjectFilter::fullRights()
{
    QFETCH(int, type);
    QFETCH(int, flags);
    TEntryFields fields;
    fields.Tag = QByteArray(ObjectTypeName(static_cast<TNavisionObjectType>(type)).toByteArray())
                     .leftJustified(10, ' ');
    TNavisionObject object(Entry(fields), UsSettings());
    object.SetPermissions(TPermissionFlags(flags));
    QTEST(HasAllRights(object), "full");
}

void TestObjectFilter::listedRowsFollowSortingHidingAndLicence()
{
    TModelFixture fixture;
    fixture.Library.SetRights(otTable, 18, {{1, 1, 1, 1, 0}});
    fixture.Load(Object("Table     ", "18", QStringLiteral("Customer"), "") +
                 Object("Table     ", "2000000001", QStringLiteral("Customer Sys"), "") +
                 Object("Codeunit  ", "50", QStringLiteral("Customer Mgt"), "") + "\x1a");
    TListedObjects listed;
    listed.SetFilter({QStringLiteral("customer"), otNone, false});
    listed.Refresh(fixture.Model);
    QCOMPARE(listed.Count(), 3);

    fixture.Model.SetSortDirection(1);
    fixture.Model.SetSortKey(skType);
    listed.Refresh(fixture.Model);
    QCOMPARE(ListedKeys(fixture, listed),
             QStringList({"Codeunit 50 Customer Mgt", "Table 2000000001 Customer Sys",
                          "Table 18 Customer"}));
    QCOMPARE(listed.RowOf(0), 0);
    QCOMPARE(listed.RowOf(99), -1);

    fixture.Model.SetHideSystemObjects(true);
    listed.Refresh(fixture.Model);
    QCOMPARE(ListedKeys(fixture, listed),
             QStringList({"Codeunit 50 Customer Mgt", "Table 18 Customer"}));

    // Table 18 lacks X, Codeunit 50 has no record; then the licence grants its X.
    listed.SetFilter({QStringLiteral("customer"), otNone, true});
    listed.Refresh(fixture.Model);
    QCOMPARE(listed.Count(), 2);
    fixture.Library.SetRights(otCodeunit, 50, {{0, 0, 0, 0, 1}});
    fixture.Model.RefreshPermissions();
    listed.Refresh(fixture.Model);
    QCOMPARE(ListedKeys(fixture, listed), QStringList({"Table 18 Customer"}));
}

void TestObjectFilter::exportWritesOnlyTheListedPositions()
{
    TModelFixture fixture;
    LoadSample(fixture);
    TListedObjects listed;
    listed.SetFilter({QStringLiteral("sales"), otNone, false});
    listed.Refresh(fixture.Model);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    fixture.Model.SavePositionsToStream(buffer, listed.Positions());
    const QList<QByteArray> lines = buffer.data().split('\n');
    QCOMPARE(lines.size(), 3); // two lines and nothing after the last line feed
    QVERIFY(lines[0].startsWith("Table\t50000\tSales Extra\t"));
    QVERIFY(lines[1].startsWith("Codeunit\t80\tSales-Post\t"));
    QVERIFY(lines[1].endsWith("\r"));
    QCOMPARE(lines[2], QByteArray());
}

QTEST_GUILESS_MAIN(TestObjectFilter)
// Pages and queries are kept as Object Type 0 under their own names: they
// are offered and filtered by name, the recognised types by type.
void TestObjectFilter::typesTheModelDoesNotKnow()
{
    TModelFixture fixture;
    fixture.Load(Object("Page      ", "21", QStringLiteral("Customer Card"), "") +
                 Object("Table     ", "18", QStringLiteral("Customer"), "") +
                 Object("Query     ", "100", QStringLiteral("Top Customers"), "") +
                 Object("Page      ", "22", QStringLiteral("Customer List"), "") +
                 Object("Codeunit  ", "2000000001", QStringLiteral("System"), "") + "\x1a");
    fixture.Model.SetHideSystemObjects(true); // the hidden codeunit still counts
    const std::vector<TTypePresent> expected{
        {otTable, {}}, {otCodeunit, {}}, {otNone, "Page"}, {otNone, "Query"}};
    QVERIFY(TypesPresent(fixture.Model) == expected);

    TListedObjects listed;
    TObjectFilter pages;
    pages.OtherTypeName = "Page";
    QVERIFY(pages.IsActive());
    listed.SetFilter(pages);
    listed.Refresh(fixture.Model);
    QCOMPARE(ListedKeys(fixture, listed).size(), 2);
    for (const QString &key : ListedKeys(fixture, listed))
        QVERIFY2(key.startsWith(QStringLiteral("Page ")), qPrintable(key));
    TObjectFilter queries = pages;
    queries.OtherTypeName = "Query";
    listed.Refilter(fixture.Model, queries);
    QCOMPARE(ListedKeys(fixture, listed), QStringList{QStringLiteral("Query 100 Top Customers")});
}

#include "tst_objectfilter.moc"
