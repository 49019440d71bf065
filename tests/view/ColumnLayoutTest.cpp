// The column commands that change the layout, with the column records, the
// key and translation columns following them, and the shared result column.
#include <gtest/gtest.h>

#include "ViewFixture.h"
#include "view/RowColDialogs.h"

namespace tabrix {
namespace {

using test::Rows;
using test::AnswerDialog;
using test::ViewFixture;

std::string Titles(const CCtrlFile& cf) {
    std::string out;
    for (const auto& col : cf.m_Cols) out += std::to_string(col->m_nCol) + ":" + col->m_strTitle + " ";
    return out;
}

// Four columns; 1 is the key; 2 is translated into the virtual 4.
const std::string kCtrl =
    "[FILE]\r\nFILE=d.csv\r\nKEYCOL=1\r\n"
    "[COL]\r\nTITLE=CODE\r\n"
    "[COL]\r\nTITLE=CUST\r\nTRAN=TRUE\r\nTRAN_FILE=t.csv\r\nTRAN_KEYPOS=1\r\nTRAN_NAMEPOS=2\r\nTRAN_COL=4\r\nTRAN_AUTORUN=TRUE\r\n"
    "[COL]\r\nTITLE=QTY\r\n"
    "[COL]\r\nTITLE=NAME\r\nFILECOL=FALSE\r\n";

struct SchemaFixture : ViewFixture {
    SchemaFixture() {
        dir.write("t.csv", "C1,Alpha\r\n");
        EXPECT_TRUE(openCtrl(kCtrl, "d.csv", "K1,C1,5\r\nK2,C9,6\r\n")) << ui.lastMessage();
        show(10);
    }
    const CTranCtrl& tran(int col) { return doc.m_CtrlFile.FindCol(col)->m_Tran; }
};

TEST(ColumnLayout, InsertPutsTheTitleIntoTheTitleLineAndTheValueBelow) {
    ViewFixture f;
    f.rows(4, {"A\tB\tC\tD", "a\tb\tc\td"});
    f.doc.m_bTitleLine = true;
    CTabrixView& view = f.show(10);
    view.m_bFilter = true;
    f.grid.setSelectedRange({1, 3, 1, 3});
    AnswerDialog<CColInsertDlg>(f, [](CColInsertDlg& d) {
        EXPECT_TRUE(d.m_bTitleLine);
        d.m_nCount = 2;
        d.m_strTitle = "新";
        d.m_strValue = "0";
    });
    view.runCommand(CommandId::ColInsert);
    EXPECT_EQ(Rows(f.doc), (std::vector<std::string>{"A\tB\tC\t新\t新\tD", "a\tb\tc\t0\t0\td"}));
    EXPECT_EQ(f.doc.columnCount(), 6);
    EXPECT_EQ(f.grid.columnCount(), 7);
    EXPECT_FALSE(view.m_bFilter);
    EXPECT_EQ(f.ui.lastMessage(), "列が変更された為、絞込表示を解除します。");
}

TEST(ColumnLayout, TypedTextsCannotAddFieldsNorCommasAndSpacesBecomeMarks) {
    struct Case {
        std::string value;
        bool quote;
        std::string message;
    };
    const std::vector<Case> cases = {{"a\tb", false, "タブ、改行は入力出来ません。"},
                                     {"a\r\nb", true, "タブ、改行は入力出来ません。"},
                                     {"1,2", false, "ＣＳＶファイル時は、カンマは入力出来ません。"},
                                     {"1,2", true, ""},
                                     {"\"1,2\"", false, ""}};
    for (const Case& c : cases) {
        CColInsertDlg dlg;
        dlg.m_strValue = c.value;
        dlg.m_rule.quote = c.quote;
        EXPECT_EQ(dlg.validate(), c.message) << c.value;
    }
    CColInsertDlg counted;
    counted.m_nCount = 1000;
    EXPECT_EQ(counted.validate(), "挿入列数は1～999で入力して下さい。");

    ViewFixture f;
    f.rows(1, {"a"});
    f.doc.m_bHanspDisp = true;
    f.doc.m_strHanspChar = "_";
    CTabrixView& view = f.show(10);
    f.grid.clickTitle(1);
    AnswerDialog<CColInsertDlg>(f, [](CColInsertDlg& d) { d.m_strValue = "x y"; });
    view.runCommand(CommandId::ColInsert);
    EXPECT_EQ(f.line(0), "a\tx_y");
}

TEST(ColumnLayout, DeleteRemovesExactlyTheSelectedColumnsAndTheirRecords) {
    ViewFixture f;
    f.rows(5, {"1\t2\t3\t4\t5", "a\tb\tc\td\te", "x\ty\tz\tw\tv\tmore"});
    CTabrixView& view = f.show(10);
    f.grid.setSelectedRange({1, 5, 1, 5});
    f.grid.addSelectedRange({2, 2, 2, 2});
    view.runCommand(CommandId::ColDelete);
    EXPECT_EQ(f.ui.lastMessage(), "2 列を削除しても宜しいですか？");
    // The wider line is split at its own width: it keeps its last field.
    EXPECT_EQ(Rows(f.doc), (std::vector<std::string>{"1\t3\t4", "a\tc\td", "x\tz\tw\tmore"}));
    EXPECT_EQ(f.doc.columnCount(), 3);
}

TEST(ColumnLayout, KeyAndTranslationColumnsFollowAndCannotBeDeleted) {
    SchemaFixture f;
    CTabrixView& view = *f.view;
    EXPECT_EQ(f.line(0), "K1\tC1\t5\tAlpha");
    f.grid.clickTitle(1);
    view.runCommand(CommandId::ColDelete);
    EXPECT_EQ(f.ui.lastMessage(), "列：1 は、キー列の為削除出来ません。");
    f.grid.clickTitle(4);
    view.runCommand(CommandId::ColDelete);
    EXPECT_EQ(f.ui.lastMessage(), "列：4 は、列：2 の翻訳先の為削除出来ません。");
    EXPECT_EQ(f.doc.columnCount(), 4);

    // Insert one column after column 1: the key stays 1, the target moves to 5.
    f.grid.clickTitle(1);
    AnswerDialog<CColInsertDlg>(f, [](CColInsertDlg&) {});
    view.runCommand(CommandId::ColInsert);
    EXPECT_EQ(Titles(f.doc.m_CtrlFile), "1:CODE 2:Col.2 3:CUST 4:QTY 5:NAME ");
    EXPECT_EQ(f.doc.m_CtrlFile.m_KeyCols, std::vector<int>{1});
    EXPECT_EQ(f.tran(3).m_TranCols, std::vector<int>{5});

    // Reorder: the key column goes last.
    AnswerDialog<CColOrderDlg>(f, [](CColOrderDlg& d) { d.m_Order = {2, 3, 4, 5, 1}; });
    view.runCommand(CommandId::ColReorder);
    EXPECT_EQ(Titles(f.doc.m_CtrlFile), "1:Col.2 2:CUST 3:QTY 4:NAME 5:CODE ");
    EXPECT_EQ(f.line(0), "\tC1\t5\tAlpha\tK1");
    EXPECT_EQ(f.doc.m_CtrlFile.m_KeyCols, std::vector<int>{5});
    EXPECT_EQ(f.tran(2).m_TranCols, std::vector<int>{4});

    // Delete the inserted column: everything moves one to the left.
    f.grid.clickTitle(1);
    view.runCommand(CommandId::ColDelete);
    EXPECT_EQ(f.doc.m_CtrlFile.m_KeyCols, std::vector<int>{4});
    EXPECT_EQ(f.tran(1).m_TranCols, std::vector<int>{3});
    EXPECT_TRUE(f.doc.m_CtrlFile.m_bModified);
}

TEST(ColumnLayout, MergeJoinsTheRectangleInEitherDirection) {
    struct Case {
        int direction;
        int separator;
        std::string other;
        std::string merged;
    };
    const std::vector<Case> cases = {
        {CMargeWay::LeftFromRight, CMargeWay::HalfSpace, "", "a\tx y z\te"},
        {CMargeWay::RightFromLeft, CMargeWay::Other, "-", "a\tz-y-x\te"},
        {CMargeWay::LeftFromRight, CMargeWay::FullSpace, "", "a\tx　y　z\te"},
        {CMargeWay::LeftFromRight, CMargeWay::None, "", "a\txyz\te"},
    };
    for (const Case& c : cases) {
        ViewFixture f;
        f.rows(5, {"a\tx\ty\tz\te"});
        CTabrixView& view = f.show(10);
        f.grid.setSelectedRange({1, 2, 1, 2});
        f.grid.addSelectedRange({1, 4, 1, 4});  // the rectangle counts: column 3 too
        AnswerDialog<CMargeWay>(f, [&c](CMargeWay& d) {
            d.m_nDirection = c.direction;
            d.m_nSeparator = c.separator;
            d.m_strOther = c.other;
        });
        view.runCommand(CommandId::ColMerge);
        EXPECT_EQ(f.line(0), c.merged);
        EXPECT_EQ(f.doc.columnCount(), 3);
    }
    ViewFixture f;
    f.rows(2, {"a\tb"});
    f.show(10);
    f.grid.clickTitle(1);
    f.view->runCommand(CommandId::ColMerge);
    EXPECT_EQ(f.ui.lastMessage(), "隣接する列を２列以上選択して下さい。");
}

TEST(ColumnLayout, MergeKeepsTheFirstRecordAndNeverFeedsAVirtualColumn) {
    SchemaFixture f;
    CTabrixView& view = *f.view;
    f.grid.setSelectedRange({1, 3, 1, 4});
    view.runCommand(CommandId::ColMerge);
    EXPECT_EQ(f.ui.lastMessage(), "列：4 は、列：2 の翻訳先の為削除出来ません。");
    f.grid.setSelectedRange({1, 2, 1, 3});
    AnswerDialog<CMargeWay>(f, [](CMargeWay&) {});
    view.runCommand(CommandId::ColMerge);
    EXPECT_EQ(Titles(f.doc.m_CtrlFile), "1:CODE 2:CUST 3:NAME ");
    EXPECT_EQ(f.line(0), "K1\tC15\tAlpha");
    EXPECT_EQ(f.tran(2).m_TranCols, std::vector<int>{3});

    SchemaFixture g;
    AnswerDialog<CColInsertDlg>(g, [](CColInsertDlg&) {});
    g.grid.clickTitle(4);
    g.view->runCommand(CommandId::ColInsert);  // an in-file column after the virtual one
    g.grid.setSelectedRange({1, 4, 1, 5});
    g.view->runCommand(CommandId::ColMerge);
    EXPECT_EQ(g.ui.lastMessage(), "仮想項目の列に、ファイルの列はマージ出来ません。");
    EXPECT_EQ(g.doc.columnCount(), 5);
}

TEST(ColumnLayout, SplitCutsAtTheSeparatorOrByBytesAndRepeatsUntilALineRunsOut) {
    struct Case {
        int separator;
        std::string other;
        int bytes;
        bool repeat;
        std::vector<std::string> rows;
        std::vector<std::string> split;
    };
    const std::vector<Case> cases = {
        {CSplitOpt::Csv, "", 1, true, {"k\t1,2,3"}, {"k\t1\t2\t3\t"}},
        {CSplitOpt::Csv, "", 1, false, {"k\t1,2,3"}, {"k\t1\t2,3"}},
        {CSplitOpt::Csv, "", 1, false, {"k\t123"}, {"k\t123\t"}},
        // The repetition ends with the first pass that fails in some line.
        {CSplitOpt::Other, "/", 1, true, {"k\t1/2/3/4", "m\ta/b"}, {"k\t1\t2\t3/4", "m\ta\tb\t"}},
        {CSplitOpt::FullSpace, "", 1, false, {"k\tあ　い"}, {"k\tあ\tい"}},
        {CSplitOpt::Bytes, "", 3, false, {"k\tzあい"}, {"k\tzあ\tい"}},
        {CSplitOpt::Bytes, "", 2, true, {"k\tabcde"}, {"k\tab\tcd\te\t"}},
        // A byte count too small for a double-byte character ends the repetition.
        {CSplitOpt::Bytes, "", 1, true, {"k\taあb"}, {"k\ta\t\tあb"}},
    };
    for (const Case& c : cases) {
        ViewFixture f;
        f.rows(2, c.rows);
        CTabrixView& view = f.show(10);
        f.grid.setSelectedRange({1, 2, 2, 2});
        AnswerDialog<CSplitOpt>(f, [&c](CSplitOpt& d) {
            d.m_nSeparator = c.separator;
            d.m_strOther = c.other;
            d.m_nBytes = c.bytes;
            d.m_bRepeat = c.repeat;
        });
        view.runCommand(CommandId::ColSplit);
        EXPECT_EQ(Rows(f.doc), c.split) << c.rows[0];
    }
}

TEST(ColumnLayout, SplitRefusesEmptySeparatorsAndWhatWouldPassTheColumnLimit) {
    struct Case {
        int separator;
        std::string other;
        int bytes;
        std::string message;
    };
    const std::vector<Case> cases = {{CSplitOpt::Other, "", 1, "区切文字を入力して下さい。"},
                                     {CSplitOpt::Other, "ab", 1, "区切文字は１文字で入力して下さい。"},
                                     {CSplitOpt::Other, "あ", 1, ""},
                                     {CSplitOpt::Bytes, "", 0, "文字数は1～65535で入力して下さい。"},
                                     {CSplitOpt::Csv, "", 0, ""}};
    for (const Case& c : cases) {
        CSplitOpt dlg;
        dlg.m_nSeparator = c.separator;
        dlg.m_strOther = c.other;
        dlg.m_nBytes = c.bytes;
        EXPECT_EQ(dlg.validate(), c.message);
    }

    ViewFixture f;
    f.rows(1, {std::string(65535, ',')});
    CTabrixView& view = f.show(10);
    f.grid.clickTitle(1);
    AnswerDialog<CSplitOpt>(f, [](CSplitOpt& d) { d.m_bRepeat = true; });
    view.runCommand(CommandId::ColSplit);
    EXPECT_EQ(f.ui.lastMessage(), "65535 以上は列が作成出来ません。");
    EXPECT_EQ(f.doc.columnCount(), 1);
    EXPECT_EQ(f.line(0).size(), 65535u);
}

TEST(ColumnLayout, ReorderIsRefusedWhenTheRecordsCannotFollow) {
    ViewFixture f;
    ASSERT_TRUE(f.openCtrl("[FILE]\r\nFILE=d.csv\r\n[COL]\r\nTITLE=A\r\n", "d.csv", "1,2,3\r\n"));
    f.show(10).runCommand(CommandId::ColReorder);
    EXPECT_EQ(f.ui.lastMessage(), "制御ファイルの列数とデータの列数が異なる為、移順変更は出来ません。");
    EXPECT_EQ(f.line(0), "1\t2\t3");

    CColOrderDlg dlg;
    CLineStore lines;
    lines.push_back("a\tb\tc");
    lines.push_back("d\te\tf");
    dlg.attach(lines, 3);
    EXPECT_EQ(dlg.moveDown(0), 1);
    EXPECT_EQ(dlg.m_Order, (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(dlg.entries()[0], "2  :【b】");
    dlg.stepForward();  // another record: the list in column order again
    EXPECT_EQ(dlg.m_Order, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(dlg.entries()[0], "1  :【d】");
    EXPECT_EQ(dlg.validate(), "");
    dlg.m_Order = {1, 1, 3};
    EXPECT_EQ(dlg.validate(), "列番号を全て１回ずつ指定して下さい。");
}

TEST(ColumnLayout, PlaceResultColumnOverwritesOrInsertsBesideTheSelection) {
    struct Case {
        int mode;
        int column;
        std::string line0;
        std::string line1;
    };
    const std::vector<Case> cases = {
        {0, 2, "A\tB\tC\tD", "a\tb\tc\td"},
        {1, 4, "A\tB\tC\tD", "a\tb\tc\td"},
        {2, 2, "A\t計\tB\tC\tD", "a\t\tb\tc\td"},
        {3, 5, "A\tB\tC\tD\t計", "a\tb\tc\td\t"},
    };
    for (const Case& c : cases) {
        ViewFixture f;
        f.rows(4, {"A\tB\tC\tD", "a\tb\tc\td"});
        f.doc.m_bTitleLine = true;
        CTabrixView& view = f.show(10);
        f.grid.setSelectedRange({1, 2, 1, 2});
        f.grid.addSelectedRange({1, 4, 1, 4});
        EXPECT_EQ(view.PlaceResultColumn(c.mode, "計"), c.column);
        EXPECT_EQ(f.line(0), c.line0);
        EXPECT_EQ(f.line(1), c.line1);
        if (c.mode >= 2) {
            EXPECT_EQ(f.ui.progressWindow.captions.back(), "列数変換中");
        }
    }
    ViewFixture f;
    f.rows(1, {"a"});
    EXPECT_EQ(f.show(10).PlaceResultColumn(3, ""), 0);
}

}  // namespace
}  // namespace tabrix
