#include "text/NumberValue.h"

#include <limits>

#include "text/LeadingNumber.h"
#include "text/NumberText.h"

namespace tabrix {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool ReadDecimalDigits(std::string_view text, DecimalDigits& out) {
    if (!IsNumericText(text)) return false;
    // IsNumericText allows quotes around it all, leading spaces, one sign (+,
    // - or the yen sign), then digits, commas and at most one point.
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
    std::size_t p = text.find_first_not_of(' ');
    if (p == std::string_view::npos) return false;
    out = DecimalDigits();
    if (text[p] == '-' || text[p] == '+' || text[p] == '\\') out.negative = text[p++] == '-';
    std::string* digits = &out.whole;
    for (; p < text.size(); ++p) {
        if (IsDigit(text[p]))
            *digits += text[p];
        else if (text[p] == '.')
            digits = &out.fraction;
    }
    return !out.whole.empty() || !out.fraction.empty();
}

bool LeadingInteger(std::string_view text, std::int64_t& value) {
    DecimalDigits digits;
    if (!ReadDecimalDigits(text, digits)) return false;
    // Magnitudes are gathered as negatives, which reach one further than positives.
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    std::int64_t magnitude = 0;
    bool saturated = false;
    for (char c : digits.whole) {
        const int d = c - '0';
        if (magnitude < (kMin + d) / 10) {
            saturated = true;
            break;
        }
        magnitude = magnitude * 10 - d;
    }
    if (saturated)
        value = digits.negative ? kMin : std::numeric_limits<std::int64_t>::max();
    else if (digits.negative)
        value = magnitude;
    else
        value = magnitude == kMin ? std::numeric_limits<std::int64_t>::max() : -magnitude;
    return true;
}

bool LeadingDouble(std::string_view text, double& value) {
    DecimalDigits digits;
    if (!ReadDecimalDigits(text, digits)) return false;
    value = LeadingDecimal(text);
    return true;
}

}  // namespace tabrix
