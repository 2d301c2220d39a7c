// What a new user meets in the first hour: the filter's type list holds the
// file's own types, exports say what they wrote, the comparison's bold cells
// fit their columns, file names that are no UTF-8 open from every road, and
// the program without a display says so in one line.
#include "core/reading/filenames.h"
#include "ui/compare/compareform.h"
#include "ui/filter/filterbar.h"
#include "ui/mainwindow/recentfiles.h"
#include "ui/objectlist/objectlistview.h"
#include "uitestsupport.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QMimeData>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

QString StatusText(const TfrmMain &window)
{
    return window.stbMain->SimpleText();
}

QStringList TypeChoices(const TfrmMain &window)
{
    QStringList choices;
    for (int i = 0; i < window.barFilter->cboFilterType->count(); ++i)
        choices << window.barFilter->cboFilterType->itemText(i);
    return choices;
}

const QStringList SevenTypes{"All Types", "Table",    "Form",    "Report",
                             "Dataport",  "Codeunit", "XMLport", "MenuSuite"};

// Writes an object file under a name given as the system's bytes.
bool WriteUnderBytes(const QTemporaryDir &folder, const QByteArray &name, const QByteArray &data)
{
    const QByteArray path = QFile::encodeName(folder.path()) + '/' + name;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, data.constData(), size_t(data.size())) == data.size();
    return ::close(fd) == 0 && written;
}

} // namespace

class TRoughEdgesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { ClearSettings(); }
    void filterOffersTheFilesTypes();
    void exportsSayWhatTheyWrote();
    void comparisonCellsFitTheirColumns();
    void fileNamesThatAreNoUtf8_data();
    void fileNamesThatAreNoUtf8();
    void withoutDisplayOneLine();
};

void TRoughEdgesTest::filterOffersTheFilesTypes()
{
    QTemporaryDir folder;
    const auto window = CreateMainWindow();
    QCOMPARE(TypeChoices(*window), SevenTypes);

    window->OpenFile(WriteObjectFile(
        folder, "pages.fob",
        {IndexEntry("Page", 21, "Customer Card"), IndexEntry("Table", 18, "Customer"),
         IndexEntry("Query", 100, "Top Customers"), IndexEntry("Page", 22, "Customer List")}));
    QCOMPARE(TypeChoices(*window), SevenTypes + QStringList({"Page", "Query"}));

    window->barFilter->Activate();
    window->barFilter->cboFilterType->setCurrentIndex(SevenTypes.size()); // Page
    QCOMPARE(window->ListModel().rowCount(), 2);
    QCOMPARE(CellText(*window, 0, 0), QStringLiteral("Page"));
    QCOMPARE(CellText(*window, 1, 0), QStringLiteral("Page"));
    QCOMPARE(StatusText(*window), QStringLiteral("2 of 4 object(s)"));

    // A file without pages: the choice goes back to every type.
    window->OpenFile(WriteObjectFile(folder, "tables.fob", {IndexEntry("Table", 18, "Customer")}));
    QCOMPARE(TypeChoices(*window), SevenTypes);
    QCOMPARE(window->barFilter->cboFilterType->currentIndex(), 0);
    QCOMPARE(window->ListModel().rowCount(), 1);
}

void TRoughEdgesTest::exportsSayWhatTheyWrote()
{
    QTemporaryDir folder;
    TDialogRecorder dialogs;
    TErrorRecorder errors;
    const auto window = CreateMainWindow();
    const QString old = WriteObjectFile(
        folder, "old.fob", {IndexEntry("Table", 18, "Customer"), IndexEntry("Table", 3, "Demo")});
    window->OpenFile(old);
    GoIdle();
    QCOMPARE(window->mniFileExportList->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));

    dialogs.Answers = {folder.filePath("list.txt")};
    window->mniFileExportList->trigger();
    QCOMPARE(errors.Boxes.size(), 0);
    QCOMPARE(StatusText(*window), QStringLiteral("2 object(s) exported to list.txt"));

    const QString newer = WriteObjectFile(folder, "new.fob", {IndexEntry("Table", 18, "Customer")});
    dialogs.Answers = {newer, folder.filePath("changes.txt")};
    window->actFileCompareWith->trigger();
    const QList<TfrmCompare *> comparisons = window->findChildren<TfrmCompare *>();
    QCOMPARE(comparisons.size(), 1);
    comparisons.front()->actFileExport->trigger();
    QCOMPARE(errors.Boxes.size(), 0);
    QCOMPARE(comparisons.front()->stbCompare->SimpleText(),
             QStringLiteral("1 object(s) exported to changes.txt"));
    // The comparison's dialog started in the folder of the file shown.
    QCOMPARE(dialogs.Shown[1].Proposed, QString());
}

