// The comparison window as the user reaches it: File, Compare With... on an
// open file, the rows and their marks, the filter, the counts, sorting,
// find-by-typing and Export, and a main window that stays usable.

#include "core/reading/codepage.h"
#include "ui/compare/compareform.h"
#include "ui/compare/comparemodel.h"
#include "ui/license/licform.h"
#include "ui/mainwindow/simplestatusbar.h"
#include "uitestsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {

const QString DemoLicense = QStringLiteral(QUINTAREL_SAMPLES_DIR "/demo.flf");

// The old file: Table 3 Demo, Table 18 Customer, Codeunit 80 Post, Report 6
// Trial Balance. The new one keeps Table 3, gives Table 18 another size and
// name, drops Report 6, changes the version list of Codeunit 80 and adds
// Page 21 (no recognised type) and Form 50000.
struct TTwoFiles {
    QTemporaryDir Folder;
    QString Old, New;

    TTwoFiles()
    {
        TTestEntry customer;
        customer.ID = "18";
        customer.Name = "Customer";
        TTestEntry post;
        post.Tag = "Codeunit";
        post.ID = "80";
        post.Name = "Post";
        post.VersionList = "NAVW16.00";
        Old = WriteObjectFile(Folder, "old.fob",
                              {IndexEntry("Table", 3, "Demo"), IndexEntry(customer),
                               IndexEntry(post), IndexEntry("Report", 6, "Trial Balance")});
        customer.Name = "Customers";
        customer.Size = "2000";
        post.VersionList = "NAVW17.00";
        New = WriteObjectFile(Folder, "new.fob",
                              {IndexEntry("Form", 50000, "Setup"), IndexEntry(customer),
                               IndexEntry(post), IndexEntry("Table", 3, "Demo"),
                               IndexEntry("Page", 21, "Customer Card")});
    }
};

// Opens the old file in a main window and compares it with the new one
// through the menu; the comparison window, or null.
TfrmCompare *CompareThroughMenu(TfrmMain &window, const QString &oldFile, const QString &newFile)
{
    window.OpenFile(oldFile);
    GoIdle();
    TDialogRecorder dialogs;
    dialogs.Answers = {newFile};
    window.actFileCompareWith->trigger();
    const QList<TfrmCompare *> windows = window.findChildren<TfrmCompare *>();
    return windows.isEmpty() ? nullptr : windows.back();
}

QString Cell(const TfrmCompare &compare, int row, TComparisonColumn column)
{
    return compare.Model().index(row, int(column)).data().toString();
}

// Each shown row as "Change Type ID".
QStringList Rows(const TfrmCompare &compare)
{
    QStringList rows;
    for (int row = 0; row < compare.Model().rowCount(); ++row)
        rows << QStringLiteral("%1 %2 %3")
                    .arg(Cell(compare, row, TComparisonColumn::Change),
                         Cell(compare, row, TComparisonColumn::Type),
                         Cell(compare, row, TComparisonColumn::ID));
    return rows;
}

bool IsBold(const TfrmCompare &compare, int row, TComparisonColumn column)
{
    return compare.Model().index(row, int(column)).data(Qt::FontRole).value<QFont>().bold();
}

int RowOf(const TfrmCompare &compare, const QString &type, int id)
{
    for (int row = 0; row < compare.Model().rowCount(); ++row) {
        if (Cell(compare, row, TComparisonColumn::Type) == type &&
            Cell(compare, row, TComparisonColumn::ID) == QString::number(id))
            return row;
    }
    return -1;
}

} // namespace

class TCompareWindowTest : public QObject {
    Q_OBJECT

private slots:
    void commandNeedsAnOpenFile();
    void showsDifferencesByDefault();
    void marksChangedCells();
    void showsUnchangedOnRequest();
    void sortsByClickedColumn();
    void findsRowByTypedText_data();
    void findsRowByTypedText();
    void exportsShownRowsWithHeader();
    void mainWindowStaysUsable();
    void licenseChangeReachesTheComparison();
    void unreadableFileShowsErrorAndNoWindow();
};

void TCompareWindowTest::commandNeedsAnOpenFile()
{
    const auto window = CreateMainWindow({}, DemoLicense);
    GoIdle();
    QVERIFY(!window->actFileCompareWith->isEnabled());
    TTwoFiles files;
    window->OpenFile(files.Old);
    GoIdle();
    QVERIFY(window->actFileCompareWith->isEnabled());

    // The dialog asks for an existing object file; cancelling opens nothing.
    TDialogRecorder dialogs;
    window->actFileCompareWith->trigger();
    QCOMPARE(dialogs.Shown.size(), 1);
    QCOMPARE(dialogs.Shown[0].Kind, TFileDialog::TKind::Open);
    QCOMPARE(dialogs.Shown[0].Filters, window->dlgOpen.Filters);
    QVERIFY(window->findChildren<TfrmCompare *>().isEmpty());
}

