#include "view/ConvertDialogs.h"

namespace tabrix {

std::string CharKindText(int kind, const std::string& other) {
    switch (kind) {
        case TextKind::HalfSpace: return " ";
        case TextKind::FullSpace: return "　";
        case TextKind::Zero: return "0";
        default: return other;
    }
}

std::string CheckOtherText(std::string_view text) {
    static constexpr const char* kNoControl = "制御文字は入力出来ません。";
    // No trail byte lies below 0x40 or is 0x7F, so these bytes are always characters.
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b == '\t' || b == '\r' || b == '\n') return TypedTextRule::kNoTabOrBreak;
        if (b < 0x20 || b == 0x7F) return kNoControl;
    }
    return {};
}

std::string CDigitSetMsg::validate() const {
    if (m_nAlign == 1 && (m_nLength < 1 || m_nLength > kMaxLength)) return kBadLength;
    return m_nKind == TextKind::Other ? CheckOtherText(m_strOther) : std::string();
}

std::string CFormatConvDlg::validate() const { return titleEnabled() ? m_rule.check(m_strTitle) : std::string(); }

}  // namespace tabrix
