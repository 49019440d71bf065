#include "text/Wildcard.h"

#include <cstddef>

namespace tabrix {

bool WildcardMatch(std::string_view pattern, std::string_view text) {
    constexpr std::size_t kNone = std::string_view::npos;
    std::size_t p = 0;
    std::size_t t = 0;
    std::size_t star = kNone;  // position in the pattern just after the last star
    std::size_t starText = 0;  // text position that star's run currently ends at
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = ++p;
            starText = t;
        } else if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == text[t])) {
            ++p;
            ++t;
        } else if (star != kNone) {
            // Let the last star take one byte more and retry what follows it.
            p = star;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace tabrix
