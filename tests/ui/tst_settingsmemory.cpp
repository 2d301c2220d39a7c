// What the program remembers between runs: window size, place and column
// widths, the dialogs' folders and the recent files, all in the settings
// (a temporary folder here); and what it does not: the sort order.

#include "core/cfront/cfront.h"
#include "core/model/ordering.h"
#include "ui/mainwindow/recentfiles.h"
#include "uitestsupport.h"

#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QSettings>
#include <QTest>

namespace {

// A window as the program makes it at start, with whatever the settings hold.
std::unique_ptr<TfrmMain> NextRunsWindow()
{
    StoreSortKey(0);
    StoreSortDirection(0);
    return std::make_unique<TfrmMain>(LoadCFront(), TestSettings(), QStringList());
}

QStringList MenuTexts(const QMenu &menu)
{
    QStringList texts;
    for (const QAction *entry : menu.actions())
        texts << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    return texts;
}

} // namespace

class TSettingsMemoryTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ClearSettings(); }
    void settingsStayInTheTestsFolder();
    void windowColumnsAndFoldersComeBack();
    void sortOrderIsNotStored();
    void recentFilesOrderAndLimit();
    void recentFilesMenuGreysMissingFilesAndOpens();
};

void TSettingsMemoryTest::settingsStayInTheTestsFolder()
{
    QVERIFY(!SettingsFolderPath().isEmpty());
    QVERIFY(QSettings().fileName().startsWith(SettingsFolderPath()));
}

void TSettingsMemoryTest::windowColumnsAndFoldersComeBack()
{
    QTemporaryDir objects, exports;
    const QString file = WriteObjectFile(objects, "one.fob", {IndexEntry("Table", 18, "Customer")});
    TDialogRecorder dialogs;
    {
        const auto window = NextRunsWindow();
        window->show();
        window->resize(700, 400);
        window->lvwMain->header()->resizeSection(2, 333);
        dialogs.Answers = {file, exports.filePath("list.txt")};
        window->actFileOpen->trigger();
        window->actFileExportList->trigger();
        window->close();
    }
    const auto window = NextRunsWindow();
    QCOMPARE(window->size(), QSize(700, 400));
    QCOMPARE(window->lvwMain->header()->sectionSize(2), 333);
    // Each dialog starts in its own folder, and proposes no file.
    QCOMPARE(window->dlgOpen.Folder, objects.path());
    QCOMPARE(window->dlgOpen.FileName, QString());
    QCOMPARE(window->dlgExportList.Folder, exports.path());
}

void TSettingsMemoryTest::sortOrderIsNotStored()
{
    {
        const auto window = NextRunsWindow();
        window->actViewSortByName->trigger();
        window->actViewSortByName->trigger();
        window->close();
    }
    for (const QString &key : QSettings().allKeys())
        QVERIFY2(!key.contains(QStringLiteral("sort"), Qt::CaseInsensitive), qPrintable(key));
    const auto window = NextRunsWindow();
    QCOMPARE(window->BinaryFile().GetSortKey(), 0);
    QCOMPARE(window->BinaryFile().GetSortDirection(), 0);
    QCOMPARE(window->lvwMain->header()->sortIndicatorSection(), 0);
}

void TSettingsMemoryTest::recentFilesOrderAndLimit()
{
    for (int i = 1; i <= 12; ++i)
        TRecentFiles::Add(QStringLiteral("/nowhere/file%1.fob").arg(i));
    QStringList expected;
    for (int i = 12; i >= 3; --i)
        expected << QStringLiteral("/nowhere/file%1.fob").arg(i);
    QCOMPARE(TRecentFiles::Files(), expected);

    // Opened again, a file moves to the front, not in twice.
    TRecentFiles::Add(QStringLiteral("/nowhere/file5.fob"));
    QCOMPARE(TRecentFiles::Files().size(), 10);
    QCOMPARE(TRecentFiles::Files().front(), QStringLiteral("/nowhere/file5.fob"));
    QCOMPARE(TRecentFiles::Files().count(QStringLiteral("/nowhere/file5.fob")), 1);
    QCOMPARE(TRecentFiles::Files()[1], QStringLiteral("/nowhere/file12.fob"));
}

void TSettingsMemoryTest::recentFilesMenuGreysMissingFilesAndOpens()
{
    QTemporaryDir folder;
    const QString first = WriteObjectFile(folder, "a&b.fob", {IndexEntry("Table", 18, "Customer")});
    const QString second = WriteObjectFile(folder, "second.fob", {IndexEntry("Table", 27, "Item")});
    const QString gone = folder.filePath("gone.fob");
    TRecentFiles::Add(gone);

    const auto window = NextRunsWindow();
    window->OpenFile(second);
    window->OpenFile(first); // the newest
    QMenu *recent = window->mnuFileRecent;
    recent->aboutToShow();
    QCOMPARE(MenuTexts(*recent), (QStringList{"&1 " + folder.filePath("a&&b.fob"), "&2 " + second,
                                              "&3 " + gone, "-", "&Clear List"}));
    QVERIFY(recent->actions()[0]->isEnabled());
    QVERIFY(!recent->actions()[2]->isEnabled()); // the missing file, greyed

    recent->actions()[1]->trigger();
    QCOMPARE(window->BinaryFile().FileName(), second);
    QCOMPARE(TRecentFiles::Files().front(), second);

    recent->actions().last()->trigger(); // Clear List
    QCOMPARE(TRecentFiles::Files(), QStringList());
    QVERIFY(!recent->menuAction()->isEnabled());
}

QTEST_MAIN(TSettingsMemoryTest)
#include "tst_settingsmemory.moc"
