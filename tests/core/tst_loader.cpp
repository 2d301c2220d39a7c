// Reading an index into the visible and hidden lists.
#include "entries.h"
#include "core/errors.h"
#include "modelfixture.h"
#include "unprivileged.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray End("\x1A");

// What this process has read through system calls so far, or -1 when the
// system doesn't tell.
qint64 BytesReadByThisProcess()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

QByteArray Table(const QByteArray &id, const QByteArray &name = "Demo")
{
    return Entry("Table     ", id, name);
}

} // namespace

class TestLoader : public QObject {
    Q_OBJECT

private slots:
    void readsIndex_data();
    void readsIndex();
    void foldsCaseUnderTheUsersLocale_data();
    void foldsCaseUnderTheUsersLocale();
    void cutShortEntries_data();
    void cutShortEntries();
    void reportsEveryEntryRead();
    void conversionErrorKeepsEarlierObjects();
    void hidesSystemObjectsWhileReading();
    void hideAndShowAfterReading();
    void addObjectTakesOnlyNewKeys_data();
    void addObjectTakesOnlyNewKeys();
    void looksUpEveryObjectOnce();
    void refreshesVisiblePermissionsOnly();
    void getObjectOutOfBounds_data();
    void getObjectOutOfBounds();
    void loadFromFile();
    void openFailures_data();
    void openFailures();
    void lockedForWritingByAnotherProgram();
    void unusualPaths_data();
    void unusualPaths();
    void hugeFileReadsOnlyItsIndex();
};

void TestLoader::readsIndex_data()
{
    QTest::addColumn<QByteArray>("index");
    QTest::addColumn<QStringList>("keys");

    const QByteArray a = Table("1", "Alpha"), b = Table("2", "Beta");
    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("end of index first") << (End + a) << QStringList();
    QTest::newRow("end of index alone") << End << QStringList();
    QTest::newRow("table data only")
        << (TableDataEntry() + TableDataEntry() + End) << QStringList();
    QTest::newRow("table data only, no end of index")
        << (TableDataEntry() + TableDataEntry()) << QStringList();
    QTest::newRow("ends after table data")
        << (a + TableDataEntry()) << QStringList{"Table 1 Alpha"};
    QTest::newRow("table data between objects")
        << (a + TableDataEntry() + b + End) << QStringList{"Table 1 Alpha", "Table 2 Beta"};
    QTest::newRow("nothing read after the end of index")
        << (a + End + QByteArray("garbage that would not convert") + b)
        << QStringList{"Table 1 Alpha"};
    QTest::newRow("no end of index") << (a + b) << QStringList{"Table 1 Alpha", "Table 2 Beta"};
    QTest::newRow("same key twice")
        << (a + Table("1", "Alpha") + End) << QStringList{"Table 1 Alpha"};
    QTest::newRow("names equal but for ASCII case")
        << (a + Table("1", "ALPHA")) << QStringList{"Table 1 Alpha"};
    QTest::newRow("names equal but for non-ASCII case")
        << (Table("1", "Caf\x82") + Table("1", "CAF\x90"))
        << QStringList{QStringLiteral("Table 1 Café")};
    QTest::newRow("names differing in an accent")
        << (Table("1", "Cafe") + Table("1", "Caf\x82"))
        << QStringList{"Table 1 Cafe", QStringLiteral("Table 1 Café")};
    QTest::newRow("same type and ID, other name")
        << (a + Table("1", "Other")) << QStringList{"Table 1 Alpha", "Table 1 Other"};
    QTest::newRow("same ID and name, other type")
        << (a + Entry("Form      ", "1", "Alpha")) << QStringList{"Table 1 Alpha", "Form 1 Alpha"};
    // Keys that differ in more than letter case are distinct objects, even
    // where a collation would rank them alike.
    QTest::newRow("aa and a-ring")
        << (Table("1", "Faaborg") + Table("1", "F\x86"
                                               "borg"))
        << QStringList{"Table 1 Faaborg", QStringLiteral("Table 1 Fåborg")};
    QTest::newRow("a control character in one name")
        << (Table("1", "AB") + Table("1", "A\x01"
                                          "B"))
        << QStringList{"Table 1 AB", QStringLiteral("Table 1 A\u0001B")};
    QTest::newRow("blanks between ID and name elsewhere")
        << (Table("1", "5X") + Table("15", "X")) << QStringList{"Table 1 5X", "Table 15 X"};
    QTest::newRow("an unrecognised tag spelling a known type")
        << (a + Entry("TABLE     ", "1", "alpha")) << QStringList{"Table 1 Alpha"};
    QTest::newRow("Page and Query of the same number")
        << (Entry("Page      ", "21", "X") + Entry("Query     ", "21", "X"))
        << QStringList{"Page 21 X", "Query 21 X"};
    QTest::newRow("tags with blanks spelling the same key")
        << (Entry("A 1       ", "5", "y") + Entry("A         ", "1", "5 Y"))
        << QStringList{"A 1 5 y"};
    QTest::newRow("names of thirty equal but for case")
        << (Table("7", "Customer Ledger Entry Posting") +
            Table("7", "CUSTOMER LEDGER ENTRY POSTING"))
        << QStringList{"Table 7 Customer Ledger Entry Posting"};
    QTest::newRow("names of thirty differing in the last")
        << (Table("7", "Customer Ledger Entry Postin1") +
            Table("7", "Customer Ledger Entry Postin2"))
        << QStringList{"Table 7 Customer Ledger Entry Postin1",
                       "Table 7 Customer Ledger Entry Postin2"};
    TEntryFields later;
    later.ID = "7";
    later.Name = " SHORT\t"; // what follows the name differs too
    later.Date = "31.12.99";
    later.Time = "23:59:59";
    QTest::newRow("equal but for case and padding, written at another time")
        << (Table("7", "Short") + Entry(later)) << QStringList{"Table 7 Short"};
    QTest::newRow("a name and a longer one starting with it")
        << (Table("7", "Customer Ledger") + Table("7", "Customer Ledger Entry"))
        << QStringList{"Table 7 Customer Ledger", "Table 7 Customer Ledger Entry"};
}

