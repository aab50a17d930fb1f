// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordmemory.h"

#include <cstdint>
#include <new>

#if defined(__linux__)
#include <cstdlib>
#include <sys/mman.h>
#endif

namespace tess {

namespace {

#if defined(__linux__)
// The size of a huge page on x86-64 and most arm64 systems; below a few of them the
// ordinary pages do as well.
constexpr std::size_t HugePage = 2 * 1024 * 1024;
constexpr std::size_t HugeFrom = 2 * HugePage;

std::size_t roundedUp(std::size_t bytes)
{
    return (bytes + HugePage - 1) / HugePage * HugePage;
}
#endif

} // namespace

void *allocateRecordMemory(std::size_t bytes)
{
#if defined(__linux__)
    if (bytes >= HugeFrom) {
        void *memory = std::aligned_alloc(HugePage, roundedUp(bytes));
        if (!memory)
            throw std::bad_alloc();
        madvise(memory, roundedUp(bytes), MADV_HUGEPAGE); // advice only: ordinary pages if refused
        return memory;
    }
#endif
    return ::operator new(bytes);
}

void releaseRecordMemory(void *memory, std::size_t bytes) noexcept
{
#if defined(__linux__)
    if (bytes >= HugeFrom) {
        std::free(memory);
        return;
    }
#endif
    ::operator delete(memory); // unsized: clang declares the sized form only with -fsized-deallocation
}

void releaseRecordPages(const void *memory, std::size_t bytes) noexcept
{
#if defined(__linux__)
    constexpr std::uintptr_t Page = 4096;
    const auto begin = (reinterpret_cast<std::uintptr_t>(memory) + Page - 1) / Page * Page;
    const auto end = (reinterpret_cast<std::uintptr_t>(memory) + bytes) / Page * Page;
    if (end > begin)
        madvise(reinterpret_cast<void *>(begin), end - begin, MADV_DONTNEED);
#else
    (void)memory;
    (void)bytes;
#endif
}

} // namespace tess
