#include "core/cfront/cfront.h"

#include "core/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <memory>
#include <vector>

namespace {

// Each entry point of the table with the symbol that exports it.
template <typename T>
void Resolve(QLibrary &library, T &entry, const char *symbol, QStringList &missing)
{
    entry = reinterpret_cast<T>(library.resolve(symbol));
    if (!entry)
        missing << QString::fromLatin1(symbol);
}

} // namespace

TCFrontEntryPoints ResolveCFront(QLibrary &library)
{
    TCFrontEntryPoints entries;
    QStringList missing;
    Resolve(library, entries.Init, "cfront_3_Init", missing);
    Resolve(library, entries.OpenTable, "cfront_12_OpenTable", missing);
    Resolve(library, entries.AllocRecord, "cfront_65_AllocRecord", missing);
    Resolve(library, entries.FieldType, "cfront_36_FieldType", missing);
    Resolve(library, entries.AssignField, "cfront_41_AssignField", missing);
    Resolve(library, entries.SetSearchMode, "cfront_1_SetSearchMode", missing);
    Resolve(library, entries.FindRecord, "cfront_16_FindRecord", missing);
    Resolve(library, entries.NextRecord, "cfront_17_NextRecord", missing);
    Resolve(library, entries.GetFieldData, "cfront_44_GetFieldData", missing);
    Resolve(library, entries.SetLicenseFile, "cfront_89_SetLicenseFile", missing);
    Resolve(library, entries.FreeRecord, "cfront_66_FreeRecord", missing);
    Resolve(library, entries.CloseTable, "cfront_14_CloseTable", missing);
    Resolve(library, entries.Done, "cfront_4_Done", missing);
    // Optional: a library without it serves all the same.
    entries.LicenseStatus =
        reinterpret_cast<CFLicenceStatusFn>(library.resolve("cfront_LicenceStatus"));
    if (!missing.isEmpty()) {
        throw TError(
            QCoreApplication::translate(
                "TCFront", "The database access library \"%1\" lacks the entry point(s) %2")
                .arg(library.fileName(), missing.join(QStringLiteral(", "))));
    }
    return entries;
}

TCFrontEntryPoints LoadCFrontFrom(const QStringList &folders)
{
    QStringList tried;
    for (const QString &folder : folders) {
        const QString path = QDir(folder).absoluteFilePath(QString::fromLatin1(CFrontLibraryName));
        if (!QFile::exists(path))
            continue;
        // Never unloaded: the licence reader uses it until the program ends.
        // Held in a list that is never destroyed, so it is kept, not lost.
        static auto *const loaded = new std::vector<std::unique_ptr<QLibrary>>;
        auto library = std::make_unique<QLibrary>(path);
        if (!library->load()) {
            throw TError(QCoreApplication::translate(
                             "TCFront", "Cannot load the database access library \"%1\". %2")
                             .arg(path, library->errorString()));
        }
        loaded->push_back(std::move(library));
        return ResolveCFront(*loaded->back());
    }
    for (const QString &folder : folders)
        tried << QDir(folder).absolutePath();
    throw TError(
        QCoreApplication::translate("TCFront",
                                    "Cannot find the database access library \"%1\" in %2")
            .arg(QString::fromLatin1(CFrontLibraryName), tried.join(QStringLiteral(", "))));
}

QStringList CFrontFolders(const QString &programFolder)
{
    // The private library folder is found from the program's own folder, so
    // an installed tree works wherever it was put (another prefix, a scratch
    // root a package was extracted into).
    const QString installed = QDir::cleanPath(programFolder + QLatin1Char('/') +
                                              QStringLiteral(QUINTAREL_PRIVATE_LIBDIR_FROM_BINDIR));
    return {programFolder, installed};
}

const TCFrontEntryPoints &LoadCFront()
{
    static const TCFrontEntryPoints entries =
        LoadCFrontFrom(CFrontFolders(QCoreApplication::applicationDirPath()));
    return entries;
}
