// The main window as the user drives it: start-up, opening (menu, command
// line, drops), failed opens, sorting, hiding system objects, find-by-typing,
// Close, Export List and the state of the commands.

#include "core/model/ordering.h"
#include "core/reading/codepage.h"
#include "ui/common/apptitle.h"
#include "ui/common/busycursor.h"
#include "ui/common/commandmanager.h"
#include "ui/common/fonts.h"
#include "ui/license/licensestatus.h"
#include "uitestsupport.h"
#include "unprivileged.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <sys/stat.h>

namespace {

// Table 3 Demo, Table 18 Customer, Codeunit 80 Post and Codeunit 90 Ørsted,
// written out of order; sorted by type they stand in this order.
QString WriteFourObjects(const QTemporaryDir &folder, const QString &name = "four.fob")
{
    return WriteObjectFile(folder, name,
                           {IndexEntry("Codeunit", 80, "Post"), IndexEntry("Table", 18, "Customer"),
                            IndexEntry("Codeunit", 90, EncodeText(QStringLiteral("Ørsted"))),
                            IndexEntry("Table", 3, "Demo")});
}

// Two ordinary tables and two system objects.
QString WriteWithSystemObjects(const QTemporaryDir &folder)
{
    return WriteObjectFile(
        folder, "system.fob",
        {IndexEntry("Table", 2000000001, "Object"), IndexEntry("Table", 18, "Customer"),
         IndexEntry("Codeunit", -1, "Negative"), IndexEntry("Table", 27, "Item")});
}

// Two good entries, then one whose ID is left-aligned and so doesn't convert.
QString WriteBrokenFile(const QTemporaryDir &folder)
{
    TTestEntry broken;
    broken.ID = "18        ";
    return WriteObjectFile(
        folder, "broken.fob",
        {IndexEntry("Table", 3, "Demo"), IndexEntry("Table", 27, "Item"), IndexEntry(broken)});
}

QString StatusText(const TfrmMain &window)
{
    return window.stbMain->SimpleText();
}

void ShowActive(TfrmMain &window)
{
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// The ID column, the quickest way to see the order of the rows.
QStringList IDs(const TfrmMain &window)
{
    return ColumnTexts(window, 1);
}

QList<QAction *> SortCommands(const TfrmMain &window)
{
    return {window.actViewSortByType,
            window.actViewSortByID,
            window.actViewSortByName,
            window.actViewSortByDateTime,
            window.actViewSortBySize,
            window.actViewSortByVersionList,
            window.actViewSortByLicensePermissions};
}

// The sort command that is ticked, or null when none or several are.
QAction *TickedSortCommand(const TfrmMain &window)
{
    QAction *ticked = nullptr;
    for (QAction *command : SortCommands(window)) {
        if (command->isChecked()) {
            if (ticked)
                return nullptr;
            ticked = command;
        }
    }
    return ticked;
}

void ClickHeader(TfrmMain &window, int column)
{
    QHeaderView *header = window.lvwMain->header();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

// Sends a drop of the given URLs onto the window as the desktop would.
bool Drop(TfrmMain &window, const QList<QUrl> &urls)
{
    QMimeData data;
    data.setUrls(urls);
    const QPoint at = window.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted();
}

} // namespace

class TMainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithoutFile();
    void passingStatusTextIsPaintedWhenAsked();
    void commandsCarryTheirSettings_data();
    void commandsCarryTheirSettings();
    void menusListCommandsInOrder_data();
    void menusListCommandsInOrder();
    void listShowsColumns();
    void opensDemoFile();
    void statusShowsEntriesWhileReading();
    void failedOpenGivesBackTheFileShown_data();
    void failedOpenGivesBackTheFileShown();
    void commandLineOpensFirstArgumentOnly();
    void commandLineFailureKeepsWindowUsable();
    void sortsByMenuAndHeader_data();
    void sortsByMenuAndHeader();
    void sortsWithoutFile();
    void hidesAndShowsSystemObjects();
    void hidingWithoutFileAppliesToNextOpen();
    void findsRowByTypedText_data();
    void findsRowByTypedText();
    void typingSelectsRow_data();
    void typingSelectsRow();
    void dropOpensFirstFileOnly();
    void dropWithoutLocalFileDoesNothing();
    void longDroppedPathOpens();
    void closeEmptiesWindowKeepsSettings();
    void openDialogProposesPreviousFile();
    void exportsVisibleListThroughDialog();
    void exportFailureShowsError_data();
    void exportFailureShowsError();
    void disabledCommandsNeverRun();
    void exitClosesWindow();
    void captionShowsFileNameLiterally();
};

void TMainWindowTest::startsWithoutFile()
{
    const auto window = CreateMainWindow();
    GoIdle();
    QCOMPARE(window->windowTitle(), QStringLiteral("Quintarel"));
    QCOMPARE(ApplicationTitle(), QStringLiteral("Quintarel"));
    QCOMPARE(StatusText(*window), QStringLiteral("0 object(s)"));
    QCOMPARE(window->ListModel().rowCount(), 0);
    QVERIFY(window->BinaryFile().FileName().isEmpty());

    QVERIFY(!window->actFileClose->isEnabled());
    QVERIFY(!window->actFileExportList->isEnabled());
    QVERIFY(!window->mniFileExportList->isEnabled());
    for (QAction *always : {window->actFileOpen, window->actFileExit, window->actToolsLicenseFile,
                            window->actHelpAbout, window->actViewHideSysObjects})
        QVERIFY2(always->isEnabled(), qPrintable(always->objectName()));
    QCOMPARE(TickedSortCommand(*window), window->actViewSortByType);
    QVERIFY(!window->actViewHideSysObjects->isChecked());
    QVERIFY(window->acceptDrops());
    // The design's size, as far as the screen has room for it.
    QCOMPARE(window->size(),
             Scaled(QSize(811, 275))
                 .boundedTo(QGuiApplication::primaryScreen()->availableGeometry().size()));
}

void TMainWindowTest::commandsCarryTheirSettings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<int>("tag");
    QTest::addColumn<bool>("hasIcon");

