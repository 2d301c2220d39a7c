// Finding and loading the database access library.
#include "core/cfront/cfront.h"
#include "core/errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestCFrontLoader : public QObject {
    Q_OBJECT

private slots:
    void resolvesEveryEntryPoint();
    void namesEveryMissingEntryPoint();
    void notALibrary();
    void nowhereToBeFound();
};

namespace {

QString ErrorOf(const QStringList &folders)
{
    try {
        LoadCFrontFrom(folders);
    } catch (const TError &error) {
        return error.message();
    }
    return QString();
}

// A folder holding the given file under the library's name.
bool PlaceAsLibrary(const QTemporaryDir &dir, const QString &file)
{
    return QFile::copy(file, QDir(dir.path()).filePath(CFrontLibraryName));
}

} // namespace

void TestCFrontLoader::resolvesEveryEntryPoint()
{
    QTemporaryDir empty;
    // The first folder that holds the library is taken.
    const TCFrontEntryPoints entries =
        LoadCFrontFrom({empty.path(), QFileInfo(QStringLiteral(STANDIN_LIBRARY)).path()});
    for (const auto *entry :
         {(void *)entries.Init, (void *)entries.OpenTable, (void *)entries.AllocRecord,
          (void *)entries.FieldType, (void *)entries.AssignField, (void *)entries.SetSearchMode,
          (void *)entries.FindRecord, (void *)entries.NextRecord, (void *)entries.GetFieldData,
          (void *)entries.SetLicenseFile, (void *)entries.FreeRecord, (void *)entries.CloseTable,
          (void *)entries.Done})
        QVERIFY(entry != nullptr);
}

void TestCFrontLoader::namesEveryMissingEntryPoint()
{
    QTemporaryDir dir;
    QVERIFY(PlaceAsLibrary(dir, QStringLiteral(PARTIAL_LIBRARY)));
    const QString path = QDir(dir.path()).filePath(CFrontLibraryName);
    QCOMPARE(ErrorOf({dir.path()}),
             QString("The database access library \"%1\" lacks the entry point(s) "
                     "cfront_12_OpenTable, cfront_65_AllocRecord, cfront_36_FieldType, "
                     "cfront_41_AssignField, cfront_1_SetSearchMode, cfront_16_FindRecord, "
                     "cfront_17_NextRecord, cfront_44_GetFieldData, cfront_89_SetLicenseFile, "
                     "cfront_66_FreeRecord, cfront_14_CloseTable")
                 .arg(path));
}

void TestCFrontLoader::notALibrary()
{
    QTemporaryDir dir;
    QFile text(QDir(dir.path()).filePath(CFrontLibraryName));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a shared library");
    text.close();
    const QString message = ErrorOf({dir.path()});
    QVERIFY2(message.startsWith(
                 QString("Cannot load the database access library \"%1\". ").arg(text.fileName())),
             qPrintable(message));
}

void TestCFrontLoader::nowhereToBeFound()
{
    QTemporaryDir a, b;
    QCOMPARE(ErrorOf({a.path(), b.path()}),
             QString("Cannot find the database access library \"libcfront.so\" in %1, %2")
                 .arg(a.path(), b.path()));
}

QTEST_GUILESS_MAIN(TestCFrontLoader)
#include "tst_cfrontloader.moc"
