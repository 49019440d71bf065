#include <gtest/gtest.h>

#include "schema/CtrlSyntax.h"

namespace tabrix {
namespace {

TEST(CtrlSyntax, LinesLoseTabsLeadingSpaceAndCommentsAndAreUpperCased) {
    struct Case {
        std::string in;
        bool kept;
        std::string out;
    };
    const Case cases[] = {
        {"title=abc", true, "TITLE=ABC"},
        {" \t title=a\tb ", true, "TITLE=A B "},
        {"TITLE=受注番号 * コメント", true, "TITLE=受注番号 "},
        {"* whole line", false, ""},
        {"   ", false, ""},
        {"", false, ""},
        {"title=ａｂｃαβжз", true, "TITLE=ＡＢＣΑΒЖЗ"},
        {"title=ソ表", true, "TITLE=ソ表"},  // 0x5C trail bytes stay
    };
    for (const Case& c : cases) {
        std::string line = c.in;
        EXPECT_EQ(PrepareCtrlLine(line), c.kept) << c.in;
        if (c.kept) {
            EXPECT_EQ(line, c.out) << c.in;
        }
    }
}

TEST(CtrlSyntax, NumbersStopAtTheFirstOtherCharacterAndRefuseOverflow) {
    struct Case {
        const char* text;
        bool ok;
        int value;
    };
    const Case cases[] = {
        {"12", true, 12},       {"  7", true, 7},          {"12ABC", true, 12},
        {"ABC", true, 0},       {"", true, 0},             {"-1", true, -1},
        {"+5", true, 5},        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0}, {"99999999999", false, 0}, {"-2147483649", false, 0},
    };
    for (const Case& c : cases) {
        int value = 99;
        EXPECT_EQ(ParseCtrlNumber(c.text, value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

TEST(CtrlSyntax, BooleansAreExactlyTrueOrFalse) {
    bool flag = false;
    EXPECT_TRUE(ParseCtrlBool("TRUE", flag));
    EXPECT_TRUE(flag);
    EXPECT_TRUE(ParseCtrlBool("FALSE", flag));
    EXPECT_FALSE(flag);
    for (const char* bad : {"", " TRUE", "TRUE1", "YES", "1"}) EXPECT_FALSE(ParseCtrlBool(bad, flag)) << bad;
}

TEST(CtrlSyntax, ValuesKeepLeadingSpaceAndLoseTrailingSpace) {
    EXPECT_EQ(SettingValue(" CSV \r"), " CSV");
    EXPECT_EQ(SettingValue(""), "");
}

TEST(CtrlSyntax, PermittedValuesSplitAtSingleByteCommas) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitPermission("A,,B,"), (V{"A", "", "B"}));
    EXPECT_EQ(SplitPermission(""), V{});
    EXPECT_EQ(SplitPermission(","), V{""});
    EXPECT_EQ(SplitPermission("受注,出荷済"), (V{"受注", "出荷済"}));
    // A lead byte without a trail byte never swallows the comma after it.
    EXPECT_EQ(SplitPermission("\x81,X"), (V{"\x81", "X"}));
    // Over-long values are cut at a character boundary.
    std::string kanji;
    for (int i = 0; i < 2100; ++i) kanji += "表";
    const V cut = SplitPermission("A" + kanji);
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].size(), 4095u);
    EXPECT_EQ(cut[0], "A" + kanji.substr(0, 4094));
}

TEST(CtrlSyntax, JoinedPermittedValuesReadBackTheSame) {
    using V = std::vector<std::string>;
    for (const V& values : {V{"A", "B"}, V{"A", "", "B"}, V{"A", ""}, V{""}, V{"", ""}, V{"受注"}}) {
        EXPECT_EQ(SplitPermission(JoinPermission(values)), values) << JoinPermission(values);
    }
    EXPECT_EQ(JoinPermission({"A", "B"}), "A,B");
}

TEST(CtrlSyntax, KeywordsBothWays) {
    char delim = 0;
    EXPECT_TRUE(FindKeyword(kDelimWords, "TAB", delim));
    EXPECT_EQ(delim, '\t');
    EXPECT_FALSE(FindKeyword(kDelimWords, "tab", delim));
    EXPECT_STREQ(KeywordOf(kDelimWords, ' '), "SPACE");
    EXPECT_STREQ(KeywordOf(kDelimWords, '|'), "CSV");  // any other delimiter is written as CSV
    EXPECT_STREQ(KeywordOf(kTypeWords, 8), "時刻");
}

}  // namespace
}  // namespace tabrix
