// Dates and times as text: the tolerant readers of every date and time
// notation, the writers of the twelve notations, weekday and age, and the
// date macros of initial values.
//
// Nothing here shows a message: a failure is a false result and the text is
// left as it was; the callers choose the message.
#pragma once

#include <string>
#include <string_view>

#include "text/Calendar.h"
#include "text/Clock.h"
#include "text/Era.h"
#include "text/FormatBits.h"

namespace tabrix {

// Reads a date in any date notation: YYYYMMDD, YYYY/M/D, YYYY.M.D, YYYY年M月D日,
// era letter + YY.MM.DD (letter in either case), era name + YY年MM月DD日, and
// YYYY/MM/DD hh:mm:ss. Text after a complete reading is ignored. An era year
// counts from 1 but is not checked against the era's end (H36 is 2024). The
// date must lie in years 1000-9999. On success out holds the date (and the
// time, 0 unless given); otherwise out is unchanged.
bool ParseDate(std::string_view text, const EraTable& eras, LocalDateTime& out);

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

// Reads a time: h:m, h.m, h,m, h時m分, h:m:s, h.m.s, h,m,s, h時m分s秒, hhmm or
// hhmmss. The seconds are 0 when not given. On failure out is unchanged.
bool ParseTime(std::string_view text, TimeOfDay& out);

// Rewrites text in the date notation named by dateBit (exactly one of
// kFmtDate1..kFmtDate6). False, text unchanged, when the text is not a date,
// when the bit is not one date notation, or for an era notation of a date
// before the first era.
bool FormatDate(std::string& text, const EraTable& eras, FormatBits dateBit);

// Rewrites text in the time notation named by timeBit (exactly one of
// kFmtTime1..kFmtTime6); false, text unchanged, when it is not a time.
bool FormatTime(std::string& text, FormatBits timeBit);

// Replaces a date by its weekday character; false, text unchanged, when it is not a date.
bool WeekdayOf(std::string& text, const EraTable& eras);

// Completed years from the date in text to today: the years whose anniversary
// has been reached, an anniversary being the same month and day. A birthday
// on 29 February is therefore reached on 1 March in a common year. False when
// the text is not a date or lies after today.
bool AgeOf(std::string_view text, const EraTable& eras, int& years,
           const Clock& clock = SystemClock());

// The date of a moment as YYYY/MM/DD.
std::string DateText(const LocalDateTime& moment);
// Today as YYYY/MM/DD.
std::string TodayText(const Clock& clock = SystemClock());

// Replaces every occurrence of %HIGHTDATE% %AUTODATE% %SYSDATE% %YEAR% %MONTH%
// %DAY% %SYSTIME% %HOUR% %MIN% %SEC%, in that order, reading the clock once.
// True when any macro was found.
bool ExpandDateMacros(std::string& text, const Clock& clock = SystemClock());

}  // namespace tabrix
