// Numeric text: recognising it, grouping thousands, and the number notations
// of the conversion commands. The yen sign is the byte 0x5C.
#pragma once

#include <string>
#include <string_view>

namespace tabrix {

// True for optional surrounding double quotes, leading spaces, one sign
// (+, - or the yen sign) and then only digits, commas and at most one
// decimal point. A sign or a comma alone is numeric; the empty value is not.
bool IsNumericText(std::string_view value, bool& hasComma, bool& hasPoint);
bool IsNumericText(std::string_view value);

enum class NumberFormatMode {
    Plain = 0,        // remove yen signs and commas
    Grouped = 16,     // insert thousands commas
    YenGrouped = 64,  // insert thousands commas and put a yen sign in front
};

// False (out = value) when the value is not numeric text. Grouping a value
// that already carries quotes, spaces, a sign or commas regroups the digits
// before the decimal point once and keeps everything else; a yen sign is
// added only where none is.
bool FormatNumberText(std::string_view value, NumberFormatMode mode, std::string& out);

// An optional leading minus and the digits after it grouped by three from
// the right; the rest (a decimal point and fraction) is appended unchanged.
// With withYen the yen sign goes in front of all, the minus included.
std::string GroupThousands(std::string_view value, bool withYen);

// Decimal text of n with thousands commas.
std::string FormatCount(long long n);

}  // namespace tabrix
