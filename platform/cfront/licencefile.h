// Reads a licence file of our own text format (README.md beside this file).
#pragma once

#include "licence.h"

#include <string>
#include <string_view>

namespace cfront {

// A file that cannot be read, or that has an error in it, gives a
// BrokenLicence naming the file, the line and what was expected there, and
// Ok false.
struct TLicenceReading {
    TLicence Licence;
    bool Ok = false;
};

TLicenceReading ReadLicenceFile(const std::string &path);

// The same for text already read; 'path' only names the file in messages.
TLicenceReading ParseLicenceText(std::string_view text, const std::string &path);

} // namespace cfront
