#include "document/FileAccess.h"

#include <sys/stat.h>
#include <unistd.h>

#include "text/Cp932.h"

namespace tabrix {

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(ToFsPath(path).c_str(), &st) == 0;
}

bool IsReadOnlyFile(const std::string& path) {
    const std::string fsPath = ToFsPath(path).native();
    struct stat st {};
    if (::stat(fsPath.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
    return (st.st_mode & 0222) == 0 || ::access(fsPath.c_str(), W_OK) != 0;
}

}  // namespace tabrix
