// "集計": the parameters, then the result window of the aggregation by key
// or the column total. Neither changes the document.
#include <cstdio>

#include "schema/DecimalNumber.h"
#include "text/NumberText.h"
#include "view/Aggregation.h"
#include "view/TabrixView.h"

namespace tabrix {

void CTabrixView::OnAggregate() {
    if (m_doc.lines().empty()) return;
    m_grid.endEditing();
    CSumParamDlg& dlg = m_sumParamDlg;
    dlg.m_nMaxCols = m_doc.columnCount();
    dlg.m_Chooser = ColumnChooser(1);
    const CSumParamDlg before = dlg;
    if (!m_app.ui.runModal(dlg)) {
        dlg = before;
        return;
    }
    if (dlg.m_nMode == CSumParamDlg::ColumnTotal) {
        ShowColumnTotal(dlg.m_nKey[0]);
        return;
    }
    CSummaryDlg result = RunAggregation(dlg);
    if (!result.confirmSize(m_app.ui)) return;
    m_app.ui.runModal(result);
}

DataLines CTabrixView::passLines() {
    ResetFilterWorkLists();
    return {m_doc.lines(), titleOffset(), m_doc.columnCount(), LineFilter()};
}

CSummaryDlg CTabrixView::RunAggregation(const CSumParamDlg& params) {
    WaitCursorScope wait(m_app.ui);
    return AggregateLines(passLines(), params, m_app.ui.progress(), *m_pClock);
}

CColTotalDlg CTabrixView::ComputeColumnTotal(int col) {
    CColTotalDlg dlg;
    dlg.m_nCol = col;
    const std::string start = TimeOfDay(m_pClock->now());
    ColumnTotal total;
    {
        WaitCursorScope wait(m_app.ui);
        total = TotalColumn(passLines(), col, m_app.ui.progress());
    }
    char caption[128];
    std::snprintf(caption, sizeof caption, CColTotalDlg::kCaptionFormat, start.c_str(), TimeOfDay(m_pClock->now()).c_str());
    dlg.m_strCaption = caption;
    dlg.m_nCount = total.count;
    dlg.m_strTotal = FixedNotation(total.sum, 0);
    if (IsNumericText(dlg.m_strTotal)) dlg.m_strTotal = GroupThousands(dlg.m_strTotal, false);
    return dlg;
}

void CTabrixView::ShowColumnTotal(int col) {
    if (m_doc.lines().empty()) return;
    CColTotalDlg dlg = ComputeColumnTotal(col);
    m_app.ui.runModal(dlg);
}

}  // namespace tabrix