void TestLoader::readsIndex()
{
    QFETCH(QByteArray, index);
    QFETCH(QStringList, keys);
    // Keys compare under the user's locale: the C locale and a real one.
    for (const char *locale : {"C", "nb_NO", "en_US"}) {
        TRegionalSettings settings = UsSettings();
        settings.Locale = QLocale(locale);
        TModelFixture fixture(settings);
        fixture.Load(index);
        QCOMPARE(fixture.VisibleKeys(), keys);
        QCOMPARE(fixture.Model.GetCount(), keys.size());
        QCOMPARE(fixture.Model.FileName(), QString());
    }
}

void TestLoader::foldsCaseUnderTheUsersLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("keys");
    // In Turkish the capital of i is İ, and I is the capital of dotless ı (0xD5).
    const QStringList both{"Table 1 item", "Table 1 ITEM"};
    QTest::newRow("English: I and i") << "en_US" << QStringList{"Table 1 item"};
    QTest::newRow("Turkish: I and i") << "tr_TR" << both;
}

void TestLoader::foldsCaseUnderTheUsersLocale()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, keys);
    TRegionalSettings settings = UsSettings();
    settings.Locale = QLocale(locale);
    TModelFixture fixture(settings);
    fixture.Load(Table("1", "item") + Table("1", "ITEM") + Table("1", "\xD5TEM"));
    QCOMPARE(fixture.VisibleKeys().mid(0, keys.size()), keys);
    // Dotless ı folds like I in Turkish only.
    const QString dotless = QStringLiteral("Table 1 ıTEM");
    QCOMPARE(fixture.VisibleKeys().contains(dotless), locale != "tr_TR");
}

