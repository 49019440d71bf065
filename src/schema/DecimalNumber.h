// Decimal numbers read from text exactly, for the number checks.
//
// A number column rewrites its values and compares them with its minimum and
// maximum. Going through a double would change the digits of values longer
// than about fifteen digits (12345678901234567890 would be stored as
// 12345678901234567168) and make such values equal to their neighbours, so
// the digits are kept as text: every value keeps its digits, and comparisons
// are exact at any length.
#pragma once

#include <string>
#include <string_view>

namespace tabrix {

struct DecimalNumber {
    bool negative = false;  // set by a minus sign even for zero, as the C library keeps -0
    std::string digits;     // significant digits without leading or trailing zeros; empty for zero
    long long exponent = 0; // the value is digits x 10^exponent

    bool isZero() const { return digits.empty(); }
};

// Reads the longest prefix of text that is a decimal number the way the C
// library's strtod reads one in the C locale: leading white space, an
// optional sign, digits with at most one point, an optional exponent (e or E,
// optional sign, digits). A prefix without digits reads as zero with no sign,
// and the result is false. Hexadecimal, INF and NAN are not numbers here.
bool ReadDecimal(std::string_view text, DecimalNumber& out);

// -1, 0 or 1 as a is less than, equal to or greater than b; -0 equals 0.
int CompareDecimal(const DecimalNumber& a, const DecimalNumber& b);

// The number in fixed notation with exactly `places` decimals, like printf's
// "%.*f" but rounded half away from zero on the decimal digits themselves.
// Meant for numbers read from field values, whose exponent is bounded by
// their length.
std::string FixedNotation(const DecimalNumber& number, int places);

// A double as printf's "%-1.*f" writes it, with places clamped to 0 .. 15,
// but rounded half away from zero on its decimal value (the shortest decimal
// text that reads back as the same double), so 2.5 gives 3 and 2.675 with two
// places 2.68. A result that is all zeros has no minus sign. Locale-free.
std::string FixedNotation(double value, int places);

}  // namespace tabrix
