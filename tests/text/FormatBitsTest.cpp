#include "text/FormatBits.h"

#include <gtest/gtest.h>

namespace tabrix {
namespace {

TEST(FormatBits, TokensNameDistinctBitsThatFillTheMasks) {
    FormatBits all = 0;
    for (const auto& token : kFormatTokens) {
        EXPECT_TRUE(IsSingleBit(token.bit)) << token.token;
        EXPECT_EQ(all & token.bit, 0u) << token.token;
        all |= token.bit;
    }
    EXPECT_EQ(all & kFmtTextMask, 0xBFFFu);
    EXPECT_EQ(all & ~kFmtTextMask, kFmtNumberMask | kFmtDateMask | kFmtTimeMask);
    EXPECT_EQ(std::size(kFormatTokens), 29u);
}

TEST(FormatBits, NotationsAreSingleDateOrTimeBits) {
    EXPECT_TRUE(IsDateNotation(kFmtDate4));
    EXPECT_FALSE(IsDateNotation(kFmtDate1 | kFmtDate2));
    EXPECT_FALSE(IsDateNotation(kFmtTime1));
    EXPECT_TRUE(IsTimeNotation(kFmtTime6));
    EXPECT_FALSE(IsTimeNotation(kFmtTime6 | kFmtHalfDigit));
    EXPECT_FALSE(IsTimeNotation(0));
}

}  // namespace
}  // namespace tabrix
