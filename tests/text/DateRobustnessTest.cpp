// Random and oversized input for every reader and writer of dates and times:
// no crash, no read past the end (the sanitizer build checks), and every
// result that is written reads back as the same value.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "text/Dates.h"

namespace tabrix {
namespace {

constexpr FormatBits kDateBits[] = {kFmtDate1, kFmtDate2, kFmtDate3,
                                    kFmtDate4, kFmtDate5, kFmtDate6};
constexpr FormatBits kTimeBits[] = {kFmtTime1, kFmtTime2, kFmtTime3,
                                    kFmtTime4, kFmtTime5, kFmtTime6};

// Mostly pieces that date and time texts are made of, so that many inputs get
// deep into the readers, with arbitrary bytes mixed in.
std::string RandomText(std::mt19937& rng) {
    static const std::string kPieces[] = {
        "0",      "1",         "2",    "9",    "12",   "2024",
        "1989",   "/",         ".",    ",",    ":",    " ",
        "-",      "+",         "年",   "月",   "日",   "時",
        "分",     "秒",        "平成", "昭和", "H",    "s",
        "%YEAR%", "%SYSDATE%", "%",    "\x81", "\x94", std::string(1, '\0'),
        "ｱ",      "\xFC\xFC",  "\t"};
    std::uniform_int_distribution<int> length(0, 12);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> coin(0, 3);
    std::string text;
    for (int n = length(rng); n > 0; --n) {
        if (coin(rng) == 0) {
            text += static_cast<char>(byte(rng));
        } else {
            text += kPieces[piece(rng)];
        }
    }
    return text;
}

void CheckDateText(const std::string& input, const EraTable& eras) {
    const std::vector<char> exact(input.begin(), input.end());
    const std::string_view view(exact.data(), exact.size());
    LocalDateTime parsed;
    const bool isDate = ParseDate(view, eras, parsed);
    for (const FormatBits bit : kDateBits) {
        std::string text = input;
        const bool written = FormatDate(text, eras, bit);
        if (!written) {
            ASSERT_EQ(text, input);
            continue;
        }
        ASSERT_TRUE(isDate) << input;
        LocalDateTime reread;
        const bool eraYearTooWide =
            (bit == kFmtDate4 || bit == kFmtDate5) &&
            parsed.year -
                    EraOf(eras, DayNumber(parsed.year, parsed.month, parsed.day))->startYear >=
                99;
        if (eraYearTooWide) continue;
        ASSERT_TRUE(ParseDate(text, eras, reread)) << input << " -> " << text;
        EXPECT_EQ(reread.year, parsed.year);
        EXPECT_EQ(reread.month, parsed.month);
        EXPECT_EQ(reread.day, parsed.day);
        if (bit == kFmtDate6) {
            EXPECT_EQ(reread, parsed);
        }
    }
    std::string weekday = input;
    EXPECT_EQ(WeekdayOf(weekday, eras), isDate);
    int years = -1;
    if (AgeOf(view, eras, years, FixedClock({2024, 1, 5}))) {
        EXPECT_GE(years, 0);
    }
}

void CheckTimeText(const std::string& input) {
    const std::vector<char> exact(input.begin(), input.end());
    TimeOfDay parsed;
    const bool isTime = ParseTime(std::string_view(exact.data(), exact.size()), parsed);
    for (const FormatBits bit : kTimeBits) {
        std::string text = input;
        const bool written = FormatTime(text, bit);
        ASSERT_EQ(written, isTime) << input;
        if (!written) {
            ASSERT_EQ(text, input);
            continue;
        }
        TimeOfDay reread;
        ASSERT_TRUE(ParseTime(text, reread)) << input << " -> " << text;
        EXPECT_EQ(reread.hour, parsed.hour);
        EXPECT_EQ(reread.minute, parsed.minute);
        const bool keepsSeconds = bit == kFmtTime4 || bit == kFmtTime5 || bit == kFmtTime6;
        EXPECT_EQ(reread.second, keepsSeconds ? parsed.second : 0);
    }
}

TEST(DateRobustness, RandomTextNeverBreaksTheReadersOrWriters) {
    std::mt19937 rng(20240105);
    const EraTable eras = DefaultEraTable();
    const FixedClock clock({2024, 1, 5, 9, 3, 7});
    for (int i = 0; i < 20000; ++i) {
        const std::string input = RandomText(rng);
        SCOPED_TRACE(testing::PrintToString(input));
        CheckDateText(input, eras);
        CheckTimeText(input);
        std::string expanded = input;
        if (!ExpandDateMacros(expanded, clock)) {
            EXPECT_EQ(expanded, input);
        }
    }
}

TEST(DateRobustness, HugeTextsFailQuickly) {
    const std::string bigDigits(1 << 20, '9');
    const std::string bigLeads(1 << 20, '\x81');
    std::string grownDate = "2024/01/05";
    grownDate.resize(1 << 20, '0');
    const std::string bigDate = grownDate;
    for (const std::string* text : {&bigDigits, &bigLeads, &bigDate}) {
        LocalDateTime date;
        EXPECT_FALSE(ParseDate(*text, DefaultEraTable(), date));
        TimeOfDay time;
        EXPECT_FALSE(ParseTime(*text, time));
        std::string copy = *text;
        EXPECT_FALSE(FormatDate(copy, DefaultEraTable(), kFmtDate2));
        EXPECT_FALSE(FormatTime(copy, kFmtTime2));
        EXPECT_FALSE(ExpandDateMacros(copy, FixedClock({2024, 1, 5})));
        EXPECT_EQ(copy, *text);
    }
}

TEST(DateRobustness, HugeTextOfMacrosExpandsEveryOne) {
    std::string text;
    for (int i = 0; i < 100000; ++i) text += "%YEAR%ｱ";
    ASSERT_TRUE(ExpandDateMacros(text, FixedClock({2024, 1, 5})));
    EXPECT_EQ(text.size(), 100000u * 5);
    EXPECT_EQ(text.substr(0, 10), "2024ｱ2024ｱ");
}

}  // namespace
}  // namespace tabrix