void TestLoader::cutShortEntries_data()
{
    QTest::addColumn<QByteArray>("index");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("message"); // empty when the reading ends without error

    const QByteArray a = Table("1", "Alpha");
    QTest::newRow("object entry cut short")
        << (a + Table("2").left(100)) << QStringList{"Table 1 Alpha"}
        << "The object entry is cut short: the file ends after 100 of its 161 bytes. Entry 2 at "
           "byte 161";
    QTest::newRow("tag cut short")
        << (a + QByteArray("Tab")) << QStringList{"Table 1 Alpha"}
        << "The object entry is cut short: the file ends after 3 of its 161 bytes. Entry 2 at "
           "byte 161";
    QTest::newRow("table data cut short")
        << (a + TableDataEntry().left(50)) << QStringList{"Table 1 Alpha"} << QString();
    QTest::newRow("table data tag alone")
        << (a + QByteArray("TableData")) << QStringList{"Table 1 Alpha"} << QString();
    // No 0x1A: whatever follows the good entries is read as entries too.
    const QByteArray b = Table("2", "Beta");
    QTest::newRow("text after good entries, no end of index")
        << (a + b + QByteArray("no index here, just text. ").repeated(8))
        << QStringList{"Table 1 Alpha", "Table 2 Beta"}
        << "'ere, just ' is not a valid integer value. Entry 3 at byte 322";
    QTest::newRow("binary garbage after good entries, no end of index")
        << (a + b + QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a").repeated(20))
        << QStringList{"Table 1 Alpha", "Table 2 Beta"}
        << "'\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a' is not a valid integer value. Entry 3 "
           "at byte 322";
    QTest::newRow("short garbage after good entries, no end of index")
        << (a + b + QByteArray("\xff\xfe garbage")) << QStringList{"Table 1 Alpha", "Table 2 Beta"}
        << "The object entry is cut short: the file ends after 10 of its 161 bytes. Entry 3 at "
           "byte 322";
}

void TestLoader::cutShortEntries()
{
    QFETCH(QByteArray, index);
    QFETCH(QStringList, keys);
    QFETCH(QString, message);
    TModelFixture fixture;
    QString raised;
    try {
        fixture.Load(index);
    } catch (const TError &error) {
        raised = error.message();
    }
    QCOMPARE(raised, message);
    QCOMPARE(fixture.VisibleKeys(), keys);
}

void TestLoader::reportsEveryEntryRead()
{
    TModelFixture fixture;
    QStringList reported;
    fixture.Model.OnObjectLoaded = [&](TNavisionBinaryFile &sender, const TNavisionObject &object) {
        QCOMPARE(&sender, &fixture.Model);
        reported << QString::fromLatin1(object.GetKey());
    };
    fixture.Load(Table("1") + TableDataEntry() + Table("1") + Table("2") + End);
    QCOMPARE(reported, (QStringList{"Table 1 Demo", "Table 1 Demo", "Table 2 Demo"}));
    QCOMPARE(fixture.Model.GetCount(), 2);
}

void TestLoader::conversionErrorKeepsEarlierObjects()
{
    QByteArray index;
    for (int i = 1; i <= 9; ++i)
        index += Table(QByteArray::number(i));
    TEntryFields bad;
    bad.Date = "29.02.2009";
    index += Entry(bad) + Table("11") + End;

    QTemporaryDir dir;
    const QString path = dir.filePath("tenth.fob");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(index);
    file.close();

    TModelFixture fixture;
    // The regional settings alone: no other date order is tried.
    fixture.Model.SetDateOrderChoice(TDateOrderChoice::RegionalSettings);
    int reported = 0;
    fixture.Model.OnObjectLoaded = [&](TNavisionBinaryFile &, const TNavisionObject &) {
        ++reported;
    };
    fixture.Model.Clear();
    try {
        fixture.Model.LoadFromFile(path);
        QFAIL("the file was read without error");
    } catch (const TError &error) {
        QCOMPARE(error.message(),
                 QString("'29/02/2009 10:15:30' is not a valid date and time. Entry 10 at byte "
                         "1449 of \"%1\".")
                     .arg(path));
    }
    QCOMPARE(fixture.Model.GetCount(), 9);
    QCOMPARE(reported, 9);
    QCOMPARE(fixture.Model.FileName(), QString());
    QCOMPARE(fixture.Library.PermissionLookups, 9);
}

void TestLoader::hidesSystemObjectsWhileReading()
{
    TModelFixture fixture;
    fixture.Model.SetHideSystemObjects(true);
    fixture.Load(Table("2000000000") + Table("1999999999") + Table("2147483647") + Table("-1") +
                 Table("5") + End);
    QCOMPARE(fixture.VisibleKeys(), (QStringList{"Table 1999999999 Demo", "Table 5 Demo"}));
    QCOMPARE(fixture.HiddenKeys(),
             (QStringList{"Table 2000000000 Demo", "Table 2147483647 Demo", "Table -1 Demo"}));
    QCOMPARE(fixture.Model.GetCount(), 2);

    // A key is only compared within its target list.
    fixture.Load(Table("-1") + End);
    QCOMPARE(fixture.HiddenKeys().size(), 3);
    QCOMPARE(fixture.VisibleKeys(), QStringList());
}

void TestLoader::hideAndShowAfterReading()
{
    TModelFixture fixture;
    fixture.Load(Table("-1", "A") + Table("1", "B") + Table("2000000001", "C") + Table("2", "D") +
                 Table("2000000002", "E") + End);
    fixture.Model.SetSortKey(skName);
    fixture.Model.SetHideSystemObjects(true);
    QCOMPARE(fixture.VisibleKeys(), (QStringList{"Table 1 B", "Table 2 D"}));
    QCOMPARE(fixture.HiddenKeys(),
             (QStringList{"Table 2000000002 E", "Table 2000000001 C", "Table -1 A"}));

    fixture.Model.SetHideSystemObjects(false);
    QCOMPARE(fixture.VisibleKeys(), (QStringList{"Table 1 B", "Table 2 D", "Table -1 A",
                                                 "Table 2000000001 C", "Table 2000000002 E"}));
    QCOMPARE(fixture.HiddenKeys(), QStringList());

    // Moving entries compares no key, and the moved keys are found afterwards.
    fixture.Model.SetHideSystemObjects(true);
    auto duplicate = std::make_unique<TNavisionObject>(Table("-1", "a"), UsSettings());
    QVERIFY(!fixture.Model.AddObject(duplicate));
    QVERIFY(duplicate != nullptr);
    auto visible = std::make_unique<TNavisionObject>(Table("-1", "a"), UsSettings());
    fixture.Model.SetHideSystemObjects(false);
    QVERIFY(!fixture.Model.AddObject(visible));
}

void TestLoader::addObjectTakesOnlyNewKeys_data()
{
    QTest::addColumn<QByteArrayList>("added");
    QTest::addColumn<QList<bool>>("taken");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("new ID") << QByteArrayList{Table("2")} << QList<bool>{true}
                            << QStringList{"Table 1 Demo", "Table 2 Demo"};
    QTest::newRow("same key, other case")
        << QByteArrayList{Table("1", "DEMO")} << QList<bool>{false} << QStringList{"Table 1 Demo"};
    QTest::newRow("same ID and name, other type")
        << QByteArrayList{Entry("Codeunit  ", "1", "Demo")} << QList<bool>{true}
        << QStringList{"Table 1 Demo", "Codeunit 1 Demo"};
    QTest::newRow("an added key, again")
        << QByteArrayList{Table("3", "x"), Table("3", "X"), Table("4", "x")}
        << QList<bool>{true, false, true} << QStringList{"Table 1 Demo", "Table 3 x", "Table 4 x"};
}

// An object is taken only when its key, ignoring case, isn't listed, the
// keys added before it included; one not taken stays the caller's.
void TestLoader::addObjectTakesOnlyNewKeys()
{
    QFETCH(QByteArrayList, added);
    QFETCH(QList<bool>, taken);
    QFETCH(QStringList, keys);
    TModelFixture fixture;
    fixture.Load(Table("1") + End);
    for (qsizetype i = 0; i < added.size(); ++i) {
        auto object = std::make_unique<TNavisionObject>(added[i], UsSettings());
        QCOMPARE(fixture.Model.AddObject(object), taken[i]);
        QCOMPARE(object == nullptr, taken[i]);
    }
    QCOMPARE(fixture.VisibleKeys(), keys);
}

void TestLoader::looksUpEveryObjectOnce()
{
    TModelFixture fixture;
    fixture.Library.SetRights(otTable, 1, {{1, 0, 0, 0, 1}});
    fixture.Library.SetRights(otNone, 21, {{1, 1, 1, 1, 1}});
    fixture.Model.SetHideSystemObjects(true);
    fixture.Load(Table("1") + Table("1") + Table("-1") + Entry("Page      ", "21", "X") + End);
    QCOMPARE(fixture.Library.PermissionLookups, 4);
    QCOMPARE(fixture.Model.GetObject(0).Permissions(), TPermissionFlags(pfRead | pfExecute));
    QCOMPARE(fixture.Model.GetObject(1).Permissions(), TPermissionFlags(62));
    QCOMPARE(fixture.Model.HiddenObjects().Object(0).Permissions(), pfNoRecord);
}

void TestLoader::refreshesVisiblePermissionsOnly()
{
    TModelFixture fixture;
    fixture.Library.SetRights(otTable, 1, {{1, 0, 0, 0, 0}});
    fixture.Library.SetRights(otTable, -1, {{1, 0, 0, 0, 0}});
    fixture.Load(Table("1") + Table("-1") + End);
    fixture.Model.SetHideSystemObjects(true);

    fixture.Library.SetRights(otTable, 1, {{0, 0, 0, 0, 1}});
    fixture.Library.SetRights(otTable, -1, {{0, 0, 0, 0, 1}});
    fixture.Model.RefreshPermissions();
    fixture.Model.SetHideSystemObjects(false);
    QCOMPARE(fixture.Model.GetObject(0).GetPermissionText(), QByteArray("X"));
    QCOMPARE(fixture.Model.GetObject(1).GetPermissionText(), QByteArray("R"));
}

void TestLoader::getObjectOutOfBounds_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("minus one") << -1;
    QTest::newRow("count") << 2;
}

