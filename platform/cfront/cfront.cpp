// The thirteen exported entry points and our own report on the licence. Each
// one checks that the calling thread owns the library, hands over to the one
// TDatabase and keeps every exception inside the library.
#include "core/cfront/cfront_abi.h"
#include "database.h"
#include "licencefile.h"

#include <dlfcn.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <limits>

#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <type_traits>

#define CFRONT_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

// The library belongs to the thread that starts it (ordinal 3) until that
// thread ends it (ordinal 4): the program calls it from its one user
// interface thread. A call from any other thread answers 0 and changes
// nothing, so no two threads ever work on the tables at once, and the
// owner's calls, eleven for every object of a file, pay for no lock.
class TOwnership {
public:
    // Whether the calling thread owns the library now, taking it when no
    // thread does.
    bool Claim()
    {
        std::thread::id expected;
        return Owner.compare_exchange_strong(expected, std::this_thread::get_id(),
                                             std::memory_order_acquire) ||
               expected == std::this_thread::get_id();
    }
    // Only the owner itself ever stores its own id, so a plain load tells.
    bool IsOwner() const
    {
        return Owner.load(std::memory_order_relaxed) == std::this_thread::get_id();
    }
    void Release() { Owner.store(std::thread::id(), std::memory_order_release); }

private:
    std::atomic<std::thread::id> Owner;
};

TOwnership Ownership;

cfront::TDatabase &Database()
{
    static cfront::TDatabase database;
    return database;
}

// Runs the call for the thread that owns the library; any failure inside,
// and a call from another thread, answers 0.
template <typename TCall> auto Guarded(TCall call) -> decltype(call())
{
    if (!Ownership.IsOwner())
        return 0;
    try {
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

// What cfront_LicenceStatus reports: which licence is active and what went
// wrong last.
struct TLicenceStatus {
    int32_t State = CF_LICENCE_NONE;
    std::string File;      // full path
    std::string Problem;   // why the licence read at start can't be used
    std::string LastError; // why the last ordinal 89 failed
};

TLicenceStatus &Status()
{
    static TLicenceStatus status;
    return status;
}

std::string FullPath(const std::string &path)
{
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    return error ? path : full.lexically_normal().string();
}

int32_t StateOf(const cfront::TLicence &licence)
{
    return licence.InformationOnly ? CF_LICENCE_INFORMATION_ONLY : CF_LICENCE_LOADED;
}

// cfront.flf beside the library; without it no licence is active. One that
// can't be used is an empty licence whose one information line says why.
void StartWithDefaultLicence()
{
    TLicenceStatus status;
    cfront::TLicence licence;
    const auto folder = OwnFolder();
    std::error_code error;
    if (!folder) {
        status.State = CF_LICENCE_BROKEN;
        status.Problem = "Cannot find the folder of libcfront.so to read cfront.flf";
        licence = cfront::BrokenLicence(status.Problem);
    } else if (const std::filesystem::path file = *folder / "cfront.flf";
               std::filesystem::exists(file, error) || error) {
        cfront::TLicenceReading reading = cfront::ReadLicenceFile(file.string());
        status.File = FullPath(file.string());
        status.State = reading.Ok ? StateOf(reading.Licence) : CF_LICENCE_BROKEN;
        status.Problem = reading.Cause;
        licence = std::move(reading.Licence);
    }
    Database().Start(std::move(licence));
    Status() = std::move(status);
}

// Copies the text as ordinal 44 copies a text field; answers its length.
int32_t CopyText(const std::string &text, char *buffer, int32_t size)
{
    if (buffer && size > 0) {
        const std::size_t length = std::min(text.size(), static_cast<std::size_t>(size) - 1);
        std::memcpy(buffer, text.data(), length);
        buffer[length] = '\0';
    }
    return static_cast<int32_t>(
        std::min<std::size_t>(text.size(), std::numeric_limits<int32_t>::max()));
}

} // namespace

CFRONT_EXPORT int32_t cfront_3_Init(void)
{
    if (!Ownership.Claim())
        return 0;
    return Guarded([] {
        StartWithDefaultLicence();
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
    // A file that can't be used leaves the active licence as it was.
    return Guarded([=]() -> int32_t {
        cfront::TLicenceReading reading = cfront::ReadLicenceFile(FileName);
        TLicenceStatus &status = Status();
        if (!reading.Ok) {
            status.LastError = reading.Cause;
            return 0;
        }
        const int32_t state = StateOf(reading.Licence);
        if (!Database().ActivateLicence(std::move(reading.Licence))) {
            status.LastError = "The library has not been started";
            return 0;
        }
        status = {state, FullPath(FileName), {}, {}};
        return 1;
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
    const int32_t done = Guarded([] {
        Database().Stop();
        Status() = {};
        return 1;
    });
    if (done)
        Ownership.Release();
    return done;
}

CFRONT_EXPORT int32_t cfront_LicenceStatus(int32_t Item, char *Buffer, int32_t Size)
{
    return Guarded([=]() -> int32_t {
        const TLicenceStatus &status = Status();
        switch (Item) {
        case CF_LICENCE_STATE:
            return status.State;
        case CF_LICENCE_FILE:
            return CopyText(status.File, Buffer, Size);
        case CF_LICENCE_PROBLEM:
            return CopyText(status.Problem, Buffer, Size);
        case CF_LICENCE_LAST_ERROR:
            return CopyText(status.LastError, Buffer, Size);
        default:
            return -1;
        }
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
static_assert(std::is_same_v<decltype(&cfront_LicenceStatus), CFLicenceStatusFn>);
