// Calendar arithmetic on the proleptic Gregorian calendar.
#pragma once

#include <string_view>

namespace tabrix {

bool IsLeapYear(int year);
// 0 for a month outside 1-12.
int DaysInMonth(int year, int month);
// Year 1000-9999, month 1-12, day within the month: the dates the readers accept.
bool IsValidDate(int year, int month, int day);
// Days counted so that 0001/01/01 is day 1. Defined for years 1-9999 with a
// month of 1-12; 0 otherwise.
int DayNumber(int year, int month, int day);

// 0 = Sunday ... 6 = Saturday, for a day number of 1 or more.
int WeekdayIndex(int dayNumber);
// The weekday as one double-byte character: 日 月 火 水 木 金 土.
std::string_view WeekdayName(int weekdayIndex);

}  // namespace tabrix
