#include <gtest/gtest.h>

#include "ColumnCases.h"
#include "schema/ValidateSteps.h"

namespace tabrix {
namespace {

using test::ExpectValidation;
using test::MakeColumn;
using test::ValidationCase;

struct ClassCase {
    FormatBits format;
    ValidationCase check;
};

// Each class refused by a format without it, with its message, and let
// through by the format that permits it.
const ClassCase kClassCases[] = {
    {kFmtHalfLetter, {"ｱ", nullptr, "半角ｶﾀｶﾅ（ｱ）は入力できません。"}},
    {kFmtHalfKana, {"ｱ", "ｱ", nullptr}},
    {kFmtHalfLetter, {"ｧ", nullptr, "半角ｶﾀｶﾅ（ｧ）は入力できません。"}},
    {kFmtHalfKana, {"ｱｧ", nullptr, "半角捨て仮名（ｧ）は入力できません。"}},
    {kFmtHalfKana | kFmtHalfSmallKana, {"ｱｧ", "ｱｧ", nullptr}},
    {kFmtHalfLetter, {"a b", nullptr, "半角ｽﾍﾟｰｽは入力できません。"}},
    {kFmtHalfLetter | kFmtHalfSpace, {"a b", "a b", nullptr}},
    {kFmtHalfDigit, {"1x", nullptr, "半角英字（x）は入力できません。"}},
    {kFmtHalfLetter, {"x1", nullptr, "半角数字（1）は入力できません。"}},
    {kFmtHalfLetter, {"a-b", nullptr, "半角記号（-）は入力できません。"}},
    {kFmtHalfSymbol, {"-\\", "-\\", nullptr}},
    {kFmtHalfLetter, {"a\tb\x7F\x80", "a\tb\x7F\x80", nullptr}},  // control and unassigned bytes always pass
    {kFmtFullLetter, {"Ａ　", nullptr, "全角スペースは入力できません。"}},
    {kFmtFullSpace, {"Ａ", nullptr, "全角英字（Ａ）は入力できません。"}},
    {kFmtFullLetter, {"Ａ０", nullptr, "全角数字（０）は入力できません。"}},
    {kFmtFullLetter, {"Ａ、", nullptr, "全角記号（、）は入力できません。"}},
    {kFmtFullLetter, {"あ", nullptr, "全角ひらがな（あ）は入力できません。"}},
    {kFmtFullLetter, {"ア", nullptr, "全角カタカナ（ア）は入力できません。"}},
    {kFmtKanji2, {"亜", nullptr, "第一水準漢字（亜）は入力できません。"}},
    {kFmtKanji1, {"亜弌", nullptr, "第二水準漢字（弌）は入力できません。"}},
    {kFmtFullSpace | kFmtFullLetter | kFmtFullDigit | kFmtFullSymbol | kFmtHiragana | kFmtKatakana |
         kFmtKanji1 | kFmtKanji2,
     {"　Ａ０、あア亜弌", "　Ａ０、あア亜弌", nullptr}},
    {kFmtKanji1 | kFmtKanji2, {"α", nullptr, "キリシャ文字（α）は入力できません。"}},
    {kFmtKanji1, {"А", nullptr, "ロシア文字（А）は入力できません。"}},
    {kFmtKanji1, {"─", nullptr, "特殊文字（─）は入力できません。"}},
    {kFmtKanji1, {"\xF0\x40", nullptr, "外字（\xF0\x40）は入力できません。"}},
    {kFmtKanji1, {"\xFA\x40", nullptr, "拡張文字（\xFA\x40）は入力できません。"}},
    {kFmtFullLetter, {"\x82\x59", nullptr, "全角文字（\x82\x59）は入力できません。"}},
    {kFmtFullWidth, {"　Ａ０、あア亜弌αА─\xF0\x40\xFA\x40\x82\x59", "　Ａ０、あア亜弌αА─\xF0\x40\xFA\x40\x82\x59", nullptr}},
    // A lead byte without its trail byte is named by its code, so that it
    // cannot merge with the bracket after it.
    {kFmtHalfLetter, {"a\x82", nullptr, "全角文字（0x82）は入力できません。"}},
    {kFmtHalfLetter, {"a\x82!", nullptr, "全角文字（0x82）は入力できません。"}},
    {kFmtFullWidth | kFmtHalfLetter, {"a\x82", "a\x82", nullptr}},
    // The first refused character decides.
    {kFmtHalfLetter, {"ab1ｱ", nullptr, "半角数字（1）は入力できません。"}},
};

TEST(CheckTextClasses, EachClassHasItsPermissionAndMessage) {
    for (const auto& c : kClassCases) {
        SCOPED_TRACE(testing::Message() << "format " << std::hex << c.format);
        ExpectValidation(MakeColumn(kTypeText, c.format), c.check);
    }
}

TEST(CheckTextClasses, CommaMakesTheValueQuoted) {
    const ValidationCase refused = {"ab,12", nullptr, "半角記号（,）は入力できません。"};
    ExpectValidation(MakeColumn(kTypeText, kFmtHalfLetter | kFmtHalfDigit), refused);
    const ValidationCase cases[] = {
        {"ab,12", "\"ab,12\"", nullptr},
        {"\"ab,12\"", "\"ab,12\"", nullptr},     // already enclosed: unchanged
        {"\"ab,12", "\"\"ab,12\"", nullptr},     // one quote does not enclose
        {"ab\"12", "ab\"12", nullptr},           // no comma, nothing added
    };
    test::ExpectValidations(MakeColumn(kTypeText, kFmtHalfLetter | kFmtHalfDigit | kFmtHalfSymbol), cases);
}

TEST(CheckTextClasses, EnclosingQuotesAreNotExamined) {
    const ValidationCase cases[] = {
        {"\"ab\"", "\"ab\"", nullptr},
        {"\"a\"b\"", nullptr, "半角記号（\"）は入力できません。"},
        {"\"", nullptr, "半角記号（\"）は入力できません。"},
    };
    test::ExpectValidations(MakeColumn(kTypeText, kFmtHalfLetter), cases);
}

TEST(CheckTextClasses, ExtraCharactersPassWhateverTheirClass) {
    CColCtrl col = MakeColumn(kTypeText, kFmtHalfLetter);
    col.m_strEtcChar = "-＿ソ";
    col.m_bEtcChar = true;
    const ValidationCase cases[] = {
        {"a-b＿cソ", "a-b＿cソ", nullptr},
        {"a+b", nullptr, "半角記号（+）は入力できません。"},
        // ソ ends in the byte 0x5C; that byte alone is not an extra character.
        {"a\\b", nullptr, "半角記号（\\）は入力できません。"},
        {"ー", nullptr, "全角記号（ー）は入力できません。"},
    };
    test::ExpectValidations(col, cases);
}

TEST(CheckTextClasses, HalfSpacePairsBecomeFullSpaces) {
    CColCtrl col = MakeColumn(kTypeText, kFmtFullSpace | kFmtHalfLetter);
    col.m_bHanSpConv = true;
    const ValidationCase cases[] = {
        {"a    b", "a　　b", nullptr},
        {"a   b", nullptr, "半角ｽﾍﾟｰｽは入力できません。"},
        {"a  ", "a", nullptr},  // trailing spaces go before the conversion
    };
    test::ExpectValidations(col, cases);

    std::string three = "a   b";
    ConvertSpacePairs(col, three);
    EXPECT_EQ(three, "a　 b");

    // Not when half-width spaces are permitted, and not without the flag.
    for (const auto& [format, flag] : {std::pair{kFmtFullSpace | kFmtHalfSpace | kFmtHalfLetter, true},
                                       std::pair{kFmtFullSpace | kFmtHalfLetter, false}}) {
        CColCtrl other = MakeColumn(kTypeText, format);
        other.m_bHanSpConv = flag;
        std::string value = "a    b";
        ConvertSpacePairs(other, value);
        EXPECT_EQ(value, "a    b");
    }
}

}  // namespace
}  // namespace tabrix
