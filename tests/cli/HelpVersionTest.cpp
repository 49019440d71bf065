#include <gtest/gtest.h>

#include <regex>

#include "support/RunProcess.h"

namespace tabrix {
namespace {

using test::RunCli;
using test::U8;

TEST(CliHelp, ListsEveryCommand) {
    for (const char* flag : {"--help", "-h", "help"}) {
        SCOPED_TRACE(flag);
        const auto r = RunCli({flag});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out.rfind("Usage: tabrix-cli COMMAND ARGUMENTS [OPTIONS]\n", 0), 0u);
        for (const char* command : {"info FILE", "save IN OUT", "check CTRL", "edit COMMAND IN OUT", "filter FILE",
                                    "split IN OUT", "select IN OUT", "aggregate FILE", "total FILE --col C",
                                    "ctrl IN OUT"})
            EXPECT_NE(r.out.find(std::string("\n  ") + command + "  "), std::string::npos) << command;
        EXPECT_NE(r.out.find("\n  --set NAME=VALUE  "), std::string::npos);
    }
    // The Shift-JIS captions of the summaries reach the terminal as UTF-8.
    EXPECT_NE(RunCli({"--help"}).out.find(U8(u8"\"名前を付けて保存\"")), std::string::npos);
}

TEST(CliHelp, VersionAndUnknownCommands) {
    const auto version = RunCli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(std::regex_match(version.out, std::regex("tabrix-cli [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << version.out;

    const auto unknown = RunCli({"frobnicate"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.err, "tabrix-cli: unknown command: frobnicate (tabrix-cli --help lists the commands)\n");
    const auto none = RunCli({});
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_NE(none.err.find("tabrix-cli --help"), std::string::npos);
}

}  // namespace
}  // namespace tabrix
