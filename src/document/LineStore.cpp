#include "document/LineStore.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "document/StoreSteps.h"
#include "document/UndoJournal.h"

namespace tabrix {

namespace {
constexpr std::size_t kFirstChunk = 256u << 10;
constexpr std::size_t kLargestChunk = 32u << 20;
}  // namespace

const char* CLineStore::store(std::string_view row) {
    if (row.size() > UINT32_MAX) throw std::length_error("row string longer than 4 GiB");
    if (row.empty()) return "";
    if (row.size() > m_room) {
        // Each chunk is as large as all before it together, within bounds.
        const std::size_t next = std::clamp(m_chunkBytes, kFirstChunk, kLargestChunk);
        // A row larger than a quarter chunk gets a chunk of its own; the current one stays open.
        const bool own = row.size() > next / 4;
        const std::size_t size = own ? row.size() : next;
        m_chunks.emplace_back(size);
        m_chunkBytes += size;
        if (own) {
            char* at = m_chunks.back().data();
            std::memcpy(at, row.data(), row.size());
            m_liveBytes += row.size();
            return at;
        }
        m_open = m_chunks.size() - 1;
        m_cursor = m_chunks.back().data();
        m_room = size;
        m_ready = 0;
    }
    char* at = m_cursor;
    if (m_ready < row.size()) {
        CMemoryBlock& chunk = m_chunks[m_open];
        const std::size_t offset = static_cast<std::size_t>(at - chunk.data());
        m_ready = chunk.prepareThrough(offset + row.size()) - offset;
    }
    m_ready -= row.size();
    std::memcpy(at, row.data(), row.size());
    m_cursor += row.size();
    m_room -= row.size();
    m_liveBytes += row.size();
    return at;
}

void CLineStore::takeRows(CLineStore& other) {
    m_refs = std::move(other.m_refs);
    m_chunks = std::move(other.m_chunks);
    m_open = std::exchange(other.m_open, 0);
    m_cursor = std::exchange(other.m_cursor, nullptr);
    m_room = std::exchange(other.m_room, 0);
    m_ready = std::exchange(other.m_ready, 0);
    m_chunkBytes = std::exchange(other.m_chunkBytes, 0);
    m_liveBytes = std::exchange(other.m_liveBytes, 0);
    other.m_refs.clear();
    other.m_chunks.clear();
}

namespace {
// The steps of the action being recorded, or null when no journal listens.
CStoreSteps* StepsOf(CUndoJournal* journal) { return journal ? journal->recordingSteps() : nullptr; }
}  // namespace

void CLineStore::push_back(std::string_view row) {
    if (CStoreSteps* steps = StepsOf(m_pJournal)) steps->recordInsert(m_refs.size(), 1);
    const char* at = store(row);
    m_refs.push_back({at, static_cast<std::uint32_t>(row.size())});
}

void CLineStore::set(std::size_t i, std::string_view row) {
    Ref& ref = m_refs.at(i);
    if (CStoreSteps* steps = StepsOf(m_pJournal)) {
        if (row.data() == ref.data && row.size() == ref.size) return;
        // Written over the line's own bytes, as without a journal, when the
        // journal can keep just the part that differs: a pass that changes a
        // field of every line then touches no new memory for the rows.
        if (!row.empty() && row.size() <= ref.size && steps->recordPatch(i, {ref.data, ref.size}, row)) {
            std::memmove(const_cast<char*>(ref.data), row.data(), row.size());
            m_liveBytes -= ref.size - row.size();
            ref.size = static_cast<std::uint32_t>(row.size());
            return;
        }
        // The old bytes stay where they are for the journal.
        steps->recordSet(i, ref);
        m_liveBytes -= ref.size;
        const char* at = store(row);
        m_refs[i] = {at, static_cast<std::uint32_t>(row.size())};
        return;
    }
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
    if (CStoreSteps* steps = StepsOf(m_pJournal)) steps->recordInsert(pos, 1);
    const char* at = store(row);
    m_refs.insert(m_refs.begin() + static_cast<std::ptrdiff_t>(pos),
                  Ref{at, static_cast<std::uint32_t>(row.size())});
}

void CLineStore::insert(std::size_t pos, const std::vector<std::string>& rows) {
    if (rows.empty()) return;
    if (CStoreSteps* steps = StepsOf(m_pJournal)) steps->recordInsert(pos, rows.size());
    std::vector<Ref> refs;
    refs.reserve(rows.size());
    for (const auto& row : rows) refs.push_back({store(row), static_cast<std::uint32_t>(row.size())});
    m_refs.insert(m_refs.begin() + static_cast<std::ptrdiff_t>(pos), refs.begin(), refs.end());
}

void CLineStore::erase(std::size_t pos, std::size_t count) {
    if (count == 0) return;
    auto first = m_refs.begin() + static_cast<std::ptrdiff_t>(pos);
    if (CStoreSteps* steps = StepsOf(m_pJournal)) steps->recordErase(pos, &*first, count);
    for (auto it = first; it != first + static_cast<std::ptrdiff_t>(count); ++it) m_liveBytes -= it->size;
    m_refs.erase(first, first + static_cast<std::ptrdiff_t>(count));
}

void CLineStore::erase(const std::vector<std::size_t>& ascending) {
    if (ascending.empty()) return;
    CStoreSteps* steps = StepsOf(m_pJournal);
    std::vector<Ref> removed;
    if (steps) removed.reserve(ascending.size());
    std::size_t out = ascending.front();
    std::size_t next = 0;
    for (std::size_t in = ascending.front(); in < m_refs.size(); ++in) {
        if (next < ascending.size() && ascending[next] == in) {
            m_liveBytes -= m_refs[in].size;
            if (steps) removed.push_back(m_refs[in]);
            ++next;
            continue;
        }
        m_refs[out++] = m_refs[in];
    }
    m_refs.resize(out);
    if (steps) steps->recordEraseAt(ascending, std::move(removed));
}

void CLineStore::reorder(std::size_t first, const std::vector<std::uint32_t>& order) {
    if (CStoreSteps* steps = StepsOf(m_pJournal)) steps->recordReorder(first, order);
    std::vector<Ref> moved;
    moved.reserve(order.size());
    for (std::uint32_t from : order) moved.push_back(m_refs[first + from]);
    std::copy(moved.begin(), moved.end(), m_refs.begin() + static_cast<std::ptrdiff_t>(first));
}

void CLineStore::replaceAll(CLineStore&& lines) {
    if (CStoreSteps* steps = StepsOf(m_pJournal)) {
        auto old = std::make_unique<CLineStore>(std::move(*this));
        takeRows(lines);
        steps->recordSwap(std::move(old));
        return;
    }
    takeRows(lines);
}

void CLineStore::rebuild(const RowBuilder& build) {
    std::string out;
    if (StepsOf(m_pJournal)) {
        // The journal keeps the old rows: the new ones are built beside them
        // and the two stores swap, one step to undo.
        CLineStore fresh;
        fresh.reserve(m_refs.size());
        for (std::size_t i = 0; i < m_refs.size(); ++i) {
            out.clear();
            build(i, (*this)[i], out);
            fresh.push_back(out);
        }
        replaceAll(std::move(fresh));
        return;
    }
    // Where each old chunk is used for the last time.
    struct OldChunk {
        const char* begin;
        std::size_t index;
        std::size_t lastUse;
    };
    std::vector<CMemoryBlock> old = std::move(m_chunks);
    std::vector<OldChunk> byAddress;
    for (std::size_t k = 0; k < old.size(); ++k) byAddress.push_back({old[k].data(), k, 0});
    std::sort(byAddress.begin(), byAddress.end(), [](const OldChunk& a, const OldChunk& b) { return a.begin < b.begin; });
    for (std::size_t i = 0; i < m_refs.size(); ++i) {
        const char* data = m_refs[i].data;
        auto it = std::upper_bound(byAddress.begin(), byAddress.end(), data,
                                   [](const char* p, const OldChunk& c) { return p < c.begin; });
        if (it == byAddress.begin() || m_refs[i].size == 0) continue;  // an empty row owns no bytes
        --it;
        it->lastUse = i;
    }
    std::sort(byAddress.begin(), byAddress.end(),
              [](const OldChunk& a, const OldChunk& b) { return a.lastUse < b.lastUse; });

    m_chunks.clear();
    m_open = 0;
    m_cursor = nullptr;
    m_room = 0;
    m_ready = 0;
    m_chunkBytes = 0;
    m_liveBytes = 0;
    std::size_t released = 0;
    for (std::size_t i = 0; i < m_refs.size(); ++i) {
        out.clear();
        build(i, std::string_view(m_refs[i].data, m_refs[i].size), out);
        m_refs[i] = {store(out), static_cast<std::uint32_t>(out.size())};
        while (released < byAddress.size() && byAddress[released].lastUse <= i) old[byAddress[released++].index].release();
    }
}

void CLineStore::clear() {
    if (m_pJournal && m_pJournal->recordingSteps()) {
        replaceAll(CLineStore());
        return;
    }
    m_refs.clear();
    m_refs.shrink_to_fit();
    m_chunks.clear();
    m_open = 0;
    m_cursor = nullptr;
    m_room = 0;
    m_ready = 0;
    m_chunkBytes = 0;
    m_liveBytes = 0;
}

void CLineStore::compact() {
    // Lines the journal patches in place need their slots as they are.
    if (m_pJournal && m_pJournal->holdsPatches()) return;
    CLineStore fresh;
    fresh.m_refs.reserve(m_refs.size());
    for (std::size_t i = 0; i < m_refs.size(); ++i) fresh.push_back((*this)[i]);
    // The rows the journal refers to move along; they are not live rows.
    if (m_pJournal)
        m_pJournal->forEachRowRef([&fresh](Ref& ref) {
            ref = fresh.copyIn(ref);
            fresh.m_liveBytes -= ref.size;
        });
    takeRows(fresh);
}

}  // namespace tabrix
