// Reads a file as lines, block by block. A line ends at LF or at CR, and a CR
// directly followed by LF is one terminator; the terminator is not part of
// the line, and a last line without one still counts. Every other byte, NUL
// included, is handed over unchanged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

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

    // Calls visit(line, length) for each line; the callee may rewrite the
    // bytes in place. Stops early when visit returns false. Returns false
    // when reading failed (error() tells why).
    bool forEachLine(const std::function<bool(char* line, std::size_t length)>& visit);

private:
    std::size_t m_blockSize;
    int m_fd = -1;
    std::int64_t m_size = 0;
    int m_error = 0;
};

}  // namespace tabrix
