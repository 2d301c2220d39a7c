// A loaded libcfront.so with its thirteen entry points, and a session that
// calls them in the order the program does.
#pragma once

#include "core/cfront/cfront.h"

#include <QByteArray>
#include <QLibrary>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The library this build made.
inline QString BuiltLibraryPath()
{
    return QStringLiteral(CFRONT_LIBRARY_PATH);
}

// The exported name of every entry point, as the program resolves them.
QStringList EntryPointNames();

// The entry points are the program's own table, resolved as the program does.
class TCFrontLibrary : public TCFrontEntryPoints {
public:
    explicit TCFrontLibrary(const QString &path);
    ~TCFrontLibrary();
    TCFrontLibrary(const TCFrontLibrary &) = delete;
    TCFrontLibrary &operator=(const TCFrontLibrary &) = delete;

    // Empty when the library loaded and every entry point resolved.
    QString Error() const { return LoadError; }

private:
    QLibrary Library;
    QString LoadError;
};

// Fields 10 to 14 (Read, Insert, Modify, Delete, Execute) of a permission
// record.
using TRights = QList<int32_t>;
// The fields a licence line's letters grant: "RX" gives 1, 0, 0, 0, 1; a
// lower-case letter grants indirectly, "Rx" gives 1, 0, 0, 0, 2.
TRights RightsOf(const QByteArray &letters);

// Ordinal 3, both tables opened with a record each; ordinal 4 at the end.
// Steps that the program never expects to fail are checked as test failures.
class TCFrontSession {
public:
    explicit TCFrontSession(const TCFrontLibrary &library);
    ~TCFrontSession();
    TCFrontSession(const TCFrontSession &) = delete;
    TCFrontSession &operator=(const TCFrontSession &) = delete;

    bool SetLicenceFile(const QString &path);
    // The licence report's state, and one of its texts.
    int32_t State() const;
    QByteArray StatusText(int32_t item) const;

    // The rights a "=" search on type and number loads; empty when it finds
    // nothing.
    std::optional<TRights> Lookup(int32_t objectType, int32_t number);
    // Every information line, read the way the program does ("-", then next).
    QList<QByteArray> InformationLines();

    // The program's single steps.
    void SetKey(CFHandle table, CFHandle record, int32_t field, int32_t value);
    bool Find(CFHandle table, CFHandle record, const char *searchText);
    std::optional<int32_t> ReadInteger(CFHandle table, CFHandle record, int32_t field);
    std::optional<QByteArray> ReadText(CFHandle table, CFHandle record, int32_t field);
    std::optional<TRights> ReadRights(CFHandle record);

    const TCFrontLibrary &Api;
    CFHandle PermissionTable = 0;
    CFHandle PermissionRecord = 0;
    CFHandle InformationTable = 0;
    CFHandle InformationRecord = 0;
};

// Information text (size 251) and integer field numbers.
inline constexpr int32_t TextBufferSize = 251;
inline constexpr int32_t InformationTextField = 2;
inline constexpr int32_t TypeField = 1;
inline constexpr int32_t NumberField = 2;
