// Walking Shift-JIS (code page 932) byte strings one character at a time.
//
// A lead byte (0x81-0x9F, 0xE0-0xFC) starts a two-byte character; every other
// byte is a character of its own. A lead byte that is the last byte of a
// string has no trail byte and counts as a single-byte character, so no
// caller ever reads past the end. Neither may a lead byte swallow a byte
// below 0x40: no trail byte lies there, and every byte that structures a
// record (TAB, CR, LF, space, quote, comma) does, so a malformed lead byte
// can never hide a field boundary.
#pragma once

#include <cstddef>
#include <string_view>

namespace tabrix {

constexpr bool IsLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
constexpr bool IsLeadByte(char c) { return IsLeadByte(static_cast<unsigned char>(c)); }

// A byte that can complete a double-byte character after a lead byte.
constexpr bool CanBeTrailByte(unsigned char b) { return b >= 0x40; }
constexpr bool CanBeTrailByte(char c) { return CanBeTrailByte(static_cast<unsigned char>(c)); }

// Whether the bytes at pos form a double-byte character.
constexpr bool IsDoubleByteAt(std::string_view text, std::size_t pos) {
    return IsLeadByte(text[pos]) && pos + 1 < text.size() && CanBeTrailByte(text[pos + 1]);
}

// Position of the character after the one at pos (pos < text.size()).
constexpr std::size_t NextChar(std::string_view text, std::size_t pos) {
    return IsDoubleByteAt(text, pos) ? pos + 2 : pos + 1;
}

// Byte length of the character at pos: 2 for a complete double-byte character, else 1.
constexpr std::size_t CharLength(std::string_view text, std::size_t pos) {
    return NextChar(text, pos) - pos;
}

// Start of the last character of a non-empty text.
constexpr std::size_t LastCharStart(std::string_view text) {
    std::size_t last = 0;
    for (std::size_t p = 0; p < text.size(); p = NextChar(text, p)) last = p;
    return last;
}

}  // namespace tabrix
