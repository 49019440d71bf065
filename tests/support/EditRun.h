// One tabrix-cli edit run over a data file of its own: in.csv holds the
// data, out.csv is what the command wrote ("(none)" when it wrote nothing).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace tabrix::test {

struct EditRun {
    TempDir dir;
    std::string in;
    std::string out;
    explicit EditRun(const std::string& data) : in(dir.write("in.csv", data).string()), out((dir / "out.csv").string()) {}
    ProcessResult run(const std::string& command, std::vector<std::string> args) {
        std::vector<std::string> argv = {"edit", command, in, out};
        argv.insert(argv.end(), args.begin(), args.end());
        return RunCli(argv);
    }
    std::string output() const { return std::filesystem::exists(out) ? ReadBytes(out) : std::string("(none)"); }
};

}  // namespace tabrix::test
