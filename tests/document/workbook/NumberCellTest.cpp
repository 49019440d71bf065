// Which fields are written as number cells: exactly those that read back as
// the same bytes.
#include <charconv>
#include <random>

#include <gtest/gtest.h>

#include "document/workbook/CellNumber.h"

namespace tabrix {
namespace {

// The rule's meaning: a plain decimal whose number is written back as the same text.
bool ReadsBackTheSame(const std::string& field) {
    if (field.empty() || field.find_first_not_of("-.0123456789") != std::string::npos) return false;
    double value = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (ec != std::errc() || end != field.data() + field.size()) return false;
    std::string back;
    AppendNumberText(value, back);
    return back == field;
}

TEST(NumberCell, OnlyTextThatReadsBackByteForByte) {
    const struct {
        const char* field;
        bool number;
    } cases[] = {
        {"0", true}, {"1", true}, {"-1", true}, {"1.5", true}, {"-0.5", true}, {"100", true},
        {"123456789012345", true}, {"0.0001", true}, {"12345678901234.5", true},
        {"00123", false},               // leading zeros are a code, not a number
        {"0123.5", false}, {"1.50", false}, {"1.", false}, {".5", false}, {"-0", false},
        {"-", false}, {"", false}, {"+1", false}, {"1e5", false}, {"1E+20", false},
        {"1,000", false}, {" 1", false}, {"1 ", false}, {"=1+1", false}, {"１２", false},
        {"1234567890123456", false},    // 16 digits do not survive
        {"0.00001", false},             // would read back as 1E-05
        {"1.2.3", false}, {"--1", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsNumberCellText(c.field), c.number) << c.field;
        EXPECT_EQ(ReadsBackTheSame(c.field), c.number) << c.field;
    }
}

TEST(NumberCell, AgreesWithTheRoundTripOnRandomDecimals) {
    std::mt19937 rng(14);
    const char alphabet[] = "0123456789.-";
    for (int i = 0; i < 200000; ++i) {
        std::string field;
        const int length = 1 + static_cast<int>(rng() % 18);
        for (int k = 0; k < length; ++k) {
            const unsigned r = rng() % 40;
            field.push_back(r < 34 ? alphabet[r % 10] : r < 38 ? '.' : '-');
        }
        ASSERT_EQ(IsNumberCellText(field), ReadsBackTheSame(field)) << field;
    }
}

}  // namespace
}  // namespace tabrix
