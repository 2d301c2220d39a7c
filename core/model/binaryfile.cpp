#include "core/model/binaryfile.h"

#include "core/errors.h"
#include "core/model/fileopening.h"
#include "core/model/ordering.h"
#include "core/reading/codepage.h"
#include "core/reading/conversions.h"
#include "core/reading/datetimetext.h"
#include "core/reading/entryconverter.h"
#include "core/reading/filenames.h"
#include "core/reading/indexreader.h"
#include "core/reading/textexport.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The system's text for an error code.
QString HeldByAnotherProgram()
{
    return QCoreApplication::translate("TNavisionBinaryFile",
                                       "Another program holds the file locked");
}

// A line of the export that could not be written whole, with the cause.
struct TWriteError : TError {
    explicit TWriteError(const QString &cause)
        : TError(QCoreApplication::translate("TNavisionBinaryFile", "Cannot write the list. %1")
                     .arg(CleanCause(cause))),
          Cause(cause)
    {
    }
    QString Cause;
};

// The full path as messages show it, bytes that are no UTF-8 as \xNN.
QString FullPath(const QString &fileName)
{
    return AbsoluteFileName(fileName);
}

TError WriteFailure(const QString &path, const QString &cause)
{
    return TError(QCoreApplication::translate("TNavisionBinaryFile", "Cannot write file \"%1\". %2")
                      .arg(FullPath(path), CleanCause(cause)));
}

TError CreateError(const QString &path, const QString &cause)
{
    return TError(
        QCoreApplication::translate("TNavisionBinaryFile", "Cannot create file \"%1\". %2")
            .arg(FullPath(path), cause));
}

// An open file descriptor, closed when it goes out of scope.
class TFileDescriptor {
public:
    explicit TFileDescriptor(int fd) : Fd(fd) {}
    ~TFileDescriptor()
    {
        if (Fd >= 0)
            ::close(Fd);
    }
    TFileDescriptor(const TFileDescriptor &) = delete;
    TFileDescriptor &operator=(const TFileDescriptor &) = delete;
    int Get() const { return Fd; }

private:
    int Fd;
};

} // namespace

TNavisionBinaryFile::TNavisionBinaryFile(const TCFrontEntryPoints &library,
                                         const TRegionalSettings &settings)
    : FSettings(settings), FObjects(std::make_unique<TObjectList>(settings.Locale)),
      FHiddenObjects(std::make_unique<TObjectList>(settings.Locale))
{
    FOwnLicenseFile = std::make_unique<TNavisionLicenseFile>(library);
    FLicenseFile = FOwnLicenseFile.get();
}

TNavisionBinaryFile::TNavisionBinaryFile(TNavisionLicenseFile &licenseFile,
                                         const TRegionalSettings &settings)
    : FSettings(settings), FLicenseFile(&licenseFile),
      FObjects(std::make_unique<TObjectList>(settings.Locale)),
      FHiddenObjects(std::make_unique<TObjectList>(settings.Locale))
{
}

TNavisionBinaryFile::~TNavisionBinaryFile()
{
    Clear();
    FLicenseFile = nullptr;
    FOwnLicenseFile.reset();
    FHiddenObjects.reset();
    FObjects.reset();
}

int TNavisionBinaryFile::GetCount() const
{
    return FObjects->Count();
}

TNavisionObject &TNavisionBinaryFile::GetObject(int index) const
{
    if (index < 0 || index >= FObjects->Count())
        throw TError(
            QCoreApplication::translate("TNavisionBinaryFile", "List index out of bounds (%1)")
                .arg(index));
    return FObjects->Object(index);
}

void TNavisionBinaryFile::Clear()
{
    FObjects->Clear();
    FHiddenObjects->Clear();
    FFileName.clear();
    FVersionLists.Clear();
    FDateOrderUsed = FSettings.ReadDateOrder();
    FDatesInOneOrder = true;
    FTextFiles.clear();
    FTextPlaces.clear();
    FFileProblems.clear();
    FNotes.clear();
    FIsFolder = false;
}

