#include "text/Era.h"

#include <gtest/gtest.h>

#include <string>

#include "RewriteCases.h"
#include "text/Dates.h"

namespace tabrix {
namespace {

TEST(EraTable, DefaultsAreTheFourModernEras) {
    const EraTable& eras = DefaultEraTable();
    const struct {
        const char *text, *letter, *name;
        int y, m, d;
    } expected[] = {{"1868/09/08", "M", "明治", 1868, 9, 8},
                    {"1912/07/30", "T", "大正", 1912, 7, 30},
                    {"1926/12/25", "S", "昭和", 1926, 12, 25},
                    {"1989/01/08", "H", "平成", 1989, 1, 8}};
    for (std::size_t i = 0; i < eras.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(eras[i].startText, expected[i].text);
        EXPECT_EQ(eras[i].shortName, expected[i].letter);
        EXPECT_EQ(eras[i].longName, expected[i].name);
        EXPECT_EQ(eras[i].startYear, expected[i].y);
        EXPECT_EQ(eras[i].startMonth, expected[i].m);
        EXPECT_EQ(eras[i].startDay, expected[i].d);
        EXPECT_EQ(eras[i].startDayNumber, DayNumber(expected[i].y, expected[i].m, expected[i].d));
    }
}

// The last entry replaced, as a user does for a new era in the options.
EraTable ReiwaTable() {
    return MakeEraTable({"1868/09/08", "1912/07/30", "1926/12/25", "2019/05/01"},
                        {"M", "T", "S", "R"}, {"明治", "大正", "昭和", "令和"});
}

TEST(EraTable, SettingsDecideWhichErasAreReadAndWritten) {
    const RewriteCase cases[] = {
        {"R06.01.05", kFmtDate2, "2024/01/05"},
        {"r06.01.05", kFmtDate2, "2024/01/05"},
        {"令和06年01月05日", kFmtDate2, "2024/01/05"},
        {"2019/05/01", kFmtDate4, "R01.05.01"},
        {"2019/05/01", kFmtDate5, "令和01年05月01日"},
        {"2019/04/30", kFmtDate4, "S94.04.30"},  // the table no longer knows 平成
        {"H31.04.30", kFmtDate2, nullptr},
        {"平成31年04月30日", kFmtDate2, nullptr},
    };
    ExpectDateRewrites(ReiwaTable(), cases);
}

TEST(EraTable, ALaterFirstEraLeavesEarlierDatesWithoutEra) {
    const RewriteCase cases[] = {
        {"1912/07/29", kFmtDate4, nullptr},
        {"M45.07.29", kFmtDate2, nullptr},
        {"H31.04.30", kFmtDate5, "平成31年04月30日"},
    };
    ExpectDateRewrites(MakeEraTable({"1912/07/30", "1926/12/25", "1989/01/08", "2019/05/01"},
                                    {"T", "S", "H", "R"}, {"大正", "昭和", "平成", "令和"}),
                       cases);
}

TEST(EraTable, LowerCaseLettersInTheSettingsReadBack) {
    const RewriteCase cases[] = {
        {"2024/01/05", kFmtDate4, "h36.01.05"},
        {"h36.01.05", kFmtDate1, "20240105"},
        {"H36.01.05", kFmtDate1, "20240105"},
    };
    ExpectDateRewrites(MakeEraTable({"1868/09/08", "1912/07/30", "1926/12/25", "1989/01/08"},
                                    {"m", "t", "s", "h"}, {"明治", "大正", "昭和", "平成"}),
                       cases);
}

TEST(EraTable, StartDatesMayUseAnyWesternNotation) {
    const EraTable eras = MakeEraTable({"1868.9.8", "19120730", "1926年12月25日", "2019/5/1"},
                                       {"M", "T", "S", "R"}, {"明治", "大正", "昭和", "令和"});
    EXPECT_EQ(eras[0].startDayNumber, DefaultEraTable()[0].startDayNumber);
    EXPECT_EQ(eras[1].startDayNumber, DefaultEraTable()[1].startDayNumber);
    EXPECT_EQ(eras[2].startDayNumber, DefaultEraTable()[2].startDayNumber);
    EXPECT_EQ(eras[3].startDayNumber, DayNumber(2019, 5, 1));
    EXPECT_EQ(eras[2].startText, "1926年12月25日");
}

TEST(EraTable, AnUnreadableStartDateMakesItsEraUnusable) {
    const EraTable eras = MakeEraTable({"1868/09/08", "1912/07/30", "1926/12/25", "H01.01.08"},
                                       {"M", "T", "S", "H"}, {"明治", "大正", "昭和", "平成"});
    EXPECT_FALSE(eras[3].usable());
    const RewriteCase cases[] = {
        {"H01.01.08", kFmtDate2, nullptr},
        {"平成01年01月08日", kFmtDate2, nullptr},
        {"2024/01/05", kFmtDate4, "S99.01.05"},
    };
    ExpectDateRewrites(eras, cases);
}

TEST(EraTable, EmptyNamesMatchNothing) {
    const EraTable eras = MakeEraTable({"1868/09/08", "1912/07/30", "1926/12/25", "1989/01/08"},
                                       {"", "T", "S", "H"}, {"", "大正", "昭和", "平成"});
    LocalDateTime date;
    EXPECT_FALSE(ParseDate("M01.09.08", eras, date));
    EXPECT_FALSE(ParseDate("明治01年09月08日", eras, date));
    EXPECT_TRUE(ParseDate("T01.07.30", eras, date));
}

}  // namespace
}  // namespace tabrix