void TCompareWindowTest::showsDifferencesByDefault()
{
    TTwoFiles files;
    const auto window = CreateMainWindow({}, DemoLicense);
    TfrmCompare *compare = CompareThroughMenu(*window, files.Old, files.New);
    QVERIFY(compare);
    QVERIFY(compare->isVisible());
    QVERIFY(compare->isWindow());
    QVERIFY(!compare->isModal());

    // Ordered by type, then ID; the unchanged Table 3 is not shown.
    QCOMPARE(Rows(*compare), (QStringList{"Added Page 21", "Changed Table 18", "Added Form 50000",
                                          "Removed Report 6", "Changed Codeunit 80"}));
    QCOMPARE(compare->stbCompare->SimpleText(),
             QStringLiteral("2 added, 1 removed, 2 changed, 1 unchanged (unchanged objects are "
                            "hidden)"));
    QCOMPARE(compare->lblOldFile->text(), QDir::toNativeSeparators(files.Old));
    QCOMPARE(compare->lblNewFile->text(), QDir::toNativeSeparators(files.New));
    QCOMPARE(compare->windowTitle(), QStringLiteral("old.fob \u2192 new.fob - Quintarel"));
    QCOMPARE(compare->Model().columnCount(), 12);
    QCOMPARE(compare->Model().headerData(4, Qt::Horizontal).toString(),
             QStringLiteral("Old Date/Time"));
    QCOMPARE(compare->Model().headerData(10, Qt::Horizontal).toString(),
             QStringLiteral("License Permissions"));
    QCOMPARE(compare->Model().headerData(11, Qt::Horizontal).toString(), QStringLiteral("Text"));
}

void TCompareWindowTest::marksChangedCells()
{
    TTwoFiles files;
    const auto window = CreateMainWindow({}, DemoLicense);
    TfrmCompare *compare = CompareThroughMenu(*window, files.Old, files.New);
    QVERIFY(compare);

    const int customer = RowOf(*compare, "Table", 18);
    QCOMPARE(Cell(*compare, customer, TComparisonColumn::Name),
             QStringLiteral("Customers (was Customer)"));
    QCOMPARE(Cell(*compare, customer, TComparisonColumn::OldSize), QStringLiteral("1234"));
    QCOMPARE(Cell(*compare, customer, TComparisonColumn::NewSize), QStringLiteral("2000"));
    for (const auto column :
         {TComparisonColumn::Name, TComparisonColumn::OldSize, TComparisonColumn::NewSize})
        QVERIFY(IsBold(*compare, customer, column));
    for (const auto column :
         {TComparisonColumn::ID, TComparisonColumn::OldDateTime, TComparisonColumn::NewDateTime,
          TComparisonColumn::OldVersionList, TComparisonColumn::NewVersionList})
        QVERIFY(!IsBold(*compare, customer, column));
    // A marked cell has a background of its own; an unmarked one the list's.
    QVERIFY(compare->Model()
                .index(customer, int(TComparisonColumn::NewSize))
                .data(Qt::BackgroundRole)
                .isValid());
    QVERIFY(!compare->Model()
                 .index(customer, int(TComparisonColumn::ID))
                 .data(Qt::BackgroundRole)
                 .isValid());

    const int post = RowOf(*compare, "Codeunit", 80);
    QVERIFY(IsBold(*compare, post, TComparisonColumn::NewVersionList));
    QVERIFY(!IsBold(*compare, post, TComparisonColumn::Name));
    QCOMPARE(Cell(*compare, post, TComparisonColumn::OldVersionList), QStringLiteral("NAVW16.00"));

    // An added object has no old side, a removed one no new side.
    const int added = RowOf(*compare, "Form", 50000);
    QVERIFY(Cell(*compare, added, TComparisonColumn::OldDateTime).isEmpty());
    QVERIFY(!Cell(*compare, added, TComparisonColumn::NewDateTime).isEmpty());
    const int removed = RowOf(*compare, "Report", 6);
    QVERIFY(Cell(*compare, removed, TComparisonColumn::NewSize).isEmpty());
    QCOMPARE(Cell(*compare, removed, TComparisonColumn::OldSize), QStringLiteral("1234"));
    QVERIFY(Cell(*compare, removed, TComparisonColumn::Permissions).isEmpty());
}

