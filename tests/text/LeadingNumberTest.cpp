#include "text/LeadingNumber.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstdlib>
#include <random>
#include <string>

#include "schema/DecimalNumber.h"

namespace tabrix {
namespace {

TEST(LeadingDecimal, DecimalOnlyAndNumericTextReadAsItsNumber) {
    const struct {
        std::string value;
        double expected;
    } cases[] = {
        {"12", 12},          {"  -7.5", -7.5},     {"+3.25", 3.25},    {".5", 0.5},         {"5.", 5},
        {"12abc", 12},       {"abc", 0},           {"", 0},            {"-", 0},            {".", 0},
        {"1,234", 1234},     {"\"1,234.5\"", 1234.5}, {"\\1,000", 1000}, {"\\-5", 0},         {"1,2x", 1},
        {"1e5", 1},          {"0x10", 0},          {"inf", 0},         {"nan", 0},          {"1.2.3", 1.2},
        {"0.000000000000000000000001", 1e-24},     {"1" + std::string(400, '0'), DBL_MAX},
        {"-1" + std::string(400, '0'), -DBL_MAX}, {"0." + std::string(400, '0') + "1", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(LeadingDecimal(c.value), c.expected);
    }
}

// The C library reads plain decimals exactly; the fast reading must agree
// bit for bit at every length.
TEST(LeadingDecimal, AgreesWithTheLibraryOnRandomDecimals) {
    std::mt19937 random(7);
    for (int n = 0; n < 20000; ++n) {
        std::string text = random() % 2 ? "-" : "";
        const int integer = static_cast<int>(random() % 22);
        const int fraction = static_cast<int>(random() % 26);
        for (int i = 0; i < integer; ++i) text += static_cast<char>('0' + random() % 10);
        if (fraction > 0 || integer == 0) text += '.';
        for (int i = 0; i < fraction || (integer == 0 && i == 0); ++i) text += static_cast<char>('0' + random() % 10);
        SCOPED_TRACE(text);
        ASSERT_EQ(LeadingDecimal(text), std::strtod(text.c_str(), nullptr));
    }
}

TEST(FixedNotation, RoundsHalfAwayFromZeroOnTheDecimalValue) {
    const struct {
        double value;
        int places;
        std::string expected;
    } cases[] = {
        {2.5, 0, "3"},      {-2.5, 0, "-3"},    {3.5, 0, "4"},        {-0.4, 0, "0"},     {-0.0, 2, "0.00"},
        {2.675, 2, "2.68"}, {1.005, 2, "1.01"}, {0.125, 2, "0.13"},   {-0.001, 2, "0.00"}, {1.0 / 3, 2, "0.33"},
        {3.5, 2, "3.50"},   {12, 0, "12"},      {-12, 2, "-12.00"},   {9.995, 2, "10.00"}, {1e20, 0, "100000000000000000000"},
        {123456789012345678.0, 0, "123456789012345680"}, {2.5, 99, "2.500000000000000"}, {2.5, -3, "3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.value) + " " + std::to_string(c.places));
        EXPECT_EQ(FixedNotation(c.value, c.places), c.expected);
    }
}

}  // namespace
}  // namespace tabrix
