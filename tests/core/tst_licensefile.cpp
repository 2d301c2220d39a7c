// The licence reader against a recording library: its answers and the
// order of its calls.
#include "core/errors.h"
#include "fakecfront.h"
#include "core/model/licensefile.h"

#include <QTest>

#include <memory>

namespace {

// The calls of one permission lookup, type code of a field = 1000 + field.
QStringList LookupCalls(int type, int id)
{
    return {"36 43 1",    QStringLiteral("41 43 143 1 1001 %1 4").arg(type),
            "36 43 2",    QStringLiteral("41 43 143 2 1002 %1 4").arg(id),
            "1 85132272", "16 43 143 ="};
}

} // namespace

class TestLicenseFile : public QObject {
    Q_OBJECT

private slots:
    void startsAndStopsInOrder();
    void permissions_data();
    void permissions();
    void lookupCalls();
    void informationLines_data();
    void informationLines();
    void changeLicenseFile();
    void refusedLicenseFile_data();
    void refusedLicenseFile();
    void infoLineOutOfBounds();
};

void TestLicenseFile::startsAndStopsInOrder()
{
    TFakeCFront library;
    library.SetInfoLines({"One", "Two"});
    auto licence = std::make_unique<TNavisionLicenseFile>(library.EntryPoints());
    QCOMPARE(library.Calls, (QStringList{"3", "12 2000000043", "65 43", "12 2000000040", "65 40",
                                         "1 85132272", "16 40 140 -", "44 251 40 140 2",
                                         "17 40 140 1", "44 251 40 140 2", "17 40 140 1"}));
    library.Calls.clear();
    licence.reset();
    QCOMPARE(library.Calls, (QStringList{"66 140", "14 40", "66 143", "14 43", "4"}));
}

void TestLicenseFile::permissions_data()
{
    QTest::addColumn<QList<int>>("values"); // fields 10 to 14; empty for no record
    QTest::addColumn<int>("flags");

    QTest::newRow("no record") << QList<int>() << 1;
    QTest::newRow("record granting nothing") << QList<int>{0, 0, 0, 0, 0} << 0;
    QTest::newRow("read and execute") << QList<int>{1, 0, 0, 0, 2} << 34;
    QTest::newRow("all five") << QList<int>{1, 1, 1, 1, 1} << 62;
    QTest::newRow("any non-zero value grants") << QList<int>{-1, 0, 7, 0, 0} << 10;
}

void TestLicenseFile::permissions()
{
    QFETCH(QList<int>, values);
    QFETCH(int, flags);
    TFakeCFront library;
    if (!values.isEmpty())
        library.SetRights(3, -7, {{values[0], values[1], values[2], values[3], values[4]}});
    TNavisionLicenseFile licence(library.EntryPoints());
    QCOMPARE(int(licence.GetPermissions(3, -7)), flags);
    QCOMPARE(int(licence.GetPermissions(3, 7)), 1); // the number is part of the key
}

void TestLicenseFile::lookupCalls()
{
    TFakeCFront library;
    library.SetRights(0, 21, {{1, 0, 0, 0, 0}});
    TNavisionLicenseFile licence(library.EntryPoints());

    library.Calls.clear();
    licence.GetPermissions(5, 80); // no record: no field is read
    QCOMPARE(library.Calls, LookupCalls(5, 80));

    library.Calls.clear();
    licence.GetPermissions(0, 21); // a record: five fields in order
    const QStringList fieldReads{"44 4 43 143 10", "44 4 43 143 11", "44 4 43 143 12",
                                 "44 4 43 143 13", "44 4 43 143 14"};
    QCOMPARE(library.Calls, LookupCalls(0, 21) + fieldReads);
}

void TestLicenseFile::informationLines_data()
{
    QTest::addColumn<QList<QByteArray>>("given");
    QTest::addColumn<QList<QByteArray>>("lines");

    QTest::newRow("none") << QList<QByteArray>() << QList<QByteArray>();
    QTest::newRow("in order, duplicates kept")
        << QList<QByteArray>{QByteArray("B\0", 2), QByteArray("A\0", 2), QByteArray("A\0", 2)}
        << QList<QByteArray>{"B", "A", "A"};
    QTest::newRow("250 characters and a NUL") << QList<QByteArray>{QByteArray(250, 'x') + '\0'}
                                              << QList<QByteArray>{QByteArray(250, 'x')};
    QTest::newRow("no NUL: all 251 bytes")
        << QList<QByteArray>{QByteArray(251, 'y')} << QList<QByteArray>{QByteArray(251, 'y')};
    QTest::newRow("cut at an embedded NUL")
        << QList<QByteArray>{QByteArray("ab\0cd\0", 6)} << QList<QByteArray>{"ab"};
    QTest::newRow("code page 850 bytes")
        << QList<QByteArray>{QByteArray("Bj\x9brn\0", 6)} << QList<QByteArray>{"Bj\x9brn"};
}

