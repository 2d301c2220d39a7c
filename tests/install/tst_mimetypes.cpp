// The installed file types as the desktop sees them: Qt's MIME database reads
// the shared-mime-info tree of the install prefix (XDG_DATA_DIRS).
#include <QFile>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString ObjectType = QStringLiteral("application/x-navision-object");
const QString BackupType = QStringLiteral("application/x-navision-backup");

QByteArray Sample()
{
    QFile file(QStringLiteral(QUINTAREL_SAMPLE));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The sample's index starting with another object type's entry.
QByteArray WithFirstTag(const QByteArray &tag)
{
    QByteArray bytes = Sample();
    return bytes.replace(0, tag.size(), tag);
}

} // namespace

class TestMimeTypes : public QObject {
    Q_OBJECT

private slots:
    void declaresBothTypes();
    void typeOfFile_data();
    void typeOfFile();
};

void TestMimeTypes::declaresBothTypes()
{
    const QMimeDatabase database;
    const QMimeType object = database.mimeTypeForName(ObjectType);
    QVERIFY2(object.isValid(), "the object file type is not installed");
    QCOMPARE(object.comment(), QStringLiteral("Navision object file"));
    QCOMPARE(object.globPatterns(), QStringList{QStringLiteral("*.fob")});
    const QMimeType backup = database.mimeTypeForName(BackupType);
    QVERIFY2(backup.isValid(), "the backup file type is not installed");
    QCOMPARE(backup.comment(), QStringLiteral("Navision backup file"));
    QCOMPARE(backup.globPatterns(), QStringList{QStringLiteral("*.fbk")});
}

void TestMimeTypes::typeOfFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected"); // empty: neither of ours

    const QByteArray sample = Sample();
    QVERIFY(sample.size() > 161);
    QTest::newRow("object file") << "demo.fob" << sample << ObjectType;
    QTest::newRow("extension in capitals") << "DEMO.FOB" << sample << ObjectType;
    QTest::newRow("backup file") << "demo.fbk" << sample << BackupType;
    QTest::newRow("backup file, no index yet")
        << "empty.fbk" << QByteArray("\x1a\x1a") << BackupType;
    QTest::newRow("no extension: first bytes") << "demo" << sample << ObjectType;
    QTest::newRow("codeunits only, no extension")
        << "codeunits" << WithFirstTag("Codeunit  ") << ObjectType;
    QTest::newRow("menu suites only, no extension")
        << "menusuites" << WithFirstTag("MenuSuite ") << ObjectType;
    QTest::newRow("unknown first tag") << "other" << WithFirstTag("Invoice   ") << QString();
    QTest::newRow("text with LF line ends")
        << "notes" << QByteArray(sample).replace("\r\n", "\n ") << QString();
    QTest::newRow("only the tag") << "short" << QByteArray("Table     ") << QString();
}

void TestMimeTypes::typeOfFile()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(fileName);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
    file.close();

    const QString found = QMimeDatabase().mimeTypeForFile(path).name();
    if (expected.isEmpty()) {
        QVERIFY2(found != ObjectType && found != BackupType, qPrintable(found));
    } else {
        QCOMPARE(found, expected);
    }
}

QTEST_GUILESS_MAIN(TestMimeTypes)
#include "tst_mimetypes.moc"
