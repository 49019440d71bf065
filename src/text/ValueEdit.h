// Editing one Shift-JIS value at its ends: quotes, leading and trailing text,
// padding, and cutting at a byte width. Lengths are counted in bytes; no
// operation separates a lead byte from its trail byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tabrix {

// The value with a double quote added before and after.
std::string WrapInQuotes(std::string_view value);

// Wraps the value in double quotes unless its first and last characters are
// both double quotes already (one double quote alone counts as quoted). Inner
// quotes are not doubled.
std::string QuoteValue(std::string_view value);
// Removes one double quote at the end and one at the start, each if present.
std::string UnquoteValue(std::string_view value);

// Removes every repetition of text at the start / at the end of the value.
// A repetition is removed only where it starts and ends on character
// boundaries of the value, so a trail byte never becomes a character.
std::string StripLeadingText(std::string_view value, std::string_view text);
std::string StripTrailingText(std::string_view value, std::string_view text);

enum class AddPosition {
    Before = 0,
    After = 1,
};

// Adds text once, or with pad set repeats it until the value is at least
// targetLength bytes long (a two-byte text may overshoot by one byte).
std::string AddText(std::string_view value, std::string_view text, AddPosition position, bool pad,
                    int targetLength);

// The leading whole characters that fit into count bytes, and the rest.
std::string LeftBytes(std::string_view value, int count);
std::string RestAfterBytes(std::string_view value, int count);
// Byte length of LeftBytes(value, count).
std::size_t LeftBytesLength(std::string_view value, int count);

}  // namespace tabrix
