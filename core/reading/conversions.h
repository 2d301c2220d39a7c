// The conversions of an index entry's fields, and the date-time display.
// Both follow rules of their own (a strict integer syntax with hexadecimal
// forms, date order and century window from the regional settings), so they
// are written here rather than taken from QLocale.
#pragma once

#include "core/reading/regionalsettings.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QTime>

#include <algorithm>
#include <array>
#include <bit>
#include <bitset>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

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

// A decimal or hexadecimal ($, x, 0x) 32-bit number, after leading blanks;
// nothing but a NUL may follow. Empty when refused.
std::optional<int32_t> ParseInteger(QByteArrayView text);
// The same, the number stored in result: for the loader's many calls (an
// optional of 32 bits comes back through memory, and reading it stalls).
bool ParseInteger(QByteArrayView text, int32_t &result);

// "date time" text under the regional settings; empty when refused. A text
// that holds a time alone gives that time on 30 December 1899.
std::optional<double> ParseDateTime(const QString &text, const TRegionalSettings &settings);

// The characters a date-time text is read by, for code page 850 bytes:
// which bytes stand for the separators and for the letters of the
// designators under one set of regional settings. Made once per settings.
// The kinds (TDateTimeBytes::TKind) of each of the 256 bytes.
using TByteKinds = std::array<uint8_t, 256>;

class TDateTimeBytes {
public:
    enum TKind : uint8_t {
        DateSeparator = 1,
        TimeSeparator = 2,
        DecimalSeparator = 4,
        DesignatorStart = 8, // the first letter of a designator, in either case
    };

    explicit TDateTimeBytes(const TRegionalSettings &settings);
    // The classes of these settings, made when they differ from the last ones asked.
    static std::shared_ptr<const TDateTimeBytes> For(const TRegionalSettings &settings);

    bool Is(char byte, TKind kind) const { return Kinds[uchar(byte)] & kind; }

    TRegionalSettings Settings;
    TDateOrder Order; // the order dates are read in
    TByteKinds Kinds{};
    // For each designator, for each of its letters, the bytes that match it
    // without regard to case.
    std::array<std::vector<std::bitset<256>>, 4> Designators;
    // Whether digits and the blank stand for nothing else: then a text of
    // the usual shape can be read at fixed places.
    bool DigitsAndBlankPlain = false;

private:
    bool SameSettings(const TRegionalSettings &settings) const;
};

// A date and a time of the usual shape, "d.m.yy" and "h:mm:ss" (each number
// of one to four digits), read without the scanner's look for blanks and
// designators between the numbers: the value the scanner reads from "date
// time" where each byte is of the kind the tables give it, the date's bytes
// by the first, the time's by the second. False where the scanner is needed:
// any other shape, and a date or time out of range.
bool ReadUsualDateTime(QByteArrayView date, QByteArrayView time, const TByteKinds &dateKinds,
                       const TByteKinds &timeKinds, const TDateTimeBytes &classes, double &value);

// The same conversion as ParseDateTime over the code page 850 bytes of the
// text, without making a QString.
bool ParseDateTime(QByteArrayView text, const TDateTimeBytes &classes, double &value);
inline std::optional<double> ParseDateTime(QByteArrayView text, const TDateTimeBytes &classes)
{
    if (double value; ParseDateTime(text, classes, value))
        return value;
    return std::nullopt;
}

// Day count since 30 December 1899 with the time of day as fraction.
double EncodeDateTime(const QDate &date, const QTime &time);
// The date and the time of day (to the millisecond) of a day count. Not a
// QDateTime: that would move times that fall into a daylight-saving gap.
struct TDateAndTime {
    QDate Date;
    QTime Time;
};
TDateAndTime DecodeDateTime(double value);

// The short date, then a blank and the long time unless the time is midnight
// (milliseconds don't count).
QString DateTimeDisplayText(double value, const TRegionalSettings &settings);
