// quintarel-cli: lists object files for scripts and machines without a
// display, the way the desktop program reads, sorts and exports it.
#include "comparing.h"
#include "formats.h"
#include "licensenote.h"
#include "options.h"

#include "core/cfront/cfront.h"
#include "core/errors.h"
#include "core/model/binaryfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <memory>

#include <unistd.h>

namespace {

void PrintError(const QString &message)
{
    std::fputs(MessageForDisplay(message).toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

// One line when the file's dates were read in another order than the user's.
void NoteDateOrder(const TNavisionBinaryFile &model, const QString &file)
{
    const TDateOrder own = model.Settings().ReadDateOrder();
    if (model.DateOrderUsed() == own)
        return;
    PrintError(QStringLiteral("quintarel-cli: note: dates in \"%1\" read as %2; the regional "
                              "settings' order is %3.")
                   .arg(file, DateOrderText(model.DateOrderUsed()), DateOrderText(own)));
}

const QString StandardStream = QStringLiteral("-");

// The files of a folder that could not be read, and the objects that stand
// in two of its files; false when a file could not be read.
bool ReportFileProblems(const TNavisionBinaryFile &model)
{
    for (const QString &note : model.Notes())
        PrintError(QStringLiteral("quintarel-cli: note: ") + note);
    for (const TFileProblem &problem : model.FileProblems())
        PrintError(problem.File + QStringLiteral(": ") + problem.Message);
    return model.FileProblems().empty();
}

// Standard input read whole: the reader needs a stream that knows its
// position and its end, which a pipe doesn't.
std::unique_ptr<QBuffer> StandardInput(QByteArray &bytes)
{
    QFile input;
    if (!input.open(STDIN_FILENO, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        throw TError(QStringLiteral("Cannot read standard input. %1").arg(input.errorString()));
    bytes = input.readAll();
    if (input.error() != QFileDevice::NoError)
        throw TError(QStringLiteral("Cannot read standard input. %1").arg(input.errorString()));
    auto buffer = std::make_unique<QBuffer>(&bytes);
    buffer->open(QIODevice::ReadOnly);
    return buffer;
}

// Reads the index from the named file, or from standard input for "-".
void Load(TNavisionBinaryFile &model, const QString &file)
{
    if (file != StandardStream) {
        model.LoadFromFile(file);
        return;
    }
    QByteArray bytes;
    model.LoadFromStream(*StandardInput(bytes));
}

// Lists or exports one file; its failure is reported and the run goes on.
bool ListFile(TNavisionBinaryFile &model, const TListerOptions &options, const QString &file,
              TFormatWriter *writer, QIODevice &out)
{
    try {
        model.Clear();
        Load(model, file);
        NoteDateOrder(model, file);
        if (options.Descending)
            model.SetSortDirection(1);
        model.SetSortKey(options.SortKey);
        if (options.ExportFile == StandardStream)
            model.SaveListToStream(out);
        else if (!options.ExportFile.isEmpty())
            model.SaveListToFile(options.ExportFile);
        else {
            for (int i = 0; i < model.GetCount(); ++i) {
                const TNavisionObject &object = model.GetObject(i);
                const TTextPlace *place = model.TextPlace(object);
                writer->Write({place ? model.ObjectFileName(object) : file,
                               model.IsModified(object), place ? place->Line : 0},
                              object);
            }
        }
        return ReportFileProblems(model);
    } catch (const TError &error) {
        // With several files, the line says which one failed.
        PrintError(options.Files.size() > 1 ? file + QStringLiteral(": ") + error.message()
                                            : error.message());
        return false;
    }
}

// Both files read as the window reads one, the second model borrowing the
// first one's licence reader and taking its date order; the exit status of
// the comparison.
int Compare(TNavisionBinaryFile &model, const TListerOptions &options)
{
    TNavisionBinaryFile newModel(model.LicenseFile(), model.Settings());
    newModel.SetHideSystemObjects(options.HideSystemObjects);
    newModel.SetDateOrderChoice(model.DateOrderChoice());
    // The two sides read as one set: byte-identical objects never differ
    // because each side's dates were read in another order.
    QByteArray bytes;
    std::unique_ptr<QBuffer> input;
    TLoadSource sources[2];
    for (int side = 0; side < 2; ++side) {
        sources[side].Name = options.Files.at(side);
        if (sources[side].Name == StandardStream) {
            if (!input)
                input = StandardInput(bytes);
            sources[side].Stream = input.get();
        }
    }
    TNavisionBinaryFile::LoadAsOneSet(model, sources[0], newModel, sources[1]);
    NoteDateOrder(model, options.Files.at(0));
    NoteDateOrder(newModel, options.Files.at(1));
    const bool readAll = ReportFileProblems(model) & ReportFileProblems(newModel);
    const bool differ = WriteComparison(model, newModel, options.All, stdout);
    return !readAll ? 1 : differ ? ExitDifferences : 0;
}

// Takes the desktop program's road for each file: licence, hiding,
// loading, direction, key. Returns the exit status.
int Run(const TListerOptions &options)
{
    const TCFrontEntryPoints &library = LoadCFront();
    TNavisionBinaryFile model(library, TRegionalSettings::FromSystem());
    // A licence that can't be loaded ends the run; one read at start that
    // grants nothing is noted, and the listing goes on.
    if (!options.LicenseFile.isEmpty())
        model.LicenseFile().ChangeLicenseFile(options.LicenseFile);
    else if (const QString note = StartLicenseNote(model.LicenseFile().ActiveLicense());
             !note.isEmpty())
        PrintError(note);
    if (options.HideSystemObjects)
        model.SetHideSystemObjects(true);
    model.SetDateOrderChoice(options.DateOrder);
    if (options.Compare)
        return Compare(model, options);

    QFile out;
    if (!out.open(STDOUT_FILENO, QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
        throw TError(QStringLiteral("Cannot write to standard output. %1").arg(out.errorString()));
    std::unique_ptr<TFormatWriter> writer;
    if (options.ExportFile.isEmpty()) {
        writer = TFormatWriter::Create(options.Output, model.Settings(), out);
        writer->Begin();
    }
    int status = 0;
    for (const QString &file : options.Files) {
        if (!ListFile(model, options, file, writer.get(), out))
            status = 1;
    }
    if (writer)
        writer->End();
    if (!out.flush())
        throw TError(QStringLiteral("Cannot write the list. %1").arg(out.errorString()));
    return status;
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
