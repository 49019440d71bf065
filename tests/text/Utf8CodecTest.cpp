#include "text/Utf8Codec.h"

#include <iconv.h>

#include <gtest/gtest.h>

namespace tabrix {
namespace {

struct Decoded {
    std::string out;
    std::int64_t replaced = 0;
    std::int64_t firstAt = -1;
    bool failed = false;
    bool bom = false;
};

// Decodes the input in pieces of the given size (0: whole).
Decoded Decode(std::string_view in, std::size_t piece = 0) {
    Utf8ToCp932Decoder decoder;
    Decoded d;
    if (piece == 0) piece = in.size() + 1;
    std::size_t p = 0;
    do {
        const std::string_view part = in.substr(p, piece);
        p += part.size();
        const bool last = p >= in.size();
        std::string out(decoder.maxOutput(part.size()), '\0');
        out.resize(decoder.decode(part, last, out.data()));
        d.out += out;
        if (last || decoder.failed()) break;
    } while (true);
    d.replaced = decoder.replaced();
    d.firstAt = decoder.firstReplacedAt();
    d.failed = decoder.failed();
    d.bom = decoder.hadBom();
    return d;
}

TEST(Utf8Codec, SequenceLengths) {
    const std::pair<std::string, int> cases[] = {
        {"a", 1},           {"\xC2\xA2", 2},     {"\xE3\x81\x82", 3}, {"\xF0\x9F\x98\x80", 4},
        {"\x80", 0},        {"\xC1\xBF", 0},     {"\xE0\x80\x80", 0}, {"\xED\xA0\x80", 0},
        {"\xF4\x90\x80\x80", 0}, {"\xF5\x80\x80\x80", 0}, {"\xE3\x41\x82", 0}, {"\xE3\x81", -1},
        {"", -1},
    };
    for (const auto& [bytes, length] : cases) {
        SCOPED_TRACE(testing::PrintToString(bytes));
        EXPECT_EQ(Utf8SequenceLength(bytes), length);
    }
}

// glibc is the oracle: every character whose code page 932 code reads back as
// another character must be in the fold list, and nothing else.
TEST(Utf8Codec, FoldListIsExactlyWhatIconvMapsManyToOne) {
    iconv_t to = iconv_open("CP932", "UTF-8");
    iconv_t from = iconv_open("UTF-8", "CP932");
    ASSERT_NE(to, reinterpret_cast<iconv_t>(-1));
    int folds = 0;
    for (char32_t u = 0x80; u < 0x10000; ++u) {
        if (u >= 0xD800 && u < 0xE000) continue;
        char utf8[4];
        const std::size_t n = u < 0x800 ? 2 : 3;
        if (n == 2) {
            utf8[0] = static_cast<char>(0xC0 | (u >> 6));
            utf8[1] = static_cast<char>(0x80 | (u & 0x3F));
        } else {
            utf8[0] = static_cast<char>(0xE0 | (u >> 12));
            utf8[1] = static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            utf8[2] = static_cast<char>(0x80 | (u & 0x3F));
        }
        char sjis[8], back[8];
        char* src = utf8;
        std::size_t srcLeft = n;
        char* dst = sjis;
        std::size_t dstLeft = sizeof sjis;
        iconv(to, nullptr, nullptr, nullptr, nullptr);
        if (iconv(to, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1)) {
            EXPECT_FALSE(IsFoldedInCp932(std::string_view(utf8, n))) << std::hex << static_cast<unsigned>(u);
            continue;
        }
        src = sjis;
        srcLeft = static_cast<std::size_t>(dst - sjis);
        dst = back;
        dstLeft = sizeof back;
        iconv(from, &src, &srcLeft, &dst, &dstLeft);
        const bool folded = std::string_view(back, static_cast<std::size_t>(dst - back)) != std::string_view(utf8, n);
        folds += folded;
        EXPECT_EQ(IsFoldedInCp932(std::string_view(utf8, n)), folded) << std::hex << static_cast<unsigned>(u);
    }
    EXPECT_EQ(folds, 9);
    iconv_close(to);
    iconv_close(from);
}

TEST(Utf8Codec, DecodesAndCountsWhatItReplaces) {
    struct Case {
        const char* name;
        std::string in;
        std::string out;
        std::int64_t replaced;
        std::int64_t firstAt;
        bool failed;
        bool bom;
    };
    const Case cases[] = {
        {"mark dropped", "\xEF\xBB\xBF" "a,b\r\n", "a,b\r\n", 0, -1, false, true},
        {"mark alone", "\xEF\xBB\xBF", "", 0, -1, false, true},
        {"kana, kanji, half-width", "\xE3\x81\x82\xE8\xA1\xA8\xEF\xBD\xB1", "\x82\xA0\x95\x5C\xB1", 0, -1, false, false},
        {"not in code page 932", "a\xF0\x9F\x98\x80" "b\xC3\xA9", "a?b?", 2, 1, false, false},
        {"mark inside the text", "a\xEF\xBB\xBF", "a?", 1, 1, false, false},
        {"wave dash becomes the tilde", "x\xE3\x80\x9C", "x\x81\x60", 1, 1, false, false},
        {"yen sign becomes 0x5C", "\xC2\xA5" "1", "\\1", 1, 0, false, false},
        {"NUL kept", std::string("a\0b", 3), std::string("a\0b", 3), 0, -1, false, false},
        {"not UTF-8", "ab\xFF" "cd", "ab", 0, -1, true, false},
        {"surrogate", "a\xED\xA0\x80", "a", 0, -1, true, false},
        {"cut off at the end", "a\xE3\x81", "a", 0, -1, true, false},
        {"bad byte after a replacement", "\xF0\x9F\x98\x80\x80", "?", 1, 0, true, false},
    };
    for (const Case& c : cases) {
        for (std::size_t piece : {std::size_t{0}, std::size_t{1}, std::size_t{2}}) {
            SCOPED_TRACE(std::string(c.name) + " in pieces of " + std::to_string(piece));
            const Decoded d = Decode(c.in, piece);
            EXPECT_EQ(d.out, c.out);
            EXPECT_EQ(d.replaced, c.replaced);
            EXPECT_EQ(d.firstAt, c.firstAt);
            EXPECT_EQ(d.failed, c.failed);
            EXPECT_EQ(d.bom, c.bom);
        }
    }
}

TEST(Utf8Codec, EncodesAcrossPiecesAndRefusesBytesThatAreNotShiftJis) {
    Cp932ToUtf8Encoder encoder;
    std::string out;
    EXPECT_TRUE(encoder.encode("a\x82", false, out));
    EXPECT_TRUE(encoder.encode("\xA0\xB1\r\n\\~", false, out));
    EXPECT_TRUE(encoder.encode("", true, out));
    EXPECT_EQ(out, "a\xE3\x81\x82\xEF\xBD\xB1\r\n\\~");

    Cp932ToUtf8Encoder bad;
    out.clear();
    EXPECT_TRUE(bad.encode("a\r\nb\r\n", false, out));
    EXPECT_FALSE(bad.encode("c\r\n\x80", false, out));
    EXPECT_EQ(bad.badLine(), 4);

    Cp932ToUtf8Encoder cut;
    out.clear();
    EXPECT_FALSE(cut.encode("x\x82", true, out));
    EXPECT_EQ(cut.badLine(), 1);
}

}  // namespace
}  // namespace tabrix
