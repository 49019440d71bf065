// "計算(*)", "数値オートフィル" and the column sort: their rules one record at
// a time, then through the view with the filter on and off.
#include <gtest/gtest.h>

#include <climits>

#include "ViewFixture.h"
#include "view/CalcDialogs.h"

namespace tabrix {
namespace {

using test::OkFilter;
using test::Rows;
using test::Answer;
using test::ViewFixture;

TEST(CalcCommands, CalculationCombinesTheUsableOperandsInColumnOrder) {
    struct Case {
        int op;
        bool absolute;
        bool decimal;
        int decimals;
        std::vector<std::string_view> operands;
        std::string result;
    };
    const std::string max64 = std::to_string(LLONG_MAX);
    const std::string min64 = std::to_string(LLONG_MIN);
    const std::vector<Case> cases = {
        {CalcRule::Add, false, false, 0, {"10", "x", "5"}, "15"},
        {CalcRule::Subtract, false, false, 0, {"10", "x", "5"}, "5"},
        {CalcRule::Divide, false, false, 0, {"7", "2"}, "3"},
        {CalcRule::Divide, false, true, 2, {"7", "2"}, "3.50"},
        {CalcRule::Add, false, false, 0, {"", "abc", ""}, "0"},  // no usable operand
        {CalcRule::Divide, false, false, 0, {"8", "0", "5"}, "0"},  // the zero divisor makes 0, and 0 / 5 is 0
        {CalcRule::Add, false, false, 0, {"0", "0", "5"}, "5"},
        {CalcRule::Add, false, false, 0, {"12.7", "1,234", "\"3\""}, "1249"},
        {CalcRule::Add, true, false, 0, {"-3", "-4"}, "7"},
        {CalcRule::Multiply, false, true, 1, {"-1.5", "3"}, "-4.5"},
        {CalcRule::Add, false, true, 0, {"-0.4"}, "0"},  // no "-0"
        {CalcRule::Add, false, true, 99, {"1"}, "1.000000000000000"},  // decimals brought down to 15
        // 64-bit: what overflowed 32 bits is exact, and nothing wraps or traps.
        {CalcRule::Add, false, false, 0, {"2147483647", "1"}, "2147483648"},
        {CalcRule::Multiply, false, false, 0, {"65536", "65536"}, "4294967296"},
        {CalcRule::Add, false, false, 0, {max64, "1"}, max64},
        {CalcRule::Subtract, false, false, 0, {min64, "1"}, min64},
        {CalcRule::Multiply, false, false, 0, {min64, "-1"}, max64},
        {CalcRule::Divide, false, false, 0, {min64, "-1"}, max64},
        {CalcRule::Add, true, false, 0, {min64}, max64},
        {CalcRule::Add, false, false, 0, {"99999999999999999999"}, max64},
    };
    for (const Case& c : cases) {
        CalcRule rule;
        rule.op = c.op;
        rule.absolute = c.absolute;
        rule.decimal = c.decimal;
        rule.decimals = c.decimals;
        CCalCol dlg;
        dlg.m_nDecimals = c.decimals;
        dlg.m_nMethod = c.decimal ? CCalCol::Decimal : CCalCol::Integer;
        EXPECT_EQ(dlg.rule().decimals, std::clamp(c.decimals, 0, 15));
        rule.decimals = dlg.rule().decimals;
        EXPECT_EQ(rule.calculate(c.operands), c.result) << c.operands.front() << " op " << c.op;
    }
    CCalCol dlg;
    dlg.m_nOperation = CCalCol::Divide;
    dlg.m_bAbsolute = true;
    EXPECT_EQ(dlg.operatorCode(), 8 | 0x1000);
}

TEST(CalcCommands, CalculationPlacesItsResultAndDecidesTheFilterFirst) {
    struct Case {
        int place;
        bool filtered;
        std::vector<std::string> rows;
    };
    // Columns 1 to 3 selected; the filter passes the lines whose second field is "ok".
    const std::vector<Case> cases = {
        {0, false, {"T\tF\tB", "6\tok\t5", "9\tno\t7"}},
        {0, true, {"T\tF\tB", "6\tok\t5", "2\tno\t7"}},
        {1, false, {"T\tF\tB", "1\tok\t6", "2\tno\t9"}},
        {2, false, {"合計\tT\tF\tB", "6\t1\tok\t5", "9\t2\tno\t7"}},
        {3, true, {"T\tF\tB\t合計", "1\tok\t5\t6", "2\tno\t7\t"}},
        // The new first column does not move the field the filter tests.
        {2, true, {"合計\tT\tF\tB", "6\t1\tok\t5", "\t2\tno\t7"}},
    };
    for (const Case& c : cases) {
        ViewFixture f;
        f.rows(3, {"T\tF\tB", "1\tok\t5", "2\tno\t7"});
        f.doc.m_bTitleLine = true;
        CTabrixView& view = f.show(10);
        OkFilter filter(1);
        view.setRowFilter(&filter);
        view.m_bFilter = c.filtered;
        f.grid.setSelectedRange({1, 2, 1, 2});
        view.runCommand(CommandId::ColCalc);
        EXPECT_EQ(f.ui.lastMessage(), "列を２列以上選択して下さい。");
        f.grid.setSelectedRange({1, 1, 1, 3});
        Answer<CCalCol>(f, [&](CCalCol& d) {
            EXPECT_TRUE(d.m_bTitleLine);
            d.m_nPlace = c.place;
            d.m_strTitle = "合計";
        });
        view.runCommand(CommandId::ColCalc);
        EXPECT_EQ(Rows(f.doc), c.rows) << c.place << c.filtered;
        const bool added = c.place >= 2;
        EXPECT_EQ(f.doc.columnCount(), added ? 4 : 3);
        EXPECT_EQ(f.grid.columnCount(), f.doc.columnCount() + 1);
        EXPECT_EQ(view.m_bFilter, c.filtered && !added);
        if (added && c.filtered) {
            EXPECT_EQ(f.ui.lastMessage(), "列が変更された為、絞込表示を解除します。");
            EXPECT_FALSE(view.filterConditions().anyEnabled());
        }
        EXPECT_TRUE(view.m_bChanged);
    }
}

TEST(CalcCommands, AutoFillRulesKeepEveryDigit) {
    struct Case {
        int mode;
        std::int64_t n;
        int digits;
        std::string value;
        bool changed;
        std::string out;
    };
    const std::vector<Case> cases = {
        {AutoFillRule::Clear, 3, 0, "abc", true, "3"},
        {AutoFillRule::Clear, 110, 5, "", true, "00110"},
        {AutoFillRule::Front, 7, 0, "ab", true, "ab7"},  // "前に付与する": the value comes first
        {AutoFillRule::Back, 7, 3, "ab", true, "007ab"},
        {AutoFillRule::Add, 1, 0, "12", true, "13"},
        {AutoFillRule::Add, 1, 0, "12.7", true, "13.7"},
        {AutoFillRule::Add, 13, 0, "-12.7", true, "0.3"},
        {AutoFillRule::Add, 1, 0, "1,234", true, "1235"},
        {AutoFillRule::Add, 2, 5, "-3", true, "-0001"},  // "%05d" counts the sign
        {AutoFillRule::Add, 1, 0, "0.050", true, "1.050"},
        {AutoFillRule::Add, 1, 0, "abc", false, ""},
        {AutoFillRule::Add, 1, 0, "-", false, ""},
        {AutoFillRule::Add, 1, 0, "9223372036854775807", false, ""},  // cannot take 1 without loss
        {AutoFillRule::Add, 1, 0, "1." + std::string(19, '5'), false, ""},
    };
    for (const Case& c : cases) {
        AutoFillRule rule;
        rule.mode = c.mode;
        rule.digits = c.digits;
        std::string out;
        EXPECT_EQ(rule.apply(c.value, c.n, out), c.changed) << c.value;
        if (c.changed) {
            EXPECT_EQ(out, c.out) << c.value;
        }
    }
    CAutoFillDlg dlg;
    dlg.m_bPad = true;
    dlg.m_nDigits = 65535;
    dlg.m_nLines = 1000000;
    dlg.m_nAvailableBytes = 1000000LL * 65535 - 1;
    EXPECT_EQ(dlg.validate(), "メモリが不足しています。");
    dlg.m_nAvailableBytes = 1000000LL * 65535;
    EXPECT_EQ(dlg.validate(), "");
}

TEST(CalcCommands, AutoFillNumbersTheLinesTheFilterShowsConsecutively) {
    for (bool filtered : {false, true}) {
        ViewFixture f;
        f.rows(2, {"ok\tv", "no\tabc", "ok\t5", "ok\tx"});
        CTabrixView& view = f.show(2);
        OkFilter filter;
        view.setRowFilter(&filter);
        view.m_bFilter = filtered;
        f.grid.setSelectedRange({1, 2, 1, 2});
        Answer<CAutoFillDlg>(f, [](CAutoFillDlg& d) {
            EXPECT_EQ(d.m_nLines, 4);
            d.m_nMode = AutoFillRule::Add;
            d.m_nBase = 100;
            d.m_nStep = 10;
        });
        view.runCommand(CommandId::ColAutoFill);
        const std::vector<std::string> expected =
            filtered ? std::vector<std::string>{"ok\tv", "no\tabc", "ok\t125", "ok\tx"}
                     : std::vector<std::string>{"ok\tv", "no\tabc", "ok\t135", "ok\tx"};
        EXPECT_EQ(Rows(f.doc), expected);
        EXPECT_EQ(view.m_bFilter, filtered);  // the filter stays
        EXPECT_EQ(f.ui.progressWindow.captions.back(), "データ変換");
    }
}

TEST(CalcCommands, ColumnSortReordersTheSortColumnsByTheKey) {
    ViewFixture f;
    f.rows(4, {"K\tS\tX\tY", "b\tx\t1\tp", "a\ty\t2\tq", "c\tz\t3", "a\tw\t4\tr"});
    f.doc.m_bTitleLine = true;
    CTabrixView& view = f.show(10);
    OkFilter filter;
    view.setRowFilter(&filter);
    view.m_bFilter = true;
    f.grid.setSelectedRange({1, 2, 3, 3});
    view.runCommand(CommandId::ColSort);
    EXPECT_EQ(f.ui.lastMessage(), "列を１列選択して下さい。");
    f.grid.setSelectedRange({1, 2, 3, 2});
    Answer<CColSort>(f, [](CColSort& d) {
        EXPECT_EQ(d.m_nKeyCol, 2);
        EXPECT_EQ(d.m_nSortCol[0], 2);
        d.m_nKeyCol = 1;
        d.m_bSortUsed[2] = true;
        d.m_nSortCol[2] = 4;
    });
    view.runCommand(CommandId::ColSort);
    // Equal keys a, a keep their order; column 3 and the key column stay.
    EXPECT_EQ(Rows(f.doc), (std::vector<std::string>{"K\tS\tX\tY", "b\ty\t1\tq", "a\tw\t2\tr", "c\tx\t3\tp",
                                                      "a\tz\t4\t"}));
    EXPECT_FALSE(view.m_bFilter);
    EXPECT_EQ(f.ui.lastMessage(), "列データが変更された為、絞込表示を解除します。");
    EXPECT_EQ(f.ui.progressWindow.captions,
              (std::vector<std::string>{"ﾃﾞｰﾀﾁｪｯｸ中", "ソート中", "データ変更中"}));

    CColSort dlg;
    dlg.m_nColCount = 4;
    dlg.preset(2);
    EXPECT_EQ(dlg.validate(), "");
    dlg.m_nSortCol[3] = 9;  // not in use
    EXPECT_EQ(dlg.validate(), "");
    dlg.m_bSortUsed[3] = true;
    EXPECT_EQ(dlg.validate(), "ソートする列４は、1以上4以下で入力して下さい。");
    dlg.m_nKeyCol = 0;
    EXPECT_EQ(dlg.validate(), "ソートキー列は、1以上4以下で入力して下さい。");
}

TEST(CalcCommands, ColumnSortDescendsAndComparesCharacters) {
    ViewFixture f;
    // A half-width kana sorts before a double-byte character, character by character.
    f.rows(2, {"あ\t1", "ｱ\t2", "b\t3"});
    CTabrixView& view = f.show(10);
    f.grid.setSelectedRange({1, 1, 1, 1});
    Answer<CColSort>(f, [](CColSort& d) {
        d.m_nSortCol[0] = 2;
        d.m_bDescending = true;
    });
    view.runCommand(CommandId::ColSort);
    EXPECT_EQ(Rows(f.doc), (std::vector<std::string>{"あ\t1", "ｱ\t2", "b\t3"}));
    f.grid.setSelectedRange({1, 1, 1, 1});  // the redisplay cleared the selection
    Answer<CColSort>(f, [](CColSort& d) { d.m_nSortCol[0] = 2; });
    view.runCommand(CommandId::ColSort);
    EXPECT_EQ(Rows(f.doc), (std::vector<std::string>{"あ\t3", "ｱ\t2", "b\t1"}));
}

}  // namespace
}  // namespace tabrix
