#include "LargeBlocks.h"

#include <atomic>
#include <cstdint>
#include <new>
#include <sys/mman.h>

namespace {

constexpr std::size_t kHugePage = std::size_t(2) << 20;
// Below this a block is not worth a mapping of its own.
constexpr std::size_t kLarge = 4 * kHugePage;

std::atomic<std::size_t> g_mapped{0};

std::size_t Rounded(std::size_t bytes)
{
    return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}

} // namespace

// Mapped a huge page more than asked, then trimmed to start on a huge page.
void *AllocateLarge(std::size_t bytes)
{
    if (bytes < kLarge)
        return ::operator new(bytes);
    const std::size_t size = Rounded(bytes), mapped = size + kHugePage;
    void *map = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (map == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(map);
    const std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
    if (aligned > start)
        munmap(map, aligned - start);
    if (const std::size_t tail = start + mapped - (aligned + size))
        munmap(reinterpret_cast<void *>(aligned + size), tail);
    void *block = reinterpret_cast<void *>(aligned);
    madvise(block, size, MADV_HUGEPAGE);
    g_mapped += size;
    return block;
}

void FreeLarge(void *block, std::size_t bytes)
{
    if (bytes < kLarge)
        ::operator delete(block);
    else if (munmap(block, Rounded(bytes)) == 0)
        g_mapped -= Rounded(bytes);
}

std::size_t LargeBytesMapped()
{
    return g_mapped;
}
