#include "text/Record.h"

#include <cstring>

#include "text/SjisChar.h"

namespace tabrix {

int RowFieldCount(std::string_view row) {
    if (row.empty()) return 0;
    // No trail byte lies below 0x40, so every TAB byte is a field boundary.
    int count = 1;
    for (const char* p = row.data(), *end = p + row.size();
         (p = static_cast<const char*>(std::memchr(p, kTab, static_cast<std::size_t>(end - p)))); ++p)
        ++count;
    return count;
}

bool SplitFields(std::string_view row, std::vector<std::string>& fields, int width) {
    if (width < 0) return false;
    fields.resize(static_cast<std::size_t>(width));
    std::size_t index = 0;
    if (!row.empty()) {
        const char* p = row.data();
        const char* const end = p + row.size();
        while (true) {
            const char* tab = static_cast<const char*>(std::memchr(p, kTab, static_cast<std::size_t>(end - p)));
            if (index >= fields.size()) {
                fields.clear();
                return false;
            }
            fields[index++].assign(p, static_cast<std::size_t>((tab ? tab : end) - p));
            if (!tab) break;
            p = tab + 1;
        }
    }
    for (; index < fields.size(); ++index) fields[index].clear();
    return true;
}

void JoinFields(const std::vector<std::string>& fields, int width, char sep, std::string& out) {
    out.clear();
    if (width <= 0) return;
    const std::size_t w = static_cast<std::size_t>(width);
    const std::size_t used = fields.size() < w ? fields.size() : w;
    std::size_t total = w - 1;
    for (std::size_t j = 0; j < used; ++j) total += fields[j].size();
    out.reserve(total);
    for (std::size_t j = 0; j < used; ++j) {
        out += fields[j];
        if (j + 1 != w) out += sep;
    }
    for (std::size_t i = used; i < w; ++i) {
        if (i + 1 != w) out += sep;
    }
}

std::string JoinFields(const std::vector<std::string>& fields, int width, char sep) {
    std::string out;
    JoinFields(fields, width, sep, out);
    return out;
}

std::string QuoteField(std::string_view field) {
    std::string out;
    out.reserve(field.size() + 2);
    out += '"';
    // No trail byte lies below 0x40, so every quote byte is a quote.
    for (const char c : field) {
        out += c;
        if (c == '"') out += '"';
    }
    out += '"';
    return out;
}

bool NeedsOutputQuotes(std::string_view field, char delimiter) {
    if (field.find(delimiter) == std::string_view::npos) return false;
    for (std::size_t p = 0; p < field.size(); p = NextChar(field, p))
        if (field[p] == delimiter) return true;
    return false;
}

void AppendOutputField(std::string& out, std::string_view field, char delimiter) {
    if (!NeedsOutputQuotes(field, delimiter)) {
        out += field;
        return;
    }
    out += QuoteField(field);
}

namespace {

int ParseIntToken(std::string_view token) {
    std::size_t p = 0;
    while (p < token.size() && (token[p] == ' ' || token[p] == '\t')) ++p;
    bool negative = false;
    if (p < token.size() && (token[p] == '+' || token[p] == '-')) negative = token[p++] == '-';
    long long value = 0;
    while (p < token.size() && token[p] >= '0' && token[p] <= '9') {
        value = value * 10 + (token[p++] - '0');
        if (value > 2147483648LL) value = 2147483648LL;  // saturate instead of overflowing
    }
    if (negative) value = -value;
    if (value > 2147483647LL) value = 2147483647LL;
    return static_cast<int>(value);
}

}  // namespace

bool ParseIntList(std::string_view text, std::vector<int>& values) {
    values.clear();
    if (text.empty()) return false;
    std::size_t start = 0;
    for (std::size_t p = 0; p <= text.size();) {
        if (p == text.size() || text[p] == ',') {
            values.push_back(ParseIntToken(text.substr(start, p - start)));
            start = ++p;
            continue;
        }
        p = NextChar(text, p);
    }
    return true;
}

bool FormatIntList(const std::vector<int>& values, std::string& text) {
    text.clear();
    if (values.empty()) return false;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i) text += ',';
        text += std::to_string(values[i]);
    }
    return true;
}

}  // namespace tabrix
