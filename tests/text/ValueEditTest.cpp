#include "text/ValueEdit.h"

#include <gtest/gtest.h>

namespace tabrix {
namespace {

TEST(ValueEdit, QuoteAndUnquote) {
    const struct {
        std::string value, quoted, unquoted;
    } cases[] = {
        {"\"x\"", "\"x\"", "x"},
        {"\"x", "\"\"x\"", "x"},
        {"x\"", "\"x\"\"", "x"},
        {"\"", "\"", ""},
        {"", "\"\"", ""},
        {"x", "\"x\"", "x"},
        {"\"\"\"", "\"\"\"", "\""},
        {"\"\x81\"", "\"\x81\"", "\x81"},  // a quote is never a trail byte
        {"\"ソ\"", "\"ソ\"", "ソ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(QuoteValue(c.value), c.quoted);
        EXPECT_EQ(UnquoteValue(c.value), c.unquoted);
    }
}

TEST(ValueEdit, StripAtTheEnds) {
    const struct {
        std::string value, text, leading, trailing;
    } cases[] = {
        {"000120", "0", "120", "00012"},
        {"120000", "0", "120000", "12"},
        {"ababxab", "ab", "xab", "ababx"},
        {"0000", "0", "", ""},
        {"", "0", "", ""},
        {"00", "", "00", "00"},
        {"ア", "A", "ア", "ア"},        // 0x83 0x41
        {"アAA", "A", "アAA", "ア"},
        {"表\\", "\\", "表\\", "表"},   // 表 ends in 0x5C
        {"\x83\x41\x42", "\x83", "\x83\x41\x42", "\x83\x41\x42"},
        {"　　x　", "　", "x　", "　　x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value + " / " + c.text);
        EXPECT_EQ(StripLeadingText(c.value, c.text), c.leading);
        EXPECT_EQ(StripTrailingText(c.value, c.text), c.trailing);
    }
}

TEST(ValueEdit, AddText) {
    const struct {
        std::string value, text;
        AddPosition position;
        bool pad;
        int length;
        std::string expected;
    } cases[] = {
        {"12", "0", AddPosition::Before, true, 5, "00012"},
        {"12", "0", AddPosition::Before, true, 2, "12"},
        {"12", "0", AddPosition::After, true, 4, "1200"},
        {"abc", "　", AddPosition::After, true, 6, "abc　　"},  // 7 bytes
        {"x", "ab", AddPosition::Before, false, 0, "abx"},
        {"x", "ab", AddPosition::After, false, 0, "xab"},
        {"x", "", AddPosition::After, true, 9, "x"},
        {"", "-", AddPosition::Before, true, 3, "---"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value + " / " + c.text);
        EXPECT_EQ(AddText(c.value, c.text, c.position, c.pad, c.length), c.expected);
    }
}

TEST(ValueEdit, CutAtByteWidth) {
    const struct {
        std::string value;
        int count;
        std::string left, rest;
    } cases[] = {
        {"あいう", 3, "あ", "いう"},
        {"あいう", 4, "あい", "う"},
        {"aあ", 2, "a", "あ"},
        {"abc", 0, "", "abc"},
        {"abc", -5, "", "abc"},
        {"abc", 3, "abc", ""},
        {"abc", 100, "abc", ""},
        {"a\x83", 2, "a\x83", ""},
        {"ｱｲｳ", 2, "ｱｲ", "ｳ"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value + " / " + std::to_string(c.count));
        EXPECT_EQ(LeftBytes(c.value, c.count), c.left);
        EXPECT_EQ(RestAfterBytes(c.value, c.count), c.rest);
    }
}

}  // namespace
}  // namespace tabrix
