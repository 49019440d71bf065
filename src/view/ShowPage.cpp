// ShowPage: the one routine that rebuilds the grid from the store. Without
// the filter the scan starts at the page's first line and stops after its
// last, so its cost does not depend on which page is shown.
#include <algorithm>
#include <cstdio>

#include "app/EraSettings.h"
#include "schema/Notation.h"
#include "text/Record.h"
#include "view/TabrixView.h"

namespace tabrix {

// How a grid column is drawn: its column record, its title and text colour.
struct CTabrixView::ColumnLook {
    const CColCtrl* rec = nullptr;
    std::string title;
    GridColor textColor = kDefaultTextColor;
};

namespace {

std::string SixDigits(long long number) {
    char text[24];
    std::snprintf(text, sizeof text, "%06lld", number);
    return text;
}

}  // namespace

std::vector<CTabrixView::ColumnLook> CTabrixView::columnLooks() const {
    const Settings& settings = m_app.settings;
    const CCtrlFile& cf = m_doc.m_CtrlFile;
    const int cols = std::min(m_doc.columnCount(), m_grid.columnCount() - m_nFixedCols);
    std::vector<ColumnLook> looks(static_cast<std::size_t>(std::max(0, cols) + m_nFixedCols));
    for (int c = 1; c <= cols; ++c) {
        ColumnLook& look = looks[static_cast<std::size_t>(c + m_nFixedCols - 1)];
        look.rec = cf.FindCol(c);
        if (look.rec && !look.rec->m_strTitle.empty()) {
            look.title = look.rec->m_strTitle;
        } else {
            char title[24];
            std::snprintf(title, sizeof title, "Col.%d", c);
            look.title = title;
        }
        if (look.rec && look.rec->isVirtual())
            look.textColor = settings.VirtualClr;
        else if (look.rec && !look.rec->m_bEdit)
            look.textColor = settings.NoEditClr;
    }
    return looks;
}

void CTabrixView::resetCells(const std::vector<ColumnLook>& looks) {
    const Settings& settings = m_app.settings;
    const int cols = static_cast<int>(looks.size());
    for (int c = m_nFixedCols; c < cols; ++c) {
        m_grid.setItemText(0, c, looks[static_cast<std::size_t>(c)].title);
        m_grid.setItemTextColor(0, c, TitleColor(c));
    }
    const bool hasLines = !m_doc.lines().empty();
    for (int r = m_nFixedRows; r < m_grid.rowCount(); ++r) {
        m_grid.setItemText(r, 0, hasLines ? std::string(" ") : SixDigits(r));
        const GridColor back = settings.ColorDisp && r % 2 == 0 ? settings.BackColor2 : settings.BackColor1;
        for (int c = m_nFixedCols; c < cols; ++c) {
            m_grid.setItemText(r, c, {});
            m_grid.setItemBackColor(r, c, back);
            m_grid.setItemTextColor(r, c, looks[static_cast<std::size_t>(c)].textColor);
            m_grid.setCellKind(r, c, CellKind::Text);
        }
    }
}

void CTabrixView::showTitles(const std::vector<ColumnLook>& looks) {
    if (!m_doc.m_bTitleLine || m_doc.lines().empty()) return;
    const std::string_view line = m_doc.lines()[0];
    std::vector<std::string> fields;
    SplitFields(line, fields, std::max(m_doc.columnCount(), RowFieldCount(line)));
    for (int c = m_nFixedCols; c < static_cast<int>(looks.size()); ++c) {
        const std::string& title = fields[static_cast<std::size_t>(c - m_nFixedCols)];
        if (title.empty()) continue;
        m_grid.setItemText(0, c, title);
        m_grid.setItemTextColor(0, c, TitleColor(c));
    }
}

void CTabrixView::ToDisplayFields(std::vector<std::string>& fields) const {
    const CCtrlFile& cf = m_doc.m_CtrlFile;
    if (!cf.m_bLoaded) return;
    const EraTable eras = EraTableOf(m_app.settings);
    for (const auto& col : cf.m_Cols) {
        if (col->isDateOrTime() && col->m_nCol >= 1 && static_cast<std::size_t>(col->m_nCol) <= fields.size())
            ToDisplayNotation(fields[static_cast<std::size_t>(col->m_nCol - 1)], *col, eras);
    }
}

int CTabrixView::ShowPage(bool countAll, int jumpRow, int jumpCol) {
    WaitCursorScope wait(m_app.ui);
    const bool gridModified = m_grid.isModified();
    const bool changed = m_bChanged;
    m_grid.setRedraw(false);
    m_nShownCount = 0;
    m_grid.clearSelection();
    m_grid.setFocusCell(-1, -1);
    if (m_bFilter && m_pFilter) m_pFilter->resetWorkLists();
    // While the filter is on the whole store is scanned: the status bar then
    // shows the total that passes, and the pages are those of that total.
    if (m_bFilter) countAll = true;

    const std::vector<ColumnLook> looks = columnLooks();
    resetCells(looks);

    const long long pageSize = std::max(1, m_nPageSize);
    if (jumpRow > 0) m_nPage = static_cast<int>((jumpRow + pageSize - 1) / pageSize);
    showTitles(looks);

    const CLineStore& lines = m_doc.lines();
    const std::size_t offset = titleOffset();
    const int cols = static_cast<int>(looks.size());
    const int width = m_doc.columnCount();
    long long counter = 1;
    std::size_t line = offset;
    if (m_nPage != 1 && !m_bFilter) {
        counter = (m_nPage - 1) * pageSize + 1;
        line = offset + static_cast<std::size_t>(counter - 1);
    }

    const EraTable eras = EraTableOf(m_app.settings);
    std::vector<std::string> fields;
    auto split = [&](std::string_view row) { SplitFields(row, fields, std::max(width, RowFieldCount(row))); };
    int gridRow = m_nFixedRows;
    const int lastRow = std::min(m_grid.rowCount() - 1, m_nPageSize + m_nFixedRows - 1);
    for (; line < lines.size(); ++line) {
        const long long page = (counter + pageSize - 1) / pageSize;
        if (page > m_nPage && !m_bFilter) {
            // Without the filter every remaining line is a row: count them without looking.
            if (countAll) counter += static_cast<long long>(lines.size() - line);
            break;
        }
        if (m_bFilter) {
            split(lines[line]);
            if (!RowPasses(fields)) continue;
            if (page > m_nPage && !countAll) break;
        }
        if (page == m_nPage && gridRow <= lastRow) {
            if (!m_bFilter) split(lines[line]);
            m_grid.setItemText(gridRow, 0, SixDigits(static_cast<long long>(line) + 1));
            for (int c = m_nFixedCols; c < cols; ++c) {
                const ColumnLook& look = looks[static_cast<std::size_t>(c)];
                std::string& field = fields[static_cast<std::size_t>(c - m_nFixedCols)];
                if (look.rec && !look.rec->m_Permission.empty())
                    m_grid.setCellKind(gridRow, c, CellKind::DropDownList, look.rec->m_Permission);
                if (look.rec && look.rec->isDateOrTime()) ToDisplayNotation(field, *look.rec, eras);
                m_grid.setItemText(gridRow, c, field);
            }
            ++gridRow;
        }
        ++counter;
    }

    if (m_doc.m_CtrlFile.m_bLoaded) {
        for (const auto& col : m_doc.m_CtrlFile.m_Cols) {
            const int gridCol = col->m_nCol + m_nFixedCols - 1;
            if (col->m_bNoDisp && col->m_nCol >= 1 && gridCol < cols) m_grid.setColumnWidth(gridCol, 0);
        }
    }

    // The cells written above are the page, not changes.
    m_grid.setModified(false);
    if (gridModified) m_grid.setModified(true);
    m_bChanged = changed;
    m_grid.setRedraw(true);

    if (jumpRow > 0 && jumpCol > 0) {
        const long long within = jumpRow % pageSize;
        const int row = static_cast<int>(within == 0 ? pageSize : within) + m_nFixedRows - 1;
        m_grid.ensureVisible(row, jumpCol);
        m_grid.setSelectedRange({row, jumpCol, row, jumpCol});
        m_grid.setFocusCell(row, jumpCol);
    }
    m_nShownCount = static_cast<int>(counter - 1);
    if (m_bFilter) m_nPageCount = std::max(1, static_cast<int>((m_nShownCount + pageSize - 1) / pageSize));
    notifyChanged();  // the page selector and the status bar follow
    return m_nShownCount;
}

}  // namespace tabrix
