// The in-memory grid keeps the grid contract that the view relies on.
#include "view/MemoryGrid.h"

#include <gtest/gtest.h>

namespace tabrix {
namespace {

// Accepts or refuses edits as told, and stores accepted text upper-cased.
class ScriptedNotify : public IGridNotify {
public:
    explicit ScriptedNotify(MemoryGrid& grid) : m_grid(grid) {}
    bool onBeginEdit(int row, int col) override {
        ++begins;
        if (veto) return false;
        m_grid.setItemText(row, col, "[" + m_grid.itemText(row, col) + "]");
        return true;
    }
    bool onEndEdit(int row, int col, const std::string& text) override {
        ++ends;
        if (reject) return false;
        std::string stored = text;
        for (char& c : stored) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        m_grid.setItemText(row, col, stored);
        return true;
    }
    void onSelectionChanged() override { ++selections; }
    void onRightClick(int row, int col) override { clicked = {row, col}; }

    bool veto = false;
    bool reject = false;
    int begins = 0;
    int ends = 0;
    int selections = 0;
    std::pair<int, int> clicked{-1, -1};

private:
    MemoryGrid& m_grid;
};

struct GridFixture {
    MemoryGrid grid;
    ScriptedNotify notify{grid};
    GridFixture() {
        grid.setNotify(&notify);
        grid.setColumnCount(4);
        grid.setRowCount(5);
        grid.setFixedRowCount(1);
        grid.setFixedColumnCount(1);
        grid.setRowSelectionByNumberClick(true);
        grid.setColumnSelectionByTitleClick(true);
        for (int r = 1; r < 5; ++r) {
            grid.setItemText(r, 0, std::to_string(r));
            for (int c = 1; c < 4; ++c) grid.setItemText(r, c, std::string(1, static_cast<char>('a' + r)) + std::to_string(c));
        }
    }
    std::vector<std::string> column(int col) const {
        std::vector<std::string> texts;
        for (int r = 1; r < grid.rowCount(); ++r) texts.push_back(grid.itemText(r, col));
        return texts;
    }
};

TEST(MemoryGrid, EditsGoThroughTheNotifierPair) {
    GridFixture f;
    EXPECT_TRUE(f.grid.editCell(1, 1, "typed"));
    EXPECT_EQ(f.grid.itemText(1, 1), "TYPED");
    EXPECT_TRUE(f.grid.isModified(1, 1));
    EXPECT_TRUE(f.grid.isModified());

    f.notify.reject = true;
    EXPECT_FALSE(f.grid.editCell(2, 1, "no"));
    EXPECT_EQ(f.grid.itemText(2, 1), "c1");  // the text from before the begin-edit
    EXPECT_FALSE(f.grid.isModified(2, 1));

    f.notify.veto = true;
    const int ends = f.notify.ends;
    EXPECT_FALSE(f.grid.editCell(2, 2, "no"));
    EXPECT_EQ(f.notify.ends, ends);
    EXPECT_EQ(f.grid.itemText(2, 2), "c2");

    EXPECT_FALSE(f.grid.editCell(0, 1, "title"));  // fixed cells are read-only
    f.grid.setEditable(false);
    f.notify.veto = false;
    EXPECT_FALSE(f.grid.editCell(3, 3, "x"));
    EXPECT_EQ(f.notify.begins, 3);
}

TEST(MemoryGrid, ClicksSelectRowsAndColumns) {
    GridFixture f;
    f.grid.clickRowNumber(2);
    EXPECT_EQ(f.grid.selectedRange().minRow, 2);
    EXPECT_EQ(f.grid.selectedRange().maxRow, 2);
    EXPECT_EQ(f.grid.selectedRange().minCol, 1);
    EXPECT_EQ(f.grid.selectedRange().maxCol, 3);
    f.grid.clickTitle(2);
    EXPECT_EQ(f.grid.selectedRange().minRow, 1);
    EXPECT_EQ(f.grid.selectedRange().maxRow, 4);
    EXPECT_TRUE(f.grid.isCellSelected(4, 2));
    EXPECT_FALSE(f.grid.isCellSelected(4, 1));
    EXPECT_GE(f.notify.selections, 2);

    f.grid.setRowSelectionByNumberClick(false);
    f.grid.clearSelection();
    f.grid.clickRowNumber(1);
    EXPECT_FALSE(f.grid.selectedRange().isValid());

    f.grid.rightClick(3, 2);
    EXPECT_EQ(f.notify.clicked, (std::pair<int, int>{3, 2}));
}

TEST(MemoryGrid, TitleClicksSortThePageAndASecondClickReverses) {
    GridFixture f;
    f.grid.setItemText(1, 2, "ソ");
    f.grid.setItemText(2, 2, "ｱ");
    f.grid.setItemText(3, 2, "b");
    f.grid.setItemText(4, 2, "表");
    f.grid.setItemTextColor(4, 2, 0x123456);
    f.grid.setSortOnTitleClick(true);
    f.grid.clickTitle(2);
    EXPECT_EQ(f.column(2), (std::vector<std::string>{"b", "ｱ", "ソ", "表"}));
    EXPECT_EQ(f.column(0), (std::vector<std::string>{"3", "2", "1", "4"}));  // whole rows move
    EXPECT_EQ(f.grid.itemTextColor(4, 2), 0x123456u);
    EXPECT_FALSE(f.grid.selectedRange().isValid());
    f.grid.clickTitle(2);
    EXPECT_EQ(f.column(2), (std::vector<std::string>{"表", "ソ", "ｱ", "b"}));
    f.grid.clickTitle(1);
    EXPECT_EQ(f.column(0), (std::vector<std::string>{"1", "2", "3", "4"}));
    // A redisplay forgets the order: the next click is ascending again.
    f.grid.clickTitle(2);
    f.grid.setRedraw(false);
    f.grid.setRedraw(true);
    f.grid.clickTitle(2);
    EXPECT_EQ(f.column(2).front(), "b");
}

TEST(MemoryGrid, EmptyCellsSortLastInBothDirections) {
    GridFixture f;
    f.grid.setItemText(1, 2, "");
    f.grid.setItemText(2, 2, "b");
    f.grid.setItemText(3, 2, "");
    f.grid.setItemText(4, 2, "a");
    f.grid.setSortOnTitleClick(true);
    f.grid.clickTitle(2);
    EXPECT_EQ(f.column(2), (std::vector<std::string>{"a", "b", "", ""}));
    EXPECT_EQ(f.column(0), (std::vector<std::string>{"4", "2", "1", "3"}));
    f.grid.clickTitle(2);
    EXPECT_EQ(f.column(2), (std::vector<std::string>{"b", "a", "", ""}));
    EXPECT_EQ(f.column(0), (std::vector<std::string>{"2", "4", "1", "3"}));
}

TEST(MemoryGrid, CopySkipsHiddenColumnsAndCutPasteEdit) {
    GridFixture f;
    f.grid.setColumnWidth(2, 0);
    f.grid.setSelectedRange({1, 1, 2, 3});
    f.grid.copyToClipboard();
    EXPECT_EQ(f.grid.clipboardText(), "b1\tb3\r\nc1\tc3");
    f.grid.autoSize();
    EXPECT_EQ(f.grid.columnWidth(2), 0);  // auto-sizing keeps a hidden column hidden
    EXPECT_EQ(f.grid.columnWidth(1), 2 * MemoryGrid::kUnitsPerByte + MemoryGrid::kAutoSizeMargin);

    f.grid.setSelectedRange({3, 1, 3, 1});
    f.grid.cutToClipboard();
    EXPECT_EQ(f.grid.clipboardText(), "d1");
    EXPECT_EQ(f.grid.itemText(3, 1), "");
    EXPECT_TRUE(f.grid.isModified(3, 1));

    f.grid.setClipboardText("p\tq\r\nr\r\n");
    f.grid.setSelectedRange({1, 1, 1, 1});
    f.grid.pasteFromClipboard();
    EXPECT_EQ(f.grid.itemText(1, 1), "P");
    EXPECT_EQ(f.grid.itemText(1, 2), "Q");
    EXPECT_EQ(f.grid.itemText(2, 1), "R");

    f.grid.selectAllCells();
    EXPECT_EQ(f.grid.selectedRange().minRow, 1);
    EXPECT_EQ(f.grid.selectedRange().maxCol, 3);
}

TEST(MemoryGrid, ShapesKeepCellsAndRefuseBeyondTheLimit) {
    GridFixture f;
    ASSERT_TRUE(f.grid.setRowCount(3));
    EXPECT_EQ(f.grid.itemText(2, 3), "c3");
    EXPECT_EQ(f.grid.itemText(4, 1), "");
    f.grid.setCellLimit(100);
    EXPECT_FALSE(f.grid.setRowCount(26));
    EXPECT_EQ(f.grid.rowCount(), 3);
    EXPECT_TRUE(f.grid.setRowCount(25));
    f.grid.setModified(true, 1, 1);
    f.grid.setModified(false);
    EXPECT_FALSE(f.grid.isModified(1, 1));
}

}  // namespace
}  // namespace tabrix
