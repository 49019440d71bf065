#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "ColumnCases.h"
#include "schema/ValidateSteps.h"

namespace tabrix {
namespace {

using namespace std::string_view_literals;
using test::ExpectValidations;
using test::MakeColumn;
using test::ValidationCase;

CColCtrl NumberColumn(FormatBits format, int length, int point, int allLen = -1) {
    CColCtrl col = MakeColumn(kTypeNumber, format);
    col.m_nLength = length;
    col.m_nPoint = point;
    col.m_nAllLen = allLen;
    return col;
}

TEST(CheckNumber, RewritesIntoTheColumnsNotation) {
    struct Case {
        FormatBits format;
        int length;
        int point;
        ValidationCase check;
    };
    const Case cases[] = {
        {kFmtNum2, 8, 0, {"123", "00000123", nullptr}},
        {kFmtNum1, 8, 2, {"12.5", "12.50", nullptr}},
        {kFmtNum1, -1, 0, {"+12", "12", nullptr}},
        {kFmtNum1, -1, 0, {"-12", "-12", nullptr}},
        {kFmtNum1, -1, 0, {"007", "7", nullptr}},
        {kFmtNum1, -1, 0, {"5.", "5", nullptr}},
        {kFmtNum1, -1, 1, {".5", "0.5", nullptr}},
        {kFmtNum1, -1, 2, {"\"123\"", "123.00", nullptr}},
        {kFmtNum1, -1, 0, {" \t42 ", "42", nullptr}},
        {kFmtNum1, -1, 0, {"-", "0", nullptr}},   // no digits read as 0, without a sign
        {kFmtNum1, -1, 2, {".", "0.00", nullptr}},
        {kFmtNum1, -1, 0, {"-0", "-0", nullptr}},  // as printf writes a negative zero
        {kFmtNum2, 6, 2, {"-1.5", "-01.50", nullptr}},
        {kFmtNum2, -1, 0, {"12", "12", nullptr}},
        {kFmtNum2, 3, 0, {"12345", nullptr, "入力長が大きすぎます。3 byte以下で入力して下さい。"}},  // never cut
        {kFmtNum1, -1, 2, {"", "", nullptr}},
        // More digits than a double holds stay exactly as typed.
        {kFmtNum1, -1, 2, {"12345678901234567890123", "12345678901234567890123.00", nullptr}},
        {kFmtNum2, 30, 0, {"-98765432109876543210", "-00000000098765432109876543210", nullptr}},
        // A second point ends the number; the digits after the last point count for the limit.
        {kFmtNum1, -1, 1, {"1.2.3", "1.2", nullptr}},
        {kFmtNum1, -1, 1, {"1.25.5", "1.3", nullptr}},
        {kFmtNum1, -1, 1, {"9.96.1", "10.0", nullptr}},
    };
    for (const auto& c : cases) ExpectValidations(NumberColumn(c.format, c.length, c.point), {&c.check, 1});
}

TEST(CheckNumber, RefusesWithTheFirstFault) {
    const ValidationCase cases[] = {
        {"1-2", nullptr, "符号（-）は先頭に入力して下さい。"},
        {"-1+", nullptr, "符号（+）は先頭に入力して下さい。"},
        {"12a3", nullptr, "数字以外（a）は入力できません。"},
        {"1,000", nullptr, "数字以外（,）は入力できません。"},
        {"1２", nullptr, "全角文字（２）は入力できません。"},
        {"1ｱ", nullptr, "数字以外（ｱ）は入力できません。"},
        {"1e5", nullptr, "数字以外（e）は入力できません。"},
        {"\"", nullptr, "数字以外（\"）は入力できません。"},
        {"\" 1\"", nullptr, "数字以外（ ）は入力できません。"},
        // Bytes that cannot be shown are named by their code.
        {"1\0002"sv, nullptr, "数字以外（0x00）は入力できません。"},
        {"1\t2", nullptr, "数字以外（0x09）は入力できません。"},
        {"1\x82", nullptr, "全角文字（0x82）は入力できません。"},
        {"1\xFF", nullptr, "数字以外（0xFF）は入力できません。"},
        {"12345", nullptr, "全体桁数は4桁以下で入力して下さい。"},
        {"1.234", nullptr, "少数以下は2桁以下で入力して下さい。"},
        {"-12.34", "-12.34", nullptr},
        {".1.234", nullptr, "少数以下は2桁以下で入力して下さい。"},
    };
    ExpectValidations(NumberColumn(kFmtNum1, -1, 2, 4), cases);
}

TEST(CheckRange, ComparesExactlyWithTheLimits) {
    struct Case {
        const char* min;
        const char* max;
        ValidationCase check;
    };
    const Case cases[] = {
        {"1", "", {"", nullptr, "最小値(1)より小さな値です。"}},  // empty counts as 0
        {"", "100", {"", "", nullptr}},
        {"", "100", {"100", "100.00", nullptr}},
        {"", "100", {"100.01", nullptr, "最大値(100)より大きい値です。"}},
        {"-5", "", {"-5", "-5.00", nullptr}},
        {"-5", "", {"-6", nullptr, "最小値(-5)より小さな値です。"}},
        {"0.5", "", {"0.49", nullptr, "最小値(0.5)より小さな値です。"}},
        {"1E3", "", {"999", nullptr, "最小値(1E3)より小さな値です。"}},
        {"1E3", "", {"1000", "1000.00", nullptr}},
        {"", "12345678901234567890", {"12345678901234567891", nullptr,
                                      "最大値(12345678901234567890)より大きい値です。"}},
        {"", "ABC", {"1", nullptr, "最大値(ABC)より大きい値です。"}},  // no number reads as 0
        {"10", "5", {"7", nullptr, "最大値(5)より大きい値です。"}},     // the maximum is checked first
    };
    for (const auto& c : cases) {
        CColCtrl col = NumberColumn(kFmtNum1, -1, 2);
        col.m_strMinNum = c.min;
        col.m_strMaxNum = c.max;
        ExpectValidations(col, {&c.check, 1});
    }
}

// printf of the double is the reference for every value a double holds
// exactly enough: up to fifteen significant digits.
TEST(CheckNumber, AgreesWithPrintfOnShortNumbers) {
    std::mt19937 rng(20240105);
    for (int round = 0; round < 5000; ++round) {
        const int places = static_cast<int>(rng() % 5);
        const int intDigits = static_cast<int>(rng() % 9);
        const int fracDigits = static_cast<int>(rng() % (places + 1));
        std::string text = rng() % 3 == 0 ? "-" : "";
        for (int i = 0; i < intDigits; ++i) text += static_cast<char>('0' + rng() % 10);
        if (fracDigits > 0 || rng() % 4 == 0) text += '.';
        for (int i = 0; i < fracDigits; ++i) text += static_cast<char>('0' + rng() % 10);
        const bool num2 = rng() % 2 == 0;
        const int length = rng() % 3 == 0 ? -1 : static_cast<int>(rng() % 16) + 1;

        if (text.empty()) continue;
        char expected[128];
        const double x = std::strtod(text.c_str(), nullptr);
        std::snprintf(expected, sizeof expected, num2 ? "%0*.*f" : "%-*.*f", num2 ? length : 0, places, x);

        CColCtrl col = NumberColumn(num2 ? kFmtNum2 : kFmtNum1, length, places);
        std::string value = text;
        SCOPED_TRACE(text);
        ASSERT_TRUE(CheckNumber(col, value)) << col.m_strError;
        EXPECT_EQ(value, expected);
    }
}

}  // namespace
}  // namespace tabrix
