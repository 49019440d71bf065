#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/Dates.h"

namespace tabrix {
namespace {

// Parses from an exact-size heap copy, so a read past the end trips the sanitizer.
bool ParseDateExact(const std::string& text, LocalDateTime& out,
                    const EraTable& eras = DefaultEraTable()) {
    const std::vector<char> bytes(text.begin(), text.end());
    return ParseDate(std::string_view(bytes.data(), bytes.size()), eras, out);
}

bool ParseTimeExact(const std::string& text, TimeOfDay& out) {
    const std::vector<char> bytes(text.begin(), text.end());
    return ParseTime(std::string_view(bytes.data(), bytes.size()), out);
}

struct DateCase {
    std::string text;
    LocalDateTime date;
};

const DateCase kReadableDates[] = {
    {"20240105", {2024, 1, 5}},
    {"2024/1/5", {2024, 1, 5}},
    {"2024/01/05", {2024, 1, 5}},
    {"2024.1.5", {2024, 1, 5}},
    {"2024年1月5日", {2024, 1, 5}},
    {"2024年01月05日", {2024, 1, 5}},
    {"2024/01/05 09:30:00", {2024, 1, 5, 9, 30, 0}},
    {"2024/01/05 23:59:59", {2024, 1, 5, 23, 59, 59}},
    {"H36.01.05", {2024, 1, 5}},
    {"h36.01.05", {2024, 1, 5}},
    {"平成36年01月05日", {2024, 1, 5}},
    {"2024.01.05x", {2024, 1, 5}},
    {"2024/1/5xx", {2024, 1, 5}},
    {"H01.01.08", {1989, 1, 8}},
    {"S64.01.07", {1989, 1, 7}},
    {"s01.12.25", {1926, 12, 25}},
    {"T15.12.24", {1926, 12, 24}},
    {"M01.09.08", {1868, 9, 8}},
    {"明治01年09月08日", {1868, 9, 8}},
    {"H 1.01.08", {1989, 1, 8}},
    {"1000/01/01", {1000, 1, 1}},
    {"9999/12/31", {9999, 12, 31}},
    {"2024/02/29", {2024, 2, 29}},
    {"2000/02/29", {2000, 2, 29}},
};

TEST(ParseDate, ReadsEveryNotation) {
    for (const auto& c : kReadableDates) {
        SCOPED_TRACE(c.text);
        LocalDateTime date{-1, -1, -1, -1, -1, -1};
        ASSERT_TRUE(ParseDateExact(c.text, date));
        EXPECT_EQ(date, c.date);
    }
}

const std::string kUnreadableDates[] = {
    "",
    "024/01/05",  // leading zero
    "24/01/05",   // year below 1000
    "999/12/31",
    "2024/02/30",
    "2023/02/29",
    "1900/02/29",
    "2024/13/01",
    "2024/00/10",
    "2024/01/00",
    "2024/01/05 9:30",  // neither 8-10 nor 19 bytes
    "2024/01/05 24:00:00",
    "2024/01/05 23:60:00",
    "2024/01/05 23:59:60",
    "2024/01/05 09:30:000",  // 20 bytes
    "R06.01.05",             // no such era letter
    "H1.1.8",                // an era letter date is exactly 9 bytes
    "平成1年1月8日",         // an era name date is exactly 16 bytes
    "令和01年01月01日",
    "H00.01.08",  // era years count from 1
    "H-1.01.08",
    "2024-01-05",
    "202401",
    "2024/01",
    "2024年1月5",  // 日 missing
    "20240230",
    "99999999999/01/01",
    "9999999999999999999",
    "H",
    "\x94",
    "\x94\x4E",
    std::string("2024\0"
                "0105",
                8),
    std::string("2024/01/\0"
                "5",
                10),
    std::string("\0"
                "2024/01/05",
                11),
};

TEST(ParseDate, RefusesWhatIsNotADate) {
    for (const auto& text : kUnreadableDates) {
        SCOPED_TRACE(text);
        LocalDateTime date{1, 2, 3, 4, 5, 6};
        EXPECT_FALSE(ParseDateExact(text, date));
        EXPECT_EQ(date, (LocalDateTime{1, 2, 3, 4, 5, 6})) << "output touched on failure";
    }
}

struct TimeCase {
    std::string text;
    TimeOfDay time;
};

const TimeCase kReadableTimes[] = {
    {"0930", {9, 30, 0}},         {"09:30", {9, 30, 0}},
    {"9:30", {9, 30, 0}},         {"9.30", {9, 30, 0}},
    {"9,30", {9, 30, 0}},         {"9時30分", {9, 30, 0}},
    {"093015", {9, 30, 15}},      {"9:30:15", {9, 30, 15}},
    {"9.30.15", {9, 30, 15}},     {"9,30,15", {9, 30, 15}},
    {"9時30分15秒", {9, 30, 15}}, {" 9:30", {9, 30, 0}},
    {"00:00", {0, 0, 0}},         {"23:59:59", {23, 59, 59}},
    {"9:30:", {9, 30, 0}},  // seconds not given are 0
    {"9:30.15", {9, 30, 0}},
};

TEST(ParseTime, ReadsEveryNotation) {
    for (const auto& c : kReadableTimes) {
        SCOPED_TRACE(c.text);
        TimeOfDay time{-1, -1, -1};
        ASSERT_TRUE(ParseTimeExact(c.text, time));
        EXPECT_EQ(time, c.time);
    }
}

const std::string kUnreadableTimes[] = {
    "",
    "930",  // 3 bytes
    "9:30am",
    "24:00",
    "09:60",
    "9:30:60",
    "093060",
    "9:",  // minute missing
    ":30",
    "9時",
    "9時30",  // 分 missing: no rule applies and the length is not 4 or 6
    "9：30",  // a full-width colon is not a time mark
    "ｱ9:30",
    "9:30\x81",  // a lone lead byte
    "09300",
    "-1:30",
    std::string("09\0"
                "30",
                5),
    std::string("0930\0", 5),
};

TEST(ParseTime, RefusesWhatIsNotATime) {
    for (const auto& text : kUnreadableTimes) {
        SCOPED_TRACE(text);
        TimeOfDay time{1, 2, 3};
        EXPECT_FALSE(ParseTimeExact(text, time));
        EXPECT_EQ(time, (TimeOfDay{1, 2, 3})) << "output touched on failure";
    }
}

}  // namespace
}  // namespace tabrix
