// Any bytes as a licence file for the stand-in library's reader. What must
// hold: a file read without error has only well-formed permission lines, and
// the lookup finds a line that holds the number, or none where no line does;
// a broken file gives no permissions, one line that names the file and its
// cause; one written by the ERP gives no permissions and ends in the note.
// The library's index of the lines answers every lookup as the plain scan.
#include "licencefile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

bool Holds(const cfront::TPermissionLine &line, int32_t type, int32_t number)
{
    return line.ObjectType == type && line.From <= number && number <= line.To;
}

void CheckLookup(const cfront::TLicence &licence, cfront::TPermissionIndex &index, int32_t type,
                 int32_t number)
{
    const auto found = licence.FindPermission(type, number);
    Require(index.Find(type, number) == found.value_or(cfront::TPermissionIndex::NotFound));
    for (std::size_t i = 0; i < licence.Permissions.size(); ++i) {
        if (Holds(licence.Permissions[i], type, number)) {
            Require(found == i); // the first such line in file order
            return;
        }
    }
    Require(!found);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::string path = "/licences/fuzz.flf";
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const cfront::TLicenceReading reading = cfront::ParseLicenceText(text, path);
    const cfront::TLicence &licence = reading.Licence;
    if (!reading.Ok) {
        Require(licence.Permissions.empty());
        Require(licence.Information.size() == 1);
        Require(licence.Information.front().rfind(path + ", line ", 0) == 0);
        Require(reading.Cause.rfind("Line ", 0) == 0);
        return 0;
    }
    Require(reading.Cause.empty());
    // A file written by the ERP: its text and the note, never a permission.
    if (licence.InformationOnly) {
        Require(licence.Permissions.empty());
        Require(!licence.Information.empty() &&
                licence.Information.back() == cfront::ErpPermissionsNote);
        return 0;
    }
    cfront::TPermissionIndex index(licence.Permissions);
    for (const cfront::TPermissionLine &line : licence.Permissions) {
        Require(line.ObjectType >= 0 && line.ObjectType <= 7);
        Require(line.From <= line.To);
        Require(line.Rights < 32);
        Require((line.Indirect & ~line.Rights) == 0); // only granted rights are indirect
        // Each edge and its neighbours, where spans of other lines begin.
        for (const int64_t number :
             {int64_t(line.From) - 1, int64_t(line.From), int64_t(line.To), int64_t(line.To) + 1}) {
            if (number >= INT32_MIN && number <= INT32_MAX)
                CheckLookup(licence, index, line.ObjectType, int32_t(number));
        }
    }
    // Numbers at the edges and one out of the input itself.
    int32_t fromInput = 0;
    std::memcpy(&fromInput, data, std::min(size, sizeof fromInput));
    for (const int32_t number : {INT32_MIN, -1, 0, 1, INT32_MAX, fromInput})
        CheckLookup(licence, index, int32_t(size % 8), number);
    return 0;
}
