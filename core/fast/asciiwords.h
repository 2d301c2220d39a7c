// FoldAsciiToUpper on eight bytes at once: for .cpp files only, where a
// sort folds the words of its keys.
#pragma once

#include <cstdint>

// Each byte of the word folded on its own, whatever the byte order.
inline uint64_t FoldAsciiToUpperWord(uint64_t word)
{
    constexpr uint64_t Ones = 0x0101010101010101u, HighBits = Ones * 0x80;
    const uint64_t low = word & ~HighBits;                // no byte carries into the next below
    const uint64_t fromA = low + Ones * (0x80 - 'a');     // high bit set from 'a' up
    const uint64_t pastZ = low + Ones * (0x80 - 'z' - 1); // high bit set past 'z'
    const uint64_t lowerCase = fromA & ~pastZ & ~word & HighBits;
    return word - (lowerCase >> 2); // 0x80 >> 2 is the 0x20 between the cases
}
