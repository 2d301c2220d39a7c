// Reads a licence file of our own text format (README.md beside this file).
#pragma once

#include "licence.h"

#include <string>
#include <string_view>

namespace cfront {

// A file that cannot be read, or that has an error in it, gives a
// BrokenLicence naming the file, the line and what was expected there, Ok
// false, and the cause alone ("Line 7: expected ...", "No such file or
// directory"). A file written by the ERP gives its text lines and a note
// that its permissions can't be read here.
struct TLicenceReading {
    TLicence Licence;
    bool Ok = false;
    std::string Cause; // UTF-8; empty when Ok
};

// The last information line of a licence file written by the ERP.
inline constexpr std::string_view ErpPermissionsNote =
    "The permissions of this licence file, written by the ERP, can't be read here. To use "
    "them, write them in the text format: [Permissions], then one line per range, such as "
    "\"Table 50000..99999 RIMDX\" (lower-case letters for indirect rights).";

TLicenceReading ReadLicenceFile(const std::string &path);

// The same for text already read; 'path' only names the file in messages.
TLicenceReading ParseLicenceText(std::string_view text, const std::string &path);

} // namespace cfront
