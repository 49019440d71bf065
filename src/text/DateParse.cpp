// The tolerant readers of dates and times. They read like the C library's
// scanf: each number may be preceded by white space and a sign, reading stops
// at the first character that does not fit, and whatever follows a complete
// reading is ignored (2024.01.05x is 2024/01/05). The length rules below are
// what keeps this tolerance from accepting neighbouring notations.
#include <array>
#include <cstddef>

#include "text/Dates.h"
#include "text/DecimalText.h"
#include "text/SjisChar.h"
#include "text/SjisSearch.h"

namespace tabrix {
namespace {

constexpr std::size_t kDateTextLimit = 20;  // a date text is shorter than this
constexpr std::size_t kEraNameLength = 4;   // two double-byte characters
constexpr std::size_t kEraNameFormLength = 16;
constexpr std::size_t kEraLetterFormLength = 9;
constexpr std::size_t kDateTimeFormLength = 19;
constexpr std::size_t kCompactDateLength = 8;
constexpr std::size_t kCompactTimeLength = 4;
constexpr std::size_t kCompactTimeWithSecondsLength = 6;

constexpr std::string_view kHourMark = "時";
constexpr std::string_view kMinuteMark = "分";
constexpr std::string_view kSecondMark = "秒";

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
char ToUpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
bool IsHalfWidthKana(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 0xA1 && b <= 0xDF;
}

const EraEntry* FindEraByName(const EraTable& eras, std::string_view name) {
    for (const EraEntry& era : eras) {
        if (era.usable() && era.longName == name) return &era;
    }
    return nullptr;
}

// The letter is compared without regard to case on both sides, so that a
// date written with a lower-case era letter from the settings reads back.
const EraEntry* FindEraByLetter(const EraTable& eras, char letter) {
    for (const EraEntry& era : eras) {
        if (era.usable() && !era.shortName.empty() &&
            ToUpperAscii(era.shortName[0]) == ToUpperAscii(letter)) {
            return &era;
        }
    }
    return nullptr;
}

// Reads era year, month and day after the era's name or letter. Era years
// count from 1; a year 0 or below names no year of the era.
bool ReadEraDate(std::string_view rest, std::string_view format, const EraEntry& era,
                 LocalDateTime& date) {
    std::array<int, 3> v{};
    ScanInts(rest, format, v);
    if (v[0] < 1) return false;
    date.year = v[0] + era.startYear - 1;
    date.month = v[1];
    date.day = v[2];
    return true;
}

bool ReadWesternDate(std::string_view text, LocalDateTime& date) {
    std::string_view format;
    if (ContainsSjis(text, "/")) {
        if (text.size() >= 8 && text.size() <= 10) {
            format = "%4d/%2d/%2d";
        } else if (text.size() == kDateTimeFormLength) {
            format = "%4d/%2d/%2d %2d:%2d:%2d";
        } else {
            return false;
        }
    } else if (ContainsSjis(text, ".")) {
        format = "%4d.%2d.%2d";
    } else if (ContainsSjis(text, "年") && ContainsSjis(text, "月") && ContainsSjis(text, "日")) {
        format = "%4d年%2d月%2d日";
    } else if (text.size() == kCompactDateLength) {
        format = "%04d%02d%02d";
    } else {
        return false;
    }
    std::array<int, 6> v{};
    ScanInts(text, format, v);
    date = {v[0], v[1], v[2], v[3], v[4], v[5]};
    return true;
}

bool IsValidTime(int hour, int minute, int second) {
    return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}

// Only digits, white space, punctuation and the marks 時 分 秒 may appear in a time.
bool HasOnlyTimeCharacters(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size(); pos = NextChar(text, pos)) {
        const char c = text[pos];
        if (IsLeadByte(c)) {
            const std::string_view ch = text.substr(pos, CharLength(text, pos));
            if (ch != kHourMark && ch != kMinuteMark && ch != kSecondMark) return false;
        } else if (IsAsciiLetter(c) || IsHalfWidthKana(c)) {
            return false;
        }
    }
    return true;
}

std::string_view TimeFormatOf(std::string_view text) {
    const int colons = CountSjis(text, ":");
    const int dots = CountSjis(text, ".");
    const int commas = CountSjis(text, ",");
    const int hourMarks = CountSjis(text, kHourMark);
    const int minuteMarks = CountSjis(text, kMinuteMark);
    const int secondMarks = CountSjis(text, kSecondMark);
    const bool marks = hourMarks == 1 && minuteMarks == 1;
    if (colons == 1) return "%2d:%2d";
    if (dots == 1) return "%2d.%2d";
    if (commas == 1) return "%2d,%2d";
    if (marks && secondMarks == 0) return "%2d時%2d分";
    if (colons == 2) return "%2d:%2d:%2d";
    if (dots == 2) return "%2d.%2d.%2d";
    if (commas == 2) return "%2d,%2d,%2d";
    if (marks && secondMarks == 1) return "%2d時%2d分%2d秒";
    if (text.size() == kCompactTimeLength) return "%02d%02d";
    if (text.size() == kCompactTimeWithSecondsLength) return "%02d%02d%02d";
    return {};
}

}  // namespace

bool ParseDate(std::string_view text, const EraTable& eras, LocalDateTime& out) {
    if (text.empty() || text.size() >= kDateTextLimit) return false;
    LocalDateTime date;
    const char first = text[0];
    if (IsLeadByte(first)) {
        if (text.size() != kEraNameFormLength) return false;
        const EraEntry* era = FindEraByName(eras, text.substr(0, kEraNameLength));
        if (era == nullptr ||
            !ReadEraDate(text.substr(kEraNameLength), "%2d年%2d月%2d日", *era, date)) {
            return false;
        }
    } else if (IsAsciiLetter(first)) {
        if (text.size() != kEraLetterFormLength) return false;
        const EraEntry* era = FindEraByLetter(eras, first);
        if (era == nullptr || !ReadEraDate(text.substr(1), "%2d.%2d.%2d", *era, date)) {
            return false;
        }
    } else {
        if (first < '1' || first > '9' || !ReadWesternDate(text, date)) return false;
    }
    if (!IsValidDate(date.year, date.month, date.day) ||
        !IsValidTime(date.hour, date.minute, date.second)) {
        return false;
    }
    out = date;
    return true;
}

bool ParseTime(std::string_view text, TimeOfDay& out) {
    if (text.empty() || !HasOnlyTimeCharacters(text)) return false;
    const std::string_view format = TimeFormatOf(text);
    if (format.empty()) return false;
    // A missing hour or minute stays -1 and fails; missing seconds are 0.
    std::array<int, 3> v{-1, -1, 0};
    ScanInts(text, format, v);
    if (!IsValidTime(v[0], v[1], v[2])) return false;
    out = {v[0], v[1], v[2]};
    return true;
}

}  // namespace tabrix
