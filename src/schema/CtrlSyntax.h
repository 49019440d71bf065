// The words and value forms of a control file, shared by reading and
// writing: keyword tables of the enumerated settings and the parsing of one
// line and of its values.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tabrix {

template <typename T>
struct Keyword {
    const char* word;  // code page 932
    T value;
};

inline constexpr Keyword<char> kDelimWords[] = {{"CSV", ','}, {"TAB", '\t'}, {"SPACE", ' '}};
inline constexpr Keyword<int> kMenuModeWords[] = {
    {"NORMAL", 0}, {"CUSTUM1", 1}, {"CUSTUM2", 2}, {"CUSTUM3", 3}};
inline constexpr Keyword<int> kImeModeWords[] = {{"FALSE", 0}, {"NORMAL", 1}, {"DETAIL", 2}};
inline constexpr Keyword<int> kOpenDlgWords[] = {{"VIEW", 0}, {"NOT", 1}, {"OPTION", 2}};
// Column types; TYPE= takes the first of these words found in its value.
inline constexpr Keyword<int> kTypeWords[] = {{"文字", 1}, {"数字", 2}, {"日付", 4}, {"時刻", 8}};

template <typename T, std::size_t N>
bool FindKeyword(const Keyword<T> (&words)[N], std::string_view word, T& value) {
    for (const auto& k : words) {
        if (word == k.word) {
            value = k.value;
            return true;
        }
    }
    return false;
}

template <typename T, std::size_t N>
const char* KeywordOf(const Keyword<T> (&words)[N], T value) {
    for (const auto& k : words)
        if (k.value == value) return k.word;
    return words[0].word;
}

// Tabs become spaces, leading white space and everything from the first '*'
// on go, and the line is upper-cased (ASCII and full-width Latin, Greek and
// Cyrillic letters). False when nothing is left: the line is skipped.
bool PrepareCtrlLine(std::string& line);

// The key a prepared setting line of a [FILE] or [COL] section is read as:
// the first of the section's keys, in their search order, that the line
// holds anywhere; null for an unknown keyword.
const char* CtrlLineKey(std::string_view line, bool columnSection);

// The value after a key: trailing white space removed, leading kept.
std::string_view SettingValue(std::string_view rest);

// TRUE or FALSE exactly.
bool ParseCtrlBool(std::string_view value, bool& flag);
// A decimal number after optional white space and sign, read up to the first
// other character (no digits: 0). False when it does not fit an int.
bool ParseCtrlNumber(std::string_view value, int& number);

// PERMISSION=: split at single-byte commas; empty values between commas are
// kept, a trailing comma adds nothing; each value is cut to kMaxPermitted bytes.
constexpr std::size_t kMaxPermitted = 4095;
std::vector<std::string> SplitPermission(std::string_view value);
// The written form that SplitPermission reads back as the same list.
std::string JoinPermission(const std::vector<std::string>& values);

}  // namespace tabrix
