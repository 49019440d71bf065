#include "text/NumberText.h"

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

void AppendGrouped(std::string& out, std::string_view digits) {
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
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
    if (mode == NumberFormatMode::Plain) {
        // Numeric text holds no double-byte character, so every yen sign is a
        // character of its own.
        for (const char c : value)
            if (c != kYen && c != ',') out += c;
        return true;
    }
    const std::size_t point = parts.body.find('.');
    std::string digits;
    for (const char c : parts.body.substr(0, point))
        if (c != ',') digits += c;
    std::string body;
    AppendGrouped(body, digits);
    if (point != std::string_view::npos) body += parts.body.substr(point);
    out += parts.head;
    // Like GroupThousands, nothing to show gets no yen sign.
    const bool addYen = mode == NumberFormatMode::YenGrouped && parts.sign != kYen && (parts.sign || !body.empty());
    if (addYen) out += kYen;
    if (parts.sign) out += parts.sign;
    out += body;
    out += parts.tail;
    return true;
}

}  // namespace tabrix
