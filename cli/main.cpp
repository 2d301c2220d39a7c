// quintarel-cli: lists object files for scripts and machines without a
// display, the way the desktop program reads, sorts and exports it.
#include "comparing.h"
#include "formats.h"
#include "licensenote.h"
#include "options.h"
#include "output.h"
#include "textdiffs.h"

#include "core/cfront/cfront.h"
#include "core/compare/compare.h"
#include "core/errors.h"
#include "core/model/binaryfile.h"
#include "core/reading/filenames.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>

#include <csignal>
#include <cstdio>
#include <memory>

#include <unistd.h>

namespace {

const QString StandardStream = QStringLiteral("-");

void PrintLine(const QString &line)
{
    std::fputs(MessageForDisplay(line).toLocal8Bit().constData(), stderr);
    std::fputc('\n', stderr);
}

// What a message is about: a file as the user gave it, or the stream.
QString Subject(const QString &file)
{
    return file == StandardStream ? QStringLiteral("standard input") : file;
}

// "quintarel-cli: FILE: message", the message as it came.
void PrintError(const QString &subject, const QString &message)
{
    PrintLine(QStringLiteral("quintarel-cli: %1: %2").arg(subject, message));
}

// Which order the files of a folder were read in, each order with its
// number of files and the first of them: "day/month/year in 2 files (a.txt)".
QString FileDateOrders(const TNavisionBinaryFile &model)
{
    QStringList parts;
    for (const TDateOrder order : {TDateOrder::DMY, TDateOrder::MDY, TDateOrder::YMD}) {
        int count = 0;
        QString first;
        for (const TTextFile &file : model.TextFiles()) {
            if (file.DateOrder != order)
                continue;
            if (count++ == 0)
                first = file.RelativeName;
        }
        if (count > 0)
            parts << QStringLiteral("%1 in %2 %3 (%4)")
                         .arg(DateOrderText(order))
                         .arg(count)
                         .arg(count == 1 ? QStringLiteral("file") : QStringLiteral("files"), first);
    }
    return parts.join(QStringLiteral(", "));
}

// The notes about a loaded file: no objects at all, or dates read in
// another order than the user's (unless the user named the order).
void NoteLoaded(const TNavisionBinaryFile &model, const TListerOptions &options,
                const QString &subject)
{
    if (model.GetCount() == 0 && model.HiddenObjects().Count() == 0)
        PrintLine(QStringLiteral("quintarel-cli: %1: note: no objects").arg(subject));
    if (!model.DatesInOneOrder()) {
        PrintLine(QStringLiteral("quintarel-cli: %1: note: dates read file by file, in no one "
                                 "order: %2.")
                      .arg(subject, FileDateOrders(model)));
        return;
    }
    const TDateOrder own = model.Settings().ReadDateOrder();
    if (model.DateOrderUsed() == own || (options.DateOrder != TDateOrderChoice::Automatic &&
                                         options.DateOrder != TDateOrderChoice::RegionalSettings))
        return;
    PrintLine(QStringLiteral("quintarel-cli: note: dates in \"%1\" read as %2; the regional "
                             "settings' order is %3.")
                  .arg(subject, DateOrderText(model.DateOrderUsed()), DateOrderText(own)));
}

// The licence's note, once, when the first list with a permission column
// is about to be written.
class TLicenseNote {
public:
    explicit TLicenseNote(QString note) : FNote(std::move(note)) {}
    void BeforePermissions()
    {
        if (!FNote.isEmpty())
            PrintLine(FNote);
        FNote.clear();
    }

private:
    QString FNote;
};

// The files of a folder that could not be read, and the objects that stand
// in two of its files; false when a file could not be read.
bool ReportFileProblems(const TNavisionBinaryFile &model)
{
    for (const QString &note : model.Notes())
        PrintLine(QStringLiteral("quintarel-cli: note: ") + note);
    for (const TFileProblem &problem : model.FileProblems())
        PrintError(problem.File, problem.Message);
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

// Lists or exports one file; a file's failure is reported and the run goes
// on, the output's failure ends it (TOutputError).
bool ListFile(TNavisionBinaryFile &model, const TListerOptions &options, const QString &file,
              TFormatWriter *writer, TOutputDevice &out, TLicenseNote &licenseNote)
{
    try {
        model.Clear();
        Load(model, file);
        NoteLoaded(model, options, Subject(file));
        if (options.Descending)
            model.SetSortDirection(1);
        model.SetSortKey(options.SortKey);
        if (options.ExportFile == StandardStream)
            model.SaveListToStream(out);
        else if (!options.ExportFile.isEmpty()) {
            try {
                model.SaveListToFile(options.ExportFile);
            } catch (const TError &error) {
                PrintError(options.ExportFile, error.message());
                return false;
            }
        } else {
            if (model.GetCount() > 0)
                licenseNote.BeforePermissions();
            for (int i = 0; i < model.GetCount(); ++i) {
                const TNavisionObject &object = model.GetObject(i);
                const TTextPlace *place = model.TextPlace(object);
                writer->Write({place ? model.ObjectFileName(object) : file,
                               model.IsModified(object), place ? place->Line : 0},
                              object);
            }
        }
        return ReportFileProblems(model);
    } catch (const TOutputError &) {
        throw;
    } catch (const TError &error) {
        // The export to standard output meets the output's failure as its own error.
        if (!out.Failure().isEmpty())
            throw TOutputError(out.Failure());
        PrintError(Subject(file), error.message());
        return false;
    }
}

// Both files read as the window reads one, the second model borrowing the
// first one's licence reader and taking its date order; the exit status of
// the comparison.
int Compare(TNavisionBinaryFile &model, const TListerOptions &options, TOutputDevice &out,
            TLicenseNote &licenseNote)
{
    TNavisionBinaryFile newModel(model.LicenseFile(), model.Settings());
    newModel.SetHideSystemObjects(options.HideSystemObjects);
    newModel.SetDateOrderChoice(model.DateOrderChoice());
    // The two sides read as one set: byte-identical objects never differ
    // because each side's dates were read in another order.
    const auto subject = [&](int side) {
        return QStringLiteral("%1 (%2)").arg(Subject(options.Files.at(side)),
                                             side == 0 ? QStringLiteral("old")
                                                       : QStringLiteral("new"));
    };
    QByteArray bytes;
    std::unique_ptr<QBuffer> input;
    TLoadSource sources[2];
    for (int side = 0; side < 2; ++side) {
        sources[side].Name = options.Files.at(side);
        if (sources[side].Name != StandardStream)
            continue;
        try {
            if (!input)
                input = StandardInput(bytes);
        } catch (const TError &error) {
            PrintError(subject(side), error.message());
            return 1;
        }
        sources[side].Stream = input.get();
    }
    try {
        TNavisionBinaryFile::LoadAsOneSet(model, sources[0], newModel, sources[1]);
    } catch (const TSideLoadError &error) {
        PrintError(subject(error.Side), error.message());
        return 1;
    }
    NoteLoaded(model, options, subject(0));
    NoteLoaded(newModel, options, subject(1));
    // Both sides' problems are reported, whichever fails.
    const bool oldRead = ReportFileProblems(model);
    const bool readAll = ReportFileProblems(newModel) && oldRead;
    bool differ = false;
    const TNavisionBinaryFile *binary = model.TextFiles().empty()      ? &model
                                        : newModel.TextFiles().empty() ? &newModel
                                                                       : nullptr;
    if (options.Diff && !binary) {
        // A side read from standard input has its bytes here.
        const auto bytesOf = [&](int side, const TNavisionBinaryFile &sideModel) -> TObjectBytes {
            if (sources[side].Stream)
                return [&bytes, &sideModel](const TNavisionObject &object) {
                    const TTextPlace *place = sideModel.TextPlace(object);
                    return place ? bytes.mid(place->Begin, place->End - place->Begin)
                                 : QByteArray();
                };
            return [&sideModel](const TNavisionObject &object) {
                return sideModel.ReadObjectBytes(object);
            };
        };
        try {
            WriteTextDifferences({model, bytesOf(0, model)}, {newModel, bytesOf(1, newModel)}, out);
        } catch (const TOutputError &) {
            throw;
        } catch (const TError &error) {
            PrintLine(QStringLiteral("quintarel-cli: ") + error.message());
            return 1;
        }
        differ = TObjectComparison(model, newModel).HasDifferences();
    } else {
        if (options.Diff)
            PrintLine(QStringLiteral("quintarel-cli: note: %1 is a binary object file, which holds "
                                     "no text of its objects; the changed fields follow")
                          .arg(subject(binary == &model ? 0 : 1)));
        licenseNote.BeforePermissions();
        differ = WriteComparison(model, newModel, options.All, options.Output, out);
    }
    return !readAll ? 1 : differ ? ExitDifferences : 0;
}

// Takes the desktop program's road for each file: licence, hiding,
// loading, direction, key. Returns the exit status.
int Run(const TListerOptions &options)
{
    const TCFrontEntryPoints &library = LoadCFront();
    TNavisionBinaryFile model(library, TRegionalSettings::FromSystem());
    // A licence that can't be loaded ends the run; one that grants nothing
    // is noted before the first permission column.
    if (!options.LicenseFile.isEmpty()) {
        try {
            model.LicenseFile().ChangeLicenseFile(options.LicenseFile);
        } catch (const TError &error) {
            PrintError(options.LicenseFile, error.message());
            return 1;
        }
    }
    const TActiveLicense active = model.LicenseFile().ActiveLicense();
    TLicenseNote licenseNote(options.LicenseFile.isEmpty() ? StartLicenseNote(active)
                                                           : NamedLicenseNote(active));
    if (options.HideSystemObjects)
        model.SetHideSystemObjects(true);
    model.SetDateOrderChoice(options.DateOrder);

    TOutputDevice out(STDOUT_FILENO);
    try {
        if (options.Compare)
            return Compare(model, options, out, licenseNote);
        std::unique_ptr<TFormatWriter> writer;
        if (options.ExportFile.isEmpty()) {
            writer = TFormatWriter::Create(options.Output, model.Settings(), out);
            writer->Begin();
        }
        int status = 0;
        for (const QString &file : options.Files) {
            if (!ListFile(model, options, file, writer.get(), out, licenseNote))
                status = 1;
        }
        if (writer)
            writer->End();
        return status;
    } catch (const TOutputError &error) {
        PrintError(QStringLiteral("standard output"), error.message());
        return 1;
    }
}

// The arguments as the bytes given: a file name that is not UTF-8 reaches
// the file system unchanged.
QStringList Arguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << DecodeFileName(argv[i]);
    return arguments;
}

} // namespace

int main(int argc, char *argv[])
{
    // A file size limit then fails the write with its cause instead of
    // ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication application(argc, argv);
    const TListerCommandLine commandLine = ParseListerArguments(Arguments(argc, argv).mid(1));
    if (!commandLine.Options)
        return PrintCommandLineExit(commandLine.Exit);
    try {
        return Run(*commandLine.Options);
    } catch (const TError &error) {
        // The library that can't be found, before any file.
        PrintError(QLatin1String(CFrontLibraryName), error.message());
        return 1;
    }
}
