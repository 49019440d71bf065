#include "text/NumberText.h"

#include <gtest/gtest.h>

#include <climits>

namespace tabrix {
namespace {

TEST(NumberText, IsNumericText) {
    const struct {
        std::string value;
        bool numeric, comma, point;
    } cases[] = {
        {"1,234.5", true, true, true},
        {"-12", true, false, false},
        {"\\1,000", true, true, false},
        {"   7", true, false, false},
        {"\"12\"", true, false, false},
        {"+", true, false, false},
        {",", true, true, false},
        {"1.2.3", false, false, true},
        {"12 ", false, false, false},
        {"１２", false, false, false},
        {"", false, false, false},
        {"\"", false, false, false},
        {"--1", false, false, false},
        {"1e5", false, false, false},
        {" \"1\"", false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        bool comma = !c.comma, point = !c.point;
        EXPECT_EQ(IsNumericText(c.value, comma, point), c.numeric);
        if (c.numeric) {
            EXPECT_EQ(comma, c.comma);
            EXPECT_EQ(point, c.point);
        }
    }
}

TEST(NumberText, GroupThousands) {
    const struct {
        std::string value;
        bool yen;
        std::string expected;
    } cases[] = {
        {"1234567", false, "1,234,567"},  {"123456", false, "123,456"},
        {"123", false, "123"},            {"1234.5678", false, "1,234.5678"},
        {"-1234567.891", false, "-1,234,567.891"},
        {"-1234", true, "\\-1,234"},      {"", true, ""},
        {"0", true, "\\0"},               {".5", false, ".5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(GroupThousands(c.value, c.yen), c.expected);
    }
}

TEST(NumberText, FormatCount) {
    EXPECT_EQ(FormatCount(0), "0");
    EXPECT_EQ(FormatCount(999), "999");
    EXPECT_EQ(FormatCount(1000), "1,000");
    EXPECT_EQ(FormatCount(-1234567), "-1,234,567");
    EXPECT_EQ(FormatCount(LLONG_MIN), "-9,223,372,036,854,775,808");
}

TEST(NumberText, FormatNumberText) {
    using enum NumberFormatMode;
    const struct {
        std::string value;
        NumberFormatMode mode;
        bool numeric;
        std::string expected;
    } cases[] = {
        {"\\1,234", Plain, true, "1234"},
        {"\" 1,234\"", Plain, true, "\" 1234\""},
        {"1234567", Grouped, true, "1,234,567"},
        {"-1234567.891", Grouped, true, "-1,234,567.891"},
        {"1,2345", Grouped, true, "12,345"},
        {"\\1234", Grouped, true, "\\1,234"},
        {"\" 1234.5,6\"", Grouped, true, "\" 1,234.5,6\""},
        {"-1234", YenGrouped, true, "\\-1,234"},
        {"\\1234", YenGrouped, true, "\\1,234"},
        {"  1234", YenGrouped, true, "  \\1,234"},
        {"\"1234\"", YenGrouped, true, "\"\\1,234\""},
        {",", YenGrouped, true, ""},
        {"abc", Grouped, false, "abc"},
        {"表", Plain, false, "表"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        std::string out = "junk";
        EXPECT_EQ(FormatNumberText(c.value, c.mode, out), c.numeric);
        EXPECT_EQ(out, c.expected);
    }
}

}  // namespace
}  // namespace tabrix
