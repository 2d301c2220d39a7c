// The licence window: the information lines of the active licence, loading
// another licence file, and the main window's lookup of the permissions
// afterwards, on the real database access library.

#include "fonts.h"
#include "licensefile.h"
#include "licform.h"
#include "uitestsupport.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <sys/stat.h>

namespace {

const QByteArray FirstLicence = "; all tables, one codeunit\n"
                                "[Information]\n"
                                "Licensed to: Müller GmbH, Ålesund\n"
                                "Serial number: 1\n"
                                "\n"
                                "[Permissions]\n"
                                "Table 1..99 RIMDX\n"
                                "Codeunit 80 X\n";
const QByteArray SecondLicence = "[Information]\n"
                                 "Licensed to: Second Licence\n"
                                 "[Permissions]\n"
                                 "Table 1..99 R\n";

QString WriteObjects(const QTemporaryDir &folder)
{
    return WriteObjectFile(folder, "objects.fob",
                           {IndexEntry("Table", 3, "Demo"), IndexEntry("Table", 18, "Customer"),
                            IndexEntry("Codeunit", 80, "Post")});
}

// The licence window as the program has it: beside the main window.
struct TWindows {
    std::unique_ptr<TfrmMain> Main = CreateMainWindow();
    TfrmLicense License{Main.get()};
    TWindows() { frmLicense = &License; }
    ~TWindows() { frmLicense = nullptr; }
};

// Runs the main window's License File command; while the licence window is
// open, does what the test asks in it, then closes it with Escape.
void WithLicenseWindow(TfrmMain &main, const std::function<void(TfrmLicense &)> &inside)
{
    bool ran = false;
    QTimer::singleShot(0, [&] {
        QVERIFY(frmLicense->isVisible());
        QVERIFY(frmLicense->isModal());
        inside(*frmLicense);
        ran = true;
        QTest::keyClick(frmLicense, Qt::Key_Escape);
    });
    main.actToolsLicenseFile->trigger();
    QVERIFY(ran);
    QVERIFY(!frmLicense->isVisible());
}

} // namespace

class TLicenseWindowTest : public QObject {
    Q_OBJECT

private slots:
    void windowIsLaidOut();
    void showsInformationLines_data();
    void showsInformationLines();
    void changeRefreshesPermissions();
    void hostileLicenceFileShowsWhy_data();
    void hostileLicenceFileShowsWhy();
    void cancelRefreshesNothing();
    void changeWithoutFileShowsNothingNew();
    void closeButtonClosesWindow();
};

