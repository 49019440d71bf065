#include "view/GridOps.h"

#include <algorithm>

#include "text/SjisChar.h"

namespace tabrix {

std::string FormatGridCopy(const IGridCtrl& grid) {
    const GridRange range = grid.selectedRange();
    std::string text;
    if (!range.isValid()) return text;
    bool firstRow = true;
    for (int row = range.minRow; row <= range.maxRow; ++row) {
        if (grid.rowHeight(row) == 0) continue;
        if (!firstRow) text += "\r\n";
        firstRow = false;
        bool firstCol = true;
        for (int col = range.minCol; col <= range.maxCol; ++col) {
            if (grid.columnWidth(col) == 0) continue;
            if (!firstCol) text += '\t';
            firstCol = false;
            if (grid.isCellSelected(row, col)) text += grid.itemText(row, col);
        }
    }
    return text;
}

int CompareSjis(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const std::size_t ni = NextChar(a, i);
        const std::size_t nj = NextChar(b, j);
        unsigned ca = static_cast<unsigned char>(a[i]);
        unsigned cb = static_cast<unsigned char>(b[j]);
        if (ni - i == 2) ca = ca << 8 | static_cast<unsigned char>(a[i + 1]);
        if (nj - j == 2) cb = cb << 8 | static_cast<unsigned char>(b[j + 1]);
        if (ca != cb) return ca < cb ? -1 : 1;
        i = ni;
        j = nj;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

std::vector<int> SortedRowOrder(const IGridCtrl& grid, int col, bool descending) {
    std::vector<int> rows;
    std::vector<std::string> keys(static_cast<std::size_t>(std::max(0, grid.rowCount())));
    for (int row = grid.fixedRowCount(); row < grid.rowCount(); ++row) {
        rows.push_back(row);
        keys[static_cast<std::size_t>(row)] = grid.itemText(row, col);
    }
    std::stable_sort(rows.begin(), rows.end(), [&](int x, int y) {
        const std::string& a = keys[static_cast<std::size_t>(x)];
        const std::string& b = keys[static_cast<std::size_t>(y)];
        // Empty cells stay below the others either way: the blank rows after
        // the last line of a page must not push the lines out of sight.
        if (a.empty() || b.empty()) return !a.empty() && b.empty();
        const int c = CompareSjis(a, b);
        return descending ? c > 0 : c < 0;
    });
    return rows;
}

namespace {

// Writes text into one data cell as an edit would; true when it was stored.
bool EditCell(IGridCtrl& grid, IGridNotify& notify, int row, int col, const std::string& text) {
    if (row < grid.fixedRowCount() || col < grid.fixedColumnCount()) return false;
    if (row >= grid.rowCount() || col >= grid.columnCount()) return false;
    if (grid.isCellReadOnly(row, col)) return false;
    const std::string before = grid.itemText(row, col);
    if (!notify.onBeginEdit(row, col)) return false;
    if (!notify.onEndEdit(row, col, text)) {
        grid.setItemText(row, col, before);
        return false;
    }
    return true;
}

// The edits of one paste or cut, as one action.
class EditGroup {
public:
    EditGroup(IGridNotify& notify, const char* caption) : m_notify(notify) { m_notify.onEditGroupBegin(caption); }
    EditGroup(const EditGroup&) = delete;
    EditGroup& operator=(const EditGroup&) = delete;
    ~EditGroup() { m_notify.onEditGroupEnd(); }

private:
    IGridNotify& m_notify;
};

}  // namespace

void CutSelectedCells(IGridCtrl& grid, IGridNotify& notify) {
    const GridRange range = grid.selectedRange();
    if (!range.isValid()) return;
    const EditGroup group(notify, "切り取り");
    for (int row = range.minRow; row <= range.maxRow; ++row)
        for (int col = range.minCol; col <= range.maxCol; ++col)
            if (grid.isCellSelected(row, col)) EditCell(grid, notify, row, col, std::string());
}

void PasteIntoCells(IGridCtrl& grid, IGridNotify& notify, std::string_view text) {
    int top = -1;
    int left = -1;
    const GridRange range = grid.selectedRange();
    if (range.isValid()) {
        top = range.minRow;
        left = range.minCol;
    } else if (!grid.focusCell(top, left)) {
        return;
    }
    const EditGroup group(notify, "貼り付け");
    // Rows end at "\r\n", "\n" or a lone "\r": no line break may reach a cell.
    // A line end after the last row does not start another.
    int row = top;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        int col = left;
        std::size_t cellStart = 0;
        while (true) {
            const std::size_t tab = line.find('\t', cellStart);
            const std::string_view cell = line.substr(cellStart, tab == std::string_view::npos ? std::string_view::npos : tab - cellStart);
            EditCell(grid, notify, row, col, std::string(cell));
            if (tab == std::string_view::npos) break;
            cellStart = tab + 1;
            ++col;
        }
        ++row;
        start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
}

}  // namespace tabrix
