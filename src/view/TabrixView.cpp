// The view's life, the grid's shape, the page list and the selection.
#include "view/TabrixView.h"

#include <algorithm>
#include <cstdlib>

#include "text/Record.h"
#include "view/ViewDialogs.h"

namespace tabrix {

CTabrixView::CTabrixView(CTabrixDoc& doc, AppContext& app, IGridCtrl& grid) : m_doc(doc), m_app(app), m_grid(grid) {
    m_doc.m_pView = this;
    m_grid.setNotify(this);
}

CTabrixView::~CTabrixView() {
    m_pErrDlg.reset();
    m_grid.setNotify(nullptr);
    if (m_doc.m_pView == this) m_doc.m_pView = nullptr;
}

void CTabrixView::OnInitialUpdate() { OnInitialUpdate(m_app.settings.Psize); }

void CTabrixView::OnInitialUpdate(int pageRows) {
    const Settings& settings = m_app.settings;
    m_grid.setListMode(false);
    m_grid.setEditable(true);
    m_grid.setRowSelectionByNumberClick(true);
    m_grid.setColumnSelectionByTitleClick(true);
    m_grid.setSortOnTitleClick(false);
    m_grid.setDefaultTextColor(settings.ForeColor);
    m_grid.setDefaultBackColor(settings.BackColor1);
    m_grid.setGridFont(GridFontOfSettings(settings, m_grid.pixelsPerInchY()));
    m_nPageSize = std::max(1, pageRows);
    m_nPage = 1;
    RefreshPageList();
    if (ResizeGrid()) {
        ShowPage();
        m_grid.autoSize();
    }
    m_grid.setModified(false);
    m_bChanged = false;
    m_doc.undoJournal().markSaved();
    notifyChanged();
}

bool CTabrixView::ResizeGrid() {
    if (!m_grid.setColumnCount(m_doc.columnCount() + m_nFixedCols) ||
        !m_grid.setRowCount(m_nPageSize + m_nFixedRows)) {
        m_app.ui.messageBox(kGridOutOfMemory, MsgIcon::Stop);
        return false;
    }
    m_grid.setFixedRowCount(m_nFixedRows);
    m_grid.setFixedColumnCount(m_nFixedCols);
    return true;
}

std::size_t CTabrixView::titleOffset() const { return m_doc.m_bTitleLine && !m_doc.lines().empty() ? 1 : 0; }

void CTabrixView::RefreshPageList() {
    const std::size_t dataRows = m_doc.lines().size() - titleOffset();
    const std::size_t pageSize = static_cast<std::size_t>(std::max(1, m_nPageSize));
    m_nPageCount = static_cast<int>((dataRows + pageSize - 1) / pageSize);
    // A page that the store no longer reaches (lines were deleted) gives way to the last one.
    if (m_nPage > m_nPageCount) m_nPage = std::max(1, m_nPageCount);
    if (m_nPage < 1) m_nPage = 1;
    notifyChanged();
}

void CTabrixView::SetChanged() {
    m_grid.setModified(true);
    m_bChanged = true;
    notifyChanged();
}

void CTabrixView::clearModified() {
    m_doc.undoJournal().markSaved();
    m_grid.setModified(false);
    m_bChanged = false;
    notifyChanged();
}

void CTabrixView::Redisplay(bool countsChanged, bool layoutChanged) {
    if (layoutChanged) {
        // The filter's conditions name columns by number.
        if (m_bFilter) {
            m_bFilter = false;
            m_app.ui.messageBox(kLayoutCancelsFilter, MsgIcon::Information);
        }
        ResizeGrid();
    }
    if (countsChanged || layoutChanged) RefreshPageList();
    ShowPage();
    SetChanged();
}

bool CTabrixView::RowPasses(const std::vector<std::string>& fields) {
    if (!m_bFilter || !m_pFilter) return true;
    return m_pFilter->rowPasses(fields);
}

GridColor CTabrixView::TitleColor(int col) const {
    if (!m_bFilter || !m_pFilter) return kDefaultTextColor;
    return m_pFilter->titleColor(col);
}

long long CTabrixView::lineOfRow(int row) const {
    const std::string number = m_grid.itemText(row, 0);
    char* end = nullptr;
    const long long value = std::strtoll(number.c_str(), &end, 10);
    if (end == number.c_str()) return -1;
    const long long line = value - 1;
    if (line < 0 || static_cast<unsigned long long>(line) >= m_doc.lines().size()) return -1;
    return line;
}

int CTabrixView::GetSelectedLine() {
    const GridRange range = m_grid.selectedRange();
    if (!range.isValid() || range.minRow != range.maxRow) return -1;
    const long long line = lineOfRow(range.minRow);
    if (line < 0) {
        m_app.ui.messageBox(kSelectDataRow, MsgIcon::Stop);
        return -1;
    }
    return static_cast<int>(line);
}

int CTabrixView::GetSelectedLineForCommand() {
    const GridRange range = m_grid.selectedRange();
    if (!range.isValid() || range.minRow != range.maxRow) {
        m_app.ui.messageBox(kSelectOneRow, MsgIcon::Stop);
        return -1;
    }
    return GetSelectedLine();
}

std::vector<int> CTabrixView::GetSelectedColumns() const {
    std::vector<int> cols;
    const GridRange range = m_grid.selectedRange();
    if (!range.isValid()) return cols;
    for (int col = std::max(range.minCol, m_nFixedCols); col <= range.maxCol; ++col) {
        for (int row = range.minRow; row <= range.maxRow; ++row) {
            if (m_grid.isCellSelected(row, col)) {
                cols.push_back(col);
                break;
            }
        }
    }
    return cols;
}

int CTabrixView::dataRowOfLine(std::size_t line) {
    const std::size_t offset = titleOffset();
    const CLineStore& lines = m_doc.lines();
    if (line < offset || line >= lines.size()) return 0;
    if (!m_bFilter || !m_pFilter) return static_cast<int>(line - offset + 1);
    // With the filter on, rows are numbered among the records that pass.
    m_pFilter->resetWorkLists();
    std::vector<std::string> fields;
    int passed = 0;
    for (std::size_t i = offset; i <= line; ++i) {
        SplitFields(lines[i], fields, std::max(m_doc.columnCount(), RowFieldCount(lines[i])));
        if (!RowPasses(fields)) {
            if (i == line) return 0;
            continue;
        }
        ++passed;
    }
    return passed;
}

bool CTabrixView::ShowLine(std::size_t line, int col) {
    const int row = dataRowOfLine(line);
    if (row == 0) return false;
    ShowPage(false, row, col);
    notifyChanged();
    return true;
}

void CTabrixView::onRightClick(int row, int col) {
    if (m_contextMenuHook) m_contextMenuHook(row, col, contextMenu());
}

void CTabrixView::closeErrorList() {
    m_pErrDlg.reset();
    m_errors.clear();
}

}  // namespace tabrix
