#include <string>

#include "text/Dates.h"
#include "text/DecimalText.h"
#include "text/Replace.h"
#include "text/SjisSearch.h"

namespace tabrix {
namespace {

std::string TwoDigits(int value) {
    std::string text;
    AppendDecimal(text, value, 2);
    return text;
}

}  // namespace

bool ExpandDateMacros(std::string& text, const Clock& clock) {
    if (FindSjis(text, "%") == std::string::npos) return false;
    const LocalDateTime now = clock.now();
    const std::string today = DateText(now);
    std::string year;
    AppendDecimal(year, now.year, 4);
    const std::string macros[][2] = {
        {"%HIGHTDATE%", "9999/12/31"},
        {"%AUTODATE%", today},
        {"%SYSDATE%", today},
        {"%YEAR%", year},
        {"%MONTH%", TwoDigits(now.month)},
        {"%DAY%", TwoDigits(now.day)},
        {"%SYSTIME%", TwoDigits(now.hour) + ":" + TwoDigits(now.minute)},
        {"%HOUR%", TwoDigits(now.hour)},
        {"%MIN%", TwoDigits(now.minute)},
        {"%SEC%", TwoDigits(now.second)},
    };
    bool found = false;
    // In this order: a '%' shared by two neighbouring macros goes to the one listed first.
    for (const auto& [macro, value] : macros) {
        if (ReplaceAll(text, macro, value) > 0) found = true;
    }
    return found;
}

}  // namespace tabrix
