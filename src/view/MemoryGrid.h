// A grid control held entirely in memory, for tests, benchmarks and
// tabrix-cli. It keeps the whole grid contract: cells with their colours and
// kinds, the default cell, sizes where 0 hides, selection and focus, edits
// through the notifier's begin/end pair, the page sort on a title click,
// clipboard and modified flags. What a user does with the mouse and the
// keyboard is offered as methods (clickRowNumber, clickTitle, editCell ...).
// Printing and drawing are only counted.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "app/Settings.h"
#include "view/GridCtrl.h"

namespace tabrix {

class MemoryGrid final : public IGridCtrl {
public:
    static constexpr int kDefaultColumnWidth = 64;
    static constexpr int kDefaultRowHeight = 20;
    // An auto-sized column is this many units per byte of its widest text, plus a margin.
    static constexpr int kUnitsPerByte = 8;
    static constexpr int kAutoSizeMargin = 8;

    struct PrintJob {
        bool preview = false;
        bool fitColumns = false;
    };

    MemoryGrid() = default;

    void setNotify(IGridNotify* notify) override { m_notify = notify; }

    bool setRowCount(int rows) override;
    bool setColumnCount(int cols) override;
    int rowCount() const override { return m_rows; }
    int columnCount() const override { return m_cols; }
    void setFixedRowCount(int rows) override { m_fixedRows = rows; }
    void setFixedColumnCount(int cols) override { m_fixedCols = cols; }
    int fixedRowCount() const override { return m_fixedRows; }
    int fixedColumnCount() const override { return m_fixedCols; }

    void setItemText(int row, int col, std::string_view text) override;
    std::string itemText(int row, int col) const override;
    void setItemTextColor(int row, int col, GridColor color) override;
    void setItemBackColor(int row, int col, GridColor color) override;
    GridColor itemTextColor(int row, int col) const override;
    GridColor itemBackColor(int row, int col) const override;
    bool isCellSelected(int row, int col) const override;
    bool isCellReadOnly(int row, int col) const override;
    void setCellKind(int row, int col, CellKind kind, const std::vector<std::string>& options = {}) override;
    CellKind cellKind(int row, int col) const override;

    void setDefaultTextColor(GridColor color) override { m_defaultText = color; }
    void setDefaultBackColor(GridColor color) override { m_defaultBack = color; }
    GridColor defaultTextColor() const override { return m_defaultText; }
    GridColor defaultBackColor() const override { return m_defaultBack; }
    void setGridFont(const GridFont& font) override { m_font = font; }
    GridFont gridFont() const override { return m_font; }

    int columnWidth(int col) const override;
    void setColumnWidth(int col, int width) override;
    int rowHeight(int row) const override;
    void autoSizeColumn(int col) override;
    void autoSize() override;

    GridRange selectedRange() const override;
    void setSelectedRange(const GridRange& range) override;
    void clearSelection() override;
    bool focusCell(int& row, int& col) const override;
    void setFocusCell(int row, int col) override;
    void ensureVisible(int row, int col) override;

    void setListMode(bool on) override { m_listMode = on; }
    void setEditable(bool on) override { m_editable = on; }
    void setRowSelectionByNumberClick(bool on) override { m_rowClickSelects = on; }
    void setColumnSelectionByTitleClick(bool on) override { m_titleClickSelects = on; }
    void setSortOnTitleClick(bool on) override;
    bool sortOnTitleClick() const override { return m_sortOnTitleClick; }

    void endEditing() override {}
    void cutSelection() override;
    void paste(std::string_view text) override;
    std::string copySelection() const override;
    void copyToClipboard() override;
    void pasteFromClipboard() override;
    void selectAllCells() override;

    void setModified(bool modified, int row = -1, int col = -1) override;
    bool isModified(int row = -1, int col = -1) const override;

    void setRedraw(bool on) override;

    void print(bool fitColumns) override { m_prints.push_back({false, fitColumns}); }
    void printPreview(bool fitColumns) override { m_prints.push_back({true, fitColumns}); }

    int pixelsPerInchY() const override { return m_pixelsPerInch; }

