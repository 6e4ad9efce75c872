#pragma once
// Room for millions of a run's steps. A large block is mapped in huge pages
// where the system allows: touching a gigabyte 4 KB at a time costs more
// than writing it. Small blocks come from the usual heap.

#include <cstddef>

void *AllocateLarge(std::size_t bytes);
void FreeLarge(void *block, std::size_t bytes);
// What the large blocks hold now, mapped apart from the heap.
std::size_t LargeBytesMapped();

template <class T>
struct LargeBlockAllocator {
    using value_type = T;
    LargeBlockAllocator() = default;
    template <class U>
    LargeBlockAllocator(const LargeBlockAllocator<U> &) {}
    T *allocate(std::size_t n) { return static_cast<T *>(AllocateLarge(n * sizeof(T))); }
    void deallocate(T *block, std::size_t n) { FreeLarge(block, n * sizeof(T)); }
    template <class U>
    bool operator==(const LargeBlockAllocator<U> &) const { return true; }
    template <class U>
    bool operator!=(const LargeBlockAllocator<U> &) const { return false; }
};