void TestLoader::getObjectOutOfBounds()
{
    QFETCH(int, index);
    TModelFixture fixture;
    fixture.Load(Table("1") + Table("2"));
    try {
        fixture.Model.GetObject(index);
        QFAIL("no error");
    } catch (const TError &error) {
        QCOMPARE(error.message(), QString("List index out of bounds (%1)").arg(index));
    }
}

void TestLoader::loadFromFile()
{
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    QFile empty("empty.fob");
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    QFile one("one.fob");
    QVERIFY(one.open(QIODevice::WriteOnly));
    one.write(Table("1") + End + QByteArray(100, '\xff'));
    one.close();

    TModelFixture fixture;
    fixture.Model.LoadFromFile("one.fob");
    QCOMPARE(fixture.Model.FileName(), QString("one.fob")); // as passed, not made absolute
    QCOMPARE(fixture.Model.GetCount(), 1);

    fixture.Model.Clear();
    fixture.Model.LoadFromFile("empty.fob");
    QCOMPARE(fixture.Model.FileName(), QString("empty.fob"));
    QCOMPARE(fixture.Model.GetCount(), 0);
}

void TestLoader::openFailures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("cause");

    QTest::newRow("missing") << "missing"
                             << "No such file or directory";
    QTest::newRow("FIFO without a writer") << "fifo"
                                           << "It is not a regular file";
    QTest::newRow("device") << "device"
                            << "It is not a regular file";
    QTest::newRow("unreadable") << "unreadable"
                                << "Permission denied";
    QTest::newRow("missing, name not in ASCII") << "missing non-ASCII"
                                                << "No such file or directory";
}

