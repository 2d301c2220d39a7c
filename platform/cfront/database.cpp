#include "database.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace cfront {
namespace {

// The two search texts, each one character and its NUL.
bool IsSearchText(const char *text, char search)
{
    return text[0] == search && text[1] == '\0';
}

// Fields 10 to 14 of a permission record follow the TRight bits.
constexpr int32_t FirstRightField = 10;

} // namespace

void TDatabase::Start(TLicence licence)
{
    Stop();
    Licence = std::move(licence);
    PermissionIndex = TPermissionIndex(Licence.Permissions);
    Started = true;
}

void TDatabase::Stop()
{
    Started = false;
    Licence = TLicence();
    PermissionIndex = TPermissionIndex();
    ++Generation;
    SearchArmed = false;
    Tables.Clear();
    Records.Clear();
}

bool TDatabase::ActivateLicence(TLicence licence)
{
    if (!Started)
        return false;
    Licence = std::move(licence);
    // A new index: nothing found in the old licence is remembered.
    PermissionIndex = TPermissionIndex(Licence.Permissions);
    ++Generation;
    return true;
}

CFHandle TDatabase::NewHandle()
{
    if (LastHandle == std::numeric_limits<CFHandle>::max())
        return 0;
    return ++LastHandle;
}

bool TDatabase::OpenTable(CFHandle *table, int32_t tableNo)
{
    if (!Started || !table)
        return false;
    TTableKind kind;
    if (tableNo == CF_PERMISSION_TABLE)
        kind = TTableKind::Permissions;
    else if (tableNo == CF_INFORMATION_TABLE)
        kind = TTableKind::Information;
    else
        return false;
    const CFHandle handle = NewHandle();
    if (!handle)
        return false;
    Tables.Append(handle, kind);
    *table = handle;
    return true;
}

bool TDatabase::CloseTable(CFHandle table)
{
    return Started && Tables.Remove(table);
}

CFHandle TDatabase::AllocRecord(CFHandle table)
{
    const TTableKind *kind = Started ? Tables.Find(table) : nullptr;
    if (!kind)
        return 0;
    const CFHandle handle = NewHandle();
    if (handle)
        Records.Append(handle, TRecord{table, *kind, {}, std::nullopt});
    return handle;
}

bool TDatabase::FreeRecord(CFHandle record)
{
    return Started && Records.Remove(record);
}

const TDatabase::TField *TDatabase::FindField(TTableKind kind, int32_t field)
{
    // Fields 1 and 2, then 10 to 14.
    static constexpr TField PermissionFields[] = {
        {1, FieldTypeInteger, true},   {2, FieldTypeInteger, true},   {10, FieldTypeInteger, false},
        {11, FieldTypeInteger, false}, {12, FieldTypeInteger, false}, {13, FieldTypeInteger, false},
        {14, FieldTypeInteger, false},
    };
    // Field 1 numbers the lines from 1.
    static constexpr TField InformationFields[] = {
        {1, FieldTypeInteger, true},
        {2, FieldTypeText, false},
    };
    if (field == 1 || field == 2)
        return kind == TTableKind::Permissions ? &PermissionFields[field - 1]
                                               : &InformationFields[field - 1];
    if (kind == TTableKind::Permissions && field >= FirstRightField && field < FirstRightField + 5)
        return &PermissionFields[field - FirstRightField + 2];
    return nullptr;
}

std::size_t TDatabase::RowCount(TTableKind kind) const
{
    return kind == TTableKind::Permissions ? Licence.Permissions.size()
                                           : Licence.Information.size();
}

const TDatabase::TLoadedRow *TDatabase::LoadedRow(const TRecord &record) const
{
    if (!record.Row || record.Row->Generation != Generation)
        return nullptr;
    return &*record.Row;
}

int32_t TDatabase::FieldType(CFHandle table, int32_t field) const
{
    const TTableKind *kind = Started ? Tables.Find(table) : nullptr;
    if (!kind)
        return 0;
    const TField *definition = FindField(*kind, field);
    return definition ? definition->Type : 0;
}

