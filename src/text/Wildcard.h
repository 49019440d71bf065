// Byte-wise wildcard matching of a whole text: * matches any run of bytes,
// ? exactly one byte, every other byte itself (so a double-byte character
// needs ?? to match).
#pragma once

#include <string_view>

namespace tabrix {

// Linear in practice and never exponential: a failed match after a star only
// ever backtracks to the last star.
bool WildcardMatch(std::string_view pattern, std::string_view text);

}  // namespace tabrix
