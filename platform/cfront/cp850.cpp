#include "cp850.h"

#include <array>
#include <cstdint>
#include <optional>

namespace cfront {
namespace {

// The character of each byte 0x80..0xFF; bytes below 0x80 are ASCII.
constexpr std::array<char32_t, 128> UpperHalf = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, // 0x80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5, // 0x88
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, // 0x90
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, // 0x98
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA, // 0xA0
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, // 0xA8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, // 0xB0
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510, // 0xB8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3, // 0xC0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4, // 0xC8
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE, // 0xD0
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580, // 0xD8
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, // 0xE0
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4, // 0xE8
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8, // 0xF0
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0, // 0xF8
};

char Cp850Byte(char32_t character)
{
    if (character < 0x80)
        return static_cast<char>(character);
    for (std::size_t i = 0; i < UpperHalf.size(); ++i) {
        if (UpperHalf[i] == character)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

struct TDecoded {
    char32_t Character;
    std::size_t Length;
};

// The character starting at 'at', or nothing when the sequence there is not
// well-formed UTF-8.
std::optional<TDecoded> DecodeAt(std::string_view bytes, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80)
        return TDecoded{lead, 1};
    std::size_t length = 0;
    char32_t character = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        character = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        character = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        character = lead & 0x07;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (bytes.size() - at < length)
        return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        character = (character << 6) | (next & 0x3F);
    }
    if (character < smallest || character > 0x10FFFF ||
        (character >= 0xD800 && character <= 0xDFFF))
        return std::nullopt;
    return TDecoded{character, length};
}

} // namespace

bool IsValidUtf8(std::string_view bytes)
{
    for (std::size_t at = 0; at < bytes.size();) {
        const auto decoded = DecodeAt(bytes, at);
        if (!decoded)
            return false;
        at += decoded->Length;
    }
    return true;
}

std::string Utf8ToCp850(std::string_view utf8)
{
    std::string result;
    result.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto decoded = DecodeAt(utf8, at);
        if (decoded) {
            result += Cp850Byte(decoded->Character);
            at += decoded->Length;
        } else {
            result += '?';
            ++at;
        }
    }
    return result;
}

} // namespace cfront
