// The two classifications of Shift-JIS characters.
//
// Input classes say which kinds of character a column's text format permits
// when a value is checked. Search classes are what the class tokens of row
// conditions ("#数字#", "@ひら@" and the rest) stand for. The two differ in
// their ranges and in how they treat kanji, so neither is derived from the
// other.
//
// A lead byte without its trail byte (the last byte of a text, or followed by
// a byte below 0x40) is one single-byte character, of input class FullOther
// and of no search class.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tabrix {

enum class InputClass {
    // Double-byte characters, in the order in which their ranges are tried.
    FullSpace,
    FullLetter,
    FullDigit,
    FullSymbol,
    Hiragana,
    Katakana,
    Kanji1,
    Kanji2,
    Greek,
    Cyrillic,
    Special,
    UserDefined,
    Extended,
    FullOther,
    // Single-byte characters.
    HalfKana,
    HalfSmallKana,
    HalfSpace,
    HalfLetter,
    HalfDigit,
    HalfSymbol,
    HalfOther,
};

// Class of the character starting at pos (pos < text.size()).
InputClass InputClassOf(std::string_view text, std::size_t pos);

// A set of search classes, one bit each.
using SearchClassSet = std::uint32_t;

namespace searchclass {
inline constexpr SearchClassSet HalfDigit = 0x00000001;
inline constexpr SearchClassSet HalfLetter = 0x00000002;
inline constexpr SearchClassSet HalfPunctuation = 0x00000004;
inline constexpr SearchClassSet HalfKana = 0x00000008;
inline constexpr SearchClassSet HalfControl = 0x00000010;
inline constexpr SearchClassSet HalfSmallKana = 0x00000100;
inline constexpr SearchClassSet FullSymbol1 = 0x00010000;
inline constexpr SearchClassSet FullSymbol2 = 0x00020000;
inline constexpr SearchClassSet FullAlphanumeric = 0x00040000;
inline constexpr SearchClassSet Hiragana = 0x00080000;
inline constexpr SearchClassSet Katakana = 0x00100000;
inline constexpr SearchClassSet Greek = 0x00200000;
inline constexpr SearchClassSet Cyrillic = 0x00400000;
inline constexpr SearchClassSet Extended = 0x00800000;
inline constexpr SearchClassSet Special = 0x01000000;
inline constexpr SearchClassSet UserDefined = 0x02000000;
inline constexpr SearchClassSet Kanji = 0x04000000;
inline constexpr SearchClassSet FullLowercase = 0x10000000;
inline constexpr SearchClassSet FullUppercase = 0x20000000;
}  // namespace searchclass

struct SearchClassToken {
    std::string_view token;  // Shift-JIS text of the token
    SearchClassSet bit;
};

// Every token in the order of the condition dialogs' buttons. Both kanji
// tokens stand for the one kanji class.
inline constexpr std::array<SearchClassToken, 20> SearchClassTokens = {{
    {"#数字#", searchclass::HalfDigit},
    {"#英字#", searchclass::HalfLetter},
    {"#区切#", searchclass::HalfPunctuation},
    {"#カナ#", searchclass::HalfKana},
    {"#制御#", searchclass::HalfControl},
    {"#捨て仮名#", searchclass::HalfSmallKana},
    {"@記号１@", searchclass::FullSymbol1},
    {"@記号２@", searchclass::FullSymbol2},
    {"@英数字@", searchclass::FullAlphanumeric},
    {"@ひら@", searchclass::Hiragana},
    {"@カナ@", searchclass::Katakana},
    {"@ギリシャ@", searchclass::Greek},
    {"@ロシア@", searchclass::Cyrillic},
    {"@拡張@", searchclass::Extended},
    {"@特殊@", searchclass::Special},
    {"@外字@", searchclass::UserDefined},
    {"@第１水準@", searchclass::Kanji},
    {"@第２水準@", searchclass::Kanji},
    {"@全角小文字@", searchclass::FullLowercase},
    {"@全角大文字@", searchclass::FullUppercase},
}};

// Search classes of one character: a single byte, or a double-byte code.
SearchClassSet SearchClassesOfByte(unsigned char b);
SearchClassSet SearchClassesOfCode(unsigned code);

// True when some character of text belongs to a class in classes.
bool ContainsClass(std::string_view text, SearchClassSet classes);

// The class bit of a condition text that is exactly a token, else 0.
SearchClassSet ClassOfToken(std::string_view conditionText);

// Half-width small kana and their normal forms, in conversion order.
struct SmallKanaPair {
    unsigned char small;
    unsigned char normal;
};
inline constexpr std::array<SmallKanaPair, 9> SmallKanaPairs = {{
    {0xA7, 0xB1},  // ｧ ｱ
    {0xA8, 0xB2},  // ｨ ｲ
    {0xA9, 0xB3},  // ｩ ｳ
    {0xAA, 0xB4},  // ｪ ｴ
    {0xAB, 0xB5},  // ｫ ｵ
    {0xAC, 0xD4},  // ｬ ﾔ
    {0xAD, 0xD5},  // ｭ ﾕ
    {0xAE, 0xD6},  // ｮ ﾖ
    {0xAF, 0xC2},  // ｯ ﾂ
}};

}  // namespace tabrix
