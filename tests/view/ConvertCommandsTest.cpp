// The conversion menu through the view: which fields each command rewrites,
// with the space marks and the filter on and off, the quotes a new delimiter
// gets, and the date and number format conversions into a result column.
#include <gtest/gtest.h>

#include "ViewFixture.h"
#include "view/ConvertDialogs.h"

namespace tabrix {
namespace {

using test::OkFilter;
using test::Rows;
using test::Answer;
using test::ViewFixture;

void MarkSpaces(CTabrixDoc& doc) {
    doc.m_bHanspDisp = true;
    doc.m_strHanspChar = "_";
    doc.m_bZenspDisp = true;
    doc.m_strZenspChar = "■";
}

TEST(ConvertCommands, EachCommandRewritesTheSelectedColumnOnEveryPage) {
    struct Case {
        CommandId id;
        bool marks;
        std::string field;
        std::string result;
    };
    const std::vector<Case> cases = {
        {CommandId::ConvUpper, false, "ab", "AB"},
        {CommandId::ConvUpper, true, "a_b", "A_B"},
        {CommandId::ConvLower, false, "AＢ", "aｂ"},
        {CommandId::ConvHalfKanaToFull, false, "ｶﾞ", "ガ"},
        {CommandId::ConvHalfToFull, false, "A 1", "Ａ　１"},
        {CommandId::ConvHalfToFull, true, "A_1", "Ａ■１"},
        {CommandId::ConvFullToHalf, false, "ガＡ", "ｶﾞA"},
        {CommandId::ConvFullToHalf, true, "Ａ■Ｂ", "A_B"},  // the full-width space mark becomes the half-width one
        {CommandId::ConvFullToHalf, true, "ダ", "ﾀﾞ"},       // its trail byte is "_", but no mark
        {CommandId::ConvHiraganaToKatakana, false, "あ", "ア"},
        {CommandId::ConvKatakanaToHiragana, false, "ア", "あ"},
        {CommandId::ConvFullUpperToLower, false, "ＡB", "ａB"},
        {CommandId::ConvFullLowerToUpper, false, "ａb", "Ａb"},
        {CommandId::ConvSmallKanaToPlain, false, "ｧｯ", "ｱﾂ"},
        {CommandId::ConvPlainToSmallKana, true, "ｱ_ﾂ", "ｧ_ｯ"},
        {CommandId::ConvQuote, false, "a", "\"a\""},
        {CommandId::ConvUnquote, false, "\"a\"", "a"},
    };
    for (const Case& c : cases) {
        for (bool filtered : {false, true}) {
            ViewFixture f;
            if (c.marks) MarkSpaces(f.doc);
            f.rows(2, {"ok\t" + c.field, "no\t" + c.field, "ok\t" + c.field});
            CTabrixView& view = f.show(1);
            OkFilter filter;
            view.setRowFilter(&filter);
            view.m_bFilter = filtered;
            view.runCommand(c.id);  // nothing selected: nothing happens, silently
            EXPECT_EQ(f.line(2), "ok\t" + c.field);
            f.grid.setSelectedRange({1, 2, 1, 2});
            view.runCommand(c.id);
            const std::vector<std::string> expected = {"ok\t" + c.result, "no\t" + (filtered ? c.field : c.result),
                                                       "ok\t" + c.result};
            EXPECT_EQ(Rows(f.doc), expected) << c.field;
            EXPECT_TRUE(f.ui.messages.empty()) << c.field;
            EXPECT_TRUE(view.m_bChanged);
        }
    }
}

TEST(ConvertCommands, AValueThatComesToHoldTheDelimiterIsQuoted) {
    struct Case {
        char delimiter;
        bool quoteFlag;
        CommandId id;
        std::string field;
        std::string result;
    };
    const std::vector<Case> cases = {
        {',', false, CommandId::ConvFullToHalf, "１，２", "\"1,2\""},
        {',', true, CommandId::ConvFullToHalf, "１，２", "1,2"},  // the file quotes every field anyway
        {'|', false, CommandId::ConvFullToHalf, "ａ｜ｂ", "\"a|b\""},
        {'\t', false, CommandId::ConvFullToHalf, "１，２", "1,2"},
        {',', false, CommandId::ConvFullToHalf, "\"１，２\"", "\"1,2\""},  // quoted already
        {',', false, CommandId::ConvUnquote, "\"a,b\"", "a,b"},           // the unquote command is exempt
    };
    for (const Case& c : cases) {
        ViewFixture f;
        f.doc.m_CtrlFile.m_cDelim = c.delimiter;
        f.doc.m_CtrlFile.m_bQuote = c.quoteFlag;
        f.rows(1, {c.field});
        CTabrixView& view = f.show(10);
        f.grid.setSelectedRange({1, 1, 1, 1});
        view.runCommand(c.id);
        EXPECT_EQ(f.line(0), c.result) << c.field << " " << c.delimiter;
    }
    ViewFixture f;
    f.rows(1, {"x"});
    CTabrixView& view = f.show(10);
    f.grid.setSelectedRange({1, 1, 1, 1});
    Answer<CDigitSetMsg>(f, [](CDigitSetMsg& d) {
        d.m_nKind = TextKind::Other;
        d.m_strOther = ",";
        d.m_nPosition = 1;
    });
    view.runCommand(CommandId::ConvAddText);
    EXPECT_EQ(f.line(0), "\"x,\"");
}

TEST(ConvertCommands, AddAndDeleteTakeTheDialogsText) {
    ViewFixture f;
    MarkSpaces(f.doc);
    f.rows(2, {"12\t000120", "123456\t000", "abc\tx0"});
    CTabrixView& view = f.show(10);
    f.grid.setSelectedRange({1, 1, 3, 1});
    Answer<CDigitSetMsg>(f, [](CDigitSetMsg& d) {
        EXPECT_EQ(d.m_nLength, 2);  // the top-left cell's bytes
        d.m_nAlign = 1;
        d.m_nLength = 5;
    });
    view.runCommand(CommandId::ConvAddText);
    Answer<CDigitSetMsg>(f, [](CDigitSetMsg& d) {
        d.m_nKind = TextKind::FullSpace;
        d.m_nAlign = 1;
        d.m_nLength = 8;
    });
    f.grid.setSelectedRange({3, 1, 3, 1});  // one cell: the whole column
    view.runCommand(CommandId::ConvAddText);
    EXPECT_EQ(Rows(f.doc), (std::vector<std::string>{"■■00012\t000120", "■123456\t000", "■■00abc\tx0"}));

    f.grid.setSelectedRange({1, 2, 3, 2});
    f.ui.dialogs.push_back([](CDialogModel&) { return true; });  // OK with neither end ticked
    view.runCommand(CommandId::ConvDeleteText);
    EXPECT_TRUE(f.ui.messages.empty());
    EXPECT_TRUE(f.ui.dialogs.empty());
    EXPECT_EQ(f.line(0), "■■00012\t000120");
    Answer<CDelChar>(f, [](CDelChar& d) {
        d.m_bStart = true;
        d.m_bEnd = true;
        d.m_nKind = TextKind::Zero;
    });
    view.runCommand(CommandId::ConvDeleteText);
    EXPECT_EQ(Rows(f.doc), (std::vector<std::string>{"■■00012\t12", "■123456\t", "■■00abc\tx"}));

    CDigitSetMsg add;
    add.m_nKind = TextKind::Other;
    add.m_strOther = "a\x01";
    EXPECT_EQ(add.validate(), "制御文字は入力出来ません。");
    add.m_strOther = "a\tb";
    EXPECT_EQ(add.validate(), "タブ、改行は入力出来ません。");
    add.m_strOther = "a,b";
    EXPECT_EQ(add.validate(), "");
    add.m_nAlign = 1;
    add.m_nLength = 1000;
    EXPECT_EQ(add.validate(), "全体文字数は1～999で入力して下さい。");
}

TEST(ConvertCommands, DateConversionFillsANewColumnOnlyWhereTheFilterShows) {
    ViewFixture f;
    f.rows(2, {"T\tD", "ok\t2024/01/01", "no\t2024/01/02", "ok\txyz", "ok\t19900505"});
    f.doc.m_bTitleLine = true;
    const FixedClock clock({2024, 5, 5, 9, 30, 0});
    CTabrixView& view = f.show(2);
    view.setClock(clock);
    OkFilter filter;
    view.setRowFilter(&filter);
    view.m_bFilter = true;
    f.grid.setSelectedRange({1, 1, 1, 2});
    view.runCommand(CommandId::ConvDateFormat);
    EXPECT_EQ(f.ui.lastMessage(), "列を１列のみ選択して下さい。");
    f.grid.setSelectedRange({1, 2, 1, 2});
    Answer<CDateConvDlg>(f, [](CDateConvDlg& d) {
        EXPECT_EQ(d.m_strSample, "2024/01/01");
        EXPECT_TRUE(d.m_bTitleLine);
        d.m_nFormat = 5;
        d.m_nPlace = 3;
        d.m_strTitle = "曜日";
    });
    view.runCommand(CommandId::ConvDateFormat);
    EXPECT_EQ(Rows(f.doc), (std::vector<std::string>{"T\tD\t曜日", "ok\t2024/01/01\t月", "no\t2024/01/02\t",
                                                      "ok\txyz\txyz", "ok\t19900505\t土"}));
    EXPECT_FALSE(view.m_bFilter);
    EXPECT_EQ(f.ui.lastMessage(), "列が変更された為、絞込表示を解除します。");
    EXPECT_EQ(f.grid.columnCount(), 4);

    f.grid.setSelectedRange({1, 2, 1, 2});
    Answer<CDateConvDlg>(f, [](CDateConvDlg& d) {
        d.m_nFormat = 6;
        d.m_nPlace = 2;
    });
    view.runCommand(CommandId::ConvDateFormat);
    EXPECT_EQ(Rows(f.doc), (std::vector<std::string>{"T\t\tD\t曜日", "ok\t0\t2024/01/01\t月", "no\t0\t2024/01/02\t",
                                                      "ok\tERR\txyz\txyz", "ok\t34\t19900505\t土"}));
    f.grid.setSelectedRange({1, 3, 1, 3});
    Answer<CDateConvDlg>(f, [](CDateConvDlg& d) { d.m_nFormat = 3; });
    view.runCommand(CommandId::ConvDateFormat);
    EXPECT_EQ(f.fieldsOf(4)[2], "H02.05.05");
}

TEST(ConvertCommands, NumberConversionQuotesGroupedNumbersOfACommaFile) {
    struct Case {
        char delimiter;
        bool quoteFlag;
        int format;
        std::string field;
        std::string result;
    };
    const std::vector<Case> cases = {
        {',', false, 0, "1234567", "\"1,234,567\""},
        {'\t', false, 0, "1234567", "1,234,567"},
        {',', true, 0, "1234567", "1,234,567"},
        {',', false, 1, "-1234", "\"\\-1,234\""},
        {',', false, 2, "\"\\1,234\"", "\"1234\""},
        {',', false, 0, "abc", "abc"},
    };
    for (const Case& c : cases) {
        ViewFixture f;
        f.doc.m_CtrlFile.m_cDelim = c.delimiter;
        f.doc.m_CtrlFile.m_bQuote = c.quoteFlag;
        f.rows(1, {c.field});
        CTabrixView& view = f.show(10);
        f.grid.setSelectedRange({1, 1, 1, 1});
        Answer<CNumFormatDlg>(f, [&](CNumFormatDlg& d) { d.m_nFormat = c.format; });
        view.runCommand(CommandId::ConvNumberFormat);
        EXPECT_EQ(f.line(0), c.result) << c.field;
    }
    // A document of its title line alone has no value to show.
    ViewFixture f;
    f.rows(1, {"T"});
    f.doc.m_bTitleLine = true;
    CTabrixView& view = f.show(10);
    f.grid.setSelectedRange({1, 1, 1, 1});
    Answer<CNumFormatDlg>(f, [](CNumFormatDlg& d) { EXPECT_EQ(d.m_strSample, ""); });
    view.runCommand(CommandId::ConvNumberFormat);
    EXPECT_EQ(Rows(f.doc), std::vector<std::string>{"T"});
}

TEST(ConvertCommands, SmallKanaCommandsStayEnabledWithoutConversions) {
    ViewFixture f;
    f.rows(1, {"ｱ"});
    f.doc.m_CtrlFile.m_bConvUse = false;
    f.show(10);
    EXPECT_TRUE(f.state(CommandId::ConvPlainToSmallKana).enabled);
    EXPECT_TRUE(f.state(CommandId::ConvSmallKanaToPlain).enabled);
    EXPECT_FALSE(f.state(CommandId::ConvUpper).enabled);
    EXPECT_FALSE(f.state(CommandId::ConvDateFormat).enabled);
}

}  // namespace
}  // namespace tabrix
