// Writes a file so that a failure never costs the old one: the bytes go to a
// temporary file in the target's folder, which replaces the target only once
// every byte was written and flushed to disk. The target's permissions are
// kept. Without commit() (or when it fails) the temporary file is removed.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tabrix {

class Cp932ToUtf8Encoder;

class CFileWriter {
public:
    CFileWriter();
    ~CFileWriter();
    CFileWriter(const CFileWriter&) = delete;
    CFileWriter& operator=(const CFileWriter&) = delete;

    // Target path in code page 932. False with error() set when the
    // temporary file cannot be created.
    bool open(const std::string& path);
    void write(std::string_view bytes);
    // Room for n more bytes: write them at the pointer, then advance(n).
    char* space(std::size_t n);
    void advance(std::size_t n) { m_used += n; }
    // Flushes, syncs and renames over the target. False with error() set.
    // Without sync the data is left to the system (a caller writing many
    // files syncs once at the end with SyncFileSystemOf).
    bool commit(bool sync = true);
    int error() const { return m_error; }
    // The temporary file's path, for a library that writes the file by name
    // (commit() still syncs and renames it).
    const std::string& tempPath() const { return m_temp; }

    // The bytes given are code page 932 text and the file is to be UTF-8,
    // with a byte-order mark when bom is set. Call right after open(). A
    // byte that is not code page 932 text fails the write with EILSEQ, and
    // badLine() tells its line.
    void convertToUtf8(bool bom);
    std::int64_t badLine() const;

    // Writes every file of the file system that holds path to disk.
    static bool SyncFileSystemOf(const std::string& path);

private:
    bool flushBuffer(bool last = false);
    bool writeAll(const char* bytes, std::size_t n);
    void discard();

    std::string m_target;
    std::string m_temp;
    int m_fd = -1;
    off_t m_written = 0;
    int m_error = 0;
    std::vector<char> m_buffer;
    std::size_t m_used = 0;
    std::unique_ptr<Cp932ToUtf8Encoder> m_encoder;
    std::string m_encoded;
};

}  // namespace tabrix
