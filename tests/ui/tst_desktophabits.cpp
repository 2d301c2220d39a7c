// What the main window adds to its Parts for daily work: the filter bar,
// the sort mark, selecting and copying rows, reading the file again and
// the standard keys.

#include "core/model/ordering.h"
#include "core/reading/codepage.h"
#include "ui/filter/filterbar.h"
#include "uitestsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

namespace {

// Five objects, sorted by type: Table 18, Table 50000, Codeunit 80,
// Codeunit 50010, Table 2000000001 is a system object (sorted after 50000).
QString WriteFiveObjects(const QTemporaryDir &folder, const QString &name = "five.fob")
{
    TTestEntry sales;
    sales.Tag = "Codeunit";
    sales.ID = "80";
    sales.Name = "Sales-Post";
    sales.VersionList = "NAVW17.10";
    return WriteObjectFile(folder, name,
                           {IndexEntry("Table", 18, "Customer"), IndexEntry(sales),
                            IndexEntry("Table", 50000, "Sales Extra"),
                            IndexEntry("Codeunit", 50010, EncodeText(QStringLiteral("Ærø Tools"))),
                            IndexEntry("Table", 2000000001, "Object")});
}

void ShowActive(TfrmMain &window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    GoIdle(); // the command rules run, as before any key a user presses
}

QString Status(const TfrmMain &window)
{
    return window.stbMain->SimpleText();
}

QStringList IDs(const TfrmMain &window)
{
    return ColumnTexts(window, 1);
}

void TypeFilter(TfrmMain &window, const QString &text)
{
    window.barFilter->edtFilterText->setText(text);
}

QList<int> SelectedRowNumbers(const TfrmMain &window)
{
    QList<int> rows;
    for (const QModelIndex &row : window.lvwMain->selectionModel()->selectedRows())
        rows << row.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void SelectRowsByClick(TfrmMain &window, const QList<int> &rows)
{
    for (int i = 0; i < rows.size(); ++i) {
        const QRect cell = window.lvwMain->visualRect(window.ListModel().index(rows[i], 1));
        QTest::mouseClick(window.lvwMain->viewport(), Qt::LeftButton,
                          i == 0 ? Qt::NoModifier : Qt::ControlModifier, cell.center());
    }
}

} // namespace

class TDesktopHabitsTest : public QObject {
    Q_OBJECT

private slots:
    void filterBarNarrowsListAndStatus_data();
    void filterBarNarrowsListAndStatus();
    void filterSurvivesSortingHidingAndReopening();
    void escapeClearsFilterAndClosesBar();
    void filterKeepsSelectedObjectsSelected();
    void exportWritesWhatIsListed();
    void copiesSelectedRowsWithHeader();
    void contextMenuOffersCopy();
    void reloadKeepsSelectionOfObjectsStillThere();
    void standardKeysRunCommands();
};

void TDesktopHabitsTest::filterBarNarrowsListAndStatus_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("typeIndex"); // 0 all, 1 Table, ..., 5 Codeunit
    QTest::addColumn<bool>("missingRights");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<QString>("status");

    QTest::newRow("text in names")
        << "sales" << 0 << false << QStringList{"50000", "80"} << "2 of 5 object(s)";
    QTest::newRow("text in a version list")
        << "navw" << 0 << false << QStringList{"80"} << "1 of 5 object(s)";
    QTest::newRow("text beyond ASCII, other case")
        << "ÆRØ" << 0 << false << QStringList{"50010"} << "1 of 5 object(s)";
    QTest::newRow("ID range") << "50000-99999" << 0 << false << QStringList{"50000", "50010"}
                              << "2 of 5 object(s)";
    QTest::newRow("type") << "" << 5 << false << QStringList{"80", "50010"} << "2 of 5 object(s)";
    // The demo licence: Table 18 RIMD, system tables R, tables 50000..99999
    // RIMDX, codeunits X or more.
    QTest::newRow("missing rights")
        << "" << 0 << true << QStringList{"18", "2000000001"} << "2 of 5 object(s)";
    QTest::newRow("text and type")
        << "sales" << 1 << false << QStringList{"50000"} << "1 of 5 object(s)";
    QTest::newRow("nothing matches") << "zzz" << 0 << false << QStringList{} << "0 of 5 object(s)";
}

