#include "app/ShippedFiles.h"

#include <filesystem>
#include <system_error>

#include "text/Cp932.h"

#ifndef TABRIX_INSTALLED_FILES_FROM_BIN
#define TABRIX_INSTALLED_FILES_FROM_BIN "../share/tabrix"
#endif

namespace tabrix {

namespace fs = std::filesystem;

namespace {

// The header is the file both programs need; the manual and readme go with it.
constexpr const char* kMarkerFile = "CtrlHeader.txt";

bool HoldsShippedFiles(const fs::path& dir) {
    std::error_code ec;
    return fs::is_regular_file(dir / kMarkerFile, ec);
}

}  // namespace

std::string_view InstalledFilesFromProgramDir() { return TABRIX_INSTALLED_FILES_FROM_BIN; }

std::string ShippedFilesDir(const std::string& programDir) {
    const fs::path program = ToFsPath(programDir);
    if (HoldsShippedFiles(program)) return programDir;
    const fs::path installed = program / fs::path(std::string(InstalledFilesFromProgramDir()));
    if (!HoldsShippedFiles(installed)) return programDir;
    // Named without "bin/..", as messages show it.
    std::error_code ec;
    const fs::path plain = fs::canonical(installed, ec);
    return FromFsPathLossy(ec ? installed : plain);
}

}  // namespace tabrix