    QTest::newRow("open") << "actFileOpen"
                          << "&Open..."
                          << "Open"
                          << "Ctrl+O" << -1 << true;
    QTest::newRow("compare") << "actFileCompareWith"
                             << "Compare &With..."
                             << ""
                             << "Ctrl+D" << -1 << false;
    QTest::newRow("open folder") << "actFileOpenFolder"
                                 << "Open &Folder..."
                                 << ""
                                 << "Ctrl+Shift+O" << -1 << false;
    QTest::newRow("compare folder") << "actFileCompareWithFolder"
                                    << "Compare With Fol&der..."
                                    << ""
                                    << "Ctrl+Shift+D" << -1 << false;
    QTest::newRow("close") << "actFileClose"
                           << "&Close"
                           << ""
                           << "Ctrl+W" << -1 << false;
    QTest::newRow("export") << "actFileExportList"
                            << "Export &List..."
                            << ""
                            << "" << -1 << true;
    QTest::newRow("exit") << "actFileExit"
                          << "E&xit"
                          << "Exit"
                          << "Ctrl+Q" << -1 << false;
    QTest::newRow("reload") << "actFileReload"
                            << "&Reload"
                            << ""
                            << "F5" << -1 << false;
    QTest::newRow("filter") << "actViewFilter"
                            << "&Filter..."
                            << ""
                            << "Ctrl+F" << -1 << false;
    QTest::newRow("copy") << "actEditCopy"
                          << "&Copy"
                          << ""
                          << "Ctrl+C" << -1 << false;
    QTest::newRow("type") << "actViewSortByType"
                          << "Sort by &Type"
                          << ""
                          << "" << 0 << true;
    QTest::newRow("id") << "actViewSortByID"
                        << "Sort by &ID"
                        << ""
                        << "" << 1 << true;
    QTest::newRow("name") << "actViewSortByName"
                          << "Sort by &Name"
                          << ""
                          << "" << 2 << true;
    QTest::newRow("datetime") << "actViewSortByDateTime"
                              << "Sort by &Date/Time"
                              << ""
                              << "" << 3 << true;
    QTest::newRow("size") << "actViewSortBySize"
                          << "Sort by &Size"
                          << ""
                          << "" << 4 << true;
    QTest::newRow("version") << "actViewSortByVersionList"
                             << "Sort by &Version List"
                             << ""
                             << "" << 5 << true;
    QTest::newRow("permissions") << "actViewSortByLicensePermissions"
                                 << "Sort by License &Permissions"
                                 << ""
                                 << "" << 6 << true;
    QTest::newRow("hide") << "actViewHideSysObjects"
                          << "&Hide System Objects"
                          << ""
                          << "Ctrl+H" << -1 << false;
    QTest::newRow("licence") << "actToolsLicenseFile"
                             << "&License File..."
                             << ""
                             << "" << -1 << false;
    QTest::newRow("about") << "actHelpAbout"
                           << "&About..."
                           << "About"
                           << "" << -1 << false;
}

void TMainWindowTest::commandsCarryTheirSettings()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(QString, shortcut);
    QFETCH(int, tag);
    QFETCH(bool, hasIcon);

    const auto window = CreateMainWindow();
    const auto *command = window->findChild<QAction *>(name);
    QVERIFY(command);
    QCOMPARE(command->text(), caption);
    if (!hint.isEmpty())
        QCOMPARE(command->toolTip(), hint);
    QCOMPARE(command->shortcut(), QKeySequence(shortcut));
    if (tag >= 0)
        QCOMPARE(command->data().toInt(), tag);
    QCOMPARE(!command->icon().isNull(), hasIcon);
}

void TMainWindowTest::menusListCommandsInOrder_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("file") << "mnuFile"
                          << "&File"
                          << QStringList{"&Open...",
                                         "Open &Folder...",
                                         "Recen&t Files",
                                         "&Reload",
                                         "Compare &With...",
                                         "Compare With Fol&der...",
                                         "&Close",
                                         "-",
                                         "&Export List...",
                                         "-",
                                         "E&xit"};
    QTest::newRow("view") << "mnuView"
                          << "&View"
                          << QStringList{"Sort by &Type",
                                         "Sort by &ID",
                                         "Sort by &Name",
                                         "Sort by &Date/Time",
                                         "Sort by &Size",
                                         "Sort by &Version List",
                                         "Sort by License &Permissions",
                                         "-",
                                         "&Hide System Objects",
                                         "-",
                                         "&Filter...",
                                         "-",
                                         "Read Dates &As"};
    QTest::newRow("object") << "mnuObject"
                            << "&Object" << QStringList{"View Object &Text"};
    QTest::newRow("tools") << "mnuTools"
                           << "&Tools" << QStringList{"&License File..."};
    QTest::newRow("help") << "mnuHelp"
                          << "&Help" << QStringList{"&About..."};
}

void TMainWindowTest::menusListCommandsInOrder()
{
    QFETCH(QString, menu);
    QFETCH(QString, title);
    QFETCH(QStringList, entries);

    const auto window = CreateMainWindow();
    const auto *shown = window->findChild<QMenu *>(menu);
    QVERIFY(shown);
    QCOMPARE(shown->title(), title);
    QStringList texts;
    for (const QAction *entry : shown->actions())
        texts << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
    QCOMPARE(texts, entries);

    // The menu bar holds the five menus in this order.
    QStringList titles;
    for (const QAction *item : window->mmbMain->actions())
        titles << item->text();
    QCOMPARE(titles, (QStringList{"&File", "&View", "&Object", "&Tools", "&Help"}));
}

