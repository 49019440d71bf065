// Memory for the big arrays a loaded file fills: the line store's chunks and
// its line index. Every byte is written before it is read, so nothing is
// cleared in advance; a block of 2 MiB or more comes straight from the system,
// aligned to and advised for large pages where the system offers them, and
// goes back to the system whole when freed. A 100 MB file then costs some
// fifty page faults instead of twenty-five thousand.
#pragma once

#include <algorithm>
#include <cstddef>
#include <new>
#include <utility>

namespace tabrix {

// Blocks this large are mapped from the system; smaller ones use the heap.
inline constexpr std::size_t kLargeBlock = std::size_t{2} << 20;

// Uninitialised memory of size bytes; throws std::bad_alloc.
void* AllocateBlock(std::size_t size);
// Frees a block of AllocateBlock, given the same size.
void FreeBlock(void* block, std::size_t size) noexcept;
// Makes the pages of [from, from + size) of a block present in one system
// call ahead of the writes, rather than one page fault per page as they come.
void PrepareBlock(void* from, std::size_t size) noexcept;

// One block, owned.
class CMemoryBlock {
public:
    explicit CMemoryBlock(std::size_t size) : m_data(static_cast<char*>(AllocateBlock(size))), m_size(size) {}
    ~CMemoryBlock() { FreeBlock(m_data, m_size); }
    CMemoryBlock(CMemoryBlock&& other) noexcept
        : m_data(std::exchange(other.m_data, nullptr)),
          m_size(std::exchange(other.m_size, 0)),
          m_ready(std::exchange(other.m_ready, 0)) {}
    CMemoryBlock& operator=(CMemoryBlock&& other) noexcept {
        std::swap(m_data, other.m_data);
        std::swap(m_size, other.m_size);
        std::swap(m_ready, other.m_ready);
        return *this;
    }
    char* data() const { return m_data; }
    std::size_t size() const { return m_size; }
    // Gives the memory back before the block itself goes.
    void release() noexcept {
        FreeBlock(m_data, m_size);
        m_data = nullptr;
        m_size = 0;
        m_ready = 0;
    }
    // Prepares the block's pages through offset end, a large page at a time;
    // returns the offset through which the block is now ready to be written.
    std::size_t prepareThrough(std::size_t end) {
        if (end <= m_ready) return m_ready;
        const std::size_t through = std::min(m_size, (end + kLargeBlock - 1) / kLargeBlock * kLargeBlock);
        PrepareBlock(m_data + m_ready, through - m_ready);
        return m_ready = through;
    }

private:
    char* m_data;
    std::size_t m_size;
    std::size_t m_ready = m_size < kLargeBlock ? m_size : 0;  // a heap block needs nothing
};

// An allocator for vectors of trivially copyable elements that grow large.
template <typename T>
struct BlockAllocator {
    using value_type = T;
    BlockAllocator() = default;
    template <typename U>
    BlockAllocator(const BlockAllocator<U>&) noexcept {}
    T* allocate(std::size_t n) {
        if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
        // A vector fills what it asks for at once: moving the old elements, then appending.
        void* block = AllocateBlock(n * sizeof(T));
        if (n * sizeof(T) >= kLargeBlock) PrepareBlock(block, n * sizeof(T));
        return static_cast<T*>(block);
    }
    void deallocate(T* p, std::size_t n) noexcept { FreeBlock(p, n * sizeof(T)); }
    template <typename U>
    bool operator==(const BlockAllocator<U>&) const noexcept {
        return true;
    }
};

}  // namespace tabrix
