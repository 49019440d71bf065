#include "document/workbook/CellNumber.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

namespace tabrix {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithNoCase(std::string_view text, std::size_t pos, std::string_view word) {
    if (pos + word.size() > text.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (Lower(text[pos + i]) != word[i]) return false;
    return true;
}

// Whether a bracketed token ("h", "mm", "ss") is an elapsed-time part.
bool IsElapsedToken(std::string_view token) {
    if (token.empty()) return false;
    const char c = Lower(token[0]);
    if (c != 'h' && c != 'm' && c != 's') return false;
    for (char t : token)
        if (Lower(t) != c) return false;
    return true;
}

constexpr int kMaxSerialDay = 2958465;  // 9999/12/31 in the 1900 date system

// Civil date of a day count from 1970-01-01 (proleptic Gregorian).
void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
}

// Days from 1970-01-01 to 1899-12-30 and to 1904-01-01.
constexpr std::int64_t kEpoch1900 = -25569;
constexpr std::int64_t kEpoch1904 = -24107;

void AppendDate(int y, int m, int d, std::string& out) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", y, m, d);
    out += text;
}

void AppendTime(long long h, int mi, int s, std::string& out) {
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02d:%02d", h, mi, s);
    out += text;
}

int Digits(std::string_view s, std::size_t pos, std::size_t count) {
    if (pos + count > s.size()) return -1;
    int v = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (s[i] < '0' || s[i] > '9') return -1;
        v = v * 10 + (s[i] - '0');
    }
    return v;
}

// Parses "hh:mm[:ss[.fff]]" at pos; the seconds of the day, or -1.
int ParseIsoTime(std::string_view s, std::size_t pos) {
    const int h = Digits(s, pos, 2);
    if (h < 0 || h > 23 || pos + 2 >= s.size() || s[pos + 2] != ':') return -1;
    const int mi = Digits(s, pos + 3, 2);
    if (mi < 0 || mi > 59) return -1;
    int sec = 0;
    if (pos + 5 < s.size() && s[pos + 5] == ':') {
        sec = Digits(s, pos + 6, 2);
        if (sec < 0 || sec > 59) return -1;
    }
    return h * 3600 + mi * 60 + sec;
}

}  // namespace

NumberKind BuiltinFormatKind(int id) {
    if ((id >= 14 && id <= 17) || (id >= 27 && id <= 31) || (id >= 34 && id <= 36) || (id >= 50 && id <= 58))
        return NumberKind::Date;
    if (id == 46) return NumberKind::ElapsedTime;
    if ((id >= 18 && id <= 21) || id == 32 || id == 33 || id == 45 || id == 47) return NumberKind::Time;
    if (id == 22) return NumberKind::DateTime;
    return NumberKind::Plain;
}

NumberKind FormatCodeKind(std::string_view code) {
    bool date = false;
    bool time = false;
    bool month = false;
    bool elapsed = false;
    for (std::size_t p = 0; p < code.size(); ++p) {
        const char c = code[p];
        if (c == ';') break;
        if (c == '"') {
            const std::size_t close = code.find('"', p + 1);
            if (close == std::string_view::npos) break;
            p = close;
        } else if (c == '\\' || c == '_' || c == '*') {
            ++p;
        } else if (c == '[') {
            const std::size_t close = code.find(']', p + 1);
            if (close == std::string_view::npos) break;
            if (IsElapsedToken(code.substr(p + 1, close - p - 1))) elapsed = time = true;
            p = close;
        } else if (StartsWithNoCase(code, p, "general")) {
            p += 6;
        } else if (StartsWithNoCase(code, p, "am/pm")) {
            time = true;
            p += 4;
        } else if (StartsWithNoCase(code, p, "a/p")) {
            time = true;
            p += 2;
        } else {
            switch (Lower(c)) {
                case 'e':
                    // "0.0E+00" is a scientific format; a lone e is the era year.
                    if (p + 1 < code.size() && (code[p + 1] == '+' || code[p + 1] == '-'))
                        ++p;
                    else
                        date = true;
                    break;
                case 'y': case 'd': case 'g': date = true; break;
                case 'h': case 's': time = true; break;
                case 'm': month = true; break;
                default: break;
            }
        }
    }
    if (month && !time) date = true;
    if (elapsed && !date) return NumberKind::ElapsedTime;
    if (date && time) return NumberKind::DateTime;
    if (date) return NumberKind::Date;
    if (time) return NumberKind::Time;
    return NumberKind::Plain;
}

