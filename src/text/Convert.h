// Character conversions of one Shift-JIS value: case, width, kana and small
// kana. Every conversion walks the value character by character, so the trail
// byte of a double-byte character is never converted as a character of its
// own; a character that a conversion does not cover is copied unchanged.
//
// Width mapping of the characters whose full-width form is not obvious in
// code page 932 (HalfToFull, and FullToHalf back):
//   "  0x22 <-> ＂ 0xFA57     '  0x27 <-> ＇ 0xFA56
//   \  0x5C <-> ＼ 0x815F     ~  0x7E <-> ～ 0x8160
// FullToHalf also takes the duplicates ＂ 0xEEFC and ＇ 0xEEFB. ￥ ￣ ￠ ￡ ￢
// have no single-byte form in code page 932 and stay as they are.
//
// A lead byte without its trail byte is copied as a byte of its own; the
// byte after it is never widened, so that no conversion pairs it up.
#pragma once

#include <string>
#include <string_view>

namespace tabrix {

enum class TextConversion {
    ToUpper = 0,
    ToLower = 1,
    HalfKanaToFull = 2,  // half-width kana to full-width, combining voiced marks
    HalfToFull = 3,
    FullToHalf = 4,
    HiraganaToKatakana = 5,
    KatakanaToHiragana = 6,
    FullUpperToLower = 7,
    FullLowerToUpper = 8,
};

std::string ConvertText(std::string_view value, TextConversion conversion);

enum class SmallKanaDirection {
    SmallToNormal = 1,
    NormalToSmall = 2,
};

// Half-width small kana <-> normal kana after SmallKanaPairs.
std::string ConvertSmallKana(std::string_view value, SmallKanaDirection direction);

}  // namespace tabrix