void TMainWindowTest::listShowsColumns()
{
    const auto window = CreateMainWindow();
    const QStringList captions{
        "Type", "ID", "Name", "Date/Time", "Size", "Version List", "License Permissions"};
    const QList<int> widths{80, 80, 160, 120, 60, 240, 60};
    const QList<Qt::Alignment> alignments{Qt::AlignLeft,  Qt::AlignRight, Qt::AlignLeft,
                                          Qt::AlignRight, Qt::AlignRight, Qt::AlignLeft,
                                          Qt::AlignLeft};
    QCOMPARE(window->ListModel().columnCount(), 7);
    for (int column = 0; column < 7; ++column) {
        QCOMPARE(window->ListModel().headerData(column, Qt::Horizontal).toString(),
                 captions[column]);
        // The designed width, or wider where the caption needs it ("License
        // Permissions" at 60 pixels would read "License Perr").
        const QHeaderView &header = *window->lvwMain->header();
        QCOMPARE(header.sectionSize(column),
                 std::max(Scaled(widths[column]), header.sectionSizeHint(column)));
        QVERIFY(header.fontMetrics().horizontalAdvance(captions[column]) <
                header.sectionSize(column));
        const auto alignment = Qt::Alignment(
            window->ListModel().headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt());
        QCOMPARE(alignment & Qt::AlignHorizontal_Mask, alignments[column]);
    }
    // A list, not a grid: no lines between the cells, no row numbers.
    QVERIFY(!window->lvwMain->showGrid());
    QVERIFY(window->lvwMain->verticalHeader()->isHidden());
    // Type, ascending, marked in the header from the start.
    QVERIFY(window->lvwMain->header()->isSortIndicatorShown());
    QCOMPARE(window->lvwMain->header()->sortIndicatorSection(), 0);
    QCOMPARE(window->lvwMain->header()->sortIndicatorOrder(), Qt::AscendingOrder);
    QCOMPARE(window->lvwMain->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(window->lvwMain->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(window->lvwMain->editTriggers(), QAbstractItemView::NoEditTriggers);
}

void TMainWindowTest::opensDemoFile()
{
    const QString demo = DemoObjectFile();
    if (demo.isEmpty())
        QSKIP("samples/demo.fob is not there");
    TErrorRecorder errors;
    // With the demo licence, as make run starts the program.
    const auto window = CreateMainWindow({}, QStringLiteral(QUINTAREL_SAMPLES_DIR "/demo.flf"));
    RunCommand([&] { window->OpenFile(demo); });
    QCOMPARE(errors.Boxes.size(), 0);
    QCOMPARE(window->LicenseStatus->Text(), QStringLiteral("Licence: demo.flf"));

    QCOMPARE(window->windowTitle(), QStringLiteral("demo.fob - Quintarel"));
    QCOMPARE(ApplicationTitle(), QStringLiteral("demo.fob - Quintarel"));
    // 62 entries, two of them repeat a listed key (samples/README.md).
    QCOMPARE(window->ListModel().rowCount(), 60);
    QCOMPARE(StatusText(*window), QStringLiteral("60 object(s)"));

    // Sorted by type (the unnamed types first), then by ID.
    const QStringList typeOrder{"Table",    "Form",    "Report",   "Dataport",
                                "Codeunit", "XMLport", "MenuSuite"};
    int previousRank = -1;
    qlonglong previousID = 0;
    for (int row = 0; row < window->ListModel().rowCount(); ++row) {
        const int rank = int(typeOrder.indexOf(CellText(*window, row, 0))) + 1;
        const qlonglong id = CellText(*window, row, 1).toLongLong();
        QVERIFY2(rank > previousRank || (rank == previousRank && id >= previousID),
                 qPrintable(QStringLiteral("row %1").arg(row)));
        // Only the named types have a picture: the others' is left empty.
        const QImage picture = window->ListModel()
                                   .index(row, 0)
                                   .data(Qt::DecorationRole)
                                   .value<QIcon>()
                                   .pixmap(16, 16)
                                   .toImage();
        QCOMPARE(picture == window->imlListView.value(rank - 1).pixmap(16, 16).toImage(), rank > 0);
        previousRank = rank;
        previousID = id;
    }

    // Texts are decoded from code page 850; permissions come from the demo licence.
    const auto rowOf = [&](const QString &type, const QString &id) {
        for (int row = 0; row < window->ListModel().rowCount(); ++row) {
            if (CellText(*window, row, 0) == type && CellText(*window, row, 1) == id)
                return row;
        }
        return -1;
    };
    const int norwegian = rowOf("Table", "50001");
    QVERIFY(norwegian >= 0);
    QCOMPARE(CellText(*window, norwegian, 2), QStringLiteral("Budsjettoppfølging"));
    QCOMPARE(CellText(*window, norwegian, 6), QStringLiteral("RIMDX"));
    QCOMPARE(CellText(*window, rowOf("Table", "18"), 6), QStringLiteral("RIMD"));
    QCOMPARE(CellText(*window, rowOf("Table", "99000750"), 6), QString());
    QCOMPARE(CellText(*window, rowOf("Form", "50001"), 3), QString()); // no date and time
    QCOMPARE(CellText(*window, rowOf("Codeunit", "-1"), 2), QStringLiteral("Negative ID test"));
    QVERIFY(rowOf("Table", "2000000001") >= 0);
}

void TMainWindowTest::passingStatusTextIsPaintedWhenAsked()
{
    const auto window = CreateMainWindow();
    auto *label = window->stbMain->findChild<QLabel *>(QStringLiteral("lblSimpleText"));
    QVERIFY(label);
    window->stbMain->SetSimpleText(QStringLiteral("0 object(s)"));

    // The text is the bar's at once; its label takes it when the bar is painted.
    QString passing = QStringLiteral("Table 1 A");
    window->stbMain->SetPassingText([&] { return passing; });
    passing = QStringLiteral("Table 2 B");
    QCOMPARE(window->stbMain->SimpleText(), QStringLiteral("Table 2 B"));
    QCOMPARE(label->text(), QStringLiteral("0 object(s)"));
    window->stbMain->PaintNow();
    QCOMPARE(label->text(), QStringLiteral("Table 2 B"));

    // A text set for good replaces a passing one that was never painted.
    window->stbMain->SetPassingText([] { return QStringLiteral("Table 3 C"); });
    window->stbMain->SetSimpleText(QStringLiteral("3 object(s)"));
    QCOMPARE(window->stbMain->SimpleText(), QStringLiteral("3 object(s)"));
    window->stbMain->PaintNow();
    QCOMPARE(label->text(), QStringLiteral("3 object(s)"));
}

void TMainWindowTest::statusShowsEntriesWhileReading()
{
    // Two full rounds of progress and a little more; the entry that starts
    // the second round repeats a listed key, and is shown all the same.
    const int every = TfrmMain::ProgressEveryEntries;
    QList<QByteArray> entries;
    for (int i = 0; i < 2 * every + 2; ++i)
        entries << IndexEntry("Table", i + 1, "Entry " + QByteArray::number(i + 1));
    entries[every] = IndexEntry("Table", 1, "ENTRY 1");
    QTemporaryDir folder;
    const QString first = WriteFourObjects(folder);
    const QString second = WriteObjectFile(folder, "many.fob", entries);
    const auto window = CreateMainWindow();
    window->OpenFile(first);
    QCOMPARE(window->ListModel().rowCount(), 4);

    struct TSeen {
        QString Key, Status;
        int Rows;
        bool Busy;
    };
    QList<TSeen> seen;
    const auto installed = window->BinaryFile().OnObjectLoaded;
    window->BinaryFile().OnObjectLoaded = [&](TNavisionBinaryFile &sender,
                                              const TNavisionObject &object) {
        installed(sender, object);
        const QCursor *cursor = QApplication::overrideCursor();
        seen.append({DecodeText(object.GetKey()), StatusText(*window),
                     window->ListModel().rowCount(), cursor && cursor->shape() == Qt::WaitCursor});
    };
    window->OpenFile(second);

    // The first entry shows at once, then every so many; the status keeps
    // the key shown last until the next.
    QCOMPARE(seen.size(), entries.size());
    for (int i = 0; i < seen.size(); ++i) {
        QCOMPARE(seen[i].Status, seen[i - i % every].Key);
        QCOMPARE(seen[i].Rows, 0); // the previous file's rows are gone before reading
        QVERIFY(seen[i].Busy);
    }
    QCOMPARE(seen[0].Status, QStringLiteral("Table 1 Entry 1"));
    QCOMPARE(seen[every].Status, QStringLiteral("Table 1 ENTRY 1"));
    QCOMPARE(seen[2 * every].Status, QStringLiteral("Table %1 Entry %1").arg(2 * every + 1));
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QCOMPARE(window->ListModel().rowCount(), entries.size() - 1);
    QCOMPARE(StatusText(*window), QStringLiteral("%1 object(s)").arg(entries.size() - 1));

    // Each open starts afresh: the first entry of the next file shows at once.
    seen.clear();
    window->OpenFile(first);
    QVERIFY(!seen.isEmpty());
    QCOMPARE(seen[0].Status, seen[0].Key);
}

void TMainWindowTest::failedOpenGivesBackTheFileShown_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing file") << "missing";
    QTest::newRow("relative missing file") << "relative";
    QTest::newRow("entry that doesn't convert") << "broken";
    QTest::newRow("FIFO without a writer") << "fifo";
    QTest::newRow("endless device") << "device";
    QTest::newRow("unreadable file") << "unreadable";
    QTest::newRow("entry cut short") << "cut short";
    QTest::newRow("text after good entries, no end of index") << "garbage";
}

void TMainWindowTest::failedOpenGivesBackTheFileShown()
{
    QFETCH(QString, kind);
    QTemporaryDir folder;
    QString path;
    QString expected;
    if (kind == "missing") {
        path = folder.filePath("missing.fob");
        expected = QStringLiteral("Cannot open file \"%1\". No such file or directory.").arg(path);
    } else if (kind == "relative") {
        path = QStringLiteral("no-such-folder/missing.fob");
        expected = QStringLiteral("Cannot open file \"%1\". No such file or directory.")
                       .arg(QDir::current().absoluteFilePath(path));
    } else if (kind == "broken") {
        path = WriteBrokenFile(folder);
        expected = QStringLiteral("'18        ' is not a valid integer value. Entry 3 at byte 322 "
                                  "of \"%1\".")
                       .arg(path);
    } else if (kind == "fifo") {
        path = folder.filePath("fifo.fob");
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        expected = QStringLiteral("Cannot open file \"%1\". It is not a regular file.").arg(path);
    } else if (kind == "device") {
        path = QStringLiteral("/dev/zero");
        expected = QStringLiteral("Cannot open file \"/dev/zero\". It is not a regular file.");
    } else if (kind == "unreadable") {
        path = WriteObjectFile(folder, "unreadable.fob", {IndexEntry("Table", 1, "Hidden")});
        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        QVERIFY(QFile::setPermissions(folder.path(),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ExeOther));
        expected = QStringLiteral("Cannot open file \"%1\". Permission denied.").arg(path);
    } else {
        QByteArray contents = IndexEntry("Table", 3, "Demo") + IndexEntry("Table", 27, "Item");
        path = folder.filePath(kind + ".fob");
        if (kind == "cut short") {
            contents += IndexEntry("Table", 28, "Cut").left(100);
            expected = QStringLiteral("The object entry is cut short: the file ends after 100 of "
                                      "its 161 bytes. Entry 3 at byte 322 of \"%1\".")
                           .arg(path);
        } else {
            contents += QByteArray("no index here, just text. ").repeated(8);
            expected = QStringLiteral("'ere, just ' is not a valid integer value. Entry 3 at byte "
                                      "322 of \"%1\".")
                           .arg(path);
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    TErrorRecorder errors;
    TDialogRecorder dialogs;
    const auto window = CreateMainWindow();
    window->OpenFile(WriteFourObjects(folder));
    QCOMPARE(window->windowTitle(), QStringLiteral("four.fob - Quintarel"));

    dialogs.Answers = {path};
    {
        std::optional<TWithoutRootPrivileges> unprivileged;
        if (kind == "unreadable") {
            unprivileged.emplace();
            if (!unprivileged->Problem().isEmpty())
                QSKIP(qPrintable(unprivileged->Problem()));
            QVERIFY(QFileInfo::exists(path)); // only the file's own bits refuse it
        }
        window->actFileOpen->trigger();
        GoIdle();
    }

    // The box comes once the file shown before is back (without root's
    // rights the test's own folder is closed to it too, so nothing comes back).
    QCOMPARE(errors.Boxes.size(), 1);
    QCOMPARE(errors.Boxes[0].Text, expected);
    if (kind != "unreadable") {
        QCOMPARE(errors.Boxes[0].Caption, QStringLiteral("four.fob - Quintarel"));
        QCOMPARE(window->windowTitle(), QStringLiteral("four.fob - Quintarel"));
        QCOMPARE(StatusText(*window),
                 QStringLiteral("%1 could not be read; four.fob is shown again")
                     .arg(QFileInfo(path).fileName()));
        QCOMPARE(window->ListModel().rowCount(), 4);
        QVERIFY(window->actFileClose->isEnabled());
    }
    QCOMPARE(QApplication::overrideCursor(), nullptr);

    // With nothing shown before, the failure leaves no file; what was read
    // before it can't be brought into view, and Reload tries the file again.
    window->actFileClose->trigger();
    dialogs.Answers = {path};
    {
        std::optional<TWithoutRootPrivileges> unprivileged;
        if (kind == "unreadable")
            unprivileged.emplace();
        window->actFileOpen->trigger();
        GoIdle();
    }
    QCOMPARE(errors.Boxes.size(), 2);
    QCOMPARE(errors.Boxes[1].Caption, QStringLiteral("Quintarel"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Quintarel"));
    QCOMPARE(StatusText(*window), QStringLiteral("0 object(s)"));
    QCOMPARE(window->ListModel().rowCount(), 0);
    QVERIFY(window->BinaryFile().FileName().isEmpty());
    QVERIFY(!window->actFileClose->isEnabled());
    QVERIFY(!window->actFileExportList->isEnabled());
    QVERIFY(window->actFileReload->isEnabled());
    window->actViewHideSysObjects->trigger();
    window->actViewHideSysObjects->trigger();
    QCOMPARE(window->ListModel().rowCount(), 0);
    QCOMPARE(errors.Boxes.size(), 2);

    // The window goes on: the next file opens and lists.
    dialogs.Answers = {WriteFourObjects(folder, "next.fob")};
    window->actFileOpen->trigger();
    GoIdle();
    QCOMPARE(errors.Boxes.size(), 2);
    QCOMPARE(window->windowTitle(), QStringLiteral("next.fob - Quintarel"));
    QCOMPARE(window->ListModel().rowCount(), 4);
    QVERIFY(window->actFileExportList->isEnabled());
}

void TMainWindowTest::commandLineOpensFirstArgumentOnly()
{
    QTemporaryDir folder;
    const QString first = WriteFourObjects(folder, "first.fob");
    const QString second = WriteWithSystemObjects(folder);
    TErrorRecorder errors;
    const auto window = CreateMainWindow({first, second});
    QVERIFY(window->isVisible());
    QCOMPARE(window->BinaryFile().FileName(), first);
    QCOMPARE(window->windowTitle(), QStringLiteral("first.fob - Quintarel"));
    QCOMPARE(StatusText(*window), QStringLiteral("4 object(s)"));
    QCOMPARE(errors.Boxes.size(), 0);
}

void TMainWindowTest::commandLineFailureKeepsWindowUsable()
{
    QTemporaryDir folder;
    const QString missing = folder.filePath("missing.fob");
    TErrorRecorder errors;
    const auto window = CreateMainWindow({missing});

    QCOMPARE(errors.Boxes.size(), 1);
    QCOMPARE(errors.Boxes[0].Caption, QStringLiteral("Quintarel"));
    QCOMPARE(errors.Boxes[0].Text,
             QStringLiteral("Cannot open file \"%1\". No such file or directory.").arg(missing));
    QVERIFY(window->isVisible());
    QCOMPARE(window->ListModel().rowCount(), 0);
    QCOMPARE(StatusText(*window), QStringLiteral("0 object(s)"));
    GoIdle();
    QVERIFY(!window->actFileClose->isEnabled());

    QVERIFY(Drop(*window, {QUrl::fromLocalFile(WriteFourObjects(folder))}));
    QTRY_COMPARE(window->ListModel().rowCount(), 4);
    QCOMPARE(window->windowTitle(), QStringLiteral("four.fob - Quintarel"));
}

void TMainWindowTest::sortsByMenuAndHeader_data()
{
    QTest::addColumn<bool>("byHeader");
    QTest::newRow("menu") << false;
    QTest::newRow("header") << true;
}

void TMainWindowTest::sortsByMenuAndHeader()
{
    QFETCH(bool, byHeader);
    QTemporaryDir folder;
    const auto window = CreateMainWindow();
    window->OpenFile(WriteFourObjects(folder));
    ShowActive(*window);
    QCOMPARE(IDs(*window), (QStringList{"3", "18", "80", "90"}));
    window->lvwMain->setCurrentIndex(window->ListModel().index(1, 0));

    const auto sortBy = [&](int key) {
        if (byHeader)
            ClickHeader(*window, key);
        else
            SortCommands(*window)[key]->trigger();
        GoIdle();
    };
    struct TStep {
        int Key;
        QStringList IDs;
        int Direction;
    };
    // Names: Customer 18, Demo 3, Post 80, Ørsted 90 (Ø is beyond the ASCII letters).
    const QList<TStep> steps{{skName, {"18", "3", "80", "90"}, 0},
                             {skName, {"90", "80", "3", "18"}, 1},
                             {skID, {"90", "80", "18", "3"}, 1},
                             {skID, {"3", "18", "80", "90"}, 0}};
    for (const TStep &step : steps) {
        sortBy(step.Key);
        QCOMPARE(IDs(*window), step.IDs);
        QCOMPARE(window->BinaryFile().GetSortKey(), step.Key);
        QCOMPARE(window->BinaryFile().GetSortDirection(), step.Direction);
        QCOMPARE(TickedSortCommand(*window), SortCommands(*window)[step.Key]);
        QCOMPARE(window->lvwMain->header()->sortIndicatorSection(), step.Key);
        QCOMPARE(window->lvwMain->header()->sortIndicatorOrder(),
                 step.Direction == 1 ? Qt::DescendingOrder : Qt::AscendingOrder);
        // The rows are repainted in place: the selected position stays selected.
        QCOMPARE(window->lvwMain->selectionModel()->selectedRows().value(0).row(), 1);
        QCOMPARE(StatusText(*window), QStringLiteral("4 object(s)"));
    }
}

void TMainWindowTest::sortsWithoutFile()
{
    QTemporaryDir folder;
    const auto window = CreateMainWindow();
    window->actViewSortByName->trigger();
    window->actViewSortByName->trigger();
    GoIdle();
    QCOMPARE(TickedSortCommand(*window), window->actViewSortByName);
    QCOMPARE(window->BinaryFile().GetSortDirection(), 1);

    window->OpenFile(WriteFourObjects(folder));
    QCOMPARE(IDs(*window), (QStringList{"90", "80", "3", "18"}));
}

void TMainWindowTest::hidesAndShowsSystemObjects()
{
    QTemporaryDir folder;
    const auto window = CreateMainWindow();
    window->OpenFile(WriteWithSystemObjects(folder));
    ShowActive(*window);
    QCOMPARE(IDs(*window), (QStringList{"18", "27", "2000000001", "-1"}));

    // Ctrl+H works while the list has the focus.
    window->lvwMain->setFocus();
    QTest::keyClick(window->lvwMain, Qt::Key_H, Qt::ControlModifier);
    GoIdle();
    QCOMPARE(IDs(*window), (QStringList{"18", "27"}));
    QCOMPARE(StatusText(*window), QStringLiteral("2 object(s) (system objects are hidden)"));
    QVERIFY(window->actViewHideSysObjects->isChecked());

    // Shown again, they stand at the end until the next sort.
    window->actViewHideSysObjects->trigger();
    GoIdle();
    const QStringList shown = IDs(*window);
    QCOMPARE(shown.mid(0, 2), (QStringList{"18", "27"}));
    QCOMPARE(QSet<QString>(shown.begin() + 2, shown.end()), (QSet<QString>{"2000000001", "-1"}));
    QCOMPARE(StatusText(*window), QStringLiteral("4 object(s)"));
    QVERIFY(!window->actViewHideSysObjects->isChecked());
}

void TMainWindowTest::hidingWithoutFileAppliesToNextOpen()
{
    QTemporaryDir folder;
    const auto window = CreateMainWindow();
    window->actViewHideSysObjects->trigger();
    QCOMPARE(StatusText(*window), QStringLiteral("0 object(s) (system objects are hidden)"));
    window->OpenFile(WriteWithSystemObjects(folder));
    QCOMPARE(IDs(*window), (QStringList{"18", "27"}));
    QCOMPARE(StatusText(*window), QStringLiteral("2 object(s) (system objects are hidden)"));
}

void TMainWindowTest::findsRowByTypedText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<int>("found");

    // Rows: 0 Table 3 Demo, 1 Table 18 Customer, 2 Codeunit 80 Post, 3 Codeunit 90 Ørsted.
    QTest::newRow("t from the start row") << "t" << 1 << true << 1;
    QTest::newRow("c after the start row") << "c" << 1 << true << 2;
    QTest::newRow("wraps to the top") << "table 3" << 1 << true << 0;
    QTest::newRow("no wrap, nothing") << "table 3" << 1 << false << -1;
    QTest::newRow("wrap stops before the start row") << "codeunit 80" << 3 << true << 2;
    QTest::newRow("number prefix") << "codeunit 8" << 0 << true << 2;
    QTest::newRow("upper case finds the same") << "TABLE 18" << 0 << true << 1;
    QTest::newRow("empty text matches the start row") << "" << 2 << true << 2;
    QTest::newRow("longer than every key") << "table 3 demo and more" << 0 << true << -1;
    QTest::newRow("same letter, same case") << "codeunit 90 Ørsted" << 0 << true << 3;
    QTest::newRow("no case folding beyond A to Z") << "codeunit 90 ørsted" << 0 << true << -1;
    QTest::newRow("folding for A to Z only") << "CODEUNIT 90 Ørsted" << 0 << true << 3;
}

void TMainWindowTest::findsRowByTypedText()
{
    QFETCH(QString, typed);
    QFETCH(int, start);
    QFETCH(bool, wrap);
    QFETCH(int, found);

    QTemporaryDir folder;
    const auto window = CreateMainWindow();
    window->OpenFile(WriteFourObjects(folder));
    QCOMPARE(window->lvwMainDataFind(typed, start, wrap), found);
}

void TMainWindowTest::typingSelectsRow_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("first");
    QTest::addColumn<int>("pause");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("selected");

    // Rows: 0 Table 3 Demo, 1 Table 18 Customer, 2 Codeunit 80 Post, 3 Codeunit 90 Ørsted.
    QTest::newRow("quick keys build one text") << -1 << "co" << 0 << "" << 2;
    QTest::newRow("blank and digits") << -1 << "codeunit 9" << 0 << "" << 3;
    QTest::newRow("t then c, quickly: no key begins tc") << -1 << "t" << 0 << "c" << 0;
    QTest::newRow("t, a pause, then c: a new search") << -1 << "t" << 300 << "c" << 2;
    QTest::newRow("prefix extended from the current row") << -1 << "table" << 0 << " 1" << 1;
    QTest::newRow("the current row itself matches") << 3 << "c" << 0 << "" << 3;
    QTest::newRow("below the current row first") << 2 << "t" << 0 << "" << 0;
    QTest::newRow("nothing found: the selection stays") << 1 << "report" << 0 << "" << 1;
}

void TMainWindowTest::typingSelectsRow()
{
    QFETCH(int, current);
    QFETCH(QString, first);
    QFETCH(int, pause);
    QFETCH(QString, second);
    QFETCH(int, selected);

    QTemporaryDir folder;
    const auto window = CreateMainWindow();
    window->OpenFile(WriteFourObjects(folder));
    ShowActive(*window);
    window->lvwMain->setFocus();
    if (current >= 0)
        window->lvwMain->setCurrentIndex(window->ListModel().index(current, 0));
    const int interval = QApplication::keyboardInputInterval();
    QApplication::setKeyboardInputInterval(150);

    QTest::keyClicks(window->lvwMain, first);
    if (pause > 0)
        QTest::qWait(pause);
    QTest::keyClicks(window->lvwMain, second);
    QApplication::setKeyboardInputInterval(interval);

    QCOMPARE(window->lvwMain->currentIndex().row(), selected);
    const QModelIndexList rows = window->lvwMain->selectionModel()->selectedRows();
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].row(), selected);
}

void TMainWindowTest::dropOpensFirstFileOnly()
{
    QTemporaryDir folder;
    const QString first = WriteFourObjects(folder);
    TErrorRecorder errors;
    const auto window = CreateMainWindow();
    // The other two would fail if they were opened.
    QVERIFY(Drop(*window, {QUrl::fromLocalFile(first), QUrl::fromLocalFile(WriteBrokenFile(folder)),
                           QUrl::fromLocalFile(folder.filePath("missing.fob"))}));
    QTRY_COMPARE(window->BinaryFile().FileName(), first);
    QCOMPARE(window->ListModel().rowCount(), 4);
    QCOMPARE(errors.Boxes.size(), 0);

    // A dropped file that fails shows the error box.
    const QString broken = WriteBrokenFile(folder);
    QVERIFY(Drop(*window, {QUrl::fromLocalFile(broken)}));
    QTRY_COMPARE(errors.Boxes.size(), 1);
    QCOMPARE(errors.Boxes[0].Text,
             QStringLiteral("'18        ' is not a valid integer value. Entry 3 at byte 322 of "
                            "\"%1\".")
                 .arg(broken));
    // The file shown before comes back.
    QCOMPARE(window->BinaryFile().FileName(), first);
    QCOMPARE(window->ListModel().rowCount(), 4);
}

void TMainWindowTest::dropWithoutLocalFileDoesNothing()
{
    QTemporaryDir folder;
    TErrorRecorder errors;
    const auto window = CreateMainWindow();
    const QString first = WriteFourObjects(folder);
    window->OpenFile(first);
    QVERIFY(!Drop(*window, {QUrl(QStringLiteral("https://example.org/objects.fob"))}));
    QVERIFY(!Drop(*window, {}));
    QCoreApplication::processEvents();
    QCOMPARE(window->BinaryFile().FileName(), first);
    QCOMPARE(window->ListModel().rowCount(), 4);
    QCOMPARE(errors.Boxes.size(), 0);
}

void TMainWindowTest::longDroppedPathOpens()
{
    QTemporaryDir folder;
    QString deep = folder.path();
    for (int level = 0; level < 5; ++level)
        deep += QLatin1Char('/') + QString(60, QLatin1Char('d'));
    QVERIFY(QDir().mkpath(deep));
    const QString path = QDir(deep).filePath(QStringLiteral("objects.fob"));
    QFile::copy(WriteFourObjects(folder), path);
    QVERIFY(path.size() > 300);

    TErrorRecorder errors;
    const auto window = CreateMainWindow();
    window->FilesDropped({path});
    QCOMPARE(errors.Boxes.size(), 0);
    QCOMPARE(window->BinaryFile().FileName(), path);
    QCOMPARE(window->ListModel().rowCount(), 4);
}

void TMainWindowTest::closeEmptiesWindowKeepsSettings()
{
    QTemporaryDir folder;
    const QString path = WriteWithSystemObjects(folder);
    const auto window = CreateMainWindow();
    window->OpenFile(path);
    window->actViewSortByName->trigger();
    window->actViewSortByName->trigger();
    window->actViewHideSysObjects->trigger();
    GoIdle();
    QVERIFY(window->actFileClose->isEnabled());

    window->actFileClose->trigger();
    GoIdle();
    QCOMPARE(window->windowTitle(), QStringLiteral("Quintarel"));
    QCOMPARE(ApplicationTitle(), QStringLiteral("Quintarel"));
    QCOMPARE(window->ListModel().rowCount(), 0);
    QCOMPARE(StatusText(*window), QStringLiteral("0 object(s) (system objects are hidden)"));
    QVERIFY(!window->actFileClose->isEnabled());
    QCOMPARE(TickedSortCommand(*window), window->actViewSortByName);
    QVERIFY(window->actViewHideSysObjects->isChecked());

    window->OpenFile(path);
    QCOMPARE(ColumnTexts(*window, 2), (QStringList{"Item", "Customer"}));
}

void TMainWindowTest::openDialogProposesPreviousFile()
{
    QTemporaryDir folder;
    const QString first = WriteFourObjects(folder);
    const QString dropped = WriteWithSystemObjects(folder);
    TDialogRecorder dialogs;
    const auto window = CreateMainWindow();
    ShowActive(*window);
    window->lvwMain->setFocus();

    dialogs.Answers = {first};
    QTest::keyClick(window->lvwMain, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(dialogs.Shown.size(), 1);
    QCOMPARE(dialogs.Shown[0].Kind, TFileDialog::TKind::Open);
    QCOMPARE(dialogs.Shown[0].Title, QString());
    QCOMPARE(dialogs.Shown[0].Filters,
             (QStringList{"Object Files (*.fob *.fbk *.txt)", "Navision Object File (*.fob)",
                          "Navision Backup File (*.fbk)", "Text Export (*.txt)", "All Files (*)"}));
    QCOMPARE(dialogs.Shown[0].Proposed, QString());
    QCOMPARE(window->BinaryFile().FileName(), first);

    // A dropped file is no choice made in the dialog.
    window->FilesDropped({dropped});
    dialogs.Answers = {std::nullopt};
    window->actFileOpen->trigger();
    QCOMPARE(dialogs.Shown.size(), 2);
    QCOMPARE(dialogs.Shown[1].Proposed, first);
    // Cancelled: nothing changes.
    QCOMPARE(window->BinaryFile().FileName(), dropped);
    QCOMPARE(window->windowTitle(), QStringLiteral("system.fob - Quintarel"));
}

void TMainWindowTest::exportsVisibleListThroughDialog()
{
    QTemporaryDir folder;
    TDialogRecorder dialogs;
    TErrorRecorder errors;
    const auto window = CreateMainWindow();
    window->OpenFile(WriteWithSystemObjects(folder));
    window->actViewSortByName->trigger();
    window->actViewHideSysObjects->trigger();
    GoIdle();

    const QString target = folder.filePath("list.txt");
    dialogs.Answers = {target};
    window->mniFileExportList->trigger(); // the File menu's entry
    QCOMPARE(errors.Boxes.size(), 0);
    QCOMPARE(dialogs.Shown.size(), 1);
    QCOMPARE(dialogs.Shown[0].Kind, TFileDialog::TKind::Save);
    QCOMPARE(dialogs.Shown[0].Title, QStringLiteral("Export List"));
    QCOMPARE(dialogs.Shown[0].Filters, QStringList{"Text (Tab Delimited) (*.txt)"});
    QCOMPARE(dialogs.Shown[0].DefaultSuffix, QStringLiteral("txt"));
    QCOMPARE(dialogs.Shown[0].Proposed, QString());

    // The visible rows in the list's order; the permissions are not written.
    QByteArray expected;
    for (int row = 0; row < window->ListModel().rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < 6; ++column)
            fields << CellText(*window, row, column);
        expected += EncodeText(fields.join(u'\t')) + "\r\n";
    }
    QFile written(target);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), expected);
    QVERIFY(expected.startsWith("Table\t18\tCustomer\t"));
    written.close();

    // The next export proposes this file; cancelling writes nothing.
    QVERIFY(QFile::remove(target));
    dialogs.Answers = {std::nullopt};
    window->actFileExportList->trigger();
    QCOMPARE(dialogs.Shown[1].Proposed, target);
    QVERIFY(!QFile::exists(target));
}