void TestLoader::openFailures()
{
    QFETCH(QString, kind);
    QFETCH(QString, cause);
    QTemporaryDir dir;
    QString name = dir.filePath("x.fob");
    if (kind == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(name).constData(), 0600), 0);
    else if (kind == "device")
        name = "/dev/zero";
    else if (kind == "missing non-ASCII")
        name = dir.filePath(QStringLiteral("Ærø – 文件.fob"));
    std::optional<TWithoutRootPrivileges> unprivileged;
    if (kind == "unreadable") {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(Table("2") + End);
        file.close();
        QVERIFY(file.setPermissions(QFileDevice::Permissions()));
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner |
                                                      QFileDevice::ExeOther));
        unprivileged.emplace();
        if (!unprivileged->Problem().isEmpty())
            QSKIP(qPrintable(unprivileged->Problem()));
        // The file can be reached: only its own bits refuse the reading.
        QVERIFY(QFileInfo::exists(name));
    }

    TModelFixture fixture;
    fixture.Load(Table("1") + End);
    try {
        fixture.Model.LoadFromFile(name);
        QFAIL("the file was opened");
    } catch (const TError &error) {
        QCOMPARE(error.message(), QString("Cannot open file \"%1\". %2").arg(name, cause));
    }
    unprivileged.reset();
    QCOMPARE(fixture.Model.GetCount(), 1); // nothing changed
    QCOMPARE(fixture.Model.FileName(), QString());
}

