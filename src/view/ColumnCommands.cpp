// The column commands that change field contents (title edit, copy, replace,
// clear) and the alignment of column counts. Copy, replace and clear act on
// the lines the filter shows while it is on.
#include <cstdio>

#include "view/RowColDialogs.h"
#include "view/RowPasses.h"
#include "view/TabrixView.h"

namespace tabrix {

int CTabrixView::GetSelectedColumnForCommand() {
    const GridRange range = m_grid.selectedRange();
    if (!range.isValid() || range.minCol != range.maxCol || range.minCol < m_nFixedCols) {
        m_app.ui.messageBox(kSelectOneColumn, MsgIcon::Stop);
        return 0;
    }
    return range.minCol - m_nFixedCols + 1;
}

CColSelDlg CTabrixView::ColumnChooser(int current) const {
    return CColSelDlg::OverData(m_doc.lines(), m_doc.columnCount(), current);
}

LinePasses CTabrixView::LineFilter() {
    if (!m_bFilter || !m_pFilter) return {};
    ResetFilterWorkLists();
    return [this](const std::vector<std::string>& fields) { return RowPasses(fields); };
}

void CTabrixView::OnColTitleEdit() {
    if (m_doc.lines().empty() || !m_doc.m_bTitleLine) return;
    const int col = GetSelectedColumnForCommand();
    if (col == 0) return;
    CTitleEditDlg dlg;
    dlg.m_strTitle = FieldOf(m_doc.lines()[0], col);
    m_doc.marksToSpaces(dlg.m_strTitle);
    dlg.m_rule = TypedTextRule::Of(m_doc);
    if (!m_app.ui.runModal(dlg)) return;
    m_doc.spacesToMarks(dlg.m_strTitle);
    SetTitleField(m_doc, col, dlg.m_strTitle);
    Redisplay(false);
}

void CTabrixView::OnColCopy() {
    if (m_doc.lines().empty()) return;
    const int source = GetSelectedColumnForCommand();
    if (source == 0) return;
    CColCopyDlg dlg;
    dlg.m_nSource = dlg.m_nDest = source;
    dlg.m_nColCount = m_doc.columnCount();
    dlg.m_Chooser = ColumnChooser(source);
    if (!m_app.ui.runModal(dlg)) return;
    {
        WaitCursorScope wait(m_app.ui);
        ProgressScope progress(m_app.ui.progress(), kConvertProgress, static_cast<std::int64_t>(m_doc.lines().size()));
        CopyColumn(m_doc, source, dlg.m_nDest, 0, LineFilter(), progress);
    }
    Redisplay(false);
}

void CTabrixView::OnColReplace() {
    if (m_doc.lines().empty()) return;
    const std::vector<int> cols = GetSelectedColumns();
    if (cols.empty()) {
        m_app.ui.messageBox(kSelectColumns, MsgIcon::Stop);
        return;
    }
    CReplaceDlg dlg;
    dlg.m_rule = TypedTextRule::Of(m_doc);
    if (!m_app.ui.runModal(dlg)) return;
    ReplaceRule rule{dlg.m_strFind, dlg.m_strWith, dlg.m_bUncond, dlg.m_bNonEmpty};
    m_doc.spacesToMarks(rule.find);
    m_doc.spacesToMarks(rule.with);
    {
        WaitCursorScope wait(m_app.ui);
        ProgressScope progress(m_app.ui.progress(), kConvertProgress, static_cast<std::int64_t>(m_doc.lines().size()));
        ReplaceInColumns(m_doc, cols, rule, titleOffset(), LineFilter(), progress);
    }
    Redisplay(false);
}

void CTabrixView::OnColClear() {
    if (m_doc.lines().empty()) return;
    const std::vector<int> cols = GetSelectedColumns();
    if (cols.empty()) return;
    char question[96];
    std::snprintf(question, sizeof question, "%zu 列をクリアしても宜しいですか？", cols.size());
    if (m_app.ui.messageBox(question, MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes) return;
    {
        WaitCursorScope wait(m_app.ui);
        ProgressScope progress(m_app.ui.progress(), kConvertProgress, static_cast<std::int64_t>(m_doc.lines().size()));
        ClearColumns(m_doc, cols, titleOffset(), LineFilter(), progress);
    }
    Redisplay(false);
}

void CTabrixView::OnColAlign() {
    if (m_doc.lines().empty()) return;
    int narrowest = 0;
    int widest = 0;
    bool changed = false;
    {
        WaitCursorScope wait(m_app.ui);
        changed = m_doc.AlignColumns(narrowest, widest);
    }
    // Padded fields are empty, and the page already showed them empty.
    if (!changed) return;
    char text[128];
    std::snprintf(text, sizeof text, "最小項目数＝%d →　最大項目数＝%d　に変換しました", narrowest, widest);
    m_app.ui.messageBox(text, MsgIcon::Information);
    SetChanged();
}

}  // namespace tabrix
