// libcfront.so's entry points at their edges: what it exports, the handles it
// hands out, and calls with bad handles, pointers, fields, sizes and search
// texts, which must answer 0 and never write past a buffer.
#include "cfrontlibrary.h"

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

constexpr char Canary = '\xAA';
constexpr int32_t FirstRightField = 10;

// Handles of every kind a caller could get wrong.
struct THandles {
    CFHandle PermissionTable = 0;
    CFHandle PermissionRecord = 0;
    CFHandle InformationTable = 0;
    CFHandle InformationRecord = 0;
    CFHandle FreedRecord = 0;       // of the permission table
    CFHandle ClosedTable = 0;       // was a permission table
    CFHandle ClosedTableRecord = 0; // allocated for ClosedTable
    CFHandle NeverHanded = 1000000;
};

// One call that must answer 0; the buffer holds 16 bytes.
using TBadCall = std::function<qint64(const TCFrontLibrary &, const THandles &, void *buffer)>;

} // namespace

Q_DECLARE_METATYPE(TBadCall)

class TestCFrontEntries : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void exportsTheEntryPointsOnly();
    void handlesArePositiveAndDistinct();
    void fieldTypes_data();
    void fieldTypes();
    void openTable_data();
    void openTable();
    void badHandles_data();
    void badHandles();
    void assignField_data();
    void assignField();

    void searchMode_data();
    void searchMode();
    void searchModeArmsOneSearch();
    void searchTexts_data();
    void searchTexts();
    void nextRecordSteps_data();
    void nextRecordSteps();

    void getFieldData_data();
    void getFieldData();
    void textCutAt250_data();
    void textCutAt250();
    void nullBuffer_data();
    void nullBuffer();
    void readingNeedsALoadedRecord();

    void nothingAnswersOutsideInitAndDone();
    void secondInitStartsAfresh();

private:
    // A session of the built library over a small licence.
    std::unique_ptr<TCFrontSession> Session();

    std::unique_ptr<TCFrontLibrary> Library;
    QTemporaryDir Folder;
    QString LicencePath;
};

void TestCFrontEntries::initTestCase()
{
    QVERIFY(Folder.isValid());
    Library = std::make_unique<TCFrontLibrary>(BuiltLibraryPath());
    QVERIFY2(Library->Error().isEmpty(), qPrintable(Library->Error()));
    LicencePath = Folder.filePath("licence.flf");
    QFile file(LicencePath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Information]\nFirst line\nSecond line\n" + QByteArray(300, 'x') +
               "\n[Permissions]\nTable 1..10 R\nForm -7 MX\n");
}

std::unique_ptr<TCFrontSession> TestCFrontEntries::Session()
{
    auto session = std::make_unique<TCFrontSession>(*Library);
    const bool ok = session->SetLicenceFile(LicencePath);
    QTest::qVerify(ok, "SetLicenceFile", "the licence reads without error", __FILE__, __LINE__);
    return session;
}

// --- exports and handles ------------------------------------------------

void TestCFrontEntries::exportsTheEntryPointsOnly()
{
    const QString nm = QStandardPaths::findExecutable("nm");
    if (nm.isEmpty())
        QSKIP("nm is not installed");
    QProcess process;
    process.start(nm, {"-D", "--defined-only", "--format=posix", BuiltLibraryPath()});
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitCode(), 0);

    QStringList exported;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty())
            exported.append(QString::fromLatin1(line.split(' ').first()));
    }
    // The thirteen entry points and our own report on the licence.
    QStringList expected = EntryPointNames() << QStringLiteral("cfront_LicenceStatus");
    exported.sort();
    expected.sort();
    QCOMPARE(exported, expected);
}

void TestCFrontEntries::handlesArePositiveAndDistinct()
{
    const auto session = Session();
    CFHandle secondTable = 0;
    QVERIFY(Library->OpenTable(&secondTable, CF_PERMISSION_TABLE));
    const QList<CFHandle> handles = {session->PermissionTable,
                                     session->PermissionRecord,
                                     session->InformationTable,
                                     session->InformationRecord,
                                     secondTable,
                                     Library->AllocRecord(secondTable),
                                     Library->AllocRecord(session->PermissionTable)};
    for (const CFHandle handle : handles)
        QVERIFY2(handle > 0, qPrintable(QString::number(handle)));
    QCOMPARE(QSet<CFHandle>(handles.begin(), handles.end()).size(), handles.size());
}

