#include "view/GridOps.h"

#include <gtest/gtest.h>

namespace tabrix {
namespace {

TEST(GridOps, CompareSjisComparesCharacterCodes) {
    EXPECT_LT(CompareSjis("ｱ", "あ"), 0);  // 0xB1 before 0x82A0, unlike a byte compare
    EXPECT_LT(CompareSjis("a", "ab"), 0);
    EXPECT_EQ(CompareSjis("表", "表"), 0);
    EXPECT_GT(CompareSjis("表", "ソ"), 0);
    EXPECT_LT(CompareSjis("\x81", "\x81\x09"), 0);  // a lone lead byte is a character of its own
}

}  // namespace
}  // namespace tabrix
