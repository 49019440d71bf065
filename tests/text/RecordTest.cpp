#include "text/Record.h"

#include <gtest/gtest.h>

namespace tabrix {
namespace {

struct CodecCase {
    const char* line;
    char delim;
    bool quote;
    int fields;
    const char* row;
};

// Every case runs through count, normalise, split and join.
const CodecCase kCases[] = {
    {"", ',', false, 0, ""},
    {",", ',', false, 2, "\t"},
    {"a,b,", ',', false, 3, "a\tb\t"},
    {"\"a,b\",c", ',', true, 2, "a,b\tc"},
    {"\"a,b\",c", ',', false, 2, "\"a,b\"\tc"},
    {"\"a\"\"b\",c", ',', true, 2, "a\"b\tc"},
    {"\"ab\"\"\",c", ',', true, 2, "ab\"\tc"},
    {"a,\"\",b", ',', true, 3, "a\t\tb"},
    {"a,\"\",b", ',', false, 3, "a\t\tb"},
    // A doubled quote inside quotes is a quote even before a delimiter, so the
    // quote stays open and the comma is data.
    {"\"ab\"\",c", ',', true, 1, "ab\",c"},
    {"\"ab\"\",c", ',', false, 1, "\"ab\"\",c"},
    // Quotes are data while the flag is clear: a doubled one stays doubled.
    {"\"say \"\"hi\"\"\",x", ',', false, 2, "\"say \"\"hi\"\"\"\tx"},
    {"\"say \"\"hi\"\"\",x", ',', true, 2, "say \"hi\"\tx"},
    {"ab\"\",c", ',', true, 2, "ab\"\tc"},
    {"ab\"\",c", ',', false, 2, "ab\"\"\tc"},
    {"\"\"\"a\",b", ',', true, 2, "\"a\tb"},
    {"\"\"\"\"", ',', true, 1, "\""},
    {"\"\",x", ',', false, 2, "\tx"},
    {"\"\"\tx", ',', true, 2, "\tx"},
    {"x,\"\"", ',', false, 2, "x\t"},
    // Quotes around nothing but left-out bytes are an empty field, as "" is.
    {"\"\t\",x", ',', false, 2, "\tx"},
    {"\"\t\",x", ',', true, 2, "\tx"},
    {"\"\t\"x,y", ',', false, 2, "\"\"x\ty"},
    // Control bytes other than TAB, CR and LF stay, inside quotes as outside.
    {"\"a\x01b\x7f\",\x02", ',', true, 2, "a\x01b\x7f\t\x02"},
    {"\"ｱｲｳ\"", ',', true, 1, "ｱｲｳ"},
    {"\"a\tb\rc\"", ',', true, 1, "abc"},
    {"ソ|表|x", '|', false, 3, "ソ\t表\tx"},
    {"a\tb,c", ',', false, 3, "a\tb\tc"},
    {"ab\x81", ',', false, 1, "ab\x81"},
    {"a\x81,b", ',', false, 2, "a\x81\tb"},
    {"\"a\x81\",b", ',', true, 2, "a\x81\tb"},
    {"a\x81\tb", ',', false, 2, "a\x81\tb"},
    {"a b c", ' ', false, 3, "a\tb\tc"},
};

TEST(RecordCodec, CountsNormalisesSplitsAndJoins) {
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.line);
        std::string row = c.line;
        EXPECT_EQ(CountFields(row, c.delim, true, c.quote), c.fields);
        EXPECT_EQ(row, c.row);
        EXPECT_EQ(RowFieldCount(row), c.fields);
        std::vector<std::string> fields;
        ASSERT_TRUE(SplitFields(row, fields, c.fields));
        EXPECT_EQ(JoinFields(fields, c.fields, kTab), row);
    }
}

TEST(RecordCodec, TabIsDataWhenOnlyCounting) {
    EXPECT_EQ(CountFields(std::string_view("a\tb,c"), ','), 2);
}

TEST(RecordCodec, SplitPadsAndRefusesTooNarrowWidth) {
    std::vector<std::string> fields;
    ASSERT_TRUE(SplitFields("a\tb", fields, 4));
    EXPECT_EQ(fields, (std::vector<std::string>{"a", "b", "", ""}));
    EXPECT_FALSE(SplitFields("a\tb\tc", fields, 2));
    ASSERT_TRUE(SplitFields("", fields, 3));
    EXPECT_EQ(fields, (std::vector<std::string>{"", "", ""}));
    EXPECT_EQ(JoinFields({"a", "b"}, 4, ','), "a,b,,");
}

TEST(RecordCodec, QuoteFieldDoublesInnerQuotes) {
    EXPECT_EQ(QuoteField("\"x"), "\"\"\"x\"");
    EXPECT_EQ(QuoteField("x\""), "\"x\"\"\"");
    EXPECT_EQ(QuoteField("x\"y"), "\"x\"\"y\"");
    EXPECT_EQ(QuoteField(""), "\"\"");
    EXPECT_EQ(QuoteField("ソ,\x81"), "\"ソ,\x81\"");
}

TEST(RecordCodec, IntLists) {
    std::vector<int> v;
    EXPECT_TRUE(ParseIntList("3,,x,7", v));
    EXPECT_EQ(v, (std::vector<int>{3, 0, 0, 7}));
    EXPECT_FALSE(ParseIntList("", v));
    EXPECT_TRUE(v.empty());
    std::string text = "junk";
    EXPECT_TRUE(FormatIntList({1, 22, 3}, text));
    EXPECT_EQ(text, "1,22,3");
    EXPECT_FALSE(FormatIntList({}, text));
    EXPECT_EQ(text, "");
}

}  // namespace
}  // namespace tabrix
