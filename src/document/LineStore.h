// The line store: every record of a document as one row string, in file order.
//
// Row strings live in large append-only byte chunks with a 16-byte reference
// per line, so a file of a million short lines costs little more than its own
// size. A replacement that fits is written over the line's own bytes; a longer
// one is appended and the old bytes stay until compact(). A view returned by
// operator[] stays valid until its line is set, or until clear() or compact().
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tabrix {

class CLineStore {
public:
    CLineStore() = default;
    CLineStore(const CLineStore&) = delete;
    CLineStore& operator=(const CLineStore&) = delete;
    CLineStore(CLineStore&&) = default;
    CLineStore& operator=(CLineStore&&) = default;

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
    // Takes over every line of another store, as a pass that rebuilt all rows
    // into a fresh store hands its result back.
    void replaceAll(CLineStore&& lines) { *this = std::move(lines); }
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

private:
    struct Ref {
        const char* data;
        std::uint32_t size;
    };
    const char* store(std::string_view row);

    std::vector<Ref> m_refs;
    std::vector<std::unique_ptr<char[]>> m_chunks;
    char* m_cursor = nullptr;
    std::size_t m_room = 0;
    std::size_t m_chunkBytes = 0;
    std::size_t m_liveBytes = 0;
};

}  // namespace tabrix
