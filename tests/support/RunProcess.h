// Runs a program to completion and collects its exit status and output.
#pragma once

#include <string>
#include <vector>

namespace tabrix::test {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

ProcessResult RunProcess(const std::vector<std::string>& argv);

// What a program prints in UTF-8, from a u8 literal (plain literals are code page 932).
inline std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// The folder of the bundled examples.
inline const std::string kExamplesDir = std::string(TABRIX_SOURCE_DIR) + "/examples";
// tabrix-cli with the given arguments.
ProcessResult RunCli(const std::vector<std::string>& args);

}  // namespace tabrix::test
