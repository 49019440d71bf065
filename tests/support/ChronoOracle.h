// Answers of the standard library's civil calendar, for tests that check our
// own date arithmetic against a source that shares none of its code.
#pragma once

namespace tabrix::test {

// True when year/month/day is a day of the calendar.
bool ChronoIsDate(int year, int month, int day);
// 0 for Sunday through 6 for Saturday.
int ChronoWeekday(int year, int month, int day);
// Completed years from the date to today, an anniversary on 29 February
// falling on 1 March in a common year; -1 when the date lies after today.
int ChronoAge(int year, int month, int day, int todayYear, int todayMonth, int todayDay);

}  // namespace tabrix::test
