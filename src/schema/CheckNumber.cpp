// The checks of number columns: the characters and digits of a value, its
// rewrite into NUM1 or NUM2, and its range.
#include <algorithm>
#include <string_view>

#include "schema/DecimalNumber.h"
#include "schema/FieldText.h"
#include "schema/ValidateSteps.h"
#include "text/FormatBits.h"
#include "text/SjisChar.h"

namespace tabrix {

namespace {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The number written as printf writes it with "%-L.Pf" (NUM1, trailing spaces
// removed, which leaves no padding at all) or "%0L.Pf" (NUM2: zeros after the
// sign up to L bytes). L of -1 means no width.
std::string NumberNotation(const DecimalNumber& number, const CColCtrl& col) {
    std::string text = FixedNotation(number, col.m_nPoint);
    if ((col.m_nFormat1 & kFmtNum2) != 0 && col.m_nLength > 0) {
        const auto width = static_cast<std::size_t>(col.m_nLength);
        if (text.size() < width) text.insert(number.negative ? 1 : 0, width - text.size(), '0');
    }
    return text;
}

}  // namespace

bool CheckNumber(CColCtrl& col, std::string& value) {
    TrimWhiteSpace(value);
    if (value.empty()) return true;
    std::string_view number = value;
    if (IsEnclosedInQuotes(number)) number = number.substr(1, number.size() - 2);

    int digits = 0;
    std::size_t lastPoint = std::string_view::npos;
    for (std::size_t p = 0; p < number.size(); ++p) {
        const char c = number[p];
        if (c == '+' || c == '-') {
            if (p == 0) continue;
            col.m_strError = FillMessage("符号（%c）は先頭に入力して下さい。", CharForMessage(number, p));
            return false;
        }
        if (c == '.') {
            lastPoint = p;
        } else if (IsDigit(c)) {
            ++digits;
        } else if (IsLeadByte(c)) {
            col.m_strError = FillMessage("全角文字（%s）は入力できません。", CharForMessage(number, p));
            return false;
        } else {
            col.m_strError = FillMessage("数字以外（%c）は入力できません。", CharForMessage(number, p));
            return false;
        }
    }
    if (col.m_nAllLen != -1 && digits > col.m_nAllLen) {
        col.m_strError = FillMessage("全体桁数は%d桁以下で入力して下さい。", col.m_nAllLen);
        return false;
    }
    const int places = std::max(col.m_nPoint, 0);
    if (lastPoint != std::string_view::npos && number.size() - lastPoint - 1 > static_cast<std::size_t>(places)) {
        col.m_strError = FillMessage("少数以下は%d桁以下で入力して下さい。", col.m_nPoint);
        return false;
    }

    // A second point ends the number, as it ends any decimal reading.
    DecimalNumber read;
    ReadDecimal(number, read);
    value = NumberNotation(read, col);
    return true;
}

bool CheckRange(CColCtrl& col, const std::string& value) {
    DecimalNumber x;
    ReadDecimal(value, x);
    DecimalNumber limit;
    if (!col.m_strMaxNum.empty()) {
        ReadDecimal(col.m_strMaxNum, limit);
        if (CompareDecimal(x, limit) > 0) {
            col.m_strError = FillMessage("最大値(%s)より大きい値です。", col.m_strMaxNum);
            return false;
        }
    }
    if (!col.m_strMinNum.empty()) {
        ReadDecimal(col.m_strMinNum, limit);
        if (CompareDecimal(x, limit) < 0) {
            col.m_strError = FillMessage("最小値(%s)より小さな値です。", col.m_strMinNum);
            return false;
        }
    }
    return true;
}

}  // namespace tabrix
