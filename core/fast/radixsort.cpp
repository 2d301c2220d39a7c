#include "core/fast/radixsort.h"

#include <array>
#include <cstddef>

namespace {

// Digits of 11 bits: the counts of one digit fit in the first-level cache,
// and six of them cover 64 bits.
constexpr int DigitBits = 11;
constexpr int DigitCount = (64 + DigitBits - 1) / DigitBits;
constexpr uint32_t Buckets = uint32_t(1) << DigitBits;

uint32_t Digit(uint64_t key, int digit)
{
    return uint32_t(key >> (digit * DigitBits)) & (Buckets - 1);
}

} // namespace

void RadixSort(TLargeVector<TKeyedPosition> &entries)
{
    const std::size_t count = entries.size();
    if (count < 2)
        return;
    // The counts of every digit in one pass over the keys.
    std::vector<std::array<uint32_t, Buckets>> counts(DigitCount);
    for (const TKeyedPosition &entry : entries) {
        for (int digit = 0; digit < DigitCount; ++digit)
            ++counts[std::size_t(digit)][Digit(entry.Key, digit)];
    }

    TLargeVector<TKeyedPosition> other(count);
    for (int digit = 0; digit < DigitCount; ++digit) {
        std::array<uint32_t, Buckets> &start = counts[std::size_t(digit)];
        // A digit that all keys share orders nothing: most keys use few bits.
        if (start[Digit(entries.front().Key, digit)] == count)
            continue;
        uint32_t sum = 0;
        for (uint32_t &bucket : start) {
            const uint32_t inBucket = bucket;
            bucket = sum;
            sum += inBucket;
        }
        for (const TKeyedPosition &entry : entries)
            other[start[Digit(entry.Key, digit)]++] = entry;
        entries.swap(other);
    }
}
