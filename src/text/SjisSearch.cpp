#include "text/SjisSearch.h"

#include <utility>

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

int ReplaceAllSjis(std::string& text, std::string_view needle, std::string_view replacement) {
    if (needle.empty()) return 0;
    std::size_t pos = FindSjis(text, needle);
    if (pos == std::string_view::npos) return 0;
    std::string result;
    result.reserve(text.size());
    std::size_t copied = 0;
    int count = 0;
    for (; pos != std::string_view::npos; pos = FindSjis(text, needle, copied)) {
        result.append(text, copied, pos - copied);
        result.append(replacement);
        copied = pos + needle.size();
        ++count;
    }
    result.append(text, copied, std::string::npos);
    text = std::move(result);
    return count;
}

}  // namespace tabrix
