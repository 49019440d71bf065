// The checks of date and time columns.
#include <utility>

#include "schema/FieldText.h"
#include "schema/ValidateSteps.h"
#include "text/DecimalText.h"
#include "text/Dates.h"

namespace tabrix {

namespace {

// The minute rounded as the column says. A round base outside 1-59 cannot be
// applied (the control file reader refuses base 0 with rounding on) and
// leaves the time as it is.
void RoundMinutes(const CColCtrl& col, TimeOfDay& time) {
    const int base = col.m_nBaseMin;
    if (base < 1 || base > 59) return;
    if (col.m_nRound == 1 && time.minute % base != 0) {
        time.minute = (time.minute / base + 1) * base;
        if (time.minute >= 60) {
            time.minute -= 60;
            time.hour = (time.hour + 1) % 24;
        }
    } else if (col.m_nRound == 2) {
        time.minute = time.minute / base * base;
    }
}

}  // namespace

bool CheckDate(CColCtrl& col, std::string& value, const EraTable& eras) {
    TrimWhiteSpace(value);
    if (value.empty()) return true;
    const FormatBits notation = col.m_nFormat1 & kFmtDateMask;
    std::string converted = value;
    if (!FormatDate(converted, eras, notation)) {
        col.m_strError = "日付の形式が異なります。";
        return false;
    }
    // DATE1 accepts any date notation and keeps the value as typed; the page
    // shows it as YYYYMMDD.
    if (notation != kFmtDate1) value = std::move(converted);
    return true;
}

bool CheckTime(CColCtrl& col, std::string& value) {
    TrimWhiteSpace(value);
    if (value.empty()) return true;
    TimeOfDay time;
    if (!ParseTime(value, time)) {
        col.m_strError = "時刻の形式が異なります。";
        return false;
    }
    if (col.m_nRound == 1 || col.m_nRound == 2) {
        RoundMinutes(col, time);
        value.clear();
        AppendDecimal(value, time.hour, 2);
        AppendDecimal(value, time.minute, 2);
        AppendDecimal(value, time.second, 2);
    }
    FormatTime(value, col.m_nFormat1 & kFmtTimeMask);
    return true;
}

}  // namespace tabrix