void TestCFrontEntries::fieldTypes_data()
{
    QTest::addColumn<bool>("permissionTable");
    QTest::addColumn<int32_t>("field");
    QTest::addColumn<QString>("kind");

    for (const int32_t field : {1, 2, 10, 11, 12, 13, 14})
        QTest::addRow("permissions %d", field) << true << field << "integer";
    for (const int32_t field : {0, 3, 9, 15, -1})
        QTest::addRow("permissions %d", field) << true << field << "none";
    QTest::newRow("information 1") << false << 1 << "integer";
    QTest::newRow("information 2") << false << 2 << "text";
    for (const int32_t field : {0, 3, 10})
        QTest::addRow("information %d", field) << false << field << "none";
}

void TestCFrontEntries::fieldTypes()
{
    QFETCH(bool, permissionTable);
    QFETCH(int32_t, field);
    QFETCH(QString, kind);

    const auto session = Session();
    const int32_t integer = Library->FieldType(session->PermissionTable, 10);
    const int32_t text = Library->FieldType(session->InformationTable, 2);
    QVERIFY(integer != 0);
    QVERIFY(text != 0);
    QVERIFY(integer != text);
    const QMap<QString, int32_t> codes = {{"integer", integer}, {"text", text}, {"none", 0}};

    const CFHandle table = permissionTable ? session->PermissionTable : session->InformationTable;
    QCOMPARE(Library->FieldType(table, field), codes.value(kind));
}

void TestCFrontEntries::openTable_data()
{
    QTest::addColumn<int32_t>("tableNo");
    QTest::addColumn<bool>("nullHandle");

    for (const int32_t tableNo : {0, -1, 18, 2000000041, 2000000044})
        QTest::addRow("table %d", tableNo) << tableNo << false;
    QTest::newRow("null handle address") << int32_t(CF_PERMISSION_TABLE) << true;
}

void TestCFrontEntries::openTable()
{
    QFETCH(int32_t, tableNo);
    QFETCH(bool, nullHandle);

    const auto session = Session();
    CFHandle table = 777;
    QCOMPARE(Library->OpenTable(nullHandle ? nullptr : &table, tableNo), 0);
    QCOMPARE(table, 777);
}

