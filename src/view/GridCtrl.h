// What the view requires of a grid control: a scrolling table with a fixed
// title row and a fixed row-number column, in-place editing that the view may
// veto or reject, selection, clipboard, column sizing, sort on title click
// and printing. The desktop implements it with Qt widgets; tests, benchmarks
// and tabrix-cli use MemoryGrid. Texts are code page 932.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tabrix {

using GridColor = std::uint32_t;  // 0x00BBGGRR; kDefaultTextColor means "the grid's own"

struct GridRange {
    int minRow = -1;
    int minCol = -1;
    int maxRow = -1;
    int maxCol = -1;
    bool isValid() const { return minRow >= 0 && minCol >= 0 && maxRow >= minRow && maxCol >= minCol; }
    bool contains(int row, int col) const {
        return isValid() && row >= minRow && row <= maxRow && col >= minCol && col <= maxCol;
    }
};

enum class CellKind { Text, DropDownList };

struct GridFont {
    std::string face;       // code page 932
    int height = 0;         // negative: character height in pixels
    int weight = 400;       // 400 normal, 700 bold
    bool italic = false;
};

// Notifications from the grid to the view that drives it.
class IGridNotify {
public:
    virtual ~IGridNotify() = default;
    virtual void onSelectionChanged() {}
    // Editing of a data cell is about to start; false vetoes it. The handler
    // may put the text to edit into the cell.
    virtual bool onBeginEdit(int row, int col) = 0;
    // Editing ended with text; false rejects it and the cell keeps its text
    // from before the edit. On true the handler has stored the value and set
    // the cell's text.
    virtual bool onEndEdit(int row, int col, const std::string& text) = 0;
    virtual void onRightClick(int row, int col) { (void)row, (void)col; }
    // A paste or a cut edits many cells as one action of the user: its
    // edits come between these two calls.
    virtual void onEditGroupBegin(const char* caption) { (void)caption; }
    virtual void onEditGroupEnd() {}
    // F4 on the focus cell: the view may open an input dialog for it.
    virtual void onInputKey(int row, int col) { (void)row, (void)col; }
};

class IGridCtrl {
public:
    virtual ~IGridCtrl() = default;

    virtual void setNotify(IGridNotify* notify) = 0;

    // Shape. A failure to allocate is reported, not fatal.
    virtual bool setRowCount(int rows) = 0;
    virtual bool setColumnCount(int cols) = 0;
    virtual int rowCount() const = 0;
    virtual int columnCount() const = 0;
    virtual void setFixedRowCount(int rows) = 0;
    virtual void setFixedColumnCount(int cols) = 0;
    virtual int fixedRowCount() const = 0;
    virtual int fixedColumnCount() const = 0;

    // Cells.
    virtual void setItemText(int row, int col, std::string_view text) = 0;
    virtual std::string itemText(int row, int col) const = 0;
    virtual void setItemTextColor(int row, int col, GridColor color) = 0;
    virtual void setItemBackColor(int row, int col, GridColor color) = 0;
    virtual GridColor itemTextColor(int row, int col) const = 0;
    virtual GridColor itemBackColor(int row, int col) const = 0;
    virtual bool isCellSelected(int row, int col) const = 0;
    virtual bool isCellReadOnly(int row, int col) const = 0;
    virtual void setCellKind(int row, int col, CellKind kind, const std::vector<std::string>& options = {}) = 0;
    virtual CellKind cellKind(int row, int col) const = 0;

    // The default cell: applies to every cell without its own colours, and the font.
    virtual void setDefaultTextColor(GridColor color) = 0;
    virtual void setDefaultBackColor(GridColor color) = 0;
    virtual GridColor defaultTextColor() const = 0;
    virtual GridColor defaultBackColor() const = 0;
    virtual void setGridFont(const GridFont& font) = 0;
    virtual GridFont gridFont() const = 0;

    // Sizes. Width 0 hides a column, height 0 a row.
    virtual int columnWidth(int col) const = 0;
    virtual void setColumnWidth(int col, int width) = 0;
    virtual int rowHeight(int row) const = 0;
    virtual void autoSizeColumn(int col) = 0;
    virtual void autoSize() = 0;  // every column and row

    // Selection and focus.
    virtual GridRange selectedRange() const = 0;  // bounding rectangle; invalid when nothing is selected
    virtual void setSelectedRange(const GridRange& range) = 0;
    virtual void clearSelection() = 0;
    virtual bool focusCell(int& row, int& col) const = 0;  // false when no cell has the focus
    virtual void setFocusCell(int row, int col) = 0;
    virtual void ensureVisible(int row, int col) = 0;

    // Behaviour switches of the initial display.
    virtual void setListMode(bool on) = 0;
    virtual void setEditable(bool on) = 0;
    virtual void setRowSelectionByNumberClick(bool on) = 0;    // clicking a row-number cell selects its row
    virtual void setColumnSelectionByTitleClick(bool on) = 0;  // clicking a title cell selects its column
    virtual void setSortOnTitleClick(bool on) = 0;
    virtual bool sortOnTitleClick() const = 0;

    // Editing outside the in-place editor: ends an edit in progress as the
    // user would; cut and paste go through the begin/end-edit pair.
    virtual void endEditing() = 0;
    virtual void cutSelection() = 0;
    virtual void paste(std::string_view text) = 0;
    virtual std::string copySelection() const = 0;
    // The clipboard commands: the selection to and from the system clipboard.
    virtual void copyToClipboard() {}
    virtual void cutToClipboard() {
        copyToClipboard();
        cutSelection();
    }
    virtual void pasteFromClipboard() {}
    virtual void selectAllCells() {
        setSelectedRange({fixedRowCount(), fixedColumnCount(), rowCount() - 1, columnCount() - 1});
    }

    // Modified flags: the whole grid (row and col -1) or one cell.
    virtual void setModified(bool modified, int row = -1, int col = -1) = 0;
    virtual bool isModified(int row = -1, int col = -1) const = 0;

    // Drawing is suspended during bulk updates; redraw(true) invalidates everything.
    virtual void setRedraw(bool on) = 0;

    // Printing with the footer "Page %d of %d"; all columns on one page when fitColumns.
    virtual void print(bool fitColumns) = 0;
    virtual void printPreview(bool fitColumns) = 0;

    // Vertical resolution of the screen the grid is on, for font heights.
    virtual int pixelsPerInchY() const { return 96; }
};

}  // namespace tabrix
