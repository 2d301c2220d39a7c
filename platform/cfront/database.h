// The library's inner working: the open tables and records behind the
// handles it hands out, over the active licence.
#pragma once

#include "core/cfront/cfront_abi.h"
#include "licence.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace cfront {

// What each open handle stands for. Handles are counted up, so appending
// keeps the list in order for a binary search; the program holds four, and
// asks for the same one many times in a row.
template <typename T> class THandleList {
public:
    const T *Find(CFHandle handle) const
    {
        // The entry found last, checked by its handle: no change to the list
        // can make it answer for another handle.
        if (LastFound < Entries.size() && Entries[LastFound].first == handle)
            return &Entries[LastFound].second;
        const auto found = Position(handle);
        if (found == Entries.end() || found->first != handle)
            return nullptr;
        LastFound = std::size_t(found - Entries.begin());
        return &found->second;
    }
    T *Find(CFHandle handle) { return const_cast<T *>(std::as_const(*this).Find(handle)); }
    // 'handle' is above every handle in the list.
    void Append(CFHandle handle, T value) { Entries.emplace_back(handle, std::move(value)); }
    bool Remove(CFHandle handle)
    {
        const auto found = Position(handle);
        if (found == Entries.end() || found->first != handle)
            return false;
        Entries.erase(found);
        return true;
    }
    void Clear() { Entries.clear(); }

private:
    using TEntry = std::pair<CFHandle, T>;

    typename std::vector<TEntry>::const_iterator Position(CFHandle handle) const
    {
        return std::lower_bound(
            Entries.begin(), Entries.end(), handle,
            [](const TEntry &entry, CFHandle key) { return entry.first < key; });
    }

    std::vector<TEntry> Entries;
    mutable std::size_t LastFound = 0;
};

// The type codes ordinal 36 hands out and ordinal 41 expects back.
enum TFieldType : int32_t {
    FieldTypeInteger = 101,
    FieldTypeText = 102,
};

// The longest text a field hands out, without its NUL.
inline constexpr int32_t MaxTextLength = 250;

// Every operation answers false (or handle 0) and changes nothing when a
// handle, pointer, field or size doesn't fit, and before Start.
class TDatabase {
public:
    // Starts afresh: every handle is forgotten.
    void Start(TLicence licence);
    void Stop();

    // Open records keep their handles and key values but are no longer
    // loaded: the next search reads the new licence.
    bool ActivateLicence(TLicence licence);

    bool OpenTable(CFHandle *table, int32_t tableNo);
    bool CloseTable(CFHandle table);
    CFHandle AllocRecord(CFHandle table);
    bool FreeRecord(CFHandle record);

    // 0 for an unknown table or field.
    int32_t FieldType(CFHandle table, int32_t field) const;
    // Key fields only: they are what "=" searches by.
    bool AssignField(CFHandle table, CFHandle record, int32_t field, int32_t fieldType,
                     const void *value, int32_t size);

    // Arms the next FindRecord; only the program's one search mode does, any
    // other disarms it.
    bool SetSearchMode(int32_t mode);
    // A failed search leaves the record not loaded.
    bool FindRecord(CFHandle table, CFHandle record, const char *searchText);
    bool NextRecord(CFHandle table, CFHandle record, int32_t steps);
    bool GetFieldData(void *buffer, int32_t size, CFHandle table, CFHandle record,
                      int32_t field) const;

private:
    enum class TTableKind { Permissions, Information };

    // Fields 1 and 2 are the keys of both tables.
    static constexpr int32_t KeyFieldCount = 2;

    // Where a record stands in the licence it was loaded from.
    struct TLoadedRow {
        std::size_t Index = 0;
        int32_t Number = 0; // field 2 of a permission record
        uint64_t Generation = 0;
    };

    struct TRecord {
        CFHandle Table = 0;
        TTableKind Kind = TTableKind::Permissions; // of Table
        std::array<int32_t, KeyFieldCount> Keys{}; // fields 1, 2; unset keys read as 0
        std::optional<TLoadedRow> Row;
    };

    struct TField {
        int32_t Number;
        int32_t Type;
        bool Key;
    };

    static const TField *FindField(TTableKind kind, int32_t field);
    std::size_t RowCount(TTableKind kind) const;
    // The record of that table, or null. In the header, so that every entry
    // point's few checks go without a call.
    const TRecord *RecordOf(CFHandle table, CFHandle record) const
    {
        if (!Started || !Tables.Find(table))
            return nullptr;
        const TRecord *found = Records.Find(record);
        return found && found->Table == table ? found : nullptr;
    }
    TRecord *RecordOf(CFHandle table, CFHandle record)
    {
        return const_cast<TRecord *>(std::as_const(*this).RecordOf(table, record));
    }
    const TLoadedRow *LoadedRow(const TRecord &record) const;
    // False when no row has the record's keys. Not const: the permission
    // index remembers what it found.
    bool FindByKey(TTableKind kind, const TRecord &record, TLoadedRow &row);
    TLoadedRow RowAt(TTableKind kind, std::size_t index) const;
    int32_t IntegerValue(TTableKind kind, const TLoadedRow &row, int32_t field) const;
    CFHandle NewHandle();

    bool Started = false;
    TLicence Licence;
    TPermissionIndex PermissionIndex; // of Licence
    uint64_t Generation = 0;
    bool SearchArmed = false;
    CFHandle LastHandle = 0;
    THandleList<TTableKind> Tables;
    THandleList<TRecord> Records;
};

} // namespace cfront
