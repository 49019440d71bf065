#include "text/Cp932.h"

#include <gtest/gtest.h>

namespace tabrix {
namespace {

TEST(Cp932Codec, RoundTripsJapaneseAndAscii) {
    const std::string text = "制御ファイル ｱｲｳ ソ表 \\~ abc";
    std::string utf8, back;
    ASSERT_TRUE(Cp932ToUtf8(text, utf8));
    EXPECT_EQ(utf8, reinterpret_cast<const char*>(u8"制御ファイル ｱｲｳ ソ表 \\~ abc"));
    ASSERT_TRUE(Utf8ToCp932(utf8, back));
    EXPECT_EQ(back, text);
}

TEST(Cp932Codec, InvalidBytesBecomeReplacementCharacters) {
    std::string utf8;
    EXPECT_FALSE(Cp932ToUtf8(std::string("a\x80" "b\x81", 4), utf8));
    EXPECT_EQ(utf8, "a\xEF\xBF\xBD" "b\xEF\xBF\xBD");
}

TEST(Cp932Codec, RefusesCharactersWithoutCode) {
    std::string out, bad;
    EXPECT_FALSE(Utf8ToCp932("ok \xF0\x9F\x98\x80 no", out, &bad));  // an emoji
    EXPECT_EQ(bad, "\xF0\x9F\x98\x80");
}

TEST(Cp932Codec, PathsUseSlashesAndKeepTrailBytes) {
    EXPECT_EQ(ToFsPath("dir\\表.csv").native(), reinterpret_cast<const char*>(u8"dir/表.csv"));
    EXPECT_EQ(ToFsPath(".\\").native(), "./");
}

}  // namespace
}  // namespace tabrix
