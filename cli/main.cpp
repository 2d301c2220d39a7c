// quintarel-cli: lists an object file for scripts and machines without a
// display, the way the desktop program reads, sorts and exports it.
#include "comparing.h"
#include "licencenote.h"
#include "listing.h"
#include "options.h"

#include "binaryfile.h"
#include "cfront.h"
#include "errors.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

void PrintError(const QString &message)
{
    std::fputs(MessageForDisplay(message).toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

// One line when the file's dates were read in another order than the user's.
void NoteDateOrder(const TNavisionBinaryFile &model)
{
    const TDateOrder own = model.Settings().ReadDateOrder();
    if (model.DateOrderUsed() == own)
        return;
    PrintError(
        QStringLiteral("quintarel-cli: note: dates in \"%1\" read as %2; the regional "
                       "settings' order is %3.")
            .arg(model.FileName(), DateOrderText(model.DateOrderUsed()), DateOrderText(own)));
}

// Both files read as the window reads one, the second model borrowing the
// first one's licence reader and taking its date order; the exit status of
// the comparison.
int Compare(TNavisionBinaryFile &model, const TListerOptions &options)
{
    TNavisionBinaryFile newModel(model.LicenseFile(), model.Settings());
    newModel.SetHideSystemObjects(options.HideSystemObjects);
    newModel.SetDateOrderChoice(model.DateOrderChoice());
    model.LoadFromFile(options.Files.at(0));
    NoteDateOrder(model);
    newModel.LoadFromFile(options.Files.at(1));
    NoteDateOrder(newModel);
    return WriteComparison(model, newModel, options.All, stdout) ? ExitDifferences : 0;
}

// Takes the desktop program's road: licence, hiding, loading, direction, key.
int Run(const TListerOptions &options)
{
    const TCFrontEntryPoints &library = LoadCFront();
    TNavisionBinaryFile model(library, TRegionalSettings::FromSystem());
    // A licence that can't be loaded ends the run; one read at start that
    // grants nothing is noted, and the listing goes on.
    if (!options.LicenseFile.isEmpty())
        model.LicenseFile().ChangeLicenseFile(options.LicenseFile);
    else if (const QString note = StartLicenceNote(model.LicenseFile().ActiveLicence());
             !note.isEmpty())
        PrintError(note);
    if (options.HideSystemObjects)
        model.SetHideSystemObjects(true);
    model.SetDateOrderChoice(options.DateOrder);
    if (options.Compare)
        return Compare(model, options);
    model.LoadFromFile(options.Files.constFirst());
    NoteDateOrder(model);
    if (options.Descending)
        model.SetSortDirection(1);
    model.SetSortKey(options.SortKey);

    if (!options.ExportFile.isEmpty()) {
        model.SaveListToFile(options.ExportFile);
        return 0;
    }
    for (int i = 0; i < model.GetCount(); ++i) {
        const QByteArray line = ListingLine(model.GetObject(i), model.Settings());
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        throw TError(QStringLiteral("Cannot write the list to standard output"));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const TListerCommandLine commandLine = ParseListerArguments(application.arguments().mid(1));
    if (!commandLine.Options)
        return PrintCommandLineExit(commandLine.Exit);
    try {
        return Run(*commandLine.Options);
    } catch (const TError &error) {
        PrintError(error.message());
        return 1;
    }
}