void TRoughEdgesTest::comparisonCellsFitTheirColumns()
{
    QTemporaryDir folder;
    TTestEntry before;
    before.Tag = "Table";
    before.ID = "18";
    before.Name = "Customer Ledger Entry Buffer X";
    before.Date = "31.12.17";
    before.Time = "23.59.59";
    before.VersionList = "NAVW17.00,NAVDE17.00,MY1.0.0.1";
    TTestEntry after = before;
    after.Date = "30.11.17";
    after.VersionList = "NAVW17.10,NAVDE17.10,MY1.0.0.22";
    after.Size = "123456789";
    const QString old = WriteObjectFile(folder, "old.fob", {IndexEntry(before)});
    const QString newer = WriteObjectFile(folder, "new.fob", {IndexEntry(after)});
    const auto window = CreateMainWindow();
    window->OpenFile(old);
    GoIdle();
    TDialogRecorder dialogs;
    dialogs.Answers = {newer};
    window->actFileCompareWith->trigger();
    TfrmCompare *compare = window->findChildren<TfrmCompare *>().value(0);
    QVERIFY(compare);
    const QAbstractItemModel &model = *compare->lvwCompare->model();
    QCOMPARE(model.rowCount(), 1);
    for (int column = 0; column < model.columnCount(); ++column) {
        const QModelIndex cell = model.index(0, column);
        QFont font = compare->lvwCompare->font();
        if (const QVariant role = cell.data(Qt::FontRole); role.isValid())
            font = role.value<QFont>();
        const int text = QFontMetrics(font).horizontalAdvance(cell.data().toString());
        QVERIFY2(
            text < compare->lvwCompare->header()->sectionSize(column),
            qPrintable(QStringLiteral("column %1: %2").arg(column).arg(cell.data().toString())));
    }
}

void TRoughEdgesTest::fileNamesThatAreNoUtf8_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Latin-1 byte") << QByteArray("latin1-\xe9.fob") << "latin1-\\xE9.fob";
    QTest::newRow("sequence cut short") << QByteArray("cut-\xc3.fob") << "cut-\\xC3.fob";
    QTest::newRow("overlong slash") << QByteArray("long-\xc0\xaf.fob") << "long-\\xC0\\xAF.fob";
    QTest::newRow("UTF-8 and blanks") << QByteArray("K\xc3\xb8ge  demo .fob") << "Køge  demo .fob";
    QTest::newRow("leading dash") << QByteArray("-dash.fob") << "-dash.fob";
}

void TRoughEdgesTest::fileNamesThatAreNoUtf8()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, shown);
    QCOMPARE(EncodeFileName(DecodeFileName(name)), name);
    QCOMPARE(FileNameForDisplay(DecodeFileName(name)), shown);

    QTemporaryDir folder;
    QVERIFY(WriteUnderBytes(folder, name,
                            IndexEntry("Table", 18, "Customer") + IndexEntry("Table", 3, "Demo") +
                                "\x1a"));
    const QString path = DecodeFileName(QFile::encodeName(folder.path()) + '/' + name);

    // As the command line gives it.
    TErrorRecorder errors;
    const auto window = CreateMainWindow({path});
    QCOMPARE(errors.Boxes.size(), 0);
    QCOMPARE(window->ListModel().rowCount(), 2);
    QCOMPARE(window->windowTitle(), shown + QStringLiteral(" - Quintarel"));
    // Recent Files keeps the bytes, and its entry opens the file again.
    QCOMPARE(QSettings().value(QStringLiteral("recentFiles")).toList().value(0).toByteArray(),
             QFile::encodeName(folder.path()) + '/' + name);
    QCOMPARE(TRecentFiles::Files().value(0), path);
    window->actFileCloseExecute();
    window->mnuFileRecent->actions().front()->trigger();
    QCOMPARE(window->ListModel().rowCount(), 2);

    // By a drop, the name percent-encoded byte for byte.
    window->actFileCloseExecute();
    QMimeData data;
    data.setUrls(
        {QUrl(QStringLiteral("file://") +
              QString::fromLatin1(
                  (QFile::encodeName(folder.path()) + '/' + name).toPercentEncoding("/")))});
    const QPoint at = window->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    QTRY_COMPARE(window->ListModel().rowCount() + errors.Boxes.size(), 2);
    QVERIFY2(errors.Boxes.isEmpty(), qPrintable(errors.Boxes.value(0).Text));

    // A name that doesn't exist shows its bytes in the message.
    window->actFileCloseExecute();
    RunCommand([&] { window->OpenAskedFile(path + QStringLiteral(".gone")); });
    QCOMPARE(errors.Boxes.size(), 1);
    QVERIFY2(errors.Boxes[0].Text.contains(QStringLiteral("/%1.gone\"").arg(shown)),
             qPrintable(errors.Boxes[0].Text));
}

void TRoughEdgesTest::withoutDisplayOneLine()
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    program.setProcessEnvironment(environment);
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/quintarel"),
                  {QStringLiteral("a.fob")});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()),
             QStringLiteral("quintarel: cannot open a window: no display; use quintarel-cli to "
                            "list files\n"));
}

QTEST_MAIN(TRoughEdgesTest)
#include "tst_roughedges.moc"
