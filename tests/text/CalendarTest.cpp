#include "text/Calendar.h"

#include <gtest/gtest.h>

namespace tabrix {
namespace {

TEST(Calendar, DayNumberCountsFromTheFirstOfJanuaryOfYearOne) {
    EXPECT_EQ(DayNumber(1, 1, 1), 1);
    EXPECT_EQ(DayNumber(1, 12, 31), 365);
    EXPECT_EQ(DayNumber(2, 1, 1), 366);
    EXPECT_EQ(WeekdayIndex(DayNumber(1, 1, 1)), 1);  // a Monday
}

TEST(Calendar, RefusesWhatIsNotADate) {
    EXPECT_EQ(DayNumber(2024, 0, 1), 0);
    EXPECT_EQ(DayNumber(2024, 13, 1), 0);
    EXPECT_EQ(DayNumber(0, 1, 1), 0);
    EXPECT_EQ(DayNumber(10000, 1, 1), 0);
    EXPECT_EQ(DaysInMonth(2024, 0), 0);
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_FALSE(IsValidDate(999, 12, 31));
    EXPECT_FALSE(IsValidDate(10000, 1, 1));
    EXPECT_FALSE(IsValidDate(2024, 1, 0));
    EXPECT_FALSE(IsValidDate(-2147483647 - 1, 1, 1));
    EXPECT_EQ(WeekdayName(7), "");
    EXPECT_EQ(WeekdayName(-1), "");
}

}  // namespace
}  // namespace tabrix
