// Sorting entries by a 64-bit key a digit at a time: a handful of passes
// over the entries, whatever their number, instead of comparing them.
#pragma once

#include "core/fast/largeblock.h"

#include <cstdint>

// A key and the position of what it stands for.
struct TKeyedPosition {
    uint64_t Key;
    uint32_t Position;
};

// Sorts by ascending key; entries with equal keys keep their order.
void RadixSort(TLargeVector<TKeyedPosition> &entries);