void AppendNumberText(double value, std::string& out) {
    if (value == 0) {  // negative zero too
        out.push_back('0');
        return;
    }
    char text[40];
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        std::snprintf(text, sizeof text, "%lld", static_cast<long long>(value));
    } else if (std::isfinite(value)) {
        std::snprintf(text, sizeof text, "%.15G", value);
    } else {
        std::snprintf(text, sizeof text, "%s", std::isnan(value) ? "NaN" : value > 0 ? "INF" : "-INF");
    }
    out += text;
}

bool AppendSerialText(double serial, NumberKind kind, bool date1904, std::string& out) {
    if (kind == NumberKind::Plain || !std::isfinite(serial) || serial < 0 || serial >= kMaxSerialDay + 1)
        return false;
    const long long seconds = std::llround(serial * 86400.0);
    if (kind == NumberKind::ElapsedTime) {
        AppendTime(seconds / 3600, static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60), out);
        return true;
    }
    const long long days = seconds / 86400;
    const int ofDay = static_cast<int>(seconds % 86400);
    const bool withDate = kind == NumberKind::Date || kind == NumberKind::DateTime;
    if (withDate) {
        // The 1900 system counts a 29 February 1900 that never was: serials
        // before it lie one day later than the plain count from its epoch.
        std::int64_t dayCount = date1904 ? kEpoch1904 + days : kEpoch1900 + days + (days < 61 ? 1 : 0);
        int y = 0, m = 0, d = 0;
        CivilFromDays(dayCount, y, m, d);
        AppendDate(y, m, d, out);
    }
    if (kind == NumberKind::DateTime) out.push_back(' ');
    if (kind == NumberKind::Time || kind == NumberKind::DateTime)
        AppendTime(ofDay / 3600, ofDay / 60 % 60, ofDay % 60, out);
    return true;
}

bool AppendIsoDateText(std::string_view s, std::string& out) {
    const int timeOnly = ParseIsoTime(s, 0);
    if (timeOnly >= 0) {
        AppendTime(timeOnly / 3600, timeOnly / 60 % 60, timeOnly % 60, out);
        return true;
    }
    const int y = Digits(s, 0, 4);
    const int m = Digits(s, 5, 2);
    const int d = Digits(s, 8, 2);
    if (y < 1 || m < 1 || m > 12 || d < 1 || d > 31 || s[4] != '-' || s[7] != '-') return false;
    int ofDay = 0;
    if (s.size() > 10) {
        if (s[10] != 'T' && s[10] != ' ') return false;
        ofDay = ParseIsoTime(s, 11);
        if (ofDay < 0) return false;
    }
    AppendDate(y, m, d, out);
    if (ofDay > 0) {
        out.push_back(' ');
        AppendTime(ofDay / 3600, ofDay / 60 % 60, ofDay % 60, out);
    }
    return true;
}

bool IsNumberCellText(std::string_view f) {
    std::size_t p = 0;
    if (p < f.size() && f[p] == '-') ++p;
    const std::size_t intStart = p;
    while (p < f.size() && f[p] >= '0' && f[p] <= '9') ++p;
    const std::size_t intDigits = p - intStart;
    if (intDigits == 0 || (intDigits > 1 && f[intStart] == '0')) return false;
    std::size_t significant = f[intStart] == '0' ? 0 : intDigits;
    std::size_t leadingFractionZeros = 0;
    if (p < f.size()) {
        if (f[p] != '.') return false;
        const std::size_t fracStart = ++p;
        while (p < f.size() && f[p] >= '0' && f[p] <= '9') ++p;
        if (p != f.size() || p == fracStart || f[p - 1] == '0') return false;
        if (significant == 0) {
            std::size_t z = fracStart;
            while (f[z] == '0') ++z;
            leadingFractionZeros = z - fracStart;
            significant = p - z;
        } else {
            significant += p - fracStart;
        }
    }
    // "-0" would read back as "0"; 0.00001 would read back as 1E-05.
    if (significant == 0) return f[0] != '-';
    return significant <= 15 && leadingFractionZeros <= 3;
}

}  // namespace tabrix
