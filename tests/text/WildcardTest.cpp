#include "text/Wildcard.h"

#include "text/SjisChar.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tabrix {
namespace {

// Table-filling matcher: quadratic but obviously right. A literal character
// of the pattern matches the same character where one starts in the text.
bool ReferenceMatch(const std::string& pattern, const std::string& text) {
    const std::size_t m = pattern.size(), n = text.size();
    std::vector<char> start(n + 1, 0);
    for (std::size_t p = 0; p < n; p = NextChar(text, p)) start[p] = 1;
    std::vector<std::vector<char>> ok(m + 2, std::vector<char>(n + 2, 0));
    ok[m][n] = 1;
    for (std::size_t i = m; i-- > 0;) {
        for (std::size_t j = n + 1; j-- > 0;) {
            if (pattern[i] == '*') {
                ok[i][j] = ok[i + 1][j] || (j < n && ok[i][j + 1]);
            } else if (pattern[i] == '?') {
                ok[i][j] = j < n && ok[i + 1][j + 1];
            } else {
                const std::size_t len = CharLength(pattern, i);
                ok[i][j] = j < n && start[j] && CharLength(text, j) == len &&
                           text.compare(j, len, pattern, i, len) == 0 && ok[i + len][j + len];
            }
        }
    }
    return ok[0][0];
}

TEST(WildcardMatch, Cases) {
    const struct {
        std::string pattern, text;
        bool expected;
    } cases[] = {
        {"", "", true},          {"", "a", false},        {"*", "", true},        {"*", "abc", true},
        {"**", "", true},        {"a?c", "abc", true},    {"a?c", "ac", false},   {"??", "あ", true},
        {"?", "あ", false},      {"A*", "a", false},      {"*b", "ab", true},     {"a*b*c", "aXbYc", true},
        {"a*b*c", "aXbY", false}, {"*.csv", "data.csv", true}, {"a*", "a", true},  {"*表*", "一覧表示", true},
        {"abc", "abcd", false},  {"abcd", "abc", false},
        // A literal matches only where a character starts: not a trail byte.
        {"*A", "\x83\x41", false}, {"*\\", "\x83\x5C", false}, {"?A", "\x83\x41", false},
        {"*\\*", "\x95\x5C\x8E\xA6", false}, {"*\\", "\x83\x5C\\", true}, {"\x83\x41", "\x83\x41", true},
        {"?\x41", "\x83\x41", false}, {"*\x83\x41", "A\x83\x41", true}, {"\x83", "\x83\x41", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern + " / " + c.text);
        EXPECT_EQ(WildcardMatch(c.pattern, c.text), c.expected);
        EXPECT_EQ(ReferenceMatch(c.pattern, c.text), c.expected);
    }
}

TEST(WildcardMatch, ManyStarsOnALongTextAnswerAtOnce) {
    const std::string text(10000, 'a');
    EXPECT_FALSE(WildcardMatch("*a*a*a*a*a*b", text));
    EXPECT_TRUE(WildcardMatch("*a*a*a*a*a*", text));
    EXPECT_FALSE(WildcardMatch("*a*a*a*a*a*?b*", text));
}

TEST(WildcardMatch, AgreesWithReferenceOnRandomInputs) {
    std::mt19937 rng(20240611);
    const char patternBytes[] = "\x83" "a\\*?";
    const char textBytes[] = "\x83" "a\\";
    for (int i = 0; i < 20000; ++i) {
        std::string pattern, text;
        for (int k = static_cast<int>(rng() % 8); k > 0; --k) pattern += patternBytes[rng() % 5];
        for (int k = static_cast<int>(rng() % 10); k > 0; --k) text += textBytes[rng() % 3];
        ASSERT_EQ(WildcardMatch(pattern, text), ReferenceMatch(pattern, text)) << pattern << " / " << text;
    }
}

}  // namespace
}  // namespace tabrix