void TNavisionBinaryFile::LoadFromFile(const QString &fileName)
{
    // Opened without blocking, so a FIFO or a device never stalls the reading.
    const QByteArray path = EncodeFileName(fileName);
    TFileDescriptor fd(::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.Get() < 0)
        throw OpenError(fileName, SystemMessage(errno));
    struct stat status {};
    if (::fstat(fd.Get(), &status) != 0)
        throw OpenError(fileName, SystemMessage(errno));
    if (S_ISDIR(status.st_mode)) {
        TTextSet set = ReadTextFolder(fileName);
        BeginLoad();
        LoadTextSet(set, ChooseDateOrders({&set}, FSettings, FDateOrderChoice));
        FFileName = fileName;
        return;
    }
    if (!S_ISREG(status.st_mode))
        throw OpenError(fileName, QCoreApplication::translate("TNavisionBinaryFile",
                                                              "It is not a regular file"));
    // Others may read the file while it is read, but a writer holding an
    // exclusive lock keeps it from being opened (advisory, as Linux has no
    // sharing modes).
    if (::flock(fd.Get(), LOCK_SH | LOCK_NB) != 0)
        throw OpenError(fileName,
                        errno == EWOULDBLOCK ? HeldByAnotherProgram() : SystemMessage(errno));

    QFile file;
    if (!file.open(fd.Get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        throw OpenError(fileName, file.errorString());
    try {
        LoadTextOrBinary(file, fileName);
    } catch (TError &error) {
        error.SetFileName(FullPath(fileName));
        throw;
    }
    FFileName = fileName;
}

void TNavisionBinaryFile::LoadFromStream(QIODevice &stream)
{
    LoadTextOrBinary(stream, QString());
}

void TNavisionBinaryFile::LoadTextOrBinary(QIODevice &stream, const QString &name)
{
    BeginLoad();
    if (IsTextExport(stream)) {
        TTextSet set = ReadTextStream(stream, name);
        LoadTextSet(set, ChooseDateOrders({&set}, FSettings, FDateOrderChoice));
        return;
    }
    LoadBinaryStream(stream);
}

void TNavisionBinaryFile::LoadBinaryStream(QIODevice &stream)
{
    const qint64 start = stream.pos();
    const int hiddenBefore = FHiddenObjects->Count();
    FDateOrderUsed = FSettings.ReadDateOrder();
    FDatesInOneOrder = true;
    // Reading again needs the start once more; a pipe has it no longer.
    const TDateOrderChoice choice =
        stream.isSequential() && FDateOrderChoice == TDateOrderChoice::Automatic
            ? TDateOrderChoice::RegionalSettings
            : FDateOrderChoice;
    bool again = false;
    const TDateOrder used =
        ReadInDateOrder(FSettings, choice, [&](const TRegionalSettings &settings) {
            if (again) {
                if (!stream.seek(start))
                    throw TError(QCoreApplication::translate("TNavisionBinaryFile",
                                                             "Cannot read the index again. %1")
                                     .arg(CleanCause(stream.errorString())));
                DropHiddenAfter(hiddenBefore);
            }
            again = true;
            FObjects->Empty();
            FVersionLists.Clear();
            ReadIndex(stream, settings);
        });
    FDateOrderUsed = used;
}

void TNavisionBinaryFile::DropHiddenAfter(int count)
{
    if (FHiddenObjects->Count() <= count)
        return;
    // A try only appends, so what it added stands after the first count.
    FHiddenObjects->Truncate(count);
}

void TNavisionBinaryFile::ReadIndex(QIODevice &stream, const TRegionalSettings &settings)
{
    // Room for as many objects as the bytes left could hold, so that nothing
    // grows while they are read.
    if (!stream.isSequential())
        FObjects->Reserve(size_t(std::max<qint64>(0, stream.size() - stream.pos())) /
                          TNavisionObject::EntrySize);
    const TEntryConverter converter(settings, &FVersionLists);
    TIndexEntryReader reader(stream);
    // Objects are appended as they come, and the repeated keys are dropped
    // once the reading ends, however it ends: a million keys looked up one
    // by one in a table would wait for memory at each.
    const int hiddenBefore = FHiddenObjects->Count();
    const auto dropRepeatedKeys = [&] {
        FObjects->DropRepeatedKeys(0);
        FHiddenObjects->DropRepeatedKeys(hiddenBefore);
    };
    try {
        for (QByteArrayView entry; !(entry = reader.NextObjectEntry()).isEmpty();) {
            std::optional<TNavisionObject> converted;
            try {
                converted.emplace(entry, converter);
            } catch (TError &error) {
                reader.SetPlace(error, entry);
                throw;
            }
            TNavisionObject &object = *converted;
            object.SetPermissions(FLicenseFile->GetPermissions(object.ObjectType(), object.ID()));
            const TNavisionObject &listed = TargetList(object).AppendUnchecked(std::move(object));
            // Repeated ones are reported too.
            if (OnObjectLoaded)
                OnObjectLoaded(*this, listed);
        }
    } catch (...) {
        dropRepeatedKeys();
        throw;
    }
    dropRepeatedKeys();
}

TObjectList &TNavisionBinaryFile::TargetList(const TNavisionObject &object)
{
    return (FHideSystemObjects && object.IsSystemObject()) ? *FHiddenObjects : *FObjects;
}

bool TNavisionBinaryFile::AddObject(std::unique_ptr<TNavisionObject> &object)
{
    TObjectList &list = TargetList(*object);
    const int before = list.Count();
    list.AppendUnchecked(TNavisionObject(*object));
    list.DropRepeatedKeys(before);
    if (list.Count() == before)
        return false;
    object.reset(); // the list holds its own copy
    return true;
}

void TNavisionBinaryFile::SetHideSystemObjects(bool value)
{
    FHideSystemObjects = value;
    // Entries move as they are, last to first, without comparing keys.
    if (value) {
        for (auto &entry : FObjects->TakeReversed(
                 [](const TNavisionObject &object) { return object.IsSystemObject(); }))
            FHiddenObjects->Append(std::move(entry));
    } else {
        for (auto &entry :
             FHiddenObjects->TakeReversed([](const TNavisionObject &) { return true; }))
            FObjects->Append(std::move(entry));
    }
}

void TNavisionBinaryFile::RefreshPermissions()
{
    for (int i = 0; i < FObjects->Count(); ++i) {
        TNavisionObject &object = FObjects->Object(i);
        object.SetPermissions(FLicenseFile->GetPermissions(object.ObjectType(), object.ID()));
    }
}

int32_t TNavisionBinaryFile::GetSortKey() const
{
    return CurrentSortKey();
}
int32_t TNavisionBinaryFile::GetSortDirection() const
{
    return CurrentSortDirection();
}

void TNavisionBinaryFile::SetSortKey(int32_t value)
{
    StoreSortKey(value);
    Sort();
}

void TNavisionBinaryFile::SetSortDirection(int32_t value)
{
    StoreSortDirection(value);
    Sort();
}

void TNavisionBinaryFile::Sort()
{
    SortObjectList(*FObjects);
}

void TNavisionBinaryFile::SaveListToStream(QIODevice &stream) const
{
    WriteListLines(stream, GetCount(), [](int i) { return i; });
}

void TNavisionBinaryFile::SavePositionsToStream(QIODevice &stream,
                                                const std::vector<int> &positions) const
{
    WriteListLines(stream, int(positions.size()), [&](int i) { return positions[size_t(i)]; });
}

void TNavisionBinaryFile::WriteListLines(QIODevice &stream, int count,
                                         const std::function<int(int)> &positionOf) const
{
    const TDateTimeTextWriter dateTimes(FSettings);
    QByteArray line;
    for (int i = 0; i < count; ++i) {
        line.resize(0); // keeps its capacity for the next line
        GetObject(positionOf(i)).AppendListLine(line, dateTimes);
        // One write per line; only what a short write left over is written again,
        // so a full disk ends with the system's cause rather than silently.
        for (qsizetype written = 0; written < line.size();) {
            const qint64 result = stream.write(line.constData() + written, line.size() - written);
            if (result <= 0)
                throw TWriteError(stream.errorString());
            written += result;
        }
    }
}

void TNavisionBinaryFile::SaveListToFile(const QString &path) const
{
    WriteFile(path, [this](QIODevice &file) { SaveListToStream(file); });
}

void TNavisionBinaryFile::SavePositionsToFile(const QString &path,
                                              const std::vector<int> &positions) const
{
    WriteFile(path, [&](QIODevice &file) { SavePositionsToStream(file, positions); });
}

void TNavisionBinaryFile::WriteFile(const QString &path,
                                    const std::function<void(QIODevice &)> &write) const
{
    const QByteArray name = EncodeFileName(path);
    struct stat status {};
    const bool exists = ::stat(name.constData(), &status) == 0;
    if (exists && S_ISDIR(status.st_mode))
        throw CreateError(path, SystemMessage(EISDIR));
    // A device such as /dev/full can't be replaced, and Qt's files carry
    // only names that are UTF-8: those are written where they are.
    if ((exists && !S_ISREG(status.st_mode)) || QFile::encodeName(path) != name)
        WriteInPlace(path, write);
    else
        WriteReplacing(path, exists, write);
}

void TNavisionBinaryFile::WriteReplacing(const QString &path, bool exists,
                                         const std::function<void(QIODevice &)> &write) const
{
    // The system's own cause when the file or its folder refuses the writing.
    const QByteArray name = EncodeFileName(path);
    const QString fullPath = FullPath(path);
    const QByteArray folder =
        EncodeFileName(fullPath.left(std::max<qsizetype>(1, fullPath.lastIndexOf(u'/'))));
    if (exists ? ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0
               : ::faccessat(AT_FDCWD, folder.constData(), W_OK | X_OK, AT_EACCESS) != 0)
        throw CreateError(path, SystemMessage(errno));
    // No other opener of the old file while the new one is written (advisory).
    TFileDescriptor old(exists ? ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC) : -1);
    if (exists && (old.Get() < 0 || ::flock(old.Get(), LOCK_EX | LOCK_NB) != 0))
        throw CreateError(path,
                          errno == EWOULDBLOCK ? HeldByAnotherProgram() : SystemMessage(errno));

    // Written beside it and put in its place only when whole: a failure
    // leaves the file that was there, or none.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw CreateError(path, CleanCause(file.errorString()));
    try {
        write(file);
    } catch (const TWriteError &error) {
        file.cancelWriting();
        throw WriteFailure(path, error.Cause);
    }
    if (!file.commit())
        throw WriteFailure(path, file.errorString());
}

void TNavisionBinaryFile::WriteInPlace(const QString &path,
                                       const std::function<void(QIODevice &)> &write) const
{
    const QByteArray name = EncodeFileName(path);
    TFileDescriptor fd(::open(name.constData(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666));
    if (fd.Get() < 0)
        throw CreateError(path, SystemMessage(errno));
    struct stat status {};
    if (::fstat(fd.Get(), &status) != 0)
        throw CreateError(path, SystemMessage(errno));
    // No other opener while it is written (advisory). Only a regular file is
    // emptied; a device such as /dev/full is written as it is.
    if (S_ISREG(status.st_mode)) {
        if (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0)
            throw CreateError(path,
                              errno == EWOULDBLOCK ? HeldByAnotherProgram() : SystemMessage(errno));
        if (::ftruncate(fd.Get(), 0) != 0)
            throw CreateError(path, SystemMessage(errno));
    }

    QFile file;
    if (!file.open(fd.Get(), QIODevice::WriteOnly | QIODevice::Unbuffered,
                   QFileDevice::DontCloseHandle))
        throw CreateError(path, file.errorString());
    try {
        write(file);
    } catch (const TWriteError &error) {
        throw WriteFailure(path, error.Cause);
    }
}
