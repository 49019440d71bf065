// The column display commands: hide, show all and width. They change only
// the grid; the store, the schema and the settings stay as they are.
#include "view/RowColDialogs.h"
#include "view/TabrixView.h"

namespace tabrix {

void CTabrixView::OnColumnHide() {
    const std::vector<int> cols = GetSelectedColumns();
    if (cols.empty()) return;
    for (int col : cols) m_grid.setColumnWidth(col, 0);
    m_bColHidden = true;
}

void CTabrixView::OnColumnShowAll() {
    // The row-number column comes back too.
    for (int col = 0; col < m_grid.columnCount(); ++col) {
        if (m_grid.columnWidth(col) != 0) continue;
        m_grid.setColumnWidth(col, 1);
        m_grid.autoSizeColumn(col);
    }
    m_bColHidden = false;
}

void CTabrixView::OnColumnWidth() {
    const std::vector<int> cols = GetSelectedColumns();
    if (cols.empty()) return;
    CColWidthDlg dlg;
    if (cols.size() == 1) dlg.m_nWidth = m_grid.columnWidth(cols.front());
    if (!m_app.ui.runModal(dlg)) return;
    for (int col : cols) m_grid.setColumnWidth(col, dlg.m_nWidth);
}

}  // namespace tabrix
