#include "text/Convert.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cwctype>
#include <locale.h>

#include "text/CodeOracle.h"
#include "text/Cp932.h"

namespace tabrix {
namespace {

using testing::CodeBytes;
using testing::CodePointOf;
using testing::CodePointOfCode;

std::string Convert(const std::string& value, TextConversion conversion) { return ConvertText(value, conversion); }

TEST(ConvertText, Cases) {
    using enum TextConversion;
    const struct {
        std::string value;
        TextConversion conversion;
        std::string expected;
    } cases[] = {
        {"ア", ToLower, "ア"},  // the trail byte 0x41 is not the letter A
        {"ＡBC", ToLower, "ａbc"},
        {"abcａαя", ToUpper, "ABCＡΑЯ"},
        {"ЁЯОПё", ToLower, "ёяопё"},
        {"ヂｱ1", ToUpper, "ヂｱ1"},  // ヂ ends in 0x61
        {"ｶﾞｷﾞﾊﾟｱﾞABC", HalfKanaToFull, "ガギパア゛ABC"},
        {"ｱﾞ", HalfKanaToFull, "ア゛"},
        {"ﾞ", HalfKanaToFull, "゛"},
        {"ｶﾞﾞ", HalfKanaToFull, "ガ゛"},
        {"ｳﾞﾜﾞｦﾞﾞﾞ", HalfKanaToFull, "ヴワ゛ヲ゛゛゛"},
        {"ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟｶﾟ", HalfKanaToFull, "パピプペポカ゜"},
        {"｡｢｣､･ｰｧｯﾝ", HalfKanaToFull, "。「」、・ーァッン"},
        {"ｱ\x83", HalfKanaToFull, "ア\x83"},
        {"ｶﾞA1", HalfToFull, "カ゛Ａ１"},
        {"\t", HalfToFull, "\t"},
        {"a b", HalfToFull, "ａ　ｂ"},
        {"\"'\\~", HalfToFull, "＂＇＼～"},
        {"\x7F\x80\xA0\xFD", HalfToFull, "\x7F\x80\xA0\xFD"},
        {"a\x83 b\x9F", HalfToFull, "ａ\x83 ｂ\x9F"},  // lead bytes without trail bytes
        {"\x83 ｱ", HalfKanaToFull, "\x83 ア"},
        {"\x83 ", FullToHalf, "\x83 "},
        {"a\x83\ta", ToUpper, "A\x83\tA"},
        {"ガ", FullToHalf, "ｶﾞ"},
        {"あ", FullToHalf, "あ"},
        {"パヴ", FullToHalf, "ﾊﾟｳﾞ"},
        {"ヮヰヱヵヶ", FullToHalf, "ヮヰヱヵヶ"},
        {"￥￣￠￡￢", FullToHalf, "￥￣￠￡￢"},
        {"　ＡＢ１！－", FullToHalf, " AB1!-"},
        {"＂＇＼～\xEE\xFC\xEE\xFB", FullToHalf, "\"'\\~\"'"},
        {"。「」、・ー゛゜", FullToHalf, "｡｢｣､･ｰﾞﾟ"},
        {"あいうむんゝゞ", HiraganaToKatakana, "アイウムンヽヾ"},
        {"ヴァ", KatakanaToHiragana, "ヴぁ"},
        {"ミムヵヶヽヾ", KatakanaToHiragana, "みむヵヶゝゞ"},
        {"ｱｶﾞ", HiraganaToKatakana, "ｱｶﾞ"},
        {"ＡaΑ", FullUpperToLower, "ａaΑ"},
        {"ａaα", FullLowerToUpper, "Ａaα"},
        {"", HalfToFull, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value + " / " + std::to_string(static_cast<int>(c.conversion)));
        EXPECT_EQ(ConvertText(c.value, c.conversion), c.expected);
    }
}

TEST(ConvertText, HalfToFullOfAsciiIsTheUnicodeFullWidthForm) {
    for (unsigned b = 0x21; b <= 0x7E; ++b) {
        const char32_t full = 0xFF01 + (b - 0x21);
        const char utf8[] = {static_cast<char>(0xE0 | (full >> 12)), static_cast<char>(0x80 | ((full >> 6) & 0x3F)),
                             static_cast<char>(0x80 | (full & 0x3F)), 0};
        std::string expected;
        ASSERT_TRUE(Utf8ToCp932(utf8, expected)) << b;
        EXPECT_EQ(Convert(std::string(1, static_cast<char>(b)), TextConversion::HalfToFull), expected) << b;
    }
}

TEST(ConvertText, WidthConversionsRoundTripEveryPrintableByte) {
    for (unsigned b = 0x20; b <= 0xDF; ++b) {
        if (b > 0x7E && b < 0xA1) continue;
        const std::string half(1, static_cast<char>(b));
        const std::string full = Convert(half, TextConversion::HalfToFull);
        EXPECT_EQ(full.size(), 2u) << b;
        EXPECT_NE(CodePointOf(full), 0u) << b;  // valid code page 932
        EXPECT_EQ(Convert(full, TextConversion::FullToHalf), half) << b;
    }
}

TEST(ConvertText, FullToHalfIsUndoneByTheWideningConversions) {
    testing::ForEachDoubleByteCode([](unsigned code) {
        const std::string full = CodeBytes(code);
        const std::string half = Convert(full, TextConversion::FullToHalf);
        if (half == full) return;
        SCOPED_TRACE(code);
        const unsigned char first = static_cast<unsigned char>(half[0]);
        if (first < 0x80) {
            ASSERT_EQ(half.size(), 1u);
            const bool duplicate = code == 0xEEFC || code == 0xEEFB;  // second codes of ＂ and ＇
            EXPECT_EQ(Convert(half, TextConversion::HalfToFull), duplicate ? (half == "\"" ? "＂" : "＇") : full);
        } else {
            EXPECT_EQ(Convert(half, TextConversion::HalfKanaToFull), full);
        }
    });
}

TEST(ConvertText, CaseConversionsFollowUnicodeInsideTheThreeAlphabets) {
    locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    if (!utf8) GTEST_SKIP() << "no C.UTF-8 locale";
    auto inAlphabets = [](char32_t c) {
        return (c >= 0xFF21 && c <= 0xFF5A) || (c >= 0x0391 && c <= 0x03C9) || (c >= 0x0401 && c <= 0x045F);
    };
    auto encode = [](char32_t c) {
        std::string utf8s;
        if (c < 0x800) {
            utf8s = {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
        } else {
            utf8s = {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                     static_cast<char>(0x80 | (c & 0x3F))};
        }
        std::string out;
        return Utf8ToCp932(utf8s, out) ? out : std::string();
    };
    testing::ForEachDoubleByteCode([&](unsigned code) {
        const std::string bytes = CodeBytes(code);
        const char32_t c = CodePointOfCode(code);
        const auto upper = static_cast<char32_t>(towupper_l(static_cast<wint_t>(c), utf8));
        const auto lower = static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), utf8));
        const std::string expectedUpper = c && upper != c && inAlphabets(c) ? encode(upper) : bytes;
        const std::string expectedLower = c && lower != c && inAlphabets(c) ? encode(lower) : bytes;
        EXPECT_EQ(Convert(bytes, TextConversion::ToUpper), expectedUpper) << std::hex << code;
        EXPECT_EQ(Convert(bytes, TextConversion::ToLower), expectedLower) << std::hex << code;
    });
    freelocale(utf8);
}

