// The program entry: the application and its title, the main window, then
// the hidden licence window, and the event loop until the main window closes.

#include "core/cfront/cfront.h"
#include "core/errors.h"
#include "core/reading/filenames.h"
#include "core/reading/regionalsettings.h"
#include "startnotes.h"
#include "ui/common/apptitle.h"
#include "ui/common/errorbox.h"
#include "ui/common/imagelists.h"
#include "ui/common/screenfit.h"
#include "ui/common/translations.h"
#include "ui/common/uistrings.h"
#include "ui/license/licform.h"
#include "ui/mainwindow/mainform.h"
#include "versionresource.h"
#include "windowoptions.h"

#include <QApplication>

#include <csignal>
#include <cstdio>

namespace {

QStringList RawArguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << DecodeFileName(argv[i]); // a file name's bytes kept, UTF-8 or not
    return arguments;
}

} // namespace

int main(int argc, char *argv[])
{
    // A file size limit then fails an export with its cause (an error box)
    // instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    // Read before the application object, which needs a display: help,
    // version and a wrong command line are answered on the terminal.
    const TWindowCommandLine commandLine = ParseWindowArguments(RawArguments(argc, argv));
    if (!commandLine.Files)
        return PrintCommandLineExit(commandLine.Exit);
    // Without a display Qt would abort; one line says why instead.
    if (const auto note = NoDisplayNote(commandLine.Platform, commandLine.DisplayGiven,
                                        QProcessEnvironment::systemEnvironment())) {
        std::fprintf(stderr, "%s\n", qPrintable(*note));
        return 1;
    }
    if (const auto note = FilesNotOpenedNote(*commandLine.Files))
        std::fprintf(stderr, "%s\n", note->toLocal8Bit().constData());

    QApplication application(argc, argv);
    // Where the settings live: ~/.config/Quintarel/quintarel.conf.
    QCoreApplication::setOrganizationName(QStringLiteral("Quintarel"));
    QCoreApplication::setApplicationName(QStringLiteral("quintarel"));
    // Before any window exists, so every text is taken in the user's language.
    InstallTranslations();
    // Every window and dialog, Qt's own too, is kept inside the screen.
    application.installEventFilter(new TScreenFitter(&application));
    SetApplicationTitle(UiStrings::ApplicationTitle());
    QApplication::setWindowIcon(ApplicationIcon());
    // Lets the desktop match the windows to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUINTAREL_APP_ID));
    SetExecutableVersionInfo(QuintarelVersionResource());

    const TCFrontEntryPoints *library = nullptr;
    try {
        library = &LoadCFront();
    } catch (const TError &error) {
        // Without the library no licence can be read: nothing to start.
        ShowErrorBox(error.message());
        return 1;
    }

    const TRegionalSettings settings = TRegionalSettings::FromSystem();
    TfrmMain mainWindow(*library, settings, *commandLine.Files, commandLine.LicenceFile);
    TfrmLicense licenseWindow(&mainWindow);
    frmLicense = &licenseWindow;

    mainWindow.show();
    const int status = QApplication::exec();
    frmLicense = nullptr;
    return status;
}
