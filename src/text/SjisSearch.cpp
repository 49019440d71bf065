#include "text/SjisSearch.h"

#include "text/SjisChar.h"

namespace tabrix {

std::size_t FindSjis(std::string_view text, std::string_view needle, std::size_t from) {
    if (needle.empty()) return from <= text.size() ? from : std::string_view::npos;
    for (std::size_t pos = from; pos < text.size(); pos = NextChar(text, pos)) {
        if (text.substr(pos).starts_with(needle)) return pos;
    }
    return std::string_view::npos;
}

int CountSjis(std::string_view text, std::string_view needle) {
    if (needle.empty()) return 0;
    int count = 0;
    for (std::size_t pos = FindSjis(text, needle); pos != std::string_view::npos;
         pos = FindSjis(text, needle, pos + needle.size())) {
        ++count;
    }
    return count;
}

}  // namespace tabrix
