// Compiled with the UTF-8 execution character set: <chrono> holds a string
// literal that code page 932 cannot encode. Keep text literals out of here.
#include "support/ChronoOracle.h"

#include <chrono>

namespace tabrix::test {

namespace {

using namespace std::chrono;

year_month_day Ymd(int y, int m, int d) {
    return year_month_day{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
}

}  // namespace

bool ChronoIsDate(int y, int m, int d) { return Ymd(y, m, d).ok(); }

int ChronoWeekday(int y, int m, int d) { return static_cast<int>(weekday{sys_days{Ymd(y, m, d)}}.c_encoding()); }

int ChronoAge(int y, int m, int d, int ty, int tm, int td) {
    const sys_days birth{Ymd(y, m, d)};
    const sys_days today{Ymd(ty, tm, td)};
    if (birth > today) return -1;
    year_month_day anniversary = Ymd(ty, m, d);
    if (!anniversary.ok()) anniversary = Ymd(ty, 3, 1);
    return ty - y - (sys_days{anniversary} > today ? 1 : 0);
}

}  // namespace tabrix::test
