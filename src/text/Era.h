// The table of the four Japanese eras used by the era notations of dates.
//
// Built from the three per-era settings (start date, era letter, era name);
// the entries are expected in ascending order of start date. An entry whose
// start date does not read as a date is unusable: no date is read or written
// in it.
#pragma once

#include <array>
#include <string>

namespace tabrix {

struct EraEntry {
    std::string startText;  // "YYYY/MM/DD" as stored in the settings
    std::string shortName;  // era letter, e.g. "H"
    std::string longName;   // era name of two double-byte characters, e.g. "平成"
    int startYear = 0;
    int startMonth = 0;
    int startDay = 0;
    int startDayNumber = 0;  // 0 when the start date is unreadable

    bool usable() const { return startDayNumber > 0; }
    friend bool operator==(const EraEntry&, const EraEntry&) = default;
};

using EraTable = std::array<EraEntry, 4>;
using EraTexts = std::array<std::string, 4>;

// Start dates may be in any Western date notation; the text is kept as given.
EraTable MakeEraTable(const EraTexts& dates, const EraTexts& shortNames, const EraTexts& longNames);

// M 明治 1868/09/08, T 大正 1912/07/30, S 昭和 1926/12/25, H 平成 1989/01/08.
const EraTable& DefaultEraTable();

// The era a day belongs to: the last usable entry that starts on or before it;
// nullptr before the first era.
const EraEntry* EraOf(const EraTable& eras, int dayNumber);

}  // namespace tabrix
