// Reads a file as lines, block by block. A line ends at LF or at CR, and a CR
// directly followed by LF is one terminator; the terminator is not part of
// the line, and a last line without one still counts. Every other byte, NUL
// included, is handed over unchanged, or as a decoder converted it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <sys/types.h>
#include <functional>
#include <string>
#include <vector>

#include "text/ByteDecoder.h"

namespace tabrix {

class CLineReader {
public:
    // Reads blockSize bytes at a time; the default, a large page, costs one page fault.
    explicit CLineReader(std::size_t blockSize = std::size_t{2} << 20) : m_blockSize(blockSize) {}
    ~CLineReader();
    CLineReader(const CLineReader&) = delete;
    CLineReader& operator=(const CLineReader&) = delete;

    // Opens a code page 932 path; false with errno-like error() on failure
    // (a folder is refused with EISDIR).
    bool open(const std::string& path);
    std::int64_t fileSize() const { return m_size; }
    int error() const { return m_error; }

    // Converts the bytes read before they are split into lines. When the
    // decoder fails, the lines before the failure are still handed over;
    // forEachLine then returns false with error() EILSEQ.
    void setDecoder(IByteDecoder* decoder) { m_decoder = decoder; }
    bool decodeFailed() const { return m_decodeFailed; }
    // The line (from 1) that could not be decoded.
    std::int64_t failedLine() const { return m_lines + 1; }
    // Where the decoder's first replaced character lies: line and character
    // column from 1; 0 when nothing was replaced.
    std::int64_t replacedLine() const { return m_replacedLine; }
    std::int64_t replacedColumn() const { return m_replacedColumn; }

    // Calls visit(line, length) for each line; the callee may rewrite the
    // bytes in place. Stops early when visit returns false. Returns false
    // when reading failed (error() tells why).
    bool forEachLine(const std::function<bool(char* line, std::size_t length)>& visit);

private:
    // Reads and decodes into out (room bytes); -1 on a read error.
    ssize_t readDecoded(char* out, std::size_t room, bool& last);
    void notePlaceOfReplacement(const char* line, std::size_t length, std::int64_t lineOffset);

    std::size_t m_blockSize;
    IByteDecoder* m_decoder = nullptr;
    std::vector<char> m_raw;
    bool m_decodeFailed = false;
    std::int64_t m_lines = 0;
    std::int64_t m_replacedLine = 0;
    std::int64_t m_replacedColumn = 0;
    int m_fd = -1;
    std::int64_t m_size = 0;
    int m_error = 0;
};

}  // namespace tabrix