bool TDatabase::AssignField(CFHandle table, CFHandle record, int32_t field, int32_t fieldType,
                            const void *value, int32_t size)
{
    TRecord *target = RecordOf(table, record);
    if (!target || !value || size != sizeof(int32_t))
        return false;
    const TField *definition = FindField(target->Kind, field);
    if (!definition || !definition->Key || definition->Type != fieldType || field > KeyFieldCount)
        return false;
    int32_t number = 0;
    std::memcpy(&number, value, sizeof number);
    target->Keys[std::size_t(field - 1)] = number;
    return true;
}

bool TDatabase::SetSearchMode(int32_t mode)
{
    SearchArmed = Started && mode == CF_SEARCH_MODE;
    return SearchArmed;
}

TDatabase::TLoadedRow TDatabase::RowAt(TTableKind kind, std::size_t index) const
{
    TLoadedRow row{index, 0, Generation};
    if (kind == TTableKind::Permissions)
        row.Number = Licence.Permissions[index].From;
    return row;
}

bool TDatabase::FindByKey(TTableKind kind, const TRecord &record, TLoadedRow &row)
{
    const auto key = [&record](int32_t field) { return record.Keys[std::size_t(field - 1)]; };
    if (kind == TTableKind::Permissions) {
        const std::size_t index = PermissionIndex.Find(key(1), key(2));
        if (index == TPermissionIndex::NotFound)
            return false;
        row = TLoadedRow{index, key(2), Generation};
        return true;
    }
    const int32_t lineNumber = key(1);
    if (lineNumber < 1 || static_cast<std::size_t>(lineNumber) > Licence.Information.size())
        return false;
    row = RowAt(kind, static_cast<std::size_t>(lineNumber) - 1);
    return true;
}

bool TDatabase::FindRecord(CFHandle table, CFHandle record, const char *searchText)
{
    const bool armed = SearchArmed;
    SearchArmed = false;
    TRecord *target = RecordOf(table, record);
    if (!target)
        return false;
    // A search that fails for any reason leaves the record not loaded.
    target->Row.reset();
    if (!armed || !searchText)
        return false;
    const TTableKind kind = target->Kind;
    if (IsSearchText(searchText, '=')) {
        if (TLoadedRow row; FindByKey(kind, *target, row))
            target->Row = row;
    } else if (IsSearchText(searchText, '-') && RowCount(kind) > 0) {
        target->Row = RowAt(kind, 0);
    }
    return target->Row.has_value();
}

bool TDatabase::NextRecord(CFHandle table, CFHandle record, int32_t steps)
{
    TRecord *target = RecordOf(table, record);
    if (!target || steps < 1)
        return false;
    const TLoadedRow *row = LoadedRow(*target);
    if (!row)
        return false;
    const TTableKind kind = target->Kind;
    const std::size_t remaining = RowCount(kind) - row->Index - 1;
    if (static_cast<std::size_t>(steps) > remaining)
        return false;
    target->Row = RowAt(kind, row->Index + static_cast<std::size_t>(steps));
    return true;
}

int32_t TDatabase::IntegerValue(TTableKind kind, const TLoadedRow &row, int32_t field) const
{
    if (kind == TTableKind::Information)
        return static_cast<int32_t>(row.Index + 1);
    const TPermissionLine &line = Licence.Permissions[row.Index];
    if (field == 1)
        return line.ObjectType;
    if (field == 2)
        return row.Number;
    return line.FieldValue(static_cast<TRight>(1u << (field - FirstRightField)));
}

bool TDatabase::GetFieldData(void *buffer, int32_t size, CFHandle table, CFHandle record,
                             int32_t field) const
{
    const TRecord *source = RecordOf(table, record);
    if (!source || !buffer || size < 1)
        return false;
    const TLoadedRow *row = LoadedRow(*source);
    const TTableKind kind = source->Kind;
    const TField *definition = FindField(kind, field);
    if (!row || !definition)
        return false;
    if (definition->Type == FieldTypeInteger) {
        if (size != sizeof(int32_t))
            return false;
        const int32_t value = IntegerValue(kind, *row, field);
        std::memcpy(buffer, &value, sizeof value);
        return true;
    }
    // A text goes into any buffer that holds at least its NUL.
    const std::string &text = Licence.Information[row->Index];
    const std::size_t length = std::min(
        {text.size(), static_cast<std::size_t>(MaxTextLength), static_cast<std::size_t>(size) - 1});
    auto *bytes = static_cast<char *>(buffer);
    std::memcpy(bytes, text.data(), length);
    bytes[length] = '\0';
    return true;
}

} // namespace cfront