void TMainWindowTest::exportFailureShowsError_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing folder") << "missing folder";
    QTest::newRow("disk full") << "disk full";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("read-only file") << "read-only";
}

void TMainWindowTest::exportFailureShowsError()
{
    QFETCH(QString, kind);
    QTemporaryDir folder;
    TDialogRecorder dialogs;
    TErrorRecorder errors;
    const auto window = CreateMainWindow();
    window->OpenFile(WriteFourObjects(folder));
    GoIdle();

    QString target;
    QString expected;
    const QByteArray earlier("an earlier export\r\n");
    if (kind == "missing folder") {
        target = folder.filePath("no-such-folder/list.txt");
        expected = QStringLiteral("Cannot create file \"%1\". No such file or directory.");
    } else if (kind == "disk full") {
        target = QStringLiteral("/dev/full");
        expected = QStringLiteral("Cannot write file \"%1\". No space left on device.");
    } else if (kind == "folder") {
        target = folder.path();
        expected = QStringLiteral("Cannot create file \"%1\". Is a directory.");
    } else {
        target = folder.filePath("list.txt");
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(earlier);
        file.close();
        QVERIFY(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadOther));
        QVERIFY(QFile::setPermissions(folder.path(),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ExeOther));
        expected = QStringLiteral("Cannot create file \"%1\". Permission denied.");
    }
    dialogs.Answers = {target};
    {
        std::optional<TWithoutRootPrivileges> unprivileged;
        if (kind == "read-only") {
            unprivileged.emplace();
            if (!unprivileged->Problem().isEmpty())
                QSKIP(qPrintable(unprivileged->Problem()));
        }
        window->actFileExportList->trigger();
    }
    QCOMPARE(errors.Boxes.size(), 1);
    QCOMPARE(errors.Boxes[0].Caption, QStringLiteral("four.fob - Quintarel"));
    QCOMPARE(errors.Boxes[0].Text, expected.arg(target));
    if (kind == "read-only") {
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), earlier);
    }
    // The window is left as it was, and the next export goes through.
    QCOMPARE(window->ListModel().rowCount(), 4);
    QCOMPARE(window->windowTitle(), QStringLiteral("four.fob - Quintarel"));
    const QString good = folder.filePath("good.txt");
    dialogs.Answers = {good};
    window->actFileExportList->trigger();
    QCOMPARE(errors.Boxes.size(), 1);
    QFile written(good);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll().count("\r\n"), 4);
}

