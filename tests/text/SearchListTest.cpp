#include "text/SearchList.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace tabrix {
namespace {

using Entries = std::vector<std::string>;

TEST(SearchList, SplitKeepsEmptyPiecesAndCommasInsideCharacters) {
    EXPECT_EQ(SplitSearchText("A,,B"), (Entries{"A", "", "B"}));
    EXPECT_EQ(SplitSearchText(""), (Entries{""}));
    EXPECT_EQ(SplitSearchText("東京,大阪"), (Entries{"東京", "大阪"}));
    EXPECT_EQ(SplitSearchText(","), (Entries{"", ""}));
    // 0x2C is never a trail byte, but a lone lead byte before it must not hide it.
    EXPECT_EQ(SplitSearchText("\x83,a"), (Entries{"\x83", "a"}));
}

TEST(SearchList, TheFourRulesInTheirOrder) {
    const struct {
        std::string entry, field;
        bool wildcards, expected;
    } cases[] = {
        {"", "", true, true},          {"", "", false, true},         {"", "a", true, false},
        {"#数字#", "ab1", true, true}, {"#数字#", "abc", false, false}, {"#数字#", "", true, false},
        {"#数字#x", "#数字#x", false, true}, {"#数字#x", "1", true, false},
        {"@第２水準@", "\x98\x9F", true, true}, {"@第１水準@", "\x98\x9F", false, true},
        {"#カナ#", "\xAF", true, true}, {"#捨て仮名#", "\xB1", true, false},
        {"#制御#", "a\tb", true, true}, {"@英数字@", "\x82\x59", true, true},
        {"abc*", "abcdef", true, true}, {"abc*", "abc", true, true}, {"a?c", "aあc", true, false},
        {"a??c", "aあc", true, true},  {"*", "*", false, true},       {"*", "x", false, false},
        {"*", "x", true, true},         {"*A", "ア", true, false},     {"*\\", "ソ", true, false},
        {"abc", "ABC", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry + " / " + c.field);
        EXPECT_EQ(MatchesSearchEntry(c.entry, c.field, c.wildcards), c.expected);
    }
    EXPECT_TRUE(MatchesSearchList(SplitSearchText("A,,B"), "", true));
    EXPECT_TRUE(MatchesSearchList(SplitSearchText("東京,大阪"), "大阪", false));
    EXPECT_FALSE(MatchesSearchList({}, "", true));
}

TEST(SearchList, LeadingIntegerReadsNumericTextAsItsNumber) {
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int64_t>::min();
    const struct {
        std::string value;
        std::int64_t expected;
    } cases[] = {
        {"15", 15},        {"  -7", -7},     {"+3", 3},         {"12.9", 12},
        {"15kg", 15},      {"abc", 0},       {"", 0},           {"1,000", 1000},
        {"\"1,234\"", 1234}, {"\\1,000", 1000}, {"-1,000.5", -1000}, {"1,2x", 1},
        {"\\5", 5},       {"\\5yen", 0},  // numeric text reads its yen sign, other text stops at it
        {"99999999999999999999", kMax}, {"-99999999999999999999", kMin},
        {"9223372036854775807", kMax}, {"-9223372036854775808", kMin},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(LeadingInteger(c.value), c.expected);
    }
}

}  // namespace
}  // namespace tabrix
