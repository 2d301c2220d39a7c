// The licence window: the information lines of the active licence, loading
// another licence file, and the main window's lookup of the permissions
// afterwards, on the real database access library.

#include "core/cfront/cfront.h"
#include "core/model/licensefile.h"
#include "ui/common/fonts.h"
#include "ui/license/licensestatus.h"
#include "ui/license/licform.h"
#include "ui/license/rememberedlicense.h"
#include "uitestsupport.h"
#include "unprivileged.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <sys/stat.h>

namespace {

const QByteArray FirstLicense = "; all tables, one codeunit\n"
                                "[Information]\n"
                                "Licensed to: Müller GmbH, Ålesund\n"
                                "Serial number: 1\n"
                                "\n"
                                "[Permissions]\n"
                                "Table 1..99 RIMDX\n"
                                "Codeunit 80 X\n";
const QByteArray SecondLicense = "[Information]\n"
                                 "Licensed to: Second Licence\n"
                                 "[Permissions]\n"
                                 "Table 1..99 R\n";

// The line the library adds to the text of a licence file written by the ERP.
const QString ErpNote = QStringLiteral(
    "The permissions of this licence file, written by the ERP, can't be read here. To use them, "
    "write them in the text format: [Permissions], then one line per range, such as \"Table "
    "50000..99999 RIMDX\" (lower-case letters for indirect rights).");

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
    void licenseLoads_data();
    void licenseLoads();
    void startLicense_data();
    void startLicense();
    void rememberedLicense_data();
    void rememberedLicense();
    void cancelRefreshesNothing();
    void changeWithoutFileShowsNothingNew();
    void closeButtonClosesWindow();
};

void TLicenseWindowTest::windowIsLaidOut()
{
    TWindows windows;
    TfrmLicense &window = windows.License;
    QCOMPARE(window.windowTitle(), QStringLiteral("License File"));
    // 20 pixels taller than designed, for the active file's path above the text.
    QCOMPARE(window.minimumSize(), Scaled(QSize(581, 341)));
    QCOMPARE(window.maximumSize(), Scaled(QSize(581, 341)));
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
    QCOMPARE(window.lblFileName->geometry(), Scaled(QRect(12, 10, 557, 16)));
    QCOMPARE(window.memMain->geometry(), Scaled(QRect(12, 32, 557, 265)));
    QCOMPARE(window.cmdChange->geometry(), Scaled(QRect(408, 308, 77, 23)));
    QCOMPARE(window.cmdClose->geometry(), Scaled(QRect(492, 308, 77, 23)));
    QVERIFY(!(window.windowFlags() & Qt::WindowMinMaxButtonsHint));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // At left 320, top 400 where the screen has room for it there; else
    // centred (over the main window, or the screen without one), and always
    // wholly on the screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize size = window.frameGeometry().size();
    if (screen.contains(QRect(QPoint(320, 400), size)))
        QCOMPARE(window.pos(), QPoint(320, 400));
    else
        QVERIFY(screen.contains(window.frameGeometry()));
    QVERIFY(window.pos() != QPoint(0, 0));
    QCOMPARE(window.focusWidget(), window.cmdChange);
    QCOMPARE(window.cmdChange->nextInFocusChain(), window.cmdClose);
    QCOMPARE(window.cmdClose->nextInFocusChain(), window.memMain);
}

void TLicenseWindowTest::showsInformationLines_data()
{
    QTest::addColumn<QByteArray>("license");
    QTest::addColumn<QString>("text");

    QTest::newRow("lines decoded from code page 850")
        << FirstLicense << QStringLiteral("Licensed to: Müller GmbH, Ålesund\nSerial number: 1");
    QTest::newRow("no information") << QByteArray("[Permissions]\nTable 1 R\n") << QString();
    QTest::newRow("blanks kept") << QByteArray("[Information]\n  indented  \n")
                                 << QStringLiteral("  indented  ");
    const QByteArray longLine(200, 'x');
    QTest::newRow("long line") << QByteArray("[Information]\n" + longLine + "\n")
                               << QString::fromLatin1(longLine);
}

