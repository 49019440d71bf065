#include "text/ValueEdit.h"

#include "text/SjisChar.h"

namespace tabrix {

namespace {

bool EndsWithQuoteCharacter(std::string_view value) {
    return !value.empty() && value.back() == '"' && value[LastCharStart(value)] == '"';
}

}  // namespace

std::string WrapInQuotes(std::string_view value) {
    std::string out;
    out.reserve(value.size() + 2);
    out += '"';
    out += value;
    out += '"';
    return out;
}

std::string QuoteValue(std::string_view value) {
    if (!value.empty() && value.front() == '"' && EndsWithQuoteCharacter(value)) return std::string(value);
    return WrapInQuotes(value);
}

std::string UnquoteValue(std::string_view value) {
    if (EndsWithQuoteCharacter(value)) value.remove_suffix(1);
    if (!value.empty() && value.front() == '"') value.remove_prefix(1);
    return std::string(value);
}

std::string StripLeadingText(std::string_view value, std::string_view text) {
    if (text.empty()) return std::string(value);
    std::size_t cut = 0;
    std::size_t walk = 0;
    while (value.substr(cut).starts_with(text)) {
        const std::size_t end = cut + text.size();
        while (walk < end) walk = NextChar(value, walk);
        if (walk != end) break;  // the repetition ends inside a character
        cut = end;
    }
    return std::string(value.substr(cut));
}

std::string StripTrailingText(std::string_view value, std::string_view text) {
    const std::size_t n = value.size();
    const std::size_t t = text.size();
    if (t == 0) return std::string(value);
    // Byte-wise repetitions at the end; the lowest one starts at cut.
    std::size_t cut = n;
    while (cut >= t && value.substr(cut - t, t) == text) cut -= t;
    if (cut == n) return std::string(value);
    // Removal from the end stops at the first repetition that starts inside a
    // character; one forward walk finds the highest such start.
    for (std::size_t p = 0; p < n;) {
        const std::size_t next = NextChar(value, p);
        const std::size_t inside = p + 1;
        if (next == p + 2 && inside >= cut && (n - inside) % t == 0) cut = inside + t;
        p = next;
    }
    return std::string(value.substr(0, cut));
}

std::string AddText(std::string_view value, std::string_view text, AddPosition position, bool pad,
                    int targetLength) {
    if (text.empty()) return std::string(value);
    std::size_t repeats = 1;
    if (pad) {
        const std::size_t length = value.size();
        if (targetLength <= 0 || length >= static_cast<std::size_t>(targetLength)) return std::string(value);
        const std::size_t missing = static_cast<std::size_t>(targetLength) - length;
        repeats = (missing + text.size() - 1) / text.size();
    }
    std::string out;
    out.reserve(value.size() + repeats * text.size());
    if (position == AddPosition::After) out += value;
    for (std::size_t i = 0; i < repeats; ++i) out += text;
    if (position == AddPosition::Before) out += value;
    return out;
}

std::size_t LeftBytesLength(std::string_view value, int count) {
    if (count <= 0) return 0;
    const std::size_t limit = static_cast<std::size_t>(count);
    if (limit >= value.size()) return value.size();
    std::size_t p = 0;
    while (p < value.size()) {
        const std::size_t next = NextChar(value, p);
        if (next > limit) break;
        p = next;
    }
    return p;
}

std::string LeftBytes(std::string_view value, int count) {
    return std::string(value.substr(0, LeftBytesLength(value, count)));
}

std::string RestAfterBytes(std::string_view value, int count) {
    return std::string(value.substr(LeftBytesLength(value, count)));
}

}  // namespace tabrix
