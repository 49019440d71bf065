#include "schema/FieldText.h"

#include "text/SjisChar.h"

namespace tabrix {

void TrimTrailingWhiteSpace(std::string& value) {
    std::size_t end = value.size();
    while (end > 0 && IsWhiteSpaceByte(value[end - 1])) --end;
    value.resize(end);
}

void TrimWhiteSpace(std::string& value) {
    TrimTrailingWhiteSpace(value);
    std::size_t begin = 0;
    while (begin < value.size() && IsWhiteSpaceByte(value[begin])) ++begin;
    value.erase(0, begin);
}

bool IsEnclosedInQuotes(std::string_view value) {
    return value.size() >= 2 && value.front() == '"' && value.back() == '"';
}

namespace {

// Single bytes that code page 932 shows as a character: printable ASCII and
// half-width katakana.
constexpr bool IsPrintableByte(unsigned char b) {
    return (b >= 0x20 && b <= 0x7E) || (b >= 0xA1 && b <= 0xDF);
}

void AppendHex(std::string& out, unsigned char b) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out += "0x";
    out += kDigits[b >> 4];
    out += kDigits[b & 0x0F];
}

}  // namespace

std::string CharForMessage(std::string_view value, std::size_t pos) {
    const auto b = static_cast<unsigned char>(value[pos]);
    if (IsDoubleByteAt(value, pos)) return std::string(value.substr(pos, 2));
    if (IsPrintableByte(b)) return std::string(1, value[pos]);
    std::string hex;
    AppendHex(hex, b);
    return hex;
}

std::string FillMessage(std::string_view pattern, std::string_view arg) {
    // '%' is below 0x40 and so never the trail byte of a double-byte character.
    for (std::size_t p = 0; p + 1 < pattern.size(); ++p) {
        if (pattern[p] == '%' && (pattern[p + 1] == 'c' || pattern[p + 1] == 's' || pattern[p + 1] == 'd')) {
            std::string out(pattern.substr(0, p));
            out += arg;
            out += pattern.substr(p + 2);
            return out;
        }
    }
    return std::string(pattern);
}

std::string FillMessage(std::string_view pattern, int arg) {
    return FillMessage(pattern, std::to_string(arg));
}

}  // namespace tabrix
