// The thirteen exported entry points. Each one takes the lock, hands over to
// the one TDatabase and keeps every exception inside the library.
#include "cfront_abi.h"
#include "database.h"
#include "licencefile.h"

#include <dlfcn.h>

#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <type_traits>

#define CFRONT_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

std::mutex DatabaseLock;

cfront::TDatabase &Database()
{
    static cfront::TDatabase database;
    return database;
}

// Runs the call under the lock; any failure inside answers 0.
template <typename TCall> auto Guarded(TCall call) -> decltype(call())
{
    try {
        const std::lock_guard<std::mutex> guard(DatabaseLock);
        return call();
    } catch (...) {
        return 0;
    }
}

// The folder this library was loaded from, found through one of its own
// functions; empty when the system can't tell.
std::optional<std::filesystem::path> OwnFolder()
{
    Dl_info info{};
    if (!dladdr(reinterpret_cast<void *>(&OwnFolder), &info) || !info.dli_fname)
        return std::nullopt;
    const std::filesystem::path folder = std::filesystem::path(info.dli_fname).parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

// cfront.flf beside the library; without it the licence is empty.
cfront::TLicence DefaultLicence()
{
    const auto folder = OwnFolder();
    if (!folder)
        return cfront::BrokenLicence("Cannot find the folder of libcfront.so to read cfront.flf");
    const std::filesystem::path file = *folder / "cfront.flf";
    std::error_code error;
    if (!std::filesystem::exists(file, error) && !error)
        return {};
    return cfront::ReadLicenceFile(file.string()).Licence;
}

} // namespace

CFRONT_EXPORT int32_t cfront_3_Init(void)
{
    return Guarded([] {
        Database().Start(DefaultLicence());
        return 1;
    });
}

CFRONT_EXPORT int32_t cfront_12_OpenTable(CFHandle *Table, int32_t TableNo)
{
    return Guarded([=] { return int32_t(Database().OpenTable(Table, TableNo)); });
}

CFRONT_EXPORT CFHandle cfront_65_AllocRecord(CFHandle Table)
{
    return Guarded([=] { return Database().AllocRecord(Table); });
}

CFRONT_EXPORT int32_t cfront_36_FieldType(CFHandle Table, int32_t Field)
{
    return Guarded([=] { return Database().FieldType(Table, Field); });
}

CFRONT_EXPORT int32_t cfront_41_AssignField(CFHandle Table, CFHandle Record, int32_t Field,
                                            int32_t FieldType, const void *Value, int32_t Size)
{
    return Guarded([=] {
        return int32_t(Database().AssignField(Table, Record, Field, FieldType, Value, Size));
    });
}

CFRONT_EXPORT int32_t cfront_1_SetSearchMode(int32_t Mode)
{
    return Guarded([=] { return int32_t(Database().SetSearchMode(Mode)); });
}

CFRONT_EXPORT int32_t cfront_16_FindRecord(CFHandle Table, CFHandle Record, const char *SearchText)
{
    return Guarded([=] { return int32_t(Database().FindRecord(Table, Record, SearchText)); });
}

CFRONT_EXPORT int16_t cfront_17_NextRecord(CFHandle Table, CFHandle Record, int32_t Steps)
{
    return Guarded([=] { return int16_t(Database().NextRecord(Table, Record, Steps)); });
}

CFRONT_EXPORT int32_t cfront_44_GetFieldData(void *Buffer, int32_t Size, CFHandle Table,
                                             CFHandle Record, int32_t Field)
{
    return Guarded(
        [=] { return int32_t(Database().GetFieldData(Buffer, Size, Table, Record, Field)); });
}

CFRONT_EXPORT int32_t cfront_89_SetLicenseFile(const char *FileName)
{
    if (!FileName)
        return 0;
    return Guarded([=] {
        cfront::TLicenceReading reading = cfront::ReadLicenceFile(FileName);
        return int32_t(Database().ActivateLicence(std::move(reading.Licence)) && reading.Ok);
    });
}

CFRONT_EXPORT int32_t cfront_66_FreeRecord(CFHandle Record)
{
    return Guarded([=] { return int32_t(Database().FreeRecord(Record)); });
}

CFRONT_EXPORT int32_t cfront_14_CloseTable(CFHandle Table)
{
    return Guarded([=] { return int32_t(Database().CloseTable(Table)); });
}

CFRONT_EXPORT int32_t cfront_4_Done(void)
{
    return Guarded([] {
        Database().Stop();
        return 1;
    });
}

// The entry points' types are those the program loads them as.
static_assert(std::is_same_v<decltype(&cfront_3_Init), CFInitFn>);
static_assert(std::is_same_v<decltype(&cfront_12_OpenTable), CFOpenTableFn>);
static_assert(std::is_same_v<decltype(&cfront_65_AllocRecord), CFAllocRecordFn>);
static_assert(std::is_same_v<decltype(&cfront_36_FieldType), CFFieldTypeFn>);
static_assert(std::is_same_v<decltype(&cfront_41_AssignField), CFAssignFieldFn>);
static_assert(std::is_same_v<decltype(&cfront_1_SetSearchMode), CFSetSearchModeFn>);
static_assert(std::is_same_v<decltype(&cfront_16_FindRecord), CFFindRecordFn>);
static_assert(std::is_same_v<decltype(&cfront_17_NextRecord), CFNextRecordFn>);
static_assert(std::is_same_v<decltype(&cfront_44_GetFieldData), CFGetFieldDataFn>);
static_assert(std::is_same_v<decltype(&cfront_89_SetLicenseFile), CFSetLicenseFileFn>);
static_assert(std::is_same_v<decltype(&cfront_66_FreeRecord), CFFreeRecordFn>);
static_assert(std::is_same_v<decltype(&cfront_14_CloseTable), CFCloseTableFn>);
static_assert(std::is_same_v<decltype(&cfront_4_Done), CFDoneFn>);