TEST(ConvertText, HiraganaAndKatakanaAreEachOthersInverse) {
    for (unsigned code = 0x829F; code <= 0x82F1; ++code) {
        const std::string hiragana = CodeBytes(code);
        const std::string katakana = Convert(hiragana, TextConversion::HiraganaToKatakana);
        EXPECT_EQ(CodePointOf(katakana), CodePointOfCode(code) + 0x60) << code;
        EXPECT_EQ(Convert(katakana, TextConversion::KatakanaToHiragana), hiragana) << code;
    }
    for (unsigned code = 0x8340; code <= 0x8393; ++code) {
        if (code == 0x837F) continue;
        const std::string katakana = CodeBytes(code);
        EXPECT_EQ(Convert(Convert(katakana, TextConversion::KatakanaToHiragana), TextConversion::HiraganaToKatakana),
                  katakana)
            << code;
    }
}

TEST(ConvertSmallKana, BothDirectionsAndTrailBytesUntouched) {
    EXPECT_EQ(ConvertSmallKana("「ｧｨｩｪｫｬｭｮｯ」", SmallKanaDirection::SmallToNormal), "「ｱｲｳｴｵﾔﾕﾖﾂ」");
    EXPECT_EQ(ConvertSmallKana("「ｱｲｳｴｵﾔﾕﾖﾂ」", SmallKanaDirection::NormalToSmall), "「ｧｨｩｪｫｬｭｮｯ」");
    EXPECT_EQ(ConvertSmallKana("ｶｯﾀｰｧ", SmallKanaDirection::NormalToSmall), "ｶｯﾀｰｧ");
    EXPECT_EQ(ConvertSmallKana("ァぁ", SmallKanaDirection::SmallToNormal), "ァぁ");
    const std::string trail = "\x88\xB1\x88\xA7";  // trail bytes ｱ and ｧ
    EXPECT_EQ(ConvertSmallKana(trail, SmallKanaDirection::NormalToSmall), trail);
    EXPECT_EQ(ConvertSmallKana(trail, SmallKanaDirection::SmallToNormal), trail);
}

}  // namespace
}  // namespace tabrix
