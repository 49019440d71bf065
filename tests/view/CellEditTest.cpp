// Editing a cell: what may be edited, the text offered, the check at the end,
// translation into the name columns, and what reaches the store.
#include <gtest/gtest.h>

#include "ViewFixture.h"
#include "text/Clock.h"

namespace tabrix {
namespace {

using test::ViewFixture;

const std::string kCtrl =
    "[FILE]\r\nFILE=d.csv\r\nDELIM=CSV\r\nIMEMODE=NORMAL\r\n"
    "[COL]\r\nTITLE=日付\r\nTYPE=日付\r\nFORMAT1=DATE2\r\nFORMAT2=DATE1\r\nINITIAL=%SYSDATE%\r\n"
    "[COL]\r\nTITLE=数量\r\nTYPE=数字\r\nFORMAT1=NUM1\r\nMAXNUM=500\r\n"
    "[COL]\r\nTITLE=得意先\r\nTYPE=文字\r\nFORMAT1=英字,数字\r\n"
    "TRAN=TRUE\r\nTRAN_FILE=cust.csv\r\nTRAN_KEYPOS=1\r\nTRAN_NAMEPOS=2,3\r\nTRAN_COL=4,5\r\nTRAN_AUTORUN=TRUE\r\n"
    "[COL]\r\nTITLE=名称\r\nFILECOL=FALSE\r\n"
    "[COL]\r\nTITLE=県\r\nFILECOL=FALSE\r\n"
    "[COL]\r\nTITLE=登録者\r\nEDIT=FALSE\r\n"
    "[COL]\r\nTITLE=メモ\r\nTYPE=文字\r\nFORMAT1=全角,半ス\r\n";

struct EditFixture : ViewFixture {
    FixedClock clock{LocalDateTime{2024, 3, 9, 10, 0, 0}};
    EditFixture() {
        dir.write("cust.csv", "C1,東京商事,東京都\r\nC2,大阪物産,大阪府\r\n");
        EXPECT_TRUE(openCtrl(kCtrl, "d.csv", "20240105,7,C1,U1,メモ\r\n20240106,8,C2,U2,\r\n")) << ui.lastMessage();
        show(5);
        view->setClock(clock);
    }
};

TEST(CellEdit, ACompactDateIsStoredAndShownWithSlashes) {
    EditFixture f;
    EXPECT_EQ(f.grid.itemText(1, 1), "2024/01/05");
    std::string offered;
    ASSERT_TRUE(f.view->BeginCellEdit(1, 1));
    offered = f.grid.itemText(1, 1);
    EXPECT_EQ(offered, "20240105");  // the user edits the compact form
    ASSERT_TRUE(f.view->EndCellEdit(1, 1, "20240228"));
    EXPECT_EQ(f.grid.itemText(1, 1), "2024/02/28");
    EXPECT_EQ(f.fieldsOf(0)[0], "2024/02/28");
    EXPECT_TRUE(f.view->m_bChanged);
}

TEST(CellEdit, AnEmptyCellOffersTheInitialValue) {
    EditFixture f;
    ASSERT_TRUE(f.grid.editCell(2, 1, ""));  // begin-edit offers the initial value, end-edit gets ""
    ASSERT_TRUE(f.view->BeginCellEdit(2, 1));
    EXPECT_EQ(f.grid.itemText(2, 1), "20240309");
}

TEST(CellEdit, ARejectedValueKeepsTheOldTextAndShowsTheColumnsMessage) {
    EditFixture f;
    struct Case {
        int col;
        const char* typed;
        const char* message;
    };
    for (const Case& c : {Case{1, "2024/02/30", "日付の形式が異なります。"}, Case{2, "600", "最大値(500)より大きい値です。"},
                          Case{2, "1-2", "符号（-）は先頭に入力して下さい。"}}) {
        const std::string before = f.grid.itemText(1, c.col);
        const std::string line = f.line(0);
        EXPECT_FALSE(f.grid.editCell(1, c.col, c.typed)) << c.typed;
        EXPECT_EQ(f.ui.lastMessage(), c.message);
        EXPECT_EQ(f.ui.messages.back().icon, MsgIcon::Stop);
        EXPECT_EQ(f.grid.itemText(1, c.col), before);
        EXPECT_EQ(f.line(0), line);
    }
    EXPECT_FALSE(f.view->m_bChanged);
    EXPECT_FALSE(f.grid.isModified());
}

TEST(CellEdit, VirtualAndReadOnlyColumnsAndBlankRowsDoNotStart) {
    EditFixture f;
    for (int col : {4, 5, 6}) {
        EXPECT_FALSE(f.view->BeginCellEdit(1, col)) << col;
        EXPECT_FALSE(f.grid.editCell(1, col, "x")) << col;
    }
    EXPECT_FALSE(f.grid.editCell(3, 7, "x"));  // below the last line
    EXPECT_EQ(f.fieldsOf(0)[5], "U1");
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_FALSE(f.view->m_bChanged);
}

TEST(CellEdit, ACodeIsTranslatedIntoItsNameColumns) {
    EditFixture f;
    EXPECT_EQ(f.gridRow(1)[4], "東京商事");  // translated when loaded
    ASSERT_TRUE(f.grid.editCell(1, 3, "C2"));
    EXPECT_EQ(f.fieldsOf(0), (std::vector<std::string>{"20240105", "7", "C2", "大阪物産", "大阪府", "U1", "メモ"}));
    EXPECT_EQ(f.gridRow(1)[4], "大阪物産");
    EXPECT_EQ(f.gridRow(1)[5], "大阪府");
    EXPECT_EQ(f.ui.beeps, 0);

    // An unknown key is stored; its names are emptied with a beep.
    ASSERT_TRUE(f.grid.editCell(1, 3, "C9"));
    EXPECT_EQ(f.ui.beeps, 1);
    EXPECT_EQ(f.fieldsOf(0)[2], "C9");
    EXPECT_EQ(f.fieldsOf(0)[3], "");
    EXPECT_EQ(f.gridRow(1)[5], "");
    EXPECT_TRUE(f.ui.messages.empty());

    // An empty code of a column that is not required is not looked up.
    ASSERT_TRUE(f.grid.editCell(2, 3, ""));
    EXPECT_EQ(f.fieldsOf(1)[3], "大阪物産");
    EXPECT_EQ(f.ui.beeps, 1);
}

TEST(CellEdit, TheInputMethodFollowsTheColumn) {
    EditFixture f;
    std::vector<ImeRequest> told;
    f.view->setImeHook([&](ImeRequest r) { told.push_back(r); });
    ASSERT_TRUE(f.view->BeginCellEdit(1, 7));
    EXPECT_EQ(f.view->lastImeRequest(), ImeRequest::FullHiragana);
    ASSERT_TRUE(f.view->EndCellEdit(1, 7, "メモ"));
    EXPECT_EQ(f.view->lastImeRequest(), ImeRequest::Close);
    ASSERT_TRUE(f.view->BeginCellEdit(1, 3));
    EXPECT_EQ(told, (std::vector<ImeRequest>{ImeRequest::FullHiragana, ImeRequest::Close, ImeRequest::Close}));
}

TEST(CellEdit, OnlyAChangedValueMarksTheDocument) {
    EditFixture f;
    ASSERT_TRUE(f.grid.editCell(1, 1, "20240105"));  // the compact form of what it showed
    ASSERT_TRUE(f.grid.editCell(1, 2, "7"));
    EXPECT_FALSE(f.view->m_bChanged);
    EXPECT_EQ(f.view->statusPanes().changed, "");
    ASSERT_TRUE(f.grid.editCell(1, 2, "8"));
    EXPECT_TRUE(f.view->m_bChanged);
    EXPECT_EQ(f.view->statusPanes().changed, "変更");
}

TEST(CellEdit, WithoutARecordACommaInACsvFieldNeedsQuotes) {
    ViewFixture f;
    ASSERT_TRUE(f.open(f.doc, "d.csv", "a,b\r\n"));
    CTabrixView& view = f.show(5);
    EXPECT_FALSE(f.grid.editCell(1, 1, "x,y"));
    EXPECT_EQ(f.ui.lastMessage(), "ＣＳＶファイル時は、カンマは入力出来ません。");
    EXPECT_EQ(f.ui.messages.back().icon, MsgIcon::Stop);
    EXPECT_EQ(f.line(0), "a\tb");
    EXPECT_TRUE(f.grid.editCell(1, 1, "\"x,y\""));
    EXPECT_TRUE(f.grid.editCell(1, 2, "表ソ"));
    EXPECT_EQ(f.line(0), "\"x,y\"\t表ソ");
    EXPECT_EQ(f.ui.messages.size(), 1u);
    EXPECT_TRUE(view.m_bChanged);

    ViewFixture tab;
    ASSERT_TRUE(tab.open(tab.doc, "d.txt", "a\tb\r\n"));
    tab.show(5);
    EXPECT_TRUE(tab.grid.editCell(1, 1, "x,y"));
    EXPECT_EQ(tab.line(0), "x,y\tb");
}

TEST(CellEdit, AFieldBeyondTheSchemaHasNoRecord) {
    ViewFixture f;
    const std::string ctrl = "[FILE]\r\nFILE=d.csv\r\nDELIM=CSV\r\n[COL]\r\nTITLE=数\r\nTYPE=数字\r\nFORMAT1=NUM1\r\n";
    ASSERT_TRUE(f.openCtrl(ctrl, "d.csv", "1,a\r\n")) << f.ui.lastMessage();
    ASSERT_EQ(f.doc.columnCount(), 2);
    f.show(5);
    EXPECT_FALSE(f.grid.editCell(1, 1, "x"));
    EXPECT_EQ(f.ui.lastMessage(), "数字以外（x）は入力できません。");
    EXPECT_TRUE(f.grid.editCell(1, 2, "x"));
    EXPECT_FALSE(f.grid.editCell(1, 2, "x,y"));
    EXPECT_EQ(f.ui.lastMessage(), "ＣＳＶファイル時は、カンマは入力出来ません。");
}

TEST(CellEdit, SpaceMarksAreSpacesWhileEditing) {
    ViewFixture f;
    f.settings.HanspDisp = 1;
    ASSERT_TRUE(f.open(f.doc, "d.txt", "a b\tc\r\n"));
    CTabrixView& view = f.show(5);
    EXPECT_EQ(f.grid.itemText(1, 1), "a_b");
    ASSERT_TRUE(view.BeginCellEdit(1, 1));
    EXPECT_EQ(f.grid.itemText(1, 1), "a b");
    ASSERT_TRUE(view.EndCellEdit(1, 1, "x y"));
    EXPECT_EQ(f.grid.itemText(1, 1), "x_y");
    EXPECT_EQ(f.line(0), "x_y\tc");
}

}  // namespace
}  // namespace tabrix
