// The window with files written in another region's date order: the status
// bar tells the order read, View, Read Dates As reopens the file in another,
// and an entry's error box says where, its control bytes shown.
#include "ui/mainwindow/readdatesas.h"
#include "uitestsupport.h"

#include <QFile>
#include <QMenu>
#include <QTest>

namespace {

// Two tables; the first date reads in either order, the second only in the given one.
QString WriteDatedFile(const QTemporaryDir &folder, const QString &name, const QByteArray &second)
{
    TTestEntry first;
    first.ID = "1";
    first.Date = "02.03.04";
    first.Time = "12.00.00";
    TTestEntry other = first;
    other.ID = "2";
    other.Date = second;
    return WriteObjectFile(folder, name, {IndexEntry(first), IndexEntry(other)});
}

QString StatusText(const TfrmMain &window)
{
    return window.stbMain->SimpleText();
}

TReadDatesAsMenu &Menu(const TfrmMain &window)
{
    return *window.ReadDatesAs;
}

QList<QAction *> Choices(const TfrmMain &window)
{
    const TReadDatesAsMenu &menu = Menu(window);
    return {menu.actViewReadDatesAsAutomatic, menu.actViewReadDatesAsRegionalSettings,
            menu.actViewReadDatesAsDayMonthYear, menu.actViewReadDatesAsMonthDayYear,
            menu.actViewReadDatesAsYearMonthDay};
}

// The choices ticked, after the rules have run.
QList<bool> Ticks(const TfrmMain &window)
{
    GoIdle();
    QList<bool> ticks;
    for (const QAction *action : Choices(window))
        ticks << action->isChecked();
    return ticks;
}

} // namespace

class TReadDatesAsTest : public QObject {
    Q_OBJECT

private slots:
    void menuOffersTheOrders();
    void statusTellsAnotherOrder_data();
    void statusTellsAnotherOrder();
    void choiceReopensTheFile();
    void binaryFileSaysWhatItIs();
};

void TReadDatesAsTest::menuOffersTheOrders()
{
    const auto window = CreateMainWindow();
    const auto *menu = window->findChild<QMenu *>(QStringLiteral("mnuViewReadDatesAs"));
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("Read Dates &As"));
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << action->text();
    QCOMPARE(texts, (QStringList{"&Automatic", "&Regional Settings", "&Day/Month/Year",
                                 "&Month/Day/Year", "&Year/Month/Day"}));
    QCOMPARE(Ticks(*window), (QList<bool>{true, false, false, false, false}));
}

void TReadDatesAsTest::statusTellsAnotherOrder_data()
{
    QTest::addColumn<QByteArray>("second"); // date of the second entry
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("firstDate"); // as shown, in the user's format
    // The window's user writes month first: MM/dd/yy.
    QTest::newRow("month first") << QByteArray("09/15/15") << "2 object(s)"
                                 << "02/03/04 12:00:00";
    QTest::newRow("day first") << QByteArray("24.03.17")
                               << "2 object(s); dates read as day/month/year"
                               << "03/02/04 12:00:00";
    QTest::newRow("year first") << QByteArray("98-12-31")
                                << "2 object(s); dates read as year/month/day"
                                << "03/04/02 12:00:00";
}

void TReadDatesAsTest::statusTellsAnotherOrder()
{
    QFETCH(QByteArray, second);
    QFETCH(QString, status);
    QFETCH(QString, firstDate);
    QTemporaryDir folder;
    TErrorRecorder errors;
    const auto window = CreateMainWindow();
    window->OpenFile(WriteDatedFile(folder, "dated.fob", second));
    QCOMPARE(errors.Boxes.size(), 0);
    QCOMPARE(StatusText(*window), status);
    QCOMPARE(CellText(*window, 0, 3), firstDate);
    // Hiding system objects keeps the note; closing the file drops it.
    window->actViewHideSysObjects->trigger();
    const qsizetype note = status.indexOf(u';');
    QCOMPARE(StatusText(*window),
             note < 0 ? status + " (system objects are hidden)"
                      : status.left(note) + " (system objects are hidden)" + status.mid(note));
    window->actFileClose->trigger();
    QVERIFY(!StatusText(*window).contains(QStringLiteral("dates")));
}

