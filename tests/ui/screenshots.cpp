// Takes the pictures of the program's windows for the README and for a look
// at them as a user sees them: scripts/screenshot.sh runs it under Xvfb.
//
//   quintarel-screenshots OUTPUT-FOLDER OBJECT-FILE [NEWER-OBJECT-FILE]
//       builds the windows as the program does, opens the file, sorts by
//       name, selects a row, and saves mainwindow.png, mainwindow-viewmenu.png,
//       license.png, about.png and exportlist.png (the save dialog, cancelled);
//       with a newer file, File, Compare With... on it gives compare.png, and
//       the same window in a dark palette compare-dark.png; an object's text
//       and two versions of it side by side, objecttext.png and
//       difference.png, also in a dark palette (-dark.png).
//   quintarel-screenshots --filter OUTPUT-FOLDER OBJECT-FILE
//       the main window with the filter bar open, keeping the objects whose
//       name, version list or ID holds "sales": mainwindow-filter.png; under a German
//       locale (LANG=de_DE.UTF-8) the program's German texts show, and the
//       picture is named mainwindow-de.png.
//   quintarel-screenshots --screen PNG
//       saves the whole screen (the real program, started beside it).

#include "core/cfront/cfront.h"
#include "core/errors.h"
#include "ui/common/apptitle.h"
#include "ui/common/imagelists.h"
#include "ui/common/screenfit.h"
#include "ui/common/translations.h"
#include "ui/common/uistrings.h"
#include "ui/compare/compareform.h"
#include "ui/compare/comparemodel.h"
#include "ui/filter/filterbar.h"
#include "ui/license/licform.h"
#include "ui/mainwindow/mainform.h"
#include "ui/objectlist/objectlistview.h"
#include "ui/objecttext/codeview.h"
#include "ui/objecttext/differenceform.h"
#include "ui/objecttext/findbar.h"
#include "ui/objecttext/objecttextform.h"
#include "versionresource.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

bool Save(const QPixmap &picture, const QString &path)
{
    if (!picture.save(path)) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Lets the X server draw what was asked for.
void Settle()
{
    QTest::qWait(400);
}

// Saves the modal window that the command opens, then closes it.
bool SaveModal(QAction *command, const QString &path)
{
    bool saved = false;
    QTimer::singleShot(600, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            saved = Save(modal->grab(), path);
            modal->close();
        }
    });
    command->trigger();
    return saved;
}

int SaveScreen(const QString &path)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    return screen && Save(screen->grabWindow(0), path) ? 0 : 1;
}

QPalette DarkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 48));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(45, 45, 48));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(38, 79, 120));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    return dark;
}

// A codeunit as an export holds it, and a later version of it.
const char *const OldCodeunit = R"(OBJECT Codeunit 50000 Sales Check
{
  OBJECT-PROPERTIES
  {
    Date=09/15/15;
    Time=15:18:31;
    Version List=NAVW17.00;
  }
  PROPERTIES
  {
    TableNo=36;
    OnRun=BEGIN
            { Checks the header before posting }
            IF "Sell-to Customer No." = '' THEN
              ERROR('Customer''s number is missing');
            CheckLines(Rec);
          END;

  }
  CODE
  {

    LOCAL PROCEDURE CheckLines@1(SalesHeader@1000 : Record 36);
    VAR
      SalesLine@1001 : Record 37;
    BEGIN
      SalesLine.SETRANGE("Document No.",SalesHeader."No.");
      IF SalesLine.ISEMPTY THEN
        ERROR('Nothing to post'); // an empty order
    END;

    BEGIN
    {
      Documentation: the checks before posting an order
    }
    END.
  }
}
)";

QString NewCodeunit()
{
    QString text = QString::fromUtf8(OldCodeunit);
    text.replace(QStringLiteral("Time=15:18:31;"), QStringLiteral("Time=09:02:11;"));
    text.replace(QStringLiteral("              ERROR('Customer''s number is missing');\n"),
                 QStringLiteral("              ERROR('Customer''s number is missing');\n"
                                "            TESTFIELD(\"Posting Date\");\n"));
    text.replace(QStringLiteral("'Nothing to post'"), QStringLiteral("'No lines to post'"));
    return text;
}