void TLicenseWindowTest::windowIsLaidOut()
{
    TWindows windows;
    TfrmLicense &window = windows.License;
    QCOMPARE(window.windowTitle(), QStringLiteral("License File"));
    QCOMPARE(window.minimumSize(), Scaled(QSize(581, 321)));
    QCOMPARE(window.maximumSize(), Scaled(QSize(581, 321)));
    QCOMPARE(window.cmdChange->text(), QStringLiteral("C&hange..."));
    QCOMPARE(window.cmdClose->text(), QStringLiteral("&Close"));
    QCOMPARE(window.actChange->text(), QStringLiteral("C&hange..."));
    QCOMPARE(window.actClose->text(), QStringLiteral("&Close"));
    for (const QPushButton *button : {window.cmdChange, window.cmdClose}) {
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
    QVERIFY(window.memMain->isReadOnly());
    QCOMPARE(window.memMain->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(window.memMain->geometry(), Scaled(QRect(12, 12, 557, 265)));
    QCOMPARE(window.cmdChange->geometry(), Scaled(QRect(408, 288, 77, 23)));
    QCOMPARE(window.cmdClose->geometry(), Scaled(QRect(492, 288, 77, 23)));
    QVERIFY(!(window.windowFlags() & Qt::WindowMinMaxButtonsHint));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.focusWidget(), window.cmdChange);
    QCOMPARE(window.cmdChange->nextInFocusChain(), window.cmdClose);
    QCOMPARE(window.cmdClose->nextInFocusChain(), window.memMain);
}

void TLicenseWindowTest::showsInformationLines_data()
{
    QTest::addColumn<QByteArray>("licence");
    QTest::addColumn<QString>("text");

    QTest::newRow("lines decoded from code page 850")
        << FirstLicence << QStringLiteral("Licensed to: Müller GmbH, Ålesund\nSerial number: 1");
    QTest::newRow("no information") << QByteArray("[Permissions]\nTable 1 R\n") << QString();
    QTest::newRow("blanks kept") << QByteArray("[Information]\n  indented  \n")
                                 << QStringLiteral("  indented  ");
    const QByteArray longLine(200, 'x');
    QTest::newRow("long line") << QByteArray("[Information]\n" + longLine + "\n")
                               << QString::fromLatin1(longLine);
}

void TLicenseWindowTest::showsInformationLines()
{
    QFETCH(QByteArray, licence);
    QFETCH(QString, text);

    QTemporaryDir folder;
    TWindows windows;
    TNavisionLicenseFile &active = windows.Main->BinaryFile().LicenseFile();
    active.ChangeLicenseFile(WriteLicenceFile(folder, "test.flf", licence));
    windows.License.LicenseFile = &active;
    windows.License.show();
    QVERIFY(QTest::qWaitForWindowExposed(&windows.License));

    QCOMPARE(windows.License.memMain->toPlainText(), text);
    // A long line wraps on the screen but stays one line of the information.
    const QTextBlock first = windows.License.memMain->document()->firstBlock();
    QCOMPARE(windows.License.memMain->document()->blockCount(),
             text.isEmpty() ? 1 : int(text.count(u'\n')) + 1);
    if (text.size() > 100)
        QVERIFY(first.layout()->lineCount() > 1);
}

void TLicenseWindowTest::changeRefreshesPermissions()
{
    QTemporaryDir folder;
    const QString first = WriteLicenceFile(folder, "first.flf", FirstLicence);
    const QString second = WriteLicenceFile(folder, "second.flf", SecondLicence);
    TDialogRecorder dialogs;
    TErrorRecorder errors;
    TWindows windows;
    TfrmMain &main = *windows.Main;
    main.BinaryFile().LicenseFile().ChangeLicenseFile(first);
    main.OpenFile(WriteObjects(folder));
    QCOMPARE(ColumnTexts(main, 6), (QStringList{"RIMDX", "RIMDX", "X"}));

    QString before, after;
    bool changedBefore = true;
    dialogs.Answers = {second};
    WithLicenseWindow(main, [&](TfrmLicense &window) {
        before = window.memMain->toPlainText();
        changedBefore = window.Changed;
        window.actChange->trigger();
        after = window.memMain->toPlainText();
        QVERIFY(window.Changed);
    });
    QCOMPARE(errors.Boxes.size(), 0);
    QCOMPARE(before, QStringLiteral("Licensed to: Müller GmbH, Ålesund\nSerial number: 1"));
    QVERIFY(!changedBefore);
    QCOMPARE(after, QStringLiteral("Licensed to: Second Licence"));
    QCOMPARE(dialogs.Shown.size(), 1);
    QCOMPARE(dialogs.Shown[0].Kind, TFileDialog::TKind::Open);
    QCOMPARE(dialogs.Shown[0].Title, QStringLiteral("Load License File"));
    QCOMPARE(dialogs.Shown[0].Filters,
             (QStringList{"Navision License Files (*.flf)", "All Files (*)"}));
    QCOMPARE(dialogs.Shown[0].Proposed, QString());

    // Looked up again without emptying the list.
    QCOMPARE(main.ListModel().rowCount(), 3);
    QCOMPARE(ColumnTexts(main, 6), (QStringList{"R", "R", ""}));

    // The next showing starts from the licence now active, proposes the last
    // file, and two changes in one showing refresh once, with the last.
    dialogs.Answers = {first, second};
    WithLicenseWindow(main, [&](TfrmLicense &window) {
        QCOMPARE(window.memMain->toPlainText(), QStringLiteral("Licensed to: Second Licence"));
        window.actChange->trigger();
        window.actChange->trigger();
    });
    QCOMPARE(dialogs.Shown[1].Proposed, second);
    QCOMPARE(dialogs.Shown[2].Proposed, first);
    QCOMPARE(ColumnTexts(main, 6), (QStringList{"R", "R", ""}));
}

void TLicenseWindowTest::hostileLicenceFileShowsWhy_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text"); // "%1" stands for the path

    QTest::newRow("binary garbage")
        << "garbage"
        << "%1, line 1: expected UTF-8 text, found bytes that are not UTF-8";
    QTest::newRow("FIFO without a writer")
        << "fifo"
        << "Cannot read licence file \"%1\": It is not a regular file";
    QTest::newRow("endless device") << "/dev/zero"
                                    << "Cannot read licence file \"%1\": It is not a regular file";
    QTest::newRow("missing file") << "missing"
                                  << "Cannot read licence file \"%1\": No such file or directory";
    QTest::newRow("information line of a megabyte") << "megabyte" << QString(250, u'M');
}

