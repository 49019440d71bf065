#include "text/CharClass.h"

#include <gtest/gtest.h>

#include <string>

#include "text/CodeOracle.h"

namespace tabrix {
namespace {

using testing::CodeBytes;
std::string Code(unsigned code) { return CodeBytes(code); }

TEST(InputClass, DoubleByteRangesInOrder) {
    const struct {
        unsigned code;
        InputClass expected;
    } cases[] = {
        {0x8140, InputClass::FullSpace},   {0x8141, InputClass::FullSymbol},  {0x819E, InputClass::FullSymbol},
        {0x819F, InputClass::FullSymbol},  {0x81FC, InputClass::FullSymbol},  {0x824F, InputClass::FullDigit},
        {0x8258, InputClass::FullDigit},   {0x8259, InputClass::FullOther},   {0x8260, InputClass::FullLetter},
        {0x8279, InputClass::FullLetter},  {0x827A, InputClass::FullOther},   {0x8281, InputClass::FullLetter},
        {0x829A, InputClass::FullLetter},  {0x829B, InputClass::FullOther},   {0x829F, InputClass::Hiragana},
        {0x82F1, InputClass::Hiragana},    {0x82F2, InputClass::FullOther},   {0x8340, InputClass::Katakana},
        {0x8396, InputClass::Katakana},    {0x8397, InputClass::FullOther},   {0x839F, InputClass::Greek},
        {0x83FC, InputClass::Greek},       {0x8440, InputClass::Cyrillic},    {0x849E, InputClass::Cyrillic},
        {0x849F, InputClass::Special},     {0x889E, InputClass::Special},     {0x889F, InputClass::Kanji1},
        {0x989E, InputClass::Kanji1},      {0x989F, InputClass::Kanji2},      {0x9FFC, InputClass::Kanji2},
        {0xE040, InputClass::Kanji2},      {0xEAFC, InputClass::Kanji2},      {0xEB40, InputClass::Extended},
        {0xEFFC, InputClass::Extended},    {0xF040, InputClass::UserDefined}, {0xF9FC, InputClass::UserDefined},
        {0xFA40, InputClass::Extended},    {0xFCFC, InputClass::Extended},    {0x8240, InputClass::FullOther},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(InputClassOf(Code(c.code), 0), c.expected);
    }
}

TEST(InputClass, SingleBytes) {
    const struct {
        unsigned char byte;
        InputClass expected;
    } cases[] = {
        {0xA1, InputClass::HalfKana},      {0xA6, InputClass::HalfKana},  {0xA7, InputClass::HalfSmallKana},
        {0xAF, InputClass::HalfSmallKana}, {0xB0, InputClass::HalfKana},  {0xDF, InputClass::HalfKana},
        {' ', InputClass::HalfSpace},      {'A', InputClass::HalfLetter}, {'z', InputClass::HalfLetter},
        {'0', InputClass::HalfDigit},      {'9', InputClass::HalfDigit},  {'!', InputClass::HalfSymbol},
        {'/', InputClass::HalfSymbol},     {':', InputClass::HalfSymbol}, {'@', InputClass::HalfSymbol},
        {'[', InputClass::HalfSymbol},     {'`', InputClass::HalfSymbol}, {'{', InputClass::HalfSymbol},
        {'~', InputClass::HalfSymbol},     {'\t', InputClass::HalfOther}, {0x00, InputClass::HalfOther},
        {0x7F, InputClass::HalfOther},     {0x80, InputClass::HalfOther}, {0xA0, InputClass::HalfOther},
        {0xFD, InputClass::HalfOther},     {0xFF, InputClass::HalfOther},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.byte));
        EXPECT_EQ(InputClassOf(std::string(1, static_cast<char>(c.byte)), 0), c.expected);
    }
}

TEST(InputClass, WalksByCharacterAndNeverPastTheEnd) {
    const std::string text = "aア";  // 0x61 0x83 0x41
    EXPECT_EQ(InputClassOf(text, 1), InputClass::Katakana);
    EXPECT_EQ(InputClassOf(std::string("a\x83"), 1), InputClass::FullOther);
    // A byte below 0x40 is no trail byte: the lead byte stands alone.
    EXPECT_EQ(InputClassOf(std::string("\x83 "), 0), InputClass::FullOther);
    EXPECT_EQ(InputClassOf(std::string("\x83 "), 1), InputClass::HalfSpace);
}

