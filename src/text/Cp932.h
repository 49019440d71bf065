// The one converter between code page 932 bytes and Unicode (UTF-8), on glibc
// iconv. Used only at the edges: text shown or typed in the desktop, file
// system paths and terminal output. Decoding never drops a byte silently:
// each invalid byte becomes U+FFFD and the result says so. Encoding refuses a
// character that code page 932 cannot hold instead of replacing it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tabrix {

// Returns false when the input held bytes that are not code page 932 text
// (each shown as U+FFFD); out is complete either way.
bool Cp932ToUtf8(std::string_view cp932, std::string& out);
std::string Cp932ToUtf8(std::string_view cp932);

// Returns false when a character cannot be encoded (or the input is not
// UTF-8); badChar then holds that character in UTF-8 and out is unspecified.
bool Utf8ToCp932(std::string_view utf8, std::string& out, std::string* badChar = nullptr);

// A code page 932 path as the file system names it: UTF-8, and a backslash
// that stands as a character of its own becomes '/' (paths from Windows hosts).
std::filesystem::path ToFsPath(std::string_view cp932Path);
// A file system path as code page 932 text; false when a character has no code.
bool FromFsPath(const std::filesystem::path& path, std::string& cp932Path);
std::string FromFsPathLossy(const std::filesystem::path& path);

}  // namespace tabrix