void TLicenseWindowTest::showsInformationLines()
{
    QFETCH(QByteArray, license);
    QFETCH(QString, text);

    QTemporaryDir folder;
    TWindows windows;
    TNavisionLicenseFile &active = windows.Main->BinaryFile().LicenseFile();
    active.ChangeLicenseFile(WriteLicenseFile(folder, "test.flf", license));
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
    const QString first = WriteLicenseFile(folder, "first.flf", FirstLicense);
    const QString second = WriteLicenseFile(folder, "second.flf", SecondLicense);
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

void TLicenseWindowTest::licenseLoads_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("error"); // the error box; "%1" stands for the path
    QTest::addColumn<QString>("lines"); // the licence window's text afterwards
    QTest::addColumn<QStringList>("permissions");
    QTest::addColumn<QString>("status"); // the main window's licence section

    const QString first = QStringLiteral("Licensed to: Müller GmbH, Ålesund\nSerial number: 1");
    const QStringList firstRights{"RIMDX", "RIMDX", "X"};
    const QString kept = QStringLiteral("Licence: first.flf");
    const QString cannot = QStringLiteral("Cannot load licence file \"%1\". ");

    QTest::newRow("good") << "good" << QString() << "Licensed to: Second Licence"
                          << QStringList{"R", "R", ""} << "Licence: chosen.flf";
    QTest::newRow("indirect letters") << "indirect" << QString() << "Indirect"
                                      << QStringList{"RI", "RI", "X"} << "Licence: chosen.flf";
    QTest::newRow("written by the ERP")
        << "erp" << QString() << "Licensed to: ERP Customer\nProduct: Navision\n" + ErpNote
        << QStringList{"", "", ""} << "Licence: chosen.flf (information only)";
    QTest::newRow("information line of a megabyte")
        << "megabyte" << QString() << QString(250, u'M') << QStringList{"", "", ""}
        << "Licence: chosen.flf";
    QTest::newRow("missing") << "missing" << cannot + "No such file or directory." << first
                             << firstRights << kept;
    QTest::newRow("unreadable") << "unreadable" << cannot + "Permission denied." << first
                                << firstRights << kept;
    QTest::newRow("syntax error")
        << "syntax"
        << cannot + R"(Line 2: expected RIGHTS as letters of R, I, M, D, X (lower case: )"
                    R"(indirect) or "-", found "RQ")"
        << first << firstRights << kept;
    QTest::newRow("binary garbage")
        << "garbage" << cannot + "Line 1: expected UTF-8 text, found bytes that are not UTF-8."
        << first << firstRights << kept;
    QTest::newRow("FIFO without a writer")
        << "fifo" << cannot + "It is not a regular file." << first << firstRights << kept;
    QTest::newRow("endless device")
        << "/dev/zero" << cannot + "It is not a regular file." << first << firstRights << kept;
}

