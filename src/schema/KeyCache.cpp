#include "schema/KeyCache.h"

#include <cstdint>
#include <functional>
#include <string_view>

#include "document/CtrlFile.h"

namespace tabrix {

namespace {

// The key of one row string: fields are found by their TABs, so a row needs
// no splitting.
void KeyOfRow(std::string_view row, const std::vector<int>& keyCols, std::vector<std::string_view>& fields,
              std::string& key) {
    fields.clear();
    std::size_t start = 0;
    for (std::size_t tab = row.find('\t'); tab != std::string_view::npos; tab = row.find('\t', start)) {
        fields.push_back(row.substr(start, tab - start));
        start = tab + 1;
    }
    if (!row.empty()) fields.push_back(row.substr(start));
    key.clear();
    for (int col : keyCols)
        if (col >= 1 && static_cast<std::size_t>(col) <= fields.size()) key += fields[static_cast<std::size_t>(col - 1)];
}

}  // namespace

void CKeyCache::clear() {
    m_Keys.clear();
    m_Counts.clear();
    m_bBuilt = false;
}

namespace {

// Lines per partition that keep a partition's table in the cache.
constexpr std::size_t kPartitionLines = 4096;

struct Slot {
    std::uint64_t hash = 0;
    std::size_t firstRow = 0;
    int count = 0;  // 0: empty
};

}  // namespace

void CKeyCache::build(const CCtrlFile& ctrl) {
    clear();
    const std::size_t lines = ctrl.m_Lines.size();
    m_Keys.resize(lines);
    m_Counts.assign(lines, 0);
    std::vector<std::uint64_t> hashes(lines);
    std::vector<std::string_view> fields;
    const std::hash<std::string_view> hasher;
    for (std::size_t i = 0; i < lines; ++i) {
        KeyOfRow(ctrl.m_Lines[i], ctrl.m_KeyCols, fields, m_Keys[i]);
        hashes[i] = hasher(m_Keys[i]);
    }

    int bits = 0;
    while (bits < 16 && (lines >> bits) > kPartitionLines) ++bits;
    auto partitionOf = [bits](std::uint64_t hash) {
        return bits == 0 ? std::size_t{0} : static_cast<std::size_t>(hash >> (64 - bits));
    };
    const std::size_t partitions = std::size_t{1} << bits;
    std::vector<std::size_t> starts(partitions + 1, 0);
    for (std::uint64_t hash : hashes) ++starts[partitionOf(hash) + 1];
    for (std::size_t p = 0; p < partitions; ++p) starts[p + 1] += starts[p];
    std::vector<std::size_t> order(lines);
    {
        std::vector<std::size_t> next(starts.begin(), starts.end() - 1);
        for (std::size_t i = 0; i < lines; ++i) order[next[partitionOf(hashes[i])]++] = i;
    }

    std::vector<Slot> table;
    std::vector<std::size_t> slotOf;
    for (std::size_t p = 0; p < partitions; ++p) {
        const std::size_t begin = starts[p];
        const std::size_t count = starts[p + 1] - begin;
        std::size_t capacity = 8;
        while (capacity < 2 * count) capacity *= 2;
        const std::size_t mask = capacity - 1;
        table.assign(capacity, Slot{});
        slotOf.resize(count);
        for (std::size_t j = 0; j < count; ++j) {
            const std::size_t row = order[begin + j];
            const std::uint64_t hash = hashes[row];
            std::size_t index = static_cast<std::size_t>(hash) & mask;
            while (true) {
                Slot& slot = table[index];
                if (slot.count == 0) {
                    slot = {hash, row, 1};
                    break;
                }
                if (slot.hash == hash && m_Keys[slot.firstRow] == m_Keys[row]) {
                    ++slot.count;
                    break;
                }
                index = (index + 1) & mask;
            }
            slotOf[j] = index;
        }
        for (std::size_t j = 0; j < count; ++j) m_Counts[order[begin + j]] = table[slotOf[j]].count;
    }
    m_bBuilt = true;
}

int CKeyCache::countOf(std::size_t row) const { return row < m_Counts.size() ? m_Counts[row] : 0; }

int CCtrlFile::CheckKeyDup(std::size_t row, CKeyCache& cache, std::string& key) {
    key.clear();
    if (m_KeyCols.empty()) return 0;
    if (cache.empty()) cache.build(*this);
    if (row >= cache.size()) return 0;
    key = cache.keyOf(row);
    if (cache.countOf(row) < 2) return 0;
    m_strError = "キーデータが重複しています。";
    return 1;
}

}  // namespace tabrix