void TDesktopHabitsTest::filterBarNarrowsListAndStatus()
{
    QFETCH(QString, text);
    QFETCH(int, typeIndex);
    QFETCH(bool, missingRights);
    QTemporaryDir folder;
    const auto window = CreateMainWindow({}, QStringLiteral(QUINTAREL_SAMPLES_DIR "/demo.flf"));
    window->OpenFile(WriteFiveObjects(folder));
    QCOMPARE(Status(*window), QStringLiteral("5 object(s)"));

    window->actViewFilter->trigger();
    QVERIFY(window->barFilter->isVisibleTo(window.get()));
    TypeFilter(*window, text);
    window->barFilter->cboFilterType->setCurrentIndex(typeIndex);
    window->barFilter->chkMissingRights->setChecked(missingRights);
    QTEST(IDs(*window), "ids");
    QTEST(Status(*window), "status");
}

void TDesktopHabitsTest::filterSurvivesSortingHidingAndReopening()
{
    QTemporaryDir folder;
    const QString path = WriteFiveObjects(folder);
    const auto window = CreateMainWindow();
    window->OpenFile(path);
    window->actViewFilter->trigger();
    TypeFilter(*window, QStringLiteral("0"));
    QCOMPARE(IDs(*window), (QStringList{"50000", "2000000001", "80", "50010"}));

    window->actViewSortByID->trigger();
    QCOMPARE(IDs(*window), (QStringList{"80", "50000", "50010", "2000000001"}));
    window->actViewSortByID->trigger(); // descending
    QCOMPARE(IDs(*window), (QStringList{"2000000001", "50010", "50000", "80"}));

    window->actViewHideSysObjects->trigger();
    QCOMPARE(IDs(*window), (QStringList{"50010", "50000", "80"}));
    QCOMPARE(Status(*window), QStringLiteral("3 of 4 object(s) (system objects are hidden)"));

    window->OpenFile(path);
    QCOMPARE(IDs(*window), (QStringList{"50010", "50000", "80"}));
    window->actFileClose->trigger();
    QCOMPARE(Status(*window), QStringLiteral("0 of 0 object(s) (system objects are hidden)"));
}

void TDesktopHabitsTest::escapeClearsFilterAndClosesBar()
{
    QTemporaryDir folder;
    const auto window = CreateMainWindow();
    window->OpenFile(WriteFiveObjects(folder));
    ShowActive(*window);

    QTest::keyClick(window->lvwMain, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(window->barFilter->isVisible());
    QVERIFY(window->barFilter->edtFilterText->hasFocus());
    QTest::keyClicks(window->barFilter->edtFilterText, QStringLiteral("sales"));
    window->barFilter->cboFilterType->setCurrentIndex(1); // Table
    window->barFilter->chkMissingRights->setChecked(true);
    window->barFilter->chkMissingRights->setChecked(false);
    QCOMPARE(window->ListModel().rowCount(), 1);

    QTest::keyClick(window->barFilter->edtFilterText, Qt::Key_Escape);
    QVERIFY(!window->barFilter->isVisible());
    QCOMPARE(window->barFilter->edtFilterText->text(), QString());
    QCOMPARE(window->barFilter->cboFilterType->currentIndex(), 0);
    QCOMPARE(window->ListModel().rowCount(), 5);
    QCOMPARE(Status(*window), QStringLiteral("5 object(s)"));
    QVERIFY(window->lvwMain->hasFocus());

    // Opened again, it starts empty and the list stays whole.
    window->actViewFilter->trigger();
    QCOMPARE(window->barFilter->Filter(), TObjectFilter());
    QCOMPARE(window->ListModel().rowCount(), 5);
}

void TDesktopHabitsTest::filterKeepsSelectedObjectsSelected()
{
    QTemporaryDir folder;
    const auto window = CreateMainWindow();
    window->OpenFile(WriteFiveObjects(folder));
    ShowActive(*window);
    SelectRowsByClick(*window, {1, 3}); // Table 50000, Codeunit 80
    window->actViewFilter->trigger();
    TypeFilter(*window, QStringLiteral("sales"));
    QCOMPARE(IDs(*window), (QStringList{"50000", "80"}));
    QCOMPARE(SelectedRowNumbers(*window), (QList<int>{0, 1}));
    window->barFilter->ClearAndClose();
    QCOMPARE(SelectedRowNumbers(*window), (QList<int>{1, 3}));
    QCOMPARE(window->lvwMain->currentIndex().row(), 3);
}

void TDesktopHabitsTest::exportWritesWhatIsListed()
{
    QTemporaryDir folder;
    TDialogRecorder dialogs;
    TErrorRecorder errors;
    const auto window = CreateMainWindow();
    window->OpenFile(WriteFiveObjects(folder));
    window->actViewFilter->trigger();
    TypeFilter(*window, QStringLiteral("sales"));

    const QString target = folder.filePath("listed.txt");
    dialogs.Answers = {target};
    window->actFileExportList->trigger();
    QCOMPARE(errors.Boxes.size(), 0);
    QFile written(target);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = written.readAll().split('\n');
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines[0].startsWith("Table\t50000\tSales Extra\t"));
    QVERIFY(lines[1].startsWith("Codeunit\t80\tSales-Post\t"));
}

