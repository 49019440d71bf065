// The standard messages for file operations that the system itself fails:
// reading a data file and writing a saved file.
#pragma once

#include <string>
#include <string_view>

namespace tabrix {

// A short Japanese reason for an errno value.
std::string SystemErrorText(int err);
// "%s を読み込めませんでした。" with the reason on a second line.
std::string ReadFailedMessage(std::string_view path, int err);
// "%s に保存できませんでした。" with the reason on a second line.
std::string SaveFailedMessage(std::string_view path, int err);

}  // namespace tabrix
