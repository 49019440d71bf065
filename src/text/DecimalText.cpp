#include "text/DecimalText.h"

#include <charconv>
#include <cstdlib>

#include "text/SjisChar.h"

namespace tabrix {
namespace {

constexpr int kMaxFieldWidth = 9;  // 999999999 still fits an int

bool IsScanSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipSpace(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsScanSpace(text[pos])) ++pos;
    return pos;
}

// Reads "%Nd" at pos; false when no digit is there.
bool ReadInt(std::string_view text, std::size_t& pos, int width, int& value) {
    pos = SkipSpace(text, pos);
    std::size_t end = pos + static_cast<std::size_t>(width);
    if (end > text.size()) end = text.size();
    std::size_t p = pos;
    bool negative = false;
    if (p < end && (text[p] == '+' || text[p] == '-')) {
        negative = text[p] == '-';
        ++p;
    }
    if (p >= end || !IsDigit(text[p])) return false;
    int magnitude = 0;
    for (; p < end && IsDigit(text[p]); ++p) magnitude = magnitude * 10 + (text[p] - '0');
    value = negative ? -magnitude : magnitude;
    pos = p;
    return true;
}

// Parses "%Nd" at fpos of format; returns the width, or 0 when the item is malformed.
int ConversionWidth(std::string_view format, std::size_t& fpos) {
    std::size_t p = fpos + 1;
    int width = 0;
    while (p < format.size() && IsDigit(format[p]) && width <= kMaxFieldWidth) {
        width = width * 10 + (format[p] - '0');
        ++p;
    }
    if (p >= format.size() || format[p] != 'd' || width < 1 || width > kMaxFieldWidth) return 0;
    fpos = p + 1;
    return width;
}

}  // namespace

int ScanInts(std::string_view text, std::string_view format, std::span<int> values) {
    std::size_t pos = 0;
    std::size_t fpos = 0;
    std::size_t stored = 0;
    while (fpos < format.size()) {
        if (format[fpos] == '%') {
            const int width = ConversionWidth(format, fpos);
            int value = 0;
            if (width == 0 || stored >= values.size() || !ReadInt(text, pos, width, value)) break;
            values[stored++] = value;
        } else if (IsScanSpace(format[fpos])) {
            pos = SkipSpace(text, pos);
            ++fpos;
        } else {
            const std::size_t fnext = NextChar(format, fpos);
            const std::string_view wanted = format.substr(fpos, fnext - fpos);
            if (pos >= text.size() || text.substr(pos, CharLength(text, pos)) != wanted) break;
            pos += wanted.size();
            fpos = fnext;
        }
    }
    return static_cast<int>(stored);
}

void AppendDecimal(std::string& out, int value, int width) {
    char digits[16];
    const long long magnitude = std::llabs(static_cast<long long>(value));
    const auto result = std::to_chars(digits, digits + sizeof digits, magnitude);
    const int length = static_cast<int>(result.ptr - digits);
    int padding = width - length;
    if (value < 0) {
        out += '-';
        --padding;
    }
    if (padding > 0) out.append(static_cast<std::size_t>(padding), '0');
    out.append(digits, result.ptr);
}

}  // namespace tabrix
