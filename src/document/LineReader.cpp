#include "document/LineReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "document/BlockMemory.h"
#include "text/Cp932.h"
#include "text/SjisChar.h"

namespace tabrix {

CLineReader::~CLineReader() {
    if (m_fd >= 0) ::close(m_fd);
}

bool CLineReader::open(const std::string& path) {
    const std::string fsPath = ToFsPath(path).native();
    m_fd = ::open(fsPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0) {
        m_error = errno;
        return false;
    }
    struct stat st {};
    if (::fstat(m_fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        m_error = S_ISDIR(st.st_mode) ? EISDIR : errno;
        ::close(m_fd);
        m_fd = -1;
        return false;
    }
    m_size = st.st_size;
    posix_fadvise(m_fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return true;
}

bool CLineReader::forEachLine(const std::function<bool(char*, std::size_t)>& visit) {
    if (m_fd < 0) return false;
    // A small file gets a buffer of its size, not a whole block. Every byte is
    // read before it is looked at, so the buffer is not cleared first.
    constexpr std::size_t kSmallest = 64u << 10;
    const auto wanted = static_cast<std::size_t>(std::max<std::int64_t>(m_size + 1, kSmallest));
    CMemoryBlock buffer(std::max<std::size_t>(2, std::min(m_blockSize, wanted)));
    buffer.prepareThrough(buffer.size());
    std::size_t filled = 0;    // bytes in buffer
    std::size_t start = 0;     // first byte of the current line
    std::int64_t offset = 0;   // stream offset of buffer[0]
    // More room, the bytes in the buffer kept.
    auto grow = [&](std::size_t size) {
        CMemoryBlock larger(size);
        std::memcpy(larger.data(), buffer.data(), filled);
        buffer = std::move(larger);
    };
    bool eof = false;
    while (true) {
        // Nothing follows the bytes in the buffer: after the end of the file,
        // or before bytes that could not be decoded.
        const bool final = eof || m_decodeFailed;
        // Hand over every complete line in [start, filled).
        while (start < filled) {
            char* base = buffer.data();
            const std::size_t avail = filled - start;
            char* lf = static_cast<char*>(std::memchr(base + start, '\n', avail));
            const std::size_t scanEnd = lf ? static_cast<std::size_t>(lf - base) : filled;
            char* cr = static_cast<char*>(std::memchr(base + start, '\r', scanEnd - start));
            std::size_t end;
            std::size_t next;
            if (cr) {
                end = static_cast<std::size_t>(cr - base);
                if (end + 1 == filled && !final) break;  // the LF may follow in the next block
                next = (end + 1 < filled && base[end + 1] == '\n') ? end + 2 : end + 1;
            } else if (lf) {
                end = scanEnd;
                next = end + 1;
            } else if (eof && !m_decodeFailed) {
                end = filled;
                next = filled;
            } else {
                break;  // incomplete line: read more, or the line that failed
            }
            if (m_decoder && m_replacedLine == 0) notePlaceOfReplacement(base + start, end - start, offset + static_cast<std::int64_t>(start));
            ++m_lines;
            if (!visit(base + start, end - start)) return true;
            start = next;
        }
        if (m_decodeFailed) {
            m_error = EILSEQ;
            return false;
        }
        if (eof) return true;
        // Keep the incomplete line and make room for more.
        if (start > 0) {
            std::memmove(buffer.data(), buffer.data() + start, filled - start);
            filled -= start;
            offset += static_cast<std::int64_t>(start);
            start = 0;
        }
        // A line longer than the buffer: twice the room.
        if (filled == buffer.size()) grow(buffer.size() * 2);
        if (m_decoder && buffer.size() - filled < m_decoder->maxOutput(m_blockSize))
            grow(filled + m_decoder->maxOutput(m_blockSize));
        const ssize_t got = readDecoded(buffer.data() + filled, buffer.size() - filled, eof);
        if (got < 0) {
            if (errno == EINTR) continue;
            m_error = errno;
            return false;
        }
        filled += static_cast<std::size_t>(got);
    }
}

ssize_t CLineReader::readDecoded(char* out, std::size_t room, bool& last) {
    if (!m_decoder) {
        const ssize_t got = ::read(m_fd, out, room);
        if (got == 0) last = true;
        return got;
    }
    // forEachLine keeps room for the output of a whole block.
    m_raw.resize(m_blockSize);
    const ssize_t got = ::read(m_fd, m_raw.data(), m_raw.size());
    if (got < 0) return got;
    last = got == 0;
    const std::size_t written = m_decoder->decode(std::string_view(m_raw.data(), static_cast<std::size_t>(got)), last, out);
    m_decodeFailed = m_decoder->failed();
    return static_cast<ssize_t>(written);
}

void CLineReader::notePlaceOfReplacement(const char* line, std::size_t length, std::int64_t lineOffset) {
    const std::int64_t at = m_decoder->firstReplacedAt();
    if (at < 0 || at >= lineOffset + static_cast<std::int64_t>(length)) return;
    const std::string_view text(line, length);
    const auto target = static_cast<std::size_t>(at - lineOffset);
    std::int64_t column = 1;
    for (std::size_t p = 0; p < target; p = NextChar(text, p)) ++column;
    m_replacedLine = m_lines + 1;
    m_replacedColumn = column;
}

}  // namespace tabrix
