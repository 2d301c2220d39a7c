// Both list models under Qt's model tester while the windows load, sort,
// filter, reload and clear them: every signal must match what the model
// then answers, or the views that show them go wrong.

#include "core/errors.h"
#include "ui/compare/compareform.h"
#include "ui/compare/comparemodel.h"
#include "ui/filter/filterbar.h"
#include "ui/objectlist/objectlistmodel.h"
#include "uitestsupport.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

namespace {

const QString DemoLicense = QStringLiteral(QUINTAREL_SAMPLES_DIR "/demo.flf");

// Four objects; the newer file drops one, renames one and adds two.
struct TTwoFiles {
    QTemporaryDir Folder;
    QString Old, New;

    TTwoFiles()
    {
        Old = WriteObjectFile(Folder, "old.fob",
                              {IndexEntry("Table", 3, "Demo"), IndexEntry("Table", 18, "Customer"),
                               IndexEntry("Codeunit", 80, "Post"),
                               IndexEntry("Report", 6, "Trial Balance")});
        New = WriteObjectFile(Folder, "new.fob",
                              {IndexEntry("Form", 50000, "Setup"),
                               IndexEntry("Table", 18, "Customers"),
                               IndexEntry("Codeunit", 80, "Post"), IndexEntry("Table", 3, "Demo"),
                               IndexEntry("Page", 21, "Customer Card")});
    }
};

} // namespace

class TListModelsTest : public QObject {
    Q_OBJECT

private slots:
    void objectListStaysConsistent();
    void comparisonStaysConsistent();
};

void TListModelsTest::objectListStaysConsistent()
{
    TTwoFiles files;
    TErrorRecorder errors;
    const auto window = CreateMainWindow({}, DemoLicense);
    TObjectListModel &model = window->ListModel();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    window->OpenFile(files.Old);
    QCOMPARE(model.rowCount(), 4);
    window->lvwMain->selectAll();
    window->lvwMainColumnClick(2); // by name
    window->lvwMainColumnClick(2); // the other way round
    QCOMPARE(model.index(0, 2).data().toString(), QStringLiteral("Trial Balance"));

    window->barFilter->Activate();
    window->barFilter->edtFilterText->setText(QStringLiteral("Customer"));
    QCOMPARE(model.rowCount(), 1);
    window->barFilter->edtFilterText->clear();
    QCOMPARE(model.rowCount(), 4);

    // Another file of the same name: fewer rows, then more.
    QVERIFY(QFile::remove(files.Old));
    QVERIFY(QFile::copy(files.New, files.Old));
    window->actFileReloadExecute();
    QCOMPARE(model.rowCount(), 5);

    window->actFileCloseExecute();
    QCOMPARE(model.rowCount(), 0);
    // No row was asked for while its object was gone (the reload above
    // empties the list before the model).
    QVERIFY2(errors.Boxes.isEmpty(), qPrintable(errors.Boxes.value(0).Text));
}

void TListModelsTest::comparisonStaysConsistent()
{
    TTwoFiles files;
    const auto window = CreateMainWindow({}, DemoLicense);
    TfrmCompare compare(window->BinaryFile().LicenseFile(), window->BinaryFile().Settings(),
                        window.get());
    TComparisonModel &model = compare.Model();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    compare.Compare(files.Old, files.New, false);
    QCOMPARE(model.rowCount(), 4); // two added, one removed, one renamed
    compare.lvwCompare->selectAll();
    compare.lvwCompareColumnClick(int(TComparisonColumn::Name));
    compare.lvwCompareColumnClick(int(TComparisonColumn::Name));

    compare.chkShowUnchanged->setChecked(true);
    QCOMPARE(model.rowCount(), 6);
    compare.RefreshPermissions();
    compare.chkShowUnchanged->setChecked(false);
    QCOMPARE(model.rowCount(), 4);

    // Compared again the other way round, then a file that can't be read
    // leaves the window empty.
    compare.Compare(files.New, files.Old, false);
    QCOMPARE(model.rowCount(), 4);
    QVERIFY_THROWS_EXCEPTION(
        TError,
        compare.Compare(files.Folder.filePath(QStringLiteral("missing.fob")), files.New, false));
    QCOMPARE(model.rowCount(), 0);
}

QTEST_MAIN(TListModelsTest)
#include "tst_listmodels.moc"
