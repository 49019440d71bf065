#include "text/NumberText.h"

#include <algorithm>

#include "text/SjisChar.h"

namespace tabrix {

namespace {

constexpr char kYen = '\x5C';

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The parts of numeric text: [quote][spaces][sign]body[quote].
struct NumericParts {
    std::string_view head;  // opening quote and leading spaces
    char sign = 0;          // '+', '-', the yen sign, or 0
    std::string_view body;  // digits, commas and at most one point
    std::string_view tail;  // closing quote
};

bool SplitNumeric(std::string_view value, NumericParts& parts, bool& hasComma, bool& hasPoint) {
    hasComma = false;
    hasPoint = false;
    if (value.empty()) return false;
    std::size_t begin = 0;
    std::size_t end = value.size();
    if (end >= 2 && value.front() == '"' && value.back() == '"') {
        ++begin;
        --end;
    }
    std::size_t p = begin;
    while (p < end && value[p] == ' ') ++p;
    if (p < end && (value[p] == '+' || value[p] == '-' || value[p] == kYen)) {
        parts.sign = value[p];
        parts.head = value.substr(0, p);
        ++p;
    } else {
        parts.head = value.substr(0, p);
    }
    const std::size_t bodyStart = p;
    for (; p < end; ++p) {
        const char c = value[p];
        if (c == ',') {
            hasComma = true;
        } else if (c == '.') {
            if (hasPoint) return false;
            hasPoint = true;
        } else if (!IsDigit(c)) {
            return false;
        }
    }
    parts.body = value.substr(bodyStart, end - bodyStart);
    parts.tail = value.substr(end);
    return true;
}

// Appends the digits of text (anything else skipped) in groups of three
// counted from the right.
void AppendGrouped(std::string& out, std::string_view text) {
    std::size_t remaining = 0;
    for (const char c : text)
        if (IsDigit(c)) ++remaining;
    for (const char c : text) {
        if (!IsDigit(c)) continue;
        out += c;
        if (--remaining > 0 && remaining % 3 == 0) out += ',';
    }
}

}  // namespace

bool IsNumericText(std::string_view value, bool& hasComma, bool& hasPoint) {
    NumericParts parts;
    return SplitNumeric(value, parts, hasComma, hasPoint);
}

bool IsNumericText(std::string_view value) {
    bool comma = false, point = false;
    return IsNumericText(value, comma, point);
}

std::string GroupThousands(std::string_view value, bool withYen) {
    std::string out;
    out.reserve(value.size() + value.size() / 3 + 2);
    if (withYen && !value.empty()) out += kYen;
    std::size_t p = 0;
    if (p < value.size() && value[p] == '-') out += value[p++];
    const std::size_t digitsStart = p;
    while (p < value.size() && IsDigit(value[p])) ++p;
    AppendGrouped(out, value.substr(digitsStart, p - digitsStart));
    out += value.substr(p);
    return out;
}

std::string FormatCount(long long n) { return GroupThousands(std::to_string(n), false); }

bool FormatNumberText(std::string_view value, NumberFormatMode mode, std::string& out) {
    NumericParts parts;
    bool hasComma = false, hasPoint = false;
    if (!SplitNumeric(value, parts, hasComma, hasPoint)) {
        out.assign(value);
        return false;
    }
    out.clear();
    out.reserve(value.size() + value.size() / 3 + 1);
    if (mode == NumberFormatMode::Plain) {
        // Numeric text holds no double-byte character, so every yen sign is a
        // character of its own.
        for (const char c : value)
            if (c != kYen && c != ',') out += c;
        return true;
    }
    // Commas before the decimal point are dropped and the digits regrouped;
    // everything from the point on stays.
    const std::size_t point = std::min(parts.body.find('.'), parts.body.size());
    const std::string_view integer = parts.body.substr(0, point);
    const bool hasDigits = integer.find_first_of("0123456789") != std::string_view::npos;
    out += parts.head;
    // Like GroupThousands, nothing to show gets no yen sign.
    const bool nothingToShow = !parts.sign && !hasDigits && point == parts.body.size();
    if (mode == NumberFormatMode::YenGrouped && parts.sign != kYen && !nothingToShow) out += kYen;
    if (parts.sign) out += parts.sign;
    AppendGrouped(out, integer);
    out += parts.body.substr(point);
    out += parts.tail;
    return true;
}

}  // namespace tabrix
