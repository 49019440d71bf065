#include "document/CtrlFile.h"

namespace tabrix {

CColCtrl* CCtrlFile::FindCol(int col) const {
    if (col >= 1 && static_cast<std::size_t>(col) <= m_Cols.size() && m_Cols[col - 1]->m_nCol == col)
        return m_Cols[col - 1].get();
    for (const auto& c : m_Cols)
        if (c->m_nCol == col) return c.get();
    return nullptr;
}

std::vector<int> CCtrlFile::VirtualColumns() const {
    std::vector<int> cols;
    if (!m_bLoaded) return cols;
    for (const auto& c : m_Cols)
        if (c->isVirtual()) cols.push_back(c->m_nCol);
    return cols;
}

int CCtrlFile::InFileColumnCount() const {
    if (!m_bLoaded) return 0;
    int n = 0;
    for (const auto& c : m_Cols)
        if (!c->isVirtual()) ++n;
    return n;
}

}  // namespace tabrix