// The text viewer with the find bar open, and the difference view, each in
// the palette the program has and in a dark one.
bool SaveObjectTexts(const QDir &out)
{
    const QPalette light = QApplication::palette();
    bool ok = true;
    for (const bool darkPalette : {false, true}) {
        QApplication::setPalette(darkPalette ? DarkPalette() : light);
        const QString suffix = darkPalette ? QStringLiteral("-dark") : QString();
        TfrmObjectText viewer;
        viewer.ShowText(QStringLiteral("Codeunit 50000 Sales Check"),
                        QStringLiteral("ORIGINAL/COD50000.TXT"), 120,
                        QString::fromUtf8(OldCodeunit));
        viewer.resize(720, 640);
        viewer.show();
        viewer.actEditFind->trigger();
        viewer.barFind->edtFind->setText(QStringLiteral("SalesLine"));
        viewer.barFind->FindNext();
        QApplication::setActiveWindow(&viewer);
        Settle();
        ok =
            Save(viewer.grab(), out.filePath(QStringLiteral("objecttext%1.png").arg(suffix))) && ok;

        TfrmDifference difference;
        difference.ShowDifference(
            QStringLiteral("Codeunit 50000 Sales Check"),
            {QStringLiteral("ORIGINAL/COD50000.TXT"), 120, QString::fromUtf8(OldCodeunit)},
            {QStringLiteral("MODIFIED/COD50000.TXT"), 1, NewCodeunit()});
        difference.resize(1100, 640);
        difference.show();
        difference.actViewNextChange->trigger();
        QApplication::setActiveWindow(&difference);
        Settle();
        ok =
            Save(difference.grab(), out.filePath(QStringLiteral("difference%1.png").arg(suffix))) &&
            ok;
    }
    QApplication::setPalette(light);
    return ok;
}

// File, Compare With... on the newer file, a changed row selected; then the
// same in a dark palette, to see that the marks stay readable.
bool SaveComparison(TfrmMain &mainWindow, const QString &newerFile, const QDir &out)
{
    const TFileDialog::TRunner previous = TFileDialog::SetRunner(
        [&](QWidget *, const TFileDialog &) -> std::optional<QString> { return newerFile; });
    mainWindow.actFileCompareWith->trigger();
    TFileDialog::SetRunner(previous);
    const QList<TfrmCompare *> windows = mainWindow.findChildren<TfrmCompare *>();
    if (windows.isEmpty()) {
        std::fprintf(stderr, "The comparison window did not open\n");
        return false;
    }
    TfrmCompare &compare = *windows.back();
    compare.move(mainWindow.pos() + QPoint(40, 60));
    compare.lvwCompare->setFocus();
    compare.lvwCompare->setCurrentIndex(compare.Model().index(1, 0));
    QApplication::setActiveWindow(&compare);
    Settle();
    bool ok = Save(compare.grab(), out.filePath(QStringLiteral("compare.png")));

    const QPalette light = QApplication::palette();
    QApplication::setPalette(DarkPalette());
    compare.chkShowUnchanged->setChecked(true);
    Settle();
    ok = Save(compare.grab(), out.filePath(QStringLiteral("compare-dark.png"))) && ok;
    QApplication::setPalette(light);
    compare.close();
    return ok;
}

// The licence beside the object file (samples/demo.flf), as make run starts
// with it; empty when there is none.
QString LicenseBeside(const QString &objectFile)
{
    const QString license = QFileInfo(objectFile).dir().filePath(QStringLiteral("demo.flf"));
    return QFileInfo::exists(license) ? license : QString();
}

