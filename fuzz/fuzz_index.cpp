// Any bytes as an object file: the index is read (or refused with an
// error), then sorted by every key in both directions, hidden and shown,
// and exported.
#include "binaryfile.h"
#include "errors.h"
#include "ordering.h"

#include <QBuffer>
#include <QLocale>

#include <cstddef>
#include <cstdint>

namespace {

// A library whose licence has one record: everything of type 1 up to ID 100.
int32_t SearchType = 0, SearchId = 0;
int32_t Ok()
{
    return 0;
}
int32_t OpenTable(CFHandle *table, int32_t)
{
    return *table = 1, 0;
}
CFHandle AllocRecord(CFHandle)
{
    return 1;
}
int32_t FieldType(CFHandle, int32_t)
{
    return 0;
}
int32_t AssignField(CFHandle, CFHandle, int32_t field, int32_t, const void *value, int32_t)
{
    (field == 1 ? SearchType : SearchId) = *static_cast<const int32_t *>(value);
    return 0;
}
int32_t SetSearchMode(int32_t)
{
    return 0;
}
int32_t FindRecord(CFHandle, CFHandle, const char *search)
{
    return search[0] == '=' && SearchType == 1 && SearchId >= 0 && SearchId <= 100;
}
int16_t NextRecord(CFHandle, CFHandle, int32_t)
{
    return 0;
}
int32_t GetFieldData(void *buffer, int32_t size, CFHandle, CFHandle, int32_t field)
{
    if (size == 4)
        *static_cast<int32_t *>(buffer) = field % 2;
    return 0;
}
int32_t SetLicenseFile(const char *)
{
    return 0;
}
int32_t Release(CFHandle)
{
    return 0;
}

const TCFrontEntryPoints Library{
    Ok,         OpenTable,  AllocRecord,  FieldType,      AssignField, SetSearchMode,
    FindRecord, NextRecord, GetFieldData, SetLicenseFile, Release,     Release,
    Ok};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const TRegionalSettings settings =
        TRegionalSettings::FromLocale(QLocale(QLocale::English, QLocale::UnitedStates), 2026);
    TNavisionBinaryFile model(Library, settings);
    model.SetHideSystemObjects(size % 2 == 1);
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);
    try {
        model.LoadFromStream(buffer);
    } catch (const TError &) {
        // Refused entries end the reading; what was read before stays.
    }
    for (int32_t direction : {0, 1}) {
        for (int32_t key = -1; key <= SortKeyCount; ++key) {
            model.SetSortDirection(direction);
            model.SetSortKey(key);
        }
    }
    model.SetHideSystemObjects(!model.HideSystemObjects());
    model.SetHideSystemObjects(!model.HideSystemObjects());
    QBuffer output;
    output.open(QIODevice::WriteOnly);
    model.SaveListToStream(output);
    StoreSortKey(0);
    StoreSortDirection(0);
    return 0;
}
