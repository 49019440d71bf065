// Keeping the column records in step when the data's columns are inserted,
// deleted or rearranged. The column numbers the schema holds elsewhere (the
// key columns, the target columns of every translation) follow as well, or
// translated names would be written over another column's data.
#include <algorithm>
#include <cstdio>
#include <unordered_map>

#include "document/CtrlFile.h"

namespace tabrix {

namespace {

void Renumber(std::vector<std::unique_ptr<CColCtrl>>& cols) {
    int number = 1;
    for (auto& col : cols) col->m_nCol = number++;
}

// Applies renumber to every column number the schema holds outside the
// records' own numbers; a number renumber maps to 0 is dropped.
template <typename Renumber>
void RenumberReferences(CCtrlFile& ctrl, Renumber renumber) {
    auto apply = [&](std::vector<int>& numbers) {
        std::vector<int> kept;
        kept.reserve(numbers.size());
        for (int number : numbers)
            if (const int moved = renumber(number); moved > 0) kept.push_back(moved);
        numbers = std::move(kept);
    };
    apply(ctrl.m_KeyCols);
    for (auto& col : ctrl.m_Cols) apply(col->m_Tran.m_TranCols);
}

}  // namespace

int NumberAfterInsert(int number, int position) { return number >= position ? number + 1 : number; }

int NumberAfterDelete(int number, int position) {
    return number == position ? 0 : number > position ? number - 1 : number;
}

std::string CCtrlFile::ColumnDeletionRefusal(const std::vector<int>& cols) const {
    for (int col : cols) {
        for (int role : ReferencedColumns(col)) {
            char text[160];
            if (role == 0)
                std::snprintf(text, sizeof text, "列：%d は、キー列の為削除出来ません。", col);
            else
                std::snprintf(text, sizeof text, "列：%d は、列：%d の翻訳先の為削除出来ません。", col, role);
            return text;
        }
    }
    return {};
}

std::vector<int> CCtrlFile::ReferencedColumns(int col) const {
    std::vector<int> roles;
    if (std::find(m_KeyCols.begin(), m_KeyCols.end(), col) != m_KeyCols.end()) roles.push_back(0);
    for (const auto& rec : m_Cols) {
        const std::vector<int>& targets = rec->m_Tran.m_TranCols;
        if (rec->m_Tran.m_bTran && std::find(targets.begin(), targets.end(), col) != targets.end())
            roles.push_back(rec->m_nCol);
    }
    return roles;
}

int CCtrlFile::InsertColDef(int position) {
    ++m_nMaxCols;
    if (!m_bLoaded || position < 1 || static_cast<std::size_t>(position) > m_Cols.size() + 1) return 0;
    auto col = std::make_unique<CColCtrl>();
    col->m_strTitle = "Col." + std::to_string(position);
    col->m_pOwner = this;
    m_Cols.insert(m_Cols.begin() + (position - 1), std::move(col));
    Renumber(m_Cols);
    RenumberReferences(*this, [position](int number) { return NumberAfterInsert(number, position); });
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
    RenumberReferences(*this, [position](int number) { return NumberAfterDelete(number, position); });
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
    std::unordered_map<int, int> newNumber;
    for (std::size_t i = 0; i < order.size(); ++i) newNumber.emplace(order[i], static_cast<int>(i) + 1);
    RenumberReferences(*this, [&newNumber](int number) {
        const auto it = newNumber.find(number);
        return it == newNumber.end() ? number : it->second;
    });
    m_bModified = true;
    return true;
}

}  // namespace tabrix
