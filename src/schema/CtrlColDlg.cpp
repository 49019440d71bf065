#include "schema/CtrlColDlg.h"

#include <algorithm>
#include <cstdio>

#include "document/CtrlFile.h"
#include "schema/ColDefCheck.h"
#include "schema/CtrlEditSession.h"
#include "schema/CtrlSyntax.h"
#include "schema/CtrlValueCheck.h"
#include "schema/TranTable.h"
#include "view/ColSelDlg.h"

namespace tabrix {

namespace {

bool IsKnownType(int type) { return type == kTypeText || type == kTypeNumber || type == kTypeDate || type == kTypeTime; }

}  // namespace

CCtrlColDlg::CCtrlColDlg(CCtrlEditSession& session, AppContext& app, std::string folder)
    : m_session(session), m_app(app), m_strFolder(std::move(folder)) {
    show(1);
}

int CCtrlColDlg::columnCount() const { return static_cast<int>(m_session.ctrl().m_Cols.size()); }

void CCtrlColDlg::show(int col) {
    const CColCtrl* rec = m_session.ctrl().FindCol(std::clamp(col, 1, std::max(1, columnCount())));
    if (!rec) return;
    m_nCol = rec->m_nCol;
    m_bFileCol = rec->m_bFileCol;
    m_bEdit = rec->m_bEdit;
    m_bObligate = rec->m_bObligate;
    m_bNoDisp = rec->m_bNoDisp;
    m_strTitle = rec->m_strTitle;
    m_nLength = rec->m_nLength;
    m_strPermission = JoinPermission(rec->m_Permission);
    m_strInitial = rec->m_strInitial;
    m_strReplace1 = rec->m_strReplace1;
    m_strReplace2 = rec->m_strReplace2;
    m_nType = IsKnownType(rec->m_nType) ? rec->m_nType : kTypeText;
    m_Text.load(*rec);
    m_Number.load(*rec);
    m_Date.load(*rec);
    m_Time.load(*rec);
    m_Tran.load(rec->m_Tran);
    if (!m_bFileCol)
        setFileCol(false);
    else
        setType(m_nType);
}

void CCtrlColDlg::setFileCol(bool on) {
    m_bFileCol = on;
    if (on) return;
    m_bEdit = m_bObligate = m_bNoDisp = false;
    m_nType = kTypeText;
    m_nLength = -1;
    m_strInitial.clear();
    m_Tran.m_bTran = false;
}

void CCtrlColDlg::setType(int type) {
    m_nType = type;
    if (type == kTypeDate || type == kTypeTime) m_nLength = -1;
}

void CCtrlColDlg::addMacro(int index) {
    if (m_bFileCol && index >= 0 && index < static_cast<int>(std::size(kMacros))) m_strInitial += kMacros[index];
}

std::string CCtrlColDlg::pageRefusal() const {
    if (m_strTitle.empty()) return kNeedTitle;
    if (!m_bFileCol) return {};
    if (m_nLength != -1 && (m_nLength <= 0 || m_nLength > kMaxLength)) return kNeedLength;
    if (std::string text = m_Tran.check(m_app, m_strFolder, m_session.ctrl().m_nMaxCols); !text.empty()) return text;
    if (m_nType == kTypeText) return m_Text.check();
    if (m_nType == kTypeNumber) return m_Number.check(m_nLength);
    return {};
}

void CCtrlColDlg::storeInto(CColCtrl& col) const {
    if (!m_bFileCol) {
        // A control file keeps of a virtual column its title and nothing else.
        CColCtrl kept;
        kept.m_nCol = col.m_nCol;
        kept.m_pOwner = col.m_pOwner;
        kept.m_strTitle = m_strTitle;
        kept.m_bFileCol = false;
        col = std::move(kept);
        return;
    }
    const CColCtrl initial;
    col.m_bFileCol = true;
    col.m_bEdit = m_bEdit;
    col.m_bObligate = m_bObligate;
    col.m_bNoDisp = m_bNoDisp;
    col.m_strTitle = m_strTitle;
    col.m_nType = m_nType;
    col.m_nLength = m_nLength;
    col.m_strInitial = m_strInitial;
    col.m_strReplace1 = m_strReplace1;
    col.m_strReplace2 = m_strReplace2;
    col.m_Permission = SplitPermission(m_strPermission);
    // Settings a control file writes only for their own type are read back
    // at their initial values for the others.
    col.m_strMinNum = col.m_strMaxNum = std::string();
    col.m_nAllLen = initial.m_nAllLen;
    col.m_nPoint = initial.m_nPoint;
    col.m_nRound = initial.m_nRound;
    col.m_nBaseMin = initial.m_nBaseMin;
    switch (m_nType) {
        case kTypeText: m_Text.store(col); break;
        case kTypeNumber: m_Number.store(col); break;
        case kTypeDate: m_Date.store(col); break;
        case kTypeTime: m_Time.store(col); break;
    }
    m_Tran.store(col.m_Tran);
}

bool CCtrlColDlg::apply(IUserInterface& ui) {
    CColCtrl* live = m_session.ctrl().FindCol(m_nCol);
    if (!live) return true;
    std::string refusal = pageRefusal();
    if (refusal.empty() && m_bFileCol) refusal = PermissionRefusal("許可文字", m_strPermission);
    CColCtrl candidate = CopyWithoutTable(*live);
    if (refusal.empty()) {
        storeInto(candidate);
        // What the control file could not hold, then what its reader would refuse.
        refusal = ColumnValueRefusal(candidate);
        if (refusal.empty()) refusal = ColDefMessages(candidate);
    }
    if (!refusal.empty()) {
        ui.messageBox(refusal, MsgIcon::Stop);
        return false;
    }
    // The table is read as the loader reads it; the new one is kept aside in
    // the record until OK, the one the column had comes back then.
    bool loaded = false;
    if (candidate.m_Tran.m_bTran && m_session.needsTable(m_nCol, candidate.m_Tran)) {
        AppContext here{m_app.settings, ui, m_app.programDir, m_app.startupDir};
        if (!LoadTranTable(candidate.m_Tran, here, m_strFolder)) return false;
        loaded = true;
    } else if (candidate.m_Tran.m_bTran) {
        PutTranTable(candidate.m_Tran, TakeTranTable(live->m_Tran));
    }
    if (live->m_bFileCol != candidate.m_bFileCol) m_session.markColumnsChanged();
    *live = std::move(candidate);
    if (loaded) m_session.tableLoaded(m_nCol);
    m_session.ctrl().m_bModified = true;
    return true;
}

bool CCtrlColDlg::goTo(int col, IUserInterface& ui) {
    if (col < 1 || col > columnCount() || !apply(ui)) return false;
    show(col);
    return true;
}

bool CCtrlColDlg::pick(IUserInterface& ui) {
    if (!apply(ui)) return false;
    CColSelDlg chooser = CColSelDlg::OverSchema(m_session.ctrl(), std::to_string(m_nCol), false);
    if (!ui.runModal(chooser)) return false;
    show(chooser.chosenColumn());
    return true;
}

bool CCtrlColDlg::addVirtual(IUserInterface& ui) {
    if (m_session.ctrl().m_nMaxCols >= kMaxColumns) {
        char text[96];
        std::snprintf(text, sizeof text, "%d 以上は列が作成出来ません。", kMaxColumns);
        ui.messageBox(text, MsgIcon::Stop);
        return false;
    }
    const int added = m_session.addVirtualColumn(m_nCol);
    if (!added) return false;
    m_Tran.columnInserted(added);
    char text[96];
    std::snprintf(text, sizeof text, "仮想項目を列(%d)に追加しました。", added);
    ui.messageBox(text, MsgIcon::Information);
    return true;
}

bool CCtrlColDlg::canDeleteVirtual() const {
    const CColCtrl* rec = m_session.ctrl().FindCol(m_nCol);
    return rec && rec->isVirtual() && columnCount() > 1;
}

bool CCtrlColDlg::deleteVirtual(IUserInterface& ui) {
    if (!canDeleteVirtual()) return false;
    if (const std::string refusal = m_session.ctrl().ColumnDeletionRefusal({m_nCol}); !refusal.empty()) {
        ui.messageBox(refusal, MsgIcon::Stop);
        return false;
    }
    if (!m_session.deleteColumn(m_nCol)) return false;
    show(std::min(m_nCol, columnCount()));
    return true;
}

}  // namespace tabrix