void TCompareWindowTest::showsUnchangedOnRequest()
{
    TTwoFiles files;
    const auto window = CreateMainWindow({}, DemoLicense);
    TfrmCompare *compare = CompareThroughMenu(*window, files.Old, files.New);
    QVERIFY(compare);
    QVERIFY(!compare->actViewShowUnchanged->isChecked());

    compare->chkShowUnchanged->click();
    QVERIFY(compare->actViewShowUnchanged->isChecked());
    QCOMPARE(compare->Model().rowCount(), 6);
    QCOMPARE(Cell(*compare, RowOf(*compare, "Table", 3), TComparisonColumn::Change),
             QStringLiteral("Unchanged"));
    QCOMPARE(compare->stbCompare->SimpleText(),
             QStringLiteral("2 added, 1 removed, 2 changed, 1 unchanged"));

    compare->actViewShowUnchanged->trigger();
    QVERIFY(!compare->chkShowUnchanged->isChecked());
    QCOMPARE(compare->Model().rowCount(), 5);
    QCOMPARE(RowOf(*compare, "Table", 3), -1);
}

void TCompareWindowTest::sortsByClickedColumn()
{
    TTwoFiles files;
    const auto window = CreateMainWindow({}, DemoLicense);
    TfrmCompare *compare = CompareThroughMenu(*window, files.Old, files.New);
    QVERIFY(compare);
    // The selection stays with its object.
    compare->lvwCompare->setCurrentIndex(compare->Model().index(RowOf(*compare, "Report", 6), 0));

    compare->lvwCompareColumnClick(int(TComparisonColumn::Change));
    QCOMPARE(Rows(*compare), (QStringList{"Added Page 21", "Added Form 50000", "Removed Report 6",
                                          "Changed Table 18", "Changed Codeunit 80"}));
    QCOMPARE(compare->lvwCompare->currentIndex().row(), 2);
    compare->lvwCompareColumnClick(int(TComparisonColumn::Change));
    QCOMPARE(Rows(*compare),
             (QStringList{"Changed Codeunit 80", "Changed Table 18", "Removed Report 6",
                          "Added Form 50000", "Added Page 21"}));
    QCOMPARE(compare->lvwCompare->header()->sortIndicatorOrder(), Qt::DescendingOrder);
    // Another column keeps the direction.
    compare->lvwCompareColumnClick(int(TComparisonColumn::NewSize));
    QCOMPARE(Rows(*compare).front(), QStringLiteral("Changed Table 18"));
    QCOMPARE(Rows(*compare).back(), QStringLiteral("Removed Report 6"));
    QCOMPARE(compare->lvwCompare->header()->sortIndicatorSection(),
             int(TComparisonColumn::NewSize));

    // A click on a header does the same.
    QHeaderView *header = compare->lvwCompare->header();
    const int id = int(TComparisonColumn::ID);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(id) + header->sectionSize(id) / 2,
                             header->height() / 2));
    QCOMPARE(header->sortIndicatorSection(), id);
    QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(Rows(*compare).front(), QStringLiteral("Added Form 50000"));
}

void TCompareWindowTest::findsRowByTypedText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<QString>("found"); // "Type ID", or empty for none
    QTest::addRow("type name") << "codeunit" << 0 << false << "Codeunit 80";
    QTest::addRow("an old name") << "report 6 trial" << 0 << false << "Report 6";
    QTest::addRow("the new name, not the old") << "table 18 customers" << 0 << false << "Table 18";
    QTest::addRow("wraps to the top") << "page" << 2 << true << "Page 21";
    QTest::addRow("without wrap nothing above the start") << "page" << 2 << false << "";
}

void TCompareWindowTest::findsRowByTypedText()
{
    QFETCH(QString, typed);
    QFETCH(int, start);
    QFETCH(bool, wrap);
    QFETCH(QString, found);
    TTwoFiles files;
    const auto window = CreateMainWindow({}, DemoLicense);
    TfrmCompare *compare = CompareThroughMenu(*window, files.Old, files.New);
    QVERIFY(compare);
    const int row = compare->lvwCompareDataFind(typed, start, wrap);
    if (found.isEmpty()) {
        QCOMPARE(row, -1);
        return;
    }
    QVERIFY(row >= 0);
    QCOMPARE(Cell(*compare, row, TComparisonColumn::Type) + ' ' +
                 Cell(*compare, row, TComparisonColumn::ID),
             found);
}