void TDesktopHabitsTest::copiesSelectedRowsWithHeader()
{
    QTemporaryDir folder;
    const auto window = CreateMainWindow();
    window->OpenFile(WriteFiveObjects(folder));
    ShowActive(*window);
    SelectRowsByClick(*window, {4, 1}); // Codeunit 50010, then Table 50000
    QTest::keyClick(window->lvwMain, Qt::Key_C, Qt::ControlModifier);

    const QMimeData *copied = QApplication::clipboard()->mimeData();
    QVERIFY(copied);
    const QStringList lines = copied->text().split(u'\n');
    QCOMPARE(lines.size(), 4); // header, two rows, nothing after the last line feed
    QCOMPARE(lines[0], QStringLiteral("Type\tID\tName\tDate/Time\tSize\tVersion List\t"
                                      "License Permissions"));
    QCOMPARE(lines[1].split(u'\t').mid(0, 3), (QStringList{"Table", "50000", "Sales Extra"}));
    QCOMPARE(lines[2].split(u'\t').mid(0, 3), (QStringList{"Codeunit", "50010", "Ærø Tools"}));
    QCOMPARE(lines[2].count(u'\t'), 6);
    QCOMPARE(lines[3], QString());
    // Offered to other programs as UTF-8.
    QVERIFY(copied->data(QStringLiteral("text/plain;charset=utf-8")).contains("\xc3\x86r\xc3\xb8"));

    // Nothing selected: Copy is disabled and leaves the clipboard alone.
    window->lvwMain->clearSelection();
    GoIdle();
    QVERIFY(!window->actEditCopy->isEnabled());
}

void TDesktopHabitsTest::contextMenuOffersCopy()
{
    const auto window = CreateMainWindow();
    QCOMPARE(window->lvwMain->contextMenuPolicy(), Qt::ActionsContextMenu);
    QVERIFY(window->lvwMain->actions().contains(window->actEditCopy));
    QVERIFY(window->lvwMain->actions().contains(window->actEditSelectAll));
}

void TDesktopHabitsTest::reloadKeepsSelectionOfObjectsStillThere()
{
    QTemporaryDir folder;
    const QString path = WriteFiveObjects(folder);
    const auto window = CreateMainWindow();
    window->OpenFile(path);
    ShowActive(*window);
    SelectRowsByClick(*window, {0, 3}); // Table 18, Codeunit 80 (current)

    // Table 18 is gone from the file, a new object comes before Codeunit 80.
    WriteObjectFile(folder, "five.fob",
                    {IndexEntry("Table", 27, "Item"), IndexEntry("Codeunit", 80, "Sales-Post"),
                     IndexEntry("Codeunit", 12, "Gen. Jnl.-Post Line")});
    TErrorRecorder errors;
    QTest::keyClick(window->lvwMain, Qt::Key_F5);
    QCOMPARE(errors.Boxes.size() ? errors.Boxes[0].Text : QString(), QString());
    QCOMPARE(IDs(*window), (QStringList{"27", "12", "80"}));
    QCOMPARE(SelectedRowNumbers(*window), QList<int>{2});
    QCOMPARE(window->lvwMain->currentIndex().row(), 2);
}

void TDesktopHabitsTest::standardKeysRunCommands()
{
    QTemporaryDir folder;
    const auto window = CreateMainWindow();
    window->OpenFile(WriteFiveObjects(folder));
    ShowActive(*window);
    window->lvwMain->setFocus();
    QTest::keyClick(window->lvwMain, Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(window->BinaryFile().FileName(), QString());
    QCOMPARE(window->ListModel().rowCount(), 0);
    GoIdle();
    QVERIFY(!window->actFileReload->isEnabled());

    QTest::keyClick(window->lvwMain, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(TDesktopHabitsTest)
#include "tst_desktophabits.moc"
