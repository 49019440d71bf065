#include "schema/Validate.h"

#include "schema/FieldText.h"
#include "schema/ValidateSteps.h"
#include "text/Replace.h"

namespace tabrix {

namespace {

bool CheckType(CColCtrl& col, std::string& value, const ValidationContext& context) {
    switch (col.m_nType) {
    case kTypeText:
        ConvertSpacePairs(col, value);
        return CheckTextClasses(col, value);
    case kTypeNumber:
        return CheckNumber(col, value) && CheckRange(col, value);
    case kTypeDate:
        return CheckDate(col, value, context.eras);
    case kTypeTime:
        return CheckTime(col, value);
    default:
        return true;
    }
}

}  // namespace

bool CheckPermitted(CColCtrl& col, const std::string& value) {
    if (value.empty() || col.m_Permission.empty()) return true;
    std::string list;
    for (const std::string& permitted : col.m_Permission) {
        if (value == permitted) return true;
        list += permitted;
        list += ' ';
    }
    col.m_strError = FillMessage("%sのみ許可されています。", list);
    return false;
}

bool ValidateValue(CColCtrl& col, std::string& value, const ValidationContext& context) {
    if (col.isVirtual()) return true;
    TrimTrailingWhiteSpace(value);
    if (!col.m_strReplace1.empty()) ReplaceAll(value, col.m_strReplace1, col.m_strReplace2);
    if (col.m_bObligate && value.empty()) {
        col.m_strError = "この項目は、入力必須です。";
        return false;
    }
    if (!CheckType(col, value, context)) return false;
    // Any negative length means no limit; the control file gives -1.
    if (col.m_nLength >= 0 && value.size() > static_cast<std::size_t>(col.m_nLength)) {
        col.m_strError = FillMessage("入力長が大きすぎます。%d byte以下で入力して下さい。", col.m_nLength);
        return false;
    }
    return CheckPermitted(col, value);
}

}  // namespace tabrix
