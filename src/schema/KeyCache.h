// The record keys of a data check run: one key per line of the line store
// and how often each key occurs, built once and reused for every row.
//
// The lines are counted in partitions by the top bits of their key's hash,
// each with a table small enough to stay in the cache, and every line keeps
// its own count: a million-line store costs no more per line than a small
// one, where one table over all keys would miss the cache on every line.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tabrix {

class CCtrlFile;

class CKeyCache {
public:
    CKeyCache() = default;
    CKeyCache(const CKeyCache&) = delete;
    CKeyCache& operator=(const CKeyCache&) = delete;

    bool empty() const { return !m_bBuilt; }
    // Empties the cache; the owner calls it whenever the lines change.
    void clear();
    // The key of every line: the fields of the key columns, in their order,
    // joined without separator (a key column beyond a line counts as empty).
    void build(const CCtrlFile& ctrl);

    std::size_t size() const { return m_Keys.size(); }
    const std::string& keyOf(std::size_t row) const { return m_Keys[row]; }
    // How many lines have the key of the row.
    int countOf(std::size_t row) const;

private:
    std::vector<std::string> m_Keys;
    std::vector<int> m_Counts;  // of each line's key
    bool m_bBuilt = false;
};

}  // namespace tabrix
