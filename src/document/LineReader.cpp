#include "document/LineReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "document/BlockMemory.h"
#include "text/Cp932.h"

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
    std::size_t filled = 0;  // bytes in buffer
    std::size_t start = 0;   // first byte of the current line
    bool eof = false;
    while (true) {
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
                if (end + 1 == filled && !eof) break;  // the LF may follow in the next block
                next = (end + 1 < filled && base[end + 1] == '\n') ? end + 2 : end + 1;
            } else if (lf) {
                end = scanEnd;
                next = end + 1;
            } else if (eof) {
                end = filled;
                next = filled;
            } else {
                break;  // incomplete line: read more
            }
            if (!visit(base + start, end - start)) return true;
            start = next;
        }
        if (eof) return true;
        // Keep the incomplete line and make room for more.
        if (start > 0) {
            std::memmove(buffer.data(), buffer.data() + start, filled - start);
            filled -= start;
            start = 0;
        }
        if (filled == buffer.size()) {
            // A line longer than the buffer: twice the room, the line kept.
            CMemoryBlock larger(buffer.size() * 2);
            std::memcpy(larger.data(), buffer.data(), filled);
            buffer = std::move(larger);
        }
        const ssize_t got = ::read(m_fd, buffer.data() + filled, buffer.size() - filled);
        if (got < 0) {
            if (errno == EINTR) continue;
            m_error = errno;
            return false;
        }
        if (got == 0) eof = true;
        filled += static_cast<std::size_t>(got);
    }
}

}  // namespace tabrix
