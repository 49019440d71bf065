// "絞込表示": the settings dialog of the row filter and the redisplay of the
// rows that pass.
#include <algorithm>

#include "text/Record.h"
#include "view/TabrixView.h"

namespace tabrix {

void CTabrixView::OnFilter() {
    if (m_doc.lines().empty()) return;
    m_grid.endEditing();
    CSampleDlg& dlg = m_filterDlg;
    const std::vector<int> selected = GetSelectedColumns();
    if (!selected.empty() && !dlg.m_Sel[0].m_bEnable) dlg.m_Sel[0].m_nCol = selected.front() - m_nFixedCols + 1;

    dlg.m_nMaxCols = m_doc.columnCount();
    dlg.m_ColTitles.clear();
    for (int col = 1; col <= dlg.m_nMaxCols; ++col) dlg.m_ColTitles.push_back(m_grid.itemText(0, col + m_nFixedCols - 1));
    dlg.m_pLines = &m_doc.lines();
    dlg.m_nFirstLine = titleOffset();

    const CSampleDlg before = dlg;
    if (!m_app.ui.runModal(dlg)) {
        dlg = before;
        return;
    }
    ApplyFilter();
}

void CTabrixView::ApplyFilter() {
    m_filterDlg.buildSearchLists();
    if (m_filterDlg.anyEnabled()) {
        m_bFilter = true;
    } else {
        ClearFilterConditions();
    }
    m_nPage = 1;
    RefreshPageList();
    ShowPage(m_filterDlg.m_bShowCount);
    notifyChanged();
}

void CTabrixView::ClearFilterConditions() {
    m_filterDlg.clearConditions();
    m_conditionFilter.resetWorkLists();
    m_bFilter = false;
}

}  // namespace tabrix
