// Memory for the model's large arrays (the objects of a list and its key
// index, a million entries and more): taken from the system in huge pages
// where it offers them, so that filling an array costs a page fault per
// 2 MiB rather than per 4 KiB. Small arrays come from the usual heap.
#pragma once

#include <cstddef>
#include <new>
#include <vector>

void *AllocateLargeBlock(std::size_t bytes);
void FreeLargeBlock(void *block, std::size_t bytes);
// Blocks below this size come from the heap.
inline constexpr std::size_t LargeBlockThreshold = std::size_t(4) << 20;

template <typename T> struct TLargeBlockAllocator;
// A vector whose block, once large, comes in huge pages: for the model's
// arrays of a million entries, and the sort's and the reading's work arrays
// of the same length.
template <typename T> using TLargeVector = std::vector<T, TLargeBlockAllocator<T>>;

template <typename T> struct TLargeBlockAllocator {
    using value_type = T;

    TLargeBlockAllocator() = default;
    template <typename U> TLargeBlockAllocator(const TLargeBlockAllocator<U> &) {}

    T *allocate(std::size_t count)
    {
        const std::size_t bytes = count * sizeof(T);
        if (bytes < LargeBlockThreshold)
            return static_cast<T *>(::operator new(bytes));
        return static_cast<T *>(AllocateLargeBlock(bytes));
    }
    void deallocate(T *block, std::size_t count)
    {
        const std::size_t bytes = count * sizeof(T);
        if (bytes < LargeBlockThreshold)
            ::operator delete(block);
        else
            FreeLargeBlock(block, bytes);
    }
    template <typename U> bool operator==(const TLargeBlockAllocator<U> &) const { return true; }
};
