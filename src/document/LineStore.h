// The line store: every record of a document as one row string, in file order.
//
// Row strings live in large append-only byte chunks with a 16-byte reference
// per line, so a file of a million short lines costs little more than its own
// size. Chunks grow with the store, from 256 KiB to 32 MiB, so a small file
// stays small and a big one takes few large blocks (BlockMemory.h). A
// replacement that fits is written over the line's own bytes; a longer one is
// appended and the old bytes stay until compact(). A view returned by
// operator[] stays valid until its line is set, or until clear() or compact().
//
// A store with an undo journal tells it every change; while the journal
// holds anything, no row is written over its old bytes, so the journal's
// references to replaced and removed rows stay good.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "document/BlockMemory.h"

namespace tabrix {

class CUndoJournal;

// Where a row's bytes are: in a chunk of some store.
struct LineRef {
    const char* data;
    std::uint32_t size;
};

class CLineStore {
public:
    CLineStore() = default;
    CLineStore(const CLineStore&) = delete;
    CLineStore& operator=(const CLineStore&) = delete;
    // The rows move; the journal stays with the store it was attached to.
    CLineStore(CLineStore&& other) noexcept { takeRows(other); }
    CLineStore& operator=(CLineStore&& other) noexcept {
        if (this != &other) takeRows(other);
        return *this;
    }

    std::size_t size() const { return m_refs.size(); }
    bool empty() const { return m_refs.empty(); }
    std::string_view operator[](std::size_t i) const { return {m_refs[i].data, m_refs[i].size}; }

    void push_back(std::string_view row);
    void set(std::size_t i, std::string_view row);
    void insert(std::size_t pos, std::string_view row);
    void insert(std::size_t pos, const std::vector<std::string>& rows);
    void erase(std::size_t pos, std::size_t count = 1);
    // Removes the lines at the given indices (ascending, each once) in one
    // pass over the line index, however scattered they are.
    void erase(const std::vector<std::size_t>& ascending);
    // Rearranges the lines from first on: line first+i becomes the line that
    // stood at first+order[i]. order is a permutation; no row bytes move.
    void reorder(std::size_t first, const std::vector<std::uint32_t>& order);
    // Takes over every line of another store, as a pass that built all rows
    // into a fresh store hands its result back.
    void replaceAll(CLineStore&& lines);
    // Rewrites every line in order: build(i, row, out) puts the new row of
    // line i into out (given empty) and must look at no other line. The new
    // rows go into fresh chunks, and each old chunk is released once no later
    // line uses it, so a pass over a store read in file order needs little
    // more memory than the store itself.
    using RowBuilder = std::function<void(std::size_t line, std::string_view row, std::string& out)>;
    void rebuild(const RowBuilder& build);
    void clear();
    void reserve(std::size_t lines) { m_refs.reserve(lines); }
    // Gives back spare capacity of the line index when it is worth a copy.
    void shrink_to_fit() {
        if (m_refs.capacity() > m_refs.size() + m_refs.size() / 4) m_refs.shrink_to_fit();
    }
    // Copies the live rows into fresh chunks when replaced rows left much garbage.
    void compact();

    // Bytes held by chunks, live and garbage; for tests and diagnostics.
    std::size_t chunkBytes() const { return m_chunkBytes; }
    std::size_t liveBytes() const { return m_liveBytes; }

    // The journal told of every change from now on; null for none.
    void setJournal(CUndoJournal* journal) { m_pJournal = journal; }
    CUndoJournal* journal() const { return m_pJournal; }

private:
    friend class CStoreSteps;
    using Ref = LineRef;
    const char* store(std::string_view row);
    // A copy of a row's bytes in this store's chunks.
    Ref copyIn(Ref ref) { return {store({ref.data, ref.size}), ref.size}; }
    void takeRows(CLineStore& other);

    std::vector<Ref, BlockAllocator<Ref>> m_refs;
    std::vector<CMemoryBlock> m_chunks;
    std::size_t m_open = 0;   // index of the chunk rows are appended to
    char* m_cursor = nullptr;
    std::size_t m_room = 0;
    std::size_t m_ready = 0;  // bytes from the cursor on that are prepared for writing
    std::size_t m_chunkBytes = 0;
    std::size_t m_liveBytes = 0;
    CUndoJournal* m_pJournal = nullptr;
};

}  // namespace tabrix
