// Opening a file the user asked for, so that a failed read never strands
// them: the file they had comes back, and Reload and Read Dates As act on
// the file that failed while nothing is shown.
#include "ui/mainwindow/mainform.h"

#include "core/errors.h"
#include "core/reading/dateorder.h"
#include "core/reading/filenames.h"

#include <QFileInfo>

#include <optional>

namespace {

// The order an explicit choice reads dates in; none for Automatic, which
// tries them all.
std::optional<TDateOrder> ChosenDateOrder(const TNavisionBinaryFile &model)
{
    switch (model.DateOrderChoice()) {
    case TDateOrderChoice::Automatic:
        return std::nullopt;
    case TDateOrderChoice::RegionalSettings:
        return model.Settings().ReadDateOrder();
    case TDateOrderChoice::DMY:
        return TDateOrder::DMY;
    case TDateOrderChoice::MDY:
        return TDateOrder::MDY;
    case TDateOrderChoice::YMD:
        return TDateOrder::YMD;
    }
    return std::nullopt;
}

QString ShownName(const QString &fileName)
{
    return FileNameForDisplay(QFileInfo(fileName).fileName());
}

} // namespace

QString TfrmMain::FileToRead() const
{
    return FBinaryFile->FileName().isEmpty() ? FAskedFile : FBinaryFile->FileName();
}

void TfrmMain::OpenAskedFile(const QString &fileName)
{
    const QString had = FBinaryFile->FileName();
    FAskedFile = AbsoluteFileName(fileName);
    try {
        OpenFile(fileName);
        return;
    } catch (const TDateTimeConversionError &error) {
        const std::optional<TDateOrder> order = ChosenDateOrder(*FBinaryFile);
        if (!order) {
            RestoreFile(had, fileName);
            throw;
        }
        // The order goes with the cause, before the entry's place.
        TError named(tr("%1 (read as %2)").arg(error.cause(), DateOrderText(*order)));
        if (error.place())
            named.SetPlace(*error.place());
        if (!error.fileName().isEmpty())
            named.SetFileName(error.fileName());
        RestoreFile(had, fileName);
        throw named;
    } catch (...) {
        RestoreFile(had, fileName);
        throw;
    }
}

// Reads the file shown before a failed open of another file again; the
// status bar says which failed. A file that no longer reads stays closed.
void TfrmMain::RestoreFile(const QString &had, const QString &failed)
{
    if (had.isEmpty() || AbsoluteFileName(had) == FAskedFile)
        return;
    try {
        OpenFile(had);
    } catch (...) {
        return;
    }
    FAskedFile = FBinaryFile->FileName();
    ShowStatusNote(
        tr("%1 could not be read; %2 is shown again").arg(ShownName(failed), ShownName(had)));
}

void TfrmMain::ShowStatusNote(const QString &note)
{
    stbMain->SetSimpleText(note);
}
