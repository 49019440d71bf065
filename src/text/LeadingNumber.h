// The number a field holds for the sums of the column total and of the
// aggregation by key.
#pragma once

#include <string_view>

namespace tabrix {

// The longest leading decimal number of the value: leading spaces, an
// optional sign, then digits with at most one point. There is no exponent,
// no hexadecimal and no "inf" or "nan"; a value without a leading digit reads
// as 0, and "12abc" as 12. Numeric text (IsNumericText: surrounding quotes, a
// yen sign, thousands commas) is read as the number it shows, so "1,234" is
// 1234. A number beyond the range of a double reads as the largest double of
// its sign.
double LeadingDecimal(std::string_view value);

}  // namespace tabrix
