// Code page 932 <-> Unicode one character at a time, for workbook cells.
//
// Workbooks hold Unicode; the store holds code page 932. The tables are built
// once from the same iconv converter the rest of the program uses, so a cell
// read or written here maps exactly as text typed in the desktop does, at the
// cost of a table look-up per character instead of an iconv call per cell.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tabrix {

// Appends the code page 932 bytes of a Unicode code point; false (nothing
// appended) when code page 932 has no code for it.
bool AppendCp932(char32_t cp, std::string& out);

// The code point of the code page 932 character at pos, advancing pos past
// it; U+FFFD (with valid cleared) for a byte that starts no character.
char32_t DecodeCp932(std::string_view text, std::size_t& pos, bool& valid);

}  // namespace tabrix
