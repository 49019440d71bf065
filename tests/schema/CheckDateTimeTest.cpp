#include <gtest/gtest.h>

#include "ColumnCases.h"
#include "schema/Notation.h"

namespace tabrix {
namespace {

using test::ExpectValidation;
using test::MakeColumn;
using test::ValidationCase;

struct NotationCase {
    FormatBits format;
    ValidationCase check;
};

TEST(CheckDate, RewritesIntoTheDisplayNotation) {
    const NotationCase cases[] = {
        {kFmtDate2, {"20240105", "2024/01/05", nullptr}},
        {kFmtDate2, {" 2024.1.5 ", "2024/01/05", nullptr}},
        {kFmtDate3, {"2024/1/5", "2024年01月05日", nullptr}},
        {kFmtDate4, {"20240105", "H36.01.05", nullptr}},
        {kFmtDate4, {"1989/01/07", "S64.01.07", nullptr}},
        {kFmtDate5, {"h01.01.08", "平成01年01月08日", nullptr}},
        {kFmtDate6, {"20240105", "2024/01/05 00:00:00", nullptr}},
        {kFmtDate2, {"平成36年01月05日", "2024/01/05", nullptr}},
        {kFmtDate2, {"", "", nullptr}},
        // DATE1 accepts every notation but keeps the value as typed.
        {kFmtDate1, {"2024/01/05", "2024/01/05", nullptr}},
        {kFmtDate1, {"H36.01.05", "H36.01.05", nullptr}},
        {kFmtDate2, {"2024/02/30", nullptr, "日付の形式が異なります。"}},
        {kFmtDate2, {"R06.01.05", nullptr, "日付の形式が異なります。"}},
        {kFmtDate1, {"2023/02/29", nullptr, "日付の形式が異なります。"}},
        {kFmtDate4, {"1868/09/07", nullptr, "日付の形式が異なります。"}},  // before the first era
        {kFmtDate2, {"2024/01/05\x82", nullptr, "日付の形式が異なります。"}},
    };
    for (const auto& c : cases) ExpectValidation(MakeColumn(kTypeDate, c.format), c.check);
}

TEST(CheckDate, TypedDate1IsShownCompactOnTheNextPage) {
    CColCtrl col = MakeColumn(kTypeDate, kFmtDate1);
    std::string value = "2024/1/5";
    ASSERT_TRUE(ValidateValue(col, value, test::TestContext()));
    EXPECT_EQ(value, "2024/1/5");
    ToDisplayNotation(value, col, DefaultEraTable());
    EXPECT_EQ(value, "20240105");
}

TEST(CheckTime, RewritesIntoTheDisplayNotation) {
    const NotationCase cases[] = {
        {kFmtTime1, {"9:30", "0930", nullptr}},
        {kFmtTime2, {"0930", "09:30", nullptr}},
        {kFmtTime3, {" 9.30", "09時30分", nullptr}},
        {kFmtTime4, {"9:30", "093000", nullptr}},
        {kFmtTime5, {"9時30分15秒", "09:30:15", nullptr}},
        {kFmtTime6, {"093015", "09時30分15秒", nullptr}},
        {kFmtTime2, {"", "", nullptr}},
        {kFmtTime2, {"930", nullptr, "時刻の形式が異なります。"}},
        {kFmtTime2, {"24:00", nullptr, "時刻の形式が異なります。"}},
        {kFmtTime2, {"9:30am", nullptr, "時刻の形式が異なります。"}},
    };
    for (const auto& c : cases) ExpectValidation(MakeColumn(kTypeTime, c.format), c.check);
}

TEST(CheckTime, RoundsTheMinutes) {
    struct Case {
        int mode;
        int base;
        FormatBits format;
        ValidationCase check;
    };
    const Case cases[] = {
        {1, 5, kFmtTime2, {"23:58", "00:00", nullptr}},
        {1, 5, kFmtTime5, {"23:58:30", "00:00:30", nullptr}},  // the seconds stay
        {1, 5, kFmtTime3, {"9:56", "10時00分", nullptr}},
        {1, 15, kFmtTime2, {"10:15", "10:15", nullptr}},
        {1, 15, kFmtTime2, {"10:16", "10:30", nullptr}},
        {2, 15, kFmtTime2, {"10:07", "10:00", nullptr}},
        {2, 15, kFmtTime6, {"10:59:59", "10時45分59秒", nullptr}},
        {2, 10, kFmtTime1, {"0009", "0000", nullptr}},
        {0, 15, kFmtTime2, {"10:07", "10:07", nullptr}},
        // A base of 0 cannot round; the time is kept.
        {1, 0, kFmtTime2, {"10:07", "10:07", nullptr}},
        {2, 0, kFmtTime4, {"10:07", "100700", nullptr}},
        {1, 5, kFmtTime2, {"25:00", nullptr, "時刻の形式が異なります。"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "round " << c.mode << " base " << c.base);
        CColCtrl col = MakeColumn(kTypeTime, c.format);
        col.m_nRound = c.mode;
        col.m_nBaseMin = c.base;
        ExpectValidation(col, c.check);
    }
}

}  // namespace
}  // namespace tabrix
