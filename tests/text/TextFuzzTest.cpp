// Random byte strings, malformed Shift-JIS included, through the codec, the
// character classes and every conversion: nothing may read past the end
// (the sanitizer build checks), split a character, or grow beyond its rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "support/FuzzRounds.h"
#include "text/CharClass.h"
#include "text/Convert.h"
#include "text/NumberText.h"
#include "text/Record.h"
#include "text/SjisChar.h"
#include "text/ValueEdit.h"
#include "text/Wildcard.h"

namespace tabrix {
namespace {

const int kRounds = test::FuzzRounds(3000);

// Bytes weighted towards the ones that matter: quotes, delimiters, control
// bytes and NUL, lead bytes (often without a proper trail), trail bytes such
// as 0x5C and 0x7C, half-width kana, digits and signs.
std::string RandomBytes(std::mt19937& rng, std::size_t maxLength) {
    static const unsigned char kInteresting[] = {
        '"', ',', '\t', ' ', '|', '\r', '\n', 0x00, 0x1F, 0x7F, 0x80, 0xA0, 0xFD, 0xFF, 0x81, 0x82, 0x83, 0x88,
        0x9F, 0xE0, 0xEE, 0xFA, 0xFC, 0x40, 0x5C, 0x7C, 0x7E, 0xA7, 0xB1, 0xB6, 0xCA, 0xDE, 0xDF, '0', '9',
        '-', '+', '.', 'a', 'Z', '*', '?'};
    std::string s;
    const std::size_t length = rng() % (maxLength + 1);
    for (std::size_t i = 0; i < length; ++i) {
        s += rng() % 3 == 0 ? static_cast<char>(rng() % 256)
                            : static_cast<char>(kInteresting[rng() % sizeof kInteresting]);
    }
    return s;
}

bool EndsWithLoneLead(const std::string& s) {
    std::size_t last = 0;
    for (std::size_t p = 0; p < s.size(); p = NextChar(s, p)) last = p;
    return !s.empty() && IsLeadByte(s[last]) && last + 1 == s.size();
}

std::vector<std::size_t> CharStarts(const std::string& s) {
    std::vector<std::size_t> starts;
    for (std::size_t p = 0; p < s.size(); p = NextChar(s, p)) starts.push_back(p);
    return starts;
}

TEST(TextFuzz, CodecRowsSplitAndJoinBack) {
    std::mt19937 rng(test::FuzzSeed(7001));
    for (int i = 0; i < kRounds; ++i) {
        const std::string line = RandomBytes(rng, 80);
        for (const char delim : {',', '\t', ' ', '|'}) {
            for (const bool strip : {false, true}) {
                std::string row = line;
                const int count = CountFields(row, delim, true, strip);
                ASSERT_LE(row.size(), line.size());
                // A record of one empty field ("" alone) becomes the empty row string.
                ASSERT_EQ(RowFieldCount(row), row.empty() ? 0 : count) << testing::PrintToString(line);
                ASSERT_TRUE(!row.empty() || count <= 1);
                const int width = RowFieldCount(row);
                std::vector<std::string> fields;
                ASSERT_TRUE(SplitFields(row, fields, width));
                ASSERT_EQ(JoinFields(fields, width, kTab), row) << testing::PrintToString(line);
                if (width > 1) {
                    ASSERT_FALSE(SplitFields(row, fields, width - 1));
                }
                EXPECT_EQ(CountFields(std::string_view(line), delim), line.empty() ? 0 : CountFields(line, delim));
            }
        }
    }
}

TEST(TextFuzz, ClassesStayInsideTheText) {
    std::mt19937 rng(test::FuzzSeed(7002));
    for (int i = 0; i < kRounds; ++i) {
        const std::string text = RandomBytes(rng, 40);
        for (std::size_t p = 0; p < text.size(); p = NextChar(text, p)) {
            const InputClass c = InputClassOf(text, p);
            const bool single = CharLength(text, p) == 1;
            if (IsLeadByte(text[p])) {
                EXPECT_TRUE(!single || c == InputClass::FullOther);
            } else {
                EXPECT_GE(static_cast<int>(c), static_cast<int>(InputClass::HalfKana));
            }
        }
        ContainsClass(text, static_cast<SearchClassSet>(rng()));
        ClassOfToken(text);
    }
}

TEST(TextFuzz, ConversionsKeepCharactersWhole) {
    std::mt19937 rng(test::FuzzSeed(7003));
    for (int i = 0; i < kRounds; ++i) {
        const std::string value = RandomBytes(rng, 40);
        const bool loneLead = EndsWithLoneLead(value);
        for (int k = 0; k <= 8; ++k) {
            const auto conversion = static_cast<TextConversion>(k);
            const std::string out = ConvertText(value, conversion);
            SCOPED_TRACE(testing::PrintToString(value) + " conversion " + std::to_string(k));
            EXPECT_TRUE(!EndsWithLoneLead(out) || loneLead);
            switch (conversion) {
            case TextConversion::FullToHalf:
                EXPECT_LE(out.size(), value.size());
                EXPECT_EQ(ConvertText(out, conversion), out);
                break;
            case TextConversion::HalfToFull:
            case TextConversion::HalfKanaToFull:
                EXPECT_LE(out.size(), 2 * value.size());
                EXPECT_EQ(ConvertText(out, conversion), out);
                break;
            default:  // one character for one, same width
                EXPECT_EQ(CharStarts(out), CharStarts(value));
                EXPECT_EQ(out.size(), value.size());
                break;
            }
        }
        for (const auto direction : {SmallKanaDirection::SmallToNormal, SmallKanaDirection::NormalToSmall}) {
            const std::string out = ConvertSmallKana(value, direction);
            EXPECT_EQ(CharStarts(out), CharStarts(value));
        }
    }
}

TEST(TextFuzz, ValueEditsCutOnlyAtCharacterStarts) {
    std::mt19937 rng(test::FuzzSeed(7004));
    for (int i = 0; i < kRounds; ++i) {
        const std::string value = RandomBytes(rng, 30);
        const std::string text = RandomBytes(rng, 3);
        const auto starts = CharStarts(value);
        auto isStart = [&](std::size_t p) {
            return p == value.size() || std::find(starts.begin(), starts.end(), p) != starts.end();
        };
        SCOPED_TRACE(testing::PrintToString(value) + " / " + testing::PrintToString(text));

        const int count = static_cast<int>(rng() % 40) - 5;
        const std::string left = LeftBytes(value, count);
        EXPECT_EQ(left + RestAfterBytes(value, count), value);
        EXPECT_LE(static_cast<int>(left.size()), std::max(count, 0));
        EXPECT_TRUE(isStart(left.size()));

        const std::string leading = StripLeadingText(value, text);
        ASSERT_TRUE(value.ends_with(leading));
        EXPECT_TRUE(isStart(value.size() - leading.size()));
        const std::string trailing = StripTrailingText(value, text);
        ASSERT_TRUE(value.starts_with(trailing));
        EXPECT_TRUE(isStart(trailing.size()));

        const std::string quoted = QuoteValue(value);
        EXPECT_TRUE(quoted == value || quoted == "\"" + value + "\"");
        EXPECT_LE(UnquoteValue(value).size(), value.size());

        const int target = static_cast<int>(rng() % 20);
        const std::string padded = AddText(value, text, AddPosition::Before, true, target);
        EXPECT_TRUE(padded.ends_with(value));
        if (!text.empty() && static_cast<int>(value.size()) < target) {
            EXPECT_GE(static_cast<int>(padded.size()), target);
            EXPECT_LT(padded.size(), target + text.size());
        }
    }
}

TEST(TextFuzz, NumberFormatsAgreeWithEachOther) {
    std::mt19937 rng(test::FuzzSeed(7005));
    for (int i = 0; i < kRounds; ++i) {
        const std::string value = RandomBytes(rng, 12);
        SCOPED_TRACE(testing::PrintToString(value));
        std::string plain, grouped, yen;
        const bool numeric = FormatNumberText(value, NumberFormatMode::Plain, plain);
        EXPECT_EQ(numeric, IsNumericText(value));
        EXPECT_EQ(FormatNumberText(value, NumberFormatMode::Grouped, grouped), numeric);
        EXPECT_EQ(FormatNumberText(value, NumberFormatMode::YenGrouped, yen), numeric);
        if (!numeric) {
            EXPECT_EQ(plain, value);
            continue;
        }
        // A yen sign before a minus or plus sign is a second sign: such text
        // is for display and no longer numeric.
        const bool hasSign = yen.find_first_of("+-") != std::string::npos;
        for (const std::string* form : {&plain, &grouped, &yen}) {
            if ((form == &yen && hasSign) || form->empty()) continue;  // a sign or comma alone leaves nothing
            EXPECT_TRUE(IsNumericText(*form)) << *form;
            std::string again;
            FormatNumberText(*form, NumberFormatMode::Plain, again);
            EXPECT_EQ(again, plain) << *form;
        }
        std::string regrouped;
        FormatNumberText(grouped, NumberFormatMode::Grouped, regrouped);
        EXPECT_EQ(regrouped, grouped);
        GroupThousands(value, rng() % 2 == 0);
    }
}

TEST(TextFuzz, WildcardsOnMalformedText) {
    std::mt19937 rng(test::FuzzSeed(7006));
    for (int i = 0; i < kRounds; ++i) {
        const std::string text = RandomBytes(rng, 30);
        const std::string pattern = RandomBytes(rng, 8);
        WildcardMatch(pattern, text);
        EXPECT_TRUE(WildcardMatch("*", text));
        EXPECT_TRUE(WildcardMatch(text, text) || text.find_first_of("*?") != std::string::npos);
        EXPECT_EQ(WildcardMatch(std::string(text.size(), '?'), text), true);
    }
}

}  // namespace
}  // namespace tabrix
