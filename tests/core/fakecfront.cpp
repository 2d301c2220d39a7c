#include "fakecfront.h"

#include <cstring>

namespace {

TFakeCFront *Fake = nullptr;

constexpr CFHandle PermissionTable = 43, InformationTable = 40;
constexpr CFHandle PermissionRecord = 143, InformationRecord = 140;

void Log(const QString &call)
{
    Fake->Calls << call;
}

int32_t Init()
{
    Log(QStringLiteral("3"));
    return 0;
}
int32_t OpenTable(CFHandle *table, int32_t number)
{
    Log(QStringLiteral("12 %1").arg(number));
    *table = number == CF_PERMISSION_TABLE ? PermissionTable : InformationTable;
    return 0;
}
CFHandle AllocRecord(CFHandle table)
{
    Log(QStringLiteral("65 %1").arg(table));
    return table == PermissionTable ? PermissionRecord : InformationRecord;
}
int32_t FieldType(CFHandle table, int32_t field)
{
    Log(QStringLiteral("36 %1 %2").arg(table).arg(field));
    return 1000 + field;
}
int32_t AssignField(CFHandle table, CFHandle record, int32_t field, int32_t type, const void *value,
                    int32_t size)
{
    int32_t v = 0;
    std::memcpy(&v, value, sizeof v);
    Log(QStringLiteral("41 %1 %2 %3 %4 %5 %6")
            .arg(table)
            .arg(record)
            .arg(field)
            .arg(type)
            .arg(v)
            .arg(size));
    (field == 1 ? Fake->KeyType : Fake->KeyId) = v;
    return 0;
}
int32_t SetSearchMode(int32_t mode)
{
    Log(QStringLiteral("1 %1").arg(mode));
    return 0;
}
int32_t FindRecord(CFHandle table, CFHandle record, const char *search)
{
    Log(QStringLiteral("16 %1 %2 %3").arg(table).arg(record).arg(QString::fromLatin1(search)));
    if (table == PermissionTable) {
        ++Fake->PermissionLookups;
        const auto found = Fake->Rights.find({Fake->KeyType, Fake->KeyId});
        if (found == Fake->Rights.end())
            return 0;
        Fake->Found = *found;
        return 1;
    }
    Fake->InfoPosition = Fake->InfoLines.isEmpty() ? -1 : 0;
    return Fake->InfoPosition >= 0 ? 1 : 0;
}
int16_t NextRecord(CFHandle table, CFHandle record, int32_t steps)
{
    Log(QStringLiteral("17 %1 %2 %3").arg(table).arg(record).arg(steps));
    Fake->InfoPosition += steps;
    return Fake->InfoPosition < Fake->InfoLines.size() ? 1 : 0;
}
int32_t GetFieldData(void *buffer, int32_t size, CFHandle table, CFHandle record, int32_t field)
{
    Log(QStringLiteral("44 %1 %2 %3 %4").arg(size).arg(table).arg(record).arg(field));
    if (table == PermissionTable) {
        std::memcpy(buffer, &Fake->Found.Values[field - 10], 4);
    } else {
        const QByteArray &line = Fake->InfoLines[Fake->InfoPosition];
        std::memset(buffer, 'Z', size_t(size)); // what a NUL-less line would leave behind
        std::memcpy(buffer, line.constData(), size_t(std::min<qsizetype>(line.size(), size)));
    }
    return 0;
}
int32_t SetLicenseFile(const char *name)
{
    Log(QStringLiteral("89 %1").arg(QString::fromLocal8Bit(name)));
    const auto known = Fake->Licences.find(QString::fromLocal8Bit(name));
    if (Fake->Reporting && known == Fake->Licences.end())
        return 0;
    Fake->InfoLines = known == Fake->Licences.end() ? QList<QByteArray>() : *known;
    Fake->State = CF_LICENCE_LOADED;
    Fake->ActiveFile = name;
    return Fake->Reporting ? 1 : 0;
}
int32_t FreeRecord(CFHandle record)
{
    Log(QStringLiteral("66 %1").arg(record));
    return 0;
}
int32_t CloseTable(CFHandle table)
{
    Log(QStringLiteral("14 %1").arg(table));
    return 0;
}
int32_t Done()
{
    Log(QStringLiteral("4"));
    return 0;
}

int32_t LicenceStatus(int32_t item, char *buffer, int32_t size)
{
    const auto copy = [&](const QByteArray &text) {
        if (buffer && size > 0) {
            const qsizetype length = std::min<qsizetype>(text.size(), size - 1);
            std::memcpy(buffer, text.constData(), size_t(length));
            buffer[length] = '\0';
        }
        return int32_t(text.size());
    };
    switch (item) {
    case CF_LICENCE_STATE:
        return Fake->State;
    case CF_LICENCE_FILE:
        return copy(Fake->ActiveFile);
    case CF_LICENCE_PROBLEM:
        return copy(QByteArray());
    case CF_LICENCE_LAST_ERROR:
        return copy(Fake->LastError);
    }
    return -1;
}

const TCFrontEntryPoints FakeEntryPoints{
    Init,       OpenTable,    AllocRecord,    FieldType,  AssignField, SetSearchMode, FindRecord,
    NextRecord, GetFieldData, SetLicenseFile, FreeRecord, CloseTable,  Done};
const TCFrontEntryPoints ReportingEntryPoints{Init,         OpenTable,      AllocRecord, FieldType,
                                              AssignField,  SetSearchMode,  FindRecord,  NextRecord,
                                              GetFieldData, SetLicenseFile, FreeRecord,  CloseTable,
                                              Done,         LicenceStatus};

} // namespace

TFakeCFront::TFakeCFront()
{
    Fake = this;
}
TFakeCFront::~TFakeCFront()
{
    Fake = nullptr;
}

const TCFrontEntryPoints &TFakeCFront::EntryPoints() const
{
    return FakeEntryPoints;
}

const TCFrontEntryPoints &TFakeCFront::EntryPointsWithReport()
{
    Reporting = true;
    return ReportingEntryPoints;
}

void TFakeCFront::SetRights(int32_t objectType, int32_t id, TFakeRights rights)
{
    Rights[{objectType, id}] = rights;
}

void TFakeCFront::SetInfoLines(const QList<QByteArray> &lines)
{
    InfoLines = lines;
}
