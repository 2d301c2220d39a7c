// Writing the visible list as tab-delimited text.
#include "core/errors.h"
#include "entries.h"
#include "modelfixture.h"
#include "unprivileged.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <optional>

#include <sys/resource.h>

namespace {

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QByteArray Sample()
{
    TEntryFields accented;
    accented.ID = "2";
    accented.Name = "Budsjettoppf\x9blging";
    accented.VersionList = "NAVNO7.00 p\x86";
    TEntryFields system;
    system.ID = "2000000001";
    system.Name = "Object";
    system.Time = "";
    return Entry(TEntryFields()) + Entry(accented) + Entry(system) + "\x1A";
}

const QByteArray Line1 = "Table\t1\tDemo\t1/2/03 10:15:30 AM\t1234\t\r\n";
const QByteArray Line2 =
    "Table\t2\tBudsjettoppf\x9blging\t1/2/03 10:15:30 AM\t1234\tNAVNO7.00 p\x86\r\n";
const QByteArray Line3 = "Table\t2000000001\tObject\t1/2/03\t1234\t\r\n";

// Files of this process no larger than the limit while it lives; a write
// beyond it fails with EFBIG rather than ending the process.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &FBefore);
        FHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, FBefore.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &FBefore);
        std::signal(SIGXFSZ, FHandler);
    }

private:
    rlimit FBefore{};
    void (*FHandler)(int) = nullptr;
};

} // namespace

class TestExport : public QObject {
    Q_OBJECT

private slots:
    void writesVisibleListInOrder_data();
    void writesVisibleListInOrder();
    void streamFromItsPosition();
    void replacesAnExistingFile();
    void emptyListGivesEmptyFile();
    void failures_data();
    void failures();
    void fieldsKeepTheirPlace_data();
    void fieldsKeepTheirPlace();
};

void TestExport::writesVisibleListInOrder_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("hideSystem");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("by ID") << int(skID) << 0 << false << (Line1 + Line2 + Line3);
    QTest::newRow("by ID descending") << int(skID) << 1 << false << (Line3 + Line2 + Line1);
    QTest::newRow("by name") << int(skName) << 0 << false << (Line2 + Line1 + Line3);
    QTest::newRow("system objects hidden") << int(skID) << 0 << true << (Line1 + Line2);
}

void TestExport::writesVisibleListInOrder()
{
    QFETCH(int, key);
    QFETCH(int, direction);
    QFETCH(bool, hideSystem);
    QFETCH(QByteArray, bytes);
    TModelFixture fixture;
    fixture.Model.SetHideSystemObjects(hideSystem);
    fixture.Load(Sample());
    fixture.Model.SetSortDirection(direction);
    fixture.Model.SetSortKey(key);

    QTemporaryDir dir;
    const QString path = dir.filePath("list.txt");
    fixture.Model.SaveListToFile(path);
    const QByteArray written = ReadAll(path);
    QCOMPARE(written, bytes);
    for (const QByteArray &line : written.split('\n')) {
        if (!line.isEmpty()) {
            QCOMPARE(line.count('\t'), 5);
            QVERIFY(line.endsWith('\r'));
        }
    }
}

void TestExport::streamFromItsPosition()
{
    TModelFixture fixture;
    fixture.Load(Sample());
    fixture.Model.SetSortKey(skID);
    QBuffer buffer;
    buffer.setData("0123456789");
    QVERIFY(buffer.open(QIODevice::ReadWrite));
    buffer.seek(4);
    fixture.Model.SaveListToStream(buffer);
    QVERIFY(buffer.isOpen()); // not closed
    QCOMPARE(buffer.data(), "0123" + Line1 + Line2 + Line3);
}

void TestExport::replacesAnExistingFile()
{
    TModelFixture fixture;
    fixture.Load(Sample());
    fixture.Model.SetSortKey(skID);
    QTemporaryDir dir;
    const QString path = dir.filePath("list.txt");
    QFile existing(path);
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write(QByteArray(10000, 'x'));
    existing.close();
    fixture.Model.SaveListToFile(path);
    QCOMPARE(ReadAll(path), Line1 + Line2 + Line3);
}

void TestExport::emptyListGivesEmptyFile()
{
    TModelFixture fixture;
    TEntryFields system;
    system.ID = "-1";
    fixture.Model.SetHideSystemObjects(true);
    fixture.Load(Entry(system));
    QCOMPARE(fixture.Model.GetCount(), 0);

    QTemporaryDir dir;
    const QString path = dir.filePath("list.txt");
    QFile existing(path);
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("old contents");
    existing.close();
    fixture.Model.SaveListToFile(path);
    QCOMPARE(QFileInfo(path).size(), 0);
}

