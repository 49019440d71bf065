// The character encoding of a data file. The document is code page 932 in
// memory whatever its file is: other encodings are converted while the file
// is read and again while it is written.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "text/ByteDecoder.h"

namespace tabrix {

class CLineReader;

// EucJp is read only: a document read from it is a Shift-JIS document.
enum class FileEncoding { Sjis = 0, Utf8 = 1, Utf8Bom = 2, EucJp = 3 };

constexpr bool IsUtf8(FileEncoding e) { return e == FileEncoding::Utf8 || e == FileEncoding::Utf8Bom; }

// The save dialog's drop-down, in the order of FileEncoding.
struct EncodingTexts {
    static constexpr const char* kLabel = "文字コード";
    static constexpr const char* kChoices[] = {"S-JIS", "UTF-8", "UTF-8（BOM付き）"};
};

// What converting the file while reading it found.
struct DecodeReport {
    bool bom = false;
    std::int64_t replaced = 0;
    std::int64_t line = 0;    // of the first replaced character, from 1
    std::int64_t column = 0;  // its character position in the line, from 1
};

// The decoder that reads a file of the encoding; null for Shift-JIS.
std::unique_ptr<IByteDecoder> DecoderFor(FileEncoding encoding);
DecodeReport ReportOf(const CLineReader& reader, const IByteDecoder* decoder);

// The encoding a document has once a file of the encoding was read.
FileEncoding EncodingAfterRead(FileEncoding read, const DecodeReport& report);

// The information message after characters were replaced; empty when none were.
std::string ReplacedNotice(const DecodeReport& report);
// The message for a file whose bytes are not UTF-8.
std::string InvalidUtf8Message(const std::string& path, std::int64_t line);
// The message for a store line that is not code page 932 text on saving as UTF-8.
std::string NotCp932Message(const std::string& path, std::int64_t line);

}  // namespace tabrix
