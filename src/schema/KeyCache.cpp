#include "schema/KeyCache.h"

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
    m_Counts.clear();
    m_Keys.clear();
    m_bBuilt = false;
}

void CKeyCache::build(const CCtrlFile& ctrl) {
    clear();
    const std::size_t lines = ctrl.m_Lines.size();
    // Reserved up front: the counts hold views of these strings, which must not move.
    m_Keys.resize(lines);
    m_Counts.reserve(lines);
    std::vector<std::string_view> fields;
    for (std::size_t i = 0; i < lines; ++i) {
        KeyOfRow(ctrl.m_Lines[i], ctrl.m_KeyCols, fields, m_Keys[i]);
        ++m_Counts[m_Keys[i]];
    }
    m_bBuilt = true;
}

int CKeyCache::countOf(std::size_t row) const {
    const auto it = m_Counts.find(m_Keys[row]);
    return it == m_Counts.end() ? 0 : it->second;
}

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
