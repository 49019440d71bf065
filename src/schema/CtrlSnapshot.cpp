#include "schema/CtrlSnapshot.h"

#include <memory>

#include "document/CtrlFile.h"

namespace tabrix {

TranTableData TakeTranTable(CTranCtrl& tran) {
    TranTableData data{std::move(tran.m_Table), std::move(tran.m_Index), tran.m_nIndexKeyPos};
    tran.m_Table.clear();
    tran.m_Index.clear();
    tran.m_nIndexKeyPos = 0;
    return data;
}

void PutTranTable(CTranCtrl& tran, TranTableData&& data) {
    tran.m_Table = std::move(data.table);
    tran.m_Index = std::move(data.index);
    tran.m_nIndexKeyPos = data.indexKeyPos;
}

CColCtrl CopyWithoutTable(CColCtrl& col) {
    TranTableData held = TakeTranTable(col.m_Tran);
    CColCtrl copy = col;
    PutTranTable(col.m_Tran, std::move(held));
    return copy;
}

CtrlSnapshot TakeSnapshot(CCtrlFile& ctrl) {
    CtrlSnapshot s;
    s.strCtrlFile = ctrl.m_strCtrlFile;
    s.strDataFile = ctrl.m_strDataFile;
    s.strNamedDataFile = ctrl.m_strNamedDataFile;
    s.cDelim = ctrl.m_cDelim;
    s.bQuote = ctrl.m_bQuote;
    s.nOpenDlg = ctrl.m_nOpenDlg;
    s.nMenuMode = ctrl.m_nMenuMode;
    s.strMdb = ctrl.m_strMdb;
    s.keyCols = ctrl.m_KeyCols;
    s.bDupCheck = ctrl.m_bDupCheck;
    s.bColChange = ctrl.m_bColChange;
    s.bLineChange = ctrl.m_bLineChange;
    s.bConvUse = ctrl.m_bConvUse;
    s.bHelpMsg = ctrl.m_bHelpMsg;
    s.nImeMode = ctrl.m_nImeMode;
    s.bHeadTitle = ctrl.m_bHeadTitle;
    s.cols.reserve(ctrl.m_Cols.size());
    s.tables.reserve(ctrl.m_Cols.size());
    for (auto& col : ctrl.m_Cols) {
        s.tables.push_back(TakeTranTable(col->m_Tran));
        s.cols.push_back(*col);
    }
    s.nMaxCols = ctrl.m_nMaxCols;
    s.bLoaded = ctrl.m_bLoaded;
    s.bModified = ctrl.m_bModified;
    return s;
}

void RestoreSnapshot(CCtrlFile& ctrl, CtrlSnapshot&& s) {
    ctrl.m_strCtrlFile = std::move(s.strCtrlFile);
    ctrl.m_strDataFile = std::move(s.strDataFile);
    ctrl.m_strNamedDataFile = std::move(s.strNamedDataFile);
    ctrl.m_cDelim = s.cDelim;
    ctrl.m_bQuote = s.bQuote;
    ctrl.m_nOpenDlg = s.nOpenDlg;
    ctrl.m_nMenuMode = s.nMenuMode;
    ctrl.m_strMdb = std::move(s.strMdb);
    ctrl.m_KeyCols = std::move(s.keyCols);
    ctrl.m_bDupCheck = s.bDupCheck;
    ctrl.m_bColChange = s.bColChange;
    ctrl.m_bLineChange = s.bLineChange;
    ctrl.m_bConvUse = s.bConvUse;
    ctrl.m_bHelpMsg = s.bHelpMsg;
    ctrl.m_nImeMode = s.nImeMode;
    ctrl.m_bHeadTitle = s.bHeadTitle;
    ctrl.m_Cols.clear();
    ctrl.m_Cols.reserve(s.cols.size());
    for (std::size_t i = 0; i < s.cols.size(); ++i) {
        auto col = std::make_unique<CColCtrl>(std::move(s.cols[i]));
        PutTranTable(col->m_Tran, std::move(s.tables[i]));
        col->m_pOwner = &ctrl;
        ctrl.m_Cols.push_back(std::move(col));
    }
    ctrl.m_nMaxCols = s.nMaxCols;
    ctrl.m_bLoaded = s.bLoaded;
    ctrl.m_bModified = s.bModified;
}

}  // namespace tabrix
