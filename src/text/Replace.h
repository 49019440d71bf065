// Replacing text inside code page 932 strings without ever matching across
// a character boundary (the 0x5C trail byte of ソ is not a backslash).
#pragma once

#include <string>
#include <string_view>

namespace tabrix {

// Replaces every occurrence of from (left to right, not overlapping) that
// starts on a character boundary. Returns the number of replacements.
std::size_t ReplaceAll(std::string& text, std::string_view from, std::string_view to);

}  // namespace tabrix
