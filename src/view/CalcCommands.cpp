// "計算(*)", "数値オートフィル" and the column sort "ソート" of the column
// menu, and what the commands that compute a column share: the lines the
// filter shows, decided before the store changes, and the end of a command
// that added its result column.
#include <algorithm>

#include "document/MemoryCheck.h"
#include "text/Record.h"
#include "view/CalcDialogs.h"
#include "view/TabrixView.h"

namespace tabrix {

namespace {
constexpr const char* kSelectTwoColumns = "列を２列以上選択して下さい。";
constexpr const char* kDataCancelsFilter = "列データが変更された為、絞込表示を解除します。";
}  // namespace

LineMask CTabrixView::PassingLines() {
    LineMask mask;
    if (!m_bFilter || !m_pFilter) return mask;
    ResetFilterWorkLists();
    const CLineStore& lines = m_doc.lines();
    mask.assign(lines.size(), false);
    std::vector<std::string> fields;
    for (std::size_t i = titleOffset(); i < lines.size(); ++i) {
        SplitFields(lines[i], fields, std::max(m_doc.columnCount(), RowFieldCount(lines[i])));
        mask[i] = RowPasses(fields);
    }
    return mask;
}

void CTabrixView::EndResultColumn(bool added) {
    // An added column renumbers the columns the filter's conditions name.
    if (added && m_bFilter) {
        ClearFilterConditions();
        m_app.ui.messageBox(kLayoutCancelsFilter, MsgIcon::Information);
    }
    Redisplay(added, added);
}

void CTabrixView::OnColCalc() {
    if (m_doc.lines().empty()) return;
    const GridRange range = m_grid.selectedRange();
    if (!range.isValid() || range.maxCol <= std::max(range.minCol, m_nFixedCols)) {
        m_app.ui.messageBox(kSelectTwoColumns, MsgIcon::Stop);
        return;
    }
    std::vector<int> operands = GetSelectedColumns();
    for (int& col : operands) col = col - m_nFixedCols + 1;
    CCalCol dlg;
    dlg.m_bTitleLine = m_doc.m_bTitleLine;
    dlg.m_rule = TypedTextRule::Of(m_doc);
    if (!m_app.ui.runModal(dlg)) return;
    const LineMask passing = PassingLines();
    std::string title = dlg.titleEnabled() ? dlg.m_strTitle : std::string();
    m_doc.spacesToMarks(title);
    const int result = PlaceResultColumn(dlg.m_nPlace, title);
    if (result == 0) return;
    if (dlg.m_nPlace == 2)
        for (int& col : operands) ++col;
    {
        WaitCursorScope wait(m_app.ui);
        ProgressScope progress(m_app.ui.progress(), kConvertProgress, static_cast<std::int64_t>(m_doc.lines().size()));
        CalculateColumns(m_doc, operands, result, dlg.rule(), titleOffset(), passing, progress);
    }
    EndResultColumn(dlg.m_nPlace >= 2);
}

void CTabrixView::OnColAutoFill() {
    if (m_doc.lines().empty()) return;
    const int col = GetSelectedColumnForCommand();
    if (col == 0) return;
    CAutoFillDlg dlg;
    dlg.m_nLines = static_cast<std::int64_t>(m_doc.lines().size() - titleOffset());
    dlg.m_nAvailableBytes = CommitAvailableBytes();
    if (!m_app.ui.runModal(dlg)) return;
    const LineMask passing = PassingLines();
    {
        WaitCursorScope wait(m_app.ui);
        ProgressScope progress(m_app.ui.progress(), kConvertProgress, static_cast<std::int64_t>(m_doc.lines().size()));
        AutoFillColumn(m_doc, col, dlg.rule(), titleOffset(), passing, progress);
    }
    Redisplay(false);
}

void CTabrixView::OnColSort() {
    if (m_doc.lines().empty()) return;
    const int col = GetSelectedColumnForCommand();
    if (col == 0) return;
    CColSort dlg;
    dlg.preset(col);
    dlg.m_nColCount = m_doc.columnCount();
    dlg.m_Chooser = ColumnChooser(col);
    if (!m_app.ui.runModal(dlg)) return;
    {
        WaitCursorScope wait(m_app.ui);
        ProgressScope progress(m_app.ui.progress(), kCheckProgress, static_cast<std::int64_t>(m_doc.lines().size()));
        ResetFilterWorkLists();
        SortColumnValues(m_doc, dlg.m_nKeyCol, dlg.sortColumns(), dlg.m_bDescending, titleOffset(), progress);
    }
    // The rows the filter showed now hold other values; its conditions stay.
    if (m_bFilter) {
        m_bFilter = false;
        m_app.ui.messageBox(kDataCancelsFilter, MsgIcon::Information);
    }
    Redisplay(false);
}

}  // namespace tabrix