    // What a user does.
    // A click on a data cell: it becomes the focus and the only selected cell.
    void clickCell(int row, int col);
    // A click on a row-number cell selects the row's data cells when row selection is on.
    void clickRowNumber(int row);
    // A click on a title cell: with sort-on-title-click on, sorts the page's
    // rows by the column (again on the same column: the other way round);
    // otherwise selects the column's data cells when column selection is on.
    void clickTitle(int col);
    // Adds a rectangle to the selection, as a control-click drag does.
    void addSelectedRange(const GridRange& range);
    // Types text into a cell: begin-edit (a veto changes nothing), then
    // end-edit (a rejection restores the text from before). True when stored.
    bool editCell(int row, int col, const std::string& text);
    void rightClick(int row, int col);
    // F4 on the focus cell.
    void pressInputKey();

    // What a test observes.
    const std::string& clipboardText() const { return m_clipboard; }
    void setClipboardText(std::string text) { m_clipboard = std::move(text); }
    const std::vector<std::string>& cellOptions(int row, int col) const;
    bool listMode() const { return m_listMode; }
    bool editable() const { return m_editable; }
    bool rowSelectionByNumberClick() const { return m_rowClickSelects; }
    bool columnSelectionByTitleClick() const { return m_titleClickSelects; }
    bool redrawSuspended() const { return m_redrawOff; }
    int redrawCount() const { return m_redraws; }
    const std::vector<PrintJob>& prints() const { return m_prints; }
    int lastVisibleRow() const { return m_visibleRow; }
    int lastVisibleCol() const { return m_visibleCol; }
    // Cell writes since the last reset, to show what a redisplay costs.
    std::size_t cellWrites() const { return m_cellWrites; }
    void resetCellWrites() { m_cellWrites = 0; }
    // Refuses shapes of more cells than this, as a grid out of memory does.
    void setCellLimit(std::size_t cells) { m_cellLimit = cells; }
    void setPixelsPerInchY(int dpi) { m_pixelsPerInch = dpi; }

private:
    struct Cell {
        std::string text;
        GridColor textColor = kDefaultCellColor;
        GridColor backColor = kDefaultCellColor;
        CellKind kind = CellKind::Text;
        std::vector<std::string> options;
        bool modified = false;
    };
    static constexpr GridColor kDefaultCellColor = kDefaultTextColor;

    // Passes edits on to the notifier and marks the accepted cells modified.
    class EditRelay final : public IGridNotify {
    public:
        explicit EditRelay(MemoryGrid& grid) : m_grid(grid) {}
        bool onBeginEdit(int row, int col) override;
        bool onEndEdit(int row, int col, const std::string& text) override;
        void onEditGroupBegin(const char* caption) override {
            if (m_grid.m_notify) m_grid.m_notify->onEditGroupBegin(caption);
        }
        void onEditGroupEnd() override {
            if (m_grid.m_notify) m_grid.m_notify->onEditGroupEnd();
        }

    private:
        MemoryGrid& m_grid;
    };

    bool valid(int row, int col) const { return row >= 0 && col >= 0 && row < m_rows && col < m_cols; }
    Cell& cell(int row, int col) { return m_cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(m_cols) + static_cast<std::size_t>(col)]; }
    const Cell& cell(int row, int col) const {
        return m_cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(m_cols) + static_cast<std::size_t>(col)];
    }
    bool reshape(int rows, int cols);
    void selectOnly(const GridRange& range);
    void notifySelection();

    IGridNotify* m_notify = nullptr;
    EditRelay m_relay{*this};
    int m_rows = 0;
    int m_cols = 0;
    int m_fixedRows = 0;
    int m_fixedCols = 0;
    std::vector<Cell> m_cells;
    std::vector<int> m_widths;
    std::vector<int> m_heights;
    GridColor m_defaultText = kDefaultCellColor;
    GridColor m_defaultBack = kDefaultCellColor;
    GridFont m_font;
    std::vector<GridRange> m_selection;
    int m_focusRow = -1;
    int m_focusCol = -1;
    int m_visibleRow = -1;
    int m_visibleCol = -1;
    bool m_listMode = false;
    bool m_editable = true;
    bool m_rowClickSelects = false;
    bool m_titleClickSelects = false;
    bool m_sortOnTitleClick = false;
    int m_sortColumn = -1;
    bool m_sortDescending = false;
    bool m_modified = false;
    bool m_redrawOff = false;
    int m_redraws = 0;
    std::vector<PrintJob> m_prints;
    std::string m_clipboard;
    std::size_t m_cellWrites = 0;
    // A gigabyte of cells, as the desktop grid allows: a larger shape is
    // refused before anything is allocated.
    std::size_t m_cellLimit = (std::size_t{1} << 30) / sizeof(Cell);
    int m_pixelsPerInch = 96;
};

}  // namespace tabrix
