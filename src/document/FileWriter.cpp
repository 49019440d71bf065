#include "document/FileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "text/Cp932.h"
#include "text/Utf8Codec.h"

namespace tabrix {

namespace {
constexpr std::size_t kBufferSize = 4u << 20;
}

CFileWriter::CFileWriter() = default;

CFileWriter::~CFileWriter() { discard(); }

void CFileWriter::convertToUtf8(bool bom) {
    m_encoder = std::make_unique<Cp932ToUtf8Encoder>();
    m_encoded.assign(bom ? kUtf8Bom : std::string_view());
}

std::int64_t CFileWriter::badLine() const { return m_encoder ? m_encoder->badLine() : 0; }

bool CFileWriter::open(const std::string& path) {
    discard();
    m_error = 0;
    m_encoder.reset();
    m_encoded.clear();
    m_target = ToFsPath(path).native();
    struct stat st {};
    if (::stat(m_target.c_str(), &st) == 0) {
        // Replacing by rename would bypass a read-only file's protection.
        if (S_ISDIR(st.st_mode) || (st.st_mode & 0222) == 0 || ::access(m_target.c_str(), W_OK) != 0) {
            m_error = S_ISDIR(st.st_mode) ? EISDIR : EACCES;
            return false;
        }
    }
    std::string folder = m_target;
    const std::size_t slash = folder.rfind('/');
    folder = slash == std::string::npos ? std::string(".") : folder.substr(0, slash + 1);
    std::string pattern = (slash == std::string::npos ? std::string() : folder) + ".tabrix-save-XXXXXX";
    m_fd = ::mkstemp(pattern.data());
    if (m_fd < 0) {
        m_error = errno;
        return false;
    }
    m_temp = pattern;
    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    mode_t mode = 0666;
    if (::stat(m_target.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    ::fchmod(m_fd, mode);
    m_buffer.resize(kBufferSize);
    m_used = 0;
    m_written = 0;
    return true;
}

char* CFileWriter::space(std::size_t n) {
    if (m_used + n > m_buffer.size()) {
        flushBuffer();
        if (n > m_buffer.size()) m_buffer.resize(n);
    }
    return m_buffer.data() + m_used;
}

void CFileWriter::write(std::string_view bytes) {
    if (m_fd < 0) return;
    char* at = space(bytes.size());
    std::memcpy(at, bytes.data(), bytes.size());
    advance(bytes.size());
}

bool CFileWriter::flushBuffer(bool last) {
    if (m_fd < 0 || m_error) {
        m_used = 0;  // nothing more reaches the file once a write failed
        return false;
    }
    const char* bytes = m_buffer.data();
    std::size_t count = m_used;
    if (m_encoder) {
        // m_encoded may start with the byte-order mark.
        if (!m_encoder->encode(std::string_view(m_buffer.data(), m_used), last, m_encoded)) {
            m_error = EILSEQ;
            m_used = 0;
            return false;
        }
        bytes = m_encoded.data();
        count = m_encoded.size();
    }
    const bool written = writeAll(bytes, count);
    m_encoded.clear();
    m_used = 0;
    return written;
}

bool CFileWriter::writeAll(const char* p, std::size_t count) {
    std::size_t left = count;
    while (left > 0) {
        const ssize_t n = ::write(m_fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            m_error = errno;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    // Start writing this block to disk now, so that the flush at commit has
    // little left to wait for.
    ::sync_file_range(m_fd, m_written, static_cast<off_t>(count), SYNC_FILE_RANGE_WRITE);
    m_written += static_cast<off_t>(count);
    return true;
}

bool CFileWriter::commit(bool sync) {
    if (m_fd < 0) return false;
    if (!m_error) flushBuffer(true);
    if (!m_error && sync && ::fdatasync(m_fd) != 0) m_error = errno;
    if (::close(m_fd) != 0 && !m_error) m_error = errno;
    m_fd = -1;
    if (!m_error && ::rename(m_temp.c_str(), m_target.c_str()) != 0) m_error = errno;
    if (m_error) {
        ::unlink(m_temp.c_str());
        m_temp.clear();
        return false;
    }
    m_temp.clear();
    return true;
}

bool CFileWriter::SyncFileSystemOf(const std::string& path) {
    std::string folder = ToFsPath(path).native();
    const std::size_t slash = folder.rfind('/');
    folder = slash == std::string::npos ? std::string(".") : folder.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    const bool synced = ::syncfs(fd) == 0;
    ::close(fd);
    return synced;
}

void CFileWriter::discard() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
    if (!m_temp.empty()) ::unlink(m_temp.c_str());
    m_temp.clear();
    m_used = 0;
}

}  // namespace tabrix