// A file that is no licence takes away every permission and says why in the
// window, without an error box; the window goes on and a good licence can be
// loaded again.
void TLicenseWindowTest::hostileLicenceFileShowsWhy()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QTemporaryDir folder;
    const QString good = WriteLicenceFile(folder, "good.flf", FirstLicence);
    QString path = folder.filePath("hostile.flf");
    if (kind == "garbage")
        WriteLicenceFile(folder, "hostile.flf",
                         QByteArray("\x7f"
                                    "ELF\x02\x01\xff\0\x1a",
                                    9));
    else if (kind == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == "megabyte")
        WriteLicenceFile(folder, "hostile.flf",
                         "[Information]\n" + QByteArray(1 << 20, 'M') + "\n[Permissions]\n");
    else if (kind.startsWith(u'/'))
        path = kind;

    TDialogRecorder dialogs;
    TErrorRecorder errors;
    TWindows windows;
    TfrmMain &main = *windows.Main;
    main.BinaryFile().LicenseFile().ChangeLicenseFile(good);
    main.OpenFile(WriteObjects(folder));
    QCOMPARE(ColumnTexts(main, 6), (QStringList{"RIMDX", "RIMDX", "X"}));

    QString shown;
    dialogs.Answers = {path};
    WithLicenseWindow(main, [&](TfrmLicense &window) {
        window.actChange->trigger();
        shown = window.memMain->toPlainText();
    });
    QCOMPARE(errors.Boxes.size(), 0);
    QCOMPARE(shown, text.contains(QLatin1String("%1")) ? text.arg(path) : text);
    QCOMPARE(ColumnTexts(main, 6), (QStringList{"", "", ""}));

    dialogs.Answers = {good};
    WithLicenseWindow(main, [&](TfrmLicense &window) { window.actChange->trigger(); });
    QCOMPARE(errors.Boxes.size(), 0);
    QCOMPARE(ColumnTexts(main, 6), (QStringList{"RIMDX", "RIMDX", "X"}));
}

void TLicenseWindowTest::cancelRefreshesNothing()
{
    QTemporaryDir folder;
    TDialogRecorder dialogs;
    TWindows windows;
    TfrmMain &main = *windows.Main;
    TNavisionLicenseFile &active = main.BinaryFile().LicenseFile();
    active.ChangeLicenseFile(WriteLicenceFile(folder, "first.flf", FirstLicence));
    main.OpenFile(WriteObjects(folder));
    // Changed behind the window's back: only a refresh would show it.
    active.ChangeLicenseFile(WriteLicenceFile(folder, "second.flf", SecondLicence));

    dialogs.Answers = {std::nullopt};
    WithLicenseWindow(main, [&](TfrmLicense &window) {
        const QString shown = window.memMain->toPlainText();
        window.actChange->trigger();
        QCOMPARE(window.memMain->toPlainText(), shown);
        QVERIFY(!window.Changed);
    });
    QCOMPARE(dialogs.Shown.size(), 1);
    QCOMPARE(ColumnTexts(main, 6), (QStringList{"RIMDX", "RIMDX", "X"}));
}

void TLicenseWindowTest::changeWithoutFileShowsNothingNew()
{
    QTemporaryDir folder;
    TDialogRecorder dialogs;
    TErrorRecorder errors;
    TWindows windows;
    dialogs.Answers = {WriteLicenceFile(folder, "first.flf", FirstLicence)};
    WithLicenseWindow(*windows.Main, [](TfrmLicense &window) { window.actChange->trigger(); });
    QCOMPARE(errors.Boxes.size(), 0);
    QCOMPARE(windows.Main->ListModel().rowCount(), 0);
    QCOMPARE(windows.Main->windowTitle(), QStringLiteral("Quintarel"));
}

void TLicenseWindowTest::closeButtonClosesWindow()
{
    TWindows windows;
    bool changed = true;
    QTimer::singleShot(0, [&] {
        changed = windows.License.Changed;
        QTest::mouseClick(windows.License.cmdClose, Qt::LeftButton);
    });
    windows.Main->actToolsLicenseFile->trigger();
    QVERIFY(!windows.License.isVisible());
    QVERIFY(!changed);
}

QTEST_MAIN(TLicenseWindowTest)
#include "tst_licensewindow.moc"