void TestLicenseFile::informationLines()
{
    QFETCH(QList<QByteArray>, given);
    QFETCH(QList<QByteArray>, lines);
    TFakeCFront library;
    library.SetInfoLines(given);
    TNavisionLicenseFile licence(library.EntryPoints());
    QCOMPARE(licence.GetInfoLineCount(), lines.size());
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(licence.GetInfoLine(i), lines[i]);
}

void TestLicenseFile::changeLicenseFile()
{
    TFakeCFront library;
    library.SetInfoLines({"Old licence"});
    library.Licences["/licences/new.flf"] = {QByteArray("New licence\0", 12),
                                             QByteArray("Line 2\0", 7)};
    TNavisionLicenseFile licence(library.EntryPoints());
    library.Calls.clear();
    licence.ChangeLicenseFile("/licences/new.flf");
    QCOMPARE(library.Calls.first(), QString("89 /licences/new.flf"));
    QCOMPARE(library.Calls.mid(1, 2), (QStringList{"1 85132272", "16 40 140 -"}));
    QCOMPARE(licence.GetInfoLineCount(), 2);
    QCOMPARE(licence.GetInfoLine(0), QByteArray("New licence"));

    // Without the licence report ordinal 89's answer means nothing: a file
    // the library knows nothing of leaves what the library reports.
    licence.ChangeLicenseFile("/licences/unknown.flf");
    QCOMPARE(licence.GetInfoLineCount(), 0);
    QCOMPARE(licence.ActiveLicense().State, TActiveLicense::TState::Unknown);
}

// With the licence report, a file the library refuses raises the cause and
// leaves the information lines as they were; the report names the active file.
void TestLicenseFile::refusedLicenseFile_data()
{
    QTest::addColumn<QByteArray>("cause");
    QTest::addColumn<QString>("shown");

    QTest::newRow("short cause") << QByteArray("No such file or directory")
                                 << "No such file or directory";
    QTest::newRow("trailing period and blanks") << QByteArray("Broken. \n") << "Broken";
    const QByteArray longCause = "Line 3: " + QByteArray(600, 'x');
    QTest::newRow("longer than the first buffer") << longCause << QString::fromLatin1(longCause);
    QTest::newRow("cut at a NUL") << QByteArray("Line 2: found \"1\0 R\"", 20)
                                  << "Line 2: found \"1";
}

void TestLicenseFile::refusedLicenseFile()
{
    QFETCH(QByteArray, cause);
    QFETCH(QString, shown);
    TFakeCFront library;
    library.Licences["/licences/good.flf"] = {QByteArray("Good\0", 5)};
    TNavisionLicenseFile licence(library.EntryPointsWithReport());
    QCOMPARE(licence.ActiveLicense().State, TActiveLicense::TState::None);
    licence.ChangeLicenseFile("/licences/good.flf");
    QCOMPARE(licence.ActiveLicense().State, TActiveLicense::TState::Loaded);
    QCOMPARE(licence.ActiveLicense().FileName, QStringLiteral("/licences/good.flf"));

    library.LastError = cause;
    library.Calls.clear();
    try {
        licence.ChangeLicenseFile("/licences/bad.flf");
        QFAIL("no error");
    } catch (const TError &error) {
        QCOMPARE(error.message(),
                 QStringLiteral("Cannot load licence file \"/licences/bad.flf\". ") + shown);
    }
    // The lines are not read again: the licence is the one before.
    QCOMPARE(library.Calls, QStringList{"89 /licences/bad.flf"});
    QCOMPARE(licence.GetInfoLineCount(), 1);
    QCOMPARE(licence.GetInfoLine(0), QByteArray("Good"));
    QCOMPARE(licence.ActiveLicense().FileName, QStringLiteral("/licences/good.flf"));
}

void TestLicenseFile::infoLineOutOfBounds()
{
    TFakeCFront library;
    library.SetInfoLines({QByteArray("Only\0", 5)});
    TNavisionLicenseFile licence(library.EntryPoints());
    for (int index : {-1, 1}) {
        try {
            licence.GetInfoLine(index);
            QFAIL("no error");
        } catch (const TError &error) {
            QCOMPARE(error.message(), QString("List index out of bounds (%1)").arg(index));
        }
    }
}

QTEST_GUILESS_MAIN(TestLicenseFile)
#include "tst_licensefile.moc"
