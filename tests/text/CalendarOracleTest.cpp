// Compiled with the UTF-8 execution character set: <chrono> holds a string
// literal that code page 932 cannot encode. Keep text literals out of here.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "text/Calendar.h"

namespace tabrix {
namespace {

using namespace std::chrono;

// Every day of years 1000-9999 against the standard library's civil calendar.
// The chrono day advances by one each step and the tested date by our own month
// lengths, so a wrong month length shows up as a disagreement of the two.
TEST(CalendarOracle, AgreesWithChronoOnEveryDay) {
    const int epoch = DayNumber(1970, 1, 1);
    sys_days chronoDay = year{1000} / January / 1;
    int y = 1000, m = 1, d = 1;
    long days = 0;
    long disagreements = 0;
    std::string firstDisagreement;
    while (y <= 9999) {
        const int n = DayNumber(y, m, d);
        const year_month_day ymd{chronoDay};
        const bool agrees =
            n - epoch == chronoDay.time_since_epoch().count() &&
            static_cast<int>(ymd.year()) == y &&
            static_cast<unsigned>(ymd.month()) == static_cast<unsigned>(m) &&
            static_cast<unsigned>(ymd.day()) == static_cast<unsigned>(d) &&
            static_cast<unsigned>(WeekdayIndex(n)) == weekday{chronoDay}.c_encoding() &&
            IsValidDate(y, m, d);
        if (!agrees && disagreements++ == 0) {
            firstDisagreement =
                std::to_string(y) + "/" + std::to_string(m) + "/" + std::to_string(d);
        }
        ++chronoDay;
        ++days;
        if (++d > DaysInMonth(y, m)) {
            if (IsValidDate(y, m, d)) ++disagreements;
            d = 1;
            if (++m > 12) {
                m = 1;
                if (IsLeapYear(y) != year{y}.is_leap()) ++disagreements;
                ++y;
            }
        }
    }
    EXPECT_EQ(disagreements, 0) << "first at " << firstDisagreement;
    EXPECT_EQ(days,
              (sys_days{year{10000} / January / 1} - sys_days{year{1000} / January / 1}).count());
}

}  // namespace
}  // namespace tabrix
