// UTF-8 files read into and written from code page 932 text, in blocks, on
// glibc iconv. Reading replaces what code page 932 cannot hold and counts it;
// it refuses bytes that are not UTF-8. Writing refuses bytes that are not
// code page 932 text. Neither ever drops or guesses a byte silently.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "text/ByteDecoder.h"

namespace tabrix {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Length of the well-formed UTF-8 sequence at the start of s: 1 to 4, 0 when
// the bytes are not UTF-8 (overlong forms, surrogates and code points above
// U+10FFFF included), -1 when they are a correct start cut off by the end of s.
int Utf8SequenceLength(std::string_view s);

// The Unicode characters that code page 932 holds only as a similar character
// whose own code reads back differently (the yen sign becomes the backslash
// code, the wave dash the full-width tilde, ...); in UTF-8.
bool IsFoldedInCp932(std::string_view utf8Sequence);

// Converts a UTF-8 stream into code page 932 in any number of pieces. A
// leading byte-order mark is dropped. A character code page 932 cannot hold
// becomes '?'; one it holds only as a similar character (IsFoldedInCp932)
// becomes that character; both count as replaced. The output of a piece is
// never longer than the piece plus the three bytes held back from the last.
class Utf8ToCp932Decoder : public IByteDecoder {
public:
    Utf8ToCp932Decoder();
    ~Utf8ToCp932Decoder() override;
    Utf8ToCp932Decoder(const Utf8ToCp932Decoder&) = delete;
    Utf8ToCp932Decoder& operator=(const Utf8ToCp932Decoder&) = delete;

    std::size_t maxOutput(std::size_t n) const override { return n + 3; }
    // Stops at bytes that are not UTF-8: failed() is then set.
    std::size_t decode(std::string_view in, bool last, char* out) override;

    bool failed() const override { return m_failed; }
    bool hadBom() const { return m_hadBom; }
    std::int64_t replaced() const { return m_replaced; }
    std::int64_t firstReplacedAt() const override { return m_firstReplacedAt; }

private:
    std::size_t convert(std::string_view in, bool last, char* out);
    void noteReplacement(std::int64_t at);

    void* m_cd;
    std::string m_pending;  // a sequence cut off at the end of the last piece
    bool m_started = false;
    bool m_hadBom = false;
    bool m_failed = false;
    std::int64_t m_written = 0;
    std::int64_t m_replaced = 0;
    std::int64_t m_firstReplacedAt = -1;
};

// Converts code page 932 text into UTF-8 in any number of pieces; a
// double-byte character split between two pieces is completed by the next.
class Cp932ToUtf8Encoder {
public:
    Cp932ToUtf8Encoder();
    ~Cp932ToUtf8Encoder();
    Cp932ToUtf8Encoder(const Cp932ToUtf8Encoder&) = delete;
    Cp932ToUtf8Encoder& operator=(const Cp932ToUtf8Encoder&) = delete;

    // Appends the UTF-8 of in to out (last: nothing follows). False at the
    // first byte that is not code page 932 text; badLine() then tells its
    // line, counted from 1 over everything encoded.
    bool encode(std::string_view in, bool last, std::string& out);
    std::int64_t badLine() const { return m_badLine; }

private:
    void* m_cd;
    std::string m_pending;
    std::int64_t m_lines = 1;
    std::int64_t m_badLine = 0;
};

}  // namespace tabrix
