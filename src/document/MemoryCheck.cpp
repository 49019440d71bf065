#include "document/MemoryCheck.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "text/Cp932.h"

namespace tabrix {

namespace {

std::int64_t FieldKb(const std::string& meminfo, const std::string& name) {
    const std::size_t at = meminfo.find(name + ":");
    if (at == std::string::npos) return 0;
    return std::strtoll(meminfo.c_str() + at + name.size() + 1, nullptr, 10);
}

std::string ReadAll(const char* path) {
    std::ifstream in(path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

std::int64_t CommitAvailableFrom(const std::string& meminfo, int overcommitMode) {
    std::int64_t kb;
    if (overcommitMode == 2)
        kb = FieldKb(meminfo, "CommitLimit") - FieldKb(meminfo, "Committed_AS");
    else
        kb = FieldKb(meminfo, "MemAvailable") + FieldKb(meminfo, "SwapFree");
    return kb < 0 ? 0 : kb * 1024;
}

std::int64_t CommitAvailableBytes() {
    const std::string mode = ReadAll("/proc/sys/vm/overcommit_memory");
    return CommitAvailableFrom(ReadAll("/proc/meminfo"), std::atoi(mode.c_str()));
}

MemoryCheck CheckMemory(const std::string& path, std::int64_t availableBytes) {
    const std::string fsPath = ToFsPath(path).native();
    const int fd = ::open(fsPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return MemoryCheck::OpenFailed;
    struct stat st {};
    const bool ok = ::fstat(fd, &st) == 0 && !S_ISDIR(st.st_mode);
    ::close(fd);
    if (!ok) return MemoryCheck::OpenFailed;
    return availableBytes >= 3 * static_cast<std::int64_t>(st.st_size) ? MemoryCheck::Ok
                                                                        : MemoryCheck::Short;
}

MemoryCheck CheckMemory(const std::string& path) {
    return CheckMemory(path, CommitAvailableBytes());
}

}  // namespace tabrix
