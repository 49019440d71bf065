#include "text/SjisSearch.h"

#include <gtest/gtest.h>

#include <string>

namespace tabrix {
namespace {

TEST(SjisSearch, MatchesOnlyOnCharacterBoundaries) {
    // 0x81 0x94 is one character; the 0x94 0x4E that follows it is not 年.
    const std::string misaligned = "\x81\x94\x4E";
    EXPECT_EQ(FindSjis(misaligned, "年"), std::string::npos);
    EXPECT_EQ(FindSjis("2024年", "年"), 4u);
    // ソ (0x83 0x5C) ends in a backslash byte that is no backslash.
    EXPECT_EQ(FindSjis("ソ", "\\"), std::string::npos);
    EXPECT_EQ(FindSjis("a\x81", "\x81"), 1u);
    EXPECT_EQ(FindSjis("abc", ""), 0u);
}

TEST(SjisSearch, CountsWithoutOverlap) {
    EXPECT_EQ(CountSjis("9時30分15秒", "時"), 1);
    EXPECT_EQ(CountSjis("aaaa", "aa"), 2);
    EXPECT_EQ(CountSjis("\x81:", ":"), 1);  // no trail byte lies below 0x40
}

}  // namespace
}  // namespace tabrix
