// Sorting entries by a key a digit at a time: a handful of passes over the
// entries, whatever their number, instead of comparing them.
#pragma once

#include "core/fast/largeblock.h"

#include <cstdint>

// A key of 64 bits and the position of what it stands for.
struct TKeyedPosition {
    uint64_t Key;
    uint32_t Position;
};

// A hash of 32 bits and the position of what it stands for: half the bytes
// to move, where a hash is all there is to sort by.
struct THashedPosition {
    uint32_t Hash;
    uint32_t Position;
};

// Sort by ascending key or hash; entries with equal keys keep their order.
void RadixSort(TLargeVector<TKeyedPosition> &entries);
void RadixSort(TLargeVector<THashedPosition> &entries);
