// The format bit set of a column (FORMAT1= and FORMAT2= in the control file).
//
// One 32-bit layout serves both keys: the low 16 bits permit character classes
// of a text column, the high bits name the number, date and time notations.
// The token table lists the words of the control file in the order in which
// they are written.
#pragma once

#include <cstdint>

namespace tabrix {

using FormatBits = std::uint32_t;

// Text columns: the character classes a value may hold.
constexpr FormatBits kFmtHalfSpace = 0x00000001;      // 半ス
constexpr FormatBits kFmtHalfLetter = 0x00000002;     // 英字
constexpr FormatBits kFmtHalfDigit = 0x00000004;      // 数字
constexpr FormatBits kFmtHalfSymbol = 0x00000008;     // 記号
constexpr FormatBits kFmtHalfKana = 0x00000010;       // 半カ
constexpr FormatBits kFmtHalfSmallKana = 0x00008000;  // 半捨カ (only together with 半カ)
constexpr FormatBits kFmtFullSpace = 0x00000020;      // 全ス
constexpr FormatBits kFmtFullLetter = 0x00000040;     // 全英
constexpr FormatBits kFmtFullDigit = 0x00000080;      // 全数
constexpr FormatBits kFmtFullSymbol = 0x00000100;     // 全記
constexpr FormatBits kFmtHiragana = 0x00000200;       // 全ひ
constexpr FormatBits kFmtKatakana = 0x00000400;       // 全カ
constexpr FormatBits kFmtKanji1 = 0x00000800;         // 一漢
constexpr FormatBits kFmtKanji2 = 0x00001000;         // 二漢
constexpr FormatBits kFmtFullWidth = 0x00002000;      // 全角: every double-byte character

// Number columns.
constexpr FormatBits kFmtNum1 = 0x00010000;  // plain number
constexpr FormatBits kFmtNum2 = 0x00020000;  // zero-padded number

// Date notations.
constexpr FormatBits kFmtDate1 = 0x00100000;  // YYYYMMDD
constexpr FormatBits kFmtDate2 = 0x00200000;  // YYYY/MM/DD
constexpr FormatBits kFmtDate3 = 0x00400000;  // YYYY年MM月DD日
constexpr FormatBits kFmtDate4 = 0x00800000;  // era letter + YY.MM.DD
constexpr FormatBits kFmtDate5 = 0x01000000;  // era name + YY年MM月DD日
constexpr FormatBits kFmtDate6 = 0x02000000;  // YYYY/MM/DD hh:mm:ss

// Time notations.
constexpr FormatBits kFmtTime1 = 0x04000000;  // hhmm
constexpr FormatBits kFmtTime2 = 0x08000000;  // hh:mm
constexpr FormatBits kFmtTime3 = 0x10000000;  // hh時mm分
constexpr FormatBits kFmtTime4 = 0x20000000;  // hhmmss
constexpr FormatBits kFmtTime5 = 0x40000000;  // hh:mm:ss
constexpr FormatBits kFmtTime6 = 0x80000000;  // hh時mm分ss秒

constexpr FormatBits kFmtTextMask = 0x0000FFFF;
constexpr FormatBits kFmtNumberMask = kFmtNum1 | kFmtNum2;
constexpr FormatBits kFmtDateMask =
    kFmtDate1 | kFmtDate2 | kFmtDate3 | kFmtDate4 | kFmtDate5 | kFmtDate6;
constexpr FormatBits kFmtTimeMask =
    kFmtTime1 | kFmtTime2 | kFmtTime3 | kFmtTime4 | kFmtTime5 | kFmtTime6;

constexpr bool IsSingleBit(FormatBits bits) {
    return bits != 0 && (bits & (bits - 1)) == 0;
}
// Exactly one date notation and nothing else.
constexpr bool IsDateNotation(FormatBits bits) {
    return IsSingleBit(bits) && (bits & kFmtDateMask) != 0;
}
// Exactly one time notation and nothing else.
constexpr bool IsTimeNotation(FormatBits bits) {
    return IsSingleBit(bits) && (bits & kFmtTimeMask) != 0;
}

struct FormatToken {
    FormatBits bit;
    const char* token;  // code page 932
};

inline constexpr FormatToken kFormatTokens[] = {
    {kFmtHalfSpace, "半ス"},  {kFmtHalfLetter, "英字"}, {kFmtHalfDigit, "数字"},
    {kFmtHalfSymbol, "記号"}, {kFmtHalfKana, "半カ"},   {kFmtHalfSmallKana, "半捨カ"},
    {kFmtFullSpace, "全ス"},  {kFmtFullLetter, "全英"}, {kFmtFullDigit, "全数"},
    {kFmtFullSymbol, "全記"}, {kFmtHiragana, "全ひ"},   {kFmtKatakana, "全カ"},
    {kFmtKanji1, "一漢"},     {kFmtKanji2, "二漢"},     {kFmtFullWidth, "全角"},
    {kFmtNum1, "NUM1"},       {kFmtNum2, "NUM2"},       {kFmtDate1, "DATE1"},
    {kFmtDate2, "DATE2"},     {kFmtDate3, "DATE3"},     {kFmtDate4, "DATE4"},
    {kFmtDate5, "DATE5"},     {kFmtDate6, "DATE6"},     {kFmtTime1, "TIME1"},
    {kFmtTime2, "TIME2"},     {kFmtTime3, "TIME3"},     {kFmtTime4, "TIME4"},
    {kFmtTime5, "TIME5"},     {kFmtTime6, "TIME6"},
};

}  // namespace tabrix
