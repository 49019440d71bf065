#include "text/LeadingNumber.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

#include "text/NumberText.h"

namespace tabrix {

namespace {

constexpr char kYen = '\x5C';

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Powers of ten that a double holds exactly.
constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The digits and the point of text[begin, end) without commas, read by the
// library's exact conversion.
double ReadExactly(std::string_view text, std::size_t begin, std::size_t end) {
    std::string digits;
    digits.reserve(end - begin);
    bool nonZeroInteger = false;
    bool point = false;
    for (std::size_t p = begin; p < end; ++p) {
        const char c = text[p];
        if (c == ',') continue;
        if (c == '.') point = true;
        if (!point && c != '0' && c != '.') nonZeroInteger = true;
        digits += c;
    }
    double value = 0;
    const auto [last, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                               std::chars_format::fixed);
    (void)last;
    if (error == std::errc::result_out_of_range)
        return nonZeroInteger ? std::numeric_limits<double>::max() : 0.0;
    return value;
}

}  // namespace

double LeadingDecimal(std::string_view value) {
    const bool numeric = IsNumericText(value);
    if (numeric && value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    std::size_t p = 0;
    while (p < value.size() && value[p] == ' ') ++p;
    bool negative = false;
    if (p < value.size() && (value[p] == '+' || value[p] == '-' || (numeric && value[p] == kYen))) {
        negative = value[p] == '-';
        ++p;
    }
    // Most values have few digits: their mantissa and scale are exact
    // doubles, and one division rounds correctly. Longer ones go to the
    // library's exact conversion.
    const std::size_t begin = p;
    std::uint64_t mantissa = 0;
    int significant = 0;
    int scale = 0;
    bool point = false;
    bool anyDigit = false;
    for (; p < value.size(); ++p) {
        const char c = value[p];
        if (numeric && c == ',') continue;
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (!IsDigit(c)) break;
        anyDigit = true;
        if (point) ++scale;
        if (mantissa == 0 && c == '0') continue;
        mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
        if (++significant > 15) break;
    }
    if (!anyDigit) return 0.0;
    double magnitude = 0;
    if (significant <= 15 && scale < static_cast<int>(std::size(kExactPowers))) {
        magnitude = static_cast<double>(mantissa) / kExactPowers[scale];
    } else {
        // Past the fast reading: find the end of the number and read it whole.
        for (; p < value.size(); ++p) {
            const char c = value[p];
            if (IsDigit(c) || (numeric && c == ',')) continue;
            if (c == '.' && !point) {
                point = true;
                continue;
            }
            break;
        }
        magnitude = ReadExactly(value, begin, p);
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace tabrix
