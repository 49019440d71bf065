// The number a numeric text stands for, as the column commands read it
// (calculation, totals, autofill). IsNumericText accepts surrounding quotes,
// a yen sign and thousands commas; they are taken away before the value is
// read, so "1,234" is 1234 and \1,000 is 1000. Reading is locale-free.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tabrix {

// A numeric text reduced to its sign and decimal digits.
struct DecimalDigits {
    bool negative = false;
    std::string whole;     // the digits before the decimal point, maybe empty
    std::string fraction;  // the digits after it, maybe empty
};

// False when the text is not numeric (IsNumericText) or holds no digit at
// all (a sign or a comma alone): such a value is not usable.
bool ReadDecimalDigits(std::string_view text, DecimalDigits& out);

// The whole part, saturated to the 64-bit range (12.7 gives 12).
bool LeadingInteger(std::string_view text, std::int64_t& value);
// The value as a double (huge values saturate to the largest double).
bool LeadingDouble(std::string_view text, double& value);

}  // namespace tabrix
