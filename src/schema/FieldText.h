// Small edits of one field value shared by the checks and the notations.
//
// White space is the single bytes space, tab, LF, VT, FF and CR, never the
// full-width space. None of them can be a trail byte, so cutting white space
// bytes off either end never splits a double-byte character.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tabrix {

constexpr bool IsWhiteSpaceByte(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

void TrimTrailingWhiteSpace(std::string& value);
void TrimWhiteSpace(std::string& value);

// The first and the last byte are both double quotes (two bytes at least).
bool IsEnclosedInQuotes(std::string_view value);

// The character at pos as a message shows it: its own bytes when it is a
// whole, printable character, otherwise its bytes in hexadecimal ("0x09",
// "0x82"), so that a control byte or a lead byte without its trail byte can
// neither cut the message short nor merge with the text after it.
std::string CharForMessage(std::string_view value, std::size_t pos);

// pattern with its one "%c", "%s" or "%d" replaced by arg.
std::string FillMessage(std::string_view pattern, std::string_view arg);
std::string FillMessage(std::string_view pattern, int arg);

}  // namespace tabrix