void TestCFrontEntries::badHandles_data()
{
    QTest::addColumn<TBadCall>("call");

    using L = const TCFrontLibrary &;
    using H = const THandles &;
    const auto integer = [](L api, H h) { return api.FieldType(h.PermissionTable, 2); };
    const auto findEqual = [](L api, CFHandle table, CFHandle record) -> qint64 {
        api.SetSearchMode(CF_SEARCH_MODE);
        return api.FindRecord(table, record, "=");
    };
    const auto assign = [integer](L api, H h, CFHandle table, CFHandle record) -> qint64 {
        const int32_t value = 1;
        return api.AssignField(table, record, 2, integer(api, h), &value, sizeof value);
    };
    const auto read = [](L api, void *buffer, CFHandle table, CFHandle record) -> qint64 {
        return api.GetFieldData(buffer, 4, table, record, 1);
    };
    const auto row = [](const char *name, TBadCall call) { QTest::newRow(name) << call; };

    row("alloc, unknown table", [](L api, H h, void *) { return api.AllocRecord(h.NeverHanded); });
    row("alloc, table 0", [](L api, H, void *) { return api.AllocRecord(0); });
    row("alloc, closed table", [](L api, H h, void *) { return api.AllocRecord(h.ClosedTable); });
    row("alloc, record as table",
        [](L api, H h, void *) { return api.AllocRecord(h.PermissionRecord); });
    row("field type, unknown table",
        [](L api, H h, void *) { return api.FieldType(h.NeverHanded, 1); });
    row("field type, closed table",
        [](L api, H h, void *) { return api.FieldType(h.ClosedTable, 1); });
    row("assign, unknown record",
        [assign](L api, H h, void *) { return assign(api, h, h.PermissionTable, h.NeverHanded); });
    row("assign, freed record",
        [assign](L api, H h, void *) { return assign(api, h, h.PermissionTable, h.FreedRecord); });
    row("assign, other table's record", [assign](L api, H h, void *) {
        return assign(api, h, h.PermissionTable, h.InformationRecord);
    });
    row("assign, closed table", [assign](L api, H h, void *) {
        return assign(api, h, h.ClosedTable, h.ClosedTableRecord);
    });
    row("find, unknown table", [findEqual](L api, H h, void *) {
        return findEqual(api, h.NeverHanded, h.PermissionRecord);
    });
    row("find, freed record", [findEqual](L api, H h, void *) {
        return findEqual(api, h.PermissionTable, h.FreedRecord);
    });
    row("find, other table's record", [findEqual](L api, H h, void *) {
        return findEqual(api, h.InformationTable, h.PermissionRecord);
    });
    row("find, closed table", [findEqual](L api, H h, void *) {
        return findEqual(api, h.ClosedTable, h.ClosedTableRecord);
    });
    row("next, unknown record", [](L api, H h, void *) -> qint64 {
        return api.NextRecord(h.InformationTable, h.NeverHanded, 1);
    });
    row("next, other table's record", [](L api, H h, void *) -> qint64 {
        return api.NextRecord(h.PermissionTable, h.InformationRecord, 1);
    });
    row("next, closed table", [](L api, H h, void *) -> qint64 {
        return api.NextRecord(h.ClosedTable, h.ClosedTableRecord, 1);
    });
    row("read, unknown table", [read](L api, H h, void *buffer) {
        return read(api, buffer, h.NeverHanded, h.PermissionRecord);
    });
    row("read, unknown record", [read](L api, H h, void *buffer) {
        return read(api, buffer, h.PermissionTable, h.NeverHanded);
    });
    row("read, freed record", [read](L api, H h, void *buffer) {
        return read(api, buffer, h.PermissionTable, h.FreedRecord);
    });
    row("read, other table's record", [read](L api, H h, void *buffer) {
        return read(api, buffer, h.PermissionTable, h.InformationRecord);
    });
    row("read, closed table", [read](L api, H h, void *buffer) {
        return read(api, buffer, h.ClosedTable, h.ClosedTableRecord);
    });
    row("read, table as record", [read](L api, H h, void *buffer) {
        return read(api, buffer, h.PermissionTable, h.PermissionTable);
    });
    row("free, unknown record", [](L api, H h, void *) { return api.FreeRecord(h.NeverHanded); });
    row("free, record 0", [](L api, H, void *) { return api.FreeRecord(0); });
    row("free, freed record", [](L api, H h, void *) { return api.FreeRecord(h.FreedRecord); });
    row("free, table as record",
        [](L api, H h, void *) { return api.FreeRecord(h.PermissionTable); });
    row("close, unknown table", [](L api, H h, void *) { return api.CloseTable(h.NeverHanded); });
    row("close, table 0", [](L api, H, void *) { return api.CloseTable(0); });
    row("close, closed table", [](L api, H h, void *) { return api.CloseTable(h.ClosedTable); });
    row("close, record as table",
        [](L api, H h, void *) { return api.CloseTable(h.PermissionRecord); });
}

void TestCFrontEntries::badHandles()
{
    QFETCH(TBadCall, call);

    const auto session = Session();
    THandles handles{session->PermissionTable, session->PermissionRecord, session->InformationTable,
                     session->InformationRecord};
    handles.FreedRecord = Library->AllocRecord(handles.PermissionTable);
    QVERIFY(session->Find(handles.PermissionTable, handles.FreedRecord, "-"));
    QVERIFY(Library->FreeRecord(handles.FreedRecord));
    QVERIFY(Library->OpenTable(&handles.ClosedTable, CF_PERMISSION_TABLE));
    handles.ClosedTableRecord = Library->AllocRecord(handles.ClosedTable);
    QVERIFY(session->Find(handles.ClosedTable, handles.ClosedTableRecord, "-"));
    QVERIFY(Library->CloseTable(handles.ClosedTable));
    QVERIFY(session->Find(handles.InformationTable, handles.InformationRecord, "-"));
    QVERIFY(handles.NeverHanded > handles.ClosedTableRecord);

    QByteArray buffer(16, Canary);
    QCOMPARE(call(*Library, handles, buffer.data()), 0);
    QCOMPARE(buffer, QByteArray(16, Canary));

    // The good handles are untouched.
    QCOMPARE(session->ReadText(handles.InformationTable, handles.InformationRecord,
                               InformationTextField),
             QByteArray("First line"));
    QCOMPARE(session->Lookup(1, 5), RightsOf("R"));
}