void TestLoader::lockedForWritingByAnotherProgram()
{
    QTemporaryDir dir;
    const QString name = dir.filePath("held.fob");
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Table("1") + End);
    file.flush();
    QCOMPARE(::flock(file.handle(), LOCK_EX | LOCK_NB), 0);

    TModelFixture fixture;
    try {
        fixture.Model.LoadFromFile(name);
        QFAIL("the file was opened");
    } catch (const TError &error) {
        QCOMPARE(
            error.message(),
            QString("Cannot open file \"%1\". Another program holds the file locked").arg(name));
    }
    QCOMPARE(fixture.Model.FileName(), QString());

    ::flock(file.handle(), LOCK_UN);
    fixture.Model.LoadFromFile(name);
    QCOMPARE(fixture.Model.GetCount(), 1);
}

void TestLoader::unusualPaths_data()
{
    QTest::addColumn<QString>("relativePath");

    QTest::newRow("letters outside ASCII") << QStringLiteral("Mappe æøå/Объекты – 文件.fob");
    QTest::newRow("blanks, quotes and a percent sign") << QStringLiteral("a \"b\" 'c' %1.fob");
    QString deep;
    for (int level = 0; level < 5; ++level)
        deep += QString(60, u'd') + u'/';
    QTest::newRow("over 260 characters") << deep + QStringLiteral("objects.fob");
    QTest::newRow("name of 255 bytes") << QString(251, u'n') + QStringLiteral(".fob");
}

void TestLoader::unusualPaths()
{
    QFETCH(QString, relativePath);
    QTemporaryDir dir;
    const QString path = dir.filePath(relativePath);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
    file.write(Table("1") + Table("2") + End);
    file.close();

    TModelFixture fixture;
    fixture.Model.LoadFromFile(path);
    QCOMPARE(fixture.Model.FileName(), path);
    QCOMPARE(fixture.Model.GetCount(), 2);

    // Refused, the message names the path as it is.
    QVERIFY(QFile::remove(path));
    try {
        fixture.Model.LoadFromFile(path);
        QFAIL("a missing file was opened");
    } catch (const TError &error) {
        QCOMPARE(error.message(),
                 QString("Cannot open file \"%1\". No such file or directory").arg(path));
    }
}

// Reading stops at the 0x1A that ends the index: a file of 2 GiB whose index
// is two entries is read in a moment, its bodies never touched.
void TestLoader::hugeFileReadsOnlyItsIndex()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.fob");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Table("1") + Table("2") + End);
    // Sparse: the bodies take no room on the disk.
    constexpr qint64 Size = qint64(2) << 30;
    QVERIFY(file.resize(Size));
    file.close();
    QCOMPARE(QFileInfo(path).size(), Size);

    TModelFixture fixture;
    const qint64 readBefore = BytesReadByThisProcess();
    QElapsedTimer timer;
    timer.start();
    fixture.Model.LoadFromFile(path);
    const qint64 elapsed = timer.elapsed();
    const qint64 readAfter = BytesReadByThisProcess();

    QCOMPARE(fixture.Model.GetCount(), 2);
    if (readBefore >= 0 && readAfter >= 0)
        QVERIFY2(readAfter - readBefore < (1 << 20),
                 qPrintable(QString("%1 bytes read").arg(readAfter - readBefore)));
    // Reading the whole file would take many seconds even from the cache.
    QVERIFY2(elapsed < 2000, qPrintable(QString("%1 ms").arg(elapsed)));
}

QTEST_GUILESS_MAIN(TestLoader)
#include "tst_loader.moc"
