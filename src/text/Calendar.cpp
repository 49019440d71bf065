#include "text/Calendar.h"

namespace tabrix {
namespace {

constexpr int kDaysBeforeMonth[2][12] = {
    {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334},
    {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335},
};
constexpr int kMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    if (month < 1 || month > 12) return 0;
    return (month == 2 && IsLeapYear(year)) ? 29 : kMonthLength[month - 1];
}

bool IsValidDate(int year, int month, int day) {
    return year >= 1000 && year <= 9999 && day >= 1 && day <= DaysInMonth(year, month);
}

int DayNumber(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12) return 0;
    const int y = year - 1;
    return 365 * y + y / 4 - y / 100 + y / 400 + kDaysBeforeMonth[IsLeapYear(year)][month - 1] +
           day;
}

int WeekdayIndex(int dayNumber) {
    return dayNumber % 7;
}

std::string_view WeekdayName(int weekdayIndex) {
    static constexpr std::string_view kNames[7] = {"日", "月", "火", "水", "木", "金", "土"};
    return (weekdayIndex >= 0 && weekdayIndex < 7) ? kNames[weekdayIndex] : std::string_view();
}

}  // namespace tabrix
