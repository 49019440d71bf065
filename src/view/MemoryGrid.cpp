#include "view/MemoryGrid.h"

#include <algorithm>
#include <new>

#include "view/GridOps.h"

namespace tabrix {

namespace {

const std::vector<std::string> kNoOptions;

}  // namespace

bool MemoryGrid::reshape(int rows, int cols) {
    if (rows < 0 || cols < 0) return false;
    const std::size_t cells = static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols);
    if (cells > m_cellLimit) return false;
    std::vector<Cell> resized;
    try {
        resized.resize(cells);
        m_widths.resize(static_cast<std::size_t>(cols), kDefaultColumnWidth);
        m_heights.resize(static_cast<std::size_t>(rows), kDefaultRowHeight);
    } catch (const std::bad_alloc&) {
        return false;
    }
    const int keepRows = std::min(rows, m_rows);
    const int keepCols = std::min(cols, m_cols);
    for (int r = 0; r < keepRows; ++r)
        for (int c = 0; c < keepCols; ++c)
            resized[static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) + static_cast<std::size_t>(c)] =
                std::move(cell(r, c));
    m_cells = std::move(resized);
    m_rows = rows;
    m_cols = cols;
    m_selection.clear();
    if (!valid(m_focusRow, m_focusCol)) m_focusRow = m_focusCol = -1;
    m_sortColumn = -1;
    return true;
}

bool MemoryGrid::setRowCount(int rows) { return reshape(rows, m_cols); }
bool MemoryGrid::setColumnCount(int cols) { return reshape(m_rows, cols); }

void MemoryGrid::setItemText(int row, int col, std::string_view text) {
    if (!valid(row, col)) return;
    cell(row, col).text.assign(text);
    ++m_cellWrites;
}

std::string MemoryGrid::itemText(int row, int col) const { return valid(row, col) ? cell(row, col).text : std::string(); }

void MemoryGrid::setItemTextColor(int row, int col, GridColor color) {
    if (valid(row, col)) cell(row, col).textColor = color;
}

void MemoryGrid::setItemBackColor(int row, int col, GridColor color) {
    if (valid(row, col)) cell(row, col).backColor = color;
}

GridColor MemoryGrid::itemTextColor(int row, int col) const {
    return valid(row, col) ? cell(row, col).textColor : kDefaultCellColor;
}

GridColor MemoryGrid::itemBackColor(int row, int col) const {
    return valid(row, col) ? cell(row, col).backColor : kDefaultCellColor;
}

bool MemoryGrid::isCellSelected(int row, int col) const {
    return std::any_of(m_selection.begin(), m_selection.end(),
                       [&](const GridRange& range) { return range.contains(row, col); });
}

bool MemoryGrid::isCellReadOnly(int row, int col) const {
    return !m_editable || row < m_fixedRows || col < m_fixedCols || !valid(row, col);
}

void MemoryGrid::setCellKind(int row, int col, CellKind kind, const std::vector<std::string>& options) {
    if (!valid(row, col)) return;
    Cell& c = cell(row, col);
    c.kind = kind;
    if (kind == CellKind::Text)
        c.options.clear();
    else
        c.options = options;
}

CellKind MemoryGrid::cellKind(int row, int col) const { return valid(row, col) ? cell(row, col).kind : CellKind::Text; }

const std::vector<std::string>& MemoryGrid::cellOptions(int row, int col) const {
    return valid(row, col) ? cell(row, col).options : kNoOptions;
}

int MemoryGrid::columnWidth(int col) const {
    return col >= 0 && col < m_cols ? m_widths[static_cast<std::size_t>(col)] : 0;
}

void MemoryGrid::setColumnWidth(int col, int width) {
    if (col >= 0 && col < m_cols) m_widths[static_cast<std::size_t>(col)] = std::max(0, width);
}

int MemoryGrid::rowHeight(int row) const {
    return row >= 0 && row < m_rows ? m_heights[static_cast<std::size_t>(row)] : 0;
}

void MemoryGrid::autoSizeColumn(int col) {
    // A hidden column stays hidden: showing it again is the caller's decision.
    if (col < 0 || col >= m_cols || columnWidth(col) == 0) return;
    std::size_t widest = 0;
    for (int row = 0; row < m_rows; ++row) widest = std::max(widest, cell(row, col).text.size());
    setColumnWidth(col, static_cast<int>(widest) * kUnitsPerByte + kAutoSizeMargin);
}

void MemoryGrid::autoSize() {
    for (int col = 0; col < m_cols; ++col) autoSizeColumn(col);
    for (int& height : m_heights)
        if (height != 0) height = kDefaultRowHeight;
}

GridRange MemoryGrid::selectedRange() const {
    GridRange bounds;
    for (const GridRange& range : m_selection) {
        if (!bounds.isValid()) {
            bounds = range;
            continue;
        }
        bounds.minRow = std::min(bounds.minRow, range.minRow);
        bounds.minCol = std::min(bounds.minCol, range.minCol);
        bounds.maxRow = std::max(bounds.maxRow, range.maxRow);
        bounds.maxCol = std::max(bounds.maxCol, range.maxCol);
    }
    return bounds;
}

void MemoryGrid::selectOnly(const GridRange& range) {
    m_selection.clear();
    addSelectedRange(range);
}

void MemoryGrid::setSelectedRange(const GridRange& range) { selectOnly(range); }

