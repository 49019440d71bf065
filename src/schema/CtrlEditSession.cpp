#include "schema/CtrlEditSession.h"

#include "document/CtrlFile.h"

namespace tabrix {

namespace {

bool SameTableSettings(const CTranCtrl& a, const CTranCtrl& b) {
    return a.m_strFile == b.m_strFile && a.m_cDelim == b.m_cDelim && a.m_nKeyPos == b.m_nKeyPos &&
           a.m_NamePos == b.m_NamePos;
}

}  // namespace

CCtrlEditSession::CCtrlEditSession(CCtrlFile& ctrl) : m_ctrl(ctrl), m_snapshot(TakeSnapshot(ctrl)) {
    m_origins.resize(ctrl.m_Cols.size());
    for (std::size_t i = 0; i < m_origins.size(); ++i) m_origins[i].record = static_cast<int>(i);
}

void CCtrlEditSession::schemaCreated() { m_origins.assign(m_ctrl.m_Cols.size(), Origin{}); }

int CCtrlEditSession::addVirtualColumn(int col) {
    const int position = col + 1;
    if (!m_ctrl.InsertColDef(position)) {
        --m_ctrl.m_nMaxCols;  // the column count follows the data, which did not grow
        return 0;
    }
    CColCtrl& added = *m_ctrl.m_Cols[static_cast<std::size_t>(position - 1)];
    added.m_bFileCol = false;
    // As the loader keeps a virtual column: text that takes every character.
    added.m_nFormat1 = added.m_nFormat2 = 0xFFFFFFFF;
    m_origins.insert(m_origins.begin() + (position - 1), Origin{});
    m_edits.push_back({ColumnEdit::Insert, position});
    return position;
}

bool CCtrlEditSession::deleteColumn(int col) {
    if (col < 1 || static_cast<std::size_t>(col) > m_origins.size()) return false;
    if (!m_ctrl.DeleteColDef(col)) {
        ++m_ctrl.m_nMaxCols;
        return false;
    }
    m_origins.erase(m_origins.begin() + (col - 1));
    m_edits.push_back({ColumnEdit::Delete, col});
    return true;
}

bool CCtrlEditSession::needsTable(int col, const CTranCtrl& settings) const {
    if (col < 1 || static_cast<std::size_t>(col) > m_origins.size()) return true;
    const Origin& origin = m_origins[static_cast<std::size_t>(col - 1)];
    if (origin.reloaded) return !SameTableSettings(m_ctrl.m_Cols[static_cast<std::size_t>(col - 1)]->m_Tran, settings);
    if (origin.record < 0) return true;
    const CTranCtrl& before = m_snapshot.cols[static_cast<std::size_t>(origin.record)].m_Tran;
    return !before.m_bTran || !SameTableSettings(before, settings);
}

void CCtrlEditSession::tableLoaded(int col) {
    if (col >= 1 && static_cast<std::size_t>(col) <= m_origins.size())
        m_origins[static_cast<std::size_t>(col - 1)].reloaded = true;
}

void CCtrlEditSession::finish() {
    if (m_bClosed) return;
    m_bClosed = true;
    for (std::size_t i = 0; i < m_ctrl.m_Cols.size() && i < m_origins.size(); ++i) {
        CTranCtrl& tran = m_ctrl.m_Cols[i]->m_Tran;
        const Origin& origin = m_origins[i];
        if (!tran.m_bTran) {
            TakeTranTable(tran);
        } else if (!origin.reloaded && origin.record >= 0) {
            PutTranTable(tran, std::move(m_snapshot.tables[static_cast<std::size_t>(origin.record)]));
        }
    }
    m_snapshot.tables.clear();
}

void CCtrlEditSession::restore() {
    if (m_bClosed) return;
    m_bClosed = true;
    RestoreSnapshot(m_ctrl, std::move(m_snapshot));
    m_origins.clear();
    m_edits.clear();
    m_bColumnsChanged = false;
}

}  // namespace tabrix
