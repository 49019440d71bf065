// The column commands that change field contents, the alignment of column
// counts and the column display commands.
#include <gtest/gtest.h>

#include "ViewFixture.h"
#include "view/ColumnPasses.h"
#include "view/RowColDialogs.h"

namespace tabrix {
namespace {

using test::OkFilter;
using test::Rows;
using test::AnswerDialog;
using test::ViewFixture;

TEST(ColumnCommands, ReplaceTreatsEachFieldByTheTicks) {
    struct Case {
        ReplaceRule rule;
        std::string field;
        std::string result;
    };
    const std::vector<Case> cases = {
        {{"ab", "x"}, "abcab", "xcx"},
        {{"ab", "x"}, "zz", "zz"},
        {{"", "R"}, "", "R"},  // an empty search text fills only the empty fields
        {{"", "R"}, "v", "v"},
        {{"*", "R", true}, "v", "R"},
        {{"*", "R", true}, "", "R"},
        {{"q", "R", false, true}, "v", "R"},  // non-empty only: every other field becomes the replacement
        {{"q", "R", true, true}, "", ""},
        {{"\x5c", "Y"}, "ソ\\", "ソY"},  // the trail byte of ソ is no backslash
    };
    for (const Case& c : cases) {
        std::string value = c.field;
        c.rule.apply(value);
        EXPECT_EQ(value, c.result) << c.rule.find << " in " << c.field;
    }
}

TEST(ColumnCommands, ReplaceSkipsTheTitleLineAndAsksFirst) {
    ViewFixture f;
    f.rows(3, {"ab\tab\tab", "abcab\tab\tx", "\tq\tab"});
    f.doc.m_bTitleLine = true;
    CTabrixView& view = f.show(10);
    view.runCommand(CommandId::ColReplace);
    EXPECT_EQ(f.ui.lastMessage(), "列を１列以上選択して下さい。");
    f.grid.setSelectedRange({1, 1, 1, 1});
    f.grid.addSelectedRange({2, 3, 2, 3});
    AnswerDialog<CReplaceDlg>(f, [](CReplaceDlg& d) {
        d.m_strFind = "ab";
        d.m_strWith = "x";
    });
    view.runCommand(CommandId::ColReplace);
    EXPECT_EQ(f.ui.lastMessage(), "<ab>→<x>へ置換を実行しますか？");
    EXPECT_EQ(f.ui.beeps, 1);
    EXPECT_EQ(Rows(f.doc), (std::vector<std::string>{"ab\tab\tab", "xcx\tab\tx", "\tq\tx"}));
}

TEST(ColumnCommands, CopyFollowsTheFilterAndIncludesTheTitleLineWithoutIt) {
    for (bool filtered : {false, true}) {
        ViewFixture f;
        f.rows(3, {"T1\tT2\tT3", "a\tok\tc", "d\tno\tf"});
        CTabrixView& view = f.show(10);
        OkFilter filter(1);
        view.setRowFilter(&filter);
        view.m_bFilter = filtered;
        f.grid.clickTitle(1);
        AnswerDialog<CColCopyDlg>(f, [](CColCopyDlg& d) { d.m_nDest = 3; });
        view.runCommand(CommandId::ColCopy);
        EXPECT_EQ(f.ui.lastMessage(), "列：3 は、列：1 の内容で上書きされます。宜しいですか？");
        const std::vector<std::string> expected =
            filtered ? std::vector<std::string>{"T1\tT2\tT3", "a\tok\ta", "d\tno\tf"}
                     : std::vector<std::string>{"T1\tT2\tT1", "a\tok\ta", "d\tno\td"};
        EXPECT_EQ(Rows(f.doc), expected);
    }
}

TEST(ColumnCommands, CopyChecksTheDestinationAndItsChooserShowsTheData) {
    struct Case {
        int dest;
        std::string message;
    };
    const std::vector<Case> cases = {{2, "異なる列番号を入力して下さい。"},
                                     {0, "列番号を1以上で入力して下さい。"},
                                     {4, "列番号を3以下で入力して下さい。"},
                                     {3, ""}};
    for (const Case& c : cases) {
        CColCopyDlg dlg;
        dlg.m_nSource = 2;
        dlg.m_nColCount = 3;
        dlg.m_nDest = c.dest;
        EXPECT_EQ(dlg.validate(), c.message);
    }

    ViewFixture f;
    f.rows(3, {"a\tb\tc", "d\te\tf"});
    CTabrixView& view = f.show(10);
    f.grid.setSelectedRange({1, 2, 2, 2});
    f.ui.answers = {MsgResult::No};
    f.ui.dialogs.push_back([&f](CDialogModel& d) {
        auto& dlg = dynamic_cast<CColCopyDlg&>(d);
        EXPECT_EQ(dlg.m_nDest, 2);
        // "参照" opens the chooser on record 1 with the destination preselected.
        f.ui.dialogs.push_back([](CDialogModel& chooser) {
            auto& sel = dynamic_cast<CColSelDlg&>(chooser);
            EXPECT_EQ(sel.entries(), (std::vector<std::string>{"1  :【a】", "2  :【b】", "3  :【c】"}));
            EXPECT_EQ(sel.m_Selected, std::vector<int>{1});
            sel.stepForward();
            EXPECT_EQ(sel.entries()[0], "1  :【d】");
            sel.m_Selected = {2};
            return true;
        });
        EXPECT_TRUE(dlg.browse(f.ui));
        EXPECT_EQ(dlg.m_nDest, 3);
        return true;
    });
    view.runCommand(CommandId::ColCopy);
    EXPECT_EQ(Rows(f.doc), (std::vector<std::string>{"a\tb\tc", "d\te\tf"}));  // No to the question
}

TEST(ColumnCommands, ClearEmptiesTheColumnsBelowTheTitleLine) {
    ViewFixture f;
    f.rows(3, {"A\tB\tC", "a\tb\tc", "d\te\tf"});
    f.doc.m_bTitleLine = true;
    CTabrixView& view = f.show(10);
    f.grid.setSelectedRange({1, 1, 1, 1});
    f.grid.addSelectedRange({2, 3, 2, 3});
    view.runCommand(CommandId::ColClear);
    EXPECT_EQ(f.ui.lastMessage(), "2 列をクリアしても宜しいですか？");
    EXPECT_EQ(Rows(f.doc), (std::vector<std::string>{"A\tB\tC", "\tb\t", "\te\t"}));
    EXPECT_EQ(f.doc.columnCount(), 3);
}

TEST(ColumnCommands, TitleEditWritesTheTitleLineAndRefusesWhatWouldMakeAField) {
    ViewFixture f;
    f.rows(2, {"名 前\t数", "a\t1"});
    f.doc.m_bTitleLine = true;
    f.doc.m_bHanspDisp = true;
    f.doc.m_strHanspChar = "_";
    CTabrixView& view = f.show(10);
    f.grid.clickTitle(1);
    f.ui.dialogs.push_back([](CDialogModel& d) {
        auto& dlg = dynamic_cast<CTitleEditDlg&>(d);
        EXPECT_EQ(dlg.m_strTitle, "名 前");
        EXPECT_EQ(dlg.validate(), "");
        dlg.m_strTitle = "氏\t名";
        EXPECT_EQ(dlg.validate(), "タブ、改行は入力出来ません。");
        dlg.m_strTitle = "a,b";
        EXPECT_EQ(dlg.validate(), "ＣＳＶファイル時は、カンマは入力出来ません。");
        dlg.m_rule.quote = true;
        EXPECT_EQ(dlg.validate(), "");
        dlg.m_strTitle = "氏 名";
        return true;
    });
    view.runCommand(CommandId::ColTitleEdit);
    EXPECT_EQ(f.line(0), "氏_名\t数");
    EXPECT_EQ(f.grid.itemText(0, 1), "氏_名");
}

TEST(ColumnCommands, AlignReportsOnlyLinesWhoseBytesChanged) {
    struct Case {
        int cols;
        std::vector<std::string> rows;
        std::vector<std::string> aligned;
        std::string message;
    };
    const std::vector<Case> cases = {
        {3, {"a\tb\tc", "d", "e\tf"}, {"a\tb\tc", "d\t\t", "e\tf\t"}, "最小項目数＝1 →　最大項目数＝3　に変換しました"},
        {1, {"a", ""}, {"a", ""}, ""},
        {2, {"a\tb", "c\td"}, {"a\tb", "c\td"}, ""},
        // A line wider than the column count keeps its fields.
        {2, {"a\tb\tc", "d"}, {"a\tb\tc", "d\t"}, "最小項目数＝1 →　最大項目数＝3　に変換しました"},
    };
    for (const Case& c : cases) {
        ViewFixture f;
        f.rows(c.cols, c.rows);
        CTabrixView& view = f.show(10);
        view.runCommand(CommandId::ColAlign);
        EXPECT_EQ(Rows(f.doc), c.aligned);
        EXPECT_EQ(f.ui.lastMessage(), c.message);
        EXPECT_EQ(view.m_bChanged, !c.message.empty());
    }
}

TEST(ColumnCommands, HideShowAllAndWidthChangeOnlyTheGrid) {
    ViewFixture f;
    f.fill(3, 3);
    CTabrixView& view = f.show(10);
    f.grid.setSelectedRange({1, 1, 1, 2});
    view.runCommand(CommandId::ColumnHide);
    EXPECT_EQ(f.grid.columnWidth(1), 0);
    EXPECT_EQ(f.grid.columnWidth(2), 0);
    EXPECT_TRUE(f.state(CommandId::ColumnHide).checked);
    f.grid.setColumnWidth(0, 0);
    view.runCommand(CommandId::ColumnShowAll);
    for (int col : {0, 1, 2}) EXPECT_GT(f.grid.columnWidth(col), 1);
    EXPECT_FALSE(view.m_bColHidden);

    f.grid.setSelectedRange({1, 3, 1, 3});
    f.grid.setColumnWidth(3, 77);
    f.ui.dialogs.push_back([](CDialogModel& d) {
        auto& dlg = dynamic_cast<CColWidthDlg&>(d);
        EXPECT_EQ(dlg.m_nWidth, 77);
        dlg.m_nWidth = 120;
        return true;
    });
    view.runCommand(CommandId::ColumnWidth);
    EXPECT_EQ(f.grid.columnWidth(3), 120);
    EXPECT_FALSE(view.m_bChanged);
}

}  // namespace
}  // namespace tabrix
