// Text exports and folders of them in the windows: File, Open Folder, a
// dropped folder, the recent folders, the title, the File column, empty
// sizes, the files a folder could not read, and Compare With Folder.
#include "core/compare/compare.h"
#include "ui/common/apptitle.h"
#include "ui/compare/compareform.h"
#include "ui/compare/comparemodel.h"
#include "ui/mainwindow/recentfiles.h"
#include "uitestsupport.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QTest>

namespace {

const QString DemoLicense = QStringLiteral(QUINTAREL_SAMPLES_DIR "/demo.flf");

constexpr int IDColumn = 1;
constexpr int DateTimeColumn = 3;
constexpr int SizeColumn = 4;
constexpr int VersionListColumn = 5;

// One object as the ERP exports it as text: its properties block when a
// date is given, then a short body of code with a Date= line that is no
// property. Lines end in LF, as in a repository.
QByteArray TextObject(const QByteArray &type, int id, const QByteArray &name,
                      const QByteArray &date = {}, const QByteArray &time = {},
                      const QByteArray &versionList = {})
{
    QByteArray text = "OBJECT " + type + ' ' + QByteArray::number(id) + ' ' + name + "\n{\n";
    if (!date.isEmpty()) {
        text += "  OBJECT-PROPERTIES\n  {\n";
        text += "    Date=" + date + ";\n    Time=" + time + ";\n";
        text += "    Version List=" + versionList + ";\n  }\n";
    }
    text += "  PROPERTIES\n  {\n    OnRun=BEGIN\n            Date=FIELD(Date Filter);\n"
            "          END;\n\n  }\n  CODE\n  {\n\n    BEGIN\n    END.\n  }\n}\n\n";
    return text;
}

// Writes the file (its folders made as needed) under the root; its path.
QString WriteText(const QString &root, const QString &relativePath, const QByteArray &contents)
{
    const QString path = QDir(root).filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qFatal("Cannot write %s", qPrintable(path));
    return path;
}

// A repository's folder: Table 27 in a file of its own, Codeunit 80 and
// Report 6 in one file, Page 21 (no properties block) in a subfolder.
// The same objects' index entries, as a binary file would list them.
struct TRepository {
    QTemporaryDir Root;
    QString Folder;

    TRepository()
    {
        Folder = QDir(Root.path()).filePath(QStringLiteral("ORIGINAL"));
        WriteText(Folder, "TAB27.TXT",
                  TextObject("Table", 27, "Item", "09/15/15", "15:18:31", "NAVW17.00"));
        WriteText(Folder, "two.txt",
                  TextObject("Codeunit", 80, "Post", "01/02/03", "10:15:30", "NAVW16.00") +
                      TextObject("Report", 6, "Trial Balance", "01/02/03", "10:15:30"));
        WriteText(Folder, "pages/PAG21.TXT", TextObject("Page", 21, "Customer Card"));
        // Not a text export by its name: left out of the folder.
        WriteText(Folder, "notes.md", "OBJECT Table 99 Not Read\n");
    }

    // The same objects in a binary file.
    QString WriteObjectFileOfSameObjects() const
    {
        TTestEntry item{"Table", "27", "Item", "09/15/15", "15:18:31", "1000", "NAVW17.00"};
        TTestEntry post{"Codeunit", "80", "Post", "01/02/03", "10:15:30", "2000", "NAVW16.00"};
        TTestEntry report{"Report", "6", "Trial Balance", "01/02/03", "10:15:30", "300", ""};
        TTestEntry page{"Page", "21", "Customer Card", "", "", "400", ""};
        QFile file(QDir(Root.path()).filePath(QStringLiteral("customer.fob")));
        QByteArray contents = IndexEntry(item) + IndexEntry(post) + IndexEntry(report) +
                              IndexEntry(page) + QByteArray(1, '\x1a');
        if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
            qFatal("Cannot write the object file");
        return file.fileName();
    }
};

QString HeaderText(const TfrmMain &window, int column)
{
    return window.ListModel().headerData(column, Qt::Horizontal).toString();
}

// Each row's "ID: cell of the column", in the order shown.
QStringList RowsWith(const TfrmMain &window, int column)
{
    QStringList rows;
    for (int row = 0; row < window.ListModel().rowCount(); ++row)
        rows << CellText(window, row, IDColumn) + QStringLiteral(": ") +
                    CellText(window, row, column);
    return rows;
}

bool DropFolder(TfrmMain &window, const QString &folder)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(folder)});
    const QPoint at = window.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    QCoreApplication::processEvents(); // the drop opens once it is over
    return drop.isAccepted();
}

// Opens the first through File, Open and compares it with the folder
// through Compare With Folder; the comparison window, or null.
TfrmCompare *CompareWithFolder(TfrmMain &window, const QString &file, const QString &folder)
{
    window.OpenFile(file);
    GoIdle();
    TDialogRecorder dialogs;
    dialogs.Answers = {folder};
    window.actFileCompareWithFolder->trigger();
    if (dialogs.Shown.size() != 1 || dialogs.Shown[0].Kind != TFileDialog::TKind::Folder)
        return nullptr;
    const QList<TfrmCompare *> windows = window.findChildren<TfrmCompare *>();
    return windows.isEmpty() ? nullptr : windows.back();
}

} // namespace

class TTextExportsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ClearSettings(); }

    void opensFolderWithFileColumn();
    void oneFileShowsNoFileColumn_data();
    void oneFileShowsNoFileColumn();
    void droppedAndRecentFolderOpen();
    void folderReportsFilesNotRead();
    void folderNotesObjectInTwoFiles();
    void comparesObjectFileWithFolder();
};

void TTextExportsWindowTest::opensFolderWithFileColumn()
{
    TRepository repository;
    const auto window = CreateMainWindow();
    TErrorRecorder errors;
    TDialogRecorder dialogs;
    dialogs.Answers = {repository.Folder};
    window->actFileOpenFolder->trigger();

    QCOMPARE(dialogs.Shown.size(), 1);
    QCOMPARE(dialogs.Shown[0].Kind, TFileDialog::TKind::Folder);
    QCOMPARE(errors.Boxes.size(), 0);
    QCOMPARE(window->windowTitle(), QStringLiteral("ORIGINAL - Quintarel"));
    QCOMPARE(ApplicationTitle(), QStringLiteral("ORIGINAL - Quintarel"));

    // Sorted by type: Page, a type without a number of its own, first.
    QCOMPARE(window->ListModel().columnCount(), 8);
    QCOMPARE(HeaderText(*window, 7), QStringLiteral("File"));
    const QString page = QDir::toNativeSeparators(QStringLiteral("pages/PAG21.TXT"));
    QCOMPARE(RowsWith(*window, 7),
             (QStringList{"21: " + page, "27: TAB27.TXT", "6: two.txt", "80: two.txt"}));
    QCOMPARE(RowsWith(*window, SizeColumn), (QStringList{"21: ", "27: ", "6: ", "80: "}));
    QCOMPARE(RowsWith(*window, DateTimeColumn),
             (QStringList{"21: ", "27: 09/15/15 15:18:31", "6: 01/02/03 10:15:30",
                          "80: 01/02/03 10:15:30"}));
    QCOMPARE(RowsWith(*window, VersionListColumn),
             (QStringList{"21: ", "27: NAVW17.00", "6: ", "80: NAVW16.00"}));

    // The File column has no sort key: a click on it keeps the order.
    const int sortKey = window->BinaryFile().GetSortKey();
    emit window->lvwMain->ColumnClicked(7);
    QCOMPARE(window->BinaryFile().GetSortKey(), sortKey);

    // Copying takes the File column while it is shown.
    window->lvwMain->selectAll();
    window->actEditCopy->trigger();
    QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral(
        "Type\tID\tName\tDate/Time\tSize\tVersion List\tLicense Permissions\tFile\n")));

    QCOMPARE(TRecentFiles::Files().value(0), QDir::cleanPath(repository.Folder));

    GoIdle();
    window->actFileClose->trigger();
    QCOMPARE(window->ListModel().columnCount(), 7);
    QCOMPARE(window->windowTitle(), QStringLiteral("Quintarel"));

    // A folder without text exports opens as an empty list, no longer as a
    // file that can't be opened.
    const QString empty = QDir(repository.Root.path()).filePath(QStringLiteral("empty.fob"));
    QVERIFY(QDir().mkdir(empty));
    window->OpenFile(empty);
    QCOMPARE(errors.Boxes.size(), 0);
    QCOMPARE(window->windowTitle(), QStringLiteral("empty.fob - Quintarel"));
    QCOMPARE(window->ListModel().rowCount(), 0);
    QCOMPARE(window->stbMain->SimpleText(), QStringLiteral("0 object(s)"));
}

void TTextExportsWindowTest::oneFileShowsNoFileColumn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QStringList>("sizes");

    QTest::newRow("text export") << "TAB27.TXT"
                                 << TextObject("Table", 27, "Item", "09/15/15", "15:18:31") +
                                        TextObject("Table", 3, "Demo")
                                 << QStringList{"3: ", "27: "};
    QTest::newRow("object file") << "four.fob"
                                 << IndexEntry("Table", 27, "Item") +
                                        IndexEntry("Table", 3, "Demo") + '\x1a'
                                 << QStringList{"3: 1234", "27: 1234"};
}

void TTextExportsWindowTest::oneFileShowsNoFileColumn()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(QStringList, sizes);

    QTemporaryDir root;
    const QString path = WriteText(root.path(), name, contents);
    const auto window = CreateMainWindow();
    TErrorRecorder errors;
    window->OpenFile(path);
    QCOMPARE(errors.Boxes.size(), 0);
    QCOMPARE(window->windowTitle(), name + QStringLiteral(" - Quintarel"));
    QCOMPARE(window->ListModel().columnCount(), 7);
    QCOMPARE(RowsWith(*window, SizeColumn), sizes);
}

