#include "schema/Notation.h"

#include "schema/FieldText.h"
#include "text/Dates.h"

namespace tabrix {

namespace {

// Rewrites a date or time value into the notation of its type among format.
void Rewrite(std::string& value, const CColCtrl& col, FormatBits format, const EraTable& eras) {
    if (col.m_nType == kTypeDate) {
        FormatDate(value, eras, format & kFmtDateMask);
    } else if (col.m_nType == kTypeTime) {
        FormatTime(value, format & kFmtTimeMask);
    }
}

}  // namespace

FormatBits FileFormat(const CColCtrl& col) {
    return col.m_nFormat2 == 0xFFFFFFFF ? col.m_nFormat1 : col.m_nFormat2;
}

void PrepareInput(std::string& value, const CColCtrl& col, const ValidationContext& context) {
    TrimWhiteSpace(value);
    if (value.empty()) {
        if (col.m_strInitial.empty()) return;
        value = col.m_strInitial;
        ExpandDateMacros(value, context.clock);
    }
    const FormatBits f = col.m_nFormat1;
    if (col.m_nType == kTypeNumber && (f & kFmtNum2) != 0) {
        value.erase(0, value.find_first_not_of('0'));
    } else if (col.m_nType == kTypeDate) {
        FormatDate(value, context.eras, (f & kFmtDate6) != 0 ? kFmtDate6 : kFmtDate1);
    } else if (col.m_nType == kTypeTime) {
        FormatTime(value, (f & (kFmtTime4 | kFmtTime5 | kFmtTime6)) != 0 ? kFmtTime4 : kFmtTime1);
    }
}

void ToDisplayNotation(std::string& value, const CColCtrl& col, const EraTable& eras) {
    Rewrite(value, col, col.m_nFormat1, eras);
}

void ToFileNotation(std::string& value, const CColCtrl& col, const EraTable& eras) {
    Rewrite(value, col, FileFormat(col), eras);
}

}  // namespace tabrix
