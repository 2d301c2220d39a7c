// Line feeds found sixteen bytes at a time and without a call: lines of
// code are short, and memchr's set-up would cost more than its search. For
// .cpp files only, where the calls stay inline.
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

// The first '\n' in [from, limit) that the byte next follows, or null; the
// byte at limit must be readable. Adds the line feeds passed before it (all
// of [from, limit) when none is found) to feeds.
inline const char *FindLineFeedBefore(const char *from, const char *limit, char next,
                                      int64_t &feeds)
{
#if defined(__SSE2__)
    const __m128i feed = _mm_set1_epi8('\n'), wanted = _mm_set1_epi8(next);
    const __m128i zero = _mm_setzero_si128();
    // Line feeds counted in bytes, summed before a byte could overflow.
    const auto sum = [&](__m128i counts) {
        const __m128i sums = _mm_sad_epu8(counts, zero);
        feeds += _mm_cvtsi128_si64(sums) + _mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums));
    };
    while (limit - from >= 16) {
        __m128i counts = zero;
        for (int round = 0; round < 255 && limit - from >= 16; ++round, from += 16) {
            const __m128i feeds16 =
                _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(from)), feed);
            const __m128i after = _mm_cmpeq_epi8(
                _mm_loadu_si128(reinterpret_cast<const __m128i *>(from + 1)), wanted);
            if (const unsigned found = unsigned(_mm_movemask_epi8(_mm_and_si128(feeds16, after)))) {
                sum(counts);
                const unsigned before =
                    unsigned(_mm_movemask_epi8(feeds16)) & ((1u << std::countr_zero(found)) - 1);
                feeds += std::popcount(before);
                return from + std::countr_zero(found);
            }
            counts = _mm_sub_epi8(counts, feeds16);
        }
        sum(counts);
    }
#endif
    for (; from < limit; ++from) {
        if (*from == '\n') {
            if (from[1] == next)
                return from;
            ++feeds;
        }
    }
    return nullptr;
}
