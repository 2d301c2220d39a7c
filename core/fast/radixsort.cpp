#include "core/fast/radixsort.h"

#include <array>
#include <cstddef>
#include <vector>

namespace {

// Digits of 11 bits: the counts of one digit fit in the first-level cache;
// six of them cover 64 bits, three 32.
constexpr int DigitBits = 11;
constexpr uint32_t Buckets = uint32_t(1) << DigitBits;

uint64_t KeyOf(const TKeyedPosition &entry)
{
    return entry.Key;
}
uint64_t KeyOf(const THashedPosition &entry)
{
    return entry.Hash;
}

uint32_t Digit(uint64_t key, int digit)
{
    return uint32_t(key >> (digit * DigitBits)) & (Buckets - 1);
}

// The one sort, over entries of either size: the smaller ones move half the
// bytes in half the passes.
template <typename TEntry, int KeyBits> void SortByDigits(TLargeVector<TEntry> &entries)
{
    constexpr int DigitCount = (KeyBits + DigitBits - 1) / DigitBits;
    const std::size_t count = entries.size();
    if (count < 2)
        return;
    // The counts of every digit in one pass over the keys.
    std::vector<std::array<uint32_t, Buckets>> counts(DigitCount);
    for (const TEntry &entry : entries) {
        const uint64_t key = KeyOf(entry);
        for (int digit = 0; digit < DigitCount; ++digit)
            ++counts[std::size_t(digit)][Digit(key, digit)];
    }

    TLargeVector<TEntry> other(count);
    for (int digit = 0; digit < DigitCount; ++digit) {
        std::array<uint32_t, Buckets> &start = counts[std::size_t(digit)];
        // A digit that all keys share orders nothing: most keys use few bits.
        if (start[Digit(KeyOf(entries.front()), digit)] == count)
            continue;
        uint32_t sum = 0;
        for (uint32_t &bucket : start) {
            const uint32_t inBucket = bucket;
            bucket = sum;
            sum += inBucket;
        }
        for (const TEntry &entry : entries)
            other[start[Digit(KeyOf(entry), digit)]++] = entry;
        entries.swap(other);
    }
}

} // namespace

void RadixSort(TLargeVector<TKeyedPosition> &entries)
{
    SortByDigits<TKeyedPosition, 64>(entries);
}

void RadixSort(TLargeVector<THashedPosition> &entries)
{
    SortByDigits<THashedPosition, 32>(entries);
}