void TestCFrontEntries::assignField_data()
{
    QTest::addColumn<int32_t>("field");
    QTest::addColumn<QString>("typeCode"); // "own", "text" or "zero"
    QTest::addColumn<bool>("nullValue");
    QTest::addColumn<int32_t>("size");

    QTest::newRow("size 2") << 2 << "own" << false << 2;
    QTest::newRow("size 8") << 2 << "own" << false << 8;
    QTest::newRow("size 0") << 2 << "own" << false << 0;
    QTest::newRow("size -4") << 2 << "own" << false << -4;
    QTest::newRow("null value") << 2 << "own" << true << 4;
    QTest::newRow("text type code") << 2 << "text" << false << 4;
    QTest::newRow("type code 0") << 2 << "zero" << false << 4;
    QTest::newRow("field that is no key") << 10 << "own" << false << 4;
    QTest::newRow("unknown field") << 3 << "zero" << false << 4;
}

void TestCFrontEntries::assignField()
{
    QFETCH(int32_t, field);
    QFETCH(QString, typeCode);
    QFETCH(bool, nullValue);
    QFETCH(int32_t, size);

    const auto session = Session();
    const CFHandle table = session->PermissionTable;
    const CFHandle record = session->PermissionRecord;
    session->SetKey(table, record, TypeField, 2);
    session->SetKey(table, record, NumberField, -7);

    const int64_t value = 1; // would find Table 1 if it were taken
    const QMap<QString, int32_t> codes = {
        {"own", Library->FieldType(table, field)},
        {"text", Library->FieldType(session->InformationTable, 2)},
        {"zero", 0}};
    QCOMPARE(Library->AssignField(table, record, field, codes.value(typeCode),
                                  nullValue ? nullptr : &value, size),
             0);

    QVERIFY(session->Find(table, record, "="));
    QCOMPARE(session->ReadInteger(table, record, TypeField), 2);
    QCOMPARE(session->ReadInteger(table, record, NumberField), -7);
    QCOMPARE(session->ReadRights(record), RightsOf("MX"));
}

// --- searching and moving on --------------------------------------------

void TestCFrontEntries::searchMode_data()
{
    QTest::addColumn<QList<int32_t>>("modes");
    QTest::addColumn<bool>("found");

    QTest::newRow("search mode") << QList<int32_t>{CF_SEARCH_MODE} << true;
    QTest::newRow("no search mode") << QList<int32_t>() << false;
    QTest::newRow("other mode") << QList<int32_t>{0} << false;
    QTest::newRow("other mode after it") << QList<int32_t>{CF_SEARCH_MODE, 1} << false;
    QTest::newRow("search mode after another")
        << QList<int32_t>{CF_SEARCH_MODE + 1, CF_SEARCH_MODE} << true;
}

void TestCFrontEntries::searchMode()
{
    QFETCH(QList<int32_t>, modes);
    QFETCH(bool, found);

    const auto session = Session();
    for (const int32_t mode : modes)
        QCOMPARE(Library->SetSearchMode(mode), mode == CF_SEARCH_MODE ? 1 : 0);
    QCOMPARE(Library->FindRecord(session->InformationTable, session->InformationRecord, "-") != 0,
             found);
}

void TestCFrontEntries::searchModeArmsOneSearch()
{
    const auto session = Session();
    QVERIFY(Library->SetSearchMode(CF_SEARCH_MODE));
    QVERIFY(Library->FindRecord(session->InformationTable, session->InformationRecord, "-"));
    QCOMPARE(Library->FindRecord(session->InformationTable, session->InformationRecord, "-"), 0);
}

void TestCFrontEntries::searchTexts_data()
{
    QTest::addColumn<QByteArray>("searchText"); // null for a null pointer

    for (const char *text : {"+", "", ">", "==", "=-", "first"})
        QTest::addRow("\"%s\"", text) << QByteArray(text);
    QTest::newRow("null pointer") << QByteArray();
}

void TestCFrontEntries::searchTexts()
{
    QFETCH(QByteArray, searchText);

    const auto session = Session();
    const CFHandle table = session->InformationTable;
    const CFHandle record = session->InformationRecord;
    QVERIFY(session->Find(table, record, "-"));
    QVERIFY(Library->SetSearchMode(CF_SEARCH_MODE));
    QCOMPARE(
        Library->FindRecord(table, record, searchText.isNull() ? nullptr : searchText.constData()),
        0);
    QCOMPARE(session->ReadText(table, record, InformationTextField), std::nullopt);
}

