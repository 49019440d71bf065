#include "schema/CtrlSyntax.h"

#include <climits>

#include "text/Convert.h"
#include "text/SjisChar.h"

namespace tabrix {

namespace {

bool IsWhite(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Longest prefix of at most limit bytes that does not split a character.
std::size_t CutAtCharacter(std::string_view text, std::size_t limit) {
    std::size_t end = 0;
    for (std::size_t p = 0; p < text.size() && p < limit;) {
        const std::size_t next = NextChar(text, p);
        if (next > limit) break;
        end = p = next;
    }
    return end;
}

}  // namespace

bool PrepareCtrlLine(std::string& line) {
    for (char& c : line)
        if (c == '\t') c = ' ';
    std::size_t start = 0;
    while (start < line.size() && IsWhite(line[start])) ++start;
    line.erase(0, start);
    // '*' lies below every trail byte, so the first one is always a character.
    const std::size_t star = line.find('*');
    if (star != std::string::npos) line.erase(star);
    if (line.empty()) return false;
    line = ConvertText(line, TextConversion::ToUpper);
    return true;
}

std::string_view SettingValue(std::string_view rest) {
    std::size_t end = rest.size();
    while (end > 0 && IsWhite(rest[end - 1])) --end;
    return rest.substr(0, end);
}

bool ParseCtrlBool(std::string_view value, bool& flag) {
    if (value == "TRUE") {
        flag = true;
        return true;
    }
    if (value == "FALSE") {
        flag = false;
        return true;
    }
    return false;
}

bool ParseCtrlNumber(std::string_view value, int& number) {
    std::size_t p = 0;
    while (p < value.size() && IsWhite(value[p])) ++p;
    bool negative = false;
    if (p < value.size() && (value[p] == '+' || value[p] == '-')) negative = value[p++] == '-';
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (; p < value.size() && value[p] >= '0' && value[p] <= '9'; ++p) {
        magnitude = magnitude * 10 + (value[p] - '0');
        if (magnitude > limit) return false;
    }
    number = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

std::vector<std::string> SplitPermission(std::string_view value) {
    std::vector<std::string> values;
    const auto add = [&values](std::string_view piece) {
        values.emplace_back(piece.substr(0, CutAtCharacter(piece, kMaxPermitted)));
    };
    std::size_t start = 0;
    for (std::size_t p = 0; p < value.size();) {
        const std::size_t next = NextChar(value, p);
        if (next == p + 1 && value[p] == ',') {
            add(value.substr(start, p - start));
            start = next;
        }
        p = next;
    }
    if (start < value.size()) add(value.substr(start));
    return values;
}

std::string JoinPermission(const std::vector<std::string>& values) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i) text += ',';
        text += values[i];
    }
    // A last empty value needs a comma of its own: a trailing comma reads as nothing.
    if (!values.empty() && values.back().empty()) text += ',';
    return text;
}

}  // namespace tabrix