TEST(SearchClass, TokensMatchExactly) {
    EXPECT_EQ(ClassOfToken("#数字#"), searchclass::HalfDigit);
    EXPECT_EQ(ClassOfToken("#捨て仮名#"), searchclass::HalfSmallKana);
    EXPECT_EQ(ClassOfToken("@記号１@"), searchclass::FullSymbol1);
    EXPECT_EQ(ClassOfToken("@第１水準@"), searchclass::Kanji);
    EXPECT_EQ(ClassOfToken("@第２水準@"), searchclass::Kanji);
    EXPECT_EQ(ClassOfToken("@全角大文字@"), searchclass::FullUppercase);
    EXPECT_EQ(ClassOfToken("@記号1@"), 0u);  // the digit must be full-width
    EXPECT_EQ(ClassOfToken("#数字# "), 0u);
    EXPECT_EQ(ClassOfToken(""), 0u);
    for (const auto& t : SearchClassTokens) EXPECT_EQ(ClassOfToken(t.token), t.bit);
}

TEST(SearchClass, ContainsClassCases) {
    using namespace searchclass;
    const struct {
        std::string text;
        SearchClassSet classes;
        bool expected;
    } cases[] = {
        {"", ~0u, false},
        {"　", FullSymbol1, true},  // the full-width space is searched as a symbol
        {Code(0x8259), FullAlphanumeric, true},
        {Code(0x989F), ClassOfToken("@第１水準@"), true},
        {Code(0x989F), ClassOfToken("@第２水準@"), true},
        {"亜", Kanji, true},
        {"ｯ", HalfKana, true},
        {"ｯ", HalfSmallKana, true},
        {"ｱ", HalfKana, true},
        {"ｱ", HalfSmallKana, false},
        {"\t", HalfControl, true},
        {"\x7F", HalfControl, true},
        {"ア", HalfLetter, false},  // 0x41 is a trail byte, not the letter A
        {"ア", Katakana, true},
        {"表", HalfPunctuation, false},  // 0x5C trail byte
        {"ａ", FullLowercase | FullAlphanumeric, true},
        {"ａ", FullUppercase, false},
        {"Ａ", FullUppercase, true},
        {"αЖ", Greek, true},
        {"αЖ", Cyrillic, true},
        {Code(0x849F), Special, true},
        {Code(0xF040), UserDefined, true},
        {Code(0xEB40) + Code(0xFA40), Extended, true},
        {"abc1", HalfDigit, true},
        {"abc", HalfDigit | HalfPunctuation, false},
        {"x\x83", ~0u & ~HalfLetter, false},  // a truncated character has no class
        {"\x83,", HalfPunctuation, true},       // the comma is no trail byte
        {"\x83,", ~0u & ~HalfPunctuation, false},
        {"ひ", Hiragana, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ContainsClass(c.text, c.classes), c.expected);
    }
}

TEST(SearchClass, AgreesWithUnicodeScriptsOverEveryCode) {
    using namespace searchclass;
    const struct {
        char32_t first, last;
        SearchClassSet expected;
    } scripts[] = {
        {0x3041, 0x3093, Hiragana},
        {0x30A1, 0x30F6, Katakana},
        {0x0391, 0x03C9, Greek},
        {0x0401, 0x0401, Cyrillic},
        {0x0410, 0x044F, Cyrillic},
        {0x0451, 0x0451, Cyrillic},
        {0xFF10, 0xFF19, FullAlphanumeric},
        {0xFF21, 0xFF3A, FullAlphanumeric | FullUppercase},
        {0xFF41, 0xFF5A, FullAlphanumeric | FullLowercase},
    };
    testing::ForEachDoubleByteCode([&](unsigned code) {
        const char32_t c = testing::CodePointOfCode(code);
        const SearchClassSet s = SearchClassesOfCode(code);
        for (const auto& script : scripts) {
            if (c >= script.first && c <= script.last) {
                EXPECT_EQ(s, script.expected) << std::hex << code;
            }
        }
        if (s & Kanji) {
            const bool ideograph = (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF);
            EXPECT_TRUE(c == 0 || ideograph) << std::hex << code;
        }
    });
}

}  // namespace
}  // namespace tabrix
