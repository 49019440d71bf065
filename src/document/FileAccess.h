// Questions about files on disk, asked with code page 932 paths.
#pragma once

#include <string>

namespace tabrix {

bool FileExists(const std::string& path);
// The file exists and may not be written: no permission, or no write bit at
// all (which even the superuser's access check would ignore).
bool IsReadOnlyFile(const std::string& path);

}  // namespace tabrix
