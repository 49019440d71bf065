// Keeping the column records in step when the data's columns are inserted,
// deleted or rearranged.
#include <algorithm>
#include <unordered_map>

#include "document/CtrlFile.h"

namespace tabrix {

namespace {

void Renumber(std::vector<std::unique_ptr<CColCtrl>>& cols) {
    int number = 1;
    for (auto& col : cols) col->m_nCol = number++;
}

}  // namespace

int CCtrlFile::InsertColDef(int position) {
    ++m_nMaxCols;
    if (!m_bLoaded || position < 1 || static_cast<std::size_t>(position) > m_Cols.size() + 1) return 0;
    auto col = std::make_unique<CColCtrl>();
    col->m_strTitle = "Col." + std::to_string(position);
    col->m_pOwner = this;
    m_Cols.insert(m_Cols.begin() + (position - 1), std::move(col));
    Renumber(m_Cols);
    m_bModified = true;
    return 1;
}

int CCtrlFile::DeleteColDef(int position) {
    if (m_nMaxCols > 0) --m_nMaxCols;
    if (!m_bLoaded || position < 1 || static_cast<std::size_t>(position) > m_Cols.size()) return 0;
    const auto it = std::find_if(m_Cols.begin(), m_Cols.end(),
                                 [position](const auto& col) { return col->m_nCol == position; });
    if (it == m_Cols.end()) return 0;
    m_Cols.erase(it);
    Renumber(m_Cols);
    m_bModified = true;
    return 1;
}

bool CCtrlFile::ReorderColDefs(const std::vector<int>& order) {
    if (!m_bLoaded || order.size() != m_Cols.size()) return false;
    // Where each column number stands now; the order must name each exactly once.
    std::unordered_map<int, std::size_t> indexOf;
    for (std::size_t i = 0; i < m_Cols.size(); ++i) indexOf.emplace(m_Cols[i]->m_nCol, i);
    std::vector<std::size_t> from;
    from.reserve(order.size());
    std::vector<bool> named(m_Cols.size(), false);
    for (int number : order) {
        const auto it = indexOf.find(number);
        if (it == indexOf.end() || named[it->second]) return false;
        named[it->second] = true;
        from.push_back(it->second);
    }
    std::vector<std::unique_ptr<CColCtrl>> reordered;
    reordered.reserve(order.size());
    for (std::size_t i : from) reordered.push_back(std::move(m_Cols[i]));
    m_Cols = std::move(reordered);
    Renumber(m_Cols);
    m_bModified = true;
    return true;
}

}  // namespace tabrix
