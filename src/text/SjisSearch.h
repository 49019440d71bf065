// Finding text inside code page 932 strings character by character, so that
// a match never starts on the trail byte of a double-byte character.
// (Replacing likewise: text/Replace.h.)
#pragma once

#include <cstddef>
#include <string_view>

namespace tabrix {

// Position of the first occurrence of needle at or after from (a character
// boundary) that starts on a character boundary; npos when there is none.
std::size_t FindSjis(std::string_view text, std::string_view needle, std::size_t from = 0);

// Number of non-overlapping occurrences of needle.
int CountSjis(std::string_view text, std::string_view needle);

inline bool ContainsSjis(std::string_view text, std::string_view needle) {
    return FindSjis(text, needle) != std::string_view::npos;
}

}  // namespace tabrix