void TTextExportsWindowTest::droppedAndRecentFolderOpen()
{
    TRepository repository;
    const auto window = CreateMainWindow();
    TErrorRecorder errors;
    QVERIFY(DropFolder(*window, repository.Folder + QStringLiteral("/")));
    QCOMPARE(errors.Boxes.size(), 0);
    QCOMPARE(window->ListModel().rowCount(), 4);
    QCOMPARE(window->windowTitle(), QStringLiteral("ORIGINAL - Quintarel"));

    GoIdle();
    window->actFileClose->trigger();
    QCOMPARE(window->ListModel().rowCount(), 0);
    // The folder heads the recent files, once, without its closing
    // separator, and is offered while it exists.
    QCOMPARE(TRecentFiles::Files(), QStringList{QDir::cleanPath(repository.Folder)});
    window->mnuFileRecent->aboutToShow();
    QAction *recent = window->mnuFileRecent->actions().value(0);
    QVERIFY(recent);
    QVERIFY(recent->isEnabled());
    recent->trigger();
    QCOMPARE(window->ListModel().rowCount(), 4);
    QCOMPARE(window->ListModel().columnCount(), 8);
}

void TTextExportsWindowTest::folderReportsFilesNotRead()
{
    TRepository repository;
    WriteText(repository.Folder, "bad/COD50000.TXT",
              TextObject("Codeunit", 50000, "Bad Date", "13/45/17", "12:00:00"));
    const auto window = CreateMainWindow();
    TErrorRecorder errors;
    window->OpenFile(repository.Folder);

    // The others are listed; the box and the status bar tell of the one not read.
    QCOMPARE(window->ListModel().rowCount(), 4);
    QCOMPARE(errors.Boxes.size(), 1);
    const QString badFile = QDir::toNativeSeparators(QStringLiteral("bad/COD50000.TXT\""));
    QVERIFY2(errors.Boxes[0].Text.contains(QStringLiteral("1 file(s) could not be read")),
             qPrintable(errors.Boxes[0].Text));
    QVERIFY2(errors.Boxes[0].Text.contains(badFile), qPrintable(errors.Boxes[0].Text));
    QVERIFY2(window->stbMain->SimpleText().contains(QStringLiteral("1 file(s) not read")),
             qPrintable(window->stbMain->SimpleText()));
}

void TTextExportsWindowTest::folderNotesObjectInTwoFiles()
{
    TRepository repository;
    WriteText(repository.Folder, "copy/TAB27.TXT",
              TextObject("Table", 27, "Item", "01/01/16", "08:00:00", "NAVW18.00"));
    const auto window = CreateMainWindow();
    TErrorRecorder errors;
    window->OpenFile(repository.Folder);

    // The first in the byte order of the paths is listed ("TAB27.TXT"
    // before "copy/TAB27.TXT"), and the note names both files.
    QCOMPARE(window->ListModel().rowCount(), 4);
    QCOMPARE(RowsWith(*window, 7).value(1), QStringLiteral("27: TAB27.TXT"));
    QCOMPARE(RowsWith(*window, VersionListColumn).value(1), QStringLiteral("27: NAVW17.00"));
    QCOMPARE(errors.Boxes.size(), 1);
    QVERIFY2(errors.Boxes[0].Text.contains(QStringLiteral("copy/TAB27.TXT")) &&
                 errors.Boxes[0].Text.contains(QStringLiteral("/TAB27.TXT")),
             qPrintable(errors.Boxes[0].Text));
    QVERIFY(!window->stbMain->SimpleText().contains(QStringLiteral("not read")));
}

void TTextExportsWindowTest::comparesObjectFileWithFolder()
{
    TRepository repository;
    const QString objectFile = repository.WriteObjectFileOfSameObjects();
    const auto window = CreateMainWindow({}, DemoLicense);
    TErrorRecorder errors;
    TfrmCompare *compare = CompareWithFolder(*window, objectFile, repository.Folder);
    QVERIFY(compare);
    QCOMPARE(errors.Boxes.size(), 0);
    QCOMPARE(compare->windowTitle(), QStringLiteral("customer.fob \u2192 ORIGINAL - Quintarel"));
    // The same objects: sizes are not compared where one side has none.
    QVERIFY(compare->Comparison());
    QCOMPARE(compare->Comparison()->CountOf(TChangeKind::Unchanged), 4);
    QCOMPARE(compare->Model().rowCount(), 0);

    // A changed version list in the folder is a change.
    WriteText(repository.Folder, "TAB27.TXT",
              TextObject("Table", 27, "Item", "09/15/15", "15:18:31", "NAVW18.00"));
    compare = CompareWithFolder(*window, objectFile, repository.Folder);
    QVERIFY(compare);
    QCOMPARE(compare->Comparison()->CountOf(TChangeKind::Changed), 1);
    QCOMPARE(compare->Comparison()->CountOf(TChangeKind::Unchanged), 3);
}

QTEST_MAIN(TTextExportsWindowTest)
#include "tst_textexports.moc"