void MemoryGrid::addSelectedRange(const GridRange& range) {
    GridRange clipped{std::max(range.minRow, m_fixedRows), std::max(range.minCol, m_fixedCols),
                      std::min(range.maxRow, m_rows - 1), std::min(range.maxCol, m_cols - 1)};
    if (range.isValid() && clipped.isValid()) m_selection.push_back(clipped);
    notifySelection();
}

void MemoryGrid::clearSelection() {
    m_selection.clear();
    notifySelection();
}

bool MemoryGrid::focusCell(int& row, int& col) const {
    if (!valid(m_focusRow, m_focusCol)) return false;
    row = m_focusRow;
    col = m_focusCol;
    return true;
}

void MemoryGrid::setFocusCell(int row, int col) {
    if (valid(row, col)) {
        m_focusRow = row;
        m_focusCol = col;
    } else {
        m_focusRow = m_focusCol = -1;
    }
}

void MemoryGrid::ensureVisible(int row, int col) {
    m_visibleRow = row;
    m_visibleCol = col;
}

void MemoryGrid::setSortOnTitleClick(bool on) {
    m_sortOnTitleClick = on;
    m_sortColumn = -1;
}

void MemoryGrid::notifySelection() {
    if (m_notify && !m_redrawOff) m_notify->onSelectionChanged();
}

bool MemoryGrid::EditRelay::onBeginEdit(int row, int col) {
    return m_grid.m_notify ? m_grid.m_notify->onBeginEdit(row, col) : true;
}

bool MemoryGrid::EditRelay::onEndEdit(int row, int col, const std::string& text) {
    bool accepted = true;
    if (m_grid.m_notify)
        accepted = m_grid.m_notify->onEndEdit(row, col, text);
    else
        m_grid.setItemText(row, col, text);
    if (accepted) m_grid.setModified(true, row, col);
    return accepted;
}

void MemoryGrid::cutSelection() { CutSelectedCells(*this, m_relay); }

void MemoryGrid::paste(std::string_view text) { PasteIntoCells(*this, m_relay, text); }

std::string MemoryGrid::copySelection() const { return FormatGridCopy(*this); }

void MemoryGrid::copyToClipboard() {
    if (selectedRange().isValid()) m_clipboard = copySelection();
}

void MemoryGrid::pasteFromClipboard() {
    if (!m_clipboard.empty()) paste(m_clipboard);
}

void MemoryGrid::selectAllCells() { selectOnly({m_fixedRows, m_fixedCols, m_rows - 1, m_cols - 1}); }

void MemoryGrid::setModified(bool modified, int row, int col) {
    if (row < 0 || col < 0) {
        m_modified = modified;
        if (!modified)
            for (Cell& c : m_cells) c.modified = false;
        return;
    }
    if (!valid(row, col)) return;
    cell(row, col).modified = modified;
    if (modified) m_modified = true;
}

bool MemoryGrid::isModified(int row, int col) const {
    if (row < 0 || col < 0) return m_modified;
    return valid(row, col) && cell(row, col).modified;
}

void MemoryGrid::setRedraw(bool on) {
    if (!on) {
        m_redrawOff = true;
        return;
    }
    // The rows were refilled: the next title click sorts ascending again.
    if (m_redrawOff) m_sortColumn = -1;
    m_redrawOff = false;
    ++m_redraws;
}

void MemoryGrid::clickCell(int row, int col) {
    if (!valid(row, col)) return;
    setFocusCell(row, col);
    selectOnly({row, col, row, col});
}

void MemoryGrid::clickRowNumber(int row) {
    if (!m_rowClickSelects || row < m_fixedRows || row >= m_rows) return;
    setFocusCell(row, m_fixedCols);
    selectOnly({row, m_fixedCols, row, m_cols - 1});
}

void MemoryGrid::clickTitle(int col) {
    if (col < m_fixedCols || col >= m_cols) return;
    if (m_sortOnTitleClick) {
        const bool descending = col == m_sortColumn && !m_sortDescending;
        const std::vector<int> order = SortedRowOrder(*this, col, descending);
        std::vector<Cell> sorted;
        sorted.reserve(order.size() * static_cast<std::size_t>(m_cols));
        for (int row : order)
            for (int c = 0; c < m_cols; ++c) sorted.push_back(std::move(cell(row, c)));
        std::move(sorted.begin(), sorted.end(), m_cells.begin() + static_cast<std::ptrdiff_t>(m_fixedRows) * m_cols);
        m_sortColumn = col;
        m_sortDescending = descending;
        notifySelection();
        return;
    }
    if (!m_titleClickSelects) return;
    setFocusCell(m_fixedRows, col);
    selectOnly({m_fixedRows, col, m_rows - 1, col});
}

bool MemoryGrid::editCell(int row, int col, const std::string& text) {
    if (isCellReadOnly(row, col)) return false;
    const std::string before = itemText(row, col);
    if (!m_relay.onBeginEdit(row, col)) {
        setItemText(row, col, before);
        return false;
    }
    if (!m_relay.onEndEdit(row, col, text)) {
        setItemText(row, col, before);
        return false;
    }
    return true;
}

void MemoryGrid::rightClick(int row, int col) {
    if (m_notify) m_notify->onRightClick(row, col);
}

void MemoryGrid::pressInputKey() {
    if (m_notify && m_focusRow >= 0 && m_focusCol >= 0) m_notify->onInputKey(m_focusRow, m_focusCol);
}

}  // namespace tabrix
