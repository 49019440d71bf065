// The row commands: insert, copy, delete, sort and transpose. Lines are
// named by the row-number cells, so every command acts on the right lines on
// any page, under the filter and after the display sort.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "view/RowColDialogs.h"
#include "view/RowPasses.h"
#include "view/TabrixView.h"

namespace tabrix {

void CTabrixView::OnRowInsert(bool copy) {
    CLineStore& lines = m_doc.lines();
    if (lines.empty()) return;
    const int line = GetSelectedLineForCommand();
    if (line < 0) return;
    {
        WaitCursorScope wait(m_app.ui);
        const std::size_t index = static_cast<std::size_t>(line);
        if (copy)
            DuplicateLine(lines, index);
        else
            InsertEmptyLine(lines, index + 1, m_doc.columnCount());
    }
    Redisplay(true);
}

void CTabrixView::OnRowDelete() {
    CLineStore& lines = m_doc.lines();
    if (lines.empty()) return;
    const GridRange range = m_grid.selectedRange();
    if (!range.isValid()) return;
    std::vector<std::size_t> doomed;
    for (int row = range.minRow; row <= range.maxRow; ++row) {
        for (int col = range.minCol; col <= range.maxCol; ++col) {
            if (!m_grid.isCellSelected(row, col)) continue;
            const long number = std::strtol(m_grid.itemText(row, 0).c_str(), nullptr, 10);
            const std::size_t index = static_cast<std::size_t>(number - 1);
            if (number >= 1 && index < lines.size()) doomed.push_back(index);
            break;
        }
    }
    // A line is counted once, however many rows show it.
    std::sort(doomed.begin(), doomed.end());
    doomed.erase(std::unique(doomed.begin(), doomed.end()), doomed.end());
    if (doomed.empty()) return;
    char question[96];
    std::snprintf(question, sizeof question, "%zu 行を削除しても宜しいですか？", doomed.size());
    if (m_app.ui.messageBox(question, MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes) return;
    {
        WaitCursorScope wait(m_app.ui);
        EraseLines(lines, std::move(doomed));
    }
    Redisplay(true);
}

void CTabrixView::OnRowSort() {
    CLineStore& lines = m_doc.lines();
    if (lines.empty()) return;
    CSortOpt dlg;
    dlg.m_KeyCols = GetSelectedColumns();
    if (dlg.m_KeyCols.empty()) {
        m_app.ui.messageBox(kSelectSortKeys, MsgIcon::Stop);
        return;
    }
    if (!m_app.ui.runModal(dlg)) return;
    {
        WaitCursorScope wait(m_app.ui);
        // The title line keeps its place.
        SortLines(lines, titleOffset(), dlg.m_KeyCols, dlg.m_bDescending);
    }
    Redisplay(false);
}

void CTabrixView::OnTranspose() {
    // The column records would stay as they are and drop or convert the
    // transposed data on saving.
    if (m_doc.m_CtrlFile.m_bLoaded) {
        m_app.ui.messageBox(kNoTransposeWithCtrl, MsgIcon::Stop);
        return;
    }
    CLineStore& lines = m_doc.lines();
    char text[128];
    std::snprintf(text, sizeof text, "%zu行、%d列を入れ替えても宜しいですか？", lines.size(), m_doc.columnCount());
    if (m_app.ui.messageBox(text, MsgIcon::Question, MsgButtons::YesNo) != MsgResult::Yes) return;
    if (lines.size() > static_cast<std::size_t>(kMaxColumns)) {
        refuseColumnLimit(static_cast<long long>(lines.size()));
        return;
    }
    {
        WaitCursorScope wait(m_app.ui);
        ProgressScope progress(m_app.ui.progress(), kConvertProgress, m_doc.columnCount());
        CLineStore transposed;
        const int columns = TransposeLines(lines, m_doc.columnCount(), transposed, progress);
        lines.replaceAll(std::move(transposed));
        m_doc.m_CtrlFile.m_nMaxCols = columns;
    }
    m_nPageSize = std::max(1, m_app.settings.Psize);
    Redisplay(true, true);
}

bool CTabrixView::refuseColumnLimit(long long columns) {
    if (columns <= kMaxColumns) return false;
    char text[96];
    std::snprintf(text, sizeof text, "%d 以上は列が作成出来ません。", kMaxColumns);
    m_app.ui.messageBox(text, MsgIcon::Stop);
    return true;
}

}  // namespace tabrix
