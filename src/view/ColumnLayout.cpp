// The column commands that change the layout: insert, delete, merge, split
// and reorder, and where a computed column goes. Each acts on every line,
// keeps the column records in step and ends in the redisplay that switches
// the filter off.
#include <algorithm>
#include <cstdio>

#include "view/RowColDialogs.h"
#include "view/TabrixView.h"

namespace tabrix {

namespace {

constexpr const char* kVirtualMerge = "仮想項目の列に、ファイルの列はマージ出来ません。";
constexpr const char* kReorderNeedsAllRecords = "制御ファイルの列数とデータの列数が異なる為、移順変更は出来ません。";

}  // namespace

std::string CTabrixView::columnDeletionRefusal(const std::vector<int>& cols) const {
    return m_doc.m_CtrlFile.ColumnDeletionRefusal(cols);
}

int CTabrixView::PlaceResultColumn(int mode, const std::string& title) {
    const std::vector<int> cols = GetSelectedColumns();
    if (cols.empty()) return 0;
    const int first = cols.front() - m_nFixedCols + 1;
    const int last = cols.back() - m_nFixedCols + 1;
    if (mode == 0) return first;
    if (mode == 1) return last;
    if (refuseColumnLimit(static_cast<long long>(m_doc.columnCount()) + 1)) return 0;
    const int after = mode == 2 ? first - 1 : last;
    WaitCursorScope wait(m_app.ui);
    ProgressScope progress(m_app.ui.progress(), kColumnsProgress, static_cast<std::int64_t>(m_doc.lines().size()));
    InsertColumns(m_doc, after, 1, title, std::string(), progress);
    return after + 1;
}

void CTabrixView::OnColInsert() {
    if (m_doc.lines().empty()) return;
    const int col = GetSelectedColumnForCommand();
    if (col == 0) return;
    CColInsertDlg dlg;
    dlg.m_bTitleLine = m_doc.m_bTitleLine;
    dlg.m_rule = TypedTextRule::Of(m_doc);
    if (!m_app.ui.runModal(dlg)) return;
    if (refuseColumnLimit(static_cast<long long>(m_doc.columnCount()) + dlg.m_nCount)) return;
    m_doc.spacesToMarks(dlg.m_strTitle);
    m_doc.spacesToMarks(dlg.m_strValue);
    {
        WaitCursorScope wait(m_app.ui);
        ProgressScope progress(m_app.ui.progress(), kConvertProgress, static_cast<std::int64_t>(m_doc.lines().size()));
        InsertColumns(m_doc, col, dlg.m_nCount, dlg.m_strTitle, dlg.m_strValue, progress);
    }
    Redisplay(true, true);
}

void CTabrixView::OnColDelete() {
    if (m_doc.lines().empty()) return;
    std::vector<int> cols = GetSelectedColumns();
    if (cols.empty()) return;
    for (int& col : cols) col = col - m_nFixedCols + 1;
    if (const std::string refusal = columnDeletionRefusal(cols); !refusal.empty()) {
        m_app.ui.messageBox(refusal, MsgIcon::Stop);
        return;
    }
    char question[96];
    std::snprintf(question, sizeof question, "%zu 列を削除しても宜しいですか？", cols.size());
    if (m_app.ui.messageBox(question, MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes) return;
    {
        WaitCursorScope wait(m_app.ui);
        ProgressScope progress(m_app.ui.progress(), kConvertProgress, static_cast<std::int64_t>(m_doc.lines().size()));
        DeleteColumns(m_doc, cols, progress);
    }
    Redisplay(true, true);
}

void CTabrixView::OnColMerge() {
    if (m_doc.lines().empty()) return;
    const GridRange range = m_grid.selectedRange();
    const int first = std::max(range.minCol, m_nFixedCols) - m_nFixedCols + 1;
    const int last = range.maxCol - m_nFixedCols + 1;
    if (!range.isValid() || last <= first) {
        m_app.ui.messageBox(kSelectAdjacent, MsgIcon::Stop);
        return;
    }
    // The records of the columns after the first go; the first keeps its own.
    std::vector<int> merged;
    for (int col = first + 1; col <= last; ++col) merged.push_back(col);
    if (const std::string refusal = columnDeletionRefusal(merged); !refusal.empty()) {
        m_app.ui.messageBox(refusal, MsgIcon::Stop);
        return;
    }
    // A virtual column is not saved: the file's data merged into it would be lost.
    const CCtrlFile& cf = m_doc.m_CtrlFile;
    if (const CColCtrl* target = cf.FindCol(first); target && target->isVirtual()) {
        for (int col : merged) {
            if (const CColCtrl* rec = cf.FindCol(col); rec && !rec->isVirtual()) {
                m_app.ui.messageBox(kVirtualMerge, MsgIcon::Stop);
                return;
            }
        }
    }
    CMargeWay dlg;
    dlg.m_rule = TypedTextRule::Of(m_doc);
    if (!m_app.ui.runModal(dlg)) return;
    std::string separator = dlg.separator();
    m_doc.spacesToMarks(separator);
    {
        WaitCursorScope wait(m_app.ui);
        ProgressScope progress(m_app.ui.progress(), kConvertProgress, static_cast<std::int64_t>(m_doc.lines().size()));
        MergeColumns(m_doc, first, last, separator, dlg.m_nDirection == CMargeWay::RightFromLeft, progress);
    }
    Redisplay(true, true);
}

void CTabrixView::OnColSplit() {
    if (m_doc.lines().empty()) return;
    const int col = GetSelectedColumnForCommand();
    if (col == 0) return;
    CSplitOpt dlg;
    if (!m_app.ui.runModal(dlg)) return;
    SplitRule rule;
    if (dlg.byBytes()) {
        rule.bytes = dlg.m_nBytes;
    } else {
        // The fields hold spaces as their marks when the marks are on.
        rule.separator = dlg.separator();
        m_doc.spacesToMarks(rule.separator);
    }
    WaitCursorScope wait(m_app.ui);
    const int passes = SplitPassCount(m_doc, col, rule, dlg.m_bRepeat);
    if (refuseColumnLimit(static_cast<long long>(m_doc.columnCount()) + passes)) return;
    {
        ProgressScope progress(m_app.ui.progress(), kConvertProgress, static_cast<std::int64_t>(m_doc.lines().size()));
        SplitColumn(m_doc, col, rule, passes, progress);
    }
    Redisplay(true, true);
}

void CTabrixView::OnColReorder() {
    if (m_doc.lines().empty()) return;
    const CCtrlFile& cf = m_doc.m_CtrlFile;
    // The records could not follow: they would describe other columns than the data's.
    if (cf.m_bLoaded && cf.m_Cols.size() != static_cast<std::size_t>(cf.m_nMaxCols)) {
        m_app.ui.messageBox(kReorderNeedsAllRecords, MsgIcon::Stop);
        return;
    }
    CColOrderDlg dlg;
    dlg.attach(m_doc.lines(), m_doc.columnCount());
    if (!m_app.ui.runModal(dlg)) return;
    {
        WaitCursorScope wait(m_app.ui);
        ProgressScope progress(m_app.ui.progress(), kConvertProgress, static_cast<std::int64_t>(m_doc.lines().size()));
        ReorderColumns(m_doc, dlg.m_Order, progress);
    }
    Redisplay(false, true);
}

}  // namespace tabrix