void TestCFrontEntries::nextRecordSteps_data()
{
    QTest::addColumn<int32_t>("steps");
    QTest::addColumn<int16_t>("result");
    QTest::addColumn<QByteArray>("lineAfter");

    QTest::newRow("one") << 1 << int16_t(1) << QByteArray("Second line");
    QTest::newRow("two") << 2 << int16_t(1) << QByteArray(250, 'x');
    QTest::newRow("past the end") << 3 << int16_t(0) << QByteArray("First line");
    QTest::newRow("zero") << 0 << int16_t(0) << QByteArray("First line");
    QTest::newRow("negative") << -1 << int16_t(0) << QByteArray("First line");
}

void TestCFrontEntries::nextRecordSteps()
{
    QFETCH(int32_t, steps);
    QFETCH(int16_t, result);
    QFETCH(QByteArray, lineAfter);

    const auto session = Session();
    const CFHandle table = session->InformationTable;
    const CFHandle record = session->InformationRecord;
    QVERIFY(session->Find(table, record, "-"));
    QCOMPARE(Library->NextRecord(table, record, steps), result);
    QCOMPARE(session->ReadText(table, record, InformationTextField), lineAfter);
}

// --- reading fields -----------------------------------------------------

void TestCFrontEntries::getFieldData_data()
{
    QTest::addColumn<bool>("permissionTable");
    QTest::addColumn<int32_t>("field");
    QTest::addColumn<int32_t>("size");
    QTest::addColumn<QByteArray>("written"); // null when the call must answer 0

    // The permission record is Form -7 MX, the information record its first line.
    QTest::newRow("granted right") << true << 12 << 4 << QByteArray::fromHex("01000000");
    QTest::newRow("right not granted")
        << true << FirstRightField << 4 << QByteArray::fromHex("00000000");
    QTest::newRow("type") << true << 1 << 4 << QByteArray::fromHex("02000000");
    QTest::newRow("negative number, all four bytes")
        << true << 2 << 4 << QByteArray::fromHex("f9ffffff");
    QTest::newRow("integer, size 251") << true << 12 << 251 << QByteArray();
    QTest::newRow("integer, size 2") << true << 12 << 2 << QByteArray();
    QTest::newRow("integer, size 8") << true << 12 << 8 << QByteArray();
    QTest::newRow("integer, size 0") << true << 12 << 0 << QByteArray();
    QTest::newRow("integer, size -1") << true << 12 << -1 << QByteArray();
    QTest::newRow("unknown permission field") << true << 3 << 4 << QByteArray();
    QTest::newRow("text, size 251") << false << 2 << 251 << QByteArray("First line\0", 11);
    QTest::newRow("text, size 4") << false << 2 << 4 << QByteArray("Fir\0", 4);
    QTest::newRow("text, size 1") << false << 2 << 1 << QByteArray("\0", 1);
    QTest::newRow("text, size 0") << false << 2 << 0 << QByteArray();
    QTest::newRow("text, size -1") << false << 2 << -1 << QByteArray();
    QTest::newRow("line number") << false << 1 << 4 << QByteArray::fromHex("01000000");
    QTest::newRow("line number, size 251") << false << 1 << 251 << QByteArray();
    QTest::newRow("unknown information field") << false << 3 << 251 << QByteArray();
}

void TestCFrontEntries::getFieldData()
{
    QFETCH(bool, permissionTable);
    QFETCH(int32_t, field);
    QFETCH(int32_t, size);
    QFETCH(QByteArray, written);

    const auto session = Session();
    QCOMPARE(session->Lookup(2, -7), RightsOf("MX"));
    QVERIFY(session->Find(session->InformationTable, session->InformationRecord, "-"));
    const CFHandle table = permissionTable ? session->PermissionTable : session->InformationTable;
    const CFHandle record =
        permissionTable ? session->PermissionRecord : session->InformationRecord;

    QByteArray buffer(512, Canary);
    QCOMPARE(Library->GetFieldData(buffer.data(), size, table, record, field) != 0,
             !written.isNull());
    QCOMPARE(buffer.left(written.size()), written);
    QCOMPARE(buffer.mid(written.size()), QByteArray(buffer.size() - written.size(), Canary));
}