void TCompareWindowTest::exportsShownRowsWithHeader()
{
    TTwoFiles files;
    const auto window = CreateMainWindow({}, DemoLicense);
    TfrmCompare *compare = CompareThroughMenu(*window, files.Old, files.New);
    QVERIFY(compare);
    compare->lvwCompareColumnClick(int(TComparisonColumn::ID));

    TDialogRecorder dialogs;
    const QString path = files.Folder.filePath("comparison.txt");
    dialogs.Answers = {path};
    TErrorRecorder errors;
    compare->actFileExport->trigger();
    QVERIFY(errors.Boxes.isEmpty());
    QCOMPARE(dialogs.Shown[0].Kind, TFileDialog::TKind::Save);
    QCOMPARE(dialogs.Shown[0].DefaultSuffix, QStringLiteral("txt"));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 1 + 5 + 1); // header, the shown rows, nothing after the last LF
    QVERIFY(lines[0].startsWith("Change\tChanged Fields\tType\tID\tOld Name\tNew Name\t"));
    QList<QByteArray> ids;
    for (qsizetype i = 1; i < lines.size() - 1; ++i)
        ids << lines[i].split('\t').value(3);
    QCOMPARE(ids, (QList<QByteArray>{"6", "18", "21", "80", "50000"}));
    QVERIFY(lines.contains("changed\tname,size\tTable\t18\tCustomer\tCustomers\t"
                           "01/02/03 10:15:30\t01/02/03 10:15:30\t1234\t2000\t\t\tRIMD"));

    // A folder that doesn't exist: the error box says so, nothing is written.
    dialogs.Answers = {files.Folder.filePath("missing/comparison.txt")};
    compare->actFileExport->trigger();
    QCOMPARE(errors.Boxes.size(), 1);
    QVERIFY(errors.Boxes[0].Text.startsWith("Cannot create file"));
}

void TCompareWindowTest::mainWindowStaysUsable()
{
    TTwoFiles files;
    const auto window = CreateMainWindow({}, DemoLicense);
    TfrmCompare *compare = CompareThroughMenu(*window, files.Old, files.New);
    QVERIFY(compare);
    // Closing the main window's file or opening another leaves the
    // comparison as it was: it holds models of its own.
    window->actFileClose->trigger();
    QCOMPARE(window->ListModel().rowCount(), 0);
    window->OpenFile(files.New);
    QCOMPARE(compare->Model().rowCount(), 5);
    QCOMPARE(Cell(*compare, RowOf(*compare, "Table", 18), TComparisonColumn::OldSize),
             QStringLiteral("1234"));
    // The licence lookups of the main window still work after a second
    // comparison came and went.
    TfrmCompare *second = CompareThroughMenu(*window, files.New, files.Old);
    QVERIFY(second && second != compare);
    QPointer<TfrmCompare> closed = second;
    second->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!closed);
    window->OpenFile(files.Old);
    QCOMPARE(CellText(*window, 1, 6), QStringLiteral("RIMD")); // Table 18 Customer
}

// Another licence loaded in the main window: the comparison shows the new
// file's permissions under it.
void TCompareWindowTest::licenseChangeReachesTheComparison()
{
    TTwoFiles files;
    const auto window = CreateMainWindow({}, DemoLicense);
    TfrmLicense license(window.get());
    frmLicense = &license;
    TfrmCompare *compare = CompareThroughMenu(*window, files.Old, files.New);
    QVERIFY(compare);
    const int customer = RowOf(*compare, "Table", 18);
    QCOMPARE(Cell(*compare, customer, TComparisonColumn::Permissions), QStringLiteral("RIMD"));

    TDialogRecorder dialogs;
    dialogs.Answers = {WriteLicenseFile(files.Folder, "x.flf", "[Permissions]\nTable 1..99 X\n")};
    QTimer::singleShot(0, [&] {
        frmLicense->actChange->trigger();
        frmLicense->close();
    });
    window->actToolsLicenseFile->trigger();
    frmLicense = nullptr;
    QCOMPARE(Cell(*compare, customer, TComparisonColumn::Permissions), QStringLiteral("X"));
    QCOMPARE(CellText(*window, 1, 6), QStringLiteral("X"));
}

void TCompareWindowTest::unreadableFileShowsErrorAndNoWindow()
{
    TTwoFiles files;
    const auto window = CreateMainWindow({}, DemoLicense);
    TErrorRecorder errors;
    TfrmCompare *compare =
        CompareThroughMenu(*window, files.Old, files.Folder.filePath("missing.fob"));
    QVERIFY(!compare);
    QCOMPARE(errors.Boxes.size(), 1);
    QVERIFY(errors.Boxes[0].Text.startsWith("Cannot open file"));
    QCOMPARE(window->ListModel().rowCount(), 4);
}

QTEST_MAIN(TCompareWindowTest)
#include "tst_comparewindow.moc"
