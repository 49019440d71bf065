#include "view/TypedText.h"

#include "document/TabrixDoc.h"

namespace tabrix {

TypedTextRule TypedTextRule::Of(const CTabrixDoc& doc) {
    return {doc.m_CtrlFile.m_cDelim, doc.m_CtrlFile.m_bQuote};
}

std::string TypedTextRule::check(std::string_view text) const {
    // No trail byte lies below 0x40, so these bytes are always characters.
    if (text.find_first_of("\t\r\n") != std::string_view::npos) return kNoTabOrBreak;
    if (delimiter == ',' && !quote && HasUnquotedComma(text)) return kNoCommaInCsv;
    return {};
}

bool HasUnquotedComma(std::string_view value) {
    if (value.empty()) return false;
    const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    return !quoted && value.find(',') != std::string_view::npos;
}

}  // namespace tabrix
