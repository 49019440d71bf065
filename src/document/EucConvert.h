// EUC-JP files are not opened directly: the open command first converts them
// into a Shift-JIS copy, which is then opened as usual. The EUC file itself is
// only ever read.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "text/ByteDecoder.h"

namespace tabrix {

class IUserInterface;

// Converts EUC-JP bytes into Shift-JIS in any number of pieces; a character
// split between two pieces is completed by the next one.
//
// A lead byte 0xA1-0xFE with a second byte 0xA1-0xFE is a JIS X 0208
// character, converted arithmetically; rows 0x74-0x7E move to the user area
// from lead byte 0xF0. 0x8E (single shift 2) with a second byte 0xA1-0xFE is a
// half-width katakana: the 0x8E is dropped. LF becomes CR LF; every other byte
// below 0x80, CR included, stays as it is.
//
// Bytes that are not EUC-JP are kept as single bytes rather than guessed at:
// 0x80-0xA0 (other than 0x8E) and 0xFF, and a lead byte or 0x8E whose next
// byte cannot complete it (that next byte is then converted on its own, so a
// stray lead byte never swallows a line end or a delimiter).
class EucToSjisConverter {
public:
    void convert(std::string_view euc, std::string& sjis);
    // Writes a byte still waiting for its second byte at the end of the input.
    void finish(std::string& sjis);

private:
    int m_pending = -1;  // a lead byte or 0x8E seen at the end of the last piece
};

// The converter as a decoder of the line reader, for reading an EUC-JP file
// straight into a document (the command line has no copy to name).
class EucBlockDecoder : public IByteDecoder {
public:
    std::size_t maxOutput(std::size_t n) const override { return 2 * n + 1; }
    std::size_t decode(std::string_view in, bool last, char* out) override;
    bool failed() const override { return false; }

private:
    EucToSjisConverter m_converter;
    std::string m_converted;
};

// Converts the EUC-JP file source into the Shift-JIS file target, reading
// blocks of 4095 bytes. A file that cannot be opened is reported as
// "SJIS→EUC変換で %s がオープン出来ません。" with its name; a target that is
// the source itself counts as one that cannot be opened. Read and write
// failures give the standard file messages. True when the copy was written.
bool ConvertEucToSjis(const std::string& source, const std::string& target, IUserInterface& ui);

}  // namespace tabrix