void TestCFrontEntries::textCutAt250_data()
{
    QTest::addColumn<int32_t>("size");
    QTest::addColumn<int>("length"); // of the text before its NUL

    QTest::newRow("size 251") << 251 << 250;
    QTest::newRow("size 252") << 252 << 250;
    QTest::newRow("size 512") << 512 << 250;
    QTest::newRow("size 100") << 100 << 99;
}

void TestCFrontEntries::textCutAt250()
{
    QFETCH(int32_t, size);
    QFETCH(int, length);

    // The third line is 300 bytes long.
    const auto session = Session();
    const CFHandle table = session->InformationTable;
    const CFHandle record = session->InformationRecord;
    session->SetKey(table, record, 1, 3);
    QVERIFY(session->Find(table, record, "="));

    QByteArray buffer(1024, Canary);
    QVERIFY(Library->GetFieldData(buffer.data(), size, table, record, InformationTextField));
    QCOMPARE(buffer.left(length + 1), QByteArray(length, 'x') + '\0');
    QCOMPARE(buffer.mid(length + 1), QByteArray(buffer.size() - length - 1, Canary));
}

void TestCFrontEntries::nullBuffer_data()
{
    QTest::addColumn<bool>("permissionTable");
    QTest::addColumn<int32_t>("field");
    QTest::addColumn<int32_t>("size");

    QTest::newRow("integer") << true << 10 << 4;
    QTest::newRow("text") << false << 2 << 251;
}

void TestCFrontEntries::nullBuffer()
{
    QFETCH(bool, permissionTable);
    QFETCH(int32_t, field);
    QFETCH(int32_t, size);

    const auto session = Session();
    QVERIFY(session->Lookup(1, 1).has_value());
    QVERIFY(session->Find(session->InformationTable, session->InformationRecord, "-"));
    const CFHandle table = permissionTable ? session->PermissionTable : session->InformationTable;
    const CFHandle record =
        permissionTable ? session->PermissionRecord : session->InformationRecord;
    QCOMPARE(Library->GetFieldData(nullptr, size, table, record, field), 0);
}

void TestCFrontEntries::readingNeedsALoadedRecord()
{
    const auto session = Session();
    const CFHandle table = session->PermissionTable;
    const CFHandle record = Library->AllocRecord(table);

    QCOMPARE(session->ReadInteger(table, record, TypeField), std::nullopt);
    QCOMPARE(Library->NextRecord(table, record, 1), int16_t(0));

    QVERIFY(session->Find(table, record, "-"));
    QCOMPARE(session->ReadInteger(table, record, TypeField), 1);
    session->SetKey(table, record, TypeField, 4);
    QVERIFY(!session->Find(table, record, "="));
    QCOMPARE(session->ReadInteger(table, record, TypeField), std::nullopt);
    QCOMPARE(Library->NextRecord(table, record, 1), int16_t(0));
}

// --- start and end ------------------------------------------------------

void TestCFrontEntries::nothingAnswersOutsideInitAndDone()
{
    CFHandle table = 0;
    CFHandle record = 0;
    {
        const auto session = Session();
        table = session->PermissionTable;
        record = session->PermissionRecord;
    }
    CFHandle newTable = 777;
    QCOMPARE(Library->OpenTable(&newTable, CF_PERMISSION_TABLE), 0);
    QCOMPARE(newTable, 777);
    QCOMPARE(Library->AllocRecord(table), 0);
    QCOMPARE(Library->FieldType(table, 1), 0);
    QCOMPARE(Library->SetSearchMode(CF_SEARCH_MODE), 0);
    QCOMPARE(Library->FindRecord(table, record, "-"), 0);
    QCOMPARE(Library->SetLicenseFile(LicencePath.toLocal8Bit().constData()), 0);
    QCOMPARE(Library->CloseTable(table), 0);

    // Ordinal 3 starts again.
    const auto session = Session();
    QCOMPARE(session->InformationLines(),
             QList<QByteArray>({"First line", "Second line", QByteArray(250, 'x')}));
}

void TestCFrontEntries::secondInitStartsAfresh()
{
    const auto session = Session();
    QVERIFY(Library->Init());
    QCOMPARE(Library->AllocRecord(session->PermissionTable), 0);
    CFHandle table = 0;
    QVERIFY(Library->OpenTable(&table, CF_PERMISSION_TABLE));
    QVERIFY(table > session->InformationRecord);
}

QTEST_GUILESS_MAIN(TestCFrontEntries)
#include "tst_cfrontentries.moc"
