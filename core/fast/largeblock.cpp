#include "core/fast/largeblock.h"

#include <cstdint>
#include <sys/mman.h>

namespace {

constexpr std::size_t HugePage = std::size_t(2) << 20;

std::size_t RoundedUp(std::size_t bytes)
{
    return (bytes + HugePage - 1) / HugePage * HugePage;
}

} // namespace

void *AllocateLargeBlock(std::size_t bytes)
{
    // One huge page more than needed, so that the block can start at a huge
    // page boundary; the ends beyond it go back at once.
    const std::size_t size = RoundedUp(bytes);
    void *mapped = ::mmap(nullptr, size + HugePage, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + HugePage - 1) / HugePage * HugePage;
    if (aligned > start)
        ::munmap(mapped, aligned - start);
    if (const std::size_t tail = start + size + HugePage - (aligned + size))
        ::munmap(reinterpret_cast<void *>(aligned + size), tail);
    // Only advice: where the system has no huge pages the block works the same.
    ::madvise(reinterpret_cast<void *>(aligned), size, MADV_HUGEPAGE);
    return reinterpret_cast<void *>(aligned);
}

void FreeLargeBlock(void *block, std::size_t bytes)
{
    ::munmap(block, RoundedUp(bytes));
}
