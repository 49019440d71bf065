// Whether a data file may be read whole into memory: the memory the system
// can still commit must be at least three times the file's size.
#pragma once

#include <cstdint>
#include <string>

namespace tabrix {

enum class MemoryCheck { Ok, Short, OpenFailed };

// Memory the system can still commit, in bytes. With strict overcommit
// (vm.overcommit_memory = 2) that is CommitLimit - Committed_AS; otherwise the
// kernel refuses nothing it could not page in, so MemAvailable + SwapFree.
std::int64_t CommitAvailableBytes();

MemoryCheck CheckMemory(const std::string& path);
MemoryCheck CheckMemory(const std::string& path, std::int64_t availableBytes);

// Parses /proc/meminfo text; exposed for tests.
std::int64_t CommitAvailableFrom(const std::string& meminfo, int overcommitMode);

}  // namespace tabrix
