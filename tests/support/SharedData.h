// Real data that no one here wrote: the national postal-code file, kept
// outside the repository beside the checkout (or named by TABRIX_KEN_ALL).
#pragma once

#include <cstdlib>
#include <filesystem>

namespace tabrix::test {

// The file's path, or an empty path when it is not on this machine.
inline std::filesystem::path KenAllPath() {
    namespace fs = std::filesystem;
    if (const char* env = std::getenv("TABRIX_KEN_ALL"); env && *env) return env;
    for (const fs::path& candidate : {fs::path(TABRIX_SOURCE_DIR) / "../shared/data/KEN_ALL.CSV",
                                     fs::path("/work/shared/data/KEN_ALL.CSV")})
        if (fs::exists(candidate)) return candidate;
    return {};
}

}  // namespace tabrix::test
