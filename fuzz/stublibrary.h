// The stand-in library the fuzz targets read with: its licence has one
// record, everything of type 1 up to ID 100, so that both granted and
// refused lookups run. Also the check that stops a run when a rule breaks.
#pragma once

#include "core/cfront/cfront.h"

#include <cstdint>
#include <cstdlib>

namespace fuzzstub {

inline int32_t SearchType = 0, SearchId = 0;
inline int32_t Ok()
{
    return 0;
}
inline int32_t OpenTable(CFHandle *table, int32_t)
{
    return *table = 1, 0;
}
inline CFHandle AllocRecord(CFHandle)
{
    return 1;
}
inline int32_t FieldType(CFHandle, int32_t)
{
    return 0;
}
inline int32_t AssignField(CFHandle, CFHandle, int32_t field, int32_t, const void *value, int32_t)
{
    (field == 1 ? SearchType : SearchId) = *static_cast<const int32_t *>(value);
    return 0;
}
inline int32_t SetSearchMode(int32_t)
{
    return 0;
}
inline int32_t FindRecord(CFHandle, CFHandle, const char *search)
{
    return search[0] == '=' && SearchType == 1 && SearchId >= 0 && SearchId <= 100;
}
inline int16_t NextRecord(CFHandle, CFHandle, int32_t)
{
    return 0;
}
inline int32_t GetFieldData(void *buffer, int32_t size, CFHandle, CFHandle, int32_t field)
{
    if (size == 4)
        *static_cast<int32_t *>(buffer) = field % 2;
    return 0;
}
inline int32_t SetLicenseFile(const char *)
{
    return 0;
}
inline int32_t Release(CFHandle)
{
    return 0;
}

inline const TCFrontEntryPoints Library{
    Ok,         OpenTable,  AllocRecord,  FieldType,      AssignField, SetSearchMode,
    FindRecord, NextRecord, GetFieldData, SetLicenseFile, Release,     Release,
    Ok};

inline void Require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace fuzzstub

using fuzzstub::Library;
using fuzzstub::Require;
