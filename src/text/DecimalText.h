// Reading and writing the decimal fields of date and time notations.
//
// ScanInts reads like the C library's "%Nd" conversions, which the notations
// are defined by, but on a string_view: no NUL terminator needed, no locale,
// never a read past the end, and no overflow (at most nine digits per field).
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tabrix {

// format holds three kinds of items:
//   "%Nd"   an integer of at most N bytes (N 1-9; a leading 0 in N is ignored):
//           white space is skipped first, then an optional sign and digits,
//           the sign counting towards N;
//   a white space byte: any run of white space in text, possibly empty;
//   any other character: must equal the next character of text, a
//           double-byte character compared whole.
// Stores the values in order and returns how many were stored; reading stops
// at the first item that does not fit. Text after the last item is ignored.
int ScanInts(std::string_view text, std::string_view format, std::span<int> values);

// Appends value in decimal, zero-padded to at least width bytes like "%0*d".
void AppendDecimal(std::string& out, int value, int width);

}  // namespace tabrix
