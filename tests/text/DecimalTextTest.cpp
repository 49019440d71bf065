#include "text/DecimalText.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace tabrix {
namespace {

struct ScanCase {
    std::string text;
    const char* format;
    std::vector<int> values;  // the values stored, in order
};

const ScanCase kScanCases[] = {
    {"2024/01/05", "%4d/%2d/%2d", {2024, 1, 5}},
    {"20240105", "%04d%02d%02d", {2024, 1, 5}},
    {"2024/1/5x", "%4d/%2d/%2d", {2024, 1, 5}},
    {"2024/1/", "%4d/%2d/%2d", {2024, 1}},
    {" 9:30", "%2d:%2d", {9, 30}},
    {"9: 30", "%2d:%2d", {9, 30}},
    {"9 :30", "%2d:%2d", {9}},  // white space before a literal does not match it
    {"-1.+2.3", "%2d.%2d.%2d", {-1, 2, 3}},
    {"-12", "%2d", {-1}},  // the sign counts towards the width
    {"-x", "%2d", {}},
    {"+", "%2d", {}},
    {"123", "%2d%2d", {12, 3}},
    {"2024/01/05  09:30:00", "%4d/%2d/%2d %2d:%2d:%2d", {2024, 1, 5, 9, 30, 0}},
    {"2024/01/0509:30:00", "%4d/%2d/%2d %2d:%2d:%2d", {2024, 1, 5, 9, 30, 0}},
    {"2024年1月5日", "%4d年%2d月%2d日", {2024, 1, 5}},
    {"2024年1", "%4d年%2d月%2d日", {2024, 1}},
    {"2024\x94", "%4d年", {2024}},  // a lone lead byte is not the whole character
    {std::string("20\0"
                 "24",
                 5),
     "%4d%2d",
     {20}},
    {"", "%2d", {}},
    {"999999999999", "%9d%9d", {999999999, 999}},
    {"1", "%0d", {}},  // malformed conversions stop the reading
    {"1", "%10d", {}},
    {"1", "%2x", {}},
    {"1", "%", {}},
};

TEST(ScanInts, ReadsLikeScanfWithoutReadingPastTheEnd) {
    for (const auto& c : kScanCases) {
        SCOPED_TRACE(c.text + " | " + c.format);
        // An exact-size heap copy lets the sanitizer catch any read past the end.
        std::vector<char> bytes(c.text.begin(), c.text.end());
        std::array<int, 6> values{};
        values.fill(-99);
        const int count = ScanInts(std::string_view(bytes.data(), bytes.size()), c.format, values);
        ASSERT_EQ(count, static_cast<int>(c.values.size()));
        for (int i = 0; i < count; ++i) EXPECT_EQ(values[i], c.values[i]);
        if (count < 6) {
            EXPECT_EQ(values[count], -99);
        }
    }
}

TEST(ScanInts, StopsWhenThereIsNoRoomForMoreValues) {
    std::array<int, 1> one{};
    EXPECT_EQ(ScanInts("12:34", "%2d:%2d", one), 1);
    EXPECT_EQ(one[0], 12);
}

TEST(AppendDecimal, PadsLikePrintf) {
    const struct {
        int value, width;
        const char* text;
    } cases[] = {{5, 2, "05"},        {2024, 4, "2024"},
                 {12345, 2, "12345"}, {0, 4, "0000"},
                 {-5, 4, "-005"},     {-5, 0, "-5"},
                 {7, 0, "7"},         {-2147483647 - 1, 1, "-2147483648"}};
    for (const auto& c : cases) {
        std::string out = "x";
        AppendDecimal(out, c.value, c.width);
        EXPECT_EQ(out, std::string("x") + c.text);
    }
}

}  // namespace
}  // namespace tabrix
