#include <gtest/gtest.h>

#include <string>

#include "RewriteCases.h"
#include "text/Dates.h"

namespace tabrix {
namespace {

const RewriteCase kDateCases[] = {
    {"20240105", kFmtDate1, "20240105"},
    {"2024/1/5", kFmtDate1, "20240105"},
    {"2024/01/05 09:30:00", kFmtDate1, "20240105"},
    {"20240105", kFmtDate2, "2024/01/05"},
    {"H36.01.05", kFmtDate2, "2024/01/05"},
    {"2024.1.5", kFmtDate3, "2024年01月05日"},
    {"2024/1/5", kFmtDate4, "H36.01.05"},
    {"2024/1/5", kFmtDate5, "平成36年01月05日"},
    {"20240105", kFmtDate6, "2024/01/05 00:00:00"},
    {"2024/01/05 09:30:15", kFmtDate6, "2024/01/05 09:30:15"},
    // Era boundaries: the first day belongs to the new era.
    {"1926/12/25", kFmtDate4, "S01.12.25"},
    {"1926/12/24", kFmtDate4, "T15.12.24"},
    {"1989/01/08", kFmtDate4, "H01.01.08"},
    {"1989/01/08", kFmtDate5, "平成01年01月08日"},
    {"1989/01/07", kFmtDate4, "S64.01.07"},
    {"1989/01/07", kFmtDate5, "昭和64年01月07日"},
    {"1912/07/30", kFmtDate5, "大正01年07月30日"},
    {"1868/09/08", kFmtDate4, "M01.09.08"},
    {"9999/12/31", kFmtDate4, "H8011.12.31"},
    // Before the first era there is no era notation.
    {"1868/09/07", kFmtDate4, nullptr},
    {"1868/09/07", kFmtDate5, nullptr},
    {"1868/09/07", kFmtDate2, "1868/09/07"},
    {"2024/02/30", kFmtDate2, nullptr},
    {"x", kFmtDate2, nullptr},
    {"", kFmtDate2, nullptr},
    // Only one date notation is a notation.
    {"20240105", kFmtTime1, nullptr},
    {"20240105", kFmtDate1 | kFmtDate2, nullptr},
    {"20240105", 0, nullptr},
};

TEST(FormatDate, WritesTheNotationOrLeavesTheText) {
    ExpectDateRewrites(DefaultEraTable(), kDateCases);
}

const RewriteCase kTimeCases[] = {
    {"0930", kFmtTime1, "0930"},         {"9:30", kFmtTime2, "09:30"},
    {"9.30", kFmtTime3, "09時30分"},     {"9,30", kFmtTime4, "093000"},
    {"9時30分", kFmtTime5, "09:30:00"},  {"093015", kFmtTime6, "09時30分15秒"},
    {"9:30:15", kFmtTime1, "0930"},      {"9時30分15秒", kFmtTime2, "09:30"},
    {"9:30:15", kFmtTime3, "09時30分"},  {"9:30:15", kFmtTime4, "093015"},
    {"23.59.59", kFmtTime5, "23:59:59"}, {"24:00", kFmtTime2, nullptr},
    {"9:30am", kFmtTime2, nullptr},      {"930", kFmtTime2, nullptr},
    {"0930", kFmtDate1, nullptr},        {"0930", kFmtTime1 | kFmtTime2, nullptr},
};

TEST(FormatTime, WritesTheNotationOrLeavesTheText) {
    ExpectRewrites(kTimeCases,
                   [](std::string& text, FormatBits bit) { return FormatTime(text, bit); });
}

TEST(WeekdayOf, GivesTheWeekdayCharacter) {
    const RewriteCase cases[] = {{"2024/01/01", 0, "月"}, {"1989/01/08", 0, "日"},
                                 {"H01.01.08", 0, "日"},  {"2024/01/06", 0, "土"},
                                 {"20240103", 0, "水"},   {"2024/02/30", 0, nullptr}};
    ExpectRewrites(
        cases, [](std::string& text, FormatBits) { return WeekdayOf(text, DefaultEraTable()); });
}

TEST(AgeOf, CountsCompletedCalendarYears) {
    const struct {
        LocalDateTime today;
        const char* birth;
        int years;  // -1: an error
    } cases[] = {
        {{2002, 1, 1}, "2001/01/01", 1},
        {{2001, 12, 31}, "2001/01/01", 0},
        {{2024, 5, 4}, "1990/05/05", 33},
        {{2024, 5, 5}, "1990/05/05", 34},
        {{2024, 5, 5}, "2024/05/05", 0},
        {{2024, 5, 5}, "2024/05/06", -1},  // after today
        {{2024, 5, 5}, "H01.01.08", 35},
        {{2024, 5, 5}, "2024/05/05 23:59:59", 0},
        // A 29 February birthday is reached on 1 March in a common year.
        {{2001, 2, 28}, "2000/02/29", 0},
        {{2001, 3, 1}, "2000/02/29", 1},
        {{2004, 2, 28}, "2000/02/29", 3},
        {{2004, 2, 29}, "2000/02/29", 4},
        {{2024, 5, 5}, "not a date", -1},
        {{0, 0, 0}, "2000/01/01", -1},  // a clock without a usable date
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.birth) + " on " + DateText(c.today));
        int years = -99;
        const bool ok = AgeOf(c.birth, DefaultEraTable(), years, FixedClock(c.today));
        EXPECT_EQ(ok, c.years >= 0);
        EXPECT_EQ(years, ok ? c.years : -99);
    }
}

TEST(TodayText, WritesTheClockDate) {
    EXPECT_EQ(TodayText(FixedClock({2024, 1, 5, 9, 30, 0})), "2024/01/05");
    LocalDateTime date;
    EXPECT_TRUE(ParseDate(TodayText(), DefaultEraTable(), date));
}

class CountingClock final : public Clock {
public:
    LocalDateTime now() const override {
        ++reads;
        return {2024, 1, 5, 9, 3, 7};
    }
    mutable int reads = 0;
};

TEST(ExpandDateMacros, ReplacesEveryMacroReadingTheClockOnce) {
    const struct {
        const char* text;
        const char* expanded;
    } cases[] = {
        {"%YEAR%-%YEAR%", "2024-2024"},
        {"%HIGHTDATE%", "9999/12/31"},
        {"%AUTODATE%|%SYSDATE%", "2024/01/05|2024/01/05"},
        {"%YEAR%%MONTH%%DAY%", "20240105"},
        {"%SYSTIME%", "09:03"},
        {"%HOUR%:%MIN%:%SEC%", "09:03:07"},
        {"開始%SYSDATE%終了", "開始2024/01/05終了"},
        {"%MONTH%YEAR%", "%MONTH2024"},  // a shared '%' goes to the macro listed first
        {"%year%", nullptr},
        {"%YEAR", nullptr},
        {"no macro", nullptr},
        {"ソ%YEAR%\x81", "ソ2024\x81"},  // a lone lead byte stays as it is
        {"", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CountingClock clock;
        std::string text = c.text;
        EXPECT_EQ(ExpandDateMacros(text, clock), c.expanded != nullptr);
        EXPECT_EQ(text, c.expanded != nullptr ? c.expanded : c.text);
        EXPECT_LE(clock.reads, 1);
    }
}

}  // namespace
}  // namespace tabrix
