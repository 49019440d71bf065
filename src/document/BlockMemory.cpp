#include "document/BlockMemory.h"

#include <sys/mman.h>

#include <cstdint>

namespace tabrix {

namespace {

// MADV_POPULATE_WRITE (Linux 5.14), which older C library headers lack.
#ifdef MADV_POPULATE_WRITE
constexpr int kPopulateWrite = MADV_POPULATE_WRITE;
#else
constexpr int kPopulateWrite = 23;
#endif

std::size_t MappedLength(std::size_t size) { return (size + kLargeBlock - 1) / kLargeBlock * kLargeBlock; }

}  // namespace

void* AllocateBlock(std::size_t size) {
    if (size < kLargeBlock) return ::operator new(size);
    const std::size_t length = MappedLength(size);
    if (length < size || length + kLargeBlock < length) throw std::bad_alloc();
    // Map one alignment unit more and trim, so the block starts on a large-page boundary.
    void* mapped = ::mmap(nullptr, length + kLargeBlock, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + kLargeBlock - 1) / kLargeBlock * kLargeBlock;
    if (aligned > start) ::munmap(mapped, aligned - start);
    const std::size_t tail = (start + length + kLargeBlock) - (aligned + length);
    if (tail > 0) ::munmap(reinterpret_cast<void*>(aligned + length), tail);
    void* block = reinterpret_cast<void*>(aligned);
#ifdef MADV_HUGEPAGE
    // Advice only: without large pages the block works the same, page by page.
    ::madvise(block, length, MADV_HUGEPAGE);
#endif
    return block;
}

void FreeBlock(void* block, std::size_t size) noexcept {
    if (!block) return;
    if (size < kLargeBlock) {
        ::operator delete(block);
        return;
    }
    ::munmap(block, MappedLength(size));
}

void PrepareBlock(void* from, std::size_t size) noexcept {
    // Older kernels refuse the advice; the pages then come one fault at a time.
    ::madvise(from, size, kPopulateWrite);
}

}  // namespace tabrix
