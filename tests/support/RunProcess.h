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
// tabrix-cli with the given arguments.
ProcessResult RunCli(const std::vector<std::string>& args);

}  // namespace tabrix::test