// A licence file loaded through the window: a good one replaces the licence
// and has the permissions looked up again; one that can't be used is shown
// in the error box with its cause, and the window, the licence and the list
// stay as they were.
void TLicenseWindowTest::licenseLoads()
{
    QFETCH(QString, kind);
    QFETCH(QString, error);
    QFETCH(QString, lines);
    QFETCH(QStringList, permissions);
    QFETCH(QString, status);
    QTemporaryDir folder;
    const QString good = WriteLicenseFile(folder, "first.flf", FirstLicense);
    QString path = folder.filePath("chosen.flf");
    if (kind == "good")
        WriteLicenseFile(folder, "chosen.flf", SecondLicense);
    else if (kind == "indirect")
        WriteLicenseFile(folder, "chosen.flf",
                         "[Information]\nIndirect\n[Permissions]\nTable 1..99 ri\nCodeunit 80 x\n");
    else if (kind == "erp")
        WriteLicenseFile(folder, "chosen.flf",
                         QByteArray("Licensed to: ERP Customer\r\nProduct: Navision\r\n\x1a") +
                             QByteArray("\0\x01", 2) + "[Permissions]\r\nTable 1..99 RIMDX\r\n");
    else if (kind == "megabyte")
        WriteLicenseFile(folder, "chosen.flf",
                         "[Information]\n" + QByteArray(1 << 20, 'M') + "\n[Permissions]\n");
    else if (kind == "unreadable") {
        QVERIFY(QFile(WriteLicenseFile(folder, "chosen.flf", SecondLicense))
                    .setPermissions(QFileDevice::Permissions()));
        const TWithoutRootPrivileges probe;
        if (!probe.Problem().isEmpty())
            QSKIP(qPrintable(probe.Problem()));
    } else if (kind == "syntax")
        WriteLicenseFile(folder, "chosen.flf", "[Permissions]\nTable 1 RQ\n");
    else if (kind == "garbage")
        WriteLicenseFile(folder, "chosen.flf",
                         QByteArray("\x7f"
                                    "ELF\x02\x01\xff\0\x1a",
                                    9));
    else if (kind == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind.startsWith(u'/'))
        path = kind;

    TDialogRecorder dialogs;
    TErrorRecorder errors;
    TWindows windows;
    TfrmMain &main = *windows.Main;
    main.BinaryFile().LicenseFile().ChangeLicenseFile(good);
    main.OpenFile(WriteObjects(folder));
    QCOMPARE(ColumnTexts(main, 6), (QStringList{"RIMDX", "RIMDX", "X"}));

    QString shown, label;
    bool changed = false, open = false;
    dialogs.Answers = {path};
    WithLicenseWindow(main, [&](TfrmLicense &window) {
        {
            std::optional<TWithoutRootPrivileges> unprivileged;
            if (kind == "unreadable")
                unprivileged.emplace();
            window.actChange->trigger();
        }
        shown = window.memMain->toPlainText();
        label = window.lblFileName->toolTip();
        changed = window.Changed;
        open = window.isVisible();
    });
    QVERIFY(open);
    QCOMPARE(errors.Boxes.size(), error.isEmpty() ? 0 : 1);
    if (!error.isEmpty()) {
        QCOMPARE(errors.Boxes[0].Text, error.arg(path));
        QCOMPARE(errors.Boxes[0].Caption, QStringLiteral("objects.fob - Quintarel"));
    }
    QCOMPARE(changed, error.isEmpty());
    QCOMPARE(shown, lines);
    QVERIFY2(label.startsWith(error.isEmpty() ? path : good), qPrintable(label));
    QCOMPARE(ColumnTexts(main, 6), permissions);
    QCOMPARE(main.LicenseStatus->Text(), status);
    QCOMPARE(main.LicenseStatus->IsWarning(), false);
    // What the user chose last is what the next start begins with.
    QCOMPARE(RememberedLicenseFile(), error.isEmpty() ? path : QString());
    RememberLicenseFile(QString());
}

// A copy of the library in a folder of its own, loaded apart from the built
// one, which reads the cfront.flf beside it (when given) at start.
TCFrontEntryPoints LibraryBeside(const QTemporaryDir &folder, const QByteArray *defaultLicense)
{
    if (!QFile::copy(QCoreApplication::applicationDirPath() + "/libcfront.so",
                     folder.filePath("libcfront.so")))
        qFatal("Cannot copy libcfront.so");
    if (defaultLicense)
        WriteLicenseFile(folder, "cfront.flf", *defaultLicense);
    return LoadCFrontFrom({folder.path()});
}

void TLicenseWindowTest::startLicense_data()
{
    QTest::addColumn<bool>("beside");
    QTest::addColumn<QByteArray>("license");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("tip"); // its start; "%1" stands for cfront.flf's path
    QTest::addColumn<bool>("warning");
    QTest::addColumn<QString>("caption"); // the licence window's file line

    QTest::newRow("no cfront.flf")
        << false << QByteArray() << "No licence"
        << "No licence is active" << false << "No licence file is active.";
    QTest::newRow("good cfront.flf") << true << FirstLicense << "Licence: cfront.flf"
                                     << "%1" << false << "%1";
    QTest::newRow("broken cfront.flf")
        << true << QByteArray("[Permissions]\nTable 1 RQ\n") << "Licence cfront.flf can't be used"
        << R"(Cannot load licence file "%1". Line 2: expected RIGHTS as letters of R, I, M, D, X )"
           R"((lower case: indirect) or "-", found "RQ")"
        << true << "%1 (can't be used)";
    QTest::newRow("cfront.flf written by the ERP")
        << true << QByteArray("Licensed to: ERP\r\n\x1a\x01")
        << "Licence: cfront.flf (information only)"
        << "%1\nWritten by the ERP" << false << "%1 (information only)";
}

