// Numeric text read as the column commands read it: quotes, the yen sign and
// thousands commas are taken away first, and a value without a digit is not
// usable.
#include <gtest/gtest.h>

#include <limits>

#include "text/NumberValue.h"

namespace tabrix {
namespace {

TEST(NumberValue, ReadsTheNumberTheTextStandsFor) {
    struct Case {
        std::string text;
        bool usable;
        std::int64_t integer;
        double real;
    };
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    const std::vector<Case> cases = {
        {"12", true, 12, 12},
        {"12.7", true, 12, 12.7},
        {"-12.7", true, -12, -12.7},
        {"1,234", true, 1234, 1234},  // not 1, as a leading-number reading of the raw text gave
        {"\"1,234.5\"", true, 1234, 1234.5},
        {"\\1,000", true, 1000, 1000},
        {"  +7", true, 7, 7},
        {".5", true, 0, 0.5},
        {"12.", true, 12, 12},
        {"-", false, 0, 0},  // numeric text, but no digit
        {",", false, 0, 0},
        {"\"\"", false, 0, 0},
        {"", false, 0, 0},
        {"12a", false, 0, 0},
        {"１２", false, 0, 0},
        {"9223372036854775807", true, kMax, 9223372036854775807.0},
        {"9223372036854775808", true, kMax, 9223372036854775808.0},  // saturates
        {"-9223372036854775808", true, kMin, -9223372036854775808.0},
        {"-99999999999999999999", true, kMin, -99999999999999999999.0},
    };
    for (const Case& c : cases) {
        std::int64_t integer = 0;
        double real = 0;
        EXPECT_EQ(LeadingInteger(c.text, integer), c.usable) << c.text;
        EXPECT_EQ(LeadingDouble(c.text, real), c.usable) << c.text;
        if (!c.usable) continue;
        EXPECT_EQ(integer, c.integer) << c.text;
        EXPECT_DOUBLE_EQ(real, c.real) << c.text;
    }
    double huge = 0;
    EXPECT_TRUE(LeadingDouble(std::string(400, '9'), huge));
    EXPECT_EQ(huge, std::numeric_limits<double>::max());
    EXPECT_TRUE(LeadingDouble("0." + std::string(400, '0') + "1", huge));
    EXPECT_EQ(huge, 0.0);
}

}  // namespace
}  // namespace tabrix