void TMainWindowTest::disabledCommandsNeverRun()
{
    QTemporaryDir folder;
    TDialogRecorder dialogs;
    const auto window = CreateMainWindow();
    GoIdle();
    window->actFileExportList->trigger();
    window->mniFileExportList->trigger();
    QCOMPARE(dialogs.Shown.size(), 0);

    window->OpenFile(WriteFourObjects(folder));
    GoIdle();
    QVERIFY(window->actFileExportList->isEnabled());
    QVERIFY(window->mniFileExportList->isEnabled());
    window->actFileClose->trigger();
    GoIdle();
    window->mniFileExportList->trigger();
    QCOMPARE(dialogs.Shown.size(), 0);
}

void TMainWindowTest::exitClosesWindow()
{
    const auto window = CreateMainWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->actFileExit->trigger();
    QVERIFY(!window->isVisible());
}

void TMainWindowTest::captionShowsFileNameLiterally()
{
    QTemporaryDir folder;
    const auto window = CreateMainWindow();
    window->OpenFile(WriteFourObjects(folder, "a[*]b.fob"));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(ApplicationTitle(), QStringLiteral("a[*]b.fob - Quintarel"));
    QCOMPARE(window->windowHandle()->title(), QStringLiteral("a[*]b.fob - Quintarel"));
}

QTEST_MAIN(TMainWindowTest)
#include "tst_mainwindow.moc"
