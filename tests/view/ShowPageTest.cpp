// Paging: which lines a page shows, how its cells, titles and colours are
// drawn, and the jump to a row.
#include <gtest/gtest.h>

#include "ViewFixture.h"

namespace tabrix {
namespace {

using test::Six;
using test::ViewFixture;

const char* kSchema3 =
    "[FILE]\r\nFILE=d.csv\r\nDELIM=CSV\r\n"
    "[COL]\r\nTITLE=コード\r\n"
    "[COL]\r\nTITLE=名称\r\nFILECOL=FALSE\r\n"
    "[COL]\r\nTITLE=固定\r\nEDIT=FALSE\r\n";

TEST(ShowPage, ThreePagesOfAThousandAndTheLastHalfBlank) {
    ViewFixture f;
    f.fill(2500, 2);
    CTabrixView& view = f.show(1000);
    EXPECT_EQ(view.m_nPageCount, 3);
    EXPECT_EQ(f.grid.rowCount(), 1001);
    EXPECT_EQ(f.grid.columnCount(), 3);
    EXPECT_EQ(view.m_nShownCount, 1000);
    EXPECT_EQ(f.gridRow(1), (std::vector<std::string>{"000001", "L1-1", "L1-2"}));

    view.runCommand(CommandId::PageLast);
    EXPECT_EQ(view.m_nPage, 3);
    EXPECT_EQ(view.currentPage(), 3);
    EXPECT_EQ(view.m_nShownCount, 2500);
    EXPECT_EQ(f.gridRow(1), (std::vector<std::string>{"002001", "L2001-1", "L2001-2"}));
    EXPECT_EQ(f.gridRow(500), (std::vector<std::string>{"002500", "L2500-1", "L2500-2"}));
    for (int row : {501, 777, 1000}) EXPECT_EQ(f.gridRow(row), (std::vector<std::string>{" ", "", ""})) << row;
}

TEST(ShowPage, TheTitleLineGivesTheTitlesAndIsNoRow) {
    ViewFixture f;
    f.rows(2, {"番号\t"});
    f.fill(0, 2);
    for (int n = 2; n <= 1001; ++n) f.doc.lines().push_back("a" + std::to_string(n) + "\tb");
    f.doc.m_bTitleLine = true;
    CTabrixView& view = f.show(1000);
    EXPECT_EQ(view.m_nPageCount, 1);
    EXPECT_EQ(f.gridRow(0)[1], "番号");
    EXPECT_EQ(f.gridRow(0)[2], "Col.2");  // an empty title field keeps the default title
    EXPECT_EQ(f.gridRow(1), (std::vector<std::string>{"000002", "a2", "b"}));
    EXPECT_EQ(f.gridRow(1000)[0], "001001");
}

TEST(ShowPage, AnEmptyStoreShowsNumberedBlankRowsAndNoPages) {
    ViewFixture f;
    f.rows(3, {});
    CTabrixView& view = f.show(50);
    EXPECT_EQ(view.m_nPageCount, 0);
    EXPECT_EQ(view.currentPage(), 0);
    EXPECT_EQ(f.gridRow(1), (std::vector<std::string>{"000001", "", "", ""}));
    EXPECT_EQ(f.gridRow(50)[0], "000050");
    for (CommandId id : {CommandId::PageFirst, CommandId::PagePrev, CommandId::PageNext, CommandId::PageLast})
        EXPECT_FALSE(f.state(id).enabled) << static_cast<int>(id);
    view.selectPage(1);
    EXPECT_EQ(view.m_nPage, 1);
}

TEST(ShowPage, TitlesColoursAndKindsComeFromTheSchema) {
    ViewFixture f;
    f.settings.NoEditClr = 0x111111;
    f.settings.VirtualClr = 0x222222;
    f.settings.BackColor1 = 0x333333;
    f.settings.BackColor2 = 0x444444;
    const std::string ctrl = std::string(kSchema3) + "[COL]\r\nTITLE=状態\r\nPERMISSION=可,否\r\n" +
                             "[COL]\r\nTITLE=仮想編集\r\nFILECOL=FALSE\r\nEDIT=TRUE\r\n";
    ASSERT_TRUE(f.openCtrl(ctrl, "d.csv", "1,x,可\r\n2,y,否\r\n")) << f.ui.lastMessage();
    f.show(10);
    EXPECT_EQ(f.gridRow(0), (std::vector<std::string>{"", "コード", "名称", "固定", "状態", "仮想編集"}));
    EXPECT_EQ(f.grid.itemTextColor(1, 1), kDefaultTextColor);
    EXPECT_EQ(f.grid.itemTextColor(1, 2), 0x222222u);
    EXPECT_EQ(f.grid.itemTextColor(1, 3), 0x111111u);
    EXPECT_EQ(f.grid.itemTextColor(2, 5), 0x222222u);  // virtual wins over EDIT=TRUE
    EXPECT_EQ(f.grid.itemBackColor(1, 1), 0x333333u);
    EXPECT_EQ(f.grid.itemBackColor(2, 1), 0x444444u);
    EXPECT_EQ(f.grid.itemBackColor(10, 4), 0x444444u);  // blank rows too
    EXPECT_EQ(f.grid.cellKind(1, 4), CellKind::DropDownList);
    EXPECT_EQ(f.grid.cellOptions(1, 4), (std::vector<std::string>{"可", "否"}));
    EXPECT_EQ(f.grid.cellKind(1, 1), CellKind::Text);
    EXPECT_EQ(f.grid.cellKind(3, 4), CellKind::Text);  // no line, no list

    f.settings.ColorDisp = 0;
    f.view->ShowPage();
    EXPECT_EQ(f.grid.itemBackColor(2, 1), 0x333333u);
}

TEST(ShowPage, AnEmptyTitleFieldKeepsTheSchemaTitle) {
    ViewFixture f;
    const std::string ctrl = "HEADTITLE=TRUE\r\n" + std::string(kSchema3);
    ASSERT_TRUE(f.openCtrl(ctrl, "d.csv", "番号,名前\r\n1,\r\n")) << f.ui.lastMessage();
    ASSERT_TRUE(f.doc.m_bTitleLine);
    f.show(10);
    // The virtual column's title-line cell is empty.
    EXPECT_EQ(f.gridRow(0), (std::vector<std::string>{"", "番号", "名称", "名前"}));
}

TEST(ShowPage, DatesAndTimesAreShownInTheirDisplayNotation) {
    ViewFixture f;
    const std::string ctrl =
        "[FILE]\r\nFILE=d.csv\r\nDELIM=CSV\r\n"
        "[COL]\r\nTITLE=日付\r\nTYPE=日付\r\nFORMAT1=DATE2\r\nFORMAT2=DATE1\r\n"
        "[COL]\r\nTITLE=時刻\r\nTYPE=時刻\r\nFORMAT1=TIME2\r\nFORMAT2=TIME1\r\n"
        "[COL]\r\nTITLE=隠し\r\nNODISP=TRUE\r\n";
    ASSERT_TRUE(f.openCtrl(ctrl, "d.csv", "20240105,0930,x\r\nbad,9999,y\r\n")) << f.ui.lastMessage();
    f.show(10);
    EXPECT_EQ(f.gridRow(1), (std::vector<std::string>{"000001", "2024/01/05", "09:30", "x"}));
    EXPECT_EQ(f.gridRow(2), (std::vector<std::string>{"000002", "bad", "9999", "y"}));
    EXPECT_EQ(f.line(0), "20240105\t0930\tx");  // the store keeps the file's text
    EXPECT_EQ(f.grid.columnWidth(3), 0);        // hidden, and auto-sizing left it hidden
    EXPECT_GT(f.grid.columnWidth(2), 0);
}

TEST(ShowPage, AJumpShowsThePageOfTheRowAndSelectsTheCell) {
    ViewFixture f;
    f.fill(2500, 2);
    CTabrixView& view = f.show(1000);
    struct Case {
        int row;
        int page;
        int gridRow;
    };
    for (const Case& c : {Case{1500, 2, 500}, Case{2000, 2, 1000}, Case{2001, 3, 1}, Case{1, 1, 1}}) {
        view.ShowPage(false, c.row, 1);
        EXPECT_EQ(view.m_nPage, c.page) << c.row;
        EXPECT_EQ(f.grid.selectedRange().minRow, c.gridRow) << c.row;
        EXPECT_EQ(f.grid.selectedRange().maxRow, c.gridRow) << c.row;
        EXPECT_EQ(f.grid.selectedRange().minCol, 1) << c.row;
        EXPECT_EQ(f.grid.lastVisibleRow(), c.gridRow) << c.row;
        int row = 0;
        int col = 0;
        ASSERT_TRUE(f.grid.focusCell(row, col));
        EXPECT_EQ(f.grid.itemText(row, 0), Six(c.row)) << c.row;
    }
}

TEST(ShowPage, TheModifiedStateSurvivesARedisplay) {
    ViewFixture f;
    f.fill(30, 2);
    CTabrixView& view = f.show(10);
    EXPECT_FALSE(f.grid.isModified());
    EXPECT_FALSE(view.isModified());
    view.ShowPage();
    EXPECT_FALSE(f.grid.isModified());

    f.grid.clickCell(1, 1);
    ASSERT_TRUE(f.grid.editCell(1, 1, "new"));
    EXPECT_TRUE(f.grid.isModified());
    EXPECT_TRUE(view.m_bChanged);
    view.runCommand(CommandId::PageNext);
    EXPECT_TRUE(f.grid.isModified());
    EXPECT_TRUE(view.m_bChanged);
    EXPECT_FALSE(f.grid.isModified(1, 1));  // the cell now shows another line
    EXPECT_EQ(f.grid.redrawCount(), 3);
    EXPECT_FALSE(f.grid.redrawSuspended());
    EXPECT_EQ(f.ui.waitDepth, 0);
}

TEST(ShowPage, ThePageListFollowsTheStore) {
    ViewFixture f;
    f.fill(25, 1);
    CTabrixView& view = f.show(10);
    view.runCommand(CommandId::PageLast);
    ASSERT_EQ(view.m_nPage, 3);
    // Lines deleted behind the view's back: the current page comes back into range.
    f.doc.lines().erase(0, 20);
    view.RefreshPageList();
    EXPECT_EQ(view.m_nPageCount, 1);
    EXPECT_EQ(view.m_nPage, 1);
    f.doc.lines().clear();
    view.RefreshPageList();
    EXPECT_EQ(view.m_nPageCount, 0);
    EXPECT_EQ(view.m_nPage, 1);
}

TEST(ShowPage, AGridThatCannotHoldThePageStaysEmpty) {
    ViewFixture f;
    f.fill(5, 2);
    f.grid.setCellLimit(100);
    CTabrixView& view = f.show(1000);
    EXPECT_EQ(view.m_nPageCount, 1);
    EXPECT_FALSE(view.ResizeGrid());
    EXPECT_EQ(f.grid.redrawCount(), 0);
    EXPECT_FALSE(view.isModified());
}

TEST(ShowPage, TheRedisplayAfterACommandShowsTheStoreAgainAndMarksItChanged) {
    ViewFixture f;
    f.fill(25, 2);
    CTabrixView& view = f.show(10);
    view.runCommand(CommandId::PageLast);
    f.doc.lines().erase(0, 10);
    view.Redisplay(true);
    EXPECT_EQ(view.m_nPageCount, 2);
    EXPECT_EQ(view.m_nPage, 2);
    EXPECT_EQ(f.gridRow(1)[0], "000011");
    EXPECT_EQ(f.gridRow(1)[1], "L21-1");
    EXPECT_TRUE(view.m_bChanged);
    EXPECT_TRUE(f.grid.isModified());

    // A layout change reshapes the grid and switches the filter off.
    f.doc.m_CtrlFile.m_nMaxCols = 3;
    view.m_bFilter = true;
    view.Redisplay(false, true);
    EXPECT_FALSE(view.m_bFilter);
    EXPECT_EQ(f.ui.lastMessage(), "列が変更された為、絞込表示を解除します。");
    EXPECT_EQ(f.ui.messages.back().icon, MsgIcon::Information);
    EXPECT_EQ(f.grid.columnCount(), 4);
    EXPECT_EQ(f.gridRow(0)[3], "Col.3");
}

// Passes the lines whose first field ends in an even digit.
class EvenFilter : public IRowFilter {
public:
    bool rowPasses(const std::vector<std::string>& fields) override {
        ++tested;
        const char last = fields[0].back();
        return (last - '0') % 2 == 0;
    }
    void resetWorkLists() override { ++resets; }
    GridColor titleColor(int col) const override { return col == 1 ? 0x0000FF : kDefaultTextColor; }
    bool showsCount() const override { return count; }
    int tested = 0;
    int resets = 0;
    bool count = true;
};

TEST(ShowPage, WithTheFilterOnlyPassingRowsAreNumberedAndCounted) {
    ViewFixture f;
    f.rows(2, {});
    for (int n = 1; n <= 25; ++n) f.doc.lines().push_back("k" + std::to_string(n) + "\tv");
    CTabrixView& view = f.show(5);
    EvenFilter filter;
    view.setRowFilter(&filter);
    EXPECT_TRUE(view.RowPasses({"k1", "v"}));  // the filter is off

    view.m_bFilter = true;
    view.m_nPage = 1;
    EXPECT_EQ(view.ShowPage(true), 12);
    EXPECT_EQ(filter.resets, 1);
    EXPECT_EQ(f.gridRow(1)[0], "000002");
    EXPECT_EQ(f.gridRow(5)[0], "000010");
    EXPECT_EQ(f.grid.itemTextColor(0, 1), 0x0000FFu);
    EXPECT_EQ(view.statusPanes().filter, "絞込 12行");
    filter.count = false;
    EXPECT_EQ(view.statusPanes().filter, "絞込");

    view.m_nPage = 2;
    EXPECT_EQ(view.ShowPage(false), 12);  // the count stays the total while filtering
    EXPECT_EQ(f.gridRow(1)[0], "000012");
    EXPECT_EQ(f.gridRow(5)[0], "000020");
    view.m_nPage = 3;
    EXPECT_EQ(view.ShowPage(false), 12);
    EXPECT_EQ(f.gridRow(1)[0], "000022");
    EXPECT_EQ(f.gridRow(2)[0], "000024");
    EXPECT_EQ(f.gridRow(3)[0], " ");

    // The status pane and the jump refuse while filtering.
    view.runCommand(CommandId::JumpToRow);
    EXPECT_EQ(f.ui.lastMessage(), "絞込表示中は行ジャンプは出来ません。");
    view.m_bFilter = false;
    view.ShowPage();
    EXPECT_EQ(f.grid.itemTextColor(0, 1), kDefaultTextColor);
    EXPECT_EQ(view.statusPanes().filter, "");
}

}  // namespace
}  // namespace tabrix
