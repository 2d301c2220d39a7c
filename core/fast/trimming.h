// Trimming the fields of an index entry, a word of bytes at a time: for the
// reader's .cpp files only, so that the calls stay inline.
#pragma once

#include <QByteArrayView>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace TrimmingDetail {

// Per byte of the word, its high bit when the byte is kept (above 32):
// (b & 0x7F) + 0x5F has its high bit from b = 0x21 on, and b itself from
// 0x80 on; no sum carries into the next byte.
inline uint64_t KeptBytes(uint64_t word)
{
    constexpr uint64_t Low7 = 0x7F7F7F7F7F7F7F7Fu, Step = 0x5F5F5F5F5F5F5F5Fu,
                       High = 0x8080808080808080u;
    return (((word & Low7) + Step) | word) & High;
}

// Where the kept bytes of a text of eight bytes or more begin and end
// (begin = end = 0 when there are none). Every word of the text is looked
// at, whatever its bytes, the last one ending at the text's end: no branch
// depends on the bytes, since the fields of entries trimmed a million times
// over have lengths that vary at random, and a loop that stops at the first
// kept byte would mispredict its end every time.
inline void KeptRange(QByteArrayView text, qsizetype &begin, qsizetype &end)
{
    const qsizetype size = text.size();
#if defined(__SSE2__)
    // Sixteen bytes at a time, a bit for each kept one, where the text fits
    // one 64-bit mask.
    if (size >= 16 && size <= 64) {
        const auto keptBits = [&text](qsizetype at) {
            const __m128i bytes =
                _mm_loadu_si128(reinterpret_cast<const __m128i *>(text.data() + at));
            const __m128i kept = _mm_cmpeq_epi8(_mm_max_epu8(bytes, _mm_set1_epi8(33)), bytes);
            return uint64_t(uint32_t(_mm_movemask_epi8(kept))) << at;
        };
        uint64_t mask = keptBits(size - 16);
        for (qsizetype at = 0; at < size - 16; at += 16)
            mask |= keptBits(at);
        end = 64 - std::countl_zero(mask);
        begin = mask ? std::countr_zero(mask) : 0;
        return;
    }
#endif
    begin = size;
    end = 0;
    for (qsizetype at = 0;; at += 8) {
        const qsizetype wordAt = std::min(at, size - 8);
        uint64_t word;
        std::memcpy(&word, text.data() + wordAt, 8);
        // The first byte of the text is the word's least significant one.
        if constexpr (std::endian::native == std::endian::big)
            word = __builtin_bswap64(word);
        const uint64_t kept = KeptBytes(word);
        const qsizetype first = wordAt + std::countr_zero(kept) / 8;
        const qsizetype last = wordAt + (64 - std::countl_zero(kept)) / 8;
        begin = kept ? std::min(begin, first) : begin;
        end = kept ? std::max(end, last) : end;
        if (wordAt == size - 8)
            break;
    }
    begin = std::min(begin, end);
}

inline bool IsTrimmed(char c)
{
    return static_cast<uchar>(c) <= 32;
}

} // namespace TrimmingDetail

// The text without the characters of code 32 or less (blanks, tabs, line
// breaks, NUL and the other control characters) at both ends, or at its end.
// Views into the same bytes.
inline QByteArrayView TrimmedRight(QByteArrayView text)
{
    if (text.size() >= 8) {
        qsizetype begin, end;
        TrimmingDetail::KeptRange(text, begin, end);
        return text.first(end);
    }
    qsizetype end = text.size();
    while (end > 0 && TrimmingDetail::IsTrimmed(text[end - 1]))
        --end;
    return text.first(end);
}
inline QByteArrayView Trimmed(QByteArrayView text)
{
    if (text.size() >= 8) {
        qsizetype begin, end;
        TrimmingDetail::KeptRange(text, begin, end);
        return text.sliced(begin, end - begin);
    }
    qsizetype begin = 0;
    while (begin < text.size() && TrimmingDetail::IsTrimmed(text[begin]))
        ++begin;
    return TrimmedRight(text.sliced(begin));
}
