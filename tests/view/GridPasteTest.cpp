#include <gtest/gtest.h>

#include <map>

#include "view/GridOps.h"

namespace tabrix {
namespace {

// A grid that only keeps texts and a selection, enough for the clipboard operations.
class TextGrid : public IGridCtrl {
public:
    TextGrid(int rows, int cols) : m_rows(rows), m_cols(cols) {}

    void setNotify(IGridNotify*) override {}
    bool setRowCount(int rows) override { return m_rows = rows, true; }
    bool setColumnCount(int cols) override { return m_cols = cols, true; }
    int rowCount() const override { return m_rows; }
    int columnCount() const override { return m_cols; }
    void setFixedRowCount(int) override {}
    void setFixedColumnCount(int) override {}
    int fixedRowCount() const override { return 1; }
    int fixedColumnCount() const override { return 1; }
    void setItemText(int row, int col, std::string_view text) override {
        m_texts[{row, col}] = text;
    }
    std::string itemText(int row, int col) const override {
        const auto it = m_texts.find({row, col});
        return it == m_texts.end() ? std::string() : it->second;
    }
    void setItemTextColor(int, int, GridColor) override {}
    void setItemBackColor(int, int, GridColor) override {}
    GridColor itemTextColor(int, int) const override { return 0; }
    GridColor itemBackColor(int, int) const override { return 0; }
    bool isCellSelected(int row, int col) const override { return m_selection.contains(row, col); }
    bool isCellReadOnly(int, int) const override { return false; }
    void setCellKind(int, int, CellKind, const std::vector<std::string>&) override {}
    CellKind cellKind(int, int) const override { return CellKind::Text; }
    void setDefaultTextColor(GridColor) override {}
    void setDefaultBackColor(GridColor) override {}
    GridColor defaultTextColor() const override { return 0; }
    GridColor defaultBackColor() const override { return 0; }
    void setGridFont(const GridFont&) override {}
    GridFont gridFont() const override { return {}; }
    int columnWidth(int) const override { return 10; }
    void setColumnWidth(int, int) override {}
    int rowHeight(int) const override { return 10; }
    void autoSizeColumn(int) override {}
    void autoSize() override {}
    GridRange selectedRange() const override { return m_selection; }
    void setSelectedRange(const GridRange& range) override { m_selection = range; }
    void clearSelection() override { m_selection = {}; }
    bool focusCell(int&, int&) const override { return false; }
    void setFocusCell(int, int) override {}
    void ensureVisible(int, int) override {}
    void setListMode(bool) override {}
    void setEditable(bool) override {}
    void setRowSelectionByNumberClick(bool) override {}
    void setColumnSelectionByTitleClick(bool) override {}
    void setSortOnTitleClick(bool) override {}
    bool sortOnTitleClick() const override { return false; }
    void endEditing() override {}
    void cutSelection() override {}
    void paste(std::string_view) override {}
    std::string copySelection() const override { return FormatGridCopy(*this); }
    void setModified(bool, int, int) override {}
    bool isModified(int, int) const override { return false; }
    void setRedraw(bool) override {}
    void print(bool) override {}
    void printPreview(bool) override {}

private:
    int m_rows;
    int m_cols;
    std::map<std::pair<int, int>, std::string> m_texts;
    GridRange m_selection;
};

// Stores every edit it is asked for.
class StoringNotify : public IGridNotify {
public:
    explicit StoringNotify(IGridCtrl& grid) : m_grid(grid) {}
    bool onBeginEdit(int, int) override { return true; }
    bool onEndEdit(int row, int col, const std::string& text) override {
        m_grid.setItemText(row, col, text);
        ++edits;
        return true;
    }
    int edits = 0;

private:
    IGridCtrl& m_grid;
};

TEST(GridPaste, EveryLineEndStartsARowAndNoneReachesACell) {
    struct Case {
        const char* text;
        std::vector<std::string> column;  // cells (1..3, 1) afterwards
        int edits;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", {"a", "b", ""}, 2}, {"a\nb", {"a", "b", ""}, 2},
        {"a\rb\rc\r", {"a", "b", "c"}, 3},  // lone CR line ends
        {"a\r\n\r\nc", {"a", "", "c"}, 3}, {"", {"", "", ""}, 0},
    };
    for (const Case& c : cases) {
        TextGrid grid(4, 3);
        StoringNotify notify(grid);
        grid.setSelectedRange({1, 1, 1, 1});
        PasteIntoCells(grid, notify, c.text);
        EXPECT_EQ(notify.edits, c.edits) << c.text;
        for (int row = 1; row <= 3; ++row)
            EXPECT_EQ(grid.itemText(row, 1), c.column[row - 1]) << c.text;
    }
}

TEST(GridPaste, TabsSplitCellsAndTrailBytesAreNotTaken) {
    TextGrid grid(3, 4);
    StoringNotify notify(grid);
    grid.setSelectedRange({1, 1, 1, 1});
    PasteIntoCells(grid, notify,
                   "表\tソ\r\n\x81\tx");  // a lone lead byte before a TAB stays a byte of its own
    EXPECT_EQ(grid.itemText(1, 1), "表");
    EXPECT_EQ(grid.itemText(1, 2), "ソ");
    EXPECT_EQ(grid.itemText(2, 1), "\x81");
    EXPECT_EQ(grid.itemText(2, 2), "x");
}

}  // namespace
}  // namespace tabrix
