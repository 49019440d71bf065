#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "schema/DecimalNumber.h"

namespace tabrix {
namespace {

DecimalNumber Read(std::string_view text) {
    DecimalNumber n;
    ReadDecimal(text, n);
    return n;
}

TEST(ReadDecimal, ReadsTheNumberAtTheStart) {
    struct Case {
        const char* text;
        bool read;
        bool negative;
        const char* digits;
        long long exponent;
    };
    const Case cases[] = {
        {"0", true, false, "", 0},
        {"-0.000", true, true, "", 0},
        {"007", true, false, "7", 0},
        {"1200", true, false, "12", 2},
        {"0.050", true, false, "5", -2},
        {" \t+1.5x", true, false, "15", -1},
        {"1.2.3", true, false, "12", -1},
        {"1E3", true, false, "1", 3},
        {"25e-3", true, false, "25", -3},
        {"1e", true, false, "1", 0},
        {"1e+", true, false, "1", 0},
        {"-.5", true, true, "5", -1},
        {"", false, false, "", 0},
        {"-", false, false, "", 0},
        {".", false, false, "", 0},
        {"ABC", false, false, "", 0},
        {"\x82\x4F", false, false, "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        DecimalNumber n;
        EXPECT_EQ(ReadDecimal(c.text, n), c.read);
        EXPECT_EQ(n.negative, c.negative);
        EXPECT_EQ(n.digits, c.digits);
        EXPECT_EQ(n.exponent, c.exponent);
    }
}

TEST(ReadDecimal, HugeExponentsStayOrdered) {
    EXPECT_GT(CompareDecimal(Read("1e99999999999999999999"), Read("9e400")), 0);
    EXPECT_LT(CompareDecimal(Read("1e-99999999999999999999"), Read("1e-400")), 0);
    EXPECT_GT(CompareDecimal(Read("1e-99999999999999999999"), Read("0")), 0);
    EXPECT_EQ(CompareDecimal(Read(std::string(400, '9')), Read("1e400")), -1);
}

// strtod is the reference where a double tells the numbers apart.
TEST(CompareDecimal, AgreesWithDoublesOnShortNumbers) {
    std::mt19937 rng(7);
    auto randomNumber = [&] {
        static const char* kPieces[] = {"-", "+", "0", "00", "1", "5", "9", ".", "12", "7"};
        static const char* kExponents[] = {"", "", "e2", "E-1", "e+3", "e", "E-"};
        std::string s;
        const int pieces = static_cast<int>(rng() % 5);
        for (int i = 0; i < pieces; ++i) s += kPieces[rng() % std::size(kPieces)];
        return s + kExponents[rng() % std::size(kExponents)];
    };
    for (int round = 0; round < 20000; ++round) {
        const std::string a = randomNumber();
        const std::string b = randomNumber();
        const double x = std::strtod(a.c_str(), nullptr);
        const double y = std::strtod(b.c_str(), nullptr);
        SCOPED_TRACE(a + " <> " + b);
        EXPECT_EQ(CompareDecimal(Read(a), Read(b)), (x > y) - (x < y));
    }
}

TEST(FixedNotation, RoundsHalfAwayFromZeroAndPads) {
    struct Case {
        const char* text;
        int places;
        const char* fixed;
    };
    const Case cases[] = {
        {"0", 0, "0"},        {"0", 2, "0.00"},       {"-0", 1, "-0.0"},     {"1.25", 1, "1.3"},
        {"-1.25", 1, "-1.3"}, {"1.24", 1, "1.2"},     {"9.96", 1, "10.0"},   {"999.5", 0, "1000"},
        {"0.05", 1, "0.1"},   {"0.04", 1, "0.0"},     {"0.004", 2, "0.00"},  {"12e3", 1, "12000.0"},
        {"1.5e-3", 4, "0.0015"}, {"123", -1, "123"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FixedNotation(Read(c.text), c.places), c.fixed);
    }
}

}  // namespace
}  // namespace tabrix
