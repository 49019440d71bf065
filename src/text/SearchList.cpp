#include "text/SearchList.h"

#include <limits>

#include "text/CharClass.h"
#include "text/NumberText.h"
#include "text/SjisChar.h"
#include "text/Wildcard.h"

namespace tabrix {

std::vector<std::string> SplitSearchText(std::string_view text) {
    std::vector<std::string> entries;
    std::size_t begin = 0;
    for (std::size_t p = 0; p < text.size(); p = NextChar(text, p)) {
        if (text[p] != ',') continue;
        entries.emplace_back(text.substr(begin, p - begin));
        begin = p + 1;
    }
    entries.emplace_back(text.substr(begin));
    return entries;
}

bool MatchesSearchEntry(std::string_view entry, std::string_view field, bool wildcards) {
    if (entry.empty() && field.empty()) return true;
    if (const SearchClassSet token = ClassOfToken(entry)) return ContainsClass(field, token);
    if (wildcards) return WildcardMatch(entry, field);
    return entry == field;
}

bool MatchesSearchList(const std::vector<std::string>& entries, std::string_view field, bool wildcards) {
    for (const std::string& entry : entries)
        if (MatchesSearchEntry(entry, field, wildcards)) return true;
    return false;
}

namespace {

constexpr char kYen = '\x5C';

// Reads digits from text[p], into a magnitude that stops growing past the
// largest 64-bit value (its negative counterpart is one larger).
std::int64_t ReadDigits(std::string_view text, std::size_t p, bool negative, bool skipCommas) {
    constexpr std::uint64_t kLimit = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + 1;
    std::uint64_t magnitude = 0;
    for (; p < text.size(); ++p) {
        const char c = text[p];
        if (skipCommas && c == ',') continue;
        if (c < '0' || c > '9') break;
        if (magnitude > kLimit / 10) {
            magnitude = kLimit;
            continue;
        }
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
        if (magnitude > kLimit) magnitude = kLimit;
    }
    if (negative) return magnitude == kLimit ? std::numeric_limits<std::int64_t>::min() : -static_cast<std::int64_t>(magnitude);
    return magnitude >= kLimit ? std::numeric_limits<std::int64_t>::max() : static_cast<std::int64_t>(magnitude);
}

}  // namespace

std::int64_t LeadingInteger(std::string_view value) {
    const bool numeric = IsNumericText(value);
    std::size_t p = 0;
    if (numeric && value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    while (p < value.size() && value[p] == ' ') ++p;
    bool negative = false;
    if (p < value.size() && (value[p] == '+' || value[p] == '-' || (numeric && value[p] == kYen))) {
        negative = value[p] == '-';
        ++p;
    }
    return ReadDigits(value, p, negative, numeric);
}

}  // namespace tabrix