int SaveWindows(const QString &folder, const QString &objectFile, const QString &newerFile)
{
    QDir().mkpath(folder);
    QDir out(folder);

    InstallTranslations(); // English under the script's locale; LANGUAGE=xx to look at one
    SetApplicationTitle(UiStrings::ApplicationTitle());
    QApplication::setWindowIcon(ApplicationIcon());
    SetExecutableVersionInfo(QuintarelVersionResource());
    const TCFrontEntryPoints &library = LoadCFront();

    TfrmMain mainWindow(library, TRegionalSettings::FromSystem(), {objectFile},
                        LicenseBeside(objectFile));
    TfrmLicense licenseWindow(&mainWindow);
    frmLicense = &licenseWindow;
    mainWindow.actViewSortByName->trigger();
    mainWindow.lvwMain->setFocus();
    mainWindow.lvwMain->setCurrentIndex(mainWindow.ListModel().index(4, 0));
    QApplication::setActiveWindow(&mainWindow);
    Settle();

    bool ok = Save(mainWindow.grab(), out.filePath(QStringLiteral("mainwindow.png")));

    // The View menu open over the window, as the screen shows it.
    const QPoint menuAt = mainWindow.mmbMain->mapToGlobal(
        mainWindow.mmbMain->actionGeometry(mainWindow.mnuView->menuAction()).bottomLeft());
    mainWindow.mnuView->popup(menuAt);
    Settle();
    const QRect area = mainWindow.frameGeometry().united(mainWindow.mnuView->geometry());
    ok = Save(QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(),
                                                           area.height()),
              out.filePath(QStringLiteral("mainwindow-viewmenu.png"))) &&
         ok;
    mainWindow.mnuView->hide();
    Settle();

    ok = SaveModal(mainWindow.actToolsLicenseFile, out.filePath(QStringLiteral("license.png"))) &&
         ok;
    ok = SaveModal(mainWindow.actHelpAbout, out.filePath(QStringLiteral("about.png"))) && ok;
    ok = SaveModal(mainWindow.actFileExportList, out.filePath(QStringLiteral("exportlist.png"))) &&
         ok;
    if (!newerFile.isEmpty())
        ok = SaveComparison(mainWindow, newerFile, out) && ok;
    ok = SaveObjectTexts(out) && ok;
    frmLicense = nullptr;
    return ok ? 0 : 1;
}

int SaveFilteredWindow(const QString &folder, const QString &objectFile)
{
    QDir().mkpath(folder);
    const bool translated = InstallTranslations();
    SetApplicationTitle(UiStrings::ApplicationTitle());
    QApplication::setWindowIcon(ApplicationIcon());
    TfrmMain mainWindow(LoadCFront(), TRegionalSettings::FromSystem(), {objectFile},
                        LicenseBeside(objectFile));
    mainWindow.actViewFilter->trigger();
    mainWindow.barFilter->edtFilterText->setText(QStringLiteral("sales"));
    mainWindow.lvwMain->setCurrentIndex(mainWindow.ListModel().index(1, 0));
    QApplication::setActiveWindow(&mainWindow);
    Settle();
    // In a translation, the picture carries its language's code.
    const QStringList languages = QLocale().uiLanguages();
    const QString name =
        translated ? QStringLiteral("mainwindow-%1.png")
                         .arg(QLocale::languageToCode(QLocale(languages.value(0)).language()))
                   : QStringLiteral("mainwindow-filter.png");
    return Save(mainWindow.grab(), QDir(folder).filePath(name)) ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    application.installEventFilter(new TScreenFitter(&application));
    // Pictures start from a first run: no remembered size or recent files,
    // and nothing written to the user's settings.
    const QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.size() == 3 && arguments[0] == QLatin1String("--filter")) {
        try {
            return SaveFilteredWindow(arguments[1], arguments[2]);
        } catch (const TError &error) {
            std::fprintf(stderr, "%s\n", qPrintable(error.message()));
            return 1;
        }
    }
    if (arguments.size() == 2 && arguments[0] == QLatin1String("--screen"))
        return SaveScreen(arguments[1]);
    if (arguments.size() != 2 && arguments.size() != 3) {
        std::fprintf(stderr, "usage: quintarel-screenshots OUTPUT-FOLDER OBJECT-FILE "
                             "[NEWER-OBJECT-FILE]\n"
                             "       quintarel-screenshots --screen PNG\n");
        return 2;
    }
    try {
        return SaveWindows(arguments[0], arguments[1], arguments.value(2));
    } catch (const TError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
}