void TReadDatesAsTest::choiceReopensTheFile()
{
    QTemporaryDir folder;
    TErrorRecorder errors;
    const auto window = CreateMainWindow();
    const QString path = WriteDatedFile(folder, "dayfirst.fob", "24.03.17");
    window->OpenFile(path);
    QCOMPARE(StatusText(*window), QStringLiteral("2 object(s); dates read as day/month/year"));

    // Month first can't read it: the error of the reopening names the order, and no file.
    Menu(*window).actViewReadDatesAsMonthDayYear->trigger();
    QCOMPARE(Ticks(*window), (QList<bool>{false, false, false, true, false}));
    QCOMPARE(errors.Boxes.size(), 1);
    QCOMPARE(errors.Boxes[0].Text,
             QStringLiteral("'24/03/17 12:00:00' is not a valid date and time (read as "
                            "month/day/year). Entry 2 at byte 161 of \"%1\".")
                 .arg(path));
    QCOMPARE(window->BinaryFile().FileName(), QString());
    QCOMPARE(StatusText(*window), QStringLiteral("0 object(s)"));
    QVERIFY(window->actFileReload->isEnabled());

    // The file that failed is the one another choice reads.
    Menu(*window).actViewReadDatesAsAutomatic->trigger();
    QCOMPARE(errors.Boxes.size(), 1);
    QCOMPARE(window->BinaryFile().FileName(), path);
    QCOMPARE(StatusText(*window), QStringLiteral("2 object(s); dates read as day/month/year"));

    // With no file loaded a choice opens nothing, and is kept for the next file.
    window->actFileCloseExecute();
    Menu(*window).actViewReadDatesAsDayMonthYear->trigger();
    QCOMPARE(errors.Boxes.size(), 1);
    QCOMPARE(window->BinaryFile().FileName(), QString());
    const QString ambiguous = WriteDatedFile(folder, "ambiguous.fob", "02.03.04");
    window->OpenFile(ambiguous);
    QCOMPARE(StatusText(*window), QStringLiteral("2 object(s); dates read as day/month/year"));
    QCOMPARE(CellText(*window, 0, 3), QStringLiteral("03/02/04 12:00:00"));

    // Back to the regional settings: the same file again, month first.
    Menu(*window).actViewReadDatesAsRegionalSettings->trigger();
    QCOMPARE(window->BinaryFile().FileName(), ambiguous);
    QCOMPARE(StatusText(*window), QStringLiteral("2 object(s)"));
    QCOMPARE(CellText(*window, 0, 3), QStringLiteral("02/03/04 12:00:00"));
    QCOMPARE(Ticks(*window), (QList<bool>{false, true, false, false, false}));
    QCOMPARE(errors.Boxes.size(), 1);
}

// A program's first bytes: the box says what the file is not, NULs shown.
void TReadDatesAsTest::binaryFileSaysWhatItIs()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("program.fob");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const char start[] = "\x7F"
                         "ELF\x02\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x03\x00\x3E\x00";
    file.write(QByteArray(start, sizeof start - 1) + QByteArray(300, '\0'));
    file.close();

    TErrorRecorder errors;
    const auto window = CreateMainWindow();
    QVERIFY(!RunCommand([&] { window->OpenFile(path); }));
    QCOMPARE(errors.Boxes.size(), 1);
    QCOMPARE(
        errors.Boxes[0].Text,
        QStringLiteral("The file \"%1\" does not look like an object file: its first entry is "
                       "not text. '\\x00\\x00\\x00\\x00\\x00\\x00\\x03\\x00>\\x00' is not a valid "
                       "integer value.")
            .arg(path));
}

QTEST_MAIN(TReadDatesAsTest)
#include "tst_readdatesas.moc"
