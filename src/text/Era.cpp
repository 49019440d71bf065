#include "text/Era.h"

#include "text/Dates.h"

namespace tabrix {

EraTable MakeEraTable(const EraTexts& dates, const EraTexts& shortNames,
                      const EraTexts& longNames) {
    static const EraTable kNoEras{};
    EraTable table;
    for (std::size_t i = 0; i < table.size(); ++i) {
        EraEntry& entry = table[i];
        entry.startText = dates[i];
        entry.shortName = shortNames[i];
        entry.longName = longNames[i];
        LocalDateTime start;
        if (ParseDate(dates[i], kNoEras, start)) {
            entry.startYear = start.year;
            entry.startMonth = start.month;
            entry.startDay = start.day;
            entry.startDayNumber = DayNumber(start.year, start.month, start.day);
        }
    }
    return table;
}

const EraTable& DefaultEraTable() {
    static const EraTable table =
        MakeEraTable({"1868/09/08", "1912/07/30", "1926/12/25", "1989/01/08"}, {"M", "T", "S", "H"},
                     {"明治", "大正", "昭和", "平成"});
    return table;
}

const EraEntry* EraOf(const EraTable& eras, int dayNumber) {
    for (auto it = eras.rbegin(); it != eras.rend(); ++it) {
        if (it->usable() && it->startDayNumber <= dayNumber) return &*it;
    }
    return nullptr;
}

}  // namespace tabrix
