// A fresh folder per test, removed afterwards, with helpers to write and read
// files byte for byte.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tabrix::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(std::string_view name) const { return m_path / name; }
    // Writes bytes to name (relative to the folder) and returns the full path.
    std::filesystem::path write(std::string_view name, std::string_view bytes) const;

private:
    std::filesystem::path m_path;
};

std::string ReadBytes(const std::filesystem::path& path);

}  // namespace tabrix::test
