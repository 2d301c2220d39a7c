// The text of a licence file is UTF-8; the program reads the library's texts
// as DOS code page 850, one byte per character.
#pragma once

#include <string>
#include <string_view>

namespace cfront {

// True when the bytes are well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// One code page 850 byte per character. A character that code page 850
// lacks, and any malformed sequence, becomes '?'.
std::string Utf8ToCp850(std::string_view utf8);

} // namespace cfront
