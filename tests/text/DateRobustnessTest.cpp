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

// Pieces that date and time texts are made of, and some that break them.
const std::string kPieces[] = {
    "0",      "1",  "2",    "9",    "12",   "2024", "1989",     "/",
    ".",      ",",  ":",    " ",    "-",    "+",    "年",       "月",
    "日",     "時", "分",   "秒",   "平成", "昭和", "H",        "s",
    "%YEAR%", "%",  "\x81", "\x94", "ｱ",    "\t",   "\xFC\xFC", std::string(1, '\0')};

// Texts that read, for the mutations to start from.
const std::string kSeeds[] = {
    "2024/01/05",  "20240105",  "2024.1.5",           "2024年1月5日", "2024/01/05 09:30:00",
    "H36.01.05",   "s64.01.07", "平成01年01月08日",   "0930",         "9:30:15",
    "9時30分15秒", "093015",    "%SYSDATE% %SYSTIME%"};

template <typename T>
const T& Pick(std::mt19937& rng, const T* items, std::size_t count) {
    return items[std::uniform_int_distribution<std::size_t>(0, count - 1)(rng)];
}

// Either a random string of pieces and bytes, or a seed with a few bytes
// replaced, inserted or removed, so that many inputs get deep into the readers.
std::string RandomText(std::mt19937& rng) {
    std::uniform_int_distribution<int> small(0, 3);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string text;
    if (small(rng) == 0) {
        for (int n = std::uniform_int_distribution<int>(0, 12)(rng); n > 0; --n) {
            if (small(rng) == 0) {
                text += static_cast<char>(byte(rng));
            } else {
                text += Pick(rng, kPieces, std::size(kPieces));
            }
        }
        return text;
    }
    text = Pick(rng, kSeeds, std::size(kSeeds));
    for (int n = small(rng); n > 0 && !text.empty(); --n) {
        const std::size_t at = std::uniform_int_distribution<std::size_t>(0, text.size() - 1)(rng);
        switch (small(rng)) {
            case 0:
                text[at] = static_cast<char>(byte(rng));
                break;
            case 1:
                text.insert(at, Pick(rng, kPieces, std::size(kPieces)));
                break;
            case 2:
                text.erase(at, 1);
                break;
            default:
                text[at] = static_cast<char>('0' + byte(rng) % 10);
                break;
        }
    }
    return text;
}

// Counts the inputs that were dates.
void CheckDateText(const std::string& input, const EraTable& eras, int& dates) {
    const std::vector<char> exact(input.begin(), input.end());
    const std::string_view view(exact.data(), exact.size());
    LocalDateTime parsed;
    const bool isDate = ParseDate(view, eras, parsed);
    dates += isDate ? 1 : 0;
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

// Counts the inputs that were times.
void CheckTimeText(const std::string& input, int& times) {
    const std::vector<char> exact(input.begin(), input.end());
    TimeOfDay parsed;
    const bool isTime = ParseTime(std::string_view(exact.data(), exact.size()), parsed);
    times += isTime ? 1 : 0;
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
    int dates = 0;
    int times = 0;
    for (int i = 0; i < 50000; ++i) {
        const std::string input = RandomText(rng);
        SCOPED_TRACE(testing::PrintToString(input));
        CheckDateText(input, eras, dates);
        CheckTimeText(input, times);
        std::string expanded = input;
        if (!ExpandDateMacros(expanded, clock)) {
            EXPECT_EQ(expanded, input);
        }
    }
    // The generator must reach past the first checks of the readers.
    EXPECT_GT(dates, 1000);
    EXPECT_GT(times, 1000);
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