void TestExport::failures_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("existing"); // the file there before, if any
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<int>("sizeLimit"); // of the files written, in bytes; 0: none

    QTest::newRow("disk full") << "/dev/full"
                               << "Cannot write file \"/dev/full\". No space left on device"
                               << QByteArray() << false << 0;
    QTest::newRow("missing folder")
        << "no/such/folder/list.txt"
        << "Cannot create file \"%1/no/such/folder/list.txt\". No such file or directory"
        << QByteArray() << false << 0;
    QTest::newRow("a folder") << "."
                              << "Cannot create file \"%1\". Is a directory" << QByteArray()
                              << false << 0;
    QTest::newRow("read-only file")
        << "list.txt"
        << "Cannot create file \"%1/list.txt\". Permission denied"
        << QByteArray("an earlier export\r\n\xff\0 kept as it was",
                      sizeof "an earlier export\r\n\xff\0 kept as it was" - 1)
        << true << 0;
    // A write that fails halfway leaves the file that was there, or none.
    QTest::newRow("file size limit, a file there")
        << "list.txt"
        << "Cannot write file \"%1/list.txt\". File too large"
        << QByteArray("an earlier export\r\n") << false << 64;
    QTest::newRow("file size limit, a new file")
        << "list.txt"
        << "Cannot write file \"%1/list.txt\". File too large" << QByteArray() << false << 64;
}

void TestExport::failures()
{
    QFETCH(QString, path);
    QFETCH(QString, message);
    QFETCH(QByteArray, existing);
    QFETCH(bool, readOnly);
    QFETCH(int, sizeLimit);
    QTemporaryDir dir;
    QVERIFY(QDir::setCurrent(dir.path()));
    if (!existing.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(existing);
        file.close();
    }
    const QStringList before = QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    std::optional<TWithoutRootPrivileges> unprivileged;
    if (readOnly) {
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadOther));
        // The folder is writable by its owner alone, so only the file's bits stop the export.
        QVERIFY(QFile::setPermissions(
            dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                            QFileDevice::ExeOther | QFileDevice::ReadOther));
        unprivileged.emplace();
        if (!unprivileged->Problem().isEmpty())
            QSKIP(qPrintable(unprivileged->Problem()));
        // The file can be reached: only its own bits refuse the writing.
        QVERIFY(QFileInfo(path).isReadable());
    }

    TModelFixture fixture;
    fixture.Load(Sample());
    std::optional<TFileSizeLimit> limit;
    if (sizeLimit > 0)
        limit.emplace(sizeLimit);
    try {
        fixture.Model.SaveListToFile(path);
        limit.reset();
        QFAIL("the export reported success");
    } catch (const TError &error) {
        limit.reset();
        QCOMPARE(error.message(),
                 message.contains("%1") ? message.arg(QDir::currentPath()) : message);
    }
    unprivileged.reset();
    // Nothing else was written: no new file, an existing one as it was.
    QCOMPARE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    if (!existing.isNull())
        QCOMPARE(ReadAll(path), existing);
}

// A TAB, CR or LF inside a name or version list is written as a blank, so
// every line keeps its six fields; other characters stay as they are.
void TestExport::fieldsKeepTheirPlace_data()
{
    QTest::addColumn<QByteArray>("text"); // the name and the version list
    QTest::addColumn<QByteArray>("field");

    QTest::newRow("TAB") << QByteArray("A\tB") << QByteArray("A B");
    QTest::newRow("LF") << QByteArray("A\nB") << QByteArray("A B");
    QTest::newRow("CR LF") << QByteArray("A\r\nB") << QByteArray("A  B");
    QTest::newRow("formula") << QByteArray("=1+2") << QByteArray("=1+2");
    QTest::newRow("code page 850") << QByteArray("\x8f\x9b") << QByteArray("\x8f\x9b");
}

void TestExport::fieldsKeepTheirPlace()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, field);
    TEntryFields fields;
    fields.Name = text;
    fields.VersionList = text;
    TModelFixture fixture;
    fixture.Load(Entry(fields) + "\x1A");
    QCOMPARE(fixture.Model.GetCount(), 1);
    QBuffer buffer;
    QVERIFY(buffer.open(QIODevice::WriteOnly));
    fixture.Model.SaveListToStream(buffer);
    QCOMPARE(buffer.data(), "Table\t1\t" + field + "\t1/2/03 10:15:30 AM\t1234\t" + field + "\r\n");
    QCOMPARE(fixture.Model.GetObject(0).GetListLine(fixture.Model.Settings()), buffer.data());
}

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
