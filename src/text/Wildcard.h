// Wildcard matching of a whole code page 932 text: * matches any run of
// bytes, ? exactly one byte (so a double-byte character needs ?? to match),
// and every other character of the pattern matches that same character.
//
// A literal character matches only where a character of the text starts:
// "*A" does not match ア (0x83 0x41), nor "*\" ソ (0x83 0x5C), although the
// trail byte of each equals the literal byte.
#pragma once

#include <string_view>

namespace tabrix {

// Linear in practice and never exponential: a failed match after a star only
// ever backtracks to the last star.
bool WildcardMatch(std::string_view pattern, std::string_view text);

}  // namespace tabrix
