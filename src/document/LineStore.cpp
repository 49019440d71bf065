#include "document/LineStore.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace tabrix {

namespace {
constexpr std::size_t kChunkSize = 4u << 20;
}

const char* CLineStore::store(std::string_view row) {
    if (row.size() > UINT32_MAX) throw std::length_error("row string longer than 4 GiB");
    if (row.empty()) return "";
    if (row.size() > m_room) {
        // A row larger than a chunk gets a chunk of its own; the current one stays open.
        const std::size_t size = row.size() > kChunkSize / 4 ? row.size() : kChunkSize;
        m_chunks.push_back(std::make_unique<char[]>(size));
        m_chunkBytes += size;
        if (size != kChunkSize) {
            // The current chunk stays open for the rows that follow.
            char* own = m_chunks.back().get();
            std::memcpy(own, row.data(), row.size());
            m_liveBytes += row.size();
            return own;
        }
        m_cursor = m_chunks.back().get();
        m_room = size;
    }
    char* at = m_cursor;
    std::memcpy(at, row.data(), row.size());
    m_cursor += row.size();
    m_room -= row.size();
    m_liveBytes += row.size();
    return at;
}

void CLineStore::push_back(std::string_view row) {
    const char* at = store(row);
    m_refs.push_back({at, static_cast<std::uint32_t>(row.size())});
}

void CLineStore::set(std::size_t i, std::string_view row) {
    Ref& ref = m_refs.at(i);
    if (row.size() <= ref.size && ref.size > 0 && row.data() != ref.data) {
        // Shorter or equal: reuse the line's own bytes (they belong to this line only).
        std::memmove(const_cast<char*>(ref.data), row.data(), row.size());
        m_liveBytes -= ref.size - row.size();
        ref.size = static_cast<std::uint32_t>(row.size());
        if (row.empty()) ref.data = "";
        return;
    }
    if (row.data() == ref.data && row.size() == ref.size) return;
    m_liveBytes -= ref.size;
    const char* at = store(row);
    m_refs[i] = {at, static_cast<std::uint32_t>(row.size())};
}

void CLineStore::insert(std::size_t pos, std::string_view row) {
    const char* at = store(row);
    m_refs.insert(m_refs.begin() + static_cast<std::ptrdiff_t>(pos),
                  Ref{at, static_cast<std::uint32_t>(row.size())});
}

void CLineStore::insert(std::size_t pos, const std::vector<std::string>& rows) {
    std::vector<Ref> refs;
    refs.reserve(rows.size());
    for (const auto& row : rows) refs.push_back({store(row), static_cast<std::uint32_t>(row.size())});
    m_refs.insert(m_refs.begin() + static_cast<std::ptrdiff_t>(pos), refs.begin(), refs.end());
}

void CLineStore::erase(std::size_t pos, std::size_t count) {
    auto first = m_refs.begin() + static_cast<std::ptrdiff_t>(pos);
    for (auto it = first; it != first + static_cast<std::ptrdiff_t>(count); ++it) m_liveBytes -= it->size;
    m_refs.erase(first, first + static_cast<std::ptrdiff_t>(count));
}

void CLineStore::erase(const std::vector<std::size_t>& ascending) {
    if (ascending.empty()) return;
    std::size_t out = ascending.front();
    std::size_t next = 0;
    for (std::size_t in = ascending.front(); in < m_refs.size(); ++in) {
        if (next < ascending.size() && ascending[next] == in) {
            m_liveBytes -= m_refs[in].size;
            ++next;
            continue;
        }
        m_refs[out++] = m_refs[in];
    }
    m_refs.resize(out);
}

void CLineStore::reorder(std::size_t first, const std::vector<std::uint32_t>& order) {
    std::vector<Ref> moved;
    moved.reserve(order.size());
    for (std::uint32_t from : order) moved.push_back(m_refs[first + from]);
    std::copy(moved.begin(), moved.end(), m_refs.begin() + static_cast<std::ptrdiff_t>(first));
}

void CLineStore::clear() {
    m_refs.clear();
    m_refs.shrink_to_fit();
    m_chunks.clear();
    m_cursor = nullptr;
    m_room = 0;
    m_chunkBytes = 0;
    m_liveBytes = 0;
}

void CLineStore::compact() {
    CLineStore fresh;
    fresh.m_refs.reserve(m_refs.size());
    for (std::size_t i = 0; i < m_refs.size(); ++i) fresh.push_back((*this)[i]);
    *this = std::move(fresh);
}

}  // namespace tabrix