// The licence section of the status bar and the licence window name the
// licence the library read at start.
void TLicenseWindowTest::startLicense()
{
    QFETCH(bool, beside);
    QFETCH(QByteArray, license);
    QFETCH(QString, status);
    QFETCH(QString, tip);
    QFETCH(bool, warning);
    QFETCH(QString, caption);
    QTemporaryDir folder;
    const QString defaultFile = folder.filePath("cfront.flf");
    IsolateSettings();
    TErrorRecorder errors;
    // The entry points outlive the window.
    const TCFrontEntryPoints library = LibraryBeside(folder, beside ? &license : nullptr);
    TfrmMain main(library, TestSettings(), {});
    TfrmLicense window(&main);
    QCOMPARE(main.LicenseStatus->Text(), status);
    QVERIFY2(main.LicenseStatus->ToolTip().startsWith(tip.arg(defaultFile)),
             qPrintable(main.LicenseStatus->ToolTip()));
    QCOMPARE(main.LicenseStatus->IsWarning(), warning);
    QCOMPARE(errors.Boxes.size(), 0);
    // The section sits in the status bar at its right, beside the status text.
    QCOMPARE(main.LicenseStatus->parentWidget(), main.stbMain);

    window.LicenseFile = &main.BinaryFile().LicenseFile();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.lblFileName->toolTip(), caption.arg(defaultFile));
}

void TLicenseWindowTest::rememberedLicense_data()
{
    QTest::addColumn<QString>("remembered");   // "good", "gone" or none
    QTest::addColumn<QString>("explicitFile"); // --license: "good", "gone" or none
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("warning");
    QTest::addColumn<QString>("error"); // the error box; "%1": the file that is gone
    QTest::addColumn<QStringList>("permissions");

    const QString gone =
        QStringLiteral("Cannot load licence file \"%1\". No such file or directory.");
    QTest::newRow("remembered") << "good" << QString() << "Licence: second.flf" << false
                                << QString() << QStringList{"R", "R", ""};
    QTest::newRow("remembered, gone since")
        << "gone" << QString() << "No licence (gone.flf not loaded)" << true << QString()
        << QStringList{"", "", ""};
    QTest::newRow("--license, before the remembered one")
        << "gone"
        << "good"
        << "Licence: second.flf" << false << QString() << QStringList{"R", "R", ""};
    QTest::newRow("--license that can't be loaded")
        << "good"
        << "gone"
        << "No licence (gone.flf not loaded)" << true << gone << QStringList{"", "", ""};
}

void TLicenseWindowTest::rememberedLicense()
{
    QFETCH(QString, remembered);
    QFETCH(QString, explicitFile);
    QFETCH(QString, status);
    QFETCH(bool, warning);
    QFETCH(QString, error);
    QFETCH(QStringList, permissions);
    QTemporaryDir folder;
    const QString good = WriteLicenseFile(folder, "second.flf", SecondLicense);
    const QString gone = folder.filePath("gone.flf");
    const auto fileOf = [&](const QString &which) {
        return which == "good" ? good : which == "gone" ? gone : QString();
    };
    IsolateSettings();
    RememberLicenseFile(fileOf(remembered));
    TErrorRecorder errors;
    // No cfront.flf: out of the box no licence is active.
    const TCFrontEntryPoints library = LibraryBeside(folder, nullptr);
    TfrmMain main(library, TestSettings(), {WriteObjects(folder)}, fileOf(explicitFile));
    QCOMPARE(main.LicenseStatus->Text(), status);
    QCOMPARE(main.LicenseStatus->IsWarning(), warning);
    if (warning)
        QVERIFY(main.LicenseStatus->ToolTip().startsWith(
            QStringLiteral("Cannot load licence file \"%1\". No such file or directory")
                .arg(gone)));
    QCOMPARE(errors.Boxes.size(), error.isEmpty() ? 0 : 1);
    if (!error.isEmpty())
        QCOMPARE(errors.Boxes[0].Text, error.arg(gone));
    QCOMPARE(ColumnTexts(main, 6), permissions);
    // A licence given on the command line is not remembered.
    QCOMPARE(RememberedLicenseFile(), fileOf(remembered));
    RememberLicenseFile(QString());
}

void TLicenseWindowTest::cancelRefreshesNothing()
{
    QTemporaryDir folder;
    TDialogRecorder dialogs;
    TWindows windows;
    TfrmMain &main = *windows.Main;
    TNavisionLicenseFile &active = main.BinaryFile().LicenseFile();
    active.ChangeLicenseFile(WriteLicenseFile(folder, "first.flf", FirstLicense));
    main.OpenFile(WriteObjects(folder));
    // Changed behind the window's back: only a refresh would show it.
    active.ChangeLicenseFile(WriteLicenseFile(folder, "second.flf", SecondLicense));

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
    dialogs.Answers = {WriteLicenseFile(folder, "first.flf", FirstLicense)};
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
