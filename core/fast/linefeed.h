// The next line feed in a block, sixteen bytes at a time and without a
// call: lines of code are short, and memchr's set-up would cost more than
// its search. For .cpp files only, where the calls stay inline.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The first '\n' in [from, end), or null.
inline const char *FindLineFeed(const char *from, const char *end)
{
#if defined(__SSE2__)
    const __m128i feed = _mm_set1_epi8('\n');
    for (; end - from >= 16; from += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from));
        if (const unsigned mask = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(block, feed))))
            return from + std::countr_zero(mask);
    }
#endif
    for (; from < end; ++from) {
        if (*from == '\n')
            return from;
    }
    return nullptr;
}
